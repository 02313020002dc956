#include "common/input_checks.h"

#include "common/dialogs.h"
#include "common/number_format.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <limits>

namespace {

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isNumberCharacter(QChar c) {
    return isAsciiDigit(c) || c == QLatin1Char('-') || c == QLatin1Char('.');
}

// U+FF0B to U+FF19: "＋", "，", "－", "．", "／" and "０" to "９", which lie
// 0xFEE0 above their ASCII forms; "／" is no part of a number and stays.
constexpr char16_t kFullWidthPlus = 0xFF0B;
constexpr char16_t kFullWidthNine = 0xFF19;
constexpr char16_t kFullWidthSlash = 0xFF0F;
constexpr char16_t kFullWidthOffset = 0xFEE0;

}  // namespace

bool isNumberText(const QString& text) {
    if (std::all_of(text.cbegin(), text.cend(), isNumberCharacter)) return true;
    dialogs().beep();
    return false;
}

namespace {

enum class WholeNumberReading { Whole, TooLarge, NotANumber };

// Optional leading blanks, an optional sign, then digits only, within 32 bits.
WholeNumberReading readWholeNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    const bool negative = i < text.size() && text.at(i) == QLatin1Char('-');
    if (i < text.size() && (negative || text.at(i) == QLatin1Char('+'))) ++i;
    if (i == text.size()) return WholeNumberReading::NotANumber;

    // The magnitude may reach 2^31 for a negative number.
    const qint64 limit = qint64(std::numeric_limits<qint32>::max()) + (negative ? 1 : 0);
    qint64 magnitude = 0;
    bool tooLarge = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!isAsciiDigit(c)) return WholeNumberReading::NotANumber;
        if (!tooLarge) {
            magnitude = magnitude * 10 + c.digitValue();
            tooLarge = magnitude > limit;
        }
    }
    return tooLarge ? WholeNumberReading::TooLarge : WholeNumberReading::Whole;
}

}  // namespace

bool isWholeNumberText(const QString& text) {
    return readWholeNumber(text) == WholeNumberReading::Whole;
}

bool checkWholeNumber(QLineEdit* field) {
    if (!field) return false;
    if (isWholeNumberText(field->text())) return true;
    field->setFocus();
    return false;
}

QString halfWidthNumberText(const QString& text) {
    QString result = text;
    for (QChar& c : result) {
        const char16_t unit = c.unicode();
        if (unit >= kFullWidthPlus && unit <= kFullWidthNine && unit != kFullWidthSlash)
            c = QChar(static_cast<char16_t>(unit - kFullWidthOffset));
    }
    return result;
}

QString decimalPointMessage(const QString& label) {
    return QStringLiteral("%1 항목에는 소수점 없이 정수로 입력하세요 ...!").arg(label);
}

QString wholeNumberTooLargeMessage(const QString& label) {
    return QStringLiteral("%1 항목에는 %2 까지 입력할 수 있습니다 ...!")
        .arg(label, formatAmount(std::numeric_limits<qint32>::max()));
}

bool leaveWholeNumberField(QLineEdit* field, const QString& label) {
    if (!field) return false;
    const QString typed = halfWidthNumberText(field->text());
    if (typed != field->text()) field->setText(typed);
    const bool decimal = typed.contains(QLatin1Char('.'));
    if (decimal || readWholeNumber(typed) == WholeNumberReading::TooLarge) {
        dialogs().warning(decimal ? decimalPointMessage(label) : wholeNumberTooLargeMessage(label));
        field->setFocus();
        return false;
    }
    if (checkWholeNumber(field)) return true;
    field->setText(QStringLiteral("0"));
    return false;
}

int comboSearch(QComboBox* box, const QString& text) {
    if (!box) return 0;
    for (int i = 1; i < box->count(); ++i) {
        if (box->itemText(i) == text) {
            box->setCurrentIndex(i);
            return i;
        }
    }
    box->setCurrentIndex(-1);
    return 0;
}
