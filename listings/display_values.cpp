#include "listings/display_values.h"

#include "common/amount_words.h"
#include "common/number_format.h"

QString displayAmount(const QVariant& thousands) {
    if (thousands.isNull() || thousands.toString().isEmpty()) return {};
    return formatAmount(thousands.toLongLong());
}

QString amountInWonWords(const QVariant& thousands) {
    bool ok = false;
    const qint64 value = thousands.toLongLong(&ok);
    if (!ok || value <= 0) return {};
    // × 1000 by appending the digits: exact for every stored amount.
    return koreanAmountWords(QString::number(value) + QStringLiteral("000"));
}
