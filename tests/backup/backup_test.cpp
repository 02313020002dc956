// Backups of the office and their restore: a consistent copy while another
// program writes, the keeping of backups over a year of daily closes, a
// restore stopped at its last step, refusals that leave the office as it
// was, and photos that come back with their listings.

#include "backup/backup_on_close.h"
#include "backup/backup_settings.h"
#include "backup/office_backup.h"
#include "backup/photo_store.h"
#include "data/store_copy.h"
#include "data/store_file_check.h"
#include "tests/backup/backup_support.h"
#include "tests/support/other_program.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sqlite3.h>

namespace {
QString hashOf(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QStringList storedPhotos(const QString& root) {
    return QDir(QDir(root).filePath(QStringLiteral("photos"))).entryList(QDir::Files, QDir::Name);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Killed {};
}  // namespace

// Backups and restores of the store file itself.
class BackupFileTest : public BackupTest {
protected:
    void SetUp() override {
        if (testsOnServer())
            GTEST_SKIP() << "copies and restores the SQLite store file; a store on a server is "
                            "dumped with pg_dump (backup_on_close_test)";
        BackupTest::SetUp();
    }
};

TEST_F(BackupFileTest, ACopyWhileAnotherProgramWritesIsOnePictureOfTheStore) {
    // Every write of the other program adds a listing and counts it in one
    // transaction; a copy that mixed two moments would disagree with itself.
    sql(QStringLiteral("CREATE TABLE tally (n INTEGER)"));
    sql(QStringLiteral("INSERT INTO tally VALUES (0)"));
    const QString filler(300, u'가');
    for (int i = 0; i < 400; ++i)
        sql(QStringLiteral("INSERT INTO budong (scancode, addr1) VALUES (?, ?)"),
            {QStringLiteral("K%1").arg(i, 5, 10, QChar(u'0')), filler});
    sql(QStringLiteral("UPDATE tally SET n = 400"));

    OtherProgram other(storeFile());
    int written = 0;
    int steps = 0;
    const StoreCopyProgress writeMeanwhile = [&](qint64, qint64) {
        ++steps;
        if (written < 20) {
            const QByteArray statement =
                QStringLiteral(
                    "BEGIN IMMEDIATE; INSERT INTO budong (scancode, addr1) VALUES "
                    "('W%1', '%2'); UPDATE tally SET n = n + 1; COMMIT;")
                    .arg(written)
                    .arg(filler)
                    .toUtf8();
            if (other.run(statement.constData())) ++written;
        }
        return true;
    };
    const StoreFileHandle source(storeFile(), StoreFileHandle::Mode::Read);
    const QString copy = home_.filePath(QStringLiteral("copy.sqlite3"));
    copyStore(source.get(), copy, writeMeanwhile, 1);
    ASSERT_GT(steps, 20) << "the copy ran in many steps";
    EXPECT_EQ(written, 20);

    const StoreCopyFacts facts = examineStoreCopy(copy, copy, {});
    EXPECT_TRUE(facts.sound) << facts.problem.toStdString();
    EXPECT_EQ(facts.applicationId, kStoreApplicationId);
    sqlite3* check = nullptr;
    ASSERT_EQ(sqlite3_open_v2(copy.toUtf8().constData(), &check, SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(check, "SELECT (SELECT count(*) FROM budong), (SELECT n FROM tally)", -1,
                       &statement, nullptr);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(statement, 0), sqlite3_column_int(statement, 1));
    EXPECT_EQ(sqlite3_column_int(statement, 0), 400) << "the store as it was when the copy began";
    sqlite3_finalize(statement);
    sqlite3_close(check);
    EXPECT_FALSE(QFile::exists(copy + QStringLiteral("-wal"))) << "the copy stands alone";
    EXPECT_EQ(rows(QStringLiteral("budong")), 420) << "the other program's writes all stayed";
}

TEST_F(BackupFileTest, AYearOfDailyClosesKeepsTenDaysTwelveMonthsAndTheirPhotos) {
    // Closes every day of 2026 but Sundays, always after a write; on the
    // Sundays nothing is written and nothing is backed up. Photo A lives in
    // the first three weeks only, B spans the end of January, and C changes
    // its bytes under the same name in June.
    const QByteArray a("photo A"), b("photo B"), c1("photo C before"), c2("photo C after");
    int day = 0;
    for (QDate date(2026, 1, 1); date.year() == 2026; date = date.addDays(1), ++day) {
        clock().set(QDateTime(date, QTime(18, 30)));
        if (date.dayOfWeek() != Qt::Sunday)
            addListing(QStringLiteral("D%1").arg(day, 3, 10, QChar(u'0')), date.toString());
        if (date == QDate(2026, 1, 1)) {
            attachPhoto(QStringLiteral("PA"), QStringLiteral("D000"), QStringLiteral("A.JPG"), a);
            attachPhoto(QStringLiteral("PC"), QStringLiteral("D000"), QStringLiteral("C.JPG"), c1);
        }
        if (date == QDate(2026, 1, 20))
            sql(QStringLiteral("DELETE FROM pict WHERE scancode = 'PA'"));
        if (date == QDate(2026, 1, 25))
            attachPhoto(QStringLiteral("PB"), QStringLiteral("D000"), QStringLiteral("B.JPG"), b);
        if (date == QDate(2026, 2, 5))
            sql(QStringLiteral("DELETE FROM pict WHERE scancode = 'PB'"));
        if (date == QDate(2026, 6, 15)) writePict(QStringLiteral("C.JPG"), c2);
        backUpOnClose(office(), db());
    }
    EXPECT_TRUE(dlg().messages.isEmpty()) << dlg().texts().join(u'\n').toStdString();
    const QStringList expected = {"2026-01-31_183000", "2026-02-28_183000", "2026-03-31_183000",
                                  "2026-04-30_183000", "2026-05-30_183000", "2026-06-30_183000",
                                  "2026-07-31_183000", "2026-08-31_183000", "2026-09-30_183000",
                                  "2026-10-31_183000", "2026-11-30_183000", "2026-12-21_183000",
                                  "2026-12-22_183000", "2026-12-23_183000", "2026-12-24_183000",
                                  "2026-12-25_183000", "2026-12-26_183000", "2026-12-28_183000",
                                  "2026-12-29_183000", "2026-12-30_183000", "2026-12-31_183000"};
    EXPECT_EQ(backupNames(), expected);
    QStringList photos = {hashOf(b), hashOf(c1), hashOf(c2)};
    photos.sort();
    EXPECT_EQ(storedPhotos(root()), photos) << "A went with the last backup that had it";
    const BackupState state = readBackupState(office());
    EXPECT_EQ(state.lastMade, QDateTime(QDate(2026, 12, 31), QTime(18, 30)));
    EXPECT_FALSE(state.lastFailed.isValid());
}

TEST_F(BackupFileTest, ARestoreStoppedAtItsLastStepLeavesEitherOfficeWhole) {
    addListing(QStringLiteral("L1"), QStringLiteral("김철수"));
    const BackupResult backup = backUpOffice(office(), db(), root(), clock().now(), {});
    sql(QStringLiteral("DELETE FROM budong"));
    addListing(QStringLiteral("L2"), QStringLiteral("이영희"));
    const struct {
        const char* stop;
        bool renamed;
        QStringList owners;
    } cases[] = {{"before the rename", false, {QStringLiteral("이영희")}},
                 {"after the rename", true, {QStringLiteral("김철수")}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stop);
        closeOffice();
        RestoreRequest request = restoreOf(backup.folder);
        request.replace = [&c](const QString& from, const QString& to) -> bool {
            if (c.renamed) renameFile(from, to);
            throw Killed{};
        };
        clock().advanceMs(1000);
        EXPECT_THROW(restoreBackup(request), Killed);
        openOffice();
        EXPECT_EQ(owners(), c.owners);
        EXPECT_EQ(scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
                  QStringLiteral("ok"));
        // Back to the changed office for the next case.
        sql(QStringLiteral("DELETE FROM budong"));
        addListing(QStringLiteral("L2"), QStringLiteral("이영희"));
    }
    closeOffice();
    clock().advanceMs(1000);
    EXPECT_NO_THROW(restoreBackup(restoreOf(backup.folder))) << "nothing left in the way";
    openOffice();
    EXPECT_EQ(owners(), QStringList{QStringLiteral("김철수")});
}

TEST_F(BackupFileTest, PhotosComeBackWithTheirListingsAndNothingInPictIsLost) {
    addListing(QStringLiteral("L1"), QStringLiteral("김철수"));
    attachPhoto(QStringLiteral("P1"), QStringLiteral("L1"), QStringLiteral("FRONT.JPG"), "front");
    attachPhoto(QStringLiteral("P2"), QStringLiteral("L1"), QStringLiteral("BACK.JPG"), "back");
    const BackupResult backup = backUpOffice(office(), db(), root(), clock().now(), {});
    EXPECT_EQ(backup.photos, 2);
    EXPECT_EQ(backup.photosAdded, 2);

    // The listing and its photos are deleted; another picture takes one
    // name, and a photo the backup never knew is added.
    sql(QStringLiteral("DELETE FROM budong"));
    sql(QStringLiteral("DELETE FROM pict"));
    QFile::remove(QDir(office().pictDirectory()).filePath(QStringLiteral("FRONT.JPG")));
    writePict(QStringLiteral("BACK.JPG"), "another back");
    writePict(QStringLiteral("NEW.JPG"), "new");
    closeOffice();
    clock().advanceMs(60000);
    const RestoreResult restored = restoreBackup(restoreOf(backup.folder));
    openOffice();

    EXPECT_EQ(owners(), QStringList{QStringLiteral("김철수")});
    EXPECT_EQ(rows(QStringLiteral("pict")), 2);
    EXPECT_EQ(pict(QStringLiteral("FRONT.JPG")), "front");
    EXPECT_EQ(pict(QStringLiteral("BACK.JPG")), "back");
    EXPECT_EQ(restored.photosKeptAside, QStringList{QStringLiteral("BACK_before_restore.JPG")});
    EXPECT_EQ(pict(QStringLiteral("BACK_before_restore.JPG")), "another back");
    EXPECT_EQ(pict(QStringLiteral("NEW.JPG")), "new");
    EXPECT_TRUE(restored.photosMissing.isEmpty());

    // The office as it was before the restore is a backup of its own,
    // kept beside the one restored.
    EXPECT_EQ(backupNames(), (QStringList{QStringLiteral("2026-12-08_100000"),
                                          QStringLiteral("2026-12-08_100100-before-restore")}));
    EXPECT_TRUE(restored.backupBefore.endsWith(QStringLiteral("-before-restore")));
}

TEST_F(BackupFileTest, ADamagedOrForeignBackupOrABusyStoreIsRefusedAndTheOfficeStaysAsItWas) {
    addListing(QStringLiteral("L1"), QStringLiteral("김철수"));
    attachPhoto(QStringLiteral("P1"), QStringLiteral("L1"), QStringLiteral("FRONT.JPG"), "front");
    const BackupResult good = backUpOffice(office(), db(), root(), clock().now(), {});
    addListing(QStringLiteral("L2"), QStringLiteral("이영희"));

    // Each case is a copy of the good backup, spoilt in its own way.
    const auto spoilt = [&](const QString& name, const std::function<void(const QString&)>& spoil) {
        const QString folder = home_.filePath(QStringLiteral("spoilt/") + name);
        QDir().mkpath(folder);
        for (const QString& file : {backupFiles::kStore, backupFiles::kPhotoList})
            QFile::copy(QDir(good.folder).filePath(file), QDir(folder).filePath(file));
        spoil(QDir(folder).filePath(backupFiles::kStore));
        return folder;
    };
    const auto overwrite = [](const QString& file, qint64 at, const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(at);
        f.write(bytes);
    };
    const auto runOnCopy = [](const QString& file, const char* sqlText) {
        OtherProgram(file).run(sqlText);
    };
    const struct {
        const char* why;
        QString backup;
        const char* message;
        bool otherProgramOpen = false;
    } cases[] = {
        {"no such backup", home_.filePath(QStringLiteral("nowhere")),
         "복원할 백업을 찾을 수 없습니다"},
        {"not a database",
         spoilt(QStringLiteral("text"),
                [&](const QString& f) { overwrite(f, 0, QByteArray(100, 'x')); }),
         "자료로 읽을 수 없어"},
        {"damaged pages",
         spoilt(QStringLiteral("damaged"),
                [&](const QString& f) {
                    const qint64 size = QFileInfo(f).size();
                    overwrite(f, size / 2, QByteArray(8192, '\x5a'));
                }),
         "손상"},
        {"another program's file",
         spoilt(QStringLiteral("foreign"),
                [&](const QString& f) { runOnCopy(f, "PRAGMA application_id = 1234"); }),
         "다른 프로그램의 자료 파일이라"},
        {"a newer version",
         spoilt(QStringLiteral("newer"),
                [&](const QString& f) { runOnCopy(f, "PRAGMA user_version = 9999"); }),
         "더 새로운 판"},
        {"a damaged photo list",
         spoilt(QStringLiteral("list"),
                [&](const QString& f) {
                    QFile list(QFileInfo(f).dir().filePath(backupFiles::kPhotoList));
                    list.open(QIODevice::Append);
                    list.write("not\ta\tphoto\tline\textra\n");
                }),
         "사진 목록이 손상"},
        {"the store open in another program", good.folder, "다른 프로그램이 사무실 자료를 열어",
         true},
    };
    closeOffice();
    const QByteArray storeBefore =
        fileBytes(QDir(office().aliasDirectory()).filePath("quarnel.sqlite3"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::optional<OtherProgram> other;
        if (c.otherProgramOpen) {
            other.emplace(QDir(office().aliasDirectory()).filePath("quarnel.sqlite3"));
            other->run("SELECT count(*) FROM budong");
        }
        try {
            restoreBackup(restoreOf(c.backup));
            ADD_FAILURE() << "restored";
        } catch (const StoreError& error) {
            EXPECT_TRUE(error.context().contains(QString::fromUtf8(c.message)))
                << error.context().toStdString();
            EXPECT_TRUE(
                error.context().contains(QStringLiteral("사무실 자료는 바뀌지 않았습니다")) ||
                c.otherProgramOpen)
                << error.context().toStdString();
        }
        other.reset();
        EXPECT_EQ(fileBytes(QDir(office().aliasDirectory()).filePath("quarnel.sqlite3")),
                  storeBefore);
        EXPECT_EQ(backupNames().size(), 1) << "no backup made for a refused restore";
        EXPECT_EQ(QDir(office().aliasDirectory())
                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("quarnel.sqlite3")});
    }
    openOffice();
    EXPECT_EQ(owners(), (QStringList{QStringLiteral("김철수"), QStringLiteral("이영희")}));
}
