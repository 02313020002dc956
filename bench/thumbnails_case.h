#pragma once

#include <QSize>
#include <QString>

// The thumbnails of the photo manager (사진관리) for one listing of ten
// 12-megapixel photos: the first view with nothing cached against decoding
// the same ten files whole with libjpeg on one thread, and the second view
// from the thumbnail cache. Prints
//   case=thumbnails images=10 app_ms=<first view> full_ms=<whole decode> ratio=<app/full>
//   case=thumbnails_cached images=10 app_ms=<second view>
// Each figure is the median of `repeat` runs; every first view starts with
// an empty cache.
bool isThumbnailsCase(const QString& name);
int runThumbnailsCase(int repeat, QSize pictureSize = QSize(4000, 3000));
