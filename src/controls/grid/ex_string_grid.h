#pragma once

// TExStringGrid: the string grid of every rule table. On the base grid
// (window + cell store) it adds hidden columns and rows, typed cell access,
// selection flags, headers, settings objects and the per-cell query hooks
// through which the column grid and the forms answer questions about cells.
//
// Index spaces: a column argument is a storage column (hidden columns stay
// in storage beyond ColCount) unless it is named a display column; a row is
// a display row unless named an all-rows index (hidden rows counted in place).
//
// The class is implemented in several files, one per concern, and its
// members are grouped below by the same concerns; each group names its file.
// Later work adds its own group and its own ex_string_grid_*.cpp file.

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include <QDateTime>
#include <QStringList>
#include <QTimer>

#include "controls/grid/base_grid.h"
#include "controls/grid/cell_graphic.h"
#include "controls/grid/grid_change_notifier.h"
#include "controls/grid/grid_item.h"
#include "controls/grid/grid_service_settings.h"
#include "controls/grid/grid_settings.h"
#include "controls/grid/int_lists.h"

namespace grid {

// ----------------------------------------------------------------- types

enum TGridLook : uint8_t { glStandard, glSoft, glClassic, glQVR, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
enum THintShowLargeTextPos : uint8_t { hpCell, hpCursor };
enum THoverFixedCells : uint8_t { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TIntelliPan : uint8_t { ipVertical, ipHorizontal, ipBoth, ipNone };
enum TInvalidEntryIcon : uint8_t { ieNone, ieInfo, ieWarning, ieError };
enum TScrollHintType : uint8_t { shNone, shVertical, shHorizontal, shBoth };
enum TFilterDropDownColumns : uint8_t { fdNormal, fdAll };
enum TScrollBarAlways : uint8_t { saNone, saVert, saHorz, saBoth };
enum TSortStyle : uint8_t {
    ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU, ssShortDateUS, ssCustom,
    ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML, ssImages, ssCheckBox, ssDateTime, ssTime,
    ssAlphaNumeric, ssAlphaNumericNoCase
};
enum TSearchAction : uint8_t { saFindFirst, saFindPrevious, saFindNext };
enum TCellBorder : uint8_t { cbTop = 1, cbLeft = 2, cbRight = 4, cbBottom = 8 };
using TCellBorders = uint8_t;
enum TDragScrollDirectionFlag : uint8_t { dsdUp = 1, dsdDown = 2, dsdLeft = 4, dsdRight = 8 };
using TDragScrollDirection = uint8_t;
enum TDragState : uint8_t { dsDragEnter, dsDragLeave, dsDragMove };

// The one selection listener a grid keeps: told (current column, new row)
// whenever the current cell moves.
class ITExStringGridSelect {
public:
    virtual ~ITExStringGridSelect() = default;
    virtual void SelectionChanged(int ACol, int ARow) = 0;
};

// A pen as the border hooks hand it around.
struct TGridPen {
    TColor Color = clBlack;
    int Width = 1;
};

// Process-wide names of the grid unit: the clipboard (drag and drop) format
// of cell blocks and the two notification names of its editors.
inline constexpr const char* GridCellsClipboardFormat = "TExStringGrid Cells";
inline constexpr const char* GridEditDoneMessage = "GridEditDone";
inline constexpr const char* GridDTPShiftFocusMessage = "DTPShiftFocus";
// The cursor shown over a link in a cell.
inline constexpr Qt::CursorShape GridURLCursor = Qt::PointingHandCursor;

// The values of the process-wide number and date format settings at the moment of the call.
QChar GetTimeSeparator();
QChar GetDateSeparator();
QChar GetThousandSeparator();
QChar GetDecimalSeparator();
QString GetShortDateFormat();
QString GetShortTimeFormat();
QString GetLongTimeFormat();
// The first window (form) in the chain of parents starting with the widget
// itself; nullptr for nullptr.
QWidget* FindParentForm(QWidget* control);

class TExStringGrid : public TBaseGrid {
    Q_OBJECT
public:
    using Sender = QObject*;

    // ============================================================
    // Construction and window life                ex_string_grid.cpp
    // ============================================================
    explicit TExStringGrid(QWidget* parent = nullptr);
    ~TExStringGrid() override;

    // Copies settings, sizes and cells from another string grid; any other
    // source changes nothing.
    void Assign(const QObject* Source);
    // Copies the cells (texts and sizes) of another grid.
    virtual void AssignCells(const TExStringGrid& Source);
    // Loading from stored settings: between BeginLoading and Loaded the
    // remembered minimums do not change and stretching waits.
    void BeginLoading() { FLoading = true; }
    void Loaded();
    bool IsLoading() const { return FLoading; }
    bool IsLoadedOnce() const { return FLoadedOnce; }
    virtual bool IsDesigning() const { return false; }

    void Invalidate() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    void UpdateScrollBarVisibility(bool Force);
    TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
    void SetScrollBarAlways(TScrollBarAlways value) { FScrollBarAlways = value; }
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool value) { FIntegralHeight = value; }
    bool SizeWithForm() const { return FSizeWithForm; }
    void SetSizeWithForm(bool value) { FSizeWithForm = value; }
    // The owner form's resize: grows the grid with the form when SizeWithForm,
    // then fits the stretch column.
    void GridFormResize(QWidget* form);

    // ============================================================
    // Cell query hooks                     ex_string_grid_queries.cpp
    // ============================================================
    // Each computes a default from the grid's settings, then fires its event.
    virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void DoSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchAction SearchAction);
    virtual void DoButtonClick(int ACol, int ARow);
    virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
    virtual void DoComboCloseUp(int ARow, int ACol);
    virtual void DoComboDropDown(int ARow, int ACol);
    virtual void GetCellCursor(int ACol, int ARow, int X, int Y);
    virtual void GetGridHint(int ACol, int ARow, QString& AHint, QString& AWideHint);
    virtual void GetCellColor(int ACol, int ARow, platform::TGridDrawState AState, platform::TBrush& ABrush,
                              platform::TFont& AFont);
    virtual void GetCellPrintColor(int ACol, int ARow, platform::TGridDrawState AState, platform::TBrush& ABrush,
                                   platform::TFont& AFont);
    virtual void GetCellBorder(int ACol, int ARow, TGridPen& APen, TCellBorders& Borders);
    virtual void GetCellPrintBorder(int ACol, int ARow, TGridPen& APen, TCellBorders& Borders);
    virtual void GetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void GetColFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix);
    virtual void QueryEditorType(int ACol, int ARow, TEditorType& AEditor);
    virtual void GetCellEditor(int ACol, int ARow, TEditorType& AEditor);
    virtual bool IsNoEditorCell(int ACol, int ARow);
    virtual void IsFixedCell(int ACol, int ARow, bool& IsFixed);
    virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void IsPasswordCell(int ACol, int ARow, bool& IsPassword);
    virtual void GetCellWordWrap(int ACol, int ARow, bool& WordWrap);
    virtual bool HasComboBox(int ACol, int ARow);
    virtual bool HasSpinEdit(int ACol, int ARow);
    virtual void GetCheckTrue(int ACol, int ARow, QString& Value);
    virtual void GetCheckFalse(int ACol, int ARow, QString& Value);
    virtual bool GetColumnFilter(int ACol);
    void GetDefaultCellProperties(int ACol, int ARow, TCellFont& AFont, TColor& ABrushColor, TColor& AColorTo,
                                  TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                  bool& WW, TCellGradientDirection& GD) override;
    // The cell's font: the grid font, or the scratch font set from the cell's properties.
    const TCellFont& GetCellFont(int i, int j);
    QString GetEditMask(int ACol, int ARow);
    void DoGridButtonClick();
    // Fixed cells (display column): footer rows and right fixed columns, else IsFixedCell.
    bool IsFixed(int ACol, int ARow) const override;
    bool HasCellBorders() const override { return bool(OnGetCellBorder); }
    // Relays of the date editors (the editing service attaches them).
    void DatePickerChange(bool timeKind, const QDateTime& value);
    void DatePickerCloseUp();
    void DatePickerDropDown();
    void DateTimeChange(const QDateTime& value);

    QString CheckTrue = QStringLiteral("Y");
    QString CheckFalse = QStringLiteral("N");
    TEditorType DefaultEditor = edNormal;
    QString EditMask;
    bool FilterDropDownAuto = false;
    TFilterDropDownColumns FilterDropDownColumns = fdNormal;
    QString FilterDropDownClear = QStringLiteral("(All)");
    bool FilterIncremental = false;
    // The filter drop-down's item list (sorted while it is filled, duplicates dropped).
    QStringList FilterList;

    // ============================================================
    // Settings objects                      ex_string_grid.cpp
    // ============================================================
    TNavigation& Navigation() { return FNavigation; }
    void SetNavigation(const TNavigation& value) { FNavigation.Assign(value); }
    TMouseActions& MouseActions() { return FMouseActions; }
    void SetMouseActions(const TMouseActions& value) { FMouseActions.Assign(value); }
    TSearchFooter& SearchFooter() { return *FSearchFooter; }
    void SetSearchFooter(const TSearchFooter& value) { FSearchFooter->Assign(value); }
    TSyncGrid& SyncGrid() { return FSyncGrid; }
    void SetSyncGrid(const TSyncGrid& value) { FSyncGrid.Assign(value); }
    TBands& Bands() { return FBands; }
    void SetBands(const TBands& value) { FBands.Assign(value); }
    TBalloonSettings& Balloon() { return FBalloon; }
    void SetBalloon(const TBalloonSettings& value) { FBalloon.Assign(value); }
    TShowModified& ShowModified() { return FShowModified; }
    void SetShowModified(const TShowModified& value) { FShowModified.Assign(value); }
    TGridProgressAppearance& ProgressAppearance() { return FProgressAppearance; }
    void SetProgressAppearance(const TGridProgressAppearance& value) { FProgressAppearance.Assign(value); }
    TCellNode& CellNode() { return FCellNode; }
    void SetCellNode(const TCellNode& value) { FCellNode.Assign(value); }
    TColumnSize& ColumnSize() { return FColumnSize; }
    void SetColumnSize(const TColumnSize& value) { FColumnSize.Assign(value); }
    TFocusHelper& FocusHelper() { return FFocusHelper; }
    void SetFocusHelper(const TFocusHelper& value) { FFocusHelper.Assign(value); }
    TFloatingFooter& FloatingFooter() { return FFloatingFooter; }
    TControlLook& ControlLook() { return FControlLook; }
    TBackGround& BackGround() { return FBackGround; }
    TGrouping& Grouping() { return FGrouping; }
    TDragScrollOptions& DragScrollOptions() { return FDragScrollOptions; }
    // The empty change hooks bound to MouseActions and Navigation.
    virtual void MouseActionsChanged() {}
    virtual void NavigationChanged() {}

    // ============================================================
    // Look and cell drawing (the painting service's least)
    //                                        ex_string_grid_paint.cpp
    // ============================================================
    TGridLook Look() const { return FLook; }
    void SetLook(TGridLook value);
    const TCellFont& FixedFont() const { return FFixedFont; }
    void SetFixedFont(const TCellFont& value);
    const TCellFont& ActiveCellFont() const { return FActiveCellFont; }
    void SetActiveCellFont(const TCellFont& value);
    bool ActiveCellShow() const { return FActiveCellShow; }
    void SetActiveCellShow(bool value);
    TColor ActiveCellColor = 0x00808080;
    TColor ActiveCellColorTo = clNone;
    TColor SelectionColor = 0x00EACAB6;
    TColor SelectionColorTo = clNone;
    TColor SelectionMirrorColor = clNone;
    TColor SelectionMirrorColorTo = clNone;
    int SelectionColorMixerFactor = 50;
    TColor SelectionTextColor = clHighlightText;
    TColor HintColor = clInfoBk;
    TColor HighlightColor = clHighlight;
    TColor HighlightTextColor = clHighlightText;
    TColor DisabledFontColor = clSilver;
    TColor URLColor = clBlue;
    TColor ScrollColor = clNone;
    int ScrollWidth = 17;
    TInvalidEntryIcon InvalidEntryIcon = ieWarning;
    bool EnableHTML = true;
    bool EnableWheel = true;
    bool IntelliZoom = true;
    bool EnhRowColMove = true;
    bool AutoFilterUpdate = true;
    bool FilterNormalCellsOnly = true;
    bool ShowDesignHelper = true;
    bool UseInternalHintClass = true;
    bool ShowSelection() const { return ShowSel(); }
    void SetShowSelection(bool value);
    TColor QVRGradientFrom = clWhite;
    TColor QVRGradientTo = clNone;  // set to the button face's RGB by the constructor
    TColor QVRGradientMirrorFrom = clNone;
    TColor QVRGradientMirrorTo = clNone;
    QPoint XYOffset{2, 2};
    bool FitCellsInGrid = true;
    bool UseDisabledFont = true;
    void GetVisualProperties(int ACol, int ARow, platform::TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             platform::TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             platform::TFont& AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override;
    void DrawCellContents(platform::TCanvas& ACanvas, int ACol, int ARow, const platform::TRect& ARect,
                          platform::TGridDrawState AState) override;
    // Horizontal and vertical alignment of a cell (storage column).
    void GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA);
    std::function<void(Sender, platform::TCanvas&)> OnPainted;

    // ============================================================
    // Hidden columns and column index mapping   ex_string_grid_columns.cpp
    // ============================================================
    static constexpr int MaxHiddenColumnIndex = 511;
    void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
    void UnHideColumns(int FromCol, int ToCol);
    void UnHideColumnsAll();
    bool IsHiddenColumn(int Colindex) const;
    int NumHiddenColumns() const { return FNumHidden; }
    int TotalColCount() const override { return ColCount() + FNumHidden; }
    int RealColIndex(int ACol) const override;
    int DisplColIndex(int ACol) const override;
    int RealCol() const { return RealColIndex(Col()); }
    bool GetColVisible(int index) const;
    void SetColVisible(int index, bool value);

    // ============================================================
    // Hidden rows and row index mapping          ex_string_grid_rows.cpp
    // ============================================================
    void HideRow(int Rowindex) { HideRows(Rowindex, Rowindex); }
    void HideRows(int FromRow, int ToRow);
    void HideRowList(const std::vector<int>& RowList);
    void HideRowsEx(int FromRow, int ToRow);
    void UnHideRow(int Rowindex);
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    void UnHideRowList();
    bool IsHiddenRow(int Rowindex) const;
    int NumHiddenRows() const { return int(FGridItems.size()); }
    int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    int RealRowIndex(int ARow) const;
    int DisplRowIndex(int ARow) const;
    int RealRow() const { return RealRowIndex(Row()); }
    int FilterLevel() const { return FFilterLevel; }
    void SetFilterLevel(int value) { FFilterLevel = value; }
    // The hidden row with all-rows index r, or nullptr.
    TGridItem* HiddenRowItem(int r) const;
    const std::vector<std::unique_ptr<TGridItem>>& HiddenRowItems() const { return FGridItems; }

    // ============================================================
    // Dimensions, fixed cells and current cell  ex_string_grid_dimensions.cpp
    // ============================================================
    void SetRowCount(int value) override;
    void SetColCount(int value) override;
    void SetRow(int value) override;
    void SetCol(int value) override;
    void SetTopRow(int value) override;
    // 1 when the window holds none while FixedRowAlways (FixedColAlways) is on.
    int FixedRows() const;
    int FixedCols() const;
    void SetFixedRows(int value) override;
    void SetFixedCols(int value) override;
    int FixedFooters() const { return FFixedFooters; }
    void SetFixedFooters(int value);
    int FixedRightCols() const { return FFixedRightCols; }
    void SetFixedRightCols(int value);
    int FixedRowHeight() const { return FFixedRowHeight; }
    void SetFixedRowHeight(int value);
    int FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int value);
    void SetDefaultRowHeight(int value);
    bool FixedRowAlways() const { return FFixedRowAlways; }
    void SetFixedRowAlways(bool value) { FFixedRowAlways = value; }
    bool FixedColAlways() const { return FFixedColAlways; }
    void SetFixedColAlways(bool value) { FFixedColAlways = value; }
    int FixedRowsMin() const { return FFixedRowsMin; }
    int FixedColsMin() const { return FFixedColsMin; }
    int MaxRowCount() const { return FMaxRowCount; }
    int MaxColCount() const { return FMaxColCount; }
    TAlignment DefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(TAlignment value);
    bool WordWrap() const { return FWordWrapEx; }
    void SetWordWrap(bool value);
    bool SaveFixedCells = true;
    bool SaveFixedCols = false;
    bool SaveFixedRows = false;
    int SaveStartCol() const;
    int SaveEndCol() const;
    int SaveColCount() const;
    int SaveStartRow() const;
    int SaveEndRow() const;
    int SaveRowCount() const;
    platform::TGridRect UsedCells() const;
    void ScreenToCell(QPoint pt, int& ACol, int& ARow) const;
    bool IsInSizingZone(int X, int Y) const;
    bool IsIgnoredColumn(int ACol) const { return FIgnoreColumns.HasValue(ACol); }
    TIntList& IgnoreColumns() { return FIgnoreColumns; }
    void MoveRows(int FromIndex, int ToIndex, int Count);
    void SwapCells(platform::TGridCoord FromCell, platform::TGridCoord ToCell);
    void MoveToCell(int ACol, int ARow);
    virtual void IncRowCount() { SetRowCount(RowCount() + 1); }
    void MoveColumn(int FromIndex, int ToIndex) override;
    std::function<void(Sender, int OldRow, int NewRow)> OnRowUpdate;

    // ============================================================
    // Typed cell access, fills and footer      ex_string_grid_typed.cpp
    // ============================================================
    int Ints(int ACol, int ARow) const;
    void SetInts(int ACol, int ARow, int value);
    int AllInts(int ACol, int ARow) const;
    void SetAllInts(int ACol, int ARow, int value);
    double Floats(int ACol, int ARow) const;
    void SetFloats(int ACol, int ARow, double value);
    double AllFloats(int ACol, int ARow) const;
    void SetAllFloats(int ACol, int ARow, double value);
    QDate Dates(int ACol, int ARow) const;
    void SetDates(int ACol, int ARow, const QDate& value);
    QTime Times(int ACol, int ARow) const;
    void SetTimes(int ACol, int ARow, const QTime& value);
    QString ControlValues(int ACol, int ARow, const QString& ID) const;
    void SetControlValues(int ACol, int ARow, const QString& ID, const QString& value);
    virtual void GetCellFloatFormat(int ACol, int ARow, QString& format);
    void TextFill(bool DoFixed, const QString& Txt);
    void FormatFill(bool DoFixed, const QString& Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    void LinearFill(bool DoFixed);
    virtual void CalcFooter(int ACol);
    virtual void CalcFooterColumns(int ACol);
    virtual void CellsLoaded() { CalcFooter(-1); }
    QString Version() const;
    QString FloatFormat = QStringLiteral("%.2f");
    bool ShowNullDates = true;
    std::function<void(Sender, int ACol, int ARow, QString& Value)> OnFooterCalc;

    // ============================================================
    // Selection, row and column flags, repainting  ex_string_grid_selection.cpp
    // ============================================================
    void SetSelection(const platform::TGridRect& value) override;
    bool RowSelect(int ARow);
    void SetRowSelect(int ARow, bool Value);
    bool ColSelect(int ACol) const;
    void SetColSelect(int ACol, bool Value);
    int RowSelectCount() const;
    int ColSelectCount() const;
    const std::vector<int>& SelectedRows() const { return FSelectedRows; }
    bool RowModified(int ARow) const;
    void SetRowModified(int ARow, bool Value);
    int ModifiedRowCount() const;
    bool RowEnabled(int ARow) const;
    void SetRowEnabled(int ARow, bool Value);
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void ClearRowSelect();
    void ClearColSelect();
    void FocusCell(int ACol, int ARow);
    void GotoCell(int ACol, int ARow);
    void EditCell(int ACol, int ARow);
    void HideSelection();
    void UnHideSelection();
    bool SelectionHidden() const { return FSelHidden; }
    void UpdateEditMode();
    void ScrollInView(int ColIndex, int RowIndex);
    void SelectionToRowSelect(bool All);
    void SelectionToColSelect(bool All);
    // Display columns and rows.
    void RepaintRect(const platform::TGridRect& r);
    void RepaintRow(int ARow);
    void RepaintCol(int ACol);
    void RepaintActiveHeaders(int OldCol, int OldRow, int NewCol, int NewRow);
    bool IsLastRowShown() const;
    void ShowLastRowAboveFooter();
    virtual void SelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    void RegisterSelListener(ITExStringGridSelect* AListener) { FISelect = AListener; }
    void UnRegisterSelListener(ITExStringGridSelect*) { FISelect = nullptr; }
    ITExStringGridSelect* SelListener() const { return FISelect; }
    bool SelChange() const { return FSelChange; }
    QImage RowIndicator;
    std::function<void(Sender, int ARow, bool AState, bool& Allow)> OnRowDisjunctSelect;
    std::function<void(Sender, int ARow)> OnRowDisjunctSelected;
    std::function<void(Sender, int ALeft, int ATop, int ARight, int ABottom)> OnSelectionChanged;

    // ============================================================
    // Headers, lookup items and combo lists      ex_string_grid_headers.cpp
    // ============================================================
    const QStringList& ColumnHeaders() const { return FColumnHeaders; }
    void SetColumnHeaders(const QStringList& value);
    void ClearColumnHeaders();
    void ShowColumnHeaders();
    const QStringList& RowHeaders() const { return FRowHeaders; }
    void SetRowHeaders(const QStringList& value);
    void ClearRowHeaders();
    void ShowRowHeaders();
    virtual void ColumnHeadersChanged() {}
    const QStringList& LookupItems() const { return FLookupItems; }
    void SetLookupItems(const QStringList* value);
    bool Lookup = false;
    bool LookupCaseSensitive = false;
    bool LookupHistory = false;
    // The combo editor's item list (with an object per item, not owned).
    const QStringList& ComboItems() const { return FComboItems; }
    void ClearComboString();
    void AddComboString(const QString& s);
    void AddComboStringObject(const QString& s, QObject* AObject);
    QObject* ComboObject(int index) const;
    bool RemoveComboString(const QString& s);
    bool SetComboSelectionString(const QString& s);
    void SetComboSelection(int idx) { FComboIdx = idx; }
    int ComboSelection() const { return FComboIdx; }
    int GetComboCount() const { return int(FComboItems.size()); }
    int ComboIndex(int ACol, int ARow);
    void SetComboIndex(int ACol, int ARow, int Value);
    TIntList& MergedColumns() { return FMergedColumns; }
    void UnmergeColumns();
    void RemergeColumns();

    // ============================================================
    // Change notifications, column sizing, drag scrolling, hooks
    //                                           ex_string_grid_notify.cpp
    // ============================================================
    void ComponentNotification(QObject* component);
    void HandleDragOver(QObject* source, int X, int Y, TDragState state, bool& Accept);
    void DragScrollTimer();
    bool DragScrolling() const { return FDragTmr != nullptr; }
    TDragScrollDirection DragScrollDirectionNow() const { return FDragScrollDirection; }
    // Widens one display column so that the columns fill the client width
    // (-1: the last); raises for a column outside the grid.
    void StretchColumn(int ACol);
    void StretchRightColumn() { StretchColumn(-1); }
    // The stretch of the resize and size-change handlers: never raises; a
    // stretch column beyond the columns (after hiding some) means the last.
    void FitStretchColumn();
    // Scales the columns in proportion to fill the control's width.
    void AutoFitColumns(bool DoFixedCells);
    TColor ArrowColor() const { return FArrowColor; }
    void SetArrowColor(TColor value) { FArrowColor = value; }
    void RegisterNotifier(TGridChangeNotifier* ANotifier) { FNotifierList.RegisterNotifier(ANotifier); }
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier) { FNotifierList.UnRegisterNotifier(ANotifier); }
    void UpdateFooter();
    void LastRowChanged() override;
    bool CellIsPassword(int ACol, int ARow);
    bool StyleEngineActive() const override { return FStyleEngine; }
    virtual void F2KeyHook() {}
    virtual void DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, QStringList& Values);
    virtual void EditTextHook(const QString&) {}
    virtual void InsertRowAt(int ARow);
    virtual void AutoDeleteRow(int ARow);
    virtual void DoFilterDone();
    virtual void DoUpdateColumnSize(int ACol, int& AWidth);
    virtual void DoUpdateAutoColumnSize(int ACol, int& AWidth);
    // The user's sizing, as the mouse handling records it.
    int Colclicked = -1;
    int Rowclicked = -1;
    int Colclickedsize = -1;
    int Rowclickedsize = -1;
    bool ColSized = false;
    bool Rowsized = false;
    std::function<void(Sender, int ARow)> OnAutoDeleteRow;
    std::function<void(Sender, int TopRow, int LeftCol, TDragScrollDirection& Direction, bool& CanScroll)> OnDragScroll;
    std::function<void(Sender, int ACol)> OnEndColumnSize;
    std::function<void(Sender, int ARow)> OnEndRowSize;
    std::function<void(Sender)> OnFilterDone;
    std::function<void(Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor, QStringList& Values)> OnFixedEdit;
    std::function<void(Sender)> OnRichEditSelectionChange;
    std::function<void(Sender, int ACol, int& AWidth)> OnUpdateColumnSize;

    // ============================================================
    // Cell access by index space, column order, per-cell properties
    //                                           ex_string_grid_cells.cpp
    // ============================================================
    QString CellsEx(int c, int r) const;
    void SetCellsEx(int c, int r, const QString& value);
    QString GridCellsEx(int c, int r) const;
    void SetGridCellsEx(int c, int r, const QString& value);
    uintptr_t ObjectsEx(int c, int r) const;
    void SetObjectsEx(int c, int r, uintptr_t value);
    TCellProperties* GetRealRowObject(int c, int r) const;
    const TCellRow* HiddenRowTexts(int r) const;
    int AllColCount() const { return TotalColCount(); }
    int AllRowCount() const { return TotalRowCount(); }
    int AllColWidths(int c) const;
    void SetAllColWidths(int c, int value);
    QString CurrentCell() const;
    void SetCurrentCell(const QString& value);
    virtual QString GetCurrentCellEx() const;
    virtual void SetCurrentEditText(const QString& value);
    int SortedRowIndex(int ARow) const;
    int UnSortedRowIndex(int ARow) const;
    QString UnSortedCells(int c, int r) const;
    void SetUnSortedCells(int c, int r, const QString& value);
    void SetColumnOrder();
    bool HasColumnOrder() const { return FColumnOrder.Count() > 0; }
    int ColumnPosition(int ACol) const;
    int ColumnAtPosition(int APos);
    void ResetColumnOrder();
    QString OriginalCells(int c, int r) const;
    void SetOriginalCells(int c, int r, const QString& value);
    int ColumnByHeader(const QString& AValue) const;
    TColor Colors(int c, int r) const;
    void SetColors(int c, int r, TColor value);
    TColor ColorsTo(int c, int r) const;
    void SetColorsTo(int c, int r, TColor value);
    TCellGradientDirection GradientDir(int c, int r) const;
    void SetGradientDir(int c, int r, TCellGradientDirection value);
    bool ReadOnly(int c, int r) const;
    void SetReadOnly(int c, int r, bool value);
    bool WordWraps(int c, int r);
    void SetWordWraps(int c, int r, bool value);
    TColor FontColors(int c, int r) const;
    void SetFontColors(int c, int r, TColor value);
    TFontStyles FontStyles(int c, int r) const;
    void SetFontStyles(int c, int r, TFontStyles value);
    QString FontNames(int c, int r) const;
    void SetFontNames(int c, int r, const QString& value);
    int FontSizes(int c, int r) const;
    void SetFontSizes(int c, int r, int value);
    TAlignment Alignments(int c, int r) const;
    void SetAlignments(int c, int r, TAlignment value);
    void SetCellFont(int c, int r, const TCellFont& font);
    void SetRowColor(int r, TColor color);
    void SetRowColorTo(int r, TColor color);
    void SetRowFontColor(int r, TColor color);
    int GetLinesInCell(int c, int r) const;
    QString GetStrippedCell(int c, int r) const;
    // Repaints outside an update bracket only.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    bool UpdateRunning() const { return FUpdateCount > 0; }

    // ============================================================
    // Services of the editing and data operations, as far as this
    // grid calls them                          ex_string_grid_services.cpp
    // ============================================================
    // The editing service: close (value written back) and open the editor.
    void HideInplaceEdit();
    void ShowInplaceEdit();
    virtual void GetEditorProp(int ACol, int ARow, QObject* AEditLink);
    // Cells changed: OnCellsChanged, the registered notifiers, the footer.
    virtual void CellsChanged(const QRect& R);
    // Row-range primitives: remove / insert display rows, the cell store and
    // the row heights kept in step, hidden-row indexes untouched.
    void DeleteRowRange(int ARow, int Count);
    void InsertRowRange(int ARow, int Count);
    // The column calculations of the footer (column = storage column; -1
    // rows mean the normal rows); non-numeric cells are skipped.
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    double ColumnDistinct(int ACol, int FromRow, int ToRow);
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    // The kind of the cell's graphic; ctEmpty for a cell without one.
    virtual TCellType GetCellType(int ACol, int ARow) const;
    // Tree nodes and grouping (none in this grid yet).
    virtual bool IsNode(int) const { return false; }
    virtual bool IsSummary(int) const { return false; }
    int GroupColumn() const { return FGroupColumn; }
    // One entry per display row: its place before the last sort.
    TIntList& SortRowXRef() { return FSortRowXRef; }
    std::function<void(Sender, int ACol, int ARow, QObject* AEditLink)> OnGetEditorProp;
    std::function<void(Sender, const QRect& R)> OnCellsChanged;

    // ============================================================
    // Events of the query hooks
    // ============================================================
    std::function<void(Sender, int ARow, int ACol, bool& CanEdit)> OnCanEditCell;
    std::function<void(Sender, const QString& Value, int ACol, int ARow, TSearchAction SearchAction)> OnSearchFooterAction;
    std::function<void(Sender, int ACol, int ARow)> OnButtonClick;
    std::function<void(Sender, int ACol, int ARow, bool Expanded)> OnExpandClick;
    std::function<void(Sender, int ARow, int ACol)> OnComboCloseUp;
    std::function<void(Sender, int ARow, int ACol)> OnComboDropDown;
    std::function<void(Sender, int ARow, int ACol)> OnDatePickerCloseUp;
    std::function<void(Sender, int ARow, int ACol)> OnDatePickerDropDown;
    std::function<void(Sender, int ACol, int ARow, int X, int Y, Qt::CursorShape& ACursor)> OnGetCellCursor;
    std::function<void(Sender, int ARow, int ACol, QString& hintstr)> OnGridHint;
    std::function<void(Sender, int ARow, int ACol, QString& hintstr)> OnGridWideHint;
    std::function<void(Sender, int ARow, int ACol, platform::TGridDrawState AState, platform::TBrush& ABrush,
                       platform::TFont& AFont)>
        OnGetCellColor;
    std::function<void(Sender, int ARow, int ACol, platform::TGridDrawState AState, platform::TBrush& ABrush,
                       platform::TFont& AFont)>
        OnGetCellPrintColor;
    std::function<void(Sender, int ARow, int ACol, TGridPen& APen, TCellBorders& Borders)> OnGetCellBorder;
    std::function<void(Sender, int ARow, int ACol, TGridPen& APen, TCellBorders& Borders)> OnGetCellPrintBorder;
    std::function<void(Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)> OnGetAlignment;
    std::function<void(Sender, int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)> OnGetFormat;
    std::function<void(Sender, int ACol, int ARow, TEditorType& AEditor)> OnGetEditorType;
    std::function<void(Sender, int ARow, int ACol, bool& IsFixed)> OnIsFixedCell;
    std::function<void(Sender, int ARow, int ACol, bool& IsPassword)> OnIsPasswordCell;
    std::function<void(Sender, int ACol, int ARow, bool& WordWrap)> OnGetWordWrap;
    std::function<void(Sender, int ACol, int ARow, bool& HasComboBox)> OnHasComboBox;
    std::function<void(Sender, int ACol, int ARow, bool& HasSpinEdit)> OnHasSpinEdit;
    std::function<void(Sender, int ACol, int ARow, QString& Value)> OnGetCheckTrue;
    std::function<void(Sender, int ACol, int ARow, QString& Value)> OnGetCheckFalse;
    std::function<void(Sender, int Column, QStringList& Filter)> OnGetColumnFilter;
    std::function<void(Sender, int ACol, int ARow, const QDateTime& ADateTime)> OnDateTimeChange;
    std::function<void(Sender, int ACol, int ARow, const QString& Value)> OnEditChange;
    std::function<void(Sender, int ACol, int ARow, QString& Value)> OnGetEditMask;

protected:
    // Window life.
    void Paint() override;
    void Resize() override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void ColumnMovedNotice(int FromIndex, int ToIndex) override;
    void RowMovedNotice(int FromIndex, int ToIndex) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ----- construction
    void WireSettings();
    // ----- hidden columns
    int RealToDisplCol(int c) const;
    int DisplToRealCol(int d) const;
    // ----- hidden rows
    int HiddenBelow(int r) const;
    std::vector<int> HiddenIndexes() const;
    void RestoreItemRow(int displayRow, TGridItem& item);
    // ----- dimensions
    void ApplyFloatingFooterMove(int oldCount, int newCount);
    // ----- typed access
    template <typename Fill> void FillCells(bool DoFixed, Fill&& fill);
    // ----- per-cell properties
    void RepaintStorageCell(int c, int r);
    // ----- drag scrolling
    void StopDragScroll();
    // ----- column sizing
    void StretchColumnChecked(int ACol, bool raiseOutOfRange);
    void ScaleOtherSizes(bool columns, int sized, double factor);

    // Window life.
    bool FLoading = false;
    bool FLoadedOnce = false;
    bool FCellChangedByEditor = false;
    TColor FBorderColor = 0x00B99D7F;
    TScrollBarAlways FScrollBarAlways = saNone;
    bool FIntegralHeight = false;
    bool FSizeWithForm = false;
    QWidget* FOwnerForm = nullptr;
    QSize FFormSize;
    bool FStyleEngine = false;
    int FUpdateCount = 0;
    int FGroupColumn = -1;

    // Settings objects.
    TNavigation FNavigation;
    TMouseActions FMouseActions;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    TSyncGrid FSyncGrid{this};
    TBands FBands;
    TBalloonSettings FBalloon;
    TShowModified FShowModified;
    TGridProgressAppearance FProgressAppearance;
    TCellNode FCellNode{this};
    TColumnSize FColumnSize{this};
    TFocusHelper FFocusHelper{this};
    TFloatingFooter FFloatingFooter;
    TControlLook FControlLook;
    TBackGround FBackGround;
    TGrouping FGrouping;
    TDragScrollOptions FDragScrollOptions;

    // Look.
    TGridLook FLook = glXP;
    TCellFont FFixedFont;
    TCellFont FActiveCellFont;
    TCellFont FCellFontScratch;
    bool FActiveCellShow = false;

    // Hidden columns.
    std::array<bool, 513> FVisibleCol{};
    std::array<int16_t, 513> FAllColWidths{};
    int FNumHidden = 0;

    // Hidden rows.
    std::vector<std::unique_ptr<TGridItem>> FGridItems;
    int FFilterLevel = 0;

    // Dimensions.
    bool FFixedRowAlways = false;
    bool FFixedColAlways = false;
    int FFixedRowsMin = 1;
    int FFixedColsMin = 1;
    int FMaxRowCount = 0;
    int FMaxColCount = 0;
    int FFixedFooters = 0;
    int FFixedRightCols = 0;
    int FFixedRowHeight = 22;
    TAlignment FDefaultAlignment = taLeftJustify;
    bool FWordWrapEx = true;
    int FOldRowSel = 0;
    TIntList FColumnOrder;
    TIntList FIgnoreColumns;

    // Selection.
    std::vector<bool> FRowSelect;
    std::vector<bool> FColSelect;
    std::vector<int> FSelectedRows;
    std::vector<int> FModifiedRows;
    std::vector<int> FEnabledRows;
    bool FUseEnabledRows = false;
    platform::TGridRect FOldSelection;
    bool FSelHidden = false;
    bool FSelChange = false;
    ITExStringGridSelect* FISelect = nullptr;

    // Headers and combo lists.
    QStringList FColumnHeaders;
    QStringList FRowHeaders;
    QStringList FLookupItems;
    QStringList FComboItems;
    std::vector<QObject*> FComboObjects;
    int FComboIdx = -1;
    TIntList FMergedColumns;

    // Notifications, sizing, drag scrolling.
    bool FIsColChanging = false;
    bool ColchgFlg = false;
    std::unique_ptr<QTimer> FDragTmr;
    TDragScrollDirection FDragScrollDirection = 0;
    TColor FArrowColor = clBlack;
    TGridNotifierList FNotifierList;

    // Sorting bookkeeping of the data operations.
    TIntList FSortRowXRef;
};

}  // namespace grid
