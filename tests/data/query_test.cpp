#include "data/batch_copy.h"
#include "data/query.h"
#include "data/store_error.h"
#include "data/transaction.h"
#include "tests/support/store_fixture.h"

class QueryTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        sql(QStringLiteral("INSERT INTO budong (scancode, name, im, cname, addr, tmprice) VALUES "
                           "('1', '김철수', '매매', '아파트', '서울 강남구 역삼동', 50000),"
                           "('2', 'O''Neil', '임대', '상가', '50%_할인 상가', 20000),"
                           "('3', '박영희', '매매', '토지', '경기 성남시', 0)"));
    }

    QStringList keys(Query& q) {
        QStringList result;
        for (q.first(); !q.eof(); q.next()) result.append(q.text(QStringLiteral("scancode")));
        return result;
    }
};

TEST_F(QueryTest, BothQuoteStylesOfTheDialectRun) {
    Query q;
    q.add(QStringLiteral("select B.\"scancode\" from \"BUDONG.DB\" B"));
    q.add(QStringLiteral(" where B.\"im\" = \"매매\" order by B.\"scancode\""));
    q.open();
    EXPECT_EQ(keys(q), (QStringList{QStringLiteral("1"), QStringLiteral("3")}));

    Query single;
    single.add(QStringLiteral("select P.'scancode' from 'budong.db' P"));
    single.add(QStringLiteral(" where P.'cname' = '상가'"));
    single.open();
    EXPECT_EQ(keys(single), QStringList{QStringLiteral("2")});
}

TEST_F(QueryTest, TypedTextIsJustText) {
    Query q;
    q.add(QStringLiteral("select S.\"scancode\" from \"BUDONG.DB\" S where S.\"name\" = :name"));
    q.setParam(QStringLiteral("name"), QStringLiteral("O'Neil"));
    q.open();
    EXPECT_EQ(keys(q), QStringList{QStringLiteral("2")});

    q.setParam(QStringLiteral("name"), QStringLiteral("'; drop table budong; --"));
    q.open();
    EXPECT_TRUE(q.isEmpty());
    EXPECT_EQ(rows(QStringLiteral("budong")), 3);

    // A percent sign or underscore typed by the user matches itself.
    Query like;
    like.add(QStringLiteral("select S.\"scancode\" from \"BUDONG.DB\" S where S.\"addr\" like :p"));
    like.setParam(QStringLiteral("p"), containsPattern(QStringLiteral("%_")));
    like.open();
    EXPECT_EQ(keys(like), QStringList{QStringLiteral("2")});
    like.setParam(QStringLiteral("p"), containsPattern(QStringLiteral("_")));
    like.open();
    EXPECT_EQ(keys(like), QStringList{QStringLiteral("2")});
}

TEST_F(QueryTest, CursorCountsAndFieldsOfAResult) {
    Query q;
    q.add(QStringLiteral("select S.\"scancode\", S.\"name\", S.\"tmprice\", sum(S.\"tmprice\") total"));
    q.add(QStringLiteral("from \"BUDONG.DB\" S group by S.\"scancode\" order by S.\"scancode\""));
    q.open();
    EXPECT_EQ(q.recordCount(), 3);
    ASSERT_EQ(q.fieldCount(), 4);
    EXPECT_EQ(q.field(QStringLiteral("name")).type, FieldType::Text);
    EXPECT_EQ(q.field(QStringLiteral("name")).size, 10);
    EXPECT_EQ(q.field(QStringLiteral("tmprice")).type, FieldType::Integer);
    EXPECT_EQ(q.field(QStringLiteral("total")).type, FieldType::Integer);
    q.last();
    EXPECT_EQ(q.text(QStringLiteral("scancode")), QStringLiteral("3"));
    q.next();
    EXPECT_TRUE(q.eof());
    EXPECT_EQ(q.valueAt(0, 1).toString(), QStringLiteral("김철수"));
    EXPECT_THROW(q.value(QStringLiteral("nosuch")), StoreError);
}

TEST_F(QueryTest, PersistentFieldsDecideOrderAndDisplay) {
    Query q;
    FieldDef im;
    im.name = QStringLiteral("Im");
    im.displayLabel = QStringLiteral("구분");
    im.displayWidth = 5;
    FieldDef scancode;
    scancode.name = QStringLiteral("Scancode");
    scancode.visible = false;
    q.setPersistentFields({im, scancode});
    q.add(QStringLiteral("select S.\"scancode\", S.\"name\", S.\"im\" from \"BUDONG.DB\" S order by S.\"scancode\""));
    q.open();
    ASSERT_EQ(q.fieldCount(), 2);
    EXPECT_EQ(q.field(0).displayLabel, QStringLiteral("구분"));
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("매매"));
    EXPECT_FALSE(q.field(1).visible);
    // A selected column that is not persistent can still be read by name.
    EXPECT_EQ(q.text(QStringLiteral("name")), QStringLiteral("김철수"));
}

TEST_F(QueryTest, StatementsThatFailRaiseTheStoresText) {
    Query q;
    q.add(QStringLiteral("select * from \"NOSUCH.DB\""));
    try {
        q.open();
        FAIL() << "opened a missing table";
    } catch (const StoreError& error) {
        EXPECT_TRUE(error.storeText().contains(QStringLiteral("nosuch")));
    }
    Query missing;
    missing.add(QStringLiteral("select * from budong where scancode = :s1"));
    EXPECT_THROW(missing.open(), StoreError);
}

TEST_F(QueryTest, UpdateAndDeleteInTheDialect) {
    Query q;
    q.add(QStringLiteral("update \"BUDONG.DB\" C set C.\"cname\" = :v"));
    q.add(QStringLiteral("where C.\"im\" = \"매매\""));
    q.setParam(QStringLiteral("v"), QStringLiteral("건물"));
    EXPECT_EQ(q.exec(), 2);
    q.clear();
    q.add(QStringLiteral("delete from \"budong\" B where B.\"cname\" = \"건물\""));
    EXPECT_EQ(q.exec(), 2);
    EXPECT_EQ(rows(QStringLiteral("budong")), 1);
}

TEST_F(QueryTest, BatchCopyReplacesTheTableWithTheResult) {
    Query q;
    q.add(QStringLiteral("select S.\"scancode\", S.\"name\", S.\"tmprice\" from \"BUDONG.DB\" S"));
    q.add(QStringLiteral(" where S.\"im\" = :im order by S.\"scancode\""));
    q.setParam(QStringLiteral("im"), QStringLiteral("매매"));
    q.open();
    batchCopy(q, QStringLiteral("all_list.DB"));
    EXPECT_EQ(rows(QStringLiteral("all_list")), 2);
    const TableInfo& info = db().tableInfo(QStringLiteral("all_list"));
    ASSERT_EQ(info.fields.size(), 3u);
    EXPECT_EQ(info.fields[1].size, 10);
    EXPECT_EQ(info.fields[2].type, FieldType::Integer);

    // An empty result leaves an empty table that still has the columns.
    q.setParam(QStringLiteral("im"), QStringLiteral("없음"));
    q.open();
    batchCopy(q, QStringLiteral("ALL_LIST.DB"));
    EXPECT_EQ(rows(QStringLiteral("all_list")), 0);
    EXPECT_EQ(db().tableInfo(QStringLiteral("all_list")).fields.size(), 3u);
    EXPECT_EQ(db().tableInfo(QStringLiteral("all_list")).fields[0].name, QStringLiteral("scancode"));
}

TEST_F(QueryTest, AFailedActionLeavesNothingHalfWritten) {
    auto action = [this] {
        Transaction transaction(db());
        sql(QStringLiteral("UPDATE budong SET name = '변경' WHERE scancode = '1'"));
        {
            Transaction inner(db());
            sql(QStringLiteral("DELETE FROM budong WHERE scancode = '3'"));
            inner.commit();
        }
        sql(QStringLiteral("INSERT INTO budong (scancode) VALUES ('2')"));  // key violation
        transaction.commit();
    };
    EXPECT_THROW(action(), StoreError);
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM budong WHERE scancode='1'")).toString(), QStringLiteral("김철수"));
    EXPECT_EQ(rows(QStringLiteral("budong")), 3);
    EXPECT_EQ(db().transactionDepth(), 0);

    {
        Transaction transaction(db());
        sql(QStringLiteral("DELETE FROM budong WHERE scancode = '3'"));
        transaction.commit();
    }
    EXPECT_EQ(rows(QStringLiteral("budong")), 2);
}
