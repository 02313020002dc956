#include "common/ini_file.h"
#include "tests/support/test_environment.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

namespace {
class IniFileTest : public QuarnelTest {
protected:
    QString write(const QByteArray& content) {
        const QString path = dir_.filePath(QStringLiteral("Lablo.ini"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }
    static QString read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    QTemporaryDir dir_;
};
}  // namespace

// Every number a form reads is held to the range it allows; what is not a
// number at all gives the form's own default.
TEST_F(IniFileTest, NumbersAreHeldToTheFormsRange) {
    const IniFile ini(
        write("[label]\r\nCols=7\r\nRows= 2147483648 \r\nTop=-40\r\nGap=abc\r\n"
              "Huge=99999999999999999999\r\nEmpty=\r\nMm=12,5\r\nIn=3.25\r\n"
              "Nan=nan\r\n[other]\r\nCols=99\r\n"));
    const QString s = QStringLiteral("LABEL");
    const struct {
        const char* key;
        int expected;
    } whole[] = {{"Cols", 7},  {"Rows", 10}, {"Top", 0},     {"Gap", 3},
                 {"Huge", 10}, {"Empty", 3}, {"Missing", 3}, {"Mm", 3}};
    for (const auto& c : whole)
        EXPECT_EQ(ini.number(s, QLatin1String(c.key), 3, 0, 10), c.expected) << c.key;
    EXPECT_DOUBLE_EQ(ini.decimal(s, QStringLiteral("Mm"), 1.0, 0.0, 100.0), 12.5);
    EXPECT_DOUBLE_EQ(ini.decimal(s, QStringLiteral("In"), 1.0, 0.0, 3.0), 3.0);
    EXPECT_DOUBLE_EQ(ini.decimal(s, QStringLiteral("Nan"), 1.0, 0.0, 3.0), 1.0);
    EXPECT_EQ(ini.number(QStringLiteral("other"), QStringLiteral("cols"), 3, 0, 100), 99);
}

TEST_F(IniFileTest, WritingKeepsTheRestAndUsesAPointForDecimals) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    const QString path = write("; printer gutters\n[LABEL]\nTop=1\n\n[PRINTER]\nLeft=2\n");
    IniFile ini(path);
    ini.setDecimal(QStringLiteral("label"), QStringLiteral("Top"), 12.5, 1);
    ini.setDecimal(QStringLiteral("LABEL"), QStringLiteral("Bottom"), 0.25, 2);
    ini.setNumber(QStringLiteral("NEW"), QStringLiteral("Count"), 4);
    ASSERT_TRUE(ini.save());
    QLocale::setDefault(saved);
    EXPECT_EQ(read(path), QStringLiteral("; printer gutters\n[LABEL]\nTop=12.5\nBottom=0.25\n\n"
                                         "[PRINTER]\nLeft=2\n\n[NEW]\nCount=4\n"));
    EXPECT_DOUBLE_EQ(
        IniFile(path).decimal(QStringLiteral("LABEL"), QStringLiteral("Top"), 0, 0, 99), 12.5);

    // A file of the old program in CP949 reads as Korean.
    const QString old = write(QByteArray("[LABEL]\nName=") + QByteArray("\xc7\xd1\xb1\xdb") + "\n");
    EXPECT_EQ(IniFile(old).text(QStringLiteral("LABEL"), QStringLiteral("Name")),
              QStringLiteral("한글"));

    // A file that cannot be written is reported and left alone.
    IniFile nowhere(dir_.filePath(QStringLiteral("no/such/folder/x.ini")));
    nowhere.setNumber(QStringLiteral("A"), QStringLiteral("B"), 1);
    EXPECT_FALSE(nowhere.save());
}
