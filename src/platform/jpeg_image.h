#pragma once

// JPEG encoding and decoding through libjpeg: the encoder with the codec's
// default settings (quality 75, 4:2:0 sampling), pictures drawn on white.

#include <QByteArray>
#include <QImage>

namespace platform {

// The image as a baseline JFIF file; empty for a null image.
QByteArray EncodeJpeg(const QImage& image);
// The JPEG file's pixels (RGB888); a null image when the bytes are no JPEG.
QImage DecodeJpeg(const QByteArray& bytes);
// True when the bytes start like a JPEG file (SOI marker).
bool IsJpeg(const QByteArray& bytes);

}  // namespace platform
