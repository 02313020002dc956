#include "common/cp949.h"

#include "tests/support/test_environment.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

namespace {

class Cp949Test : public QuarnelTest {};

void typeText(QLineEdit& edit, const QString& text) {
    QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, text, Qt::NoModifier);
}

void commitThroughInputMethod(QLineEdit& edit, const QString& preedit, const QString& commit) {
    QInputMethodEvent composing(preedit, {});
    QCoreApplication::sendEvent(&edit, &composing);
    QInputMethodEvent committed;
    committed.setCommitString(commit);
    QCoreApplication::sendEvent(&edit, &committed);
}

TEST_F(Cp949Test, ByteLengthsAndTruncation) {
    EXPECT_EQ(cp949ByteLength(QString()), 0);
    EXPECT_EQ(cp949ByteLength(QStringLiteral("abc 123")), 7);
    EXPECT_EQ(cp949ByteLength(QStringLiteral("부동산")), 6);
    EXPECT_EQ(cp949ByteLength(QStringLiteral("똠방각하")), 8);  // beyond KS X 1001
    EXPECT_EQ(cp949ByteLength(QStringLiteral("\uF96B\uF973\uF9D1參拾六阡晁")), 16);
    // Not in CP949: counts 2 bytes, also beyond the BMP and for a lone surrogate.
    EXPECT_EQ(cp949ByteLength(QStringLiteral("\u20A9")), 2);
    EXPECT_EQ(cp949ByteLength(QString::fromUtf8("😀a")), 3);
    EXPECT_EQ(cp949ByteLength(QString(QChar(0xD800))), 2);

    EXPECT_EQ(truncateToCp949Bytes(QStringLiteral("ab가나"), 3), QStringLiteral("ab"));
    EXPECT_EQ(truncateToCp949Bytes(QStringLiteral("ab가나"), 4), QStringLiteral("ab가"));
    EXPECT_EQ(truncateToCp949Bytes(QStringLiteral("ab가나"), 9), QStringLiteral("ab가나"));
    EXPECT_EQ(truncateToCp949Bytes(QStringLiteral("ab"), 0), QString());
    const QString emoji = QString::fromUtf8("a😀");
    EXPECT_EQ(truncateToCp949Bytes(emoji, 2), QStringLiteral("a"));
    EXPECT_EQ(truncateToCp949Bytes(emoji, 3), emoji);
}

TEST_F(Cp949Test, ConversionsKeepCompatibilityHanja) {
    const QString numerals = QStringLiteral("\uF96B\uF973\uF9D1參拾六");
    const QByteArray bytes = toCp949(numerals);
    EXPECT_EQ(bytes, QByteArray("\xDF\xB3\xE4\xA9\xEB\xBB\xF3\xD1\xE3\xA6\xD7\xBF"));
    EXPECT_EQ(fromCp949(bytes), numerals);
    EXPECT_EQ(toCp949(QString::fromUtf8("가A😀")), QByteArray("\xB0\xA1"
                                                             "A?"));
    EXPECT_EQ(fromCp949(QByteArray("\xBA\xCE\xB5\xBF\xBB\xEA")), QStringLiteral("부동산"));
    // A cut-off or invalid sequence becomes U+FFFD; the rest is kept.
    EXPECT_EQ(fromCp949(QByteArray("A\xB0")), QStringLiteral("A\uFFFD"));
    EXPECT_EQ(fromCp949(QByteArray("\xFF"
                                   "B")),
              QStringLiteral("\uFFFDB"));
    const QString longText = QStringLiteral("가나다라마바사").repeated(200);
    EXPECT_EQ(fromCp949(toCp949(longText)), longText);
}

TEST_F(Cp949Test, EntryFieldStopsAtItsByteLimit) {
    QLineEdit edit;
    limitCp949(&edit, 5);
    QTest::keyClicks(&edit, QStringLiteral("ab"));
    typeText(edit, QStringLiteral("가"));
    typeText(edit, QStringLiteral("나"));  // one byte left: the syllable is refused
    EXPECT_EQ(edit.text(), QStringLiteral("ab가"));
    QTest::keyClicks(&edit, QStringLiteral("cd"));
    EXPECT_EQ(edit.text(), QStringLiteral("ab가c"));
    // Deleting makes room again; inserting in the middle obeys the same limit.
    QTest::keyClick(&edit, Qt::Key_Backspace);
    edit.setCursorPosition(0);
    typeText(edit, QStringLiteral("다"));
    QTest::keyClick(&edit, Qt::Key_X);
    EXPECT_EQ(edit.text(), QStringLiteral("xab가"));

    // Calling again changes the limit of the validator the field owns.
    const auto* validator = qobject_cast<const Cp949LengthValidator*>(edit.validator());
    ASSERT_NE(validator, nullptr);
    EXPECT_EQ(validator->parent(), &edit);
    limitCp949(&edit, 6);
    EXPECT_EQ(edit.validator(), validator);
    edit.end(false);
    QTest::keyClicks(&edit, QStringLiteral("yz"));
    EXPECT_EQ(edit.text(), QStringLiteral("xab가y"));
}

TEST_F(Cp949Test, InputMethodSyllablesAreCommittedWhole) {
    QLineEdit edit;
    limitCp949(&edit, 3);
    commitThroughInputMethod(edit, QStringLiteral("하"), QStringLiteral("한"));
    EXPECT_EQ(edit.text(), QStringLiteral("한"));
    commitThroughInputMethod(edit, QStringLiteral("그"), QStringLiteral("글"));
    EXPECT_EQ(edit.text(), QStringLiteral("한"));
    QTest::keyClicks(&edit, QStringLiteral("z"));
    EXPECT_EQ(edit.text(), QStringLiteral("한z"));
}

}  // namespace
