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
#include <bitset>
#include <functional>
#include <memory>
#include <vector>

#include <QDateTime>
#include <QImage>
#include <QMimeData>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QScrollBar>
#include <QTimer>

class QListWidget;
class QLabel;
class QPainter;
class QPrinter;
class QIODevice;

#include "controls/grid/string_grid/data/filter_integer_cache.h"
#include "controls/grid/floating/balloon_timing.h"
#include "controls/grid/base/base_grid.h"
#include "controls/grid/io/html_settings.h"
#include "controls/grid/editors/date_time_value.h"
#include "controls/grid/cells/cell_graphic.h"
#include "controls/grid/cells/grid_change_notifier.h"
#include "controls/grid/settings/grid_filter.h"
#include "controls/grid/text/filter_matcher.h"
#include "controls/grid/paint/grid_focus_glow.h"
#include "controls/grid/cells/control_list.h"
#include "controls/grid/cells/grid_image_list.h"
#include "controls/grid/cells/hidden_rows.h"
#include "controls/grid/settings/grid_sort_settings.h"
#include "controls/grid/settings/grid_service_settings.h"
#include "controls/grid/paint/cell_objects.h"
#include "controls/grid/paint/grid_looks.h"
#include "controls/grid/settings/grid_settings.h"
#include "controls/grid/grouping/group_state.h"
#include "controls/grid/cells/int_lists.h"
#include "controls/grid/search/find_params.h"
#include "controls/grid/search/find_state.h"
#include "controls/grid/print/print_layout.h"
#include "controls/grid/print/print_settings.h"


namespace grid {

namespace print { class TPrintCanvas; }
class TExInplaceEdit;
class TGridHTML;
class TGridDragDrop;
class TGridMouseTracker;
class TNoActiveForm;
enum TDropEffect : uint8_t;
struct THintInfo;
class TGridSpin;
class TGridCombo;
class TGridCheckBox;
class TGridEditBtn;
class TGridUnitEditBtn;
class TGridButton;
class TGridDatePicker;
class TGridDateTimePicker;
class TExRichEdit;
class TEditLink;
class TDropDownEditorHost;
class TGridTransEdit;
class TGridTransCombo;
class TExStringGridCheck;
class TFooterPanel;
namespace search {
class TSearchPanel;
}
namespace clipboard {
class TGridClipboard;
}

// Growth of the edited cell while typing: the row (Height) and the column (Width).
class TSizeWhileTyping {
public:
    bool Height = false;
    bool Width = false;
};

// ----------------------------------------------------------------- types

// The looks, colour styles and control look are those of the painting units.
using paint::TGridLook;
using enum paint::TGridLook;
using paint::TControlStyle;
using enum paint::TControlStyle;
using paint::TControlLook;
using paint::TBackGround;
enum THintShowLargeTextPos : uint8_t { hpCell, hpCursor };
enum THoverFixedCells : uint8_t { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TIntelliPan : uint8_t { ipVertical, ipHorizontal, ipBoth, ipNone };
enum TInvalidEntryIcon : uint8_t { ieNone, ieInfo, ieWarning, ieError };
enum TBalloonIcon : uint8_t { biNone, biInfo, biWarning, biError };
enum TScrollHintType : uint8_t { shNone, shVertical, shHorizontal, shBoth };
enum TFilterDropDownColumns : uint8_t { fdNormal, fdAll };
enum TScrollBarAlways : uint8_t { saNone, saVert, saHorz, saBoth };
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
    virtual void Loaded();
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
    // Switching it on fits the height to whole rows at once.
    void SetIntegralHeight(bool value)
    {
        FIntegralHeight = value;
        SetBounds(x(), y(), width(), height());
    }
    bool SizeWithForm() const { return FSizeWithForm; }
    void SetSizeWithForm(bool value) { FSizeWithForm = value; }
    // The owner form's resize: grows the grid with the form when SizeWithForm,
    // then fits the stretch column.
    void GridFormResize(QWidget* form);

    // ============================================================
    // Mini-HTML beyond the text drawing: pictures, links under the
    // mouse, form controls, cell hints      html/grid_html*.cpp
    // ============================================================
    TGridHTML& HTML() { return *FHTML; }
    const TGridHTML& HTML() const { return *FHTML; }
    // The hint request: fills the hint record for the point it carries.
    void GetCellHintInfo(QString& HintStr, bool& CanShow, THintInfo& HintInfo);

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
    virtual QString GetEditMask(int ACol, int ARow);
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
    TFilterDropDownColumns FilterDropDownColumns = fdNormal;
    QString FilterDropDownClear = QStringLiteral("(All)");
    bool FilterIncremental = false;
    // The filter drop-down's item list (sorted while it is filled, duplicates
    // and empty values dropped). A value the grid listed itself is matched
    // exactly (fmLiteral); another entry is a name and a condition joined by
    // the first "=".
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
    // Look, colour styles and the cell painting pipeline
    //   ex_string_grid_paint.cpp (looks, styles, themes),
    //   ex_string_grid_paint_pipeline.cpp (cells, frame)
    // ============================================================
    TGridLook Look() const { return FLookColors.Look; }
    void SetLook(TGridLook value);
    // Colour styles, XP schemes, flat colour tones and the office theme: each
    // writes the grid's colours and its control look, then repaints.
    paint::TQVRStyle ComponentStyle() const { return FLookColors.Style; }
    void SetComponentStyle(paint::TQVRStyle value);
    void SetStyle(int style);
    void SetTheme(paint::TXPColorScheme scheme);
    void SetColorTones(const paint::TColorTones& tones);
    bool UpdateOfficeTheme(paint::TOfficeTheme theme);
    // Follow the office theme: the grid registers with the theme notifier.
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value);
    // The colour set the looks work on (kept in step with the grid's own colour properties).
    const paint::TGridLookColors& LookColors();
    // The fourteen fixed-cell face colours (QVRGradientFrom ... QVRGradientDownBorder).
    paint::TFixedFaceColors& FaceColors() { return FLookColors.Faces; }
    bool Flat() const { return FLookColors.Flat; }
    void SetFlat(bool value);
    THoverFixedCells HoverFixedCells = hfNone;
    bool SelectionColorMixer = false;
    TColor SelectionRectangleColor = clBlack;  // the outline of SelectionRectangle
    bool HideFocusRect = false;
    bool NoDefaultDraw = false;
    bool NoImageAndText = false;
    int ZoomFactor = 0;
    bool URLShow = false;
    bool URLFull = false;
    // The drawing services the cell objects call (set up by the constructor).
    paint::TCellDrawServices& CellDrawServices() { return FDrawServices; }
    // The fixed-cell hover and press state the mouse handling keeps: the
    // fixed cell under the mouse (-1, -1 when none), a button held down on a
    // fixed cell, and its drop-down part held down.
    void SetFixedHover(int ACol, int ARow, bool MouseDown, bool DropDownDown);
    int HoverFixedX() const { return FHoverFixedX; }
    int HoverFixedY() const { return FHoverFixedY; }
    // The graphic of a cell (storage column) and the room it takes; nullptr when none.
    TCellGraphic* GetCellGraphicLayout(int ACol, int ARow, TCellHAlign& HAlign, TCellVAlign& VAlign, bool& TextShown,
                                       int& Height, int& Width);
    // The text a cell shows (storage column): a number cell as OnGetFloatFormat formats it, else the stored text.
    virtual QString GetFormattedCell(int ACol, int ARow);
    std::function<void(Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat)> OnGetFloatFormat;
    // The font and brush a cell is measured with (ACol display column, RCol storage column).
    void GetFontProperties(int ACol, int RCol, int ARow, platform::TGridDrawState& AState, platform::TFont& AFont,
                           platform::TBrush& ABrush, bool Remap);
    std::function<void(Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror,
                       TColor& ColorMirrorTo, TCellGradientDirection& GD)>
        OnGetCellGradient;
    std::function<void(Sender, platform::TCanvas& Canvas, int ACol, int ARow, platform::TGridDrawState AState,
                       const platform::TRect& ARect, bool Printing)>
        OnCustomCellBkgDraw;
    std::function<void(Sender, platform::TCanvas& Canvas, int ACol, int ARow, platform::TGridDrawState AState,
                       const platform::TRect& ARect, bool Printing)>
        OnCustomCellDraw;
    std::function<void(Sender, int ACol, int ARow, bool& Allow)> OnCanShowFixedDropDown;
    // The four border pens of a cell, after OnGetCellBorder gave its sides.
    std::function<void(Sender, int ARow, int ACol, platform::TPen& LeftPen, platform::TPen& TopPen,
                       platform::TPen& RightPen, platform::TPen& BottomPen)>
        OnGetCellBorderProp;
    const TCellFont& FixedFont() const { return FFixedFont; }
    void SetFixedFont(const TCellFont& value);
    const TCellFont& ActiveCellFont() const { return FActiveCellFont; }
    void SetActiveCellFont(const TCellFont& value);
    // The control is scaled by M / D: the fixed and active-cell fonts follow
    // (rounded to the nearest point).
    virtual void RescaleControl(int M, int D);
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
    // Selected rich-text cells keep their own text colours.
    bool SelectionRTFKeep = false;
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
    // The window border of the flat looks over a window of width x height.
    void PaintFlatFrame(platform::TCanvas& ACanvas, int width, int height);
    bool DrawsFlatFrame() const;
    // Gives the frame the room the flat border takes (two pixels with
    // FitCellsInGrid, else one) or the plain sunken frame; changes nothing
    // when the frame is already so. Run by the look, colour and Flat setters.
    void UpdateFrameStyle();
    // FitCellsInGrid is a plain field: the flat frame takes its width when
    // the grid is shown or next painted. False when the width is right.
    bool FlatFrameWidthStale() const;
    // The glow around the edited cell (with FocusHelper.Enabled, the editing
    // opens it): shown around a cell rectangle (client coordinates), it
    // follows moves of the grid's window and hides, its grid forgotten, when
    // the editor widget given hides (every close, Escape too), on
    // HideFocusWindow, and when the grid is destroyed.
    void ShowFocusWindow(const platform::TRect& cellRect, QWidget* editor = nullptr);
    void MoveFocusWindow();
    void HideFocusWindow();
    // The glow around the current cell for an editor that opens there (only
    // with FocusHelper.Enabled); an inline editor not made yet gets it when
    // the grid makes it.
    void ShowEditGlow(QWidget* editor);
    TGridFocusWindow* FocusWindow() const { return FFocusWindow; }
    // The grid whose glow window is on screen; nullptr when none.
    static TExStringGrid* FocusWindowGrid();

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
    // The hidden row with all-rows index r, or none.
    THiddenRow HiddenRowItem(int r);
    TConstHiddenRow HiddenRowItem(int r) const;
    const THiddenRows& HiddenRowItems() const { return FGridItems; }

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
    void MoveRow(int FromIndex, int ToIndex) override;
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
    // The colour of the four move arrows (the up arrow's; setting it sets all four).
    TColor ArrowColor() const;
    void SetArrowColor(TColor value);
    void RegisterNotifier(TGridChangeNotifier* ANotifier) { FNotifierList.RegisterNotifier(ANotifier); }
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier) { FNotifierList.UnRegisterNotifier(ANotifier); }
    void UpdateFooter();
    void LastRowChanged() override;
    bool CellIsPassword(int ACol, int ARow);
    bool StyleEngineActive() const override { return FStyleEngine; }
    virtual void F2KeyHook() {}
    virtual void DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, QStringList& Values);
    // The inline editor's text, the pixel position of the character before
    // the caret and the caret index; (-1, -1) and -1 when the edit ends.
    virtual void EditTextHook(const QString&, QPoint /*CaretPos*/, int /*CaretIndex*/) {}
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
    // Column layout and look kept in files      ex_string_grid_persistence.cpp
    // ============================================================
    // The column layout as one text (count, widths, order, visibility) and
    // back. A text with a "#" that does not suit the grid raises EExGridError
    // and leaves the grid as it was; a text without "#" changes nothing.
    QString ColumnStatesToString() const;
    void StringToColumnStates(const QString& Value);
    // Widths ("Col<c>") and column order ("Pos<i>") in ColumnSize.Section of
    // the INI file or registry key ColumnSize.Key; nothing without a key or
    // section. A storage that cannot be read or written raises EExGridError.
    void SaveColSizes();
    void LoadColSizes();
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    // The grid's look as a file of Key=Value lines. Saving raises
    // EExGridError "Cannot Create <file>", loading "Cannot open file <file>",
    // and loading a value that is no number or colour raises EExGridError
    // (the values before it are applied).
    void SaveVisualProps(const QString& FileName);
    void LoadVisualProps(const QString& FileName);
    // PrintSettings in section Section of the INI file Key (the file's other
    // sections and keys stay); loading takes defaults for missing values.
    // EExGridError when the file cannot be read or written.
    void SavePrintSettings(const QString& Key, const QString& Section);
    void LoadPrintSettings(const QString& Key, const QString& Section);

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
    // The recorded column order: entry i is the design-time index of the
    // column at position i; empty while no column was moved.
    const TIntList& ColumnOrder() const { return FColumnOrder; }
    void SetColumnOrderList(const std::vector<int>& order);
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
    virtual void GetEditorProp(int ACol, int ARow, QObject* AEditLink);
    // Cells changed: OnCellsChanged, the registered notifiers, the footer.
    virtual void CellsChanged(const QRect& R);
    // Row-range primitives (ex_string_grid_structure.cpp): remove / insert
    // display rows, the cell store and the row heights kept in step; with
    // Adjust the hidden rows after them keep their places among all rows.
    void DeleteRowRange(int ARow, int Count, bool Adjust = false);
    void InsertRowRange(int ARow, int Count, bool Adjust = false);
    // The kind of the cell's graphic; ctEmpty for a cell without one.
    virtual TCellType GetCellType(int ACol, int ARow) const;
    int GroupColumn() const { return FGroupColumn; }
    // One entry per display row: its place before the last sort.
    TIntList& SortRowXRef() { return FSortRowXRef; }
    std::function<void(Sender, int ACol, int ARow, QObject* AEditLink)> OnGetEditorProp;
    std::function<void(Sender, const QRect& R)> OnCellsChanged;

    // ============================================================
    // Column and row calculations, grouping   data/ex_string_grid_grouping.cpp
    // ============================================================
    // The calculations are those of calc/column_calc.h (columns storage
    // columns; -1 rows mean the normal rows); the custom ones answer the
    // event's Res, 0 without a handler.
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    double ColumnDistinct(int ACol, int FromRow, int ToRow);
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    virtual double DoGroupCalc(int ACol, int FromRow, int ToRow);
    double RowSum(int ARow, int fromCol, int toCol);
    double RowAvg(int ARow, int fromCol, int toCol);
    double RowMin(int ARow, int fromCol, int toCol);
    double RowMax(int ARow, int fromCol, int toCol);
    using TGroupCalcEvent = std::function<void(Sender, int ACol, int FromRow, int ToRow, double& Res)>;
    TGroupCalcEvent OnColumnCalc;
    TGroupCalcEvent OnGroupCalc;
    // Grouping on a storage column: see grouping/grid_grouping.h.
    virtual void SubGroup(int Colindex);
    virtual void SubUnGroup(int Colindex);
    virtual void Group(int Colindex);
    virtual void UnGroup();
    // -1 ungroups, a column above 0 groups on it; 0 and other negatives do nothing.
    void SetGroupColumn(int value);
    int SubGroupColumn() const { return FGroupState.SubColumn; }
    bool IsGrouping() const { return FGroupState.Busy; }
    grouping::TGroupState& GroupState() { return FGroupState; }
    // 1 sum, 2 average, 3 minimum, 4 maximum, 5 count, 6 custom, 7 distinct,
    // 8 standard deviation into each expanded group's summary (or header) row.
    void GroupCalc(int Colindex, int method);
    void GroupSum(int Colindex);
    void GroupAvg(int Colindex);
    void GroupMin(int Colindex);
    void GroupMax(int Colindex);
    void GroupCount(int Colindex);
    void GroupCustomCalc(int Colindex);
    void GroupDistinct(int Colindex);
    void GroupStdDev(int Colindex);

private:
    grouping::TGroupState FGroupState;

public:
    // ============================================================
    // Tree nodes and child rows               ex_string_grid_nodes.cpp
    // ============================================================
    // A node is a ctNode graphic in storage column 0 of its row: CellIndex
    // the span (rows covered among all rows, the node row included; 0: up
    // to the next node), CellBoolean contracted, CellErrFrom the sub-node
    // count, CellAngle the display row it was added at. Every row's level
    // is the NodeLevel of its column-0 cell properties. "all-rows" indexes
    // count hidden rows; the others are display rows.
    void AddNode(int ARow, int Span);            // all-rows
    void AddSummary(int ARow);                   // all-rows
    void RemoveNode(int ARow);                   // all-rows
    void RemoveAllNodes();
    // The node count taken again from the rows whose column-0 cell is a node
    // (after cells were loaded); column 0 repainted when there is any.
    void RecountNodes();
    virtual bool IsNode(int ARow) const;
    virtual bool IsSummary(int ARow) const;
    bool GetNodeState(int ARow) const;           // true: contracted
    void SetNodeState(int ARow, bool Contracted);
    int GetNodeLevel(int ARow) const;            // -1 for a row that is no node
    int GetNodeSpan(int ARow) const;             // -1 for a row that is no node
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow) const;
    void UpdateSubNodeCount(int ARow, int Delta);
    void ExpandNode(int ARow);                   // all-rows
    void ContractNode(int ARow);                 // all-rows
    void ExpandAll();
    void ContractAll();
    int GetParentRow(int ARow) const;
    // Tree-line kind: 0 node row, 2 the next row goes on at this level or
    // deeper, 1 the row ends its branch.
    int GetNodeSpanType(int ARow) const;
    void InsertChildRow(int ARow, int InsertAt);  // all-rows
    void RemoveChildRow(int ARow);                // all-rows
    void InsertNormalRow(int ARow);               // all-rows
    void RemoveNormalRow(int ARow);
    // The press at client X lies on the node's expand/contract mark.
    bool IsInNodeButton(int ARow, int X) const;
    int NumNodes() const { return FNumNodes; }
    bool HasNodes() const override { return FNumNodes > 0; }
    int GetRowIndent(int ARow) const override;
    std::function<void(Sender, int ARow, int ARowReal, bool& Allow)> OnBeforeExpandNode;
    std::function<void(Sender, int ARow, int ARowReal, bool& Allow)> OnBeforeContractNode;
    std::function<void(Sender, int ARow, int ARowReal)> OnExpandNode;
    std::function<void(Sender, int ARow, int ARowReal)> OnContractNode;

private:
    int FNumNodes = 0;
    bool FExpandingAll = false;
    // Moves a cell's object and graphic to another row of the same column.
    void MoveCellObject(int ACol, int FromRow, int ToRow);
    // The rows FromRow .. ToRow (all rows) hidden by row ranges are now held
    // by a contracted node.
    void MarkBehindNode(int FromRow, int ToRow);
    // Shows the rows (all-rows indexes) a node held; while a filter is on,
    // those failing it go with its top level.
    void ShowRowsBehindNode(std::vector<int> rows);
    TCellGraphic* NodeGraphic(int ARow) const;   // display row; nullptr for no node
    int RowNodeLevel(int ARow) const;            // display row; 0 outside every node
    void SetRowNodeLevel(int ARow, int Level);
    // Levels of the rows FromRow .. ToRow among all rows, hidden ones included.
    void ShiftRowLevels(int FromRow, int ToRow, int Delta);
    // The row after the last row a node (display row) covers: among all
    // rows, and on display.
    int NodeEndAll(int ARow) const;
    int NodeSpanEnd(int ARow) const;
    int NextNodeRow(int ARow) const;
    // A click on a node mark of a normal row (the press ends there).
    void ClickNode(int ACol, int ARow, platform::TShiftState Shift, int X, int Y);
    // A click on the node mark of a header row: all nodes expand or contract.
    void ClickHeaderNode(int ARow);
    // The release on an expanded node row selects the rows of its group.
    void SelectNodeGroup(int ARow);
    // The expand/contract mark of a node row with its tree-line stubs.
    void DrawNodeRowMark(platform::TCanvas& canvas, const platform::TRect& cell, int ACol, int ARow, platform::TGridDrawState AState,
                         TColor brush, const paint::TCellObjectEnv& env);

public:
    // ============================================================
    // Cell graphics and check boxes      ex_string_grid_cell_graphics.cpp
    // ============================================================
    // Columns are storage columns; rows are display rows unless named
    // all-rows. The add operations raise "Invalid cell" outside the store.
    TCellGraphic* CreateCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType kind);
    // The cell's own graphic, or a shared one (row check box, virtual check
    // box of a column grid); nullptr when none.
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow) const;
    bool IsSharedGraphic(const TCellGraphic* g) const;
    bool HasCellType(int ACol, int ARow, std::initializer_list<TCellType> kinds) const;
    bool HasCheckBox(int ACol, int ARow) const;
    bool HasDataCheckBox(int ACol, int ARow) const;
    bool HasRadioButton(int ACol, int ARow) const;
    bool HasClickGraphic(int ACol, int ARow) const;
    bool HasDataGraphic(int ACol, int ARow) const;
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
    void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
    void RemoveCheckBox(int ACol, int ARow);
    void RemoveCheckBoxColumn(int ACol);
    bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);
    bool IsChecked(int ACol, int ARow);
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
    bool ToggleCheckBox(int ACol, int ARow) { return ToggleCheck(ACol, ARow, false); }
    virtual bool ToggleCheck(int ACol, int ARow, bool FromUser);
    virtual bool ToggleRadio(int ACol, int ARow, bool FromUser);
    virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
    bool ChangeCheckBoxState(int ACol, int ARow, bool State);
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    bool IsInCheckBox(int ACol, int ARow, int X, int Y);
    void AddRadioButton(int ACol, int ARow, bool State = false);
    void RemoveRadioButton(int ACol, int ARow);
    void AddRadioButtonColumn(int ACol);
    void RemoveRadioButtonColumn(int ACol);
    bool IsRadioButtonChecked(int ACol, int ARow) const;
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    void SetRadioButtonColumnIndex(int ACol, int ARowIndex);
    int GetRadioButtonColumnIndex(int ACol) const;
    static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
    void AddRotated(int ACol, int ARow, int16_t AAngle, const QString& s);
    void SetRotated(int ACol, int ARow, int16_t AAngle);
    void RemoveRotated(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRotated); }
    bool IsRotated(int ACol, int ARow, int& aAngle) const;
    // Room the graphic takes in the cell on screen: (width, height).
    virtual void CalcGraphicSize(int ACol, int ARow, QPoint& Size, int Margin) const;
    QPoint GetCellGraphicSize(int ACol, int ARow) const;
    // Room the graphic takes when printed: pictures fit into the available
    // area divided by the scale factor; no full-size rule.
    virtual void CalcPrintGraphicSize(int ACol, int ARow, QPoint& Size, double Scale, int AvailWidth,
                                      int AvailHeight) const;
    // The image indexes of a row-of-images cell; nullptr for any other cell.
    TIntList* GetCellImages(int ACol, int ARow) const;
    // Sort key of a picture cell: the bitmap or icon object, the image index
    // of an image-list cell; -1 for any other cell.
    intptr_t GetImageSortKey(int ACol, int ARow) const;
    // The cell (a merged cell by its block's last row) shows the sort arrow.
    bool HasSortIndicator(int ACol, int ARow) const;
    // The image list image cells draw from (not owned; forgotten when it is destroyed).
    virtual TGridImageList* GetCellImageList() const { return FGridImages; }
    TGridImageList* GridImages() const { return FGridImages; }
    void SetGridImages(TGridImageList* value);
    TSortSettings& SortSettings() { return FSortSettings; }
    const TSortSettings& SortSettings() const { return FSortSettings; }
    void SetSortSettings(const TSortSettings& value) { FSortSettings.Assign(value); }
    // The check-true / check-false text the cell answers with.
    QString CellCheckTrue(int ACol, int ARow);
    QString CellCheckFalse(int ACol, int ARow);
    // Display text: the base hook, then with URLShowInText the first link
    // found (in the fixed order of schemes) made an anchor.
    void GetDisplText(int ACol, int ARow, QString& Value) const override;
    bool URLShowInText = false;
    TVAlignment VAlignment = vtaTop;
    std::function<void(Sender, int ACol, int ARow, bool State)> OnCheckBoxChange;

private:
    int FirstNormalCheckRow() const;
    TCellGraphic* CheckGraphicAt(int ACol, int ARow, QString& text) const;
    // Sizes alike on screen and in print; false for the kinds each sizes its own way.
    bool CommonGraphicSize(const TCellGraphic& g, QPoint& Size) const;
    QSize IconSize(const TCellGraphic& g) const;
    QPoint ImageListSize() const;
    int TotalXOffset() const { return XYOffsetTopLeftOnly ? XYOffset.x() : 2 * XYOffset.x(); }
    int TotalYOffset() const { return XYOffsetTopLeftOnly ? XYOffset.y() : 2 * XYOffset.y(); }
    QPointer<TGridImageList> FGridImages;
    TSortSettings FSortSettings{&FSortOwnerLink};
    std::unique_ptr<TCellGraphic> FRowCheckGraphic = std::make_unique<TCellGraphic>();

public:
    // ============================================================
    // Row and column structure            ex_string_grid_structure.cpp
    // ============================================================
    // Rows are display rows, columns storage columns. A row carries its
    // texts, cell objects, height and its modified, enabled and selection
    // flags; hidden rows keep their all-rows indexes in step.
    virtual void RemoveRows(int RowIndex, int RCount);
    virtual void DeleteRowsInternal(int ARow, int ACount);
    virtual void RemoveRowsEx(int RowIndex, int RCount);
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
    void AddRow();
    virtual void RemoveCols(int ColIndex, int CCount);
    virtual void InsertCols(int ColIndex, int CCount);
    void AddColumn() { InsertCols(ColCount(), 1); }
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    void RemoveDuplicates(int ACol, bool DoCase);
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    void HideSelectedRows();
    void HideUnSelectedRows();
    void MergeCols(int ColIndex1, int ColIndex2, const QString& Separator);
    // The controls placed in cells: X the storage column, Y the all-rows
    // index. They move with their rows and columns; a control whose cell is
    // removed is hidden and forgotten (never freed).
    TControlList& CellControlList() { return FControlList; }
    const TControlList& CellControlList() const { return FControlList; }
    // The controls of Count rows moved from display row FromIndex to ToIndex
    // (ToIndex counted before the move, as MoveRows takes it).
    void MoveCellControlRows(int FromIndex, int ToIndex, int Count);

private:
    TControlList FControlList;
    // Cell controls of the rows at the all-rows indexes `removed` are hidden
    // and dropped; the rows after them move up.
    void DropCellControlRows(const std::vector<int>& removed);
    void ShiftCellControlRows(int fromAllRows, int delta);
    void RemoveCellControlCols(int ColIndex, int CCount);
    void ShiftCellControlCols(int fromCol, int delta);
    // With rows the rows a and b (all-rows indexes), else the storage columns.
    void SwapCellControls(bool rows, int a, int b);
    // No empty space below the last row after a removal.
    void FitTopRowAfterRemoval();
    // One storage column's window state: shown or hidden, and its width.
    struct TStorageColumnSlot {
        bool Visible = true;
        int Width = 0;
    };
    std::vector<TStorageColumnSlot> StorageColumnSlots() const;
    void ApplyStorageColumnSlots(const std::vector<TStorageColumnSlot>& columnSlots);
    void ShiftHiddenRowIndexes(int fromAllRows, int delta);
    // Removes rows from the store with their heights; flags and hidden-row
    // indexes as the caller asks; the current row kept where it can be.
    void RemoveRowRange(int RowIndex, int RCount, bool AdjustHidden, bool MoveFlags);
    void EraseRowFlags(int RowIndex, int RCount);
    void InsertRowFlags(int RowIndex, int RCount);

public:
    // ============================================================
    // Cell range clearing, trimming, colouring, merging
    //                                      ex_string_grid_clearing.cpp
    // ============================================================
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void ClearRows(int RowIndex, int RCount);
    void ClearCols(int ColIndex, int CCount);
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearNormalCols(int ColIndex, int CCount);
    void ClearNormalCells();
    void Clear();
    void ClearAll();
    void ClearSelection();
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
    void TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
    void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitColumnCells(int ColIndex);
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    bool IsCell(const QString& SubStr, int& ACol, int& ARow) const;
    bool IsWideCell(int ACol, int ARow) const;
    bool SaveHiddenCells = false;
    bool ClearTextOnly = false;

private:
    bool FBlockCellChange = false;

public:
    // ============================================================
    // Automatic sizing, numbering, zoom, swapping
    //                                      ex_string_grid_sizing.cpp
    // ============================================================
    void AutoSizeCol(int ACol, int Padding = 0);
    void AutoSizeColumns(bool DoFixedCols, int Padding = 0);
    void AutoSizeRow(int ARow, int Padding = 0);
    void AutoSizeRows(bool DoFixedRows, int Padding = 0);
    void SizeRowToLines(int ARow, int Lines, int Padding);
    void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
    // The control's client area sized to the columns / rows / both.
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    void Zoom(int x);
    void SwapColumns(int ACol1, int ACol2);
    void SwapRows(int ARow1, int ARow2);
    virtual void SortSwapRows(int ARow1, int ARow2);
    // Moves the rows of a sort to their places: place[k] is where the row at
    // first + k belongs, counted from first. Rows, marks, heights, the
    // cross-reference, SortRow and Swaps end as the exchanges of
    // MoveRowsToPlaces through SortSwapRows leave them; the rows go in one
    // pass where SortMovesRowsAtOnce allows it.
    void SortMoveRows(std::vector<int>& place, int first);
    // Progress of a run over the rows (row sizing, exports): start with the
    // first row, next-row with each row, done with -1. Empty here.
    enum TGridExportState : uint8_t {
        esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow
    };
    virtual void ExportNotification(TGridExportState /*AState*/, int /*ARow*/) {}
    // The font a cell's text is measured and painted with (display column):
    // the fixed or normal font, the colour hook's answer, the zoom.
    platform::TFont MeasureFont(int ACol, int ARow);
    // Width and height of a cell's display text in that font.
    QSize CellTextExtent(int ACol, int ARow);
    bool SizeGrowOnly = false;
    int MinColWidth = 0;
    int MaxColWidth = 0;
    int MinRowHeight = 0;
    int MaxRowHeight = 0;
    bool XYOffsetTopLeftOnly = false;
    bool MultilineCells = false;
    int AutoNumberStart = 0;
    int AutoNumberOffset = 0;
    bool AutoNumberAscending = true;
    int Swaps() const { return FSwaps; }
    // The current row while a sort runs, kept on the same record through
    // every swap; -1 when no row is tracked.
    int SortRow = -1;

protected:
    // Whether a sort may move its rows in one pass rather than exchange by
    // exchange through SortSwapRows. Each class answers for itself only, so
    // a descendant that overrides SortSwapRows still sees every exchange.
    virtual bool SortMovesRowsAtOnce() const;

private:
    void AutoSizeColEx(int ACol, bool GrowOnly);
    void AutoSizeRowEx(int ARow, bool GrowOnly);
    // Exchanges two display rows whole; the selection and modified flags
    // only when asked to. False when a row is out of range (nothing done).
    bool ExchangeRows(int ARow1, int ARow2, bool MoveSelection, bool MoveModified);
    void SwapSortColumnCells(int ARow1, int ARow2);
    int FSwaps = 0;

public:
    // ============================================================
    // Sorting and sorting by a header click  ex_string_grid_sorting.cpp
    // ============================================================
    // Columns are storage columns (hidden columns take part), rows display
    // rows. The normal rows are sorted; fixed and fixed footer rows stay.
    void Sort(int Column, TSortDirection Direction);
    void SortByColumn(int Col);
    virtual void QSort();
    virtual void QSortIndexed();
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    virtual void QUnSort();
    // Sort the rows Left..Right only: no update lock, no cross-reference
    // reset, no current-row handling.
    void QuickSort(int Col, int Left, int Right);
    void QuickSortIndexed(int Left, int Right);
    // One bubble step: swaps the rows when they compare as SortDir.
    bool SortLine(int Col, int ARow1, int ARow2);
    void InitSortXRef();
    // -1, 0, 1: ARow1 sorts before, with, after ARow2 in ascending order.
    int SortCompare(int ACol, int ARow1, int ARow2, TSortDirection Direction);
    int SortCompareLine(int ACol, int ARow1, int ARow2);
    int SortCompareIndexed(int ARow1, int ARow2);
    // Entry 0 is the primary key; cleared by every QSort.
    TSortIndexList& SortIndexes() { return FSortIndexes; }
    const TSortIndexList& SortIndexes() const { return FSortIndexes; }
    // +1 / -1 for the last ascending / descending run; 0 before any sort.
    int SortDir() const { return FSortDir; }
    int Compares() const { return FCompares; }
    // Milliseconds the last header-click sort took.
    int SortTime = 0;
    // The release of a left click on (display column, row) at (X, Y): sorts
    // when it lies in the sort row. Moved: a column was sized or moved by
    // this press. True when the grid was sorted.
    bool ClickSort(int ACol, int ARow, int X, int Y, platform::TShiftState Keys, bool Moved);
    // The painting's view of the sort state for a header cell (storage
    // column, row, display column).
    bool SortIndicatorCell(int ACol, int ARow, int DisplayCol) const;
    bool SortIndicatorDrawn(int ACol) const;
    bool SortedHeaderFace(int ACol, int ARow, int DisplayCol) const;
    paint::TSortIndicator SortIndicatorOf(int ACol) const;
    std::function<void(Sender, int ACol, bool& DoSort)> OnCanSort;
    std::function<void(Sender, const QString& str1, const QString& str2, int& Res)> OnCustomCompare;
    std::function<void(Sender, int ACol, int Row1, int Row2, int& Res)> OnRawCompare;

private:
    // The grid as its sort settings see it.
    class TSortOwnerLink final : public ISortSettingsOwner {
    public:
        explicit TSortOwnerLink(TExStringGrid& grid) : G(grid) {}
        int SortOwnerFixedRows() const override;
        void SortOwnerRepaintGrid() override;
        void SortOwnerRepaintLastFixedRow() override;
        QString SortOwnerIndexesText() const override;
        void SortOwnerLoadIndexes(const QString& text) override;
        void SortOwnerClearIndexes() override;
        void SortOwnerQSort() override;
        void SortOwnerQSortIndexed() override;

    private:
        TExStringGrid& G;
    };
    class TSortRunScope;
    // Counts its comparisons in FCompares.
    friend class TGridSortKeys;
    friend class clipboard::TGridClipboard;
    enum class TSortKind : uint8_t { Column, Indexed, GroupColumn, GroupIndexed };
    void RunSort(TSortKind kind);
    // The quicksort of one range; Col < 0: on the index list. The rows'
    // keys are read once and the rows moved once at the end, unless a
    // comparison needs the rows where they are at that moment.
    void QuickSortRange(int Col, int Left, int Right);
    // The last row a sort moves: fixed footers and a fixed-last-row floating footer stay.
    int LastSortRow() const;
    // The child rows (first, last) of the expanded groups of the deepest level.
    std::vector<std::pair<int, int>> SortGroupRanges() const;
    void SortGroups(int Col, const std::vector<std::pair<int, int>>& groups);
    // The column a single-column swap moves while a sort runs; -1: SortSettings.Column.
    int FSortSwapColumn = -1;
    TSortIndexList FSortIndexes;
    int FSortDir = 0;
    int FCompares = 0;
    std::vector<int> FUnSortRowXRef;
    TSortOwnerLink FSortOwnerLink{*this};

public:
    // ============================================================
    // Keyboard, cell advance, typing, mouse, clicks on cell objects,
    // focus and scrolling     ex_string_grid_input_keys.cpp,
    //   ex_string_grid_input_advance.cpp, ex_string_grid_input_chars.cpp,
    //   ex_string_grid_input_mouse.cpp, ex_string_grid_input_objects.cpp,
    //   ex_string_grid_input_scroll.cpp
    // ============================================================
    // Keyboard.
    bool IsLastNormalRow() const;
    void AppendRowOnArrowDown();
    // Hooks the in-place editor calls with every key; empty here.
    virtual void InplaceEditKeyDown(platform::Word&, platform::TShiftState) {}
    virtual void SelectAllHook(platform::TGridRect&) {}
    virtual void HeaderSelectAllHook(platform::TGridRect&) {}
    // ============================================================
    // Clipboard: copy, cut and paste of cells as text, HTML, rich text and
    // the grid's cell block; the smart fill of a pasted selection
    //                                   clipboard/grid_clipboard_members.cpp
    // ============================================================
    enum TClipOperation : uint8_t { coCut, coCopy };
    void CopyToClipBoard();
    void CopyToClipBoardAsHTML();
    void CopySelectionToClipboard();
    void CutToClipboard();
    void CutSelectionToClipboard();
    void PasteFromClipboard();
    void PasteSelectionFromClipboard();
    QString GetSelectionAsText();
    void SetSelectionAsText(const QString& Value);
    // A rectangle of display cells as clipboard text (tabs between fields,
    // CR LF after each row of a rectangle of more than one row).
    QString GetRectAsText(const platform::TGridRect& Rect, bool Disjunct);
    void CopyRectToClipboard(const platform::TGridRect& Rect, bool Disjunct);
    void CopyRTFToClipboard(int ACol, int ARow);
    void CopyCellsToClipboard(const platform::TGridRect& Rect);
    void ExtendSelectionToMergedCells();
    // The pastes report the fields read; Cols and Rows as the paste sets them.
    int PasteFromClipboardAt(int ACol, int ARow, int& Cols, int& Rows);
    int PasteText(int ACol, int ARow, const QString& Text, int& Cols, int& Rows);
    QPoint GetTextBlockSize(const QString& Text) const;
    // The write of one pasted or filled value (display column).
    virtual void StoreCellValue(int ACol, int ARow, const QString& Value);
    virtual void BeforePaste() {}
    virtual void AfterPaste() {}
    virtual void CellsPasted(QPoint Source, const platform::TGridRect& Target, TClipOperation Op);
    virtual bool AllowFormattedClipboard() { return FNavigation.AllowFmtClipboard; }
    std::function<void(Sender, int ACol, int ARow, QString& Value, bool& Allow)> OnClipboardBeforePasteWideCell;
    std::function<void(Sender, int ACol, int ARow, const QString& Value)> OnClipboardAfterPasteWideCell;
    bool GridModified() const { return FGridModified; }
    void SetGridModified(bool value) { FGridModified = value; }

    // Cell advance and Tab.
    void AdvanceAfterEdit(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Skipping,
                          bool WasEditing);
    bool TabAdvance(bool Backward);
    int FirstNormalCol() const;
    int VisibleFixedRightCols() const;
    bool IsTabStop(int ACol, int ARow);
    int FirstTabStop(int ARow);
    int LastTabStop(int ARow);
    virtual void WrapToFirstRow();
    void SimulateCellClick(int ACol, int ARow);
    // Asks OnCanAddRow (true without it).
    bool CanAddRow();

    // Character input, key press, key up, grid timer.
    const QString& SearchInc() const { return FSearchInc; }
    int SearchTics() const { return FSearchTics; }
    QChar StartEditChar() const { return FStartEditChar; }
    // The column the type-ahead searches (display column; -1 = the current column).
    int AutoGotoColumn = -1;
    // The 500 ms grid timer's tick: type-ahead time-out, hovering, blinking.
    void GridTimerTick();
    // The current cell follows the mouse over normal cells (every tick).
    bool Hovering() const { return FHovering; }
    void SetHovering(bool value);
    // Cells whose text holds the blink tag are repainted every tick.
    bool EnableBlink() const { return FEnableBlink; }
    void SetEnableBlink(bool value);
    // The blink phase, flipped every tick while blinking.
    bool GridBlink() const { return FGridBlink; }
    int TimerTicks() const { return FTimerTicks; }
    // The cells on screen (display columns) whose text holds the blink tag.
    std::vector<QPoint> BlinkingCellsOnScreen() const;
    // The hovering step for a mouse position in screen coordinates.
    void HoverAt(QPoint globalPos);
    // An Alt accelerator while the grid has the focus: clicks the search
    // footer's forward, backward or highlight button whose caption holds
    // "&" before the character. Returns 1 when handled, else 0.
    int HandleDialogChar(QChar ch);
    // The search footer's buttons; the forward and backward buttons search
    // again for the last text.
    virtual void SearchForwardClick();
    virtual void SearchBackwardClick();
    virtual void SearchHighlightClick();
    QTimer& GridTimer() { return FGridTimer; }
    // Disjunct cell selection: row << 16 | display column per cell.
    const std::vector<int>& SelectedCells() const { return FSelectedCells; }
    bool IsCellSelectedDisjunct(int ACol, int ARow) const;

    // Mouse. The selection drawn as a frame with a resize handle (the
    // painting reads both); dragging the handle fills the new selection
    // with the block it started from, kept in a buffer of the grid's own.
    bool SelectionRectangle = false;
    bool SelectionResizer = false;
    bool MouseResizing() const { return FMouseResize; }
    int Clickposx = 0;
    int Clickposy = 0;
    int Movecell = -1;
    bool ForceSel() const { return FForceSel; }
    bool DisableChange() const { return FDisableChange; }

    // Clicks on cell objects.
    void RadioGroupClick(int ACol, int ARow, int X, int Y);
    // Fixed cells press like buttons (with Ctl3D and both fixed grid lines).
    bool FixedAsButtons = false;
    bool Ctl3D = true;
    bool FixedCellPushed() const { return FFixedCellPushed; }
    // The press landed on the upper or lower half of always-visible spin buttons.
    bool SpinUpClick() const { return FSpinUpClick; }
    bool SpinDnClick() const { return FSpinDnClick; }
    // Asks OnRatingChange whether a rating may take NewRate.
    virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);
    std::function<void(Sender, int ACol, int ARow, double& NewRate, bool& Allow)> OnRatingChange;
    QPoint PushedCellButton() const { return FPushedCellButton; }
    // Opens a link of a cell anchor: http, https, mailto and file only.
    static bool IsOpenableLink(const QString& url);
    // Opens an openable link through the desktop; false for any other.
    virtual bool OpenLink(const QString& url);

    // Focus. Entry and exit count only when the focus comes from, or goes
    // to, a widget outside the grid and its own editors.
    virtual void DoEnter();
    virtual void DoExit();
    // Runs the cell selection query for the current cell; its answer is not used.
    void Select();
    std::function<void(Sender)> OnEnter;
    std::function<void(Sender)> OnExit;
    // A pop-up edit sets it around a focus move of its own; the grid's focus
    // entry then does nothing and clears it.
    bool InvokedFocusChange = false;
    bool FBlockFocus = false;
    bool FBlockKill = false;

    // Scrolling.
    // The proportional bars: range 0 .. Max with page Max - 126, so that the
    // thumb takes 128 positions and its length shows the visible share.
    struct TProportionalScroll {
        int Max = 0;
        int Page = 0;
        int Position = 0;
    };
    // F: fixed extent, S: scrollable extent, D: extent scrolled out, W: the
    // grid's width (height). False when there is nothing to scroll (the
    // grid fits, or no scrollable extent): no thumb and no change.
    static bool CalcProportionalScroll(int F, int S, int D, int W, int oldPosition, bool vertical,
                                       TProportionalScroll& out);
    // The cell of a thumb position p (0 .. 127) over n scrollable cells.
    static int ThumbToCell(int p, int fixed, int n);
    bool ScrollProportional = false;
    // Recomputes the proportional bars; false when they are left as they are.
    bool UpdateHScrollBar();
    bool UpdateVScrollBar();
    const TProportionalScroll& HScrollInfo() const { return FHScrollInfo; }
    const TProportionalScroll& VScrollInfo() const { return FVScrollInfo; }
    bool ScrollSynch = false;
    TScrollHintType ScrollHints = shNone;
    // Middle-button panning: the directions it moves in.
    TIntelliPan IntelliPan = ipVertical;
    bool Panning() const { return FPanning; }
    // One step of panning for a mouse position (client coordinates); the
    // panning timer calls it every 10 ms.
    void PanTick(QPoint mouse);
    void StopPanning();
    // The panning cursor for a direction (v: -1 up, 1 down; h: -1 left,
    // 1 right): its number 8000 .. 8008 and its picture.
    static int PanCursorId(int v, int h);
    static QCursor PanCursor(int v, int h);
    int CurrentPanCursorId() const { return FPanCursorId; }
    // The 32 x 32 glyph drawn at the panning start point.
    static QPixmap PanGlyph(TIntelliPan pan);
    QPoint PanStart() const { return FPanStart; }
    // The text of the scroll hint while a thumb is dragged ("Row : n").
    const QString& ScrollHintText() const { return FScrollHintText; }
    // Gets the row (column) number of the hint and may change its text.
    std::function<void(Sender, int ARow, QString& hintstr)> OnScrollHint;
    // The small window beside the bar that shows the hint while a thumb is
    // dragged (made on first use; null before).
    QWidget* ScrollHintWindow() const { return FScrollHintWnd; }
    bool ScrollHintShown() const { return FScrollHintShow; }
    // Set while the grid zooms: the proportional bars are left alone meanwhile.
    bool ScrollLocked() const { return FScrollLock; }
    // The display cells under a bdFixed background picture (Left > Right when
    // there is no such picture or it covers no cell on screen).
    platform::TGridRect BackgroundPictureCells() const;
    // The cells the picture covered before and covers after the last scroll
    // position change (both empty when nothing was repainted for it).
    platform::TGridRect BackgroundOldArea() const { return FBackOldArea; }
    platform::TGridRect BackgroundNewArea() const { return FBackNewArea; }
    // Whether the horizontal bar of a proportional grid stays shown.
    bool KeepsHorizontalBar() const;

    std::function<void(Sender, int ARow, int ACol, bool& Allow)> OnCanClickCell;
    std::function<void(Sender, int ARow, int ACol)> OnClickCell;
    std::function<void(Sender, int ARow, int ACol)> OnDblClickCell;
    std::function<void(Sender, int ARow, int ACol)> OnRightClickCell;
    std::function<void(Sender, int ACol, int ARow, bool State)> OnCheckBoxClick;
    std::function<void(Sender, int ACol, int ARow, bool State)> OnCheckBoxMouseUp;
    std::function<void(Sender, int ACol, int ARow)> OnRadioButtonClick;
    std::function<void(Sender, int ACol, int ARow, int AIdx)> OnRadioClick;
    std::function<void(Sender, int ACol, int ARow, int AIdx)> OnRadioMouseUp;
    std::function<void(Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle)> OnAnchorClick;
    std::function<void(Sender, int ACol, bool& Allow)> OnColumnSize;
    std::function<void(Sender, int ARow, bool& Allow)> OnRowSize;
    std::function<void(Sender, const platform::TGridRect& OldSel, const platform::TGridRect& NewSel)> OnSelectionResize;
    std::function<void(Sender, const platform::TGridRect& OldSel, const platform::TGridRect& NewSel)> OnSelectionResized;
    std::function<void(Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)> OnAutoAdvance;
    std::function<void(Sender, bool& CanAdd)> OnCanAddRow;
    std::function<void(Sender, int ARow)> OnAutoAddRow;
    std::function<void(Sender, int ACol)> OnAutoInsertCol;
    std::function<void(Sender, int ARow)> OnAutoInsertRow;
    std::function<void(Sender, int ARow, bool& CanInsert)> OnCanInsertRow;
    std::function<void(Sender, int ARow, bool& CanDelete)> OnCanDeleteRow;
    std::function<void(Sender, bool& Allow)> OnClipboardCopy;
    std::function<void(Sender, bool& Allow)> OnClipboardCut;
    std::function<void(Sender, bool& Allow)> OnClipboardPaste;
    std::function<void(Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)> OnCellChanging;
    std::function<void(Sender, int OldRow, int NewRow, bool& Allow)> OnRowChanging;
    std::function<void(Sender, int OldCol, int NewCol, bool& Allow)> OnColChanging;

protected:
    void HandleKeyDownMessage(platform::TWMKey& Msg) override;
    void HandleKeyDown(platform::Word& Key, platform::TShiftState Shift) override;
    void HandleKeyPress(QChar& Key) override;
    void HandleKeyUp(platform::Word& Key, platform::TShiftState Shift) override;
    void WMLButtonDown(platform::TWMMouse& Msg) override;
    void WMLButtonUp(platform::TWMMouse& Msg) override;
    void WMLButtonDblClk(platform::TWMMouse& Msg) override;
    void WMRButtonDown(platform::TWMMouse& Msg) override;
    void WMRButtonUp(platform::TWMMouse& Msg) override;
    void HandleMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    void HandleMouseUp(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    // Every mouse move: the hover states follow the mouse, a header press goes
    // on selecting, fixed borders are marked and sized, a drag of the
    // selection or an enhanced move runs, the cursor shows what a press
    // would do, then the base's move; sizing is reported.
    void HandleMouseMove(platform::TShiftState Shift, int X, int Y) override;
    // The base's sizing hit test, then OnColumnSize for the column left of a
    // header border and OnRowSize for the row above a fixed-column border:
    // a refusal leaves no sizing (and no sizing cursor).
    platform::TGridState ComputeSizingState(int X, int Y, int& index) override;
    platform::TCursor RestCursor() const override { return FOldCursor; }
    // The mouse left the cells: the lit fixed cell, the lit row and the marks go.
    void CMMouseLeave();
    // The enhanced moving shows its own arrows instead of the base's line.
    bool ShowsMoveMark() const override { return !EnhRowColMove; }
    bool viewportEvent(QEvent* event) override;
    bool HandleWheelDown(platform::TShiftState Shift, QPoint MousePos) override;
    bool HandleWheelUp(platform::TShiftState Shift, QPoint MousePos) override;
    // One wheel notch down (towards the user) or up, for both of the above.
    bool HandleWheel(bool Down, platform::TShiftState Shift, QPoint MousePos);
    void WMVScroll(platform::TScrollCode Code, int Pos) override;
    void WMHScroll(platform::TScrollCode Code, int Pos) override;
    void ScrollPositionChanged() override;
    bool SyncScrollBarRange(Qt::Orientation o, QScrollBar* bar) override;
    // The first row (column) a thumb position stands for.
    int ThumbTopRow(int Pos) const;
    int ThumbLeftCol(int Pos) const;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Set while a cell advance or an emulated click writes the current cell.
    bool FForceSel = false;
    bool FDisableChange = false;
    QChar FStartEditChar;

private:
    // ----- keyboard
    bool KeyScrollOnly(platform::TWMKey& Msg);
    bool KeyClickGraphic(platform::Word key);
    bool KeyHomeEnd(platform::TWMKey& Msg, platform::TShiftState shift);
    bool KeySkipFixed(platform::Word& key);
    bool KeyShortcut(platform::Word key, platform::TShiftState shift);
    void KeyInsertRow();
    void KeyDeleteRow();
    void KeySelectAll();
    void KeyDisjunct(platform::Word key, platform::TShiftState shift);
    void FireKeyDown(platform::Word& key, platform::TShiftState shift);
    void NotifyMovedSelection();
    // ----- advance
    bool AdvanceTarget(int ACol, int ARow, bool Forward, int& NewCol, int& NewRow);
    void MoveToAdvanceTarget(int ACol, int ARow, int NewCol, int NewRow);
    bool TabForward();
    void TabBackward();
    bool HandTabOn();
    void SetCellForced(int ACol, int ARow);
    // ----- characters
    void TypeAhead(QChar key);
    // ----- mouse and cell objects
    bool PressCheckBox(int ACol, int ARow, int X, int Y, bool canEdit);
    void RadioGroupChoose(int ACol, int ARow, int AIdx);
    int RadioGroupIndex(int ACol, int ARow) const;
    QRect CellButtonRect(int ACol, int ARow) const;
    void ReleaseCellButton(int ACol, int ARow);
    void ReleaseDisjunctRow(int ARow, platform::TShiftState shift);
    bool PressButton(int ACol, int ARow);
    bool PressResizer(int X, int Y);
    // The point lies on the selection resizer's handle (with the resizer on).
    bool OnResizerHandle(int X, int Y) const;
    // A left press on the drop-down strip of a lit fixed cell (display cell).
    bool PressFixedDropDown(int ACol, int ARow, int X);
    void ReleaseResizer();
    bool PressHeaderSelect(int ACol, int ARow, platform::TShiftState shift);
    bool DblClickAutoSize(int ACol, int ARow, int X);
    void ReleaseDisjunctCell(int ACol, int ARow, platform::TShiftState shift);
    // ----- scrolling
    void WheelNotch(bool towardsUser);
    // Shows the scroll hint beside the mouse ("Row : n" / "Col : n").
    void ShowScrollHint(const QString& prefix, int number);
    void HideScrollHint();
    // The window the scroll and sizing hints show in (made on first use), set to the text format.
    QLabel* HintLabel(Qt::TextFormat format);
    void RepaintBackgroundAfterScroll();
    void StartPanning(QPoint at);
    void SetPanCursor(int v, int h);
    // Draws what the input handling shows over the cells: the pushed fixed
    // cell's edge and the panning glyph.
    void PaintInputOverlay();
    // ----- cell objects
    bool PressRating(int ACol, int ARow, int X);
    void PressSpinButtons(int ACol, int ARow, int X, int Y);
    // A press on spin buttons that opened the spin editor steps it once.
    void StepSpinAfterPress();
    bool PressFixedAsButton(int ACol, int ARow);
    bool ReleaseFixedAsButton(int ACol, int ARow);
    // ----- focus and timer
    void WireGridTimer();
    void UpdateGridTimer();
    void FocusMoved(QWidget* old, QWidget* now);
    bool OwnsWidget(const QWidget* w) const;

    bool FGridModified = false;
    int FAECol = -1;
    int FAERow = -1;
    int FLastTabCol = -1;
    int FLastTabRow = -1;
    int FAdvanceDepth = 0;
    platform::TGridCoord FLastKeyCell;
    platform::TGridRect FMoveSelection;
    QString FSearchInc;
    int FSearchTics = 0;
    QTimer FGridTimer;
    std::vector<int> FSelectedCells;
    bool FDblClk = false;
    bool FClickOnCheckBox = false;
    QPoint FPushedCellButton{-1, -1};
    int FKeepLeftCol = -1;  // the left column at the last left press
    QString FScrollHintText;
    // The scroll hint window: a tool-tip window owned by the grid (Qt parent).
    QWidget* FScrollHintWnd = nullptr;
    bool FScrollHintShow = false;
    bool FScrollLock = false;
    int FOldLeftCol = -1;
    int FOldTopRow = -1;
    platform::TGridRect FBackOldArea{0, 0, -1, -1};
    platform::TGridRect FBackNewArea{0, 0, -1, -1};
    int FWheelRest = 0;
    // The system's lines per wheel notch, read when the grid is made.
    int FWheelScrollLines = 3;
    bool FGridTimerWired = false;
    int FTabDepth = 0;
    platform::TGridRect FPressSelection;
    bool FDeselectState = false;
    bool FMouseDown = false;
    bool FMouseResize = false;
    bool FPanning = false;
    QPoint FPanStart;
    QTimer FPanTimer;
    bool FPanTimerWired = false;
    TProportionalScroll FHScrollInfo;
    TProportionalScroll FVScrollInfo;
    int FPanCursorId = 8000;
    bool FHovering = false;
    bool FEnableBlink = false;
    bool FGridBlink = false;
    int FTimerTicks = 0;
    bool FFixedCellPushed = false;
    QRect FPushedFixedCell;
    bool FSpinUpClick = false;
    bool FSpinDnClick = false;
    bool FFocusInside = false;
    bool FFocusWired = false;
    // The context of the application-wide focus watch: it goes with the
    // grid's own members, before the widget is taken down.
    QObject FFocusWatch;
    platform::TGridRect FDropSelection;
    // The clipboard's memory: the top-left cell of the last rectangle turned
    // into clipboard text, the last copy or cut, and whether the running
    // paste is the whole-grid one.
    QPoint FClipTopLeft{0, 0};
    TClipOperation FClipLastOp = coCopy;
    bool FPasteAll = false;
    // A selection paste runs as one undo step: its text and block pastes
    // then open no sequence of their own.
    bool FPasteInSequence = false;

public:
    // ============================================================
    // Cell editing: life cycle, editor choice, validation, editor controls
    //   ex_string_grid_editing.cpp (open, write back, close),
    //   ex_string_grid_editor_setup.cpp (editor controls over the cell),
    //   ex_string_grid_validation.cpp (validation, current-cell changes),
    //   ex_string_grid_editing_hooks.cpp (small hooks, application style colours)
    // ============================================================
    // Display columns unless named storage columns.
    // The cell itself allows an edit (display column): neither fixed nor
    // refused by CanEditCell, a merged cell asked through its base cell.
    bool CellAllowsEditing(int ACol, int ARow);
    // A cell the grid may open an editor on (storage column, display row):
    // editing is on at all (goEditing, RangeSelectAndEdit, or switched off
    // only for the current cell) and the cell allows it.
    bool IsEditable(int ACol, int ARow);
    void ShowInplaceEdit();
    void HideInplaceEdit();
    void DoneInplaceEdit(platform::Word Key, platform::TShiftState Shift);
    // ACol: storage column.
    void NotifyEditDone(int ACol, int ARow);
    void ShowCellEdit();
    void HideCellEdit();
    void WriteBackEditor(int ACol, int ARow);
    // ACol: storage column.
    virtual void StoreEditorText(int ACol, int ARow, const QString& Value);
    virtual void RestoreCellValue();
    virtual void RememberCellValue(int ACol, int ARow);
    bool EditorWantsTab() const;
    // The host of the drop-down cell editors, made on first use by the
    // installed factory; null when none is installed.
    TDropDownEditorHost* DropDownEditors();
    void SetupCellEditor(int ACol, int ARow);
    // The background (the grid colour when the cell has none) and the font
    // an editor over a cell (display column) takes.
    void GetEditorLook(int ACol, int ARow, TColor& Background, platform::TFont& Font);
    virtual bool ValidateCell(const QString& NewValue);
    virtual void RecalcFooterColumn(int ACol, int /*ARow*/) { CalcFooter(ACol); }
    // The platform's click, then the cell becomes the start of the next edit.
    void HandleClick();
    // An editor control's Esc: the edit ends without writing anything back.
    void CancelEditorControl();
    // The editors (the inline editor exists after the first inline edit).
    TExInplaceEdit* InplaceEdit() const;
    TGridSpin* SpinEdit();
    TGridCombo* EditCombo() const { return FEditCombo; }
    TGridCombo* Combobox() const { return FEditCombo; }
    TGridCheckBox* EditCheck() const { return FEditCheck; }
    TGridEditBtn* EditBtn() const { return FEditBtn; }
    TGridUnitEditBtn* UnitEditBtn() const { return FUnitEditBtn; }
    TGridButton* GridButton() const { return FGridButton; }
    // The date pickers and the rich-text editors are made on first use.
    TGridDatePicker* GetEditDate();
    TGridDateTimePicker* DateAndTimePicker();
    TExRichEdit* InplaceRichEdit();
    // Never shown: loads and saves the rich text of cells.
    TExRichEdit* RichEdit();
    // The application's editor for edCustom cells (not owned).
    TEditLink* EditLink() const;
    void SetEditLink(TEditLink* value);
    // OnEllipsClick with the current cell: the text it leaves.
    QString DoEllipsClick(const QString& S);
    // Rich text of a cell (storage column) in and out of a rich-text editor.
    void CellToRich(int Col, int Row, TExRichEdit* RichEditor);
    void RichToCell(int Col, int Row, TExRichEdit* RichEditor);
    QString RichToString(TExRichEdit* RichEditor);
    // Opens the editor of the form control after CtrlID in an HTML cell
    // (display column); false when the cell has no further control.
    bool StartControlEdit(int ACol, int ARow, const QString& CtrlID);
    // Edits a fixed cell (display column) in the edit or combo the mouse
    // settings name; an open fixed-cell edit ends first.
    void StartFixedCellEdit(int ACol, int ARow);
    TGridTransEdit* EditTrans();
    TGridTransCombo* ComboTrans();
    // The date-time of the cell when a date-and-time edit started.
    TDateTime OriginalDateTime() const { return FOriginalDateTime; }
    TSizeWhileTyping& SizeWhileTyping() { return FSizeWhileTyping; }
    // State of the edit in progress.
    bool EditMode = false;
    TEditorType EditControl = edNormal;
    // The kind of the editor now in use.
    TEditorType CurrentEditor() const { return EditControl; }
    QWidget* EditCtrl = nullptr;
    QString OriginalCellValue() const { return FCellCache; }
    QString NewCellText() const { return FNewCellText; }
    bool LastValidation() const { return FLastValidation; }
    bool Editing() const { return FEditing; }
    bool Validating() const { return FValidating; }
    bool SpecialEditor() const { return FSpecialEditor; }
    // The grid's modified flag (restored when a value is refused).
    bool Modified = false;
    // Settings.
    int MaxEditLength = 0;
    bool EditWithTags = false;
    bool AlwaysValidate = false;
    TExStringGridCheck* CellChecker = nullptr;
    QString InvalidEntryTitle;
    QString InvalidEntryText;
    QString ValidChars;
    std::bitset<256> ValidCharSet;
    QChar PasswordChar = QChar(u'*');
    bool ExcelStyleDecimalSeparator = false;
    int MaxComboLength = 0;
    // The edit was started by a left click that has not placed the caret yet.
    bool LButFlg = false;
    // The balloon of the last refused value (Target nullptr: none shown).
    struct TInvalidEntryBalloon {
        QWidget* Target = nullptr;
        QString Title;
        QString Text;
        TInvalidEntryIcon Icon = ieNone;
    };
    const TInvalidEntryBalloon& LastInvalidEntryBalloon() const { return FLastBalloon; }
    // The twin of ValidateCell for cells holding packed wide text.
    virtual bool ValidateCellWide(const QString& NewValue);
    // The cell text as wide text (a packed wide text unpacked) and back
    // (storage column).
    QString GetWideCells(int ACol, int ARow) const;
    void SetWideCells(int ACol, int ARow, const QString& Value);
    // The grid takes its colours from the active application style (see
    // grid_app_style.h); called after loading and on a style change.
    void ApplyStyleColors();
    bool UseStyleColors() const { return FUseStyleColors; }
    // Editing-state hooks, empty here; descendants act on them.
    // The inline editor's key message, before its own handling.
    virtual void InplaceEditWMKeyDown(platform::Word& /*Key*/) {}
    // The inline editor's text starts (true) or no longer starts with "=".
    virtual void InplaceEditState(bool /*IsFormula*/) {}
    virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
    virtual void DoClickSort(int ACol);
    virtual void DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString);
    virtual void DoStartBlockFocus();
    virtual void DoEndBlockFocus();
    virtual void DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax);
    virtual void MouseActionsInvalidate() { Invalidate(); }
    virtual void DisableEditing();
    // Events.
    std::function<void(Sender, int ACol, int ARow, QString& Value, bool& Valid)> OnCellValidate;
    std::function<void(Sender, int ACol, int ARow, QString& Value, bool& Valid)> OnCellValidateWide;
    std::function<void(Sender, int ACol)> OnClickSort;
    std::function<void(Sender, int PageNum, int PageColNum, QString& PageNumString)> OnPrintGetPageNum;
    std::function<void(Sender)> OnStartBlockFocus;
    std::function<void(Sender)> OnEndBlockFocus;
    std::function<void(Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)> OnScrollCell;
    std::function<void(Sender)> OnEditingDone;
    // Asked with the editor properties: the column in its first integer (named ARow by its type).
    std::function<void(Sender, int ARow, int ACol)> OnGetEditorPropInt;
    std::function<void(Sender, int ACol, int ARow)> OnEditCellDone;
    std::function<void(Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection)> OnComboChange;
    std::function<void(Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection, QObject* AObject)>
        OnComboObjectChange;
    std::function<void(Sender, int ACol, int ARow, int AValue, bool UpDown)> OnSpinClick;
    std::function<void(Sender, int ACol, int ARow, double AValue, bool UpDown)> OnFloatSpinClick;
    std::function<void(Sender, int ACol, int ARow, double AValue, bool UpDown)> OnDateSpinClick;
    std::function<void(Sender, int ACol, int ARow, double AValue, bool UpDown)> OnTimeSpinClick;
    std::function<void(Sender, int ACol, int ARow, QString& Value, bool& Allow)> OnClipboardBeforePasteCell;
    std::function<void(Sender, int ACol, int ARow, const QString& Value)> OnClipboardAfterPasteCell;
    // The ellipsis of an edit with button, a unit edit or a button cell (storage column).
    std::function<void(Sender, int ACol, int ARow, QString& S)> OnEllipsClick;
    // A date cell's text read by the application (ADate: now on entry).
    std::function<void(Sender, const QString& Value, TDateTime& ADate)> OnCustomStrToDate;

protected:
    bool MayShowEditor() override;
    QString EditTextOfCell(int ACol, int ARow) override;
    int EditLengthLimit() override;
    void AcceptEditText(int ACol, int ARow, const QString& Value) override;
    QWidget* CreateEditor() override;
    void SetEditorText(QWidget* editor, const QString& text, int maxLength) override;
    QString EditorText(QWidget* editor) const override;
    bool CanSelectCell(int ACol, int ARow) override;
    void customEvent(QEvent* event) override;
    virtual void CanChangeCell(int NewCol, int NewRow, bool& Allow);

private:
    friend class TExInplaceEdit;
    friend class TGridSpin;
    friend class TGridCombo;
    friend class TGridCheckBox;
    friend class TGridEditBtn;
    friend class TGridUnitEditBtn;
    friend class TGridButton;
    friend class TGridDatePicker;
    friend class TGridDateTimePicker;
    friend class TExRichEdit;
    friend class TEditLink;
    friend class TGridTransEdit;
    friend class TGridTransCombo;
    // The edit-text write itself (storage column), without the unchanged-text check.
    void WriteEditText(int ACol, int ARow, const QString& Value);
    // The text handed to the editor of (storage column, row), to tell an
    // unchanged editor text from a new one.
    bool IsGivenEditText(int ACol, int ARow, const QString& Value) const;
    void ShowInvalidEntryBalloon();
    void RefuseValue(int col, int row, const QString& Value, const QString& NewValue);
    // The row indicator cells of the current and of the new row.
    void RepaintRowIndicators(int NewRow);
    // The rows of a selection across the visible normal columns.
    platform::TGridRect OldSelectionRows(const platform::TGridRect& oldSel) const;
    void SetupSpinEditor(int ACol, int ARow, const platform::TRect& r, TColor color);
    void SetupComboEditor(int ACol, int ARow, const platform::TRect& r, TColor color);
    void SetupCheckEditor(int ACol, int ARow, const platform::TRect& r, TColor color);
    // ex_string_grid_control_editors.cpp: the button, date, link and rich editors.
    void SetupEditBtnEditor(int ACol, int ARow, const platform::TRect& r, TColor color);
    void SetupUnitEditor(int ACol, int ARow, const platform::TRect& r, TColor color);
    void SetupButtonEditor(int ACol, int ARow, const platform::TRect& r);
    void SetupDateEditor(int ACol, int ARow, const platform::TRect& r, TColor color);
    void SetupDateTimeEditor(int ACol, int ARow, const platform::TRect& r, TColor color);
    void SetupLinkEditor(int ACol, int ARow, const platform::TRect& r, TColor color, const platform::TFont& font);
    void SetupRichEditor(int ACol, int ARow, const platform::TRect& r, TColor color);
    // The drop-down pickers, through their host.
    void SetupDropDownEditor(int ACol, int ARow, const platform::TRect& r, TColor color);
    // A fixed cell (display column) whose row or column the gesture edits.
    bool FixedCellEditGesture(TGridFixedCellEdit gesture, int ACol, int ARow) const;
    // A press that starts a fixed-cell edit (true: the press ends here).
    bool PressFixedCellEdit(platform::TMouseButton Button, int ACol, int ARow, int X, int Y);
    // The write-back of those editors; false for other kinds.
    bool WriteBackControlEditor(int col, int ARow, bool cancelled);
    void PostStartChar(QWidget* control);
    QWidget* EditorControlWidget(TEditorType kind) const;
    void CloseEditorControl(QWidget* control);
    // The combo and check box editors are made with the grid; the editors go
    // before the rest of the grid.
    void CreateEditorControls();
    void DestroyEditorControls();
    // An open inline editor follows the grid's WordWrap.
    void PassWordWrapToEditor(bool value);
    bool FDestroying = false;

    TGridCombo* FEditCombo = nullptr;
    TGridCheckBox* FEditCheck = nullptr;
    TGridSpin* FEditSpin = nullptr;
    TGridEditBtn* FEditBtn = nullptr;
    TGridUnitEditBtn* FUnitEditBtn = nullptr;
    TGridButton* FGridButton = nullptr;
    TGridDatePicker* FEditDate = nullptr;
    TGridDateTimePicker* FEditDateTime = nullptr;
    TExRichEdit* FInplaceRichEdit = nullptr;
    TExRichEdit* FRichEdit = nullptr;
    QPointer<TEditLink> FEditLink;
    std::unique_ptr<TDropDownEditorHost> FDropDownEditors;
    TGridTransEdit* FEditTrans = nullptr;
    TGridTransCombo* FComboTrans = nullptr;
    int FFixedColEdit = -1;
    int FFixedRowEdit = -1;
    TDateTime FOriginalDateTime = 0;
    TSizeWhileTyping FSizeWhileTyping;
    QString FCellCache;
    bool FEditing = false;
    bool FEditActive = false;
    bool FSpecialEditor = false;
    bool FEntered = false;
    bool FValidating = false;
    bool FNoEditChange = false;
    bool FShowEditProcess = false;
    bool FLastValidation = true;
    bool FEditDisable = false;
    bool FEditChange = false;
    bool FEditCancelled = false;
    QString FEditText;
    int FOldCol = -1;
    int FOldRow = -1;
    // The display cell whose edit EditMode belongs to.
    int FEditCol = -1;
    int FEditRow = -1;
    QString FOldCellText;
    QString FOldCellTextWide;
    bool FOldModifiedValue = false;
    bool FUseStyleColors = false;
    QString FNewCellText;
    // The text last handed to an editor and its cell (storage column).
    QString FGivenEditText;
    int FGivenCol = -1;
    int FGivenRow = -1;
    TInvalidEntryBalloon FLastBalloon;

public:
    // ============================================================
    // Filtering and the filter drop-down    ex_string_grid_filtering.cpp
    // ============================================================
    // Rows that fail the conditions leave the grid as one more filter level
    // of the hidden-row store; levels come back last first.
    TFilter& Filter() { return FFilter; }
    void SetFilter(const TFilter& value) { FFilter.Assign(value); }
    TFilterDropDown& FilterDropDown() { return FFilterDropDown; }
    void SetFilterDropDown(const TFilterDropDown& value) { FFilterDropDown.Assign(value); }
    // True applies the conditions; false brings back the last level's rows.
    bool FilterActive() const { return FFilterActive; }
    void SetFilterActive(bool value);
    // Tests the normal rows and hides the failing ones as a new level.
    void ApplyFilter();
    // Hides display row ARow (outside the levels) when it fails.
    void FilterRow(int ARow);
    // Brings back the last level; true while a level remains (none left:
    // FilterActive reads false).
    bool RemoveLastFilter();
    // Brings back every level; without levels, empties the conditions.
    void RemoveAllFilters();
    // Incremental filter of the typed text (AColumn -1: the whole row).
    void NarrowDown(const QString& ACondition, int AColumn = -1);
    // The row test of every filter operation (display row): true = passes.
    virtual bool DoCustomFilter(int ARow);
    // The text of display row ARow that a condition tests.
    QString FilterTestText(const TFilterData& data, int ARow);
    // The same, where it is stored when it is tested as stored, else in
    // `buffer`.
    const QString& FilterTestTextRef(const TFilterData& data, int ARow, QString& buffer);
    // The text a cell shows (GetCellEx), read straight from the store when no
    // display hook is set.
    QString ShownCellText(int c, int r) const;
    // The stored text a cell shows when no display hook is set (the merged
    // cell's base text); null when the text shown has to be worked out.
    const QString* ShownStoredText(int c, int r) const;
    // The choices of the drop-down list and of the check list.
    virtual void FilterSelect(QObject* Sender, int ItemIndex);
    virtual void FilterCheck(QObject* Sender, int ItemIndex);
    // The drop-down lists are filled with the column's values; repaints.
    bool FilterDropDownAuto() const { return FFilterDropDownAuto; }
    void SetFilterDropDownAuto(bool value);
    // The fixed row whose cells carry the filter buttons (below FixedRows).
    int FilterDropDownRow() const { return FFilterDropDownRow; }
    void SetFilterDropDownRow(int value);
    // A mouse release (display cell, client point): opens the drop-down
    // on a filter button, closes it elsewhere.
    void FilterButtonRelease(int ACol, int ARow, int X, int Y);
    // Whether a cell of the filter row (storage column) shows the filter
    // glyph, and the glyph (null: the grid's own funnel).
    bool FilterGlyphOf(int ACol, int ARow, QImage& glyph);
    // The storage column whose drop-down is open; -1 when none.
    int FilterColumn() const { return FFilterCol; }
    // The two drop-downs, made on first use (children of the grid's viewport).
    TDropList& DropList();
    TDropCheckList& DropCheckList();
    bool FilterDropDownShown() const;
    void HideFilterDropDown();
    bool FilterDropDownCheck = false;
    std::function<void(Sender, int ARow, bool& AcceptRow)> OnCustomFilter;
    std::function<void(Sender, int progress)> OnFilterProgress;
    std::function<void(Sender, int Column, int ItemIndex, const QString& FriendlyName, QString& FilterCondition)>
        OnFilterSelect;
    std::function<void(Sender, int Column, int ItemIndex, const QString& FriendlyName, QString& FilterCondition,
                       TDropCheckList* CheckList)>
        OnFilterCheck;

private:
    // Binds the conditions and the look to the grid; on the way out it
    // unbinds the drop-downs, which the viewport frees later.
    struct TFilterWiring {
        explicit TFilterWiring(TExStringGrid& grid);
        ~TFilterWiring();
        TFilterWiring(const TFilterWiring&) = delete;
        TFilterWiring& operator=(const TFilterWiring&) = delete;
        TExStringGrid& G;
    };
    // One entry of the drop-down as chosen: its name and the condition it makes.
    struct TFilterChoice {
        QString Name;
        QString Condition;
        TFilterMethod Method = fmExpression;
    };
    // A level made by NarrowDown: its filter level, text and column.
    struct TNarrowLevel {
        int Level = 0;
        QString Text;
        int Column = -1;
    };
    void RestoreLastFilterLevel();
    void SetSingleNarrowCondition(const QString& text, int column);
    // The first row the filter tests: the fixed rows of the first level,
    // also while every row is filtered out.
    int FilterFirstRow() const;
    // Whether the grid lists the column's values itself.
    bool FilterAutoColumn(int ACol) const;
    // The texts of the column the automatic list is made of (empty ones
    // too), until `take` returns false.
    void ForEachFilterValue(int ACol, const std::function<bool(const QString&)>& take);
    // The entries of FilterList as choices.
    std::vector<TFilterChoice> FilterChoices() const;
    // The choices of the column: those the open list was filled with, else
    // those of a fresh FilterList.
    std::vector<TFilterChoice> ChoicesOfFilterColumn(int col);
    // The condition a choice makes, after the select / check hook had its say.
    static void SetChoiceCondition(TFilterData& f, const TFilterChoice& choice, const QString& condition);
    void OpenFilterDropDown(int storageCol, const platform::TRect& cell);
    void PlaceFilterDropDown(QListWidget& list, int storageCol, const platform::TRect& cell, int widest);
    bool FilterColumnValid() const { return FFilterCol >= 0 && FFilterCol < AllColCount(); }
    TFilter FFilter;
    TFilterDropDown FFilterDropDown;
    bool FFilterActive = false;
    int FFilterDropDownRow = 0;
    bool FFilterDropDownAuto = false;
    int FFilterFixedRows = 0;
    // The values GetColumnFilter listed itself (matched exactly).
    QSet<QString> FFilterAutoValues;
    // The entries and choices the open list was filled with, for FFilterCol.
    QStringList FDropEntries;
    std::vector<TFilterChoice> FDropChoices;
    int FDropChoicesCol = -1;
    std::vector<TNarrowLevel> FNarrowLevels;
    QString FLastFilter;
    int FFilterCol = -1;
    // A condition of Filter as read for matching (by its index). During a
    // pass of ApplyFilter each is read once (again only when its text or
    // case changes); outside a pass, for each row, as the format settings
    // the reading depends on may have changed since.
    struct TReadCondition {
        QString Condition;
        bool CaseSensitive = true;
        std::unique_ptr<TFilterCondition> Matcher;
        QString Upper;  // for fcRow
    };
    const TReadCondition& ReadCondition(int index, const TFilterData& f);
    std::vector<TReadCondition> FReadConditions;
    bool FFilterPass = false;
    // The outcome of the conditions alone (before OnCustomFilter) for a
    // display row, and of one condition for the text it tests (its read
    // form given, or read when null).
    bool ConditionsPass(int ARow);
    bool ConditionOutcome(int index, const TFilterData& f, const QString* text, QString& buffer,
                          const TReadCondition* read);
    // The tested text as the conditions see it: blanks at the ends trimmed,
    // packed wide text unpacked (in `buffer` when it has to change).
    const QString& TidyFilterText(const QString& text, QString& buffer);
    // The conditions' outcomes for the display rows first..last of a pass,
    // worked out condition by condition down the column before the rows
    // are asked; DoCustomFilter reads them while FFilterOutcomesSet.
    void ComputeFilterOutcomes(int first, int last);
    std::vector<char> FFilterOutcomes;
    std::vector<char> FFilterRowsDone;
    std::vector<int> FFilterFailing;  // the failing rows' list, kept for reuse
    // What the passes read of the columns compared as numbers.
    TFilterIntegerCache FFilterIntegers;
    int FFilterOutcomesFirst = 0;
    bool FFilterOutcomesSet = false;
    TDropList* FDropList = nullptr;            // Qt child of the viewport
    TDropCheckList* FDropCheckList = nullptr;  // Qt child of the viewport
    TFilterWiring FFilterWiring{*this};

public:
    // ============================================================
    // Column and row moving with drag images, drag and drop between
    // windows and programs, thin scroll bars
    //   dragdrop/grid_drag_drop.cpp, dragdrop/grid_drop_target.cpp,
    //   string_grid/input/ex_string_grid_input_moving.cpp
    // ============================================================
    TDragDropSettings& DragDropSettings() { return FDragDropSettings; }
    // What the mouse passing over the grid keeps: hover, header drag selection, fixed sizing.
    TGridMouseTracker& MouseTracker() { return *FMouse; }
    // The sizing hint ("cw=80") shows while columns and rows are sized with the mouse.
    bool HintShowSizing = false;
    // While a column (row) is sized with the mouse: the column and the width it would take.
    std::function<void(Sender, int ACol, int ColumnSize)> OnColumnSizing;
    std::function<void(Sender, int ARow, int RowSize)> OnRowSizing;
    void SetDragDropSettings(const TDragDropSettings& value) { FDragDropSettings.Assign(value); }
    TGridDragDrop& DragDrop() { return *FDragDrop; }
    // A hidden column (storage column) dragged from item AIndex of a list
    // box: the next column dropped on the grid shows it again there.
    void OleColumnDragStart(int ACol, int AIndex, QListWidget* AList);
    // The painted image of a block of display cells (clipped to what is on screen).
    QImage SelectionToImage(const platform::TGridRect& ARect);
    // That image in a non-activating form (owned by the grid, hidden).
    TNoActiveForm* SelectionToForm(const platform::TGridRect& ARect);
    // A column or row was moved during the current press (cleared by the next left release).
    bool ColMoveFlg = false;
    // The clock (milliseconds) by which drag scrolling waits its delays.
    std::function<qint64()> DragScrollClock;
    // Steps drag scrolling when its delay has passed (the drag-scroll timer calls it).
    void DragScrollPoll();
    // The application's visual style changed: the grid takes its colours again.
    void CMStyleChanged() { ApplyStyleColors(); }
    // Loads a single dropped CSV file with all its rows; false (nothing
    // loaded) when it cannot be read.
    virtual bool LoadDroppedCSV(const QString& FileName);
    // The same for a dropped spreadsheet workbook.
    virtual bool LoadDroppedXLS(const QString& FileName);
    std::function<void(Sender, int ACol, bool& Allow)> OnColumnMove;
    std::function<void(Sender, int ARow, bool& Allow)> OnRowMove;
    std::function<void(Sender, int ACol, bool& Allow)> OnColumnMoving;
    std::function<void(Sender, int ARow, bool& Allow)> OnRowMoving;
    std::function<void(Sender, int ARow, int ACol, bool& Allow)> OnOleDragOver;
    std::function<void(Sender, int ARow, int ACol, const QString& data, bool& Allow)> OnOleDrop;
    std::function<void(Sender, int ARow, int ACol, const QString& URL, bool& Allow)> OnOleDropURL;
    std::function<void(Sender, int ARow, int ACol, const QString& FileName, bool& Allow)> OnOleDropFile;
    std::function<void(Sender, int ARow, int ACol, int DropCol)> OnOleDropCol;
    std::function<void(Sender, const platform::TGridRect& ARect)> OnOleDropped;
    std::function<void(Sender, int ARow, int ACol, const QString& data, bool& Allow)> OnOleDrag;
    std::function<void(Sender, int ARow, int ACol)> OnOleDragStart;
    std::function<void(Sender, int OLEEffect)> OnOleDragStop;
    // Runs the modal drag of data out of the grid with the effects allowed
    // and answers the effect the drop took (deNone: cancelled or refused).
    // Unset: the window system's drag.
    std::function<TDropEffect(std::unique_ptr<QMimeData> Data, Qt::DropActions Allowed)> OleDragRunner;

private:
    friend class TGridDragDrop;
    friend class TGridDropTarget;
    friend class TGridMouseTracker;
    TDragDropSettings FDragDropSettings;
    std::unique_ptr<TGridDragDrop> FDragDrop;
    std::unique_ptr<TGridMouseTracker> FMouse;
    // The grid is being moved by its synchronised partner.
    bool FSyncedMove = false;
    qint64 FDragScrollDue = 0;

public:
    // ============================================================
    // Find, replace and the search footer (search/), highlighting,
    // marking and cell checks (highlight/)  ex_string_grid_search.cpp
    // ============================================================
    // Columns are display columns and rows display rows unless the flags
    // say storage columns / all-rows indexes; (-1, -1): none.
    QPoint Find(QPoint StartCell, const QString& s, search::TFindParams FindParams);
    QPoint FindWide(QPoint StartCell, const QString& s, search::TFindParams FindParams);
    QPoint FindFirst(const QString& s, search::TFindParams FindParams);
    QPoint FindNext();
    int Replace(const QString& OrigStr, const QString& NewStr, search::TFindParams FindParams);
    int Search(const QString& s);
    int FindCol() const { return FFindState.FindCol; }
    void SetFindCol(int value) { FFindState.FindCol = value; }
    int FindRow() const { return FFindState.FindRow; }
    void SetFindRow(int value) { FFindState.FindRow = value; }
    bool FindBusy() const { return FFindState.FindBusy; }
    QPoint SearchCell() const { return FFindState.SearchCell; }
    void SetSearchCell(QPoint value) { FFindState.SearchCell = value; }
    search::TFindParams FindParams() const { return FFindState.Params; }
    const QString& SearchCache() const { return FFindState.SearchCache; }
    // The search footer's panel (made with the grid) and its handlers.
    search::TSearchPanel* SearchPanel() const { return FSearchPanel; }
    virtual void SearchEditChange();
    virtual void SearchExitClick();
    // The SearchFooter settings onto the panel (on every change and after loading).
    void SearchFooterChanged();
    std::function<void(Sender, const QString& Value, bool& DefaultSearch)> OnSearchEditChange;
    std::function<void(Sender)> OnSearchFooterClose;
    std::function<void(Sender)> OnCreatedSearchFooter;
    // Text functions: S with every visible occurrence of Text tagged.
    QString HilightText(bool DoCase, const QString& S, const QString& Text) const;
    QString UnHilightText(const QString& S) const;
    QString MarkText(bool DoCase, const QString& S, const QString& Text) const;
    QString UnMarkText(const QString& S) const;
    // Cell procedures (storage columns); DoFixed takes in the fixed cells.
    void HilightInCell(bool DoCase, int Col, int Row, const QString& HiText);
    void HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
    void HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
    void HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void UnHilightInCell(int Col, int Row);
    void UnHilightInCol(bool DoFixed, int Col);
    void UnHilightInRow(bool DoFixed, int Row);
    void UnHilightInGrid(bool DoFixed);
    void MarkInCell(bool DoCase, int Col, int Row, const QString& HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
    void MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void UnMarkInCell(int Col, int Row);
    void UnMarkInCol(bool DoFixed, int Col);
    void UnMarkInRow(bool DoFixed, int Row);
    void UnMarkInGrid(bool DoFixed);
    // Cell checks through CellChecker: true when every checked cell passed.
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCell(int Col, int Row);
    bool CheckCol(bool DoFixed, int Col);
    bool CheckRow(bool DoFixed, int Row);
    bool CheckGrid(bool DoFixed);

private:
    search::TFindState FFindState;
    search::TSearchPanel* FSearchPanel = nullptr;  // Qt child of the grid

public:
    // ============================================================
    // Cell objects: pictures, image-list images, indicators, comments,
    // balloons, error markers, buttons, expand cells, radio groups and
    // interfaced cells                 ex_string_grid_cell_objects.cpp
    // ============================================================
    // Columns are storage columns (unless named display columns), rows
    // display rows. Every Add gives the cell a new graphic (the old one is
    // freed with what it owned), unless said otherwise; every Remove acts only
    // on a graphic of its own kind. An object handed to an Add stays the
    // caller's; one made by a Create belongs to the cell. The Add operations
    // raise "Invalid cell" outside the store.
    void AddBitmap(int ACol, int ARow, QPixmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    QPixmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    QPixmap* GetBitmap(int ACol, int ARow) const;
    bool HasBitmap(int ACol, int ARow) const { return GetBitmap(ACol, ARow) != nullptr; }
    void RemoveBitmap(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }
    void AddPicture(int ACol, int ARow, QImage* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                    TCellHAlign hal, TCellVAlign val);
    QImage* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding, TCellHAlign hal,
                          TCellVAlign val);
    QImage* GetPicture(int ACol, int ARow) const;
    bool HasPicture(int ACol, int ARow) const { return GetPicture(ACol, ARow) != nullptr; }
    void RemovePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctPicture); }
    void AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent, TStretchMode StretchMode,
                        int Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                    TCellHAlign hal, TCellVAlign val);
    TFilePicture* GetFilePicture(int ACol, int ARow) const;
    void RemoveFilePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }
    void AddIcon(int ACol, int ARow, QIcon* AIcon, TCellHAlign hal, TCellVAlign val);
    QIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    void RemoveIcon(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctIcon); }
    // The image-list kinds need GridImages; without it they change nothing.
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int ACol, int ARow, int& idx) const;
    void SetImageIdx(int ACol, int ARow, int Idx);
    void RemoveImageIdx(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImageList); }
    // The cell text is the image index; an empty cell gets Aidx as its text.
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool HasDataImage(int ACol, int ARow) const { return HasCellType(ACol, ARow, {ctDataImage}); }
    // Always empties the cell text.
    void RemoveDataImage(int ACol, int ARow);
    // A row of images whose indexes the caller puts into GetCellImages.
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    void RemoveMultiImage(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImages); }

    // Progress bars, pies, range indicators, shapes, ratings, scroll bars:
    // the value shown is the cell's own.
    void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const QString& Fmt, int Min, int Max);
    void RemoveProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgress); }
    bool HasProgress(int ACol, int ARow) const { return HasCellType(ACol, ARow, {ctProgress}); }
    void AddExProgress(int ACol, int ARow, int Min, int Max);
    void RemoveExProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }
    void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    void RemoveProgressPie(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }
    void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
    void RemoveRangeIndicator(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator); }
    void AddShape(int ACol, int ARow, paint::TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    void SetShapeColor(int ACol, int ARow, TColor FillColor);
    TColor GetShapeColor(int ACol, int ARow) const;
    void RemoveShape(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctShape); }
    void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
    bool HasRating(int ACol, int ARow) const { return HasCellType(ACol, ARow, {ctRating}); }
    void RemoveRating(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRating); }
    struct TScrollProp {
        int32_t PageSize = 0;
        int32_t Range = 0;
    };
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    bool HasScrollBar(int ACol, int ARow) const { return HasCellType(ACol, ARow, {ctScrollbar}); }
    bool HasAutoRangeScrollBar(int ACol, int ARow) const;
    void SetScrollPosition(int ACol, int ARow, int Pos);
    int GetScrollPosition(int ACol, int ARow) const;  // -1 without a scroll bar
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    TScrollProp GetScrollProp(int ACol, int ARow) const;  // (-1, -1) without a scroll bar
    void RemoveScrollBar(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }
    // An auto-range scroll bar's page is the row height, its range the height of the wrapped text.
    void CellTextChanged(int ACol, int ARow) override;
    // Progress bars right-align their cells when they are added.
    bool AutoNumAlign = false;

    // Comments, balloons and error markers.
    void AddComment(int ACol, int ARow, const QString& Comment);
    void AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color);
    // A cell without a graphic gets a comment; a comment cell a new text; others stay.
    void SetComment(int ACol, int ARow, const QString& Value);
    bool IsComment(int ACol, int ARow, QString& Comment) const;
    QString GetComment(int ACol, int ARow) const;
    void RemoveComment(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctComment); }
    void RemoveAllComments();
    // On a check box or radio button the balloon is attached and the box
    // stays; on a cell without a graphic it is a balloon cell; otherwise nothing.
    void AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon);
    void RemoveBalloon(int ACol, int ARow);
    bool HasBalloon(int ACol, int ARow) const { return HasCellType(ACol, ARow, {ctBalloon}); }
    // A balloon cell or a box with an attached balloon: its texts and icon.
    bool IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon) const;
    // The underlined range ErrPos, ErrLen of the cell text; the cell's graphic stays.
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) const;

    // Buttons and expand cells.
    void AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal, TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, QPixmap* Glyph, TCellHAlign hal,
                      TCellVAlign val);
    QPixmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                             TCellVAlign val);
    void SetButtonText(int ACol, int ARow, const QString& Caption);  // display column
    QString GetButtonText(int ACol, int ARow) const;                 // display column
    void PushButton(int ACol, int ARow, bool Push);                  // display column
    bool HasButton(int ACol, int ARow) const { return HasCellType(ACol, ARow, {ctButton, ctBitButton}); }
    void RemoveButton(int ACol, int ARow);
    void RemoveBitButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }
    void RemoveAllButtons();
    // The button (bit button, expand mark) as the last paint placed it (display column).
    QRect GetCellButtonRect(int ACol, int ARow) const;
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    bool HasExpand(int ACol, int ARow) const { return HasCellType(ACol, ARow, {ctExpand}); }
    // Flips the expanded state (row heights are the caller's); false without a graphic.
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow) const;
    int GetExpandHeight(int ACol, int ARow, bool Expanded) const;
    QRect GetExpandRect(int ACol, int ARow) const;
    void RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctExpand); }

    // Radio groups: the choices of one cell, one of them checked (-1: none).
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, QStringList* sl);
    QStringList* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    bool GetRadioIdx(int ACol, int ARow, int& IdxRadio) const;
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    QStringList* GetRadioStrings(int ACol, int ARow) const;
    bool IsRadio(int ACol, int ARow) const { return HasCellType(ACol, ARow, {ctRadio}); }
    void RemoveRadio(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadio); }
    // The group's next choice (wrapping); a user's step needs an editable cell
    // unless ControlLook.RadioAlwaysActive.
    void CycleRadio(int ACol, int ARow, bool ByUser);

    // A cell drawn by the program's object (not owned).
    void AddInterfacedCell(int ACol, int ARow, QObject* AObject);
    QObject* GetInterfacedCell(int ACol, int ARow) const;
    void RemoveInterfacedCell(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctInterface); }

    // Notification slots.
    virtual void CanInsertRow(int ARow, bool& CanInsert);
    virtual void DoColorSelect(TColor Color, const QString& Value);
    virtual void DoImageSelect(int Index);
    std::function<void(Sender, int ACol, int ARow, TColor Color, const QString& Value)> OnColorSelect;
    std::function<void(Sender, int ACol, int ARow, int Index)> OnImageSelect;

private:
    // The cell's own graphic when it has the kind (base cell with base); else nullptr.
    TCellGraphic* GraphicOfKind(int ACol, int ARow, TCellType kind, bool base = false) const;
    // A new graphic for an Add: raises outside the store.
    TCellGraphic* NewObjectGraphic(int ACol, int ARow);
    void RemoveEveryCellGraphic(const std::function<void(int, int)>& remove);

public:
    // ============================================================
    // Selected cells, selection counts and selection text
    //                               ex_string_grid_selected_cells.cpp
    // ============================================================
    // Display columns and rows. Outside disjunct cell selection the cell
    // list is rebuilt from Selection by SelectedCellsCount.
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool IsSelected(int ACol, int ARow);
    bool GetSelectedCells(int ACol, int ARow) const;
    void SetSelectedCells(int ACol, int ARow, bool Value);
    platform::TGridCoord SelectedCell(int i) const;
    int SelectedCellsCount();
    int SelectedColCount() const;
    int SelectedRowCount() const;
    int GetSelectedRow(int i) const;  // -1 past the last
    void ClearSelectedCells();
    // Cells joined by tabs, rows by CR LF, nothing after the last.
    QString SelectedText();
    void ClearModifiedRows();
    // Multi-line cells quoted as CSV in SelectedText.
    bool ExcelClipboardFormat = false;
    // With goRowSelect, SelectedText takes every column.
    bool OleEntireRows = false;

public:
    // ============================================================
    // File formats and the cell text they share. Each format is a unit
    // of io/ behind the reader/writer interface of io/grid_file_format.h;
    // these members only call them.          io/ex_string_grid_files.cpp
    // ============================================================
    // Progress of an import: start with the first row, new-row with each
    // row, done with -1. Empty here.
    enum TGridImportState : uint8_t { isImportStart, isImportNewRow, isImportDone, isImportSelRow };
    virtual void ImportNotification(TGridImportState /*AState*/, int /*ARow*/) {}
    // The text GetCellEx gives (storage column).
    virtual QString GetPlainCellText(int ACol, int ARow);
    // The text every exporter writes for a cell (storage column): the display
    // or stored text, a check box as CheckTrue / CheckFalse, mini-HTML and
    // rich text as the Save settings say, then OnSaveCell.
    virtual QString SaveCellText(int ACol, int ARow);
    // The cell write of every importer (storage column): OnLoadCell, then the
    // stored text only (no merge resolution, no display hooks).
    virtual void LoadCellText(int ACol, int ARow, const QString& Value);
    // Fires OnFileProgress with the percentage.
    void DoFileProgress(int Progress);

    // Grid text format (a file, or a stream another grid reads back).
    void SaveToFile(const QString& FileName, bool Unicode = false);
    void LoadFromFile(const QString& FileName);
    void SaveToStream(QIODevice& Stream);
    void LoadFromStream(QIODevice& Stream);
    // Aligned plain-text table.
    void SaveToASCII(const QString& FileName, bool Unicode = false);
    void AppendToASCII(const QString& FileName, bool Unicode = false);
    // Delimited text. MaxRows <= 0: every line.
    void SaveToCSV(const QString& FileName, bool Unicode = false);
    void AppendToCSV(const QString& FileName, bool Unicode = false);
    void LoadFromCSV(const QString& FileName, int MaxRows = -1);
    void InsertFromCSV(const QString& FileName, int MaxRows = -1);
    void LoadFromCSVStream(QIODevice& AStream, int MaxRows = -1);
    // Fixed-width text: writing takes one width per written column (missing
    // ones are measured and added); reading takes the 1-based positions
    // where fields begin, the last one ending the last field. MaxRows -1:
    // every line.
    void SaveToFixed(const QString& FileName, TIntList& Positions);
    void LoadFromFixed(const QString& FileName, TIntList& Positions, bool DoTrim = true, int MaxRows = -1);
    // Flat XML list: ListDescr names the root, RecordDescr each row,
    // FieldDescr (may be nullptr) each column.
    void SaveToXML(const QString& FileName, const QString& ListDescr, const QString& RecordDescr,
                   const QStringList* FieldDescr, bool ExportEmptyCells);
    void LoadFromXML(const QString& FileName, bool LevelToRow = false, bool LoadFieldDescr = false);
    // Spreadsheet workbooks through the spreadsheet server; failures raise
    // EExGridError.                      io/office/ex_string_grid_xls_files.cpp
    // The worksheet names of a workbook, in order.
    QStringList GetXLSSheets(const QString& FileName);
    // The used area of the active (or the named) sheet into the grid.
    void LoadFromXLS(const QString& Filename);
    void LoadFromXLSSheet(const QString& Filename, const QString& SheetName);
    void ImportXLS(const QString& Filename, const QString& SheetName);
    // The save range as one block from column A: into a new workbook, the
    // running server's active sheet, or the named sheet of the file.
    void SaveToXLS(const QString& Filename, bool CreateNewSheet);
    void SaveToXLSSheet(const QString& Filename, const QString& SheetName);
    void ExportXLS(const QString& Filename, const QString& SheetName, bool CreateNewSheet);
    // The number in a cell (storage column): 0 for an empty cell; raises
    // EExGridError for a text that is no number.
    double CellToReal(int ACol, int ARow);
    // Word-processor documents and database queries through their servers;
    // failures raise EExGridError.          io/office/ex_string_grid_doc_files.cpp
    // The grid (every row and display column) as a table with the cells'
    // alignment, after a paragraph with the grid's caption: at the start of a
    // new document or the running word processor's active one, or appended to
    // the file's document at the bookmark (at its end without one).
    void SaveToDOC(const QString& Filename, bool CreateNewDocument);
    void AppendToDoc(const QString& Filename, const QString& Bookmark);
    void ExportDOC(const QString& Filename, const QString& Bookmark, bool Append, bool CreateNewDocument);
    // A table (its name quoted as an identifier) or a query's records: the
    // field names into the last fixed row, the records below, from column
    // FixedCols on.
    void LoadFromMDBTable(const QString& Filename, const QString& Table);
    void LoadFromMDBSQL(const QString& Filename, const QString& SQL);

    bool SaveVirtCells = true;
    bool SaveWithHTML = true;
    bool SaveWithRTF = false;
    // CSV: QChar(0) writes "," and detects the delimiter when reading.
    QChar Delimiter = QChar(0);
    bool AlwaysQuotes = false;
    bool QuoteEmptyCells = true;
    bool JavaCSV = false;
    bool OemConvert = false;
    bool LoadFirstRow = true;
    QString XMLEncoding = QStringLiteral("ISO-8859-1");
    std::function<void(Sender, int ACol, int ARow, QString& Value)> OnSaveCell;
    std::function<void(Sender, int ACol, int ARow, QString& Value)> OnLoadCell;
    std::function<void(Sender, int Progress)> OnFileProgress;

    // ============================================================
    // Text geometry shared by sizing, painting, printing and the
    // fixed-width export          paint/ex_string_grid_text_geometry.cpp
    // ============================================================
    int GetXOffsetTotal() const { return XYOffsetTopLeftOnly ? XYOffset.x() : 2 * XYOffset.x(); }
    int GetYOffsetTotal() const { return XYOffsetTopLeftOnly ? XYOffset.y() : 2 * XYOffset.y(); }
    // The most text lines of a cell of the row (display columns); 1 without MultilineCells.
    int GetMaxLinesInRow(int ARow) const;
    // The longest line of the saved texts of a storage column, in characters.
    int GetMaxColTextLength(int ACol);
    // Draws the cell's rich text into Rect of the canvas (kept XYOffset from
    // its edges, at the canvas device's resolution); unformatted runs take
    // the canvas font.
    void DrawRichTextCell(int ACol, int ARow, platform::TCanvas& Canvas, const platform::TRect& Rect);
    // Whether DrawRichTextCell draws the cell's text as selected on the screen.
    bool RichTextCellSelected(int ACol, int ARow);
    // Moves R's top-left to where Text rotated by Angle starts (R shrunk by 2 first).
    void GetRotatedTextPos(platform::TRect& R, int Angle, const QString& Text, int HAlign, int VAlign);

public:
    // ============================================================
    // Binary cell stream (cells with their properties and graphics)
    //                                      io/ex_string_grid_bin_files.cpp
    // ============================================================
    // Rectangles in display cells, corners included. Reading raises
    // EExGridError for a malformed stream and leaves the grid unchanged.
    void SaveRectToBinStream(const platform::TGridRect& Rect, QByteArray& Stream);
    void SaveToBinStream(QByteArray& Stream);
    void SaveToBinFile(const QString& FileName);
    void LoadAtPointFromBinStream(QPoint Point, const QByteArray& Stream);
    void LoadFromBinStream(const QByteArray& Stream);
    void LoadFromBinFile(const QString& FileName);

    // ============================================================
    // HTML export                          io/ex_string_grid_html_files.cpp
    // ============================================================
    io::THTMLSettings HTMLSettings;
    // The document as a file (Show or HTMLSettings.AutoPreview opens it),
    // appended to an existing file, or as a text whose pictures go into
    // dir + "images/" (dir with "/" separators and a trailing "/", or empty).
    void SaveToHTML(const QString& FileName, bool Show = false, bool Unicode = false);
    void AppendToHTML(const QString& FileName, bool Show = false, bool Unicode = false);
    QString SaveToHTMLString(const QString& dir);

public:
    // ============================================================
    // Printing and print preview   print/ex_string_grid_print.cpp
    // ============================================================
    // The settings every print or preview pass reads; setting copies them.
    TPrintSettings& PrintSettings() { return FPrintSettings; }
    const TPrintSettings& PrintSettings() const { return FPrintSettings; }
    void SetPrintSettings(const TPrintSettings& value) { FPrintSettings.Assign(value); }
    // Printed width and left x (0.1 mm) of a display column as the last pass
    // left them (0 before the first); EExGridError outside the columns laid out.
    int GetPrintColWidth(int ACol) const { return FPrintLayout.ColWidth(ACol); }
    int GetPrintColOffset(int ACol) const { return FPrintLayout.ColOffset(ACol); }
    print::TPrintLayout& PrintLayout() { return FPrintLayout; }
    const print::TPrintLayout& PrintLayout() const { return FPrintLayout; }
    // Printer jobs (cell ranges in display columns and rows). The selected
    // rows and the selected columns variants print the same.
    void Print();
    void PrintRect(const platform::TGridRect& Gridrect);
    void PrintSelection();
    void PrintSelectedRows();
    void PrintSelectedCols();
    // The printer the jobs go to: the system's default until changed.
    QPrinter& Printer();
    // Previews onto a painter: pages PreviewPage..PreviewPage laid out in
    // Displayrect (device pixels).
    void PrintPreview(QPainter& Canvas, const QRect& Displayrect);
    void PrintPreviewRect(QPainter& Canvas, const QRect& Displayrect, const platform::TGridRect& Gridrect);
    void PrintPreviewSelection(QPainter& Canvas, const QRect& Displayrect);
    void PrintPreviewSelectedRows(QPainter& Canvas, const QRect& Displayrect);
    void PrintPreviewSelectedCols(QPainter& Canvas, const QRect& Displayrect);
    // Page 1 of the range laid out in DrawRect of a painter.
    void PrintDraw(QPainter& Canvas, const QRect& DrawRect);
    void PrintDrawRect(QPainter& Canvas, const QRect& DrawRect, const platform::TGridRect& Gridrect);
    int PreviewPage() const { return FPrintLayout.PageFrom; }
    void SetPreviewPage(int value) { FPrintLayout.PageFrom = FPrintLayout.PageTo = value; }
    int PrintNrOfPages() const { return FPrintLayout.PageNum; }
    int PrintPageWidth() const { return FPrintLayout.PageWidth; }
    QRect PrintPageRect() const { return FPrintLayout.PageRect; }
    int PrintColStart() const { return FPrintLayout.ColStart; }
    int PrintColEnd() const { return FPrintLayout.ColEnd; }
    bool IsPrintPreview() const { return FPrintLayout.IsPrintPreview; }
    bool FastPrint() const { return FPrintLayout.FastPrint; }
    void SetFastPrint(bool value) { FPrintLayout.FastPrint = value; }
    bool PrinterDriverFix() const { return FPrintLayout.PrinterDriverFix; }
    void SetPrinterDriverFix(bool value) { FPrintLayout.PrinterDriverFix = value; }
    // Font height in 0.1 mm of a point size, scaled by Fontscalefactor, and back.
    int MapFontHeight(int PointSize) const;
    static int MapFontSize(int Height);
    double Fontscalefactor() const { return FPrintLayout.Fontscalefactor; }
    std::function<void(Sender, int NrOfPages, int& FromPage, int& ToPage)> OnPrintStart;
    std::function<void(Sender, double& ScaleFactor, bool& Allow)> OnFitToPage;
    std::function<void(Sender, int ACol, int& Width)> OnPrintSetColumnWidth;
    std::function<void(Sender, int ARow, int& Height)> OnPrintSetRowHeight;
    std::function<void(Sender, print::TPrintCanvas& Canvas, int PageNr, int PageXSize, int PageYSize)> OnPrintPage;
    std::function<void(Sender, int ARow, bool& NewPage)> OnPrintNewPage;
    std::function<void(Sender, print::TPrintCanvas& Canvas, int LastRow, int LastRowOffset, int LastPage,
                       int PageXSize, int PageYSize)>
        OnPrintPageDone;
    std::function<void(Sender, int PageNr, bool& Cancel)> OnPrintCancel;
    // A cell's measured size (0.1 mm when Printing) before it is used.
    std::function<void(Sender, print::TPrintCanvas& Canvas, int ACol, int ARow, QPoint& ASize, bool Printing)>
        OnCustomCellSize;

private:
    TPrintSettings FPrintSettings{this};
    print::TPrintLayout FPrintLayout;
    std::unique_ptr<QPrinter> FPrinter;

public:
    // ============================================================
    // Controls in cells                    ex_string_grid_cell_controls.cpp
    // ============================================================
    // A control placed over a cell (storage column, display row) follows it
    // through scrolling, hiding, sorting and moves; it is never freed by the
    // grid, and removing it only forgets it.
    QWidget* GetCellControls(int c, int r) const;
    void SetCellControls(int c, int r, QWidget* control);
    // Places every cell control (and the cell scroll bar) again; with
    // rebuildlist the list is first made anew from the cells.
    void CellControlsUpdate(bool rebuildlist);
    int NumCellControls() const { return FNumCellControls; }
    // Remembers the widths of all display columns and the grid's own width:
    // with ColumnSize.SynchWithGrid every later resize gives each remembered
    // column its width scaled by new grid width / remembered grid width.
    void InitOrigColSizes();
    const std::vector<int>& OrigColSizes() const { return FOrigColSizes; }
    int OldSize() const { return FOldSize; }
    // The scroll bar shown over the current cell when it holds an
    // auto-range scroll bar (not made before the first such cell).
    QScrollBar* CellScrollBar() const { return FScrollBar; }
    virtual uint32_t GetVersionNr() const { return 0x06020103; }
    virtual QString GetVersionString() const;

private:
    void PlaceCellControl(QWidget* control, int displayCol, int row);
    void UpdateCellScrollBar();
    // The resize step of SynchWithGrid; newWidth is the grid's outer width.
    void SynchColumnsWithWidth(int newWidth);
    std::vector<int> FOrigColSizes;
    int FOldSize = 0;
    int FNumCellControls = 0;
    QScrollBar* FScrollBar = nullptr;  // Qt child of the viewport

public:
    // ============================================================
    // Floating footer                      paint/footer_panel.cpp
    // ============================================================
    // The panel (made with the grid, a child of its cell area) that paints
    // the footer FloatingFooter describes.
    TFooterPanel* FooterPanel() const { return FFooterPanel; }
    std::function<void(Sender, int AColumn, platform::TCanvas& Canvas, const platform::TRect& ARect)> OnPaintFooter;
    std::function<void(Sender)> OnCreatedFloatingFooter;

private:
    void SetUpFloatingFooter();
    TFooterPanel* FFooterPanel = nullptr;  // Qt child of the viewport

public:
    // ============================================================
    // Balloon tool tips                    ex_string_grid_balloon.cpp
    // ============================================================
    // With Balloon.Enable the grid owns one balloon window; resting the
    // mouse on a cell shows the cell's text (or its own balloon) in it.
    void BalloonInit();
    void BalloonDone();
    // The grid's cursor over its cells, to which it returns after sizing,
    // links and panning.
    platform::TCursor Cursor() const { return FOldCursor; }
    void SetCursor(platform::TCursor value);
    // Every hint of the application in the mini-HTML hint window (true) or
    // the platform's plain tool tip (false): a process-wide choice.
    bool UseHTMLHints() const { return FUseHTMLHints; }
    void SetUseHTMLHints(bool value);
    // The grid's own fixed-cell gradient colours, stored as RGB (system
    // colours resolved); the grid repaints.
    void SetQVRGradientFrom(TColor value);
    void SetQVRGradientTo(TColor value);
    void SetQVRGradientMirrorFrom(TColor value);
    void SetQVRGradientMirrorTo(TColor value);
    QWidget* BalloonWindow() const { return FBalloonWindow; }
    // When the balloon shows and goes, with the delays of Balloon taken at
    // set-up; none while no balloon window is set up.
    TBalloonTiming* BalloonTiming() const { return FBalloonTiming; }
    // The balloon of the cell under a client point: title, text and icon
    // (0 none .. 3 error). False while balloons are off.
    bool BalloonTextAt(QPoint pos, QString& Title, QString& Text, int& Icon);
    // Shows the balloon of the cell under a client point; false when none.
    bool ShowCellBalloon(QPoint pos);
    // Mouse moves, presses, wheel turns and leaving the grid, as the balloon's
    // timing needs them.
    void BalloonMouseEvent(QEvent* event);
    // Display column and row of the cell whose balloon was last given.
    QPoint LastBalloonPos() const { return FLastBalloonPos; }
    // The mouse moved over display cell (ACol, ARow): a balloon given for
    // another cell goes.
    void PopBalloonOffCell(int ACol, int ARow);
    std::function<void(Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon)> OnCellBalloon;

private:
    void SetUpBalloon();
    QPointer<QWidget> FBalloonWindow;  // Qt child of the grid while set up
    QPointer<TBalloonTiming> FBalloonTiming;  // Qt child of the balloon window
    platform::TCursor FOldCursor = platform::crDefault;
    bool FUseHTMLHints = false;
    QPoint FLastBalloonPos{-1, -1};

public:
    // ============================================================
    // Scroll bar styles and cell text size
    //   ex_string_grid_scroll_styles.cpp, paint/ex_string_grid_text_size.cpp
    // ============================================================
    // ssNormal: the window's bars; ssFlat / ssEncarta: the flat scroll bar
    // service, which this platform lacks (its calls are skipped, the normal
    // bars stay); ssMetro: the thin scroll bars (DragDrop().ThinScrollBar)
    // instead of the window's own, which come back after.
    paint::TScrollType ScrollType() const { return FLookColors.ScrollType; }
    void SetScrollType(paint::TScrollType value);
    void EnableFlatScrollBars();
    void DisableFlatScrollBars();
    void ApplyFlatScrollBars();
    bool FlatScrollBarsActive() const { return FIsFlat; }
    // The size of a cell's text (storage column): VS the height the text needs
    // wrapped at the cell's width; SB keeps 17 pixels free for a scroll bar.
    QPoint GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
    void CalcCellTextSize(int ACol, int DisplCol, int ARow, bool VS, bool SB, QPoint& Size);
    // The cell text by all-rows index as wide text, and back.
    QString WideCellsEx(int c, int r) const;
    void SetWideCellsEx(int c, int r, const QString& value);

private:
    bool FIsFlat = false;

public:
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
    // The first showing stands for the window's creation: with
    // ColumnSize.Save the stored widths are loaded.
    void showEvent(QShowEvent* event) override;

private:
    // ----- construction
    void WireSettings();
    // ----- hidden columns
    int RealToDisplCol(int c) const;
    int DisplToRealCol(int d) const;
    // ----- hidden rows
    int HiddenBelow(int r) const;
    std::vector<int> HiddenIndexes() const;
    // The all-rows indexes of Count display rows from FromRow, in one walk.
    std::vector<int> AllRowsOf(int FromRow, int Count) const;
    // The all-rows ranges (first, last) of the rows behind contracted nodes.
    std::vector<std::pair<int, int>> ContractedNodeRuns() const;
    void RestoreItemRow(int displayRow, TGridItem& item);
    // A filter hid every row and the window made an empty row of its own.
    bool FFilterPlaceholderRow = false;
    // Hides display rows as rows of the given filter level.
    void HideRowListAt(const std::vector<int>& RowList, int level);
    // The first row back after a filter hid every row: the window's empty
    // row goes (true when it went), the fixed rows dropped by hiding return.
    bool DropFilterPlaceholderRow();
    void RestoreHiddenFixedRows();
    // The window's row count after rows were hidden; remembers the fixed rows it drops.
    void ShrinkToShownRows(int count);
    int FFixedRowsBeforeHiding = 0;
    // ----- dimensions
    void ApplyFloatingFooterMove(int oldCount, int newCount);
    // ----- typed access
    template <typename Fill> void FillCells(bool DoFixed, Fill&& fill);
    // ----- look colours: the grid's colour properties into the looks' colour set and back
    void PullLookColors();
    void PushLookColors();
    // The colour tones on the edit buttons and the date pickers made so far.
    void ApplyEditorTones();
    // ----- painting pipeline
    void SetUpDrawServices();
    void InstallFlatFramePainter();
    bool FixedFaceLit(int ACol, int ARow) const;
    bool CanShowFixedDropDown(int ACol);
    bool CellHasOwnColor(int ACol, int ARow) const;
    // ----- per-cell properties
    void RepaintStorageCell(int c, int r);
    // Writes one property of a cell (its properties made when missing) and repaints the cell.
    template <typename T, typename V> void WriteCellProperty(int c, int r, void (TCellProperties::*set)(T), const V& value)
    {
        (GetCellProperties(c, r)->*set)(value);
        RepaintStorageCell(c, r);
    }
    // ----- drag scrolling
    void StopDragScroll();
    // ----- column sizing
    void StretchColumnChecked(int ACol, bool raiseOutOfRange);
    void ScaleOtherSizes(bool columns, int sized, double factor);

    // Window life.
    bool FLoading = false;
    bool FLoadedOnce = false;
    bool FShownOnce = false;
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
    paint::TGridLookColors FLookColors;
    TControlLook FControlLook{&FLookColors.Faces};
    TBackGround FBackGround;
    TGrouping FGrouping;
    TDragScrollOptions FDragScrollOptions;

    // Look.
    paint::TGridLooks FLooks{FLookColors, FControlLook};
    paint::TCellDrawServices FDrawServices;
    bool FAutoThemeAdapt = false;
    TGridFocusWindow* FFocusWindow = nullptr;  // child of the grid, made on first use
    QPointer<QObject> FGlowWatcher;
    bool FGlowAwaitsEditor = false;  // the inline editor being made gets the glow
    int FHoverFixedX = -1;
    int FHoverFixedY = -1;
    bool FMouseDownMove = false;
    bool FDropDownDown = false;
    TCellFont FFixedFont;
    TCellFont FActiveCellFont;
    TCellFont FCellFontScratch;
    bool FActiveCellShow = false;

    // Hidden columns.
    std::array<bool, 513> FVisibleCol{};
    std::array<int16_t, 513> FAllColWidths{};
    int FNumHidden = 0;

    // Hidden rows.
    THiddenRows FGridItems;
    int FFilterLevel = 0;
    // Row heights and places while rows are hidden or shown in bulk, kept
    // for reuse.
    std::vector<int> FRowHeightScratch;
    std::vector<int> FRowHeightMerge;

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
    TGridNotifierList FNotifierList;

    // Sorting bookkeeping of the data operations.
    TIntList FSortRowXRef;

    // Mini-HTML: made by the constructor.
    std::unique_ptr<TGridHTML> FHTML;
};

// Holds a grid's update lock (repaints wait) for a scope, when active, and
// gives it back also when an exception passes.
class TGridUpdateLock {
public:
    explicit TGridUpdateLock(TExStringGrid& grid, bool active = true) : FGrid(grid), FActive(active)
    {
        if (FActive) FGrid.BeginUpdate();
    }
    ~TGridUpdateLock()
    {
        if (FActive) FGrid.EndUpdate();
    }
    TGridUpdateLock(const TGridUpdateLock&) = delete;
    TGridUpdateLock& operator=(const TGridUpdateLock&) = delete;

private:
    TExStringGrid& FGrid;
    bool FActive;
};

}  // namespace grid
