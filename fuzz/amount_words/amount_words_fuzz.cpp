// Amounts in Korean and Hanja words, on any text.

#include "common/amount_words.h"
#include "fuzz/fuzz_check.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(bytesOf(data, size));
    const QString korean = koreanAmountWords(text);
    const QString hanja = hanjaAmountWords(text);
    require(korean.size() == hanja.size(), "the Korean and Hanja words are written alike");

    const bool digitsOnly =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    qsizetype firstSignificant = 0;
    while (firstSignificant < text.size() && text[firstSignificant] == u'0')
        ++firstSignificant;
    const qsizetype significant = text.size() - firstSignificant;
    const bool hasWords = digitsOnly && significant >= 1 && significant <= 16;
    require(korean.isEmpty() != hasWords,
            "words exactly for one to sixteen significant digits and nothing else");
    return 0;
}
