#include "common/number_format.h"

#include <cmath>

namespace {

constexpr int kMaxPadding = 26;
constexpr int kGroupSize = 3;

QString padLeft(const QString& text, int width) {
    const int blanks = qBound(0, width - static_cast<int>(text.size()), kMaxPadding);
    return QString(blanks, QLatin1Char(' ')) + text;
}

// Digits with "," between groups of three counted from the right.
QString groupDigits(const QString& digits) {
    const qsizetype headLength = digits.size() % kGroupSize;
    QString grouped = digits.left(headLength);
    for (qsizetype i = headLength; i < digits.size(); i += kGroupSize) {
        if (!grouped.isEmpty())
            grouped += QLatin1Char(',');
        grouped += digits.mid(i, kGroupSize);
    }
    return grouped;
}

QString signedText(bool negative, const QString& digits) {
    return negative ? QLatin1Char('-') + digits : digits;
}

// The decimal digits of a whole, non-negative double.
QString wholeDigits(double whole) {
    constexpr double kInt64Limit = 9.2e18;
    if (whole < kInt64Limit)
        return QString::number(static_cast<qint64>(whole));
    return QString::number(whole, 'f', 0);
}

// Delphi-style texts of the values that are not numbers.
QString nonFiniteText(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

}  // namespace

QString thousandsComma(const QString& digits, int width) {
    if (digits.isEmpty())
        return {};
    // The routine is meant for unsigned digit texts: a leading "-" counts as
    // one more digit, so "-123" groups as "-,123".
    return padLeft(groupDigits(digits), width);
}

QString formatAmount(qint64 value) {
    // The magnitude as unsigned, so that the smallest qint64 has one too.
    const quint64 magnitude =
        value < 0 ? quint64(0) - static_cast<quint64>(value) : static_cast<quint64>(value);
    return signedText(value < 0, groupDigits(QString::number(magnitude)));
}

QString formatSingleAmount(float value) {
    return formatMask(QStringLiteral("#,##0"), static_cast<double>(value));
}

QString digitsOnly(const QString& text, const QString& defaultText) {
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    return digits.isEmpty() ? defaultText : digits;
}

QString formatMask(const QString& mask, double value) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const double rounded = std::round(value);  // halves away from zero
    const bool grouping = mask.contains(QLatin1Char(','));
    const int minimumDigits = static_cast<int>(mask.count(QLatin1Char('0')));

    QString digits = rounded == 0 ? QString() : wholeDigits(std::fabs(rounded));
    if (digits.size() < minimumDigits) {
        digits.prepend(QString(minimumDigits - digits.size(), QLatin1Char('0')));
    }
    if (grouping)
        digits = groupDigits(digits);
    return signedText(rounded < 0 && !digits.isEmpty(), digits);
}
