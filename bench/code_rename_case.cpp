// Renaming a classification code (코드 관리, 수정): the code row and every
// listing and request that holds the code change in one transaction. The
// program's path is the code form's own action (CodeCatalogue::change with
// a progress report, as the form's panel takes it); the engine alone runs one
// plain UPDATE per table in one transaction, on the local file or the server. Every measured run
// starts from the same store: the code is renamed back, unmeasured, and the log written into the
// file, and both paths must change the same rows.

#include "bench/bench_case.h"
#include "bench/engine_alone.h"
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
int renameRaw(Database& database, const QString& from, const QString& to) {
    beginAlone(database);
    qint64 changed = 0;
    try {
        changeAlone(database,
                    QStringLiteral("UPDATE bucode SET code = ? WHERE gubun = 'I' AND code = ?"),
                    {to, from});
        for (const char* table : {"budong", "burequ"}) {
            changed +=
                changeAlone(database,
                            QStringLiteral("UPDATE %1 SET cname = ? WHERE im = ? AND cname = ?")
                                .arg(QLatin1String(table)),
                            {to, kLease, from});
        }
        commitAlone(database);
    } catch (...) {
        rollbackAlone(database);
        throw;
    }
    return static_cast<int>(changed);
}

// The listings and requests that hold the lease code.
int holding(Database& database, const QString& code) {
    return static_cast<int>(countAlone(
        database,
        QStringLiteral("SELECT (SELECT count(*) FROM budong WHERE im = ? AND cname = ?) + "
                       "(SELECT count(*) FROM burequ WHERE im = ? AND cname = ?)"),
        {kLease, code, kLease, code}));
}

// Puts the store back as it was before a run: the old name again, and on
// the local file the log written into the file so that the next run starts
// with an empty one.
void restore(Database& database) {
    renameRaw(database, kNewCode, kOldCode);
    if (!database.isServer()) runRaw(database.handle(), "PRAGMA wal_checkpoint(TRUNCATE)");
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

double timeRawPath(Database& database, int* changed) {
    QElapsedTimer timer;
    timer.start();
    *changed = renameRaw(database, kOldCode, kNewCode);
    return elapsedMs(timer);
}

bool runCodeRename(Database& database, const BenchOptions& options) {
    const int rows = holding(database, kOldCode);
    if (!database.isServer()) runRaw(database.handle(), "PRAGMA wal_checkpoint(TRUNCATE)");
    int steps = 0;
    timeProgramPath(database, &steps);  // warms the page cache for both paths
    restore(database);
    std::vector<double> app;
    std::vector<double> raw;
    bool agreed = true;
    for (int i = 0; i < options.repeat; ++i) {
        app.push_back(timeProgramPath(database, &steps));
        const int appChanged = holding(database, kNewCode);
        agreed = agreed && appChanged == rows && holding(database, kOldCode) == 0;
        restore(database);
        int rawChanged = 0;
        raw.push_back(timeRawPath(database, &rawChanged));
        agreed = agreed && rawChanged == rows;
        restore(database);
    }
    printCaseLine(QStringLiteral("code_rename"), rows, median(app), median(raw));
    if (options.detail) std::printf("#   progress_reports=%d\n", steps);
    if (!agreed)
        std::printf("# code_rename: the program and the engine alone changed different rows\n");
    return agreed;
}

}  // namespace

void addCodeRenameCase(BenchCases& cases) {
    cases.push_back({QStringLiteral("code_rename"), runCodeRename, true});
}
