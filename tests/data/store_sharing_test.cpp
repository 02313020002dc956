// The store shared with other programs on the same file: a query that has
// not read all its rows holds no read of the store while the program waits
// for the user, a write begins as a write and waits for another program's
// write, and then says so.

#include "data/query.h"
#include "data/store_error.h"
#include "data/store_messages.h"
#include "data/transaction.h"
#include "tests/support/other_program.h"
#include "tests/support/store_fixture.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

constexpr int kListings = 300;

// The program waiting for the user for a moment, as under a form.
void waitForUser() {
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

class StoreSharingTest : public StoreTest {
protected:
    void SetUp() override {
        if (testsOnServer()) GTEST_SKIP() << "sharing one SQLite file with another program; desks on a server are "
                                             "tested in server_store_test";
        StoreTest::SetUp();
        sql(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < %1) INSERT INTO budong (scancode, name) "
                           "SELECT printf('K%03d', i), 'n' || i FROM n")
                .arg(kListings));
        list.add(QStringLiteral("select S.\"scancode\" from \"BUDONG.DB\" S"));
        list.add(QStringLiteral(" order by S.\"scancode\""));
        list.open();
        // The first screen of a grid: the statement has more rows to give.
        EXPECT_EQ(list.valueAt(49, 0).toString(), QStringLiteral("K050"));
    }
    void TearDown() override {
        list.close();
        StoreTest::TearDown();
    }
    // Every listing number the query gives, read on to its end.
    std::string listed() {
        QStringList keys;
        for (int row = 0; list.moveTo(row); ++row)
            keys.append(list.value(0).toString());
        return keys.join(u' ').toStdString();
    }
    static std::string allKeys() {
        QStringList keys;
        for (int i = 1; i <= kListings; ++i)
            keys.append(QStringLiteral("K%1").arg(i, 3, 10, QLatin1Char('0')));
        return keys.join(u' ').toStdString();
    }
    void saveMemo(const QString& title) {
        Transaction transaction(db());
        sql(QStringLiteral("INSERT INTO memo (Memotitle) VALUES (?)"), {title});
        transaction.commit();
    }

    Query list;
};

TEST_F(StoreSharingTest, WaitingForTheUserHoldsNoReadOfTheStore) {
    OtherProgram diary(db().filePath());
    diary.run("INSERT INTO diary1 (scancode) VALUES ('D1')");
    EXPECT_FALSE(diary.checkpointFully()) << "the half-read query still sees the store as it was";
    waitForUser();
    EXPECT_TRUE(diary.checkpointFully());
    EXPECT_EQ(listed(), allKeys()) << "the rows read before and after the wait join up";
}

TEST_F(StoreSharingTest, AWriteBeginsAfterAnotherProgramWroteWhileAQueryWasReading) {
    OtherProgram diary(db().filePath());
    diary.run("INSERT INTO diary1 (scancode) VALUES ('D1')");
    EXPECT_NO_THROW(saveMemo(QStringLiteral("저장")));
    EXPECT_EQ(rows(QStringLiteral("memo")), 1);

    // A failed action rolls back without cutting the reading query short.
    diary.run("INSERT INTO diary1 (scancode) VALUES ('D2')");
    list.moveTo(120);
    EXPECT_THROW(
        {
            Transaction transaction(db());
            sql(QStringLiteral("INSERT INTO memo (Memotitle) VALUES ('없어질 메모')"));
            sql(QStringLiteral("INSERT INTO budong (scancode) VALUES ('K001')"));  // key violation
            transaction.commit();
        },
        StoreError);
    EXPECT_EQ(rows(QStringLiteral("memo")), 1);
    EXPECT_EQ(listed(), allKeys());
    EXPECT_EQ(db().transactionDepth(), 0);
}

TEST_F(StoreSharingTest, AWriteWaitsForAnotherProgramsWriteThenSaysSo) {
    list.close();
    const QString directory = db().directory();
    Database::closeQdb3();
    Database::setQdb3(std::make_unique<Database>(directory, 200));

    OtherProgram importer(db().filePath());
    ASSERT_TRUE(importer.holdWriteLock());
    importer.run("INSERT INTO addr (ZIP, ADDR) VALUES ('06234', '서울 강남구 역삼동')");
    QElapsedTimer waited;
    waited.start();
    try {
        saveMemo(QStringLiteral("기다린 메모"));
        ADD_FAILURE() << "the write did not wait for the other program";
    } catch (const StoreBusyError& error) {
        EXPECT_EQ(error.context(), storeMessages::busyWriting(200));
        EXPECT_EQ(error.context(), QStringLiteral("다른 프로그램이 자료를 쓰고 있어 1초 동안 "
                                                  "기다렸지만 저장하지 못했습니다. 잠시 후 다시 "
                                                  "하세요 ...!"));
    }
    EXPECT_GE(waited.elapsed(), 150);
    EXPECT_EQ(db().transactionDepth(), 0);

    importer.commit();
    EXPECT_NO_THROW(saveMemo(QStringLiteral("기다린 메모")));
    EXPECT_EQ(rows(QStringLiteral("memo")), 1);
    EXPECT_EQ(rows(QStringLiteral("addr")), 1);
}
