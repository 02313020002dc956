#include "common/dates.h"

#include "tests/support/test_environment.h"

#include <QLineEdit>

namespace {

class DatesTest : public QuarnelTest {};

const QString kWarning = QStringLiteral("날짜는 YYYY-MM-DD 형식으로 입력하세요 !!");

QString parsed(const char* text) {
    const std::optional<QDate> date = parseDate(QString::fromUtf8(text));
    return date ? isoDate(*date) : QStringLiteral("none");
}

TEST_F(DatesTest, ParsesTheOfficeFormsOfADate) {
    const std::pair<const char*, const char*> cases[] = {
        {"2009-03-05", "2009-03-05"},
        {"2009-3-5", "2009-03-05"},
        {"2009.3.5", "2009-03-05"},
        {"2009/03/5", "2009-03-05"},
        {"  2009-3-5 ", "2009-03-05"},
        {"20090305", "2009-03-05"},
        {"3-5", "2026-03-05"},
        {"12/31", "2026-12-31"},  // the clock stands in 2026
        // One- or two-digit years fall within 50 years of 2026: 1976 to 2075.
        {"09-3-5", "2009-03-05"},
        {"9-3-5", "2009-03-05"},
        {"75-1-1", "2075-01-01"},
        {"76-1-1", "1976-01-01"},
        {"1900-2-28", "1900-02-28"},
        {"2000-02-29", "2000-02-29"},
    };
    for (const auto& [text, iso] : cases)
        EXPECT_EQ(parsed(text), iso) << text;
    // The current year and the window move with the clock.
    clock().set(QDateTime(QDate(2031, 6, 1), QTime(9, 0)));
    EXPECT_EQ(parsed("3-5"), "2031-03-05");
    EXPECT_EQ(parsed("80-1-1"), "2080-01-01");
    EXPECT_EQ(parsed("81-1-1"), "1981-01-01");
    clock().set(testStartMoment());

    for (const char* text :
         {"",           "   ",        "abc",        "2009",        "2009-13-01", "2009-02-29",
          "1900-02-29", "2009-04-31", "2009-00-10", "2009-3-0",    "2009-3-5-1", "2009-3/5",
          "2009 -3-5",  "209-3-5",    "2009-003-5", "0000-01-01",  "2009-3-5x",  "20091305",
          "2009035",    "-3-5",       "3-5-",       "２００９-3-5"}) {
        EXPECT_EQ(parsed(text), "none") << text;
    }
}

TEST_F(DatesTest, NormalizingAFieldRewritesOrWarns) {
    QLineEdit field;
    EXPECT_TRUE(normalizeDateField(&field));
    EXPECT_EQ(field.text(), QString());
    field.setText(QStringLiteral("2009.3.5"));
    EXPECT_TRUE(normalizeDateField(&field));
    EXPECT_EQ(field.text(), QStringLiteral("2009-03-05"));
    EXPECT_TRUE(dlg().messages.isEmpty());

    for (const QString& text : {QStringLiteral("abc"), QStringLiteral("2009-02-30")}) {
        field.setText(text);
        EXPECT_FALSE(normalizeDateField(&field));
        EXPECT_EQ(field.text(), text);
    }
    ASSERT_EQ(dlg().messages.size(), 2);
    EXPECT_EQ(dlg().last().text, kWarning);
    EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Warning);
    EXPECT_EQ(dlg().last().buttons, Dialogs::Buttons::Ok);

    field.setText(QStringLiteral("   "));  // blanks only count as empty
    EXPECT_TRUE(normalizeDateField(&field));
    EXPECT_EQ(field.text(), QString());
    EXPECT_EQ(dlg().messages.size(), 2);
}

TEST_F(DatesTest, DateTextConvertsOrWarnsWithEmptyResult) {
    EXPECT_EQ(dateText(QString()), QString());
    EXPECT_EQ(dateText(QStringLiteral("2026/1/9")), QStringLiteral("2026-01-09"));
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_EQ(dateText(QStringLiteral("32-13")), QString());
    ASSERT_EQ(dlg().messages.size(), 1);
    EXPECT_EQ(dlg().last().text, kWarning);
}

TEST_F(DatesTest, TodayAndTheCurrentMonth) {
    EXPECT_EQ(todayText(), QStringLiteral("2026-12-08"));
    EXPECT_EQ(monthStart(), QStringLiteral("2026-12-01"));
    EXPECT_EQ(monthEnd(), QStringLiteral("2026-12-31"));
    clock().set(QDateTime(QDate(2000, 2, 10), QTime(9, 0)));
    EXPECT_EQ(monthEnd(), QStringLiteral("2000-02-29"));
    clock().set(QDateTime(QDate(2100, 2, 1), QTime(9, 0)));
    EXPECT_EQ(monthStart(), QStringLiteral("2100-02-01"));
    EXPECT_EQ(monthEnd(), QStringLiteral("2100-02-28"));
    EXPECT_EQ(isoDate(QDate(987, 6, 5)), QStringLiteral("987-06-05"));
    EXPECT_EQ(isoDate(QDate()), QString());
}

TEST_F(DatesTest, LeapYearsAndMonthLengths) {
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_TRUE(isLeapYear(2004));
    EXPECT_FALSE(isLeapYear(2100));
    EXPECT_FALSE(isLeapYear(2023));
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2004, 2), 29);
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(daysInMonth(2023, month), QDate(2023, month, 1).daysInMonth()) << month;
    }
    EXPECT_EQ(daysInMonth(2023, 0), 0);
    EXPECT_EQ(daysInMonth(2023, 13), 0);
}

}  // namespace
