#pragma once

#include <QString>

#include <functional>
#include <vector>

class Database;

// Brings an office's old tables into its store: every table of office data
// that the folder holds (legacy/legacy_folder.h) replaces the rows of the
// store's table of that name, all in one transaction, and the photos the
// photo rows name are copied into the office's PICT afterwards.
//
// The store describes itself at run time: fields are matched by name in any
// case; fields of the store that the old file lacks are filled as a new row
// would be; fields of the old file that the store does not know are reported.
// A value that does not fit its field stops the import with the file, the
// record and the field named, and the store is left as it was.
//
// Starting data (codes, the postal sample) is replaced freely. When the store
// already holds rows that users entered, the import is refused unless
// `replace` is set; then the tables the folder holds are replaced.

struct LegacyImportReport {
    struct Table {
        QString fileName;
        QString table;
        int rows = 0;
        int deletedRecords = 0;  // marked deleted in the old file, left out
    };
    struct Note {
        QString what;
        QString why;
    };

    std::vector<Table> tables;     // imported, in the order of their file names
    std::vector<Note> passedOver;  // not office data: the program supplies or rebuilds them
    std::vector<Note> skipped;     // what did not come over, and why
    int photosCopied = 0;
    int photosAlreadyThere = 0;  // the office held the same photo under the same name

    // Whether everything the folder offered came over.
    bool complete() const { return skipped.empty(); }
};

// One line of progress for the terminal.
using ImportProgress = std::function<void(const QString&)>;

// Imports the folder into `database` and copies photos into `pictureFolder`.
// Returns false, with a Korean message in `error`, when nothing was imported
// (the store unchanged); `report` then holds nothing of the import.
bool importLegacyFolder(Database& database, const QString& folder, const QString& pictureFolder,
                        bool replace, const ImportProgress& progress, LegacyImportReport* report,
                        QString* error);
