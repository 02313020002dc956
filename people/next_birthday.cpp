#include "people/next_birthday.h"

#include "common/dates.h"
#include "tools/lunar_calendar.h"

#include <algorithm>

namespace {

// The day of the month in the given year; February 29 is the 28th in a year
// without it.
QDate solarDay(int year, int month, int day) {
    return QDate(year, month, std::min(day, daysInMonth(year, month)));
}

std::optional<QDate> nextSolarDay(int month, int day, const QDate& today) {
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(2000, month)) return std::nullopt;
    const QDate thisYear = solarDay(today.year(), month, day);
    return thisYear >= today ? thisYear : solarDay(today.year() + 1, month, day);
}

std::optional<QDate> lunarDayOfYear(int lunarYear, int month, int day) {
    const std::optional<int> length = lunarMonthDays(lunarYear, month, false);
    if (!length) return std::nullopt;
    return lunarToSolar({lunarYear, month, std::min(day, *length), false});
}

std::optional<QDate> nextLunarDay(int month, int day, const QDate& today) {
    if (month < 1 || month > 12 || day < 1 || day > 30) return std::nullopt;
    const std::optional<LunarDate> now = solarToLunar(today);
    if (!now) return std::nullopt;
    // This lunar year's birthday, or next year's when it has passed; a
    // birthday of the year before always lies before today.
    const std::optional<QDate> thisYear = lunarDayOfYear(now->year, month, day);
    if (thisYear && *thisYear >= today) return thisYear;
    return lunarDayOfYear(now->year + 1, month, day);
}

}  // namespace

std::optional<QDate> nextBirthday(const PersonRecord& person, const QDate& today) {
    if (person.lunarBirthday()) return nextLunarDay(person.bthMonth, person.bthDay, today);
    if (person.solarBirthday()) return nextSolarDay(person.bthMonth, person.bthDay, today);
    return std::nullopt;
}

std::optional<QDate> nextAnniversary(const PersonRecord& person, const QDate& today) {
    const std::optional<DateParts> wedding =
        person.marryday.isEmpty() ? std::nullopt : parseDateParts(person.marryday);
    if (!wedding) return std::nullopt;
    return nextSolarDay(wedding->month, wedding->day, today);
}

std::vector<UpcomingDay> upcomingDays(const std::vector<PersonRecord>& people, const QDate& today,
                                      int days) {
    const QDate last = today.addDays(days - 1);
    const auto within = [&](const std::optional<QDate>& date) { return date && *date <= last; };
    std::vector<UpcomingDay> found;
    for (const PersonRecord& person : people) {
        const std::optional<QDate> birthday = nextBirthday(person, today);
        const std::optional<QDate> anniversary = nextAnniversary(person, today);
        if (within(birthday) && (!within(anniversary) || *birthday <= *anniversary)) {
            found.push_back({person, *birthday});
        } else if (within(anniversary)) {
            found.push_back({person, *anniversary});
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const UpcomingDay& a, const UpcomingDay& b) {
        if (a.date != b.date) return a.date < b.date;
        return a.person.name < b.person.name;
    });
    return found;
}
