#include "people/birthday_range.h"

#include "tools/lunar_calendar.h"

namespace {

const DayOfYearRange kEveryDay{101, 1231, false};

// The date with the month and day of `date` that comes first on or after
// `start`; a February 29 in a year without it is March 1.
QDate sameDayFrom(const QDate& date, const QDate& start) {
    for (int year = start.year();; ++year) {
        const QDate candidate = QDate(year, date.month(), 1).addDays(date.day() - 1);
        if (candidate >= start) return candidate;
    }
}

// The range from the day `fromDay` of the year `fromYear` to the day `toDay`
// of the year `toYear`.
DayOfYearRange rangeBetween(int fromYear, int fromDay, int toYear, int toDay) {
    if (toYear == fromYear) {
        // Within one lunar year the end comes before the start only in the
        // leap month that follows the start's month: a birthday is kept in
        // the ordinary month, so the range ends with that month.
        if (toDay < fromDay) return {fromDay, fromDay / 100 * 100 + 30, false};
        return {fromDay, toDay, false};
    }
    // Into the next year it wraps; a range that reaches its own start again
    // holds every day.
    if (toYear == fromYear + 1 && toDay < fromDay) return {fromDay, toDay, true};
    return kEveryDay;
}

QDate orderedEnd(const QDate& from, const QDate& to) {
    return to >= from ? to : sameDayFrom(to, from);
}

}  // namespace

int dayOfYearOrdinal(int month, int day) {
    return month * 100 + day;
}

bool DayOfYearRange::contains(int month, int day) const {
    if (month < 1 || month > 12 || day < 1 || day > 31) return false;
    const int ordinal = dayOfYearOrdinal(month, day);
    return wraps ? ordinal >= from || ordinal <= to : ordinal >= from && ordinal <= to;
}

DayOfYearRange solarBirthdayRange(const QDate& from, const QDate& to) {
    const QDate end = orderedEnd(from, to);
    return rangeBetween(from.year(), dayOfYearOrdinal(from.month(), from.day()), end.year(),
                        dayOfYearOrdinal(to.month(), to.day()));
}

std::optional<DayOfYearRange> lunarBirthdayRange(const QDate& from, const QDate& to) {
    const std::optional<LunarDate> first = solarToLunar(from);
    const std::optional<LunarDate> last = solarToLunar(orderedEnd(from, to));
    if (!first || !last) return std::nullopt;
    return rangeBetween(first->year, dayOfYearOrdinal(first->month, first->day), last->year,
                        dayOfYearOrdinal(last->month, last->day));
}
