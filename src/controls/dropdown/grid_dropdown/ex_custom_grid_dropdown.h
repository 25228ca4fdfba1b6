#pragma once

// A drop-down edit whose pop-up holds a full string grid. In item mode
// (UseItems) the control owns Columns and Items and writes them into the
// grid at every opening, each row carrying its item's index, so sorting
// and filtering the grid never lose the link between row and item; in grid
// mode the program fills the grid itself (GetGrid) and ItemIndex counts the
// grid's rows below the header. Typing chooses a row by finding it,
// narrowing the rows down, or not at all; a header click sorts and keeps
// the chosen item; the grid's notifications come again as OnGrid events.

#include <functional>

#include "controls/dropdown/grid_dropdown/grid_dropdown_list.h"
#include "controls/dropdown/multi_column/ex_list_dropdown.h"
#include "controls/grid/settings/grid_settings.h"

namespace dropdown {

enum TLookupMethod : uint8_t { lmLookup, lmNarrowDown, lmNone };
enum TDropDownStyle : uint8_t { dsDropDown, dsDropDownList };
enum TGridSorting : uint8_t { gsNone, gsSingleColumn, gsMultiColumn };

class TCustomExGridDropDown : public TExListDropDown {
    Q_OBJECT

public:
    explicit TCustomExGridDropDown(QWidget* parent = nullptr);
    ~TCustomExGridDropDown() override;

    void Loaded();
    // The inner grid.
    griddropdown::TExColGrid* GetGrid() const { return FGrid; }

    bool UseItems() const { return FUseItems; }
    void SetUseItems(bool value) { FUseItems = value; }
    TLookupMethod LookupMethod() const { return FLookupMethod; }
    void SetLookupMethod(TLookupMethod value) { FLookupMethod = value; }
    TDropDownStyle Style() const { return FStyle; }
    // dsDropDown makes the text editable, dsDropDownList not.
    void SetStyle(TDropDownStyle value);
    TGridSorting Sorting() const { return FSorting; }
    void SetSorting(TGridSorting value) { FSorting = value; }
    bool AutoShowDropDown() const { return FAutoShowDropDown; }
    void SetAutoShowDropDown(bool value) { FAutoShowDropDown = value; }
    bool AutoSizeColumns() const { return FAutoSizeColumns; }
    void SetAutoSizeColumns(bool value) { FAutoSizeColumns = value; }
    bool ColumnMoving() const { return FColumnMoving; }
    void SetColumnMoving(bool value) { FColumnMoving = value; }
    bool RowSizing() const { return FRowSizing; }
    void SetRowSizing(bool value) { FRowSizing = value; }
    bool RowMoving() const { return FRowMoving; }
    void SetRowMoving(bool value) { FRowMoving = value; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool value) { FRowSelect = value; }
    // Choosing a row in an editable grid keeps the pop-up open.
    bool GridEditable() const { return FGridEditable; }
    void SetGridEditable(bool value) { FGridEditable = value; }
    TImageList* GridImages() const { return FGridImages; }
    void SetGridImages(TImageList* value);
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool value) { FHoverRow = value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor value) { FHoverRowColor = value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor value) { FHoverRowColorTo = value; }
    grid::TSearchFooter& SearchFooter() { return *FSearchFooter; }
    void SetSearchFooter(const grid::TSearchFooter& value) { FSearchFooter->Assign(value); }
    grid::TBands& Bands() { return FBands; }
    void SetBands(const grid::TBands& value) { FBands.Assign(value); }
    grid::TNavigation& Navigation() { return FNavigation; }
    void SetNavigation(const grid::TNavigation& value) { FNavigation.Assign(value); }
    grid::TMouseActions& MouseActions() { return FMouseActions; }
    void SetMouseActions(const grid::TMouseActions& value) { FMouseActions.Assign(value); }

    // Item mode: as the multi-column drop-down. Grid mode: a value equal to
    // the current one or not below the grid's RowCount is ignored; otherwise
    // the text becomes the grid's cell (LookupColumn, value + 1).
    void SetItemIndex(int value) override;
    int ItemCount() const override;
    // The item a grid row carries (item mode); the row itself otherwise.
    int ItemOfRow(int ARow) const;
    // The first row carrying item i; the current ItemIndex when none does.
    int RowOfItem(int i) const;

    // The first item (item mode) or grid row (grid mode) whose lookup text
    // begins with text: its index and the text as stored.
    bool FindLookup(const QString& text, QString& found, int& index) const;
    // A character typed for a lookup by LookupMethod: the index found
    // (an item, or a grid row), FixedRows for a narrow-down, or -1.
    int LookupKey(QChar ch);
    // The row last reported by the grid's cell selection.
    int SelectedRow() const { return FSelectedRow; }

    griddropdown::TExColGrid* ListGrid() const override { return FGrid; }
    void DoShowDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void HandleKeyDown(platform::Word& key, platform::TShiftState shift) override;
    void HandleKeyUp(platform::Word& key, platform::TShiftState shift) override;

    // The inner grid's hooks.
    void GridSelectCell(int ACol, int ARow, bool& CanSelect);
    void GridSelect();
    void GridCanSort(int ACol, bool& DoSort);
    void GridClickSort(int ACol);
    void GridEndBlockFocus();

    // ----- the inner grid's notifications, raised again as the drop-down's own
    std::function<void(QObject*, int, int, const QString&, bool&)> OnGridAnchorClick;
    std::function<void(QObject*, int, int, const QString&)> OnGridAnchorEnter;
    std::function<void(QObject*, int, int, const QString&)> OnGridAnchorExit;
    std::function<void(QObject*, int, int, QString&)> OnGridAnchorHint;
    std::function<void(QObject*, int, int)> OnGridButtonClick;
    std::function<void(QObject*, int, bool&)> OnGridCanSort;
    std::function<void(QObject*, int)> OnGridClickSort;
    std::function<void(QObject*, const QString&, const QString&, int&)> OnGridCustomCompare;
    std::function<void(QObject*, int, int, int, int&)> OnGridRawCompare;
    std::function<void(QObject*, int, bool&)> OnGridColumnSize;
    std::function<void(QObject*, int, int)> OnGridColumnSizing;
    std::function<void(QObject*, int)> OnGridEndColumnSize;
    std::function<void(QObject*, int, bool&)> OnGridRowSize;
    std::function<void(QObject*, int, int)> OnGridRowSizing;
    std::function<void(QObject*, int)> OnGridEndRowSize;
    std::function<void(QObject*, int, bool&)> OnGridRowMove;
    std::function<void(QObject*, int, bool&)> OnGridRowMoving;
    std::function<void(QObject*, int, int)> OnGridRowMoved;
    std::function<void(QObject*, int, bool&)> OnGridColumnMove;
    std::function<void(QObject*, int, bool&)> OnGridColumnMoving;
    std::function<void(QObject*, int, int)> OnGridColumnMoved;
    std::function<void(QObject*, platform::TCanvas&, int, int, platform::TGridDrawState, const platform::TRect&, bool)> OnGridCustomCellDraw;
    std::function<void(QObject*, platform::TCanvas&, int, int, platform::TGridDrawState, const platform::TRect&, bool)> OnGridCustomCellBkgDraw;
    std::function<void(QObject*, int, int, QString&, QString&, int&)> OnGridCellBalloon;
    std::function<void(QObject*, int, int, grid::TAlignment&, grid::TVAlignment&)> OnGridGetAlignment;
    std::function<void(QObject*, int, int, platform::TGridDrawState, platform::TBrush&, platform::TFont&)> OnGridGetCellColor;
    std::function<void(QObject*, int, int, TColor&, TColor&, TColor&, TColor&, grid::TCellGradientDirection&)> OnGridGetCellGradient;
    std::function<void(QObject*, int, int, bool&, QString&)> OnGridGetFloatFormat;
    std::function<void(QObject*, int, int, grid::TEditorType&)> OnGridGetEditorType;
    std::function<void(QObject*, int, int)> OnGridGetEditorProp;
    std::function<void(QObject*, int, int, bool&)> OnGridCanEditCell;
    std::function<void(QObject*, int, int, QString&)> OnGridEllipsClick;
    std::function<void(QObject*, int, int, QString&)> OnGridGetDiplText;
    std::function<void(QObject*, int, grid::TSortStyle&, QString&, QString&)> OnGridGetFormat;
    std::function<void(QObject*, int, int, QString&)> OnGridHint;
    std::function<void(QObject*, platform::TShiftState, int, int)> OnGridMouseMove;
    std::function<void(QObject*, platform::TMouseButton, platform::TShiftState, int, int)> OnGridMouseDown;
    std::function<void(QObject*, platform::TMouseButton, platform::TShiftState, int, int)> OnGridMouseUp;
    std::function<void(QObject*, platform::Word&, platform::TShiftState)> OnGridKeyDown;
    std::function<void(QObject*, platform::Word&, platform::TShiftState)> OnGridKeyUp;
    std::function<void(QObject*, QChar&)> OnGridKeyPress;
    std::function<void(QObject*, int, int)> OnGridRightClickCell;
    std::function<void(QObject*, int, QString&)> OnGridScrollHint;
    std::function<void(QObject*)> OnGridTopLeftChanged;
    std::function<void(QObject*, const QString&, bool&)> OnGridSearchEditChange;
    std::function<void(QObject*, int, int, int, bool)> OnGridSpinClick;
    std::function<void(QObject*, int)> OnGridAutoAddRow;
    std::function<void(QObject*, int)> OnGridInsertRow;
    std::function<void(QObject*, int)> OnGridInsertCol;
    std::function<void(QObject*, int)> OnGridDeleteRow;
    std::function<void(QObject*, bool&)> OnGridCanAddRow;
    std::function<void(QObject*, int, bool&)> OnGridCanInsertRow;
    std::function<void(QObject*, int, bool&)> OnGridCanDeleteRow;
    std::function<void(QObject*, int, int, bool)> OnGridCheckBoxClick;

    // The forwarding operations: each raises its event when it is assigned.
    virtual void DoGridAnchorClick(QObject* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle);
    virtual void DoGridAnchorEnter(QObject* Sender, int ARow, int ACol, const QString& Anchor);
    virtual void DoGridAnchorExit(QObject* Sender, int ARow, int ACol, const QString& Anchor);
    virtual void DoGridAnchorHint(QObject* Sender, int ARow, int ACol, QString& Anchor);
    virtual void DoGridButtonClick(QObject* Sender, int ACol, int ARow);
    virtual void DoGridCanSort(QObject* Sender, int ACol, bool& DoSort);
    virtual void DoGridClickSort(QObject* Sender, int ACol);
    virtual void DoGridCustomCompare(QObject* Sender, const QString& str1, const QString& str2, int& Res);
    virtual void DoGridRawCompare(QObject* Sender, int ACol, int Row1, int Row2, int& Res);
    virtual void DoGridColumnSize(QObject* Sender, int ACol, bool& Allow);
    virtual void DoGridColumnSizing(QObject* Sender, int ACol, int ColumnWidth);
    virtual void DoGridEndColumnSize(QObject* Sender, int ACol);
    virtual void DoGridRowSize(QObject* Sender, int ARow, bool& Allow);
    virtual void DoGridRowSizing(QObject* Sender, int ARow, int RowHeight);
    virtual void DoGridEndRowSize(QObject* Sender, int ARow);
    virtual void DoGridRowMove(QObject* Sender, int ARow, bool& Allow);
    virtual void DoGridRowMoving(QObject* Sender, int ARow, bool& Allow);
    virtual void DoGridRowMoved(QObject* Sender, int FromIndex, int ToIndex);
    virtual void DoGridColumnMove(QObject* Sender, int ACol, bool& Allow);
    virtual void DoGridColumnMoving(QObject* Sender, int ACol, bool& Allow);
    virtual void DoGridColumnMoved(QObject* Sender, int FromIndex, int ToIndex);
    virtual void DoGridCustomCellDraw(QObject* Sender, platform::TCanvas& Canvas, int ACol, int ARow, platform::TGridDrawState AState, const platform::TRect& ARect, bool Printing);
    virtual void DoGridCustomCellBkgDraw(QObject* Sender, platform::TCanvas& Canvas, int ACol, int ARow, platform::TGridDrawState AState, const platform::TRect& ARect, bool Printing);
    virtual void DoGridCellBalloon(QObject* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon);
    virtual void DoGridGetAlignment(QObject* Sender, int ARow, int ACol, grid::TAlignment& HAlign, grid::TVAlignment& VAlign);
    virtual void DoGridGetCellColor(QObject* Sender, int ARow, int ACol, platform::TGridDrawState AState, platform::TBrush& ABrush, platform::TFont& AFont);
    virtual void DoGridGetCellGradient(QObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo, grid::TCellGradientDirection& GD);
    virtual void DoGridGetFloatFormat(QObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat);
    virtual void DoGridGetEditorType(QObject* Sender, int ACol, int ARow, grid::TEditorType& AEditor);
    virtual void DoGridGetEditorProp(QObject* Sender, int ARow, int ACol);
    virtual void DoGridCanEditCell(QObject* Sender, int ARow, int ACol, bool& CanEdit);
    virtual void DoGridEllipsClick(QObject* Sender, int ACol, int ARow, QString& S);
    virtual void DoGridGetDisplText(QObject* Sender, int ACol, int ARow, QString& Value);
    virtual void DoGridGetFormat(QObject* Sender, int ACol, grid::TSortStyle& AStyle, QString& aPrefix, QString& aSuffix);
    virtual void DoGridHint(QObject* Sender, int ARow, int ACol, QString& hintstr);
    virtual void DoGridMouseMove(QObject* Sender, platform::TShiftState Shift, int X, int Y);
    virtual void DoGridMouseDown(QObject* Sender, platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y);
    virtual void DoGridMouseUp(QObject* Sender, platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y);
    virtual void DoGridKeyDown(QObject* Sender, platform::Word& Key, platform::TShiftState Shift);
    virtual void DoGridKeyUp(QObject* Sender, platform::Word& Key, platform::TShiftState Shift);
    virtual void DoGridKeyPress(QObject* Sender, QChar& Key);
    virtual void DoGridRightClickCell(QObject* Sender, int ARow, int ACol);
    virtual void DoGridScrollHint(QObject* Sender, int ARow, QString& hintstr);
    virtual void DoGridTopLeftChanged(QObject* Sender);
    virtual void DoGridSearchEditChange(QObject* Sender, const QString& Value, bool& DefaultSearch);
    virtual void DoGridSpinClick(QObject* Sender, int ACol, int ARow, int AValue, bool UpDown);
    virtual void DoGridAutoAddRow(QObject* Sender, int ARow);
    virtual void DoGridAutoInsertRow(QObject* Sender, int ARow);
    virtual void DoGridAutoInsertCol(QObject* Sender, int ACol);
    virtual void DoGridAutoDeleteRow(QObject* Sender, int ARow);
    virtual void DoGridCanAddRow(QObject* Sender, bool& CanAdd);
    virtual void DoGridCanInsertRow(QObject* Sender, int ARow, bool& CanInsert);
    virtual void DoGridCanDeleteRow(QObject* Sender, int ARow, bool& CanDelete);
    void DoGridCheckBoxClick(QObject* Sender, int ACol, int ARow, bool State);

protected:
    uint32_t GetVersionNr() const override { return 0x06000101; }
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void PlaceDropDownControl() override;
    int ExtraListHeight() const override { return 4; }
    bool TakesListStyle(TQVRStyle style) const override;
    void ControlKeyDown(platform::Word& key, platform::TShiftState shift) override;
    void ControlKeyUp(platform::Word& key, platform::TShiftState shift) override;
    void ControlKeyPress(QChar& key) override;
    void HandleMouseWheelDown(platform::TShiftState shift, QPoint mousePos, bool& handled) override;
    void HandleMouseWheelUp(platform::TShiftState shift, QPoint mousePos, bool& handled) override;
    void HandleKeyDownMessage(platform::Word& key) override;
    void HandleCharMessage(QChar& key) override;
    void HandleSetFocusMessage() override;
    void NavigateFromEdit(platform::Word key) override;

private:
    // The per-opening set-up of the inner grid.
    void ConfigureGrid();
    void ConnectGridEvents();
    void RenewBalloonOnce();
    bool GridEditing() const;
    // BlockActivate of the pop-up on while it lives.
    class TBlockActivateScope;

    griddropdown::TExColGrid* FGrid = nullptr;
    bool FUseItems = true;
    TLookupMethod FLookupMethod = lmLookup;
    TDropDownStyle FStyle = dsDropDown;
    TGridSorting FSorting = gsNone;
    bool FAutoShowDropDown = false;
    bool FAutoSizeColumns = true;
    bool FColumnMoving = false;
    bool FRowSizing = false;
    bool FRowMoving = false;
    bool FRowSelect = true;
    bool FGridEditable = false;
    QPointer<TImageList> FGridImages;
    bool FHoverRow = false;
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    std::unique_ptr<grid::TSearchFooter> FSearchFooter;
    grid::TBands FBands;
    grid::TNavigation FNavigation;
    grid::TMouseActions FMouseActions;
    int FSelectedRow = -1;
    int FSortIndex = -1;
    bool FBalloonRenewed = false;
    bool FOpening = false;
    bool FHiding = false;
    bool FConstructed = false;
};

}  // namespace dropdown
