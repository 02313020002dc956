#pragma once

#include <QDate>

#include <optional>

// Days of the year as one ordinal, month * 100 + day (March 9 is 309), so
// that a range of birthdays is one comparison whatever the months.
int dayOfYearOrdinal(int month, int day);

// A range of days of the year, both ends included. A range that wraps runs
// across the year's end (1220 to 110: December 20 to January 10).
struct DayOfYearRange {
    int from = 101;
    int to = 1231;
    bool wraps = false;

    bool contains(int month, int day) const;
    bool operator==(const DayOfYearRange&) const = default;
};

// The solar birthdays between two typed dates. The years of the dates say
// how far the range reaches: within one year it is the days between them;
// into the next year it wraps; further it holds every day. A second date
// before the first means its day after the first (12-20 to 01-10 typed in
// one year is December 20 to January 10).
DayOfYearRange solarBirthdayRange(const QDate& from, const QDate& to);

// The lunar birthdays of the same days: the lunar dates of the two bounds,
// read the same way. None when a bound lies outside the lunar month table.
std::optional<DayOfYearRange> lunarBirthdayRange(const QDate& from, const QDate& to);
