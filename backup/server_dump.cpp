#include "backup/server_dump.h"

#include "common/private_files.h"
#include "data/store_error.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

QString dumpServerStore(const ServerAddress& server, const QString& backupFolder,
                        const QDateTime& moment, const QString& program) {
    const QString executable = QStandardPaths::findExecutable(program);
    if (executable.isEmpty()) {
        throw StoreError(
            QStringLiteral("서버 자료를 백업하는 프로그램(pg_dump)이 설치되어 있지 않습니다. "
                           "postgresql-client 꾸러미를 설치하거나 서버에서 백업하세요.\n서버: ") +
                server.shown(),
            QStringLiteral("pg_dump not found"));
    }
    if (!makeOwnerOnlyFolder(backupFolder)) {
        throw StoreError(QStringLiteral("백업 폴더를 만들 수 없습니다: ") + backupFolder,
                         QStringLiteral("cannot create the backup folder"));
    }
    const QString file =
        QDir(backupFolder)
            .filePath(QStringLiteral("server-%1.dump")
                          .arg(moment.toString(QStringLiteral("yyyy-MM-dd_HHmmss"))));
    QProcess dump;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The password travels in the environment, never on the command line.
    if (!server.password.isEmpty())
        environment.insert(QStringLiteral("PGPASSWORD"), server.password);
    dump.setProcessEnvironment(environment);
    QStringList arguments{QStringLiteral("--format=custom"),
                          QStringLiteral("--file=") + file,
                          QStringLiteral("--host=") + server.host,
                          QStringLiteral("--port=") + QString::number(server.port),
                          QStringLiteral("--no-password"),
                          QStringLiteral("--dbname=") + server.database};
    if (!server.user.isEmpty()) arguments.append(QStringLiteral("--username=") + server.user);
    dump.start(executable, arguments);
    const bool finished = dump.waitForFinished(-1);
    if (!finished || dump.exitStatus() != QProcess::NormalExit || dump.exitCode() != 0) {
        QFile::remove(file);
        throw StoreError(
            QStringLiteral("서버 자료를 백업하지 못했습니다.\n서버: ") + server.shown(),
            QString::fromLocal8Bit(dump.readAllStandardError()).trimmed());
    }
    return file;
}
