#pragma once

#include "imaging/thumbnail_cache.h"

#include <QSize>
#include <QString>

// Where the office keeps its listing photos: the folder PICT/ of the office
// folder, the one name used everywhere, never reached through the current
// directory.

// The path of a photo file of PICT/ (`fileName` as the photo row names it).
QString photoFilePath(const QString& fileName);

// The box of the photo manager's thumbnails, in pixels.
QSize photoThumbnailBox();

// The thumbnail cache of the office's photos, for that box.
ThumbnailCache photoThumbnailCache();
