// Column and row headers kept in the fixed cells, the lookup list, the combo
// editor's item list and the merged columns.

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid {

void TExStringGrid::SetColumnHeaders(const QStringList& value)
{
    FColumnHeaders = value;
    // The list's change: the hook, then the headers written.
    ColumnHeadersChanged();
    if (GridBase::FixedRows() > 0) ClearColumnHeaders();
    ShowColumnHeaders();
}

void TExStringGrid::ClearColumnHeaders()
{
    for (int i = 0; i < ColCount(); ++i) SetCellEx(i, 0, QString());
}

void TExStringGrid::ShowColumnHeaders()
{
    if (GridBase::FixedRows() <= 0) return;
    for (int i = 0; i < FColumnHeaders.size() && i < TotalColCount(); ++i)
        SetCellEx(i, 0, BackslashNToCR(FColumnHeaders[i]));
}

void TExStringGrid::SetRowHeaders(const QStringList& value)
{
    FRowHeaders = value;
    if (IsDesigning() && GridBase::FixedCols() > 0) ClearRowHeaders();
    ShowRowHeaders();
}

void TExStringGrid::ClearRowHeaders()
{
    for (int i = 0; i < RowCount(); ++i) SetCellEx(0, i, QString());
}

void TExStringGrid::ShowRowHeaders()
{
    if (GridBase::FixedCols() <= 0) return;
    for (int i = 0; i < FRowHeaders.size() && i < RowCount(); ++i) SetCellEx(0, i, BackslashNToCR(FRowHeaders[i]));
}

void TExStringGrid::SetLookupItems(const QStringList* value)
{
    if (value != nullptr) FLookupItems = *value;
}

// ------------------------------------------------------------ combo item list

void TExStringGrid::ClearComboString()
{
    FComboItems.clear();
    FComboObjects.clear();
}

void TExStringGrid::AddComboString(const QString& s) { AddComboStringObject(s, nullptr); }

void TExStringGrid::AddComboStringObject(const QString& s, QObject* AObject)
{
    FComboItems.append(s);
    FComboObjects.push_back(AObject);
}

QObject* TExStringGrid::ComboObject(int index) const
{
    return index >= 0 && index < int(FComboObjects.size()) ? FComboObjects[size_t(index)] : nullptr;
}

bool TExStringGrid::RemoveComboString(const QString& s)
{
    const int index = int(FComboItems.indexOf(s));
    if (index < 0) return false;
    FComboItems.removeAt(index);
    FComboObjects.erase(FComboObjects.begin() + index);
    return true;
}

bool TExStringGrid::SetComboSelectionString(const QString& s)
{
    const int index = int(FComboItems.indexOf(s));
    if (index < 0) return false;
    FComboIdx = index;
    return true;
}

int TExStringGrid::ComboIndex(int ACol, int ARow)
{
    GetEditorProp(ACol, ARow, nullptr);
    return int(FComboItems.indexOf(GetCellEx(ACol, ARow)));
}

void TExStringGrid::SetComboIndex(int ACol, int ARow, int Value)
{
    GetEditorProp(ACol, ARow, nullptr);
    if (Value < 0 || Value >= FComboItems.size())
        throw EExGridError(("List index out of bounds (" + QString::number(Value) + ")").toStdString());
    SetCellEx(ACol, ARow, FComboItems[Value]);
}

// ------------------------------------------------------------ merged columns

void TExStringGrid::UnmergeColumns()
{
    // Every vertical run of merged cells of the columns is split.
    for (int c = 0; c < ColCount(); ++c) {
        const int sc = RealColIndex(c);
        for (int r = 0; r < RowCount(); ++r)
            if (IsMergedCell(sc, r) && IsBaseCell(sc, r) && CellSpan(sc, r).x() == 0) SplitCells(sc, r);
    }
}

void TExStringGrid::RemergeColumns()
{
    // Runs of equal neighbouring texts in each listed column become one block.
    for (int i = 0; i < FMergedColumns.Count(); ++i) {
        const int c = FMergedColumns[i];
        if (c < 0 || c >= TotalColCount()) continue;
        int r = GridBase::FixedRows();
        while (r < RowCount() - FFixedFooters) {
            int end = r;
            const QString text = GetCellEx(c, r);
            while (end + 1 < RowCount() - FFixedFooters && GetCellEx(c, end + 1) == text) ++end;
            if (end > r && !text.isEmpty()) MergeCells(c, r, 1, end - r + 1);
            r = end + 1;
        }
    }
}

}  // namespace grid
