#include "data/batch_copy.h"
#include "data/query.h"
#include "data/store_error.h"
#include "data/transaction.h"
#include "tests/support/store_fixture.h"

#include <QTemporaryDir>

#include <functional>
#include <memory>

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

    // The case of A-Z is ignored, of no other letter, on either engine.
    sql(QStringLiteral("INSERT INTO budong (scancode, name) VALUES ('4', 'Ärzte')"));
    Query name;
    name.add(QStringLiteral("select S.\"scancode\" from \"BUDONG.DB\" S where S.\"name\" like :p"));
    const auto found = [&](const QString& typed) {
        name.setParam(QStringLiteral("p"), containsPattern(typed));
        name.open();
        return keys(name);
    };
    EXPECT_EQ(found(QStringLiteral("o'NEIL")), QStringList{QStringLiteral("2")});
    EXPECT_EQ(found(QStringLiteral("äRZTE")), QStringList{});
    EXPECT_EQ(found(QStringLiteral("ÄRZTE")), QStringList{QStringLiteral("4")});
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

// Values go into the store by their type and come back as the store holds
// them: whole numbers, doubles, texts, and NULL as a null text.
TEST_F(QueryTest, ParametersAndValuesKeepTheirTypes) {
    if (onServer()) GTEST_SKIP() << "asks SQLite's typeof(); the server's values are typed by their columns";
    Query q;
    q.add(QStringLiteral("select :nothing is null as nothing_null, :nulltext is null as nulltext_null,"));
    q.add(QStringLiteral(" :emptytext is null as emptytext_null, typeof(:whole) as whole_type,"));
    q.add(QStringLiteral(" :whole + 1 as whole, typeof(:fraction) as fraction_type, :fraction * 2 as fraction,"));
    q.add(QStringLiteral(" typeof(:flag) as flag_type, :flag as flag, :typed as typed, null as gone, '' as blank"));
    q.setParam(QStringLiteral("nothing"), QVariant());
    q.setParam(QStringLiteral("nulltext"), QString());
    q.setParam(QStringLiteral("emptytext"), QStringLiteral(""));
    q.setParam(QStringLiteral("whole"), qint64(5000000000));
    q.setParam(QStringLiteral("fraction"), 1.25);
    q.setParam(QStringLiteral("flag"), true);
    q.setParam(QStringLiteral("typed"), QStringLiteral("역삼동 O'Neil \"큰\""));
    q.open();
    EXPECT_EQ(q.integer(QStringLiteral("nothing_null")), 1);
    EXPECT_EQ(q.integer(QStringLiteral("nulltext_null")), 1);
    EXPECT_EQ(q.integer(QStringLiteral("emptytext_null")), 0);
    EXPECT_EQ(q.text(QStringLiteral("whole_type")), QStringLiteral("integer"));
    EXPECT_EQ(q.value(QStringLiteral("whole")).typeId(), QMetaType::LongLong);
    EXPECT_EQ(q.integer(QStringLiteral("whole")), qint64(5000000001));
    EXPECT_EQ(q.text(QStringLiteral("fraction_type")), QStringLiteral("real"));
    EXPECT_EQ(q.value(QStringLiteral("fraction")).typeId(), QMetaType::Double);
    EXPECT_EQ(q.number(QStringLiteral("fraction")), 2.5);
    EXPECT_EQ(q.text(QStringLiteral("flag_type")), QStringLiteral("integer"));
    EXPECT_EQ(q.integer(QStringLiteral("flag")), 1);
    EXPECT_EQ(q.text(QStringLiteral("typed")), QStringLiteral("역삼동 O'Neil \"큰\""));
    const QVariant gone = q.value(QStringLiteral("gone"));
    EXPECT_TRUE(gone.isNull());
    EXPECT_EQ(gone.typeId(), QMetaType::QString);
    const QVariant blank = q.value(QStringLiteral("blank"));
    EXPECT_FALSE(blank.isNull());
    EXPECT_TRUE(q.isNull(QStringLiteral("blank")));
    // The untyped columns take the type of their first value.
    EXPECT_EQ(q.field(QStringLiteral("whole")).type, FieldType::Integer);
    EXPECT_EQ(q.field(QStringLiteral("fraction")).type, FieldType::Float);
    EXPECT_EQ(q.field(QStringLiteral("typed")).type, FieldType::Text);
}

// Rows are read as they are visited, in any order, and kept: a later row
// first, then earlier ones, the count before the end is reached and after.
TEST_F(QueryTest, RowsAreReadAsVisitedInAnyOrder) {
    {
        Transaction transaction(db());
        for (int i = 1; i <= 300; ++i) {
            sql(QStringLiteral("INSERT INTO budong (scancode, name, tmprice) VALUES (?, ?, ?)"),
                {QStringLiteral("R%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("이름%1").arg(i), i * 10});
        }
        transaction.commit();
    }
    Query q;
    q.add(QStringLiteral("select S.\"scancode\", S.\"name\", S.\"tmprice\" from \"BUDONG.DB\" S"));
    q.add(QStringLiteral(" where S.\"scancode\" like :p order by S.\"scancode\""));
    q.setParam(QStringLiteral("p"), QStringLiteral("R%"));
    q.open();
    EXPECT_EQ(q.valueAt(249, 0).toString(), QStringLiteral("R250"));
    EXPECT_EQ(q.valueAt(4, 1).toString(), QStringLiteral("이름5"));
    EXPECT_EQ(q.valueAt(249, 2).toLongLong(), 2500);
    EXPECT_EQ(q.recordCount(), 300);
    EXPECT_FALSE(q.valueAt(300, 0).isValid());
    EXPECT_FALSE(q.valueAt(-1, 0).isValid());
    EXPECT_FALSE(q.valueAt(0, 3).isValid());

    ASSERT_TRUE(q.moveTo(120));
    EXPECT_EQ(q.text(QStringLiteral("scancode")), QStringLiteral("R121"));
    q.prior();
    EXPECT_EQ(q.text(QStringLiteral("scancode")), QStringLiteral("R120"));
    int visited = 0;
    for (q.first(); !q.eof(); q.next()) {
        EXPECT_EQ(q.text(QStringLiteral("scancode")), QStringLiteral("R%1").arg(visited + 1, 3, 10, QLatin1Char('0')));
        ++visited;
    }
    EXPECT_EQ(visited, 300);
    EXPECT_EQ(q.recNo(), 299);
    q.last();
    EXPECT_EQ(q.recNo(), 299);
    EXPECT_EQ(q.recordCount(), 300);
}

// A query reads the table until it is closed or has read every row; then the
// table can be dropped, and opening again runs the statement anew. A
// connection that closes first closes the queries reading from it.
TEST_F(QueryTest, ClosingAndReopeningReleaseTheStore) {
    if (onServer()) GTEST_SKIP() << "about SQLite's statements holding a table; a server query holds nothing between screens";
    sql(QStringLiteral("CREATE TABLE scratch (k INTEGER)"));
    sql(QStringLiteral("INSERT INTO scratch VALUES (1), (2), (3)"));
    Query q;
    q.add(QStringLiteral("select k from scratch order by k"));
    q.open();
    EXPECT_THROW(sql(QStringLiteral("DROP TABLE scratch")), StoreError);
    q.last();  // every row read: the statement is done with the table
    sql(QStringLiteral("INSERT INTO scratch VALUES (4)"));
    EXPECT_EQ(q.recordCount(), 3);
    q.open();
    EXPECT_EQ(q.recordCount(), 4);
    q.close();
    sql(QStringLiteral("DROP TABLE scratch"));
    try {
        q.open();
        FAIL() << "opened a dropped table";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.storeText(), QStringLiteral("no such table: scratch"));
    }
    EXPECT_FALSE(q.isOpen());

    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    auto other = std::make_unique<Database>(elsewhere.path());
    other->execute(QStringLiteral("INSERT INTO budong (scancode) VALUES ('a'), ('b')"));
    Query reader(other.get());
    reader.add(QStringLiteral("select S.\"scancode\" from \"BUDONG.DB\" S"));
    reader.open();
    ASSERT_EQ(reader.text(QStringLiteral("scancode")), QStringLiteral("a"));
    other.reset();
    EXPECT_FALSE(reader.isOpen());
    EXPECT_FALSE(reader.valueAt(0, 0).isValid());
}

// The store's own text travels with every failure: in preparing, in the first
// row, in a write; a row that cannot be read ends the result.
TEST_F(QueryTest, FailuresCarryTheStoresText) {
    if (onServer()) GTEST_SKIP() << "compares SQLite's own texts; the server's are checked in server_store_test";
    const auto storeTextOf = [](const std::function<void()>& action) {
        try {
            action();
        } catch (const StoreError& error) {
            return error.storeText();
        }
        return QStringLiteral("no failure");
    };
    Query overflow;
    overflow.add(QStringLiteral("select abs(-9223372036854775807 - 1) as v"));
    EXPECT_EQ(storeTextOf([&] { overflow.open(); }), QStringLiteral("integer overflow"));
    EXPECT_FALSE(overflow.isOpen());

    Query duplicate;
    duplicate.add(QStringLiteral("insert into \"BUDONG.DB\" (scancode) values (:key)"));
    duplicate.setParam(QStringLiteral("key"), QStringLiteral("1"));
    EXPECT_EQ(storeTextOf([&] { duplicate.exec(); }), QStringLiteral("UNIQUE constraint failed: budong.scancode"));

    Query two;
    two.add(QStringLiteral("delete from budong; delete from bucode"));
    EXPECT_NE(storeTextOf([&] { two.exec(); }), QStringLiteral("no failure"));
    Query write;
    write.add(QStringLiteral("delete from budong"));
    EXPECT_EQ(storeTextOf([&] { write.open(); }), QStringLiteral("not a select statement"));
    EXPECT_EQ(rows(QStringLiteral("budong")), 3);

    sql(QStringLiteral("CREATE TABLE scratch (k INTEGER)"));
    sql(QStringLiteral("INSERT INTO scratch VALUES (1), (-9223372036854775807 - 1), (3)"));
    Query partly;
    partly.add(QStringLiteral("select abs(k) as v from scratch order by rowid"));
    partly.open();
    EXPECT_EQ(partly.valueAt(0, 0).toLongLong(), 1);
    EXPECT_NO_THROW(EXPECT_FALSE(partly.valueAt(1, 0).isValid()));
    partly.first();
    partly.next();
    EXPECT_TRUE(partly.eof());
}
