#pragma once

// Cell text as HTML: the clipboard's HTML format, line breaks and colours
// for HTML export, plain URLs shown as links and "CELL://" references.

#include <cstdint>

#include <QByteArray>
#include <QPoint>
#include <QString>

namespace grid {

// The bytes of the clipboard HTML format for an HTML fragment: a header of
// "Version:1.0" and the StartHTML, EndHTML, StartFragment and EndFragment
// byte offsets (eight digits each), then the document with the fragment
// between the StartFragment and EndFragment comments. The document is
// declared and written as ISO-8859-1; a character beyond it is written as a
// numeric character reference ("&#8364;"), so nothing is lost, and the
// offsets count the bytes actually written.
QByteArray BuildClipboardHTML(const QString& fragment);

// HTML line breaks: every CR -> "<br>" (LF kept).
QString CRToBR(const QString& text);

// Six upper-case hex digits, red, green and blue, of a colour 0x00BBGGRR
// (system colours are not resolved; no "#").
QString ColorToHTMLHex(uint32_t color);

// When the text holds `upperScheme` (such as "MAILTO:" or "FTP://") in any
// case, and still does once "<" and ">" are escaped: `html` := the escaped
// text with the URL that starts with the scheme wrapped in an anchor to
// itself; true. Otherwise false and `html` is left alone.
bool LinkifyURL(const QString& text, const QString& upperScheme, QString& html);
// True when the text holds "://" or "mailto:" (case-sensitive).
bool IsURL(const QString& text);
// Deletes everything up to and including the first "://", or else the first
// "mailto:".
void StripURLScheme(QString& text);

// Reads a cell reference "R<row>C<col>" (any case) into X = column,
// Y = row; false when the text is no such reference.
bool ParseCellRef(const QString& text, QPoint& cell);

}  // namespace grid
