// Cell range clearing, trimming, colouring and merging: every clear is a
// rectangle handed to ClearRect, which empties texts and frees the cells'
// objects (never a shared graphic).

#include <algorithm>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"
#include "platform/strings.h"

namespace grid {

void TExStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    for (int r = ARow1; r <= ARow2; ++r) {
        for (int c = ACol1; c <= ACol2; ++c) {
            const int s = SaveHiddenCells ? RealColIndex(c) : c;
            if (!ClearTextOnly && CellPropertiesOrNull(s, r) != nullptr) {
                // A shared graphic is only lent to the cell and never freed with it.
                TCellGraphic* g = GetGraphicObjectEx(s, r);
                if (g != nullptr && IsSharedGraphic(g)) LendGraphicObjectEx(s, r, nullptr);
                SetCellProperties(s, r, nullptr);
            }
            if (!Destroying() && !GetGridCell(s, r).isEmpty()) {
                SetCellEx(s, r, QString());
                if (s != c) RepaintCell(s, r);
            }
        }
    }
    if (ACol1 == 0 && ARow1 == 0 && ACol2 >= ColCount() - 1 && ARow2 >= RowCount() - 1) SetHasCellProps(false);
    if (!Destroying() && !FBlockCellChange) {
        const int left = SaveHiddenCells ? RealColIndex(ACol1) : ACol1;
        const int right = SaveHiddenCells ? RealColIndex(ACol2) : ACol2;
        CellsChanged(QRect(QPoint(left, ARow1), QPoint(right, ARow2)));
    }
}

void TExStringGrid::ClearRows(int RowIndex, int RCount)
{
    if (RowCount() == 0 || ColCount() == 0 || RCount <= 0) return;
    // Every storage column, hidden ones included, whatever SaveHiddenCells says.
    const bool save = SaveHiddenCells;
    SaveHiddenCells = false;
    ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
    SaveHiddenCells = save;
}

void TExStringGrid::ClearCols(int ColIndex, int CCount)
{
    if (RowCount() == 0 || ColCount() == 0 || CCount <= 0) return;
    ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TExStringGrid::ClearNormalRows(int RowIndex, int RCount)
{
    if (RowCount() == 0 || ColCount() == 0 || RCount <= 0) return;
    const bool save = SaveHiddenCells;
    SaveHiddenCells = false;
    ClearRect(GridBase::FixedCols(), RowIndex, TotalColCount() - FFixedRightCols - 1, RowIndex + RCount - 1);
    SaveHiddenCells = save;
}

void TExStringGrid::ClearNormalCols(int ColIndex, int CCount)
{
    if (RowCount() == 0 || ColCount() == 0 || CCount <= 0) return;
    ClearRect(ColIndex, GridBase::FixedRows(), ColIndex + CCount - 1, RowCount() - FFixedFooters - 1);
}

void TExStringGrid::ClearNormalCells()
{
    if (RowCount() == 0 || ColCount() == 0) return;
    // Without fixed columns the node column is cleared too: the nodes go first.
    if (GridBase::FixedCols() == 0 && HasNodes()) RemoveAllNodes();
    const bool save = SaveHiddenCells;
    SaveHiddenCells = false;
    ClearRect(GridBase::FixedCols(), GridBase::FixedRows(), TotalColCount() - FFixedRightCols - 1,
              RowCount() - FFixedFooters - 1);
    SaveHiddenCells = save;
}

void TExStringGrid::Clear()
{
    if (RowCount() == 0 || ColCount() == 0) return;
    if (HasNodes()) RemoveAllNodes();
    const bool save = SaveHiddenCells;
    SaveHiddenCells = false;
    ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    SaveHiddenCells = save;
    if (NumHiddenColumns() > 0) RepaintGrid();
}

void TExStringGrid::ClearAll()
{
    Clear();
    for (auto item : FGridItems)
        for (auto& cell : item->Items().Cells) cell.ClearText();
}

void TExStringGrid::ClearSelection()
{
    if (FMouseActions.DisjunctRowSelect()) {
        for (int r = GridBase::FixedRows(); r < RowCount(); ++r)
            if (RowSelect(FMouseActions.RowSelectPersistent ? RealRowIndex(r) : r)) ClearRows(r, 1);
    } else if (FMouseActions.DisjunctColSelect()) {
        for (int c = GridBase::FixedCols(); c < ColCount(); ++c)
            if (ColSelect(c)) ClearCols(c, 1);
    } else {
        const platform::TGridRect sel = Selection();
        ClearRect(std::min(sel.Left, sel.Right), std::min(sel.Top, sel.Bottom), std::max(sel.Left, sel.Right),
                  std::max(sel.Top, sel.Bottom));
    }
}

void TExStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c) {
            const int s = SaveHiddenCells ? RealColIndex(c) : c;
            const QString text = GetCellEx(s, r);
            const QString trimmed = platform::trimBlanks(text);
            if (trimmed != text) SetCellEx(s, r, trimmed);
        }
}

void TExStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor)
{
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c) SetColors(c, r, AColor);
}

void TExStringGrid::MergeColumnCells(int ColIndex, bool MainMerge)
{
    int start = GridBase::FixedRows();
    int run = 1;
    auto close = [&] {
        if (run > 1) MergeCells(ColIndex, start, 1, run);
    };
    for (int r = GridBase::FixedRows() + 1; r <= RowCount() - FFixedFooters - 1; ++r) {
        bool found = false;
        if (GetCellEx(ColIndex, r) == GetCellEx(ColIndex, r - 1) && (MainMerge || RowSpanIdentical(r, r - 1, found))) {
            ++run;
            continue;
        }
        close();
        start = r;
        run = 1;
    }
    close();
}

void TExStringGrid::MergeRowCells(int RowIndex, bool MainMerge)
{
    int start = GridBase::FixedCols();
    int run = 1;
    auto close = [&] {
        if (run > 1) MergeCells(start, RowIndex, run, 1);
    };
    for (int c = GridBase::FixedCols() + 1; c <= ColCount() - FFixedRightCols - 1; ++c) {
        bool found = false;
        if (GetCellEx(c, RowIndex) == GetCellEx(c - 1, RowIndex) && (MainMerge || ColSpanIdentical(c, c - 1, found))) {
            ++run;
            continue;
        }
        close();
        start = c;
        run = 1;
    }
    close();
}

void TExStringGrid::SplitColumnCells(int ColIndex)
{
    int r = 0;
    while (r < RowCount() - FFixedFooters - 1) {
        const QPoint span = CellSpan(ColIndex, r);
        if (IsBaseCell(ColIndex, r) && span.y() > 0) {
            SplitCells(ColIndex, r);
            r += span.y() + 1;
        } else {
            ++r;
        }
    }
}

void TExStringGrid::SplitRowCells(int RowIndex)
{
    int c = 0;
    while (c < ColCount() - FFixedRightCols - 1) {
        const QPoint span = CellSpan(c, RowIndex);
        if (IsBaseCell(c, RowIndex) && IsMergedCell(c, RowIndex)) {
            SplitCells(c, RowIndex);
            c += std::max(0, span.x()) + 1;
        } else {
            ++c;
        }
    }
}

void TExStringGrid::SplitAllCells()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (IsBaseCell(c, r) && IsMergedCell(c, r)) SplitCells(c, r);
}

bool TExStringGrid::IsCell(const QString& SubStr, int& ACol, int& ARow) const
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (GetGridCell(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}

bool TExStringGrid::IsWideCell(int ACol, int ARow) const { return GetCellEx(ACol, ARow).startsWith(QStringLiteral("|\\")); }

}  // namespace grid
