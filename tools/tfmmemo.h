#pragma once

#include "common/task_form.h"
#include "tools/memo_notes.h"

#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// The memo notes "메모노트": a list of titles beside the title and text of the
// note in hand. A note is stored when it has a title: on leaving the text
// after a change, on moving to another note, on "새로작성" and on closing. A
// note without a title is never stored; the user is told, or asked before it
// is dropped. The search box finds notes by words of their title or text.
class TFMmemo : public TaskForm {
    Q_OBJECT
public:
    explicit TFMmemo(QWidget* parent = nullptr);
    ~TFMmemo() override;

    // Reads the notes and shows the first.
    void formActivate();

    // "제목이 없는 메모는 저장되지 않습니다. 이 메모를 버릴까요 ...?"
    static QString dropUntitledQuestion();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void placeControls();
    void connectControls();

    MemoNote typed() const;
    bool changed() const;
    // Stores the note in hand when it changed; asks before dropping an
    // untitled one. False when the user stays on it (or it could not be
    // stored).
    bool leaveNote();
    void store();
    void reload(int select);
    void showList();
    void showNote(int position);
    void showBlank();
    int rowOf(int position) const;
    // The grid's current row on the note in hand (none for a new note).
    void selectRowOfNote();

    void rowChosen(int row);
    void newNote();
    void deleteNote();
    void textLeft(QWidget* to);
    void focusMoved(QWidget* from, QWidget* to);
    void paintTitle(bool focused);

    std::vector<MemoNote> notes_;
    std::vector<int> shown_;  // the places of the listed notes
    int position_ = -1;       // the note in hand; -1 for one not yet stored
    MemoNote loaded_;         // the note in hand as it was read
    bool textChanged_ = false;
    bool filling_ = false;
    bool activated_ = false;
    QMetaObject::Connection focusWatch_;

    QLineEdit* DBEdit1 = nullptr;
    QPlainTextEdit* DBMemo1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* EDsearch = nullptr;
    QTableWidget* DBGrid1 = nullptr;
    QPushButton* BTnew = nullptr;
    QPushButton* BTdel = nullptr;
    QPushButton* BTquit = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QLabel* StatusPanel2 = nullptr;
};
