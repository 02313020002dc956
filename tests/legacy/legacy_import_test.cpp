// The import of an office's old folder into its store: every kind of table
// and value, what is passed over and what is reported, the refusal of an
// office that already holds its users' data, all-or-nothing on a value that
// does not fit or a damaged file, the photos, and columns the old files lack.

#include "tests/legacy/legacy_import_support.h"

#include "data/database.h"

#include <QFile>

extern "C" {
#include <paradox.h>
}

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

using Note = LegacyImportReport::Note;

QStringList notes(const std::vector<Note>& list) {
    QStringList lines;
    for (const Note& note : list)
        lines.append(note.what + QStringLiteral(": ") + note.why);
    return lines;
}

}  // namespace

TEST_F(LegacyImportTest, AFolderOfOldTablesBecomesTheOfficesData) {
    writeOldOffice();
    ASSERT_TRUE(import()) << error_.toStdString();

    QStringList imported;
    for (const LegacyImportReport::Table& table : report_.tables)
        imported.append(QStringLiteral("%1>%2:%3/%4")
                            .arg(table.fileName, table.table)
                            .arg(table.rows)
                            .arg(table.deletedRecords));
    EXPECT_EQ(imported,
              (QStringList{"ADDR.DBF>addr:1/0", "BUDONG.DB>budong:2/0", "BUREQU.DB>burequ:1/0",
                           "CONT_1.DB>cont_1:1/0", "MAIPMACH.DB>maipmach:1/0", "MAN.DB>man:1/0",
                           "MEMO.DB>memo:1/0", "bucode.db>bucode:2/0", "pict.db>pict:1/0",
                           "upche.DBF>upche:2/1"}));
    EXPECT_EQ(notes(report_.passedOver),
              (QStringList{u("TB_CARDM.DB: 문서 서식은 프로그램에 들어 있습니다"),
                           u("XXX.DB: 프로그램이 그때그때 다시 만드는 작업용 표입니다")}));
    EXPECT_EQ(notes(report_.skipped),
              (QStringList{u("OLDSTUFF.DB: 이 프로그램의 자료에 없는 표입니다"),
                           u("BUDONG.DB의 항목 OLDCOL: 이 프로그램의 표에 없는 항목입니다")}));
    EXPECT_FALSE(report_.complete());
    EXPECT_EQ(report_.photosCopied, 1);

    // Korean text, numbers, text dates and flags of a listing; its long memo
    // from the memo file, with its line breaks as the forms keep them.
    EXPECT_EQ(
        rowsOf(QStringLiteral("SELECT scancode, name, addr, im, cname, tmprice, dpung, inday, "
                              "reqing, kwanggo, memo1 FROM budong ORDER BY scancode")),
        (QStringList{u("20010203101010001|김철수|서울시 강남구 역삼동|매매|아파트|500000|30|"
                       "2001-02-03|Y|N|기본 메모"),
                     u("20010204111111002|이영희|부산시 해운대구 우동|임대|상가|30000|<null>|"
                       "2001-02-04|Y|Y|")}));
    const QString memo2 =
        text(QStringLiteral("SELECT memo2 FROM budong WHERE name = ?"), {u("김철수")});
    EXPECT_EQ(memo2.count(QLatin1Char('\n')), 200);
    EXPECT_FALSE(memo2.contains(QLatin1Char('\r')));
    EXPECT_TRUE(memo2.startsWith(u("1번째 줄: 남향, 역세권\n2번째 줄")))
        << memo2.left(40).toStdString();
    EXPECT_EQ(
        text(onServer() ? QStringLiteral("SELECT CASE WHEN memo1 IS NULL THEN 'null' ELSE 'text' "
                                         "END FROM budong WHERE name = ?")
                        : QStringLiteral("SELECT typeof(memo1) FROM budong WHERE name = ?"),
             {u("이영희")}),
        QStringLiteral("text"))
        << "a blank memo is empty text, as the form stores it";

    // A number field, a Paradox date, a memo in a shared memo block.
    EXPECT_EQ(rowsOf(QStringLiteral("SELECT name, yesan, inday, memo1 FROM burequ")),
              QStringList{
                  u("박민수|150000|2001-02-05|1번째 줄: 남향, 역세권\n2번째 줄: 남향, 역세권\n")});
    EXPECT_EQ(rowsOf(QStringLiteral("SELECT sojaji, ensurem, monthCount FROM cont_1")),
              QStringList{u("서울시 마포구 합정동 12-3|金 五千萬원整 (50,000,000원)|24")});
    // The field named "group", a date, a small integer and a logical as "Y".
    EXPECT_EQ(
        rowsOf(QStringLiteral("SELECT Name, \"group\", birthday, bthMonth, uy, Remark FROM man")),
        QStringList{u("최영수|동창회|1975-03-09|3|Y|고교 동창")});
    EXPECT_EQ(rowsOf(QStringLiteral("SELECT Comname, Money, Vat, Yearmonth FROM maipmach")),
              QStringList{u("한국상사|1000000|100000|2001-02")});
    // dBase: the deleted partner is left out; logicals, numbers and blanks.
    EXPECT_EQ(rowsOf(QStringLiteral(
                  "SELECT COMNO, COMNAME, DAY1, VATOK, FMONEY FROM upche ORDER BY COMNO")),
              (QStringList{u("123-45-67890|한국상사|25|Y|1234567.5"),
                           u("220-81-12345|대한부동산|<null>|N|<null>")}));
    // The header's code page 1252 decodes this table.
    EXPECT_EQ(rowsOf(QStringLiteral("SELECT Memotitle, Memo1 FROM memo")),
              QStringList{u("Café au lait|« résumé »")});
    // Starting data: the folder's codes replace the new office's, the postal
    // sample gives way to the office's list, and the person codes the folder
    // lacks stay.
    EXPECT_EQ(rowsOf(QStringLiteral("SELECT gubun, code FROM bucode ORDER BY gubun")),
              (QStringList{u("I|오피스텔"), u("M|오피스텔")}));
    EXPECT_EQ(rowsOf(QStringLiteral("SELECT ZIP, ADDR, DDD FROM addr")),
              QStringList{u("135-080|서울특별시 강남구 역삼동|02")});
    EXPECT_EQ(rows(QStringLiteral("mancode")), 16);
    // The program's own layout stays; the folder's layout row is not taken.
    EXPECT_GT(rows(QStringLiteral("tb_cardm")), 0);
    EXPECT_EQ(
        text(QStringLiteral("SELECT count(*) FROM tb_cardm WHERE itemText = ?"), {u("매매계약서")}),
        QStringLiteral("0"));
    EXPECT_EQ(rows(QStringLiteral("xxx")), 0);

    EXPECT_EQ(progress_.first(), u("읽는 중: ADDR.DBF (우편번호)"));
    EXPECT_TRUE(progress_.contains(u("저장하는 중: 매물 2건")));
    EXPECT_EQ(progress_.last(), u("사진을 복사하는 중: 1장"));
}

TEST_F(LegacyImportTest, AnOfficeWithItsUsersDataIsReplacedOnlyWhenAsked) {
    writeOldOffice();
    ASSERT_TRUE(import()) << error_.toStdString();
    sql(QStringLiteral(
        "INSERT INTO diary1 (scancode, day1, remark) VALUES ('X1', '2026-12-24', '약속')"));
    writeParadox(oldFile(QStringLiteral("BUDONG.DB")),
                 {{"scancode", pxfAlpha, 17}, {"name", pxfAlpha, 10}},
                 {{QByteArray("20261208120000001"), cp949("새주인")}});
    QFile::remove(oldFile(QStringLiteral("BUDONG.MB")));

    EXPECT_FALSE(import());
    EXPECT_EQ(error_, u("이 사무실에는 이미 입력한 자료가 있어 가져오지 않았습니다 (매물 2건, "
                        "고객 의뢰 1건, 임대차 계약서 1건, 일정 1건, 금전 출납 1건, 인명부 1건, "
                        "메모 1건, 매물 사진 1건, 거래처 2건). 예전 자료로 바꾸려면 --replace를 "
                        "붙여 다시 실행하십시오."));
    EXPECT_EQ(rows(QStringLiteral("budong")), 2);

    ASSERT_TRUE(import(true)) << error_.toStdString();
    EXPECT_EQ(rowsOf(QStringLiteral("SELECT scancode, name FROM budong")),
              QStringList{u("20261208120000001|새주인")});
    EXPECT_EQ(rows(QStringLiteral("diary1")), 1) << "a table the folder does not hold is kept";
    EXPECT_EQ(rows(QStringLiteral("man")), 1);
}

TEST_F(LegacyImportTest, AValueThatDoesNotFitOrADamagedFileLeavesTheOfficeUnchanged) {
    writeOldOffice();
    const QByteArray man = fileBytes(oldFile(QStringLiteral("MAN.DB")));
    const QByteArray memo = fileBytes(oldFile(QStringLiteral("BUDONG.MB")));
    struct Case {
        const char* what;
        std::function<void()> damage;
        const char* error;
    };
    const std::vector<Case> cases{
        {"text too long for its field",
         [this] {
             writeParadox(oldFile(QStringLiteral("MAN.DB")),
                          {{"Scancode", pxfAlpha, 17}, {"Name", pxfAlpha, 12}},
                          {{QByteArray("1"), cp949("김")},
                           {QByteArray("2"), cp949("이")},
                           {QByteArray("3"), cp949("남궁민수영")}});
         },
         "MAN.DB 3번째 레코드, 항목 Name: 값이 10바이트로, 최대 8바이트를 넘습니다."},
        {"a blank key",
         [this] {
             writeParadox(oldFile(QStringLiteral("MAN.DB")),
                          {{"Scancode", pxfAlpha, 17}, {"Name", pxfAlpha, 8}},
                          {{QByteArray("1"), cp949("김")}, {PxCell{}, cp949("이")}});
         },
         "MAN.DB 2번째 레코드, 항목 Scancode: 열쇠 항목이 비어 있습니다."},
        {"two rows with one key",
         [this] {
             writeParadox(oldFile(QStringLiteral("MAN.DB")), {{"Scancode", pxfAlpha, 17}},
                          {{QByteArray("1")}, {QByteArray("1")}});
         },
         "MAN.DB 2번째 레코드를 저장할 수 없습니다: UNIQUE constraint failed: man.Scancode"},
        {"a truncated table",
         [this, man] { writeBytes(oldFile(QStringLiteral("MAN.DB")), man.chopped(10)); },
         "MAN.DB: 파일이 잘렸습니다: 머리글이나 자료 블록이 파일 끝을 넘습니다."},
        {"a missing memo file", [this] { QFile::remove(oldFile(QStringLiteral("BUDONG.MB"))); },
         "BUDONG.DB: 메모 파일(.MB)이 없습니다."},
    };
    const QStringList codes =
        rowsOf(QStringLiteral("SELECT gubun, code FROM bucode ORDER BY 1, 2"));
    const QStringList postal = rowsOf(QStringLiteral("SELECT * FROM addr"));
    for (const Case& c : cases) {
        writeOldOffice();
        writeBytes(oldFile(QStringLiteral("BUDONG.MB")), memo);
        c.damage();
        EXPECT_FALSE(import()) << c.what;
        // The store's own words for a key given twice are the server's there.
        const QString expected = u(c.error);
        const bool keyClash = expected.contains(QStringLiteral("UNIQUE constraint failed"));
        if (onServer() && keyClash) {
            EXPECT_TRUE(error_.startsWith(expected.section(QStringLiteral(": "), 0, 0)))
                << c.what << ": " << error_.toStdString();
            EXPECT_TRUE(error_.contains(QStringLiteral("duplicate key"))) << error_.toStdString();
        } else {
            EXPECT_EQ(error_, expected) << c.what;
        }
        for (const char* table : {"budong", "burequ", "man", "upche", "pict", "memo"})
            EXPECT_EQ(rows(QLatin1String(table)), 0) << c.what << ": " << table;
        EXPECT_EQ(rowsOf(QStringLiteral("SELECT gubun, code FROM bucode ORDER BY 1, 2")), codes)
            << c.what;
        EXPECT_EQ(rowsOf(QStringLiteral("SELECT ZIP, ADDR, DDD FROM addr")).size(), postal.size())
            << c.what;
        EXPECT_TRUE(QDir(office().pictDirectory()).isEmpty())
            << c.what << ": photos come after the commit";
    }
}

TEST_F(LegacyImportTest, PhotosAreCopiedAndNamedApartWhenTheOfficeHoldsAnother) {
    writeOldOffice();
    writeParadox(
        oldFile(QStringLiteral("pict.db")),
        {{"scancode", pxfAlpha, 20}, {"scanbud", pxfAlpha, 17}, {"filename", pxfAlpha, 50}},
        {{QByteArray("P1"), QByteArray("L1"), QByteArray("FRONT.JPG")},
         {QByteArray("P2"), QByteArray("L1"), QByteArray("SAME.JPG")},
         {QByteArray("P3"), QByteArray("L2"), QByteArray("OTHER.JPG")},
         {QByteArray("P4"), QByteArray("L2"), QByteArray("LOWER.JPG")},
         {QByteArray("P5"), QByteArray("L2"), QByteArray("GONE.JPG")},
         {QByteArray("P6"), QByteArray("L3"), QByteArray("..\\..\\EVIL.JPG")},
         {QByteArray("P7"), QByteArray("L3"), QByteArray("OTHER.JPG")}});
    writeBytes(oldFile(QStringLiteral("PICT/SAME.JPG")), "same bytes");
    writeBytes(oldFile(QStringLiteral("PICT/OTHER.JPG")), "the old office's picture");
    writeBytes(oldFile(QStringLiteral("PICT/lower.jpg")), "lower-case name on disk");
    const QDir pict(office().pictDirectory());
    writeBytes(pict.filePath(QStringLiteral("SAME.JPG")), "same bytes");
    writeBytes(pict.filePath(QStringLiteral("OTHER.JPG")), "a picture the office already has");
    writeBytes(pict.filePath(QStringLiteral("OTHER_1.JPG")), "and another");

    ASSERT_TRUE(import()) << error_.toStdString();
    EXPECT_EQ(rowsOf(QStringLiteral("SELECT scancode, filename FROM pict ORDER BY scancode")),
              (QStringList{"P1|FRONT.JPG", "P2|SAME.JPG", "P3|OTHER_2.JPG", "P4|LOWER.JPG",
                           "P5|GONE.JPG", "P7|OTHER_2.JPG"}));
    const QStringList skipped = notes(report_.skipped);
    EXPECT_TRUE(
        skipped.contains(u("사진 ..\\..\\EVIL.JPG: 이름이 PICT 폴더 밖을 가리킵니다. 사진과 그 "
                           "사진 행을 가져오지 않았습니다")));
    EXPECT_TRUE(skipped.contains(u("사진 GONE.JPG: 예전 PICT 폴더에 사진 파일이 없습니다")));
    EXPECT_EQ(report_.photosCopied, 3);
    EXPECT_EQ(report_.photosAlreadyThere, 1);
    EXPECT_EQ(fileBytes(pict.filePath(QStringLiteral("OTHER.JPG"))),
              "a picture the office already has");
    EXPECT_EQ(fileBytes(pict.filePath(QStringLiteral("OTHER_2.JPG"))), "the old office's picture");
    EXPECT_EQ(fileBytes(pict.filePath(QStringLiteral("LOWER.JPG"))), "lower-case name on disk");
    EXPECT_EQ(fileBytes(pict.filePath(QStringLiteral("FRONT.JPG"))), "front photo");
    EXPECT_FALSE(QFile::exists(home_.filePath(QStringLiteral("EVIL.JPG"))));
}

TEST_F(LegacyImportTest, ColumnsTheOldFilesLackAreFilledAsANewRowWouldBe) {
    // As a later version of the store may have them: a contract key made by
    // the store, and a field with a default.
    sql(QStringLiteral("DROP TABLE cont_1"));
    sql(QStringLiteral(
        "CREATE TABLE cont_1 (contno INTEGER PRIMARY KEY, sojaji VARCHAR(60), "
        "ensurem VARCHAR(40), monthCount VARCHAR(2), signed VARCHAR(1) DEFAULT 'N')"));
    sql(QStringLiteral("ALTER TABLE budong ADD COLUMN offered INTEGER DEFAULT 0"));
    db().forgetTableInfo(QStringLiteral("cont_1"));
    db().forgetTableInfo(QStringLiteral("budong"));
    writeOldOffice();
    ASSERT_TRUE(import()) << error_.toStdString();
    EXPECT_EQ(rowsOf(QStringLiteral("SELECT contno, sojaji, signed FROM cont_1")),
              QStringList{u("1|서울시 마포구 합정동 12-3|N")});
    EXPECT_EQ(rowsOf(QStringLiteral("SELECT DISTINCT offered FROM budong")), QStringList{"0"});
}
