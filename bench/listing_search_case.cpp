// The listing searches of the listing list (매물관리): the filters a broker
// uses every day, each built by the list's own statement builder, timed
// through the program's path (statement, Query, grid model: open, count and
// the first screen) and straight on SQLite with the same final statement.

#include "bench/bench_case.h"
#include "bench/engine_alone.h"
#include "bench/raw_statement.h"
#include "common/query_model.h"
#include "data/database.h"
#include "data/query.h"
#include "listings/listing_columns.h"
#include "listings/listing_search.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kGridRows = 50;  // rows the grid reads for its first screen

struct SearchCase {
    QString name;
    ListingStatement statement;
};

SearchCase make(const char* name, const ListingSearchInput& input) {
    return {QString::fromLatin1(name), buildListingSearch(input)};
}

std::vector<SearchCase> listingSearchCases() {
    std::vector<SearchCase> cases;
    const ListingSearchInput defaults;
    cases.push_back(make("default_flags", defaults));

    ListingSearchInput kind;
    kind.im = QStringLiteral("매매");
    kind.cname = QStringLiteral("아파트");
    cases.push_back(make("kind_category", kind));

    ListingSearchInput amount;
    amount.totalmRange = QStringLiteral("   300-   500");  // 3억 to 5억 원
    cases.push_back(make("amount_range", amount));

    ListingSearchInput address;
    address.addr = QStringLiteral("역삼");
    cases.push_back(make("address_like", address));

    ListingSearchInput name;
    name.name1 = QStringLiteral("민수");
    cases.push_back(make("name_like", name));

    ListingSearchInput dates;
    dates.day1 = QStringLiteral("2026-12-08");
    dates.day2 = QStringLiteral("2027-01-07");
    cases.push_back(make("expireday_range", dates));

    cases.push_back(
        {QStringLiteral("expiring_leases"),
         buildExpiringLeaseSearch(QStringLiteral("2026-12-08"), QStringLiteral("2027-01-07"))});

    ListingSearchInput byKind;
    byKind.sortOrder = ListingSortOrder::Cname;
    cases.push_back(make("sort_cname", byKind));

    ListingSearchInput byAddress;
    byAddress.sortOrder = ListingSortOrder::Addr;
    cases.push_back(make("sort_addr", byAddress));

    ListingSearchInput byKey;
    byKey.reqing = false;
    byKey.sortOrder = ListingSortOrder::Scancode;
    cases.push_back(make("sort_scancode_unflagged", byKey));
    return cases;
}

struct Timing {
    double milliseconds = 0;
    int rows = 0;
};

// The program's path: the statement into the listing query with the grid's
// persistent fields, open, count, and the first rows as the grid shows them.
Timing timeProgramPath(const ListingStatement& statement, bool detail) {
    QElapsedTimer timer;
    timer.start();
    Query query;
    query.setPersistentFields(listingGridFields());
    statement.applyTo(query);
    query.open();
    const double opened = elapsedMs(timer);
    QueryModel model(query);
    model.refresh();
    const double counted = elapsedMs(timer);
    const int shown = std::min(model.rowCount(), kGridRows);
    qsizetype characters = 0;
    for (int row = 0; row < shown; ++row) {
        for (int column = 0; column < model.columnCount(); ++column) {
            characters += model.data(model.index(row, column)).toString().size();
        }
    }
    Timing timing{elapsedMs(timer), model.rowCount()};
    if (detail) {
        std::printf("#   open_ms=%.3f count_ms=%.3f rows_ms=%.3f\n", opened, counted - opened,
                    timing.milliseconds - counted);
    }
    if (characters < 0) std::abort();  // keeps the reads from being optimised away
    return timing;
}

// The same final statement run by the engine alone: count(*) over it
// without its sort line (the order does not change the number of rows, as
// the program's count knows), then the first rows with every column read.
Timing timeRawPath(Database& database, const ListingStatement& statement) {
    Query query;
    statement.applyTo(query);
    Query unsorted;
    ListingStatement withoutSort = statement;
    withoutSort.lines.removeLast();
    withoutSort.applyTo(unsorted);
    const FirstScreen read = readFirstScreenAlone(database, unsorted, query, kGridRows);
    return {read.milliseconds, read.rows};
}

void printPlan(sqlite3* handle, const ListingStatement& statement) {
    Query query;
    statement.applyTo(query);
    const TranslatedSql sql = query.translated();
    RawStatement plan(handle, QStringLiteral("EXPLAIN QUERY PLAN ") + sql.sql);
    for (int i = 0; i < sql.parameters.size(); ++i)
        plan.bind(i + 1, query.param(sql.parameters[i]));
    while (plan.step()) {
        std::printf("#   plan: %s\n",
                    reinterpret_cast<const char*>(sqlite3_column_text(plan.get(), 3)));
    }
}

bool runSearch(const SearchCase& search, Database& database, const BenchOptions& options) {
    if (options.plan && !database.isServer()) printPlan(database.handle(), search.statement);
    timeProgramPath(search.statement, false);  // warms the page cache for both paths
    std::vector<double> app;
    std::vector<double> raw;
    int appRows = 0;
    int rawRows = 0;
    for (int i = 0; i < options.repeat; ++i) {
        const Timing a = timeProgramPath(search.statement, options.detail);
        const Timing r = timeRawPath(database, search.statement);
        app.push_back(a.milliseconds);
        raw.push_back(r.milliseconds);
        appRows = a.rows;
        rawRows = r.rows;
    }
    printCaseLine(search.name, appRows, median(app), median(raw));
    if (appRows == rawRows) return true;
    std::printf("# %s: the program counted %d rows, the engine alone %d\n", qPrintable(search.name),
                appRows, rawRows);
    return false;
}

}  // namespace

void addListingSearchCases(BenchCases& cases) {
    for (SearchCase& search : listingSearchCases()) {
        const QString name = search.name;
        cases.push_back(
            {name,
             [search = std::move(search)](Database& database, const BenchOptions& options) {
                 return runSearch(search, database, options);
             },
             true});
    }
}
