#pragma once

// A workbook as the spreadsheet server holds it: named sheets of cells, each
// cell a value (text, number, truth value, date or error), and the cell
// references, date numbers and error names of workbook files.

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include <QDateTime>
#include <QString>

#include "platform/automation/automation.h"

namespace platform::office::spreadsheet {

using automation::Variant;

inline constexpr int MaxSheetRows = 1048576;
inline constexpr int MaxSheetColumns = 16384;
// The most cells a workbook file may bring (beyond it the file is refused).
inline constexpr qint64 MaxWorkbookCells = 2 * 1024 * 1024;

// A workbook file that cannot be read or written.
class WorkbookFileError : public std::runtime_error {
public:
    explicit WorkbookFileError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

struct CellKey {
    int row = 1;     // from 1
    int column = 1;  // from 1
    auto operator<=>(const CellKey&) const = default;
};

struct CellArea {
    CellKey first;
    CellKey last;
    int rows() const { return last.row - first.row + 1; }
    int columns() const { return last.column - first.column + 1; }
    bool operator==(const CellArea&) const = default;
};

struct Sheet {
    QString name;
    // Only cells with a value; row first.
    std::map<CellKey, Variant> cells;

    Variant At(CellKey key) const;
    // An empty value or an empty text removes the cell.
    void Set(CellKey key, const Variant& value);
    // The smallest area around the cells; nullopt for an empty sheet.
    std::optional<CellArea> Used() const;
};

struct Workbook {
    std::vector<std::shared_ptr<Sheet>> sheets;
    int activeSheet = 0;  // index into sheets
};

// Column letters: 1 = A, 27 = AA, 16384 = XFD.
QString ColumnLetters(int column);
// "B2", "$B$2", "b2"; nullopt when it is no cell of a sheet.
std::optional<CellKey> ParseCellReference(const QString& text);
// "B2" or "B2:D10" (with or without "$", corners in any order).
std::optional<CellArea> ParseCellArea(const QString& text);
// "$B$2" for one cell, else "$B$2:$D$10".
QString AbsoluteAddress(const CellArea& area);

// Date numbers: days since 30 December 1899, the time of day as the fraction.
double DateNumber(const QDateTime& date);
// nullopt for a number outside the years 1900 .. 9999.
std::optional<QDateTime> DateFromNumber(double number);

// Error values by their names ("#N/A" is 2042, "#DIV/0!" 2007, ...).
QString ErrorName(qint32 code);
std::optional<qint32> ErrorCode(const QString& name);

}  // namespace platform::office::spreadsheet
