#include "clients/digit_limit.h"

#include "common/dialogs.h"

#include <QLineEdit>

#include <algorithm>

namespace {

bool isDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= QChar(0xFF10) && c <= QChar(0xFF19));
}

qsizetype commonPrefix(const QString& a, const QString& b) {
    const qsizetype limit = std::min(a.size(), b.size());
    qsizetype n = 0;
    while (n < limit && a.at(n) == b.at(n))
        ++n;
    return n;
}

}  // namespace

int digitCount(const QString& text) {
    return static_cast<int>(std::count_if(text.cbegin(), text.cend(), isDigit));
}

DigitLimitValidator::DigitLimitValidator(int digits, QObject* parent)
    : QValidator(parent), digits_(digits) {
    if (const auto* field = qobject_cast<const QLineEdit*>(parent)) lastText_ = field->text();
}

bool DigitLimitValidator::isUserEdit() const {
    // Text set by the program clears the field's undo history; the user's
    // edits add to it.
    const auto* field = qobject_cast<const QLineEdit*>(parent());
    return field && field->isUndoAvailable();
}

QValidator::State DigitLimitValidator::validate(QString& input, int& pos) const {
    if (digitCount(input) <= digits_ || !isUserEdit() ||
        digitCount(input) <= digitCount(lastText_)) {
        lastText_ = input;
        return Acceptable;
    }
    // The insertion ends at the cursor and begins where the text before the
    // edit stops agreeing with the new one; keep what fits of it.
    const qsizetype end = std::clamp<qsizetype>(pos, 0, input.size());
    const qsizetype start = std::min(commonPrefix(lastText_, input), end);
    const QString before = input.left(start);
    const QString after = input.mid(end);
    int room = digits_ - digitCount(before) - digitCount(after);
    QString kept;
    for (const QChar c : input.mid(start, end - start)) {
        if (isDigit(c)) {
            if (room <= 0) break;
            --room;
        }
        kept += c;
    }
    dialogs().beep();
    if (kept.isEmpty()) return Invalid;
    input = before + kept + after;
    pos = static_cast<int>(start + kept.size());
    lastText_ = input;
    return Acceptable;
}

void limitDigits(QLineEdit* field, int digits) {
    field->setValidator(new DigitLimitValidator(digits, field));
}
