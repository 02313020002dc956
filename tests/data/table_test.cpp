#include "data/table.h"
#include "data/store_error.h"
#include "tests/support/store_fixture.h"

namespace {
void addListing(Table& t, const QString& key, const QString& name) {
    t.append();
    t.setValue(QStringLiteral("scancode"), key);
    t.setValue(QStringLiteral("name"), name);
    t.post();
}
}  // namespace

class TableTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        Table t(QStringLiteral("BUDONG.DB"));
        t.open();
        addListing(t, QStringLiteral("B"), QStringLiteral("둘째"));
        addListing(t, QStringLiteral("C"), QStringLiteral("셋째"));
        addListing(t, QStringLiteral("A"), QStringLiteral("첫째"));
    }
};

TEST_F(TableTest, EverySpellingWalksTheSameRowsInKeyOrder) {
    for (const char* spelling : {"BUDONG.DB", "budong.DB", "budong.db", "budong"}) {
        Table t(QString::fromUtf8(spelling));
        t.open();
        QStringList keys;
        for (t.first(); !t.eof(); t.next())
            keys.append(t.text(QStringLiteral("scancode")));
        EXPECT_EQ(keys,
                  (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}))
            << spelling;
        EXPECT_EQ(t.recordCount(), 3);
    }
}

TEST_F(TableTest, FindKeyFoundAndNotFound) {
    Table t(QStringLiteral("budong"));
    t.open();
    ASSERT_TRUE(t.findKey(QStringLiteral("B")));
    EXPECT_EQ(t.text(QStringLiteral("name")), QStringLiteral("둘째"));
    EXPECT_FALSE(t.findKey(QStringLiteral("Z")));
    // The row found before stays current.
    EXPECT_EQ(t.text(QStringLiteral("scancode")), QStringLiteral("B"));
    EXPECT_FALSE(t.eof());
}

TEST_F(TableTest, WalkEndsOnTheLastRowAndEmptyTableIsAtItsEnd) {
    Table t(QStringLiteral("budong"));
    t.open();
    t.last();
    EXPECT_FALSE(t.eof());
    t.next();
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.text(QStringLiteral("scancode")), QStringLiteral("C"));

    Table empty(QStringLiteral("MEMO.DB"));
    empty.open();
    EXPECT_TRUE(empty.eof());
    EXPECT_TRUE(empty.value(QStringLiteral("Memotitle")).isNull());
}

TEST_F(TableTest, EditDeleteAndKeyViolation) {
    Table t(QStringLiteral("budong"));
    t.open();
    ASSERT_TRUE(t.findKey(QStringLiteral("A")));
    t.edit();
    t.setValue(QStringLiteral("name"), QStringLiteral("김\"철수"));
    t.post();
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM budong WHERE scancode='A'")).toString(),
              QStringLiteral("김\"철수"));

    t.append();
    t.setValue(QStringLiteral("scancode"), QStringLiteral("B"));
    EXPECT_THROW(t.post(), StoreError);
    t.cancel();
    EXPECT_EQ(rows(QStringLiteral("budong")), 3);

    ASSERT_TRUE(t.findKey(QStringLiteral("C")));
    t.deleteRow();
    EXPECT_EQ(rows(QStringLiteral("budong")), 2);
    // Deleting the last row leaves the walk at its end.
    EXPECT_TRUE(t.eof());
    EXPECT_THROW(t.setValue(QStringLiteral("name"), QStringLiteral("x")), StoreError);
}

TEST_F(TableTest, TextLongerThanItsFieldIsRefusedNotCut) {
    Table t(QStringLiteral("budong"));
    t.open();
    t.append();
    t.setValue(QStringLiteral("scancode"), QStringLiteral("D"));
    t.setValue(QStringLiteral("name"),
               QStringLiteral("가나다라마바"));  // 12 bytes in a 10-byte field
    try {
        t.post();
        FAIL() << "a 12-byte name was stored in a 10-byte field";
    } catch (const StoreError& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).contains(QStringLiteral("name")));
    }
    t.setValue(QStringLiteral("name"), QStringLiteral("가나다라마"));  // exactly 10 bytes
    t.post();
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM budong WHERE scancode='D'")).toString(),
              QStringLiteral("가나다라마"));
}

TEST_F(TableTest, SecondaryIndexGivesAListingsPhotosTogether) {
    sql(QStringLiteral(
        "INSERT INTO pict (scancode, scanbud, filename) VALUES "
        "('p1','L2','A.JPG'), ('p2','L1','B.JPG'), ('p3','L2','C.JPG'), ('p4','L1','D.JPG')"));
    Table t(QStringLiteral("PICT.DB"));
    t.setIndexName(QStringLiteral("PICT_SCANBUD"));
    t.open();
    ASSERT_TRUE(t.findKey(QStringLiteral("L2")));
    QStringList files;
    while (!t.eof() && t.text(QStringLiteral("scanbud")) == QStringLiteral("L2")) {
        files.append(t.text(QStringLiteral("filename")));
        t.next();
    }
    EXPECT_EQ(files, (QStringList{QStringLiteral("A.JPG"), QStringLiteral("C.JPG")}));
    // Back on the primary key a photo is found by its own number.
    t.setIndexName(QString());
    ASSERT_TRUE(t.findKey(QStringLiteral("p4")));
    EXPECT_EQ(t.text(QStringLiteral("filename")), QStringLiteral("D.JPG"));
    EXPECT_THROW(t.setIndexName(QStringLiteral("NO_SUCH_INDEX")), StoreError);
}

TEST_F(TableTest, TableWithoutKeyKeepsInsertionOrder) {
    Table t(QStringLiteral("MEMO.DB"));
    t.open();
    for (const char* title : {"다", "가", "나"}) {
        t.append();
        t.setValue(QStringLiteral("Memotitle"), QString::fromUtf8(title));
        t.post();
    }
    QStringList titles;
    for (t.first(); !t.eof(); t.next())
        titles.append(t.text(QStringLiteral("Memotitle")));
    EXPECT_EQ(titles,
              (QStringList{QStringLiteral("다"), QStringLiteral("가"), QStringLiteral("나")}));
}

// A contract saved without a number gets one more than the largest, on
// either engine: also after rows came in with their numbers (an import, a
// copy of the store), and in a table made later with such a key.
TEST_F(TableTest, ARowSavedWithoutItsNumberIsNumberedAfterTheLargest) {
    sql(QStringLiteral("INSERT INTO cont_1 (contno, sojaji) VALUES (41, '가')"));
    sql(QStringLiteral("INSERT INTO cont_1 (sojaji) VALUES ('나')"));
    Table contracts(QStringLiteral("CONT_1.DB"));
    contracts.open();
    contracts.append();
    contracts.setValue(QStringLiteral("sojaji"), QStringLiteral("다"));
    contracts.post();
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(contno || sojaji, ' ') FROM "
                                    "(SELECT contno, sojaji FROM cont_1 ORDER BY contno)"))
                  .toString(),
              QStringLiteral("41가 42나 43다"));

    sql(QStringLiteral("CREATE TABLE later (n INTEGER PRIMARY KEY, t VARCHAR(4))"));
    sql(QStringLiteral("INSERT INTO later (n, t) VALUES (7, 'a')"));
    sql(QStringLiteral("INSERT INTO later (t) VALUES ('b')"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT max(n) FROM later")).toInt(), 8);
}
