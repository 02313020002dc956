#pragma once

#include "data/server_address.h"

#include <QString>
#include <QVariant>

// Which engine the store tests of this run use: SQLite by default, the
// database server when QUARNEL_TEST_ENGINE=postgresql (the server named by
// QUARNEL_TEST_PG_URL, started by scripts/pg-test-cluster.sh).
bool testsOnServer();
// The server of the run; empty when none was given.
QString testServerUrl();

// The name of a database on the test server holding a whole new store (every
// table and the starting data), made the first time it is asked for in this
// test program; a test's store is copied from it, which is much quicker than
// making each one anew. Dropped by dropStoreTemplate() when the program ends.
QString storeTemplate();
void dropStoreTemplate();

// A database of its own on the test server for one test, dropped with the
// object (with any connection still on it).
class ServerDatabase {
public:
    // Made empty, or as a copy of `templateName` (a database nobody is
    // connected to).
    explicit ServerDatabase(const QString& serverUrl, const QString& templateName = {});
    ~ServerDatabase();
    ServerDatabase(const ServerDatabase&) = delete;
    ServerDatabase& operator=(const ServerDatabase&) = delete;

    // The alias value naming the new database.
    QString url() const { return server_.urlFor(name_); }
    const QString& name() const { return name_; }

    // Runs a statement on the test database through a connection of its own
    // (another program on the server); gives the first value it returns.
    QVariant run(const QString& statement) const;
    // Runs a statement on the server's own database.
    QVariant administer(const QString& statement) const {
        return runOn(server_.database, statement);
    }

private:
    QVariant runOn(const QString& database, const QString& statement) const;

    ServerAddress server_;
    QString name_;
};
