// Text files read as lines: byte-order marks, Windows-1252 and the three
// line ends. Reading the file and decoding its bytes agree; no line holds a
// line end; lines written back with CR LF read as the same lines.

#include <optional>

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/text_lines.h"

FUZZ_TARGET(text_lines)
{
    fuzz::FuzzedData input(data, size);
    const QByteArray bytes = input.takeRest();
    const QStringList lines = platform::splitLines(platform::decodeTextFile(bytes));
    const QString file = fuzz::scratchFile(QStringLiteral("lines.txt"), bytes);
    const std::optional<QStringList> read = platform::readTextFileLines(file);
    FUZZ_CHECK(read.has_value());
    FUZZ_CHECK_EQUAL(read.value_or(QStringList()), lines);
    for (const QString& line : lines)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
    const QString crlf = QStringLiteral("\r\n");
    FUZZ_CHECK_EQUAL(platform::splitLines(lines.isEmpty() ? QString() : lines.join(crlf) + crlf), lines);
}
