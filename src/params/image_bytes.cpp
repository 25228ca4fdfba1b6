#include "params/image_bytes.h"

#include "platform/codepage.h"

namespace params {

QByteArray codePageBytes(const QString& text, qsizetype size)
{
    return platform::toAnsi(text).left(size);
}

qsizetype Write_UTF8_String(const QByteArray& utf8, ImageWriter& out)
{
    if (!utf8.isEmpty()) {
        out.bytes(utf8);
        out.u8(0);
    }
    return out.position();
}

}  // namespace params
