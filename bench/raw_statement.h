#pragma once

#include <QString>
#include <QVariant>

#include <sqlite3.h>

// A statement straight on SQLite's C API, for the benchmark's "SQLite alone"
// paths. Failures throw std::runtime_error with SQLite's message.
class RawStatement {
public:
    RawStatement(sqlite3* handle, const QString& sql);
    ~RawStatement() { sqlite3_finalize(statement_); }
    RawStatement(const RawStatement&) = delete;
    RawStatement& operator=(const RawStatement&) = delete;

    // Binds the 1-based parameter: text as UTF-8, anything else as a whole number.
    void bind(int index, const QVariant& value);
    // True on a row, false at the end.
    bool step();
    void reset() { sqlite3_reset(statement_); }
    sqlite3_stmt* get() const { return statement_; }

private:
    sqlite3* handle_;
    sqlite3_stmt* statement_ = nullptr;
};

// Runs one statement without parameters and results.
void runRaw(sqlite3* handle, const char* sql);
