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

// Whole values below this are written through qint64; larger ones through
// the double's own text.
constexpr double kInt64Limit = 9.2e18;
constexpr int kMostInt64Digits = 19;

// The decimal digits of a whole number, most significant first, at the end
// of `buffer`; none for zero.
QStringView integerDigits(quint64 number, char16_t (&buffer)[kMostInt64Digits]) {
    qsizetype first = kMostInt64Digits;
    for (; number > 0; number /= 10) buffer[--first] = static_cast<char16_t>(u'0' + number % 10);
    return QStringView(buffer + first, kMostInt64Digits - first);
}

// The digits padded with leading zeros to `minimumDigits`, grouped by three
// when asked, with a leading "-" for a negative value; null when there is
// no digit at all. Built in one allocation: grids write many of these.
QString maskedDigits(bool negative, QStringView digits, qsizetype minimumDigits, bool grouping) {
    const qsizetype zeros = qMax<qsizetype>(0, minimumDigits - digits.size());
    const qsizetype length = zeros + digits.size();
    if (length == 0)
        return {};
    const qsizetype commas = grouping ? (length - 1) / kGroupSize : 0;
    QString text((negative ? 1 : 0) + length + commas, Qt::Uninitialized);
    QChar* out = text.data();
    if (negative)
        *out++ = QLatin1Char('-');
    for (qsizetype i = 0; i < length; ++i) {
        if (grouping && i > 0 && (length - i) % kGroupSize == 0)
            *out++ = QLatin1Char(',');
        *out++ = i < zeros ? QChar(u'0') : digits[i - zeros];
    }
    return text;
}

// The texts the number formats give for values that are not numbers.
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
    const double magnitude = std::fabs(rounded);
    const bool negative = rounded < 0;
    bool grouping = false;
    qsizetype minimumDigits = 0;
    for (const QChar c : mask) {
        grouping = grouping || c == u',';
        minimumDigits += c == u'0' ? 1 : 0;
    }
    if (magnitude >= kInt64Limit) {
        return maskedDigits(negative, QString::number(magnitude, 'f', 0), minimumDigits,
                            grouping);
    }
    char16_t buffer[kMostInt64Digits];
    return maskedDigits(negative, integerDigits(static_cast<quint64>(magnitude), buffer),
                        minimumDigits, grouping);
}
