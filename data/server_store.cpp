// The parts of Database that serve a store on a database server.
#include "data/server_store.h"

#include "data/database.h"
#include "data/server_sql.h"
#include "data/store_error.h"
#include "data/store_file_check.h"
#include "data/store_messages.h"
#include "data/transaction.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace {
// Taken for the first connection's checks and creation, so that two desks
// starting at once on a new database do not both create it.
constexpr qint64 kStoreCreationLock = 0x51524E4C;

}  // namespace

bool isConnectionLost(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    if (code.startsWith(QLatin1StringView("08")) || code.startsWith(QLatin1StringView("57P")))
        return true;
    const QString text = error.text();
    return text.contains(QLatin1StringView("server closed the connection")) ||
           text.contains(QLatin1StringView("no connection to the server")) ||
           text.contains(QLatin1StringView("connection to server"));
}

bool isServerBusy(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    return code == QLatin1StringView("55P03") || code == QLatin1StringView("40P01") ||
           code == QLatin1StringView("40001");
}

bool isServerKeyClash(const QSqlError& error) {
    return error.nativeErrorCode() == QLatin1StringView("23505");
}

QString declaredTypeOf(const QString& dataType, int characterLength) {
    const QString type = dataType.toLower();
    if (type == QLatin1StringView("character varying")) {
        return characterLength > 0 ? QStringLiteral("VARCHAR(%1)").arg(characterLength)
                                   : QStringLiteral("TEXT");
    }
    if (type == QLatin1StringView("character"))
        return QStringLiteral("CHAR(%1)").arg(std::max(characterLength, 1));
    if (type == QLatin1StringView("bigint") || type == QLatin1StringView("integer"))
        return QStringLiteral("INTEGER");
    if (type == QLatin1StringView("smallint")) return QStringLiteral("SMALLINT");
    if (type == QLatin1StringView("double precision") || type == QLatin1StringView("real")) {
        return QStringLiteral("DOUBLE");
    }
    if (type == QLatin1StringView("text")) return QStringLiteral("TEXT");
    return dataType.toUpper();
}

void Database::openServer() {
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName_);
    if (!db_.isValid()) {
        closeConnection();
        throw StoreError(
            QStringLiteral("자료 서버에 연결하는 부품(libqt6sql6-psql)이 설치되어 있지 않습니다.") +
                QStringLiteral("\n서버: ") + server_->shown(),
            QStringLiteral("QPSQL driver not available"));
    }
    db_.setHostName(server_->host);
    db_.setPort(server_->port);
    db_.setDatabaseName(server_->database);
    db_.setUserName(server_->user);
    if (!server_->password.isEmpty()) db_.setPassword(server_->password);
    db_.setConnectOptions(QStringLiteral("connect_timeout=10;application_name=quarnel"));
    if (!db_.open()) {
        const QString text = db_.lastError().text();
        closeConnection();
        throw StoreError(serverMessages::unreachable(server_->shown()), text);
    }
    // Exact numbers come as text and are read as SQLite would give them.
    db_.setNumericalPrecisionPolicy(QSql::HighPrecision);
    try {
        executeStatement(QStringLiteral("SET standard_conforming_strings = on"), {});
        // The searches and matches read the listings through indexes whose
        // pages the server mostly has in memory or on a solid-state disk. At
        // the server's default cost of a random read (made for spinning
        // disks) it reads the whole listing table instead, three to five
        // times slower at 200,000 listings. This sets only this desk's
        // connection.
        executeStatement(QStringLiteral("SET random_page_cost = 1.1"), {});
        openServerStore();
    } catch (...) {
        closeConnection();
        throw;
    }
}

// Reads what the database holds before anything in it is changed: a
// database with tables but without the mark, or with another program's
// mark, is refused untouched. A new one gets every table, the starting data
// and the mark in one transaction; an older store is brought up to date in
// the same one.
void Database::openServerStore() {
    Transaction transaction(*this);
    execute(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kStoreCreationLock));
    const QStringList names = serverTableNames();
    if (names.contains(QString::fromLatin1(kServerMarkTable))) {
        QSqlQuery mark(db_);
        if (!mark.exec(QStringLiteral("SELECT application_id, schema_version FROM %1")
                           .arg(QLatin1StringView(kServerMarkTable))) ||
            !mark.next() || mark.value(0).toLongLong() != kStoreApplicationId) {
            throw StoreError(serverMessages::foreign(server_->shown()),
                             QStringLiteral("foreign mark"));
        }
        const int version = mark.value(1).toInt();
        mark.finish();
        if (version > latestSchemaVersion()) {
            throw StoreError(
                serverMessages::newerVersion(server_->shown(), version, latestSchemaVersion()),
                QStringLiteral("newer schema version"));
        }
        migrateServer(version);
    } else if (!names.isEmpty()) {
        throw StoreError(serverMessages::foreign(server_->shown()),
                         QStringLiteral("tables without the mark"));
    } else {
        createServerStore();
    }
    numberNewRows();
    transaction.commit();
    tableInfo_.clear();
}

// A table whose key is one whole-number field numbers its new rows itself,
// as the local store does: a row saved without a key (a new contract) gets
// one more than the largest key in the table. A trigger on the server does
// the same, also after rows were copied in with their keys; two desks adding
// at once take turns, so that neither is refused for the other's number.
void Database::numberNewRows() {
    const auto run = [this](const QString& statement) {
        QSqlQuery query(db_);
        if (!query.exec(statement))
            throwFailure(QStringLiteral("자료를 처리할 수 없습니다."), query);
        return query;
    };
    QSqlQuery tables = run(QStringLiteral(
        "SELECT t.relname, a.attname FROM pg_index x JOIN pg_class t ON t.oid = x.indrelid "
        "JOIN pg_namespace n ON n.oid = t.relnamespace "
        "JOIN pg_attribute a ON a.attrelid = t.oid AND a.attnum = x.indkey[0] "
        "WHERE x.indisprimary AND x.indnatts = 1 AND n.nspname = current_schema() "
        "AND a.atttypid IN ('int8'::regtype, 'int4'::regtype) AND NOT EXISTS (SELECT 1 FROM "
        "pg_trigger g WHERE g.tgrelid = t.oid AND g.tgname = 'quarnel_number_rows')"));
    QList<QPair<QString, QString>> unnumbered;
    while (tables.next())
        unnumbered.append({tables.value(0).toString(), tables.value(1).toString()});
    tables.finish();
    if (unnumbered.isEmpty()) return;
    run(QStringLiteral(
            "CREATE OR REPLACE FUNCTION quarnel_number_row() RETURNS trigger LANGUAGE plpgsql AS "
            "$f$ "
            "DECLARE next_key bigint; "
            "BEGIN "
            "IF (to_jsonb(NEW) -> TG_ARGV[0]) = 'null'::jsonb THEN "
            "PERFORM pg_advisory_xact_lock(%1, TG_RELID::int); "
            "EXECUTE format('SELECT coalesce(max(%I), 0) + 1 FROM %I.%I', TG_ARGV[0], "
            "TG_TABLE_SCHEMA, TG_TABLE_NAME) INTO next_key; "
            "NEW := jsonb_populate_record(NEW, jsonb_build_object(TG_ARGV[0], next_key)); "
            "END IF; "
            "RETURN NEW; "
            "END $f$")
            .arg(kStoreCreationLock));
    for (const auto& [table, field] : unnumbered) {
        run(QStringLiteral("CREATE TRIGGER quarnel_number_rows BEFORE INSERT ON \"%1\" FOR EACH "
                           "ROW EXECUTE FUNCTION quarnel_number_row('%2')")
                .arg(table, field));
    }
}

void Database::createServerStore() {
    QDirIterator it(QStringLiteral(":/schema"));
    QStringList scripts;
    while (it.hasNext())
        scripts.append(QFileInfo(it.next()).fileName());
    std::sort(scripts.begin(), scripts.end(), [](const QString& a, const QString& b) {
        return a.section(u'_', 0, 0).toInt() < b.section(u'_', 0, 0).toInt();
    });
    for (const QString& script : scripts)
        runScript(QStringLiteral(":/schema/") + script);
    runScript(QStringLiteral(":/seed/seed.sql"));
    execute(QStringLiteral(
                "CREATE TABLE %1 (application_id BIGINT NOT NULL, schema_version BIGINT NOT NULL)")
                .arg(QLatin1StringView(kServerMarkTable)));
    execute(QStringLiteral("INSERT INTO %1 (application_id, schema_version) VALUES (?, ?)")
                .arg(QLatin1StringView(kServerMarkTable)),
            {kStoreApplicationId, latestSchemaVersion()});
    createdNow_ = true;
}

void Database::migrateServer(int current) {
    QDirIterator it(QStringLiteral(":/schema"));
    QList<QPair<int, QString>> scripts;
    while (it.hasNext()) {
        const QString name = QFileInfo(it.next()).fileName();
        scripts.append({name.section(u'_', 0, 0).toInt(), name});
    }
    std::sort(scripts.begin(), scripts.end());
    for (const auto& [version, name] : scripts) {
        if (version <= current) continue;
        runScript(QStringLiteral(":/schema/") + name);
        writeServerMark(version);
    }
}

void Database::writeServerMark(int version) {
    execute(
        QStringLiteral("UPDATE %1 SET schema_version = ?").arg(QLatin1StringView(kServerMarkTable)),
        {version});
}

int Database::serverSchemaVersion() const {
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("SELECT schema_version FROM %1")
                        .arg(QLatin1StringView(kServerMarkTable))) ||
        !query.next()) {
        return 0;
    }
    return query.value(0).toInt();
}

// A user action's writes: the first statement that needs a row another desk
// is writing waits for it as long as the busy time-out, then fails with
// StoreBusyError. A connection that went away meanwhile is opened again
// once, so that the user's retry of the action can succeed.
void Database::beginServerWrite() {
    QSqlQuery begin(db_);
    if (!begin.exec(QStringLiteral("BEGIN"))) {
        db_.close();
        if (!db_.open())
            throw StoreError(serverMessages::lost(server_->shown()), db_.lastError().text());
        QSqlQuery again(db_);
        if (!again.exec(QStringLiteral("BEGIN")))
            throwFailure(QStringLiteral("자료를 처리할 수 없습니다."), again);
    }
    try {
        executeStatement(QStringLiteral("SET LOCAL lock_timeout = %1").arg(busyTimeoutMs_), {});
    } catch (...) {
        QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

QStringList Database::serverTableNames() const {
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT table_name FROM information_schema.tables WHERE table_schema = "
                           "current_schema() AND table_type = 'BASE TABLE' ORDER BY table_name"))) {
        throwFailure(QStringLiteral("자료를 읽을 수 없습니다."), query);
    }
    QStringList names;
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

const TableInfo& Database::serverTableInfo(const QString& name) {
    TableInfo info;
    info.name = name;
    QSqlQuery columns(db_);
    columns.setForwardOnly(true);
    columns.prepare(
        QStringLiteral("SELECT column_name, data_type, character_maximum_length FROM "
                       "information_schema.columns WHERE table_schema = current_schema() AND "
                       "table_name = ? ORDER BY ordinal_position"));
    columns.addBindValue(name);
    if (!columns.exec()) throwFailure(QStringLiteral("자료를 읽을 수 없습니다."), columns);
    while (columns.next()) {
        const QString field = columns.value(0).toString();
        if (field == QLatin1StringView(kServerRowid)) continue;
        info.fields.push_back(fieldFromDeclaredType(
            field, declaredTypeOf(columns.value(1).toString(), columns.value(2).toInt())));
    }
    QSqlQuery indexes(db_);
    indexes.setForwardOnly(true);
    indexes.prepare(QStringLiteral(
        "SELECT ic.relname, a.attname, x.indisprimary FROM pg_index x "
        "JOIN pg_class ic ON ic.oid = x.indexrelid JOIN pg_class t ON t.oid = x.indrelid "
        "JOIN pg_namespace n ON n.oid = t.relnamespace "
        "CROSS JOIN LATERAL unnest(x.indkey) WITH ORDINALITY AS k(attnum, ord) "
        "JOIN pg_attribute a ON a.attrelid = t.oid AND a.attnum = k.attnum "
        "WHERE n.nspname = current_schema() AND t.relname = ? ORDER BY ic.relname, k.ord"));
    indexes.addBindValue(name);
    if (!indexes.exec()) throwFailure(QStringLiteral("자료를 읽을 수 없습니다."), indexes);
    while (indexes.next()) {
        const QString field = indexes.value(1).toString();
        if (indexes.value(2).toBool()) {
            info.primaryKey.append(field);
        } else {
            info.indexes[indexes.value(0).toString().toLower()].append(field);
        }
    }
    for (auto it = info.indexes.begin(); it != info.indexes.end();) {
        if (*it == QStringList{QString::fromLatin1(kServerRowid)}) {
            it = info.indexes.erase(it);
        } else {
            ++it;
        }
    }
    return *tableInfo_.insert(name, info);
}
