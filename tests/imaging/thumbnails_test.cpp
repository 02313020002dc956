// Thumbnails of the photo manager: each file's own picture in its place
// whatever thread made it, placeholders for missing and unreadable files,
// and the cache beside PICT/ that answers the second view and is made again
// when a photo's size or time changes.

#include "imaging/thumbnails.h"
#include "tests/support/picture_files.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QSize kBox(120, 90);

class ThumbnailsTest : public testing::Test {
protected:
    QString photo(const QString& name) const { return photos_.filePath(name); }
    QString writeSolid(const QString& name, QColor colour, QSize size = {640, 480}) const {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        writeJpegFile(photo(name), image);
        return photo(name);
    }
    ThumbnailCache cache() const { return ThumbnailCache(cacheDir_.path(), kBox); }

    QTemporaryDir photos_;
    QTemporaryDir cacheDir_;
};

TEST_F(ThumbnailsTest, EveryPhotoGetsItsOwnThumbnailOrAPlaceholderInItsPlace) {
    const QColor colours[] = {Qt::red,     Qt::green,   Qt::blue,      Qt::yellow,   Qt::cyan,
                              Qt::magenta, Qt::darkRed, Qt::darkGreen, Qt::darkBlue, Qt::gray};
    QStringList paths;
    for (int i = 0; i < 10; ++i)
        paths.append(writeSolid(QStringLiteral("P%1.JPG").arg(i), colours[i],
                                i % 2 ? QSize(300, 400) : QSize(640, 480)));
    paths[3] = photo(QStringLiteral("GONE.JPG"));
    QFile broken(photo(QStringLiteral("BROKEN.JPG")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8\xFF\xE0 not really a JPEG");
    broken.close();
    paths[7] = broken.fileName();
    paths.append(pictureFixture(QStringLiteral("PHOTO8.PCX")));

    const std::vector<Thumbnail> thumbnails = loadThumbnails(paths, cache());
    ASSERT_EQ(thumbnails.size(), 11u);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const Thumbnail& t = thumbnails[static_cast<size_t>(i)];
        if (i == 3 || i == 7) {
            EXPECT_TRUE(t.placeholder);
            EXPECT_EQ(t.image.size(), kBox);
            EXPECT_FALSE(t.error.isEmpty());
            continue;
        }
        EXPECT_FALSE(t.placeholder);
        EXPECT_EQ(t.image.size(), i % 2 ? QSize(67, 90) : QSize(120, 90));
        EXPECT_TRUE(
            nearColour(t.image.pixelColor(t.image.width() / 2, t.image.height() / 2), colours[i]));
    }
    EXPECT_EQ(thumbnails[3].error, QStringLiteral("사진 파일이 없습니다"));
    // A picture smaller than the box keeps its size.
    EXPECT_EQ(thumbnails[10].image.size(), QSize(12, 8));
    // Placeholders are not kept: the file may come back.
    EXPECT_FALSE(QFile::exists(cache().entryPath(QStringLiteral("GONE.JPG"))));
    EXPECT_TRUE(QFile::exists(cache().entryPath(QStringLiteral("P0.JPG"))));
}

TEST_F(ThumbnailsTest, SecondViewComesFromTheCacheUntilThePhotoChanges) {
    const QString path = writeSolid(QStringLiteral("A.JPG"), Qt::red);
    ASSERT_TRUE(nearColour(loadThumbnails({path}, cache())[0].image.pixelColor(5, 5), Qt::red));

    // An entry that says green for the photo as it is now is believed: the
    // second view reads the cache, not the photo.
    QImage marked(kBox, QImage::Format_RGB32);
    marked.fill(Qt::green);
    cache().store(QFileInfo(path), marked);
    EXPECT_TRUE(nearColour(loadThumbnails({path}, cache())[0].image.pixelColor(5, 5), Qt::green));
    // A cache for another box does not answer with it.
    EXPECT_TRUE(ThumbnailCache(cacheDir_.path(), {60, 45}).find(QFileInfo(path)).isNull());

    // The photo's time changes (same size): made again from the photo.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    file.close();
    EXPECT_TRUE(nearColour(loadThumbnails({path}, cache())[0].image.pixelColor(5, 5), Qt::red));

    // The photo is replaced by another picture of another size, the time
    // put back to what the entry holds: the size alone makes it stale.
    cache().store(QFileInfo(path), marked);
    const QDateTime time = QFileInfo(path).lastModified();
    writeSolid(QStringLiteral("A.JPG"), Qt::blue, {320, 240});
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    file.close();
    EXPECT_TRUE(nearColour(loadThumbnails({path}, cache())[0].image.pixelColor(5, 5), Qt::blue));

    // A damaged entry is not believed either.
    QFile entry(cache().entryPath(QStringLiteral("A.JPG")));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly | QIODevice::Truncate));
    entry.write("garbage");
    entry.close();
    EXPECT_TRUE(cache().find(QFileInfo(path)).isNull());
    EXPECT_TRUE(nearColour(loadThumbnails({path}, cache())[0].image.pixelColor(5, 5), Qt::blue));

    cache().remove(QStringLiteral("A.JPG"));
    EXPECT_FALSE(QFile::exists(cache().entryPath(QStringLiteral("A.JPG"))));
}

}  // namespace
