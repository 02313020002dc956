#include "bench/engine_alone.h"

#include "bench/bench_case.h"
#include "bench/raw_statement.h"
#include "data/database.h"
#include "data/query.h"
#include "data/server_sql.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cstdlib>
#include <stdexcept>

namespace {

QVariantList boundValues(const TranslatedSql& sql, const Query& query) {
    QVariantList values;
    for (const QString& name : sql.parameters)
        values.append(query.param(name));
    return values;
}

QString countOver(const QString& sql) {
    return QStringLiteral("SELECT count(*) FROM (") + sql + QStringLiteral("\n)");
}

void bindAll(RawStatement& statement, const QVariantList& values) {
    for (int i = 0; i < values.size(); ++i)
        statement.bind(i + 1, values[i]);
}

QSqlQuery runOnServer(Database& database, const QString& sql, const QVariantList& values) {
    QSqlQuery query(database.connection());
    query.setForwardOnly(true);
    if (!query.prepare(serverSql(sql))) {
        throw std::runtime_error(query.lastError().text().toStdString());
    }
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) throw std::runtime_error(query.lastError().text().toStdString());
    return query;
}

qint64 readScreenOnSqlite(sqlite3* handle, const QString& sql, const QVariantList& values,
                          int screen) {
    RawStatement select(handle, sql);
    bindAll(select, values);
    qint64 bytes = 0;
    for (int row = 0; row < screen && select.step(); ++row) {
        for (int column = 0; column < sqlite3_column_count(select.get()); ++column) {
            sqlite3_column_text(select.get(), column);
            bytes += sqlite3_column_bytes(select.get(), column);
        }
    }
    return bytes;
}

// The server is asked for the screenful alone; without the limit it sends the
// whole result before the first row can be read.
qint64 readScreenOnServer(Database& database, const QString& sql, const QVariantList& values,
                          int screen) {
    QSqlQuery select =
        runOnServer(database, sql + QStringLiteral("\nLIMIT %1").arg(screen), values);
    // The driver's record() asks the server for table names: once, not per row.
    const int columns = select.record().count();
    qint64 characters = 0;
    for (int row = 0; row < screen && select.next(); ++row) {
        for (int column = 0; column < columns; ++column)
            characters += select.value(column).toString().size();
    }
    return characters;
}

}  // namespace

FirstScreen readFirstScreenAlone(Database& database, const Query& counted, const Query& selected,
                                 int screen) {
    const TranslatedSql countSql = counted.translated();
    const TranslatedSql selectSql = selected.translated();
    const QVariantList countValues = boundValues(countSql, counted);
    const QVariantList selectValues = boundValues(selectSql, selected);
    QElapsedTimer timer;
    timer.start();
    FirstScreen read;
    read.rows = static_cast<int>(countAlone(database, countOver(countSql.sql), countValues));
    const qint64 characters =
        database.isServer()
            ? readScreenOnServer(database, selectSql.sql, selectValues, screen)
            : readScreenOnSqlite(database.handle(), selectSql.sql, selectValues, screen);
    read.milliseconds = elapsedMs(timer);
    if (characters < 0) std::abort();  // keeps the reads from being optimised away
    return read;
}

qint64 changeAlone(Database& database, const QString& sql, const QVariantList& values) {
    if (database.isServer()) return runOnServer(database, sql, values).numRowsAffected();
    RawStatement statement(database.handle(), sql);
    bindAll(statement, values);
    statement.step();
    return sqlite3_changes64(database.handle());
}

qint64 countAlone(Database& database, const QString& sql, const QVariantList& values) {
    if (database.isServer()) {
        QSqlQuery query = runOnServer(database, sql, values);
        return query.next() ? query.value(0).toLongLong() : 0;
    }
    RawStatement statement(database.handle(), sql);
    bindAll(statement, values);
    return statement.step() ? sqlite3_column_int64(statement.get(), 0) : 0;
}

void beginAlone(Database& database) {
    if (!database.isServer()) {
        runRaw(database.handle(), "BEGIN IMMEDIATE");
    } else if (!database.connection().transaction()) {
        throw std::runtime_error(database.connection().lastError().text().toStdString());
    }
}

void commitAlone(Database& database) {
    if (!database.isServer()) {
        runRaw(database.handle(), "COMMIT");
    } else if (!database.connection().commit()) {
        throw std::runtime_error(database.connection().lastError().text().toStdString());
    }
}

void rollbackAlone(Database& database) {
    if (!database.isServer()) {
        runRaw(database.handle(), "ROLLBACK");
    } else if (!database.connection().rollback()) {
        throw std::runtime_error(database.connection().lastError().text().toStdString());
    }
}
