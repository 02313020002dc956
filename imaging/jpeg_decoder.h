#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

// JPEG pictures decoded with libjpeg. A picture needed smaller than it is
// stored (a thumbnail, the large view, the printed card) is decoded at a
// reduced DCT scale (1/8 … 8/8), so a 12-megapixel photo never has to be
// decoded whole for a 120-pixel thumbnail. The EXIF orientation and the
// embedded thumbnail are read from the markers of the same pass; the file is
// never decoded twice.
struct JpegRequest {
    // Empty: the whole picture. Otherwise the picture is decoded at the
    // smallest scale whose upright size still covers the picture fitted into
    // this box (never larger than the picture itself).
    QSize fitInto;
    // The picture is stretched over the whole box rather than fitted into
    // it: decoded so that it covers the box in both directions.
    bool cover = false;
    // Faster, slightly rougher decoding for thumbnails.
    bool fast = false;
    // May answer with the thumbnail the camera embedded, when it covers the
    // fitted size and has the picture's proportions.
    bool embeddedThumbnail = false;
};

struct DecodedPicture {
    QImage image;    // upright; null when the picture could not be read
    QSize fullSize;  // the whole picture's upright size
    QString error;   // why the image is null
    bool fromEmbeddedThumbnail = false;
};

DecodedPicture decodeJpeg(QByteArrayView bytes, const JpegRequest& request = {});

// The smallest numerator n of n/8 (1…8) at which a stored picture of
// `stored` size covers `needed` (both in stored orientation).
int jpegScaleNumerator(QSize stored, QSize needed);

// The size a picture of `full` size takes when fitted into `box`, keeping its
// proportions and never growing; `full` when the box is empty.
QSize fittedSize(QSize full, QSize box);

// The same for a picture that must cover the box (stretched over it).
QSize coveringSize(QSize full, QSize box);
