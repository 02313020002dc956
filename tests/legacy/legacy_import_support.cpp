#include "tests/legacy/legacy_import_support.h"

#include "data/database.h"

#include <QSqlQuery>
#include <QSqlRecord>

extern "C" {
#include <paradox.h>
}

namespace {

QByteArray memoLines(int lines) {
    QByteArray text;
    for (int i = 1; i <= lines; ++i)
        text += cp949("%1번째 줄: 남향, 역세권\r\n").replace("%1", QByteArray::number(i));
    return text;
}

}  // namespace

void LegacyImportTest::writeOldOffice() {
    writeParadox(
        oldFile(QStringLiteral("BUDONG.DB")),
        {{"scancode", pxfAlpha, 17},
         {"name", pxfAlpha, 10},
         {"addr", pxfAlpha, 42},
         {"im", pxfAlpha, 10},
         {"cname", pxfAlpha, 18},
         {"tmprice", pxfLong, 4},
         {"dpung", pxfShort, 2},
         {"inday", pxfAlpha, 10},
         {"reqing", pxfAlpha, 1},
         {"kwanggo", pxfAlpha, 1},
         {"memo1", pxfMemoBLOb, 20},
         {"MEMO2", pxfMemoBLOb, 20},
         {"OLDCOL", pxfAlpha, 5}},
        {{QByteArray("20010203101010001"), cp949("김철수"), cp949("서울시 강남구 역삼동"),
          cp949("매매"), cp949("아파트"), qint64{500000}, qint64{30}, QByteArray("2001-02-03"),
          QByteArray("Y"), QByteArray("N"), cp949("기본 메모"), memoLines(200), QByteArray("x")},
         {QByteArray("20010204111111002"), cp949("이영희"), cp949("부산시 해운대구 우동"),
          cp949("임대"), cp949("상가"), qint64{30000}, PxCell{}, QByteArray("2001-02-04"),
          QByteArray("Y"), QByteArray("Y"), PxCell{}, memoLines(3), PxCell{}}});
    writeParadox(oldFile(QStringLiteral("BUREQU.DB")),
                 {{"scancode", pxfAlpha, 17},
                  {"name", pxfAlpha, 10},
                  {"yesan", pxfNumber, 8},
                  {"inday", pxfDate, 4},
                  {"memo1", pxfMemoBLOb, 11}},
                 {{QByteArray("20010205090000001"), cp949("박민수"), 150000.0, QDate(2001, 2, 5),
                   memoLines(2)}});
    writeParadox(oldFile(QStringLiteral("CONT_1.DB")),
                 {{"sojaji", pxfAlpha, 60}, {"ensurem", pxfAlpha, 40}, {"monthCount", pxfAlpha, 2}},
                 {{cp949("서울시 마포구 합정동 12-3"), cp949("金 五千萬원整 (50,000,000원)"),
                   QByteArray("24")}});
    writeParadox(oldFile(QStringLiteral("MAN.DB")),
                 {{"Scancode", pxfAlpha, 17},
                  {"Name", pxfAlpha, 8},
                  {"group", pxfAlpha, 15},
                  {"birthday", pxfDate, 4},
                  {"bthMonth", pxfShort, 2},
                  {"uy", pxfLogical, 1},
                  {"Remark", pxfMemoBLOb, 30}},
                 {{QByteArray("20010206080000001"), cp949("최영수"), cp949("동창회"),
                   QDate(1975, 3, 9), qint64{3}, true, cp949("고교 동창")}});
    writeParadox(oldFile(QStringLiteral("MAIPMACH.DB")),
                 {{"Scancode", pxfAlpha, 17},
                  {"Comno", pxfAlpha, 15},
                  {"Comname", pxfAlpha, 20},
                  {"Day1", pxfAlpha, 10},
                  {"Money", pxfLong, 4},
                  {"Vat", pxfCurrency, 8},
                  {"Yearmonth", pxfAlpha, 7}},
                 {{QByteArray("20010207080000001"), QByteArray("123-45-67890"), cp949("한국상사"),
                   QByteArray("2001-02-07"), qint64{1000000}, 100000.0, QByteArray("2001-02")}});
    writeParadox(oldFile(QStringLiteral("bucode.db")),
                 {{"gubun", pxfAlpha, 1}, {"code", pxfAlpha, 12}},
                 {{QByteArray("M"), cp949("오피스텔")}, {QByteArray("I"), cp949("오피스텔")}});
    writeParadox(oldFile(QStringLiteral("MEMO.DB")),
                 {{"Memotitle", pxfAlpha, 50}, {"Memo1", pxfMemoBLOb, 15}},
                 {{QByteArray("Caf\xE9 au lait"), QByteArray("\xAB r\xE9sum\xE9 \xBB")}}, 1252);
    writeParadox(oldFile(QStringLiteral("pict.db")),
                 {{"scancode", pxfAlpha, 20},
                  {"scanbud", pxfAlpha, 17},
                  {"remark", pxfAlpha, 20},
                  {"filename", pxfAlpha, 50}},
                 {{QByteArray("20010203101010101"), QByteArray("20010203101010001"), cp949("정면"),
                   QByteArray("FRONT.JPG")}});
    writeParadox(oldFile(QStringLiteral("TB_CARDM.DB")), {{"itemText", pxfAlpha, 120}},
                 {{cp949("매매계약서")}});
    writeParadox(oldFile(QStringLiteral("XXX.DB")), {{"name", pxfAlpha, 8}}, {{cp949("김")}});
    writeParadox(oldFile(QStringLiteral("OLDSTUFF.DB")), {{"a", pxfAlpha, 8}}, {{QByteArray("a")}});
    writeBytes(oldFile(QStringLiteral("BUDONG.PX")), QByteArray(2048, '\0'));
    writeBytes(oldFile(QStringLiteral("upche.DBF")),
               dbaseFile({{"COMNO", 'C', 14},
                          {"COMNAME", 'C', 20},
                          {"DAY1", 'N', 2},
                          {"VATOK", 'L', 1},
                          {"FMONEY", 'N', 12, 2}},
                         {{"123-45-67890", cp949("한국상사"), "25", "T", "1234567.50"},
                          {"999-99-99999", cp949("지운상사"), "1", "F", "0"},
                          {"220-81-12345", cp949("대한부동산"), "", "F", ""}},
                         {false, true, false}));
    writeBytes(oldFile(QStringLiteral("ADDR.DBF")),
               dbaseFile({{"ZIP", 'C', 7}, {"ADDR", 'C', 60}, {"DDD", 'C', 4}},
                         {{"135-080", cp949("서울특별시 강남구 역삼동"), "02"}}));
    writeBytes(oldFile(QStringLiteral("PICT/FRONT.JPG")), QByteArray("front photo"));
}

bool LegacyImportTest::import(bool replace) {
    progress_.clear();
    error_.clear();
    report_ = {};
    return importLegacyFolder(
        db(), oldFolder(), office().pictDirectory(), replace,
        [this](const QString& line) { progress_.append(line); }, &report_, &error_);
}

QStringList LegacyImportTest::rowsOf(const QString& statement) {
    QStringList rows;
    QSqlQuery query(db().connection());
    EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < query.record().count(); ++i)
            values.append(query.value(i).isNull() ? QStringLiteral("<null>")
                                                  : query.value(i).toString());
        rows.append(values.join(QLatin1Char('|')));
    }
    return rows;
}
