// The readers of the old tables: every field kind the office's files use,
// memos in the record and in both kinds of memo-file block, code pages, and
// damaged files, which are refused with a reason and never read past their
// end.

#include "legacy/dbase_reader.h"
#include "legacy/paradox_reader.h"
#include "tests/legacy/legacy_test_files.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

extern "C" {
#include <paradox.h>
}

namespace {

QByteArray memoText(int length) {
    QByteArray text;
    while (text.size() < length)
        text += cp949("메모 ");
    return text.left(length);
}

const std::vector<PxColumn> kEveryKind{
    {"name", pxfAlpha, 10},     {"dpung", pxfShort, 2},     {"tmprice", pxfLong, 4},
    {"FMONEY", pxfNumber, 8},   {"fee", pxfCurrency, 8},    {"inday", pxfDate, 4},
    {"reqing", pxfLogical, 1},  {"memo1", pxfMemoBLOb, 20}, {"at", pxfTime, 4},
    {"stamp", pxfTimestamp, 8},
};

// Milliseconds of 2026-12-08 13:45:30 since the day before 0001-01-01.
double stampOf(const QDateTime& moment) {
    return static_cast<double>(moment.date().toJulianDay() - 1721425) * 86400000.0 +
           moment.time().msecsSinceStartOfDay();
}

class ParadoxReaderTest : public testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    LegacyTable read(const char* name) const {
        const QString memo = path(name).chopped(3) + QStringLiteral(".MB");
        std::optional<QByteArray> memoFile;
        if (QFile::exists(memo)) memoFile = fileBytes(memo);
        return readParadoxTable(fileBytes(path(name)), memoFile);
    }
    // The reason a damaged file is refused, or "" when it is read.
    static QString refusal(const QByteArray& file, const std::optional<QByteArray>& memo = {}) {
        try {
            readParadoxTable(file, memo);
        } catch (const LegacyFileError& failure) {
            return failure.message();
        }
        return QString();
    }

    QTemporaryDir dir_;
};

}  // namespace

TEST_F(ParadoxReaderTest, EveryFieldKindWithBlanksAndMemosInRecordAndMemoFile) {
    const QDateTime moment(QDate(2026, 12, 8), QTime(13, 45, 30));
    writeParadox(
        path("BUDONG.DB"), kEveryKind,
        {
            {cp949("김철수"), qint64{-30}, qint64{-2000000}, 1234.5, 99.25, QDate(1999, 12, 31),
             true, cp949("짧은 메모"), qint64{49530000}, stampOf(moment)},
            {PxCell{}, PxCell{}, PxCell{}, PxCell{}, PxCell{}, PxCell{}, PxCell{}, PxCell{},
             PxCell{}, PxCell{}},
            {cp949("가나다라마"), qint64{0}, qint64{2147483647}, 0.0, 0.0, QDate(1, 1, 1), false,
             memoText(300), qint64{0}, PxCell{}},
            {QByteArray("x"), PxCell{}, PxCell{}, PxCell{}, PxCell{}, PxCell{}, PxCell{},
             memoText(5000), PxCell{}, PxCell{}},
        });
    const LegacyTable table = read("BUDONG.DB");
    EXPECT_EQ(table.codePage, QByteArray("CP949"));
    ASSERT_EQ(table.fields.size(), kEveryKind.size());
    const std::vector<LegacyType> types{
        LegacyType::Text,   LegacyType::Integer,  LegacyType::Integer, LegacyType::Number,
        LegacyType::Number, LegacyType::Date,     LegacyType::Logical, LegacyType::Memo,
        LegacyType::Time,   LegacyType::Timestamp};
    for (size_t i = 0; i < types.size(); ++i) {
        EXPECT_EQ(table.fields[i].name, QLatin1String(kEveryKind[i].name));
        EXPECT_EQ(table.fields[i].type, types[i]) << kEveryKind[i].name;
    }
    ASSERT_EQ(table.records.size(), 4u);
    const std::vector<std::vector<LegacyValue>> expected{
        {cp949("김철수"), qint64{-30}, qint64{-2000000}, 1234.5, 99.25, QDate(1999, 12, 31), true,
         cp949("짧은 메모"), QTime(13, 45, 30), moment},
        // Blank fields stay blank: a blank long integer is not the smallest number.
        std::vector<LegacyValue>(10),
        {cp949("가나다라마"), qint64{0}, qint64{2147483647}, 0.0, 0.0, QDate(1, 1, 1), false,
         memoText(300), QTime(0, 0), LegacyValue{}},
        {QByteArray("x"), LegacyValue{}, LegacyValue{}, LegacyValue{}, LegacyValue{}, LegacyValue{},
         LegacyValue{}, memoText(5000), LegacyValue{}, LegacyValue{}},
    };
    for (size_t r = 0; r < expected.size(); ++r) {
        EXPECT_EQ(table.records[r].number, static_cast<int>(r) + 1);
        for (size_t f = 0; f < expected[r].size(); ++f)
            EXPECT_TRUE(table.records[r].values[f] == expected[r][f])
                << "record " << r << " field " << f;
    }
}

TEST_F(ParadoxReaderTest, HeaderCodePageIsKept) {
    writeParadox(path("MEMO.DB"), {{"Memotitle", pxfAlpha, 50}}, {{QByteArray("Caf\xE9")}}, 1252);
    EXPECT_EQ(read("MEMO.DB").codePage, QByteArray("CP1252"));
    writeParadox(path("MEMO.DB"), {{"Memotitle", pxfAlpha, 50}}, {{QByteArray("x")}}, 64999);
    EXPECT_EQ(refusal(fileBytes(path("MEMO.DB"))),
              QStringLiteral("머리글이 가리키는 코드 페이지 64999의 글자를 읽을 수 없습니다."));
}

TEST_F(ParadoxReaderTest, DamagedFilesAreRefusedWithTheirReason) {
    std::vector<PxRow> rows;
    for (int i = 0; i < 200; ++i)
        rows.push_back(
            {cp949("가"), qint64{i}, i % 2 ? PxCell{memoText(3000)} : PxCell{memoText(40)}});
    writeParadox(path("T.DB"), {{"a", pxfAlpha, 10}, {"n", pxfLong, 4}, {"m", pxfMemoBLOb, 15}},
                 rows);
    const QByteArray good = fileBytes(path("T.DB"));
    const QByteArray memo = fileBytes(path("T.MB"));
    ASSERT_EQ(readParadoxTable(good, memo).records.size(), 200u);

    const auto patched = [&good](int at, QByteArray bytes) {
        QByteArray file = good;
        file.replace(at, bytes.size(), bytes);
        return file;
    };
    const int headerSize = static_cast<quint8>(good[2]) | (static_cast<quint8>(good[3]) << 8);
    const QString truncated =
        QStringLiteral("파일이 잘렸습니다: 머리글이나 자료 블록이 파일 끝을 넘습니다.");
    struct Case {
        const char* what;
        QByteArray file;
        std::optional<QByteArray> memo;
        QString reason;
    };
    const std::vector<Case> cases{
        {"last block cut short", good.chopped(100), memo, truncated},
        {"header cut", good.left(0x40), memo,
         QStringLiteral("Paradox 표 파일이 아닙니다 (머리글이 짧습니다).")},
        {"record count lies", patched(0x06, QByteArray("\xC9\x00\x00\x00", 4)), memo,
         QStringLiteral("머리글의 레코드 수(201)가 자료 블록의 레코드 수(200)와 맞지 않습니다.")},
        {"record size lies", patched(0x00, QByteArray("\x20\x00", 2)), memo,
         QStringLiteral("레코드 길이(32)가 항목 길이의 합(29)과 다릅니다.")},
        {"header size beyond the file", patched(0x02, QByteArray("\xFF\xFF", 2)), memo, truncated},
        {"unknown field type", patched(0x78, QByteArray("\x42", 1)), memo,
         QStringLiteral("1번째 항목의 형식(0x42)을 알 수 없습니다.")},
        {"a long integer of three bytes", patched(0x7A + 1, QByteArray("\x03", 1)), memo,
         QStringLiteral("2번째 항목의 길이(3)가 그 형식에 맞지 않습니다.")},
        {"block chain loops", patched(headerSize, QByteArray("\x01\x00", 2)), memo,
         QStringLiteral("자료 블록의 연결이 잘못되었습니다 (블록 1).")},
        {"encrypted", patched(0x25, QByteArray("\x01\x02\x03\x04", 4)), memo,
         QStringLiteral("암호가 걸린 표입니다. 예전 프로그램에서 암호를 풀고 다시 가져오십시오.")},
        {"memo file missing", good, std::nullopt, QStringLiteral("메모 파일(.MB)이 없습니다.")},
        {"memo file cut", good, memo.left(5000),
         QStringLiteral("메모 파일이 잘렸습니다: 메모가 파일 끝을 넘습니다.")},
        {"memo block of the wrong kind", good, QByteArray(memo).replace(4096, 1, "\x07"),
         QStringLiteral("메모 파일이 손상되었습니다: 메모 블록의 종류(7)가 잘못되었습니다.")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(refusal(c.file, c.memo), c.reason) << c.what;
}

// Every shortened file and every file with a byte changed is either read or
// refused with a reason; the sanitizer build checks that no read leaves the
// buffers.
TEST_F(ParadoxReaderTest, ShortenedOrChangedFilesNeverLeaveTheirBuffers) {
    std::vector<PxRow> rows;
    for (int i = 0; i < 30; ++i)
        rows.push_back({cp949("나"), qint64{i}, PxCell{memoText(i * 90)}});
    writeParadox(path("T.DB"), {{"a", pxfAlpha, 10}, {"n", pxfLong, 4}, {"m", pxfMemoBLOb, 15}},
                 rows);
    const QByteArray good = fileBytes(path("T.DB"));
    const QByteArray memo = fileBytes(path("T.MB"));
    for (qsizetype length = 0; length < good.size(); length += 7)
        EXPECT_FALSE(refusal(good.left(length), memo).isEmpty()) << "length " << length;
    for (qsizetype length = 0; length < memo.size(); length += 97) {
        // A memo file cut short loses memos the records point at.
        if (length < 4096 + 9)
            EXPECT_FALSE(refusal(good, memo.left(length)).isEmpty());
        else
            refusal(good, memo.left(length));
    }
    QRandomGenerator random(15);
    int refused = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray file = good;
        QByteArray memoFile = memo;
        QByteArray& target = round % 3 == 0 ? memoFile : file;
        const int at =
            static_cast<int>(random.bounded(round % 2 ? 0x200 : static_cast<int>(target.size())));
        target[at] = static_cast<char>(random.bounded(256));
        refused += refusal(file, memoFile).isEmpty() ? 0 : 1;
    }
    EXPECT_GT(refused, 0);
}

TEST(DbaseReaderTest, FieldKindsBlanksAndDeletedRecords) {
    const QByteArray file = dbaseFile(
        {{"COMNO", 'C', 14},
         {"COMNAME", 'C', 20},
         {"DAY1", 'N', 2},
         {"FMONEY", 'N', 12, 2},
         {"RATE", 'F', 8, 3},
         {"SINCE", 'D', 8},
         {"VATOK", 'L', 1}},
        {{"123-45-67890", cp949("한국상사"), "25", "1234567.50", "0.125", "20230115", "T"},
         {"", "", "", "", "", "", "?"},
         {"DELETED", "", "", "", "", "", "F"},
         {"  lead", "trail  ", "-7", "-0.5", "1e3", "20231345", "Y"},
         {"", "", "1x", "***", "", "2023", "Q"}},
        {false, false, true, false, false});
    const LegacyTable table = readDbaseTable(file);
    EXPECT_EQ(table.codePage, QByteArray("CP949"));
    EXPECT_EQ(table.deletedRecords, 1);
    ASSERT_EQ(table.records.size(), 4u);
    EXPECT_EQ(table.fields[3].type, LegacyType::Number);
    EXPECT_EQ(table.fields[5].type, LegacyType::Date);
    const auto invalid = [](const char* reason) {
        return LegacyValue{LegacyInvalid{QString::fromUtf8(reason)}};
    };
    const std::vector<std::pair<int, std::vector<LegacyValue>>> expected{
        {1,
         {QByteArray("123-45-67890"), cp949("한국상사"), qint64{25}, 1234567.5, 0.125,
          QDate(2023, 1, 15), true}},
        {2, std::vector<LegacyValue>(7)},
        {4,
         {QByteArray("  lead"), QByteArray("trail"), qint64{-7}, -0.5, 1000.0,
          invalid("날짜가 아닙니다 (\"20231345\")."), true}},
        {5,
         {LegacyValue{}, LegacyValue{}, invalid("숫자가 아닙니다 (\"1x\")."),
          invalid("숫자가 아닙니다 (\"***\")."), LegacyValue{},
          invalid("날짜가 아닙니다 (\"2023\")."), invalid("참/거짓 값이 아닙니다.")}},
    };
    for (size_t r = 0; r < expected.size(); ++r) {
        EXPECT_EQ(table.records[r].number, expected[r].first);
        for (size_t f = 0; f < expected[r].second.size(); ++f) {
            const LegacyValue& value = table.records[r].values[f];
            const LegacyValue& wanted = expected[r].second[f];
            if (const auto* bad = std::get_if<LegacyInvalid>(&wanted)) {
                ASSERT_TRUE(std::holds_alternative<LegacyInvalid>(value)) << r << "/" << f;
                EXPECT_EQ(std::get<LegacyInvalid>(value).reason, bad->reason);
            } else {
                EXPECT_TRUE(value == wanted) << "record " << r << " field " << f;
            }
        }
    }
}

TEST(DbaseReaderTest, DamagedFilesAreRefusedAndNeverReadPastTheirEnd) {
    const QByteArray good =
        dbaseFile({{"ZIP", 'C', 7}, {"ADDR", 'C', 60}},
                  std::vector<std::vector<QByteArray>>(20, {"12345", cp949("서울")}));
    const auto refusal = [](const QByteArray& file) {
        try {
            readDbaseTable(file);
        } catch (const LegacyFileError& failure) {
            return failure.message();
        }
        return QString();
    };
    const QString truncated =
        QStringLiteral("파일이 잘렸습니다: 머리글이 말하는 레코드가 파일 끝을 넘습니다.");
    EXPECT_EQ(refusal(good.chopped(2)), truncated) << "last record cut";
    EXPECT_EQ(refusal(QByteArray(good).replace(4, 1, "\x15")), truncated) << "count lies";
    EXPECT_EQ(refusal(QByteArray(good).replace(10, 1, "\x45")),
              QStringLiteral("레코드 길이(69)가 항목 길이의 합(68)과 다릅니다."));
    EXPECT_EQ(refusal(QByteArray(good).replace(96, 1, "Z")),
              QStringLiteral("항목 설명이 머리글 밖으로 나갑니다."));
    EXPECT_EQ(refusal(QByteArray(good).replace(0, 1, "\x99")),
              QStringLiteral("dBase 표 파일이 아닙니다."));
    for (qsizetype length = 0; length < good.size() - 1; ++length)
        EXPECT_FALSE(refusal(good.left(length)).isEmpty()) << "length " << length;
    QRandomGenerator random(7);
    for (int round = 0; round < 2000; ++round) {
        QByteArray file = good;
        file[random.bounded(100)] = static_cast<char>(random.bounded(256));
        refusal(file);
    }
}
