#include "listings/photo_folder.h"

#include "common/office_folder.h"

#include <QDir>

QString photoFilePath(const QString& fileName) {
    return QDir(officeFolder().pictDirectory()).filePath(fileName);
}

QSize photoThumbnailBox() {
    return QSize(120, 90);
}

ThumbnailCache photoThumbnailCache() {
    return ThumbnailCache::forOffice(photoThumbnailBox());
}
