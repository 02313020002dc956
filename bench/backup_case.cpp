// A backup of the office (as on closing the main window): the store copied
// through the online backup and checked with the full integrity check, the
// photo list written and the folder renamed into place. SQLite alone is
// measured as a plain copy of the store file, after the log was copied
// into it. Both copies must hold the same number of listings.

#include "backup/backup_maker.h"
#include "bench/bench_case.h"
#include "bench/raw_statement.h"
#include "data/database.h"
#include "data/store_copy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <cstdio>

namespace {

double processCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

int listingsIn(const QString& file) {
    sqlite3* handle = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &handle, SQLITE_OPEN_READONLY, nullptr);
    int count = -1;
    try {
        RawStatement statement(handle, QStringLiteral("SELECT count(*) FROM budong"));
        statement.step();
        count = sqlite3_column_int(statement.get(), 0);
    } catch (const std::exception&) {
    }
    sqlite3_close(handle);
    return count;
}

bool runBackupCase(Database& database, const BenchOptions& options) {
    // The plain copy takes the file alone: the log is copied into it first.
    database.execute(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    std::vector<double> app;
    std::vector<double> raw;
    std::vector<double> appCpu;
    int appListings = 0;
    int rawListings = 0;
    for (int run = 0; run < options.repeat; ++run) {
        QTemporaryDir folder;
        const QString pict = folder.filePath(QStringLiteral("PICT"));
        QDir().mkpath(pict);
        QElapsedTimer timer;
        const double cpuBefore = processCpuMs();
        timer.start();
        const StoreFileHandle source(database.filePath(), StoreFileHandle::Mode::Read);
        BackupRequest request;
        request.root = folder.filePath(QStringLiteral("backup"));
        request.pictFolder = pict;
        request.moment = QDateTime(QDate(2026, 12, 9), QTime(18, 0));
        const BackupResult result = makeBackup(source, request);
        app.push_back(elapsedMs(timer));
        appCpu.push_back(processCpuMs() - cpuBefore);
        appListings = listingsIn(QDir(result.folder).filePath(QStringLiteral("quarnel.sqlite3")));

        const QString copy = folder.filePath(QStringLiteral("plain.sqlite3"));
        timer.restart();
        QFile::copy(database.filePath(), copy);
        raw.push_back(elapsedMs(timer));
        rawListings = listingsIn(copy);
    }
    printCaseLine(QStringLiteral("backup"), appListings, median(app), median(raw));
    // On a shared machine the wall time says little alone: the processor time
    // of the program's path goes beside it.
    std::printf("# backup app_cpu_ms=%.0f (median)\n", median(appCpu));
    if (appListings != rawListings || appListings != listingsIn(database.filePath())) {
        std::fprintf(stderr, "backup: the backup holds %d listings, the plain copy %d\n",
                     appListings, rawListings);
        return false;
    }
    return true;
}

}  // namespace

void addBackupCase(BenchCases& cases) {
    cases.push_back({QStringLiteral("backup"), runBackupCase});
}
