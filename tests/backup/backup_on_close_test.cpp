// The backups the office sees: the main window backs up as it closes when
// something was written, says so in its status bar when the last backup is
// old or failed, and the commands run from a shell.

#include "app/tfmbu_main.h"
#include "backup/backup_commands.h"
#include "backup/backup_settings.h"
#include "backup/office_backup.h"
#include "common/ini_file.h"
#include "data/store_error.h"
#include "tests/backup/backup_support.h"
#include "tests/support/other_program.h"

#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>

namespace {
// Sets QUARNEL_HOME for the commands, and back when the test ends.
class HomeForCommands {
public:
    explicit HomeForCommands(const QString& home) : saved_(qgetenv("QUARNEL_HOME")) {
        qputenv("QUARNEL_HOME", home.toUtf8());
    }
    ~HomeForCommands() { qputenv("QUARNEL_HOME", saved_); }

private:
    QByteArray saved_;
};
}  // namespace

TEST_F(BackupTest, ClosingTheMainWindowBacksUpWhatWasWrittenByAnyProgramSinceTheLastBackup) {
    if (onServer()) {
        // The server is backed up on its own: closing makes no copy, says
        // nothing and records nothing.
        addListing(QStringLiteral("L1"), QStringLiteral("김철수"));
        {
            TFMbu_main window;
            window.show();
            window.close();
        }
        EXPECT_TRUE(backupNames().isEmpty());
        EXPECT_FALSE(QFileInfo::exists(root()));
        EXPECT_TRUE(dlg().messages.isEmpty());
        EXPECT_FALSE(readBackupState(office()).lastFailed.isValid());
        EXPECT_FALSE(backupNeeded(office(), db()));
        try {
            backUpOffice(office(), db(), root(), clock().now(), {});
            ADD_FAILURE() << "a server store was copied as a file";
        } catch (const StoreError& error) {
            EXPECT_TRUE(error.context().startsWith(
                QStringLiteral("자료 서버를 쓰는 사무실은 여기서 복사하지 않습니다.")))
                << error.context().toStdString();
        }
        EXPECT_FALSE(readBackupState(office()).lastFailed.isValid());
        return;
    }
    const auto closeWindow = [this] {
        TFMbu_main window;
        window.show();
        window.close();
        // Each close on a day of its own: a later backup of the same day
        // takes the place of the earlier.
        clock().set(clock().now().addDays(1));
        return backupNames().size();
    };
    EXPECT_EQ(closeWindow(), 1u) << "the first close backs up";
    EXPECT_EQ(closeWindow(), 1u) << "nothing written since";
    addListing(QStringLiteral("L1"), QStringLiteral("김철수"));
    EXPECT_EQ(closeWindow(), 2u) << "this program wrote";
    EXPECT_EQ(closeWindow(), 2u);
    OtherProgram(storeFile()).run("INSERT INTO budong (scancode, name) VALUES ('L2', 'x')");
    EXPECT_EQ(closeWindow(), 3u) << "another program wrote";
    closeOffice();
    openOffice();
    EXPECT_EQ(closeWindow(), 3u) << "opening the store again writes nothing";
    EXPECT_TRUE(dlg().messages.isEmpty());
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    EXPECT_EQ(QFile::permissions(root()) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              ownerOnly);
    EXPECT_EQ(QFile::permissions(listBackups(root()).back().path) &
                  ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              ownerOnly);
}

TEST_F(BackupTest, AFolderThatCannotBeWrittenIsToldTheWindowClosesAndTheStatusBarSaysSo) {
    QFile blocker(home_.filePath(QStringLiteral("usb")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    blocker.close();
    IniFile ini(office().iniPath());
    ini.setText(QStringLiteral("Backup"), QStringLiteral("folder"), QStringLiteral("usb/q"));
    ASSERT_TRUE(ini.save());
    ASSERT_EQ(backupRoot(office()), home_.filePath(QStringLiteral("usb/q")));
    // With a store on a server nothing is copied on close (above); the
    // status bar reads the recorded state the same way.
    if (!onServer()) {
        TFMbu_main window;
        window.show();
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("BT9")), Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
        ASSERT_EQ(dlg().messages.size(), 1);
        EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Warning);
        EXPECT_TRUE(dlg().last().text.startsWith(
            QStringLiteral("사무실 자료를 백업하지 못했습니다. 프로그램은 닫힙니다.")))
            << dlg().last().text.toStdString();
    }

    const struct {
        const char* what;
        QDateTime made;
        bool failed;
        QString panel;
    } cases[] = {
        {"failed", QDateTime(), true, QStringLiteral("백업 실패!")},
        {"a week old", testStartMoment().addDays(-7), false, QString()},
        {"eight days old", testStartMoment().addDays(-8), false, QStringLiteral("백업 8일 전")},
        {"failed after a good one", testStartMoment().addDays(-1), true,
         QStringLiteral("백업 실패!")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BackupState state = readBackupState(office());
        state.lastMade = c.made;
        if (!c.failed) state.lastFailed = QDateTime();
        if (c.failed && !state.lastFailed.isValid()) state.lastFailed = testStartMoment();
        ASSERT_TRUE(writeBackupState(office(), state));
        TFMbu_main window;
        window.show();
        // The panel opens with the diary's day count; the backup notice follows it.
        const QString panel = window.findChild<QLabel*>(QStringLiteral("StatusPanel0"))->text();
        EXPECT_TRUE(panel.startsWith(QStringLiteral("오늘 일정 "))) << panel.toStdString();
        EXPECT_EQ(panel.section(QStringLiteral("  ·  "), 1), c.panel);
        window.backUpOnClose = nullptr;
    }
}

TEST_F(BackupTest, CommandsBackUpListAndRestoreTheOffice) {
    if (onServer()) GTEST_SKIP() << "backs up the SQLite file; a server store is dumped (below)";
    HomeForCommands home(office().path());
    addListing(QStringLiteral("L1"), QStringLiteral("김철수"));
    attachPhoto(QStringLiteral("P1"), QStringLiteral("L1"), QStringLiteral("FRONT.JPG"), "front");
    const QString usb = home_.filePath(QStringLiteral("usb"));
    const auto run = [](QStringList arguments, QString* output = nullptr) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        arguments.prepend(QStringLiteral("quarnel"));
        const int code = runBackupCommand(arguments, outStream, errStream);
        if (output) *output = out + err;
        return code;
    };
    QString output;
    EXPECT_EQ(run({QStringLiteral("--backup"), usb}, &output), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("사진 1장 (새로 보관 1장)")))
        << output.toStdString();
    EXPECT_EQ(run({QStringLiteral("--backups"), usb}, &output), 0);
    EXPECT_TRUE(output.contains(QStringLiteral("2026-12-08 10:00:00  자료 ")))
        << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("사진 1장  2026-12-08_100000")))
        << output.toStdString();

    sql(QStringLiteral("DELETE FROM budong"));
    EXPECT_EQ(
        run({QStringLiteral("--restore"), usb + QStringLiteral("/2026-12-08_100000")}, &output), 1)
        << "refused while this program has the store open";
    closeOffice();
    clock().advanceMs(1000);
    EXPECT_EQ(run({QStringLiteral("--restore"),
                   usb + QStringLiteral("/2026-12-08_100000/quarnel.sqlite3")},
                  &output),
              0)
        << output.toStdString();
    openOffice();
    EXPECT_EQ(owners(), QStringList{QStringLiteral("김철수")});
    EXPECT_EQ(backupNames(), QStringList{QStringLiteral("2026-12-08_100001-before-restore")})
        << "the office before the restore went to the configured folder";

    for (const QStringList& wrong :
         {QStringList{QStringLiteral("--restore")},
          QStringList{QStringLiteral("--backup"), usb, usb},
          QStringList{QStringLiteral("--backups"), QStringLiteral("--x")}})
        EXPECT_EQ(run(wrong), 2) << wrong.join(u' ').toStdString();
}

TEST_F(BackupTest, OnAServerTheBackupCommandDumpsTheDatabaseAndARestoreIsRefused) {
    if (!onServer())
        GTEST_SKIP()
            << "needs the store on the database server; runs in backup_on_close_test on the server";
    if (QStandardPaths::findExecutable(QStringLiteral("pg_dump")).isEmpty())
        GTEST_SKIP() << "pg_dump is not installed";
    HomeForCommands home(office().path());
    addListing(QStringLiteral("L1"), QStringLiteral("김철수"));
    const QString usb = home_.filePath(QStringLiteral("usb"));
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    EXPECT_EQ(runBackupCommand({QStringLiteral("quarnel"), QStringLiteral("--backup"), usb},
                               outStream, errStream),
              0)
        << (out + err).toStdString();
    EXPECT_TRUE(out.startsWith(QStringLiteral("서버 자료를 pg_dump로 백업했습니다: ")))
        << out.toStdString();
    const QString file = out.section(u'\n', 0, 0).section(QStringLiteral(": "), 1);
    QFile dump(file);
    ASSERT_TRUE(dump.open(QIODevice::ReadOnly)) << file.toStdString();
    EXPECT_TRUE(dump.readAll().startsWith("PGDMP")) << "the server's own dump format";

    out.clear();
    err.clear();
    EXPECT_EQ(runBackupCommand({QStringLiteral("quarnel"), QStringLiteral("--restore"), file},
                               outStream, errStream),
              1);
    EXPECT_TRUE(err.contains(QStringLiteral("자료 서버를 쓰는 사무실입니다.")))
        << err.toStdString();
    EXPECT_EQ(owners(), QStringList{QStringLiteral("김철수")});
}
