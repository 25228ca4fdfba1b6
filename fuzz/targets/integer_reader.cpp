// The integer reader used for every number in the configurator's files. A
// value read is read again the same from its decimal and hexadecimal text;
// the 32-bit reader agrees with the 64-bit one on decimal text, and the
// plain decimal reader with both.

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/strings.h"

FUZZ_TARGET(integer_reader)
{
    fuzz::FuzzedData input(data, size);
    const QString text = input.takeRestText();
    const std::optional<int32_t> value = platform::parseInt(text);
    const std::optional<int64_t> value64 = platform::parseInt64(text);
    const std::optional<int32_t> decimal = platform::parseDecimal(text);
    if (value) {
        FUZZ_CHECK(platform::parseInt(QString::number(*value)) == value);
        FUZZ_CHECK(platform::parseInt(QStringLiteral("$") + QString::number(uint32_t(*value), 16)) == value);
    }
    if (value64) {
        FUZZ_CHECK(platform::parseInt64(QString::number(*value64)) == value64);
        FUZZ_CHECK(platform::parseInt64(QStringLiteral("0x") + QString::number(uint64_t(*value64), 16)) == value64);
    }
    if (value && !text.contains(u'$') && !text.contains(u'x', Qt::CaseInsensitive))
        FUZZ_CHECK(value64 == int64_t(*value));
    if (decimal)
        FUZZ_CHECK(value == decimal);
}
