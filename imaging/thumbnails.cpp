#include "imaging/thumbnails.h"

#include "imaging/picture_file.h"
#include "imaging/placeholder.h"

#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

// Decodes, fits and caches the photos whose entries were not good. Runs on
// worker threads: it touches no widget and draws nothing with fonts.
void decodeMissing(const QStringList& paths, const ThumbnailCache& cache,
                   std::vector<Thumbnail>& result, std::vector<size_t>& missing) {
    std::atomic<size_t> next{0};
    const auto work = [&] {
        for (size_t i = next++; i < missing.size(); i = next++) {
            const size_t index = missing[i];
            const DecodedPicture picture =
                readPictureFile(paths[static_cast<qsizetype>(index)],
                                PictureRequest{.fitInto = cache.box(), .thumbnail = true});
            if (picture.image.isNull()) {
                result[index].error = picture.error;
                continue;
            }
            result[index].image = scaledToFit(picture.image, cache.box());
            cache.store(QFileInfo(paths[static_cast<qsizetype>(index)]), result[index].image);
        }
    };
    const size_t workers =
        std::min(missing.size(), static_cast<size_t>(std::max(1, QThread::idealThreadCount())));
    std::vector<std::jthread> helpers;
    for (size_t i = 1; i < workers; ++i)
        helpers.emplace_back(work);
    work();
}

}  // namespace

std::vector<Thumbnail> loadThumbnails(const QStringList& paths, const ThumbnailCache& cache) {
    std::vector<Thumbnail> result(static_cast<size_t>(paths.size()));
    std::vector<size_t> missing;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        result[static_cast<size_t>(i)].image = cache.find(QFileInfo(paths[i]));
        if (result[static_cast<size_t>(i)].image.isNull())
            missing.push_back(static_cast<size_t>(i));
    }
    if (!missing.empty()) decodeMissing(paths, cache, result, missing);
    // Placeholders are drawn here, on the calling thread, with its fonts.
    for (qsizetype i = 0; i < paths.size(); ++i) {
        Thumbnail& thumbnail = result[static_cast<size_t>(i)];
        if (!thumbnail.image.isNull()) continue;
        thumbnail.placeholder = true;
        thumbnail.image =
            placeholderPicture(cache.box(), QFileInfo(paths[i]).fileName(), thumbnail.error);
    }
    return result;
}

Thumbnail makeThumbnail(const QString& path, QSize box) {
    const DecodedPicture picture =
        readPictureFile(path, PictureRequest{.fitInto = box, .thumbnail = true});
    if (picture.image.isNull())
        return Thumbnail{placeholderPicture(box, QFileInfo(path).fileName(), picture.error), true,
                         picture.error};
    return Thumbnail{scaledToFit(picture.image, box), false, {}};
}
