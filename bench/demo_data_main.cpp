// quarnel_demo_data: fills an office folder with generated demo listings
// (and, with --entries, business partners and cash-book entries), so that
// the lists can be tried and shown with a realistic amount of data. The office folder is --folder,
// else $QUARNEL_HOME, else the user's data location, as the program itself chooses it.

#include "app/startup.h"
#include "bench/cash_book_generator.h"
#include "bench/listing_generator.h"
#include "common/office_folder.h"
#include "common/office_store.h"
#include "data/database.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Fills an office folder with demo listings."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("listings"), QStringLiteral("Number of listings to add."),
                      QStringLiteral("N"), QStringLiteral("500")});
    parser.addOption({QStringLiteral("entries"),
                      QStringLiteral("Number of cash-book entries to add (with 50 partners)."),
                      QStringLiteral("N"), QStringLiteral("0")});
    parser.addOption(
        {QStringLiteral("folder"), QStringLiteral("The office folder."), QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Seed of the generator."),
                      QStringLiteral("S"), QString::number(kDefaultListingSeed)});
    parser.process(app);

    initQuarnelResources();
    const QString folderPath = parser.value(QStringLiteral("folder"));
    const OfficeFolder folder =
        folderPath.isEmpty() ? OfficeFolder::fromEnvironment() : OfficeFolder(folderPath);
    try {
        // A command without a window: a missing data folder named in
        // quarnel.ini is refused, never made anew.
        const std::unique_ptr<Database> store = openOfficeStore(folder, {});
        Database& database = *store;
        // The generators write through SQLite's own statements.
        if (database.isServer()) {
            std::fprintf(stderr,
                         "quarnel_demo_data: 예제 자료는 이 컴퓨터의 자료 파일에만 만듭니다. "
                         "서버로는 다른 사무실 폴더에 만든 뒤 quarnel --copy-store 로 "
                         "옮기십시오.\n");
            return 2;
        }
        const int count = std::max(0, parser.value(QStringLiteral("listings")).toInt());
        const auto seed = parser.value(QStringLiteral("seed")).toULongLong();
        fillListings(database, count, seed, QDate::currentDate());
        const int entries = std::max(0, parser.value(QStringLiteral("entries")).toInt());
        fillCashBook(database, entries, seed, QDate::currentDate());
        std::printf("%d listings and %d cash-book entries added to %s\n", count, entries,
                    qPrintable(database.filePath()));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quarnel_demo_data: %s\n", error.what());
        return 2;
    }
}
