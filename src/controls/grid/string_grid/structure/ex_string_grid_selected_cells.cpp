// What is selected, in whichever selection mode is active: the rectangle
// selection of the window grid or the disjunct cell, row and column
// selections; counts, the i-th selected cell or row, and the selection as
// tab- and line-separated text.

#include <algorithm>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/text/grid_text_utils.h"
#include "controls/grid/text/rich_cell_text.h"

namespace grid {

namespace {
// A cell in the selected-cells list: row in the high 16 bits, column in the low 16.
int packCell(int col, int row) { return int((uint32_t(row) << 16) | (uint32_t(col) & 0xFFFFu)); }

bool insideSelection(const platform::TGridRect& s, int ACol, int ARow)
{
    return ACol >= std::min(s.Left, s.Right) && ACol <= std::max(s.Left, s.Right) &&
           ARow >= std::min(s.Top, s.Bottom) && ARow <= std::max(s.Top, s.Bottom);
}
}  // namespace

void TExStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

bool TExStringGrid::IsSelected(int ACol, int ARow)
{
    if (ARow < FixedRows() || ACol < FixedCols()) return false;
    if (FMouseActions.DisjunctCellSelect()) return IsCellSelectedDisjunct(ACol, ARow);
    if (FMouseActions.DisjunctRowSelect())
        return RowSelect(FMouseActions.RowSelectPersistent ? RealRowIndex(ARow) : ARow);
    if (FMouseActions.DisjunctColSelect()) return ACol < ColCount() && ColSelect(ACol);
    const platform::TGridRect s = Selection();
    return ACol >= s.Left && ACol <= s.Right && ARow >= s.Top && ARow <= s.Bottom;
}

bool TExStringGrid::GetSelectedCells(int ACol, int ARow) const
{
    if (FMouseActions.DisjunctCellSelect()) return IsCellSelectedDisjunct(ACol, ARow);
    return insideSelection(Selection(), ACol, ARow);
}

void TExStringGrid::SetSelectedCells(int ACol, int ARow, bool Value)
{
    const int packed = packCell(ACol, ARow);
    const auto at = std::find(FSelectedCells.begin(), FSelectedCells.end(), packed);
    if (Value == (at != FSelectedCells.end())) return;
    if (Value) FSelectedCells.push_back(packed);
    else FSelectedCells.erase(at);
    InvalidateCell(ACol, ARow);
}

platform::TGridCoord TExStringGrid::SelectedCell(int i) const
{
    if (i < 0 || i >= int(FSelectedCells.size())) throw EExGridError("Invalid selected cell index");
    const uint32_t v = uint32_t(FSelectedCells[size_t(i)]);
    return {int(v & 0xFFFFu), int(v >> 16)};
}

int TExStringGrid::SelectedCellsCount()
{
    if (FMouseActions.DisjunctCellSelect()) return int(FSelectedCells.size());
    FSelectedCells.clear();
    const platform::TGridRect s = Selection();
    if (s.Left == s.Right && s.Top == s.Bottom) {
        FSelectedCells.push_back(packCell(Col(), Row()));
        return 1;
    }
    // The cells of a rectangle are distinct: no look-up is needed.
    FSelectedCells.reserve(size_t(s.Right - s.Left + 1) * size_t(s.Bottom - s.Top + 1));
    for (int c = s.Left; c <= s.Right; ++c)
        for (int r = s.Top; r <= s.Bottom; ++r) FSelectedCells.push_back(packCell(c, r));
    return int(FSelectedCells.size());
}

int TExStringGrid::SelectedColCount() const
{
    if (FMouseActions.DisjunctColSelect()) return ColSelectCount();
    const platform::TGridRect s = Selection();
    const int L = s.Left, T = s.Top, R = s.Right;
    const int width = std::abs(L - R) + 1;
    if (IsMergedCell(RealColIndex(L), T)) {
        const int span = CellSpan(RealColIndex(L), T).x();
        return L + span > R ? span + 1 : width;
    }
    if (IsMergedCell(RealColIndex(R), T)) return width + CellSpan(RealColIndex(R), T).x();
    return width;
}

int TExStringGrid::SelectedRowCount() const
{
    if (FMouseActions.DisjunctRowSelect()) return int(FSelectedRows.size());
    const platform::TGridRect s = Selection();
    const int L = s.Left, T = s.Top;
    int B = s.Bottom;
    if (B >= RowCount() - FixedFooters()) B = RowCount() - FixedFooters() - 1;
    const int height = std::abs(T - B) + 1;
    if (IsMergedCell(RealColIndex(L), T)) {
        const int span = CellSpan(RealColIndex(L), T).y();
        return T + span > B ? span + 1 : height;
    }
    if (IsMergedCell(RealColIndex(L), B)) return height + CellSpan(RealColIndex(L), B).y();
    return height;
}

int TExStringGrid::GetSelectedRow(int i) const
{
    if (FMouseActions.DisjunctRowSelect()) return i >= 0 && i < int(FSelectedRows.size()) ? FSelectedRows[size_t(i)] : -1;
    const platform::TGridRect s = Selection();
    const int top = std::min(s.Top, s.Bottom), bottom = std::max(s.Top, s.Bottom);
    return i >= 0 && top + i <= bottom ? top + i : -1;
}

void TExStringGrid::ClearSelectedCells()
{
    SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    FSelectedCells.clear();
    RepaintGrid();
}

QString TExStringGrid::SelectedText()
{
    const platform::TGridRect s = Selection();
    int left = s.Left, right = s.Right;
    if ((Options() & platform::goRowSelect) && OleEntireRows) {
        left = 0;
        right = ColCount() - 1;
    }
    std::vector<int> rows;
    if (FMouseActions.DisjunctRowSelect()) {
        for (int r = GridBase::FixedRows(); r < RowCount(); ++r)
            if (RowSelect(FMouseActions.RowSelectPersistent ? RealRowIndex(r) : r)) rows.push_back(r);
    } else {
        for (int r = s.Top; r <= s.Bottom; ++r) rows.push_back(r);
    }
    std::vector<int> columns;
    for (int c = left; c <= right; ++c) columns.push_back(RealColIndex(c));
    QString text;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) text += QStringLiteral("\r\n");
        for (size_t j = 0; j < columns.size(); ++j) {
            if (j > 0) text += QLatin1Char('\t');
            QString cell = GetCellEx(columns[j], rows[i]);
            if (HoldsRichText(cell)) cell = RichCellPlainText(cell);
            if (ExcelClipboardFormat && TextLineCount(cell, MultilineCells) > 1) CSVQuoteLines(cell);
            text += cell;
        }
    }
    return text;
}

void TExStringGrid::ClearModifiedRows()
{
    FModifiedRows.clear();
    RepaintGrid();
}

}  // namespace grid
