#pragma once

#include "data/store_error.h"

#include <QByteArray>
#include <QString>

#include <sqlite3.h>

// One insert statement of the generators, prepared once and run for every
// generated row: values are bound in column order, then run() writes the row.
class PreparedInsert {
public:
    PreparedInsert(sqlite3* handle, const char* sql, QString failure)
        : handle_(handle), failure_(std::move(failure)) {
        if (sqlite3_prepare_v2(handle, sql, -1, &statement_, nullptr) != SQLITE_OK) fail();
    }
    ~PreparedInsert() { sqlite3_finalize(statement_); }
    PreparedInsert(const PreparedInsert&) = delete;
    PreparedInsert& operator=(const PreparedInsert&) = delete;

    PreparedInsert& text(const QString& value) {
        if (value.isNull()) {
            sqlite3_bind_null(statement_, ++column_);
        } else {
            const QByteArray utf8 = value.toUtf8();
            sqlite3_bind_text(statement_, ++column_, utf8.constData(),
                              static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        }
        return *this;
    }
    PreparedInsert& number(qint64 value) {
        sqlite3_bind_int64(statement_, ++column_, value);
        return *this;
    }
    void run() {
        if (sqlite3_step(statement_) != SQLITE_DONE) fail();
        sqlite3_reset(statement_);
        column_ = 0;
    }

private:
    [[noreturn]] void fail() {
        throw StoreError(failure_, QString::fromUtf8(sqlite3_errmsg(handle_)));
    }

    sqlite3* handle_;
    QString failure_;
    sqlite3_stmt* statement_ = nullptr;
    int column_ = 0;
};
