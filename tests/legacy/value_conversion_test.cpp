// How a value of an old table becomes the store's value, or why it does not
// fit: every kind of old value against text, memo, integer, small integer
// and floating-point fields.

#include "legacy/value_conversion.h"
#include "tests/legacy/legacy_test_files.h"

#include <gtest/gtest.h>

namespace {

FieldDef field(FieldType type, int size = 0) {
    FieldDef def;
    def.name = QStringLiteral("f");
    def.type = type;
    def.size = size;
    return def;
}

struct Case {
    const char* what;
    LegacyValue value;
    LegacyType source;
    FieldDef target;
    QVariant stored;    // when it fits
    const char* error;  // when it does not (UTF-8); nullptr when it fits
    QByteArray codePage = "CP949";
};

}  // namespace

TEST(ValueConversionTest, EveryOldValueAgainstEveryKindOfStoreField) {
    const FieldDef text10 = field(FieldType::Text, 10);
    const FieldDef text1 = field(FieldType::Text, 1);
    const FieldDef memo = field(FieldType::Memo);
    const FieldDef integer = field(FieldType::Integer);
    const FieldDef small = field(FieldType::SmallInt);
    const FieldDef real = field(FieldType::Float);
    const QVariant blank;
    const std::vector<Case> cases{
        {"Korean text", cp949("김철수"), LegacyType::Text, text10, QStringLiteral("김철수"),
         nullptr},
        {"text of exactly ten bytes", cp949("가나다라마"), LegacyType::Text, text10,
         QStringLiteral("가나다라마"), nullptr},
        {"text one byte too long", cp949("가나다라마a"), LegacyType::Text, text10, blank,
         "값이 11바이트로, 최대 10바이트를 넘습니다."},
        {"half a character", QByteArray("\xB0"), LegacyType::Text, text10, blank,
         "CP949 글자가 아닌 바이트가 있습니다."},
        {"text of another code page", QByteArray("Caf\xE9"), LegacyType::Text, text10,
         QStringLiteral("Café"), nullptr, "CP1252"},
        {"blank text", LegacyValue{}, LegacyType::Text, text10, QStringLiteral(""), nullptr},
        {"memo keeps its lines without carriage returns", cp949("첫 줄\r\n둘째 줄"),
         LegacyType::Memo, memo, QStringLiteral("첫 줄\n둘째 줄"), nullptr},
        {"date as store text", QDate(2023, 1, 5), LegacyType::Date, text10,
         QStringLiteral("2023-01-05"), nullptr},
        {"logical as Y", true, LegacyType::Logical, text1, QStringLiteral("Y"), nullptr},
        {"logical as N", false, LegacyType::Logical, text1, QStringLiteral("N"), nullptr},
        {"whole number as text", qint64{-42}, LegacyType::Integer, text10, QStringLiteral("-42"),
         nullptr},
        {"number as text", 12.5, LegacyType::Number, text10, QStringLiteral("12.5"), nullptr},
        {"time stamp as text", QDateTime(QDate(2020, 2, 29), QTime(8, 5)), LegacyType::Timestamp,
         memo, QStringLiteral("2020-02-29 08:05:00"), nullptr},
        {"picture into text", LegacyBinary{}, LegacyType::Binary, memo, blank,
         "그림이나 이진 자료는 글자 항목에 옮길 수 없습니다."},
        {"whole number", qint64{2147483647}, LegacyType::Integer, integer, qint64{2147483647},
         nullptr},
        {"whole number beyond 32 bits", qint64{2147483648}, LegacyType::Integer, integer, blank,
         "값 2147483648이(가) 이 항목의 범위(-2147483648 ~ 2147483647)를 넘습니다."},
        {"small integer beyond its range", qint64{40000}, LegacyType::Integer, small, blank,
         "값 40000이(가) 이 항목의 범위(-32768 ~ 32767)를 넘습니다."},
        {"whole double", 500000.0, LegacyType::Number, integer, qint64{500000}, nullptr},
        {"double with a fraction", 12.5, LegacyType::Number, integer, blank,
         "정수가 아닙니다 (12.5)."},
        {"blank number", LegacyValue{}, LegacyType::Integer, integer, blank, nullptr},
        {"digits in a text field", QByteArray(" 1200 "), LegacyType::Text, integer, qint64{1200},
         nullptr},
        {"blank text for a number", QByteArray("   "), LegacyType::Text, integer, blank, nullptr},
        {"text that is not a number", cp949("천이백"), LegacyType::Text, integer, blank,
         "숫자가 아닙니다 (\"천이백\")."},
        {"grouped digits are not guessed", QByteArray("1,200"), LegacyType::Text, integer, blank,
         "숫자가 아닙니다 (\"1,200\")."},
        {"logical as a number", true, LegacyType::Logical, small, qint64{1}, nullptr},
        {"date into a number", QDate(2023, 1, 5), LegacyType::Date, integer, blank,
         "날짜나 시각은 숫자 항목에 옮길 수 없습니다."},
        {"number into floating point", qint64{7}, LegacyType::Integer, real, 7.0, nullptr},
        {"decimal text into floating point", QByteArray("-0.25"), LegacyType::Text, real, -0.25,
         nullptr},
        {"a value the file itself calls wrong", LegacyInvalid{QStringLiteral("날짜가 아닙니다.")},
         LegacyType::Date, text10, blank, "날짜가 아닙니다."},
    };
    for (const Case& c : cases) {
        const ConvertedValue converted =
            convertLegacyValue(c.value, c.source, c.target, c.codePage);
        if (c.error) {
            EXPECT_EQ(converted.error, QString::fromUtf8(c.error)) << c.what;
            continue;
        }
        EXPECT_TRUE(converted.fits()) << c.what << ": " << converted.error.toStdString();
        EXPECT_EQ(converted.value, c.stored) << c.what;
        EXPECT_EQ(converted.value.typeId(), c.stored.typeId()) << c.what;
        // Empty text stays text: a null string would be stored as a missing value.
        if (c.stored.typeId() == QMetaType::QString) {
            EXPECT_FALSE(converted.value.toString().isNull()) << c.what;
        }
    }
}
