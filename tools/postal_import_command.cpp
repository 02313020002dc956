#include "tools/postal_import_command.h"

#include "common/office_folder.h"
#include "data/database.h"
#include "tools/postal_import.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <exception>

namespace {

const QString kOption = QStringLiteral("--import-postal");

// Opens the office's database and imports; the database closes again before
// the result is printed.
bool importIntoOffice(const QString& filePath, QString* error, int* imported) {
    const OfficeFolder folder = OfficeFolder::fromEnvironment();
    if (!folder.ensureCreated()) {
        *error = QStringLiteral("사무실 폴더를 만들 수 없습니다: ") + folder.path();
        return false;
    }
    try {
        Database database(folder.aliasDirectory());
        return importPostalCodes(database, filePath, error, imported);
    } catch (const std::exception& failure) {
        *error = QString::fromStdString(failure.what());
    }
    return false;
}

}  // namespace

bool isPostalImportCommand(const QStringList& arguments) {
    return arguments.contains(kOption);
}

int runPostalImportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const qsizetype option = arguments.indexOf(kOption);
    if (option < 0 || option + 1 >= arguments.size() || arguments[option + 1].isEmpty()) {
        err << QStringLiteral("사용법: quarnel --import-postal <파일>") << Qt::endl;
        return 2;
    }
    const QString filePath = QFileInfo(arguments[option + 1]).absoluteFilePath();
    QString error;
    int imported = 0;
    if (!importIntoOffice(filePath, &error, &imported)) {
        err << QStringLiteral("우편번호를 가져오지 못했습니다. ") << error << Qt::endl;
        return 1;
    }
    out << QStringLiteral("우편번호 %1건을 가져왔습니다: %2").arg(imported).arg(filePath)
        << Qt::endl;
    return 0;
}

int runPostalImportCommand(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runPostalImportCommand(arguments, out, err);
}
