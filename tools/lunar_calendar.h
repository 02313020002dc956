#pragma once

#include <QDate>

#include <optional>

// Solar (Gregorian) and Korean lunar dates, converted through the lunar month
// table (tools/lunar_month_table.h). The table covers the lunar years 1901 to
// 2050, that is the solar days from lunarTableFirstDay() to
// lunarTableLastDay(); outside them there is no conversion.

// A lunar date. `leapMonth` marks a day of the leap month that follows the
// month `month` in that year.
struct LunarDate {
    int year;
    int month;
    int day;
    bool leapMonth;
};

// The lunar date of a solar date; none outside the table.
std::optional<LunarDate> solarToLunar(const QDate& solar);

// The solar date of a lunar date; none when the table does not hold it (a
// year outside the table, a day beyond the length of the month, a leap month
// the year does not have).
std::optional<QDate> lunarToSolar(const LunarDate& lunar);

// The number of days (29 or 30) of the month, or of its leap month; none when
// the table does not hold that month.
std::optional<int> lunarMonthDays(int year, int month, bool leapMonth);

// The first and the last solar day the table covers.
QDate lunarTableFirstDay();
QDate lunarTableLastDay();
