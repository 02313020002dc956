// The purchase and sales entry TFMmoney1 through its controls: the tax
// from the amount, how purchases and sales are stored, entries one after
// another, and the entries it refuses.

#include "accounts/cash_entry.h"
#include "accounts/tfmmoney1.h"
#include "common/task_form.h"
#include "tests/accounts/accounts_support.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

class EntryFormTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        sql(
            QStringLiteral("INSERT INTO upche (COMNO, COMNAME) VALUES ('222', '대성물산'), "
                           "('111', '가온상사')"));
    }

    TFMmoney1& open() {
        form = std::make_unique<TFMmoney1>();
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return *form;
    }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(*form, name); }
    // Types into a field as the user does and leaves it with Enter.
    void enter(const char* name, const QString& text) {
        QLineEdit* field = edit(name);
        field->setFocus();
        field->selectAll();
        typeText(field, text);
        pressKey(field, Qt::Key_Return);
    }
    // The stored row as texts; an empty column is "NULL".
    QStringList stored(const QString& key) {
        QStringList row;
        for (const char* field : {"Comno", "Comname", "Day1", "Money", "Vat", "Money1", "Vat1",
                                  "Remark", "Yearmonth"}) {
            const QVariant value =
                scalar(QStringLiteral("SELECT %1 FROM maipmach WHERE Scancode = ?")
                           .arg(QLatin1String(field)),
                       {key});
            row.append(value.isNull() ? QStringLiteral("NULL") : value.toString());
        }
        return row;
    }

    std::unique_ptr<TFMmoney1> form;
};

}  // namespace

TEST_F(EntryFormTest, PurchaseAndSaleAreStoredWithTheirTaxAndTheChoicesStay) {
    TFMmoney1& f = open();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("매입 / 매출 등록"));
    EXPECT_EQ(child<QLabel>(f, "StatusBar1")->text(),
              QStringLiteral("매입/매출 자료를 등록하세요 !"));
    EXPECT_EQ(itemsOf(f.CBcomname), (QStringList{"가온상사", "대성물산"}));
    EXPECT_EQ(f.CBgubun->currentText(), QStringLiteral("매입"));
    EXPECT_EQ(QApplication::focusWidget(), edit("DBEdit1"));

    enter("DBEdit1", QStringLiteral("2026.3.5"));
    EXPECT_EQ(edit("DBEdit1")->text(), QStringLiteral("2026-03-05"));
    EXPECT_EQ(QApplication::focusWidget(), f.CBcomname) << "Enter moves on";
    f.CBcomname->setCurrentIndex(1);
    enter("DBEmoney", QStringLiteral("12345"));
    EXPECT_EQ(edit("DBEmoney")->text(), QStringLiteral("12,345"));
    // The tax is a tenth, the remainder dropped; Enter took the focus there,
    // so it shows bare digits to be edited.
    EXPECT_EQ(QApplication::focusWidget(), edit("DBEvat"));
    EXPECT_EQ(edit("DBEvat")->text(), QStringLiteral("1234"));
    enter("DBEvat", QStringLiteral("1300"));  // the tax may be changed
    enter("DBEdit4", QStringLiteral("사무용품"));
    clickOn(f, "BTinp");
    ASSERT_EQ(f.storedKeys().size(), 1);
    EXPECT_EQ(stored(f.storedKeys()[0]),
              (QStringList{"222", "대성물산", "2026-03-05", "12345", "1300", "NULL", "NULL",
                           "사무용품", "2026-03"}));
    EXPECT_EQ(edit("DBEdit1")->text(), QString()) << "a new entry starts";
    EXPECT_EQ(QApplication::focusWidget(), edit("DBEdit1"));

    // A sale: the amount and tax go to the sales columns. Partner and kind stay.
    f.CBgubun->setCurrentIndex(1);
    enter("DBEdit1", QStringLiteral("2026-12-08"));
    enter("DBEmoney", QStringLiteral("２１４７４８３６４７"));  // full-width digits
    EXPECT_EQ(edit("DBEvat")->text(), QStringLiteral("214748364"));
    clickOn(f, "BTinp");
    enter("DBEdit1", QStringLiteral("2026-12-09"));
    enter("DBEmoney", QStringLiteral("50000"));
    clickOn(f, "BTinp");
    ASSERT_EQ(f.storedKeys().size(), 3);
    EXPECT_EQ(stored(f.storedKeys()[1]), (QStringList{"222", "대성물산", "2026-12-08", "0", "0",
                                                      "2147483647", "214748364", "", "2026-12"}));
    EXPECT_EQ(stored(f.storedKeys()[2]).mid(3, 4), (QStringList{"0", "0", "50000", "5000"}));
    EXPECT_EQ(f.CBcomname->currentText(), QStringLiteral("대성물산"));
    EXPECT_EQ(f.CBgubun->currentText(), QStringLiteral("매출"));
    EXPECT_TRUE(dlg().messages.isEmpty());
}

// Each refused entry says why, goes back to its field and stores nothing.
TEST_F(EntryFormTest, RefusesEntriesWithoutDatePartnerOrValidAmount) {
    const struct {
        const char* day;
        const char* amount;
        const char* vat;
        QString message;
        const char* field;
    } cases[] = {
        {"", "1000", "100", noDayMessage(), "DBEdit1"},
        {"2026-12-08", "0", "0", noAmountMessage(), "DBEmoney"},
        {"2026-12-08", "-5000", "0", negativeMessage(QStringLiteral("금액")), "DBEmoney"},
        {"2026-12-08", "5000", "-1", negativeMessage(QStringLiteral("세액")), "DBEvat"},
        {"2026-12-08", "99999999999", "0",
         QStringLiteral("금액 항목에는 2,147,483,647 까지 입력할 수 있습니다 ...!"), "DBEmoney"},
    };
    TFMmoney1& f = open();
    for (const auto& c : cases) {
        dlg().reset();
        f.BTinp->setFocus();  // first, so that leaving a field does not rewrite the tax
        edit("DBEdit1")->setText(QString::fromUtf8(c.day));
        edit("DBEmoney")->setText(QString::fromUtf8(c.amount));
        edit("DBEvat")->setText(QString::fromUtf8(c.vat));
        pressKey(f.BTinp, Qt::Key_Return);  // Enter on the focused button presses it
        ASSERT_FALSE(dlg().messages.isEmpty()) << c.amount;
        EXPECT_EQ(dlg().last().text, c.message) << c.amount;
        EXPECT_EQ(QApplication::focusWidget(), edit(c.field)) << c.amount;
        EXPECT_EQ(rows(QStringLiteral("maipmach")), 0) << c.amount;
    }
    // A minus sign is kept when the field is entered again, so it is refused, never dropped.
    enter("DBEmoney", QStringLiteral("-5000"));
    EXPECT_EQ(edit("DBEmoney")->text(), QStringLiteral("-5,000"));
    edit("DBEmoney")->setFocus();
    EXPECT_EQ(edit("DBEmoney")->text(), QStringLiteral("-5000"));
}

TEST_F(EntryFormTest, WithoutPartnersNothingCanBeStoredAndQuitDropsTheEntry) {
    sql(QStringLiteral("DELETE FROM upche"));
    TFMmoney1& f = open();
    EXPECT_EQ(f.CBcomname->currentIndex(), -1);
    edit("DBEdit1")->setText(QStringLiteral("2026-12-08"));
    edit("DBEmoney")->setText(QStringLiteral("1000"));
    clickOn(f, "BTinp");
    EXPECT_EQ(dlg().last().text, noPartnerMessage());
    EXPECT_EQ(rows(QStringLiteral("maipmach")), 0);

    // A date that is no date keeps the focus; going to "종료" does not check it.
    enter("DBEdit1", QStringLiteral("어제"));
    EXPECT_EQ(dlg().last().text, QStringLiteral("날짜는 YYYY-MM-DD 형식으로 입력하세요 !!"));
    QTest::qWait(0);
    EXPECT_EQ(QApplication::focusWidget(), edit("DBEdit1"));
    dlg().reset();
    clickOn(f, "BTquit");
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_EQ(rows(QStringLiteral("maipmach")), 0);
}
