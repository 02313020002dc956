#pragma once

// An office's old folder written by the tests: a table of every kind the
// office keeps, in Paradox and dBase, with Korean text, memos, every field
// type the catalogue uses, a table in another code page, photos, and the
// files the import passes over.

#include "legacy/legacy_import.h"
#include "tests/legacy/legacy_test_files.h"
#include "tests/support/store_fixture.h"

#include <QDir>

class LegacyImportTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        ASSERT_TRUE(QDir(home_.path()).mkpath(QStringLiteral("old/PICT")));
    }

    QString oldFolder() const { return home_.filePath(QStringLiteral("old")); }
    QString oldFile(const QString& name) const { return oldFolder() + QLatin1Char('/') + name; }

    // Writes the whole old office into oldFolder().
    void writeOldOffice();

    // Runs the import; the report of a successful one is kept in report_,
    // the refusal's message in error_.
    bool import(bool replace = false);

    // One value of a store table, by SQLite statement.
    QString text(const QString& statement, const QVariantList& parameters = {}) {
        return scalar(statement, parameters).toString();
    }
    // Every row of a statement as "a|b|c", in order.
    QStringList rowsOf(const QString& statement);

    LegacyImportReport report_;
    QString error_;
    QStringList progress_;
};
