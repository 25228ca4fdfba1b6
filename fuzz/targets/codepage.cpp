// The 8-bit code pages Windows-1252 ("ANSI") and CP850 ("OEM"): one
// character per byte and one byte per character; after one pass, decoding
// and encoding again changes nothing.

#include <QList>

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/codepage.h"

namespace {

void checkCodePage(const QByteArray& bytes, const QString& text, QString (*decode)(const QByteArray&),
                   QByteArray (*encode)(const QString&))
{
    const QString decoded = decode(bytes);
    FUZZ_CHECK(decoded.size() == bytes.size());
    const QByteArray encoded = encode(decoded);
    FUZZ_CHECK(encoded.size() == bytes.size());
    FUZZ_CHECK_EQUAL(encode(decode(encoded)), encoded);
    FUZZ_CHECK(encode(text).size() == text.toUcs4().size());
}

}  // namespace

FUZZ_TARGET(codepage)
{
    fuzz::FuzzedData input(data, size);
    const QByteArray bytes = input.takeRest();
    const QString text = QString::fromUtf8(bytes);
    checkCodePage(bytes, text, platform::fromAnsi, platform::toAnsi);
    checkCodePage(bytes, text, platform::fromOem, platform::toOem);
}
