// Rich-text source as pasted or stored in rich cells: the reader never
// fails, the writer's source is 7-bit, and what the reader took survives
// writing and reading again, also through the editor's text document.

#include <QTextDocument>

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/rtf.h"
#include "platform/rtf_text_document.h"

FUZZ_TARGET(rtf_reader)
{
    fuzz::FuzzedData input(data, size);
    const QByteArray bytes = input.takeRest();
    const platform::TRtfDocument read = platform::ReadRtf(bytes);
    const QByteArray written = platform::WriteRtf(read);
    for (const char c : written) FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80);
    FUZZ_CHECK(platform::IsRtfSource(written));
    const platform::TRtfDocument again = platform::ReadRtf(written);
    FUZZ_CHECK(again == read);
    FUZZ_CHECK_EQUAL(again.PlainText(), read.PlainText());
    FUZZ_CHECK_EQUAL(platform::WriteRtf(again), written);
}
