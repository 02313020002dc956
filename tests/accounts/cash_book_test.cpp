// The cash book TFMmoney through its controls over a seeded store: every
// list and its totals against sums the test makes itself, the delete, the
// forms it opens, printing and the CSV file.

#include "accounts/tfmmaipmach.h"
#include "accounts/tfmmoney.h"
#include "accounts/tfmmoney1.h"
#include "app/main_actions.h"
#include "app/tfmbu_main.h"
#include "common/list_printer.h"
#include "common/query_csv.h"
#include "people/tfmupche.h"
#include "tests/accounts/accounts_support.h"
#include "tools/tfmcalendar1.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <map>
#include <memory>

namespace {

using Op = RecordingPrintDevice::Op;

struct Filter {
    QString partner;  // "전체" for all
    QString day1;
    QString day2;
    const char* kind;  // RBmaip, RBmach or RBmaipMach
};

bool passes(const SeededEntry& e, const Filter& f) {
    if (f.partner != QStringLiteral("전체") && e.comname != f.partner) return false;
    if (!f.day1.isEmpty() && e.day < f.day1) return false;
    if (!f.day2.isEmpty() && e.day > f.day2) return false;
    if (QLatin1String(f.kind) == QLatin1String("RBmaip")) return e.purchase();
    if (QLatin1String(f.kind) == QLatin1String("RBmach")) return e.sale();
    return true;
}

// One row of a list as the test expects it: the key columns as the grid
// shows them, then the four amounts.
struct ListRow {
    QStringList keys;
    std::array<qint64, 4> amounts{};
    bool operator<(const ListRow& o) const { return keys < o.keys; }
    bool operator==(const ListRow& o) const = default;
};

// The rows of a list, summed here from the seeded entries.
std::vector<ListRow> expectedRows(const Filter& f, const char* list) {
    std::map<QStringList, std::array<qint64, 4>> groups;
    std::vector<ListRow> detail;
    for (const SeededEntry& e : CashBookStoreTest::entries()) {
        if (!passes(e, f)) continue;
        const std::array<qint64, 4> a{e.money, e.vat, e.money1.value_or(0), e.vat1.value_or(0)};
        const QString l = QLatin1String(list);
        if (l == QLatin1String("RBall")) {
            detail.push_back({{e.comno, e.comname, e.day}, a});
            continue;
        }
        const QStringList key = l == QLatin1String("RBcomname") ? QStringList{e.comname, e.comno}
                                : l == QLatin1String("RBday1")  ? QStringList{e.day}
                                                                : QStringList{e.yearMonth()};
        for (size_t i = 0; i < 4; ++i)
            groups[key][i] += a[i];
    }
    for (const auto& [key, sums] : groups)
        detail.push_back({key, sums});
    std::sort(detail.begin(), detail.end());
    return detail;
}

// The rows the grid shows, read as the expected rows are made.
std::vector<ListRow> shownRows(const QTableView* grid, int keyColumns) {
    std::vector<ListRow> shown;
    for (int r = 0; r < grid->model()->rowCount(); ++r) {
        const QStringList cells = rowTexts(grid, r);
        ListRow row;
        row.keys = cells.mid(0, keyColumns);
        for (int i = 0; i < 4; ++i)
            row.amounts[size_t(i)] = shownAmount(cells[keyColumns + i]);
        shown.push_back(row);
    }
    std::sort(shown.begin(), shown.end());
    return shown;
}

class CashBookTest : public CashBookStoreTest {
protected:
    std::unique_ptr<TFMmoney> openForm() {
        auto form = std::make_unique<TFMmoney>();
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }
    static QTableView* grid(QWidget& form) { return child<QTableView>(form, "DBGrid1"); }
    static QString label(QWidget& form, const char* name) {
        return child<QLabel>(form, name)->text();
    }

    static void apply(TFMmoney& form, const Filter& f, const char* list) {
        child<QLineEdit>(form, "EDday1")->setText(f.day1);
        child<QLineEdit>(form, "EDday2")->setText(f.day2);
        QComboBox* partner = child<QComboBox>(form, "CBcomname");
        partner->setCurrentIndex(partner->findText(f.partner));  // a change searches
        clickOn(form, f.kind);
        clickOn(form, list);
    }

    static std::optional<Op> textOp(const RecordingPrintDevice& device, const QString& text) {
        for (const Op& op : device.ops(Op::Text)) {
            if (op.text == text) return op;
        }
        return std::nullopt;
    }
};

}  // namespace

TEST_F(CashBookTest, OpensOnThisMonthOfEveryPartnerAndBothKinds) {
    auto form = openForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("금전 출납 [매입/매출: 상세내역]"));
    EXPECT_EQ(itemsOf(child<QComboBox>(*form, "CBcomname")),
              (QStringList{"전체", "O'Neil \"상사\"", "대성물산", "한빛상사"}));
    EXPECT_EQ(child<QLineEdit>(*form, "EDday1")->text(), QStringLiteral("2026-12-01"));
    EXPECT_EQ(child<QLineEdit>(*form, "EDday2")->text(), QStringLiteral("2026-12-31"));
    EXPECT_TRUE(child<QRadioButton>(*form, "RBmaipMach")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(*form, "RBall")->isChecked());
    EXPECT_EQ(columnTitles(grid(*form)), (QStringList{"사업자 등록번호", "거래처명", "일자",
                                                      "매입액", "세액", "매출액", "세액", "적요"}));
    EXPECT_EQ(grid(*form)->model()->rowCount(), 6);
    // Totals past 2,147,483,647 won, written exactly; sales below purchases.
    EXPECT_EQ(label(*form, "LBmoneyCount"), QStringLiteral("6"));
    EXPECT_EQ(label(*form, "LBMoneyVat"), QStringLiteral("4,180,013,579"));
    EXPECT_EQ(label(*form, "LBmoney1Vat1"), QStringLiteral("3,960,990,000"));
    EXPECT_EQ(label(*form, "LBdiff"), QStringLiteral("-219,023,579"));
    EXPECT_TRUE(child<QPushButton>(*form, "BTdel")->isEnabled());
    // In date and name order: 대성물산's sale, then 한빛상사's purchase.
    EXPECT_EQ(rowTexts(grid(*form), 0).mid(1, 6),
              (QStringList{"대성물산", "2026-12-01", "", "", "1,500,000,000", "150,000,000"}));
    EXPECT_EQ(rowTexts(grid(*form), 1).mid(1, 6),
              (QStringList{"한빛상사", "2026-12-01", "2,000,000,000", "200,000,000", "", ""}));
}

// Every list kind under filters of partner, period and kind: the rows and
// the totals are those the test sums from the seeded entries.
TEST_F(CashBookTest, EveryListAndItsTotalsMatchTheEntries) {
    auto form = openForm();
    const Filter filters[] = {
        {"전체", "2026-12-01", "2026-12-31", "RBmaipMach"},
        {"전체", "2026-12-01", "2026-12-31", "RBmaip"},
        {"한빛상사", "", "2026-12-31", "RBmaipMach"},  // no from-date: everything up to the end
        {"O'Neil \"상사\"", "", "", "RBmach"},         // quotes are just characters
        {"대성물산", "2026-01-01", "", "RBmaip"},
        {"전체", "2026-03-01", "2026-03-31", "RBmach"},
        {"전체", "2030-01-01", "2030-12-31", "RBmaipMach"},  // nothing
    };
    const struct {
        const char* radio;
        int keyColumns;
        const char* caption;
    } lists[] = {{"RBall", 3, "상세내역]"},
                 {"RBcomname", 2, "거래처별 합계]"},
                 {"RBday1", 1, "일자별 합계]"},
                 {"RByearmonth", 1, "월별 합계]"}};
    for (const Filter& f : filters) {
        qint64 purchases = 0;
        qint64 sales = 0;
        for (const SeededEntry& e : entries()) {
            if (!passes(e, f)) continue;
            purchases += e.money + e.vat;
            sales += e.money1.value_or(0) + e.vat1.value_or(0);
        }
        for (const auto& list : lists) {
            const std::string where = f.partner.toStdString() + " " + f.day1.toStdString() + "~" +
                                      f.day2.toStdString() + " " + f.kind + " " + list.radio;
            apply(*form, f, list.radio);
            EXPECT_TRUE(form->windowTitle().endsWith(QString::fromUtf8(list.caption))) << where;
            const std::vector<ListRow> expected = expectedRows(f, list.radio);
            // The detail list shows 사업자 등록번호, 거래처명, 일자, then the amounts.
            std::vector<ListRow> shown = shownRows(grid(*form), list.keyColumns);
            EXPECT_EQ(shown, expected) << where;
            EXPECT_EQ(label(*form, "LBmoneyCount"), QString::number(expected.size())) << where;
            EXPECT_EQ(shownAmount(label(*form, "LBMoneyVat")), purchases) << where;
            EXPECT_EQ(shownAmount(label(*form, "LBmoney1Vat1")), sales) << where;
            EXPECT_EQ(shownAmount(label(*form, "LBdiff")), sales - purchases) << where;
            EXPECT_EQ(child<QPushButton>(*form, "BTdel")->isEnabled(),
                      QLatin1String(list.radio) == QLatin1String("RBall") && !expected.empty())
                << where;
        }
    }
    EXPECT_TRUE(dlg().errors.isEmpty()) << dlg().errors.join(u'\n').toStdString();
}

TEST_F(CashBookTest, DateFieldsRefuseWhatIsNoDateAndNormaliseTheRest) {
    auto form = openForm();
    QLineEdit* from = child<QLineEdit>(*form, "EDday1");
    from->setText(QStringLiteral("2026.12.5"));
    clickOn(*form, "BTinq");
    EXPECT_EQ(from->text(), QStringLiteral("2026-12-05"));
    EXPECT_EQ(label(*form, "LBmoneyCount"), QStringLiteral("4"));
    from->setText(QStringLiteral("12월초"));
    clickOn(*form, "BTinq");
    EXPECT_TRUE(dlg().saw(QStringLiteral("날짜는 YYYY-MM-DD 형식으로 입력하세요 !!")));
    EXPECT_EQ(label(*form, "LBmoneyCount"), QStringLiteral("4")) << "the last list stays";
    EXPECT_EQ(QApplication::focusWidget(), from);
}

TEST_F(CashBookTest, DeleteAsksAndRemovesOnlyTheSelectedEntry) {
    auto form = openForm();
    grid(*form)->selectionModel()->setCurrentIndex(
        grid(*form)->model()->index(2, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const QString key =
        form->QRmoney.valueAt(2, form->QRmoney.fieldIndex(QStringLiteral("Scancode"))).toString();
    dlg().script({Dialogs::Answer::No});
    clickOn(*form, "BTdel");
    EXPECT_EQ(dlg().last().text, QStringLiteral("선택한 자료를 삭제할까요...!"));
    EXPECT_EQ(rows(QStringLiteral("maipmach")), int(entries().size()));
    dlg().script({Dialogs::Answer::Yes});
    clickOn(*form, "BTdel");
    EXPECT_EQ(rows(QStringLiteral("maipmach")), int(entries().size()) - 1);
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT count(*) FROM maipmach WHERE Scancode = ?"), {key}).toInt(),
        0);
    EXPECT_EQ(label(*form, "LBmoneyCount"), QStringLiteral("5"));
}

TEST_F(CashBookTest, ButtonsOpenTheirFormsAndTheListFollowsWhatTheyChanged) {
    auto form = openForm();
    ModalHandler entry([this](QWidget* modal) {
        ASSERT_NE(qobject_cast<TFMmoney1*>(modal), nullptr);
        insertEntry({"E20", "222-22-22222", "대성물산", "2026-12-10", 0, 0, 70000, 7000});
    });
    clickOn(*form, "BTinp");
    EXPECT_TRUE(entry.appeared());
    EXPECT_EQ(label(*form, "LBmoneyCount"), QStringLiteral("7"));

    ModalHandler partners([this](QWidget* modal) {
        ASSERT_NE(qobject_cast<TFMupche*>(modal), nullptr);
        sql(QStringLiteral("INSERT INTO upche (COMNO, COMNAME) VALUES ('555', '가나다')"));
    });
    clickOn(*form, "BTupche");
    EXPECT_TRUE(partners.appeared());
    EXPECT_TRUE(itemsOf(child<QComboBox>(*form, "CBcomname")).contains(QStringLiteral("가나다")));

    ModalHandler settlement(
        [](QWidget* modal) { ASSERT_NE(qobject_cast<TFMmaipMach*>(modal), nullptr); });
    clickOn(*form, "BTmonth");
    EXPECT_TRUE(settlement.appeared());

    ModalHandler period([](QWidget* modal) {
        auto* calendar = qobject_cast<TFMcalendar1*>(modal);
        ASSERT_NE(calendar, nullptr);
        calendar->LBday1->setText(QStringLiteral("2026-03-01"));
        calendar->LBday2->setText(QStringLiteral("2026-03-31"));
    });
    clickOn(*form, "SpeedButton1");
    EXPECT_TRUE(period.appeared());
    EXPECT_EQ(label(*form, "LBmoneyCount"), QStringLiteral("3"));
}

TEST_F(CashBookTest, MainWindowCashBookButtonOpensTheCashBook) {
    TFMbu_main window;
    connectMainActions(window);
    window.show();
    QString caption;
    ModalHandler handler([&](QWidget* modal) {
        ASSERT_NE(qobject_cast<TFMmoney*>(modal), nullptr);
        caption = modal->windowTitle();
    });
    emit window.cashBookRequested();
    EXPECT_TRUE(handler.appeared());
    EXPECT_EQ(caption, QStringLiteral("금전 출납 [매입/매출: 상세내역]"));
}

// The list printer's table at 600 dpi: 4 mm rows (9 points, 37-dot cells),
// the left margin of the detail list 15 mm, so X0 = 15 × 24 + 10 = 370 and
// Y0 = (20 + 20) × 24 = 960; padding 12.
TEST_F(CashBookTest, PrintsTheListWithItsTitlesAndExactAmounts) {
    auto form = openForm();
    clickOn(*form, "BTprint");
    ASSERT_EQ(dlg().printed.size(), 1u);
    const RecordingPrintDevice& device = *dlg().printed.front();
    EXPECT_EQ(device.jobTitle(), QStringLiteral("금전 출납 [매입/매출: 상세내역]"));
    const auto title = textOp(device, QStringLiteral("거래처:전체 / 기간:2026-12-01~2026-12-31"));
    ASSERT_TRUE(title);
    EXPECT_EQ(title->a, QPoint(370, 960 - 5 * 24));
    const auto footer =
        textOp(device, QStringLiteral("▶총매출: 3,960,990,000▶총매입: 4,180,013,579"));
    ASSERT_TRUE(footer);
    EXPECT_EQ(footer->a, QPoint(370, 960 + 56 * 96 + 10));
    EXPECT_TRUE(textOp(device, QStringLiteral("No.")));
    // 2,000,000,000 fills its 13 characters, in the second row under the
    // titles, in the 매입액 column: after the number column (3 characters of
    // 37 dots and 24), 사업자 등록번호 (15), 거래처명 (20) and 일자 (10).
    const auto amount = textOp(device, QStringLiteral("2,000,000,000"));
    ASSERT_TRUE(amount);
    const int left = (3 * 37 + 24) + (15 * 37 + 24) + (20 * 37 + 24) + (10 * 37 + 24);
    EXPECT_EQ(amount->a, QPoint(370 + left + 12, 960 + 2 * 96 + 12));
    EXPECT_TRUE(dlg().saw(listPrintedMessage()));
    EXPECT_EQ(QApplication::focusWidget(), grid(*form));

    // Cancel prints nothing; a printer dialog that fails says so, then prints.
    dlg().reset();
    dlg().printDialog = Dialogs::PrintOutcome::Cancelled;
    clickOn(*form, "BTprint");
    EXPECT_TRUE(dlg().printed.empty());
    EXPECT_TRUE(dlg().messages.isEmpty());
    dlg().printDialog = Dialogs::PrintOutcome::DialogFailed;
    clickOn(*form, "BTprint");
    ASSERT_FALSE(dlg().messages.isEmpty());
    EXPECT_EQ(dlg().messages.first().text,
              QStringLiteral("프린터에 문제가 생겼습니다. 확인후 재시도 하세요 ...!"));
    EXPECT_EQ(dlg().printedOnCurrentPrinter, 1);

    // The by-month list with its own margin (75 mm), previewed as printed.
    dlg().reset();
    clickOn(*form, "RByearmonth");
    clickOn(*form, "BTpreview");
    ASSERT_EQ(dlg().previewed.size(), 1u);
    const auto month = textOp(*dlg().previewed.front(), QStringLiteral("년-월"));
    ASSERT_TRUE(month);
    EXPECT_GT(month->a.x(), 75 * 24 + 10);
}

TEST_F(CashBookTest, SavesTheListAsCsvForASpreadsheet) {
    auto form = openForm();
    clickOn(*form, "RBcomname");
    const QString path = home_.filePath(QStringLiteral("거래처별"));
    dlg().nextSaveFile = path;
    clickOn(*form, "BTcsv");
    QFile file(path + QStringLiteral(".csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.value(0), QStringLiteral("\"거래처명\",\"사업자 등록번호\",\"총 매입액\",\"총 "
                                             "세액\",\"총 매출액\",\"총 세액\""));
    EXPECT_TRUE(lines.contains(
        QStringLiteral("\"O'Neil \"\"상사\"\"\",\"444-44-44444\",0,0,2100000000,210000000")));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("\"한빛상사\",\"111-11-11111\",3800000000,380000000,,")));
    EXPECT_TRUE(dlg().saw(csvSavedMessage()));
}
