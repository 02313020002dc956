#include "imaging/jpeg_decoder.h"

#include "imaging/exif_block.h"
#include "imaging/orientation.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace {

constexpr unsigned kScaleDenominator = 8;
// The largest picture decoded: 200 megapixels (800 MB in memory).
constexpr qint64 kMaxOutputPixels = 200'000'000;
// Proportions of an embedded thumbnail and its picture may differ this much
// (cameras pad a thumbnail of other proportions with black bars).
constexpr double kProportionTolerance = 0.02;

// libjpeg reports a fatal error by calling error_exit, which must not
// return; it jumps back to the phase that was running. The phases below keep
// no C++ object alive across a call into libjpeg, so the jump skips no
// destructor.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void exitOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->base.format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void ignoreMessage(j_common_ptr, int) {}

struct Session {
    jpeg_decompress_struct info;
    ErrorManager errors;
    bool created = false;
};

bool readHeader(Session* session, const unsigned char* data, unsigned long size) {
    session->info.err = jpeg_std_error(&session->errors.base);
    session->errors.base.error_exit = exitOnError;
    session->errors.base.emit_message = ignoreMessage;
    session->errors.message[0] = '\0';
    if (setjmp(session->errors.jump)) return false;
    jpeg_create_decompress(&session->info);
    session->created = true;
    jpeg_mem_src(&session->info, data, size);
    jpeg_save_markers(&session->info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&session->info, TRUE);
    return true;
}

bool startDecompress(Session* session) {
    if (setjmp(session->errors.jump)) return false;
    jpeg_start_decompress(&session->info);
    return true;
}

// Reads every scanline into consecutive rows of `rowBytes` bytes.
bool readScanlines(Session* session, unsigned char* firstRow, qsizetype rowBytes) {
    if (setjmp(session->errors.jump)) return false;
    jpeg_decompress_struct* info = &session->info;
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = firstRow + static_cast<qsizetype>(info->output_scanline) * rowBytes;
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    return true;
}

void destroy(Session* session) {
    if (session->created) jpeg_destroy_decompress(&session->info);
    session->created = false;
}

QString errorText(const Session& session) {
    return QString::fromLocal8Bit(session.errors.message);
}

ExifBlock exifOf(const jpeg_decompress_struct& info) {
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next) {
        if (marker->marker != JPEG_APP0 + 1) continue;
        const QByteArrayView payload(reinterpret_cast<const char*>(marker->data),
                                     static_cast<qsizetype>(marker->data_length));
        if (payload.startsWith(QByteArrayView("Exif\0\0", 6))) return readExifBlock(payload);
    }
    return {};
}

double proportion(QSize size) {
    return size.height() > 0 ? static_cast<double>(size.width()) / size.height() : 0.0;
}

// The embedded thumbnail, upright, when it may stand for the picture.
QImage usableThumbnail(const ExifBlock& exif, QSize fullUpright, QSize needed) {
    if (exif.thumbnail.isEmpty()) return {};
    DecodedPicture small = decodeJpeg(exif.thumbnail);
    if (small.image.isNull()) return {};
    const QImage upright = uprightImage(small.image, exif.orientation);
    const bool covers = upright.width() >= needed.width() && upright.height() >= needed.height();
    const double wanted = proportion(fullUpright);
    const bool sameShape = wanted > 0 && std::abs(proportion(upright.size()) - wanted) <=
                                             wanted * kProportionTolerance;
    return covers && sameShape ? upright : QImage();
}

// Adobe's CMYK JPEGs store inverted ink values.
void cmykToRgb(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* pixel = reinterpret_cast<unsigned char*>(image.scanLine(y));
        auto* out = reinterpret_cast<QRgb*>(pixel);
        for (int x = 0; x < image.width(); ++x) {
            const int c = pixel[4 * x], m = pixel[4 * x + 1], yellow = pixel[4 * x + 2],
                      k = pixel[4 * x + 3];
            out[x] = qRgb(c * k / 255, m * k / 255, yellow * k / 255);
        }
    }
}

}  // namespace

QSize fittedSize(QSize full, QSize box) {
    if (box.isEmpty() || full.isEmpty()) return full;
    if (full.width() <= box.width() && full.height() <= box.height()) return full;
    return full.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QSize coveringSize(QSize full, QSize box) {
    if (box.isEmpty() || full.isEmpty()) return full;
    const QSize covering = full.scaled(box, Qt::KeepAspectRatioByExpanding);
    return covering.width() >= full.width() ? full : covering;
}

int jpegScaleNumerator(QSize stored, QSize needed) {
    for (int n = 1; n < static_cast<int>(kScaleDenominator); ++n) {
        const qint64 w = (static_cast<qint64>(stored.width()) * n + 7) / 8;
        const qint64 h = (static_cast<qint64>(stored.height()) * n + 7) / 8;
        if (w >= needed.width() && h >= needed.height()) return n;
    }
    return static_cast<int>(kScaleDenominator);
}

DecodedPicture decodeJpeg(QByteArrayView bytes, const JpegRequest& request) {
    DecodedPicture result;
    Session session{};
    const auto fail = [&](const QString& why) {
        destroy(&session);
        result.image = QImage();
        result.error = why;
        return result;
    };
    if (bytes.size() < 4) return fail(QStringLiteral("JPEG 자료가 너무 짧습니다"));
    if (!readHeader(&session, reinterpret_cast<const unsigned char*>(bytes.data()),
                    static_cast<unsigned long>(bytes.size()))) {
        return fail(errorText(session));
    }
    jpeg_decompress_struct& info = session.info;
    const ExifBlock exif = exifOf(info);
    const QSize stored(static_cast<int>(info.image_width), static_cast<int>(info.image_height));
    result.fullSize = uprightSize(stored, exif.orientation);
    const QSize needed = request.cover ? coveringSize(result.fullSize, request.fitInto)
                                       : fittedSize(result.fullSize, request.fitInto);

    if (request.embeddedThumbnail && !request.fitInto.isEmpty()) {
        const QImage thumbnail = usableThumbnail(exif, result.fullSize, needed);
        if (!thumbnail.isNull()) {
            destroy(&session);
            result.image = thumbnail;
            result.fromEmbeddedThumbnail = true;
            return result;
        }
    }

    info.scale_num =
        static_cast<unsigned>(jpegScaleNumerator(stored, uprightSize(needed, exif.orientation)));
    info.scale_denom = kScaleDenominator;
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    if (request.fast) {
        info.dct_method = JDCT_IFAST;
        info.do_fancy_upsampling = FALSE;
    }
    jpeg_calc_output_dimensions(&info);
    if (static_cast<qint64>(info.output_width) * info.output_height > kMaxOutputPixels)
        return fail(QStringLiteral("그림이 너무 큽니다"));

    QImage image(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 QImage::Format_RGB32);
    if (image.isNull()) return fail(QStringLiteral("그림을 담을 메모리가 부족합니다"));
    if (!startDecompress(&session) || info.output_components != 4 ||
        !readScanlines(&session, image.bits(), image.bytesPerLine())) {
        const QString why = errorText(session);
        return fail(why.isEmpty() ? QStringLiteral("JPEG 형식을 읽을 수 없습니다") : why);
    }
    destroy(&session);
    if (cmyk) cmykToRgb(image);
    result.image = uprightImage(image, exif.orientation);
    return result;
}
