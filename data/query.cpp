#include "data/query.h"

#include "data/database.h"
#include "data/store_error.h"

#include <QSqlError>
#include <QSqlRecord>
#include <QSqlResult>

#include <sqlite3.h>

namespace {
QString errorText(const QSqlQuery& query) {
    const QSqlError error = query.lastError();
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

sqlite3_stmt* statementHandle(const QSqlQuery& query) {
    const QSqlResult* result = query.result();
    if (!result) return nullptr;
    const QVariant v = result->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3_stmt*") != 0) return nullptr;
    return *static_cast<sqlite3_stmt* const*>(v.data());
}

bool isWordAt(const QString& sql, qsizetype at, QLatin1StringView word) {
    if (at > 0 && (sql[at - 1].isLetterOrNumber() || sql[at - 1] == u'_')) return false;
    if (QStringView(sql).mid(at, word.size()).compare(word, Qt::CaseInsensitive) != 0) return false;
    const qsizetype end = at + word.size();
    return end >= sql.size() || !(sql[end].isLetterOrNumber() || sql[end] == u'_');
}

// The statement without its closing ORDER BY clause (outside parentheses and
// quotes, with no LIMIT, OFFSET or parameter after it). The order does not change how
// many rows there are, and without it the store counts the rows from an
// index instead of reading each row in order.
QString withoutClosingOrderBy(const QString& sql) {
    qsizetype orderAt = -1;
    int depth = 0;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            --depth;
        } else if (depth == 0 && isWordAt(sql, i, QLatin1StringView("order"))) {
            qsizetype by = i + 5;
            while (by < sql.size() && sql[by].isSpace()) ++by;
            if (isWordAt(sql, by, QLatin1StringView("by"))) orderAt = i;
        } else if (depth == 0 && orderAt >= 0 &&
                   (isWordAt(sql, i, QLatin1StringView("limit")) ||
                    isWordAt(sql, i, QLatin1StringView("offset")))) {
            return sql;
        }
    }
    // A parameter in the clause keeps it, so that every parameter stays bound.
    if (orderAt < 0 || sql.indexOf(u'?', orderAt) >= 0) return sql;
    return sql.left(orderAt);
}

FieldType typeOfValue(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::LongLong:
        case QMetaType::Int: return FieldType::Integer;
        case QMetaType::Double: return FieldType::Float;
        case QMetaType::QString: return FieldType::Text;
        default: return FieldType::Unknown;
    }
}
}  // namespace

Query::Query(Database* database) : database_(database) {}

Query::~Query() = default;

Database& Query::database() const { return database_ ? *database_ : Database::qdb3(); }

void Query::clear() {
    close();
    lines_.clear();
}

void Query::add(const QString& line) { lines_.append(line); }

void Query::setParam(const QString& name, const QVariant& value) { params_.insert(name.toLower(), value); }

QVariant Query::param(const QString& name) const { return params_.value(name.toLower()); }

void Query::setPersistentFields(std::vector<FieldDef> fields) {
    persistent_ = std::move(fields);
    for (FieldDef& field : persistent_) {
        if (field.displayLabel.isEmpty()) field.displayLabel = field.name;
    }
}

void Query::prepareAndBind(QSqlQuery& query, const TranslatedSql& sql) const {
    if (!query.prepare(sql.sql)) {
        throw StoreError(QStringLiteral("자료 검색 명령을 처리할 수 없습니다."), errorText(query));
    }
    for (int i = 0; i < sql.parameters.size(); ++i) {
        const QString name = sql.parameters[i].toLower();
        if (!params_.contains(name)) {
            throw StoreError(QStringLiteral("검색 조건의 값이 없습니다: :") + sql.parameters[i],
                             QStringLiteral("parameter not set: ") + sql.parameters[i]);
        }
        query.bindValue(i, params_.value(name));
    }
}

void Query::open() {
    close();
    const TranslatedSql sql = translated();
    auto query = std::make_unique<QSqlQuery>(database().connection());
    query->setForwardOnly(false);
    prepareAndBind(*query, sql);
    if (!query->exec()) throw StoreError(QStringLiteral("자료를 읽을 수 없습니다."), errorText(*query));
    if (!query->isSelect()) {
        throw StoreError(QStringLiteral("자료를 돌려주지 않는 명령입니다."), QStringLiteral("not a select statement"));
    }
    query_ = std::move(query);
    openSql_ = sql;
    open_ = true;
    buildFields();
    first();
}

void Query::close() {
    query_.reset();
    open_ = false;
    count_.reset();
    resultFields_.clear();
    columns_.clear();
    position_ = -1;
    eof_ = bof_ = true;
}

int Query::exec() {
    close();
    const TranslatedSql sql = translated();
    QSqlQuery query(database().connection());
    prepareAndBind(query, sql);
    if (!query.exec()) throw StoreError(QStringLiteral("자료를 처리할 수 없습니다."), errorText(query));
    return query.numRowsAffected();
}

void Query::buildFields() {
    const QSqlRecord record = query_->record();
    sqlite3_stmt* statement = statementHandle(*query_);
    std::vector<FieldDef> columns;
    for (int i = 0; i < record.count(); ++i) {
        const char* declared = statement ? sqlite3_column_decltype(statement, i) : nullptr;
        FieldDef field = fieldFromDeclaredType(record.fieldName(i), declared ? QString::fromUtf8(declared) : QString());
        columns.push_back(field);
    }
    // Columns without a declared type (sums, counts) take the type of their
    // first value.
    bool untyped = false;
    for (const FieldDef& field : columns) untyped = untyped || field.type == FieldType::Unknown;
    if (untyped && query_->seek(0)) {
        for (size_t i = 0; i < columns.size(); ++i) {
            if (columns[i].type != FieldType::Unknown) continue;
            columns[i].type = typeOfValue(query_->value(static_cast<int>(i)));
            columns[i].displayWidth = defaultDisplayWidth(columns[i]);
        }
    }

    if (persistent_.empty()) {
        resultFields_ = columns;
        for (size_t i = 0; i < columns.size(); ++i) columns_.push_back(static_cast<int>(i));
        return;
    }
    for (FieldDef& field : persistent_) {
        int column = -1;
        for (size_t i = 0; i < columns.size(); ++i) {
            if (columns[i].name.compare(field.name, Qt::CaseInsensitive) == 0) column = static_cast<int>(i);
        }
        if (column < 0) {
            throw StoreError(QStringLiteral("검색 결과에 항목이 없습니다: ") + field.name,
                             QStringLiteral("field not found: ") + field.name);
        }
        if (field.type == FieldType::Unknown) field.type = columns[column].type;
        if (field.size == 0) field.size = columns[column].size;
        if (field.displayWidth == 0) field.displayWidth = defaultDisplayWidth(field);
        columns_.push_back(column);
    }
}

const std::vector<FieldDef>& Query::fields() const { return persistent_.empty() ? resultFields_ : persistent_; }

int Query::fieldIndex(const QString& name) const {
    const auto& list = fields();
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].name.compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    }
    return -1;
}

FieldDef& Query::field(const QString& name) {
    const int index = fieldIndex(name);
    if (index < 0) {
        throw StoreError(QStringLiteral("항목을 찾을 수 없습니다: ") + name, QStringLiteral("field not found: ") + name);
    }
    return field(index);
}

FieldDef& Query::field(int index) {
    auto& list = persistent_.empty() ? resultFields_ : persistent_;
    return list.at(static_cast<size_t>(index));
}

int Query::recordCount() {
    if (!open_) return 0;
    if (!count_) {
        QSqlQuery counter(database().connection());
        TranslatedSql sql = openSql_;
        sql.sql = QStringLiteral("SELECT count(*) FROM (") + withoutClosingOrderBy(sql.sql) +
                  QStringLiteral("\n)");
        prepareAndBind(counter, sql);
        if (!counter.exec() || !counter.next()) {
            throw StoreError(QStringLiteral("자료의 수를 셀 수 없습니다."), errorText(counter));
        }
        count_ = counter.value(0).toInt();
    }
    return *count_;
}

bool Query::isEmpty() { return !open_ || !fetch(0); }

bool Query::fetch(int row) {
    if (!query_ || row < 0) return false;
    if (query_->at() == row) return true;
    return query_->seek(row);
}

void Query::first() {
    bof_ = true;
    if (fetch(0)) {
        position_ = 0;
        eof_ = false;
    } else {
        position_ = -1;
        eof_ = true;
    }
}

void Query::next() {
    if (position_ < 0) {
        eof_ = true;
        return;
    }
    if (fetch(position_ + 1)) {
        ++position_;
        bof_ = false;
        eof_ = false;
    } else {
        eof_ = true;
        fetch(position_);
    }
}

void Query::prior() {
    if (position_ <= 0) {
        bof_ = true;
        return;
    }
    --position_;
    eof_ = false;
    fetch(position_);
}

void Query::last() {
    if (!query_ || !query_->last()) {
        position_ = -1;
        eof_ = bof_ = true;
        return;
    }
    position_ = query_->at();
    count_ = position_ + 1;
    eof_ = false;
    bof_ = position_ == 0;
}

bool Query::moveTo(int row) {
    if (!fetch(row)) return false;
    position_ = row;
    eof_ = false;
    bof_ = row == 0;
    return true;
}

int Query::columnOf(int fieldIndex) const {
    if (fieldIndex < 0 || fieldIndex >= static_cast<int>(columns_.size())) return -1;
    return columns_[static_cast<size_t>(fieldIndex)];
}

QVariant Query::value(int fieldIndex) {
    const int column = columnOf(fieldIndex);
    if (column < 0 || position_ < 0 || !fetch(position_)) return {};
    return query_->value(column);
}

QVariant Query::value(const QString& name) {
    const int index = fieldIndex(name);
    if (index < 0) {
        // A column of the select list that is not a persistent field.
        if (query_ && position_ >= 0 && fetch(position_)) {
            const int column = query_->record().indexOf(name);
            if (column >= 0) return query_->value(column);
        }
        throw StoreError(QStringLiteral("항목을 찾을 수 없습니다: ") + name, QStringLiteral("field not found: ") + name);
    }
    return value(index);
}

QVariant Query::valueAt(int row, int fieldIndex) {
    const int column = columnOf(fieldIndex);
    if (column < 0 || !fetch(row)) return {};
    return query_->value(column);
}

bool Query::isNull(const QString& name) {
    const QVariant v = value(name);
    return v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
}
