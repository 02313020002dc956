#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// Picture files for the imaging and photo form tests.

// A fixture file committed under tests/imaging/fixtures.
QString pictureFixture(const QString& name);

// A picture whose four quarters are red, green (top), blue and white
// (bottom), so that turning and mirroring can be told apart.
QImage quarterImage(QSize size);

// An EXIF block (APP1 payload) with the orientation tag and, when given, an
// embedded JPEG thumbnail, in Intel ("II") or Motorola ("MM") byte order.
QByteArray exifPayload(int orientation, const QByteArray& thumbnail = {}, bool bigEndian = false);

// Writes a JPEG of the picture (with the EXIF block when given) to `path`.
void writeJpegFile(const QString& path, const QImage& image, const QByteArray& exif = {},
                   int quality = 90);

// Whether two colours differ by at most `tolerance` in every channel.
bool nearColour(QColor a, QColor b, int tolerance = 24);
