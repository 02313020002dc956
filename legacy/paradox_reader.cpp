#include "legacy/paradox_reader.h"

#include "legacy/code_page.h"
#include "legacy/paradox_layout.h"
#include "legacy/paradox_memo.h"

// pxlib's header declares C functions without saying so.
extern "C" {
#include <paradox.h>
}

#include <cmath>
#include <cstdio>
#include <memory>

namespace {

// Days of the Julian day count before 1 January of the year 1, the day a
// Paradox date counts as 1.
constexpr qint64 kJulianDayOfDayZero = 1721425;
constexpr qint64 kMillisecondsPerDay = 86400000;

// pxlib reports trouble through this handler; the first error is kept and
// turned into a LegacyFileError once the call returns.
void keepError(pxdoc_t*, int level, const char* message, void* data) {
    auto* error = static_cast<QString*>(data);
    if (level != PX_Warning && error->isEmpty()) *error = QString::fromLocal8Bit(message);
}

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
struct DocumentDeleter {
    void operator()(pxdoc_t* document) const { PX_delete(document); }
};

[[noreturn]] void readFailure(const QString& detail) {
    throw LegacyFileError(QStringLiteral("표를 읽을 수 없습니다: %1").arg(detail));
}

LegacyType legacyType(int paradoxType) {
    switch (paradoxType) {
        case ParadoxType::Alpha:
            return LegacyType::Text;
        case ParadoxType::Memo:
            return LegacyType::Memo;
        case ParadoxType::Short:
        case ParadoxType::Long:
        case ParadoxType::AutoIncrement:
            return LegacyType::Integer;
        case ParadoxType::Currency:
        case ParadoxType::Number:
        case ParadoxType::Bcd:
            return LegacyType::Number;
        case ParadoxType::Date:
            return LegacyType::Date;
        case ParadoxType::Time:
            return LegacyType::Time;
        case ParadoxType::Timestamp:
            return LegacyType::Timestamp;
        case ParadoxType::Logical:
            return LegacyType::Logical;
        default:
            return LegacyType::Binary;
    }
}

// A four-byte Paradox number: big-endian with the sign bit flipped, all
// zeros when blank. (pxlib's own reading takes a blank for the smallest
// number on 64-bit systems.)
std::optional<qint32> fourByteNumber(const char* data) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    const quint32 raw = (quint32{bytes[0]} << 24) | (quint32{bytes[1]} << 16) |
                        (quint32{bytes[2]} << 8) | quint32{bytes[3]};
    if (raw == 0) return std::nullopt;
    return static_cast<qint32>(raw ^ 0x80000000u);
}

LegacyValue dateValue(qint64 day) {
    const QDate date = QDate::fromJulianDay(day + kJulianDayOfDayZero);
    if (day < 1 || !date.isValid() || date.year() > 9999)
        return LegacyInvalid{QStringLiteral("날짜가 아닙니다 (%1).").arg(day)};
    return date;
}

LegacyValue timestampValue(double milliseconds) {
    if (!std::isfinite(milliseconds) || milliseconds < 0)
        return LegacyInvalid{QStringLiteral("날짜와 시각이 아닙니다.")};
    const auto whole = static_cast<qint64>(std::floor(milliseconds));
    const LegacyValue day = dateValue(whole / kMillisecondsPerDay);
    if (!std::holds_alternative<QDate>(day)) return day;
    return QDateTime(std::get<QDate>(day), QTime::fromMSecsSinceStartOfDay(
                                               static_cast<int>(whole % kMillisecondsPerDay)));
}

// Reads the table's records one by one through pxlib.
class ParadoxRecords {
public:
    ParadoxRecords(const QByteArray& file, const ParadoxLayout& layout) {
        stream_.reset(
            fmemopen(const_cast<char*>(file.constData()), static_cast<size_t>(file.size()), "rb"));
        if (!stream_) readFailure(QStringLiteral("메모리 파일을 열 수 없습니다."));
        document_.reset(PX_new3(keepError, nullptr, nullptr, nullptr, &error_));
        if (!document_) readFailure(QStringLiteral("메모리가 모자랍니다."));
        if (PX_open_fp(document_.get(), stream_.get()) < 0) {
            // The library frees its block list when it fails to build it but
            // keeps the pointer; forget it so that deleting the document does
            // not free it again.
            document_->px_indexdata = nullptr;
            readFailure(error_);
        }
        // The library must see the table as the check above did.
        if (PX_get_num_records(document_.get()) != layout.recordCount ||
            PX_get_num_fields(document_.get()) != static_cast<int>(layout.fields.size()) ||
            PX_get_recordsize(document_.get()) != layout.recordSize) {
            readFailure(QStringLiteral("머리글을 다르게 읽었습니다."));
        }
        record_.resize(layout.recordSize);
    }

    // The record's bytes; they stay valid until the next call.
    QByteArray& read(int number) {
        if (!PX_get_record(document_.get(), number, record_.data()))
            readFailure(error_.isEmpty() ? QStringLiteral("레코드 %1").arg(number + 1) : error_);
        return record_;
    }

    pxdoc_t* document() const { return document_.get(); }

private:
    QString error_;
    std::unique_ptr<FILE, FileCloser> stream_;
    std::unique_ptr<pxdoc_t, DocumentDeleter> document_;
    QByteArray record_;
};

class ValueReader {
public:
    ValueReader(pxdoc_t* document, const std::optional<QByteArray>& memoFile)
        : document_(document), memoFile_(memoFile) {}

    LegacyValue read(const ParadoxFieldLayout& field, char* data) const {
        switch (field.type) {
            case ParadoxType::Alpha:
                return text(data, field.length);
            case ParadoxType::Memo: {
                const QByteArray memo = readParadoxMemo(QByteArray(data, field.length), memoFile_);
                return memo.isEmpty() ? LegacyValue{} : LegacyValue{memo};
            }
            case ParadoxType::Short: {
                short value = 0;
                if (PX_get_data_short(document_, data, 2, &value) == 0) return {};
                return qint64{value};
            }
            case ParadoxType::Long:
            case ParadoxType::AutoIncrement: {
                const std::optional<qint32> value = fourByteNumber(data);
                return value ? LegacyValue{qint64{*value}} : LegacyValue{};
            }
            case ParadoxType::Date: {
                const std::optional<qint32> day = fourByteNumber(data);
                return day ? dateValue(*day) : LegacyValue{};
            }
            case ParadoxType::Time: {
                const std::optional<qint32> ms = fourByteNumber(data);
                if (!ms) return {};
                if (*ms < 0 || *ms >= kMillisecondsPerDay)
                    return LegacyInvalid{QStringLiteral("시각이 아닙니다.")};
                return QTime::fromMSecsSinceStartOfDay(*ms);
            }
            case ParadoxType::Currency:
            case ParadoxType::Number:
            case ParadoxType::Timestamp:
                return number(field.type, data);
            case ParadoxType::Bcd:
                return bcd(field, data);
            case ParadoxType::Logical: {
                char value = 0;
                if (PX_get_data_byte(document_, data, 1, &value) == 0) return {};
                return value != 0;
            }
            default:
                return binary(data, field.length);
        }
    }

private:
    LegacyValue text(char* data, int length) const {
        char* value = nullptr;
        if (PX_get_data_alpha(document_, data, length, &value) <= 0 || !value) return {};
        // Text ends at the first zero byte of the field.
        const QByteArray bytes(value, static_cast<qsizetype>(qstrnlen(value, length)));
        document_->free(document_, value);
        return bytes;
    }

    LegacyValue number(int type, char* data) const {
        double value = 0;
        if (PX_get_data_double(document_, data, 8, &value) == 0) return {};
        if (type == ParadoxType::Timestamp) return timestampValue(value);
        if (!std::isfinite(value)) return LegacyInvalid{QStringLiteral("숫자가 아닙니다.")};
        return value;
    }

    LegacyValue bcd(const ParadoxFieldLayout& field, char* data) const {
        char* value = nullptr;
        if (PX_get_data_bcd(document_, reinterpret_cast<unsigned char*>(data), field.decimals,
                            &value) <= 0 ||
            !value) {
            return {};
        }
        // The library writes the locale's decimal mark; the digits are all
        // that is needed.
        QByteArray digits(value);
        document_->free(document_, value);
        for (char& c : digits) {
            if (c != '-' && (c < '0' || c > '9')) c = '.';
        }
        bool ok = false;
        const double number = digits.toDouble(&ok);
        return ok ? LegacyValue{number}
                  : LegacyValue{LegacyInvalid{QStringLiteral("숫자가 아닙니다.")}};
    }

    static LegacyValue binary(const char* data, int length) {
        for (int i = 0; i < length; ++i) {
            if (data[i] != 0) return LegacyBinary{};
        }
        return {};
    }

    pxdoc_t* document_;
    const std::optional<QByteArray>& memoFile_;
};

}  // namespace

LegacyTable readParadoxTable(const QByteArray& file, const std::optional<QByteArray>& memoFile) {
    const ParadoxLayout layout = checkParadoxLayout(file);
    LegacyTable table;
    const std::optional<QByteArray> codePage = paradoxCodePage(layout.codePage);
    if (!codePage) {
        throw LegacyFileError(
            QStringLiteral("머리글이 가리키는 코드 페이지 %1의 글자를 읽을 수 없습니다.")
                .arg(layout.codePage));
    }
    table.codePage = *codePage;
    for (const ParadoxFieldLayout& field : layout.fields) {
        const QString name =
            decodeStrictly(field.name, table.codePage).value_or(QString::fromLatin1(field.name));
        table.fields.push_back({name, legacyType(field.type), field.length});
    }

    ParadoxRecords records(file, layout);
    const ValueReader values(records.document(), memoFile);
    table.records.reserve(static_cast<size_t>(layout.recordCount));
    for (int number = 0; number < layout.recordCount; ++number) {
        QByteArray& bytes = records.read(number);
        LegacyRecord record;
        record.number = number + 1;
        char* data = bytes.data();
        for (const ParadoxFieldLayout& field : layout.fields) {
            record.values.push_back(values.read(field, data));
            data += field.length;
        }
        table.records.push_back(std::move(record));
    }
    return table;
}
