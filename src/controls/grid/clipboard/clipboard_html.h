#pragma once

// The HTML the clipboard carries: a fragment wrapped in the clipboard's
// HTML description, a header of byte offsets followed by a whole document:
//
//   Version:1.0
//   StartHTML:<offset of "<!DOCTYPE">
//   EndHTML:<offset of the end of the text>
//   StartFragment:<offset of the fragment>
//   EndFragment:<offset of the end of the fragment>
//   <!DOCTYPE ...><html><head>...</head><body><!--StartFragment-->fragment<!--EndFragment--></body></html>
//
// Each number has at least eight digits, each header line ends with CR LF,
// and the offsets count the bytes of the UTF-8 text.

#include <QByteArray>
#include <QString>

namespace grid::clipboard {

QByteArray HtmlClipboardText(const QByteArray& fragmentUtf8);

}  // namespace grid::clipboard
