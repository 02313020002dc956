#pragma once

#include "imaging/thumbnail_cache.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

// The thumbnails of a listing's photos for the photo manager. Entries still
// good in the cache are read from it; the others are decoded on every core
// at once (each JPEG at a reduced DCT scale, or from the camera's embedded
// thumbnail when that is large enough), fitted to the box and kept in the
// cache. A missing or unreadable file gets a placeholder with its name.
struct Thumbnail {
    QImage image;
    bool placeholder = false;
    QString error;  // why the placeholder stands there
};

std::vector<Thumbnail> loadThumbnails(const QStringList& paths, const ThumbnailCache& cache);

// One thumbnail fitted to `box`, made without the cache.
Thumbnail makeThumbnail(const QString& path, QSize box);
