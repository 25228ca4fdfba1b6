#include "controls/dropdown/grid_dropdown/ex_custom_grid_dropdown.h"

#include "controls/dropdown/base/dropdown_form.h"
#include "controls/grid/scoped_value.h"
#include "controls/grid/string_grid/html/grid_html.h"

namespace dropdown {

using platform::TShiftState;
using platform::Word;

// BlockActivate of the pop-up on for as long as a handler that may open a
// dialog runs.
class TCustomExGridDropDown::TBlockActivateScope {
public:
    explicit TBlockActivateScope(TCustomExGridDropDown& owner) : FForm(owner.DropDownForm())
    {
        if (FForm) FForm->BlockActivate = true;
    }
    ~TBlockActivateScope()
    {
        if (FForm) FForm->BlockActivate = false;
    }
    TBlockActivateScope(const TBlockActivateScope&) = delete;
    TBlockActivateScope& operator=(const TBlockActivateScope&) = delete;

private:
    QPointer<TDropDownForm> FForm;
};

TCustomExGridDropDown::TCustomExGridDropDown(QWidget* parent)
    : TExListDropDown(parent), FSearchFooter(std::make_unique<grid::TSearchFooter>(false))
{
    FNavigation.HomeEndKey = grid::heFirstLastRow;
    FConstructed = true;
    CreateDropDownForm();
    InitListDefaults();
}

TCustomExGridDropDown::~TCustomExGridDropDown() = default;

void TCustomExGridDropDown::Loaded()
{
    TExListDropDown::Loaded();
    UpdateLookupList();
    if (FGrid) FGrid->LoadItems();
}

void TCustomExGridDropDown::SetStyle(TDropDownStyle value)
{
    FStyle = value;
    SetEditorEnabled(value == dsDropDown);
}

void TCustomExGridDropDown::SetGridImages(TImageList* value)
{
    FGridImages = value;
    if (FGrid) FGrid->SetGridImages(value);
}

bool TCustomExGridDropDown::TakesListStyle(TQVRStyle style) const
{
    return style != tsCustom && style != tsOffice2010Blue && style != tsOffice2010Silver && style != tsOffice2010Black;
}

bool TCustomExGridDropDown::GridEditing() const
{
    return FGrid && (FGrid->Options() & platform::goEditing) && FGrid->EditMode;
}

// ----- rows and items

int TCustomExGridDropDown::ItemOfRow(int ARow) const
{
    if (FGrid && ARow < FGrid->RowCount()) return FGrid->RowItem(ARow);
    return ARow;
}

int TCustomExGridDropDown::RowOfItem(int i) const
{
    if (!FGrid || i < 0) return FItemIndex;
    for (int r = FGrid->FixedRows(); r < FGrid->RowCount(); ++r)
        if (FGrid->RowItem(r) == i) return r;
    return FItemIndex;
}

int TCustomExGridDropDown::ItemCount() const
{
    if (FUseItems) return Items().Count();
    return FGrid ? FGrid->RowCount() - FGrid->FixedRows() : 0;
}

void TCustomExGridDropDown::SetItemIndex(int value)
{
    if (FUseItems) {
        SetItemIndexFromItems(value);
        return;
    }
    if (!FGrid) {
        FItemIndex = value;
        return;
    }
    if (value == FItemIndex || value >= FGrid->RowCount()) return;
    FItemIndex = value;
    // A row beyond the grid (the last value the rule lets through) shows
    // nothing rather than reading outside the cells.
    const bool inside = value >= 0 && value + 1 < FGrid->RowCount() && LookupColumn() >= 0;
    WriteText(inside ? FGrid->GetCellEx(LookupColumn(), value + 1) : QString());
}

// ----- lookups

bool TCustomExGridDropDown::FindLookup(const QString& text, QString& found, int& index) const
{
    found.clear();
    index = -1;
    QStringList candidates;
    int first = 0;
    if (FUseItems) {
        candidates.reserve(Items().Count());
        for (int i = 0; i < Items().Count(); ++i) candidates.append(Items()[i].TextOf(LookupColumn()));
    } else {
        if (!FGrid || LookupColumn() < 0) return false;
        first = FGrid->FixedRows();
        candidates.reserve(FGrid->RowCount());
        for (int r = first; r < FGrid->RowCount(); ++r) candidates.append(FGrid->GetCellEx(LookupColumn(), r));
    }
    const int at = listlookup::FindPrefix(candidates, text, CaseSensitive());
    if (at < 0) return false;
    found = candidates[at];
    index = at + first;
    return true;
}

int TCustomExGridDropDown::LookupKey(QChar ch)
{
    if (FLookupMethod == lmNone) return -1;
    if (!ExtendLookupEntry(ch)) return -1;
    const QString entry = FLookupEntry.trimmed();
    if (FLookupMethod == lmNarrowDown) {
        if (!FGrid) return -1;
        if (entry.isEmpty()) {
            FGrid->RemoveAllFilters();
        } else {
            FGrid->SetFixedRowAlways(true);
            FGrid->NarrowDown(entry, LookupColumn());
        }
        if (FStyle == dsDropDown && FGrid->FixedRows() < FGrid->RowCount()) {
            WriteText(FGrid->GetCellEx(LookupColumn(), FGrid->FixedRows()));
            SelectTail(int(FLookupEntry.size()));
        }
        return FGrid->FixedRows();
    }
    const int rows = FGrid ? FGrid->FixedRows() : 1;
    QString found;
    int index = -1;
    if (FindLookup(entry, found, index)) {
        FItemIndex = FUseItems ? index : index - rows;
        WriteText(found);
        if (FStyle == dsDropDown) SelectTail(int(FLookupEntry.size()));
        return index;
    }
    if (FStyle == dsDropDown) return -1;
    if (FindLookup(QString(ch), found, index)) {
        FItemIndex = FUseItems ? index : index - rows;
        WriteText(found);
        FLookupEntry = QString(ch);
        return index;
    }
    FLookupEntry.clear();
    return -1;
}

// ----- keys in the edit

void TCustomExGridDropDown::HandleKeyDown(Word& key, TShiftState shift)
{
    using namespace platform;
    if (GridEditing() && key == VK_RETURN && !(shift & ssShift)) {
        FGrid->HideInplaceEdit();
        WriteText(FGrid->GetCellEx(LookupColumn(), FGrid->Row()));
        SetItemIndex(FGrid->Row() - FGrid->FixedRows());
        key = 0;
        return;
    }
    if (key == VK_ESCAPE || (key >= VK_PRIOR && key <= VK_DOWN)) FLookupEntry.clear();
    TExListDropDown::HandleKeyDown(key, shift);
}

void TCustomExGridDropDown::HandleKeyUp(Word& key, TShiftState shift)
{
    const Word pressed = key;
    TExListDropDown::HandleKeyUp(key, shift);
    if (!GridEditing() || pressed != platform::VK_RETURN || (shift & platform::ssShift)) return;
    if (FGrid->Col() == LookupColumn())
        HideDropDown(false);
    else
        FGrid->HideInplaceEdit();
}

void TCustomExGridDropDown::HandleKeyDownMessage(Word& key)
{
    if (key == platform::VK_RETURN && FGrid) FGrid->ConfirmSelection = true;
    TExListDropDown::HandleKeyDownMessage(key);
}

void TCustomExGridDropDown::NavigateFromEdit(Word key)
{
    using namespace platform;
    FLookupEntry.clear();
    const bool list = !(keyboardShiftState() & ssShift) && FStyle == dsDropDownList;
    switch (key) {
    case VK_PRIOR: SelectPreviousPage(); break;
    case VK_NEXT: SelectNextPage(); break;
    case VK_END:
        if (list) SelectLast();
        break;
    case VK_HOME:
        if (list) SelectFirst();
        break;
    case VK_UP: SelectPrevious(); break;
    case VK_DOWN: SelectNext(); break;
    default: break;
    }
}

void TCustomExGridDropDown::HandleCharMessage(QChar& key)
{
    TExListDropDown::HandleCharMessage(key);
    // A character the edit took is looked up; Enter, Escape and the other
    // control characters (which the edit does not take) are not.
    if (!key.isNull() && (key == QChar(u'\b') || key.category() != QChar::Other_Control)) LookupKey(key);
    if (FAutoShowDropDown) ShowDropDown();
}

void TCustomExGridDropDown::HandleSetFocusMessage()
{
    TExListDropDown::HandleSetFocusMessage();
    if (FGrid) FGrid->RemoveAllFilters();
    FLookupEntry.clear();
}

void TCustomExGridDropDown::HandleMouseWheelDown(TShiftState shift, QPoint mousePos, bool& handled)
{
    TExListDropDown::HandleMouseWheelDown(shift, mousePos, handled);
    if (!DroppedDown()) SelectNext();
}

void TCustomExGridDropDown::HandleMouseWheelUp(TShiftState shift, QPoint mousePos, bool& handled)
{
    TExListDropDown::HandleMouseWheelUp(shift, mousePos, handled);
    if (!DroppedDown()) SelectPrevious();
}

// ----- the pop-up

void TCustomExGridDropDown::CreateDropDownForm()
{
    TExListDropDown::CreateDropDownForm();
    if (!FConstructed || !DropDownForm() || FGrid) return;
    FGrid = new griddropdown::TExColGrid(DropDownForm());
    FGrid->SetDropDown(this);
    FGrid->setGeometry(0, 0, FGrid->width(), 180);
    FGrid->SetColor(DropDownColor());
    FGrid->Navigation().HomeEndKey = grid::heFirstLastRow;
    FGrid->hide();
}

void TCustomExGridDropDown::ConfigureGrid()
{
    griddropdown::TExColGrid& g = *FGrid;
    g.LoadFromDropDown(this);
    g.SetColor(DropDownColor());
    g.SortSettings().SetShow(FSorting != gsNone);
    g.SortSettings().IndexShow = FSorting == gsMultiColumn;
    FBalloonRenewed = false;
    g.SetGridImages(Images());
    // A row or column move, or a drag of cells, keeps the pop-up open while
    // it has the activation; its end always frees the pop-up again.
    g.OnStartBlockFocus = [this](QObject*) {
        if (DropDownForm()) DropDownForm()->BlockActivate = true;
    };
    g.OnEndBlockFocus = [this](QObject*) { GridEndBlockFocus(); };
    g.OnSelectCell = nullptr;
    g.OnSelect = [this](QObject*) { GridSelect(); };
    ConnectGridEvents();
    g.SearchFooter().Assign(*FSearchFooter);
    g.MouseActions().Assign(FMouseActions);
    g.Navigation().Assign(FNavigation);
    g.Bands().Assign(FBands);
    platform::TGridOptions o = g.Options() | platform::goThumbTracking;
    o = FRowSelect ? o | platform::goRowSelect : o & ~platform::goRowSelect;
    o = FGridEditable ? o | platform::goEditing : o & ~platform::goEditing;
    g.SetOptions(o);
    g.SetGridImages(FGridImages);
    g.OnCanSort = [this](QObject*, int ACol, bool& DoSort) { GridCanSort(ACol, DoSort); };
    g.OnClickSort = [this](QObject*, int ACol) { GridClickSort(ACol); };
    g.OnSelectCell = [this](QObject*, int ACol, int ARow, bool& can) { GridSelectCell(ACol, ARow, can); };
    g.SetComponentStyle(GetComponentStyle());
}

void TCustomExGridDropDown::BeforeDropDown()
{
    DropDownForm()->CancelOnDeActivate = false;
    // Whatever blocked the activation before belongs to an earlier opening.
    DropDownForm()->BlockActivate = false;
    if (FGrid) {
        ConfigureGrid();
        griddropdown::TExColGrid& g = *FGrid;
        if (FUseItems) {
            TExListDropDown::BeforeDropDown();
            g.SetRowCount(Items().Count() + 1);
            g.SetFixedRows(1);
            g.LoadItems();
            const int r = RowOfItem(FItemIndex);
            if (r >= g.FixedRows() && r < g.RowCount()) g.SetRow(r);
        } else {
            QString found;
            int row = -1;
            g.SetRow(FindLookup(Text(), found, row) ? row : g.FixedRows());
        }
        if (g.SortSettings().Column >= 0 && g.SortSettings().Show()) {
            g.QSort();
            // The chosen item stays highlighted in its sorted row.
            const int r = FUseItems ? RowOfItem(FItemIndex) : -1;
            if (r >= g.FixedRows() && r < g.RowCount()) g.SetRow(r);
        }
    } else if (FUseItems) {
        TExListDropDown::BeforeDropDown();
    }
    FIndexAtOpening = FItemIndex;
    if (!FUseItems) TExListDropDown::BeforeDropDown();
}

void TCustomExGridDropDown::PlaceDropDownControl()
{
    if (FGrid) {
        SetControl(FGrid);
        SetFocusControl(FGrid);
        FGrid->show();
    }
    TExListDropDown::PlaceDropDownControl();
}

void TCustomExGridDropDown::DoShowDropDown()
{
    {
        grid::TScopedValue<bool> opening(FOpening, true);
        TExListDropDown::DoShowDropDown();
    }
    if (!FGrid) return;
    griddropdown::TExColGrid& g = *FGrid;
    if (!FUseItems)
        while (Columns().Count() < g.ColCount()) Columns().Add();
    if (DroppedDown()) SizeColumnsToDropDown();
    if (g.VisibleRowCount() + g.FixedRows() < g.RowCount()) {
        if (g.VisibleRowCount() + g.TopRow() < g.Row()) g.SetTopRow(g.Row());
        if (g.Row() < g.TopRow()) g.SetTopRow(g.Row());
    }
    FSelectedRow = g.Row();
    g.setFocusPolicy(Qt::StrongFocus);
    if (DroppedDown()) g.setFocus(Qt::PopupFocusReason);
}

void TCustomExGridDropDown::DoHideDropDown(bool Cancelled)
{
    if (FHiding) return;
    if (!DropDownForm() || !DropDownForm()->isVisible()) {
        TExListDropDown::DoHideDropDown(Cancelled);
        return;
    }
    if (Cancelled) {
        SetItemIndex(FIndexAtOpening);
    } else {
        if (FGrid && FGrid->ConfirmSelection)
            SetItemIndex(FUseItems ? ItemOfRow(FSelectedRow) : FSelectedRow - FGrid->FixedRows());
        FIndexAtOpening = FItemIndex;
        if (FGrid) FGrid->ConfirmSelection = false;
    }
    // Hiding the form deactivates it, which asks for a close once more.
    grid::TScopedValue<bool> hiding(FHiding, true);
    TExListDropDown::DoHideDropDown(Cancelled);
}

// ----- the open grid

void TCustomExGridDropDown::ControlKeyDown(Word& key, TShiftState shift)
{
    using namespace platform;
    // The grid's own key-down comes first: a key confirms its row.
    if (FGrid) FGrid->ConfirmSelection = true;
    const bool alt = shift & ssAlt;
    const bool stays = !alt && (key == VK_PRIOR || key == VK_NEXT || key == VK_END || key == VK_HOME ||
                                key == VK_UP || key == VK_DOWN);
    const Word pressed = key;
    if (pressed == VK_RETURN && FGrid) {
        // Enter chooses the grid's row (the grid hands its own handling key
        // 0 instead); it does not reach the edit.
        Word k = pressed;
        DoGridKeyDown(this, k, shift);
        FGrid->HandleKeyDown(key, shift);
        return;
    }
    if (!stays) TExListDropDown::ControlKeyDown(key, shift);
    Word k = pressed;
    DoGridKeyDown(this, k, shift);
    // Alt+Up and Alt+Down closed the pop-up in the edit; the grid does not
    // handle them again.
    if (alt && (pressed == VK_UP || pressed == VK_DOWN)) key = 0;
}

void TCustomExGridDropDown::ControlKeyUp(Word& key, TShiftState shift)
{
    using namespace platform;
    if (!(shift & ssAlt) && (key == VK_PRIOR || key == VK_NEXT || key == VK_END || key == VK_HOME ||
                             key == VK_UP || key == VK_DOWN))
        FLookupEntry.clear();
    else
        TExListDropDown::ControlKeyUp(key, shift);
    Word k = key;
    DoGridKeyUp(this, k, shift);
}

void TCustomExGridDropDown::ControlKeyPress(QChar& key)
{
    if (!FGrid) return;
    griddropdown::TExColGrid& g = *FGrid;
    if ((IsNavigationCharacter(key) && !platform::isKeyDown(platform::VK_MENU)) ||
        (g.Options() & platform::goEditing)) {
        FLookupEntry.clear();
    } else {
        int r = LookupKey(key);
        // An item found in item mode stands in the row that carries it,
        // also when the grid was sorted.
        if (FLookupMethod == lmLookup && FUseItems && r != -1) r = RowOfItem(r);
        if (r != -1 && r >= g.FixedRows() && r < g.RowCount()) {
            if (g.VisibleRowCount() + g.FixedRows() < g.RowCount()) g.SetTopRow(std::max(g.FixedRows(), r));
            g.SetRow(r);
            g.SetCol(0);
            g.RepaintRow(r);
        } else {
            FLookupEntry.clear();
        }
    }
    DoGridKeyPress(this, key);
}

void TCustomExGridDropDown::GridSelectCell(int, int ARow, bool&)
{
    FSelectedRow = ARow;
    // Rows that move while the pop-up is closed (filters removed on
    // entering the control) choose nothing.
    if (!FGrid || FGrid->Wheel() || (!DroppedDown() && !FOpening)) return;
    if (FUseItems) {
        SetItemIndex(ItemOfRow(ARow));
    } else {
        WriteText(FGrid->GetCellEx(LookupColumn(), ARow));
        SetItemIndex(ARow - FGrid->FixedRows());
    }
}

void TCustomExGridDropDown::GridSelect()
{
    if (FGrid && FGrid->ConfirmSelection) SetItemIndex(FUseItems ? ItemOfRow(FGrid->Row()) : FGrid->Row() - 1);
    if (!FGridEditable) DoHideDropDown(false);
    if (OnSelect) OnSelect(this);
}

void TCustomExGridDropDown::GridCanSort(int, bool&) { FSortIndex = FItemIndex; }

void TCustomExGridDropDown::GridClickSort(int)
{
    const int r = RowOfItem(FSortIndex);
    if (FGrid && r >= 0) FGrid->SetRow(r);

}

void TCustomExGridDropDown::GridEndBlockFocus()
{
    if (DropDownForm()) DropDownForm()->BlockActivate = false;
}

void TCustomExGridDropDown::RenewBalloonOnce()
{
    if (FBalloonRenewed || !FGrid) return;
    if (FGrid->Balloon().Enable()) {
        FGrid->Balloon().SetEnable(false);
        FGrid->Balloon().SetEnable(true);
    }
    FBalloonRenewed = true;
}

// ----- forwarding the inner grid's notifications

void TCustomExGridDropDown::ConnectGridEvents()
{
    griddropdown::TExColGrid& g = *FGrid;
    g.OnAnchorClick = [this](QObject* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle) { DoGridAnchorClick(Sender, ARow, ACol, Anchor, AutoHandle); };
    g.HTML().OnAnchorEnter = [this](QObject* Sender, int ARow, int ACol, const QString& Anchor) { DoGridAnchorEnter(Sender, ARow, ACol, Anchor); };
    g.HTML().OnAnchorExit = [this](QObject* Sender, int ARow, int ACol, const QString& Anchor) { DoGridAnchorExit(Sender, ARow, ACol, Anchor); };
    g.HTML().OnAnchorHint = [this](QObject* Sender, int ARow, int ACol, QString& Anchor) { DoGridAnchorHint(Sender, ARow, ACol, Anchor); };
    g.OnButtonClick = [this](QObject* Sender, int ACol, int ARow) { DoGridButtonClick(Sender, ACol, ARow); };
    g.OnColumnSize = [this](QObject* Sender, int ACol, bool& Allow) { DoGridColumnSize(Sender, ACol, Allow); };
    g.OnColumnSizing = [this](QObject* Sender, int ACol, int ColumnWidth) { DoGridColumnSizing(Sender, ACol, ColumnWidth); };
    g.OnEndColumnSize = [this](QObject* Sender, int ACol) { DoGridEndColumnSize(Sender, ACol); };
    g.OnRowSize = [this](QObject* Sender, int ARow, bool& Allow) { DoGridRowSize(Sender, ARow, Allow); };
    g.OnRowSizing = [this](QObject* Sender, int ARow, int RowHeight) { DoGridRowSizing(Sender, ARow, RowHeight); };
    g.OnEndRowSize = [this](QObject* Sender, int ARow) { DoGridEndRowSize(Sender, ARow); };
    g.OnRowMove = [this](QObject* Sender, int ARow, bool& Allow) { DoGridRowMove(Sender, ARow, Allow); };
    g.OnRowMoving = [this](QObject* Sender, int ARow, bool& Allow) { DoGridRowMoving(Sender, ARow, Allow); };
    g.OnRowMoved = [this](QObject* Sender, int FromIndex, int ToIndex) { DoGridRowMoved(Sender, FromIndex, ToIndex); };
    g.OnColumnMove = [this](QObject* Sender, int ACol, bool& Allow) { DoGridColumnMove(Sender, ACol, Allow); };
    g.OnColumnMoving = [this](QObject* Sender, int ACol, bool& Allow) { DoGridColumnMoving(Sender, ACol, Allow); };
    g.OnColumnMoved = [this](QObject* Sender, int FromIndex, int ToIndex) { DoGridColumnMoved(Sender, FromIndex, ToIndex); };
    if (OnGridCustomCellDraw)
        g.OnCustomCellDraw = [this](QObject* Sender, platform::TCanvas& Canvas, int ACol, int ARow, platform::TGridDrawState AState, const platform::TRect& ARect, bool Printing) { DoGridCustomCellDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing); };
    else
        g.OnCustomCellDraw = nullptr;
    if (OnGridCustomCellBkgDraw)
        g.OnCustomCellBkgDraw = [this](QObject* Sender, platform::TCanvas& Canvas, int ACol, int ARow, platform::TGridDrawState AState, const platform::TRect& ARect, bool Printing) { DoGridCustomCellBkgDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing); };
    else
        g.OnCustomCellBkgDraw = nullptr;
    g.OnCellBalloon = [this](QObject* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon) { DoGridCellBalloon(Sender, ACol, ARow, ATitle, AText, AIcon); };
    g.OnGetAlignment = [this](QObject* Sender, int ARow, int ACol, grid::TAlignment& HAlign, grid::TVAlignment& VAlign) { DoGridGetAlignment(Sender, ARow, ACol, HAlign, VAlign); };
    g.OnGetCellColor = [this](QObject* Sender, int ARow, int ACol, platform::TGridDrawState AState, platform::TBrush& ABrush, platform::TFont& AFont) { DoGridGetCellColor(Sender, ARow, ACol, AState, ABrush, AFont); };
    g.OnGetCellGradient = [this](QObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo, grid::TCellGradientDirection& GD) { DoGridGetCellGradient(Sender, ARow, ACol, Color, ColorTo, ColorMirror, ColorMirrorTo, GD); };
    g.OnGetFloatFormat = [this](QObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat) { DoGridGetFloatFormat(Sender, ACol, ARow, IsFloat, FloatFormat); };
    g.OnGetEditorType = [this](QObject* Sender, int ACol, int ARow, grid::TEditorType& AEditor) { DoGridGetEditorType(Sender, ACol, ARow, AEditor); };
    g.OnGetEditorPropInt = [this](QObject* Sender, int ARow, int ACol) { DoGridGetEditorProp(Sender, ARow, ACol); };
    g.OnCanEditCell = [this](QObject* Sender, int ARow, int ACol, bool& CanEdit) { DoGridCanEditCell(Sender, ARow, ACol, CanEdit); };
    g.OnEllipsClick = [this](QObject* Sender, int ACol, int ARow, QString& S) { DoGridEllipsClick(Sender, ACol, ARow, S); };
    g.OnGetDisplText = [this, &g](int ACol, int ARow, QString& Value) { DoGridGetDisplText(&g, ACol, ARow, Value); };
    g.OnGetFormat = [this](QObject* Sender, int ACol, grid::TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) { DoGridGetFormat(Sender, ACol, AStyle, aPrefix, aSuffix); };
    g.OnGridHint = [this](QObject* Sender, int ARow, int ACol, QString& hintstr) { DoGridHint(Sender, ARow, ACol, hintstr); };
    g.OnMouseMove = [this](QObject* Sender, platform::TShiftState Shift, int X, int Y) { DoGridMouseMove(Sender, Shift, X, Y); };
    g.OnMouseDown = [this](QObject* Sender, platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) { DoGridMouseDown(Sender, Button, Shift, X, Y); };
    g.OnMouseUp = [this](QObject* Sender, platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) { DoGridMouseUp(Sender, Button, Shift, X, Y); };
    g.OnRightClickCell = [this](QObject* Sender, int ARow, int ACol) { DoGridRightClickCell(Sender, ARow, ACol); };
    g.OnScrollHint = [this](QObject* Sender, int ARow, QString& hintstr) { DoGridScrollHint(Sender, ARow, hintstr); };
    g.OnTopLeftChanged = [this](QObject* Sender) { DoGridTopLeftChanged(Sender); };
    g.OnSearchEditChange = [this](QObject* Sender, const QString& Value, bool& DefaultSearch) { DoGridSearchEditChange(Sender, Value, DefaultSearch); };
    g.OnAutoAddRow = [this](QObject* Sender, int ARow) { DoGridAutoAddRow(Sender, ARow); };
    g.OnAutoInsertRow = [this](QObject* Sender, int ARow) { DoGridAutoInsertRow(Sender, ARow); };
    g.OnAutoInsertCol = [this](QObject* Sender, int ACol) { DoGridAutoInsertCol(Sender, ACol); };
    g.OnAutoDeleteRow = [this](QObject* Sender, int ARow) { DoGridAutoDeleteRow(Sender, ARow); };
    g.OnCanAddRow = [this](QObject* Sender, bool& CanAdd) { DoGridCanAddRow(Sender, CanAdd); };
    g.OnCanInsertRow = [this](QObject* Sender, int ARow, bool& CanInsert) { DoGridCanInsertRow(Sender, ARow, CanInsert); };
    g.OnCanDeleteRow = [this](QObject* Sender, int ARow, bool& CanDelete) { DoGridCanDeleteRow(Sender, ARow, CanDelete); };
    g.OnCheckBoxClick = [this](QObject* Sender, int ACol, int ARow, bool State) { DoGridCheckBoxClick(Sender, ACol, ARow, State); };
}

void TCustomExGridDropDown::DoGridAnchorClick(QObject* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle)
{
    TBlockActivateScope block(*this);
    if (OnGridAnchorClick) OnGridAnchorClick(Sender, ARow, ACol, Anchor, AutoHandle);
}

void TCustomExGridDropDown::DoGridAnchorEnter(QObject* Sender, int ARow, int ACol, const QString& Anchor)
{
    if (OnGridAnchorEnter) OnGridAnchorEnter(Sender, ARow, ACol, Anchor);
}

void TCustomExGridDropDown::DoGridAnchorExit(QObject* Sender, int ARow, int ACol, const QString& Anchor)
{
    if (OnGridAnchorExit) OnGridAnchorExit(Sender, ARow, ACol, Anchor);
}

void TCustomExGridDropDown::DoGridAnchorHint(QObject* Sender, int ARow, int ACol, QString& Anchor)
{
    if (OnGridAnchorHint) OnGridAnchorHint(Sender, ARow, ACol, Anchor);
}

void TCustomExGridDropDown::DoGridButtonClick(QObject* Sender, int ACol, int ARow)
{
    TBlockActivateScope block(*this);
    if (OnGridButtonClick) OnGridButtonClick(Sender, ACol, ARow);
}

void TCustomExGridDropDown::DoGridCanSort(QObject* Sender, int ACol, bool& DoSort)
{
    if (OnGridCanSort) OnGridCanSort(Sender, ACol, DoSort);
}

void TCustomExGridDropDown::DoGridClickSort(QObject* Sender, int ACol)
{
    if (OnGridClickSort) OnGridClickSort(Sender, ACol);
}

void TCustomExGridDropDown::DoGridCustomCompare(QObject* Sender, const QString& str1, const QString& str2, int& Res)
{
    if (OnGridCustomCompare) OnGridCustomCompare(Sender, str1, str2, Res);
}

void TCustomExGridDropDown::DoGridRawCompare(QObject* Sender, int ACol, int Row1, int Row2, int& Res)
{
    if (OnGridRawCompare) OnGridRawCompare(Sender, ACol, Row1, Row2, Res);
}

void TCustomExGridDropDown::DoGridColumnSize(QObject* Sender, int ACol, bool& Allow)
{
    if (OnGridColumnSize) OnGridColumnSize(Sender, ACol, Allow);
}

void TCustomExGridDropDown::DoGridColumnSizing(QObject* Sender, int ACol, int ColumnWidth)
{
    if (OnGridColumnSizing) OnGridColumnSizing(Sender, ACol, ColumnWidth);
}

void TCustomExGridDropDown::DoGridEndColumnSize(QObject* Sender, int ACol)
{
    if (OnGridEndColumnSize) OnGridEndColumnSize(Sender, ACol);
}

void TCustomExGridDropDown::DoGridRowSize(QObject* Sender, int ARow, bool& Allow)
{
    if (OnGridRowSize) OnGridRowSize(Sender, ARow, Allow);
}

void TCustomExGridDropDown::DoGridRowSizing(QObject* Sender, int ARow, int RowHeight)
{
    if (OnGridRowSizing) OnGridRowSizing(Sender, ARow, RowHeight);
}

void TCustomExGridDropDown::DoGridEndRowSize(QObject* Sender, int ARow)
{
    if (OnGridEndRowSize) OnGridEndRowSize(Sender, ARow);
}

void TCustomExGridDropDown::DoGridRowMove(QObject* Sender, int ARow, bool& Allow)
{
    if (OnGridRowMove) OnGridRowMove(Sender, ARow, Allow);
}

void TCustomExGridDropDown::DoGridRowMoving(QObject* Sender, int ARow, bool& Allow)
{
    if (OnGridRowMoving) OnGridRowMoving(Sender, ARow, Allow);
}

void TCustomExGridDropDown::DoGridRowMoved(QObject* Sender, int FromIndex, int ToIndex)
{
    if (OnGridRowMoved) OnGridRowMoved(Sender, FromIndex, ToIndex);
}

void TCustomExGridDropDown::DoGridColumnMove(QObject* Sender, int ACol, bool& Allow)
{
    if (OnGridColumnMove) OnGridColumnMove(Sender, ACol, Allow);
}

void TCustomExGridDropDown::DoGridColumnMoving(QObject* Sender, int ACol, bool& Allow)
{
    if (OnGridColumnMoving) OnGridColumnMoving(Sender, ACol, Allow);
}

void TCustomExGridDropDown::DoGridColumnMoved(QObject* Sender, int FromIndex, int ToIndex)
{
    if (OnGridColumnMoved) OnGridColumnMoved(Sender, FromIndex, ToIndex);
}

void TCustomExGridDropDown::DoGridCustomCellDraw(QObject* Sender, platform::TCanvas& Canvas, int ACol, int ARow, platform::TGridDrawState AState, const platform::TRect& ARect, bool Printing)
{
    const platform::TRect rect = ARect;
    if (OnGridCustomCellDraw) OnGridCustomCellDraw(Sender, Canvas, ACol, ARow, AState, rect, Printing);
}

void TCustomExGridDropDown::DoGridCustomCellBkgDraw(QObject* Sender, platform::TCanvas& Canvas, int ACol, int ARow, platform::TGridDrawState AState, const platform::TRect& ARect, bool Printing)
{
    const platform::TRect rect = ARect;
    if (OnGridCustomCellBkgDraw) OnGridCustomCellBkgDraw(Sender, Canvas, ACol, ARow, AState, rect, Printing);
}

void TCustomExGridDropDown::DoGridCellBalloon(QObject* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon)
{
    if (OnGridCellBalloon) OnGridCellBalloon(Sender, ACol, ARow, ATitle, AText, AIcon);
}

void TCustomExGridDropDown::DoGridGetAlignment(QObject* Sender, int ARow, int ACol, grid::TAlignment& HAlign, grid::TVAlignment& VAlign)
{
    if (ACol >= 0 && ACol < Columns().Count()) HAlign = Columns()[ACol].Alignment;
    if (OnGridGetAlignment) OnGridGetAlignment(Sender, ARow, ACol, HAlign, VAlign);
}

void TCustomExGridDropDown::DoGridGetCellColor(QObject* Sender, int ARow, int ACol, platform::TGridDrawState AState, platform::TBrush& ABrush, platform::TFont& AFont)
{
    if (ACol >= 0 && ACol < Columns().Count()) ABrush.Color = Columns()[ACol].Color;
    if (OnGridGetCellColor) OnGridGetCellColor(Sender, ARow, ACol, AState, ABrush, AFont);
}

void TCustomExGridDropDown::DoGridGetCellGradient(QObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo, grid::TCellGradientDirection& GD)
{
    if (OnGridGetCellGradient) OnGridGetCellGradient(Sender, ARow, ACol, Color, ColorTo, ColorMirror, ColorMirrorTo, GD);
}

void TCustomExGridDropDown::DoGridGetFloatFormat(QObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat)
{
    FloatFormat.clear();
    if (OnGridGetFloatFormat) OnGridGetFloatFormat(Sender, ACol, ARow, IsFloat, FloatFormat);
}

void TCustomExGridDropDown::DoGridGetEditorType(QObject* Sender, int ACol, int ARow, grid::TEditorType& AEditor)
{
    if (OnGridGetEditorType) OnGridGetEditorType(Sender, ACol, ARow, AEditor);
}

void TCustomExGridDropDown::DoGridGetEditorProp(QObject* Sender, int ARow, int ACol)
{
    if (OnGridGetEditorProp) OnGridGetEditorProp(Sender, ARow, ACol);
}

void TCustomExGridDropDown::DoGridCanEditCell(QObject* Sender, int ARow, int ACol, bool& CanEdit)
{
    if (OnGridCanEditCell) OnGridCanEditCell(Sender, ARow, ACol, CanEdit);
}

void TCustomExGridDropDown::DoGridEllipsClick(QObject* Sender, int ACol, int ARow, QString& S)
{
    TBlockActivateScope block(*this);
    if (OnGridEllipsClick) OnGridEllipsClick(Sender, ACol, ARow, S);
}

void TCustomExGridDropDown::DoGridGetDisplText(QObject* Sender, int ACol, int ARow, QString& Value)
{
    if (OnGridGetDiplText) OnGridGetDiplText(Sender, ACol, ARow, Value);
}

void TCustomExGridDropDown::DoGridGetFormat(QObject* Sender, int ACol, grid::TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)
{
    if (OnGridGetFormat) OnGridGetFormat(Sender, ACol, AStyle, aPrefix, aSuffix);
}

void TCustomExGridDropDown::DoGridHint(QObject* Sender, int ARow, int ACol, QString& hintstr)
{
    if (OnGridHint) OnGridHint(Sender, ARow, ACol, hintstr);
}

void TCustomExGridDropDown::DoGridMouseMove(QObject* Sender, platform::TShiftState Shift, int X, int Y)
{
    RenewBalloonOnce();
    if (OnGridMouseMove) OnGridMouseMove(Sender, Shift, X, Y);
}

void TCustomExGridDropDown::DoGridMouseDown(QObject* Sender, platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y)
{
    if (OnGridMouseDown) OnGridMouseDown(Sender, Button, Shift, X, Y);
}

void TCustomExGridDropDown::DoGridMouseUp(QObject* Sender, platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y)
{
    if (OnGridMouseUp) OnGridMouseUp(Sender, Button, Shift, X, Y);
}

void TCustomExGridDropDown::DoGridKeyDown(QObject* Sender, platform::Word& Key, platform::TShiftState Shift)
{
    if (OnGridKeyDown) OnGridKeyDown(Sender, Key, Shift);
}

void TCustomExGridDropDown::DoGridKeyUp(QObject* Sender, platform::Word& Key, platform::TShiftState Shift)
{
    if (OnGridKeyUp) OnGridKeyUp(Sender, Key, Shift);
}

void TCustomExGridDropDown::DoGridKeyPress(QObject* Sender, QChar& Key)
{
    if (OnGridKeyPress) OnGridKeyPress(Sender, Key);
}

void TCustomExGridDropDown::DoGridRightClickCell(QObject* Sender, int ARow, int ACol)
{
    if (OnGridRightClickCell) OnGridRightClickCell(Sender, ARow, ACol);
}

void TCustomExGridDropDown::DoGridScrollHint(QObject* Sender, int ARow, QString& hintstr)
{
    if (OnGridScrollHint) OnGridScrollHint(Sender, ARow, hintstr);
}

void TCustomExGridDropDown::DoGridTopLeftChanged(QObject* Sender)
{
    if (OnGridTopLeftChanged) OnGridTopLeftChanged(this);
}

void TCustomExGridDropDown::DoGridSearchEditChange(QObject* Sender, const QString& Value, bool& DefaultSearch)
{
    if (OnGridSearchEditChange) OnGridSearchEditChange(Sender, Value, DefaultSearch);
}

void TCustomExGridDropDown::DoGridSpinClick(QObject* Sender, int ACol, int ARow, int AValue, bool UpDown)
{
    if (OnGridSpinClick) OnGridSpinClick(Sender, ACol, ARow, AValue, UpDown);
}

void TCustomExGridDropDown::DoGridAutoAddRow(QObject* Sender, int ARow)
{
    if (OnGridAutoAddRow) OnGridAutoAddRow(Sender, ARow);
}

void TCustomExGridDropDown::DoGridAutoInsertRow(QObject* Sender, int ARow)
{
    if (OnGridInsertRow) OnGridInsertRow(Sender, ARow);
}

void TCustomExGridDropDown::DoGridAutoInsertCol(QObject* Sender, int ACol)
{
    if (OnGridInsertCol) OnGridInsertCol(Sender, ACol);
}

void TCustomExGridDropDown::DoGridAutoDeleteRow(QObject* Sender, int ARow)
{
    if (OnGridDeleteRow) OnGridDeleteRow(Sender, ARow);
}

void TCustomExGridDropDown::DoGridCanAddRow(QObject* Sender, bool& CanAdd)
{
    if (OnGridCanAddRow) OnGridCanAddRow(Sender, CanAdd);
}

void TCustomExGridDropDown::DoGridCanInsertRow(QObject* Sender, int ARow, bool& CanInsert)
{
    if (OnGridCanInsertRow) OnGridCanInsertRow(Sender, ARow, CanInsert);
}

void TCustomExGridDropDown::DoGridCanDeleteRow(QObject* Sender, int ARow, bool& CanDelete)
{
    if (OnGridCanDeleteRow) OnGridCanDeleteRow(Sender, ARow, CanDelete);
}

void TCustomExGridDropDown::DoGridCheckBoxClick(QObject* Sender, int ACol, int ARow, bool State)
{
    if (OnGridCheckBoxClick) OnGridCheckBoxClick(Sender, ACol, ARow, State);
}

}  // namespace dropdown
