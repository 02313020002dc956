#pragma once

#include <QVariant>

#include <cstdint>
#include <vector>

class QSqlQuery;
class SqliteStatement;
struct sqlite3_value;

// The rows of a result read so far, kept compactly: all values in one byte
// buffer (a type byte, then a number's eight bytes or the UTF-8 bytes of a
// text or the bytes of a blob), each row found through where it starts and
// each cell through its offset in the row. A value becomes a QVariant only
// when it is read: qint64, double, QString, QByteArray, or a null QString
// for NULL.
class RowCache {
public:
    // Forgets every row and frees their memory.
    void reset(int columnCount);
    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }

    // Keeps the values of the statement's current row. Throws StoreError
    // when the row holds more than 4 GiB.
    void appendRow(const SqliteStatement& statement);
    // The same for the current row of a query on a database server. The
    // server gives its exact numbers (sums of whole numbers, numeric
    // constants) as text; in the columns marked `exact` they become whole
    // numbers or doubles, as SQLite gives them.
    void appendRow(const QSqlQuery& query, const std::vector<bool>& exact);
    // `row` below rowCount(), `column` below columnCount().
    QVariant value(int row, int column) const;

private:
    // A value of the row being appended.
    struct Value {
        sqlite3_value* value = nullptr;
        char type = 0;
        size_t size = 0;
    };

    int columns_ = 0;
    int rows_ = 0;
    std::vector<char> bytes_;
    std::vector<std::uint64_t> rowStarts_;   // where each row starts in bytes_
    std::vector<std::uint32_t> cellStarts_;  // where each cell starts in its row
    std::vector<Value> values_;              // room for the row being appended
};
