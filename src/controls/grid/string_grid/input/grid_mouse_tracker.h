#pragma once

// What the mouse passing over a string grid keeps track of between moves:
// the lit row, the hovered cell button, the scroll bar over a cell that
// holds one, the selection mode the cursor shows, the row or column range
// a press on a header goes on selecting while the button is held, and the
// sizing of fixed columns and rows by their borders (the marks, the line,
// the sizing events and the hint). One object per grid, made with it.

#include <cstdint>
#include <utility>

#include <QPoint>
#include <QString>

#include "platform/grid_base.h"

namespace platform {
class TCanvas;
}

namespace grid {

class TExStringGrid;

// What a press would do where the mouse is: select columns (column header),
// rows (row header), everything (top-left corner), follow a link, or drag
// the selection resizer.
enum TMouseSelectMode : uint8_t { msNormal, msColumn, msRow, msAll, msURL, msResize };

class TGridMouseTracker {
public:
    explicit TGridMouseTracker(TExStringGrid& grid);

    // ----- every mouse move, in this order
    // A drag after a press with RangeSelectAndEdit selects rather than edits.
    void DragLeavesEditing();
    // The lit row, the cell scroll bar and the hovered cell button follow the mouse.
    void TrackCell(int ACol, int ARow, int X, int Y);
    // A press on a row or column header goes on selecting while the mouse
    // is dragged; true when it scrolled up to reach the header row.
    bool ExtendHeaderSelection(int ACol, int ARow, int Y);
    // Marks the borders of fixed columns and rows that may be dragged, and
    // moves the size line while one is being dragged.
    void MarkFixedBorders(int ACol, int ARow, int X, int Y);
    // The mode the next press would select in (onHandle: the mouse is on the
    // selection resizer's handle).
    void ChooseSelectMode(int ACol, int ARow, int X, int Y, bool onHandle, bool scrolledUp);
    // The cursor of that mode, or of a fixed border, over the base's cursor;
    // else the cell (display ACol, ARow) may choose its own.
    void ApplyCursor(int ACol, int ARow, int X, int Y);
    // While a column or row is sized: OnColumnSizing / OnRowSizing and the sizing hint.
    void ReportSizing(int X, int Y);

    // ----- press, release and leave
    // A left press on a marked fixed border starts sizing it: true then (the
    // press goes no further).
    bool PressFixedBorder(int ACol, int ARow, int X, int Y);
    // The left release: a sized fixed column or row takes its new size; the
    // header drag selection and the sizing hint end. True when it ended a
    // fixed column's or row's sizing (the release neither clicks nor sorts).
    bool Release(int X, int Y);
    // The mouse left the grid: the lit row and the marks go.
    void Leave();
    // A header press that selected rows (columns) from this row (column).
    void StartHeaderSelection(int index) { FMouseSelectStart = index; }

    // Draws the size line of a fixed column or row being sized.
    void PaintSizeLine(platform::TCanvas& canvas) const;
    bool SizingFixed() const { return FSizingFixed || FSizingFixedR; }

    TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
    int MouseSelectStart() const { return FMouseSelectStart; }
    QPoint HoverButton() const { return FHoverButton; }
    bool OnFixedColBorder() const { return FSizeFixed; }
    bool OnFixedRowBorder() const { return FSizeFixedR; }
    int SizingFixedCol() const { return FSizingFixedCol; }
    int SizingFixedRow() const { return FSizingFixedRow; }
    // The cursor id the mode shows (8010 rows, 8011 columns, 8012 all and
    // the resizer); 0 when the mode shows none of its own.
    static int SelectModeCursorId(TMouseSelectMode mode);
    // The sizing hint's text ("cw=<b>80</b>").
    static QString SizingHintText(bool column, int value);

private:
    // The fixed column (row) whose far border lies within 2 pixels of pos; -1 when none.
    int FixedBorderAt(bool cols, int pos) const;
    // The size of fixed column (row) index when its far border is at pos.
    int FixedSizeAt(bool cols, int index, int pos) const;
    // The column (row) being sized and the size the pointer at pos gives it; -1 when none.
    std::pair<int, int> SizingNow(bool cols, int pos) const;
    // The release ends the sizing of a fixed column (row): true when one was sized.
    bool EndFixedSizing(bool cols, int pos);
    void ShowSizingHint(bool column, int value, int ACol, int ARow);
    void RepaintRow(int ARow);

    TExStringGrid& G;
    TMouseSelectMode FMouseSelectMode = msNormal;
    int FMouseSelectStart = -1;
    platform::TGridRect FSizeSelection{0, 0, -1, -1};
    QPoint FHoverButton{-1, -1};
    QPoint FScrollCell{-1, -1};  // the cell (storage column) the cell scroll bar serves
    bool FSizeFixed = false;
    bool FSizeFixedR = false;
    bool FSizingFixed = false;
    bool FSizingFixedR = false;
    int FSizingFixedCol = -1;
    int FSizingFixedRow = -1;
    int FSizeFixedX = 0;
    int FSizeFixedY = 0;
    int FCursorId = 0;
};

}  // namespace grid
