// Opening the store file: what the file holds decides, before anything in it
// is changed. A foreign, damaged or newer file is refused with a message
// naming it and is left as it was; an empty file becomes a new store; a
// store from before the mark is recognised and marked; a read-only or
// locked office is said at once.

#include "data/database.h"
#include "data/store_error.h"
#include "data/store_file_check.h"
#include "data/store_messages.h"
#include "tests/support/no_file_override.h"
#include "tests/support/other_program.h"
#include "tests/support/server_database.h"
#include "tests/support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <functional>
#include <memory>

namespace {

constexpr int kShortWaitMs = 200;

// Runs SQLite's own SQL on a file, creating it when missing.
void onFile(const QString& path, const char* sql) {
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &handle), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(handle, sql, nullptr, nullptr, &error), SQLITE_OK)
        << sql << ": " << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(handle);
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

}  // namespace

class StoreFileTest : public QuarnelTest {
public:  // the cases below arrange files through it
    void SetUp() override {
        if (testsOnServer()) GTEST_SKIP() << "about the SQLite file; the server's store is tested in server_store_test";
        QuarnelTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        directory = folder_.path() + QStringLiteral("/qdb3");
        file = directory + QStringLiteral("/quarnel.sqlite3");
        ASSERT_TRUE(QDir().mkpath(directory));
    }
    std::unique_ptr<Database> open() { return std::make_unique<Database>(directory, kShortWaitMs); }
    // A store as this program makes it, closed again.
    void makeStore() { open().reset(); }
    // The schema version of a store this program makes: its latest.
    int latestVersion() {
        makeStore();
        return read("PRAGMA user_version").toInt();
    }
    // The first column of the first row of a statement on the file.
    QString read(const char* sql) {
        sqlite3* handle = nullptr;
        sqlite3_open_v2(file.toUtf8().constData(), &handle, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* statement = nullptr;
        QString value;
        if (sqlite3_prepare_v2(handle, sql, -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            value =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        }
        sqlite3_finalize(statement);
        sqlite3_close(handle);
        return value;
    }
    // The message of the refusal to open the store; empty when it opened.
    QString refusal() {
        try {
            open();
        } catch (const StoreError& error) {
            return error.context();
        }
        return {};
    }

    QTemporaryDir folder_;
    QString directory;
    QString file;
};

TEST_F(StoreFileTest, AFileThatIsNotThisProgramsStoreIsRefusedAndLeftAsItWas) {
    const int latest = latestVersion();
    struct Case {
        const char* what;
        std::function<void(StoreFileTest&)> make;
        std::function<QString(const QString&)> message;
    };
    const Case cases[] = {
        {"text", [](StoreFileTest& t) { writeBytes(t.file, QByteArray("주소록\n").repeated(900)); },
         storeMessages::notADatabase},
        {"another program's SQLite file",
         [](StoreFileTest& t) {
             onFile(t.file, "CREATE TABLE contacts (name TEXT); INSERT INTO contacts VALUES ('a')");
         },
         storeMessages::foreign},
        {"another program's file in WAL mode",
         [](StoreFileTest& t) {
             onFile(t.file,
                    "PRAGMA journal_mode=WAL; CREATE TABLE t (x); INSERT INTO t VALUES (1)");
         },
         storeMessages::foreign},
        {"another program's file whose log a crash left behind",
         [](StoreFileTest& t) {
             const QString elsewhere = t.folder_.path() + QStringLiteral("/crashed.db");
             sqlite3* running = nullptr;
             sqlite3_open(elsewhere.toUtf8().constData(), &running);
             sqlite3_exec(running,
                          "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0; "
                          "CREATE TABLE t (x); INSERT INTO t VALUES (1)",
                          nullptr, nullptr, nullptr);
             QFile::copy(elsewhere, t.file);
             QFile::copy(elsewhere + QStringLiteral("-wal"), t.file + QStringLiteral("-wal"));
             sqlite3_close(running);
         },
         storeMessages::foreign},
        {"our tables under another program's mark",
         [](StoreFileTest& t) {
             t.makeStore();
             onFile(t.file, "PRAGMA journal_mode=DELETE; PRAGMA application_id = 1234");
         },
         storeMessages::foreign},
        {"a newer version's store",
         [](StoreFileTest& t) {
             t.makeStore();
             onFile(t.file, "PRAGMA journal_mode=DELETE; PRAGMA user_version = 99");
         },
         [latest](const QString& path) {
             return storeMessages::newerVersion(path, 99, latest);
         }},
        {"our store without its listings",
         [](StoreFileTest& t) {
             t.makeStore();
             onFile(t.file, "PRAGMA journal_mode=DELETE; DROP TABLE budong");
         },
         storeMessages::damaged},
        {"a damaged table list",
         [](StoreFileTest& t) {
             t.makeStore();
             onFile(t.file, "PRAGMA journal_mode=DELETE");
             QByteArray bytes = bytesOf(t.file);
             bytes.replace(100, 12, QByteArray(12, '\x7f'));  // page 1's b-tree header
             writeBytes(t.file, bytes);
         },
         storeMessages::damaged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(file + QLatin1String(suffix));
        c.make(*this);
        const QByteArray before = bytesOf(file);
        const QStringList beside = QDir(directory).entryList(QDir::Files);
        EXPECT_EQ(refusal(), c.message(file));
        EXPECT_EQ(bytesOf(file), before) << "the file is changed";
        // Only a log left behind is read through SQLite's own files.
        if (!beside.contains(QStringLiteral("quarnel.sqlite3-wal"))) {
            EXPECT_EQ(QDir(directory).entryList(QDir::Files), beside) << "files made beside it";
        }
    }
}

TEST_F(StoreFileTest, AnEmptyFileIsANewStoreAndAStoreFromBeforeTheMarkIsMarked) {
    const QString mark = QString::number(kStoreApplicationId);
    struct Case {
        const char* what;
        std::function<void(StoreFileTest&)> make;
        bool createdNow;
        int listings;
    };
    const Case cases[] = {
        {"an empty file, as a first start cut short leaves it",
         [](StoreFileTest& t) { writeBytes(t.file, {}); }, true, 0},
        {"a SQLite file without tables",
         [](StoreFileTest& t) { onFile(t.file, "CREATE TABLE x (a); DROP TABLE x"); }, true, 0},
        {"a store from before the mark",
         [](StoreFileTest& t) {
             t.makeStore();
             onFile(t.file,
                    "PRAGMA application_id = 0; INSERT INTO budong (scancode) VALUES ('K1')");
         },
         false, 1},
        {"a store from before the mark whose first start stopped before the codes",
         [](StoreFileTest& t) {
             t.makeStore();
             onFile(t.file,
                    "PRAGMA application_id = 0; DELETE FROM bucode; DELETE FROM mancode; "
                    "INSERT INTO budong (scancode) VALUES ('K1')");
         },
         false, 1},
    };
    const int latest = latestVersion();
    makeStore();  // the codes a new store starts with
    const QString codes = read("SELECT count(*) FROM bucode");
    const QString personCodes = read("SELECT count(*) FROM mancode");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(file + QLatin1String(suffix));
        c.make(*this);
        std::unique_ptr<Database> store;
        ASSERT_NO_THROW(store = open());
        EXPECT_EQ(store->createdNow(), c.createdNow);
        store.reset();
        EXPECT_EQ(read("PRAGMA application_id"), mark);
        EXPECT_EQ(read("PRAGMA user_version"), QString::number(latest));
        EXPECT_EQ(read("SELECT count(*) FROM bucode"), codes);
        EXPECT_EQ(read("SELECT count(*) FROM mancode"), personCodes);
        EXPECT_EQ(read("SELECT count(*) FROM budong").toInt(), c.listings);
    }
}

TEST_F(StoreFileTest, AReadOnlyOfficeIsSaidAtStart) {
    makeStore();
    const QByteArray before = bytesOf(file);
    const NoFileOverride asAnOfficeUser;

    QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_EQ(refusal(), storeMessages::readOnlyFile(file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);

    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner;
    QFile::setPermissions(directory, readOnly);
    EXPECT_EQ(refusal(), storeMessages::readOnlyFolder(directory));
    EXPECT_EQ(bytesOf(file), before);

    // A new store cannot be made in a read-only folder either.
    QFile::setPermissions(directory, readOnly | QFile::WriteOwner);
    ASSERT_TRUE(QFile::remove(file));
    QFile::setPermissions(directory, readOnly);
    EXPECT_EQ(refusal(), storeMessages::readOnlyFolder(directory));
    QFile::setPermissions(directory, readOnly | QFile::WriteOwner);
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(StoreFileTest, AnotherProgramsWriteKeepsAStoreThatMustBeChangedFromOpening) {
    makeStore();
    {
        OtherProgram writer(file);
        writer.holdWriteLock();
        EXPECT_EQ(refusal(), QString()) << "an up-to-date store is only read at start";
        writer.rollback();
    }
    onFile(file, "PRAGMA application_id = 0");
    OtherProgram writer(file);
    writer.holdWriteLock();
    EXPECT_EQ(refusal(), storeMessages::lockedByAnotherProgram(file));
    writer.rollback();
    EXPECT_EQ(read("PRAGMA application_id"), QStringLiteral("0"));
    EXPECT_EQ(refusal(), QString());
    EXPECT_EQ(read("PRAGMA application_id"), QString::number(kStoreApplicationId));
}
