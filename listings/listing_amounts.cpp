#include "listings/listing_amounts.h"

#include "common/input_checks.h"
#include "common/number_format.h"

std::optional<qint64> numberFromDigits(const QString& text) {
    qint64 value = 0;
    for (const QChar c : halfWidthNumberText(text)) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            continue;
        value = value * 10 + c.digitValue();
        if (value > kLargestListingNumber)
            return std::nullopt;
    }
    return value;
}

qint64 pricePerPyeong(qint64 price, qint64 area) {
    Q_ASSERT(area != 0);
    qint64 quotient = price / area;
    const qint64 twiceRemainder = 2 * qAbs(price % area);
    const qint64 divisor = qAbs(area);
    const qint64 away = (price < 0) != (area < 0) ? -1 : 1;
    if (twiceRemainder > divisor || (twiceRemainder == divisor && quotient % 2 != 0)) {
        quotient += away;
    }
    return quotient;
}

qint64 listingDifference(qint64 price, qint64 loan, qint64 deposit) {
    return price - loan - deposit;
}

QString typedDifferenceText(qint64 difference) {
    return QStringLiteral("차액: ") + formatAmount(difference) + QStringLiteral(" 천원");
}

QString loadedDifferenceText(qint64 difference) {
    return formatAmount(qAbs(difference)) + QStringLiteral(" 천원");
}

DerivedAmounts deriveAmounts(const QString& landText, const QString& priceText,
                             const QString& loanText, const QString& depositText) {
    DerivedAmounts derived;
    const auto land = numberFromDigits(landText);
    const auto price = numberFromDigits(priceText);
    const auto loan = numberFromDigits(loanText);
    const auto deposit = numberFromDigits(depositText);
    if (land && price && *land != 0 && *price != 0) {
        derived.pricePerPyeongText = formatAmount(pricePerPyeong(*price, *land));
    }
    if (price && loan && deposit) {
        const qint64 difference = listingDifference(*price, *loan, *deposit);
        if (difference > 0)
            derived.statusText = typedDifferenceText(difference);
    }
    return derived;
}

std::optional<QString> leftAmountText(const QString& typed) {
    if (!isWholeNumberText(typed))
        return std::nullopt;
    return thousandsComma(typed.trimmed(), 0);
}
