#include "common/cp949.h"

#include <QLineEdit>
#include <QtEndian>
#include <QtGlobal>

#include <iconv.h>

#include <array>
#include <cerrno>

namespace {

// What a character that CP949 cannot encode counts, and what it becomes.
constexpr int kUnencodableBytes = 2;
constexpr char kUnencodableByte = '?';
constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
const size_t kIconvFailed = static_cast<size_t>(-1);

// One iconv conversion, opened on first use in a thread and closed with it.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == kNoConverter) {
            qWarning("iconv cannot convert from %s to %s; CP949 text is not available", from, to);
        }
    }
    ~Converter() {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != kNoConverter; }
    iconv_t handle() const { return cd_; }
    void reset() const { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

  private:
    iconv_t cd_;
};

const Converter& encoder() {
    thread_local const Converter converter("CP949", "UTF-32LE");
    return converter;
}

const Converter& decoder() {
    thread_local const Converter converter("UTF-8", "CP949");
    return converter;
}

// The CP949 bytes of one code point; empty when CP949 has no such character.
QByteArray encodeCodePoint(char32_t codePoint) {
    if (codePoint < 0x80)
        return QByteArray(1, static_cast<char>(codePoint));
    const Converter& converter = encoder();
    if (!converter.valid())
        return {};

    const quint32 input = qToLittleEndian(static_cast<quint32>(codePoint));
    std::array<char, 8> output{};
    char* in = const_cast<char*>(reinterpret_cast<const char*>(&input));
    size_t inLeft = sizeof input;
    char* out = output.data();
    size_t outLeft = output.size();
    const size_t result = iconv(converter.handle(), &in, &inLeft, &out, &outLeft);
    if (result != 0) {
        // Failed, or replaced by an approximation: either way not encodable.
        converter.reset();
        return {};
    }
    return QByteArray(output.data(), static_cast<int>(out - output.data()));
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
        if (!visit(codePoint, i, units))
            return;
        i += units;
    }
}

int codePointBytes(char32_t codePoint) {
    if (codePoint < 0x80)
        return 1;
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
    const Converter& converter = decoder();
    QByteArray utf8;
    utf8.reserve(bytes.size() * 2);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    std::array<char, 512> chunk{};
    while (inLeft > 0) {
        if (!converter.valid()) {
            // Without a converter only the ASCII half can be read.
            const auto byte = static_cast<unsigned char>(*in);
            utf8.append(byte < 0x80 ? QByteArray(1, *in) : QByteArray(kReplacementUtf8));
            ++in;
            --inLeft;
            continue;
        }
        char* out = chunk.data();
        size_t outLeft = chunk.size();
        const size_t result = iconv(converter.handle(), &in, &inLeft, &out, &outLeft);
        const int error = errno;
        utf8.append(chunk.data(), static_cast<int>(out - chunk.data()));
        if (result == kIconvFailed && error != E2BIG) {
            // An invalid or cut-off sequence: one replacement character for
            // its first byte, then go on with the next byte.
            utf8.append(kReplacementUtf8);
            ++in;
            --inLeft;
            converter.reset();
        }
    }
    return QString::fromUtf8(utf8);
}

QString truncateToCp949Bytes(const QString& text, int maxBytes) {
    int bytes = 0;
    qsizetype end = 0;
    forEachCodePoint(text, [&](char32_t codePoint, qsizetype start, int units) {
        bytes += codePointBytes(codePoint);
        if (bytes > maxBytes)
            return false;
        end = start + units;
        return true;
    });
    return text.left(end);
}

Cp949LengthValidator::Cp949LengthValidator(int maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

void Cp949LengthValidator::setMaxBytes(int maxBytes) {
    if (maxBytes_ == maxBytes)
        return;
    maxBytes_ = maxBytes;
    emit changed();
}

QValidator::State Cp949LengthValidator::validate(QString& input, int& /*pos*/) const {
    return cp949ByteLength(input) > maxBytes_ ? Invalid : Acceptable;
}

void limitCp949(QLineEdit* edit, int maxBytes) {
    if (!edit)
        return;
    auto* existing =
        qobject_cast<Cp949LengthValidator*>(const_cast<QValidator*>(edit->validator()));
    if (existing && existing->parent() == edit) {
        existing->setMaxBytes(maxBytes);
        return;
    }
    edit->setValidator(new Cp949LengthValidator(maxBytes, edit));
}
