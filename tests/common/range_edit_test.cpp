#include "common/range_edit.h"

#include "tests/support/test_environment.h"

#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <functional>

namespace {

class RangeEditTest : public QuarnelTest {};

// The point of the field where a click puts the cursor at `position`; the
// field's right edge for -1.
QPoint pointAt(QLineEdit& edit, int position) {
    if (position < 0) return {edit.width() - 3, edit.height() / 2};
    for (int x = 0; x < edit.width(); ++x) {
        const QPoint point(x, edit.height() / 2);
        if (edit.cursorPositionAt(point) == position) return point;
    }
    ADD_FAILURE() << "no point for position " << position;
    return {};
}

void typeText(QWidget* widget, const QString& text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text, Qt::NoModifier);
}

TEST_F(RangeEditTest, ClicksFocusAndSeparatorsPutTheCursorWhereDigitsGo) {
    using Step = std::function<void(RangeEdit&, QPushButton&)>;
    const auto click = [](int position) {
        return Step([position](RangeEdit& e, QPushButton&) {
            QTest::mouseClick(&e, Qt::LeftButton, {}, pointAt(e, position));
        });
    };
    const auto keys = [](const char* typed) {
        return Step([typed](RangeEdit& e, QPushButton&) { QTest::keyClicks(&e, typed); });
    };
    const auto text = [](const char* typed) {
        return Step(
            [typed](RangeEdit& e, QPushButton&) { typeText(&e, QString::fromUtf8(typed)); });
    };
    const Step tabIn = [](RangeEdit& e, QPushButton& other) {
        other.setFocus();
        e.setFocus(Qt::TabFocusReason);
    };
    const struct {
        const char* name;
        const char* start;  // set by the program
        std::vector<Step> steps;
        const char* shown;
        int cursor;
    } cases[] = {
        {"a click past the mask, then a digit", "", {click(-1), keys("7")}, "7_____-______", 1},
        {"a click past what was typed", "5-", {click(-1), keys("0")}, "50____-______", 2},
        {"a click in the second half", "5-1", {click(-1), keys("0")}, "5_____-10____", 9},
        {"a click in an empty second half", "5-", {click(9), keys("0")}, "50____-______", 2},
        {"a click after a full first half", "123456-", {click(-1), keys("7")}, "123456-7_____", 8},
        {"a click on a typed digit stays to correct it",
         "123-",
         {click(1), keys("9")},
         "193___-______",
         2},
        {"a full second half: on its last digit",
         "1-123456",
         {click(-1), keys("7")},
         "1_____-123457",
         13},
        {"a space moves to the second half", "", {click(-1), keys("5 10")}, "5_____-10____", 9},
        {"so does a minus", "", {click(-1), keys("5-10")}, "5_____-10____", 9},
        {"to its first free position", "5-1", {click(0), keys(" 2")}, "5_____-12____", 9},
        {"a space in the second half does nothing",
         "-1",
         {click(-1), keys(" 2")},
         "______-12____",
         9},
        {"full-width digits and separators",
         "",
         {click(-1), text("１２"), text("　"), text("３")},
         "12____-3_____",
         8},
        {"entering by the keyboard", "5-", {tabIn}, "5_____-______", 1},
        {"entering with a full first half", "123456-", {tabIn}, "123456-______", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* other = new QPushButton(QStringLiteral("x"), &window);
        auto* edit = new RangeEdit(6, &window);
        layout->addWidget(other);
        layout->addWidget(edit);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        edit->setText(QString::fromUtf8(c.start));
        for (const Step& step : c.steps)
            step(*edit, *other);
        EXPECT_EQ(edit->displayText().toStdString(), std::string(c.shown));
        EXPECT_EQ(edit->cursorPosition(), c.cursor);
    }
}

TEST_F(RangeEditTest, MaskedTextKeepsEveryPositionAndReadsFullWidthDigits) {
    RangeEdit edit(5);
    EXPECT_EQ(edit.maskedText(), QStringLiteral("     -     "));
    edit.setText(QStringLiteral("30-100"));
    EXPECT_EQ(edit.maskedText(), QStringLiteral("30   -100  "));
    RangeEdit floors(2);
    floors.setText(QStringLiteral("-５"));
    EXPECT_EQ(floors.maskedText(), QStringLiteral("  -5 "));
}

}  // namespace
