#include "common/clock.h"
#include "tests/support/test_environment.h"

#include <QSet>

using ClockTest = QuarnelTest;

TEST_F(ClockTest, KeyIsTheMomentWithMillisecondsWithoutLeadingZeros) {
    EXPECT_EQ(formatTimestampKey(QDateTime(QDate(2009, 3, 5), QTime(14, 7, 9, 45))), QStringLiteral("09030514070945"));
    EXPECT_EQ(formatTimestampKey(QDateTime(QDate(2009, 3, 5), QTime(14, 7, 9, 5))), QStringLiteral("0903051407095"));
    EXPECT_EQ(formatTimestampKey(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 999))),
              QStringLiteral("261231235959999"));
    EXPECT_LE(formatTimestampKey(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 999))).size(), 15);
}

TEST_F(ClockTest, KeysMadeInOneMillisecondStillDiffer) {
    clock().set(QDateTime(QDate(2009, 3, 5), QTime(14, 7, 9, 998)));
    QSet<QString> keys;
    for (int i = 0; i < 5; ++i) keys.insert(appClock().timestampKey());
    EXPECT_EQ(keys.size(), 5);
    EXPECT_TRUE(keys.contains(QStringLiteral("090305140709998")));
    EXPECT_TRUE(keys.contains(QStringLiteral("090305140709999")));
    // Past the millisecond 999 the key moves on into the next second.
    EXPECT_TRUE(keys.contains(QStringLiteral("0903051407100")));
}

TEST_F(ClockTest, AClockThatGoesBackNeverRepeatsAKey) {
    clock().set(QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0, 500)));
    const QString first = appClock().timestampKey();
    clock().set(QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0, 100)));
    const QString second = appClock().timestampKey();
    EXPECT_NE(first, second);
    EXPECT_EQ(second, QStringLiteral("261208100000501"));
    clock().set(QDateTime(QDate(2026, 12, 8), QTime(10, 0, 1, 0)));
    EXPECT_EQ(appClock().timestampKey(), QStringLiteral("2612081000010"));
}
