#include "platform/jpeg_image.h"

#include <csetjmp>
#include <cstdio>

#include <QPainter>

#include <jpeglib.h>

namespace platform {

namespace {

struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

[[noreturn]] void onError(j_common_ptr info)
{
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(err->Jump, 1);
}

void silence(j_common_ptr) {}

// The picture on white, as 24-bit RGB rows.
QImage rgbOnWhite(const QImage& image)
{
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB888);
    QImage flat(image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, image);
    p.end();
    return flat;
}

}  // namespace

QByteArray EncodeJpeg(const QImage& image)
{
    if (image.isNull()) return {};
    const QImage rgb = rgbOnWhite(image);
    jpeg_compress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.Base);
    err.Base.error_exit = onError;
    err.Base.output_message = silence;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    QByteArray out;
    if (setjmp(err.Jump) != 0) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    out = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

QImage DecodeJpeg(const QByteArray& bytes)
{
    if (!IsJpeg(bytes)) return {};
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.Base);
    err.Base.error_exit = onError;
    err.Base.output_message = silence;
    QImage image;
    if (setjmp(err.Jump) != 0) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width > 16384 || info.output_height > 16384 || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

bool IsJpeg(const QByteArray& bytes)
{
    return bytes.size() >= 3 && uint8_t(bytes[0]) == 0xFF && uint8_t(bytes[1]) == 0xD8 && uint8_t(bytes[2]) == 0xFF;
}

}  // namespace platform
