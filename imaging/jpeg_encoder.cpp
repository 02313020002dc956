#include "imaging/jpeg_encoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

struct ErrorJump {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void jumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

struct Encoder {
    jpeg_compress_struct info;
    ErrorJump errors;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    bool created = false;
};

// Runs the whole compression; keeps no C++ object alive across libjpeg calls,
// so an error's jump skips no destructor.
bool compress(Encoder* encoder, const QImage* image, int quality, const QByteArray* app1) {
    encoder->info.err = jpeg_std_error(&encoder->errors.base);
    encoder->errors.base.error_exit = jumpOnError;
    if (setjmp(encoder->errors.jump)) return false;
    jpeg_create_compress(&encoder->info);
    encoder->created = true;
    jpeg_mem_dest(&encoder->info, &encoder->buffer, &encoder->size);
    encoder->info.image_width = static_cast<JDIMENSION>(image->width());
    encoder->info.image_height = static_cast<JDIMENSION>(image->height());
    encoder->info.input_components = 4;
    encoder->info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&encoder->info);
    jpeg_set_quality(&encoder->info, quality, TRUE);
    jpeg_start_compress(&encoder->info, TRUE);
    if (!app1->isEmpty()) {
        jpeg_write_marker(&encoder->info, JPEG_APP0 + 1,
                          reinterpret_cast<const JOCTET*>(app1->constData()),
                          static_cast<unsigned>(app1->size()));
    }
    while (encoder->info.next_scanline < encoder->info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(
            image->constScanLine(static_cast<int>(encoder->info.next_scanline)));
        jpeg_write_scanlines(&encoder->info, &row, 1);
    }
    jpeg_finish_compress(&encoder->info);
    return true;
}

}  // namespace

QByteArray encodeJpeg(const QImage& image, int quality, const QByteArray& app1) {
    if (image.isNull() || app1.size() > 65533) return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Encoder encoder{};
    const bool ok = compress(&encoder, &rgb, std::clamp(quality, 1, 100), &app1);
    QByteArray bytes;
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char*>(encoder.buffer),
                           static_cast<qsizetype>(encoder.size));
    if (encoder.created) jpeg_destroy_compress(&encoder.info);
    std::free(encoder.buffer);
    return bytes;
}
