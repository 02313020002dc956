#include "data/database.h"

#include "common/private_files.h"

#include "data/query.h"
#include "data/server_sql.h"
#include "data/server_store.h"
#include "data/store_error.h"
#include "data/store_file_check.h"
#include "data/store_messages.h"
#include "data/table_name.h"
#include "data/transaction.h"

#include <QAbstractEventDispatcher>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUuid>
#include <QVariant>

#include <sqlite3.h>
#include <algorithm>

namespace {
std::unique_ptr<Database>& qdb3Instance() {
    static std::unique_ptr<Database> instance;
    return instance;
}

QString queryError(const QSqlQuery& query) {
    const QSqlError error = query.lastError();
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

int scriptVersion(const QString& fileName) {
    return fileName.section(u'_', 0, 0).toInt();
}

// The migration scripts of the schema, in the order of their versions.
QStringList schemaScripts() {
    QStringList scripts;
    QDirIterator it(QStringLiteral(":/schema"));
    while (it.hasNext())
        scripts.append(QFileInfo(it.next()).fileName());
    std::sort(scripts.begin(), scripts.end(), [](const QString& a, const QString& b) {
        return scriptVersion(a) < scriptVersion(b);
    });
    if (scripts.isEmpty()) {
        throw StoreError(QStringLiteral("자료 구조 정의가 없습니다."),
                         QStringLiteral(":/schema is empty"));
    }
    return scripts;
}

bool isBusy(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}
}  // namespace

int latestSchemaVersion() {
    return scriptVersion(schemaScripts().last());
}

int TableInfo::fieldIndex(const QString& fieldName) const {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    }
    return -1;
}

Database::Database(const QString& directory, int busyTimeoutMs)
    : connectionName_(QStringLiteral("qdb3-") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
      busyTimeoutMs_(busyTimeoutMs) {
    if (isServerAlias(directory)) {
        directory_ = directory.trimmed();
        server_ = parseServerAddress(directory);
        openServer();
        watchIdle();
        return;
    }
    directory_ = QDir::cleanPath(directory);
    filePath_ = QDir(directory_).filePath(QString::fromLatin1(kFileName));
    if (!makeOwnerOnlyFolder(directory_)) {
        throw StoreError(storeMessages::folderNotCreated(directory_),
                         QStringLiteral("cannot create directory"));
    }
    // A new file needs a folder it can be written in; an existing one is
    // read first and checked there. A new file is the user's alone from the
    // start; the store's log files take its permissions.
    if (!QFileInfo::exists(filePath_)) {
        requireWritable();
        if (!createOwnerOnlyFile(filePath_)) {
            throw StoreError(storeMessages::readOnlyFolder(directory_),
                             QStringLiteral("cannot create the store file"));
        }
    }
    openConnection();
    try {
        openStore();
    } catch (...) {
        closeConnection();
        throw;
    }
    watchIdle();
}

void Database::watchIdle() {
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        idleRelease_ = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                                        [this] { releaseReaders(); });
    }
}

QString Database::shownLocation() const {
    return server_ ? server_->shown() : filePath_;
}

Database::~Database() {
    QObject::disconnect(idleRelease_);
    const std::vector<Query*> readers = readers_;
    for (Query* query : readers)
        query->close();
    readers_.clear();
    tableInfo_.clear();
    closeConnection();
}

void Database::openConnection() {
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db_.setDatabaseName(filePath_);
    if (!db_.open()) {
        const QString text = db_.lastError().text();
        closeConnection();
        throw StoreError(storeMessages::unreadable(filePath_), text);
    }
    sqlite3_busy_timeout(handle(), busyTimeoutMs_);
}

void Database::closeConnection() noexcept {
    if (db_.isOpen()) db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
}

Database& Database::qdb3() {
    auto& instance = qdb3Instance();
    if (!instance)
        throw StoreError(QStringLiteral("별칭 qdb3의 자료가 열려 있지 않습니다."),
                         QStringLiteral("alias qdb3 is not open"));
    return *instance;
}

void Database::addReader(Query* query) {
    readers_.push_back(query);
}

void Database::removeReader(Query* query) {
    std::erase(readers_, query);
}

void Database::releaseReaders() {
    for (Query* query : readers_)
        query->release();
}

bool Database::isOpen() {
    return qdb3Instance() != nullptr;
}

void Database::setQdb3(std::unique_ptr<Database> database) {
    qdb3Instance() = std::move(database);
}

void Database::closeQdb3() {
    qdb3Instance().reset();
}

sqlite3* Database::handle() const {
    if (server_) return nullptr;
    const QVariant v = db_.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(v.data());
}

// Reads what the file holds before anything in it is changed; only a file
// that is this program's store, or empty, is then switched to its journal
// mode and brought up to date.
void Database::openStore() {
    refuseOthersAtFirstSight(filePath_, latestSchemaVersion());
    sqlite3* raw = handle();
    // Closing a refused file must not write to it either.
    sqlite3_db_config(raw, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    if (sqlite3_db_readonly(raw, "main") == 1) {
        throw StoreError(storeMessages::readOnlyFile(filePath_),
                         QStringLiteral("attempt to write a readonly database"));
    }
    requireWritable();
    const StoreFileContent content = examineStoreFile(raw, filePath_, latestSchemaVersion());
    sqlite3_db_config(raw, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    try {
        configureConnection();
        migrate(content);
    } catch (const StoreBusyError& error) {
        throw StoreBusyError(storeMessages::lockedByAnotherProgram(filePath_), error.storeText());
    }
}

// The store's folder must take new files: the write-ahead log beside the
// file, and the file itself when it is new.
void Database::requireWritable() const {
    QTemporaryFile probe(QDir(directory_).filePath(QStringLiteral(".quarnel-write-XXXXXX")));
    if (!probe.open()) {
        throw StoreError(storeMessages::readOnlyFolder(directory_), probe.errorString());
    }
}

void Database::configureConnection() {
    sqlite3* raw = handle();
    // A double-quoted word must be a name, never a text constant, so that
    // a statement translated wrongly fails instead of comparing a column
    // with itself.
    sqlite3_db_config(raw, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(raw, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    execute(QStringLiteral("PRAGMA journal_mode=WAL"));
    execute(QStringLiteral("PRAGMA synchronous=NORMAL"));
    execute(QStringLiteral("PRAGMA foreign_keys=OFF"));
}

int Database::schemaVersion() const {
    if (server_) return serverSchemaVersion();
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) return 0;
    return query.value(0).toInt();
}

void Database::migrate(const StoreFileContent& content) {
    switch (content.kind) {
        case StoreFileContent::Kind::Empty:
            createStore();
            break;
        case StoreFileContent::Kind::Unmarked:
            markStore();
            break;
        case StoreFileContent::Kind::Marked:
            break;
    }
    const int current = schemaVersion();
    for (const QString& script : schemaScripts()) {
        const int version = scriptVersion(script);
        if (version <= current) continue;
        Transaction transaction(*this);
        runScript(QStringLiteral(":/schema/") + script);
        execute(QStringLiteral("PRAGMA user_version = %1").arg(version));
        transaction.commit();
    }
    tableInfo_.clear();
}

// Every table, the starting data, the schema version and the mark: all or
// nothing, so that a first start cut short leaves a file that is still new.
void Database::createStore() {
    Transaction transaction(*this);
    for (const QString& script : schemaScripts())
        runScript(QStringLiteral(":/schema/") + script);
    runScript(QStringLiteral(":/seed/seed.sql"));
    execute(QStringLiteral("PRAGMA user_version = %1").arg(latestSchemaVersion()));
    execute(QStringLiteral("PRAGMA application_id = %1").arg(kStoreApplicationId));
    transaction.commit();
    createdNow_ = true;
}

// A store made before stores carried the mark gets it. A first start of
// those days that was cut short between the tables and the starting data
// left no classification and no person codes; they are loaded now.
void Database::markStore() {
    Transaction transaction(*this);
    execute(QStringLiteral("PRAGMA application_id = %1").arg(kStoreApplicationId));
    QSqlQuery codes(db_);
    const bool hasCodes = codes.exec(QStringLiteral("SELECT (SELECT count(*) FROM bucode) + "
                                                    "(SELECT count(*) FROM mancode)")) &&
                          codes.next() && codes.value(0).toInt() > 0;
    codes.finish();
    if (!hasCodes) runScript(QStringLiteral(":/seed/seed.sql"));
    transaction.commit();
}

void Database::runScript(const QString& resourcePath) {
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        throw StoreError(QStringLiteral("자료 구조 파일을 읽을 수 없습니다: ") + resourcePath,
                         file.errorString());
    }
    for (const QString& statement : splitSqlScript(QString::fromUtf8(file.readAll())))
        execute(statement);
}

void Database::execute(const QString& sql, const QVariantList& parameters) {
    // A new table on the server numbers its rows as the local store's do.
    const bool defining =
        server_ && sql.trimmed().startsWith(QLatin1StringView("create table"), Qt::CaseInsensitive);
    if (!server_ || transactionDepth_ == 0) {
        executeStatement(sql, parameters);
        if (defining) numberNewRows();
        return;
    }
    // On the server a failed statement spoils the whole transaction; inside
    // one it runs in a savepoint of its own, so that a caller may go on after
    // its failure as it can with SQLite.
    executeStatement(QStringLiteral("SAVEPOINT quarnel_statement"), {});
    try {
        executeStatement(sql, parameters);
    } catch (...) {
        try {
            executeStatement(QStringLiteral("ROLLBACK TO SAVEPOINT quarnel_statement"), {});
            executeStatement(QStringLiteral("RELEASE SAVEPOINT quarnel_statement"), {});
        } catch (...) {
            // The connection itself is gone; the first error tells why.
        }
        throw;
    }
    executeStatement(QStringLiteral("RELEASE SAVEPOINT quarnel_statement"), {});
    if (defining) numberNewRows();
}

void Database::executeStatement(const QString& sql, const QVariantList& parameters) {
    QSqlQuery query(db_);
    if (server_ && parameters.isEmpty()) {
        // The server prepares only queries and changes of rows; the rest
        // (table definitions, savepoints, settings) runs as it stands.
        if (!query.exec(serverSql(sql)))
            throwFailure(QStringLiteral("자료를 처리할 수 없습니다."), query);
        return;
    }
    if (!query.prepare(server_ ? serverSql(sql) : sql)) {
        throwFailure(QStringLiteral("자료 처리 명령이 잘못되었습니다."), query);
    }
    for (int i = 0; i < parameters.size(); ++i)
        query.bindValue(i, parameters[i]);
    if (!query.exec()) throwFailure(QStringLiteral("자료를 처리할 수 없습니다."), query);
}

void Database::throwFailure(const QString& context, const QSqlQuery& query) const {
    const QSqlError error = query.lastError();
    if (server_) {
        if (!db_.isOpen() || error.type() == QSqlError::ConnectionError ||
            isConnectionLost(error)) {
            const QString text = queryError(query);
            // What was under way is lost with the connection. Outside an
            // action a new one is made at once, so that the user's retry can
            // succeed; inside one, the next action's start makes it, so that
            // nothing of this one is written without the rest.
            if (transactionDepth_ == 0) {
                db_.close();
                db_.open();
            }
            throw StoreError(serverMessages::lost(server_->shown()), text);
        }
        if (isServerBusy(error))
            throw StoreBusyError(serverMessages::busyWriting(busyTimeoutMs_), queryError(query));
        if (isKeyClash(error)) throw StoreKeyClash(context, queryError(query));
        throw StoreError(context, queryError(query));
    }
    if (isBusy(error))
        throw StoreBusyError(storeMessages::busyWriting(busyTimeoutMs_), queryError(query));
    if (isKeyClash(error)) throw StoreKeyClash(context, queryError(query));
    throw StoreError(context, queryError(query));
}

bool Database::isKeyClash(const QSqlError& error) const {
    if (server_) return isServerKeyClash(error);
    // The connection's own code tells a key from the other constraints.
    const int code = handle() ? sqlite3_extended_errcode(handle()) : 0;
    return code == SQLITE_CONSTRAINT_PRIMARYKEY || code == SQLITE_CONSTRAINT_UNIQUE ||
           error.nativeErrorCode().toInt() == SQLITE_CONSTRAINT_PRIMARYKEY ||
           error.nativeErrorCode().toInt() == SQLITE_CONSTRAINT_UNIQUE;
}

void Database::beginWrite() {
    if (server_) {
        beginServerWrite();
        return;
    }
    sqlite3* raw = handle();
    int result = sqlite3_exec(raw, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (result != SQLITE_OK && sqlite3_extended_errcode(raw) == SQLITE_BUSY_SNAPSHOT) {
        // A query of this connection still reads the store as it was before
        // another program wrote; once it lets go, the write can begin.
        releaseReaders();
        result = sqlite3_exec(raw, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    }
    if (result == SQLITE_OK) return;
    const QString text = QString::fromUtf8(sqlite3_errmsg(raw));
    if ((result & 0xff) == SQLITE_BUSY || (result & 0xff) == SQLITE_LOCKED) {
        throw StoreBusyError(storeMessages::busyWriting(busyTimeoutMs_), text);
    }
    throw StoreError(QStringLiteral("자료를 처리할 수 없습니다."), text);
}

void Database::commitWrite() {
    if (server_) {
        QSqlQuery query(db_);
        if (!query.exec(QStringLiteral("COMMIT")))
            throwFailure(QStringLiteral("자료를 저장할 수 없습니다."), query);
        return;
    }
    sqlite3* raw = handle();
    if (sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        throw StoreError(QStringLiteral("자료를 저장할 수 없습니다."),
                         QString::fromUtf8(sqlite3_errmsg(raw)));
    }
}

void Database::rollbackWrite() noexcept {
    // Queries that still read would otherwise be cut short by the rollback.
    releaseReaders();
    if (server_) {
        QSqlQuery query(db_);
        query.exec(QStringLiteral("ROLLBACK"));
        return;
    }
    sqlite3* raw = handle();
    if (raw && !sqlite3_get_autocommit(raw)) {
        sqlite3_exec(raw, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

bool Database::hasTable(const QString& spelling) const {
    if (server_) return serverTableNames().contains(canonicalTableName(spelling));
    QSqlQuery query(db_);
    query.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?"));
    query.bindValue(0, canonicalTableName(spelling));
    return query.exec() && query.next();
}

QStringList Database::tableNames() const {
    if (server_) {
        QStringList names = serverTableNames();
        names.removeOne(QString::fromLatin1(kServerMarkTable));
        return names;
    }
    QStringList names;
    QSqlQuery query(db_);
    query.exec(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE "
                       "'sqlite_%' ORDER BY name"));
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

const TableInfo& Database::tableInfo(const QString& spelling) {
    const QString name = canonicalTableName(spelling);
    auto found = tableInfo_.constFind(name);
    if (found != tableInfo_.constEnd()) return *found;
    if (!hasTable(name)) {
        throw StoreError(QStringLiteral("테이블을 찾을 수 없습니다: ") + spelling,
                         QStringLiteral("no such table: ") + name);
    }
    if (server_) return serverTableInfo(name);
    TableInfo info;
    info.name = name;
    QSqlQuery columns(db_);
    columns.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(name));
    QList<QPair<int, QString>> keyParts;
    while (columns.next()) {
        const QString field = columns.value(1).toString();
        info.fields.push_back(fieldFromDeclaredType(field, columns.value(2).toString()));
        const int pk = columns.value(5).toInt();
        if (pk > 0) keyParts.append({pk, field});
    }
    std::sort(keyParts.begin(), keyParts.end());
    for (const auto& part : keyParts)
        info.primaryKey.append(part.second);

    QSqlQuery indexes(db_);
    indexes.exec(QStringLiteral("PRAGMA index_list(\"%1\")").arg(name));
    QStringList indexNames;
    while (indexes.next())
        indexNames.append(indexes.value(1).toString());
    for (const QString& index : indexNames) {
        if (index.startsWith(QLatin1String("sqlite_autoindex"))) continue;
        QSqlQuery parts(db_);
        parts.exec(QStringLiteral("PRAGMA index_info(\"%1\")").arg(index));
        QStringList fields;
        while (parts.next())
            fields.append(parts.value(2).toString());
        info.indexes.insert(index.toLower(), fields);
    }
    return *tableInfo_.insert(name, info);
}

void Database::forgetTableInfo(const QString& spelling) {
    tableInfo_.remove(canonicalTableName(spelling));
}

QStringList splitSqlScript(const QString& script) {
    QStringList statements;
    QString current;
    QChar quote;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script[i];
        if (quote.isNull() && c == u'-' && i + 1 < script.size() && script[i + 1] == u'-') {
            while (i < script.size() && script[i] != u'\n')
                ++i;
            current += u'\n';
            continue;
        }
        if (c == u'\'' || c == u'"') {
            if (quote.isNull()) {
                quote = c;
            } else if (quote == c) {
                quote = QChar();
            }
        }
        if (c == u';' && quote.isNull()) {
            if (!current.trimmed().isEmpty()) statements.append(current.trimmed());
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty()) statements.append(current.trimmed());
    return statements;
}
