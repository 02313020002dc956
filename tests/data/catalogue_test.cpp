#include "data/database.h"
#include "data/store_error.h"
#include "tests/support/store_fixture.h"

#include <QFileInfo>

namespace {
struct Expected {
    const char* field;
    FieldType type;
    int size;
};

void expectFields(Database& db, const char* table, std::initializer_list<Expected> fields) {
    const TableInfo& info = db.tableInfo(QString::fromUtf8(table));
    for (const Expected& e : fields) {
        const int index = info.fieldIndex(QString::fromUtf8(e.field));
        ASSERT_GE(index, 0) << table << "." << e.field;
        const FieldDef& f = info.fields[static_cast<size_t>(index)];
        EXPECT_EQ(f.type, e.type) << table << "." << e.field;
        EXPECT_EQ(f.size, e.size) << table << "." << e.field;
    }
}
}  // namespace

using CatalogueTest = StoreTest;

TEST_F(CatalogueTest, EveryTableOfTheCatalogueExists) {
    const QStringList expected = {
        QStringLiteral("addr"),     QStringLiteral("all_list"), QStringLiteral("bucode"),   QStringLiteral("budong"),
        QStringLiteral("burequ"),   QStringLiteral("cont_1"),   QStringLiteral("cont_2"),   QStringLiteral("diary1"),
        QStringLiteral("jungga"),   QStringLiteral("junggah"),  QStringLiteral("maipmach"), QStringLiteral("maipwon"),
        QStringLiteral("man"),      QStringLiteral("mancode"),  QStringLiteral("memo"),     QStringLiteral("my"),
        QStringLiteral("pict"),     QStringLiteral("tb_card"),  QStringLiteral("tb_cardi"), QStringLiteral("tb_cardm"),
        QStringLiteral("upche"),    QStringLiteral("xxx"),      QStringLiteral("year_tot")};
    for (const QString& table : expected) EXPECT_TRUE(db().tableNames().contains(table)) << table.toStdString();
    EXPECT_GE(db().schemaVersion(), 1);
    if (!onServer()) {
        EXPECT_TRUE(QFileInfo::exists(office().aliasDirectory() + QStringLiteral("/quarnel.sqlite3")));
    }
}

TEST_F(CatalogueTest, FieldsKeysAndIndexesFollowTheOwningForms) {
    expectFields(db(), "BUDONG.DB", {{"scancode", FieldType::Text, 17}, {"name", FieldType::Text, 10},
                                     {"addr", FieldType::Text, 42}, {"cname", FieldType::Text, 18},
                                     {"tmprice", FieldType::Integer, 0}, {"reqing", FieldType::Text, 1},
                                     {"memo2", FieldType::Memo, 0}, {"expireday", FieldType::Text, 10}});
    expectFields(db(), "pict.db", {{"scancode", FieldType::Text, 20}, {"filename", FieldType::Text, 50}});
    expectFields(db(), "upche.DBF", {{"COMNO", FieldType::Text, 14}, {"DAY1", FieldType::SmallInt, 0},
                                     {"FMONEY", FieldType::Float, 0}});
    expectFields(db(), "man", {{"group", FieldType::Text, 15}, {"bthMonth", FieldType::Integer, 0},
                               {"Remark", FieldType::Memo, 0}});
    expectFields(db(), "YEAR_TOT.DB", {{"_12", FieldType::Integer, 0}, {"Tot", FieldType::Integer, 0}});
    expectFields(db(), "addr.dbf", {{"ZIP", FieldType::Text, 7}, {"ADDR", FieldType::Text, 60},
                                    {"DDD", FieldType::Text, 4}});

    EXPECT_EQ(db().tableInfo(QStringLiteral("budong")).primaryKey, QStringList{QStringLiteral("scancode")});
    EXPECT_EQ(db().tableInfo(QStringLiteral("BUCODE.DB")).primaryKey,
              (QStringList{QStringLiteral("gubun"), QStringLiteral("code")}));
    EXPECT_EQ(db().tableInfo(QStringLiteral("cont_2")).primaryKey, QStringList{QStringLiteral("contno")});
    EXPECT_EQ(db().tableInfo(QStringLiteral("PICT.DB")).indexes.value(QStringLiteral("pict_scanbud")),
              QStringList{QStringLiteral("scanbud")});
    // Field names compare without case (the server keeps them in lower case).
    EXPECT_EQ(db().tableInfo(QStringLiteral("upche")).indexes.value(QStringLiteral("comnoind")).join(u',').toLower(),
              QStringLiteral("comno"));
    EXPECT_THROW(db().tableInfo(QStringLiteral("nosuch.db")), StoreError);
}

TEST_F(CatalogueTest, SeedCodesArePresentOnce) {
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(code, ',') FROM (SELECT code FROM bucode "
                                    "WHERE gubun = 'W' ORDER BY code)"))
                  .toString(),
              QStringLiteral("계약,문의,작업중,좋은손님,취소"));
    EXPECT_GE(scalar(QStringLiteral("SELECT count(*) FROM bucode WHERE gubun = 'I' AND code = '아파트'")).toInt(), 1);
    EXPECT_GE(scalar(QStringLiteral("SELECT count(*) FROM bucode WHERE gubun = 'M' AND code = '토지'")).toInt(), 1);
    for (const char* letter : {"C", "G", "P", "R"}) {
        EXPECT_GE(scalar(QStringLiteral("SELECT count(*) FROM mancode WHERE gubun = ?"), {QString::fromUtf8(letter)})
                      .toInt(),
                  2)
            << letter;
    }
}

TEST_F(CatalogueTest, ReopeningKeepsDataAndDoesNotSeedAgain) {
    sql(QStringLiteral("INSERT INTO memo (Memotitle) VALUES ('남길 메모')"));
    const int codes = rows(QStringLiteral("bucode"));
    const QString directory = db().directory();
    Database::closeQdb3();
    Database::setQdb3(std::make_unique<Database>(directory));
    EXPECT_FALSE(db().createdNow());
    EXPECT_EQ(rows(QStringLiteral("bucode")), codes);
    EXPECT_EQ(rows(QStringLiteral("memo")), 1);
}

TEST_F(CatalogueTest, DoubleQuotedTextIsNeverAConstantInSqliteItself) {
    // A statement translated wrongly must fail rather than compare a column
    // with itself.
    EXPECT_THROW(sql(QStringLiteral("SELECT * FROM budong WHERE name = \"nobody\"")), StoreError);
}

TEST(FieldDefTest, DeclaredTypesGiveKindAndSize) {
    const auto kindOf = [](const char* declared) {
        const FieldDef field = fieldFromDeclaredType(QStringLiteral("f"), QString::fromLatin1(declared));
        return std::pair(field.type, field.size);
    };
    EXPECT_EQ(kindOf("VARCHAR(17)"), std::pair(FieldType::Text, 17));
    EXPECT_EQ(kindOf(" varchar ( 10 ) "), std::pair(FieldType::Text, 10));
    EXPECT_EQ(kindOf("char(3)"), std::pair(FieldType::Text, 3));
    EXPECT_EQ(kindOf("VARCHAR(x)"), std::pair(FieldType::Unknown, 0));
    EXPECT_EQ(kindOf("VARCHAR(10) X"), std::pair(FieldType::Unknown, 0));
    EXPECT_EQ(kindOf("VARVARCHAR(10)"), std::pair(FieldType::Unknown, 0));
    EXPECT_EQ(kindOf("TEXT"), std::pair(FieldType::Memo, 0));
    EXPECT_EQ(kindOf("SMALLINT"), std::pair(FieldType::SmallInt, 0));
    EXPECT_EQ(kindOf("bigint"), std::pair(FieldType::Integer, 0));
    EXPECT_EQ(kindOf("DOUBLE PRECISION"), std::pair(FieldType::Float, 0));
    EXPECT_EQ(kindOf("NUMERIC(10,2)"), std::pair(FieldType::Float, 0));
    EXPECT_EQ(kindOf(""), std::pair(FieldType::Unknown, 0));
}
