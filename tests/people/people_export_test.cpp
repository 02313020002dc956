// The directory handed on as files: CSV values quoted so that any text
// survives a spreadsheet, business cards escaped and folded as the format
// wants without splitting a character.

#include "people/people_export.h"

#include <QStringList>

#include <gtest/gtest.h>

TEST(PeopleExport, CsvKeepsEveryTextAndCardsFoldWholeCharacters) {
    PersonRecord person;
    person.scancode = QStringLiteral("261208100000000");
    person.name = QStringLiteral("남궁민수");
    person.comname = QStringLiteral("\"대한\", 건설; 주식회사");
    person.remark = QStringLiteral("첫 줄\n둘째 줄, 끝");
    person.birthday = QStringLiteral("1975-03-09");
    person.bthMonth = 3;
    person.bthDay = 9;
    person.uy = QStringLiteral("Y");
    person.homeaddr = QString(30, QChar(u'가'));
    person.homeaddr1 = QStringLiteral("101동");
    person.homezip = QStringLiteral("110-030");

    const QByteArray csv = peopleCsv({person}, QDate(2026, 12, 8));
    const QStringList lines =
        QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << "a line break inside a value stays inside its quotes";
    EXPECT_TRUE(lines[1].contains(QStringLiteral(",\"\"\"대한\"\", 건설; 주식회사\",")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("\"1975-03-09\",\"양\",\"2027-03-09\"")));

    const QByteArray card = peopleVCards({person});
    for (const QByteArray& line : card.split('\n')) {
        EXPECT_LE(line.size(), 76) << line.toStdString();  // 75 bytes and the CR
        EXPECT_TRUE(QString::fromUtf8(line).toUtf8() == line) << "no character is split";
    }
    // Unfolded, the card says what the Person holds.
    const QString text = QString::fromUtf8(card).replace(QStringLiteral("\r\n "), QString());
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nN:남궁;민수;;;\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nORG:\"대한\"\\, 건설\\; 주식회사;\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nBDAY:1975-03-09\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nNOTE:첫 줄\\n둘째 줄\\, 끝\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nADR;TYPE=HOME:;;") + QString(30, QChar(u'가')) +
                              QStringLiteral(" 101동;;;110-030;\r\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("TEL")));
}
