#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

class StoreFileHandle;

// Reports what a backup or a restore is doing: a stage ("자료 복사",
// "자료 검사", "사진"), `done` of `total` (total 0: not known). Returning
// false stops the work, which then leaves nothing half made behind.
using BackupProgress = std::function<bool(const QString& stage, qint64 done, qint64 total)>;

struct BackupRequest {
    QString root;                // the backup folder
    QString pictFolder;          // the office's PICT
    QDateTime moment;            // names the backup
    bool beforeRestore = false;  // the backup a restore makes first: never rotates others away
    bool requireSound = true;    // refuse a copy that fails the integrity check
    BackupProgress progress;
};

struct BackupResult {
    QString folder;  // the new backup
    qint64 storeBytes = 0;
    bool sound = true;  // false only when requireSound was off and the check failed
    QString problem;
    int photos = 0;             // photos listed
    int photosAdded = 0;        // of them, new to the photo store
    QStringList photosMissing;  // named by the photo table, but not in PICT
    int backupsRemoved = 0;
    int photosRemoved = 0;
};

// Makes one backup of the store open on `source` into a new folder of
// `request.root`: the store copied through the online backup and checked
// with the full integrity check, the photos it refers to added to the photo
// store, the photo list written, and the folder renamed into place only when
// all of it is there. Then (but not before a restore) older backups are
// removed as BackupKeeping says, and photos no kept backup refers to.
// Throws StoreError with a Korean message; a backup cut short leaves no
// backup folder behind.
BackupResult makeBackup(const StoreFileHandle& source, const BackupRequest& request);

// Removes backups that are no longer kept, then the photos none of the kept
// ones refers to (none at all when a kept backup's list cannot be read).
void rotateBackups(const QString& root, BackupResult* result);
