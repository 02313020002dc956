#include "app/command_line.h"

#include "app/copy_store_command.h"
#include "backup/backup_commands.h"
#include "legacy/legacy_import_command.h"
#include "tools/postal_import_command.h"

#include <QSet>

namespace {
// Qt's own options: those that take a value (as the next argument or after
// "="), and those that stand alone. Qt reads them with one dash or two.
const QSet<QString>& qtOptionsWithValue() {
    static const QSet<QString> options{
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
        QStringLiteral("style"),           QStringLiteral("stylesheet"),
        QStringLiteral("display"),         QStringLiteral("geometry"),
    };
    return options;
}

const QSet<QString>& qtOptionsAlone() {
    static const QSet<QString> options{
        QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
        QStringLiteral("dograb"),  QStringLiteral("sync"),
    };
    return options;
}

// Options that Qt takes only as "-name=value".
const QSet<QString>& qtOptionsWithEquals() {
    static const QSet<QString> options{QStringLiteral("qmljsdebugger"), QStringLiteral("dialogs"),
                                       QStringLiteral("fontengine")};
    return options;
}

// The option's name without its dashes and without "=value".
QString optionName(const QString& argument) {
    QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    return name.section(u'=', 0, 0);
}

StartChoice refused(const QString& message) {
    return {StartChoice::Kind::Refused, nullptr,
            message + QStringLiteral("\n'quarnel --help'로 쓸 수 있는 명령을 볼 수 있습니다. "
                                     "(See 'quarnel --help'.)")};
}

// Whether the arguments after the program name are all Qt's own options
// with their values; otherwise the refusal.
StartChoice checkQtOptions(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u'-') || argument.size() < 2) {
            return refused(
                QStringLiteral("알 수 없는 인수입니다: %1 (unknown argument)").arg(argument));
        }
        const QString name = optionName(argument);
        const bool hasEquals = argument.contains(u'=');
        if (qtOptionsAlone().contains(name) && !hasEquals) continue;
        if (qtOptionsWithEquals().contains(name) && hasEquals) continue;
        if (qtOptionsWithValue().contains(name)) {
            if (hasEquals) continue;
            if (i + 1 < arguments.size()) {
                ++i;
                continue;
            }
            return refused(
                QStringLiteral("%1 뒤에 값이 없습니다. (%1 needs a value)").arg(argument));
        }
        return refused(QStringLiteral("알 수 없는 옵션입니다: %1 (unknown option)").arg(argument));
    }
    return {};
}
}  // namespace

const std::vector<ProgramCommand>& programCommands() {
    static const std::vector<ProgramCommand> commands{
        {"--import-postal", "<파일 file>", "우편번호 표를 사무실의 우편번호 목록으로 바꿉니다",
         "replaces the postal-code table with the office's own list", &runPostalImportCommand},
        {"--import-legacy", "<폴더 folder> [--replace]",
         "예전 프로그램의 표와 사진을 사무실 자료로 가져옵니다",
         "brings the office's old tables and photos into its store", &runLegacyImportCommand},
        {"--backup", "[폴더 folder]", "사무실 자료를 지금 백업합니다",
         "makes a backup of the office now", &runBackupCommand},
        {"--restore", "<백업 backup>", "백업을 사무실 자료로 되돌립니다",
         "puts a backup back as the office's data", &runBackupCommand},
        {"--backups", "[폴더 folder]", "백업 목록을 날짜와 크기와 함께 보입니다",
         "lists the backups with dates and sizes", &runBackupCommand},
        {"--copy-store", "<postgresql://… 또는 폴더 folder>", "사무실 자료 전체를 다른 자료(서버 또는 폴더)로 옮깁니다",
         "copies the office's whole store to a database server or a data folder", &runCopyStoreCommand},
    };
    return commands;
}

StartChoice chooseStart(const QStringList& arguments) {
    const QStringList given = arguments.mid(1);
    if (given.contains(QStringLiteral("--help")) || given.contains(QStringLiteral("-h")))
        return {StartChoice::Kind::Help, nullptr, {}};
    if (given.contains(QStringLiteral("--version")))
        return {StartChoice::Kind::Version, nullptr, {}};
    // A command reads the rest of the line itself.
    for (const QString& argument : given) {
        for (const ProgramCommand& command : programCommands()) {
            if (argument == QLatin1String(command.option))
                return {StartChoice::Kind::Command, &command, {}};
        }
    }
    return checkQtOptions(arguments);
}

QString versionText() {
    return QStringLiteral(
        "Quarnel 3.0 — 콰넬 부동산 중개업무관리 (real-estate brokerage office management)\n");
}

QString helpText() {
    QString text = versionText();
    text += QStringLiteral(
        "\n사용법 (usage):\n"
        "  quarnel                 프로그램을 엽니다 (starts the program)\n");
    for (const ProgramCommand& command : programCommands()) {
        const QString head =
            QStringLiteral("  quarnel %1 %2")
                .arg(QString::fromUtf8(command.option), QString::fromUtf8(command.arguments));
        text += head + u'\n' + QStringLiteral("      ") + QString::fromUtf8(command.korean) +
                QStringLiteral("\n      ") + QString::fromUtf8(command.english) + u'\n';
    }
    text += QStringLiteral(
        "  quarnel --help          이 도움말 (this help)\n"
        "  quarnel --version       판 번호 (the version)\n"
        "\n"
        "Qt의 옵션도 받습니다 (Qt's own options are accepted): -platform, -style, -stylesheet,\n"
        "-platformtheme, -qwindowgeometry, -reverse, -display, …\n"
        "\n"
        "사무실 폴더 (office folder): $QUARNEL_HOME, 없으면 (else) ~/.local/share/quarnel\n");
    return text;
}
