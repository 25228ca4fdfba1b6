#pragma once

// Delimited text (CSV): the cells of the save range, one line per row, the
// fields joined by the delimiter ("," when none is set). A field is quoted
// when it holds a double quote, the delimiter or a line break, or starts
// with a blank; double quotes inside are doubled; line breaks become
// character 11 (or "~" in the Java dialect, where an empty field is "^").
// The reader detects the delimiter from the first two lines when none is
// set, grows the grid as it reads and never joins lines.

#include <QChar>
#include <QStringList>

#include "controls/grid/io/grid_file_format.h"

namespace grid::io {

class TCsvWriter : public TGridFormatWriter {
public:
    bool Unicode = false;
    QByteArray Write(TExStringGrid& grid, const std::optional<QByteArray>& existing) override;
};

// Raises EExGridError "File is empty" for bytes without a line.
class TCsvReader : public TGridFormatReader {
public:
    bool Insert = false;  // add the lines after the grid's rows
    int MaxRows = -1;     // <= 0: every line
    void Read(TExStringGrid& grid, const QByteArray& bytes, const QString& fileName) override;
};

// The delimiter the first two lines suggest; QChar(0) when no candidate
// occurs in them.
QChar DetectCsvDelimiter(const QString& line1, const QString& line2);

// The fields of one CSV line, decoded (quotes removed, doubled quotes
// collapsed, line breaks restored); `java` selects the Java dialect.
QStringList SplitCsvLine(QString line, QChar delimiter, bool java);

// One field as the writer writes it.
QString CsvField(const QString& text, QChar delimiter, bool java, bool alwaysQuotes, bool quoteEmpty);

}  // namespace grid::io
