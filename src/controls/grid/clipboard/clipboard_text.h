#pragma once

// The text form of a block of cells on the clipboard: fields separated by
// tabs, lines by CR LF, the form spreadsheet programs exchange. A field that
// holds a line break travels in double quotes with its own double quotes
// doubled, so that reading it back gives exactly the text that was written.
//
// Pasted text comes from any program and is untrusted: the reader takes any
// sequence of characters, stops at the first NUL, and never fails.

#include <vector>

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace grid::clipboard {

// A cell text as one field of a copied block: a text holding a CR or LF has
// each CR LF and each lone CR turned into one LF, its double quotes doubled,
// and is enclosed in double quotes; any other text is returned as it is.
QString QuoteField(const QString& text);

struct TTextLine {
    QStringList Fields;  // at least one, unquoted
    bool Break = false;  // a line break follows the line
    bool IsEmpty() const { return Fields.size() == 1 && Fields.front().isEmpty(); }
};

struct TTextBlock {
    std::vector<TTextLine> Lines;  // at least one
    qsizetype FieldCount = 0;      // fields of all lines, the empty rest after a final break included
    // The block's cells: the field count without the empty line after a
    // final line break.
    qsizetype CellCount() const;
    bool EndsWithBreak() const { return Lines.size() > 1 && Lines[Lines.size() - 2].Break && Lines.back().IsEmpty(); }
};

// Cuts a text into lines (at CR LF, a lone CR or a lone LF) and fields (at
// each TAB). A field that begins with a double quote, holds a line break
// inside its quotes and whose closing quote ends the field is one quoted
// field: its quotes go, its doubled quotes become one and each character 11
// becomes CR LF. Any other field is taken as it stands. After a final line
// break the empty rest is one more line of one empty field.
TTextBlock ParseTextBlock(QStringView text);

// The largest number of fields on a line (x) and the number of non-empty
// lines minus one (y): "a\tb\r\nc\r\n" gives (2, 1), "a" (1, 0), "" (1, -1).
QPoint TextBlockSize(const TTextBlock& block);

}  // namespace grid::clipboard
