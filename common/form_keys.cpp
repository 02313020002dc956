#include "common/form_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace {

bool isEnter(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           modifiers == Qt::NoModifier;
}

// Watches every key press of the application; only Enter on a button that
// has the focus is taken.
class EnterPressesButtons : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (!button || !(qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)))
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!isEnter(*key) || !button->hasFocus()) return false;
        // A held key presses the button once.
        if (!key->isAutoRepeat() && button->isEnabled()) button->click();
        return true;
    }
};

}  // namespace

void installEnterPressesButtons(QCoreApplication& app) {
    static const char* const kInstalled = "quarnelEnterPressesButtons";
    if (app.property(kInstalled).toBool()) return;
    app.setProperty(kInstalled, true);
    app.installEventFilter(new EnterPressesButtons(&app));
}

void makeMemo(QPlainTextEdit* memo) {
    memo->setTabChangesFocus(true);
}

void makeMemo(QTextEdit* memo) {
    memo->setTabChangesFocus(true);
}
