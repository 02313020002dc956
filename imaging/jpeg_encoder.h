#pragma once

#include <QByteArray>
#include <QImage>

// A picture written as a baseline JPEG with libjpeg, at `quality` (1…100).
// `app1` is written as an APP1 segment after the start of the file when it is
// not empty (an EXIF block). Gives the file's bytes; empty when the picture
// is null or libjpeg fails.
QByteArray encodeJpeg(const QImage& image, int quality, const QByteArray& app1 = {});
