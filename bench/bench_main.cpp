// quarnel_bench: builds a store filled with generated listings, client
// requests and cash-book entries, and runs the benchmark cases on it. Each case times the
// program's own path and the same work done by SQLite alone, and prints one
// line per thing it times:
//   case=<name> rows=<n> app_ms=<median> raw_ms=<median> ratio=<app/raw>

#include "app/startup.h"
#include "bench/bench_case.h"
#include "bench/cash_book_generator.h"
#include "bench/listing_generator.h"
#include "bench/request_generator.h"
#include "common/office_folder.h"
#include "data/database.h"
#include "data/server_address.h"
#include "data/store_transfer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>
#include <memory>

// The cases, one file each (bench/<name>_case.cpp); a new file adds its
// registering function here and to the list below.
void addListingSearchCases(BenchCases& cases);
void addCodeRenameCase(BenchCases& cases);
void addClientMatchCase(BenchCases& cases);
void addSettlementCase(BenchCases& cases);
void addPeopleCases(BenchCases& cases);
void addThumbnailsCases(BenchCases& cases);
void addDiaryMonthCase(BenchCases& cases);
void addBackupCase(BenchCases& cases);

namespace {

BenchCases registeredCases() {
    BenchCases cases;
    for (const auto add :
         {addListingSearchCases, addCodeRenameCase, addClientMatchCase, addSettlementCase,
          addPeopleCases, addDiaryMonthCase, addThumbnailsCases, addBackupCase})
        add(cases);
    return cases;
}

struct Command {
    BenchOptions options;
    QStringList cases;  // the names asked for; empty runs every case
    bool list = false;
};

Command readCommand(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times the program's work on generated listings and requests."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("listings"), QStringLiteral("Number of listings to generate."),
                      QStringLiteral("N"), QStringLiteral("200000")});
    parser.addOption({QStringLiteral("requests"),
                      QStringLiteral("Number of client requests to generate."), QStringLiteral("N"),
                      QStringLiteral("0")});
    parser.addOption({QStringLiteral("entries"),
                      QStringLiteral("Number of cash-book entries to generate."),
                      QStringLiteral("N"), QStringLiteral("0")});
    parser.addOption({QStringLiteral("repeat"), QStringLiteral("Timed runs of each case (median)."),
                      QStringLiteral("R"), QStringLiteral("5")});
    parser.addOption(
        {QStringLiteral("plan"), QStringLiteral("Print the store's plan of each statement.")});
    parser.addOption(
        {QStringLiteral("detail"), QStringLiteral("Print the parts of the program's path.")});
    parser.addOption({QStringLiteral("store"),
                      QStringLiteral("Build the store in this (new) folder and keep it, or on "
                                     "the server a postgresql:// address names (an empty "
                                     "database; with --listings 0 its store is reused)."),
                      QStringLiteral("DIR|URL")});
    parser.addOption({QStringLiteral("case"),
                      QStringLiteral("Run only this case (repeatable, or names joined by commas)."),
                      QStringLiteral("NAME")});
    parser.addOption({QStringLiteral("list"), QStringLiteral("List the cases and stop.")});
    parser.addOption({QStringLiteral("picture-size"),
                      QStringLiteral("Photo size of the thumbnails cases."), QStringLiteral("WxH"),
                      QStringLiteral("4000x3000")});
    parser.process(app);
    Command command;
    BenchOptions& options = command.options;
    options.listings = std::max(0, parser.value(QStringLiteral("listings")).toInt());
    options.requests = std::max(0, parser.value(QStringLiteral("requests")).toInt());
    options.entries = std::max(0, parser.value(QStringLiteral("entries")).toInt());
    options.repeat = std::max(1, parser.value(QStringLiteral("repeat")).toInt());
    options.plan = parser.isSet(QStringLiteral("plan"));
    options.detail = parser.isSet(QStringLiteral("detail"));
    options.store = parser.value(QStringLiteral("store"));
    for (const QString& value : parser.values(QStringLiteral("case"))) {
        command.cases += value.split(u',', Qt::SkipEmptyParts);
    }
    command.list = parser.isSet(QStringLiteral("list"));
    const QStringList size = parser.value(QStringLiteral("picture-size")).split(u'x');
    if (size.size() == 2 && size[0].toInt() > 0 && size[1].toInt() > 0)
        options.pictureSize = QSize(size[0].toInt(), size[1].toInt());
    return command;
}

// The cases to run, in their registered order; an unknown name is an error.
bool chooseCases(const BenchCases& all, const QStringList& names, BenchCases& chosen) {
    for (const QString& name : names) {
        const bool known =
            std::any_of(all.begin(), all.end(), [&](const BenchCase& c) { return c.name == name; });
        if (!known) {
            std::fprintf(stderr, "quarnel_bench: no case %s (--list shows them)\n",
                         qPrintable(name));
            return false;
        }
    }
    for (const BenchCase& c : all) {
        if (names.isEmpty() || names.contains(c.name)) chosen.push_back(c);
    }
    return true;
}

// The store filled locally is copied to the server in one transaction (the
// generators write through SQLite's own statements), and the cases then run
// on the server. With nothing generated the server's store is used as it is.
void moveToServer(const BenchOptions& options) {
    const bool generated = options.listings + options.requests + options.entries > 0;
    if (generated) {
        QElapsedTimer copy;
        copy.start();
        Database server(options.store);
        const StoreTransferResult moved = transferStore(Database::qdb3(), server);
        std::printf("# copied to the server: tables=%d rows=%lld copy_ms=%.0f\n", moved.tables,
                    static_cast<long long>(moved.rows), elapsedMs(copy));
    }
    Database::setQdb3(std::make_unique<Database>(options.store));
}

}  // namespace

void printCaseLine(const QString& name, int rows, double appMs, double rawMs) {
    std::printf("case=%s rows=%d app_ms=%.2f raw_ms=%.2f ratio=%.2f\n", qPrintable(name), rows,
                appMs, rawMs, rawMs > 0 ? appMs / rawMs : 0.0);
    std::fflush(stdout);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Command command = readCommand(app);
    const BenchCases all = registeredCases();
    if (command.list) {
        for (const BenchCase& c : all)
            std::printf("%s\n", qPrintable(c.name));
        return 0;
    }
    BenchCases chosen;
    if (!chooseCases(all, command.cases, chosen)) return 2;
    const BenchOptions& options = command.options;
    initQuarnelResources();
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot create a temporary directory\n");
        return 2;
    }
    try {
        const bool onServer = isServerAlias(options.store);
        const OfficeFolder folder(options.store.isEmpty() || onServer ? home.path()
                                                                      : options.store);
        folder.ensureCreated();
        setOfficeFolder(folder);
        Database::setQdb3(std::make_unique<Database>(folder.aliasDirectory()));
        QElapsedTimer fill;
        fill.start();
        fillListings(Database::qdb3(), options.listings);
        fillRequests(Database::qdb3(), options.requests);
        fillCashBook(Database::qdb3(), options.entries);
        std::printf("# listings=%d requests=%d entries=%d repeat=%d fill_ms=%.0f\n",
                    options.listings, options.requests, options.entries, options.repeat,
                    elapsedMs(fill));
        if (onServer) moveToServer(options);
        bool agreed = true;
        for (const BenchCase& c : chosen) {
            if (onServer && !c.runsOnServer) {
                std::printf("# %s: runs on the local file only\n", qPrintable(c.name));
                continue;
            }
            agreed = c.run(Database::qdb3(), options) && agreed;
        }
        Database::closeQdb3();
        return agreed ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quarnel_bench: %s\n", error.what());
        Database::closeQdb3();
        return 2;
    }
}
