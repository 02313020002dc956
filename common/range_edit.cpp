#include "common/range_edit.h"

#include "common/input_checks.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace {

constexpr QChar kBlank = u'_';
constexpr QChar kIdeographicSpace = u'\u3000';

QString maskFor(int digits) {
    const QString half(digits, u'9');
    return half + u'-' + half + u';' + kBlank;
}

// Full-width digits, "－" and the ideographic space as their ASCII forms.
QString asciiTyped(const QString& typed) {
    return halfWidthNumberText(typed).replace(kIdeographicSpace, u' ');
}

}  // namespace

RangeEdit::RangeEdit(int digits, QWidget* parent) : QLineEdit(parent), digits_(digits) {
    setInputMask(maskFor(digits));
}

QString RangeEdit::maskedText() const {
    return asciiTyped(displayText()).replace(kBlank, u' ');
}

int RangeEdit::firstFree(int half) const {
    const QString shown = displayText();
    for (int i = halfStart(half); i < halfEnd(half) && i < shown.size(); ++i) {
        if (shown.at(i) == kBlank) return i;
    }
    return -1;
}

void RangeEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::MouseFocusReason || reason == Qt::ActiveWindowFocusReason ||
        reason == Qt::PopupFocusReason) {
        return;  // a click places the cursor itself; coming back to the window keeps it
    }
    const int first = firstFree(0);
    const int second = firstFree(1);
    setCursorPosition(first >= 0 ? first : second >= 0 ? second : 0);
}

void RangeEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || event->modifiers() & Qt::ShiftModifier) return;
    const QString shown = displayText();
    const int end = halfEnd(1);
    int position = cursorPosition();
    if (position < end && shown.at(position).isDigit()) return;  // on a typed digit, to correct it
    // Back over the free positions (and the "-") to just after what was typed.
    while (position > 0 && (shown.at(position - 1) == kBlank || position - 1 == digits_))
        --position;
    if (position == digits_) position = halfStart(1);  // after a full first half
    setCursorPosition(std::min(position, end - 1));
}

bool RangeEdit::movesOn(const QString& typed) {
    if (typed != QStringLiteral(" ") && typed != QStringLiteral("-")) return false;
    if (halfOf(cursorPosition()) == 0) {
        const int free = firstFree(1);
        setCursorPosition(free >= 0 ? free : halfStart(1));
    }
    return true;  // in the second half there is nowhere further to go
}

void RangeEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = asciiTyped(event->text());
    if (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (movesOn(typed)) {
        event->accept();
        return;
    }
    if (typed == event->text()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent ascii(event->type(), event->key(), event->modifiers(), typed, event->isAutoRepeat(),
                    static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&ascii);
    event->setAccepted(ascii.isAccepted());
}

void RangeEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString typed = asciiTyped(event->commitString());
    if (event->preeditString().isEmpty() && movesOn(typed)) {
        event->accept();
        return;
    }
    if (typed == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent ascii(event->preeditString(), event->attributes());
    ascii.setCommitString(typed, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&ascii);
    event->setAccepted(ascii.isAccepted());
}
