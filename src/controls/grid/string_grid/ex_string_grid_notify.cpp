// Reactions to change: removed components, size and width changes, column
// stretching and fitting, drag scrolling near the edges, and the overridable
// hooks of keyboard row insertion and deletion, fixed-cell editing and filtering.

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QScrollBar>
#include <QStyle>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/dragdrop/grid_drag_drop.h"

namespace grid {

void TExStringGrid::ComponentNotification(QObject* component)
{
    if (component == nullptr) return;
    if (!Destroying() && FSyncGrid.Grid() != nullptr && static_cast<QObject*>(FSyncGrid.Grid()) == component)
        FSyncGrid.SetGrid(nullptr);
}

// ------------------------------------------------------------ size changes

void TExStringGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
    CellControlsUpdate(false);
    if (!HasParent() || FLoading) return;
    if (FColumnSize.Stretch()) FitStretchColumn();
}

void TExStringGrid::InitOrigColSizes()
{
    FOrigColSizes.clear();
    FOrigColSizes.reserve(size_t(std::max(ColCount(), 0)));
    for (int i = 0; i < ColCount(); ++i) FOrigColSizes.push_back(ColWidths(i));
    FOldSize = width();
}

void TExStringGrid::SynchColumnsWithWidth(int newWidth)
{
    if (!FColumnSize.SynchWithGrid || FOldSize <= 0) return;
    HideInplaceEdit();
    // Both widths are the grid's outer width, so a grid back at its
    // remembered width gets its remembered column widths exactly. Integer
    // arithmetic truncates the exact product (no rounding drift).
    const bool normalOnly = FColumnSize.SynchNormalCellsOnly;
    const int first = normalOnly ? FixedCols() : 0;
    const int last = normalOnly ? ColCount() - FixedRightCols() - 1 : ColCount() - 1;
    const int remembered = int(FOrigColSizes.size());
    for (int i = std::max(first, 0); i <= last && i < remembered; ++i) {
        const int64_t scaled = int64_t(FOrigColSizes[size_t(i)]) * newWidth / FOldSize;
        SetColWidths(i, int(scaled));
    }
}

void TExStringGrid::Resize()
{
    SynchColumnsWithWidth(width());
    TBaseGrid::Resize();  // OnResize
    if (FBackGround.IsGradient() && FBackGround.ColorTo() != clNone) RepaintGrid();
    UpdateScrollBarVisibility(false);
    if (ScrollType() == paint::ssMetro) FDragDrop->UpdateThinScrollBars(true);
    // The grid's own size decides the stretch as its form's does.
    if (FColumnSize.Stretch()) FitStretchColumn();
}

void TExStringGrid::ScaleOtherSizes(bool columns, int sized, double factor)
{
    const int first = columns ? GridBase::FixedCols() : GridBase::FixedRows();
    const int count = columns ? ColCount() : RowCount();
    for (int i = first; i < count; ++i) {
        if (i == sized) continue;
        if (columns) SetColWidths(i, int(std::lrint(ColWidths(i) * factor)));
        else SetRowHeights(i, int(std::lrint(RowHeights(i) * factor)));
    }
}

void TExStringGrid::ColWidthsChanged()
{
    if (ColchgFlg && !FIsColChanging) FitStretchColumn();
    TBaseGrid::ColWidthsChanged();
    if (ColSized && FMouseActions.AllColumnSize && Colclicked >= 0 && Colclickedsize > 0) {
        const double factor = double(ColWidths(Colclicked)) / Colclickedsize;
        ColSized = false;
        ScaleOtherSizes(true, Colclicked, factor);
        ColSized = true;
    }
    if (ColSized && Colclicked >= 0) {
        const int column = Colclicked;
        if (OnEndColumnSize) OnEndColumnSize(this, column);
        int w = ColWidths(column);
        const int before = w;
        DoUpdateColumnSize(column, w);
        if (w != before) {
            ColSized = false;
            SetColWidths(column, w);
            ColSized = true;
        }
        if (ColSized) {
            Colclicked = -1;
            Rowclicked = -1;
        }
    }
    ColSized = false;
    UpdateFooter();
    CellControlsUpdate(false);
}

void TExStringGrid::RowHeightsChanged()
{
    TBaseGrid::RowHeightsChanged();
    if (Rowsized && FMouseActions.AllRowSize && Rowclicked >= 0 && Rowclickedsize > 0) {
        const double factor = double(RowHeights(Rowclicked)) / Rowclickedsize;
        Rowsized = false;
        ScaleOtherSizes(false, Rowclicked, factor);
        Rowsized = true;
    }
    if (Rowsized && Rowclicked >= 0 && OnEndRowSize) OnEndRowSize(this, Rowclicked);
    if (Rowsized) {
        Colclicked = -1;
        Rowclicked = -1;
    }
    Rowsized = false;
    CellControlsUpdate(false);
}

// ------------------------------------------------------------ stretching and fitting

void TExStringGrid::StretchColumn(int ACol) { StretchColumnChecked(ACol, true); }

void TExStringGrid::FitStretchColumn()
{
    // After columns were hidden the stretch column may lie beyond the
    // display columns: the last column stretches then.
    int column = FColumnSize.StretchColumn;
    if (column >= ColCount() || column < -1) column = -1;
    StretchColumnChecked(column, false);
}

void TExStringGrid::StretchColumnChecked(int ACol, bool raiseOutOfRange)
{
    if (FLoading || Destroying() || QApplication::closingDown()) return;
    if (ACol == -1) ACol = ColCount() - 1;
    if (ACol < 0 || ACol >= ColCount()) {
        if (raiseOutOfRange) throw EExGridError("Stretch column index out of range");
        return;
    }
    if (ColCount() == 0 || !FColumnSize.Stretch() || FIsColChanging) return;
    FIsColChanging = true;
    ColchgFlg = false;
    const int client = viewport()->width();
    if (ColCount() == 1) {
        SetColWidths(ACol, client);
    } else {
        int sum = 0;
        for (int c = 0; c < ColCount(); ++c)
            if (c != ACol) sum += std::max(0, ColWidths(c));
        if (sum < client) SetColWidths(ACol, client - sum - 1);
        else if (LeftCol() == GridBase::FixedCols()) SetColWidths(ACol, DefaultColWidth());
    }
    ColchgFlg = true;
    FIsColChanging = false;
    UpdateFooter();
}

void TExStringGrid::AutoFitColumns(bool DoFixedCells)
{
    const bool rowsFit = VisibleRowCount() + GridBase::FixedRows() >= RowCount();
    const bool vertBar = ScrollBars() == platform::ssVertical || ScrollBars() == platform::ssBoth;
    const int v = FScrollBarAlways == saVert || (vertBar && !rowsFit)
                      ? QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                      : 0;
    const int b = frameShape() != QFrame::NoFrame ? 2 * frameWidth() : 0;
    int first = 0;
    int last = ColCount() - 1;
    int A = width();
    if (!DoFixedCells) {
        first = GridBase::FixedCols();
        last = ColCount() - FFixedRightCols - 1;
        for (int c = 0; c < first; ++c) A -= ColWidths(c);
        for (int c = last + 1; c < ColCount(); ++c) A -= ColWidths(c);
    }
    if (last < first) return;
    int L = 0;
    if (Options() & platform::goVertLine) L = GridLineWidth() * (ColCount() - GridBase::FixedCols() - FFixedRightCols);
    if ((Options() & platform::goFixedVertLine) && DoFixedCells) L += GridBase::FixedCols() + FFixedRightCols;

    auto rangeSum = [&] {
        int s = 0;
        for (int c = first; c <= last; ++c) s += ColWidths(c);
        return s;
    };
    if (ColCount() < 2) {
        SetColWidths(0, width() - v - 5);
    } else {
        const int S = rangeSum();
        if (S == A - v - b) return;
        // Columns without width cannot be scaled.
        if (S <= 0) return;
        const double r = double(A - v - b - L) / S;
        long T = 0;
        for (int c = first; c <= last; ++c) T += std::lrint(ColWidths(c) * r);
        for (int c = first; c <= last; ++c) SetColWidths(c, int(std::lrint(double(ColWidths(c)) * T / S)));
    }
    int R = A - (rangeSum() + v + b);
    const int n = last - first + 1;
    if (n > 1 && R > n) {
        for (int c = first; c <= last; ++c) SetColWidths(c, ColWidths(c) + R / n);
        R %= n;
    }
    int widest = first;
    for (int c = first; c <= last; ++c)
        if (ColWidths(c) > ColWidths(widest)) widest = c;
    if (R != 0) SetColWidths(widest, ColWidths(widest) + R);
}

// ------------------------------------------------------------ drag scrolling

void TExStringGrid::StopDragScroll()
{
    if (FDragTmr) FDragTmr->stop();
    FDragTmr.reset();
}

void TExStringGrid::HandleDragOver(QObject*, int X, int Y, TDragState state, bool&)
{
    if (!FDragScrollOptions.Active) {
        StopDragScroll();
        return;
    }
    const bool hadDirection = FDragScrollDirection != 0;
    FDragScrollDirection = 0;
    if (state == dsDragLeave) {
        StopDragScroll();
        return;
    }
    if (Y < FDragScrollOptions.Margins.TopMargin) FDragScrollDirection |= dsdUp;
    else if (Y > height() - FDragScrollOptions.Margins.BottomMargin) FDragScrollDirection |= dsdDown;
    if (X < FDragScrollOptions.Margins.LeftMargin) FDragScrollDirection |= dsdLeft;
    else if (X > width() - FDragScrollOptions.Margins.RightMargin) FDragScrollDirection |= dsdRight;
    if (FDragScrollDirection == 0) {
        StopDragScroll();
        return;
    }
    const qint64 now = DragScrollClock ? DragScrollClock() : 0;
    if (!FDragTmr) {
        FDragTmr = std::make_unique<QTimer>();
        FDragTmr->setTimerType(Qt::PreciseTimer);
        FDragTmr->setInterval(FDragScrollOptions.Delays.InitialDelay);
        QObject::connect(FDragTmr.get(), &QTimer::timeout, this, [this] {
            try {
                // With a clock of its own the grid steps when the clock says so.
                if (DragScrollClock)
                    DragScrollPoll();
                else
                    DragScrollTimer();
            } catch (...) {
                StopDragScroll();
            }
        });
        FDragTmr->start();
        FDragScrollDue = now + FDragScrollOptions.Delays.InitialDelay;
    } else if (hadDirection) {
        FDragTmr->setInterval(FDragScrollOptions.Delays.InitialDelay);
        FDragScrollDue = now + FDragScrollOptions.Delays.InitialDelay;
    }
}

void TExStringGrid::DragScrollTimer()
{
    if (!FDragScrollOptions.Active) {
        StopDragScroll();
        return;
    }
    if (FDragTmr) FDragTmr->setInterval(FDragScrollOptions.Delays.RepeatDelay);
    TDragScrollDirection direction = FDragScrollDirection;
    if (OnDragScroll) {
        bool canScroll = true;
        OnDragScroll(this, TopRow(), LeftCol(), direction, canScroll);
        if (!canScroll) return;
    }
    if ((direction & dsdUp) && TopRow() > GridBase::FixedRows()) SetTopRow(TopRow() - 1);
    if ((direction & dsdDown) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    if ((direction & dsdLeft) && LeftCol() > GridBase::FixedCols()) SetLeftCol(LeftCol() - 1);
    if ((direction & dsdRight) && VisibleColCount() + LeftCol() < ColCount()) SetLeftCol(LeftCol() + 1);
}

// ------------------------------------------------------------ footer and hooks

void TExStringGrid::UpdateFooter()
{
    // The footer panel of the painting service shows the last row; the window repaints it.
    if (FFloatingFooter.Visible && RowCount() > 0) RepaintRow(RowCount() - 1);
}

void TExStringGrid::LastRowChanged()
{
    TBaseGrid::LastRowChanged();
    UpdateFooter();
}

bool TExStringGrid::CellIsPassword(int ACol, int ARow)
{
    bool result = false;
    IsPasswordCell(ACol, ARow, result);
    return result;
}

void TExStringGrid::DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, QStringList& Values)
{
    if (OnFixedEdit) OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

void TExStringGrid::InsertRowAt(int ARow)
{
    // ARow counts hidden rows; in a tree the new row joins the node it lands in.
    if (!HasNodes())
        InsertRows(DisplRowIndex(ARow), 1, true);
    else if (GetParentRow(DisplRowIndex(ARow)) < 0)
        InsertNormalRow(ARow);
    else
        InsertChildRow(ARow, 0);
}

void TExStringGrid::AutoDeleteRow(int ARow)
{
    if (RowCount() - GridBase::FixedRows() - FFixedFooters != 1 || FFixedRowAlways) {
        DeleteRowsInternal(ARow, 1);
    } else {
        ClearRows(ARow, 1);
    }
    if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

void TExStringGrid::DoFilterDone()
{
    if (OnFilterDone) OnFilterDone(this);
}

void TExStringGrid::DoUpdateColumnSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TExStringGrid::DoUpdateAutoColumnSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

}  // namespace grid
