#include "backup/backup_commands.h"

#include "backup/backup_folder.h"
#include "backup/backup_settings.h"
#include "backup/office_backup.h"
#include "backup/photo_store.h"
#include "backup/restore.h"
#include "backup/server_dump.h"
#include "common/clock.h"
#include "common/office_folder.h"
#include "common/office_store.h"
#include "data/database.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

const QString kBackup = QStringLiteral("--backup");
const QString kRestore = QStringLiteral("--restore");
const QString kList = QStringLiteral("--backups");

struct CommandLine {
    QString option;
    QString path;  // FOLDER or BACKUP; may be empty for --backup and --backups
};

std::optional<CommandLine> parse(const QStringList& arguments) {
    if (arguments.size() < 2 || arguments.size() > 3) return std::nullopt;
    CommandLine line{arguments[1], arguments.value(2)};
    if (line.option != kBackup && line.option != kRestore && line.option != kList)
        return std::nullopt;
    if (line.path.startsWith(QLatin1String("--"))) return std::nullopt;
    if (line.option == kRestore && line.path.isEmpty()) return std::nullopt;
    return line;
}

QString sizeText(qint64 bytes) {
    if (bytes < 1024) return QStringLiteral("%1 B").arg(bytes);
    if (bytes < 1024 * 1024) return QStringLiteral("%1 KB").arg((bytes + 1023) / 1024);
    return QStringLiteral("%1 MB").arg(static_cast<double>(bytes) / (1024.0 * 1024.0), 0, 'f', 1);
}

qint64 folderBytes(const QString& folder) {
    qint64 bytes = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        bytes += QFileInfo(it.next()).size();
    return bytes;
}

QString rootOf(const CommandLine& line, const OfficeFolder& office) {
    return line.path.isEmpty() ? backupRoot(office) : QFileInfo(line.path).absoluteFilePath();
}

// Prints a stage the first time it is reached.
BackupProgress stagePrinter(QTextStream& out) {
    auto last = std::make_shared<QString>();
    return [&out, last](const QString& stage, qint64, qint64) {
        if (stage != *last) {
            *last = stage;
            out << stage << QStringLiteral(" 중…") << Qt::endl;
        }
        return true;
    };
}

int backUp(const CommandLine& line, QTextStream& out, QTextStream& err) {
    const OfficeFolder office = OfficeFolder::fromEnvironment();
    const QString root = rootOf(line, office);
    try {
        // Without a window nobody is asked: a data folder named in
        // quarnel.ini that is missing is refused.
        const std::unique_ptr<Database> store = openOfficeStore(office, {});
        if (store->isServer()) {
            const QString file = dumpServerStore(*store->server(), root, appClock().now());
            out << QStringLiteral("서버 자료를 pg_dump로 백업했습니다: ") << file << Qt::endl;
            out << QStringLiteral("사진(PICT 폴더)은 이 백업에 들어 있지 않습니다.") << Qt::endl;
            return BackupExit::Done;
        }
        const BackupResult result =
            backUpOffice(office, *store, root, appClock().now(), stagePrinter(out));
        out << QStringLiteral("백업했습니다: ") << result.folder << Qt::endl;
        out << QStringLiteral("자료 %1, 사진 %2장 (새로 보관 %3장)")
                   .arg(sizeText(result.storeBytes))
                   .arg(result.photos)
                   .arg(result.photosAdded)
            << Qt::endl;
        if (!result.photosMissing.isEmpty()) {
            out << QStringLiteral("PICT에 없어 빠진 사진: ") << result.photosMissing.join(u' ')
                << Qt::endl;
        }
        if (result.backupsRemoved > 0)
            out << QStringLiteral("오래된 백업 %1개를 지웠습니다.").arg(result.backupsRemoved)
                << Qt::endl;
        return BackupExit::Done;
    } catch (const std::exception& error) {
        err << QStringLiteral("백업하지 못했습니다.") << Qt::endl
            << QString::fromStdString(error.what()) << Qt::endl;
        return BackupExit::Failed;
    }
}

int restore(const CommandLine& line, QTextStream& out, QTextStream& err) {
    RestoreRequest request;
    request.backup = line.path;
    request.office = OfficeFolder::fromEnvironment();
    request.backupRoot = backupRoot(request.office);
    request.moment = appClock().now();
    request.progress = stagePrinter(out);
    try {
        const RestoreResult result = restoreBackup(request);
        out << QStringLiteral("복원했습니다: ") << QFileInfo(line.path).absoluteFilePath()
            << Qt::endl;
        if (!result.backupBefore.isEmpty())
            out << QStringLiteral("복원 전의 자료는 백업해 두었습니다: ") << result.backupBefore
                << Qt::endl;
        if (!result.storeWasSound)
            out << QStringLiteral(
                       "복원 전의 자료는 무결성 검사를 통과하지 못해 손상된 그대로 "
                       "백업했습니다.")
                << Qt::endl;
        out << QStringLiteral("사진 %1장을 되살렸습니다 (같은 사진이 이미 있음 %2장).")
                   .arg(result.photosRestored)
                   .arg(result.photosAlreadyThere)
            << Qt::endl;
        if (!result.photosKeptAside.isEmpty())
            out << QStringLiteral("같은 이름의 다른 사진은 이름을 바꾸어 두었습니다: ")
                << result.photosKeptAside.join(u' ') << Qt::endl;
        if (!result.photosMissing.isEmpty()) {
            out << QStringLiteral("백업에 없어 되살리지 못한 사진: ")
                << result.photosMissing.join(u' ') << Qt::endl;
            return BackupExit::PhotosMissing;
        }
        return BackupExit::Done;
    } catch (const std::exception& error) {
        err << QStringLiteral("복원하지 못했습니다.") << Qt::endl
            << QString::fromStdString(error.what()) << Qt::endl;
        return BackupExit::Failed;
    }
}

int list(const CommandLine& line, QTextStream& out, QTextStream& err) {
    const QString root = rootOf(line, OfficeFolder::fromEnvironment());
    if (!QFileInfo(root).isDir()) {
        err << QStringLiteral("백업 폴더가 없습니다: ") << root << Qt::endl;
        return BackupExit::Failed;
    }
    const std::vector<BackupEntry> backups = listBackups(root);
    out << QStringLiteral("백업 폴더: ") << root << Qt::endl;
    for (const BackupEntry& backup : backups) {
        const QDir folder(backup.path);
        const auto photos = readPhotoList(folder.filePath(backupFiles::kPhotoList));
        out << backup.moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
            << QStringLiteral("  자료 ")
            << sizeText(QFileInfo(folder.filePath(backupFiles::kStore)).size())
            << QStringLiteral("  사진 ")
            << (photos ? QStringLiteral("%1장").arg(photos->size()) : QStringLiteral("목록 손상"))
            << (backup.beforeRestore ? QStringLiteral("  (복원 전)") : QString())
            << QStringLiteral("  ") << backup.name << Qt::endl;
    }
    out << QStringLiteral("백업 %1개, 사진 보관 %2")
               .arg(backups.size())
               .arg(sizeText(folderBytes(QDir(root).filePath(backupFiles::kPhotoStore))))
        << Qt::endl;
    return BackupExit::Done;
}

}  // namespace

bool isBackupCommand(const QStringList& arguments) {
    return arguments.contains(kBackup) || arguments.contains(kRestore) || arguments.contains(kList);
}

QStringList backupCommandLines() {
    return {QStringLiteral("--backup [폴더]     지금 백업합니다 (폴더를 주면 그 폴더에)"),
            QStringLiteral("--restore 백업      백업(백업 폴더나 그 안의 자료 파일)을 되살립니다"),
            QStringLiteral("--backups [폴더]    백업 목록을 날짜와 크기와 함께 보여 줍니다")};
}

int runBackupCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const std::optional<CommandLine> line = parse(arguments);
    if (!line) {
        err << QStringLiteral("사용법:") << Qt::endl;
        for (const QString& usage : backupCommandLines())
            err << QStringLiteral("  quarnel ") << usage << Qt::endl;
        return BackupExit::Usage;
    }
    if (line->option == kBackup) return backUp(*line, out, err);
    if (line->option == kRestore) return restore(*line, out, err);
    return list(*line, out, err);
}

int runBackupCommand(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runBackupCommand(arguments, out, err);
}
