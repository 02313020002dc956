#include "common/composition_commit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

// How long after a commit here a repetition of it is taken for the input
// method's own commit on reset (it comes in a few milliseconds).
constexpr qint64 kRepetitionMs = 1000;

// Whether a press on `target` stays in `field` (or one of its parts, such as
// the viewport of a memo).
bool isWithin(const QWidget* target, const QObject* field) {
    for (const QWidget* w = target; w; w = w->parentWidget()) {
        if (w == field) return true;
    }
    return false;
}

}  // namespace

CompositionCommit::CompositionCommit(QObject* parent) : QObject(parent) {}

bool CompositionCommit::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::InputMethod:
            return inputMethodEvent(watched, *static_cast<QInputMethodEvent*>(event));
        case QEvent::MouseButtonPress:
            // Seen on the window, before the press is handed to a widget and
            // the focus moves.
            if (watched->isWindowType()) mousePress(*static_cast<QMouseEvent*>(event));
            break;
        default:
            break;
    }
    return false;
}

bool CompositionCommit::inputMethodEvent(QObject* receiver, const QInputMethodEvent& event) {
    if (committing_) return false;
    const bool carriesNothing = event.preeditString().isEmpty() &&
                                event.commitString().isEmpty() && event.replacementLength() == 0;
    if (!committed_.isEmpty() && !carriesNothing) {
        const bool repetition = event.preeditString().isEmpty() && event.replacementLength() == 0 &&
                                event.commitString() == committed_ &&
                                sinceCommit_.elapsed() < kRepetitionMs;
        committed_.clear();
        if (repetition) return true;
    }
    if (!event.preeditString().isEmpty()) {
        composingIn_ = receiver;
        composing_ = event.preeditString();
    } else if (receiver == composingIn_) {
        composingIn_ = nullptr;
        composing_.clear();
    }
    return false;
}

void CompositionCommit::mousePress(const QMouseEvent& event) {
    if (composing_.isEmpty() || !composingIn_ || QGuiApplication::focusObject() != composingIn_)
        return;
    const QWidget* target = QApplication::widgetAt(event.globalPosition().toPoint());
    if (isWithin(target, composingIn_))
        return;  // within the field the input method handles the press itself
    commitComposition();
}

void CompositionCommit::commitComposition() {
    const QPointer<QObject> field = composingIn_;
    const QString syllable = composing_;
    composingIn_ = nullptr;
    composing_.clear();

    QInputMethodEvent commit;
    commit.setCommitString(syllable);
    committing_ = true;
    QCoreApplication::sendEvent(field, &commit);
    committing_ = false;

    // Whatever the input method sends on its reset, now or in a moment, is
    // this syllable once more.
    committed_ = syllable;
    sinceCommit_.start();
    QGuiApplication::inputMethod()->reset();
}

void installCompositionCommit(QCoreApplication& application) {
    application.installEventFilter(new CompositionCommit(&application));
}
