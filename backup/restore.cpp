#include "backup/restore.h"

#include "backup/backup_folder.h"
#include "backup/photo_store.h"
#include "common/office_store.h"
#include "data/database.h"
#include "data/server_address.h"
#include "data/store_copy.h"
#include "data/store_file_check.h"
#include "data/store_messages.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cstdio>
#include <memory>

namespace {

const QString kUnchanged = QStringLiteral("\n사무실 자료는 바뀌지 않았습니다.");

QString fileLine(const QString& path) {
    return QStringLiteral("\n파일: ") + path;
}

// Where the backup's store file, photo list and photo store are.
struct BackupPlace {
    QString store;
    QString photoList;  // empty: a store file on its own, without photos
    QString photoStore;
};

BackupPlace locate(const QString& given) {
    const QFileInfo info(given);
    BackupPlace place;
    QString folder;
    if (info.isDir()) {
        folder = info.absoluteFilePath();
        place.store = QDir(folder).filePath(backupFiles::kStore);
    } else if (info.isFile()) {
        folder = info.absolutePath();
        place.store = info.absoluteFilePath();
    } else {
        throw StoreError(
            QStringLiteral("복원할 백업을 찾을 수 없습니다.") + fileLine(given) + kUnchanged,
            QStringLiteral("no such backup"));
    }
    if (!QFileInfo(place.store).isFile()) {
        throw StoreError(QStringLiteral("백업 폴더에 자료 파일(quarnel.sqlite3)이 없습니다.") +
                             fileLine(folder) + kUnchanged,
                         QStringLiteral("no store file"));
    }
    const QString list = QDir(folder).filePath(backupFiles::kPhotoList);
    if (QFileInfo::exists(list)) place.photoList = list;
    place.photoStore = QDir(QFileInfo(folder).absolutePath()).filePath(backupFiles::kPhotoStore);
    return place;
}

StoreCopyProgress stage(const BackupProgress& progress, const QString& name) {
    if (!progress) return {};
    return [progress, name](qint64 done, qint64 total) { return progress(name, done, total); };
}

// The backup's store, copied beside the office's, checked, and brought up
// to the current schema; returns the copy's path.
QString prepareStore(const BackupPlace& place, const QString& besideFolder,
                     const BackupProgress& progress, RestoreResult& result) {
    const QString copy = QDir(besideFolder).filePath(backupFiles::kStore);
    if (!QFile::copy(place.store, copy)) {
        throw StoreError(QStringLiteral("백업 파일을 자료 폴더에 복사할 수 없습니다.") +
                             fileLine(place.store) + kUnchanged,
                         QStringLiteral("copy failed"));
    }
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    StoreCopyFacts facts;
    try {
        facts = examineStoreCopy(copy, place.store, stage(progress, QStringLiteral("백업 검사")));
    } catch (const StoreCopyStopped&) {
        throw;
    } catch (const StoreError& error) {
        throw StoreError(QStringLiteral("백업 파일을 자료로 읽을 수 없어 복원하지 않았습니다.") +
                             fileLine(place.store) + kUnchanged,
                         error.storeText());
    }
    if (!facts.sound) {
        throw StoreError(QStringLiteral("백업 파일이 손상되어 있어 복원하지 않았습니다.") +
                             fileLine(place.store) + kUnchanged,
                         facts.problem);
    }
    const int latest = latestSchemaVersion();
    const bool unmarkedOfOurs = facts.applicationId == 0 && facts.version >= 1;
    if (facts.applicationId != kStoreApplicationId && !unmarkedOfOurs) {
        throw StoreError(QStringLiteral("이 백업은 다른 프로그램의 자료 파일이라 복원하지 "
                                        "않았습니다.") +
                             fileLine(place.store) + kUnchanged,
                         QStringLiteral("application_id %1").arg(facts.applicationId));
    }
    if (facts.version > latest) {
        throw StoreError(QStringLiteral("이 백업은 더 새로운 판의 프로그램이 만든 것이라 복원하지 "
                                        "않았습니다 (자료 구조 %1판, 이 프로그램은 %2판까지 "
                                        "압니다).")
                                 .arg(facts.version)
                                 .arg(latest) +
                             fileLine(place.store) + kUnchanged,
                         QStringLiteral("user_version %1").arg(facts.version));
    }
    result.fromVersion = facts.version;
    try {
        // Opening it as the office's store checks its tables and brings it
        // forward; closing it leaves the file whole, with no log beside it.
        const Database prepared(besideFolder, 0);
    } catch (const StoreError& error) {
        throw StoreError(QStringLiteral("백업을 이 프로그램의 자료로 열 수 없어 복원하지 "
                                        "않았습니다.") +
                             fileLine(place.store) + kUnchanged,
                         error.storeText());
    }
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        if (QFileInfo::exists(copy + QLatin1String(suffix))) {
            throw StoreError(QStringLiteral("복원할 자료를 준비하지 못했습니다.") + kUnchanged,
                             QStringLiteral("a log is left beside the prepared store"));
        }
    }
    return copy;
}

// A name in PICT beside `name` that no file has: "A_before_restore.JPG".
QString asideName(const QDir& pict, const QString& name) {
    const QFileInfo info(name);
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    for (int n = 1;; ++n) {
        const QString aside = info.completeBaseName() + QStringLiteral("_before_restore") +
                              (n > 1 ? QStringLiteral("_%1").arg(n) : QString()) + suffix;
        if (!QFileInfo::exists(pict.filePath(aside))) return aside;
    }
}

// Copies a stored photo into PICT under `name`: whole under a temporary
// name, its bytes checked against the hash, then renamed.
bool putPhoto(const QString& stored, const QString& hash, const QDir& pict, const QString& name) {
    QTemporaryFile copy(pict.filePath(QStringLiteral(".restore-XXXXXX")));
    QFile source(stored);
    if (!copy.open() || !source.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = source.readAll();
    if (copy.write(bytes) != bytes.size() || !copy.flush()) return false;
    if (QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()) !=
        hash) {
        return false;
    }
    if (!copy.rename(pict.filePath(name))) return false;
    copy.setAutoRemove(false);
    copy.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

struct PhotoPlan {
    std::vector<PhotoListEntry> add;      // PICT has no file of that name
    std::vector<PhotoListEntry> replace;  // PICT has other bytes under that name
};

PhotoPlan planPhotos(const BackupPlace& place, const QDir& pict, RestoreResult& result) {
    PhotoPlan plan;
    if (place.photoList.isEmpty()) return plan;
    const auto list = readPhotoList(place.photoList);
    if (!list) {
        throw StoreError(QStringLiteral("백업의 사진 목록이 손상되어 있어 복원하지 않았습니다.") +
                             fileLine(place.photoList) + kUnchanged,
                         QStringLiteral("unreadable photo list"));
    }
    const PhotoStore store(place.photoStore);
    for (const PhotoListEntry& entry : *list) {
        if (!store.has(entry.hash)) {
            result.photosMissing.append(entry.fileName);
        } else if (!QFileInfo::exists(pict.filePath(entry.fileName))) {
            plan.add.push_back(entry);
        } else if (fileHash(pict.filePath(entry.fileName)) == entry.hash) {
            ++result.photosAlreadyThere;
        } else {
            plan.replace.push_back(entry);
        }
    }
    return plan;
}

void addPhotos(const std::vector<PhotoListEntry>& entries, const PhotoStore& store,
               const QDir& pict, RestoreResult& result) {
    for (const PhotoListEntry& entry : entries) {
        if (putPhoto(store.pathOf(entry.hash), entry.hash, pict, entry.fileName)) {
            ++result.photosRestored;
        } else {
            result.photosMissing.append(entry.fileName);
        }
    }
}

// The office's own photo of that name is kept under a name beside it.
void replacePhotos(const std::vector<PhotoListEntry>& entries, const PhotoStore& store,
                   const QDir& pict, RestoreResult& result) {
    for (const PhotoListEntry& entry : entries) {
        const QString aside = asideName(pict, entry.fileName);
        if (!QFile::rename(pict.filePath(entry.fileName), pict.filePath(aside))) {
            result.photosMissing.append(entry.fileName);
            continue;
        }
        result.photosKeptAside.append(aside);
        if (putPhoto(store.pathOf(entry.hash), entry.hash, pict, entry.fileName)) {
            ++result.photosRestored;
        } else {
            result.photosMissing.append(entry.fileName);
        }
    }
}

std::unique_ptr<StoreFileHandle> takeStore(const QString& path) {
    if (!QFileInfo::exists(path)) return nullptr;
    try {
        return std::make_unique<StoreFileHandle>(path, StoreFileHandle::Mode::Exclusive);
    } catch (const StoreBusyError& error) {
        throw StoreBusyError(
            QStringLiteral("다른 프로그램이 사무실 자료를 열어 두고 있어 복원하지 않았습니다. "
                           "Quarnel과 자료를 쓰는 다른 프로그램을 모두 닫은 뒤 다시 하세요.") +
                fileLine(path),
            error.storeText());
    }
}

}  // namespace

bool renameFile(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

RestoreResult restoreBackup(const RestoreRequest& request) {
    const OfficeFolder& office = request.office;
    const QString dataFolder = office.aliasDirectory();
    // A store on a database server is put back on the server (pg_restore);
    // a backup of a local file never replaces it.
    if (isServerAlias(dataFolder)) {
        throw StoreError(QStringLiteral("자료 서버를 쓰는 사무실입니다. 서버의 자료는 서버에서 pg_restore로 "
                                        "되돌리세요. 아무것도 바꾸지 않았습니다.\n서버: ") +
                             parseServerAddress(dataFolder).shown(),
                         QStringLiteral("the store is on a server"));
    }
    const BackupPlace place = locate(request.backup);
    if (office.namesAliasDirectory() && !QFileInfo(dataFolder).isDir()) {
        throw StoreError(missingDataFolderRefusal(dataFolder), QStringLiteral("no data folder"));
    }
    if (!office.ensureCreated() || !QDir().mkpath(dataFolder)) {
        throw StoreError(storeMessages::folderNotCreated(dataFolder),
                         QStringLiteral("cannot create the data folder"));
    }
    const QString target = QDir(dataFolder).filePath(QString::fromLatin1(Database::kFileName));
    RestoreResult result;
    std::unique_ptr<StoreFileHandle> current = takeStore(target);
    // What a restore stopped short left beside the store (none runs now:
    // the store is ours).
    const QDir data(dataFolder);
    const QStringList leftOver =
        current ? data.entryList({QStringLiteral(".restore-*")},
                                 QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)
                : QStringList();
    for (const QString& left : leftOver)
        QDir(data.filePath(left)).removeRecursively();

    QTemporaryDir beside(QDir(dataFolder).filePath(QStringLiteral(".restore-XXXXXX")));
    if (!beside.isValid()) {
        throw StoreError(storeMessages::readOnlyFolder(dataFolder) + kUnchanged,
                         beside.errorString());
    }
    const QString prepared = prepareStore(place, beside.path(), request.progress, result);
    const QDir pict(office.pictDirectory());
    const PhotoPlan photos = planPhotos(place, pict, result);

    if (current) {
        BackupRequest before;
        before.root = request.backupRoot;
        before.pictFolder = office.pictDirectory();
        before.moment = request.moment;
        before.beforeRestore = true;
        before.requireSound = false;  // a damaged office is what a restore is for
        before.progress = request.progress;
        try {
            const BackupResult made = makeBackup(*current, before);
            result.backupBefore = made.folder;
            result.storeWasSound = made.sound;
        } catch (const StoreCopyStopped&) {
            throw;
        } catch (const StoreError& error) {
            throw StoreError(QStringLiteral("지금의 사무실 자료를 먼저 백업하지 못해 복원하지 "
                                            "않았습니다.\n") +
                                 error.context() + kUnchanged,
                             error.storeText());
        }
    }

    const PhotoStore store(place.photoStore);
    addPhotos(photos.add, store, pict, result);
    if (current) {
        current->settleForReplacement();
    } else {
        for (const char* suffix : {"-wal", "-shm"})
            QFile::remove(target + QLatin1String(suffix));
    }
    if (!request.replace(prepared, target)) {
        throw StoreError(QStringLiteral("자료 파일을 바꿀 수 없어 복원하지 않았습니다.") +
                             fileLine(target) + kUnchanged,
                         QStringLiteral("rename failed"));
    }
    current.reset();
    replacePhotos(photos.replace, store, pict, result);
    return result;
}
