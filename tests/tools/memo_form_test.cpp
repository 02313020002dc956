// The memo notes TFMmemo through its controls: notes written, stored on
// leaving, found by words, browsed and deleted; the count read from the
// table; a note without a title never stored, and dropped only after asking.

#include "tests/support/modal.h"
#include "tests/support/other_program.h"
#include "tests/support/store_fixture.h"
#include "tools/memo_notes.h"
#include "tools/tfmmemo.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

namespace {

const QString kEnterTitle = QStringLiteral("제목을 입력해 주세요...!");

class MemoFormTest : public StoreTest {
protected:
    void TearDown() override {
        if (form) {
            // Whatever a test leaves typed is not asked about on the way out.
            dlg().defaultAnswer = Dialogs::Answer::Yes;
            form.reset();
        }
        StoreTest::TearDown();
    }
    void addNote(const QString& title, const QString& text) {
        sql(QStringLiteral("INSERT INTO memo (Memotitle, Memo1) VALUES (?, ?)"), {title, text});
    }
    void open() {
        form = std::make_unique<TFMmemo>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    template <typename W>
    W* get(const char* name) {
        auto* widget = form->findChild<W*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* title() { return get<QLineEdit>("DBEdit1"); }
    QPlainTextEdit* text() { return get<QPlainTextEdit>("DBMemo1"); }
    QTableWidget* grid() { return get<QTableWidget>("DBGrid1"); }
    QPushButton* del() { return get<QPushButton>("BTdel"); }
    QString count() { return get<QLabel>("Label2")->text(); }
    void click(const char* name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    QStringList listed() {
        QStringList titles;
        for (int row = 0; row < grid()->rowCount(); ++row)
            titles.append(grid()->item(row, 0)->text());
        return titles;
    }
    QStringList stored() {
        QStringList notes;
        for (const MemoNote& note : readMemoNotes())
            notes.append(note.title + u'|' + note.text);
        return notes;
    }
    void typeTitle(const QString& t) {
        title()->setFocus();
        title()->selectAll();
        typeText(title(), t);
    }
    void typeMemo(const QString& t) {
        text()->setFocus();
        typeText(text(), t);
    }

    std::unique_ptr<TFMmemo> form;
};

}  // namespace

TEST_F(MemoFormTest, NotesAreWrittenStoredOnLeavingAndCountedFromTheTable) {
    open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("메모노트"));
    EXPECT_EQ(count(), QStringLiteral("자료: 0 건"));
    grid()->setFocus();
    EXPECT_FALSE(del()->isEnabled());

    click("BTnew");
    EXPECT_EQ(form->focusWidget(), title());
    EXPECT_EQ(title()->palette().color(QPalette::Base), QColor(Qt::blue));
    typeTitle(QStringLiteral("거래처 연락"));
    QTest::keyClick(title(), Qt::Key_Return);
    EXPECT_EQ(form->focusWidget(), text());
    EXPECT_EQ(title()->palette().color(QPalette::Base), QColor(Qt::white));
    typeText(text(), QStringLiteral("김 사장 010"));
    const int beeps = dlg().beeps;
    grid()->setFocus();  // leaving the text stores the note
    EXPECT_EQ(dlg().beeps, beeps + 1);
    EXPECT_EQ(stored(), QStringList{QStringLiteral("거래처 연락|김 사장 010")});
    EXPECT_EQ(count(), QStringLiteral("자료: 1 건"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("거래처 연락")});

    // A second note; its change of title is stored on moving back to the
    // first, which is then shown.
    click("BTnew");
    typeTitle(QStringLiteral("잔금일"));
    typeMemo(QStringLiteral("12월 20일"));
    title()->setFocus();
    typeTitle(QStringLiteral("잔금일 확인"));
    grid()->setFocus();
    grid()->setCurrentCell(0, 0);
    EXPECT_EQ(stored(), (QStringList{QStringLiteral("거래처 연락|김 사장 010"),
                                     QStringLiteral("잔금일 확인|12월 20일")}));
    EXPECT_EQ(title()->text(), QStringLiteral("거래처 연락"));
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("김 사장 010"));

    // Another program adds a note: the count is read, never kept by hand.
    OtherProgram other(db());
    other.run("INSERT INTO memo (Memotitle, Memo1) VALUES ('다른 곳', '')");
    click("BTnew");
    typeTitle(QStringLiteral("세 번째"));
    click("BTnew");
    EXPECT_EQ(count(), QStringLiteral("자료: 4 건"));
    EXPECT_EQ(rows(QStringLiteral("memo")), 4);
    EXPECT_TRUE(dlg().errors.isEmpty()) << dlg().errors.join(u'|').toStdString();
}

TEST_F(MemoFormTest, ANoteWithoutATitleIsNeverStored) {
    addNote(QStringLiteral("보관"), QStringLiteral("내용"));
    open();
    click("BTnew");
    typeMemo(QStringLiteral("제목 없는 메모"));
    // Leaving the text for another field: told, back to the title.
    get<QLineEdit>("EDsearch")->setFocus();
    EXPECT_EQ(dlg().texts(), QStringList{kEnterTitle});
    EXPECT_EQ(form->focusWidget(), title());
    EXPECT_EQ(rows(QStringLiteral("memo")), 1);

    // Moving on asks; No keeps the note in hand.
    dlg().reset();
    dlg().script({Dialogs::Answer::No});
    click("BTnew");
    EXPECT_EQ(dlg().texts(), QStringList{TFMmemo::dropUntitledQuestion()});
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("제목 없는 메모"));
    dlg().script({Dialogs::Answer::No});
    grid()->setCurrentCell(0, 0);
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("제목 없는 메모"));
    EXPECT_EQ(grid()->currentRow(), -1);
    dlg().script({Dialogs::Answer::No});
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(rows(QStringLiteral("memo")), 1);

    // Yes drops it, and only then.
    dlg().reset();
    dlg().script({Dialogs::Answer::Yes});
    grid()->setCurrentCell(0, 0);
    EXPECT_EQ(dlg().texts(), QStringList{TFMmemo::dropUntitledQuestion()});
    EXPECT_EQ(title()->text(), QStringLiteral("보관"));
    EXPECT_EQ(stored(), QStringList{QStringLiteral("보관|내용")});
    // A title alone cleared on a stored note is not stored either.
    title()->clear();
    dlg().script({Dialogs::Answer::Yes});
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(stored(), QStringList{QStringLiteral("보관|내용")});
}

TEST_F(MemoFormTest, NotesAreFoundByWordsAndDeleted) {
    addNote(QStringLiteral("계약 일정"), QStringLiteral("잔금 12월 20일"));
    addNote(QStringLiteral("세금"), QStringLiteral("양도세 상담"));
    addNote(QStringLiteral("잔금 확인"), QStringLiteral("은행 방문"));
    open();
    EXPECT_EQ(count(), QStringLiteral("자료: 3 건"));
    EXPECT_EQ(title()->text(), QStringLiteral("계약 일정"));

    auto* search = get<QLineEdit>("EDsearch");
    search->setText(QStringLiteral("잔금"));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("계약 일정"), QStringLiteral("잔금 확인")}));
    search->setText(QStringLiteral("잔금 은행"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("잔금 확인")});
    EXPECT_EQ(get<QLabel>("StatusPanel1")->text(), QStringLiteral("검색: 1 건"));
    grid()->setFocus();
    grid()->setCurrentCell(0, 0);
    EXPECT_EQ(text()->toPlainText(), QStringLiteral("은행 방문"));
    search->clear();
    EXPECT_EQ(listed().size(), 3);
    EXPECT_EQ(grid()->currentRow(), 2);

    // Delete asks; No keeps the note.
    grid()->setFocus();
    EXPECT_TRUE(del()->isEnabled());
    dlg().script({Dialogs::Answer::No});
    click("BTdel");
    EXPECT_EQ(rows(QStringLiteral("memo")), 3);
    dlg().reset();
    grid()->setFocus();
    click("BTdel");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("선택한 자료를 삭제할까요...!")});
    EXPECT_EQ(dlg().beeps, 1);
    EXPECT_EQ(stored(), (QStringList{QStringLiteral("계약 일정|잔금 12월 20일"),
                                     QStringLiteral("세금|양도세 상담")}));
    EXPECT_EQ(count(), QStringLiteral("자료: 2 건"));
    // Back in the grid, which still has notes to delete.
    EXPECT_EQ(form->focusWidget(), grid());
    EXPECT_TRUE(del()->isEnabled());
    EXPECT_EQ(title()->text(), QStringLiteral("세금"));

    // Leaving the grid for anything but the delete button disables it.
    grid()->setFocus();
    EXPECT_TRUE(del()->isEnabled());
    search->setFocus();
    EXPECT_FALSE(del()->isEnabled());

    // Deleting the last note leaves nothing to delete.
    for (int i = 0; i < 2; ++i) {
        grid()->setFocus();
        click("BTdel");
    }
    EXPECT_EQ(count(), QStringLiteral("자료: 0 건"));
    grid()->setFocus();
    EXPECT_FALSE(del()->isEnabled());
}
