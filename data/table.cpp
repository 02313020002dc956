#include "data/table.h"

#include "common/cp949.h"
#include "data/store_error.h"
#include "data/table_name.h"
#include "data/transaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {
QString quoteName(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString errorText(const QSqlQuery& query) {
    const QSqlError error = query.lastError();
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

// A number field given an empty text: SQLite keeps the text; the server
// takes no text in a number field, so there it is empty (null), which the
// forms read alike.
QVariant boundValue(const FieldDef& field, const QVariant& value, bool server) {
    if (server && field.isNumeric() && value.typeId() == QMetaType::QString &&
        value.toString().trimmed().isEmpty()) {
        return QVariant();
    }
    return value;
}
}  // namespace

Table::Table(QString tableName, Database* database)
    : tableName_(std::move(tableName)), database_(database) {}

Database& Table::database() const {
    return database_ ? *database_ : Database::qdb3();
}

const TableInfo& Table::info() const {
    return database().tableInfo(tableName_);
}

void Table::setIndexName(const QString& indexName) {
    if (!indexName.isEmpty() && !info().indexes.contains(indexName.toLower())) {
        throw StoreError(QStringLiteral("색인을 찾을 수 없습니다: ") + indexName,
                         QStringLiteral("no such index: ") + indexName);
    }
    indexName_ = indexName;
    if (isOpen()) {
        const qint64 current = position_ >= 0 ? rowids_[static_cast<size_t>(position_)] : -1;
        loadOrder();
        positionAt(current);
    }
}

QStringList Table::orderFields() const {
    if (!indexName_.isEmpty()) return info().indexes.value(indexName_.toLower());
    return info().primaryKey;
}

void Table::open() {
    if (isOpen()) return;
    info();  // throws when the table is missing
    state_ = State::Browse;
    loadOrder();
    first();
}

void Table::close() {
    state_ = State::Inactive;
    rowids_.clear();
    buffer_.clear();
    loaded_.clear();
    position_ = -1;
    eof_ = bof_ = true;
}

void Table::loadOrder() {
    QStringList order;
    for (const QString& field : orderFields())
        order.append(quoteName(field));
    order.append(QStringLiteral("rowid"));
    QSqlQuery query(database().connection());
    query.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT rowid FROM %1 ORDER BY %2")
                            .arg(quoteName(canonicalTableName(tableName_)), order.join(u','));
    if (!query.exec(sql))
        throw StoreError(QStringLiteral("테이블을 읽을 수 없습니다: ") + tableName_,
                         errorText(query));
    rowids_.clear();
    while (query.next())
        rowids_.push_back(query.value(0).toLongLong());
}

void Table::loadCurrent() {
    const TableInfo& table = info();
    buffer_.assign(table.fields.size(), QVariant());
    if (position_ < 0) {
        loaded_ = buffer_;
        return;
    }
    QSqlQuery query(database().connection());
    query.setForwardOnly(true);
    // The fields by name: a table on a server also has its hidden row number.
    QStringList names;
    for (const FieldDef& field : table.fields)
        names.append(quoteName(field.name));
    // The row number is written into the statement: a server then answers
    // in one round trip, where a prepared statement takes three (prepare,
    // run, release) for every row a walk over the table visits.
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = %3")
                            .arg(names.join(u','), quoteName(table.name))
                            .arg(rowids_[static_cast<size_t>(position_)]);
    if (!query.exec(sql))
        throw StoreError(QStringLiteral("자료를 읽을 수 없습니다: ") + tableName_,
                         errorText(query));
    if (query.next()) {
        for (size_t i = 0; i < buffer_.size(); ++i)
            buffer_[i] = query.value(static_cast<int>(i));
    }
    loaded_ = buffer_;
}

void Table::requireOpen() const {
    if (!isOpen()) {
        throw StoreError(QStringLiteral("테이블이 열려 있지 않습니다: ") + tableName_,
                         QStringLiteral("dataset not open"));
    }
}

void Table::requireEditing(const char* operation) const {
    if (state_ != State::Edit && state_ != State::Insert) {
        throw StoreError(QStringLiteral("자료가 수정 상태가 아닙니다: ") + tableName_,
                         QStringLiteral("dataset not in edit or insert mode (") +
                             QLatin1String(operation) + u')');
    }
}

void Table::positionAt(qint64 rowid) {
    position_ = -1;
    for (size_t i = 0; i < rowids_.size(); ++i) {
        if (rowids_[i] == rowid) {
            position_ = static_cast<int>(i);
            break;
        }
    }
    if (position_ < 0 && !rowids_.empty()) position_ = 0;
    eof_ = bof_ = rowids_.empty();
    loadCurrent();
}

void Table::first() {
    requireOpen();
    if (state_ != State::Browse) cancel();
    position_ = rowids_.empty() ? -1 : 0;
    eof_ = bof_ = true;
    if (position_ == 0) eof_ = false;
    loadCurrent();
}

void Table::next() {
    requireOpen();
    if (state_ != State::Browse) post();
    if (position_ < 0 || position_ + 1 >= recordCount()) {
        eof_ = true;
        return;
    }
    ++position_;
    bof_ = false;
    loadCurrent();
}

void Table::prior() {
    requireOpen();
    if (state_ != State::Browse) post();
    if (position_ <= 0) {
        bof_ = true;
        return;
    }
    --position_;
    eof_ = false;
    loadCurrent();
}

void Table::last() {
    requireOpen();
    if (state_ != State::Browse) post();
    position_ = recordCount() - 1;
    eof_ = true;
    bof_ = position_ <= 0;
    loadCurrent();
    if (position_ >= 0) eof_ = false;
}

bool Table::findKey(const QString& key) {
    requireOpen();
    if (state_ != State::Browse) post();
    const QStringList fields = orderFields();
    if (fields.isEmpty()) {
        throw StoreError(QStringLiteral("키가 없는 테이블에서는 찾을 수 없습니다: ") + tableName_,
                         QStringLiteral("no index for find"));
    }
    QStringList order;
    for (const QString& field : fields)
        order.append(quoteName(field));
    order.append(QStringLiteral("rowid"));
    QSqlQuery query(database().connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE %2 = ? ORDER BY %3 LIMIT 1")
                      .arg(quoteName(info().name), quoteName(fields.first()), order.join(u',')));
    query.bindValue(0, key);
    if (!query.exec())
        throw StoreError(QStringLiteral("자료를 찾을 수 없습니다: ") + tableName_,
                         errorText(query));
    if (!query.next()) return false;
    positionAt(query.value(0).toLongLong());
    return true;
}

int Table::fieldIndexOrThrow(const QString& field) const {
    const int index = info().fieldIndex(field);
    if (index < 0) {
        throw StoreError(QStringLiteral("항목을 찾을 수 없습니다: ") + tableName_ + u'.' + field,
                         QStringLiteral("field not found: ") + field);
    }
    return index;
}

QVariant Table::value(const QString& field) const {
    requireOpen();
    const int index = fieldIndexOrThrow(field);
    if (buffer_.empty()) return {};
    return buffer_[static_cast<size_t>(index)];
}

bool Table::isNull(const QString& field) const {
    const QVariant v = value(field);
    return v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

void Table::setValue(const QString& field, const QVariant& value) {
    requireEditing("set field");
    buffer_[static_cast<size_t>(fieldIndexOrThrow(field))] = value;
}

void Table::append() {
    requireOpen();
    if (state_ != State::Browse) post();
    buffer_.assign(info().fields.size(), QVariant());
    state_ = State::Insert;
}

void Table::edit() {
    requireOpen();
    if (state_ == State::Edit || state_ == State::Insert) return;
    if (position_ < 0) {
        throw StoreError(QStringLiteral("수정할 자료가 없습니다: ") + tableName_,
                         QStringLiteral("no current record"));
    }
    state_ = State::Edit;
}

void Table::checkLengths() const {
    const TableInfo& table = info();
    for (size_t i = 0; i < table.fields.size(); ++i) {
        const FieldDef& field = table.fields[i];
        if (field.type != FieldType::Text || field.size <= 0 || buffer_[i].isNull()) continue;
        const int bytes = cp949ByteLength(buffer_[i].toString());
        if (bytes > field.size) {
            throw StoreError(
                QStringLiteral("'%1' 항목은 %2바이트까지 저장할 수 있습니다 (입력: %3바이트).")
                    .arg(field.name)
                    .arg(field.size)
                    .arg(bytes),
                QStringLiteral("value too long for field %1.%2").arg(table.name, field.name));
        }
    }
}

void Table::post() {
    requireEditing("post");
    checkLengths();
    const TableInfo& table = info();
    QStringList names;
    QStringList marks;
    for (const FieldDef& field : table.fields) {
        names.append(quoteName(field.name));
        marks.append(QStringLiteral("?"));
    }
    QSqlQuery query(database().connection());
    // On a server, preparing a write already takes the table's lock, and may
    // wait for another desk's write and fail: it runs inside the statement's
    // savepoint, and a failure there is reported as the save's (the busy
    // message when another desk held the table).
    StatementTransaction transaction(database());
    bool prepared = false;
    if (state_ == State::Insert) {
        // The server tells the new row's number only when asked.
        const QString returning =
            database().isServer() ? QStringLiteral(" RETURNING rowid") : QString();
        prepared = query.prepare(
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)%4")
                .arg(quoteName(table.name), names.join(u','), marks.join(u','), returning));
    } else {
        QStringList sets;
        for (const QString& name : names)
            sets.append(name + QStringLiteral(" = ?"));
        prepared = query.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                     .arg(quoteName(table.name), sets.join(u',')));
    }
    if (!prepared && database().isServer()) {
        database().throwFailure(QStringLiteral("자료를 저장할 수 없습니다: ") + tableName_, query);
    }
    for (size_t i = 0; i < buffer_.size(); ++i)
        query.addBindValue(boundValue(table.fields[i], buffer_[i], database().isServer()));
    if (state_ == State::Edit) query.addBindValue(rowids_[static_cast<size_t>(position_)]);
    if (!query.exec()) {
        const QString text = errorText(query);
        if (database().isKeyClash(query.lastError())) {
            throw StoreKeyClash(
                QStringLiteral("같은 키의 자료가 이미 있습니다 (Key violation). ") + tableName_, text);
        }
        throw StoreError(QStringLiteral("자료를 저장할 수 없습니다. ") + tableName_, text);
    }
    transaction.commit();
    const bool returned = state_ == State::Insert && database().isServer() && query.next();
    const qint64 rowid = returned                  ? query.value(0).toLongLong()
                         : state_ == State::Insert ? query.lastInsertId().toLongLong()
                                                   : rowids_[static_cast<size_t>(position_)];
    bool orderChanged = state_ == State::Insert;
    if (!orderChanged) {
        for (const QString& field : orderFields()) {
            const auto index = static_cast<size_t>(table.fieldIndex(field));
            orderChanged = orderChanged || buffer_[index] != loaded_[index];
        }
    }
    state_ = State::Browse;
    if (orderChanged) {
        loadOrder();
        positionAt(rowid);
    } else {
        loaded_ = buffer_;
    }
}

qint64 Table::rowId() const {
    return position_ >= 0 ? rowids_[static_cast<size_t>(position_)] : 0;
}

bool Table::refresh() {
    requireOpen();
    state_ = State::Browse;
    if (position_ < 0) return false;
    QSqlQuery query(database().connection());
    query.prepare(
        QStringLiteral("SELECT count(*) FROM %1 WHERE rowid = ?").arg(quoteName(info().name)));
    query.addBindValue(rowId());
    if (!query.exec() || !query.next())
        throw StoreError(QStringLiteral("자료를 읽을 수 없습니다: ") + tableName_,
                         errorText(query));
    const bool found = query.value(0).toLongLong() > 0;
    loadCurrent();
    return found;
}

void Table::cancel() {
    if (state_ == State::Edit || state_ == State::Insert) {
        state_ = State::Browse;
        loadCurrent();
    }
}

void Table::deleteRow() {
    requireOpen();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    state_ = State::Browse;
    if (position_ < 0) {
        throw StoreError(QStringLiteral("삭제할 자료가 없습니다: ") + tableName_,
                         QStringLiteral("no current record"));
    }
    QSqlQuery query(database().connection());
    query.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteName(info().name)));
    query.addBindValue(rowids_[static_cast<size_t>(position_)]);
    {
        StatementTransaction transaction(database());
        if (!query.exec()) {
            throw StoreError(QStringLiteral("자료를 삭제할 수 없습니다: ") + tableName_,
                             errorText(query));
        }
        transaction.commit();
    }
    rowids_.erase(rowids_.begin() + position_);
    if (rowids_.empty()) {
        position_ = -1;
        eof_ = bof_ = true;
    } else if (position_ >= recordCount()) {
        // The last row was deleted: the cursor stands on the new last row,
        // past which a walk ends.
        position_ = recordCount() - 1;
        eof_ = true;
    }
    loadCurrent();
}
