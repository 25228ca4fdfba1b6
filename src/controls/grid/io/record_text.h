#pragma once

// A cell text on one line of a record (grid text format, fixed width): the
// line breaks of a multi-line text become characters 9 (CR) and 8 (LF), a
// NUL becomes 1. A text is encoded whenever it holds a CR, an LF or a
// character 8 (the mark a reader decodes by); a lone CR or LF becomes CR LF
// first. Literal characters 9, 8, 1 and 2 of an encoded text are kept by a
// character 2 in front, so a tab in a multi-line text reads back as a tab.
// A reader decodes only a field holding character 8, so texts written
// without line breaks, and files of the older rule (which encoded only texts
// holding a CR and knew no character 2), read back as written.

#include <QString>

namespace grid::io {

QString EncodeRecordText(const QString& text);
// The inverse; with multiLine off only the first line is kept.
QString DecodeRecordText(const QString& text, bool multiLine);
// The same for a field inside a larger text (a reader's line).
QString DecodeRecordText(QStringView text, bool multiLine);
// Lone CR and lone LF become CR LF.
QString NormalizeLineBreaks(const QString& text);

}  // namespace grid::io
