#include "common/input_checks.h"

#include "tests/support/test_environment.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

class InputChecksTest : public QuarnelTest {};

TEST_F(InputChecksTest, NumberTextBeepsOnOtherCharacters) {
    for (const char* text : {"", "0", "12.5", "-3", "1-2.3.4"}) {
        EXPECT_TRUE(isNumberText(QString::fromLatin1(text))) << text;
    }
    EXPECT_EQ(dlg().beeps, 0);
    for (const char* text : {"1,000", "12a", " 1", "+1", "1e5"}) {
        EXPECT_FALSE(isNumberText(QString::fromLatin1(text))) << text;
    }
    EXPECT_EQ(dlg().beeps, 5);
    EXPECT_TRUE(dlg().messages.isEmpty());
}

TEST_F(InputChecksTest, WholeNumberReadsLikeAnIntegerAndFocusesTheField) {
    for (const char* text : {"0", "42", "-42", "+42", "  7", "007", "2147483647", "-2147483648"}) {
        EXPECT_TRUE(isWholeNumberText(QString::fromLatin1(text))) << text;
    }
    for (const char* text : {"", " ", "-", "7 ", "1,000", "12.5", "1e3", "2147483648",
                             "-2147483649", "99999999999999999999", "--1", "0x10", "١٢"}) {
        EXPECT_FALSE(isWholeNumberText(QString::fromUtf8(text))) << text;
    }

    QWidget window;
    auto* other = new QPushButton(&window);
    auto* field = new QLineEdit(&window);
    window.show();
    other->setFocus();
    field->setText(QStringLiteral("1234"));
    EXPECT_TRUE(checkWholeNumber(field));
    EXPECT_EQ(window.focusWidget(), other);
    for (const QString& text : {QStringLiteral("12.5"), QString()}) {
        other->setFocus();
        field->setText(text);
        EXPECT_FALSE(checkWholeNumber(field));
        EXPECT_EQ(window.focusWidget(), field);
    }
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_EQ(dlg().beeps, 0);
}

TEST_F(InputChecksTest, LeavingAWholeNumberFieldReadsFullWidthDigitsAndRefusesDecimals) {
    EXPECT_EQ(halfWidthNumberText(QStringLiteral("１２３，４５６．７－＋／ａ")),
              QStringLiteral("123,456.7-+／ａ"));
    const QString label = QStringLiteral("보증금");
    const struct {
        const char* typed;
        bool whole;
        const char* shown;
        QString message;  // empty: none
    } cases[] = {
        {"1234", true, "1234", {}},
        {"１２３４", true, "1234", {}},
        {"-5", true, "-5", {}},
        {"abc", false, "0", {}},
        {"", false, "0", {}},
        {"1,000", false, "0", {}},
        {"１２ａ", false, "0", {}},
        {"12.5", false, "12.5", decimalPointMessage(label)},
        {"１２．５", false, "12.5", decimalPointMessage(label)},
        {".", false, ".", decimalPointMessage(label)},
        {"99999999999", false, "99999999999", wholeNumberTooLargeMessage(label)},
    };
    QWidget window;
    auto* other = new QPushButton(&window);
    auto* field = new QLineEdit(&window);
    window.show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        dlg().reset();
        other->setFocus();
        field->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(leaveWholeNumberField(field, label), c.whole);
        EXPECT_EQ(field->text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(window.focusWidget(), c.whole ? static_cast<QWidget*>(other) : field);
        EXPECT_EQ(dlg().texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
}

TEST_F(InputChecksTest, ComboSearchSkipsItemZero) {
    QComboBox box;
    box.addItems({QStringLiteral("전체"), QStringLiteral("임대"), QStringLiteral("매매"),
                  QStringLiteral("임대")});
    EXPECT_EQ(comboSearch(&box, QStringLiteral("매매")), 2);
    EXPECT_EQ(box.currentIndex(), 2);
    EXPECT_EQ(comboSearch(&box, QStringLiteral("임대")), 1);  // the first match
    EXPECT_EQ(box.currentIndex(), 1);
    EXPECT_EQ(comboSearch(&box, QStringLiteral("분양")), 0);
    EXPECT_EQ(box.currentIndex(), -1);
    box.setCurrentIndex(2);
    EXPECT_EQ(comboSearch(&box, QStringLiteral("전체")), 0);  // item 0 is never compared
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(comboSearch(&box, QStringLiteral("매")), 0);
}

}  // namespace
