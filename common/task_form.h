#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>

class QAbstractButton;

// The base of every task form. What it settles for all of them:
//
// - Esc never throws away what was typed: by default it does nothing at
//   all. A look-up form, where nothing typed is lost (postal codes,
//   calendars), makes Esc its cancel with setEscapeCancels(). A form whose
//   close button answers to Esc names that button and how it knows about
//   unsaved changes with setEscapePresses(); a changed form then asks
//   first.
// - The window title is exactly the caption given with setWindowTitle()
//   (nothing is appended to it; see common/form_keys.h for the
//   application-wide keys).
class TaskForm : public QDialog {
    Q_OBJECT
public:
    explicit TaskForm(QWidget* parent = nullptr);

    // Esc closes the form as "cancel".
    void setEscapeCancels();
    // Esc presses `closeButton`. When `hasUnsavedChanges` says so, the user
    // is asked escapeQuestion() first and nothing happens unless the answer
    // is Yes.
    void setEscapePresses(QAbstractButton* closeButton, std::function<bool()> hasUnsavedChanges);

    // "입력한 내용이 저장되지 않았습니다. 닫을까요 ...?"
    static QString escapeQuestion();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Escape { KeepsForm, Cancels, PressesCloseButton };
    void escapePressed();

    Escape escape_ = Escape::KeepsForm;
    QPointer<QAbstractButton> closeButton_;
    std::function<bool()> hasUnsavedChanges_;
};
