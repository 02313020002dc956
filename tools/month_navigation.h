#pragma once

#include <QDate>
#include <QObject>
#include <QString>

class QCalendarWidget;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// The month calendar of the calendar forms keeps one selected day; the year
// and month buttons move that day, so the page shown is always the month of
// the selected day. A day that the target month does not have becomes its
// last day (31 March one month back is 28 or 29 February).

// The selected day moved by whole months; across the year's end the year
// follows (one month back from January is December of the year before).
QDate shiftMonths(const QDate& selected, int months);
// The selected day moved by whole years.
QDate shiftYears(const QDate& selected, int years);
// The selected day in another month (1..12) of its year.
QDate inMonth(const QDate& selected, int month);

// The item of the month list for a month 1..12: " 1" … " 9", "10", "11", "12".
QString monthItemText(int month);

// The year and month controls of a calendar form and the calendar they steer:
// BTyearP, LByear, BTyearN, BTmonthP, CBmonth, BTmonthN and Calendar1, made as
// children of the form and named. The year label and the month list follow
// the calendar's selected day whichever way it changes.
class MonthNavigator : public QObject {
    Q_OBJECT
public:
    explicit MonthNavigator(QWidget* form);

    QPushButton* BTyearP = nullptr;
    QPushButton* BTyearN = nullptr;
    QLabel* LByear = nullptr;
    QPushButton* BTmonthP = nullptr;
    QPushButton* BTmonthN = nullptr;
    QComboBox* CBmonth = nullptr;
    QCalendarWidget* Calendar1 = nullptr;

    QDate selectedDate() const;
    // Selects the day and shows its month.
    void select(const QDate& day);

    // The year and month controls in one row, for the form's layout to take.
    QHBoxLayout* newBarLayout() const;

private:
    void buildCalendar(QWidget* form);
    void followCalendar();
    void followPage(int year, int month);
};
