// The office folder and the store, which hold the parties' resident
// registration numbers, are made readable by the user alone.

#include "common/office_folder.h"
#include "common/office_store.h"
#include "data/database.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace {
// The permission bits of the file or folder, as for chmod.
int modeOf(const QString& path) {
    const QFile::Permissions p = QFileInfo(path).permissions();
    int mode = 0;
    const std::pair<QFile::Permission, int> bits[] = {
        {QFile::ReadOwner, 0400}, {QFile::WriteOwner, 0200}, {QFile::ExeOwner, 0100},
        {QFile::ReadGroup, 040},  {QFile::WriteGroup, 020},  {QFile::ExeGroup, 010},
        {QFile::ReadOther, 04},   {QFile::WriteOther, 02},   {QFile::ExeOther, 01}};
    for (const auto& [bit, value] : bits) {
        if (p.testFlag(bit)) mode |= value;
    }
    return mode;
}
}  // namespace

using PrivateFilesTest = QuarnelTest;

TEST_F(PrivateFilesTest, TheOfficeFolderAndTheStoreAreTheUsersAlone) {
    QTemporaryDir root;
    const OfficeFolder office(root.filePath(QStringLiteral("new/office")));
    std::unique_ptr<Database> store = openOfficeStore(office, {});
    ASSERT_NE(store, nullptr);
    store->execute(
        QStringLiteral("INSERT INTO cont_1 (sojaji, jumin1) VALUES ('주소', '700101-1234567')"));
    EXPECT_EQ(modeOf(office.path()), 0700);
    EXPECT_EQ(modeOf(office.aliasDirectory()), 0700);
    EXPECT_EQ(modeOf(store->filePath()), 0600);
    ASSERT_TRUE(QFileInfo::exists(store->filePath() + QStringLiteral("-wal")));
    EXPECT_EQ(modeOf(store->filePath() + QStringLiteral("-wal")), 0600);
    store.reset();

    // A data folder that quarnel.ini names elsewhere is made the same way;
    // a folder that exists is left as the user set it up.
    const QString shared = root.filePath(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkpath(shared));
    QFile::setPermissions(shared, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                      QFile::ReadGroup | QFile::ExeGroup);
    const OfficeFolder elsewhere(shared);
    {
        QSettings ini(elsewhere.iniPath(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Aliases/qdb3"), root.filePath(QStringLiteral("data/qdb3")));
    }
    store = openOfficeStore(elsewhere, [](const QString&) { return true; });
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(modeOf(shared), 0750);
    EXPECT_EQ(modeOf(root.filePath(QStringLiteral("data/qdb3"))), 0700);
    EXPECT_EQ(modeOf(store->filePath()), 0600);
}
