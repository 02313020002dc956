#include "common/cp949_text.h"

#include <QtEndian>
#include <QtGlobal>

#include <iconv.h>

#include <array>
#include <memory>

namespace {

// What a character that CP949 cannot encode counts, and what it becomes.
constexpr int kUnencodableBytes = 2;
constexpr char kUnencodableByte = '?';

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// One iconv conversion, opened on first use in a thread and closed with it.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == kNoConverter) {
            qWarning("iconv cannot convert from %s to %s; CP949 text is not available", from, to);
        }
    }
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != kNoConverter; }

    // Converts the whole input; false when iconv refuses any of it or
    // replaces it by an approximation.
    bool convert(const char* input, size_t inputSize, char* output, size_t* outputSize) const {
        char* in = const_cast<char*>(input);
        size_t inLeft = inputSize;
        char* out = output;
        size_t outLeft = *outputSize;
        const size_t result = iconv(cd_, &in, &inLeft, &out, &outLeft);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        *outputSize -= outLeft;
        return result == 0 && inLeft == 0;
    }

private:
    iconv_t cd_;
};

const Converter& encoder() {
    thread_local const Converter converter("CP949", "UTF-32LE");
    return converter;
}

// The characters of CP949's two-byte sequences, read once from iconv: a lead
// byte 0x81..0xFE followed by a trail byte 0x41..0xFE. Every character of
// CP949 lies in the Basic Multilingual Plane; 0 marks a pair that is no
// character. Decoding by this table never depends on how iconv reports a
// faulty sequence.
class PairTable {
public:
    static constexpr int kFirstLead = 0x81;
    static constexpr int kLastLead = 0xFE;
    static constexpr int kFirstTrail = 0x41;
    static constexpr int kLastTrail = 0xFE;

    PairTable() {
        cells_.fill(0);
        const Converter decoder("UTF-32LE", "CP949");
        if (!decoder.valid()) return;
        for (int lead = kFirstLead; lead <= kLastLead; ++lead) {
            for (int trail = kFirstTrail; trail <= kLastTrail; ++trail) {
                const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                quint32 codePoint = 0;
                size_t outputSize = sizeof codePoint;
                if (!decoder.convert(pair, sizeof pair, reinterpret_cast<char*>(&codePoint),
                                     &outputSize) ||
                    outputSize != sizeof codePoint) {
                    continue;
                }
                codePoint = qFromLittleEndian(codePoint);
                if (codePoint > 0 && codePoint <= 0xFFFF && !QChar::isSurrogate(codePoint))
                    cells_[index(lead, trail)] = static_cast<char16_t>(codePoint);
            }
        }
    }

    // The character of the pair; 0 when it is none.
    char16_t at(uchar lead, uchar trail) const {
        if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail)
            return 0;
        return cells_[index(lead, trail)];
    }

private:
    static constexpr int kTrails = kLastTrail - kFirstTrail + 1;
    static size_t index(int lead, int trail) {
        return static_cast<size_t>((lead - kFirstLead) * kTrails + (trail - kFirstTrail));
    }
    std::array<char16_t, (kLastLead - kFirstLead + 1) * kTrails> cells_;
};

const PairTable& pairTable() {
    static const auto table = std::make_unique<const PairTable>();
    return *table;
}

// Reads the bytes; calls invalid() for every byte that does not begin a
// character and stops when it returns false.
template <typename Invalid>
QString decode(const QByteArray& bytes, Invalid invalid) {
    const PairTable& table = pairTable();
    QString text;
    text.reserve(bytes.size());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const auto lead = static_cast<uchar>(bytes[i]);
        if (lead < 0x80) {
            text.append(QChar(lead));
            ++i;
            continue;
        }
        const char16_t pair = i + 1 < size ? table.at(lead, static_cast<uchar>(bytes[i + 1])) : 0;
        if (pair != 0) {
            text.append(QChar(pair));
            i += 2;
            continue;
        }
        // One replacement for the faulty lead byte; the next byte is read
        // in its own right.
        if (!invalid()) return text;
        text.append(QChar::ReplacementCharacter);
        ++i;
    }
    return text;
}

// The CP949 bytes of one code point; empty when CP949 has no such character.
QByteArray encodeCodePoint(char32_t codePoint) {
    if (codePoint < 0x80) return QByteArray(1, static_cast<char>(codePoint));
    const Converter& converter = encoder();
    if (!converter.valid()) return {};
    const quint32 input = qToLittleEndian(static_cast<quint32>(codePoint));
    std::array<char, 8> output{};
    size_t outputSize = output.size();
    if (!converter.convert(reinterpret_cast<const char*>(&input), sizeof input, output.data(),
                           &outputSize)) {
        return {};
    }
    return QByteArray(output.data(), static_cast<qsizetype>(outputSize));
}

// Calls visit(codePoint, start, units) for every character of the text, where
// start is its index in UTF-16 units and units is 1 or 2 (a surrogate pair).
// A lone surrogate is passed as it is. Stops when visit returns false.
template <typename Visit>
void forEachCodePoint(const QString& text, Visit visit) {
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size;) {
        const QChar unit = text.at(i);
        const bool pair = unit.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate();
        const char32_t codePoint =
            pair ? QChar::surrogateToUcs4(unit, text.at(i + 1)) : char32_t(unit.unicode());
        const int units = pair ? 2 : 1;
        if (!visit(codePoint, i, units)) return;
        i += units;
    }
}

int codePointBytes(char32_t codePoint) {
    if (codePoint < 0x80) return 1;
    const qsizetype bytes = encodeCodePoint(codePoint).size();
    return bytes > 0 ? static_cast<int>(bytes) : kUnencodableBytes;
}

}  // namespace

int cp949ByteLength(const QString& text) {
    int bytes = 0;
    forEachCodePoint(text, [&bytes](char32_t codePoint, qsizetype, int) {
        bytes += codePointBytes(codePoint);
        return true;
    });
    return bytes;
}

QByteArray toCp949(const QString& text) {
    QByteArray result;
    result.reserve(text.size() * 2);
    forEachCodePoint(text, [&result](char32_t codePoint, qsizetype, int) {
        const QByteArray bytes = encodeCodePoint(codePoint);
        if (bytes.isEmpty()) {
            result.append(kUnencodableByte);
        } else {
            result.append(bytes);
        }
        return true;
    });
    return result;
}

QString fromCp949(const QByteArray& bytes) {
    return decode(bytes, [] { return true; });
}

std::optional<QString> fromCp949Strictly(const QByteArray& bytes) {
    bool valid = true;
    QString text = decode(bytes, [&valid] { return valid = false; });
    if (!valid) return std::nullopt;
    return text;
}

QString truncateToCp949Bytes(const QString& text, int maxBytes) {
    int bytes = 0;
    qsizetype end = 0;
    forEachCodePoint(text, [&](char32_t codePoint, qsizetype start, int units) {
        bytes += codePointBytes(codePoint);
        if (bytes > maxBytes) return false;
        end = start + units;
        return true;
    });
    return text.left(end);
}
