#include "data/sql_dialect.h"
#include "data/table_name.h"

#include <gtest/gtest.h>

namespace {
QString sqlOf(const QString& local) { return translateSql(local).sql; }
}  // namespace

TEST(TableNameTest, EverySpellingReachesOneTable) {
    for (const char* spelling : {"BUDONG.DB", "budong.DB", "budong.db", "budong", "\"BUDONG.DB\"", "'budong.db'",
                                 "C:\\QDB3\\BUDONG.DB"}) {
        EXPECT_EQ(canonicalTableName(QString::fromUtf8(spelling)), QStringLiteral("budong")) << spelling;
    }
    EXPECT_EQ(canonicalTableName(QStringLiteral("upche.DBF")), QStringLiteral("upche"));
    EXPECT_EQ(canonicalTableName(QStringLiteral("jungGaH")), QStringLiteral("junggah"));
}

TEST(SqlDialectTest, DoubleQuotedNamesAndConstants) {
    EXPECT_EQ(sqlOf(QStringLiteral("select C.\"code\" from \"MANCODE.DB\" C where C.\"gubun\" = \"C\" \n"
                                   "order by C.\"code\"")),
              QStringLiteral("select C.\"code\" from \"mancode\" C where C.\"gubun\" = 'C' \norder by C.\"code\""));
    // A text constant holding a single quote stays one constant.
    EXPECT_EQ(sqlOf(QStringLiteral("select * from \"man.DB\" M where M.\"name\" = \"O'Neil\"")),
              QStringLiteral("select * from \"man\" M where M.\"name\" = 'O''Neil'"));
}

TEST(SqlDialectTest, SingleQuotedNamesOfTheExistsRoutine) {
    const TranslatedSql t =
        translateSql(QStringLiteral("select P.'COMNO' from 'upche.dbf' P\n where P.'COMNO' = :value"));
    EXPECT_EQ(t.sql, QStringLiteral("select P.\"COMNO\" from \"upche\" P\n where P.\"COMNO\" = ?"));
    EXPECT_EQ(t.parameters, QStringList{QStringLiteral("value")});
    EXPECT_EQ(sqlOf(QStringLiteral("select count(comno) from upche.dbf where comno = '111'")),
              QStringLiteral("select count(comno) from \"upche\" where comno = '111'"));
}

TEST(SqlDialectTest, BareTableNamesWithAndWithoutExtension) {
    EXPECT_EQ(sqlOf(QStringLiteral("select * from budong where scancode = :s1")),
              QStringLiteral("select * from \"budong\" where scancode = ?"));
    EXPECT_EQ(sqlOf(QStringLiteral("select * from all_list.db")), QStringLiteral("select * from \"all_list\""));
    EXPECT_EQ(sqlOf(QStringLiteral("select C.\"signday\" from \n\"CONT_1.DB\" C")),
              QStringLiteral("select C.\"signday\" from \n\"cont_1\" C"));
}

TEST(SqlDialectTest, UpdateAndDeleteTakeTheirCorrelationName) {
    EXPECT_EQ(sqlOf(QStringLiteral("update \"maipmach.db\" C set C.\"comno\" = \"222\" \nwhere C.\"comno\" = \"111\"")),
              QStringLiteral("update \"maipmach\" AS C set \"comno\" = '222' \nwhere C.\"comno\" = '111'"));
    EXPECT_EQ(sqlOf(QStringLiteral("delete from \"PICT.DB\" P where P.\"scanbud\" = :s")),
              QStringLiteral("delete from \"pict\" AS P where P.\"scanbud\" = ?"));
    EXPECT_EQ(sqlOf(QStringLiteral("delete from \"YEAR_TOT.DB\"")), QStringLiteral("delete from \"year_tot\""));
}

TEST(SqlDialectTest, ParametersInOrderAndLikeEscapes) {
    const TranslatedSql t = translateSql(
        QStringLiteral("select * from \"BUDONG.DB\" S where S.\"tmprice\" >= :tm1 and S.\"cname1\" like :p1 "
                       "and S.\"tmprice\" <= :tm2 and S.\"addr\" like \"%동%\""));
    EXPECT_EQ(t.parameters, (QStringList{QStringLiteral("tm1"), QStringLiteral("p1"), QStringLiteral("tm2")}));
    EXPECT_TRUE(t.sql.contains(QStringLiteral("like ? ESCAPE '\\'")));
    EXPECT_TRUE(t.sql.contains(QStringLiteral("like '%동%'")));
    // A colon inside a constant is not a parameter.
    EXPECT_TRUE(translateSql(QStringLiteral("select * from memo M where M.\"Memotitle\" = \"a:b\"")).parameters.isEmpty());
}

TEST(SqlDialectTest, LikePatternsEscapeWhatTheUserTyped) {
    EXPECT_EQ(containsPattern(QStringLiteral("50%_할인\\")), QStringLiteral("%50\\%\\_할인\\\\%"));
    EXPECT_EQ(endsWithPattern(QStringLiteral("김")), QStringLiteral("%김"));
}

TEST(SqlDialectTest, QuotesInsideQuotedTextSurvive) {
    EXPECT_EQ(sqlOf(QStringLiteral("select * from t where a = 'it''s' and b = \"say \"\"hi\"\"\"")),
              QStringLiteral("select * from \"t\" where a = 'it''s' and b = 'say \"hi\"'"));
    EXPECT_EQ(sqlOf(QStringLiteral("select C.\"od\"\"d\", C.'x''y' from \"we\"\"ird.DB\" C")),
              QStringLiteral("select C.\"od\"\"d\", C.\"x'y\" from \"we\"\"ird\" C"));
}
