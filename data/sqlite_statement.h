#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// One statement prepared straight on SQLite's connection, finalized with the
// object. Failures carry SQLite's own message.
class SqliteStatement {
public:
    SqliteStatement() = default;
    // Prepares `sql` (one statement; only blanks may follow it). Throws
    // StoreError(context, SQLite's message) when SQLite refuses the text or it
    // holds no statement.
    SqliteStatement(sqlite3* handle, const QString& sql, const QString& context);
    ~SqliteStatement() { finalize(); }
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    explicit operator bool() const { return statement_ != nullptr; }
    sqlite3_stmt* get() const { return statement_; }
    void finalize();
    // Puts the statement back before its first row, keeping its bindings;
    // it then holds no read of the store until it is stepped again.
    void reset();

    // Binds the value of the 1-based parameter `index` by its type: null
    // (also a null text, date or time), whole numbers and bool as integers,
    // doubles, byte arrays as blobs, everything else as UTF-8 text.
    void bind(int index, const QVariant& value, const QString& context);

    enum class Step { Row, Done, Failed };
    // Moves to the next row; after Failed, errorText() tells why.
    Step step();
    // Steps to the end; throws StoreError(context, SQLite's message) on failure.
    void run(const QString& context);
    QString errorText() const;
    // Rows changed by the connection's last INSERT, UPDATE or DELETE.
    int changes() const;

    int columnCount() const;
    QString columnName(int column) const;
    QString declaredType(int column) const;  // empty when the column has none
    // The value of a column of the current row: qint64, double, QString,
    // QByteArray, or a null QString for NULL.
    QVariant value(int column) const;

private:
    sqlite3* handle_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
};
