#pragma once

#include <cstdint>

#include <QByteArray>
#include <QString>

namespace params {

// Every device image holds at most this many bytes.
constexpr int kImageCapacity = 131072;

// Appends little-endian numbers and texts to a device image.
class ImageWriter {
public:
    explicit ImageWriter(QByteArray& image) : image_(image) {}

    void u8(uint32_t value) { image_.append(static_cast<char>(value & 0xFF)); }
    void u16(uint32_t value)
    {
        u8(value);
        u8(value >> 8);
    }
    void u32(uint32_t value)
    {
        u16(value);
        u16(value >> 16);
    }
    void bytes(const char* data, qsizetype size) { image_.append(data, size); }
    void bytes(const QByteArray& data) { image_.append(data); }
    void zeros(qsizetype count) { image_.append(count, '\0'); }

    qsizetype position() const { return image_.size(); }

private:
    QByteArray& image_;
};

// The bytes a text takes in an image: its UTF-8 form.
inline QByteArray utf8Bytes(const QString& text)
{
    return text.toUtf8();
}

// The bytes of a text in the device's 8-bit code page (the ANSI code page):
// one byte per character, "?" for a character the code page cannot hold;
// at most `size` bytes.
QByteArray codePageBytes(const QString& text, qsizetype size);

// Write_UTF8_String: a non-empty text as its UTF-8 bytes and one zero byte;
// an empty text writes nothing. Returns the position after what was written.
qsizetype Write_UTF8_String(const QByteArray& utf8, ImageWriter& out);

// The bytes Write_UTF8_String takes for this text.
inline uint32_t utf8StringSize(const QByteArray& utf8)
{
    return utf8.isEmpty() ? 0 : static_cast<uint32_t>(utf8.size()) + 1;
}

}  // namespace params
