#include "imaging/exif_block.h"

#include <cstdint>
#include <optional>

namespace {

constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kThumbnailOffsetTag = 0x0201;
constexpr uint16_t kThumbnailLengthTag = 0x0202;
constexpr uint16_t kShortType = 3;
constexpr uint16_t kLongType = 4;
constexpr qsizetype kEntrySize = 12;
constexpr qsizetype kHeaderSize = 6;  // "Exif\0\0"

// The TIFF structure inside the block, in its own byte order.
class TiffReader {
public:
    explicit TiffReader(QByteArrayView tiff) : tiff_(tiff) {}

    bool readByteOrder() {
        if (tiff_.size() < 8) return false;
        if (tiff_[0] == 'I' && tiff_[1] == 'I') {
            littleEndian_ = true;
        } else if (tiff_[0] == 'M' && tiff_[1] == 'M') {
            littleEndian_ = false;
        } else {
            return false;
        }
        return u16(2) == std::optional<uint16_t>(42);
    }

    std::optional<uint16_t> u16(qsizetype at) const {
        if (at < 0 || at + 2 > tiff_.size()) return std::nullopt;
        const auto b0 = static_cast<uint8_t>(tiff_[at]);
        const auto b1 = static_cast<uint8_t>(tiff_[at + 1]);
        return static_cast<uint16_t>(littleEndian_ ? b0 | (b1 << 8) : (b0 << 8) | b1);
    }

    std::optional<uint32_t> u32(qsizetype at) const {
        const auto high = u16(littleEndian_ ? at + 2 : at);
        const auto low = u16(littleEndian_ ? at : at + 2);
        if (!high || !low) return std::nullopt;
        return (static_cast<uint32_t>(*high) << 16) | *low;
    }

    // The value of a SHORT or LONG entry with one value.
    std::optional<uint32_t> entryValue(qsizetype entry) const {
        const auto type = u16(entry + 2);
        if (type == kShortType) return u16(entry + 8);
        if (type == kLongType) return u32(entry + 8);
        return std::nullopt;
    }

    // Calls `visit(tag, entryOffset)` for every entry of the directory at
    // `offset`; gives the offset of the next directory (0 when none).
    template <typename Visit>
    std::optional<uint32_t> walkDirectory(uint32_t offset, Visit visit) const {
        const auto count = u16(offset);
        if (!count) return std::nullopt;
        const qsizetype first = static_cast<qsizetype>(offset) + 2;
        if (first + *count * kEntrySize + 4 > tiff_.size()) return std::nullopt;
        for (qsizetype i = 0; i < *count; ++i) {
            const qsizetype entry = first + i * kEntrySize;
            visit(*u16(entry), entry);
        }
        return u32(first + *count * kEntrySize);
    }

    QByteArrayView slice(uint32_t offset, uint32_t length) const {
        const qint64 end = static_cast<qint64>(offset) + length;
        if (length == 0 || end > tiff_.size()) return {};
        return tiff_.sliced(offset, length);
    }

private:
    QByteArrayView tiff_;
    bool littleEndian_ = true;
};

}  // namespace

ExifBlock readExifBlock(QByteArrayView payload) {
    ExifBlock block;
    if (payload.size() < kHeaderSize || !payload.startsWith(QByteArrayView("Exif\0\0", 6)))
        return block;
    TiffReader reader(payload.sliced(kHeaderSize));
    if (!reader.readByteOrder()) return block;

    const auto firstDirectory = reader.u32(4);
    if (!firstDirectory) return block;
    const auto secondDirectory =
        reader.walkDirectory(*firstDirectory, [&](uint16_t tag, qsizetype entry) {
            if (tag != kOrientationTag) return;
            const auto value = reader.entryValue(entry);
            if (value && *value >= 1 && *value <= 8) block.orientation = static_cast<int>(*value);
        });
    // The second directory describes the thumbnail. A directory pointing at
    // the first again would loop; it is not followed.
    if (!secondDirectory || *secondDirectory == 0 || *secondDirectory == *firstDirectory)
        return block;
    std::optional<uint32_t> offset;
    std::optional<uint32_t> length;
    reader.walkDirectory(*secondDirectory, [&](uint16_t tag, qsizetype entry) {
        if (tag == kThumbnailOffsetTag) offset = reader.entryValue(entry);
        if (tag == kThumbnailLengthTag) length = reader.entryValue(entry);
    });
    if (offset && length) {
        const QByteArrayView bytes = reader.slice(*offset, *length);
        if (bytes.size() > 2 && static_cast<uint8_t>(bytes[0]) == 0xFF &&
            static_cast<uint8_t>(bytes[1]) == 0xD8) {
            block.thumbnail = bytes.toByteArray();
        }
    }
    return block;
}
