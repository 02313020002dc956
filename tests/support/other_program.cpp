#include "tests/support/other_program.h"

#include "data/database.h"
#include "data/server_sql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <gtest/gtest.h>
#include <sqlite3.h>

OtherProgram::OtherProgram(const QString& filePath) {
    openFile(filePath);
}

OtherProgram::OtherProgram(const Database& store) {
    if (!store.isServer()) {
        openFile(store.filePath());
        return;
    }
    connection_ = QStringLiteral("other-program-") + QUuid::createUuid().toString();
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection_);
    const ServerAddress& server = *store.server();
    other.setHostName(server.host);
    other.setPort(server.port);
    other.setUserName(server.user);
    other.setPassword(server.password);
    other.setDatabaseName(server.database);
    EXPECT_TRUE(other.open()) << other.lastError().text().toStdString();
}

void OtherProgram::openFile(const QString& filePath) {
    const int result =
        sqlite3_open_v2(filePath.toUtf8().constData(), &handle_, SQLITE_OPEN_READWRITE, nullptr);
    EXPECT_EQ(result, SQLITE_OK) << sqlite3_errmsg(handle_);
}

OtherProgram::~OtherProgram() {
    if (connection_.isEmpty()) {
        sqlite3_close_v2(handle_);
        return;
    }
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

bool OtherProgram::run(const char* sql) {
    if (!connection_.isEmpty()) {
        QSqlQuery query(QSqlDatabase::database(connection_, false));
        const bool done = query.exec(serverSql(QString::fromUtf8(sql)));
        EXPECT_TRUE(done) << sql << ": " << query.lastError().text().toStdString();
        return done;
    }
    char* error = nullptr;
    const int result = sqlite3_exec(handle_, sql, nullptr, nullptr, &error);
    EXPECT_EQ(result, SQLITE_OK) << sql << ": " << (error ? error : "");
    sqlite3_free(error);
    return result == SQLITE_OK;
}

bool OtherProgram::holdWriteLock() {
    if (connection_.isEmpty()) return run("BEGIN IMMEDIATE");
    if (!run("BEGIN")) return false;
    QSqlQuery tables(QSqlDatabase::database(connection_, false));
    tables.exec(
        QStringLiteral("SELECT string_agg(quote_ident(table_name), ', ') FROM "
                       "information_schema.tables WHERE table_schema = current_schema() "
                       "AND table_type = 'BASE TABLE'"));
    if (!tables.next()) return false;
    const QByteArray lock =
        QStringLiteral("LOCK TABLE %1 IN EXCLUSIVE MODE").arg(tables.value(0).toString()).toUtf8();
    return run(lock.constData());
}

bool OtherProgram::checkpointFully() {
    if (!connection_.isEmpty()) return true;  // a server keeps no log beside a file
    int logFrames = -1;
    int copied = -1;
    const int result = sqlite3_wal_checkpoint_v2(handle_, nullptr, SQLITE_CHECKPOINT_TRUNCATE,
                                                 &logFrames, &copied);
    return result == SQLITE_OK;
}
