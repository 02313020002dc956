// The solar and lunar date conversion, walked over every day of the official
// month table kept beside the repository (../shared/lunar_months.csv): the
// table compiled into the program must be that table, and every day of it must
// convert both ways to the date the table's months give.

#include "tools/lunar_calendar.h"
#include "tools/lunar_month_table.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TableRow {
    int year = 0;
    int days = 0;
    QString codes;
};

std::vector<TableRow> officialTable() {
    const QString folder = qEnvironmentVariable("QUARNEL_SHARED_DIR");
    QFile file(folder + QStringLiteral("/lunar_months.csv"));
    if (folder.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "the month table is read from $QUARNEL_SHARED_DIR/lunar_months.csv";
        return {};
    }
    std::vector<TableRow> rows;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList cells = lines[i].trimmed().split(u',');
        EXPECT_EQ(cells.size(), 3) << lines[i].toStdString();
        if (cells.size() == 3) rows.push_back({cells[0].toInt(), cells[1].toInt(), cells[2]});
    }
    return rows;
}

// The ordinary month and the leap month of a code of the table, in days.
std::pair<int, int> monthsOfCode(QChar code) {
    switch (code.unicode()) {
        case u'1':
            return {29, 0};
        case u'2':
            return {30, 0};
        case u'3':
            return {29, 29};
        case u'4':
            return {29, 30};
        case u'5':
            return {30, 29};
        case u'6':
            return {30, 30};
    }
    ADD_FAILURE() << "month code " << int(code.unicode());
    return {0, 0};
}

std::string text(const std::optional<LunarDate>& lunar) {
    if (!lunar) return "none";
    return QStringLiteral("%1-%2-%3%4")
        .arg(lunar->year)
        .arg(lunar->month)
        .arg(lunar->day)
        .arg(lunar->leapMonth ? QStringLiteral(" (leap)") : QString())
        .toStdString();
}

bool same(const std::optional<LunarDate>& a, const LunarDate& b) {
    return a && a->year == b.year && a->month == b.month && a->day == b.day &&
           a->leapMonth == b.leapMonth;
}

}  // namespace

TEST(LunarCalendar, TheCompiledTableIsTheOfficialOne) {
    const std::vector<TableRow> official = officialTable();
    const auto compiled = lunarMonthTable();
    ASSERT_EQ(compiled.size(), official.size());
    EXPECT_EQ(official.front().year, 1901);
    EXPECT_EQ(official.back().year, 2050);
    for (size_t i = 0; i < official.size(); ++i) {
        SCOPED_TRACE(official[i].year);
        EXPECT_EQ(compiled[i].year, official[i].year);
        EXPECT_EQ(compiled[i].days, official[i].days);
        QString codes;
        for (const std::uint8_t code : compiled[i].codes)
            codes.append(QChar(u'0' + code));
        EXPECT_EQ(codes, official[i].codes);
    }
}

TEST(LunarCalendar, EveryDayOfTheTableConvertsBothWays) {
    const std::vector<TableRow> official = officialTable();
    ASSERT_FALSE(official.empty());
    QDate solar(1901, 2, 19);  // lunar 1901-01-01, the table's first day
    EXPECT_EQ(lunarTableFirstDay(), solar);
    EXPECT_FALSE(solarToLunar(solar.addDays(-1)));
    int failures = 0;
    for (const TableRow& row : official) {
        int daysOfYear = 0;
        for (int month = 1; month <= 12; ++month) {
            const auto [ordinary, leap] = monthsOfCode(row.codes.at(month - 1));
            for (const bool inLeap : {false, true}) {
                const int length = inLeap ? leap : ordinary;
                const std::optional<int> told = lunarMonthDays(row.year, month, inLeap);
                EXPECT_EQ(told.value_or(0), length) << row.year << "-" << month << inLeap;
                for (int day = 1; day <= length; ++day, solar = solar.addDays(1), ++daysOfYear) {
                    const LunarDate expected{row.year, month, day, inLeap};
                    const std::optional<LunarDate> lunar = solarToLunar(solar);
                    const std::optional<QDate> back = lunarToSolar(expected);
                    if (!same(lunar, expected) || back != solar) {
                        // One line per wrong day, but not thousands of them.
                        if (++failures <= 10) {
                            ADD_FAILURE() << solar.toString(Qt::ISODate).toStdString() << " gave "
                                          << text(lunar) << ", expected " << text(expected);
                        }
                    }
                }
                // A day past the month's end (or any day of a leap month the
                // year lacks) has no solar date.
                EXPECT_FALSE(lunarToSolar({row.year, month, length + 1, inLeap}));
            }
        }
        EXPECT_EQ(daysOfYear, row.days) << row.year;
    }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(lunarTableLastDay(), solar.addDays(-1));
    EXPECT_EQ(lunarTableLastDay(), QDate(2051, 2, 10));
    EXPECT_FALSE(solarToLunar(solar)) << "the day after the table";
    EXPECT_FALSE(solarToLunar(QDate()));
}

// Days every Korean knows, which tie the walk to the calendar itself: the
// new-year and harvest holidays, and days named with the conversion before.
TEST(LunarCalendar, KnownDaysAndDatesOutsideTheTable) {
    const struct {
        QDate solar;
        LunarDate lunar;
    } known[] = {
        {QDate(1903, 5, 27), {1903, 5, 1, false}},  {QDate(1903, 6, 25), {1903, 5, 1, true}},
        {QDate(1903, 7, 23), {1903, 5, 29, true}},  {QDate(1903, 7, 24), {1903, 6, 1, false}},
        {QDate(1950, 1, 1), {1949, 11, 13, false}}, {QDate(1975, 3, 9), {1975, 1, 27, false}},
        {QDate(2000, 2, 4), {1999, 12, 29, false}}, {QDate(2000, 2, 5), {2000, 1, 1, false}},
        {QDate(2024, 2, 10), {2024, 1, 1, false}},  {QDate(2025, 1, 29), {2025, 1, 1, false}},
        {QDate(2025, 7, 25), {2025, 6, 1, true}},   {QDate(2025, 10, 6), {2025, 8, 15, false}},
        {QDate(2026, 2, 17), {2026, 1, 1, false}},  {QDate(2027, 2, 7), {2027, 1, 1, false}},
    };
    for (const auto& k : known) {
        SCOPED_TRACE(k.solar.toString(Qt::ISODate).toStdString());
        EXPECT_TRUE(same(solarToLunar(k.solar), k.lunar)) << text(solarToLunar(k.solar));
        EXPECT_EQ(lunarToSolar(k.lunar), k.solar);
    }
    // Lunar dates the table does not hold.
    EXPECT_FALSE(lunarToSolar({1900, 12, 1, false}));
    EXPECT_FALSE(lunarToSolar({2051, 1, 1, false}));
    EXPECT_FALSE(lunarToSolar({2026, 0, 1, false}));
    EXPECT_FALSE(lunarToSolar({2026, 13, 1, false}));
    EXPECT_FALSE(lunarToSolar({2026, 1, 0, false}));
    EXPECT_FALSE(lunarToSolar({2026, 6, 1, true})) << "2026 has no leap month";
    EXPECT_FALSE(lunarMonthDays(2026, 6, true));
    EXPECT_EQ(lunarMonthDays(2025, 6, true), 29);
}
