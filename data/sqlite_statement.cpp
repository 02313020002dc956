#include "data/sqlite_statement.h"

#include "data/store_error.h"

#include <QByteArray>
#include <QDateTime>
#include <QTime>

#include <sqlite3.h>

#include <utility>

namespace {
bool onlyBlanks(const char* text) {
    for (; text && *text; ++text) {
        if (*text != ' ' && *text != '\t' && *text != '\n' && *text != '\r' && *text != '\f' &&
            *text != '\v') {
            return false;
        }
    }
    return true;
}

// Values that go into the store as NULL: a null variant, and the null or
// invalid text, bytes, dates and times that have no text to write.
bool isNullValue(const QVariant& value) {
    if (value.isNull()) return true;
    switch (value.typeId()) {
        case QMetaType::QString:
            return static_cast<const QString*>(value.constData())->isNull();
        case QMetaType::QByteArray:
            return static_cast<const QByteArray*>(value.constData())->isNull();
        case QMetaType::QDateTime:
            return !value.toDateTime().isValid();
        case QMetaType::QDate:
            return value.toDate().isNull();
        case QMetaType::QTime:
            return !value.toTime().isValid();
        default:
            return false;
    }
}

// The text a value that is neither a number nor bytes is stored as.
QString storedText(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QDateTime:
            return value.toDateTime().toString(Qt::ISODateWithMs);
        case QMetaType::QTime:
            return value.toTime().toString(QStringLiteral("hh:mm:ss.zzz"));
        default:
            return value.toString();
    }
}

int bindValue(sqlite3_stmt* statement, int index, const QVariant& value) {
    if (isNullValue(value)) return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
            return sqlite3_bind_int64(statement, index, value.toLongLong());
        case QMetaType::Float:
        case QMetaType::Double:
            return sqlite3_bind_double(statement, index, value.toDouble());
        case QMetaType::QByteArray: {
            const auto* bytes = static_cast<const QByteArray*>(value.constData());
            return sqlite3_bind_blob64(statement, index, bytes->constData(),
                                       static_cast<sqlite3_uint64>(bytes->size()),
                                       SQLITE_TRANSIENT);
        }
        default: {
            const QByteArray utf8 = storedText(value).toUtf8();
            return sqlite3_bind_text64(statement, index, utf8.constData(),
                                       static_cast<sqlite3_uint64>(utf8.size()), SQLITE_TRANSIENT,
                                       SQLITE_UTF8);
        }
    }
}
}  // namespace

SqliteStatement::SqliteStatement(sqlite3* handle, const QString& sql, const QString& context)
    : handle_(handle) {
    if (!handle_) throw StoreError(context, QStringLiteral("the store is not open"));
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(handle_, utf8.constData(), static_cast<int>(utf8.size()) + 1,
                           &statement_, &tail) != SQLITE_OK) {
        const QString text = errorText();
        finalize();
        throw StoreError(context, text);
    }
    if (!statement_) throw StoreError(context, QStringLiteral("the text holds no statement"));
    if (!onlyBlanks(tail)) {
        finalize();
        throw StoreError(context, QStringLiteral("only one statement can run at a time"));
    }
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)),
      statement_(std::exchange(other.statement_, nullptr)) {}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
    if (this != &other) {
        finalize();
        handle_ = std::exchange(other.handle_, nullptr);
        statement_ = std::exchange(other.statement_, nullptr);
    }
    return *this;
}

void SqliteStatement::finalize() {
    sqlite3_finalize(statement_);  // a no-op for null
    statement_ = nullptr;
}

void SqliteStatement::reset() {
    if (statement_) sqlite3_reset(statement_);
}

void SqliteStatement::bind(int index, const QVariant& value, const QString& context) {
    if (bindValue(statement_, index, value) != SQLITE_OK) throw StoreError(context, errorText());
}

SqliteStatement::Step SqliteStatement::step() {
    switch (sqlite3_step(statement_)) {
        case SQLITE_ROW:
            return Step::Row;
        case SQLITE_DONE:
            return Step::Done;
        default:
            return Step::Failed;
    }
}

void SqliteStatement::run(const QString& context) {
    Step result = Step::Row;
    while (result == Step::Row)
        result = step();
    if (result == Step::Failed) {
        const int code = sqlite3_extended_errcode(handle_);
        if (code == SQLITE_CONSTRAINT_PRIMARYKEY || code == SQLITE_CONSTRAINT_UNIQUE)
            throw StoreKeyClash(context, errorText());
        throw StoreError(context, errorText());
    }
}

QString SqliteStatement::errorText() const {
    return QString::fromUtf8(sqlite3_errmsg(handle_));
}

int SqliteStatement::changes() const {
    return sqlite3_changes(handle_);
}

int SqliteStatement::columnCount() const {
    return sqlite3_column_count(statement_);
}

QString SqliteStatement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(statement_, column));
}

QString SqliteStatement::declaredType(int column) const {
    const char* declared = sqlite3_column_decltype(statement_, column);
    return declared ? QString::fromUtf8(declared) : QString();
}

QVariant SqliteStatement::value(int column) const {
    switch (sqlite3_column_type(statement_, column)) {
        case SQLITE_INTEGER:
            return QVariant(static_cast<qlonglong>(sqlite3_column_int64(statement_, column)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(statement_, column));
        case SQLITE_NULL:
            return QVariant(QMetaType::fromType<QString>());
        case SQLITE_BLOB: {
            const void* blob = sqlite3_column_blob(statement_, column);
            return QByteArray(static_cast<const char*>(blob),
                              sqlite3_column_bytes(statement_, column));
        }
        default: {
            const auto* text =
                reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
            return QString::fromUtf8(text, sqlite3_column_bytes(statement_, column));
        }
    }
}
