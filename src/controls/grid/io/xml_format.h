#pragma once

// XML files. Writing: a flat list, the root named ListDescr, one RecordDescr
// element per row and one element per cell (FieldDescr[i], or FIELD<i>),
// in the encoding XMLEncoding names. Cell texts escape "&" as "$amp;" and
// <, > and the double quote as entities. Reading: flat lists or nested
// documents, whose levels become columns (or rows with LevelToRow); the
// values of a flat record land in the columns of their element names, so a
// record written without its empty cells reads back in place.

#include <QStringList>

#include "controls/grid/io/grid_file_format.h"

namespace grid::io {

class TXmlWriter : public TGridFormatWriter {
public:
    QString ListDescr;
    QString RecordDescr;
    const QStringList* FieldDescr = nullptr;
    bool ExportEmptyCells = false;
    // Raises EExGridError for an element name XML does not allow or an
    // encoding it cannot write, before anything is written.
    QByteArray Write(TExStringGrid& grid, const std::optional<QByteArray>& existing) override;
};

// Raises EExGridError "XMLDOM Parsing error <code> on line <line>" for a
// document that does not parse; cells read before stay.
class TXmlReader : public TGridFormatReader {
public:
    bool LevelToRow = false;
    bool LoadFieldDescr = false;
    // Parses every run of character data into a node of its own instead of
    // keeping an element's leading text in the element (same result, more
    // memory and time; kept to compare the two against each other).
    bool SeparateTextNodes = false;
    void Read(TExStringGrid& grid, const QByteArray& bytes, const QString& fileName) override;
};

// True for a name XML allows for an element.
bool IsXmlElementName(const QString& name);
// A cell text as the writer escapes it, and a value the DOM decoded back.
QString EscapeXmlCellText(const QString& text);
QString UnescapeXmlCellText(const QString& text);

}  // namespace grid::io
