#include "imaging/pcx_decoder.h"

#include <cstdint>
#include <vector>

namespace {

constexpr qsizetype kHeaderSize = 128;
constexpr qsizetype kPaletteSize = 769;  // 0x0C and 256 RGB triples
constexpr int kMaxSide = 20000;
constexpr qint64 kMaxPixels = 100'000'000;

struct PcxHeader {
    int bitsPerPlane = 0;
    int planes = 0;
    int width = 0;
    int height = 0;
    int bytesPerLine = 0;
    bool runLength = false;
};

uint8_t byteAt(QByteArrayView bytes, qsizetype at) {
    return static_cast<uint8_t>(bytes[at]);
}

int wordAt(QByteArrayView bytes, qsizetype at) {
    return byteAt(bytes, at) | (byteAt(bytes, at + 1) << 8);
}

QString readHeader(QByteArrayView bytes, PcxHeader& header) {
    if (bytes.size() < kHeaderSize || byteAt(bytes, 0) != 0x0A)
        return QStringLiteral("PCX 형식이 아닙니다");
    header.runLength = byteAt(bytes, 2) == 1;
    header.bitsPerPlane = byteAt(bytes, 3);
    header.width = wordAt(bytes, 8) - wordAt(bytes, 4) + 1;
    header.height = wordAt(bytes, 10) - wordAt(bytes, 6) + 1;
    header.planes = byteAt(bytes, 65);
    header.bytesPerLine = wordAt(bytes, 66);
    if (header.width < 1 || header.height < 1 || header.width > kMaxSide ||
        header.height > kMaxSide ||
        static_cast<qint64>(header.width) * header.height > kMaxPixels) {
        return QStringLiteral("PCX 그림의 크기가 잘못되었습니다");
    }
    if (header.bitsPerPlane != 8 || (header.planes != 1 && header.planes != 3))
        return QStringLiteral(
            "지원하지 않는 PCX 색상 형식입니다 (8비트 팔레트와 24비트만 읽습니다)");
    if (header.bytesPerLine < header.width) return QStringLiteral("PCX 줄 길이가 잘못되었습니다");
    return {};
}

// The planes of every line, one after the other, as the file's runs give
// them. Runs may cross from one plane or line into the next.
bool expandRuns(QByteArrayView data, bool runLength, std::vector<uint8_t>& out) {
    qsizetype in = 0;
    size_t filled = 0;
    while (filled < out.size()) {
        if (in >= data.size()) return false;
        uint8_t value = byteAt(data, in++);
        size_t count = 1;
        if (runLength && (value & 0xC0) == 0xC0) {
            count = value & 0x3F;
            if (in >= data.size()) return false;
            value = byteAt(data, in++);
        }
        for (; count > 0 && filled < out.size(); --count)
            out[filled++] = value;
    }
    return true;
}

}  // namespace

PcxPicture decodePcx(QByteArrayView bytes) {
    PcxPicture result;
    PcxHeader header;
    result.error = readHeader(bytes, header);
    if (!result.error.isEmpty()) return result;

    const bool paletted = header.planes == 1;
    qsizetype dataEnd = bytes.size();
    if (paletted) {
        if (bytes.size() < kHeaderSize + kPaletteSize ||
            byteAt(bytes, bytes.size() - kPaletteSize) != 0x0C) {
            result.error = QStringLiteral("PCX 팔레트가 없습니다");
            return result;
        }
        dataEnd -= kPaletteSize;
    }
    const qsizetype lineBytes = static_cast<qsizetype>(header.bytesPerLine) * header.planes;
    std::vector<uint8_t> pixels(static_cast<size_t>(lineBytes) *
                                static_cast<size_t>(header.height));
    if (!expandRuns(bytes.sliced(kHeaderSize, dataEnd - kHeaderSize), header.runLength, pixels)) {
        result.error = QStringLiteral("PCX 자료가 잘려 있습니다");
        return result;
    }

    QImage image(header.width, header.height, QImage::Format_RGB32);
    if (image.isNull()) {
        result.error = QStringLiteral("그림을 담을 메모리가 부족합니다");
        return result;
    }
    const qsizetype palette = bytes.size() - kPaletteSize + 1;
    for (int y = 0; y < header.height; ++y) {
        const uint8_t* line = pixels.data() + static_cast<qsizetype>(y) * lineBytes;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < header.width; ++x) {
            if (paletted) {
                const qsizetype entry = palette + 3 * line[x];
                out[x] =
                    qRgb(byteAt(bytes, entry), byteAt(bytes, entry + 1), byteAt(bytes, entry + 2));
            } else {
                const int plane = header.bytesPerLine;
                out[x] = qRgb(line[x], line[plane + x], line[2 * plane + x]);
            }
        }
    }
    result.image = image;
    return result;
}
