#include "controls/grid/settings/grid_settings.h"

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

// ------------------------------------------------------------ navigation

void TNavigation::Changed()
{
    if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceInsert(bool value)
{
    if (value == FAdvanceInsert) return;
    FAdvanceInsert = value;
    Changed();
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection value)
{
    if (value == FAdvanceDirection) return;
    FAdvanceDirection = value;
    Changed();
}

void TNavigation::SetAdvanceAuto(bool value)
{
    if (value == FAdvanceAuto) return;
    FAdvanceAuto = value;
    if (value) AdvanceOnEnter = true;
}

void TNavigation::Assign(const TNavigation& s)
{
    if (&s == this) return;
    // Everything but KeepScrollOnSort and the event.
    const bool keepScroll = KeepScrollOnSort;
    TNotifyEvent onChange = std::move(OnChange);
    *this = s;
    KeepScrollOnSort = keepScroll;
    OnChange = std::move(onChange);
}

// ----------------------------------------------------------- mouse actions

bool TMouseActions::IsDesigning()
{
    bool designing = false;
    if (OnIsDesigning) OnIsDesigning(this, designing);
    return designing;
}

void TMouseActions::SetDisjunctRowSelect(bool value)
{
    FDisjunctRowSelect = value;
    if (value && IsDesigning()) {
        FDisjunctColSelect = false;
        FDisjunctCellSelect = false;
    }
}

void TMouseActions::SetDisjunctColSelect(bool value)
{
    FDisjunctColSelect = value;
    if (value && IsDesigning()) {
        FDisjunctRowSelect = false;
        FDisjunctCellSelect = false;
    }
}

void TMouseActions::SetDisjunctCellSelect(bool value)
{
    FDisjunctCellSelect = value;
    if (value && IsDesigning()) {
        FDisjunctRowSelect = false;
        FDisjunctColSelect = false;
    }
}

void TMouseActions::SetEditOnDblClickOnly(bool value)
{
    FEditOnDblClickOnly = value;
    if (value && OnDisableEdit) OnDisableEdit(this);
}

void TMouseActions::SetHotmailRowSelect(bool value)
{
    FHotmailRowSelect = value;
    if (value) {
        FDisjunctRowSelect = true;
        CheckAllCheck = true;
    }
    if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetWheelAction(TWheelAction value)
{
    if (value == FWheelAction) return;
    FWheelAction = value;
    if (OnChange) OnChange(this);
}

void TMouseActions::Assign(const TMouseActions& s)
{
    if (&s == this) return;
    AllColumnSize = s.AllColumnSize;
    AllRowSize = s.AllRowSize;
    AllSelect = s.AllSelect;
    AutoSizeColOnDblClick = s.AutoSizeColOnDblClick;
    CaretPositioning = s.CaretPositioning;
    CheckAllCheck = s.CheckAllCheck;
    ColSelect = s.ColSelect;
    DirectComboClose = s.DirectComboClose;
    DirectComboDrop = s.DirectComboDrop;
    DirectDateClose = s.DirectDateClose;
    DirectDateDrop = s.DirectDateDrop;
    DirectEdit = s.DirectEdit;
    FDisjunctRowSelect = s.FDisjunctRowSelect;
    FDisjunctColSelect = s.FDisjunctColSelect;
    FDisjunctCellSelect = s.FDisjunctCellSelect;
    FixedRowsEdit = s.FixedRowsEdit;
    FixedColsEdit = s.FixedColsEdit;
    FixedColsEditor = s.FixedColsEditor;
    FixedRowsEditor = s.FixedRowsEditor;
    MoveRowOnNodeClick = s.MoveRowOnNodeClick;
    NoAutoRangeScroll = s.NoAutoRangeScroll;
    NodeAllExpandContract = s.NodeAllExpandContract;
    NoScrollOnPartialRow = s.NoScrollOnPartialRow;
    PreciseCheckBoxCheck = s.PreciseCheckBoxCheck;
    PreciseNodeClick = s.PreciseNodeClick;
    RangeSelectAndEdit = s.RangeSelectAndEdit;
    RowSelect = s.RowSelect;
    RowSelectPersistent = s.RowSelectPersistent;
    SelectOnRightClick = s.SelectOnRightClick;
    SizeFixedCol = s.SizeFixedCol;
    WheelIncrement = s.WheelIncrement;
    FWheelAction = s.FWheelAction;
    DisjunctRowSelectNoCtrl = s.DisjunctRowSelectNoCtrl;
}

// ----------------------------------------------------------- search footer

TSearchFooter::TSearchFooter(bool initDesign)
{
    if (!initDesign) return;
    FFindPrevCaption = QStringLiteral("Find &previous");
    FFindNextCaption = QStringLiteral("Find &next");
    FMatchCaseCaption = QStringLiteral("Match case");
    FHighLightCaption = QStringLiteral("Highlight");
    FHintClose = QStringLiteral("Close");
    FHintFindNext = QStringLiteral("Find next occurrence");
    FHintFindPrev = QStringLiteral("Find previous occurrence");
    FHintHighlight = QStringLiteral("Highlight occurrences");
}

void TSearchFooter::Changed()
{
    if (OnChange) OnChange(this);
}

void TSearchFooter::SetIfChanged(bool& field, bool value)
{
    if (field == value) return;
    field = value;
    Changed();
}

void TSearchFooter::Assign(const TSearchFooter& s)
{
    if (&s == this) return;
    AlwaysHighLight = s.AlwaysHighLight;
    FColor = s.FColor;
    FColorTo = s.FColorTo;
    FFindNextCaption = s.FFindNextCaption;
    FFindPrevCaption = s.FFindPrevCaption;
    FHighLightCaption = s.FHighLightCaption;
    FMatchCaseCaption = s.FMatchCaseCaption;
    FHintClose = s.FHintClose;
    FHintFindNext = s.FHintFindNext;
    FHintFindPrev = s.FHintFindPrev;
    FHintHighlight = s.FHintHighlight;
    FShowClose = s.FShowClose;
    FShowFindNext = s.FShowFindNext;
    FShowFindPrev = s.FShowFindPrev;
    FShowHighLight = s.FShowHighLight;
    FShowMatchCase = s.FShowMatchCase;
    SearchActiveColumnOnly = s.SearchActiveColumnOnly;
    SearchMatchStart = s.SearchMatchStart;
    SearchColumn = s.SearchColumn;
    SearchDirection = s.SearchDirection;
    SearchHiddenRows = s.SearchHiddenRows;
    FVisible = s.FVisible;
    FFont = s.FFont;
}

// ------------------------------------------------------------- sync grid

void TSyncGrid::SetGrid(TExStringGrid* value)
{
    if (value != nullptr && value == Owner) return;
    FGrid = value;
}

void TSyncGrid::Assign(const TSyncGrid& s)
{
    if (&s == this) return;
    SetGrid(s.FGrid);
    ScrollVertical = s.ScrollVertical;
    ScrollHorizontal = s.ScrollHorizontal;
    SelectionColumn = s.SelectionColumn;
    SelectionRow = s.SelectionRow;
    MoveColumn = s.MoveColumn;
    MoveRow = s.MoveRow;
}

// ----------------------------------------------------------------- bands

void TBands::ChangedWhenActive()
{
    if (FActive && OnChange) OnChange(this);
}

void TBands::SetActive(bool value)
{
    if (value == FActive) return;
    FActive = value;
    if (OnChange) OnChange(this);
}

void TBands::SetPrimaryColor(TColor value)
{
    if (value == FPrimaryColor) return;
    FPrimaryColor = value;
    ChangedWhenActive();
}

void TBands::SetPrimaryLength(int value)
{
    if (value == FPrimaryLength) return;
    FPrimaryLength = value;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    ChangedWhenActive();
}

void TBands::SetSecondaryColor(TColor value)
{
    if (value == FSecondaryColor) return;
    FSecondaryColor = value;
    ChangedWhenActive();
}

void TBands::SetSecondaryLength(int value)
{
    if (value == FSecondaryLength) return;
    FSecondaryLength = value;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    ChangedWhenActive();
}

TColor TBands::RowColor(int row, int fixedRows) const
{
    if (FTotalLength <= 0) return clNone;
    int pos = (row - fixedRows) % FTotalLength;
    if (pos < 0) pos += FTotalLength;
    return pos < FPrimaryLength ? FPrimaryColor : FSecondaryColor;
}

void TBands::Assign(const TBands& s)
{
    if (&s == this) return;
    FActive = s.FActive;
    FPrimaryColor = s.FPrimaryColor;
    FPrimaryLength = s.FPrimaryLength;
    FSecondaryColor = s.FSecondaryColor;
    FSecondaryLength = s.FSecondaryLength;
    Print = s.Print;
    FTotalLength = FPrimaryLength + FSecondaryLength;
}

// -------------------------------------------------------- balloon settings

void TBalloonSettings::SetEnable(bool value)
{
    FEnable = value;
    if (OnEnableChange) OnEnableChange(this);
}

void TBalloonSettings::Assign(const TBalloonSettings& s)
{
    if (&s == this) return;
    TextColor = s.TextColor;
    BackgroundColor = s.BackgroundColor;
    InitialDelay = s.InitialDelay;
    AutoHideDelay = s.AutoHideDelay;
    ReshowDelay = s.ReshowDelay;
    FEnable = s.FEnable;
}

// ---------------------------------------------------------- show modified

void TShowModified::SetColor(TColor value)
{
    FColor = value;
    if (OnChange) OnChange(this);
}

void TShowModified::Assign(const TShowModified& s)
{
    if (&s == this) return;
    FColor = s.FColor;
    Enabled = s.Enabled;
}

// ---------------------------------------------------- progress appearance

void TGridProgressAppearance::Assign(const TGridProgressAppearance& s)
{
    if (&s != this) {
        TNotifyEvent onChange = std::move(OnChange);
        *this = s;
        OnChange = std::move(onChange);
    }
    if (OnChange) OnChange(this);
}

// --------------------------------------------------------------- cell node

template <typename T> void TCellNode::SetAndRepaint(T& field, T value)
{
    if (field == value) return;
    field = value;
    if (FOwner != nullptr) FOwner->RepaintGrid();
}

void TCellNode::SetNodeType(TNodeType value) { SetAndRepaint(FNodeType, value); }
void TCellNode::SetNodeIndent(int value) { SetAndRepaint(FNodeIndent, value); }
void TCellNode::SetShowTree(bool value) { SetAndRepaint(FShowTree, value); }
void TCellNode::SetShowTreeFull(bool value) { SetAndRepaint(FShowTreeFull, value); }
void TCellNode::SetTreeColor(TColor value) { SetAndRepaint(FTreeColor, value); }

void TCellNode::Assign(const TCellNode& s)
{
    if (&s == this) return;
    Color = s.Color;
    ExpandOne = s.ExpandOne;
    FNodeType = s.FNodeType;
    NodeColor = s.NodeColor;
    FNodeIndent = s.FNodeIndent;
    ExpandGlyph = s.ExpandGlyph;
    ContractGlyph = s.ContractGlyph;
    FShowTree = s.FShowTree;
    FShowTreeFull = s.FShowTreeFull;
    FTreeColor = s.FTreeColor;
}

// ------------------------------------------------------------- column size

void TColumnSize::SetStretch(bool value)
{
    FStretch = value;
    if (Owner != nullptr && Owner->HasParent()) Owner->FitStretchColumn();
}

void TColumnSize::Assign(const TColumnSize& s)
{
    if (&s == this) return;
    Rows = s.Rows;
    Save = s.Save;
    Key = s.Key;
    Section = s.Section;
    FStretch = s.FStretch;
    StretchColumn = s.StretchColumn;
    SynchWithGrid = s.SynchWithGrid;
    SynchNormalCellsOnly = s.SynchNormalCellsOnly;
    Location = s.Location;
}

}  // namespace grid
