#include "common/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

QString blanks(int count) {
    return QString(count, QLatin1Char(' '));
}

TEST(NumberFormat, ThousandsCommaGroupsAndPads) {
    EXPECT_EQ(thousandsComma(QString(), 5), QString());
    EXPECT_EQ(thousandsComma(QStringLiteral("123"), 0), QStringLiteral("123"));
    EXPECT_EQ(thousandsComma(QStringLiteral("1234"), 0), QStringLiteral("1,234"));
    EXPECT_EQ(thousandsComma(QStringLiteral("123456"), 0), QStringLiteral("123,456"));
    EXPECT_EQ(thousandsComma(QStringLiteral("1234567"), 12), blanks(3) + "1,234,567");
    EXPECT_EQ(thousandsComma(QStringLiteral("12"), 5), blanks(3) + "12");
    EXPECT_EQ(thousandsComma(QStringLiteral("1234567890123"), 0), "1,234,567,890,123");
    // A width below the length never cuts the text.
    EXPECT_EQ(thousandsComma(QStringLiteral("1234567"), 3), QStringLiteral("1,234,567"));
    EXPECT_EQ(thousandsComma(QStringLiteral("123"), 1), QStringLiteral("123"));
    // At most 26 blanks, however wide.
    EXPECT_EQ(thousandsComma(QStringLiteral("1"), 255), blanks(26) + "1");
    EXPECT_EQ(thousandsComma(QStringLiteral("1234"), 31), blanks(26) + "1,234");
    EXPECT_EQ(thousandsComma(QStringLiteral("1234"), 30), blanks(25) + "1,234");
    // A leading "-" is counted as one more digit.
    EXPECT_EQ(thousandsComma(QStringLiteral("-1234"), 0), QStringLiteral("-1,234"));
    EXPECT_EQ(thousandsComma(QStringLiteral("-123456"), 9), QStringLiteral("-,123,456"));
    EXPECT_EQ(thousandsComma(QStringLiteral("-123"), 0), QStringLiteral("-,123"));
}

TEST(NumberFormat, WholeAndSingleAmounts) {
    EXPECT_EQ(formatAmount(0), QStringLiteral("0"));
    EXPECT_EQ(formatAmount(1000), QStringLiteral("1,000"));
    EXPECT_EQ(formatAmount(-100), QStringLiteral("-100"));
    EXPECT_EQ(formatAmount(-1234567), QStringLiteral("-1,234,567"));
    EXPECT_EQ(formatAmount(std::numeric_limits<qint64>::min()), "-9,223,372,036,854,775,808");
    // Halves away from zero, at the float's precision.
    EXPECT_EQ(formatSingleAmount(-0.4f), QStringLiteral("0"));
    EXPECT_EQ(formatSingleAmount(0.5f), QStringLiteral("1"));
    EXPECT_EQ(formatSingleAmount(2.5f), QStringLiteral("3"));
    EXPECT_EQ(formatSingleAmount(-2.5f), QStringLiteral("-3"));
    EXPECT_EQ(formatSingleAmount(1234567.5f), QStringLiteral("1,234,568"));
    EXPECT_EQ(formatSingleAmount(16777217.0f), QStringLiteral("16,777,216"));
    EXPECT_EQ(formatSingleAmount(123456789.0f), QStringLiteral("123,456,792"));
    EXPECT_EQ(formatSingleAmount(1e20f), QStringLiteral("100,000,002,004,087,734,272"));
}

TEST(NumberFormat, DigitsOnlyAndDisplayMasks) {
    const QString zero = QStringLiteral("0");
    EXPECT_EQ(digitsOnly(QStringLiteral("1,234,000"), zero), QStringLiteral("1234000"));
    EXPECT_EQ(digitsOnly(QStringLiteral("12.5"), zero), QStringLiteral("125"));
    EXPECT_EQ(digitsOnly(QStringLiteral("₩ 3백-2"), zero), QStringLiteral("32"));
    EXPECT_EQ(digitsOnly(QStringLiteral("없음"), zero), zero);
    EXPECT_EQ(digitsOnly(QStringLiteral("１２"), QStringLiteral("x")), QStringLiteral("x"));

    const QString blankZero = QStringLiteral("###,###");
    const QString zeroShown = QStringLiteral("#,##0");
    EXPECT_EQ(formatMask(blankZero, 0), QString());
    EXPECT_EQ(formatMask(blankZero, 0.3), QString());
    EXPECT_EQ(formatMask(zeroShown, 0), zero);
    EXPECT_EQ(formatMask(zeroShown, -0.3), zero);
    EXPECT_EQ(formatMask(blankZero, 12), QStringLiteral("12"));
    EXPECT_EQ(formatMask(blankZero, 1234567), QStringLiteral("1,234,567"));
    EXPECT_EQ(formatMask(blankZero, -1234.5), QStringLiteral("-1,235"));
    EXPECT_EQ(formatMask(zeroShown, -999.5), QStringLiteral("-1,000"));
    EXPECT_EQ(formatMask(QStringLiteral("0000"), 12), QStringLiteral("0012"));
    EXPECT_EQ(formatMask(QStringLiteral("######"), 1234567), QStringLiteral("1234567"));
}

}  // namespace
