#include "tests/support/server_database.h"

#include "data/database.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <gtest/gtest.h>

#include <memory>

bool testsOnServer() {
    return qEnvironmentVariable("QUARNEL_TEST_ENGINE") == QLatin1StringView("postgresql");
}

QString testServerUrl() {
    return qEnvironmentVariable("QUARNEL_TEST_PG_URL");
}

ServerDatabase::ServerDatabase(const QString& serverUrl, const QString& templateName)
    : server_(parseServerAddress(serverUrl)),
      name_(QStringLiteral("quarnel_test_%1_%2")
                .arg(QCoreApplication::applicationPid())
                .arg(QUuid::createUuid().toString(QUuid::Id128).left(12))) {
    administer(
        QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE %2")
            .arg(name_, templateName.isEmpty() ? QStringLiteral("template0") : templateName));
}

namespace {
// The template of this test program, once made.
std::unique_ptr<ServerDatabase>& templateDatabase() {
    static std::unique_ptr<ServerDatabase> made;
    return made;
}
}  // namespace

QString storeTemplate() {
    std::unique_ptr<ServerDatabase>& made = templateDatabase();
    if (!made) {
        auto fresh = std::make_unique<ServerDatabase>(testServerUrl());
        // Opening the store makes its tables and starting data; closing it
        // leaves the database free to be copied.
        Database(fresh->url());
        made = std::move(fresh);
    }
    return made->name();
}

void dropStoreTemplate() {
    templateDatabase().reset();
}

ServerDatabase::~ServerDatabase() {
    administer(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name_));
}

QVariant ServerDatabase::run(const QString& statement) const {
    return runOn(name_, statement);
}

QVariant ServerDatabase::runOn(const QString& database, const QString& statement) const {
    const QString connection = QStringLiteral("other-") + QUuid::createUuid().toString();
    QVariant result;
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        other.setHostName(server_.host);
        other.setPort(server_.port);
        other.setUserName(server_.user);
        other.setPassword(server_.password);
        other.setDatabaseName(database);
        if (!other.open()) {
            ADD_FAILURE() << "test server: " << other.lastError().text().toStdString();
        } else {
            QSqlQuery query(other);
            if (!query.exec(statement)) {
                ADD_FAILURE() << statement.toStdString() << ": "
                              << query.lastError().text().toStdString();
            } else if (query.next()) {
                result = query.value(0);
            }
        }
        other.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return result;
}
