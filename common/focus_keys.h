#pragma once

#include <QObject>

class QWidget;

// Moves the focus to the next (or previous) control in tab order, skipping
// controls that are hidden, disabled or take no keyboard focus.
void focusNext(QWidget* from, bool forward = true);

// Key handling of the entry forms: Enter moves to the next control and is
// swallowed; with `arrows`, Down moves to the next control and Up to the
// previous one.
class FocusKeys : public QObject {
public:
    FocusKeys(QObject* parent, bool arrows) : QObject(parent), arrows_(arrows) {}
    // Installs the handling on each of the widgets (owned by the first one's
    // window).
    static void install(const QList<QWidget*>& widgets, bool arrows);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool arrows_;
};
