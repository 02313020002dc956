#include "legacy/paradox_memo.h"

#include "legacy/byte_reader.h"

namespace {

constexpr int kPointerSize = 10;
constexpr int kMemoHeaderBlock = 4096;
constexpr int kSingleBlob = 2;
constexpr int kSubAllocated = 3;
constexpr int kSingleBlobHeader = 9;
constexpr int kSubAllocatedTable = 12;
constexpr int kTableEntry = 5;
constexpr int kParagraph = 16;
constexpr quint32 kWholeBlockIndex = 0xFF;

[[noreturn]] void damaged(const QString& detail) {
    throw LegacyFileError(QStringLiteral("메모 파일이 손상되었습니다: %1").arg(detail));
}

QByteArray singleBlob(const ByteReader& mb, qint64 offset, quint32 index, quint32 size) {
    if (index != kWholeBlockIndex)
        damaged(QStringLiteral("단독 블록을 가리키는 번호가 잘못되었습니다."));
    if (mb.u32(offset + 3) != size) damaged(QStringLiteral("메모 길이가 블록의 길이와 다릅니다."));
    return mb.bytes(offset + kSingleBlobHeader, size);
}

QByteArray subAllocatedBlob(const ByteReader& mb, qint64 offset, quint32 index, quint32 size) {
    if (index >= 64) damaged(QStringLiteral("블록 안의 메모 번호가 잘못되었습니다."));
    const qint64 entry = offset + kSubAllocatedTable + index * kTableEntry;
    const int start = mb.u8(entry);
    const int paragraphs = mb.u8(entry + 1);
    const int lastBytes = mb.u8(entry + 4);
    if (start == 0 || paragraphs == 0 ||
        static_cast<qint64>(paragraphs - 1) * kParagraph + lastBytes != size) {
        damaged(QStringLiteral("메모 길이가 블록 목록의 길이와 다릅니다."));
    }
    if (static_cast<qint64>(start) * kParagraph + size > kMemoHeaderBlock)
        damaged(QStringLiteral("메모가 블록 밖으로 나갑니다."));
    return mb.bytes(offset + static_cast<qint64>(start) * kParagraph, size);
}

}  // namespace

QByteArray readParadoxMemo(const QByteArray& field, const std::optional<QByteArray>& memoFile) {
    const ByteReader record(field, QStringLiteral("메모 항목이 레코드보다 깁니다."));
    const qint64 leader = record.size() - kPointerSize;
    record.require(leader, kPointerSize);
    const quint32 place = record.u32(leader);
    const quint32 size = record.u32(leader + 4);
    if (size == 0) return {};
    if (size <= leader) return record.bytes(0, size);
    if (!memoFile) throw LegacyFileError(QStringLiteral("메모 파일(.MB)이 없습니다."));

    const ByteReader mb(*memoFile,
                        QStringLiteral("메모 파일이 잘렸습니다: 메모가 파일 끝을 넘습니다."));
    const qint64 offset = place & 0xFFFFFF00u;
    const quint32 index = place & 0xFFu;
    if (offset < kMemoHeaderBlock || offset % kMemoHeaderBlock != 0)
        damaged(QStringLiteral("메모의 위치(%1)가 잘못되었습니다.").arg(offset));
    switch (mb.u8(offset)) {
        case kSingleBlob:
            return singleBlob(mb, offset, index, size);
        case kSubAllocated:
            return subAllocatedBlob(mb, offset, index, size);
        default:
            damaged(QStringLiteral("메모 블록의 종류(%1)가 잘못되었습니다.").arg(mb.u8(offset)));
    }
}
