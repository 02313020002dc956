#include "legacy/paradox_layout.h"

#include "legacy/byte_reader.h"

#include <QSet>

namespace {

// Offsets in the common header.
constexpr qint64 kRecordSize = 0x00;
constexpr qint64 kHeaderSize = 0x02;
constexpr qint64 kFileType = 0x04;
constexpr qint64 kMaxTableSize = 0x05;
constexpr qint64 kRecordCount = 0x06;
constexpr qint64 kFileBlocks = 0x0C;
constexpr qint64 kFirstBlock = 0x0E;
constexpr qint64 kFieldCount = 0x21;
constexpr qint64 kEncryption1 = 0x25;
constexpr qint64 kVersionId = 0x39;
constexpr qint64 kCommonHeaderEnd = 0x58;
// Offsets in the data header that follows it from version 4.0 on.
constexpr qint64 kEncryption2 = 0x5C;
constexpr qint64 kCodePage = 0x6A;
constexpr qint64 kDataHeaderEnd = 0x78;

constexpr quint32 kEncryptionInDataHeader = 0xFF00FF00;
constexpr int kBlockHeader = 6;
constexpr int kIndexedTable = 0;
constexpr int kPlainTable = 2;
constexpr int kLongestFieldName = 299;

QString truncatedText() {
    return QStringLiteral("파일이 잘렸습니다: 머리글이나 자료 블록이 파일 끝을 넘습니다.");
}

[[noreturn]] void fail(const QString& reason) {
    throw LegacyFileError(reason);
}

bool hasDataHeader(int versionId) {
    return versionId >= 5;
}

int tableNameLength(int versionId) {
    return versionId >= 12 ? 261 : 79;
}

// The length a field of this type takes in a record, or 0 when `size` does
// not suit the type.
int fieldLength(int type, int size) {
    switch (type) {
        case ParadoxType::Alpha:
        case ParadoxType::Bytes:
            return size >= 1 ? size : 0;
        case ParadoxType::Short:
            return size == 2 ? 2 : 0;
        case ParadoxType::Date:
        case ParadoxType::Long:
        case ParadoxType::Time:
        case ParadoxType::AutoIncrement:
            return size == 4 ? 4 : 0;
        case ParadoxType::Currency:
        case ParadoxType::Number:
        case ParadoxType::Timestamp:
            return size == 8 ? 8 : 0;
        case ParadoxType::Logical:
            return size == 1 ? 1 : 0;
        case ParadoxType::Memo:
        case ParadoxType::Blob:
        case ParadoxType::FormattedMemo:
        case ParadoxType::Ole:
        case ParadoxType::Graphic:
            // A 10-byte pointer into the memo file after the leading part.
            return size >= 10 ? size : 0;
        case ParadoxType::Bcd:
            return size <= 32 ? 17 : 0;
        default:
            return -1;
    }
}

std::vector<ParadoxFieldLayout> readFields(const ByteReader& in, int versionId, int fieldCount,
                                           int headerSize) {
    const qint64 infoStart = hasDataHeader(versionId) ? kDataHeaderEnd : kCommonHeaderEnd;
    // After the field descriptions: the table name pointer, one pointer per
    // field name, the table name, then the field names.
    const qint64 nameStart = infoStart + 2 * fieldCount + 4 + 4 * fieldCount;
    const qint64 namesStart = nameStart + tableNameLength(versionId);
    if (namesStart > headerSize) fail(QStringLiteral("머리글이 항목 설명을 담기에 너무 짧습니다."));
    if (in.bytes(nameStart, tableNameLength(versionId)).indexOf('\0') < 0)
        fail(QStringLiteral("머리글의 표 이름이 끝나지 않습니다."));

    std::vector<ParadoxFieldLayout> fields;
    qint64 nameAt = namesStart;
    for (int i = 0; i < fieldCount; ++i) {
        ParadoxFieldLayout field;
        field.type = in.u8(infoStart + 2 * i);
        const int size = in.u8(infoStart + 2 * i + 1);
        field.length = fieldLength(field.type, size);
        if (field.length < 0) {
            fail(QStringLiteral("%1번째 항목의 형식(0x%2)을 알 수 없습니다.")
                     .arg(i + 1)
                     .arg(field.type, 2, 16, QLatin1Char('0')));
        }
        if (field.length == 0) {
            fail(QStringLiteral("%1번째 항목의 길이(%2)가 그 형식에 맞지 않습니다.")
                     .arg(i + 1)
                     .arg(size));
        }
        if (field.type == ParadoxType::Bcd) field.decimals = size;
        const qint64 end = in.bytes(nameAt, headerSize - nameAt).indexOf('\0');
        if (end < 0 || end > kLongestFieldName)
            fail(QStringLiteral("%1번째 항목의 이름이 머리글 안에서 끝나지 않습니다.").arg(i + 1));
        field.name = in.bytes(nameAt, end);
        nameAt += end + 1;
        fields.push_back(std::move(field));
    }
    return fields;
}

std::vector<ParadoxBlock> readBlocks(const ByteReader& in, const ParadoxLayout& layout,
                                     int fileBlocks, int firstBlock) {
    const int capacity = (layout.blockSize - kBlockHeader) / layout.recordSize;
    std::vector<ParadoxBlock> blocks;
    QSet<int> seen;
    int number = firstBlock;
    // Block numbers are unsigned; the chain ends at block number 0. Every
    // link is checked, the one after the last block too: a chain that goes
    // on past the file's blocks is followed by the library for ever.
    while (number > 0) {
        if (number > fileBlocks || seen.contains(number))
            fail(QStringLiteral("자료 블록의 연결이 잘못되었습니다 (블록 %1).").arg(number));
        seen.insert(number);
        const qint64 start = layout.headerSize + static_cast<qint64>(number - 1) * layout.blockSize;
        in.require(start, layout.blockSize);
        // The records' bytes beyond the first one, as an unsigned number:
        // an empty block (a negative size) is not a block the reader can use.
        const int extra = in.u16(start + 4);
        if (extra % layout.recordSize != 0 || extra / layout.recordSize + 1 > capacity)
            fail(QStringLiteral("자료 블록 %1의 레코드 수가 맞지 않습니다.").arg(number));
        blocks.push_back({start + kBlockHeader, extra / layout.recordSize + 1});
        number = in.u16(start);
    }
    return blocks;
}

}  // namespace

ParadoxLayout checkParadoxLayout(const QByteArray& file) {
    const ByteReader in(file, truncatedText());
    if (in.size() < kCommonHeaderEnd)
        fail(QStringLiteral("Paradox 표 파일이 아닙니다 (머리글이 짧습니다)."));
    ParadoxLayout layout;
    layout.versionId = in.u8(kVersionId);
    if (layout.versionId < 3 || layout.versionId > 12)
        fail(QStringLiteral("Paradox 표 파일이 아닙니다 (형식 번호 %1).").arg(layout.versionId));
    const int fileType = in.u8(kFileType);
    if (fileType != kIndexedTable && fileType != kPlainTable)
        fail(QStringLiteral("Paradox 자료 표가 아닙니다 (색인 파일이거나 종류 %1).").arg(fileType));
    const int maxTableSize = in.u8(kMaxTableSize);
    if (maxTableSize < 1 || maxTableSize > 32)
        fail(QStringLiteral("자료 블록의 크기(%1KB)가 잘못되었습니다.").arg(maxTableSize));
    layout.blockSize = maxTableSize * 0x400;
    layout.recordSize = in.u16(kRecordSize);
    layout.headerSize = in.u16(kHeaderSize);
    const qint32 recordCount = static_cast<qint32>(in.u32(kRecordCount));
    const int fieldCount = in.s16(kFieldCount);
    const int fileBlocks = in.u16(kFileBlocks);
    const int firstBlock = in.u16(kFirstBlock);
    const qint64 headerEnd = hasDataHeader(layout.versionId) ? kDataHeaderEnd : kCommonHeaderEnd;
    if (layout.headerSize < headerEnd || layout.headerSize > in.size()) fail(truncatedText());
    if (fieldCount < 1 || fieldCount > 255)
        fail(QStringLiteral("항목 수(%1)가 잘못되었습니다.").arg(fieldCount));
    if (layout.recordSize < 1 || layout.recordSize > layout.blockSize - kBlockHeader)
        fail(QStringLiteral("레코드 길이(%1)가 잘못되었습니다.").arg(layout.recordSize));
    if (recordCount < 0)
        fail(QStringLiteral("머리글의 레코드 수(%1)가 잘못되었습니다.").arg(recordCount));

    quint32 encryption = in.u32(kEncryption1);
    if (encryption == kEncryptionInDataHeader && hasDataHeader(layout.versionId))
        encryption = in.u32(kEncryption2);
    if (encryption != 0)
        fail(QStringLiteral(
            "암호가 걸린 표입니다. 예전 프로그램에서 암호를 풀고 다시 가져오십시오."));
    if (hasDataHeader(layout.versionId)) layout.codePage = in.u16(kCodePage);

    layout.fields = readFields(in, layout.versionId, fieldCount, layout.headerSize);
    int fieldBytes = 0;
    for (const ParadoxFieldLayout& field : layout.fields)
        fieldBytes += field.length;
    if (fieldBytes != layout.recordSize) {
        fail(QStringLiteral("레코드 길이(%1)가 항목 길이의 합(%2)과 다릅니다.")
                 .arg(layout.recordSize)
                 .arg(fieldBytes));
    }

    if (!in.has(layout.headerSize, static_cast<qint64>(fileBlocks) * layout.blockSize))
        fail(truncatedText());
    layout.blocks = readBlocks(in, layout, fileBlocks, firstBlock);
    qint64 chained = 0;
    for (const ParadoxBlock& block : layout.blocks)
        chained += block.records;
    if (chained != recordCount) {
        fail(QStringLiteral("머리글의 레코드 수(%1)가 자료 블록의 레코드 수(%2)와 맞지 않습니다.")
                 .arg(recordCount)
                 .arg(chained));
    }
    layout.recordCount = recordCount;
    return layout;
}
