#pragma once

#include <QString>

struct sqlite3;

// The mark in every store file of this program (SQLite's application_id:
// "QRNL" in ASCII).
inline constexpr int kStoreApplicationId = 0x51524E4C;

// What a store file holds, read before anything in it is changed.
struct StoreFileContent {
    enum class Kind {
        Empty,     // no tables and no schema version: a new store is made in it
        Marked,    // this program's store, carrying the mark
        Unmarked,  // this program's store from before the mark: its version and tables
    };
    Kind kind = Kind::Empty;
    int version = 0;  // the schema version inside the file
};

// Reads the mark, the schema version and the tables of the file open on
// `handle`, writing nothing. Throws StoreError with a message naming
// `filePath` when the file is not a database, is damaged, belongs to another
// program or to a newer version of this one (above `latestVersion`), or is
// locked by another program (StoreBusyError).
StoreFileContent examineStoreFile(sqlite3* handle, const QString& filePath, int latestVersion);

// Reads the file as it lies on the disk, without locking it and without
// creating anything beside it, and refuses it (as above) when its mark or
// tables say it belongs to another program, or its version is newer. What
// it cannot read there is left to examineStoreFile on the store's own
// connection, which also sees writes not yet copied into the file.
void refuseOthersAtFirstSight(const QString& filePath, int latestVersion);
