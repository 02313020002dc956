// The CP949 decoder on any bytes, and what it promises about them.

#include "common/cp949_text.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = bytesOf(data, size);
    const QString text = fromCp949(bytes);
    require(text.size() <= bytes.size(), "at most one character for every byte");

    const std::optional<QString> strict = fromCp949Strictly(bytes);
    require(strict.has_value() == !text.contains(QChar::ReplacementCharacter),
            "the strict reading refuses exactly what becomes U+FFFD");
    if (strict) {
        require(*strict == text, "both readings agree on CP949 text");
        require(toCp949(text) == bytes, "CP949 text goes back to the same bytes");
        require(cp949ByteLength(text) == bytes.size(), "the byte length is the bytes'");
    }

    const int limit = size > 0 ? data[0] % 24 : 0;
    const QString cut = truncateToCp949Bytes(text, limit);
    require(text.startsWith(cut), "a cut text is a beginning of the text");
    require(cp949ByteLength(cut) <= limit, "a cut text fits its limit");
    require(cut.isEmpty() || !cut.back().isHighSurrogate(), "a cut never splits a pair");
    return 0;
}
