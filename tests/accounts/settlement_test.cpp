// The yearly settlement: the work table against a pivot the test makes
// from the seeded entries, its rebuild as one transaction, and the form
// TFMmaipMach with its grid, chart, printing and CSV file.

#include "accounts/month_chart.h"
#include "accounts/tfmmaipmach.h"
#include "accounts/year_settlement.h"
#include "common/list_printer.h"
#include "tests/accounts/accounts_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <map>
#include <memory>

namespace {

using Op = RecordingPrintDevice::Op;
using Months = std::array<qint64, 12>;

// Name → the twelve months including tax, summed here from the entries.
std::map<QString, Months> expectedPivot(const QString& year, SettlementKind kind) {
    std::map<QString, Months> pivot;
    for (const SeededEntry& e : CashBookStoreTest::entries()) {
        if (!e.day.startsWith(year + u'-')) continue;
        const qint64 amount = kind == SettlementKind::Sales
                                  ? e.money1.value_or(0) + e.vat1.value_or(0)
                                  : e.money + e.vat;
        pivot[e.comname][size_t(e.day.mid(5, 2).toInt() - 1)] += amount;
    }
    return pivot;
}

class SettlementTest : public CashBookStoreTest {
protected:
    // The work table in its order: the name and the fourteen numbers (an
    // empty month read as 0).
    std::vector<std::pair<QString, std::vector<qint64>>> workTable() {
        std::vector<std::pair<QString, std::vector<qint64>>> table;
        const int count = rows(QStringLiteral("year_tot"));
        for (int i = 0; i < count; ++i) {
            const QString name =
                scalar(QStringLiteral("SELECT comname FROM year_tot ORDER BY Seq LIMIT 1 OFFSET ?"),
                       {i})
                    .toString();
            std::vector<qint64> numbers;
            for (int m = 1; m <= 13; ++m) {
                const QString column =
                    m <= 12 ? QStringLiteral("_%1").arg(m) : QStringLiteral("Tot");
                numbers.push_back(
                    scalar(QStringLiteral("SELECT coalesce(%1, 0) FROM year_tot ORDER BY "
                                          "Seq LIMIT 1 OFFSET ?")
                               .arg(column),
                           {i})
                        .toLongLong());
            }
            table.emplace_back(name, numbers);
        }
        return table;
    }

    std::unique_ptr<TFMmaipMach> openForm() {
        auto form = std::make_unique<TFMmaipMach>();
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }
    void settle(TFMmaipMach& form, const QString& year) {
        form.EDyear->setText(year);
        clickOn(form, "BTcarDtal");
    }
};

}  // namespace

// For each year and kind the work table holds one row per partner name in
// name order, its months and total, and the totals row last, also when a
// name sorts after "▶ 합 계" (Hangul does), with sums past 2^31.
TEST_F(SettlementTest, WorkTableMatchesTheEntriesByPartnerAndMonth) {
    insertEntry({"E30", "999", "ㅎ거래처", "2026-07-01", 0, 0, 5, 0});  // Hangul sorts after "▶"
    for (const QString& year :
         {QStringLiteral("2026"), QStringLiteral("2027"), QStringLiteral("2025")}) {
        for (const SettlementKind kind : {SettlementKind::Sales, SettlementKind::Purchases}) {
            const std::string where =
                year.toStdString() + (kind == SettlementKind::Sales ? " sales" : " purchases");
            std::map<QString, Months> pivot = expectedPivot(year, kind);
            if (year == QStringLiteral("2026"))
                pivot[QStringLiteral("ㅎ거래처")][6] += kind == SettlementKind::Sales ? 5 : 0;
            const Settlement s = rebuildSettlement(year, kind);
            const auto table = workTable();
            ASSERT_EQ(s.partners, int(pivot.size())) << where;
            if (pivot.empty()) {
                EXPECT_TRUE(table.empty()) << where;
                continue;
            }
            ASSERT_EQ(table.size(), pivot.size() + 1) << where;
            Months totals{};
            size_t row = 0;
            for (const auto& [name, months] : pivot) {
                EXPECT_EQ(table[row].first, name) << where;
                qint64 total = 0;
                for (size_t m = 0; m < 12; ++m) {
                    EXPECT_EQ(table[row].second[m], months[m]) << where << " month " << m + 1;
                    total += months[m];
                    totals[m] += months[m];
                }
                EXPECT_EQ(table[row].second[12], total) << where;
                ++row;
            }
            EXPECT_EQ(table.back().first, settlementTotalsName()) << where;
            qint64 grand = 0;
            for (size_t m = 0; m < 12; ++m) {
                EXPECT_EQ(table.back().second[m], totals[m]) << where;
                EXPECT_EQ(s.months[m], totals[m]) << where;
                grand += totals[m];
            }
            EXPECT_EQ(table.back().second[12], grand) << where;
            EXPECT_EQ(s.grandTotal, grand) << where;
        }
    }
    // 2026 sales: 한빛상사 in March 2,000,000,000 + 1,000,000,000 and tax.
    rebuildSettlement(QStringLiteral("2026"), SettlementKind::Sales);
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT _3 FROM year_tot WHERE comname = '한빛상사'")).toLongLong(),
        3300000000LL);
}

// A rebuild that fails half way leaves the last settlement as it was.
TEST_F(SettlementTest, AFailedRebuildLeavesTheLastSettlement) {
    rebuildSettlement(QStringLiteral("2026"), SettlementKind::Sales);
    const auto before = workTable();
    refuse(QStringLiteral("year_tot"), QStringLiteral("INSERT"), QStringLiteral("refused"),
           QStringLiteral("NEW.comname = '한빛상사'"));
    EXPECT_ANY_THROW(rebuildSettlement(QStringLiteral("2026"), SettlementKind::Purchases));
    EXPECT_EQ(workTable(), before);
}

TEST_F(SettlementTest, FormSettlesTheTypedYearAndSwitchesKindAtOnce) {
    auto form = openForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("년간 : 거래처별 - 월별 매입/매출 결산"));
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(form->RBmach->isChecked());
    EXPECT_EQ(form->DBGrid1->model()->rowCount(), 0) << "the year is empty at first";
    EXPECT_FALSE(form->BTprt->isEnabled());
    EXPECT_TRUE(dlg().messages.isEmpty());

    settle(*form, QStringLiteral("2026"));
    QStringList titles{"거래처"};
    for (int m = 1; m <= 12; ++m)
        titles.append(QStringLiteral("%1 월").arg(m));
    titles.append(QStringLiteral("합 계"));
    EXPECT_EQ(columnTitles(form->DBGrid1), titles);
    ASSERT_EQ(form->DBGrid1->model()->rowCount(), 4);
    const QStringList hanbit = rowTexts(form->DBGrid1, 3 - 1);
    EXPECT_EQ(hanbit.value(0), QStringLiteral("한빛상사"));
    EXPECT_EQ(hanbit.value(3), QStringLiteral("3,300,000,000"));
    EXPECT_EQ(hanbit.value(4), QString()) << "a month without entries is empty";
    EXPECT_EQ(rowTexts(form->DBGrid1, 3).value(0), settlementTotalsName());
    EXPECT_EQ(rowTexts(form->DBGrid1, 3).value(13), QStringLiteral("7,264,290,000"));
    EXPECT_TRUE(form->BTprt->isEnabled());
    EXPECT_EQ(form->CHmonth->totals()[2], 3303300000LL);
    EXPECT_EQ(form->CHmonth->totals()[11], 3960990000LL);

    clickOn(*form, "RBmaip");
    EXPECT_EQ(rowTexts(form->DBGrid1, form->DBGrid1->model()->rowCount() - 1).value(13),
              QStringLiteral("4,180,068,579"));
    EXPECT_EQ(form->CHmonth->totals()[10], 55000);

    settle(*form, QStringLiteral("26"));
    EXPECT_EQ(dlg().last().text, QStringLiteral("년도는 4자리 숫자로 입력하세요 (예: 2026) ...!"));
    EXPECT_EQ(form->DBGrid1->model()->rowCount(), 0);
    EXPECT_FALSE(form->BTprt->isEnabled());
}

// The settlement prints landscape through the list printer, with the bar
// chart on a page of its own after the table. At 600 dpi (24 dots a
// millimetre) the chart's area runs from 30 mm to the right edge less
// 20 mm, from 45 mm down to the bottom less 30 mm: on a landscape A4 sheet
// (7016 × 4961 dots) x 720..6535, y 1080..4240, twelve slots of 484 or 485
// dots, each bar three fifths of its slot.
TEST_F(SettlementTest, PrintsTheTableAndTheChartOnTheLastPage) {
    auto form = openForm();
    settle(*form, QStringLiteral("2026"));
    clickOn(*form, "BTprt");
    ASSERT_EQ(dlg().printed.size(), 1u);
    const RecordingPrintDevice& device = *dlg().printed.front();
    EXPECT_EQ(device.jobTitle(), QStringLiteral("거래처별 매출 결산서"));
    EXPECT_EQ(device.ops(Op::Orient).first().pen, 2);
    EXPECT_EQ(device.pageCount(), 2);
    const QStringList texts = device.texts();
    EXPECT_TRUE(texts.contains(QStringLiteral("[2026 년]")));
    EXPECT_TRUE(texts.contains(QStringLiteral("▶총액: 7,264,290,000")));
    EXPECT_TRUE(texts.contains(QStringLiteral("3,300,000,000")));

    // The chart: only the months with sales have a bar.
    const QList<Op> bars = device.opsOnPage(Op::Image, 2);
    ASSERT_EQ(bars.size(), 2);
    const int zeroY = 4240 + 1;
    // December, the highest, reaches the top; March is its share of it.
    const QRect area(QPoint(720, 1080), QPoint(6535, 4240));
    const int decLeft = 720 + 5816 * 11 / 12;
    const int decSlot = 720 + 5816 - decLeft;
    EXPECT_EQ(bars[1].a, QPoint(decLeft + (decSlot - decSlot * 3 / 5) / 2, 1080));
    EXPECT_EQ(bars[1].b,
              QPoint(decLeft + (decSlot - decSlot * 3 / 5) / 2 + decSlot * 3 / 5, zeroY));
    const int marchHeight = int(3303300000.0L / 3960990000.0L * area.height() + 0.5L);
    EXPECT_EQ(bars[0].a.y(), zeroY - marchHeight);
    EXPECT_EQ(bars[0].b.y(), zeroY);
    EXPECT_TRUE(device.opsOnPage(Op::Text, 2).size() >= 12 + 2 + 1);
    EXPECT_TRUE(texts.contains(QStringLiteral("3,960,990,000")));
    EXPECT_TRUE(texts.contains(QStringLiteral("12월")));
    EXPECT_TRUE(dlg().saw(listPrintedMessage()));

    // A printer dialog that fails says so and prints on the current printer.
    dlg().reset();
    dlg().printDialog = Dialogs::PrintOutcome::DialogFailed;
    clickOn(*form, "BTprt");
    EXPECT_EQ(dlg().messages.first().text,
              QStringLiteral("프린터에 문제가 생겼습니다. 확인후 재시도 하세요 ...!"));
    EXPECT_EQ(dlg().printedOnCurrentPrinter, 1);
}
