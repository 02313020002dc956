#pragma once

#include "common/office_folder.h"
#include "data/database.h"
#include "tests/support/test_environment.h"

#include <QTemporaryDir>

// A test with a fresh office folder in a temporary directory: the database
// behind qdb3 created with every table and the seed data, and the data
// module made.
class StoreTest : public QuarnelTest {
protected:
    void SetUp() override;
    void TearDown() override;

    Database& db() { return Database::qdb3(); }
    const OfficeFolder& office() { return officeFolder(); }
    // Runs SQLite's own SQL; for arranging and checking test data.
    void sql(const QString& statement, const QVariantList& parameters = {});
    // The first column of the first row of a SQLite statement.
    QVariant scalar(const QString& statement, const QVariantList& parameters = {});
    // Number of rows of a table.
    int rows(const QString& table);

    QTemporaryDir home_;
};
