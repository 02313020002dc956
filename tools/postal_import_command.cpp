#include "tools/postal_import_command.h"

#include "common/office_folder.h"
#include "common/office_store.h"
#include "data/database.h"
#include "tools/postal_import.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <exception>
#include <memory>

namespace {

const QString kOption = QStringLiteral("--import-postal");

// Opens the office's database and imports; the database closes again before
// the result is printed. Without a window nobody is asked: a data folder
// named in quarnel.ini that is missing is refused.
bool importIntoOffice(const QString& filePath, QString* error, int* imported) {
    try {
        const std::unique_ptr<Database> database =
            openOfficeStore(OfficeFolder::fromEnvironment(), {});
        return importPostalCodes(*database, filePath, error, imported);
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
