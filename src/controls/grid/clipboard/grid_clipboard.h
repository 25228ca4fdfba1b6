#pragma once

// The string grid's clipboard: a rectangle of cells as text, the copies and
// cuts (text, rich text of one cell, the grid's cell block, the HTML table),
// the pastes of those formats and the smart fill of a pasted selection. The
// grid's clipboard member functions call this class; it keeps no state of
// its own beyond the call (the grid keeps the last copied corner and
// operation).

#include <QMimeData>
#include <QPoint>
#include <QString>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid::clipboard {

// Beside the cell block: which grid put it on the clipboard, so that a paste
// knows whether the block came from itself.
inline constexpr const char* MimeGridCellsSource = "application/x-grid-cells-source";

// What a paste read. Fields: the count the grid's pastes report (for text,
// every field of every line, the empty rest after a final line break
// included). Cells, BlockCols, BlockRows: the block itself (without that
// empty rest), which the smart fill repeats.
struct TPasteResult {
    int Fields = 0;
    int Cells = 0;
    int BlockCols = 0;
    int BlockRows = 0;
};

class TGridClipboard {
public:
    explicit TGridClipboard(TExStringGrid& grid) : G(grid) {}

    QString RectAsText(const platform::TGridRect& rect, bool disjunct);
    void CopyRect(const platform::TGridRect& rect, bool disjunct);
    void CopyRTF(int col, int row);
    void CopyCells(const platform::TGridRect& rect);
    void CopyHTML();
    void CopySelection();
    void Cut();
    void CutSelection();
    void ExtendSelectionToMergedCells();

    TPasteResult PasteAt(int col, int row, int& cols, int& rows);
    TPasteResult PasteText(int col, int row, const QString& text, int& cols, int& rows);
    void PasteSelection();
    void SetSelectionAsText(const QString& text);

private:
    // The text of a cell as copies write it (storage column).
    QString CellText(int k, int r);
    QString CopiedField(int k, int r);
    bool RowSelected(int r);
    bool RowTaken(int r, bool disjunct);
    bool ColTaken(int c, bool disjunct);
    bool MayWrite(int c, int r);
    // Stores one pasted text field at a display cell; false when it was not stored.
    bool StoreField(int c, int r, QString field);
    TPasteResult PasteCellBlock(int col, int row, const QMimeData& data, int& cols, int& rows);
    // The smart fill steps of a selection paste.
    void FillSingleValue(const platform::TGridRect& s);
    bool FillSeries(const platform::TGridRect& s);
    void RepeatBlock(const platform::TGridRect& s, int period);
    void RepeatPastes(const TPasteResult& pasted);
    // Fires the before-paste event (unless at the top-left cell) and stores.
    bool FillCell(int c, int r, QString value, bool atTopLeft);
    QByteArray GridId() const;

    TExStringGrid& G;
};

// Puts a MIME object on the clipboard, replacing what it held.
void SetClipboard(std::unique_ptr<QMimeData> data);
// Adds one format to what the clipboard holds.
void AddToClipboard(const QString& format, const QByteArray& bytes);

}  // namespace grid::clipboard
