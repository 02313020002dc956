#pragma once

#include <QWidget>

#include <functional>

// Arms a timer that waits for the next modal dialog to appear (a form opened
// with exec()) and hands it to `act`, which must close it (accept, reject or
// close). When no modal dialog appears within `timeoutMs`, or `act` leaves it
// open, the dialog is closed so that no test hangs; `appeared` then tells.
class ModalHandler {
public:
    explicit ModalHandler(std::function<void(QWidget*)> act, int timeoutMs = 5000);
    ~ModalHandler();
    bool appeared() const { return *appeared_; }

private:
    std::shared_ptr<bool> appeared_;
    std::shared_ptr<bool> alive_;
};

// Sends Hangul or other non-ASCII text to a widget as typed input.
void typeText(QWidget* widget, const QString& text);
// Presses one key on a widget.
void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
