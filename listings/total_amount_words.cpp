#include "listings/total_amount_words.h"

#include "common/amount_words.h"
#include "listings/listing_search.h"

namespace {
// The bound in millions of won as won in words.
QString wonWords(const QString& millions) {
    return koreanAmountWords(millions + QStringLiteral("000000"));
}
}  // namespace

QString totalAmountCaption(const QString& maskedRange) {
    return QStringLiteral("합계금▶ ") + wonWords(maskedPart(maskedRange, 1, 6)) +
           QStringLiteral(" >> ") + wonWords(maskedPart(maskedRange, 8, 6));
}
