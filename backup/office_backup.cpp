#include "backup/office_backup.h"

#include "backup/backup_settings.h"
#include "common/office_folder.h"
#include "data/database.h"
#include "data/store_copy.h"
#include "data/store_error.h"

namespace {
// The store file's stamp once the log is in it; when another program's read
// held part of the log back, a stamp that matches no recorded one, so that
// the backup is made rather than missed.
QString settledStamp(Database& store) {
    const bool settled = settleStoreLog(store);
    const QString stamp = storeStamp(store.filePath());
    return settled ? stamp : stamp + QStringLiteral(" log");
}
}  // namespace

bool backupNeeded(const OfficeFolder& office, Database& store) {
    // A store on a server is backed up there; the office makes no copy.
    if (store.isServer()) return false;
    const BackupState state = readBackupState(office);
    return !state.lastMade.isValid() || state.storeStamp != settledStamp(store);
}

BackupResult backUpOffice(const OfficeFolder& office, Database& store, const QString& root,
                          const QDateTime& moment, const BackupProgress& progress) {
    // The copy reads the store's own file; a server has none here. Nothing
    // is recorded: no backup of this office was due.
    if (store.isServer()) {
        throw StoreError(QStringLiteral("자료 서버를 쓰는 사무실은 여기서 복사하지 않습니다. "
                                        "서버의 자료는 pg_dump로 백업하세요 (quarnel --backup)."
                                        "\n서버: ") +
                             store.server()->shown(),
                         QStringLiteral("the store is on a server"));
    }
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
