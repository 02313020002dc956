#pragma once

#include <QElapsedTimer>
#include <QSize>
#include <QString>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

class Database;

// What the run was asked for on its command line.
struct BenchOptions {
    int listings = 200000;
    int requests = 0;
    int entries = 0;  // cash-book entries
    int repeat = 5;
    bool plan = false;              // print the store's plan of each statement timed
    bool detail = false;            // print the parts of the program's path
    QString store;                  // keep the generated store in this folder
    QSize pictureSize{4000, 3000};  // the photos of the thumbnails case
};

// One benchmark case: times the program's own path and the same work done
// by SQLite alone on the store, prints its lines, and returns false when the
// two paths disagree on the rows they counted or changed.
struct BenchCase {
    using Run = std::function<bool(Database& database, const BenchOptions& options)>;
    BenchCase(QString caseName, Run caseRun, bool onServer = false)
        : name(std::move(caseName)), run(std::move(caseRun)), runsOnServer(onServer) {}

    QString name;
    Run run;
    bool runsOnServer;  // whether its engine-alone path has a server form
};
using BenchCases = std::vector<BenchCase>;

inline double elapsedMs(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    if (n == 0) return 0;
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// The line every case prints for each thing it times.
void printCaseLine(const QString& name, int rows, double appMs, double rawMs);
