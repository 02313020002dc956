// The statement of the listing search, as data: its lines after the column
// list, its parameters, and the ranges it refuses.

#include "listings/listing_search.h"
#include "listings/listing_columns.h"
#include "listings/total_amount_words.h"

#include <gtest/gtest.h>

namespace {

using Params = QList<std::pair<QString, QVariant>>;
using In = ListingSearchInput;

QString where(const char* line) {
    return QStringLiteral(" where ") + QString::fromUtf8(line);
}
QString andLine(const char* line) {
    return QStringLiteral(" and ") + QString::fromUtf8(line);
}

const QString kReqing = QStringLiteral("S.\"reqing\" = \"Y\"");
const QString kKwanggo = QStringLiteral(" and S.\"kwanggo\" = \"N\"");
const QString kByNumber = QStringLiteral(" order by S.\"scancode\"");

// A search panel with the given texts typed, date kind and sort order chosen.
In with(std::initializer_list<std::pair<QString In::*, const char*>> texts,
        ListingDateField date = ListingDateField::ExpireDay,
        ListingSortOrder order = ListingSortOrder::Scancode) {
    In input;
    for (const auto& [field, text] : texts)
        input.*field = QString::fromUtf8(text);
    input.dateField = date;
    input.sortOrder = order;
    return input;
}

}  // namespace

TEST(ListingSearch, StatementForEachKindOfCondition) {
    const QString reqingFirst = QStringLiteral(" where ") + kReqing;
    const QString reqingAfter = QStringLiteral(" and ") + kReqing;
    In flagsTurnedOver;
    flagsTurnedOver.reqing = false;
    flagsTurnedOver.kwanggo = true;
    const struct {
        const char* what;
        ListingSearchInput input;
        QStringList lines;
        Params params;
    } cases[] = {
        {"empty panel", with({}), {reqingFirst, kKwanggo, kByNumber}, {}},
        {"flags turned over",
         flagsTurnedOver,
         {where("S.\"reqing\" = \"N\""), andLine("S.\"kwanggo\" = \"Y\""), kByNumber},
         {}},
        {"kind as a constant, codes and names bound, in panel order",
         with({{&In::im, "임대"}, {&In::cname, "상가\"주택"}, {&In::cname1, "래미안"}}),
         {where("S.\"im\" = \"임대\""), andLine("S.\"cname\" = :p2"), andLine("S.\"cname1\" like :p3"),
          reqingAfter, kKwanggo, kByNumber},
         Params{{"p2", "상가\"주택"}, {"p3", "%래미안%"}}},
        {"전체 in both lists",
         with({{&In::im, "전체"}, {&In::cname, "전체"}}),
         {reqingFirst, kKwanggo, kByNumber},
         {}},
        {"upper bound only",
         with({{&In::totalmRange, "      -   250"}}),
         {where("S.\"tmprice\" <= :tm2"), reqingAfter, kKwanggo, kByNumber},
         Params{{"tm2", qint64(250000)}}},
        {"stair 03",
         with({{&In::stairRange, "03-  "}}),
         {where("S.\"stair\" >= :tm7"), reqingAfter, kKwanggo, kByNumber},
         Params{{"tm7", qint64(3)}}},
        {"amount and area bounds",
         with({{&In::totalmRange, "    10-      "},
               {&In::dpungRange, "   30-  100"},
               {&In::gpungRange, "12   -     "}}),
         {where("S.\"tmprice\" >= :tm1"), andLine("S.\"dpung\" >= :tm3"),
          andLine("S.\"dpung\" <= :tm4"), andLine("S.\"gpung\" >= :tm5"), reqingAfter, kKwanggo,
          kByNumber},
         Params{{"tm1", qint64(10000)},
                {"tm3", qint64(30)},
                {"tm4", qint64(100)},
                {"tm5", qint64(12)}}},
        {"name and address over two lines each",
         with({{&In::name1, "김"}, {&In::addr, "역삼"}}),
         {where("(S.\"name1\" like :p12 "), QStringLiteral("or S.\"name\" like :p12)"),
          andLine("(S.\"addr\" like :p13"), QStringLiteral(" or S.\"addr1\" like :p13)"),
          reqingAfter, kKwanggo, kByNumber},
         Params{{"p12", "%김%"}, {"p13", "%역삼%"}}},
        {"typed % _ ' literal, agent ends with the text",
         with({{&In::buildname, "50%_'\""}, {&In::man, "_장"}}),
         {reqingFirst, kKwanggo, andLine("S.\"buildname\" like :p16"),
          andLine("S.\"man\" like :p17"), kByNumber},
         Params{{"p16", "%50\\%\\_'\"%"}, {"p17", "%\\_장"}}},
        {"dates without a date kind are lease ends",
         with({{&In::day1, "2026-01-01"}, {&In::day2, "2026-12-31"}}),
         {reqingFirst, kKwanggo, andLine("S.\"expireday\" >= :d1"),
          andLine("S.\"expireday\" <= :d2"), kByNumber},
         Params{{"d1", "2026-01-01"}, {"d2", "2026-12-31"}}},
        {"receipt date from only",
         with({{&In::day1, "2026-01-01"}}, ListingDateField::InDay),
         {reqingFirst, kKwanggo, andLine("S.\"inday\" >= :d1"), kByNumber},
         Params{{"d1", "2026-01-01"}}},
        {"kind order",
         with({}, ListingDateField::ExpireDay, ListingSortOrder::Cname),
         {reqingFirst, kKwanggo, QStringLiteral(" order by S.\"cname\"")},
         {}},
        {"address order",
         with({}, ListingDateField::ExpireDay, ListingSortOrder::Addr),
         {reqingFirst, kKwanggo, QStringLiteral(" order by S.\"addr\"")},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ListingStatement statement = buildListingSearch(c.input);
        ASSERT_TRUE(statement.ok());
        EXPECT_EQ(statement.lines.mid(0, listingSelectLines().size()), listingSelectLines());
        EXPECT_EQ(statement.lines.mid(listingSelectLines().size()), c.lines);
        EXPECT_EQ(statement.params, c.params);
        for (const QString& line : statement.lines) {
            EXPECT_FALSE(line.contains(u'%') || line.contains(u'\'') || line.contains(u'김') ||
                         line.contains(QStringLiteral("상가")))
                << "typed text stays out of the lines: " << line.toStdString();
        }
    }
}

TEST(ListingSearch, ExpiringLeasesIgnoreTheFlagsAndSortByLeaseEnd) {
    const ListingStatement statement =
        buildExpiringLeaseSearch(QStringLiteral("2026-12-08"), QStringLiteral("2027-01-07"));
    EXPECT_EQ(statement.lines.mid(listingSelectLines().size()),
              (QStringList{where("S.\"expireday\" >= :d1"), andLine("S.\"expireday\" <= :d2"),
                           QStringLiteral(" order by S.\"expireday\", S.\"scancode\"")}));
    EXPECT_EQ(statement.params, (Params{{"d1", "2026-12-08"}, {"d2", "2027-01-07"}}));
}

TEST(ListingSearch, RangeWithBlanksBetweenDigitsIsRefusedNamingTheFirstField) {
    const struct {
        ListingSearchInput input;
        const char* refusal;
        const char* field;
    } cases[] = {
        {with({{&In::totalmRange, "1 2   -      "}}), "합계금 범위는 숫자로 입력하세요 ...!",
         "EDtotalm"},
        {with({{&In::stairRange, "  -x1"}}), "층수 범위는 숫자로 입력하세요 ...!", "EDstair"},
        {with({{&In::gpungRange, "1 1  -     "}, {&In::stairRange, "1 -  "}}),
         "건평 범위는 숫자로 입력하세요 ...!", "EDgpung"},  // the first in the panel's order
    };
    for (const auto& c : cases) {
        const ListingStatement statement = buildListingSearch(c.input);
        EXPECT_FALSE(statement.ok()) << c.field;
        EXPECT_TRUE(statement.lines.isEmpty());
        EXPECT_TRUE(statement.params.isEmpty());
        EXPECT_EQ(statement.refusal, QString::fromUtf8(c.refusal));
        EXPECT_EQ(statement.refusedField, QLatin1String(c.field));
    }
}

TEST(ListingColumns, EveryGridFieldIsSelected) {
    const auto fields = listingGridFields();
    ASSERT_EQ(static_cast<int>(fields.size()), kListingGridFieldCount);
    for (const FieldDef& field : fields) {
        EXPECT_TRUE(listingQueryColumns().contains(field.name.toLower()))
            << field.name.toStdString();
    }
}

TEST(TotalAmountWords, BoundsAsWonInWords) {
    EXPECT_EQ(totalAmountCaption(QStringLiteral("    12-   300")),
              QStringLiteral("합계금▶ 일천이백만 >> 삼억  "));
    EXPECT_EQ(totalAmountCaption(QStringLiteral("      -     5")),
              QStringLiteral("합계금▶  >> 오백만"));
    EXPECT_EQ(totalAmountCaption(QStringLiteral("1 2   -      ")), QStringLiteral("합계금▶  >> "));
}
