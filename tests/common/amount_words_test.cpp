#include "common/amount_words.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* digits;
    const char* words;
};

TEST(AmountWords, KoreanWordsAcrossPlacesAndGroups) {
    const Case cases[] = {
        {"7", "칠"},
        {"1", "일"},
        {"10", "일십"},
        {"15", "일십오"},
        {"215", "이백십오"},
        {"1111", "일천백십일"},
        {"10005", "일만오"},
        {"120034", "일십이만삼십사"},
        {"1200000", "일백이십만"},
        {"100200000", "일억이십만"},
        {"100000005", "일억오"},
        {"123400005", "일억이천삼백사십만오"},
        {"111111111", "일억천백십일만천백십일"},
        {"1001000000000", "일조십억"},
        {"300000", "삼십만"},
        {"5000000000", "오십억"},
        {"1000000000000000", "일천조"},
        {"0000000000000000015", "일십오"},
        {"9876543210123456", "구천팔백칠십육조오천사백삼십이억천십이만삼천사백오십육"},
        // Ending in 2, 3, 4, 8 or 12 zeros: two blanks where the group has no word.
        {"500", "오백  "},
        {"3000", "삼천  "},
        {"40000", "사만  "},
        {"11000", "일만천  "},
        {"100000000", "일억  "},
        {"7000000000000", "칠조  "},
        {"1000010000", "일십억일만  "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(koreanAmountWords(QString::fromLatin1(c.digits)), QString::fromUtf8(c.words))
            << c.digits;
    }
}

TEST(AmountWords, EmptyZeroAndInvalidTextsGiveNothing) {
    for (const char* text :
         {"", "0", "000", "12a", " 12", "-5", "1,000", "１２", "12345678901234567"}) {
        EXPECT_TRUE(koreanAmountWords(QString::fromUtf8(text)).isEmpty()) << text;
        EXPECT_TRUE(hanjaAmountWords(QString::fromUtf8(text)).isEmpty()) << text;
    }
}

TEST(AmountWords, HanjaUsesCompatibilityCodePoints) {
    const QString thirtyMillion = hanjaAmountWords(QStringLiteral("30000000"));
    ASSERT_EQ(thirtyMillion.size(), 3);
    EXPECT_EQ(thirtyMillion.at(0).unicode(), 0xF96B);  // 參, not U+53C3
    EXPECT_EQ(thirtyMillion.at(1).unicode(), 0x9621);  // 阡, not 仟
    EXPECT_EQ(thirtyMillion.at(2).unicode(), 0x842C);  // 萬
    const QString sixtyThousandTen = hanjaAmountWords(QStringLiteral("60010"));
    ASSERT_EQ(sixtyThousandTen.size(), 3);
    EXPECT_EQ(sixtyThousandTen.at(0).unicode(), 0xF9D1);  // 六, not U+516D
    EXPECT_EQ(sixtyThousandTen.at(2).unicode(), 0xF973);  // 拾, not U+62FE
    const QString trillions = hanjaAmountWords(QStringLiteral("3000000000000"));
    ASSERT_EQ(trillions.size(), 4);
    EXPECT_EQ(trillions.at(1).unicode(), 0x6641);  // 晁, not 兆
    EXPECT_EQ(trillions.mid(2), QStringLiteral("  "));

    EXPECT_EQ(hanjaAmountWords(QStringLiteral("1234567890123456")),
              QStringLiteral("壹阡貳百\uF96B\uF973四晁五阡\uF9D1百七\uF973八億九阡\uF973貳萬"
                             "\uF96B阡四百五\uF973\uF9D1"));
    EXPECT_EQ(hanjaAmountWords(QStringLiteral("100200000")), QStringLiteral("壹億貳\uF973萬"));
    EXPECT_EQ(hanjaAmountWords(QStringLiteral("500")), QStringLiteral("五百  "));
    EXPECT_EQ(hanjaAmountWords(QStringLiteral("2")), QStringLiteral("貳"));
    const QString all = hanjaAmountWords(QStringLiteral("3612345678901236"));
    for (const char16_t ordinary : {u'\u53C3', u'\u62FE', u'\u516D', u'\u5146', u'\u4EDF'}) {
        EXPECT_FALSE(all.contains(QChar(ordinary))) << int(ordinary);
    }
}

}  // namespace
