// quarnel_demo_data: fills an office folder with generated demo listings, so
// that the listing list can be tried and shown with a realistic amount of
// data. The office folder is --folder, else $QUARNEL_HOME, else the user's
// data location, as the program itself chooses it.

#include "app/startup.h"
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
        const int count = std::max(0, parser.value(QStringLiteral("listings")).toInt());
        const auto seed = parser.value(QStringLiteral("seed")).toULongLong();
        fillListings(database, count, seed, QDate::currentDate());
        std::printf("%d listings added to %s\n", count, qPrintable(database.filePath()));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quarnel_demo_data: %s\n", error.what());
        return 2;
    }
}
