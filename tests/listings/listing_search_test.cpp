#include "listings/listing_search.h"
#include "data/query.h"
#include "listings/listing_columns.h"
#include "listings/total_amount_words.h"

#include <gtest/gtest.h>

// The statement of the listing search, as data: its lines, joiners and
// parameters.

namespace {

// The lines after the column list.
QStringList conditionLines(const ListingStatement& statement) {
    return statement.lines.mid(listingSelectLines().size());
}

}  // namespace

TEST(ListingColumns, SelectListAndGridFields) {
    const QStringList select = listingSelectLines();
    ASSERT_EQ(select.size(), 34);
    EXPECT_EQ(select.first(), QStringLiteral("select "));
    EXPECT_EQ(select[1], QStringLiteral("S.\"scancode\","));
    EXPECT_EQ(select[15], QStringLiteral("S.\"gdsecond\","));
    EXPECT_EQ(select.last(), QStringLiteral("S.\"lastday\" from \"BUDONG.DB\" S"));

    const auto fields = listingGridFields();
    ASSERT_EQ(static_cast<int>(fields.size()), kListingGridFieldCount);
    EXPECT_EQ(fields[0].name, QStringLiteral("Scancode"));
    EXPECT_FALSE(fields[0].visible);
    EXPECT_EQ(fields[0].displayWidth, 17);  // from the field's size
    EXPECT_EQ(fields[2].displayLabel, QStringLiteral("구분"));
    EXPECT_EQ(fields[2].displayWidth, 5);
    EXPECT_EQ(fields[3].displayWidth, 8);
    EXPECT_EQ(fields[5].displayLabel, QStringLiteral("주   소"));
    EXPECT_EQ(fields[5].displayWidth, 15);
    EXPECT_EQ(fields[9].displayLabel, QStringLiteral("매매가"));
    EXPECT_EQ(fields[9].displayFormat, QStringLiteral("###,###"));
    EXPECT_EQ(fields[9].type, FieldType::Integer);
    EXPECT_TRUE(fields[18].displayFormat.isEmpty());  // 준공일 is text
    EXPECT_EQ(fields[31].name, QStringLiteral("Lastday"));
    int shown = 0;
    for (const FieldDef& field : fields)
        shown += field.visible ? 1 : 0;
    EXPECT_EQ(shown, 18);
    // Every grid field is a column of the select list.
    for (const FieldDef& field : fields) {
        EXPECT_TRUE(listingQueryColumns().contains(field.name.toLower()))
            << field.name.toStdString();
    }
}

TEST(ListingSearch, EmptyPanelGivesFlagsAndNumberOrder) {
    const ListingStatement statement = buildListingSearch({});
    ASSERT_TRUE(statement.ok());
    EXPECT_EQ(statement.lines.mid(0, 34), listingSelectLines());
    EXPECT_EQ(conditionLines(statement), (QStringList{QStringLiteral(" where S.\"reqing\" = :p14"),
                                                      QStringLiteral(" and S.\"kwanggo\" = :p15"),
                                                      QStringLiteral(" order by S.\"scancode\"")}));
    ASSERT_EQ(statement.params.size(), 2);
    EXPECT_EQ(statement.param(QStringLiteral("p14")), QVariant(QStringLiteral("Y")));
    EXPECT_EQ(statement.param(QStringLiteral("p15")), QVariant(QStringLiteral("N")));

    ListingSearchInput neither;
    neither.reqing = false;
    neither.kwanggo = true;
    const ListingStatement flipped = buildListingSearch(neither);
    EXPECT_EQ(flipped.param(QStringLiteral("p14")), QVariant(QStringLiteral("N")));
    EXPECT_EQ(flipped.param(QStringLiteral("p15")), QVariant(QStringLiteral("Y")));
}

TEST(ListingSearch, SortOrders) {
    ListingSearchInput input;
    input.sortOrder = ListingSortOrder::Cname;
    EXPECT_EQ(buildListingSearch(input).lines.last(), QStringLiteral(" order by S.\"cname\""));
    input.sortOrder = ListingSortOrder::Addr;
    EXPECT_EQ(buildListingSearch(input).lines.last(), QStringLiteral(" order by S.\"addr\""));
}

TEST(ListingSearch, DropDownChoicesAreBoundAndJoinedInPanelOrder) {
    ListingSearchInput input;
    input.im = QStringLiteral("임대");
    input.cname = QStringLiteral("상가\"주택");  // a code typed with a quote in the code form
    input.cname1 = QStringLiteral("래미안");
    const ListingStatement statement = buildListingSearch(input);
    EXPECT_EQ(conditionLines(statement).mid(0, 3),
              (QStringList{QStringLiteral(" where S.\"im\" = :p1"),
                           QStringLiteral(" and S.\"cname\" = :p2"),
                           QStringLiteral(" and S.\"cname1\" like :p3")}));
    EXPECT_EQ(statement.param(QStringLiteral("p1")), QVariant(QStringLiteral("임대")));
    EXPECT_EQ(statement.param(QStringLiteral("p2")), QVariant(QStringLiteral("상가\"주택")));
    EXPECT_EQ(statement.param(QStringLiteral("p3")), QVariant(QStringLiteral("%래미안%")));
    for (const QString& line : statement.lines)
        EXPECT_FALSE(line.contains(QStringLiteral("상가")));

    // "전체" in either list adds no condition.
    input.im = QStringLiteral("전체");
    input.cname = QStringLiteral("전체");
    EXPECT_FALSE(buildListingSearch(input).hasParam(QStringLiteral("p1")));
    EXPECT_FALSE(buildListingSearch(input).hasParam(QStringLiteral("p2")));
}

TEST(ListingSearch, RangesTakeEachBoundOnItsOwn) {
    ListingSearchInput upperOnly;
    upperOnly.totalmRange = QStringLiteral("      -   250");
    const ListingStatement amount = buildListingSearch(upperOnly);
    ASSERT_TRUE(amount.ok());
    EXPECT_EQ(conditionLines(amount).first(), QStringLiteral(" where S.\"tmprice\" <= :tm2"));
    EXPECT_FALSE(amount.hasParam(QStringLiteral("tm1")));
    EXPECT_EQ(amount.param(QStringLiteral("tm2")), QVariant(qint64(250000)));

    ListingSearchInput stair;
    stair.stairRange = QStringLiteral("03-  ");
    const ListingStatement floors = buildListingSearch(stair);
    EXPECT_EQ(conditionLines(floors).first(), QStringLiteral(" where S.\"stair\" >= :tm7"));
    EXPECT_EQ(floors.param(QStringLiteral("tm7")), QVariant(qint64(3)));
    EXPECT_FALSE(floors.hasParam(QStringLiteral("tm8")));

    ListingSearchInput areas;
    areas.totalmRange = QStringLiteral("    10-      ");
    areas.dpungRange = QStringLiteral("   30-  100");
    areas.gpungRange = QStringLiteral("12   -     ");
    const ListingStatement all = buildListingSearch(areas);
    EXPECT_EQ(conditionLines(all).mid(0, 4),
              (QStringList{QStringLiteral(" where S.\"tmprice\" >= :tm1"),
                           QStringLiteral(" and S.\"dpung\" >= :tm3"),
                           QStringLiteral(" and S.\"dpung\" <= :tm4"),
                           QStringLiteral(" and S.\"gpung\" >= :tm5")}));
    EXPECT_EQ(all.param(QStringLiteral("tm1")), QVariant(qint64(10000)));
    EXPECT_EQ(all.param(QStringLiteral("tm3")), QVariant(qint64(30)));
    EXPECT_EQ(all.param(QStringLiteral("tm4")), QVariant(qint64(100)));
    EXPECT_EQ(all.param(QStringLiteral("tm5")), QVariant(qint64(12)));
}

TEST(ListingSearch, RangeWithBlanksBetweenDigitsIsRefusedNamingTheField) {
    ListingSearchInput input;
    input.totalmRange = QStringLiteral("1 2   -      ");
    const ListingStatement statement = buildListingSearch(input);
    EXPECT_FALSE(statement.ok());
    EXPECT_TRUE(statement.lines.isEmpty());
    EXPECT_TRUE(statement.params.isEmpty());
    EXPECT_EQ(statement.refusal, QStringLiteral("합계금 범위는 숫자로 입력하세요 ...!"));
    EXPECT_EQ(statement.refusedField, QStringLiteral("EDtotalm"));

    ListingSearchInput floors;
    floors.stairRange = QStringLiteral("  -x1");
    const ListingStatement upper = buildListingSearch(floors);
    EXPECT_EQ(upper.refusal, QStringLiteral("층수 범위는 숫자로 입력하세요 ...!"));
    EXPECT_EQ(upper.refusedField, QStringLiteral("EDstair"));

    // The first bad field in the panel's order is the one named.
    ListingSearchInput two;
    two.gpungRange = QStringLiteral("1 1  -     ");
    two.stairRange = QStringLiteral("1 -  ");
    EXPECT_EQ(buildListingSearch(two).refusedField, QStringLiteral("EDgpung"));
}

TEST(ListingSearch, NameAndAddressSpanTwoLinesWithOneJoiner) {
    ListingSearchInput input;
    input.name1 = QStringLiteral("김");
    input.addr = QStringLiteral("역삼");
    const ListingStatement statement = buildListingSearch(input);
    EXPECT_EQ(conditionLines(statement).mid(0, 4),
              (QStringList{QStringLiteral(" where (S.\"name1\" like :p12 "),
                           QStringLiteral("or S.\"name\" like :p12)"),
                           QStringLiteral(" and (S.\"addr\" like :p13"),
                           QStringLiteral(" or S.\"addr1\" like :p13)")}));
    EXPECT_EQ(statement.param(QStringLiteral("p12")), QVariant(QStringLiteral("%김%")));
    EXPECT_EQ(statement.param(QStringLiteral("p13")), QVariant(QStringLiteral("%역삼%")));
}

TEST(ListingSearch, TypedWildcardsAndQuotesStayLiteral) {
    ListingSearchInput input;
    input.buildname = QStringLiteral("50%_'\"");
    input.man = QStringLiteral("_장");
    const ListingStatement statement = buildListingSearch(input);
    EXPECT_EQ(statement.param(QStringLiteral("p16")), QVariant(QStringLiteral("%50\\%\\_'\"%")));
    // The agent's name must end with the text.
    EXPECT_EQ(statement.param(QStringLiteral("p17")), QVariant(QStringLiteral("%\\_장")));
    EXPECT_TRUE(conditionLines(statement).contains(QStringLiteral(" and S.\"man\" like :p17")));
    for (const QString& line : statement.lines) {
        EXPECT_FALSE(line.contains(u'%')) << line.toStdString();
        EXPECT_FALSE(line.contains(u'\'')) << line.toStdString();
    }
}

TEST(ListingSearch, DatesFilterLeaseEndUnlessReceiptIsChosen) {
    ListingSearchInput input;
    input.day1 = QStringLiteral("2026-01-01");
    input.day2 = QStringLiteral("2026-12-31");
    const ListingStatement lease = buildListingSearch(input);
    const QStringList lines = conditionLines(lease);
    EXPECT_EQ(lines.mid(lines.size() - 3, 2),
              (QStringList{QStringLiteral(" and S.\"expireday\" >= :d1"),
                           QStringLiteral(" and S.\"expireday\" <= :d2")}));
    EXPECT_EQ(lease.param(QStringLiteral("d1")), QVariant(QStringLiteral("2026-01-01")));
    EXPECT_EQ(lease.param(QStringLiteral("d2")), QVariant(QStringLiteral("2026-12-31")));

    input.dateField = ListingDateField::InDay;
    input.day2.clear();
    const ListingStatement receipt = buildListingSearch(input);
    EXPECT_TRUE(conditionLines(receipt).contains(QStringLiteral(" and S.\"inday\" >= :d1")));
    EXPECT_FALSE(receipt.hasParam(QStringLiteral("d2")));
}

TEST(ListingSearch, ExpiringLeasesIgnoreTheFlagsAndSortByLeaseEnd) {
    const ListingStatement statement =
        buildExpiringLeaseSearch(QStringLiteral("2026-12-08"), QStringLiteral("2027-01-07"));
    EXPECT_EQ(conditionLines(statement),
              (QStringList{QStringLiteral(" where S.\"expireday\" >= :d1"),
                           QStringLiteral(" and S.\"expireday\" <= :d2"),
                           QStringLiteral(" order by S.\"expireday\", S.\"scancode\"")}));
    EXPECT_EQ(statement.param(QStringLiteral("d1")), QVariant(QStringLiteral("2026-12-08")));
    EXPECT_EQ(statement.param(QStringLiteral("d2")), QVariant(QStringLiteral("2027-01-07")));
}

TEST(ListingSearch, AppliesToAQueryReplacingTheOldStatement) {
    Query query;
    query.add(QStringLiteral("select 1"));
    query.setParam(QStringLiteral("stale"), 1);
    ListingSearchInput input;
    input.addr = QStringLiteral("동");
    const ListingStatement statement = buildListingSearch(input);
    statement.applyTo(query);
    EXPECT_EQ(query.lines(), statement.lines);
    EXPECT_FALSE(query.param(QStringLiteral("stale")).isValid());
    EXPECT_EQ(query.param(QStringLiteral("p13")), QVariant(QStringLiteral("%동%")));
    // Both like lines carry the escape character.
    EXPECT_EQ(query.translated().sql.count(QStringLiteral("ESCAPE")), 2);
}

TEST(TotalAmountWords, BothBoundsAsWonInWords) {
    EXPECT_EQ(totalAmountCaption(QStringLiteral("    12-   300")),
              QStringLiteral("합계금▶ 일천이백만 >> 삼억  "));
    EXPECT_EQ(totalAmountCaption(QStringLiteral("      -     5")),
              QStringLiteral("합계금▶  >> 오백만"));
    EXPECT_EQ(totalAmountCaption(QStringLiteral("1 2   -      ")), QStringLiteral("합계금▶  >> "));
}
