// The commands run from a shell have no window to ask from: a missing data
// folder named in quarnel.ini (a backup drive that is not mounted) is
// refused with its message, never made anew.

#include "backup/backup_commands.h"
#include "common/office_store.h"
#include "legacy/legacy_import_command.h"
#include "tests/support/test_environment.h"
#include "tools/postal_import_command.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

using CommandTest = QuarnelTest;

TEST_F(CommandTest, AMissingDataFolderNamedInQuarnelIniIsRefusedNotMade) {
    using Command = std::function<int(const QStringList&, QTextStream&, QTextStream&)>;
    struct Case {
        const char* option;
        const char* argument;  // a file or folder that exists
        Command run;
    };
    const Case commands[] = {
        {"--import-postal", "postal.csv",
         [](const QStringList& a, QTextStream& o, QTextStream& e) {
             return runPostalImportCommand(a, o, e);
         }},
        {"--import-legacy", "old",
         [](const QStringList& a, QTextStream& o, QTextStream& e) {
             return runLegacyImportCommand(a, o, e);
         }},
        {"--backup", "old",
         [](const QStringList& a, QTextStream& o, QTextStream& e) {
             return runBackupCommand(a, o, e);
         }},
    };
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString office = home.filePath(QStringLiteral("office"));
    const QString drive = home.filePath(QStringLiteral("backup-drive"));
    ASSERT_TRUE(QDir().mkpath(office));
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("old"))));
    QFile postal(home.filePath(QStringLiteral("postal.csv")));
    ASSERT_TRUE(postal.open(QIODevice::WriteOnly));
    postal.write("ZIP,ADDR,DDD\n03005,Seoul,02\n");
    postal.close();
    QSettings(office + QStringLiteral("/quarnel.ini"), QSettings::IniFormat)
        .setValue(QStringLiteral("Aliases/qdb3"), drive + QStringLiteral("/qdb3"));

    const QByteArray savedHome = qgetenv("QUARNEL_HOME");
    qputenv("QUARNEL_HOME", office.toUtf8());
    for (const Case& c : commands) {
        SCOPED_TRACE(c.option);
        QString output;
        QString errors;
        QTextStream out(&output);
        QTextStream err(&errors);
        const QStringList arguments = {QStringLiteral("quarnel"), QLatin1String(c.option),
                                       home.filePath(QLatin1String(c.argument))};
        EXPECT_EQ(c.run(arguments, out, err), 1);
        EXPECT_TRUE(errors.contains(missingDataFolderRefusal(drive + QStringLiteral("/qdb3"))))
            << errors.toStdString();
        EXPECT_FALSE(QFileInfo::exists(drive));
        EXPECT_TRUE(dlg().messages.isEmpty()) << "nobody was asked";
    }
    qputenv("QUARNEL_HOME", savedHome);
}
