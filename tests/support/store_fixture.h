#pragma once

#include "common/office_folder.h"
#include "data/database.h"
#include "tests/support/server_database.h"
#include "tests/support/test_environment.h"

#include <QTemporaryDir>

#include <memory>

// A test with a fresh office folder in a temporary directory: the database
// behind qdb3 created with every table and the seed data, and the data
// module made. With QUARNEL_TEST_ENGINE=postgresql the store is a new
// database of its own on the test server, named by the office's quarnel.ini;
// without a server given the test is skipped.
class StoreTest : public QuarnelTest {
protected:
    void SetUp() override;
    void TearDown() override;

    Database& db() { return Database::qdb3(); }
    // Whether this run's store is on the database server.
    bool onServer() const { return testsOnServer(); }
    const OfficeFolder& office() { return officeFolder(); }
    // Runs SQLite's own SQL (on the server as the store turns it into the
    // server's); for arranging and checking test data.
    void sql(const QString& statement, const QVariantList& parameters = {});
    // The first column of the first row of a SQLite statement.
    QVariant scalar(const QString& statement, const QVariantList& parameters = {});
    // Number of rows of a table.
    int rows(const QString& table);
    // Makes the store refuse every `event` (INSERT, UPDATE or DELETE) of a
    // row of `table`, or of those matching `when` (a condition on NEW or
    // OLD), with `message` in its error; on either engine.
    void refuse(const QString& table, const QString& event, const QString& message,
                const QString& when = {});
    // Numbers 1..count as a one-column table `seq(i)`, to be put before an
    // INSERT … SELECT … FROM seq; `padded(prefix, width)` is the text
    // prefix + i with leading zeros, on either engine.
    static QString sequence(int count);
    static QString padded(const QString& prefix, int width, const QString& number = "i");

    QTemporaryDir home_;
    std::unique_ptr<ServerDatabase> server_;
};
