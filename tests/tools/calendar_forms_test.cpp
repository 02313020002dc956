#include "tests/support/modal.h"
#include "tests/support/test_environment.h"
#include "tools/month_navigation.h"
#include "tools/tfmcalendar.h"
#include "tools/tfmcalendar1.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {
QString u(const char* text) {
    return QString::fromUtf8(text);
}

// The centre of the cell that shows `day` of the month on the calendar's
// page. Days 15 to 22 appear once on every page.
QPoint dayCell(QCalendarWidget* calendar, int day) {
    auto* view = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    if (!view)
        return {};
    const auto* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (row > 0 && index.data().toString() == QString::number(day)) {
                return view->visualRect(index).center();
            }
        }
    }
    return {};
}

QWidget* calendarViewport(QCalendarWidget* calendar) {
    return calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"))->viewport();
}

void clickDay(QCalendarWidget* calendar, int day) {
    const QPoint cell = dayCell(calendar, day);
    ASSERT_FALSE(cell.isNull()) << day;
    QTest::mouseClick(calendarViewport(calendar), Qt::LeftButton, Qt::NoModifier, cell);
}

template <typename Form>
void expectShows(Form& form, const QString& year, const QString& month, const QDate& day) {
    EXPECT_EQ(form.LByear->text(), year);
    EXPECT_EQ(form.CBmonth->currentText(), month);
    EXPECT_EQ(form.Calendar1->selectedDate(), day);
    EXPECT_EQ(form.Calendar1->yearShown(), day.year());
    EXPECT_EQ(form.Calendar1->monthShown(), day.month());
}
}  // namespace

TEST(MonthSteps, AcrossTheYearAndIntoShorterMonths) {
    EXPECT_EQ(shiftMonths(QDate(1999, 1, 15), -1), QDate(1998, 12, 15));
    EXPECT_EQ(shiftMonths(QDate(1998, 12, 15), 1), QDate(1999, 1, 15));
    EXPECT_EQ(shiftMonths(QDate(2000, 3, 31), -1), QDate(2000, 2, 29));
    EXPECT_EQ(shiftMonths(QDate(2001, 3, 31), -1), QDate(2001, 2, 28));
    EXPECT_EQ(shiftMonths(QDate(2026, 5, 31), 1), QDate(2026, 6, 30));
    EXPECT_EQ(shiftYears(QDate(2000, 2, 29), 1), QDate(2001, 2, 28));
    EXPECT_EQ(shiftYears(QDate(1999, 7, 4), -1), QDate(1998, 7, 4));
    EXPECT_EQ(inMonth(QDate(2026, 1, 31), 4), QDate(2026, 4, 30));
    EXPECT_EQ(inMonth(QDate(2026, 12, 8), 2), QDate(2026, 2, 8));
    EXPECT_EQ(monthItemText(1), u(" 1"));
    EXPECT_EQ(monthItemText(9), u(" 9"));
    EXPECT_EQ(monthItemText(10), u("10"));
    EXPECT_EQ(monthItemText(12), u("12"));
}

class PeriodSelectionTest : public QuarnelTest {};

TEST_F(PeriodSelectionTest, OpensAtTodayWithEmptyResults) {
    TFMcalendar1 form;
    form.show();
    EXPECT_EQ(form.windowTitle(), u("기간선택"));
    expectShows(form, u("2026"), u("12"), QDate(2026, 12, 8));
    EXPECT_EQ(form.Calendar1->firstDayOfWeek(), Qt::Sunday);
    EXPECT_EQ(form.Calendar1->locale().language(), QLocale::Korean);
    QStringList months;
    for (int i = 0; i < form.CBmonth->count(); ++i)
        months.append(form.CBmonth->itemText(i));
    EXPECT_EQ(months, (QStringList{u(" 1"), u(" 2"), u(" 3"), u(" 4"), u(" 5"), u(" 6"), u(" 7"),
                                   u(" 8"), u(" 9"), u("10"), u("11"), u("12")}));
    EXPECT_TRUE(form.fromText().isEmpty());
    EXPECT_TRUE(form.toText().isEmpty());
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("LBday1")), form.LBday1);
    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->text(), u("부터"));
    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("BitBtn3"))->text(), u("까지"));
    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->text(), u("종료"));
}

TEST_F(PeriodSelectionTest, OpensAtTheClocksToday) {
    clock().set(QDateTime(QDate(1999, 1, 20), QTime(9, 0)));
    TFMcalendar1 form;
    form.show();
    expectShows(form, u("1999"), u(" 1"), QDate(1999, 1, 20));
}

TEST_F(PeriodSelectionTest, ToWithoutFromClosesWithAnEmptyStart) {
    TFMcalendar1 form;
    form.show();
    clickDay(form.Calendar1, 17);
    QTest::mouseClick(form.BitBtn3, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.fromText().isEmpty());
    EXPECT_EQ(form.toText(), u("2026-12-17"));
    EXPECT_EQ(form.LBday2->text(), u("2026-12-17"));
}

TEST_F(PeriodSelectionTest, FromThenCloseKeepsTheStartAndAnEmptyEnd) {
    TFMcalendar1 form;
    form.show();
    QTest::mouseClick(form.BTmonthP, Qt::LeftButton);
    clickDay(form.Calendar1, 16);
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    EXPECT_TRUE(form.isVisible()) << "taking the start keeps the form open";
    EXPECT_EQ(form.LBday1->text(), u("2026-11-16"));
    QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.fromText(), u("2026-11-16"));
    EXPECT_TRUE(form.toText().isEmpty());
}

TEST_F(PeriodSelectionTest, FromAndToWithLeadingZeros) {
    clock().set(QDateTime(QDate(1998, 3, 7), QTime(9, 0)));
    TFMcalendar1 form;
    form.show();
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    QTest::mouseClick(form.BTmonthN, Qt::LeftButton);
    QTest::mouseClick(form.BitBtn3, Qt::LeftButton);
    EXPECT_EQ(form.fromText(), u("1998-03-07"));
    EXPECT_EQ(form.toText(), u("1998-04-07"));
}

TEST_F(PeriodSelectionTest, YearAndMonthNavigation) {
    clock().set(QDateTime(QDate(1999, 1, 15), QTime(9, 0)));
    TFMcalendar1 form;
    form.show();
    QTest::mouseClick(form.BTmonthP, Qt::LeftButton);
    expectShows(form, u("1998"), u("12"), QDate(1998, 12, 15));
    QTest::mouseClick(form.BTmonthN, Qt::LeftButton);
    expectShows(form, u("1999"), u(" 1"), QDate(1999, 1, 15));
    QTest::mouseClick(form.BTmonthN, Qt::LeftButton);
    expectShows(form, u("1999"), u(" 2"), QDate(1999, 2, 15));
    QTest::mouseClick(form.BTyearN, Qt::LeftButton);
    expectShows(form, u("2000"), u(" 2"), QDate(2000, 2, 15));
    QTest::mouseClick(form.BTyearP, Qt::LeftButton);
    QTest::mouseClick(form.BTyearP, Qt::LeftButton);
    expectShows(form, u("1998"), u(" 2"), QDate(1998, 2, 15));
    for (int i = 0; i < 11; ++i)
        QTest::mouseClick(form.BTmonthN, Qt::LeftButton);
    expectShows(form, u("1999"), u(" 1"), QDate(1999, 1, 15));
}

TEST_F(PeriodSelectionTest, ChoosingAMonthFromTheList) {
    TFMcalendar1 form;
    form.show();
    form.CBmonth->setFocus();
    pressKey(form.CBmonth, Qt::Key_Up);
    expectShows(form, u("2026"), u("11"), QDate(2026, 11, 8));
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(form.fromText(), u("2026-11-08"));
}

TEST_F(PeriodSelectionTest, ADayMissingInTheNewMonthBecomesItsLastDay) {
    clock().set(QDateTime(QDate(2027, 3, 31), QTime(9, 0)));
    TFMcalendar1 form;
    form.show();
    QTest::mouseClick(form.BTmonthP, Qt::LeftButton);
    expectShows(form, u("2027"), u(" 2"), QDate(2027, 2, 28));
    QTest::mouseClick(form.BitBtn3, Qt::LeftButton);
    EXPECT_EQ(form.toText(), u("2027-02-28")) << "never a day the month does not have";
}

TEST_F(PeriodSelectionTest, ControlsFollowTheCalendarsOwnChanges) {
    TFMcalendar1 form;
    form.show();
    // A page turned inside the calendar takes the selected day along.
    form.Calendar1->showNextMonth();
    expectShows(form, u("2027"), u(" 1"), QDate(2027, 1, 8));
    // A day chosen in the calendar (a click on a day of the month before).
    form.Calendar1->setSelectedDate(QDate(2026, 12, 29));
    expectShows(form, u("2026"), u("12"), QDate(2026, 12, 29));
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(form.fromText(), u("2026-12-29"));
}

class CalendarPickerTest : public QuarnelTest {
protected:
    void SetUp() override {
        QuarnelTest::SetUp();
        TFMcalendar::sharedResult().clear();
    }
    void TearDown() override { TFMcalendar::sharedResult().clear(); }
};

TEST_F(CalendarPickerTest, OpeningKeepsTheSharedResult) {
    TFMcalendar::sharedResult() = u("2026-01-02");
    TFMcalendar form;
    form.show();
    EXPECT_EQ(form.windowTitle(), u("FMcalendar"));
    expectShows(form, u("2026"), u("12"), QDate(2026, 12, 8));
    EXPECT_EQ(TFMcalendar::sharedResult(), u("2026-01-02"));
}

TEST_F(CalendarPickerTest, OkWritesTheSelectedDay) {
    TFMcalendar::sharedResult() = u("2026-01-02");
    TFMcalendar form;
    form.show();
    QTest::mouseClick(form.BTyearP, Qt::LeftButton);
    QTest::mouseClick(form.BTmonthP, Qt::LeftButton);
    clickDay(form.Calendar1, 19);
    EXPECT_TRUE(form.isVisible()) << "a single click only selects";
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(TFMcalendar::sharedResult(), u("2025-11-19"));
}

TEST_F(CalendarPickerTest, DoubleClickOnADayTakesItAndCloses) {
    TFMcalendar form;
    form.show();
    const QPoint cell = dayCell(form.Calendar1, 21);
    ASSERT_FALSE(cell.isNull());
    // A real double-click arrives as a click followed by the double-click.
    QTest::mouseClick(calendarViewport(form.Calendar1), Qt::LeftButton, Qt::NoModifier, cell);
    QTest::mouseDClick(calendarViewport(form.Calendar1), Qt::LeftButton, Qt::NoModifier, cell);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(TFMcalendar::sharedResult(), u("2026-12-21"));
}

TEST_F(CalendarPickerTest, CancelEmptiesTheSharedResult) {
    TFMcalendar::sharedResult() = u("2026-01-02");
    TFMcalendar form;
    ModalHandler handler([](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("BitBtn2")),
                          Qt::LeftButton);
    });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    EXPECT_TRUE(handler.appeared());
    EXPECT_TRUE(TFMcalendar::sharedResult().isEmpty());
}
