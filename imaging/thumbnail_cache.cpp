#include "imaging/thumbnail_cache.h"

#include "common/office_folder.h"
#include "imaging/jpeg_decoder.h"
#include "imaging/jpeg_encoder.h"

#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {

constexpr quint32 kMagic = 0x51544842;  // "QTHB"
constexpr quint32 kVersion = 1;
constexpr int kQuality = 90;
// An entry is a small JPEG; anything much larger is not one of ours.
constexpr qint64 kMaxEntryBytes = 4 * 1024 * 1024;

struct EntryKey {
    qint64 photoBytes = -1;
    qint64 photoTime = -1;
    QSize box;
    bool operator==(const EntryKey&) const = default;
};

EntryKey keyOf(const QFileInfo& photo, QSize box) {
    return EntryKey{photo.size(), photo.lastModified().toMSecsSinceEpoch(), box};
}

}  // namespace

ThumbnailCache::ThumbnailCache(QString directory, QSize box)
    : directory_(std::move(directory)), box_(box) {}

ThumbnailCache ThumbnailCache::forOffice(QSize box) {
    return ThumbnailCache(officeFolder().filePath(QStringLiteral("PICT_thumbs")), box);
}

QString ThumbnailCache::entryPath(const QString& photoFileName) const {
    return QDir(directory_).filePath(photoFileName + QStringLiteral(".thumb"));
}

QImage ThumbnailCache::find(const QFileInfo& photo) const {
    if (!photo.isFile()) return {};
    QFile file(entryPath(photo.fileName()));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxEntryBytes) return {};
    QDataStream in(&file);
    quint32 magic = 0, version = 0;
    EntryKey stored;
    QByteArray jpeg;
    in >> magic >> version >> stored.photoBytes >> stored.photoTime >> stored.box >> jpeg;
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion ||
        !(stored == keyOf(photo, box_))) {
        return {};
    }
    return decodeJpeg(jpeg).image;
}

void ThumbnailCache::store(const QFileInfo& photo, const QImage& thumbnail) const {
    if (thumbnail.isNull() || !QDir().mkpath(directory_)) return;
    const QByteArray jpeg = encodeJpeg(thumbnail, kQuality);
    if (jpeg.isEmpty()) return;
    // Written beside the entry and renamed over it, so a reader never sees
    // half an entry. A cache needs no flush to the disk: an entry lost in a
    // crash is only made again.
    const QString target = entryPath(photo.fileName());
    QTemporaryFile file(target + QStringLiteral(".XXXXXX"));
    if (!file.open()) return;
    QDataStream out(&file);
    const EntryKey key = keyOf(photo, box_);
    out << kMagic << kVersion << key.photoBytes << key.photoTime << key.box << jpeg;
    if (out.status() != QDataStream::Ok || !file.flush()) return;
    // Readable as the photos are, not only by whoever made the entry.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(file.fileName()).toStdString(),
                            QFile::encodeName(target).toStdString(), error);
    if (!error) file.setAutoRemove(false);
}

void ThumbnailCache::remove(const QString& photoFileName) const {
    QFile::remove(entryPath(photoFileName));
}
