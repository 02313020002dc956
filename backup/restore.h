#pragma once

#include "backup/backup_maker.h"
#include "common/office_folder.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

// The one step that puts the restored store in place of the office's: a
// rename within the data folder. Tests stand in for it to stop a restore
// exactly there.
using ReplaceFile = std::function<bool(const QString& from, const QString& to)>;
bool renameFile(const QString& from, const QString& to);

struct RestoreRequest {
    QString backup;  // a backup's folder, or the store file inside it
    OfficeFolder office{QString()};
    QString backupRoot;  // where the backup of the current state goes first
    QDateTime moment;    // names that backup
    ReplaceFile replace = renameFile;
    BackupProgress progress;
};

struct RestoreResult {
    QString
        backupBefore;  // the backup of the office as it was; empty for an office without a store
    bool storeWasSound = true;  // false: the office's own store failed its check (kept as it was)
    int fromVersion = 0;  // the schema version of the restored store before it was brought forward
    int photosRestored = 0;       // put into PICT
    int photosAlreadyThere = 0;   // PICT held the very same photo
    QStringList photosKeptAside;  // PICT files with other bytes under a restored name, renamed
    QStringList photosMissing;    // listed in the backup, but not in its photo store
};

// Puts a backup back into the office. Refuses (StoreBusyError) while another
// program has the store open, taking the store for itself first; makes a
// backup of the current state; checks the backup's integrity and that it is
// this program's store, bringing an older one up to the current schema;
// puts its photos back into PICT (never removing one); and then replaces
// the store in one step: the new file written beside, the old file's log
// copied in and removed, the new file renamed over the old. Stopped at any
// point, the office is either as it was or wholly restored. Throws
// StoreError with a Korean message; the office is then as it was.
RestoreResult restoreBackup(const RestoreRequest& request);
