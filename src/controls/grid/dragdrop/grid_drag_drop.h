#pragma once

// What a string grid shows and does while a column or row is dragged to a
// new place and while data is dragged over it from other windows: the
// header drag button and the picture of the dragged cells that follow the
// mouse, the arrows at the drop position, the grid's drop target and the
// thin scroll bars of the "metro" scroll type. One object per grid, made
// with it.

#include <memory>

#include <QPointer>

#include "controls/grid/dragdrop/drop_target.h"
#include "controls/grid/floating/arrow_window.h"
#include "controls/grid/floating/drag_images.h"
#include "controls/grid/floating/thin_scroll_bar.h"
#include "platform/grid_base.h"

class QListWidget;

namespace grid {

class TExStringGrid;
class TGridDropTarget;

class TGridDragDrop {
public:
    explicit TGridDragDrop(TExStringGrid& grid);
    ~TGridDragDrop();

    // ----- column and row moving with the mouse
    // A left press: the drop position of the last drag is forgotten and the
    // press point within the pressed cell kept (the images keep that offset).
    void Press(int X, int Y);
    // A mouse move while the grid moves a column or row.
    void MoveMouse(int X, int Y);
    // The left release: true when it ended an enhanced move (moving the
    // column or row when the drop was allowed); the release neither clicks
    // nor sorts then.
    bool Release(int X, int Y);
    // Hides the arrows, the button and the picture (every left release).
    void HideIndicators();
    int MoveColInd() const { return FMoveColInd; }
    int MoveRowInd() const { return FMoveRowInd; }
    int MoveOfsX() const { return FMoveOfsX; }
    int MoveOfsY() const { return FMoveOfsY; }
    // The cursor of the drag now: 0 none yet, 1 drop allowed, 2 no drop.
    int MoveCursor() const { return FMoveCursor; }

    TArrowWindows& Arrows() { return FArrows; }
    THeaderDragButton* MoveButton() const { return FMoveButton; }
    TNoActiveForm* MoveForm() const { return FMoveForm.data(); }

    // ----- drags out of the grid
    // A left press on a display cell (the press point X, Y): true when it
    // prepared a drag of the selection (the press goes no further).
    bool PrepareOleDrag(int ACol, int ARow, int X, int Y, const platform::TRect& cell, platform::TShiftState keys);
    // A mouse move: true when it ran a drag out of the grid.
    bool StartOleDrag(platform::TShiftState Shift, int X, int Y);
    // The left release: a prepared drag that did not start ends as a click
    // selecting the cell.
    void FinishOleClick(int ACol, int ARow);

    // ----- drop target
    // The grid's window takes drops (or no longer does).
    void SetDropTarget(bool on);
    TGridDropTarget* DropTarget() const { return FDropTarget.get(); }
    // A hidden column dragged from a list box (storage column, the list's
    // item): the next column drop shows it again there.
    void OleColumnDragStart(int ACol, int AIndex, QListWidget* AList);
    int OleDragCol() const { return FOleDragCol; }

    // ----- thin scroll bars: made when the scroll type becomes "metro", gone otherwise
    void UpdateThinScrollBars(bool metro);
    TScrollControl* ThinScrollBar(TScrollDirection direction) const;

private:
    friend class TGridDropTarget;
    friend class TExStringGrid;
    void PlaceImage(int X, int Y);
    void ShowColumnArrows(const platform::TRect& target, bool before, int width);

    TExStringGrid& G;
    TArrowWindows FArrows;
    THeaderDragButton* FMoveButton;  // owned by the grid (Qt parent)
    QPointer<TNoActiveForm> FMoveForm;
    int FMoveColInd = -1;
    int FMoveRowInd = -1;
    int FMoveOfsX = 0;
    int FMoveOfsY = 0;
    int FMoveCursor = 0;
    bool FBlockFocus = false;
    std::unique_ptr<TGridDropTarget> FDropTarget;
    TDropEffect RunDrag(std::unique_ptr<QMimeData> data);
    bool FSelectionClick = false;
    QPoint FPressPoint;
    int FOleDragCol = -1;
    int FOleDragIndex = -1;
    QPointer<QListWidget> FOleDragList;
    QPointer<TScrollControl> FVertBar;
    QPointer<TScrollControl> FHorzBar;
    platform::TScrollStyle FKeptScrollBars = platform::ssBoth;
    bool FMetro = false;  // the thin bars stand in for the window's own
};

}  // namespace grid
