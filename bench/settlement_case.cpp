// The yearly settlement (년간 결산) of the busiest year of the cash book.
// The program's path is what the settlement form does on "결  산": the work
// table YEAR_TOT.DB emptied and rebuilt in one transaction
// (rebuildSettlement), the table's statement opened with the grid's fields
// and every cell read through the grid's model. SQLite alone runs the one
// grouped statement the settlement starts from and steps its rows. Both
// must come to the same grand total.

#include "accounts/year_settlement.h"
#include "bench/bench_case.h"
#include "bench/raw_statement.h"
#include "common/query_model.h"
#include "data/database.h"
#include "data/query.h"

#include <cstdio>

namespace {

// The year with the most entries; empty when the cash book is empty.
QString busiestYear(sqlite3* handle) {
    RawStatement year(handle, QStringLiteral("SELECT substr(Day1, 1, 4) AS y FROM maipmach "
                                             "GROUP BY y ORDER BY count(*) DESC, y DESC LIMIT 1"));
    if (!year.step()) return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(year.get(), 0)));
}

struct Run {
    double ms = 0;
    int partners = 0;
    qint64 total = 0;
};

Run timeProgramPath(Database& database, const QString& year) {
    QElapsedTimer timer;
    timer.start();
    const Settlement settlement = rebuildSettlement(year, SettlementKind::Sales, &database);
    Query shown(&database);
    applySettlementView(shown);
    shown.open();
    QueryModel model(shown);
    model.refresh();
    int cells = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column)
            cells += model.data(model.index(row, column)).toString().isEmpty() ? 0 : 1;
    }
    const double ms = elapsedMs(timer);
    shown.close();
    return {ms, settlement.partners, cells > 0 ? settlement.grandTotal : 0};
}

Run timeRawPath(sqlite3* handle, const QString& year) {
    QElapsedTimer timer;
    timer.start();
    RawStatement sums(
        handle, QStringLiteral("SELECT Comname, Yearmonth, sum(Money1), sum(Vat1) FROM maipmach "
                               "WHERE Day1 >= ?1 AND Day1 <= ?2 GROUP BY Comname, Yearmonth "
                               "ORDER BY Comname, Yearmonth"));
    sums.bind(1, year + QStringLiteral("-01-01"));
    sums.bind(2, year + QStringLiteral("-12-31"));
    Run run;
    QString previous;
    while (sums.step()) {
        const QString name =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(sums.get(), 0)));
        if (run.partners == 0 || name != previous) ++run.partners;
        previous = name;
        run.total += sqlite3_column_int64(sums.get(), 2) + sqlite3_column_int64(sums.get(), 3);
    }
    run.ms = elapsedMs(timer);
    return run;
}

bool runSettlement(Database& database, const BenchOptions& options) {
    sqlite3* handle = database.handle();
    const QString year = busiestYear(handle);
    timeProgramPath(database, year);  // warms the page cache for both paths
    std::vector<double> app;
    std::vector<double> raw;
    bool agreed = true;
    Run last;
    for (int i = 0; i < options.repeat; ++i) {
        const Run a = timeProgramPath(database, year);
        const Run r = timeRawPath(handle, year);
        app.push_back(a.ms);
        raw.push_back(r.ms);
        agreed = agreed && a.partners == r.partners && a.total == r.total;
        last = a;
    }
    printCaseLine(QStringLiteral("settlement"), last.partners, median(app), median(raw));
    if (options.detail)
        std::printf("#   year=%s grand_total=%lld\n", qPrintable(year),
                    static_cast<long long>(last.total));
    if (!agreed) std::printf("# settlement: the program and SQLite came to different totals\n");
    return agreed;
}

}  // namespace

void addSettlementCase(BenchCases& cases) {
    cases.push_back({QStringLiteral("settlement"), runSettlement});
}
