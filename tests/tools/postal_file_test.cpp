#include "tools/postal_file.h"
#include "common/cp949.h"

#include <gtest/gtest.h>

namespace {
QString u(const char* text) {
    return QString::fromUtf8(text);
}

std::vector<PostalRow> parsed(const QString& text) {
    QString error;
    const auto rows = parsePostalText(text, PostalFieldLimits{}, &error);
    EXPECT_TRUE(rows.has_value()) << error.toStdString();
    return rows.value_or(std::vector<PostalRow>{});
}

QString failure(const QString& text) {
    QString error;
    const auto rows = parsePostalText(text, PostalFieldLimits{}, &error);
    EXPECT_FALSE(rows.has_value());
    return error;
}
}  // namespace

TEST(PostalTextDecoding, Utf8WithAndWithoutMarkAndCp949) {
    const QString text = u("ZIP,ADDR,DDD\n03005,서울특별시 종로구 청운동,02\n");
    EXPECT_EQ(decodePostalText(text.toUtf8()), text);
    EXPECT_EQ(decodePostalText(QByteArray("\xEF\xBB\xBF") + text.toUtf8()), text)
        << "the byte-order mark is not part of the header";
    const QByteArray cp949 = toCp949(text);
    ASSERT_NE(cp949, text.toUtf8());
    EXPECT_EQ(decodePostalText(cp949), text);
    EXPECT_EQ(decodePostalText(QByteArray("\xEF\xBB\xBF") + cp949), text);
}

TEST(PostalTextSeparators, DetectedFromTheHeaderOutsideQuotes) {
    EXPECT_EQ(detectSeparator(u("ZIP,ADDR,DDD")), QLatin1Char(','));
    EXPECT_EQ(detectSeparator(u("ZIP\tADDR\tDDD")), QLatin1Char('\t'));
    EXPECT_EQ(detectSeparator(u("ZIP;ADDR;DDD")), QLatin1Char(';'));
    EXPECT_EQ(detectSeparator(u("\"A,B\";ZIP;ADDR;DDD")), QLatin1Char(';'))
        << "commas inside a quoted name do not count";
    EXPECT_FALSE(detectSeparator(u("ZIP ADDR DDD")).has_value());
}

TEST(PostalTextFields, QuotedAndPlainFields) {
    const QChar comma(QLatin1Char(','));
    EXPECT_EQ(splitFields(u(" 03005 , 서울 종로구 ,02"), comma),
              (QStringList{u("03005"), u("서울 종로구"), u("02")}));
    EXPECT_EQ(splitFields(u("03005,\"서울, 종로구\",02"), comma),
              (QStringList{u("03005"), u("서울, 종로구"), u("02")}));
    EXPECT_EQ(splitFields(u("1,\"그 \"\"집\"\" 앞\" ,2"), comma),
              (QStringList{u("1"), u("그 \"집\" 앞"), u("2")}));
    EXPECT_EQ(splitFields(u("1,,"), comma), (QStringList{u("1"), QString(), QString()}));
    EXPECT_EQ(splitFields(u("1,12\"3,x"), comma), (QStringList{u("1"), u("12\"3"), u("x")}))
        << "a quote inside a plain field is a character";
    EXPECT_FALSE(splitFields(u("1,\"open,2"), comma).has_value());
}

TEST(PostalTextRows, HeaderInAnyOrderAndCaseWithRemarksAndBlankLines) {
    const auto rows =
        parsed(u("# 예시 자료\r\n\r\nddd;Addr;zip;memo\r\n02;서울 종로구;03005;x\r\n"
                 "\r\n;;;\r\n051;부산 중구;48905;\r\n"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].zip, u("03005"));
    EXPECT_EQ(rows[0].addr, u("서울 종로구"));
    EXPECT_EQ(rows[0].ddd, u("02"));
    EXPECT_EQ(rows[0].line, 4);
    EXPECT_EQ(rows[1].zip, u("48905"));
    EXPECT_EQ(rows[1].ddd, u("051"));
    EXPECT_EQ(rows[1].line, 7);
}

TEST(PostalTextRows, FaultsNameTheirLine) {
    EXPECT_EQ(failure(u("ZIP,ADDR,DDD\n1,가,02\n2,나\n")),
              u("3번째 줄: 항목이 2개로, 머리글의 3개와 다릅니다."));
    EXPECT_EQ(failure(u("ZIP,ADDR,DDD\n1,가,나,02\n")),
              u("2번째 줄: 항목이 4개로, 머리글의 3개와 다릅니다."))
        << "an unquoted comma in an address must not shift the fields";
    EXPECT_EQ(failure(u("ZIP,ADDR,DDD\n1,\"가,02\n")), u("2번째 줄: 따옴표가 닫히지 않았습니다."));
    // 31 Hangul syllables are 62 CP949 bytes; the address holds 60.
    const QString longAddress(31, QChar(0xAC00));
    EXPECT_EQ(failure(u("ZIP,ADDR,DDD\n1,가,02\n2,") + longAddress + u(",02\n")),
              u("3번째 줄: 주소(ADDR) 값이 62바이트로, 최대 60바이트를 넘습니다."));
    EXPECT_EQ(failure(u("ZIP,ADDR,DDD\n12345678,가,02\n")),
              u("2번째 줄: 우편번호(ZIP) 값이 8바이트로, 최대 7바이트를 넘습니다."));
    EXPECT_EQ(failure(u("ZIP,ADDR,DDD\n1,가,02345\n")),
              u("2번째 줄: DDD 값이 5바이트로, 최대 4바이트를 넘습니다."));
}

TEST(PostalTextRows, ByteLimitCountsHangulTwiceAndAcceptsTheLimit) {
    const QString thirty(30, QChar(0xAC00));
    const auto rows = parsed(u("ZIP,ADDR,DDD\n1234567,") + thirty + u(",0641\n"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].addr, thirty);
}

TEST(PostalTextRows, HeaderFaults) {
    EXPECT_EQ(
        failure(u("ZIP,ADDRESS,DDD\n1,가,02\n")),
        u("1번째 줄: 머리글에 ADDR 항목이 없습니다. 첫 줄에 ZIP, ADDR, DDD 항목 이름이 있어야 "
          "합니다."));
    EXPECT_EQ(failure(u("ZIP,ADDR,zip,DDD\n")), u("1번째 줄: 머리글에 ZIP 항목이 두 번 있습니다."));
    EXPECT_EQ(
        failure(u("# 설명\nZIP ADDR DDD\n")),
        u("2번째 줄: 머리글 줄에 ZIP, ADDR, DDD 항목 이름이 쉼표, 탭 또는 세미콜론으로 나뉘어 "
          "있어야 합니다."));
    EXPECT_EQ(failure(u("\n# 설명만\n")),
              u("머리글 줄이 없습니다. 첫 줄에 ZIP, ADDR, DDD 항목 이름이 있어야 합니다."));
    EXPECT_EQ(failure(u("ZIP,ADDR,DDD\n\n,,\n")), u("머리글 아래에 우편번호 자료가 없습니다."))
        << "a file without rows must not empty the table";
}
