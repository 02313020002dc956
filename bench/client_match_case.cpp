// The match of the client list (손님관리, "물건?"): a client who wants to buy
// an apartment in one of two districts, with land and building area ranges
// and a budget, every match setting ticked, matched over the listings. The
// statement is the client list's own (clients/client_match.h), timed
// through the program's path (statement, Query, grid model: open, count
// and the first screen) and straight on SQLite with the same final
// statement.

#include "bench/bench_case.h"
#include "bench/engine_alone.h"
#include "bench/raw_statement.h"
#include "clients/client_columns.h"
#include "clients/client_match.h"
#include "common/query_model.h"
#include "data/database.h"
#include "data/query.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kGridRows = 50;  // rows the grid reads for its first screen

ClientWishes benchClient() {
    ClientWishes client;
    client.scancode = QStringLiteral("BENCHCLIENT");
    client.name = QStringLiteral("김매수");
    client.im = QStringLiteral("매수");
    client.cname = QStringLiteral("아파트");
    client.addr = QStringLiteral("강남구, 분당구");
    client.yesan = 1500000;  // 15억 원, in thousands
    client.dpungl = 10;
    client.dpungu = 100;
    client.gpungl = 20;
    client.gpungu = 60;
    return client;
}

MatchSettings everySetting() {
    return MatchSettings::fromText(QStringLiteral("1111111"));
}

struct Timing {
    double milliseconds = 0;
    int rows = 0;
};

// The program's path, as "물건?" runs it: the statement into the matched
// query with the grid's fields, open, the count the status bar shows and
// the first rows as the grid shows them.
Timing timeProgramPath(const ClientStatement& statement, bool detail) {
    QElapsedTimer timer;
    timer.start();
    Query query;
    query.setPersistentFields(matchedGridFields());
    statement.applyTo(query);
    query.open();
    const double opened = elapsedMs(timer);
    QueryModel model(query);
    model.refresh();
    const double counted = elapsedMs(timer);
    const int shown = std::min(model.rowCount(), kGridRows);
    qsizetype characters = 0;
    for (int row = 0; row < shown; ++row) {
        for (int column = 0; column < model.columnCount(); ++column)
            characters += model.data(model.index(row, column)).toString().size();
    }
    const Timing timing{elapsedMs(timer), model.rowCount()};
    if (detail) {
        std::printf("#   open_ms=%.3f count_ms=%.3f rows_ms=%.3f\n", opened, counted - opened,
                    timing.milliseconds - counted);
    }
    if (characters < 0) std::abort();  // keeps the reads from being optimised away
    return timing;
}

// The same final statement run by the engine alone: count(*) over it
// without its sort line (the order does not change the count, as the
// program's count knows), then its first rows with every column read.
Timing timeRawPath(Database& database, const ClientStatement& statement) {
    Query query;
    statement.applyTo(query);
    ClientStatement unsortedStatement = statement;
    unsortedStatement.lines.removeLast();
    Query unsorted;
    unsortedStatement.applyTo(unsorted);
    const FirstScreen read = readFirstScreenAlone(database, unsorted, query, kGridRows);
    return {read.milliseconds, read.rows};
}

void printPlan(sqlite3* handle, const ClientStatement& statement, bool counting) {
    ClientStatement planned = statement;
    if (counting) planned.lines.removeLast();
    Query query;
    planned.applyTo(query);
    const TranslatedSql sql = query.translated();
    const QString text =
        counting ? QStringLiteral("SELECT count(*) FROM (") + sql.sql + QStringLiteral("\n)")
                 : sql.sql;
    RawStatement plan(handle, QStringLiteral("EXPLAIN QUERY PLAN ") + text);
    for (int i = 0; i < sql.parameters.size(); ++i)
        plan.bind(i + 1, query.param(sql.parameters[i]));
    while (plan.step()) {
        std::printf("#   plan (%s): %s\n", counting ? "count" : "rows",
                    reinterpret_cast<const char*>(sqlite3_column_text(plan.get(), 3)));
    }
}

bool runClientMatch(Database& database, const BenchOptions& options) {
    const ClientStatement statement = buildClientMatch(benchClient(), everySetting());
    if (options.plan && !database.isServer()) {
        printPlan(database.handle(), statement, true);
        printPlan(database.handle(), statement, false);
    }
    timeProgramPath(statement, false);  // warms the page cache for both paths
    std::vector<double> app;
    std::vector<double> raw;
    int appRows = 0;
    int rawRows = 0;
    for (int i = 0; i < options.repeat; ++i) {
        const Timing a = timeProgramPath(statement, options.detail);
        const Timing r = timeRawPath(database, statement);
        app.push_back(a.milliseconds);
        raw.push_back(r.milliseconds);
        appRows = a.rows;
        rawRows = r.rows;
    }
    printCaseLine(QStringLiteral("client_match"), appRows, median(app), median(raw));
    if (appRows == rawRows) return true;
    std::printf("# client_match: the program counted %d rows, the engine alone %d\n", appRows,
                rawRows);
    return false;
}

}  // namespace

void addClientMatchCase(BenchCases& cases) {
    cases.push_back({QStringLiteral("client_match"), runClientMatch, true});
}
