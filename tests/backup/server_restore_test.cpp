#include "backup/restore.h"
#include "common/office_folder.h"
#include "data/store_error.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

// An office whose store is on a database server is put back with the
// server's own tools: a restore of a local backup changes nothing there.
using ServerRestoreTest = QuarnelTest;

TEST_F(ServerRestoreTest, ARestoreIntoAnOfficeOnAServerIsRefusedAndChangesNothing) {
    QTemporaryDir home;
    const OfficeFolder office(home.path());
    ASSERT_TRUE(office.ensureCreated());
    QSettings(office.iniPath(), QSettings::IniFormat)
        .setValue(QStringLiteral("Aliases/qdb3"),
                  QStringLiteral("postgresql://desk@db.office:5432/quarnel"));
    RestoreRequest request;
    request.backup = home.filePath(QStringLiteral("backup"));
    ASSERT_TRUE(QDir().mkpath(request.backup));
    request.office = office;
    request.backupRoot = home.path();
    const QStringList before = QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    try {
        restoreBackup(request);
        ADD_FAILURE() << "restored into an office on a server";
    } catch (const StoreError& error) {
        EXPECT_TRUE(error.context().startsWith(QStringLiteral("자료 서버를 쓰는 사무실입니다.")))
            << error.context().toStdString();
        EXPECT_TRUE(
            error.context().endsWith(QStringLiteral("\n서버: desk@db.office:5432/quarnel")));
    }
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}
