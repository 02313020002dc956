#include "common/cp949.h"

#include "common/dialogs.h"

#include <QLineEdit>

#include <algorithm>

namespace {

// The length of the beginning two texts share.
qsizetype commonPrefix(const QString& a, const QString& b) {
    const qsizetype limit = std::min(a.size(), b.size());
    qsizetype n = 0;
    while (n < limit && a.at(n) == b.at(n))
        ++n;
    return n;
}

// Moves the start back off the low half of a surrogate pair, so that a cut
// never splits a character.
qsizetype wholeCharacterStart(const QString& text, qsizetype start) {
    if (start > 0 && start < text.size() && text.at(start).isLowSurrogate() &&
        text.at(start - 1).isHighSurrogate()) {
        return start - 1;
    }
    return start;
}

}  // namespace

Cp949LengthValidator::Cp949LengthValidator(int maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(parent)) lastText_ = edit->text();
}

void Cp949LengthValidator::setMaxBytes(int maxBytes) {
    if (maxBytes_ == maxBytes) return;
    maxBytes_ = maxBytes;
    emit changed();
}

bool Cp949LengthValidator::isUserEdit() const {
    // Setting the text from the program clears the field's undo history; an
    // edit by the user (typing, pasting, dropping, an input method) adds to it.
    const auto* edit = qobject_cast<const QLineEdit*>(parent());
    return edit && edit->isUndoAvailable();
}

QValidator::State Cp949LengthValidator::validate(QString& input, int& pos) const {
    const int bytes = cp949ByteLength(input);
    if (bytes <= maxBytes_) {
        lastText_ = input;
        return Acceptable;
    }
    if (!isUserEdit()) {
        // A stored value longer than its field is shown whole; saving it is
        // refused with a message, never silently cut.
        lastText_ = input;
        return Invalid;
    }
    if (bytes <= cp949ByteLength(lastText_)) {
        // Shortening a text that was already too long brings it nearer its limit.
        lastText_ = input;
        return Intermediate;
    }
    return keepWhatFits(input, pos);
}

QValidator::State Cp949LengthValidator::keepWhatFits(QString& input, int& pos) const {
    // The user's insertion ends at the cursor and begins where the text
    // before the edit stops agreeing with the new text.
    const qsizetype end = std::clamp<qsizetype>(pos, 0, input.size());
    const qsizetype start =
        wholeCharacterStart(input, std::min(commonPrefix(lastText_, input), end));
    if (start == end) return Invalid;  // no insertion before the cursor to cut
    const QString before = input.left(start);
    const QString after = input.mid(end);
    const int room = maxBytes_ - cp949ByteLength(before) - cp949ByteLength(after);
    const QString kept =
        room > 0 ? truncateToCp949Bytes(input.mid(start, end - start), room) : QString();
    dialogs().beep();
    if (kept.isEmpty() && cp949ByteLength(lastText_) <= maxBytes_)
        return Invalid;  // nothing fits: the field takes the edit back
    // Also when the text was too long before the edit: the field takes an
    // edit back only from a text within its limit, so the cut is made here.
    input = before + kept + after;
    pos = static_cast<int>(start + kept.size());
    lastText_ = input;
    return cp949ByteLength(input) <= maxBytes_ ? Acceptable : Intermediate;
}

void limitCp949(QLineEdit* edit, int maxBytes) {
    if (!edit) return;
    auto* existing =
        qobject_cast<Cp949LengthValidator*>(const_cast<QValidator*>(edit->validator()));
    if (existing && existing->parent() == edit) {
        existing->setMaxBytes(maxBytes);
        return;
    }
    edit->setValidator(new Cp949LengthValidator(maxBytes, edit));
}
