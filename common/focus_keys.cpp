#include "common/focus_keys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QWidget>

namespace {
bool takesFocus(const QWidget* w) {
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}
}  // namespace

void focusNext(QWidget* from, bool forward) {
    QWidget* w = from;
    for (int guard = 0; guard < 1000; ++guard) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == from) return;
        if (w->window() == from->window() && takesFocus(w)) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

void FocusKeys::install(const QList<QWidget*>& widgets, bool arrows) {
    if (widgets.isEmpty()) return;
    auto* filter = new FocusKeys(widgets.first()->window(), arrows);  // owned by the window
    for (QWidget* w : widgets) w->installEventFilter(filter);
}

bool FocusKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (!widget) return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        focusNext(widget, true);
        return true;
    }
    if (arrows_ && !qobject_cast<QComboBox*>(widget) && (key == Qt::Key_Down || key == Qt::Key_Up)) {
        focusNext(widget, key == Qt::Key_Down);
        return true;
    }
    return false;
}
