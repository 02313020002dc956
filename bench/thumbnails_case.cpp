// The thumbnails cases of quarnel_bench: ten 12-megapixel photos in a
// temporary PICT/, the photo manager's first view, a whole decode of the same
// files, and the second view from the thumbnail cache.

#include "bench/bench_case.h"

#include "imaging/jpeg_encoder.h"
#include "imaging/picture_file.h"
#include "imaging/thumbnails.h"
#include "listings/photo_folder.h"

#include <QDataStream>
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

// The EXIF block a camera writes: upright, with a JPEG thumbnail (Intel
// byte order; IFD0 holds the orientation, IFD1 the thumbnail).
QByteArray cameraExif(const QByteArray& thumbnail) {
    QByteArray tiff;
    QDataStream out(&tiff, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("II", 2);
    const quint32 ifd1 = 8 + 2 + 12 + 4;
    const quint32 data = ifd1 + 2 + 2 * 12 + 4;
    out << quint16(42) << quint32(8);
    out << quint16(1) << quint16(0x0112) << quint16(3) << quint32(1) << quint16(1) << quint16(0);
    out << ifd1 << quint16(2);
    out << quint16(0x0201) << quint16(4) << quint32(1) << data;
    out << quint16(0x0202) << quint16(4) << quint32(1) << quint32(thumbnail.size());
    out << quint32(0);
    out.writeRawData(thumbnail.constData(), static_cast<int>(thumbnail.size()));
    return QByteArray("Exif\0\0", 6) + tiff;
}

// The JPEG with an APP1 segment after its start marker, where cameras put it.
QByteArray withApp1(const QByteArray& jpeg, const QByteArray& payload) {
    const int length = static_cast<int>(payload.size()) + 2;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(static_cast<char>(length >> 8)).append(static_cast<char>(length & 0xFF));
    return jpeg.left(2) + segment + payload + jpeg.mid(2);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

struct Photos {
    QStringList plain;   // as an encoder writes them
    QStringList camera;  // the same with a camera's 160 x 120 EXIF thumbnail
};

Photos writePhotos(const QString& plainFolder, const QString& cameraFolder, QSize size) {
    Photos photos;
    for (int i = 0; i < kImages; ++i) {
        const QString name = QStringLiteral("PHOTO%1.JPG").arg(i + 1);
        const QImage image = photographLike(size, 1000u + static_cast<unsigned>(i));
        const QByteArray bytes = encodeJpeg(image, kQuality);
        const QByteArray thumbnail =
            encodeJpeg(image.scaled(160, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), 85);
        const QString plain = QDir(plainFolder).filePath(name);
        const QString camera = QDir(cameraFolder).filePath(name);
        if (!writeFile(plain, bytes) || !writeFile(camera, withApp1(bytes, cameraExif(thumbnail))))
            return {};
        photos.plain.append(plain);
        photos.camera.append(camera);
    }
    return photos;
}

struct Timed {
    double ms = 0;
    bool ok = true;
};

// The photo manager's view of the listing: every thumbnail ready to show.
Timed timeView(const QStringList& paths, const ThumbnailCache& cache) {
    QElapsedTimer timer;
    timer.start();
    const std::vector<Thumbnail> thumbnails = loadThumbnails(paths, cache);
    Timed timed{elapsedMs(timer)};
    for (const Thumbnail& t : thumbnails) {
        if (!t.placeholder) continue;
        std::fprintf(stderr, "# a thumbnail failed: %s\n", qPrintable(t.error));
        timed.ok = false;
    }
    return timed;
}

Timed timeWholeDecode(const QStringList& paths) {
    QElapsedTimer timer;
    timer.start();
    bool ok = true;
    for (const QString& path : paths)
        ok = !readPictureFile(path).image.isNull() && ok;
    Timed timed{elapsedMs(timer), ok};
    if (!ok) std::fprintf(stderr, "# a whole decode failed\n");
    return timed;
}

// The measured run, made once for both cases of a command.
struct Measured {
    bool ok = false;
    double firstView = 0;
    double whole = 0;
    double secondView = 0;
    double cameraFirstView = 0;
};

Measured measure(const BenchOptions& options) {
    Measured measured;
    QTemporaryDir folder;
    if (!folder.isValid()) return measured;
    const QString plainFolder = folder.filePath(QStringLiteral("PICT"));
    const QString cameraFolder = folder.filePath(QStringLiteral("camera/PICT"));
    QDir().mkpath(plainFolder);
    QDir().mkpath(cameraFolder);
    QElapsedTimer written;
    written.start();
    const Photos photos = writePhotos(plainFolder, cameraFolder, options.pictureSize);
    const QStringList& paths = photos.plain;
    if (paths.size() != kImages) return measured;
    qint64 bytes = 0;
    for (const QString& path : paths)
        bytes += QFileInfo(path).size();
    std::printf("# images=%d size=%dx%d quality=%d file_mb=%.1f write_ms=%.0f\n", kImages,
                options.pictureSize.width(), options.pictureSize.height(), kQuality,
                static_cast<double>(bytes) / 1e6, elapsedMs(written));

    const ThumbnailCache cache(folder.filePath(QStringLiteral("PICT_thumbs")), photoThumbnailBox());
    const ThumbnailCache cameraCache(folder.filePath(QStringLiteral("camera/PICT_thumbs")),
                                     photoThumbnailBox());
    std::vector<double> first, whole, second, camera;
    bool ok = timeWholeDecode(paths).ok;  // warms the page cache and the decoder
    for (int i = 0; i < options.repeat; ++i) {
        QDir(cache.directory()).removeRecursively();
        QDir(cameraCache.directory()).removeRecursively();
        const Timed firstView = timeView(paths, cache);
        const Timed wholeDecode = timeWholeDecode(paths);
        const Timed secondView = timeView(paths, cache);
        const Timed cameraView = timeView(photos.camera, cameraCache);
        ok = ok && firstView.ok && wholeDecode.ok && secondView.ok && cameraView.ok;
        first.push_back(firstView.ms);
        whole.push_back(wholeDecode.ms);
        second.push_back(secondView.ms);
        camera.push_back(cameraView.ms);
    }
    return Measured{ok, median(first), median(whole), median(second), median(camera)};
}

const Measured& measuredOnce(const BenchOptions& options) {
    static const Measured measured = measure(options);
    return measured;
}

}  // namespace

// The thumbnails of the photo manager (사진관리) for one listing of ten
// 12-megapixel photos: the first view with nothing cached against decoding
// the same files whole with libjpeg on one thread, and the second view from
// the thumbnail cache. The store is not used.
void addThumbnailsCases(BenchCases& cases) {
    cases.push_back(
        {QStringLiteral("thumbnails"), [](Database&, const BenchOptions& options) {
             const Measured& m = measuredOnce(options);
             std::printf("case=thumbnails images=%d app_ms=%.1f full_ms=%.1f ratio=%.3f\n", kImages,
                         m.firstView, m.whole, m.whole > 0 ? m.firstView / m.whole : 0.0);
             // For comparison: camera files, whose embedded
             // thumbnails are large enough for the box.
             std::printf("# camera files (EXIF thumbnail 160x120): first view app_ms=%.1f\n",
                         m.cameraFirstView);
             std::fflush(stdout);
             return m.ok;
         }});
    cases.push_back(
        {QStringLiteral("thumbnails_cached"), [](Database&, const BenchOptions& options) {
             const Measured& m = measuredOnce(options);
             std::printf("case=thumbnails_cached images=%d app_ms=%.1f\n", kImages, m.secondView);
             std::fflush(stdout);
             return m.ok;
         }});
}
