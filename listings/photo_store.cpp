#include "listings/photo_store.h"

#include "common/cp949.h"
#include "common/office_folder.h"
#include "common/row_key.h"
#include "data/database.h"
#include "data/query.h"
#include "data/table.h"
#include "data/transaction.h"
#include "listings/photo_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>

namespace {

constexpr int kMaxNameBytes = 50;
constexpr qint64 kCopyBlock = 30000;

const QString kPhotoTable = QStringLiteral("PICT.DB");

bool isPlainFileName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(u'/') && !name.contains(u'\\');
}

int rowsNaming(const QString& fileName) {
    Query query;
    query.add(QStringLiteral("select count(*) as n from \"PICT.DB\" P where P.\"filename\" = :f"));
    query.setParam(QStringLiteral("f"), fileName);
    query.open();
    const int count = query.value(0).toInt();
    query.close();
    return count;
}

std::runtime_error copyError(const QString& why) {
    return std::runtime_error(
        (QStringLiteral("사진을 복사하지 못했습니다 ...!\n") + why).toStdString());
}

}  // namespace

std::vector<PhotoEntry> listingPhotoEntries(const QString& scanbud) {
    Table photos(kPhotoTable);
    photos.setIndexName(QStringLiteral("PICT_SCANBUD"));
    photos.open();
    std::vector<PhotoEntry> entries;
    if (photos.findKey(scanbud)) {
        while (!photos.eof() && photos.text(QStringLiteral("scanbud")) == scanbud &&
               entries.size() < kMaxListingPhotos) {
            entries.push_back(
                {photos.text(QStringLiteral("scancode")), photos.text(QStringLiteral("filename"))});
            photos.next();
        }
    }
    photos.close();
    return entries;
}

int listingPhotoCount(const QString& scanbud) {
    Query query;
    query.add(QStringLiteral("select count(*) as n from \"PICT.DB\" P where P.\"scanbud\" = :s"));
    query.setParam(QStringLiteral("s"), scanbud);
    query.open();
    const int count = query.value(0).toInt();
    query.close();
    return count;
}

std::optional<QString> photoFileName(const QString& photoScancode) {
    Table photos(kPhotoTable);
    photos.open();
    std::optional<QString> name;
    if (photos.findKey(photoScancode)) name = photos.text(QStringLiteral("filename"));
    photos.close();
    return name;
}

bool fileNamedByOtherListing(const QString& fileName, const QString& scanbud) {
    Query query;
    query.add(QStringLiteral("select count(*) as n from \"PICT.DB\" P where P.\"filename\" = :f"));
    query.add(QStringLiteral(" and (P.\"scanbud\" <> :s or P.\"scanbud\" is null)"));
    query.setParam(QStringLiteral("f"), fileName);
    query.setParam(QStringLiteral("s"), scanbud);
    query.open();
    const bool named = query.value(0).toInt() > 0;
    query.close();
    return named;
}

bool deletePhoto(const QString& photoScancode) {
    QString fileName;
    {
        Transaction transaction(Database::qdb3());
        Table photos(kPhotoTable);
        photos.open();
        if (!photos.findKey(photoScancode)) {
            photos.close();
            return false;
        }
        fileName = photos.text(QStringLiteral("filename"));
        photos.deleteRow();
        photos.close();
        transaction.commit();
    }
    removeUnnamedPhotoFiles({fileName});
    return true;
}

int removeUnnamedPhotoFiles(const QStringList& fileNames) {
    const ThumbnailCache cache = photoThumbnailCache();
    int removed = 0;
    for (const QString& name : fileNames) {
        if (!isPlainFileName(name) || rowsNaming(name) > 0) continue;
        if (QFile::remove(photoFilePath(name))) ++removed;
        cache.remove(name);
    }
    return removed;
}

QString photoNameFor(const QString& sourcePath) {
    return QFileInfo(sourcePath).fileName().toUpper();
}

bool photoNameTooLong(const QString& name) {
    return cp949ByteLength(name) > kMaxNameBytes;
}

QString freePhotoName(const QString& name) {
    const QFileInfo info(name);
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    const QString stem = info.suffix().isEmpty() ? name : name.left(name.size() - suffix.size());
    for (int n = 1;; ++n) {
        const QString tail = u'_' + QString::number(n) + suffix;
        const QString candidate =
            truncateToCp949Bytes(stem, kMaxNameBytes - cp949ByteLength(tail)) + tail;
        if (!QFile::exists(photoFilePath(candidate)) && rowsNaming(candidate) == 0)
            return candidate;
    }
}

void copyPhotoBytes(QIODevice& source, const QString& target) {
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) throw copyError(file.errorString());
    std::vector<char> block(kCopyBlock);
    const auto fail = [&file](const QString& why) {
        file.cancelWriting();
        return copyError(why);
    };
    for (;;) {
        const qint64 read = source.read(block.data(), kCopyBlock);
        if (read < 0) {
            const QString why = source.errorString();
            throw fail(why.isEmpty() ? QStringLiteral("원본 화일을 읽을 수 없습니다") : why);
        }
        if (read == 0) break;
        if (file.write(block.data(), read) != read) throw fail(file.errorString());
    }
    if (!file.commit()) throw copyError(file.errorString());
}

void attachPhoto(const QString& sourcePath, const QString& name, bool copy, const QString& scanbud,
                 const QString& remark) {
    const QString target = photoFilePath(name);
    const bool existed = QFile::exists(target);
    Transaction transaction(Database::qdb3());
    if (!scanbud.isEmpty()) {
        Table photos(kPhotoTable);
        photos.open();
        photos.append();
        photos.setValue(QStringLiteral("scanbud"), scanbud);
        photos.setValue(QStringLiteral("remark"), remark);
        photos.setValue(QStringLiteral("filename"), name);
        writeWithNewKey(Database::qdb3(), KeyRoom::ForDesk, [&](const QString& key) {
            photos.setValue(QStringLiteral("scancode"), key);
            photos.post();
        });
        photos.close();
    }
    if (copy) {
        QDir().mkpath(officeFolder().pictDirectory());
        QFile source(sourcePath);
        if (!source.open(QIODevice::ReadOnly)) throw copyError(source.errorString());
        copyPhotoBytes(source, target);
    }
    try {
        transaction.commit();
    } catch (...) {
        if (copy && !existed) QFile::remove(target);
        throw;
    }
}
