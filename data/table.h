#pragma once

#include "data/database.h"

#include <QString>
#include <QVariant>

#include <vector>

// A cursor over one table of the store, in the order of its current index:
// the primary key, a named secondary index, or insertion order where the
// table has no key. Rows are edited in a buffer and written by post().
class Table {
public:
    enum class State { Inactive, Browse, Edit, Insert };

    // `database` null means the database behind qdb3.
    explicit Table(QString tableName, Database* database = nullptr);

    const QString& tableName() const { return tableName_; }
    // "" selects the primary key.
    void setIndexName(const QString& indexName);
    const QString& indexName() const { return indexName_; }

    void open();  // throws StoreError when the table is missing
    void close();
    bool isOpen() const { return state_ != State::Inactive; }
    State state() const { return state_; }

    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    int recordCount() const { return static_cast<int>(rowids_.size()); }
    int recNo() const { return position_; }

    // Finds the first row whose fields of the current index equal `key` (the
    // leading field when the index has several) and makes it current.
    // Reports false and keeps the current row when there is none.
    bool findKey(const QString& key);

    // The store's own number of the current row (0 when there is none): the
    // key of a table without one.
    qint64 rowId() const;
    // Reads the current row again from the store, dropping what was set in
    // the buffer; false when the row is no longer there.
    bool refresh();

    QVariant value(const QString& field) const;
    QString text(const QString& field) const { return value(field).toString(); }
    qint64 integer(const QString& field) const { return value(field).toLongLong(); }
    double number(const QString& field) const { return value(field).toDouble(); }
    bool isNull(const QString& field) const;
    void setValue(const QString& field, const QVariant& value);

    void append();
    void edit();
    // Writes the buffer. A text longer than its field is refused with a
    // StoreError naming the field; nothing is written then.
    void post();
    void cancel();
    void deleteRow();

    const TableInfo& info() const;

private:
    Database& database() const;
    QStringList orderFields() const;
    void loadOrder();
    void loadCurrent();
    void requireOpen() const;
    void requireEditing(const char* operation) const;
    void checkLengths() const;
    void positionAt(qint64 rowid);
    int fieldIndexOrThrow(const QString& field) const;

    QString tableName_;
    Database* database_;
    QString indexName_;
    State state_ = State::Inactive;
    std::vector<qint64> rowids_;
    int position_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    std::vector<QVariant> buffer_;  // values of the current row, by field index
    std::vector<QVariant> loaded_;  // the row as read from the store
};
