#include "common/cp949.h"

#include "tests/support/test_environment.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
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
    // A cut-off or invalid sequence becomes U+FFFD; the rest is kept, also
    // the byte after an undefined pair (A2 E8 is one).
    EXPECT_EQ(fromCp949(QByteArray("A\xB0")), QStringLiteral("A\uFFFD"));
    EXPECT_EQ(fromCp949(QByteArray("\xA2\xE8")), QStringLiteral("\uFFFD\uFFFD"));
    EXPECT_EQ(fromCp949(QByteArray("\xA2\xE8\xB0\xA1")), QStringLiteral("\uFFFD\u761F\uFFFD"));
    EXPECT_EQ(fromCp949Strictly(QByteArray("\xB0\xA1")), QStringLiteral("가"));
    EXPECT_FALSE(fromCp949Strictly(QByteArray("\xB0\xA1\xA2\xE8")).has_value());
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
    EXPECT_EQ(dlg().beeps, 0);
    commitThroughInputMethod(edit, QStringLiteral("그"), QStringLiteral("글"));
    EXPECT_EQ(edit.text(), QStringLiteral("한")) << "the syllable shown while composing is refused";
    EXPECT_EQ(dlg().beeps, 1) << "and the refusal is heard";
    QTest::keyClicks(&edit, QStringLiteral("z"));
    EXPECT_EQ(edit.text(), QStringLiteral("한z"));
    EXPECT_EQ(dlg().beeps, 1);
}

}  // namespace

namespace {

// Python's cp949 codec with errors='replace' is the reference for decoding:
// every byte, every pair, every pair followed by "A", and random runs biased
// towards lead bytes. Each line: the input in hex, a blank, the decoded code
// points in hex joined by ",".
const char kPythonReference[] = R"(
import random, sys
cases = [bytes([a]) for a in range(256)]
cases += [bytes([a, b]) for a in range(256) for b in range(256)]
cases += [bytes([a, b, 0x41]) for a in range(0x80, 256) for b in range(256)]
rng = random.Random(949)
alphabet = [0x41, 0x0A, 0x80, 0x81, 0xA1, 0xA2, 0xB0, 0xC9, 0xE8, 0xFE, 0xFF]
for _ in range(5000):
    cases.append(bytes(rng.choice(alphabet) if rng.random() < 0.7 else rng.randrange(256)
                       for _ in range(rng.randrange(1, 13))))
out = sys.stdout
for case in cases:
    text = case.decode('cp949', 'replace')
    out.write(case.hex() + ' ' + ','.join('%x' % ord(c) for c in text) + '\n')
)";

QString codePointsHex(const QString& text) {
    QStringList points;
    for (const char32_t c : text.toUcs4())
        points.append(QString::number(c, 16));
    return points.join(u',');
}

}  // namespace

TEST_F(Cp949Test, DecodingAgreesWithPythonsCodecByteForByte) {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) GTEST_SKIP() << "python3 is not installed";
    QProcess process;
    process.start(python, {QStringLiteral("-c"), QString::fromLatin1(kPythonReference)});
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    ASSERT_GT(lines.size(), 65536 + 32768);

    int compared = 0;
    int differing = 0;
    for (const QByteArray& line : lines) {
        if (line.isEmpty()) continue;
        const qsizetype blank = line.indexOf(' ');
        const QByteArray input = QByteArray::fromHex(line.left(blank));
        const QString expected = QString::fromLatin1(line.mid(blank + 1));
        ++compared;
        if (codePointsHex(fromCp949(input)) != expected && ++differing <= 10) {
            ADD_FAILURE() << "input " << line.left(blank).toStdString() << ": got "
                          << codePointsHex(fromCp949(input)).toStdString() << ", Python "
                          << expected.toStdString();
        }
        if (fromCp949Strictly(input).has_value() == expected.contains(QLatin1String("fffd")) &&
            ++differing <= 10) {
            ADD_FAILURE() << "strict reading of " << line.left(blank).toStdString();
        }
    }
    EXPECT_EQ(differing, 0) << "of " << compared << " inputs";
}

TEST_F(Cp949Test, PasteKeepsWhatFitsCutAtAWholeCharacterWithABeep) {
    const struct {
        const char* name;
        const char* before;  // the field's text; "|" marks the cursor, "[...]" a selection
        const char* pasted;
        int limit;
        const char* after;
        int beeps;
    } cases[] = {
        {"fits whole", "ab|", "가나", 6, "ab가나", 0},
        {"cut before the syllable that does not fit", "ab|", "가나다", 7, "ab가나", 1},
        {"cut inside: the tail stays", "a|z", "12345", 4, "a12z", 1},
        {"over a selection", "[abcd]e", "가나다", 5, "가나e", 1},
        {"no room at all", "abcd|", "가", 5, "abcd", 1},
        {"no pair split", "|", "a😀b", 2, "a", 1},
        {"unencodable counts two", "|", "€€€", 4, "€€", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dlg().reset();
        QLineEdit edit;
        limitCp949(&edit, c.limit);
        QString before = QString::fromUtf8(c.before);
        const qsizetype open = before.indexOf(u'[');
        const qsizetype cursor = before.indexOf(u'|');
        before.remove(u'[').remove(u']').remove(u'|');
        edit.setText(before);
        if (open >= 0) {
            const qsizetype close = QString::fromUtf8(c.before).indexOf(u']') - 1;
            edit.setSelection(static_cast<int>(open), static_cast<int>(close - open));
        } else {
            edit.setCursorPosition(static_cast<int>(cursor));
        }
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
        edit.paste();
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.after));
        EXPECT_EQ(dlg().beeps, c.beeps);
    }
}

TEST_F(Cp949Test, StoredTooLongTextIsShownWholeAndMayBeShortened) {
    QLineEdit edit;
    limitCp949(&edit, 4);
    edit.setText(QStringLiteral("가나다"));  // 6 bytes, set by the program
    EXPECT_EQ(edit.text(), QStringLiteral("가나다"));
    EXPECT_EQ(dlg().beeps, 0);
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_X);
    EXPECT_EQ(edit.text(), QStringLiteral("가나다")) << "typing stops at the limit";
    EXPECT_EQ(dlg().beeps, 1);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("가나")) << "deleting is always allowed";
    QTest::keyClick(&edit, Qt::Key_Y);
    EXPECT_EQ(edit.text(), QStringLiteral("가나"));
    EXPECT_EQ(dlg().beeps, 2);
}
