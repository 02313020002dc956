#include "data/query.h"
#include "listings/listing_columns.h"
#include "listings/listing_search.h"
#include "tests/support/store_fixture.h"

#include <QSqlQuery>

// Counting the listing query: the count leaves the sort out and still agrees
// with the rows the statement gives; the store's indexes serve the search.

class ListingCountTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        sql(sequence(40) +
            QStringLiteral(
                "INSERT INTO budong (scancode, im, cname, addr, tmprice, reqing, kwanggo, "
                "expireday) SELECT %1, CASE WHEN i % 2 = 0 THEN '임대' ELSE '매매' END, "
                "CASE WHEN i % 3 = 0 THEN '상가' ELSE '아파트' END, '서울시 ' || (40 - i) || '동', "
                "i * 1000, CASE WHEN i % 4 = 0 THEN 'N' ELSE 'Y' END, "
                "CASE WHEN i % 5 = 0 THEN 'Y' ELSE 'N' END, %2 FROM seq")
                .arg(padded(QStringLiteral("K"), 3),
                     padded(QStringLiteral("2027-01-"), 2, QStringLiteral("i % 28 + 1"))));
    }

    static int steppedRows(Query& query) {
        int rows = 0;
        for (query.first(); !query.eof(); query.next())
            ++rows;
        return rows;
    }

    QStringList plan(const QString& sql, const QVariantList& values) {
        QSqlQuery query(db().connection());
        query.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + sql);
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        EXPECT_TRUE(query.exec());
        QStringList details;
        while (query.next())
            details.append(query.value(3).toString());
        return details;
    }
};

TEST_F(ListingCountTest, CountAgreesWithTheRowsInEverySortOrder) {
    for (const ListingSortOrder order :
         {ListingSortOrder::Scancode, ListingSortOrder::Cname, ListingSortOrder::Addr}) {
        ListingSearchInput input;
        input.sortOrder = order;
        input.totalmRange = QStringLiteral("     5-    30");
        Query query;
        buildListingSearch(input).applyTo(query);
        query.open();
        // 5,000..30,000: i = 5..30, with reqing Y (i not a multiple of 4) and kwanggo N (not of 5).
        EXPECT_EQ(query.recordCount(), 15);
        EXPECT_EQ(steppedRows(query), 15);
    }
}

TEST_F(ListingCountTest, LimitAndParametersInTheSortAreKept) {
    Query limited;
    limited.add(QStringLiteral(
        "select S.\"scancode\" from \"BUDONG.DB\" S order by S.\"scancode\" limit 7"));
    limited.open();
    EXPECT_EQ(limited.recordCount(), 7);

    Query sortedByParameter;
    sortedByParameter.add(
        QStringLiteral("select S.\"scancode\" from \"BUDONG.DB\" S where S.\"im\" = :im"));
    sortedByParameter.add(QStringLiteral(
        " order by case when S.\"cname\" = :first then 0 else 1 end, S.\"scancode\""));
    sortedByParameter.setParam(QStringLiteral("im"), QStringLiteral("임대"));
    sortedByParameter.setParam(QStringLiteral("first"), QStringLiteral("상가"));
    sortedByParameter.open();
    EXPECT_EQ(sortedByParameter.recordCount(), 20);
    EXPECT_EQ(sortedByParameter.text(QStringLiteral("scancode")), QStringLiteral("K006"));

    // "order" inside a quoted text or a sub-select is not the closing sort.
    Query quoted;
    quoted.add(QStringLiteral(
        "select S.\"scancode\" from \"BUDONG.DB\" S where S.\"addr\" <> \"order by\""));
    quoted.add(
        QStringLiteral(" and S.\"scancode\" in (select B.\"scancode\" from \"BUDONG.DB\" B "
                       "order by B.\"scancode\" limit 3)"));
    quoted.open();
    EXPECT_EQ(quoted.recordCount(), 3);
}

TEST_F(ListingCountTest, SearchesReadTheListingIndexes) {
    if (onServer())
        GTEST_SKIP() << "reads SQLite's query plan; the server plans by its own statistics";
    Query query;
    buildListingSearch({}).applyTo(query);
    const TranslatedSql sql = query.translated();
    const QVariantList flags{};  // the check boxes are constants of the statement
    // Number order straight from the index, without sorting the result.
    const QStringList rows = plan(sql.sql, flags);
    EXPECT_TRUE(rows.join(u'|').contains(QStringLiteral("budong_search")))
        << rows.join(u'|').toStdString();
    EXPECT_FALSE(rows.join(u'|').contains(QStringLiteral("TEMP B-TREE")));
    // The count without the sort reads the index alone.
    const QString unsorted = sql.sql.left(sql.sql.lastIndexOf(QStringLiteral("order by")));
    const QStringList count =
        plan(QStringLiteral("SELECT count(*) FROM (") + unsorted + QStringLiteral(")"), flags);
    EXPECT_TRUE(count.join(u'|').contains(QStringLiteral("COVERING INDEX")))
        << count.join(u'|').toStdString();

    Query expiring;
    buildExpiringLeaseSearch(QStringLiteral("2027-01-01"), QStringLiteral("2027-01-10"))
        .applyTo(expiring);
    const QStringList lease = plan(expiring.translated().sql,
                                   {QStringLiteral("2027-01-01"), QStringLiteral("2027-01-10")});
    EXPECT_TRUE(lease.join(u'|').contains(QStringLiteral("budong_expireday")))
        << lease.join(u'|').toStdString();
    EXPECT_FALSE(lease.join(u'|').contains(QStringLiteral("TEMP B-TREE")));
}
