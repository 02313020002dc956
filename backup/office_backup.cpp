#include "backup/office_backup.h"

#include "backup/backup_settings.h"
#include "common/office_folder.h"
#include "data/database.h"
#include "data/store_copy.h"

namespace {
// Copies what the log holds into the store file, as far as other programs'
// reads allow, without waiting for them.
QString settledStamp(Database& store) {
    store.execute(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
    return storeStamp(store.filePath());
}
}  // namespace

bool backupNeeded(const OfficeFolder& office, Database& store) {
    const BackupState state = readBackupState(office);
    return !state.lastMade.isValid() || state.storeStamp != settledStamp(store);
}

BackupResult backUpOffice(const OfficeFolder& office, Database& store, const QString& root,
                          const QDateTime& moment, const BackupProgress& progress) {
    try {
        const QString stamp = settledStamp(store);
        const StoreFileHandle source(store.filePath(), StoreFileHandle::Mode::Read);
        BackupRequest request;
        request.root = root;
        request.pictFolder = office.pictDirectory();
        request.moment = moment;
        request.progress = progress;
        const BackupResult result = makeBackup(source, request);
        recordBackupMade(office, moment, result.folder, stamp);
        return result;
    } catch (const StoreCopyStopped&) {
        throw;
    } catch (const StoreError& error) {
        recordBackupFailed(office, moment, error.context());
        throw;
    }
}
