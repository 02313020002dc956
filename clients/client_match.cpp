#include "clients/client_match.h"

#include "data/query.h"
#include "data/sql_dialect.h"
#include "listings/listing_columns.h"
#include "listings/listing_record.h"

#include <algorithm>

namespace {

const QString kAll = QStringLiteral("전체");
const QString kSale = QStringLiteral("매매");
const QString kLease = QStringLiteral("임대");

// --- Reading values as the store holds them -------------------------------

// NULL comes from the store as a null text.
bool isStoreNull(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return true;
    return value.typeId() == QMetaType::QString && value.toString().isNull();
}

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Double:
            return true;
        default:
            return false;
    }
}

std::optional<qint64> wholeNumberOf(const QVariant& value) {
    if (isStoreNull(value)) return std::nullopt;
    if (isNumber(value)) return static_cast<qint64>(value.toDouble());
    bool ok = false;
    const qint64 number = value.toString().trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(number) : std::nullopt;
}

// The store's comparison of a column with a whole number: NULL is never
// compared, a text is larger than any number.
enum class Order { Less, Equal, Greater, None };
Order compareWith(const QVariant& value, qint64 number) {
    if (isStoreNull(value)) return Order::None;
    if (!isNumber(value)) return Order::Greater;
    const double v = value.toDouble();
    const auto n = static_cast<double>(number);
    return v < n ? Order::Less : v > n ? Order::Greater : Order::Equal;
}

bool atLeast(const QVariant& value, qint64 number) {
    const Order order = compareWith(value, number);
    return order == Order::Equal || order == Order::Greater;
}

bool atMost(const QVariant& value, qint64 number) {
    const Order order = compareWith(value, number);
    return order == Order::Equal || order == Order::Less;
}

// The store's `like` folds the case of ASCII letters only.
QString foldedAscii(QString text) {
    for (QChar& c : text) {
        if (c >= u'A' && c <= u'Z') c = QChar(static_cast<char16_t>(c.unicode() + 32));
    }
    return text;
}

bool holds(const QVariant& value, const QString& part) {
    if (isStoreNull(value)) return false;
    return foldedAscii(value.toString()).contains(foldedAscii(part));
}

bool equals(const QVariant& value, const QString& text) {
    return !isStoreNull(value) && value.toString() == text;
}

// --- The rule ---------------------------------------------------------------

const QVariant& columnOf(const MatchListing& listing, MatchColumn column) {
    switch (column) {
        case MatchColumn::Im:
            return listing.im;
        case MatchColumn::Cname:
            return listing.cname;
        case MatchColumn::Cname1:
            return listing.cname1;
        case MatchColumn::Addr:
            return listing.addr;
        case MatchColumn::Reqing:
            return listing.reqing;
        case MatchColumn::Dpung:
            return listing.dpung;
        case MatchColumn::Gpung:
            return listing.gpung;
        case MatchColumn::Tmprice:
            return listing.tmprice;
        case MatchColumn::Ensurem:
            break;
    }
    return listing.ensurem;
}

QString columnName(MatchColumn column) {
    switch (column) {
        case MatchColumn::Im:
            return QStringLiteral("im");
        case MatchColumn::Cname:
            return QStringLiteral("cname");
        case MatchColumn::Cname1:
            return QStringLiteral("cname1");
        case MatchColumn::Addr:
            return QStringLiteral("addr");
        case MatchColumn::Reqing:
            return QStringLiteral("reqing");
        case MatchColumn::Dpung:
            return QStringLiteral("dpung");
        case MatchColumn::Gpung:
            return QStringLiteral("gpung");
        case MatchColumn::Tmprice:
            return QStringLiteral("tmprice");
        case MatchColumn::Ensurem:
            break;
    }
    return QStringLiteral("ensurem");
}

using Test = MatchCondition::Test;

MatchCondition textCondition(Test test, MatchColumn column, const QString& text) {
    return {test, column, text, {}, 0};
}

MatchCondition numberCondition(Test test, MatchColumn column, qint64 number) {
    return {test, column, {}, {}, number};
}

// A bound that was given: 0 is what the entry form stores for "left empty".
bool isBound(const std::optional<qint64>& bound) {
    return bound && *bound != 0;
}

void addAreaRange(std::vector<MatchCondition>& conditions, MatchColumn column,
                  const std::optional<qint64>& lower, const std::optional<qint64>& upper) {
    if (isBound(lower)) conditions.push_back(numberCondition(Test::AtLeast, column, *lower));
    if (isBound(upper)) conditions.push_back(numberCondition(Test::AtMost, column, *upper));
}

void addBudget(std::vector<MatchCondition>& conditions, const QString& kind, qint64 budget) {
    if (kind == kSale) {
        conditions.push_back(numberCondition(Test::AtMost, MatchColumn::Tmprice, budget));
    } else if (kind == kLease) {
        conditions.push_back(numberCondition(Test::AtMost, MatchColumn::Ensurem, budget));
    } else {
        conditions.push_back(numberCondition(Test::BudgetByOwnKind, MatchColumn::Im, budget));
    }
}

bool meets(const MatchListing& listing, const MatchCondition& condition) {
    const QVariant& value = columnOf(listing, condition.column);
    switch (condition.test) {
        case Test::Equals:
            return equals(value, condition.text);
        case Test::Contains:
            return holds(value, condition.text);
        case Test::ContainsAny:
            return std::any_of(condition.parts.cbegin(), condition.parts.cend(),
                               [&](const QString& part) { return holds(value, part); });
        case Test::AtLeast:
            return atLeast(value, condition.number);
        case Test::AtMost:
            return atMost(value, condition.number);
        case Test::BudgetByOwnKind:
            break;
    }
    return (equals(listing.im, kSale) && atMost(listing.tmprice, condition.number)) ||
           (equals(listing.im, kLease) && atMost(listing.ensurem, condition.number));
}

// --- The statement ----------------------------------------------------------

// Adds one condition as lines of the match statement.
void addConditionLines(ConditionLines& lines, const MatchCondition& condition, int& parameter) {
    const QString column = columnName(condition.column);
    const QString name = QStringLiteral("m%1").arg(++parameter);
    switch (condition.test) {
        case Test::Equals:
            lines.add(QStringLiteral("S.\"%1\" = :%2").arg(column, name));
            lines.param(name, condition.text);
            return;
        case Test::Contains:
            lines.add(QStringLiteral("S.\"%1\" like :%2").arg(column, name));
            lines.param(name, containsPattern(condition.text));
            return;
        case Test::ContainsAny:
            addRegionCondition(lines, column, condition.parts, name + u'r');
            return;
        case Test::AtLeast:
            lines.add(QStringLiteral("S.\"%1\" >= :%2").arg(column, name));
            lines.param(name, condition.number);
            return;
        case Test::AtMost:
            lines.add(QStringLiteral("S.\"%1\" <= :%2").arg(column, name));
            lines.param(name, condition.number);
            return;
        case Test::BudgetByOwnKind:
            break;
    }
    lines.add({QStringLiteral("((S.\"im\" = \"매매\" and S.\"tmprice\" <= :%1)").arg(name),
               QStringLiteral(" or (S.\"im\" = \"임대\" and S.\"ensurem\" <= :%1))").arg(name)});
    lines.param(name, condition.number);
}

const QString kOfferedOfClient = QStringLiteral(
    "from \"BUOFFER.DB\" O where O.\"scanreq\" = :oc and O.\"scanbud\" = S.\"scancode\")");

QStringList matchSelectLines() {
    QStringList lines{QStringLiteral("select ")};
    for (const QString& column : listingQueryColumns())
        lines.append(QStringLiteral(" S.\"%1\",").arg(column));
    lines.append(QStringLiteral(" (select max(O.\"offerday\") ") + kOfferedOfClient +
                 QStringLiteral(" as offerday"));
    lines.append(QStringLiteral(" from \"BUDONG.DB\" S"));
    return lines;
}

std::optional<qint64> numberField(Query& query, const char* name) {
    return wholeNumberOf(query.value(QLatin1String(name)));
}

QString textField(Query& query, const char* name) {
    return query.value(QLatin1String(name)).toString();
}

}  // namespace

QString wantedListingKind(const QString& clientKind) {
    const QString kind = clientKind.trimmed();
    if (kind.isEmpty() || kind == kAll) return {};
    if (kind == QStringLiteral("매수")) return kSale;
    return kind;
}

std::vector<MatchCondition> matchConditions(const ClientWishes& client,
                                            const MatchSettings& settings) {
    std::vector<MatchCondition> conditions;
    const QString kind = wantedListingKind(client.im);
    if (!kind.isEmpty()) conditions.push_back(textCondition(Test::Equals, MatchColumn::Im, kind));
    const QString wanted = client.wantcom.trimmed();
    if (settings.wantcom && !wanted.isEmpty())
        conditions.push_back(textCondition(Test::Contains, MatchColumn::Cname1, wanted));
    const QString category = client.cname.trimmed();
    if (settings.cname && !category.isEmpty() && category != kAll)
        conditions.push_back(textCondition(Test::Contains, MatchColumn::Cname, category));
    const QStringList regions = regionParts(client.addr);
    if (settings.addr && !regions.isEmpty())
        conditions.push_back({Test::ContainsAny, MatchColumn::Addr, {}, regions, 0});
    if (settings.dpung) addAreaRange(conditions, MatchColumn::Dpung, client.dpungl, client.dpungu);
    if (settings.gpung) addAreaRange(conditions, MatchColumn::Gpung, client.gpungl, client.gpungu);
    if (settings.yesan && isBound(client.yesan)) addBudget(conditions, kind, *client.yesan);
    if (settings.openOnly)
        conditions.push_back(textCondition(Test::Equals, MatchColumn::Reqing, QStringLiteral("Y")));
    return conditions;
}

bool listingMeets(const MatchListing& listing, const std::vector<MatchCondition>& conditions) {
    return std::all_of(conditions.cbegin(), conditions.cend(),
                       [&](const MatchCondition& c) { return meets(listing, c); });
}

bool listingFitsClient(const MatchListing& listing, const ClientWishes& client,
                       const MatchSettings& settings) {
    return listingMeets(listing, matchConditions(client, settings));
}

ClientStatement buildClientMatch(const ClientWishes& client, const MatchSettings& settings,
                                 const MatchView& view) {
    ClientStatement statement;
    statement.lines = matchSelectLines();
    statement.params.append({QStringLiteral("oc"), client.scancode});
    ConditionLines lines(statement);
    int parameter = 0;
    for (const MatchCondition& condition : matchConditions(client, settings))
        addConditionLines(lines, condition, parameter);
    if (view.hideOffered) lines.add(QStringLiteral("not exists (select 1 ") + kOfferedOfClient);
    statement.lines.append(QStringLiteral(" order by S.\"inday\""));
    return statement;
}

ClientWishes clientWishesOf(Query& query) {
    ClientWishes client;
    client.scancode = textField(query, "scancode");
    client.name = textField(query, "name");
    client.im = textField(query, "im");
    client.cname = textField(query, "cname");
    client.wantcom = textField(query, "wantcom");
    client.addr = textField(query, "addr");
    client.working = textField(query, "working");
    client.yesan = numberField(query, "yesan");
    client.dpungl = numberField(query, "dpungl");
    client.dpungu = numberField(query, "dpungu");
    client.gpungl = numberField(query, "gpungl");
    client.gpungu = numberField(query, "gpungu");
    return client;
}

ClientWishes clientWishesFromRow(Query& query, int row) {
    if (!query.moveTo(row)) return {};
    return clientWishesOf(query);
}

MatchListing matchListingOf(const ListingRecord& listing) {
    return {listing.im,
            listing.cname,
            listing.cname1,
            listing.addr,
            listing.reqing ? QStringLiteral("Y") : QStringLiteral("N"),
            listing.dpung,
            listing.gpung,
            listing.tmprice,
            listing.ensurem};
}

std::optional<MatchListing> loadMatchListing(const QString& scancode) {
    Query query;
    query.add(
        QStringLiteral("select S.\"im\", S.\"cname\", S.\"cname1\", S.\"addr\", S.\"reqing\","));
    query.add(QStringLiteral(" S.\"dpung\", S.\"gpung\", S.\"tmprice\", S.\"ensurem\""));
    query.add(QStringLiteral(" from \"BUDONG.DB\" S where S.\"scancode\" = :s1"));
    query.setParam(QStringLiteral("s1"), scancode);
    query.open();
    if (query.eof()) return std::nullopt;
    MatchListing listing{
        query.value(QStringLiteral("im")),     query.value(QStringLiteral("cname")),
        query.value(QStringLiteral("cname1")), query.value(QStringLiteral("addr")),
        query.value(QStringLiteral("reqing")), query.value(QStringLiteral("dpung")),
        query.value(QStringLiteral("gpung")),  query.value(QStringLiteral("tmprice")),
        query.value(QStringLiteral("ensurem"))};
    query.close();
    return listing;
}

std::vector<FittingClient> clientsFittingListing(const MatchListing& listing,
                                                 const MatchSettings& settings) {
    Query clients;
    clients.add(QStringLiteral("select S.\"scancode\", S.\"name\", S.\"im\", S.\"cname\","));
    clients.add(QStringLiteral(" S.\"wantcom\", S.\"addr\", S.\"working\", S.\"yesan\","));
    clients.add(QStringLiteral(" S.\"dpungl\", S.\"dpungu\", S.\"gpungl\", S.\"gpungu\""));
    clients.add(QStringLiteral(" from \"BUREQU.DB\" S order by S.\"inday\", S.\"scancode\""));
    clients.open();
    std::vector<FittingClient> fitting;
    for (clients.first(); !clients.eof(); clients.next()) {
        const ClientWishes client = clientWishesOf(clients);
        if (listingFitsClient(listing, client, settings))
            fitting.push_back({client.scancode, client.working});
    }
    clients.close();
    return fitting;
}

bool isWaitingClient(const QString& working) {
    const QString status = working.trimmed();
    return status != QStringLiteral("계약") && status != QStringLiteral("취소");
}
