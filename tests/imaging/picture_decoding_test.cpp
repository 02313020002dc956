// Picture decoding: every format the office's photos come in, read against
// references written by another program; damaged files refused without
// reading past their end; EXIF orientation and embedded thumbnails; JPEGs
// decoded at the DCT scale their box needs.

#include "imaging/exif_block.h"
#include "imaging/jpeg_decoder.h"
#include "imaging/jpeg_encoder.h"
#include "imaging/orientation.h"
#include "imaging/pcx_decoder.h"
#include "imaging/picture_file.h"
#include "tests/support/picture_files.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QImage reference(const QString& name) {
    return QImage(pictureFixture(name)).convertToFormat(QImage::Format_RGB32);
}

// The pixels of a picture as 0xRRGGBB values, row by row.
std::vector<QRgb> pixels(const QImage& image) {
    std::vector<QRgb> values;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            values.push_back(image.pixel(x, y) & 0xFFFFFF);
    return values;
}

TEST(PictureDecoding, EveryFormatReadsAsItsReference) {
    // PCX files and their references were written by ImageMagick; the
    // quarter picture's PCX, GIF and BMP must give quad.png exactly, whatever
    // the case of the name.
    const struct {
        const char* file;
        const char* reference;
    } cases[] = {
        {"PHOTO8.PCX", "quad.png"}, {"photo24.pcx", "quad.png"}, {"QUAD.GIF", "quad.png"},
        {"quad.bmp", "quad.png"},   {"runs8.pcx", "runs8.png"},  {"runs24.pcx", "runs24.png"},
        {"odd8.pcx", "odd8.png"},   {"odd24.pcx", "odd24.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const DecodedPicture picture = readPictureFile(pictureFixture(QString::fromLatin1(c.file)));
        ASSERT_FALSE(picture.image.isNull()) << picture.error.toStdString();
        const QImage expected = reference(QString::fromLatin1(c.reference));
        EXPECT_EQ(picture.image.size(), expected.size());
        EXPECT_EQ(picture.fullSize, expected.size());
        EXPECT_EQ(pixels(picture.image), pixels(expected));
    }
    // A JPEG: the ramp runs from red at the top to blue at the bottom.
    const DecodedPicture ramp = readPictureFile(pictureFixture(QStringLiteral("ramp.jpg")));
    ASSERT_EQ(ramp.image.size(), QSize(48, 32));
    EXPECT_TRUE(nearColour(ramp.image.pixelColor(24, 0), Qt::red));
    EXPECT_TRUE(nearColour(ramp.image.pixelColor(24, 31), Qt::blue));
}

TEST(PictureDecoding, DamagedFilesAreRefusedWithAReason) {
    const QByteArray pcx8 = fileBytes(pictureFixture(QStringLiteral("runs8.pcx")));
    const QByteArray pcx24 = fileBytes(pictureFixture(QStringLiteral("runs24.pcx")));
    const QByteArray jpeg = fileBytes(pictureFixture(QStringLiteral("ramp.jpg")));
    const auto patched = [](QByteArray bytes, qsizetype at, std::initializer_list<char> values) {
        for (const char v : values)
            bytes[at++] = v;
        return bytes;
    };
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"24-bit data cut short", pcx24.left(200)},
        {"header only", pcx24.left(128)},
        {"palette marker missing", patched(pcx8, pcx8.size() - 769, {0x00})},
        {"palette picture without room for its palette", pcx8.left(600)},
        {"right edge left of the left edge", patched(pcx24, 4, {char(200), 0})},
        {"4 planes of 1 bit", patched(pcx24, 3, {1})},
        {"lines shorter than the picture", patched(pcx24, 66, {10, 0})},
        {"65535 x 65535 pixels",
         patched(pcx24, 8, {char(0xFF), char(0xFF), char(0xFF), char(0xFF)})},
        {"JPEG cut inside its header", jpeg.left(40)},
        {"JPEG start with nothing after it", QByteArray("\xFF\xD8\xFF", 3)},
        {"no known format", QByteArray("not a picture at all")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DecodedPicture picture = decodePicture(c.bytes);
        EXPECT_TRUE(picture.image.isNull());
        EXPECT_FALSE(picture.error.isEmpty());
    }

    QTemporaryDir folder;
    const DecodedPicture missing = readPictureFile(folder.filePath(QStringLiteral("GONE.JPG")));
    EXPECT_TRUE(missing.image.isNull());
    EXPECT_EQ(missing.error, QStringLiteral("사진 파일이 없습니다"));
    const DecodedPicture directory = readPictureFile(folder.path());
    EXPECT_EQ(directory.error, QStringLiteral("사진 파일이 아닙니다"));
}

TEST(PictureDecoding, ExifBlocksGiveOrientationAndThumbnailAndSurviveDamage) {
    const QByteArray thumb = QByteArray("\xFF\xD8\xFF\xE0 small", 10);
    for (const bool bigEndian : {false, true}) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            const ExifBlock block = readExifBlock(exifPayload(orientation, thumb, bigEndian));
            EXPECT_EQ(block.orientation, orientation) << bigEndian;
            EXPECT_EQ(block.thumbnail, thumb);
        }
    }
    const QByteArray good = exifPayload(6, thumb);
    // Offsets of the test block: IFD1 at 6 + 26, its entries from 6 + 28.
    const auto patched = [&good](qsizetype at, QByteArray bytes) {
        QByteArray copy = good;
        copy.replace(at, bytes.size(), bytes);
        return copy;
    };
    const struct {
        const char* what;
        QByteArray payload;
        int orientation;
        bool thumbnail;
    } cases[] = {
        {"orientation 9", exifPayload(9), 1, false},
        {"orientation 0", exifPayload(0), 1, false},
        {"not EXIF", QByteArray("http://ns.adobe.com/xap/1.0/"), 1, false},
        {"cut inside the first directory", good.left(16), 1, false},
        {"unknown byte order", patched(6, "XX"), 1, false},
        {"thumbnail length past the end",
         patched(6 + 28 + 12 + 8, QByteArray("\xFF\xFF\x00\x00", 4)), 6, false},
        {"thumbnail offset past the end", patched(6 + 28 + 8, QByteArray("\x00\x00\x00\x10", 4)), 6,
         false},
        {"second directory is the first", patched(6 + 22, QByteArray("\x08\x00\x00\x00", 4)), 6,
         false},
        {"second directory past the end", patched(6 + 22, QByteArray("\x00\xF0\x00\x00", 4)), 6,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ExifBlock block = readExifBlock(c.payload);
        EXPECT_EQ(block.orientation, c.orientation);
        EXPECT_EQ(!block.thumbnail.isEmpty(), c.thumbnail);
    }
}

// Where the stored pixel (sx, sy) of a w x h picture lands in the upright
// picture, from the tag's definition: which side of the scene the stored
// first row and first column show.
QPoint uprightPosition(int orientation, int sx, int sy, int w, int h) {
    switch (orientation) {
        case 1:
            return {sx, sy};  // row 0 top, column 0 left
        case 2:
            return {w - 1 - sx, sy};  // row 0 top, column 0 right
        case 3:
            return {w - 1 - sx, h - 1 - sy};
        case 4:
            return {sx, h - 1 - sy};
        case 5:
            return {sy, sx};  // row 0 left, column 0 top
        case 6:
            return {h - 1 - sy, sx};  // row 0 right, column 0 top
        case 7:
            return {h - 1 - sy, w - 1 - sx};
        case 8:
            return {sy, w - 1 - sx};  // row 0 left, column 0 bottom
    }
    return {};
}

TEST(PictureDecoding, EachOrientationTurnsThePictureUpright) {
    QImage stored(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            stored.setPixel(x, y, qRgb(40 * x, 100 * y, 7));
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const QImage upright = uprightImage(stored, orientation);
        ASSERT_EQ(upright.size(), uprightSize(stored.size(), orientation));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(upright.pixel(uprightPosition(orientation, x, y, 3, 2)),
                          stored.pixel(x, y));
    }
}

TEST(PictureDecoding, JpegIsDecodedAtTheScaleItsBoxNeeds) {
    const struct {
        QSize stored, needed;
        int numerator;
    } scales[] = {
        {{4000, 3000}, {120, 90}, 1},    {{4000, 3000}, {500, 375}, 1},
        {{4000, 3000}, {501, 375}, 2},   {{4000, 3000}, {640, 480}, 2},
        {{4000, 3000}, {4000, 3000}, 8}, {{100, 75}, {400, 300}, 8},
        {{801, 601}, {101, 76}, 1},
    };
    for (const auto& s : scales)
        EXPECT_EQ(jpegScaleNumerator(s.stored, s.needed), s.numerator)
            << s.stored.width() << " " << s.needed.width();

    // 800 x 600 stored, taken with the camera turned (orientation 6): the
    // upright picture is 600 x 800 and its top-left quarter is what the
    // stored bottom-left quarter holds (blue).
    const QByteArray bytes = encodeJpeg(quarterImage({800, 600}), 90, exifPayload(6));
    const struct {
        QSize box;
        bool cover;
        QSize decoded;
    } cases[] = {
        {{60, 80}, false, {75, 100}},     // 1/8 already covers 60 x 80
        {{150, 200}, false, {150, 200}},  // 2/8
        {{300, 100}, false, {75, 100}},   // fitted: 75 x 100
        {{300, 100}, true, {300, 400}},   // stretched over it: 300 x 400, 4/8
        {{}, false, {600, 800}},          // whole
        {{2000, 2000}, true, {600, 800}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box.width());
        const DecodedPicture picture = decodePicture(bytes, PictureRequest{.fitInto = c.box, .cover = c.cover});
        ASSERT_FALSE(picture.image.isNull()) << picture.error.toStdString();
        EXPECT_EQ(picture.fullSize, QSize(600, 800));
        EXPECT_EQ(picture.image.size(), c.decoded);
        const QImage& image = picture.image;
        EXPECT_TRUE(nearColour(image.pixelColor(image.width() / 4, image.height() / 4), Qt::blue));
        EXPECT_TRUE(
            nearColour(image.pixelColor(3 * image.width() / 4, image.height() / 4), Qt::red));
        EXPECT_TRUE(
            nearColour(image.pixelColor(image.width() / 4, 3 * image.height() / 4), Qt::white));
    }
}

TEST(PictureDecoding, CameraThumbnailStandsInOnlyWhenLargeEnoughAndOfTheSameShape) {
    // The picture is all grey; the embedded thumbnail is all yellow, so the
    // colour tells which was used.
    QImage grey(1600, 1200, QImage::Format_RGB32);
    grey.fill(Qt::gray);
    const auto thumbnail = [](QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::yellow);
        return encodeJpeg(image, 90);
    };
    const struct {
        QSize thumbnailSize;
        int orientation;
        QSize box;
        bool used;
    } cases[] = {
        {{160, 120}, 1, {120, 90}, true},   {{160, 120}, 1, {160, 120}, true},
        {{160, 120}, 1, {200, 150}, false},  // too small: the picture is decoded
        {{160, 90}, 1, {120, 90}, false},    // 16:9 thumbnail of a 4:3 picture (black bars)
        {{160, 120}, 6, {90, 120}, true},    // turned upright with the picture
        {{160, 120}, 6, {200, 300}, false},  // upright 120 x 160 cannot cover 200 x 267
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box.width() * 1000 + c.thumbnailSize.height() + c.orientation * 100000);
        const QByteArray bytes =
            encodeJpeg(grey, 90, exifPayload(c.orientation, thumbnail(c.thumbnailSize)));
        const DecodedPicture picture =
            decodePicture(bytes, PictureRequest{.fitInto = c.box, .thumbnail = true});
        ASSERT_FALSE(picture.image.isNull());
        EXPECT_EQ(picture.fromEmbeddedThumbnail, c.used);
        EXPECT_EQ(nearColour(picture.image.pixelColor(5, 5), Qt::yellow), c.used);
        // Without the thumbnail request the picture itself is decoded.
        EXPECT_FALSE(decodePicture(bytes, PictureRequest{.fitInto = c.box}).fromEmbeddedThumbnail);
    }
}

}  // namespace
