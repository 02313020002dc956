#include "imaging/picture_file.h"

#include "imaging/pcx_decoder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

bool startsWith(QByteArrayView head, std::initializer_list<unsigned char> magic) {
    if (head.size() < static_cast<qsizetype>(magic.size())) return false;
    qsizetype i = 0;
    for (const unsigned char byte : magic) {
        if (static_cast<unsigned char>(head[i++]) != byte) return false;
    }
    return true;
}

// BMP, GIF and any other format Qt reads.
DecodedPicture decodeWithQt(QByteArrayView bytes, const char* format) {
    DecodedPicture result;
    QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        result.error = QStringLiteral("그림 형식을 읽을 수 없습니다");
        return result;
    }
    result.image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                 : QImage::Format_RGB32);
    result.fullSize = result.image.size();
    return result;
}

}  // namespace

PictureFormat detectPictureFormat(QByteArrayView head) {
    if (startsWith(head, {0xFF, 0xD8, 0xFF})) return PictureFormat::Jpeg;
    if (startsWith(head, {'B', 'M'})) return PictureFormat::Bmp;
    if (startsWith(head, {'G', 'I', 'F', '8'})) return PictureFormat::Gif;
    if (head.size() >= 4 && startsWith(head, {0x0A}) && static_cast<unsigned char>(head[1]) <= 5 &&
        static_cast<unsigned char>(head[2]) <= 1) {
        return PictureFormat::Pcx;
    }
    return PictureFormat::Unknown;
}

DecodedPicture decodePicture(QByteArrayView bytes, const PictureRequest& request) {
    switch (detectPictureFormat(bytes.first(std::min<qsizetype>(bytes.size(), 16)))) {
        case PictureFormat::Jpeg:
            return decodeJpeg(bytes, JpegRequest{.fitInto = request.fitInto,
                                                 .cover = request.cover,
                                                 .fast = request.thumbnail,
                                                 .embeddedThumbnail = request.thumbnail});
        case PictureFormat::Bmp:
            return decodeWithQt(bytes, "bmp");
        case PictureFormat::Gif:
            return decodeWithQt(bytes, "gif");
        case PictureFormat::Pcx: {
            PcxPicture pcx = decodePcx(bytes);
            return DecodedPicture{
                .image = pcx.image, .fullSize = pcx.image.size(), .error = pcx.error};
        }
        case PictureFormat::Unknown:
            break;
    }
    return decodeWithQt(bytes, nullptr);
}

DecodedPicture readPictureFile(const QString& path, const PictureRequest& request) {
    DecodedPicture failed;
    const QFileInfo info(path);
    if (!info.exists()) {
        failed.error = QStringLiteral("사진 파일이 없습니다");
        return failed;
    }
    if (!info.isFile()) {
        failed.error = QStringLiteral("사진 파일이 아닙니다");
        return failed;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failed.error = QStringLiteral("사진 파일을 열 수 없습니다: ") + file.errorString();
        return failed;
    }
    // Mapped, so that a decoder which needs only the file's first part (the
    // header and a camera's thumbnail) reads no more of it.
    const qint64 size = file.size();
    if (size <= 0) {
        failed.error = QStringLiteral("빈 파일입니다");
        return failed;
    }
    if (uchar* mapped = file.map(0, size)) {
        DecodedPicture result = decodePicture(
            QByteArrayView(reinterpret_cast<const char*>(mapped), static_cast<qsizetype>(size)),
            request);
        // The picture was copied out of the mapping by the decoders.
        file.unmap(mapped);
        return result;
    }
    const QByteArray bytes = file.readAll();
    return decodePicture(bytes, request);
}

QImage scaledToFit(const QImage& image, QSize box) {
    if (image.isNull() || box.isEmpty()) return image;
    const QSize target = fittedSize(image.size(), box);
    if (target == image.size()) return image;
    return image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
