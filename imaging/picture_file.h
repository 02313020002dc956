#pragma once

#include "imaging/jpeg_decoder.h"

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

// Reading the picture files of listing photos: JPEG through libjpeg, BMP and
// GIF through Qt's readers, PCX by the program's own decoder. The format is
// found from the file's first bytes, not its name, so a photo whose
// extension lies still shows.

enum class PictureFormat { Unknown, Jpeg, Bmp, Gif, Pcx };

PictureFormat detectPictureFormat(QByteArrayView head);

// How a picture file is wanted.
struct PictureRequest {
    // Empty: the whole picture. Otherwise the picture is shown in a box of
    // this size, and the decoder may stop at any size that still covers the
    // picture fitted into it.
    QSize fitInto;
    // The picture will be stretched over the whole box: it must cover it.
    bool cover = false;
    // A thumbnail: faster decoding, and the camera's embedded thumbnail may
    // be used when it is large enough.
    bool thumbnail = false;
};

// The picture upright, at least as large as the picture fitted into the
// request's box (or whole). A missing, unreadable or damaged file gives a
// null image and the reason in Korean.
DecodedPicture readPictureFile(const QString& path, const PictureRequest& request = {});

// The same for a picture already in memory.
DecodedPicture decodePicture(QByteArrayView bytes, const PictureRequest& request = {});

// The picture scaled to fit into `box`, keeping its proportions; never grown.
QImage scaledToFit(const QImage& image, QSize box);
