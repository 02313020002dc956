// The listing list TFMbu_lst through its controls: activation, every search
// condition on a seeded store, the result's status and buttons, refused
// input, the expiring-leases mode, column settings, printing, the copy for
// the full report and the forms it opens.

#include "common/column_width.h"
#include "common/dates.h"
#include "common/grid_settings.h"
#include "common/list_printer.h"
#include "listings/tfmbu_cod.h"
#include "listings/tfmbu_imd.h"
#include "listings/tfmbu_lst.h"
#include "tests/listings/listings_support.h"
#include "tools/tfmcalendar1.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

#include <functional>
#include <memory>
#include <optional>

namespace {

using Op = RecordingPrintDevice::Op;

const char* const kRowButtons[] = {"BTmod",      "BTdel",    "BTprint", "BTprint1",
                                   "BTcontract", "BTallprt", "BTpict"};

// Six listings that each search condition tells apart.
//         deal  kind      price    land bldg floor flags  lease end
//  A001   매매  아파트    500,000   30   25   12   Y N    -
//  A002   임대  상가       30,000    0   40    1   Y N    2026-12-20
//  A003   임대  아파트    200,000   20   33    3   Y N    2027-01-07
//  A004   매매  토지    1,200,000  300    0    0   N N    2026-12-08
//  A005   매매  상가건물  900,000   50  100    5   Y Y    2027-01-08
//  A006   임대  원룸            0    0    8    2   Y N    2026-12-07
class ListingListTest : public ListingsStoreTest {
protected:
    void SetUp() override {
        ListingsStoreTest::SetUp();
        sql(QStringLiteral(
            "INSERT INTO budong (scancode, im, cname, cname1, addr, addr1, name, name1, buildname, "
            "man, inday, expireday, reqing, kwanggo, tmprice, dpung, gpung, stair, totalm) VALUES "
            "('A001', '매매', '아파트', '역삼래미안', '서울시 강남구 역삼동', '101동 1203호', "
            " '김철수', '', '', '김실장', '2026-01-10', '', 'Y', 'N', 500000, 30, 25, 12, 0), "
            "('A002', '임대', '상가', '50%할인상가', '서울시 마포구 합정동', '역삼빌딩 2층', "
            " '이영희', '박민수', '합정_타워', '이과장', '2026-03-05', '2026-12-20', 'Y', 'N', "
            " 30000, 0, 40, 1, 0), "
            "('A003', '임대', '아파트', '잠실자이', '서울시 송파구 잠실동', '12-3', '최민수', "
            " '김영수', '', '박대리', '2026-06-01', '2027-01-07', 'Y', 'N', 200000, 20, 33, 3, 0), "
            "('A004', '매매', '토지', '', '성남시 분당구 정자동', '', '정우성', '', '', '김실장', "
            " '2026-07-01', '2026-12-08', 'N', 'N', 1200000, 300, 0, 0, 0), "
            "('A005', '매매', '상가건물', '', '부산시 해운대구 우동', '', '한지민', '', "
            " '우동타워', '최부장', '2026-08-01', '2027-01-08', 'Y', 'Y', 900000, 50, 100, 5, 0), "
            "('A006', '임대', '원룸', '', '대전시 서구 둔산동', '', '오세훈', '서지수', '', "
            " '실장님', '2026-09-01', '2026-12-07', 'Y', 'N', 0, 0, 8, 2, 0)"));
    }

    // A form shown and active, after its first activation.
    std::unique_ptr<TFMbu_lst> openForm() {
        auto form = std::make_unique<TFMbu_lst>();
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }
    // The listing numbers of the grid's rows, in order.
    static QStringList shown(TFMbu_lst& form) {
        QStringList keys;
        const int field = form.QRbudong.fieldIndex(QStringLiteral("Scancode"));
        for (int row = 0; row < grid(form)->model()->rowCount(); ++row)
            keys.append(form.QRbudong.valueAt(row, field).toString());
        return keys;
    }
    static QTableView* grid(QWidget& form) { return child<QTableView>(form, "DBGrid1"); }
    static QString statusCount(QWidget& form) { return child<QLabel>(form, "StatusCount")->text(); }
    static QLineEdit* edit(QWidget& form, const char* name) { return child<QLineEdit>(form, name); }
    static void type(QWidget& form, const char* name, const QString& text) {
        QLineEdit* field = edit(form, name);
        field->setFocus();
        field->clear();
        typeText(field, text);
    }
    static QStringList columnTitles(QWidget& form) {
        const QAbstractItemModel* model = grid(form)->model();
        QStringList titles;
        for (int column = 0; column < model->columnCount(); ++column)
            titles.append(model->headerData(column, Qt::Horizontal).toString());
        return titles;
    }
    // The grid's text in the column titled `title`.
    static QString cell(QWidget& form, int row, const QString& title) {
        const int column = static_cast<int>(columnTitles(form).indexOf(title));
        EXPECT_GE(column, 0) << title.toStdString();
        return grid(form)->model()->index(row, column).data().toString();
    }
    static void selectRow(QWidget& form, int row) {
        grid(form)->selectionModel()->setCurrentIndex(
            grid(form)->model()->index(row, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    static int width(TFMbu_lst& form, const char* field) {
        return form.QRbudong.field(QLatin1String(field)).displayWidth;
    }
    static std::optional<Op> textOp(const RecordingPrintDevice& device, const QString& text) {
        for (const Op& op : device.ops(Op::Text)) {
            if (op.text == text) return op;
        }
        return std::nullopt;
    }
    static QString settingsFile() {
        QFile file(gridSettingsPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // What the entry form was handed, read while it is open.
    struct Handed {
        int mode = 0;
        QString scancode;
        bool deleted = true;
    };
    // Opens the entry form with `button` (or a double click on `row`) and
    // lets `inside` act while it is open.
    Handed openEntry(TFMbu_lst& form, const char* button,
                     const std::function<void(TFMbu_imd&)>& inside = {}, int doubleClickRow = -1) {
        Handed handed;
        ModalHandler handler([&](QWidget* modal) {
            auto* entry = qobject_cast<TFMbu_imd*>(modal);
            ASSERT_NE(entry, nullptr);
            handed = {entry->entryMode, entry->scancode, entry->deleted};
            if (inside) inside(*entry);
            entry->reject();
        });
        if (doubleClickRow >= 0) {
            const QRect at = grid(form)->visualRect(grid(form)->model()->index(doubleClickRow, 1));
            QTest::mouseClick(grid(form)->viewport(), Qt::LeftButton, {}, at.center());
            QTest::mouseDClick(grid(form)->viewport(), Qt::LeftButton, {}, at.center());
        } else {
            clickOn(form, button);
        }
        EXPECT_TRUE(handler.appeared());
        return handed;
    }
};

}  // namespace

// --- Searching ---------------------------------------------------------------

TEST_F(ListingListTest, ActivationShowsTheRequestedUnadvertisedListingsInNumberOrder) {
    auto form = openForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("매물관리"));
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(child<QComboBox>(*form, "CBim")->currentText(), QStringLiteral("전체"));
    EXPECT_EQ(itemsOf(child<QComboBox>(*form, "CBcname")), QStringList{"전체"});
    EXPECT_TRUE(child<QCheckBox>(*form, "CKBreqing")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(*form, "CKBkwanggo")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(*form, "RBscancode")->isChecked());

    EXPECT_EQ(shown(*form), (QStringList{"A001", "A002", "A003", "A006"}));
    EXPECT_EQ(statusCount(*form), QStringLiteral("검색대상: 4"));
    EXPECT_EQ(child<QLabel>(*form, "StatusUnit")->text(),
              QStringLiteral("합계금 검색 단위 [백반]"));
    for (const char* name : kRowButtons)
        EXPECT_TRUE(child<QPushButton>(*form, name)->isEnabled()) << name;
    EXPECT_EQ(QApplication::focusWidget(), grid(*form));

    // Esc leaves the list open; Enter on a focused button presses it.
    type(*form, "EDaddr", QStringLiteral("서울"));
    QTest::keyClick(edit(*form, "EDaddr"), Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    auto* search = child<QPushButton>(*form, "BTinq");
    search->setFocus();
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(shown(*form), (QStringList{"A001", "A002", "A003"}));
    // The default columns with their titles; integers grouped, zero blank.
    EXPECT_EQ(columnTitles(*form).size(), 18);
    EXPECT_EQ(columnTitles(*form).mid(0, 6),
              (QStringList{"접수일", "구분", "분류", "대지평수", "건평", "층수"}));
    EXPECT_EQ(cell(*form, 0, QStringLiteral("매매가")), QStringLiteral("500,000"));
    EXPECT_EQ(cell(*form, 3, QStringLiteral("매매가")), QString());
}

TEST_F(ListingListTest, EveryConditionNarrowsTheList) {
    const auto check = [](QWidget& f, const char* box, bool on) {
        child<QAbstractButton>(f, box)->setChecked(on);
    };
    const auto range = [](QWidget& f, const char* field, const char* text) {
        edit(f, field)->setText(QString::fromLatin1(text));
    };
    const auto period = [](QWidget& f, const char* from, const char* until) {
        edit(f, "EDday1")->setText(QString::fromLatin1(from));
        edit(f, "EDday2")->setText(QString::fromLatin1(until));
    };
    const struct {
        const char* what;
        std::function<void(QWidget&)> arrange;
        QStringList expected;
    } cases[] = {
        {"lease",
         [](QWidget& f) { chooseItem(child<QComboBox>(f, "CBim"), "임대"); },
         {"A002", "A003", "A006"}},
        {"lease 상가",
         [](QWidget& f) {
             chooseItem(child<QComboBox>(f, "CBim"), "임대");
             chooseItem(child<QComboBox>(f, "CBcname"), "상가");
         },
         {"A002"}},
        {"sale", [](QWidget& f) { chooseItem(child<QComboBox>(f, "CBim"), "매매"); }, {"A001"}},
        {"name of the property", [](QWidget& f) { type(f, "EDcname1", "래미안"); }, {"A001"}},
        {"typed % is a percent sign", [](QWidget& f) { type(f, "EDcname1", "%"); }, {"A002"}},
        {"typed _ is an underscore", [](QWidget& f) { type(f, "EDbuildname", "_"); }, {"A002"}},
        {"typed quote", [](QWidget& f) { type(f, "EDbuildname", "'"); }, {}},
        {"owner or tenant", [](QWidget& f) { type(f, "EDname1", "민수"); }, {"A002", "A003"}},
        {"address or detail", [](QWidget& f) { type(f, "EDaddr", "역삼"); }, {"A001", "A002"}},
        {"agent's name ends with", [](QWidget& f) { type(f, "EDman", "실장"); }, {"A001"}},
        {"total in millions",
         [=](QWidget& f) { range(f, "EDtotalm", "100-600"); },
         {"A001", "A003"}},
        {"total up to 1 million",
         [](QWidget& f) {
             QLineEdit* amount = edit(f, "EDtotalm");
             amount->setCursorPosition(7);
             QTest::keyClicks(amount, "1");
         },
         {"A006"}},
        {"total typed with a space between its bounds",
         [](QWidget& f) {
             QLineEdit* amount = edit(f, "EDtotalm");
             amount->setFocus(Qt::TabFocusReason);
             QTest::keyClicks(amount, "100 600");
         },
         {"A001", "A003"}},
        {"land", [=](QWidget& f) { range(f, "EDdpung", "20-30"); }, {"A001", "A003"}},
        {"building from", [=](QWidget& f) { range(f, "EDgpung", "30-"); }, {"A002", "A003"}},
        {"floor from 03", [=](QWidget& f) { range(f, "EDstair", "03-"); }, {"A001", "A003"}},
        {"not requested", [=](QWidget& f) { check(f, "CKBreqing", false); }, {"A004"}},
        {"advertised", [=](QWidget& f) { check(f, "CKBkwanggo", true); }, {"A005"}},
        {"dates without a kind are lease ends",
         [=](QWidget& f) { period(f, "2026-12-01", "2026-12-31"); },
         {"A002", "A006"}},
        {"receipt dates",
         [=](QWidget& f) {
             check(f, "RBinday", true);
             period(f, "2026-03-01", "2026-06-30");
         },
         {"A002", "A003"}},
        {"address order",
         [=](QWidget& f) { check(f, "RBadd", true); },
         {"A006", "A001", "A002", "A003"}},
    };
    for (const auto& c : cases) {
        auto form = openForm();
        c.arrange(*form);
        clickOn(*form, "BTinq");
        EXPECT_EQ(shown(*form), c.expected) << c.what;
        EXPECT_EQ(statusCount(*form), QStringLiteral("검색대상: %1").arg(c.expected.size()))
            << c.what;
    }
    // Kind order: 상가, 아파트 ×2 in either order, 원룸.
    auto form = openForm();
    check(*form, "RBcname", true);
    clickOn(*form, "BTinq");
    const QStringList byKind = shown(*form);
    ASSERT_EQ(byKind.size(), 4);
    EXPECT_EQ(byKind.first(), QStringLiteral("A002"));
    EXPECT_EQ(byKind.last(), QStringLiteral("A006"));
}

TEST_F(ListingListTest, EmptyResultDisablesTheRowButtons) {
    auto form = openForm();
    type(*form, "EDcname1", QStringLiteral("없는 물건"));
    clickOn(*form, "BTinq");
    EXPECT_TRUE(shown(*form).isEmpty());
    for (const char* name : kRowButtons)
        EXPECT_FALSE(child<QPushButton>(*form, name)->isEnabled()) << name;
    EXPECT_TRUE(child<QPushButton>(*form, "BTinp")->isEnabled());

    edit(*form, "EDcname1")->clear();
    clickOn(*form, "BTinq");
    for (const char* name : kRowButtons)
        EXPECT_TRUE(child<QPushButton>(*form, name)->isEnabled()) << name;
}

TEST_F(ListingListTest, AmountInWordsWhileTypingAndANonNumericRangeIsRefused) {
    auto form = openForm();
    auto* words = child<QLabel>(*form, "PNnumberStrDisplay");
    QLineEdit* amount = edit(*form, "EDtotalm");
    EXPECT_FALSE(words->isVisible());
    amount->setFocus();
    EXPECT_TRUE(words->isVisible());
    amount->setText(QStringLiteral("12-300"));
    EXPECT_EQ(words->text(), QStringLiteral("합계금▶ 일천이백만 >> 삼억  "));
    edit(*form, "EDname1")->setFocus();
    EXPECT_FALSE(words->isVisible());

    amount->clear();
    amount->setFocus();
    amount->setCursorPosition(0);
    QTest::keyClicks(amount, "1");
    amount->setCursorPosition(2);
    QTest::keyClicks(amount, "2");
    ASSERT_EQ(amount->displayText(), QStringLiteral("1_2___-______"));
    clickOn(*form, "BTinq");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("합계금 범위는 숫자로 입력하세요 ...!")});
    EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Information);
    EXPECT_TRUE(dlg().errors.isEmpty());
    EXPECT_EQ(form->focusWidget(), amount);
    EXPECT_EQ(shown(*form).size(), 4) << "the list still shows the last result";
}

TEST_F(ListingListTest, DateFieldsFromTheCalendarOrTypedAndRewrittenOnLeaving) {
    auto form = openForm();
    QLineEdit* from = edit(*form, "EDday1");
    QLineEdit* until = edit(*form, "EDday2");
    from->setFocus();
    from->setText(QStringLiteral("2026.3.5"));
    until->setFocus();
    EXPECT_EQ(from->text(), QStringLiteral("2026-03-05"));
    EXPECT_TRUE(dlg().messages.isEmpty());
    until->setText(QStringLiteral("2026-13-45"));
    from->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(dlg().texts(), QStringList{dateFormatWarning()});
    EXPECT_EQ(form->focusWidget(), until);

    until->clear();
    ModalHandler calendar([](QWidget* modal) {
        auto* period = qobject_cast<TFMcalendar1*>(modal);
        ASSERT_NE(period, nullptr);
        period->LBday1->setText(QStringLiteral("2026-12-01"));
        period->LBday2->setText(QStringLiteral("2026-12-31"));
        period->reject();
    });
    QTest::mouseClick(child<QToolButton>(*form, "SpeedButton1"), Qt::LeftButton);
    EXPECT_TRUE(calendar.appeared());
    EXPECT_EQ(from->text(), QStringLiteral("2026-12-01"));
    EXPECT_EQ(until->text(), QStringLiteral("2026-12-31"));
    EXPECT_EQ(shown(*form), (QStringList{"A002", "A006"})) << "searched at once";
}

// Cancelling the retry question of a search leaves the list as it was: the
// same rows on the same row, the count and the row buttons unchanged.
TEST_F(ListingListTest, CancelledRetryOfASearchKeepsTheShownRows) {
    auto form = openForm();
    grid(*form)->setCurrentIndex(grid(*form)->model()->index(2, 0));
    sql(QStringLiteral("ALTER TABLE budong RENAME COLUMN addr1 TO addr1_gone"));
    db().forgetTableInfo(QStringLiteral("budong"));
    // While the question is up the store comes back, as after a network drive returned.
    dlg().onMessage = [this](const ScriptedDialogs::Message&) {
        sql(QStringLiteral("ALTER TABLE budong RENAME COLUMN addr1_gone TO addr1"));
        db().forgetTableInfo(QStringLiteral("budong"));
    };
    dlg().script({Dialogs::Answer::Cancel});
    type(*form, "EDaddr", QStringLiteral("서울"));  // searched in addr and addr1
    clickOn(*form, "BTinq");
    EXPECT_EQ(dlg().texts(),
              QStringList{QStringLiteral("자료를 읽는데 문제가 생겼습니다. 계속시도할까요 ...?")});
    EXPECT_EQ(shown(*form), (QStringList{"A001", "A002", "A003", "A006"}));
    EXPECT_EQ(statusCount(*form), QStringLiteral("검색대상: 4"));
    EXPECT_EQ(grid(*form)->currentIndex().row(), 2);
    for (const char* name : kRowButtons)
        EXPECT_TRUE(child<QPushButton>(*form, name)->isEnabled()) << name;
}

TEST_F(ListingListTest, SelectionCountAndNavigator) {
    auto form = openForm();
    QItemSelectionModel* selection = grid(*form)->selectionModel();
    for (const int row : {0, 2}) {
        selection->select(grid(*form)->model()->index(row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    EXPECT_EQ(child<QLabel>(*form, "StatusSelected")->text(), QStringLiteral("선택: 2"));
    const auto navigate = [&](const char* name) {
        QTest::mouseClick(child<QToolButton>(*form, name), Qt::LeftButton);
        return grid(*form)->currentIndex().row();
    };
    EXPECT_EQ(navigate("NVlast"), 3);
    EXPECT_EQ(navigate("NVprior"), 2);
    navigate("NVfirst");
    EXPECT_EQ(navigate("NVprior"), 0);
    EXPECT_EQ(child<QLabel>(*form, "StatusSelected")->text(), QStringLiteral("선택: 1"));
}

TEST_F(ListingListTest, ExpiringLeasesShowEveryListingEndingWithinThePeriod) {
    auto form = std::make_unique<TFMbu_lst>();
    form->showExpiringLeases();
    form->show();
    // Today (2026-12-08) and the thirtieth day (2027-01-07) included, flags ignored.
    EXPECT_EQ(shown(*form), (QStringList{"A004", "A002", "A003"}));
    EXPECT_EQ(statusCount(*form), QStringLiteral("검색대상: 3"));
    EXPECT_TRUE(form->showsExpiringLeases());
    auto* mode = child<QLabel>(*form, "StatusMode");
    EXPECT_TRUE(mode->isVisible());
    EXPECT_TRUE(mode->text().contains(QStringLiteral("2026-12-08 ~ 2027-01-07")));
    EXPECT_EQ(edit(*form, "EDday1")->text(), QStringLiteral("2026-12-08"));
    EXPECT_EQ(edit(*form, "EDday2")->text(), QStringLiteral("2027-01-07"));
    EXPECT_TRUE(child<QRadioButton>(*form, "RBexpireday")->isChecked());

    // The panel says what the list shows: both flags "either", the order of
    // the lease end, and the lease-end column right after 접수일.
    for (const char* flag : {"CKBreqing", "CKBkwanggo"})
        EXPECT_EQ(child<QCheckBox>(*form, flag)->checkState(), Qt::PartiallyChecked) << flag;
    auto* byLeaseEnd = child<QRadioButton>(*form, "RBexpireSort");
    EXPECT_TRUE(byLeaseEnd->isVisible());
    EXPECT_TRUE(byLeaseEnd->isChecked());
    const QHeaderView* header = grid(*form)->horizontalHeader();
    const int leaseEnd = static_cast<int>(columnTitles(*form).indexOf(QStringLiteral("계약만료")));
    ASSERT_GE(leaseEnd, 0);
    EXPECT_EQ(header->visualIndex(leaseEnd),
              header->visualIndex(static_cast<int>(columnTitles(*form).indexOf(u"접수일"))) + 1);
    EXPECT_EQ(cell(*form, 0, QStringLiteral("계약만료")), QStringLiteral("2026-12-08"));

    // "검색" repeats the same search until a condition changes.
    clickOn(*form, "BTinq");
    EXPECT_TRUE(form->showsExpiringLeases());
    EXPECT_EQ(shown(*form), (QStringList{"A004", "A002", "A003"}));
    QTest::mouseClick(child<QCheckBox>(*form, "CKBreqing"), Qt::LeftButton);
    EXPECT_EQ(child<QCheckBox>(*form, "CKBreqing")->checkState(), Qt::Checked);
    EXPECT_FALSE(form->showsExpiringLeases());
    EXPECT_FALSE(mode->isVisible());
    clickOn(*form, "BTinq");
    EXPECT_EQ(shown(*form), (QStringList{"A002", "A003"})) << "requested ones, either advertised";
    EXPECT_TRUE(columnTitles(*form).contains(QStringLiteral("계약만료")));
    QTest::mouseClick(child<QRadioButton>(*form, "RBscancode"), Qt::LeftButton);
    EXPECT_FALSE(byLeaseEnd->isVisible());
    edit(*form, "EDday1")->clear();
    edit(*form, "EDday2")->clear();
    clickOn(*form, "BTinq");
    EXPECT_FALSE(columnTitles(*form).contains(QStringLiteral("계약만료")));

    form->showExpiringLeases(10);
    EXPECT_EQ(shown(*form), QStringList{"A004"});
    EXPECT_EQ(edit(*form, "EDday2")->text(), QStringLiteral("2026-12-18"));
    // The clock's today decides the period.
    clock().set(QDateTime(QDate(2026, 12, 20), QTime(9, 0)));
    form->showExpiringLeases(30);
    EXPECT_EQ(shown(*form), (QStringList{"A002", "A003", "A005"}));
}

// --- Columns -------------------------------------------------------------------

TEST_F(ListingListTest, SettingsPanelWritesVisibilityAndWidthsToGridSetIni) {
    auto form = openForm();
    EXPECT_FALSE(QFile::exists(gridSettingsPath())) << "reading does not create it";
    EXPECT_EQ(width(*form, "Cname"), 8);
    clickOn(*form, "BTgridSet");
    auto* panel = child<QFrame>(*form, "PNgridSet");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(child<QPushButton>(*form, "BTgridSet")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(*form, "BTquit")->isEnabled());
    EXPECT_EQ(panel->findChildren<QCheckBox*>().size(), 32);
    EXPECT_EQ(child<QCheckBox>(*panel, "CKBgridSet3")->text(), QStringLiteral("분류"));
    EXPECT_EQ(form->focusWidget(), edit(*panel, "EDgridSet0"));

    child<QCheckBox>(*panel, "CKBgridSet0")->setChecked(true);   // 등록코드 shown
    child<QCheckBox>(*panel, "CKBgridSet1")->setChecked(false);  // 접수일 hidden
    QLineEdit* kindWidth = edit(*panel, "EDgridSet3");
    kindWidth->setFocus();
    kindWidth->selectAll();
    QTest::keyClick(kindWidth, Qt::Key_Backspace);
    EXPECT_EQ(kindWidth->text(), QStringLiteral("2")) << "an emptied width becomes 2";
    QLineEdit* dealWidth = edit(*panel, "EDgridSet2");
    dealWidth->setFocus();
    dealWidth->selectAll();
    QTest::keyClicks(dealWidth, "7x");
    EXPECT_EQ(dealWidth->text(), QStringLiteral("7")) << "only digits are taken";

    clickOn(*form, "BTgridSetClose");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(panel->findChildren<QCheckBox*>().isEmpty());
    EXPECT_TRUE(child<QPushButton>(*form, "BTquit")->isEnabled());
    EXPECT_TRUE(settingsFile().startsWith(QStringLiteral(
        "[BU_LST]\nVisible=10110011111001111111000000000111\n"
        "Width=17,10,7,2,12,15,11,11,11,11,11,17,17,11,11,11,11,11,10,10,15,17,17,17,17,"
        "10,10,10,10,11,10,10,\n")))
        << settingsFile().toStdString();
    EXPECT_EQ(columnTitles(*form).first(), QStringLiteral("등록코드"));
    EXPECT_FALSE(columnTitles(*form).contains(QStringLiteral("접수일")));
    EXPECT_EQ(width(*form, "Cname"), 2);

    form.reset();
    auto again = openForm();
    EXPECT_EQ(columnTitles(*again).first(), QStringLiteral("등록코드")) << "read at activation";
    EXPECT_EQ(width(*again, "Im"), 7);
}

// Widths far beyond what the settings panel takes are held to its widest,
// so that the grid's columns stay finite and printing ends at once.
TEST_F(ListingListTest, HugeWidthsInGridSetIniAreHeldToTheWidestTheSettingsTake) {
    QFile file(gridSettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[BU_LST]\nVisible=01111\nWidth=17,2147483647,99999999999999999999,8,\n");
    file.close();
    auto form = openForm();
    EXPECT_EQ(width(*form, "Inday"), kMostColumnCharacters);
    EXPECT_EQ(width(*form, "Im"), kMostColumnCharacters);
    EXPECT_EQ(width(*form, "Cname"), 8);
    EXPECT_GT(grid(*form)->columnWidth(0), 999 * 4) << "as wide as 999 characters, no overflow";
    clickOn(*form, "BTprint");
    EXPECT_TRUE(dlg().saw(listCannotFitMessage()));
    EXPECT_FALSE(dlg().saw(listPrintedMessage()));
    EXPECT_EQ(dlg().printed.front()->jobsBegun(), 0);
}

TEST_F(ListingListTest, SettingsKeepOtherSectionsAndSurviveADamagedFile) {
    QFile file(gridSettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("[OTHER]\nKey=1\n\n[BU_LST]\n"
                              "Visible=11111111111111111111111111111111111111\nWidth=x,,-3,6,\n")
                   .toUtf8());
    file.close();
    auto form = openForm();
    EXPECT_TRUE(dlg().errors.isEmpty());
    EXPECT_EQ(columnTitles(*form).size(), 32);
    EXPECT_EQ(width(*form, "Scancode"), 17);
    EXPECT_EQ(width(*form, "Im"), 5);
    EXPECT_EQ(width(*form, "Cname"), 6);
    clickOn(*form, "BTgridSet");
    clickOn(*form, "BTgridSetClose");
    EXPECT_TRUE(settingsFile().startsWith(
        QStringLiteral("[OTHER]\nKey=1\n\n[BU_LST]\nVisible=11111111111111111111111111111111\n")))
        << "32 characters after 닫기: " << settingsFile().toStdString();
}

TEST_F(ListingListTest, ShowMoreTogglesTheNineDetailColumns) {
    auto form = openForm();
    EXPECT_EQ(child<QPushButton>(*form, "BThideView")->text(), QStringLiteral("다보기"));
    clickOn(*form, "BThideView");
    EXPECT_EQ(columnTitles(*form).size(), 27);
    for (const char* title : {"부동산명", "건물명", "회사전화", "회사전화(임차)", "집전화",
                              "집전화(임차)", "휴대폰(소유)", "휴대폰(임차)", "주   소"})
        EXPECT_TRUE(columnTitles(*form).contains(QString::fromUtf8(title))) << title;
    EXPECT_EQ(cell(*form, 0, QStringLiteral("주   소")), QStringLiteral("서울시 강남구 역삼동"));
    clickOn(*form, "BThideView");
    EXPECT_EQ(columnTitles(*form).size(), 18);
}

// --- Printing and the full report --------------------------------------------

TEST_F(ListingListTest, ListPrintsLandscapeWithWiderKindAndAddressOrPreviews) {
    auto form = openForm();
    clickOn(*form, "BTprint");
    ASSERT_EQ(dlg().printed.size(), 1u);
    const RecordingPrintDevice& device = *dlg().printed.front();
    EXPECT_EQ(device.jobTitle(), QStringLiteral("물건 LIST"));
    ASSERT_FALSE(device.ops(Op::Orient).isEmpty());
    EXPECT_EQ(device.ops(Op::Orient).first().pen, 2);                     // landscape for the job
    EXPECT_EQ(device.orientation(), PrintDevice::Orientation::Portrait);  // and back afterwards
    EXPECT_TRUE(textOp(device, QStringLiteral("물건 LIST")));
    EXPECT_TRUE(textOp(device, QStringLiteral("[검색대상]:전체/전체")));
    EXPECT_TRUE(textOp(device, QStringLiteral("1/1")));
    // 600 dpi, 4 mm rows, padding 12, X0 10, Y0 960. At the row height's
    // 9 points (37 dots a character) the 19 columns are 7745 dots wide, more
    // than the 7016 of a landscape A4 sheet; the user lets the text shrink
    // to 8 points (33 dots): number column 123, 접수일 10 characters, 구분 5,
    // 분류 18 while printing, and the table 6957 dots wide.
    EXPECT_EQ(dlg().messages.first().text, listTooWideQuestion());
    const struct {
        const char* text;
        QPoint at;
    } places[] = {{"No.", {22, 972}},        {"접수일", {145, 972}},
                  {"구분", {499, 972}},      {"분류", {688, 972}},
                  {"대지평수", {1306, 972}}, {"2026-01-10", {145, 960 + 96 + 12}}};
    for (const auto& p : places) {
        const auto op = textOp(device, QString::fromUtf8(p.text));
        ASSERT_TRUE(op) << p.text;
        EXPECT_EQ(op->a, p.at) << p.text;
    }
    EXPECT_TRUE(dlg().saw(listPrintedMessage()));
    EXPECT_EQ(width(*form, "Cname"), 8) << "the grid's widths are back";
    EXPECT_EQ(width(*form, "Addr"), 15);
    EXPECT_EQ(QApplication::focusWidget(), grid(*form));

    dlg().reset();
    dlg().printDialog = Dialogs::PrintOutcome::Cancelled;
    clickOn(*form, "BTprint");
    EXPECT_TRUE(dlg().printed.empty());
    EXPECT_FALSE(dlg().saw(listPrintedMessage()));
    EXPECT_EQ(width(*form, "Cname"), 8);
    chooseItem(child<QComboBox>(*form, "CBim"), QStringLiteral("임대"));
    clickOn(*form, "BTpreview");
    ASSERT_EQ(dlg().previewed.size(), 1u);
    EXPECT_TRUE(textOp(*dlg().previewed.front(), QStringLiteral("[검색대상]:임대/전체")));
}

TEST_F(ListingListTest, FullReportCopyHoldsTheCurrentResultInItsOrder) {
    auto form = openForm();
    child<QRadioButton>(*form, "RBadd")->setChecked(true);
    clickOn(*form, "BTinq");
    clickOn(*form, "BTallprt");
    EXPECT_TRUE(dlg().errors.isEmpty());
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(scancode, ',') FROM "
                                    "(SELECT scancode FROM all_list ORDER BY rowid)")),
              QStringLiteral("A006,A001,A002,A003"));
    EXPECT_EQ(fieldOf("all_list", "tmprice", QStringLiteral("A001")).toInt(), 500000);
    child<QCheckBox>(*form, "CKBreqing")->setChecked(false);
    clickOn(*form, "BTinq");
    clickOn(*form, "BTallprt");
    EXPECT_EQ(rows(QStringLiteral("all_list")), 1) << "a second copy replaces the first";
}

// --- The forms it opens --------------------------------------------------------

TEST_F(ListingListTest, EntryFormModesFollowTheButtonAndTheListIsSearchedAgain) {
    auto form = openForm();
    const Handed added = openEntry(*form, "BTinp", [this](TFMbu_imd&) {
        sql(QStringLiteral(
            "INSERT INTO budong (scancode, reqing, kwanggo) VALUES ('A007', 'Y', 'N')"));
    });
    EXPECT_EQ(added.mode, 1);
    EXPECT_TRUE(added.scancode.isEmpty());
    EXPECT_FALSE(added.deleted);
    EXPECT_EQ(statusCount(*form), QStringLiteral("검색대상: 5"));

    selectRow(*form, 2);
    const Handed changed = openEntry(*form, "BTmod");
    EXPECT_EQ(changed.mode, 2);
    EXPECT_EQ(changed.scancode, QStringLiteral("A003"));

    selectRow(*form, 1);
    const Handed deleting = openEntry(*form, "BTdel", [this](TFMbu_imd& entry) {
        sql(QStringLiteral("DELETE FROM budong WHERE scancode = 'A002'"));
        entry.deleted = true;
    });
    EXPECT_EQ(deleting.mode, 2);
    EXPECT_EQ(deleting.scancode, QStringLiteral("A002"));
    EXPECT_EQ(shown(*form), (QStringList{"A001", "A003", "A006", "A007"}));

    const Handed viewed = openEntry(*form, nullptr, {}, 2);
    EXPECT_EQ(viewed.mode, 4);
    EXPECT_EQ(viewed.scancode, QStringLiteral("A006"));
    EXPECT_EQ(grid(*form)->currentIndex().row(), 2) << "back on the row it left";
}

TEST_F(ListingListTest, ReturningFromTheCodeFormActivatesTheListAgain) {
    auto form = openForm();
    auto* deal = child<QComboBox>(*form, "CBim");
    auto* kind = child<QComboBox>(*form, "CBcname");
    chooseItem(deal, QStringLiteral("임대"));
    EXPECT_EQ(kind->currentIndex(), 0);
    EXPECT_TRUE(itemsOf(kind).contains(QStringLiteral("원룸")));
    EXPECT_FALSE(itemsOf(kind).contains(QStringLiteral("전원주택"))) << "a sale kind only";
    clickOn(*form, "BTinq");

    ModalHandler codes([this](QWidget* modal) {
        EXPECT_NE(qobject_cast<TFMbu_cod*>(modal), nullptr);
        sql(QStringLiteral("INSERT INTO bucode (gubun, code) VALUES ('M', '빌딩')"));
        modal->close();
    });
    clickOn(*form, "BTcode");
    EXPECT_TRUE(codes.appeared());
    // Activation: "전체" again, its list refilled and the search run.
    EXPECT_EQ(deal->currentText(), QStringLiteral("전체"));
    EXPECT_EQ(kind->count(), 1);
    EXPECT_EQ(shown(*form).size(), 4);
    chooseItem(deal, QStringLiteral("매매"));
    EXPECT_TRUE(itemsOf(kind).contains(QStringLiteral("빌딩")));
}
