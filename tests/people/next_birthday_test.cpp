// The dates that come next: solar and lunar birthdays (February 29, a lunar
// 30th in a short month, a leap month), wedding anniversaries, and the list
// of the coming days with its window and order.

#include "people/next_birthday.h"

#include <gtest/gtest.h>

namespace {

PersonRecord born(int month, int day, const char* uy, const QString& name = {}) {
    PersonRecord person;
    person.name = name;
    person.birthday = QStringLiteral("1970-%1-%2").arg(month).arg(day);
    person.bthMonth = month;
    person.bthDay = day;
    person.uy = QString::fromLatin1(uy);
    return person;
}

PersonRecord married(const char* day, const QString& name) {
    PersonRecord person;
    person.name = name;
    person.uy = QString();
    person.marryday = QLatin1String(day);
    return person;
}

}  // namespace

TEST(NextBirthday, SolarAndLunarBirthdaysFallOnTheRightDay) {
    const QDate today(2026, 12, 8);  // lunar 2026-10-30
    const struct {
        const char* what;
        PersonRecord person;
        QDate today;
        std::optional<QDate> next;
    } cases[] = {
        {"solar, today", born(12, 8, "Y"), today, QDate(2026, 12, 8)},
        {"solar, yesterday", born(12, 7, "Y"), today, QDate(2027, 12, 7)},
        {"solar February 29 in a common year", born(2, 29, "Y"), today, QDate(2027, 2, 28)},
        {"solar February 29 in a leap year", born(2, 29, "Y"), QDate(2027, 12, 1),
         QDate(2028, 2, 29)},
        {"lunar, today", born(10, 30, "U"), today, QDate(2026, 12, 8)},
        {"lunar, this lunar year", born(11, 15, "U"), today, QDate(2026, 12, 23)},
        {"lunar, passed this lunar year", born(10, 29, "U"), today, QDate(2027, 11, 26)},
        {"lunar 2-30 where the month has it", born(2, 30, "U"), today, QDate(2027, 4, 6)},
        {"lunar 2-30 in a month of 29 days", born(2, 30, "U"), QDate(2026, 1, 1),
         QDate(2026, 4, 16)},
        // 2025 has a leap sixth month after the ordinary one.
        {"lunar, before the ordinary month's day", born(6, 10, "U"), QDate(2025, 7, 1),
         QDate(2025, 7, 4)},
        {"lunar, in the leap month: next year's ordinary month", born(6, 10, "U"),
         QDate(2025, 7, 28), QDate(2026, 7, 23)},
        {"no birthday", PersonRecord{}, today, std::nullopt},
        {"a month that is none", born(13, 1, "Y"), today, std::nullopt},
        {"neither calendar", born(5, 5, ""), today, std::nullopt},
        {"beyond the lunar month table", born(1, 1, "U"), QDate(2051, 3, 1), std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nextBirthday(c.person, c.today), c.next) << c.what;
    }
    EXPECT_EQ(nextAnniversary(married("1998-12-07", {}), today), QDate(2027, 12, 7));
    EXPECT_EQ(nextAnniversary(married("2000-02-29", {}), today), QDate(2027, 2, 28));
    EXPECT_EQ(nextAnniversary(married("", {}), today), std::nullopt);
}

TEST(NextBirthday, TheComingDaysInTheirOrder) {
    const QDate today(2026, 12, 8);
    PersonRecord both = born(12, 20, "Y", QStringLiteral("둘다"));
    both.marryday = QStringLiteral("2001-12-09");
    const std::vector<PersonRecord> people{
        born(1, 7, "Y", QStringLiteral("1월7일")),  // the day after 30 days
        born(12, 15, "Y", QStringLiteral("12월15일")),
        born(11, 29, "U", QStringLiteral("음11월29일")),  // 2027-01-06, the last of 30 days
        married("1998-12-10", QStringLiteral("결혼")),
        born(11, 6, "U", QStringLiteral("음11월6일")),  // 2026-12-14, the last of 7 days
        both,
        born(12, 8, "Y", QStringLiteral("오늘")),
        born(12, 8, "Y", QStringLiteral("가오늘")),  // the same day: by name
        born(12, 7, "Y", QStringLiteral("어제")),
    };
    const auto names = [&](int days) {
        QStringList result;
        for (const UpcomingDay& day : upcomingDays(people, today, days))
            result.append(day.person.name + u' ' + day.date.toString(Qt::ISODate));
        return result;
    };
    EXPECT_EQ(names(7), (QStringList{"가오늘 2026-12-08", "오늘 2026-12-08", "둘다 2026-12-09",
                                     "결혼 2026-12-10", "음11월6일 2026-12-14"}));
    EXPECT_EQ(names(30), (QStringList{"가오늘 2026-12-08", "오늘 2026-12-08", "둘다 2026-12-09",
                                      "결혼 2026-12-10", "음11월6일 2026-12-14",
                                      "12월15일 2026-12-15", "음11월29일 2027-01-06"}));
}
