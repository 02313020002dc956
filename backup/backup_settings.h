#pragma once

#include <QDateTime>
#include <QString>

class OfficeFolder;

// Where the office's backups go: the folder named by "[Backup] folder=" in
// quarnel.ini (a relative name is taken from the office folder, "~/" from
// the home folder), else backup/ in the office folder.
QString backupRoot(const OfficeFolder& office);

// What the office remembers of its backups, in backup-state.ini of the
// office folder (not in the backup folder, which may be a disk that is not
// plugged in).
struct BackupState {
    QDateTime lastMade;    // invalid: never
    QString lastFolder;    // the backup made then
    QDateTime lastFailed;  // invalid: the last attempt did not fail
    QString lastError;
    QString storeStamp;  // the store file as it was at the last backup
};

BackupState readBackupState(const OfficeFolder& office);
bool writeBackupState(const OfficeFolder& office, const BackupState& state);
// Records a backup made at `moment`, or a failed attempt.
void recordBackupMade(const OfficeFolder& office, const QDateTime& moment, const QString& folder,
                      const QString& storeStamp);
void recordBackupFailed(const OfficeFolder& office, const QDateTime& moment, const QString& error);

// The size and modification time of the store file. Once the write-ahead
// log has been copied into the file, the file changes exactly when
// something was written, so an unchanged stamp means nothing to back up.
QString storeStamp(const QString& storeFile);

// What the main window's status bar says of the backups: nothing while the
// last backup is at most a week old (or none was ever tried), else a short
// notice and a longer explanation for its hint.
struct BackupNotice {
    QString text;
    QString detail;
};
BackupNotice backupNotice(const BackupState& state, const QDateTime& now);
