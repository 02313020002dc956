#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

class QCoreApplication;
class QInputMethodEvent;
class QMouseEvent;

// Korean typed through an input method is composed a syllable at a time: the
// syllable being composed shows in the field but is not yet part of its text.
// When a mouse press moves the focus to another field, some input methods
// commit that syllable only after the focus has moved, so it lands in the
// other field as well (or only there).
//
// This application-wide filter commits the syllable into its own field before
// the press reaches any widget, then resets the input method, and drops the
// one repetition of that syllable an input method sends when it is reset.
class CompositionCommit : public QObject {
    Q_OBJECT
public:
    explicit CompositionCommit(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool inputMethodEvent(QObject* receiver, const QInputMethodEvent& event);
    void mousePress(const QMouseEvent& event);
    void commitComposition();

    QPointer<QObject> composingIn_;  // the field showing a syllable being composed
    QString composing_;
    bool committing_ = false;
    QString committed_;  // committed here; its repetition is dropped for a moment
    QElapsedTimer sinceCommit_;
};

// Installs the filter on the application for as long as it runs.
void installCompositionCommit(QCoreApplication& application);
