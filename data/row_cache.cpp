#include "data/row_cache.h"

#include "data/sqlite_statement.h"
#include "data/store_error.h"

#include <QByteArray>
#include <QSqlQuery>
#include <QString>

#include <sqlite3.h>

#include <cstring>
#include <limits>

namespace {
// Type bytes of the cells.
constexpr char kNull = 0;
constexpr char kInteger = 1;
constexpr char kFloat = 2;
constexpr char kText = 3;
constexpr char kBlob = 4;

// Rows the buffers make room for when the first row arrives.
constexpr size_t kRowsReserved = 16;
// Bytes of a cell guessed for that first reservation.
constexpr size_t kBytesPerCellGuess = 12;

template <typename Number>
Number numberAt(const char* bytes) {
    Number number;
    std::memcpy(&number, bytes, sizeof number);
    return number;
}

// The bytes a value takes after its type byte.
size_t payloadSize(sqlite3_value* value, char type) {
    switch (type) {
        case kInteger:
        case kFloat:
            return 8;
        case kText:
        case kBlob:
            return static_cast<size_t>(sqlite3_value_bytes(value));
        default:
            return 0;
    }
}

char typeOf(sqlite3_value* value) {
    switch (sqlite3_value_type(value)) {
        case SQLITE_INTEGER:
            return kInteger;
        case SQLITE_FLOAT:
            return kFloat;
        case SQLITE_NULL:
            return kNull;
        case SQLITE_BLOB:
            return kBlob;
        default:
            return kText;
    }
}

// Writes the value's payload at `out`.
void writePayload(sqlite3_value* value, char type, size_t size, char* out) {
    switch (type) {
        case kInteger: {
            const sqlite3_int64 number = sqlite3_value_int64(value);
            std::memcpy(out, &number, sizeof number);
            break;
        }
        case kFloat: {
            const double number = sqlite3_value_double(value);
            std::memcpy(out, &number, sizeof number);
            break;
        }
        case kText:
            if (size > 0) std::memcpy(out, sqlite3_value_text(value), size);
            break;
        case kBlob:
            if (size > 0) std::memcpy(out, sqlite3_value_blob(value), size);
            break;
        default:
            break;
    }
}
}  // namespace

void RowCache::reset(int columnCount) {
    columns_ = columnCount;
    rows_ = 0;
    bytes_ = std::vector<char>();
    rowStarts_ = std::vector<std::uint64_t>();
    cellStarts_ = std::vector<std::uint32_t>();
}

void RowCache::appendRow(const SqliteStatement& statement) {
    if (rowStarts_.empty()) {
        const size_t cells = static_cast<size_t>(columns_) * kRowsReserved;
        rowStarts_.reserve(kRowsReserved);
        cellStarts_.reserve(cells);
        bytes_.reserve(cells * kBytesPerCellGuess);
    }
    // One call into the statement per cell; the values are read at once, on
    // the connection's own thread. The row's size first, then its bytes.
    sqlite3_stmt* row = statement.get();
    values_.resize(static_cast<size_t>(columns_));
    std::uint64_t size = 0;
    for (Value& cell : values_) {
        cell.value = sqlite3_column_value(row, static_cast<int>(&cell - values_.data()));
        cell.type = typeOf(cell.value);
        if (cell.type == kText) sqlite3_value_text(cell.value);  // the size counted is UTF-8's
        cell.size = payloadSize(cell.value, cell.type);
        size += 1 + cell.size;
    }
    if (size > std::numeric_limits<std::uint32_t>::max()) {
        throw StoreError(QStringLiteral("자료를 읽을 수 없습니다."),
                         QStringLiteral("row too large"));
    }
    const size_t start = bytes_.size();
    bytes_.resize(start + size);
    rowStarts_.push_back(start);
    char* out = bytes_.data() + start;
    for (const Value& cell : values_) {
        cellStarts_.push_back(static_cast<std::uint32_t>(out - (bytes_.data() + start)));
        *out++ = cell.type;
        writePayload(cell.value, cell.type, cell.size, out);
        out += cell.size;
    }
    ++rows_;
}

QVariant RowCache::value(int row, int column) const {
    const auto r = static_cast<size_t>(row);
    const size_t cell = r * static_cast<size_t>(columns_) + static_cast<size_t>(column);
    const size_t rowStart = rowStarts_[r];
    const size_t start = rowStart + cellStarts_[cell];
    size_t end = r + 1 < rowStarts_.size() ? rowStarts_[r + 1] : bytes_.size();
    if (column + 1 < columns_) end = rowStart + cellStarts_[cell + 1];
    const char* data = bytes_.data() + start + 1;
    const auto size = static_cast<qsizetype>(end - start - 1);
    switch (bytes_[start]) {
        case kInteger:
            return QVariant(static_cast<qlonglong>(numberAt<sqlite3_int64>(data)));
        case kFloat:
            return QVariant(numberAt<double>(data));
        case kText:
            return QString::fromUtf8(data, size);  // an empty text is empty, not null
        case kBlob:
            return QByteArray(data, size);
        default:
            return QVariant(QMetaType::fromType<QString>());
    }
}

namespace {
QVariant numberOf(const QString& text) {
    bool whole = false;
    const qlonglong number = text.toLongLong(&whole);
    if (whole) return number;
    return text.toDouble();
}
}  // namespace

void RowCache::appendRow(const QSqlQuery& query, const std::vector<bool>& exact) {
    // Each value as the same type byte and payload as a SQLite value.
    std::vector<QByteArray> texts(static_cast<size_t>(columns_));
    std::vector<QVariant> values(static_cast<size_t>(columns_));
    std::uint64_t size = 0;
    for (int column = 0; column < columns_; ++column) {
        QVariant& value = values[static_cast<size_t>(column)];
        value = query.value(column);
        if (exact[static_cast<size_t>(column)] && !value.isNull() &&
            value.typeId() == QMetaType::QString) {
            value = numberOf(value.toString());
        }
        if (value.isNull()) {
            size += 1;
            continue;
        }
        switch (value.typeId()) {
            case QMetaType::LongLong:
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::ULongLong:
            case QMetaType::Bool:
            case QMetaType::Double:
                size += 9;
                break;
            case QMetaType::QByteArray:
                texts[static_cast<size_t>(column)] = value.toByteArray();
                size += 1 + static_cast<std::uint64_t>(texts[static_cast<size_t>(column)].size());
                break;
            default:
                texts[static_cast<size_t>(column)] = value.toString().toUtf8();
                size += 1 + static_cast<std::uint64_t>(texts[static_cast<size_t>(column)].size());
                break;
        }
    }
    if (size > std::numeric_limits<std::uint32_t>::max()) {
        throw StoreError(QStringLiteral("자료를 읽을 수 없습니다."),
                         QStringLiteral("row too large"));
    }
    const size_t start = bytes_.size();
    bytes_.resize(start + size);
    rowStarts_.push_back(start);
    char* out = bytes_.data() + start;
    for (int column = 0; column < columns_; ++column) {
        cellStarts_.push_back(static_cast<std::uint32_t>(out - (bytes_.data() + start)));
        const QVariant& value = values[static_cast<size_t>(column)];
        if (value.isNull()) {
            *out++ = kNull;
            continue;
        }
        switch (value.typeId()) {
            case QMetaType::Double: {
                *out++ = kFloat;
                const double number = value.toDouble();
                std::memcpy(out, &number, sizeof number);
                out += 8;
                break;
            }
            case QMetaType::LongLong:
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::ULongLong:
            case QMetaType::Bool: {
                *out++ = kInteger;
                const sqlite3_int64 number = value.toLongLong();
                std::memcpy(out, &number, sizeof number);
                out += 8;
                break;
            }
            default: {
                const QByteArray& bytes = texts[static_cast<size_t>(column)];
                *out++ = value.typeId() == QMetaType::QByteArray ? kBlob : kText;
                if (!bytes.isEmpty())
                    std::memcpy(out, bytes.constData(), static_cast<size_t>(bytes.size()));
                out += bytes.size();
                break;
            }
        }
    }
    ++rows_;
}
