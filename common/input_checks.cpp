#include "common/input_checks.h"

#include "common/dialogs.h"

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

}  // namespace

bool isNumberText(const QString& text) {
    if (std::all_of(text.cbegin(), text.cend(), isNumberCharacter))
        return true;
    dialogs().beep();
    return false;
}

bool isWholeNumberText(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    const bool negative = i < text.size() && text.at(i) == QLatin1Char('-');
    if (i < text.size() && (negative || text.at(i) == QLatin1Char('+')))
        ++i;
    if (i == text.size())
        return false;

    // The magnitude may reach 2^31 for a negative number.
    const qint64 limit = qint64(std::numeric_limits<qint32>::max()) + (negative ? 1 : 0);
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!isAsciiDigit(c))
            return false;
        magnitude = magnitude * 10 + c.digitValue();
        if (magnitude > limit)
            return false;
    }
    return true;
}

bool checkWholeNumber(QLineEdit* field) {
    if (!field)
        return false;
    if (isWholeNumberText(field->text()))
        return true;
    field->setFocus();
    return false;
}

int comboSearch(QComboBox* box, const QString& text) {
    if (!box)
        return 0;
    for (int i = 1; i < box->count(); ++i) {
        if (box->itemText(i) == text) {
            box->setCurrentIndex(i);
            return i;
        }
    }
    box->setCurrentIndex(-1);
    return 0;
}
