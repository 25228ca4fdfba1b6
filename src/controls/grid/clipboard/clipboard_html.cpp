#include "controls/grid/clipboard/clipboard_html.h"

namespace grid::clipboard {

namespace {

QByteArray header(qsizetype startHtml, qsizetype endHtml, qsizetype startFragment, qsizetype endFragment)
{
    const auto line = [](const char* label, qsizetype value) {
        return QByteArray(label) + QByteArray::number(value).rightJustified(8, '0') + "\r\n";
    };
    return QByteArray("Version:1.0\r\n") + line("StartHTML:", startHtml) + line("EndHTML:", endHtml) +
           line("StartFragment:", startFragment) + line("EndFragment:", endFragment);
}

}  // namespace

QByteArray HtmlClipboardText(const QByteArray& fragmentUtf8)
{
    const QByteArray head = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
                            "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\">"
                            "</head><body><!--StartFragment-->";
    const QByteArray tail = "<!--EndFragment--></body></html>";
    // The header's length depends on its numbers only past eight digits.
    qsizetype headerSize = header(0, 0, 0, 0).size();
    for (;;) {
        const qsizetype startFragment = headerSize + head.size();
        const qsizetype endFragment = startFragment + fragmentUtf8.size();
        const QByteArray h = header(headerSize, endFragment + tail.size(), startFragment, endFragment);
        if (h.size() == headerSize) return h + head + fragmentUtf8 + tail;
        headerSize = h.size();
    }
}

}  // namespace grid::clipboard
