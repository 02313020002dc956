#pragma once

#include "data/store_error.h"

#include <QString>
#include <QStringList>

#include <functional>

struct sqlite3;
class Database;

// Copies of the store file for the office's backups, and the checks that a
// copy is sound. Everything here works on SQLite's own connections, apart
// from the program's connection behind qdb3.

// Called while a copy or a check runs: `done` of `total` steps (total 0: not
// known). Returning false stops the work; it then throws StoreCopyStopped.
using StoreCopyProgress = std::function<bool(qint64 done, qint64 total)>;

// The user stopped a copy or a check.
class StoreCopyStopped : public StoreError {
public:
    StoreCopyStopped()
        : StoreError(QStringLiteral("사용자가 멈추었습니다."), QStringLiteral("stopped")) {}
};

// A connection of its own on a store file.
class StoreFileHandle {
public:
    enum class Mode {
        Read,       // reads beside the program and other programs
        Exclusive,  // the only connection: refused while another program has the file open
    };
    // Throws StoreError naming `path` when the file cannot be opened, and
    // StoreBusyError when Exclusive is asked while another program has it open.
    StoreFileHandle(const QString& path, Mode mode);
    ~StoreFileHandle();
    StoreFileHandle(const StoreFileHandle&) = delete;
    StoreFileHandle& operator=(const StoreFileHandle&) = delete;

    sqlite3* get() const { return handle_; }
    const QString& path() const { return path_; }

    // Exclusive only: copies the write-ahead log into the file and removes
    // the log and its index beside it, so that the file alone holds the
    // store and another file may be renamed into its place. The lock is kept;
    // closing afterwards writes nothing and removes nothing.
    void settleForReplacement();

private:
    QString path_;
    sqlite3* handle_ = nullptr;
};

// Copies what the write-ahead log of the program's store holds into the
// file, as far as other programs' reads allow and without waiting for them.
// True when the file then holds everything written: from then on the file
// changes exactly when something is written.
bool settleStoreLog(Database& store);

// Copies the store open on `source` into the new file `target` through
// SQLite's online backup, as one consistent picture of the store however
// other programs write meanwhile. The copy needs no log beside it. Throws
// StoreError (StoreCopyStopped when `progress` said stop); `target` is then
// left for the caller to remove.
void copyStore(sqlite3* source, const QString& target, const StoreCopyProgress& progress,
               int pagesPerStep = 4096);

// What a store copy holds, read after the full integrity check.
struct StoreCopyFacts {
    bool sound = false;
    QString problem;  // the first finding of the integrity check when not sound
    int applicationId = 0;
    int version = 0;
    QStringList photoFiles;  // the distinct file names of the photo table
};

// Opens the copy anew, runs PRAGMA integrity_check and reads its mark,
// version and photo names. Throws StoreError naming `shownPath` when the
// file cannot be read as a store at all.
StoreCopyFacts examineStoreCopy(const QString& path, const QString& shownPath,
                                const StoreCopyProgress& progress);
