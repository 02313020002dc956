// The match rule without a window: the statement that finds the listings
// for a client, run over a seeded store for every condition (empty bounds,
// regions and budgets included) and for the offered history; and both
// directions of the rule walked over every client and listing of a
// generated store.

#include "clients/client_match.h"
#include "clients/offered_history.h"
#include "data/query.h"
#include "tests/support/store_fixture.h"

#include <QSet>

#include <random>

namespace {

// Seven listings that the conditions tell apart.
//        deal  kind      name       address             land bldg  price   deposit open
//  L01   매매  아파트    래미안     서울 강남구 역삼동    30   25   50,000        0  Y
//  L02   매매  아파트    자이       서울 송파구 잠실동    20   33   90,000        0  N
//  L03   임대  아파트    Raemian    서울 강남구 삼성동     0   30        0   30,000  Y
//  L04   임대  상가      50%상가    부산 해운대구          0   40        0   10,000  Y
//  L05   매매  상가건물  -          서울 강남구 역삼동   100  300  200,000        0  Y
//  L06   매매  토지      -          성남시 분당구          -    0   30,000        -  Y
//  L07   전체  아파트    -          서울 강남구           25   25   40,000   20,000  Y
class MatchRuleTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        sql(QStringLiteral(
            "INSERT INTO budong (scancode, im, cname, cname1, addr, dpung, gpung, tmprice, "
            "ensurem, reqing, inday) VALUES "
            "('L01', '매매', '아파트', '래미안', '서울 강남구 역삼동', 30, 25, 50000, 0, 'Y', "
            "'2026-01-01'), "
            "('L02', '매매', '아파트', '자이', '서울 송파구 잠실동', 20, 33, 90000, 0, 'N', "
            "'2026-01-02'), "
            "('L03', '임대', '아파트', 'Raemian', '서울 강남구 삼성동', 0, 30, 0, 30000, 'Y', "
            "'2026-01-03'), "
            "('L04', '임대', '상가', '50%상가', '부산 해운대구', 0, 40, 0, 10000, 'Y', "
            "'2026-01-04'), "
            "('L05', '매매', '상가건물', '', '서울 강남구 역삼동', 100, 300, 200000, 0, 'Y', "
            "'2026-01-05'), "
            "('L06', '매매', '토지', NULL, '성남시 분당구', NULL, 0, 30000, NULL, 'Y', "
            "'2026-01-06'), "
            "('L07', '전체', '아파트', '', '서울 강남구', 25, 25, 40000, 20000, 'Y', "
            "'2026-01-07')"));
    }

    static QStringList matched(const ClientWishes& client, const MatchSettings& settings,
                               const MatchView& view = {}) {
        Query query;
        buildClientMatch(client, settings, view).applyTo(query);
        query.open();
        QStringList keys;
        for (query.first(); !query.eof(); query.next())
            keys.append(query.text(QStringLiteral("scancode")));
        return keys;
    }
};

ClientWishes wishes(
    const char* im,
    std::initializer_list<std::pair<QString ClientWishes::*, const char*>> texts = {}) {
    ClientWishes client;
    client.scancode = QStringLiteral("C1");
    client.im = QString::fromUtf8(im);
    for (const auto& [field, text] : texts)
        client.*field = QString::fromUtf8(text);
    return client;
}

ClientWishes withNumbers(
    ClientWishes client,
    std::initializer_list<std::pair<std::optional<qint64> ClientWishes::*, qint64>> numbers) {
    for (const auto& [field, value] : numbers)
        client.*field = value;
    return client;
}

MatchSettings ticked(const char* text) {
    return MatchSettings::fromText(QString::fromLatin1(text));
}

using W = ClientWishes;
const QStringList kAll{"L01", "L02", "L03", "L04", "L05", "L06", "L07"};

}  // namespace

TEST_F(MatchRuleTest, EveryConditionSelectsExactlyTheFittingListings) {
    const struct {
        const char* what;
        ClientWishes client;
        const char* settings;  // 분류 선호지역 건평 대지 예산 부동산명 의뢰중만
        QStringList expected;
    } cases[] = {
        {"전체 and nothing ticked: every listing by receipt date", wishes("전체"), "0000000", kAll},
        {"an empty kind is no kind", wishes(""), "0000000", kAll},
        {"매수 looks for 매매", wishes("매수"), "0000000", {"L01", "L02", "L05", "L06"}},
        {"임대", wishes("임대"), "0000000", {"L03", "L04"}},
        {"unticked wishes take no part",
         wishes("매수", {{&W::wantcom, "없는이름"}, {&W::cname, "토지"}, {&W::addr, "제주"}}),
         "0000000",
         {"L01", "L02", "L05", "L06"}},
        {"wanted name", wishes("전체", {{&W::wantcom, "래미안"}}), "0000010", {"L01"}},
        {"wanted name in other ASCII case",
         wishes("전체", {{&W::wantcom, "raemian"}}),
         "0000010",
         {"L03"}},
        {"a percent sign is a percent sign",
         wishes("전체", {{&W::wantcom, "%"}}),
         "0000010",
         {"L04"}},
        {"a quote is a quote", wishes("전체", {{&W::wantcom, "' or '1'='1"}}), "0000010", {}},
        {"category holds the wish",
         wishes("전체", {{&W::cname, "상가"}}),
         "1000000",
         {"L04", "L05"}},
        {"category 전체 is none",
         wishes("매수", {{&W::cname, "전체"}}),
         "1000000",
         {"L01", "L02", "L05", "L06"}},
        {"two regions",
         wishes("전체", {{&W::addr, "역삼,잠실"}}),
         "0100000",
         {"L01", "L02", "L05"}},
        {"regions trimmed, empty parts skipped",
         wishes("전체", {{&W::addr, ",, 삼성 ,"}}),
         "0100000",
         {"L03"}},
        {"a list of blanks and commas is none",
         wishes("임대", {{&W::addr, " , ,"}}),
         "0100000",
         {"L03", "L04"}},
        {"land range",
         withNumbers(wishes("전체"), {{&W::dpungl, 20}, {&W::dpungu, 30}}),
         "0001000",
         {"L01", "L02", "L07"}},
        {"land upper bound 0 is none",
         withNumbers(wishes("전체"), {{&W::dpungl, 25}, {&W::dpungu, 0}}),
         "0001000",
         {"L01", "L05", "L07"}},
        {"land bounds 0 and 0 are none",
         withNumbers(wishes("전체"), {{&W::dpungl, 0}, {&W::dpungu, 0}}), "0001000", kAll},
        {"building range",
         withNumbers(wishes("전체"), {{&W::gpungl, 30}, {&W::gpungu, 40}}),
         "0010000",
         {"L02", "L03", "L04"}},
        {"building upper bound only",
         withNumbers(wishes("매수"), {{&W::gpungu, 30}}),
         "0010000",
         {"L01", "L06"}},
        {"a buyer's budget limits the price",
         withNumbers(wishes("매수"), {{&W::yesan, 50000}}),
         "0000100",
         {"L01", "L06"}},
        {"a tenant's budget limits the deposit",
         withNumbers(wishes("임대"), {{&W::yesan, 20000}}),
         "0000100",
         {"L04"}},
        {"전체 compares each listing by its own kind",
         withNumbers(wishes("전체"), {{&W::yesan, 40000}}),
         "0000100",
         {"L03", "L04", "L06"}},
        {"a budget of 0 is none",
         withNumbers(wishes("매수"), {{&W::yesan, 0}}),
         "0000100",
         {"L01", "L02", "L05", "L06"}},
        {"open listings only", wishes("매수"), "0000001", {"L01", "L05", "L06"}},
        {"everything together",
         withNumbers(wishes("매수", {{&W::cname, "아파트"}, {&W::addr, "강남, 송파"}}),
                     {{&W::dpungl, 10},
                      {&W::dpungu, 40},
                      {&W::gpungl, 20},
                      {&W::gpungu, 35},
                      {&W::yesan, 100000}}),
         "1111101",
         {"L01"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matched(c.client, ticked(c.settings)), c.expected) << c.what;
}

TEST_F(MatchRuleTest, StatementBindsEveryValueOfTheClientAndKeepsTheRegionLinesShape) {
    const ClientWishes client =
        withNumbers(wishes("매수", {{&W::addr, "역삼\", 잠실"}, {&W::wantcom, "x'"}}),
                    {{&W::dpungl, 10}, {&W::dpungu, 40}, {&W::yesan, 5000}});
    const ClientStatement statement = buildClientMatch(client, ticked("1111111"));
    const QString text = statement.lines.join(u'\n');
    for (const char* typed : {"역삼", "잠실", "x'", "매매\""})
        EXPECT_FALSE(text.contains(QString::fromUtf8(typed))) << typed;
    // The region list: the joiner with "(", a line per region, "or" between, ")".
    const qsizetype open = statement.lines.indexOf(QStringLiteral(" and ("));
    ASSERT_GE(open, 0) << text.toStdString();
    EXPECT_EQ(statement.lines.mid(open, 5), (QStringList{" and (", " S.\"addr\" like :m3r1", "or",
                                                         " S.\"addr\" like :m3r2", ")"}));
    EXPECT_EQ(statement.param(QStringLiteral("m3r1")), QVariant(QStringLiteral("%역삼\"%")));
    // The client's numbers go in as numbers.
    for (const QString& name : {QStringLiteral("m4"), QStringLiteral("m5"), QStringLiteral("m6")})
        EXPECT_EQ(statement.param(name).typeId(), QMetaType::LongLong) << name.toStdString();
    EXPECT_EQ(statement.lines.last(), QStringLiteral(" order by S.\"inday\""));
}

TEST_F(MatchRuleTest, OfferedListingsShowTheirLastDayAndCanBeHidden) {
    sql(QStringLiteral("INSERT INTO burequ (scancode, im) VALUES ('C1', '매수'), ('C2', '매수')"));
    ASSERT_TRUE(markOffered(QStringLiteral("C1"), {"L01", "L05", "L99"}, "2026-11-01", "첫 방문"));
    ASSERT_TRUE(markOffered(QStringLiteral("C1"), {"L01"}, "2026-12-01", QString()));
    ASSERT_TRUE(markOffered(QStringLiteral("C2"), {"L02"}, "2026-12-01", QString()));
    EXPECT_FALSE(markOffered(QStringLiteral("C9"), {"L01"}, "2026-12-01", QString()));
    EXPECT_EQ(rows(QStringLiteral("buoffer")), 4) << "a missing listing or client is not recorded";

    Query query;
    buildClientMatch(wishes("매수"), {}).applyTo(query);
    query.open();
    QStringList days;
    for (query.first(); !query.eof(); query.next())
        days.append(query.text(QStringLiteral("scancode")) + u'=' +
                    query.text(QStringLiteral("offerday")));
    EXPECT_EQ(days, (QStringList{"L01=2026-12-01", "L02=", "L05=2026-11-01", "L06="}));
    EXPECT_EQ(matched(wishes("매수"), {}, {.hideOffered = true}), (QStringList{"L02", "L06"}));

    // Marking again the same day keeps one row; a note given then replaces the old one.
    ASSERT_TRUE(markOffered(QStringLiteral("C1"), {"L05"}, "2026-11-01", "재방문"));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT group_concat(remark) FROM buoffer WHERE scanbud = 'L05'")),
        QVariant(QStringLiteral("재방문")));
}

// --- Both directions ---------------------------------------------------------

namespace {

// A store of generated listings and clients whose fields are drawn from
// small pools of ordinary and awkward values: NULLs, zeros, empty texts, a
// text where a number belongs, letters in either case, commas and blanks
// in the region lists.
class BothDirectionsTest : public StoreTest {
protected:
    void SetUp() override {
        if (testsOnServer()) GTEST_SKIP() << "stores empty texts in number fields, which only SQLite keeps";
        StoreTest::SetUp();
        std::mt19937 random(20261208);
        const auto pick = [&random](const QVariantList& pool) {
            return pool.at(static_cast<qsizetype>(random() % pool.size()));
        };
        const QVariant null;
        const QVariantList kinds{"매매", "임대", "매매", "임대", "전체", null, ""};
        const QVariantList categories{"아파트", "상가", "상가건물", "토지", null};
        const QVariantList names{"래미안", "Raemian 2차", "50%상가", "", null};
        const QVariantList addresses{"서울 강남구 역삼동", "서울 송파구 잠실동", "SEOUL Gangnam",
                                     "부산 해운대구", null};
        const QVariantList areas{0, 10, 25, 30, 100, null, ""};
        const QVariantList amounts{0, 10000, 30000, 50000, 90000, null};
        const QVariantList flags{"Y", "Y", "N", null};
        for (int i = 0; i < 40; ++i) {
            sql(QStringLiteral("INSERT INTO budong (scancode, im, cname, cname1, addr, dpung, "
                               "gpung, tmprice, ensurem, reqing, inday) VALUES "
                               "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {QStringLiteral("L%1").arg(i, 2, 10, QLatin1Char('0')), pick(kinds),
                 pick(categories), pick(names), pick(addresses), pick(areas), pick(areas),
                 pick(amounts), pick(amounts), pick(flags),
                 QStringLiteral("2026-%1-01").arg(i % 12 + 1, 2, 10, QLatin1Char('0'))});
        }
        const QVariantList clientKinds{"매수", "임대", "전체", "", null};
        const QVariantList wanted{"", "래미안", "raemian", "%", null};
        const QVariantList clientCategories{"전체", "아파트", "상가", "", null};
        const QVariantList regions{"", "역삼, 잠실", ",,seoul,", " , ", "강남", null};
        const QVariantList bounds{0, 20, 30, null};
        const QVariantList budgets{0, 30000, 60000, null};
        const QVariantList statuses{"문의", "계약", "취소", null};
        for (int i = 0; i < 16; ++i) {
            sql(QStringLiteral("INSERT INTO burequ (scancode, im, cname, wantcom, addr, yesan, "
                               "dpungl, dpungu, gpungl, gpungu, working, inday) VALUES "
                               "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {QStringLiteral("C%1").arg(i, 2, 10, QLatin1Char('0')), pick(clientKinds),
                 pick(clientCategories), pick(wanted), pick(regions), pick(budgets), pick(bounds),
                 pick(bounds), pick(bounds), pick(bounds), pick(statuses),
                 QStringLiteral("2026-%1-15").arg(i % 12 + 1, 2, 10, QLatin1Char('0'))});
        }
    }
};

QStringList keysOf(const char* table, Query& query) {
    query.add(QStringLiteral("select S.\"scancode\" from \"%1\" S").arg(QLatin1String(table)));
    query.open();
    QStringList keys;
    for (query.first(); !query.eof(); query.next())
        keys.append(query.text(QStringLiteral("scancode")));
    return keys;
}

}  // namespace

TEST_F(BothDirectionsTest, AListingFoundForAClientFindsThatClientBack) {
    Query listingQuery;
    Query clientQuery;
    const QStringList listings = keysOf("BUDONG.DB", listingQuery);
    const QStringList clients = keysOf("BUREQU.DB", clientQuery);
    int found = 0;
    int notFound = 0;
    for (int bits = 0; bits < 128; ++bits) {
        QString text;
        for (int box = 0; box < 7; ++box)
            text += (bits >> box) & 1 ? u'1' : u'0';
        const MatchSettings settings = MatchSettings::fromText(text);

        // Client to listings, through the statement the client list runs.
        QSet<QString> forward;
        Query client;
        client.add(
            QStringLiteral("select S.\"scancode\", S.\"name\", S.\"im\", S.\"cname\", "
                           "S.\"wantcom\", S.\"addr\", S.\"working\", S.\"yesan\", "
                           "S.\"dpungl\", S.\"dpungu\", S.\"gpungl\", S.\"gpungu\" "
                           "from \"BUREQU.DB\" S"));
        client.open();
        for (client.first(); !client.eof(); client.next()) {
            const ClientWishes wishes = clientWishesOf(client);
            Query match;
            buildClientMatch(wishes, settings).applyTo(match);
            match.open();
            for (match.first(); !match.eof(); match.next())
                forward.insert(wishes.scancode + u'/' + match.text(QStringLiteral("scancode")));
        }
        // Listing to clients, through the rule the listing forms use.
        QSet<QString> backward;
        for (const QString& listing : listings) {
            const std::optional<MatchListing> facts = loadMatchListing(listing);
            ASSERT_TRUE(facts);
            for (const FittingClient& fitting : clientsFittingListing(*facts, settings))
                backward.insert(fitting.scancode + u'/' + listing);
        }
        EXPECT_EQ(forward, backward) << "settings " << text.toStdString();
        found += static_cast<int>(forward.size());
        notFound += static_cast<int>(listings.size() * clients.size() - forward.size());
    }
    // The walk compared real choices: pairs that fit and pairs that do not.
    EXPECT_GT(found, 1000);
    EXPECT_GT(notFound, 1000);
}

TEST(MatchSettingsText, ShortOrOddTextsReadAsUnticked) {
    EXPECT_EQ(MatchSettings::fromText(QString()), MatchSettings{});
    EXPECT_EQ(MatchSettings::fromText(QStringLiteral("1")).text(), QStringLiteral("1000000"));
    EXPECT_EQ(MatchSettings::fromText(QStringLiteral("010101")).text(), QStringLiteral("0101010"));
    EXPECT_TRUE(MatchSettings::fromText(QStringLiteral("0000001")).openOnly);
    EXPECT_EQ(MatchSettings::fromText(QStringLiteral("1x1Y1 11111")).text(),
              QStringLiteral("1010101"));
}
