#include "common/task_form.h"

#include "common/dialogs.h"

#include <QAbstractButton>
#include <QKeyEvent>

TaskForm::TaskForm(QWidget* parent) : QDialog(parent) {}

void TaskForm::setEscapeCancels() {
    escape_ = Escape::Cancels;
}

void TaskForm::setEscapePresses(QAbstractButton* closeButton,
                                std::function<bool()> hasUnsavedChanges) {
    escape_ = Escape::PressesCloseButton;
    closeButton_ = closeButton;
    hasUnsavedChanges_ = std::move(hasUnsavedChanges);
}

QString TaskForm::escapeQuestion() {
    return QStringLiteral("입력한 내용이 저장되지 않았습니다. 닫을까요 ...?");
}

void TaskForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    escapePressed();
}

void TaskForm::escapePressed() {
    switch (escape_) {
        case Escape::KeepsForm:
            return;
        case Escape::Cancels:
            reject();
            return;
        case Escape::PressesCloseButton:
            if (!closeButton_ || !closeButton_->isEnabled()) return;
            if (hasUnsavedChanges_ && hasUnsavedChanges_() && !dialogs().askYesNo(escapeQuestion()))
                return;
            closeButton_->click();
            return;
    }
}
