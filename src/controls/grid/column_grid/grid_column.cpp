// Column descriptions and their collection.

#include "controls/grid/column_grid/grid_column.h"

#include <algorithm>

#include "controls/grid/column_grid/ex_column_grid.h"

namespace grid {

// ------------------------------------------------------------ item

TGridColumnItem::TGridColumnItem(TGridColumnCollection* Collection) : FCollection(Collection)
{
    if (TExColumnGrid* grid = Grid()) {
        FFont = grid->Font();
        FHeaderFont = grid->Font();
        PrintFont = grid->Font();
        FColor = grid->Color();
    }
}

TExColumnGrid* TGridColumnItem::Grid() const { return FCollection != nullptr ? FCollection->Owner() : nullptr; }

int TGridColumnItem::Index() const { return FCollection != nullptr ? FCollection->IndexOf(this) : -1; }

void TGridColumnItem::Changed()
{
    if (FCollection != nullptr) FCollection->CollectionChanged(this);
}

void TGridColumnItem::RepaintGrid()
{
    if (TExColumnGrid* grid = Grid()) grid->RepaintGrid();
}

void TGridColumnItem::CopyFields(const TGridColumnItem& s, bool visualsOnly)
{
    FAlignment = s.FAlignment;
    FHeaderAlignment = s.FHeaderAlignment;
    FBorderPen = s.FBorderPen;
    FBorders = s.FBorders;
    CheckFalse = s.CheckFalse;
    CheckTrue = s.CheckTrue;
    EditLength = s.EditLength;
    EditLink = s.EditLink;
    EditMask = s.EditMask;
    FEditorType = s.FEditorType;
    FFixed = s.FFixed;
    FPassword = s.FPassword;
    PrintBorderPen = s.PrintBorderPen;
    PrintBorders = s.PrintBorders;
    PrintColor = s.PrintColor;
    PrintFont = s.PrintFont;
    ReadOnly = s.ReadOnly;
    SortPrefix = s.SortPrefix;
    SortStyle = s.SortStyle;
    SortSuffix = s.SortSuffix;
    SpinMax = s.SpinMax;
    SpinMin = s.SpinMin;
    SpinStep = s.SpinStep;
    ColumnPopup = s.ColumnPopup;
    FShowBands = s.FShowBands;
    MinSize = s.MinSize;
    MaxSize = s.MaxSize;
    AutoMinSize = s.AutoMinSize;
    AutoMaxSize = s.AutoMaxSize;
    Filter = s.Filter;
    FilterCaseSensitive = s.FilterCaseSensitive;
    DefIdx = s.DefIdx;
    FFloatFormat = s.FFloatFormat;
    FWidth = s.Width();
    if (visualsOnly) {
        if (TExColumnGrid* grid = Grid()) {
            FColor = grid->Color();
            FFont = grid->Font();
        }
        return;
    }
    FColor = s.FColor;
    FFont = s.FFont;
    FColumnHeader = s.FColumnHeader;
    Name = s.Name;
    ComboItems = s.ComboItems;
    DropDownCount = s.DropDownCount;
    FHeaderFont = s.FHeaderFont;
    Tag = s.Tag;
}

void TGridColumnItem::Assign(const TGridColumnItem& Source)
{
    if (&Source != this) CopyFields(Source, false);
}

void TGridColumnItem::AssignVisuals(const TGridColumnItem& Source)
{
    if (&Source != this) CopyFields(Source, true);
}

QString TGridColumnItem::ColumnDisplayName() const
{
    const QString index = QString::number(Index());
    return Name.isEmpty() ? QStringLiteral("Column ") + index : QStringLiteral("Col ") + index + QStringLiteral(": ") + Name;
}

int TGridColumnItem::Width() const
{
    const TExColumnGrid* grid = Grid();
    const int index = Index();
    return grid != nullptr && index >= 0 ? grid->AllColWidths(index) : (FCollection == nullptr ? FWidth : 0);
}

void TGridColumnItem::SetWidth(int value)
{
    FWidth = value;
    if (TExColumnGrid* grid = Grid(); grid != nullptr && Index() >= 0) grid->SetAllColWidths(Index(), value);
}

void TGridColumnItem::SetAlignment(TAlignment value)
{
    FAlignment = value;
    RepaintGrid();
}

void TGridColumnItem::SetHeader(const QString& value)
{
    FColumnHeader = value;
    TExColumnGrid* grid = Grid();
    if (grid == nullptr) return;
    if (grid->FixedRows() > 0 && !grid->ColMoving()) {
        grid->SetCellEx(Index(), 0, value);
        Changed();
    }
    grid->RebuildColumnHeaders();
}

void TGridColumnItem::SetFont(const TCellFont& value)
{
    FFont = value;
    Changed();
}

void TGridColumnItem::SetColor(TColor value)
{
    FColor = value;
    Changed();
}

void TGridColumnItem::SetEditor(TEditorType value)
{
    if (value == FEditorType) return;
    const bool repaint = value == edDataCheckBox || FEditorType == edDataCheckBox;
    FEditorType = value;
    if (repaint) RepaintGrid();
}

void TGridColumnItem::SetFixed(bool value)
{
    FFixed = value;
    Changed();
}

void TGridColumnItem::SetPassword(bool value)
{
    FPassword = value;
    Changed();
}

void TGridColumnItem::SetBorderPen(const TGridPen& value)
{
    FBorderPen = value;
    Changed();
}

void TGridColumnItem::SetBorders(TCellBorders value)
{
    FBorders = value;
    Changed();
}

void TGridColumnItem::SetShowBands(bool value)
{
    FShowBands = value;
    Changed();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment value)
{
    FHeaderAlignment = value;
    RepaintGrid();
}

void TGridColumnItem::SetHeaderFont(const TCellFont& value)
{
    FHeaderFont = value;
    RepaintGrid();
}

void TGridColumnItem::SetFloatFormat(const QString& value)
{
    FFloatFormat = value;
    RepaintGrid();
}

QString TGridColumnItem::Rows(int ARow) const
{
    const TExColumnGrid* grid = Grid();
    return grid != nullptr ? grid->GetCellEx(Index(), ARow) : QString();
}

void TGridColumnItem::SetRows(int ARow, const QString& value)
{
    if (TExColumnGrid* grid = Grid()) grid->SetCellEx(Index(), ARow, value);
}

int TGridColumnItem::Ints(int ARow) const
{
    const TExColumnGrid* grid = Grid();
    return grid != nullptr ? grid->Ints(Index(), ARow) : 0;
}

void TGridColumnItem::SetInts(int ARow, int value)
{
    if (TExColumnGrid* grid = Grid()) grid->SetInts(Index(), ARow, value);
}

double TGridColumnItem::Floats(int ARow) const
{
    const TExColumnGrid* grid = Grid();
    return grid != nullptr ? grid->Floats(Index(), ARow) : 0.0;
}

void TGridColumnItem::SetFloats(int ARow, double value)
{
    if (TExColumnGrid* grid = Grid()) grid->SetFloats(Index(), ARow, value);
}

// ------------------------------------------------------------ collection

TGridColumnItem* TGridColumnCollection::Items(int Index) const
{
    return Index >= 0 && Index < Count() ? FItems[size_t(Index)].get() : nullptr;
}

void TGridColumnCollection::SetItem(int Index, const TGridColumnItem& value)
{
    if (TGridColumnItem* item = Items(Index)) item->Assign(value);
}

int TGridColumnCollection::IndexOf(const TGridColumnItem* item) const
{
    for (int i = 0; i < Count(); ++i)
        if (FItems[size_t(i)].get() == item) return i;
    return -1;
}

TGridColumnItem* TGridColumnCollection::Add()
{
    FItems.push_back(CreateItem());
    TGridColumnItem* item = FItems.back().get();
    if (Count() > 1) item->AssignVisuals(*FItems[FItems.size() - 2]);
    CollectionChanged(nullptr);
    return item;
}

TGridColumnItem* TGridColumnCollection::Insert(int Index)
{
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, CreateItem());
    TGridColumnItem* item = FItems[size_t(Index)].get();
    CollectionChanged(nullptr);
    return item;
}

void TGridColumnCollection::Delete(int Index)
{
    if (Index < 0 || Index >= Count()) return;
    FItems.erase(FItems.begin() + Index);
    CollectionChanged(nullptr);
}

void TGridColumnCollection::Clear()
{
    FItems.clear();
    CollectionChanged(nullptr);
}

void TGridColumnCollection::Assign(const TGridColumnCollection& Source)
{
    if (&Source == this) return;
    BeginUpdate();
    FItems.clear();
    for (const auto& source : Source.FItems) {
        FItems.push_back(CreateItem());
        FItems.back()->Assign(*source);
    }
    EndUpdate();
}

void TGridColumnCollection::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0) CollectionChanged(nullptr);
}

void TGridColumnCollection::SetOrganization()
{
    const bool saved = FNoRecursiveUpdate;
    FNoRecursiveUpdate = true;
    if (FOwner != nullptr) FOwner->SyncColumnCount();
    FNoRecursiveUpdate = saved;
    for (int i = 0; i < Count(); ++i) FItems[size_t(i)]->DefIdx = i;
}

bool TGridColumnCollection::ResetOrganization()
{
    // Only a permutation of the positions can be restored; anything else
    // would never settle.
    std::vector<bool> seen(size_t(Count()), false);
    for (const auto& item : FItems) {
        if (item->DefIdx < 0 || item->DefIdx >= Count() || seen[size_t(item->DefIdx)]) return false;
        seen[size_t(item->DefIdx)] = true;
    }
    if (FOwner == nullptr) return true;
    bool moved = true;
    while (moved) {
        moved = false;
        for (int i = 0; i < Count(); ++i) {
            const int target = FItems[size_t(i)]->DefIdx;
            if (target < i) {
                FOwner->MoveStorageColumn(i, target);
                moved = true;
            }
        }
    }
    return true;
}

void TGridColumnCollection::CollectionChanged(TGridColumnItem* /*Item*/)
{
    if (FUpdateCount > 0 || FNoRecursiveUpdate || FOwner == nullptr || FOwner->IsLoading()) return;
    const int n = Count() - FOwner->NumHiddenColumns();
    if (n != FOwner->ColCount() && n > FOwner->FixedCols()) FOwner->SetColCount(n);
    FOwner->SyncColumnHeaders();
    FOwner->RepaintGrid();
}

}  // namespace grid
