#include "data/query.h"

#include "data/database.h"
#include "data/server_sql.h"
#include "data/store_error.h"
#include "data/transaction.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtGlobal>

#include <algorithm>
#include <limits>
#include <utility>

namespace {
QString prepareContext() {
    return QStringLiteral("자료 검색 명령을 처리할 수 없습니다.");
}
QString readContext() {
    return QStringLiteral("자료를 읽을 수 없습니다.");
}

// Rows read beyond the one asked for when a released statement runs again.
constexpr int kRowsReadAfterRelease = 200;
// Rows of the first screen read from a server: what the tallest grid shows
// at once. A search that matches rarely makes the server walk far for each
// row, so the first read asks for no more than is shown (a fourth of the time
// of a 200-row read for the address search at 200,000 listings). Each later
// read takes as many rows as were read before it, so a long walk runs few
// statements.
constexpr int kServerFirstRows = 64;

// Whether the statement ends with its own LIMIT (outside parentheses and
// quotes).
bool hasClosingLimit(const QString& sql) {
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
        } else if (depth == 0 &&
                   (sql.mid(i, 5).compare(QLatin1StringView("limit"), Qt::CaseInsensitive) == 0) &&
                   (i == 0 || !sql[i - 1].isLetterOrNumber()) &&
                   (i + 5 >= sql.size() || !sql[i + 5].isLetterOrNumber())) {
            return true;
        }
    }
    return false;
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
            while (by < sql.size() && sql[by].isSpace())
                ++by;
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

// Field and column names compare without case. Case folding keeps the
// length, so names of different lengths differ at once.
bool sameName(const QString& a, const QString& b) {
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

FieldType typeOfValue(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::LongLong:
        case QMetaType::Int:
            return FieldType::Integer;
        case QMetaType::Double:
            return FieldType::Float;
        case QMetaType::QString:
            return FieldType::Text;
        default:
            return FieldType::Unknown;
    }
}
}  // namespace

Query::Query(Database* database) : database_(database) {}

Query::~Query() {
    close();
}

Database& Query::database() const {
    return database_ ? *database_ : Database::qdb3();
}

void Query::clear() {
    close();
    lines_.clear();
}

void Query::add(const QString& line) {
    lines_.append(line);
}

void Query::setParam(const QString& name, const QVariant& value) {
    params_.insert(name.toLower(), value);
}

QVariant Query::param(const QString& name) const {
    return params_.value(name.toLower());
}

void Query::setPersistentFields(std::vector<FieldDef> fields) {
    persistent_ = std::move(fields);
    for (FieldDef& field : persistent_) {
        if (field.displayLabel.isEmpty()) field.displayLabel = field.name;
    }
}

QVariantList Query::boundValues(const TranslatedSql& sql) const {
    QVariantList values;
    for (const QString& name : sql.parameters) {
        const auto value = params_.constFind(name.toLower());
        if (value == params_.constEnd()) {
            throw StoreError(QStringLiteral("검색 조건의 값이 없습니다: :") + name,
                             QStringLiteral("parameter not set: ") + name);
        }
        values.append(*value);
    }
    return values;
}

SqliteStatement Query::prepared(Database& database, const TranslatedSql& sql) const {
    SqliteStatement statement(database.handle(), sql.sql, prepareContext());
    for (int i = 0; i < sql.parameters.size(); ++i) {
        const auto value = params_.constFind(sql.parameters[i].toLower());
        if (value == params_.constEnd()) {
            throw StoreError(QStringLiteral("검색 조건의 값이 없습니다: :") + sql.parameters[i],
                             QStringLiteral("parameter not set: ") + sql.parameters[i]);
        }
        statement.bind(i + 1, *value, prepareContext());
    }
    return statement;
}

void Query::open() {
    close();
    Database& database = this->database();
    const TranslatedSql sql = translated();
    if (database.isServer()) {
        openOnServer(database, sql);
        return;
    }
    SqliteStatement statement = prepared(database, sql);
    if (statement.columnCount() == 0) {
        throw StoreError(QStringLiteral("자료를 돌려주지 않는 명령입니다."),
                         QStringLiteral("not a select statement"));
    }
    statement_ = std::move(statement);
    reading_ = &database;
    database.addReader(this);
    openSql_ = sql;
    open_ = true;
    try {
        buildFields();
    } catch (...) {
        close();
        throw;
    }
    first();
}

void Query::close() {
    statement_.finalize();
    onServer_ = serverDone_ = serverLimited_ = false;
    hidden_.clear();
    exact_.clear();
    released_ = false;
    if (reading_) std::exchange(reading_, nullptr)->removeReader(this);
    open_ = false;
    count_.reset();
    resultFields_.clear();
    columns_.clear();
    columnNames_.clear();
    rows_.reset(0);
    position_ = -1;
    eof_ = bof_ = true;
}

void Query::release() {
    if (!statement_ || released_) return;
    statement_.reset();
    released_ = true;
}

int Query::exec() {
    close();
    Database& database = this->database();
    StatementTransaction transaction(database);
    if (database.isServer()) {
        const TranslatedSql sql = translated();
        QSqlQuery query(database.connection());
        const QVariantList values = boundValues(sql);
        // The server prepares only queries and changes of rows.
        const bool done = values.isEmpty() ? query.exec(serverSql(sql.sql))
                                           : query.prepare(serverSql(sql.sql)) && [&] {
                                                 for (const QVariant& value : values)
                                                     query.addBindValue(value);
                                                 return query.exec();
                                             }();
        if (!done) database.throwFailure(QStringLiteral("자료를 처리할 수 없습니다."), query);
        const int changed = query.numRowsAffected();
        transaction.commit();
        return changed;
    }
    SqliteStatement statement = prepared(database, translated());
    statement.run(QStringLiteral("자료를 처리할 수 없습니다."));
    const int changed = statement.changes();
    transaction.commit();
    return changed;
}

void Query::lockRows() {
    close();
    if (!database().isServer()) return;
    Query lock(database_);
    lock.lines_ = lines_;
    lock.params_ = params_;
    lock.add(QStringLiteral(" for update"));
    lock.exec();
}

// The result's columns with their declared types. Columns without one (sums,
// counts) take the type of their first value, so the first row is read here.
std::vector<FieldDef> Query::readColumns() {
    const int count = statement_.columnCount();
    std::vector<FieldDef> columns;
    columns.reserve(static_cast<size_t>(count));
    columnNames_.reserve(count);
    for (int i = 0; i < count; ++i) {
        columnNames_.append(statement_.columnName(i));
        columns.push_back(fieldFromDeclaredType(columnNames_.back(), statement_.declaredType(i)));
    }
    rows_.reset(count);
    if (!readRow()) return columns;
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].type != FieldType::Unknown) continue;
        columns[i].type = typeOfValue(rows_.value(0, static_cast<int>(i)));
        columns[i].displayWidth = defaultDisplayWidth(columns[i]);
    }
    return columns;
}

void Query::buildFields() {
    std::vector<FieldDef> columns = onServer_ ? std::move(resultFields_) : readColumns();
    resultFields_.clear();
    if (persistent_.empty()) {
        for (size_t i = 0; i < columns.size(); ++i) {
            if (i < hidden_.size() && hidden_[i]) continue;
            columns_.push_back(static_cast<int>(i));
            resultFields_.push_back(columns[i]);
        }
        return;
    }
    for (FieldDef& field : persistent_) {
        const int column = lastColumnNamed(field.name);
        if (column < 0) {
            throw StoreError(QStringLiteral("검색 결과에 항목이 없습니다: ") + field.name,
                             QStringLiteral("field not found: ") + field.name);
        }
        const FieldDef& source = columns[static_cast<size_t>(column)];
        if (field.type == FieldType::Unknown) field.type = source.type;
        if (field.size == 0) field.size = source.size;
        if (field.displayWidth == 0) field.displayWidth = defaultDisplayWidth(field);
        columns_.push_back(column);
    }
}

int Query::firstColumnNamed(const QString& name) const {
    for (qsizetype i = 0; i < columnNames_.size(); ++i) {
        if (sameName(columnNames_[i], name)) return static_cast<int>(i);
    }
    return -1;
}

int Query::lastColumnNamed(const QString& name) const {
    for (qsizetype i = columnNames_.size() - 1; i >= 0; --i) {
        if (sameName(columnNames_[i], name)) return static_cast<int>(i);
    }
    return -1;
}

const std::vector<FieldDef>& Query::fields() const {
    return persistent_.empty() ? resultFields_ : persistent_;
}

int Query::fieldIndex(const QString& name) const {
    const auto& list = fields();
    for (size_t i = 0; i < list.size(); ++i) {
        if (sameName(list[i].name, name)) return static_cast<int>(i);
    }
    return -1;
}

FieldDef& Query::field(const QString& name) {
    const int index = fieldIndex(name);
    if (index < 0) {
        throw StoreError(QStringLiteral("항목을 찾을 수 없습니다: ") + name,
                         QStringLiteral("field not found: ") + name);
    }
    return field(index);
}

FieldDef& Query::field(int index) {
    auto& list = persistent_.empty() ? resultFields_ : persistent_;
    return list.at(static_cast<size_t>(index));
}

int Query::recordCount() {
    if (!open_) return 0;
    const bool allRead = onServer_ ? serverDone_ : !statement_;
    if (!count_) count_ = allRead ? rows_.rowCount() : countRows();
    return *count_;
}

int Query::countRows() const {
    if (onServer_) {
        QSqlQuery counter(reading_->connection());
        counter.setForwardOnly(true);
        const QString text = QStringLiteral("SELECT count(*) FROM (") +
                             serverSql(withoutClosingOrderBy(openSql_.sql)) +
                             QStringLiteral("\n) AS quarnel_counted");
        if (!counter.prepare(text))
            reading_->throwFailure(QStringLiteral("자료의 수를 셀 수 없습니다."), counter);
        for (const QVariant& value : boundValues(openSql_))
            counter.addBindValue(value);
        if (!counter.exec() || !counter.next()) {
            reading_->throwFailure(QStringLiteral("자료의 수를 셀 수 없습니다."), counter);
        }
        return counter.value(0).toInt();
    }
    TranslatedSql sql = openSql_;
    sql.sql = QStringLiteral("SELECT count(*) FROM (") + withoutClosingOrderBy(sql.sql) +
              QStringLiteral("\n)");
    SqliteStatement counter = prepared(*reading_, sql);
    if (counter.step() != SqliteStatement::Step::Row) {
        throw StoreError(QStringLiteral("자료의 수를 셀 수 없습니다."), counter.errorText());
    }
    return counter.value(0).toInt();
}

bool Query::isEmpty() {
    return !open_ || !fetch(0);
}

// Steps the statement once, keeping the row's values. At the end of the
// result the statement is finalized, so that it no longer holds the tables
// it read (the store refuses to drop a table while a statement reads it).
bool Query::readRow() {
    if (onServer_) return readServerRows();
    if (!statement_) return false;
    if (released_ && !skipRowsRead()) return false;
    switch (statement_.step()) {
        case SqliteStatement::Step::Row:
            break;
        case SqliteStatement::Step::Done:
            statement_.finalize();
            return false;
        case SqliteStatement::Step::Failed: {
            const QString text = statement_.errorText();
            statement_.finalize();
            throw StoreError(readContext(), text);
        }
    }
    rows_.appendRow(statement_);
    return true;
}

// Runs a released statement again up to the first row not yet read. Rows
// another program changed meanwhile are read as they now stand.
bool Query::skipRowsRead() {
    released_ = false;
    for (int row = 0; row < rows_.rowCount(); ++row) {
        switch (statement_.step()) {
            case SqliteStatement::Step::Row:
                break;
            case SqliteStatement::Step::Done:
                statement_.finalize();
                return false;
            case SqliteStatement::Step::Failed: {
                const QString text = statement_.errorText();
                statement_.finalize();
                throw StoreError(readContext(), text);
            }
        }
    }
    return true;
}

bool Query::fetch(int row) {
    if (row < 0) return false;
    if (row < rows_.rowCount()) return true;
    // Running a released statement again costs its whole start (a sort, the
    // rows already read); so it reads some rows more than asked for.
    const int wanted = released_ ? std::max(row, rows_.rowCount() + kRowsReadAfterRelease) : row;
    try {
        while (wanted >= rows_.rowCount()) {
            if (!readRow()) break;
        }
    } catch (const StoreError& error) {
        // Rows are read while a grid paints, where no exception may pass: the
        // result ends at the row that could not be read.
        qWarning("%s", error.what());
    }
    return row < rows_.rowCount();
}

void Query::readAll() {
    fetch(std::numeric_limits<int>::max());
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
    }
}

void Query::prior() {
    if (position_ <= 0) {
        bof_ = true;
        return;
    }
    --position_;
    eof_ = false;
}

void Query::last() {
    readAll();
    if (!open_ || rows_.rowCount() == 0) {
        position_ = -1;
        eof_ = bof_ = true;
        return;
    }
    position_ = rows_.rowCount() - 1;
    count_ = rows_.rowCount();
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
    return rows_.value(position_, column);
}

QVariant Query::value(const QString& name) {
    const int index = fieldIndex(name);
    if (index < 0) {
        // A column of the select list that is not a persistent field.
        const int column = firstColumnNamed(name);
        if (column >= 0 && position_ >= 0 && fetch(position_))
            return rows_.value(position_, column);
        throw StoreError(QStringLiteral("항목을 찾을 수 없습니다: ") + name,
                         QStringLiteral("field not found: ") + name);
    }
    return value(index);
}

QVariant Query::valueAt(int row, int fieldIndex) {
    const int column = columnOf(fieldIndex);
    if (column < 0 || !fetch(row)) return {};
    return rows_.value(row, column);
}

bool Query::isNull(const QString& name) {
    const QVariant v = value(name);
    return v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

void Query::openOnServer(Database& database, const TranslatedSql& sql) {
    reading_ = &database;
    database.addReader(this);
    openSql_ = sql;
    onServer_ = true;
    serverLimited_ = hasClosingLimit(sql.sql);
    open_ = true;
    try {
        QSqlQuery query(database.connection());
        query.setForwardOnly(true);
        const QString text =
            serverSql(sql.sql) +
            (serverLimited_ ? QString() : QStringLiteral("\nLIMIT %1").arg(kServerFirstRows));
        if (!query.prepare(text)) database.throwFailure(prepareContext(), query);
        for (const QVariant& value : boundValues(sql))
            query.addBindValue(value);
        if (!query.exec()) database.throwFailure(prepareContext(), query);
        if (!query.isSelect()) {
            throw StoreError(QStringLiteral("자료를 돌려주지 않는 명령입니다."),
                             QStringLiteral("not a select statement"));
        }
        resultFields_ = serverColumns(query.record());
        rows_.reset(static_cast<int>(columnNames_.size()));
        while (query.next())
            rows_.appendRow(query, exact_);
        serverDone_ = serverLimited_ || rows_.rowCount() < kServerFirstRows;
        // Columns without a declared type take the type of their first value.
        for (size_t i = 0; i < resultFields_.size() && rows_.rowCount() > 0; ++i) {
            if (resultFields_[i].type != FieldType::Unknown) continue;
            resultFields_[i].type = typeOfValue(rows_.value(0, static_cast<int>(i)));
            resultFields_[i].displayWidth = defaultDisplayWidth(resultFields_[i]);
        }
        buildFields();
    } catch (...) {
        close();
        throw;
    }
    first();
}

// The result's columns as the store's declared types would name them. The
// server's hidden row number is not a field unless the statement asks for it
// by name.
std::vector<FieldDef> Query::serverColumns(const QSqlRecord& record) {
    const bool rowidAsked =
        openSql_.sql.contains(QLatin1StringView(kServerRowid), Qt::CaseInsensitive);
    std::vector<FieldDef> columns;
    for (int i = 0; i < record.count(); ++i) {
        const QSqlField field = record.field(i);
        columnNames_.append(field.name());
        hidden_.push_back(!rowidAsked && field.name() == QLatin1StringView(kServerRowid));
        // The server's exact numbers (its type 1700): sums and averages,
        // typed by their first value as SQLite's untyped columns are.
        constexpr int kExactNumber = 1700;
        exact_.push_back(field.typeID() == kExactNumber);
        QString declared;
        switch (field.metaType().id()) {
            case QMetaType::LongLong:
            case QMetaType::Int:
            case QMetaType::Bool:
                declared = QStringLiteral("INTEGER");
                break;
            case QMetaType::Double:
                if (!exact_.back()) declared = QStringLiteral("DOUBLE");
                break;
            case QMetaType::QString:
                declared = field.length() > 0 ? QStringLiteral("VARCHAR(%1)").arg(field.length())
                                              : QStringLiteral("TEXT");
                break;
            default:
                break;
        }
        columns.push_back(fieldFromDeclaredType(field.name(), declared));
    }
    return columns;
}

// Reads the next rows of the server's result: as many as were read so far.
bool Query::readServerRows() {
    if (serverDone_) return false;
    const int before = rows_.rowCount();
    const int wanted = std::max(before, kServerFirstRows);
    QSqlQuery query(reading_->connection());
    query.setForwardOnly(true);
    const QString text =
        serverSql(openSql_.sql) + QStringLiteral("\nLIMIT %1 OFFSET %2").arg(wanted).arg(before);
    if (!query.prepare(text)) reading_->throwFailure(readContext(), query);
    for (const QVariant& value : boundValues(openSql_))
        query.addBindValue(value);
    if (!query.exec()) reading_->throwFailure(readContext(), query);
    while (query.next())
        rows_.appendRow(query, exact_);
    serverDone_ = rows_.rowCount() - before < wanted;
    return rows_.rowCount() > before;
}
