#pragma once

#include "people/person_record.h"

#include <QDate>

#include <optional>
#include <vector>

// When to get in touch: the solar dates of a Person's next birthday and next
// wedding anniversary, on or after a given day.

// The next birthday on or after `today`. A solar birthday of February 29
// falls on February 28 in other years. A lunar birthday is the solar date of
// that lunar month and day in the coming lunar year; a 30th in a month of 29
// days falls on the 29th, and a birthday in a leap month is kept in the
// ordinary month. None without a birthday, or beyond the lunar month table.
std::optional<QDate> nextBirthday(const PersonRecord& person, const QDate& today);

// The next wedding anniversary on or after `today` (solar; February 29 as above).
std::optional<QDate> nextAnniversary(const PersonRecord& person, const QDate& today);

// A Person whose birthday or wedding anniversary comes soon, and when.
struct UpcomingDay {
    PersonRecord person;
    QDate date;  // the first of the two that falls within the days asked
};

// The Persons whose next birthday or anniversary falls within `days` days
// from `today` (today included), in the order of that date (then by name).
std::vector<UpcomingDay> upcomingDays(const std::vector<PersonRecord>& people, const QDate& today,
                                      int days);
