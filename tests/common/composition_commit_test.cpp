#include "common/composition_commit.h"

#include "common/cp949.h"
#include "tests/support/test_environment.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

namespace {

// Two fields as in a form; the filter installed as at start-up.
class CompositionCommitTest : public QuarnelTest {
protected:
    void SetUp() override {
        QuarnelTest::SetUp();
        auto* layout = new QHBoxLayout(&window);
        first = new QLineEdit(&window);
        second = new QLineEdit(&window);
        memo = new QPlainTextEdit(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        layout->addWidget(memo);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        qApp->installEventFilter(&filter);
    }
    void TearDown() override { qApp->removeEventFilter(&filter); }

    // What an input method sends to the field that has the focus.
    static void compose(const QString& preedit) {
        QInputMethodEvent event(preedit, {});
        QCoreApplication::sendEvent(QGuiApplication::focusObject(), &event);
    }
    static void commit(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(QGuiApplication::focusObject(), &event);
    }
    // A click as the window system delivers it: to the window, which hands
    // it to the widget under the pointer.
    void clickOn(QWidget* widget) {
        const QPoint at = widget->mapTo(&window, widget->rect().center());
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
    }

    QWidget window;
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
    QPlainTextEdit* memo = nullptr;
    CompositionCommit filter;
};

TEST_F(CompositionCommitTest, ClickingAnotherFieldCommitsTheSyllableIntoItsOwnField) {
    first->setText(QStringLiteral("역"));
    compose(QStringLiteral("삼"));
    clickOn(second);
    ASSERT_EQ(QApplication::focusWidget(), second);
    EXPECT_EQ(first->text(), QStringLiteral("역삼"));
    // The input method, reset, commits the syllable again (after an event
    // that carries nothing, as ibus sends): into the field that now has the
    // focus. That repetition is dropped.
    compose(QString());
    commit(QStringLiteral("삼"));
    EXPECT_EQ(second->text(), QString());

    // Typing on in the new field, even the same syllable, is kept.
    compose(QStringLiteral("사"));
    commit(QStringLiteral("삼"));
    EXPECT_EQ(second->text(), QStringLiteral("삼"));
    EXPECT_EQ(first->text(), QStringLiteral("역삼"));
}

TEST_F(CompositionCommitTest, OnlyAPressThatLeavesTheFieldCommits) {
    // A press inside the field is the input method's to handle.
    compose(QStringLiteral("하"));
    clickOn(first);
    EXPECT_EQ(first->text(), QString());
    commit(QStringLiteral("한"));
    EXPECT_EQ(first->text(), QStringLiteral("한"));

    // Without a syllable being composed a click only moves the focus, and a
    // later commit equal to the last syllable is typing, not a repetition.
    clickOn(second);
    commit(QStringLiteral("한"));
    EXPECT_EQ(second->text(), QStringLiteral("한"));

    // A memo composes in its own part; leaving it commits there.
    clickOn(memo);
    compose(QStringLiteral("글"));
    clickOn(first);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("글"));
    EXPECT_EQ(first->text(), QStringLiteral("한"));
}

TEST_F(CompositionCommitTest, ASyllableBeyondTheByteLimitIsRefusedWithABeep) {
    limitCp949(first, 3);
    first->setText(QStringLiteral("a"));
    first->end(false);
    compose(QStringLiteral("가"));
    commit(QStringLiteral("가"));
    EXPECT_EQ(first->text(), QStringLiteral("a가"));
    EXPECT_EQ(dlg().beeps, 0);
    compose(QStringLiteral("나"));
    clickOn(second);
    EXPECT_EQ(first->text(), QStringLiteral("a가"));
    EXPECT_EQ(dlg().beeps, 1);
    EXPECT_EQ(second->text(), QString());
}

}  // namespace
