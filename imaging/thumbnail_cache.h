#pragma once

#include <QFileInfo>
#include <QImage>
#include <QSize>
#include <QString>

// Thumbnails kept on disk, one entry per photo file, so that a listing's
// photos show at once the next time. An entry remembers the size and the
// modification time of the photo it was made from and the box it was made
// for; when any of them differs the entry is stale and is made again. The
// office keeps its entries in a folder beside PICT/.
class ThumbnailCache {
public:
    ThumbnailCache(QString directory, QSize box);

    // The cache of the office's photos: PICT_thumbs/ in the office folder.
    static ThumbnailCache forOffice(QSize box);

    const QString& directory() const { return directory_; }
    QSize box() const { return box_; }

    // The thumbnail of the photo when its entry is still good; null otherwise.
    QImage find(const QFileInfo& photo) const;
    // Keeps the thumbnail for the photo as it is now. A failure to write
    // only means the thumbnail is made again next time.
    void store(const QFileInfo& photo, const QImage& thumbnail) const;
    // Forgets the entry of a photo file that is gone.
    void remove(const QString& photoFileName) const;

    QString entryPath(const QString& photoFileName) const;

private:
    QString directory_;
    QSize box_;
};
