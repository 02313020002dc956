#include "legacy/legacy_import_command.h"

#include "common/number_format.h"
#include "common/office_folder.h"
#include "common/office_store.h"
#include "data/database.h"
#include "legacy/legacy_import.h"
#include "legacy/table_roles.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

namespace {

const QString kOption = QStringLiteral("--import-legacy");
const QString kReplace = QStringLiteral("--replace");

struct CommandLine {
    QString folder;
    bool replace = false;
};

std::optional<CommandLine> parse(const QStringList& arguments) {
    CommandLine line;
    bool folderNext = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (folderNext) {
            if (argument.isEmpty() || argument.startsWith(QLatin1String("--"))) return std::nullopt;
            line.folder = argument;
            folderNext = false;
        } else if (argument == kOption && line.folder.isEmpty()) {
            folderNext = true;
        } else if (argument == kReplace && !line.replace) {
            line.replace = true;
        } else {
            return std::nullopt;
        }
    }
    if (line.folder.isEmpty()) return std::nullopt;
    return line;
}

void printSummary(const LegacyImportReport& report, QTextStream& out) {
    out << QStringLiteral("가져온 표:") << Qt::endl;
    for (const LegacyImportReport::Table& table : report.tables) {
        out << QStringLiteral("  %1 → %2: %3건")
                   .arg(table.fileName, tableTitle(table.table), formatAmount(table.rows));
        if (table.deletedRecords > 0)
            out << QStringLiteral(" (삭제 표시된 레코드 %1건은 빼고)")
                       .arg(formatAmount(table.deletedRecords));
        out << Qt::endl;
    }
    if (!report.passedOver.empty()) {
        out << QStringLiteral("가져오지 않아도 되는 표:") << Qt::endl;
        for (const LegacyImportReport::Note& note : report.passedOver)
            out << QStringLiteral("  %1: %2").arg(note.what, note.why) << Qt::endl;
    }
    out << QStringLiteral("사진: %1장 복사").arg(report.photosCopied);
    if (report.photosAlreadyThere > 0)
        out << QStringLiteral(", %1장은 같은 사진이 이미 있음").arg(report.photosAlreadyThere);
    out << Qt::endl;
    if (report.complete()) {
        out << QStringLiteral("모두 가져왔습니다.") << Qt::endl;
        return;
    }
    out << QStringLiteral("가져오지 못한 것:") << Qt::endl;
    for (const LegacyImportReport::Note& note : report.skipped)
        out << QStringLiteral("  %1: %2").arg(note.what, note.why) << Qt::endl;
    out << QStringLiteral("표는 가져왔지만 위의 것은 가져오지 못했습니다.") << Qt::endl;
}

}  // namespace

bool isLegacyImportCommand(const QStringList& arguments) {
    return arguments.contains(kOption);
}

int runLegacyImportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const std::optional<CommandLine> line = parse(arguments);
    if (!line) {
        err << QStringLiteral("사용법: quarnel --import-legacy <예전 자료 폴더> [--replace]")
            << Qt::endl;
        return LegacyImportExit::Usage;
    }
    const QString folder = QFileInfo(line->folder).absoluteFilePath();
    const OfficeFolder office = OfficeFolder::fromEnvironment();
    QString error;
    LegacyImportReport report;
    bool imported = false;
    try {
        // Without a window nobody is asked: a data folder named in
        // quarnel.ini that is missing is refused.
        const std::unique_ptr<Database> database = openOfficeStore(office, {});
        const ImportProgress progress = [&out](const QString& text) { out << text << Qt::endl; };
        imported = importLegacyFolder(*database, folder, office.pictDirectory(), line->replace,
                                      progress, &report, &error);
    } catch (const std::exception& failure) {
        error = QString::fromStdString(failure.what());
    }
    if (!imported) {
        err << QStringLiteral(
                   "예전 자료를 가져오지 못했습니다. 사무실 자료는 바뀌지 "
                   "않았습니다.")
            << Qt::endl
            << error << Qt::endl;
        return LegacyImportExit::NothingImported;
    }
    printSummary(report, out);
    return report.complete() ? LegacyImportExit::Complete : LegacyImportExit::Incomplete;
}

int runLegacyImportCommand(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runLegacyImportCommand(arguments, out, err);
}
