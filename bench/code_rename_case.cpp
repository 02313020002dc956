// Renaming a classification code (코드 관리, 수정): the code row and every
// listing and request that holds the code change in one transaction. The
// program's path is the code form's own action (CodeCatalogue::change with
// a progress report, as the form's panel takes it); SQLite alone runs one
// plain UPDATE per table in one transaction. Every measured run starts from
// the same store: the code is renamed back, unmeasured, and the log written
// into the file, and both paths must change the same rows.

#include "bench/bench_case.h"
#include "bench/raw_statement.h"
#include "data/database.h"
#include "listings/code_catalogue.h"

#include <cstdio>
#include <stdexcept>

namespace {

const QString kOldCode = QStringLiteral("아파트");
const QString kNewCode = QStringLiteral("임대아파트");
const QString kLease = QStringLiteral("임대");

// Renames the lease code `from` to `to` with one UPDATE per table; returns
// the listings and requests changed.
int renameRaw(sqlite3* handle, const QString& from, const QString& to) {
    runRaw(handle, "BEGIN IMMEDIATE");
    int changed = 0;
    try {
        RawStatement code(handle, QStringLiteral("UPDATE bucode SET code = ?1 "
                                                 "WHERE gubun = 'I' AND code = ?2"));
        code.bind(1, to);
        code.bind(2, from);
        code.step();
        for (const char* table : {"budong", "burequ"}) {
            RawStatement rows(handle, QStringLiteral("UPDATE %1 SET cname = ?1 "
                                                     "WHERE im = ?3 AND cname = ?2")
                                          .arg(QLatin1String(table)));
            rows.bind(1, to);
            rows.bind(2, from);
            rows.bind(3, kLease);
            rows.step();
            changed += sqlite3_changes(handle);
        }
        runRaw(handle, "COMMIT");
    } catch (...) {
        runRaw(handle, "ROLLBACK");
        throw;
    }
    return changed;
}

// The listings and requests that hold the lease code.
int holding(sqlite3* handle, const QString& code) {
    RawStatement count(handle, QStringLiteral("SELECT (SELECT count(*) FROM budong WHERE im = ?1 "
                                              "AND cname = ?2) + (SELECT count(*) FROM burequ "
                                              "WHERE im = ?1 AND cname = ?2)"));
    count.bind(1, kLease);
    count.bind(2, code);
    count.step();
    return sqlite3_column_int(count.get(), 0);
}

// Puts the store back as it was before a run: the old name again, and the
// log written into the file so that the next run starts with an empty one.
void restore(sqlite3* handle) {
    renameRaw(handle, kNewCode, kOldCode);
    runRaw(handle, "PRAGMA wal_checkpoint(TRUNCATE)");
}

double timeProgramPath(Database& database, int* progressSteps) {
    const CodeCatalogue catalogue(&database);
    QElapsedTimer timer;
    timer.start();
    const auto result = catalogue.change(CodeCategory::Lease, kOldCode, kNewCode,
                                         [&](const CascadeStep&) { ++*progressSteps; });
    const double ms = elapsedMs(timer);
    if (result != CodeCatalogue::ChangeResult::Changed) {
        throw std::runtime_error("the code form refused the rename");
    }
    return ms;
}

double timeRawPath(sqlite3* handle, int* changed) {
    QElapsedTimer timer;
    timer.start();
    *changed = renameRaw(handle, kOldCode, kNewCode);
    return elapsedMs(timer);
}

bool runCodeRename(Database& database, const BenchOptions& options) {
    sqlite3* handle = database.handle();
    const int rows = holding(handle, kOldCode);
    runRaw(handle, "PRAGMA wal_checkpoint(TRUNCATE)");
    int steps = 0;
    timeProgramPath(database, &steps);  // warms the page cache for both paths
    restore(handle);
    std::vector<double> app;
    std::vector<double> raw;
    bool agreed = true;
    for (int i = 0; i < options.repeat; ++i) {
        app.push_back(timeProgramPath(database, &steps));
        const int appChanged = holding(handle, kNewCode);
        agreed = agreed && appChanged == rows && holding(handle, kOldCode) == 0;
        restore(handle);
        int rawChanged = 0;
        raw.push_back(timeRawPath(handle, &rawChanged));
        agreed = agreed && rawChanged == rows;
        restore(handle);
    }
    printCaseLine(QStringLiteral("code_rename"), rows, median(app), median(raw));
    if (options.detail) std::printf("#   progress_reports=%d\n", steps);
    if (!agreed) std::printf("# code_rename: the program and SQLite changed different rows\n");
    return agreed;
}

}  // namespace

void addCodeRenameCase(BenchCases& cases) {
    cases.push_back({QStringLiteral("code_rename"), runCodeRename});
}
