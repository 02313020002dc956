#pragma once

#include "common/task_form.h"

#include <QDate>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The diary entry form "일정 입력/수정": one of the office's own diary
// entries, its day, title and memo. The opener sets `entryMode` (1 new, 2
// change), `day` for a new entry or `key` for a change, and calls exec().
// Accepted when the entry was saved; `key` is then the saved entry's key.
class TFMdiary_imd : public TaskForm {
    Q_OBJECT
public:
    explicit TFMdiary_imd(QWidget* parent = nullptr);
    ~TFMdiary_imd() override;

    int entryMode = 1;
    QDate day;
    QString key;

    // Loads the entry (mode 2) or the day (mode 1). A vanished entry closes
    // the form at once.
    void formActivate();

    QLineEdit* EDday1 = nullptr;
    QLineEdit* EDremark = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BTok = nullptr;
    QPushButton* BTquit = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    bool hasUnsavedChanges() const;
    bool checkFields();
    void save();

    bool activated_ = false;
    QString loadedDay_;
    QString loadedTitle_;
    QString loadedMemo_;
};
