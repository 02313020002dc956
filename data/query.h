#pragma once

#include "data/field_def.h"
#include "data/row_cache.h"
#include "data/sql_dialect.h"
#include "data/sqlite_statement.h"

#include <QHash>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

class Database;
class QSqlRecord;

// A statement of the local SQL dialect, kept as lines of text with named
// parameters, and the rows of its result. Rows are read from the store as
// they are visited and kept for visiting again, so a large result opens at
// once. An unfinished statement holds a read of the store, which would keep
// this connection from writing once another program has written; so the
// database releases its queries whenever the program waits for the user or
// is refused a write for that reason. A released query keeps the rows read
// so far; reading on runs its statement again and steps past them.
//
// A query may have persistent fields: then its fields are exactly those, in
// their order and with their display properties, whatever the select list
// holds beyond them.
class Query {
public:
    // `database` null means the database behind qdb3.
    explicit Query(Database* database = nullptr);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    // Statement text.
    void clear();
    void add(const QString& line);
    const QStringList& lines() const { return lines_; }
    QString text() const { return lines_.join(u'\n'); }
    void setParam(const QString& name, const QVariant& value);
    QVariant param(const QString& name) const;
    const QHash<QString, QVariant>& params() const { return params_; }
    void clearParams() { params_.clear(); }
    TranslatedSql translated() const { return translateSql(text()); }

    // Persistent fields.
    void setPersistentFields(std::vector<FieldDef> fields);
    bool hasPersistentFields() const { return !persistent_.empty(); }

    // Runs a select statement; throws StoreError when the store refuses it.
    void open();
    void close();
    bool isOpen() const { return open_; }
    // Ends the statement's read of the store and keeps the rows read so far.
    void release();
    // Runs a statement that returns no rows; gives the number of rows changed.
    int exec();
    // Locks the rows this select statement finds until the user action's
    // transaction ends, so that another desk writing them waits until then.
    // Only a store on a server needs it: the store file lets one action write
    // at a time from the action's start, so there nothing is run.
    void lockRows();

    // Fields of the open result (or the persistent fields).
    const std::vector<FieldDef>& fields() const;
    int fieldCount() const { return static_cast<int>(fields().size()); }
    int fieldIndex(const QString& name) const;  // -1 when missing
    FieldDef& field(const QString& name);       // throws when missing
    FieldDef& field(int index);

    // Cursor over the result. first() on an empty result sets eof().
    int recordCount();
    bool isEmpty();
    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    int recNo() const { return position_; }  // 0-based; -1 when empty
    bool moveTo(int row);

    QVariant value(const QString& field);
    QVariant value(int fieldIndex);
    QVariant valueAt(int row, int fieldIndex);
    QString text(const QString& field) { return value(field).toString(); }
    qint64 integer(const QString& field) { return value(field).toLongLong(); }
    double number(const QString& field) { return value(field).toDouble(); }
    bool isNull(const QString& field);

    Database& database() const;

private:
    SqliteStatement prepared(Database& database, const TranslatedSql& sql) const;
    // The store on a database server: the rows are read a screen at a time,
    // each screen by a statement of its own, so no read holds the server
    // between screens.
    QVariantList boundValues(const TranslatedSql& sql) const;
    void openOnServer(Database& database, const TranslatedSql& sql);
    bool readServerRows();
    std::vector<FieldDef> serverColumns(const QSqlRecord& record);
    std::vector<FieldDef> readColumns();
    void buildFields();
    int firstColumnNamed(const QString& name) const;  // -1 when missing
    int lastColumnNamed(const QString& name) const;   // -1 when missing
    int countRows() const;
    int columnOf(int fieldIndex) const;
    bool fetch(int row);
    bool readRow();
    bool skipRowsRead();
    void readAll();

    Database* database_;
    Database* reading_ = nullptr;  // the connection the open statement reads from
    QStringList lines_;
    QHash<QString, QVariant> params_;
    std::vector<FieldDef> persistent_;
    std::vector<FieldDef> resultFields_;
    std::vector<int> columns_;    // result column of each field
    SqliteStatement statement_;   // null once every row was read
    bool released_ = false;       // statement_ put back before its first row
    QStringList columnNames_;     // of the result
    RowCache rows_;               // the rows read so far
    TranslatedSql openSql_;       // the statement of the open result, counted by recordCount()
    bool onServer_ = false;       // the rows come from a database server
    bool serverDone_ = false;     // every row of the server's result was read
    bool serverLimited_ = false;  // the statement has its own LIMIT: read at once
    std::vector<bool> hidden_;    // result columns not shown as fields (the server's rowid)
    std::vector<bool> exact_;     // result columns of the server's exact numbers
    bool open_ = false;
    std::optional<int> count_;
    int position_ = -1;
    bool eof_ = true;
    bool bof_ = true;
};
