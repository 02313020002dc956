#include "common/task_form.h"
#include "tests/support/test_environment.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Esc on a form, for each way a form may take it: by default nothing; a
// look-up cancels; a form whose close button answers to Esc asks first
// when what was typed would be lost.
TEST_F(QuarnelTest, EscapeClosesAFormOnlyAsItsKindAllows) {
    enum class Kind { Default, LookUp, CloseButton };
    const struct {
        const char* name;
        Kind kind;
        bool typed;
        Dialogs::Answer answer;
        bool asked;
        bool closed;
    } cases[] = {
        {"entry form", Kind::Default, true, Dialogs::Answer::Yes, false, false},
        {"look-up", Kind::LookUp, true, Dialogs::Answer::Yes, false, true},
        {"unchanged", Kind::CloseButton, false, Dialogs::Answer::No, false, true},
        {"changed, stays", Kind::CloseButton, true, Dialogs::Answer::No, true, false},
        {"changed, closes", Kind::CloseButton, true, Dialogs::Answer::Yes, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dlg().reset();
        dlg().script({c.answer});
        TaskForm form;
        auto* field = new QLineEdit(&form);
        auto* quit = new QPushButton(QStringLiteral("종료"), &form);
        int quitClicks = 0;
        QObject::connect(quit, &QPushButton::clicked, &form, [&] {
            ++quitClicks;
            form.close();
        });
        if (c.kind == Kind::LookUp) form.setEscapeCancels();
        if (c.kind == Kind::CloseButton)
            form.setEscapePresses(quit, [field] { return field->isModified(); });
        form.show();
        field->setFocus();
        if (c.typed) QTest::keyClicks(field, "abc");
        QTest::keyClick(field, Qt::Key_Escape);
        EXPECT_EQ(dlg().saw(TaskForm::escapeQuestion()), c.asked);
        EXPECT_EQ(form.isVisible(), !c.closed);
        EXPECT_EQ(quitClicks, c.kind == Kind::CloseButton && c.closed ? 1 : 0);
        EXPECT_EQ(field->text(), c.typed ? QStringLiteral("abc") : QString());
    }
}
