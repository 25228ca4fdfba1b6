// Sorting: the comparison of two cells by sort style, the quicksort of a
// range of rows (one column with ties broken to the right, or the sort
// index list), the sorts of the normal rows and of node groups, the return
// to the unsorted order, the sort on a header click and the sort state as
// the header painting reads it.

#include <algorithm>
#include <cstdlib>
#include <optional>

#include <QElapsedTimer>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/paint/footer_panel.h"
#include "controls/grid/scoped_value.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/data/grid_sort_keys.h"
#include "controls/grid/string_grid/data/row_quick_sort.h"
#include "controls/grid/string_grid/data/sort_keys.h"
#include "controls/grid/text/grid_number_text.h"

namespace grid {

// ------------------------------------------------------------ comparison

int TExStringGrid::SortCompare(int ACol, int ARow1, int ARow2, TSortDirection Direction)
{
    namespace sv = sort_values;
    ++FCompares;
    const TSortSettings& ss = FSortSettings;
    TSortStyle style = ss.AutoFormat ? ssAutomatic : (ss.IgnoreCase ? ssAlphaNoCase : ssAlphabetic);
    QString prefix, suffix;
    GetColFormat(ACol, style, prefix, suffix);
    QString t1 = ss.SortOnVirtualCells ? GetCellEx(ACol, ARow1) : GetGridCell(ACol, ARow1);
    QString t2 = ss.SortOnVirtualCells ? GetCellEx(ACol, ARow2) : GetGridCell(ACol, ARow2);

    if (style == ssAutomatic || style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
        const TCellType kind = style == ssAutomatic ? GetCellType(ACol, ARow1) : ctEmpty;
        const bool checkBox = kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox;
        style = sv::resolveStyle(style, sv::styleFacts(t1, checkBox), sv::styleFacts(t2, false), ss.IgnoreCase);
    }

    int res = 1;
    switch (style) {
    case ssNumeric:
    case ssFinancial: {
        t1 = sv::numberTextForSort(t1, prefix, suffix, style == ssFinancial);
        t2 = sv::numberTextForSort(t2, prefix, suffix, style == ssFinancial);
        std::optional<double> v1 = sv::readSortNumber(t1);
        std::optional<double> v2 = sv::readSortNumber(t2);
        // An empty cell counts as 0.
        if (!v1 && GetCellEx(ACol, ARow1).isEmpty()) v1 = 0.0;
        if (!v2 && GetCellEx(ACol, ARow2).isEmpty()) v2 = 0.0;
        res = sv::compareNumbers(v1, v2);
        break;
    }
    case ssDate:
    case ssDateTime: res = sv::signOf(sv::dateValue(t1), sv::dateValue(t2)); break;
    case ssShortDateEU:
        res = sv::signOf(sv::shortDateValue(DMYTextToDate(t1.trimmed())), sv::shortDateValue(DMYTextToDate(t2.trimmed())));
        break;
    case ssShortDateUS:
        res = sv::signOf(sv::shortDateValue(MDYTextToDate(t1.trimmed())), sv::shortDateValue(MDYTextToDate(t2.trimmed())));
        break;
    case ssTime: res = sv::signOf(sv::timeValue(t1), sv::timeValue(t2)); break;
    case ssCustom:
        res = 0;
        if (OnCustomCompare) OnCustomCompare(this, t1, t2, res);
        break;
    case ssRaw:
        res = 0;
        if (OnRawCompare) OnRawCompare(this, ACol, ARow1, ARow2, res);
        break;
    case ssAlphaNoCase: res = sv::signOf(sv::asciiUpper(t1).compare(sv::asciiUpper(t2), Qt::CaseSensitive)); break;
    case ssAnsiAlphaCase: res = sv::signOf(QString::localeAwareCompare(t1, t2)); break;
    case ssAnsiAlphaNoCase: res = sv::signOf(QString::localeAwareCompare(t1.toUpper(), t2.toUpper())); break;
    case ssHTML: res = sv::signOf(GetStrippedCell(ACol, ARow1).compare(GetStrippedCell(ACol, ARow2))); break;
    case ssImages: {
        const intptr_t k1 = GetImageSortKey(ACol, ARow1), k2 = GetImageSortKey(ACol, ARow2);
        res = k1 > k2 ? 1 : (k1 < k2 ? -1 : 0);
        break;
    }
    case ssCheckBox: {
        const bool c1 = IsChecked(ACol, ARow1), c2 = IsChecked(ACol, ARow2);
        res = c1 == c2 ? 0 : (c1 ? 1 : -1);
        break;
    }
    default: res = sv::signOf(t1.compare(t2, Qt::CaseSensitive)); break;
    }

    // Blanks first or last in both directions (number styles: without prefix and suffix).
    if (ss.IgnoreBlanks) res = sv::placeBlanks(res, t1.isEmpty(), t2.isEmpty(), ss.BlankPos, Direction);
    return res;
}

int TExStringGrid::SortCompareLine(int ACol, int ARow1, int ARow2)
{
    const int last = TotalColCount() - 1;
    for (int c = ACol; c <= last; ++c) {
        const int res = IsIgnoredColumn(c) ? 0 : SortCompare(c, ARow1, ARow2, FSortSettings.Direction);
        if (res != 0 || !FSortSettings.Full) return res;
    }
    return 0;
}

int TExStringGrid::SortCompareIndexed(int ARow1, int ARow2)
{
    const int count = FSortSettings.Full ? FSortIndexes.Count() : std::min(1, FSortIndexes.Count());
    for (int i = 0; i < count; ++i) {
        const uint32_t entry = uint32_t(FSortIndexes[i]);
        const int col = int(entry & TSortIndexList::ColumnMask);
        const bool descending = entry & TSortIndexList::DescendingBit;
        int res = IsIgnoredColumn(col) ? 0 : SortCompare(col, ARow1, ARow2, descending ? sdDescending : sdAscending);
        if (res != 0 || !FSortSettings.Full) return descending ? -res : res;
    }
    return 0;
}

// ------------------------------------------------------------ quicksort

void TExStringGrid::QuickSortRange(int Col, int Left, int Right)
{
    if (Left >= Right) return;
    const bool indexed = Col < 0;
    const int want = indexed ? 1 : FSortDir;
    TGridSortKeys keys(*this, Left, Right, Col);
    if (keys.CanCompare()) {
        // The records are sorted by their keys; the rows then move once.
        std::vector<TSortEntry>& entries = keys.Entries();
        // The entries by position from Left: the quicksort picks the same
        // pivots counted from 0 as from Left.
        TSortEntryRows rows(keys, entries.data());
        if (keys.SettlesByNumbers()) {
            // Most comparisons are settled by the numbers of the first
            // column: the rows are classified against the pivot in blocks.
            QuickSortRowsInBlocks(0, Right - Left, want, indexed, rows);
        } else {
            auto compare = [&rows](int a, int b) { return rows.Compare(a, b); };
            auto swap = [&rows](int a, int b) { rows.Swap(a, b); };
            QuickSortRows(0, Right - Left, want, indexed, compare, swap);
        }
        std::vector<int> place(entries.size());
        for (int k = 0; k < int(entries.size()); ++k) place[size_t(entries[size_t(k)].Record())] = k;
        SortMoveRows(place, Left);
    } else {
        // Each comparison reads the rows where they are, with their own
        // texts and cell objects.
        auto compare = [&](int a, int b) { return indexed ? SortCompareIndexed(a, b) : SortCompareLine(Col, a, b); };
        auto swap = [this](int a, int b) { SortSwapRows(a, b); };
        QuickSortRows(Left, Right, want, indexed, compare, swap);
    }
}

void TExStringGrid::QuickSort(int Col, int Left, int Right)
{
    FSortDir = FSortSettings.Direction == sdDescending ? -1 : 1;
    if (Col < 0) return;
    QuickSortRange(Col, Left, Right);
}

void TExStringGrid::QuickSortIndexed(int Left, int Right)
{
    FSortDir = FSortSettings.Direction == sdDescending ? -1 : 1;
    if (FSortIndexes.Count() == 0) return;
    QuickSortRange(-1, Left, Right);
}

bool TExStringGrid::SortLine(int Col, int ARow1, int ARow2)
{
    for (int c = Col; c < TotalColCount(); ++c) {
        const int res = SortCompare(c, ARow1, ARow2, FSortSettings.Direction);
        if (res == FSortDir) {
            SortSwapRows(ARow1, ARow2);
            return true;
        }
        if (res != 0) return false;
    }
    return false;
}

void TExStringGrid::InitSortXRef()
{
    FSortRowXRef.Clear();
    for (int r = 0; r < RowCount(); ++r) FSortRowXRef.Add(r);
}

// ------------------------------------------------------------ the sorts

// What every sort holds for its duration and gives back also when it
// fails: the update lock, the top row (with KeepScrollOnSort) and, with
// NormalCellsOnly and fixed columns, column 0 kept in place.
class TExStringGrid::TSortRunScope {
public:
    explicit TSortRunScope(TExStringGrid& grid) : G(grid), FTopRow(grid.TopRow())
    {
        G.BeginUpdate();
        // The floating footer stays out of sight while the rows move.
        FFooterShown = G.FooterPanel() != nullptr && G.FooterPanel()->isVisible();
        if (FFooterShown) G.FooterPanel()->hide();
        if (G.FSortSettings.NormalCellsOnly && G.GridBase::FixedCols() > 0) {
            FKeepColumn0 = true;
            for (int r = 0; r < G.RowCount(); ++r) {
                FTexts.push_back(G.GetGridCell(0, r));
                FObjects.push_back(G.Cells().TakeProperties(0, r));
            }
        }
    }
    ~TSortRunScope()
    {
        if (FKeepColumn0) {
            const int n = std::min(int(FTexts.size()), G.RowCount());
            for (int r = 0; r < n; ++r) {
                G.SetGridCell(0, r, FTexts[size_t(r)]);
                G.Cells().SetProperties(0, r, std::move(FObjects[size_t(r)]));
            }
        }
        if (G.Navigation().KeepScrollOnSort && G.TopRow() != FTopRow) G.SetTopRow(FTopRow);
        G.EndUpdate();
        // The controls moved with their cells: placed again from the cells.
        if (G.NumCellControls() > 0) G.CellControlsUpdate(true);
        if (FFooterShown) G.FooterPanel()->show();
    }
    TSortRunScope(const TSortRunScope&) = delete;
    TSortRunScope& operator=(const TSortRunScope&) = delete;

private:
    TExStringGrid& G;
    int FTopRow;
    bool FFooterShown = false;
    bool FKeepColumn0 = false;
    std::vector<QString> FTexts;
    std::vector<std::unique_ptr<TCellProperties>> FObjects;
};

void TExStringGrid::RunSort(TSortKind kind)
{
    const bool indexed = kind == TSortKind::Indexed || kind == TSortKind::GroupIndexed;
    const bool groups = kind == TSortKind::GroupColumn || kind == TSortKind::GroupIndexed;
    if (!indexed && FSortSettings.Column < 0) return;
    if (FSortRowXRef.Count() != RowCount()) InitSortXRef();
    if (kind == TSortKind::Indexed && FSortIndexes.Count() == 0)
        throw EExGridError("No indexes specified for indexed sort");
    if (kind == TSortKind::Column) FSortIndexes.Clear();

    const int oldRow = Row();
    TScopedValue<int> sortRow(SortRow, oldRow, -1);
    // The groups are found before column 0, which holds the node marks, may be set aside.
    const std::vector<std::pair<int, int>> groupRanges = groups ? SortGroupRanges() : std::vector<std::pair<int, int>>{};
    const int swapColumn = indexed ? (FSortIndexes.Count() > 0 ? int(uint32_t(FSortIndexes[0]) & TSortIndexList::ColumnMask) : -1)
                                   : FSortSettings.Column;
    TScopedValue<int> sortSwapColumn(FSortSwapColumn, swapColumn, -1);
    {
        TSortRunScope scope(*this);
        if (groups) {
            SortGroups(indexed ? -1 : FSortSettings.Column, groupRanges);
        } else {
            const int first = GridBase::FixedRows();
            const int last = LastSortRow();
            if (indexed) QuickSortIndexed(first, last);
            else QuickSort(FSortSettings.Column, first, last);
        }
        // The current row: its record (MoveRowOnSort) or its place.
        const bool moveRow = FNavigation.MoveRowOnSort;
        if (indexed || !FMouseActions.DisjunctRowSelect()) {
            const int target = moveRow && SortRow >= 0 ? SortRow : oldRow;
            if (target != Row() && target < RowCount()) SetRow(target);
            if (moveRow) FOldRowSel = Row();
        }
        SortRow = -1;
        if (kind == TSortKind::Column && !moveRow && OnRowUpdate) OnRowUpdate(this, oldRow, Row());
    }
}

void TExStringGrid::QSort() { RunSort(TSortKind::Column); }
void TExStringGrid::QSortIndexed() { RunSort(TSortKind::Indexed); }
void TExStringGrid::QSortGroup() { RunSort(TSortKind::GroupColumn); }
void TExStringGrid::QSortGroupIndexed() { RunSort(TSortKind::GroupIndexed); }

int TExStringGrid::LastSortRow() const
{
    const bool footerRow = FFloatingFooter.Visible && FFloatingFooter.FooterStyle == fsFixedLastRow;
    // The floating footer's row is the fixed footer row when the footer made it one.
    return RowCount() - 1 - std::max(FFixedFooters, footerRow ? 1 : 0);
}

std::vector<std::pair<int, int>> TExStringGrid::SortGroupRanges() const
{
    const int first = GridBase::FixedRows();
    const int last = LastSortRow();
    int deepest = 0;
    for (int r = first; r <= last; ++r)
        if (IsNode(r)) deepest = std::max(deepest, GetNodeLevel(r));
    std::vector<std::pair<int, int>> ranges;
    for (int r = first; r <= last; ++r) {
        if (!IsNode(r) || GetNodeLevel(r) != deepest || GetNodeState(r)) continue;
        const int end = std::min(NodeSpanEnd(r), last + 1);  // the row after the group
        if (end - r >= 3) ranges.emplace_back(r + 1, end - 1);
    }
    return ranges;
}

void TExStringGrid::SortGroups(int Col, const std::vector<std::pair<int, int>>& groups)
{
    for (const auto& [from, to] : groups) {
        if (Col < 0) QuickSortIndexed(from, to);
        else QuickSort(Col, from, to);
    }
}

void TExStringGrid::QUnSort()
{
    const int n = RowCount();
    FUnSortRowXRef.assign(size_t(n), 0);
    // Only a cross-reference that describes these rows is followed back.
    std::vector<bool> seen(size_t(n), false);
    bool valid = FSortRowXRef.Count() == n;
    for (int r = 0; valid && r < n; ++r) {
        const int v = FSortRowXRef[r];
        valid = v >= 0 && v < n && !seen[size_t(v)];
        if (valid) {
            seen[size_t(v)] = true;
            FUnSortRowXRef[size_t(r)] = v;
        }
    }
    if (!valid) {
        InitSortXRef();
        return;
    }
    {
        TSortRunScope scope(*this);
        SortMoveRows(FUnSortRowXRef, 0);
    }
    InitSortXRef();
}

void TExStringGrid::Sort(int Column, TSortDirection Direction)
{
    FSortSettings.Column = Column;
    FSortSettings.Direction = Direction;
    QSort();
}

void TExStringGrid::SortByColumn(int Col)
{
    if (RowCount() <= 1) return;
    FSortSettings.Column = Col;
    QSort();
}

// ------------------------------------------------------------ header click

bool TExStringGrid::ClickSort(int ACol, int ARow, int X, int Y, platform::TShiftState Keys, bool Moved)
{
    using namespace platform;
    if (Moved || ACol < 0 || ARow < 0) return false;
    if (ACol < GridBase::FixedCols() && !FSortSettings.FixedCols) return false;
    const int storageCol = RealColIndex(ACol);
    const TRect r = CellRect(ACol, ARow);
    // A release on a column border is the end of a sizing, not a click.
    if (ARow == 0 && (Options() & goColSizing) && (std::abs(X - r.Left) < 4 || std::abs(X - r.Right) < 4)) return false;
    int clickCol = -1, clickRow = -1;
    MouseToCell(Clickposx, Clickposy, clickCol, clickRow);
    if (FControlLook.FixedDropDownButton && CanShowFixedDropDown(storageCol) && X > r.Right - 16) return false;
    if (X > r.Right - 16 && GetColumnFilter(storageCol)) return false;
    if (ARow != clickRow || ARow != FSortSettings.Row() || GridBase::FixedRows() <= 0 || !FSortSettings.Show() ||
        RowCount() <= 2 || IsInCheckBox(storageCol, ARow, X, Y))
        return false;
    bool doSort = !IsIgnoredColumn(storageCol);
    if (OnCanSort) OnCanSort(this, storageCol, doSort);
    if (!doSort) {
        RepaintCell(storageCol, FSortSettings.Row());
        return false;
    }

    HideInplaceEdit();
    if (FSortRowXRef.Count() != RowCount()) InitSortXRef();
    const bool merge = FSortSettings.AutoColumnMerge;
    if (merge) UnmergeColumns();
    QElapsedTimer timer;
    timer.start();
    const bool keepLeft = (Options() & goRowSelect) && FNavigation.KeepHorizScroll;
    const int leftCol = LeftCol();
    if (keepLeft) BeginUpdate();
    try {
        if (FSortSettings.IndexShow) {
            const bool keyDown = FSortSettings.IndexSortKey == ikCtrl ? (Keys & ssCtrl) : (Keys & ssShift);
            if (keyDown) {
                if (FSortIndexes.FindIndex(storageCol) < 0)
                    FSortIndexes.AddIndex(storageCol, FSortSettings.InitSortDirection == sdAscending);
                else
                    FSortIndexes.ToggleIndex(storageCol);
            } else if (FSortIndexes.Count() == 1 && FSortIndexes.SortColumns(0) == storageCol) {
                FSortIndexes.ToggleIndex(storageCol);
            } else {
                FSortIndexes.Clear();
                FSortIndexes.AddIndex(storageCol, FSortSettings.InitSortDirection == sdAscending);
            }
            if (HasNodes()) QSortGroupIndexed();
            else QSortIndexed();
            FSortSettings.Column = FSortIndexes.Count() > 0 ? FSortIndexes.SortColumns(0) : -1;
        } else {
            bool undo = false;
            if (FSortSettings.Column == storageCol) {
                undo = FSortSettings.Direction != FSortSettings.InitSortDirection && FSortSettings.UndoSort;
                FSortSettings.ToggleDirection();
            } else {
                FSortSettings.Direction = FSortSettings.InitSortDirection;
                FSortSettings.Column = storageCol;
            }
            if (HasNodes()) {
                QSortGroup();
            } else if (undo) {
                QUnSort();
                FSortSettings.Column = -1;
            } else {
                QSort();
            }
        }
    } catch (...) {
        if (keepLeft) {
            SetLeftCol(leftCol);
            EndUpdate();
        }
        if (merge) RemergeColumns();
        throw;
    }
    SortTime = int(timer.elapsed());
    if (keepLeft) {
        if (LeftCol() != leftCol) SetLeftCol(leftCol);
        EndUpdate();
    }
    if (merge) RemergeColumns();
    DoClickSort(FSortSettings.Column);
    RepaintGrid();
    return true;
}

// ------------------------------------------------------------ painting's view

bool TExStringGrid::SortIndicatorCell(int ACol, int ARow, int DisplayCol) const
{
    if (GridBase::FixedRows() <= 0 || !HasSortIndicator(ACol, ARow)) return false;
    if (DisplayCol < GridBase::FixedCols() && !FSortSettings.FixedCols) return false;
    return (FSortSettings.Column >= 0 && FSortSettings.Column == ACol) || FSortIndexes.FindIndex(ACol) >= 0;
}

bool TExStringGrid::SortIndicatorDrawn(int ACol) const
{
    return FSortSettings.IndexShow || FSortIndexes.FindIndex(ACol) <= 0;
}

bool TExStringGrid::SortedHeaderFace(int ACol, int ARow, int DisplayCol) const
{
    return FSortSettings.Column != -1 && FSortSettings.Column == ACol && FSortSettings.HeaderColor() != clNone &&
           ARow == GridBase::FixedRows() - 1 && (DisplayCol >= GridBase::FixedCols() || FSortSettings.FixedCols);
}

paint::TSortIndicator TExStringGrid::SortIndicatorOf(int ACol) const
{
    paint::TSortIndicator s;
    s.IndexShow = FSortSettings.IndexShow;
    s.IndexColor = FSortSettings.IndexColor;
    s.IndexPosition = FSortIndexes.FindIndex(ACol);
    if (s.IndexShow && s.IndexPosition >= 0)
        s.Descending = !FSortIndexes.SortDirections(s.IndexPosition);
    else
        s.Descending = FSortSettings.Direction == sdDescending;
    s.UpGlyph = FSortSettings.UpGlyph;
    s.DownGlyph = FSortSettings.DownGlyph;
    s.IndexUpGlyph = FSortSettings.IndexUpGlyph;
    s.IndexDownGlyph = FSortSettings.IndexDownGlyph;
    return s;
}

// ------------------------------------------------------------ settings link

int TExStringGrid::TSortOwnerLink::SortOwnerFixedRows() const { return G.GridBase::FixedRows(); }
void TExStringGrid::TSortOwnerLink::SortOwnerRepaintGrid() { G.RepaintGrid(); }
void TExStringGrid::TSortOwnerLink::SortOwnerRepaintLastFixedRow()
{
    const int fr = G.GridBase::FixedRows();
    if (fr > 0) G.RepaintRow(fr - 1);
}
QString TExStringGrid::TSortOwnerLink::SortOwnerIndexesText() const { return G.FSortIndexes.SaveToString(); }
void TExStringGrid::TSortOwnerLink::SortOwnerLoadIndexes(const QString& text) { G.FSortIndexes.LoadFromString(text); }
void TExStringGrid::TSortOwnerLink::SortOwnerClearIndexes() { G.FSortIndexes.Clear(); }
void TExStringGrid::TSortOwnerLink::SortOwnerQSort() { G.QSort(); }
void TExStringGrid::TSortOwnerLink::SortOwnerQSortIndexed() { G.QSortIndexed(); }

}  // namespace grid
