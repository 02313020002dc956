#include "tests/support/picture_files.h"

#include "imaging/jpeg_encoder.h"

#include <QDataStream>
#include <QFile>
#include <QPainter>

#include <cstdlib>
#include <stdexcept>

QString pictureFixture(const QString& name) {
    return QStringLiteral(QUARNEL_TEST_DIR "/imaging/fixtures/") + name;
}

QImage quarterImage(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    QPainter painter(&image);
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::white);
    return image;
}

QByteArray exifPayload(int orientation, const QByteArray& thumbnail, bool bigEndian) {
    // TIFF header, IFD0 with the orientation, IFD1 with the thumbnail's
    // offset and length, then the thumbnail bytes.
    QByteArray tiff;
    QDataStream out(&tiff, QIODevice::WriteOnly);
    out.setByteOrder(bigEndian ? QDataStream::BigEndian : QDataStream::LittleEndian);
    out.writeRawData(bigEndian ? "MM" : "II", 2);
    const quint32 ifd0 = 8;
    const quint32 ifd1 = ifd0 + 2 + 12 + 4;
    const quint32 data = ifd1 + 2 + 2 * 12 + 4;
    out << quint16(42) << ifd0;
    // IFD0: orientation, SHORT, 1 value (left-justified in the value field).
    out << quint16(1) << quint16(0x0112) << quint16(3) << quint32(1) << quint16(orientation)
        << quint16(0);
    out << (thumbnail.isEmpty() ? quint32(0) : ifd1);
    if (!thumbnail.isEmpty()) {
        out << quint16(2);
        out << quint16(0x0201) << quint16(4) << quint32(1) << data;
        out << quint16(0x0202) << quint16(4) << quint32(1) << quint32(thumbnail.size());
        out << quint32(0);
        out.writeRawData(thumbnail.constData(), static_cast<int>(thumbnail.size()));
    }
    return QByteArray("Exif\0\0", 6) + tiff;
}

void writeJpegFile(const QString& path, const QImage& image, const QByteArray& exif, int quality) {
    const QByteArray bytes = encodeJpeg(image, quality, exif);
    QFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write the test picture " + path.toStdString());
}

bool nearColour(QColor a, QColor b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}
