#include "backup/backup_maker.h"

#include "backup/backup_folder.h"
#include "backup/backup_rotation.h"
#include "backup/photo_store.h"
#include "common/office_folder.h"
#include "common/private_files.h"
#include "data/store_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>

namespace {

QString folderLine(const QString& folder) {
    return QStringLiteral("\n폴더: ") + folder;
}

[[noreturn]] void refuse(const QString& message, const QString& folder, const QString& detail) {
    throw StoreError(message + folderLine(folder), detail);
}

// A backup being made lies under a name that no listing takes for a backup,
// and goes when the making stops short.
class PartialFolder {
public:
    explicit PartialFolder(QString path) : path_(std::move(path)) {}
    ~PartialFolder() {
        if (!kept_) QDir(path_).removeRecursively();
    }
    const QString& path() const { return path_; }
    QString filePath(const QString& name) const { return QDir(path_).filePath(name); }
    void keep() { kept_ = true; }

private:
    QString path_;
    bool kept_ = false;
};

StoreCopyProgress stage(const BackupProgress& progress, const QString& name) {
    if (!progress) return {};
    return [progress, name](qint64 done, qint64 total) { return progress(name, done, total); };
}

// The photo list of the newest backup, by file name, so that photos whose
// size and time have not changed are not read again.
QHash<QString, PhotoListEntry> previousPhotos(const QString& root) {
    QHash<QString, PhotoListEntry> byName;
    const std::vector<BackupEntry> backups = listBackups(root);
    if (backups.empty()) return byName;
    const auto list = readPhotoList(QDir(backups.back().path).filePath(backupFiles::kPhotoList));
    if (list) {
        for (const PhotoListEntry& entry : *list)
            byName.insert(entry.fileName, entry);
    }
    return byName;
}

void backUpPhotos(const QStringList& names, const BackupRequest& request,
                  std::vector<PhotoListEntry>& entries, BackupResult& result) {
    const PhotoStore store(QDir(request.root).filePath(backupFiles::kPhotoStore));
    if (!makeOwnerOnlyFolder(store.folder())) {
        refuse(QStringLiteral("백업 폴더에 사진 보관 폴더를 만들 수 없습니다."), store.folder(),
               QStringLiteral("cannot create the photo store"));
    }
    const QHash<QString, PhotoListEntry> previous = previousPhotos(request.root);
    const QDir pict(request.pictFolder);
    qint64 done = 0;
    for (const QString& name : names) {
        if (request.progress && !request.progress(QStringLiteral("사진"), done++, names.size()))
            throw StoreCopyStopped();
        const QFileInfo file(pict.filePath(name));
        if (!isPlainFileName(name) || !file.isFile()) {
            result.photosMissing.append(name);
            continue;
        }
        PhotoListEntry entry{name, QString(), file.size(),
                             file.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch()};
        const auto before = previous.constFind(name);
        if (before != previous.constEnd() && before->bytes == entry.bytes &&
            before->modifiedMs == entry.modifiedMs && store.has(before->hash)) {
            entry.hash = before->hash;
        } else {
            entry.hash = fileHash(file.filePath());
            if (entry.hash.isEmpty()) {
                refuse(QStringLiteral("사진을 읽을 수 없습니다: ") + name, request.pictFolder,
                       QStringLiteral("cannot read ") + file.filePath());
            }
            QString error;
            if (!store.has(entry.hash)) {
                if (!store.add(file.filePath(), entry.hash, &error)) {
                    refuse(QStringLiteral("사진을 백업 폴더에 복사할 수 없습니다: ") + name,
                           store.folder(), error);
                }
                ++result.photosAdded;
            }
        }
        entries.push_back(entry);
    }
    result.photos = static_cast<int>(entries.size());
}

}  // namespace

BackupResult makeBackup(const StoreFileHandle& source, const BackupRequest& request) {
    const QString root = QDir::cleanPath(QDir(request.root).absolutePath());
    if (!makeOwnerOnlyFolder(root)) {
        refuse(QStringLiteral("백업 폴더를 만들 수 없습니다."), root,
               QStringLiteral("cannot create the backup folder"));
    }
    // One backup at a time in a folder: the program closing and a backup
    // started from a shell must not remove each other's photos.
    QLockFile lock(QDir(root).filePath(backupFiles::kLock));
    if (!lock.tryLock(10000)) {
        refuse(QStringLiteral("다른 백업이 이 백업 폴더에 쓰고 있습니다. 잠시 뒤에 다시 하세요."),
               root, QStringLiteral("backup folder locked"));
    }
    // What a backup cut short left behind (no other backup runs here now).
    const QDir rootDir(root);
    for (const QString& name :
         rootDir.entryList({backupFiles::kPartialPrefix + u'*'}, QDir::Dirs | QDir::Hidden)) {
        QDir(rootDir.filePath(name)).removeRecursively();
    }

    const QString name = freeBackupName(root, request.moment, request.beforeRestore);
    PartialFolder partial(rootDir.filePath(backupFiles::kPartialPrefix + name));
    if (!makeOwnerOnlyFolder(partial.path())) {
        refuse(QStringLiteral("백업 폴더에 쓸 수 없습니다."), root,
               QStringLiteral("cannot create ") + partial.path());
    }
    BackupResult result;
    const QString storeCopy = partial.filePath(backupFiles::kStore);
    copyStore(source.get(), storeCopy, stage(request.progress, QStringLiteral("자료 복사")));
    QFile::setPermissions(storeCopy, QFile::ReadOwner | QFile::WriteOwner);
    const StoreCopyFacts facts = examineStoreCopy(
        storeCopy, storeCopy, stage(request.progress, QStringLiteral("자료 검사")));
    if (!facts.sound) {
        if (request.requireSound) {
            throw StoreError(
                QStringLiteral("백업한 자료가 무결성 검사를 통과하지 못해 백업을 남기지 "
                               "않았습니다. 사무실 자료가 손상되었을 수 있습니다.") +
                    folderLine(root),
                facts.problem);
        }
        result.sound = false;
        result.problem = facts.problem;
    }
    result.storeBytes = QFileInfo(storeCopy).size();

    std::vector<PhotoListEntry> photos;
    backUpPhotos(facts.photoFiles, request, photos, result);
    if (!writePhotoList(partial.filePath(backupFiles::kPhotoList), photos)) {
        refuse(QStringLiteral("백업 폴더에 쓸 수 없습니다."), root,
               QStringLiteral("cannot write the photo list"));
    }
    result.folder = rootDir.filePath(name);
    if (!QDir().rename(partial.path(), result.folder)) {
        refuse(QStringLiteral("백업 폴더에 쓸 수 없습니다."), root,
               QStringLiteral("cannot rename ") + partial.path());
    }
    partial.keep();
    if (!request.beforeRestore) rotateBackups(root, &result);
    return result;
}

void rotateBackups(const QString& root, BackupResult* result) {
    const std::vector<BackupEntry> backups = listBackups(root);
    const std::vector<bool> kept = keptBackups(backups);
    QSet<QString> hashes;
    bool listsRead = true;
    for (size_t i = 0; i < backups.size(); ++i) {
        if (!kept[i]) {
            if (QDir(backups[i].path).removeRecursively()) ++result->backupsRemoved;
            continue;
        }
        const auto list = readPhotoList(QDir(backups[i].path).filePath(backupFiles::kPhotoList));
        if (!list) {
            listsRead = false;
            continue;
        }
        for (const PhotoListEntry& entry : *list)
            hashes.insert(entry.hash);
    }
    if (listsRead) {
        result->photosRemoved =
            PhotoStore(QDir(root).filePath(backupFiles::kPhotoStore)).prune(hashes);
    }
}
