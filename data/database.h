#pragma once

#include "data/field_def.h"
#include "data/server_address.h"

#include <QHash>
#include <QMetaObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>
#include <optional>
#include <vector>

struct sqlite3;
struct StoreFileContent;
class Query;
class QSqlQuery;
class QSqlError;

// What the store knows of one table: its fields in order, its primary key and
// its named secondary indexes.
struct TableInfo {
    QString name;
    std::vector<FieldDef> fields;
    QStringList primaryKey;
    QHash<QString, QStringList> indexes;  // index name (lower case) -> fields

    int fieldIndex(const QString& fieldName) const;  // -1 when missing
};

// The connection behind the alias qdb3: one SQLite file in the alias
// directory, or a database on a server when the alias names one
// (postgresql://…; see ServerAddress). On a server the same mark of
// ownership, schema versions and starting data live in the database; a
// database holding tables but not the mark is refused untouched. Opening it first reads what the
// file holds and refuses, with a message naming the file and changing nothing, a file that is not
// this program's store, is damaged, is locked by another program or cannot be written. A new or
// empty file gets every table of the catalogue and the starting data in one transaction; an older
// store is brought up to the current schema version.
class Database {
public:
    static constexpr const char* kFileName = "quarnel.sqlite3";
    // How long a write waits for another program's write to end.
    static constexpr int kBusyTimeoutMs = 5000;

    // Opens (creating when needed) the database in `directory`, or on the
    // server `directory` names; throws StoreError when it cannot or must not
    // be used.
    explicit Database(const QString& directory, int busyTimeoutMs = kBusyTimeoutMs);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The database behind qdb3 for the running program.
    static Database& qdb3();
    static bool isOpen();
    // Makes `database` the one behind qdb3 (the program, or a test).
    static void setQdb3(std::unique_ptr<Database> database);
    static void closeQdb3();

    QSqlDatabase& connection() { return db_; }
    // SQLite's own connection; null for a store on a server.
    sqlite3* handle() const;
    bool isServer() const { return server_.has_value(); }
    // The server of a store on one.
    const std::optional<ServerAddress>& server() const { return server_; }
    // Where the store is, as shown to the user: the file or the server.
    QString shownLocation() const;
    // The folder of the store file; for a store on a server, the alias value
    // naming the server.
    const QString& directory() const { return directory_; }
    const QString& filePath() const { return filePath_; }
    int schemaVersion() const;
    bool createdNow() const { return createdNow_; }

    bool hasTable(const QString& spelling) const;
    QStringList tableNames() const;
    // Throws StoreError when the table does not exist.
    const TableInfo& tableInfo(const QString& spelling);
    // Forgets cached table descriptions (after a table was created anew).
    void forgetTableInfo(const QString& spelling);

    // Runs a statement of SQLite's own dialect with positional parameters
    // (on a server turned into the server's by serverSql()).
    void execute(const QString& sql, const QVariantList& parameters = {});
    // The error of a failed statement as a StoreError (StoreBusyError when
    // another desk or program held what it needed).
    [[noreturn]] void throwFailure(const QString& context, const QSqlQuery& query) const;
    // Whether a failed statement was refused because a row with the same
    // key (or the same value of a unique index) is already in the store.
    bool isKeyClash(const QSqlError& error) const;
    // Runs a statement that steers the open transaction (a savepoint, its
    // release or rollback) as it stands.
    void steer(const QString& sql) { executeStatement(sql, {}); }

    // The outermost transaction of a user action, used by Transaction: it
    // begins as a write, waiting the busy time-out for another program's
    // write (then a StoreBusyError).
    void beginWrite();
    void commitWrite();
    void rollbackWrite() noexcept;
    // Savepoint nesting depth; used by Transaction.
    int& transactionDepth() { return transactionDepth_; }

    // Queries that read straight from this connection register while they
    // are open; closing the connection closes them first, so that none of
    // their statements outlives it.
    void addReader(Query* query);
    void removeReader(Query* query);
    // Ends the read of the store of every registered query (each keeps the
    // rows it has read). Runs whenever the program waits for the user.
    void releaseReaders();

private:
    void executeStatement(const QString& sql, const QVariantList& parameters);
    void openServer();
    void openServerStore();
    void createServerStore();
    void migrateServer(int current);
    void writeServerMark(int version);
    int serverSchemaVersion() const;
    void beginServerWrite();
    void numberNewRows();
    const TableInfo& serverTableInfo(const QString& name);
    QStringList serverTableNames() const;
    void watchIdle();
    void openConnection();
    void closeConnection() noexcept;
    void openStore();
    void requireWritable() const;
    void configureConnection();
    void migrate(const StoreFileContent& content);
    void createStore();
    void markStore();
    void runScript(const QString& resourcePath);

    QString directory_;
    QString filePath_;
    std::optional<ServerAddress> server_;
    QString connectionName_;
    int busyTimeoutMs_;
    mutable QSqlDatabase db_;  // opened again after a server connection was lost
    bool createdNow_ = false;
    int transactionDepth_ = 0;
    QHash<QString, TableInfo> tableInfo_;
    std::vector<Query*> readers_;
    QMetaObject::Connection idleRelease_;
};

// The statements of a migration script, split at the semicolons that end them.
QStringList splitSqlScript(const QString& script);

// The schema version this program brings every store up to.
int latestSchemaVersion();
