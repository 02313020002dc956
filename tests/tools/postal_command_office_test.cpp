// The postal import run from a shell has no window to ask from: a missing
// data folder named in quarnel.ini is refused with its message, never made.

#include "common/office_store.h"
#include "tests/support/test_environment.h"
#include "tools/postal_import_command.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

TEST(PostalCommandOfficeTest, AMissingDataFolderNamedInQuarnelIniIsRefusedNotMade) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString office = home.filePath(QStringLiteral("office"));
    ASSERT_TRUE(QDir().mkpath(office));
    // A backup drive that is not mounted.
    const QString drive = home.filePath(QStringLiteral("backup-drive"));
    QSettings(office + QStringLiteral("/quarnel.ini"), QSettings::IniFormat)
        .setValue(QStringLiteral("Aliases/qdb3"), drive + QStringLiteral("/qdb3"));
    const QString postal = home.filePath(QStringLiteral("postal.csv"));
    QFile file(postal);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ZIP,ADDR,DDD\n03005,Seoul,02\n");
    file.close();

    const QByteArray savedHome = qgetenv("QUARNEL_HOME");
    qputenv("QUARNEL_HOME", office.toUtf8());
    QString output;
    QString errors;
    QTextStream out(&output);
    QTextStream err(&errors);
    const int result = runPostalImportCommand(
        {QStringLiteral("quarnel"), QStringLiteral("--import-postal"), postal}, out, err);
    qputenv("QUARNEL_HOME", savedHome);

    EXPECT_EQ(result, 1);
    EXPECT_TRUE(output.isEmpty());
    EXPECT_TRUE(errors.contains(missingDataFolderRefusal(drive + QStringLiteral("/qdb3"))))
        << errors.toStdString();
    EXPECT_FALSE(QFileInfo::exists(drive));
}
