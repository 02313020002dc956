#include "legacy/dbase_reader.h"

#include "legacy/byte_reader.h"

#include <QRegularExpression>

namespace {

constexpr int kHeader = 32;
constexpr int kDescriptor = 32;
constexpr char kEndOfFields = '\x0D';
constexpr char kDeleted = '*';
constexpr qint64 kRecordCount = 4;
constexpr qint64 kHeaderLength = 8;
constexpr qint64 kRecordLength = 10;
constexpr qint64 kNameLength = 11;
constexpr qint64 kTypeAt = 11;
constexpr qint64 kLengthAt = 16;
constexpr qint64 kDecimalsAt = 17;

[[noreturn]] void fail(const QString& reason) {
    throw LegacyFileError(reason);
}

QString truncatedText() {
    return QStringLiteral("파일이 잘렸습니다: 머리글이 말하는 레코드가 파일 끝을 넘습니다.");
}

bool knownVersion(quint8 version) {
    // dBase III and IV, with or without memo, and the FoxPro variants.
    static const quint8 versions[] = {0x03, 0x04, 0x05, 0x30, 0x31, 0x32, 0x43,
                                      0x63, 0x83, 0x8B, 0x8E, 0xCB, 0xF5, 0xFB};
    for (quint8 known : versions) {
        if (version == known) return true;
    }
    return false;
}

struct DbaseField {
    LegacyField field;
    char kind = 'C';
};

QByteArray rightTrimmed(QByteArray bytes) {
    while (!bytes.isEmpty() && (bytes.back() == ' ' || bytes.back() == '\0'))
        bytes.chop(1);
    return bytes;
}

LegacyValue numberValue(const QByteArray& raw) {
    const QByteArray text = raw.trimmed();
    if (text.isEmpty()) return {};
    static const QRegularExpression wholeNumber(QStringLiteral("^[-+]?[0-9]+$"));
    static const QRegularExpression decimalNumber(
        QStringLiteral("^[-+]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][-+]?[0-9]+)?$"));
    const QString digits = QString::fromLatin1(text);
    bool ok = false;
    if (wholeNumber.match(digits).hasMatch()) {
        const qint64 value = text.toLongLong(&ok);
        if (ok) return value;
    } else if (decimalNumber.match(digits).hasMatch()) {
        const double value = text.toDouble(&ok);
        if (ok) return value;
    }
    return LegacyInvalid{QStringLiteral("숫자가 아닙니다 (\"%1\").").arg(digits)};
}

LegacyValue dateValue(const QByteArray& raw) {
    const QByteArray text = raw.trimmed();
    if (text.isEmpty() || text == "00000000") return {};
    const QDate date = QDate::fromString(QString::fromLatin1(text), QStringLiteral("yyyyMMdd"));
    if (text.size() != 8 || !date.isValid())
        return LegacyInvalid{
            QStringLiteral("날짜가 아닙니다 (\"%1\").").arg(QString::fromLatin1(text))};
    return date;
}

LegacyValue logicalValue(char mark) {
    switch (mark) {
        case 'T':
        case 't':
        case 'Y':
        case 'y':
            return true;
        case 'F':
        case 'f':
        case 'N':
        case 'n':
            return false;
        case ' ':
        case '?':
        case '\0':
            return {};
        default:
            return LegacyInvalid{QStringLiteral("참/거짓 값이 아닙니다.")};
    }
}

LegacyValue fieldValue(const DbaseField& field, const QByteArray& raw) {
    switch (field.kind) {
        case 'C': {
            const QByteArray text = rightTrimmed(raw);
            return text.isEmpty() ? LegacyValue{} : LegacyValue{text};
        }
        case 'N':
        case 'F':
            return numberValue(raw);
        case 'D':
            return dateValue(raw);
        case 'L':
            return logicalValue(raw.at(0));
        default:
            return raw.trimmed().isEmpty() ? LegacyValue{} : LegacyValue{LegacyBinary{}};
    }
}

LegacyType typeOf(char kind) {
    switch (kind) {
        case 'C':
            return LegacyType::Text;
        case 'N':
        case 'F':
            return LegacyType::Number;
        case 'D':
            return LegacyType::Date;
        case 'L':
            return LegacyType::Logical;
        default:
            return LegacyType::Binary;
    }
}

std::vector<DbaseField> readFields(const ByteReader& in, int headerLength) {
    std::vector<DbaseField> fields;
    qint64 at = kHeader;
    while (true) {
        if (at >= headerLength) fail(QStringLiteral("항목 설명의 끝 표시가 머리글 안에 없습니다."));
        if (in.u8(at) == static_cast<quint8>(kEndOfFields)) break;
        if (at + kDescriptor > headerLength)
            fail(QStringLiteral("항목 설명이 머리글 밖으로 나갑니다."));
        DbaseField field;
        const QByteArray name = in.bytes(at, kNameLength);
        field.field.name = QString::fromLatin1(
                               name.left(name.indexOf('\0') < 0 ? kNameLength : name.indexOf('\0')))
                               .trimmed();
        field.kind = static_cast<char>(in.u8(at + kTypeAt));
        field.field.type = typeOf(field.kind);
        field.field.size = in.u8(at + kLengthAt);
        const int decimals = in.u8(at + kDecimalsAt);
        if (field.field.name.isEmpty() || field.field.size == 0)
            fail(QStringLiteral("%1번째 항목의 이름이나 길이가 없습니다.").arg(fields.size() + 1));
        if (field.kind == 'D' && field.field.size != 8)
            fail(QStringLiteral("날짜 항목 %1의 길이가 8이 아닙니다.").arg(field.field.name));
        if ((field.kind == 'N' || field.kind == 'F') && decimals >= field.field.size &&
            decimals > 0)
            fail(QStringLiteral("숫자 항목 %1의 소수 자리가 길이를 넘습니다.")
                     .arg(field.field.name));
        fields.push_back(field);
        at += kDescriptor;
    }
    if (fields.empty()) fail(QStringLiteral("항목이 하나도 없습니다."));
    return fields;
}

}  // namespace

LegacyTable readDbaseTable(const QByteArray& file) {
    const ByteReader in(file, truncatedText());
    if (in.size() < kHeader + 1 || !knownVersion(in.u8(0)))
        fail(QStringLiteral("dBase 표 파일이 아닙니다."));
    const quint32 recordCount = in.u32(kRecordCount);
    const int headerLength = in.u16(kHeaderLength);
    const int recordLength = in.u16(kRecordLength);
    if (headerLength < kHeader + 1 || headerLength > in.size()) fail(truncatedText());
    const std::vector<DbaseField> fields = readFields(in, headerLength);
    int fieldBytes = 1;  // the deletion mark
    for (const DbaseField& field : fields)
        fieldBytes += field.field.size;
    if (fieldBytes != recordLength) {
        fail(QStringLiteral("레코드 길이(%1)가 항목 길이의 합(%2)과 다릅니다.")
                 .arg(recordLength)
                 .arg(fieldBytes));
    }
    if (!in.has(headerLength, static_cast<qint64>(recordCount) * recordLength))
        fail(truncatedText());

    LegacyTable table;
    table.codePage = "CP949";
    for (const DbaseField& field : fields)
        table.fields.push_back(field.field);
    for (quint32 i = 0; i < recordCount; ++i) {
        qint64 at = headerLength + static_cast<qint64>(i) * recordLength;
        if (in.u8(at) == static_cast<quint8>(kDeleted)) {
            ++table.deletedRecords;
            continue;
        }
        ++at;
        LegacyRecord record;
        record.number = static_cast<int>(i) + 1;
        for (const DbaseField& field : fields) {
            record.values.push_back(fieldValue(field, in.bytes(at, field.field.size)));
            at += field.field.size;
        }
        table.records.push_back(std::move(record));
    }
    return table;
}
