#include "common/dates.h"
#include "tests/listings/listing_list_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolButton>

// The listing list's search through its own controls: activation, every
// condition of the panel, the result's status and buttons, refused input and
// the expiring-leases mode.

namespace {

class ListingListSearchTest : public ListingListFixture {
protected:
    // Searches after `arrange` set up the panel; returns the rows found.
    template <typename Arrange>
    QStringList searchWith(Arrange arrange) {
        auto form = openForm();
        arrange(*form);
        click(*form, "BTinq");
        return shown(*form);
    }

    static void type(QWidget& form, const char* field, const QString& text) {
        auto* edit = control<QLineEdit>(form, field);
        edit->setFocus();
        edit->clear();
        typeText(edit, text);
    }

    static const QList<const char*>& rowButtons() {
        static const QList<const char*> names = {"BTmod",      "BTdel",    "BTprint", "BTprint1",
                                                 "BTcontract", "BTallprt", "BTpict"};
        return names;
    }
};

}  // namespace

TEST_F(ListingListSearchTest, ActivationShowsTheRequestedUnadvertisedListingsInNumberOrder) {
    auto form = openForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("매물관리"));
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    auto* deal = control<QComboBox>(*form, "CBim");
    auto* kind = control<QComboBox>(*form, "CBcname");
    EXPECT_TRUE(deal->isVisible());
    EXPECT_TRUE(kind->isVisible());
    EXPECT_EQ(deal->currentText(), QStringLiteral("전체"));
    EXPECT_EQ(kind->count(), 1);
    EXPECT_TRUE(control<QCheckBox>(*form, "CKBreqing")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(*form, "CKBkwanggo")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(*form, "RBscancode")->isChecked());

    EXPECT_EQ(shown(*form), (QStringList{"A001", "A002", "A003", "A006"}));
    EXPECT_EQ(statusCount(*form), QStringLiteral("검색대상: 4"));
    EXPECT_EQ(control<QLabel>(*form, "StatusUnit")->text(),
              QStringLiteral("합계금 검색 단위 [백반]"));
    for (const char* name : rowButtons())
        EXPECT_TRUE(control<QPushButton>(*form, name)->isEnabled()) << name;
    EXPECT_TRUE(control<QPushButton>(*form, "BTinp")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), control<QTableView>(*form, "DBGrid1"));

    // The default columns with their titles; integers grouped, zero blank.
    EXPECT_EQ(columnTitles(*form).mid(0, 6),
              (QStringList{"접수일", "구분", "분류", "대지평수", "건평", "층수"}));
    EXPECT_EQ(columnTitles(*form).size(), 18);
    EXPECT_EQ(cell(*form, 0, QStringLiteral("매매가")), QStringLiteral("500,000"));
    EXPECT_EQ(cell(*form, 3, QStringLiteral("매매가")), QString());
    EXPECT_EQ(cell(*form, 0, QStringLiteral("분류")), QStringLiteral("아파트"));
}

TEST_F(ListingListSearchTest, DealAndKindComeFromTheDropDownLists) {
    auto form = openForm();
    auto* deal = control<QComboBox>(*form, "CBim");
    auto* kind = control<QComboBox>(*form, "CBcname");
    deal->setCurrentIndex(deal->findText(QStringLiteral("임대")));
    // Lease kinds of the classification codes, in code order, after "전체".
    ASSERT_GT(kind->count(), 5);
    EXPECT_EQ(kind->itemText(0), QStringLiteral("전체"));
    EXPECT_EQ(kind->currentIndex(), 0);
    EXPECT_NE(kind->findText(QStringLiteral("원룸")), -1);
    EXPECT_EQ(kind->findText(QStringLiteral("전원주택")), -1);  // a sale kind only
    click(*form, "BTinq");
    EXPECT_EQ(shown(*form), (QStringList{"A002", "A003", "A006"}));

    kind->setCurrentIndex(kind->findText(QStringLiteral("상가")));
    click(*form, "BTinq");
    EXPECT_EQ(shown(*form), QStringList{"A002"});

    deal->setCurrentIndex(deal->findText(QStringLiteral("매매")));
    EXPECT_NE(kind->findText(QStringLiteral("전원주택")), -1);
    EXPECT_EQ(kind->currentText(), QStringLiteral("전체"));
    click(*form, "BTinq");
    EXPECT_EQ(shown(*form), QStringList{"A001"});
}

TEST_F(ListingListSearchTest, TextConditionsMatchTypedTextLiterally) {
    EXPECT_EQ(searchWith([](QWidget& f) { type(f, "EDcname1", QStringLiteral("래미안")); }),
              QStringList{"A001"});
    // A typed percent sign or underscore is that character, not a wildcard.
    EXPECT_EQ(searchWith([](QWidget& f) { type(f, "EDcname1", QStringLiteral("%")); }),
              QStringList{"A002"});
    EXPECT_EQ(searchWith([](QWidget& f) { type(f, "EDbuildname", QStringLiteral("_")); }),
              QStringList{"A002"});
    EXPECT_EQ(searchWith([](QWidget& f) { type(f, "EDbuildname", QStringLiteral("'")); }),
              QStringList{});
    // Owner or tenant.
    EXPECT_EQ(searchWith([](QWidget& f) { type(f, "EDname1", QStringLiteral("민수")); }),
              (QStringList{"A002", "A003"}));
    // Address or detailed address.
    EXPECT_EQ(searchWith([](QWidget& f) { type(f, "EDaddr", QStringLiteral("역삼")); }),
              (QStringList{"A001", "A002"}));
    // The agent's name ends with the text.
    EXPECT_EQ(searchWith([](QWidget& f) { type(f, "EDman", QStringLiteral("실장")); }),
              QStringList{"A001"});
}

TEST_F(ListingListSearchTest, RangesNarrowByEachBound) {
    // 합계금 in millions: 100..600 million won is 100,000..600,000 thousand.
    EXPECT_EQ(searchWith([](QWidget& f) {
                  control<QLineEdit>(f, "EDtotalm")->setText(QStringLiteral("100-600"));
              }),
              (QStringList{"A001", "A003"}));
    EXPECT_EQ(searchWith([](QWidget& f) {
                  auto* amount = control<QLineEdit>(f, "EDtotalm");
                  amount->setCursorPosition(7);
                  QTest::keyClicks(amount, "1");
              }),
              QStringList{"A006"});
    EXPECT_EQ(searchWith([](QWidget& f) {
                  control<QLineEdit>(f, "EDdpung")->setText(QStringLiteral("20-30"));
              }),
              (QStringList{"A001", "A003"}));
    EXPECT_EQ(searchWith([](QWidget& f) {
                  control<QLineEdit>(f, "EDgpung")->setText(QStringLiteral("30-"));
              }),
              (QStringList{"A002", "A003"}));
    EXPECT_EQ(searchWith([](QWidget& f) {
                  control<QLineEdit>(f, "EDstair")->setText(QStringLiteral("03-"));
              }),
              (QStringList{"A001", "A003"}));
}

TEST_F(ListingListSearchTest, FlagsAndDatesNarrowTheList) {
    EXPECT_EQ(searchWith([](QWidget& f) { control<QCheckBox>(f, "CKBreqing")->setChecked(false); }),
              QStringList{"A004"});
    EXPECT_EQ(searchWith([](QWidget& f) { control<QCheckBox>(f, "CKBkwanggo")->setChecked(true); }),
              QStringList{"A005"});
    // Without a chosen date kind the dates are lease ends.
    EXPECT_EQ(searchWith([](QWidget& f) {
                  control<QLineEdit>(f, "EDday1")->setText(QStringLiteral("2026-12-01"));
                  control<QLineEdit>(f, "EDday2")->setText(QStringLiteral("2026-12-31"));
              }),
              (QStringList{"A002", "A006"}));
    EXPECT_EQ(searchWith([](QWidget& f) {
                  control<QRadioButton>(f, "RBinday")->setChecked(true);
                  control<QLineEdit>(f, "EDday1")->setText(QStringLiteral("2026-03-01"));
                  control<QLineEdit>(f, "EDday2")->setText(QStringLiteral("2026-06-30"));
              }),
              (QStringList{"A002", "A003"}));
}

TEST_F(ListingListSearchTest, SortOrders) {
    EXPECT_EQ(searchWith([](QWidget& f) { control<QRadioButton>(f, "RBadd")->setChecked(true); }),
              (QStringList{"A006", "A001", "A002", "A003"}));
    const QStringList byKind =
        searchWith([](QWidget& f) { control<QRadioButton>(f, "RBcname")->setChecked(true); });
    ASSERT_EQ(byKind.size(), 4);
    EXPECT_EQ(byKind.first(), QStringLiteral("A002"));  // 상가, 아파트 ×2, 원룸
    EXPECT_EQ(byKind.last(), QStringLiteral("A006"));
}

TEST_F(ListingListSearchTest, EmptyResultDisablesTheRowButtons) {
    auto form = openForm();
    type(*form, "EDcname1", QStringLiteral("없는 물건"));
    click(*form, "BTinq");
    EXPECT_TRUE(shown(*form).isEmpty());
    EXPECT_EQ(statusCount(*form), QStringLiteral("검색대상: 0"));
    for (const char* name : rowButtons())
        EXPECT_FALSE(control<QPushButton>(*form, name)->isEnabled()) << name;
    EXPECT_TRUE(control<QPushButton>(*form, "BTinp")->isEnabled());

    control<QLineEdit>(*form, "EDcname1")->clear();
    click(*form, "BTinq");
    for (const char* name : rowButtons())
        EXPECT_TRUE(control<QPushButton>(*form, name)->isEnabled()) << name;
}

TEST_F(ListingListSearchTest, RangeWithABlankBetweenDigitsIsRefusedAndNothingIsSearched) {
    auto form = openForm();
    auto* amount = control<QLineEdit>(*form, "EDtotalm");
    amount->setFocus();
    amount->setCursorPosition(0);
    QTest::keyClicks(amount, "1");
    amount->setCursorPosition(2);
    QTest::keyClicks(amount, "2");
    ASSERT_EQ(amount->displayText(), QStringLiteral("1_2___-______"));
    click(*form, "BTinq");
    ASSERT_FALSE(dlg().messages.isEmpty());
    EXPECT_EQ(dlg().last().text, QStringLiteral("합계금 범위는 숫자로 입력하세요 ...!"));
    EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Information);
    EXPECT_TRUE(dlg().errors.isEmpty());
    EXPECT_EQ(form->focusWidget(), amount);
    // The list still shows the last result.
    EXPECT_EQ(statusCount(*form), QStringLiteral("검색대상: 4"));
    EXPECT_EQ(shown(*form).size(), 4);
}

TEST_F(ListingListSearchTest, AmountInWordsShowsWhileTheAmountFieldHasTheFocus) {
    auto form = openForm();
    auto* panel = control<QLabel>(*form, "PNnumberStrDisplay");
    auto* amount = control<QLineEdit>(*form, "EDtotalm");
    EXPECT_FALSE(panel->isVisible());
    amount->setFocus();
    EXPECT_TRUE(panel->isVisible());
    amount->setText(QStringLiteral("12-300"));
    EXPECT_EQ(panel->text(), QStringLiteral("합계금▶ 일천이백만 >> 삼억  "));
    control<QLineEdit>(*form, "EDname1")->setFocus();
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(ListingListSearchTest, DateFieldsAreRewrittenOrRefusedOnLeaving) {
    auto form = openForm();
    auto* from = control<QLineEdit>(*form, "EDday1");
    auto* to = control<QLineEdit>(*form, "EDday2");
    from->setFocus();
    from->setText(QStringLiteral("2026.3.5"));
    to->setFocus();
    EXPECT_EQ(from->text(), QStringLiteral("2026-03-05"));
    EXPECT_TRUE(dlg().messages.isEmpty());

    to->setText(QStringLiteral("2026-13-45"));
    from->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(dlg().texts(), QStringList{dateFormatWarning()});
    EXPECT_EQ(form->focusWidget(), to);
}

TEST_F(ListingListSearchTest, SelectionCountAndNavigator) {
    auto form = openForm();
    auto* grid = control<QTableView>(*form, "DBGrid1");
    auto* selection = grid->selectionModel();
    selection->select(grid->model()->index(0, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection->select(grid->model()->index(2, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(control<QLabel>(*form, "StatusSelected")->text(), QStringLiteral("선택: 2"));

    QTest::mouseClick(control<QToolButton>(*form, "NVlast"), Qt::LeftButton);
    EXPECT_EQ(grid->currentIndex().row(), 3);
    QTest::mouseClick(control<QToolButton>(*form, "NVprior"), Qt::LeftButton);
    EXPECT_EQ(grid->currentIndex().row(), 2);
    QTest::mouseClick(control<QToolButton>(*form, "NVfirst"), Qt::LeftButton);
    QTest::mouseClick(control<QToolButton>(*form, "NVprior"), Qt::LeftButton);
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(control<QLabel>(*form, "StatusSelected")->text(), QStringLiteral("선택: 1"));
}

TEST_F(ListingListSearchTest, ExpiringLeasesShowEveryListingEndingWithinThirtyDays) {
    auto form = std::make_unique<TFMbu_lst>();
    form->showExpiringLeases();
    form->show();
    // Today (2026-12-08) and the thirtieth day (2027-01-07) included, flags ignored.
    EXPECT_EQ(shown(*form), (QStringList{"A004", "A002", "A003"}));
    EXPECT_EQ(statusCount(*form), QStringLiteral("검색대상: 3"));
    EXPECT_TRUE(form->showsExpiringLeases());
    auto* mode = control<QLabel>(*form, "StatusMode");
    EXPECT_TRUE(mode->isVisible());
    EXPECT_TRUE(mode->text().contains(QStringLiteral("2026-12-08 ~ 2027-01-07")))
        << mode->text().toStdString();
    EXPECT_EQ(control<QLineEdit>(*form, "EDday1")->text(), QStringLiteral("2026-12-08"));
    EXPECT_EQ(control<QLineEdit>(*form, "EDday2")->text(), QStringLiteral("2027-01-07"));
    EXPECT_TRUE(control<QRadioButton>(*form, "RBexpireday")->isChecked());

    // "검색" leaves the mode: the same period with the flags of the panel.
    click(*form, "BTinq");
    EXPECT_FALSE(form->showsExpiringLeases());
    EXPECT_FALSE(mode->isVisible());
    EXPECT_EQ(shown(*form), (QStringList{"A002", "A003"}));
}

TEST_F(ListingListSearchTest, ExpiringLeasesOverAShorterPeriodAndFromAnOpenList) {
    auto form = openForm();
    EXPECT_EQ(shown(*form).size(), 4);
    form->showExpiringLeases(10);
    EXPECT_EQ(shown(*form), QStringList{"A004"});
    EXPECT_EQ(control<QLineEdit>(*form, "EDday2")->text(), QStringLiteral("2026-12-18"));
    // The clock's today decides the period.
    clock().set(QDateTime(QDate(2026, 12, 20), QTime(9, 0)));
    form->showExpiringLeases(30);
    EXPECT_EQ(shown(*form), (QStringList{"A002", "A003", "A005"}));
}
