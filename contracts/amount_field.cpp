#include "contracts/amount_field.h"

#include "common/amount_words.h"
#include "common/input_checks.h"
#include "common/number_format.h"

namespace {
constexpr QChar kStoredWon(u'\\');
constexpr QChar kShownWon(u'\u20A9');

QString withoutLeadingZeros(const QString& digits) {
    qsizetype first = 0;
    while (first + 1 < digits.size() && digits[first] == u'0')
        ++first;
    return digits.mid(first);
}
}  // namespace

QString amountFieldText(const QString& digits) {
    return hanjaAmountWords(digits) + QStringLiteral("  (") + kStoredWon +
           thousandsComma(digits, static_cast<int>(digits.size())) + u')';
}

QString amountFigure(const QString& text) {
    qsizetype mark = text.indexOf(kStoredWon);
    if (mark < 0) mark = text.indexOf(kShownWon);
    if (mark < 0) return text;
    // From after the mark up to, not including, the last character.
    return text.mid(mark + 1, std::max<qsizetype>(0, text.size() - mark - 2));
}

std::optional<QString> amountFieldTextForTyped(const QString& typed) {
    // Digits typed in the input method's full-width mode count as digits.
    const QString digits =
        withoutLeadingZeros(digitsOnly(halfWidthNumberText(typed), QStringLiteral("0")));
    if (digits.size() > kAmountDigits) return std::nullopt;
    return amountFieldText(digits);
}

QString amountTooLongMessage() {
    return QStringLiteral("금액은 %1자리까지 입력할 수 있습니다 ...!").arg(kAmountDigits);
}

std::optional<qint64> amountWon(const QString& text) {
    const QString digits = withoutLeadingZeros(digitsOnly(text, QStringLiteral("0")));
    if (digits.size() > kAmountDigits) return std::nullopt;
    return digits.toLongLong();
}

QString shownWonMark(const QString& stored) {
    return QString(stored).replace(kStoredWon, kShownWon);
}

QString storedWonMark(const QString& shown) {
    return QString(shown).replace(kShownWon, kStoredWon);
}
