#include "bench/thumbnails_case.h"

#include "imaging/jpeg_encoder.h"
#include "imaging/picture_file.h"
#include "imaging/thumbnails.h"
#include "listings/photo_folder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kImages = 10;
constexpr int kQuality = 90;

double elapsedMs(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// A random grid of values in 0…1, read between its points by bilinear
// interpolation: one octave of smooth noise.
class NoiseGrid {
public:
    NoiseGrid(int cell, QSize size, std::mt19937& random) : cell_(cell) {
        columns_ = size.width() / cell + 2;
        rows_ = size.height() / cell + 2;
        std::uniform_real_distribution<float> value(0.0f, 1.0f);
        values_.resize(static_cast<size_t>(columns_ * rows_));
        for (float& v : values_)
            v = value(random);
    }
    float at(int x, int y) const {
        const int gx = x / cell_, gy = y / cell_;
        const float fx = static_cast<float>(x % cell_) / cell_;
        const float fy = static_cast<float>(y % cell_) / cell_;
        const float top = lerp(point(gx, gy), point(gx + 1, gy), fx);
        const float bottom = lerp(point(gx, gy + 1), point(gx + 1, gy + 1), fx);
        return lerp(top, bottom, fy);
    }

private:
    static float lerp(float a, float b, float t) { return a + (b - a) * t; }
    float point(int gx, int gy) const { return values_[static_cast<size_t>(gy * columns_ + gx)]; }
    int cell_;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<float> values_;
};

// Photographic content: broad areas of colour and light, objects with soft
// and hard edges, texture, and the grain of a camera sensor.
QImage photographLike(QSize size, unsigned seed) {
    std::mt19937 random(seed);
    const NoiseGrid light(size.width() / 6, size, random);
    const NoiseGrid hue(size.width() / 4, size, random);
    const NoiseGrid shapes(size.width() / 20, size, random);
    const NoiseGrid texture(24, size, random);
    const NoiseGrid detail(3, size, random);
    QImage image(size, QImage::Format_RGB32);
    uint32_t grain = seed * 2654435761u + 1;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const float edge = shapes.at(x, y) > 0.55f ? 0.25f : 0.0f;
            const float l = 0.15f + 0.55f * light.at(x, y) + edge + 0.12f * texture.at(x, y) +
                            0.12f * detail.at(x, y);
            const float h = hue.at(x, y);
            grain = grain * 1664525u + 1013904223u;
            const int noise = static_cast<int>((grain >> 24) % 21) - 10;
            const auto channel = [&](float weight) {
                return std::clamp(static_cast<int>(255.0f * l * weight) + noise, 0, 255);
            };
            line[x] = qRgb(channel(0.7f + 0.5f * h), channel(0.8f + 0.2f * (1 - h)),
                           channel(1.1f - 0.5f * h));
        }
    }
    return image;
}

QStringList writePhotos(const QString& folder, QSize size) {
    QStringList paths;
    for (int i = 0; i < kImages; ++i) {
        const QString path = QDir(folder).filePath(QStringLiteral("PHOTO%1.JPG").arg(i + 1));
        const QByteArray bytes =
            encodeJpeg(photographLike(size, 1000u + static_cast<unsigned>(i)), kQuality);
        QFile file(path);
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) ||
            file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return {};
        }
        paths.append(path);
    }
    return paths;
}

// The photo manager's view of the listing: every thumbnail ready to show.
double timeView(const QStringList& paths, const ThumbnailCache& cache) {
    QElapsedTimer timer;
    timer.start();
    const std::vector<Thumbnail> thumbnails = loadThumbnails(paths, cache);
    const double ms = elapsedMs(timer);
    for (const Thumbnail& t : thumbnails) {
        if (t.placeholder) std::fprintf(stderr, "# a thumbnail failed: %s\n", qPrintable(t.error));
    }
    return ms;
}

double timeWholeDecode(const QStringList& paths) {
    QElapsedTimer timer;
    timer.start();
    qint64 pixels = 0;
    for (const QString& path : paths)
        pixels += readPictureFile(path).image.sizeInBytes();
    const double ms = elapsedMs(timer);
    if (pixels <= 0) std::fprintf(stderr, "# the whole decode failed\n");
    return ms;
}

}  // namespace

bool isThumbnailsCase(const QString& name) {
    return name == QLatin1String("thumbnails") || name == QLatin1String("thumbnails_cached");
}

int runThumbnailsCase(int repeat, QSize pictureSize) {
    QTemporaryDir folder;
    if (!folder.isValid()) return 2;
    const QString photos = folder.filePath(QStringLiteral("PICT"));
    QDir().mkpath(photos);
    QElapsedTimer written;
    written.start();
    const QStringList paths = writePhotos(photos, pictureSize);
    if (paths.size() != kImages) return 2;
    qint64 bytes = 0;
    for (const QString& path : paths)
        bytes += QFileInfo(path).size();
    std::printf("# images=%d size=%dx%d quality=%d file_mb=%.1f write_ms=%.0f\n", kImages,
                pictureSize.width(), pictureSize.height(), kQuality,
                static_cast<double>(bytes) / 1e6, elapsedMs(written));

    const ThumbnailCache cache(folder.filePath(QStringLiteral("PICT_thumbs")), photoThumbnailBox());
    std::vector<double> first, whole, second;
    timeWholeDecode(paths);  // warms the page cache and the decoder
    for (int i = 0; i < repeat; ++i) {
        QDir(cache.directory()).removeRecursively();
        first.push_back(timeView(paths, cache));
        whole.push_back(timeWholeDecode(paths));
        second.push_back(timeView(paths, cache));
    }
    const double app = median(first);
    const double full = median(whole);
    std::printf("case=thumbnails images=%d app_ms=%.1f full_ms=%.1f ratio=%.3f\n", kImages, app,
                full, full > 0 ? app / full : 0.0);
    std::printf("case=thumbnails_cached images=%d app_ms=%.1f\n", kImages, median(second));
    return 0;
}
