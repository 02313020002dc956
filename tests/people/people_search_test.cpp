// The people search run on a seeded store: birthday ranges across month and
// year ends for solar and lunar birthdays, the anniversary and purchase
// ranges each with their own values, typed text taken literally, and the
// statements' refusals.

#include "people/people_search.h"
#include "common/dates.h"
#include "data/query.h"
#include "people/birthday_range.h"
#include "tests/people/people_support.h"

namespace {

class PeopleSearchTest : public PeopleStoreTest {
protected:
    void SetUp() override {
        PeopleStoreTest::SetUp();
        // Solar birthdays.
        addBirthday(QStringLiteral("양0519"), 5, 19, "Y");
        addBirthday(QStringLiteral("양0525"), 5, 25, "Y");
        addBirthday(QStringLiteral("양0605"), 6, 5, "Y");
        addBirthday(QStringLiteral("양0615"), 6, 15, "Y");
        addBirthday(QStringLiteral("양1225"), 12, 25, "Y");
        addBirthday(QStringLiteral("양0105"), 1, 5, "Y");
        addBirthday(QStringLiteral("양0229"), 2, 29, "Y");
        addBirthday(QStringLiteral("양0301"), 3, 1, "Y");
        // Lunar birthdays (2026-05-20..06-10 is lunar 4-04..4-25;
        // 2026-12-20..2027-01-10 is 11-12..12-03; 2027-02-01..02-15 is
        // 12-25..1-09; 2026-04-15..04-18 is 2-28..3-02).
        addBirthday(QStringLiteral("음0410"), 4, 10, "U");
        addBirthday(QStringLiteral("음0430"), 4, 30, "U");
        addBirthday(QStringLiteral("음1115"), 11, 15, "U");
        addBirthday(QStringLiteral("음1203"), 12, 3, "U");
        addBirthday(QStringLiteral("음1205"), 12, 5, "U");
        addBirthday(QStringLiteral("음1228"), 12, 28, "U");
        addBirthday(QStringLiteral("음0101"), 1, 1, "U");
        addBirthday(QStringLiteral("음0110"), 1, 10, "U");
        addBirthday(QStringLiteral("음0230"), 2, 30, "U");
        addPerson(QStringLiteral("생일없음"));
        addPerson(QStringLiteral("생일0"), {{"bthMonth", 0}, {"bthDay", 0}, {"uy", "Y"}});
    }

    QStringList found(const PeopleSearchInput& input) {
        const PeopleStatement statement = buildPeopleSearch(input);
        EXPECT_TRUE(statement.ok()) << statement.refusal.toStdString();
        return run(statement);
    }
    QStringList run(const PeopleStatement& statement) {
        Query query;
        statement.applyTo(query);
        query.open();
        QStringList names;
        for (query.first(); !query.eof(); query.next())
            names.append(query.text(QStringLiteral("name")));
        query.close();
        names.sort();
        return names;
    }
    static PeopleSearchInput birthdays(const char* from, const char* to) {
        PeopleSearchInput input;
        input.day1 = QLatin1String(from);
        input.day2 = QLatin1String(to);
        return input;
    }
    static QStringList sorted(QStringList names) {
        names.sort();
        return names;
    }
};

}  // namespace

TEST_F(PeopleSearchTest, BirthdayRangesCrossMonthAndYearEndsForBothCalendars) {
    const struct {
        const char* from;
        const char* to;
        QStringList expected;
    } cases[] = {
        // Across a month end: May 20 to June 10, lunar 4-04 to 4-25.
        {"2026-05-20", "2026-06-10", {"양0525", "양0605", "음0410"}},
        // Across the year end, solar and lunar alike.
        {"2026-12-20", "2027-01-10", {"양1225", "양0105", "음1115", "음1203"}},
        // Typed without years, the second before the first: its day after it.
        {"2026-12-20", "2026-01-10", {"양1225", "양0105", "음1115", "음1203"}},
        // Across the lunar new year only: lunar 12-25 to 1-09 wraps.
        {"2027-02-01", "2027-02-15", {"음1228", "음0101"}},
        // The 30th of a lunar month that may have 29 days; the 29th of February.
        {"2026-04-15", "2026-04-18", {"음0230"}},
        {"2028-02-28", "2028-03-01", {"양0229", "양0301"}},
        // One day only.
        {"2026-05-25", "2026-05-25", {"양0525"}},
        // A whole year holds every birthday, and nobody without one.
        {"2026-01-01",
         "2026-12-31",
         {"양0519", "양0525", "양0605", "양0615", "양1225", "양0105", "양0229", "양0301", "음0410",
          "음0430", "음1115", "음1203", "음1205", "음1228", "음0101", "음0110", "음0230"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " .. " + c.to);
        EXPECT_EQ(found(birthdays(c.from, c.to)), sorted(c.expected));
    }
    // One bound alone searches that day.
    EXPECT_EQ(found(birthdays("2026-06-05", "")), QStringList{QStringLiteral("양0605")});
    EXPECT_EQ(found(birthdays("", "2026-06-05")), QStringList{QStringLiteral("양0605")});
}

TEST_F(PeopleSearchTest, DayOfYearRangesReadTheYearsOfTheBounds) {
    const struct {
        QDate from;
        QDate to;
        DayOfYearRange solar;
    } cases[] = {
        {QDate(2026, 5, 20), QDate(2026, 6, 10), {520, 610, false}},
        {QDate(2026, 12, 20), QDate(2027, 1, 10), {1220, 110, true}},
        {QDate(2026, 12, 20), QDate(2026, 1, 10), {1220, 110, true}},
        {QDate(2026, 6, 1), QDate(2027, 6, 1), {101, 1231, false}},
        {QDate(2026, 6, 1), QDate(2028, 1, 1), {101, 1231, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(solarBirthdayRange(c.from, c.to), c.solar);
    }
    const DayOfYearRange wrapping{1220, 110, true};
    EXPECT_TRUE(wrapping.contains(12, 31));
    EXPECT_TRUE(wrapping.contains(1, 1));
    EXPECT_FALSE(wrapping.contains(6, 1));
    EXPECT_FALSE(wrapping.contains(0, 0)) << "no birthday is in no range";
    // Within one lunar year the end may lie in the leap month after the
    // start's month (2025 has a leap sixth month): the ordinary month's rest.
    EXPECT_EQ(lunarBirthdayRange(QDate(2025, 7, 20), QDate(2025, 7, 28)),
              (DayOfYearRange{626, 630, false}));
    EXPECT_FALSE(lunarBirthdayRange(QDate(1901, 1, 1), QDate(1901, 3, 1)))
        << "a bound before the month table";
}

TEST_F(PeopleSearchTest, AnniversaryAndPurchaseRangesKeepTheirOwnValues) {
    addPerson(QStringLiteral("결혼98"), {{"marryday", "1998-05-20"}, {"guipday", "2026-03-01"}});
    addPerson(QStringLiteral("결혼05"), {{"marryday", "2005-05-21"}, {"guipday", "2025-03-01"}});
    addPerson(QStringLiteral("결혼10"), {{"marryday", "2010-06-01"}, {"guipday", "2026-07-01"}});
    PeopleSearchInput input;
    input.dateKind = PeopleDateKind::Anniversary;
    input.day1 = QStringLiteral("1990-01-01");
    input.day2 = QStringLiteral("2006-12-31");
    EXPECT_EQ(found(input), (QStringList{"결혼05", "결혼98"})) << "the year takes part";
    // Both ranges in one search: the anniversary's lower bound and the
    // purchase's lower bound are different values.
    input.withExtra = true;
    input.guipday1 = QStringLiteral("2026-01-01");
    input.guipday2 = QStringLiteral("2026-12-31");
    EXPECT_EQ(found(input), QStringList{QStringLiteral("결혼98")});
    const PeopleStatement statement = buildPeopleSearch(input);
    EXPECT_EQ(statement.param(QStringLiteral("marry1")).toString(), QStringLiteral("1990-01-01"));
    EXPECT_EQ(statement.param(QStringLiteral("guip1")).toString(), QStringLiteral("2026-01-01"));
    // The further conditions count only when the panel's search asks for them.
    input.withExtra = false;
    EXPECT_EQ(found(input), (QStringList{"결혼05", "결혼98"}));
}

TEST_F(PeopleSearchTest, TypedTextIsTakenLiterallyAndCodesPartially) {
    addPerson(QStringLiteral("김%_1"), {{"Gubun", "VIP고객"}, {"Homeaddr", "서울시 강남구"}});
    addPerson(QStringLiteral("김철수"), {{"Gubun", "고객"}, {"Homeaddr", "부산시 \"해운대\""}});
    addPerson(QStringLiteral("이영희"), {{"Gubun", "친구"}, {"job", "O'Brien 담당"}});
    PeopleSearchInput input;
    input.name = QStringLiteral("%_");
    EXPECT_EQ(found(input), QStringList{QStringLiteral("김%_1")});
    input = {};
    input.loca = QStringLiteral("\"해운대\"");
    EXPECT_EQ(found(input), QStringList{QStringLiteral("김철수")});
    input = {};
    input.gubun = QStringLiteral("고객");
    EXPECT_EQ(found(input), (QStringList{"김%_1", "김철수"}));
    input.name = QStringLiteral("철");
    EXPECT_EQ(found(input), QStringList{QStringLiteral("김철수")});
    input = {};
    input.withExtra = true;
    input.job = QStringLiteral("O'Brien");
    EXPECT_EQ(found(input), QStringList{QStringLiteral("이영희")});
    for (const QString& line : buildPeopleSearch(input).lines)
        EXPECT_FALSE(line.contains(QStringLiteral("Brien"))) << "typed text is a parameter";
}

TEST_F(PeopleSearchTest, DatesThatAreNotDatesAreRefusedAndNothingIsSearched) {
    PeopleSearchInput input = birthdays("2026-13-01", "2026-12-31");
    PeopleStatement statement = buildPeopleSearch(input);
    EXPECT_EQ(statement.refusal, dateFormatWarning());
    EXPECT_EQ(statement.refusedField, QStringLiteral("EDday1"));
    EXPECT_TRUE(statement.lines.isEmpty());
    statement = buildPeopleSearch(birthdays("1850-01-01", "1850-02-01"));
    EXPECT_EQ(statement.refusal, lunarRangeRefusal());
    input = {};
    input.withExtra = true;
    input.guipday2 = QStringLiteral("어제");
    EXPECT_EQ(buildPeopleSearch(input).refusedField, QStringLiteral("EDguipday2"));
}

TEST_F(PeopleSearchTest, AnniversaryCandidatesHaveABirthdayOrAWeddingDay) {
    addPerson(QStringLiteral("결혼만"), {{"marryday", "2001-12-09"}, {"Gubun", "고객"}});
    PeopleSearchInput input;
    input.gubun = QStringLiteral("고객");
    EXPECT_EQ(run(buildAnniversaryCandidates(input)), QStringList{QStringLiteral("결혼만")});
    input = {};
    input.day1 = QStringLiteral("2026-05-25");  // no range in this search
    const QStringList all = run(buildAnniversaryCandidates(input));
    EXPECT_EQ(all.size(), 18);
    EXPECT_FALSE(all.contains(QStringLiteral("생일없음")));
    EXPECT_FALSE(all.contains(QStringLiteral("생일0")));
}
