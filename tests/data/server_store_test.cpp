// The store on a database server: what the first connection finds and makes,
// a server that cannot be reached or goes away, and several desks at once.

#include "data/server_store.h"
#include "common/office_folder.h"
#include "common/office_store.h"
#include "data/database.h"
#include "data/query.h"
#include "data/store_error.h"
#include "data/store_messages.h"
#include "data/store_transfer.h"
#include "data/table.h"
#include "data/transaction.h"
#include "tests/support/server_database.h"
#include "tests/support/store_fixture.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <thread>

namespace {
constexpr int kShortWaitMs = 300;

QString contextOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const StoreError& error) {
        return error.context();
    }
    return QStringLiteral("(no error)");
}

void addListing(Database& desk, const QString& key, const QString& name) {
    Table listings(QStringLiteral("BUDONG.DB"), &desk);
    listings.open();
    Transaction transaction(desk);
    listings.append();
    listings.setValue(QStringLiteral("scancode"), key);
    listings.setValue(QStringLiteral("name"), name);
    listings.post();
    transaction.commit();
}

QString nameOf(Database& desk, const QString& key) {
    Query query(&desk);
    query.add(QStringLiteral("select S.\"name\" from \"BUDONG.DB\" S where S.\"scancode\" = :k"));
    query.setParam(QStringLiteral("k"), key);
    query.open();
    return query.eof() ? QStringLiteral("(none)") : query.text(QStringLiteral("name"));
}
}  // namespace

class ServerStoreTest : public QuarnelTest {
protected:
    void SetUp() override {
        if (!testsOnServer()) GTEST_SKIP() << "needs the database server; runs in data_on_server";
        if (testServerUrl().isEmpty())
            GTEST_SKIP() << "no database server: QUARNEL_TEST_PG_URL is not set";
        QuarnelTest::SetUp();
        server_ = std::make_unique<ServerDatabase>(testServerUrl());
    }
    std::unique_ptr<Database> desk(int waitMs = kShortWaitMs) {
        return std::make_unique<Database>(server_->url(), waitMs);
    }
    std::unique_ptr<ServerDatabase> server_;
};

TEST_F(ServerStoreTest, TheFirstConnectionMakesTheStoreAndOnlyThisProgramsStoreIsOpened) {
    {
        auto first = desk();
        EXPECT_TRUE(first->createdNow());
        EXPECT_TRUE(first->isServer());
        EXPECT_EQ(first->schemaVersion(), latestSchemaVersion());
        EXPECT_TRUE(first->tableNames().contains(QStringLiteral("budong")));
        EXPECT_FALSE(first->tableNames().contains(QString::fromLatin1(kServerMarkTable)));
        EXPECT_GT(server_->run(QStringLiteral("SELECT count(*) FROM bucode")).toInt(), 0);
    }
    EXPECT_FALSE(desk()->createdNow());
    const int codes = server_->run(QStringLiteral("SELECT count(*) FROM bucode")).toInt();
    EXPECT_EQ(desk()->tableInfo(QStringLiteral("bucode")).primaryKey,
              (QStringList{"gubun", "code"}));
    EXPECT_EQ(server_->run(QStringLiteral("SELECT count(*) FROM bucode")).toInt(), codes)
        << "seeded once";

    // A newer program's store, another program's mark, another program's
    // tables: each refused, naming the server, and left as it was.
    const QString shown = parseServerAddress(server_->url()).shown();
    server_->run(QStringLiteral("UPDATE quarnel_store SET schema_version = 9999"));
    EXPECT_EQ(contextOf([&] { desk(); }),
              serverMessages::newerVersion(shown, 9999, latestSchemaVersion()));
    EXPECT_EQ(server_->run(QStringLiteral("SELECT schema_version FROM quarnel_store")).toInt(),
              9999);
    server_->run(QStringLiteral("UPDATE quarnel_store SET schema_version = 1, application_id = 7"));
    EXPECT_EQ(contextOf([&] { desk(); }), serverMessages::foreign(shown));

    ServerDatabase foreign(testServerUrl());
    foreign.run(QStringLiteral("CREATE TABLE ledger (n INTEGER)"));
    const QString foreignShown = parseServerAddress(foreign.url()).shown();
    EXPECT_EQ(contextOf([&] { Database(foreign.url(), kShortWaitMs); }),
              serverMessages::foreign(foreignShown));
    EXPECT_EQ(foreign
                  .run(QStringLiteral("SELECT count(*) FROM information_schema.tables WHERE "
                                      "table_schema = 'public'"))
                  .toInt(),
              1);
}

TEST_F(ServerStoreTest, TwoDesksSeeEachOthersSavesAndAKeyMadeTwiceIsRefusedOnce) {
    auto first = desk();
    auto second = desk();
    addListing(*first, QStringLiteral("K1"), QStringLiteral("김"));
    EXPECT_EQ(nameOf(*second, QStringLiteral("K1")), QStringLiteral("김"));

    const QString refused =
        contextOf([&] { addListing(*second, QStringLiteral("K1"), QStringLiteral("이")); });
    EXPECT_TRUE(refused.startsWith(QStringLiteral("같은 키의 자료가 이미 있습니다")))
        << refused.toStdString();
    EXPECT_EQ(nameOf(*first, QStringLiteral("K1")), QStringLiteral("김"));

    // Inside one action a refused statement fails alone: the action goes on
    // (as a key made again after a clash does) and what follows is saved.
    {
        Transaction transaction(*second);
        Table listings(QStringLiteral("budong"), second.get());
        listings.open();
        listings.append();
        listings.setValue(QStringLiteral("scancode"), QStringLiteral("K1"));
        EXPECT_THROW(listings.post(), StoreError);
        listings.cancel();
        listings.append();
        listings.setValue(QStringLiteral("scancode"), QStringLiteral("K2"));
        listings.post();
        transaction.commit();
    }
    EXPECT_EQ(server_->run(QStringLiteral("SELECT count(*) FROM budong")).toInt(), 2);
}

TEST_F(ServerStoreTest, ARowAnotherDeskIsWritingIsWaitedForThenSaidBusyAndNothingIsHalfWritten) {
    auto first = desk();
    auto second = desk();
    addListing(*first, QStringLiteral("K1"), QStringLiteral("김"));
    Transaction holding(*first);
    first->execute(QStringLiteral("UPDATE budong SET name = 'A' WHERE scancode = 'K1'"));

    StoreBusyError busy(QString{});
    try {
        Transaction action(*second);
        second->execute(QStringLiteral("INSERT INTO memo (Memotitle) VALUES ('half')"));
        second->execute(QStringLiteral("UPDATE budong SET name = 'B' WHERE scancode = 'K1'"));
        action.commit();
        ADD_FAILURE() << "the held row was written";
    } catch (const StoreBusyError& error) {
        busy = error;
    }
    EXPECT_EQ(busy.context(), serverMessages::busyWriting(kShortWaitMs));
    holding.commit();
    EXPECT_EQ(server_->run(QStringLiteral("SELECT count(*) FROM memo")).toInt(), 0);

    // Tried again once the other desk is done, it is saved.
    Transaction again(*second);
    second->execute(QStringLiteral("UPDATE budong SET name = 'B' WHERE scancode = 'K1'"));
    again.commit();
    EXPECT_EQ(nameOf(*first, QStringLiteral("K1")), QStringLiteral("B"));
}

// Two desks adding a contract at once: the second waits for the first one's
// number and then takes the next, instead of computing the same one and
// being refused for it when the first commits.
TEST_F(ServerStoreTest, TwoDesksAddingAContractAtOnceTakeTurnsForItsNumber) {
    auto first = desk();
    const QString add = QStringLiteral("INSERT INTO cont_1 (sojaji) VALUES (?)");
    Transaction adding(*first);
    first->execute(add, {QStringLiteral("첫째 자리")});

    QString secondFailed;
    std::thread secondDesk([&] {
        // A connection belongs to the thread that opened it.
        const auto second = desk(5000);
        secondFailed = contextOf([&] {
            Transaction action(*second);
            second->execute(add, {QStringLiteral("둘째 자리")});
            action.commit();
        });
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    adding.commit();
    secondDesk.join();

    EXPECT_EQ(secondFailed, QStringLiteral("(no error)"));
    EXPECT_EQ(server_
                  ->run(QStringLiteral("SELECT string_agg(contno || ':' || sojaji, ',' ORDER BY "
                                       "contno) FROM cont_1"))
                  .toString(),
              QStringLiteral("1:첫째 자리,2:둘째 자리"));
}

TEST_F(ServerStoreTest, AServerThatWentAwayIsSaidAndTheActionCanBeTriedAgain) {
    auto first = desk();
    server_->administer(
        QStringLiteral(
            "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '%1' "
            "AND application_name = 'quarnel'")
            .arg(server_->name()));
    const QString shown = parseServerAddress(server_->url()).shown();
    EXPECT_EQ(contextOf([&] { nameOf(*first, QStringLiteral("K1")); }),
              serverMessages::lost(shown));
    addListing(*first, QStringLiteral("K1"), QStringLiteral("김"));
    EXPECT_EQ(nameOf(*first, QStringLiteral("K1")), QStringLiteral("김"));
}

TEST_F(ServerStoreTest, AnOfficeMovesToTheServerAndBackWholeAndInOneTransaction) {
    QTemporaryDir folders;
    Database local(folders.filePath(QStringLiteral("here")));
    local.execute(
        QStringLiteral("INSERT INTO budong (scancode, name, tmprice, memo2) VALUES "
                       "('K2', '이', 300, '메모 ''인용'' \"겹\"'), ('K1', '김', '', NULL)"));
    local.execute(QStringLiteral("INSERT INTO memo (Memotitle) VALUES ('둘째'), ('첫째')"));
    local.execute(QStringLiteral("CREATE TABLE all_copy (k VARCHAR(5), n INTEGER)"));
    local.execute(QStringLiteral("INSERT INTO all_copy VALUES ('a', 1)"));
    const auto server = desk();
    const StoreTransferResult there = transferStore(local, *server);
    EXPECT_EQ(there.tables, local.tableNames().size());
    EXPECT_EQ(server_
                  ->run(QStringLiteral(
                      "SELECT string_agg(scancode || ':' || coalesce(tmprice::text, 'null'), ',' "
                      "ORDER BY rowid) FROM budong"))
                  .toString(),
              QStringLiteral("K2:300,K1:null"))
        << "rows in their order; an empty number is empty";
    EXPECT_EQ(
        server_->run(QStringLiteral("SELECT memo2 FROM budong WHERE scancode = 'K2'")).toString(),
        QStringLiteral("메모 '인용' \"겹\""));
    EXPECT_EQ(server_->run(QStringLiteral("SELECT n FROM all_copy")).toInt(), 1);
    Query localCodes(&local);
    localCodes.add(QStringLiteral("select count(*) as n from bucode"));
    localCodes.open();
    EXPECT_EQ(server_->run(QStringLiteral("SELECT count(*) FROM bucode")).toLongLong(),
              localCodes.integer(QStringLiteral("n")))
        << "the new store's starting codes are replaced, not doubled";
    EXPECT_EQ(server_->run(QStringLiteral("SELECT reltuples FROM pg_class WHERE relname = 'budong'"))
                  .toInt(),
              2)
        << "the server's planner knows the copied rows at once";

    // A target holding an office's data already is refused untouched.
    const QString refused = contextOf([&] { transferStore(local, *server); });
    EXPECT_TRUE(refused.startsWith(QStringLiteral("옮겨 갈 곳에 이미 사무실 자료가 있어")))
        << refused.toStdString();
    EXPECT_EQ(server_->run(QStringLiteral("SELECT count(*) FROM budong")).toInt(), 2);

    // And back into a new folder: the same rows in the same order.
    Database back(folders.filePath(QStringLiteral("back")));
    transferStore(*server, back);
    Query listings(&back);
    listings.add(
        QStringLiteral("select S.\"scancode\", S.\"tmprice\" from \"BUDONG.DB\" S order by rowid"));
    listings.open();
    QStringList seen;
    for (; !listings.eof(); listings.next()) {
        seen.append(listings.text(QStringLiteral("scancode")) + u':' +
                    (listings.isNull(QStringLiteral("tmprice"))
                         ? QStringLiteral("null")
                         : listings.text(QStringLiteral("tmprice"))));
    }
    EXPECT_EQ(seen, (QStringList{"K2:300", "K1:null"}));
}

// Runs on both engines.
using ServerReachTest = QuarnelTest;

TEST_F(ServerReachTest, AServerThatCannotBeReachedIsNamedAndNoLocalFileTakesItsPlace) {
    QTemporaryDir home;
    const OfficeFolder office(home.path());
    ASSERT_TRUE(office.ensureCreated());
    const QString alias =
        QStringLiteral("postgresql://desk@/quarnel?host=%1/no-server").arg(home.path());
    QSettings(office.iniPath(), QSettings::IniFormat)
        .setValue(QStringLiteral("Aliases/qdb3"), alias);
    EXPECT_EQ(office.aliasDirectory(), alias);
    EXPECT_EQ(
        contextOf([&] { openOfficeStore(office, {}); }),
        serverMessages::unreachable(QStringLiteral("desk@%1/no-server/quarnel").arg(home.path())));
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"PICT", "quarnel.ini"}));
}

// The rows of a result longer than a screen, on either engine: the server
// reads them a screen at a time, and none is lost or read twice.
using LongResultTest = StoreTest;

TEST_F(LongResultTest, AResultLongerThanAScreenIsReadWholeAndInOrder) {
    constexpr int kRows = 1234;
    {
        Transaction transaction(db());
        for (int i = kRows; i >= 1; --i) {
            sql(QStringLiteral("INSERT INTO budong (scancode, dpung) VALUES (?, ?)"),
                {QStringLiteral("K%1").arg(i, 5, 10, QLatin1Char('0')), i});
        }
        transaction.commit();
    }
    Query query;
    query.add(QStringLiteral(
        "select S.\"scancode\", S.\"dpung\" from \"BUDONG.DB\" S order by S.\"scancode\""));
    query.open();
    EXPECT_EQ(query.recordCount(), kRows);
    EXPECT_EQ(query.fieldCount(), 2) << "no hidden column shows";
    int row = 0;
    for (query.first(); !query.eof(); query.next()) {
        ++row;
        ASSERT_EQ(query.integer(QStringLiteral("dpung")), row);
    }
    EXPECT_EQ(row, kRows);
    ASSERT_TRUE(query.moveTo(kRows - 1));
    EXPECT_EQ(query.text(QStringLiteral("scancode")),
              QStringLiteral("K%1").arg(kRows, 5, 10, QLatin1Char('0')));
    EXPECT_FALSE(query.moveTo(kRows));

    Query whole;
    whole.add(QStringLiteral(
        "select * from \"BUDONG.DB\" S where S.\"dpung\" <= 3 order by S.\"dpung\" desc"));
    whole.open();
    EXPECT_EQ(whole.fieldIndex(QStringLiteral("rowid")), -1);
    EXPECT_EQ(whole.fieldCount(),
              static_cast<int>(db().tableInfo(QStringLiteral("budong")).fields.size()));
    EXPECT_EQ(whole.integer(QStringLiteral("dpung")), 3);
}
