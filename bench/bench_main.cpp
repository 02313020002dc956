// quarnel_bench: times the listing search of the listing list on a fresh
// store filled with generated listings, through the program's own path
// (statement builder, Query, grid model) and straight on SQLite with the
// same final statement, and prints one line per search.

#include "app/startup.h"
#include "bench/listing_generator.h"
#include "bench/search_cases.h"
#include "bench/thumbnails_case.h"
#include "common/office_folder.h"
#include "common/query_model.h"
#include "data/database.h"
#include "data/query.h"
#include "listings/listing_columns.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <vector>

namespace {

constexpr int kGridRows = 50;  // rows the grid reads for its first screen

struct Timing {
    double milliseconds = 0;
    int rows = 0;
};

double elapsedMs(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

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

class Statement {
public:
    Statement(sqlite3* handle, const QString& sql) : handle_(handle) {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(handle, utf8.constData(), -1, &statement_, nullptr) != SQLITE_OK) {
            throw std::runtime_error(sqlite3_errmsg(handle));
        }
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(const QStringList& names, const Query& query) {
        for (int i = 0; i < names.size(); ++i) {
            const QVariant value = query.param(names[i]);
            if (value.typeId() == QMetaType::QString) {
                const QByteArray utf8 = value.toString().toUtf8();
                sqlite3_bind_text(statement_, i + 1, utf8.constData(),
                                  static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
            } else {
                sqlite3_bind_int64(statement_, i + 1, value.toLongLong());
            }
        }
    }
    bool step() {
        const int result = sqlite3_step(statement_);
        if (result == SQLITE_ROW) return true;
        if (result != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(handle_));
        return false;
    }
    sqlite3_stmt* get() const { return statement_; }

private:
    sqlite3* handle_;
    sqlite3_stmt* statement_ = nullptr;
};

// The same final statement straight on SQLite: count(*) over it, then the
// first rows stepped and every column read.
Timing timeRawPath(sqlite3* handle, const ListingStatement& statement) {
    Query query;
    statement.applyTo(query);
    const TranslatedSql sql = query.translated();
    // The count runs over the statement without its sort line, as the
    // program's count does: the order does not change the number of rows.
    Query unsorted;
    ListingStatement withoutSort = statement;
    withoutSort.lines.removeLast();
    withoutSort.applyTo(unsorted);
    const TranslatedSql countSql = unsorted.translated();
    QElapsedTimer timer;
    timer.start();
    Statement counter(
        handle, QStringLiteral("SELECT count(*) FROM (") + countSql.sql + QStringLiteral("\n)"));
    counter.bind(countSql.parameters, unsorted);
    counter.step();
    const int rows = sqlite3_column_int(counter.get(), 0);
    Statement select(handle, sql.sql);
    select.bind(sql.parameters, query);
    qint64 bytes = 0;
    for (int row = 0; row < kGridRows && select.step(); ++row) {
        for (int column = 0; column < sqlite3_column_count(select.get()); ++column) {
            sqlite3_column_text(select.get(), column);
            bytes += sqlite3_column_bytes(select.get(), column);
        }
    }
    Timing timing{elapsedMs(timer), rows};
    if (bytes < 0) std::abort();
    return timing;
}

void printPlan(sqlite3* handle, const ListingStatement& statement) {
    Query query;
    statement.applyTo(query);
    const TranslatedSql sql = query.translated();
    Statement plan(handle, QStringLiteral("EXPLAIN QUERY PLAN ") + sql.sql);
    plan.bind(sql.parameters, query);
    while (plan.step()) {
        std::printf("#   plan: %s\n",
                    reinterpret_cast<const char*>(sqlite3_column_text(plan.get(), 3)));
    }
}

struct Options {
    int listings = 200000;
    int repeat = 5;
    bool plan = false;
    bool detail = false;
    QString store;                  // keep the generated store in this folder
    QString onlyCase;               // run only the search of this name
    QSize pictureSize{4000, 3000};  // photos of the thumbnails case
};

Options readOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times the listing search on generated listings."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("listings"), QStringLiteral("Number of listings to generate."),
                      QStringLiteral("N"), QStringLiteral("200000")});
    parser.addOption({QStringLiteral("repeat"),
                      QStringLiteral("Timed runs of each search (median)."), QStringLiteral("R"),
                      QStringLiteral("5")});
    parser.addOption(
        {QStringLiteral("plan"), QStringLiteral("Print the store's plan of each search.")});
    parser.addOption({QStringLiteral("detail"),
                      QStringLiteral("Print the program path's open, count and rows times.")});
    parser.addOption({QStringLiteral("store"),
                      QStringLiteral("Build the store in this (new) folder and keep it."),
                      QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("case"), QStringLiteral("Run only the search of this name."),
                      QStringLiteral("NAME")});
    parser.addOption({QStringLiteral("picture-size"),
                      QStringLiteral("Photo size of the thumbnails case (default 4000x3000)."),
                      QStringLiteral("WxH")});
    parser.process(app);
    Options options;
    options.listings = std::max(0, parser.value(QStringLiteral("listings")).toInt());
    options.repeat = std::max(1, parser.value(QStringLiteral("repeat")).toInt());
    options.plan = parser.isSet(QStringLiteral("plan"));
    options.detail = parser.isSet(QStringLiteral("detail"));
    options.store = parser.value(QStringLiteral("store"));
    options.onlyCase = parser.value(QStringLiteral("case"));
    const QStringList size = parser.value(QStringLiteral("picture-size")).split(u'x');
    if (size.size() == 2 && size[0].toInt() > 0 && size[1].toInt() > 0)
        options.pictureSize = QSize(size[0].toInt(), size[1].toInt());
    return options;
}

// Runs every search case; returns false when the two paths disagree on a
// row count.
bool runCases(Database& database, const Options& options) {
    bool agreed = true;
    for (const SearchCase& search : listingSearchCases()) {
        if (!options.onlyCase.isEmpty() && search.name != options.onlyCase) continue;
        if (options.plan) printPlan(database.handle(), search.statement);
        timeProgramPath(search.statement, false);  // warms the page cache for both paths
        std::vector<double> app;
        std::vector<double> raw;
        int appRows = 0;
        int rawRows = 0;
        for (int i = 0; i < options.repeat; ++i) {
            const Timing a = timeProgramPath(search.statement, options.detail);
            const Timing r = timeRawPath(database.handle(), search.statement);
            app.push_back(a.milliseconds);
            raw.push_back(r.milliseconds);
            appRows = a.rows;
            rawRows = r.rows;
        }
        const double appMs = median(app);
        const double rawMs = median(raw);
        std::printf("case=%s rows=%d app_ms=%.2f raw_ms=%.2f ratio=%.2f\n", qPrintable(search.name),
                    appRows, appMs, rawMs, rawMs > 0 ? appMs / rawMs : 0.0);
        if (appRows != rawRows) {
            std::printf("# %s: the program counted %d rows, SQLite %d\n", qPrintable(search.name),
                        appRows, rawRows);
            agreed = false;
        }
    }
    return agreed;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Options options = readOptions(app);
    if (isThumbnailsCase(options.onlyCase))
        return runThumbnailsCase(options.repeat, options.pictureSize);
    initQuarnelResources();
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot create a temporary directory\n");
        return 2;
    }
    try {
        const OfficeFolder folder(options.store.isEmpty() ? home.path() : options.store);
        folder.ensureCreated();
        setOfficeFolder(folder);
        Database::setQdb3(std::make_unique<Database>(folder.aliasDirectory()));
        QElapsedTimer fill;
        fill.start();
        fillListings(Database::qdb3(), options.listings);
        std::printf("# listings=%d repeat=%d fill_ms=%.0f\n", options.listings, options.repeat,
                    elapsedMs(fill));
        const bool agreed = runCases(Database::qdb3(), options);
        Database::closeQdb3();
        return agreed ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quarnel_bench: %s\n", error.what());
        Database::closeQdb3();
        return 2;
    }
}
