#include "tools/postal_file.h"
#include "common/cp949_text.h"

#include <gtest/gtest.h>
#include <QBuffer>

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

// Reads the bytes as a postal file: the rows as "ZIP|ADDR|DDD@line", or the
// error.
QStringList readBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QStringList rows;
    QString error;
    const bool read = readPostalFile(
        buffer, PostalFieldLimits{},
        [&rows](const PostalRow& row) {
            rows.append(row.zip + u'|' + row.addr + u'|' + row.ddd + u'@' +
                        QString::number(row.line));
        },
        &error);
    return read ? rows : QStringList{error};
}

QByteArray utf16(const QString& text, bool littleEndian) {
    QByteArray bytes;
    for (const QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8);
        const char low = static_cast<char>(c.unicode() & 0xFF);
        bytes.append(littleEndian ? low : high).append(littleEndian ? high : low);
    }
    return bytes;
}
}  // namespace

TEST(PostalFileReading, EncodingsLineBreaksAndUnreadableText) {
    const QString header = u("ZIP,ADDR,DDD\n");
    const QString seoul = u("03005,서울 종로구 청운동,02\n");
    const QString busan = u("48905,부산 중구 중앙동,051\n");
    const QString seoulRow = u("03005|서울 종로구 청운동|02@2");
    const QString busanRow = u("48905|부산 중구 중앙동|051@3");
    const QByteArray bom("\xEF\xBB\xBF");
    const QString reSave =
        u("파일을 UTF-8 또는 CP949(완성형) 텍스트로 저장한 다음 다시 가져오십시오.");
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList result;
    } cases[] = {
        {"UTF-8", (header + seoul + busan).toUtf8(), {seoulRow, busanRow}},
        {"UTF-8 with its mark", bom + (header + seoul).toUtf8(), {seoulRow}},
        {"CP949", toCp949(header + seoul + busan), {seoulRow, busanRow}},
        {"CP949 after a UTF-8 mark", bom + toCp949(header + seoul), {seoulRow}},
        {"CR LF and CR alone",
         toCp949(header + seoul + busan).replace("\n", "\r\n").replace("\r\n4", "\r4"),
         {seoulRow, busanRow}},
        {"no line break at the end", (header + seoul).toUtf8().chopped(1), {seoulRow}},
        {"Latin-1",
         header.toUtf8() + QByteArray("75001,Caf\xE9 de Paris,01\n"),
         {u("2번째 줄: UTF-8(으)로 읽을 수 없는 바이트가 있습니다. ") + reSave}},
        {"UTF-8 with one Latin-1 line",
         (header + seoul + busan).toUtf8() + QByteArray("75001,Caf\xE9,01\n"),
         {u("4번째 줄: UTF-8(으)로 읽을 수 없는 바이트가 있습니다. ") + reSave}},
        {"CP949 with one broken line",
         toCp949(header + seoul + busan) + QByteArray("63105,\xC1\xA6\xFF,064\n"),
         {u("4번째 줄: CP949(으)로 읽을 수 없는 바이트가 있습니다. ") + reSave}},
        {"an undefined CP949 pair at the end",
         toCp949(header + seoul) + QByteArray("1,x,\xA2\xE8"),
         {u("3번째 줄: CP949(으)로 읽을 수 없는 바이트가 있습니다. ") + reSave}},
        {"NUL",
         (header + seoul).toUtf8() + QByteArray("1,a\0b,02\n", 9),
         {u("3번째 줄: NUL 문자(0 바이트)가 있습니다. 텍스트 파일이 아닌 것 같습니다.")}},
        {"UTF-16 with its mark",
         QByteArray("\xFF\xFE") + utf16(header + seoul, true),
         {u("UTF-16으로 저장된 파일입니다. ") + reSave.mid(4)}},
        {"UTF-16 big-endian without a mark",
         utf16(header + seoul, false),
         {u("UTF-16으로 저장된 파일입니다. ") + reSave.mid(4)}},
        {"a line beyond the limit",
         (header + seoul).toUtf8() + QByteArray(kPostalLineLimit + 1, 'x'),
         {u("3번째 줄: 줄이 16384바이트보다 깁니다. 우편번호 파일이 아닌 것 같습니다.")}},
        {"empty",
         QByteArray(),
         {u("머리글 줄이 없습니다. 첫 줄에 ZIP, ADDR, DDD 항목 이름이 있어야 합니다.")}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readBytes(c.bytes).join(u'\n').toStdString(), c.result.join(u'\n').toStdString())
            << c.name;
    }
}

TEST(PostalFileReading, LinesAcrossChunksKeepTheirNumbers) {
    // Rows of one length, then a row padded so that a CR LF pair straddles
    // the reader's 64 KiB chunk, then more rows, 3000 and more lines in all.
    QByteArray file("ZIP,ADDR,DDD,MEMO\r\n");
    int line = 1;
    const auto addRow = [&](const QByteArray& memo) {
        ++line;
        file += QByteArray::number(10000 + line) + ",\xEA\xB0\x80,02," + memo + "\r\n";
    };
    while (file.size() < 65536 - 200)
        addRow("m");
    const qsizetype beforeMemo = QByteArray::number(10000 + line + 1).size() + 8;
    addRow(QByteArray(65535 - file.size() - beforeMemo, 'p'));
    ASSERT_EQ(file.at(65535), '\r');
    ASSERT_EQ(file.at(65536), '\n');
    while (line < 3000)
        addRow("m");
    file += "99999,\xEB\x81\x9D,02,m";  // the last line without a break
    ++line;
    const QStringList rows = readBytes(file);
    ASSERT_EQ(rows.size(), line - 1);
    for (int i = 0; i < rows.size(); i += 97) {
        ASSERT_TRUE(rows[i].endsWith(u'@' + QString::number(i + 2))) << rows[i].toStdString();
    }
    EXPECT_EQ(rows.last(), u("99999|끝|02@") + QString::number(line));
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
    QString fault;
    EXPECT_FALSE(splitFields(u("1,\"open,2"), comma, &fault).has_value());
    EXPECT_EQ(fault, u("따옴표가 닫히지 않았습니다."));
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
    EXPECT_EQ(failure(u("ZIP,ADDR,DDD\n06234,\"서울 \"따옴표,02\n")),
              u("2번째 줄: 따옴표로 묶은 항목의 닫는 따옴표 뒤에 다른 글자가 있습니다. 항목 안의 "
                "따옴표는 두 번(\"\")씩 써야 합니다."))
        << "a broken quote is not mended into 서울 따옴표";
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
