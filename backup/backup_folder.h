#pragma once

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// The folder of the office's backups: one folder per backup, named by the
// moment it was made ("2026-12-09_183005", "…-before-restore" for the one a
// restore makes first, "…-2" when two are made within a second), holding the
// store file and the list of the photos it refers to; and "photos/", where
// every backed-up photo is kept once under the hash of its bytes.
namespace backupFiles {
inline const QString kStore = QStringLiteral("quarnel.sqlite3");
inline const QString kPhotoList = QStringLiteral("photos.txt");
inline const QString kPhotoStore = QStringLiteral("photos");
inline const QString kPartialPrefix = QStringLiteral(".partial-");
inline const QString kLock = QStringLiteral(".backup.lock");
}  // namespace backupFiles

struct BackupEntry {
    QString name;
    QString path;
    QDateTime moment;
    bool beforeRestore = false;
    int sequence = 1;  // 2, 3, … for a second and third backup in one second
};

QString backupFolderName(const QDateTime& moment, bool beforeRestore, int sequence = 1);
// Nothing when `name` is not the name of a backup folder.
std::optional<BackupEntry> parseBackupName(const QString& name);
// A name for a new backup in `root` that no folder there has yet.
QString freeBackupName(const QString& root, const QDateTime& moment, bool beforeRestore);

// The complete backups in `root`, oldest first. A folder whose name is not a
// backup's, or that lacks the store file or the photo list, is not one.
std::vector<BackupEntry> listBackups(const QString& root);

// One line of a backup's photo list: the photo's file name in PICT, the
// hash it is kept under in the photo store, and its size and modification
// time when it was backed up.
struct PhotoListEntry {
    QString fileName;
    QString hash;
    qint64 bytes = 0;
    qint64 modifiedMs = 0;
};

// Writes the list whole under a temporary name, then renames it.
bool writePhotoList(const QString& path, const std::vector<PhotoListEntry>& entries);
// Nothing when the file cannot be read or a line is not a photo entry.
std::optional<std::vector<PhotoListEntry>> readPhotoList(const QString& path);

// A file name without any folder in it, as the photo table holds them; any
// other name could reach outside PICT and is never used.
bool isPlainFileName(const QString& name);
