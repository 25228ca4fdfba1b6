#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QPoint>
#include <QTimer>

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/geometry.h"
#include "platform/input_state.h"

namespace platform {

// A cell position: X = column, Y = row.
struct TGridCoord {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const TGridCoord&) const = default;
};

// A block of cells, both corners included.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr bool operator==(const TGridRect&) const = default;
    constexpr bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
};

enum TGridOption : uint32_t {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
using TGridOptions = uint32_t;

enum TGridDrawStateFlag : uint32_t {
    gdSelected = 1u << 0,
    gdFocused = 1u << 1,
    gdFixed = 1u << 2,
    gdRowSelected = 1u << 3,
    gdHotTrack = 1u << 4,
    gdPressed = 1u << 5,
};
using TGridDrawState = uint32_t;

enum TGridState : uint8_t { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

// Scroll bar requests (the same codes serve the horizontal bar: LINEUP = line left ...).
enum TScrollCode : uint8_t {
    SB_LINEUP = 0, SB_LINEDOWN = 1, SB_PAGEUP = 2, SB_PAGEDOWN = 3, SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5, SB_TOP = 6, SB_BOTTOM = 7, SB_ENDSCROLL = 8,
};

// A key-down as the grid's message handler sees it: setting CharCode to 0
// stops the later stages from acting on the key; Result 1 marks the key as
// consumed, so no character follows it.
struct TWMKey {
    Word CharCode = 0;
    TShiftState Shift = 0;
    int Result = 0;
};

// A mouse button message in client (viewport) coordinates.
struct TWMMouse {
    int XPos = 0;
    int YPos = 0;
    TShiftState Keys = 0;
    int Result = 0;
};

class GridBase;

// Where index i ends up when the column (row) at from moves to to.
int MovedIndex(int i, int from, int to);

// The inline editor the grid shows over the current cell: a one-line edit
// that hands the navigation keys back to its grid.
class TInplaceEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TInplaceEdit(GridBase* grid);
    GridBase* Grid() const { return FGrid; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    GridBase* FGrid;
};

// The owner-drawn grid window the grid family stands on: rows and columns
// with fixed (header) rows and columns, sizes per column and row, a current
// cell with a selection, scrolling, a paint pass with a per-cell draw hook,
// keyboard and mouse navigation, sizing and moving with the mouse, and an
// editor mode with an inline editor.
//
// Everything a descendant adapts is a virtual hook; the base behaviour of a
// hook is what a descendant reaches by calling GridBase::Hook. The events
// (On...) are fired by the base hooks.
//
// Sizes: a column (row) of size s >= 0 takes s pixels plus GridLineWidth for
// the line after it; a negative size hides it completely. Client coordinates
// are those of the viewport.
class GridBase : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit GridBase(QWidget* parent = nullptr);
    ~GridBase() override;

    // --- dimensions ---
    int ColCount() const { return FCols.Count; }
    virtual void SetColCount(int value);
    int RowCount() const { return FRows.Count; }
    virtual void SetRowCount(int value);
    int FixedCols() const { return FCols.Fixed; }
    virtual void SetFixedCols(int value);
    int FixedRows() const { return FRows.Fixed; }
    virtual void SetFixedRows(int value);
    int DefaultColWidth() const { return FCols.DefaultSize; }
    void SetDefaultColWidth(int value);  // all columns take it
    int DefaultRowHeight() const { return FRows.DefaultSize; }
    void SetDefaultRowHeight(int value);  // all rows take it
    int ColWidths(int col) const;
    void SetColWidths(int col, int value);
    int RowHeights(int row) const;
    void SetRowHeights(int row, int value);
    // All row heights at once, by row, for passes that move many rows.
    const std::vector<int>& AllRowHeights() const { return FRows.Sizes; }
    // Sets the heights of the rows from first on from values (as far as
    // both go) as SetRowHeights would one by one, with the change hooks run
    // once.
    void AssignRowHeights(const std::vector<int>& values, int first = 0);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);
    TGridOptions Options() const { return FOptions; }
    virtual void SetOptions(TGridOptions value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);

    // --- look ---
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor value);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value);

    // --- current cell, selection and scroll position ---
    int Col() const { return FCurrent.X; }
    virtual void SetCol(int value);
    int Row() const { return FCurrent.Y; }
    virtual void SetRow(int value);
    int LeftCol() const { return FCols.First; }
    virtual void SetLeftCol(int value);
    int TopRow() const { return FRows.First; }
    virtual void SetTopRow(int value);
    // Scrollable columns (rows) that are wholly visible from LeftCol (TopRow);
    // at least 1 while there are scrollable columns (rows).
    int VisibleColCount() const;
    int VisibleRowCount() const;
    TGridRect Selection() const;
    // The current cell becomes the top-left corner, the anchor the bottom-right
    // one; the select-cell query is not asked.
    virtual void SetSelection(const TGridRect& value);
    TGridCoord Anchor() const { return FAnchor; }
    TGridState GridState() const { return FGridState; }

    // Makes (ACol, ARow) current when the select-cell query allows it:
    // MoveAnchor also moves the selection anchor (else the range grows), Show
    // scrolls the cell into view. Positions outside the grid are ignored.
    void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
    // Scrolls both ways at once (one top-left change).
    void MoveTopLeft(int ALeftCol, int ATopRow);

    // --- geometry and hit tests ---
    // The cell's rectangle in client coordinates, without its grid line; an
    // empty rectangle when no part of the cell is visible.
    TRect CellRect(int ACol, int ARow) const;
    // The cell under a client point; -1 in a coordinate that lies outside the cells.
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;
    // Total width (height) of the fixed columns (rows) with their lines.
    int FixedColsExtent() const;
    int FixedRowsExtent() const;

    // --- repainting ---
    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void InvalidateCol(int ACol);
    void InvalidateGridRect(const TGridRect& r);
    // Repaints the whole client area; every whole-grid repaint of the base goes through it.
    virtual void Invalidate();

    // --- editor mode ---
    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool value);
    void ShowEditor();
    // Shows the editor and hands it the typed character (which replaces the
    // selected text the editor starts with).
    void ShowEditorChar(QChar ch);
    // Hands the editor's text to AcceptEditText for its cell and hides it.
    void HideEditor();
    // Places the open editor over its cell again (after scrolling or sizing).
    void InvalidateEditor();
    QWidget* InplaceEditor() const { return FInplaceEdit; }
    int InplaceCol() const { return FInplaceCol; }
    int InplaceRow() const { return FInplaceRow; }

    // --- moving ---
    virtual void MoveColumn(int FromIndex, int ToIndex);
    virtual void MoveRow(int FromIndex, int ToIndex);

    // The grid (or its editor) holds the keyboard focus.
    bool IsActiveControl() const;

    // Runs the paint pass into any painter, for the part of the client area in clip.
    void PaintTo(QPainter& painter, const TRect& clip);
    // The canvas of the running paint pass (nullptr outside one).
    TCanvas* Canvas() const { return FCanvas; }
    // The part of the client area the running paint pass covers.
    TRect PaintRect() const { return FPaintRect; }

    // The range-selection timer's tick: while selecting with the mouse outside
    // the scrollable area, scrolls one step towards it and extends the range.
    void ScrollTimerTick();

    // --- events ---
    std::function<void(QObject* Sender, int ACol, int ARow, bool& CanSelect)> OnSelectCell;
    std::function<void(QObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)> OnDrawCell;
    std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)> OnGetEditText;
    std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value)> OnSetEditText;
    std::function<void(QObject* Sender, Word& Key, TShiftState Shift)> OnKeyDown;
    std::function<void(QObject* Sender, QChar& Key)> OnKeyPress;
    std::function<void(QObject* Sender, Word& Key, TShiftState Shift)> OnKeyUp;
    std::function<void(QObject* Sender)> OnTopLeftChanged;
    std::function<void(QObject* Sender, int FromIndex, int ToIndex)> OnColumnMoved;
    std::function<void(QObject* Sender, int FromIndex, int ToIndex)> OnRowMoved;
    std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)> OnMouseDown;
    std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)> OnMouseUp;
    std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)> OnMouseMove;
    std::function<void(QObject* Sender)> OnClick;
    std::function<void(QObject* Sender)> OnDblClick;
    std::function<void(QObject* Sender, TShiftState Shift, QPoint MousePos, bool& Handled)> OnMouseWheelDown;
    std::function<void(QObject* Sender, TShiftState Shift, QPoint MousePos, bool& Handled)> OnMouseWheelUp;
    std::function<void(QObject* Sender)> OnResize;

    // Hooks the inline editor calls.
    void EditorKeyDown(Word key, TShiftState shift);
    void EditorKeyPress(QChar key);
    void EditorCancel();

protected:
    // --- hooks ---
    // The paint pass: every visible cell that meets PaintRect goes through
    // RenderCell, then the grid lines and the empty area are drawn.
    virtual void Paint();
    // Draws one cell. Base: with DefaultDrawing fills the cell, fires
    // OnDrawCell, and draws the focus rectangle of the focused cell.
    virtual void RenderCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // May (ACol, ARow) become current? Base: OnSelectCell (true without it).
    virtual bool CanSelectCell(int ACol, int ARow);
    // May the inline editor show now? Base: goEditing without goRowSelect,
    // and editor mode on (or goAlwaysShowEditor).
    virtual bool MayShowEditor();
    // The text the editor starts with. Base: OnGetEditText (empty without it).
    virtual QString EditTextOfCell(int ACol, int ARow);
    // Longest text the editor takes (0 = no limit). Base: 0.
    virtual int EditLengthLimit();
    // The editor's text when it hides. Base: OnSetEditText.
    virtual void AcceptEditText(int ACol, int ARow, const QString& Value);
    // Key-down message; base: HandleKeyDown with the key, then the message's key code is updated.
    virtual void HandleKeyDownMessage(TWMKey& Msg);
    // Base: OnKeyDown first (it may change or clear the key), then the key
    // moves the current cell or the view.
    virtual void HandleKeyDown(Word& Key, TShiftState Shift);
    // A typed character. Base: OnKeyPress; Enter toggles the editor; any other
    // printable character opens the editor with it (goEditing).
    virtual void HandleKeyPress(QChar& Key);
    virtual void HandleKeyUp(Word& Key, TShiftState Shift);
    // Mouse messages; the base passes each on to the Handle... operations.
    virtual void WMLButtonDown(TWMMouse& Msg);
    virtual void WMLButtonUp(TWMMouse& Msg);
    virtual void WMLButtonDblClk(TWMMouse& Msg);
    virtual void WMRButtonDown(TWMMouse& Msg);
    virtual void WMRButtonUp(TWMMouse& Msg);
    virtual void WMMouseMove(TWMMouse& Msg);
    // Base mouse-down: closes the editor, takes the focus, starts sizing near
    // a fixed border, moving in a fixed cell, opens the editor on the current
    // cell (goEditing), else makes the cell current (Shift: extends the range)
    // and starts range selection with its timer; fires OnMouseDown.
    virtual void HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    // Base: extends the selection, follows sizing and moving; fires OnMouseMove.
    virtual void HandleMouseMove(TShiftState Shift, int X, int Y);
    // Base: ends selecting (OnClick), sizing (the new size) and moving (the
    // move); fires OnMouseUp.
    virtual void HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    // While a column (row) is sized with the mouse: its index, and the size
    // the pointer at pos (X for columns, Y for rows) gives it; -1 for both
    // when nothing is sized.
    int SizingIndex() const { return FSizingIndex; }
    int SizingSizeAt(int pos) const;
    virtual void HandleDblClick();
    // One wheel notch. Base: OnMouseWheelDown/Up, and unless it handled the
    // notch, the current row moves one row down/up.
    virtual bool HandleWheelDown(TShiftState Shift, QPoint MousePos);
    virtual bool HandleWheelUp(TShiftState Shift, QPoint MousePos);
    // Scroll bar requests (Pos: thumb position for the thumb codes).
    virtual void WMHScroll(TScrollCode Code, int Pos);
    virtual void WMVScroll(TScrollCode Code, int Pos);
    // After LeftCol or TopRow changed. Base: OnTopLeftChanged.
    virtual void ScrollPositionChanged();
    // After a column (row) moved. Base: OnColumnMoved (OnRowMoved).
    virtual void ColumnMovedNotice(int FromIndex, int ToIndex);
    virtual void RowMovedNotice(int FromIndex, int ToIndex);
    virtual void ColWidthsChanged() {}
    virtual void RowHeightsChanged() {}
    virtual void SizeChanged(int OldColCount, int OldRowCount) {}
    // After the window changed size. Base: OnResize.
    virtual void Resize();
    // Sets the scroll bars' range, page and position from the grid (and shows
    // or hides them); runs after every change of counts, sizes, scroll
    // position and client size.
    virtual void UpdateScrollBars();
    // The inline editor: created on first show; its text read and written.
    virtual QWidget* CreateEditor();
    virtual QString EditorText(QWidget* editor) const;
    virtual void SetEditorText(QWidget* editor, const QString& text, int maxLength);

    void SetGridState(TGridState value) { FGridState = value; }
    // While a column (row) is moved, the base marks the drop position with a
    // line; a descendant that shows its own marks answers false.
    virtual bool ShowsMoveMark() const { return true; }
    // Which border a client point grabs for sizing: gsColSizing / gsRowSizing
    // with the column (row) left of (above) it, else gsNormal.
    TGridState CalcSizingState(int X, int Y, int& index) const;
    // The sizing hit test the mouse handling uses: CalcSizingState, which a
    // descendant may narrow (a vetoed column or row answers gsNormal).
    virtual TGridState ComputeSizingState(int X, int Y, int& index) { return CalcSizingState(X, Y, index); }
    // The cursor over the cells when the mouse grabs no border.
    virtual TCursor RestCursor() const { return crDefault; }
    // A descendant that drives a shown scroll bar's range, page and value
    // itself sets them here and returns true; false keeps the base's
    // one-step-per-cell range. Asked whenever the bars follow the view.
    virtual bool SyncScrollBarRange(Qt::Orientation, QScrollBar*) { return false; }

    // Qt plumbing.
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;

private:
    // One direction of the grid: columns or rows.
    struct Axis {
        int Count = 0;
        int Fixed = 0;
        int First = 0;  // LeftCol / TopRow
        int DefaultSize = 0;
        std::vector<int> Sizes;

        int Extent(int i, int lw) const;
        int FixedExtent(int lw) const;
        // Client position of the cell's start; false when scrolled out of view.
        bool Start(int i, int lw, int& pos) const;
        int FullVisibleCount(int client, int lw) const;
        int LastVisible(int client, int lw) const;  // last index starting inside the client area
        int MaxFirst(int client, int lw) const;
        // The first value for First that shows cell i wholly (or as much as fits).
        int FirstToShow(int i, int client, int lw) const;
        int CellAt(int pos, int client, int lw) const;
        // Visible cells in order with their positions.
        void Visible(int client, int lw, std::vector<std::pair<int, int>>& out) const;
        void Resize(int count);
    };

    void UpdateEdit();
    void ClampInView(int ACol, int ARow);
    void MoveAnchorTo(int ACol, int ARow);
    void SelectionMoved(const TGridRect& oldSel);
    void ClampAfterResize();
    TRect BoxRect(const TGridRect& r) const;
    void OnScrollAction(Qt::Orientation orientation, int action);
    TWMMouse MouseMessage(QMouseEvent* event) const;
    void DrawGridLines(TCanvas& canvas, const TRect& cell, int ACol, int ARow);

    Axis FCols;
    Axis FRows;
    int FGridLineWidth = 1;
    TGridOptions FOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    TScrollStyle FScrollBars = ssBoth;
    TColor FColor = clWindow;
    TColor FFixedColor = clBtnFace;
    bool FDefaultDrawing = true;

    TGridCoord FCurrent{1, 1};
    TGridCoord FAnchor{1, 1};
    TGridState FGridState = gsNormal;

    bool FEditorMode = false;
    QWidget* FInplaceEdit = nullptr;  // child of the viewport
    int FInplaceCol = -1;
    int FInplaceRow = -1;

    TCanvas* FCanvas = nullptr;
    TRect FPaintRect;

    // Mouse state.
    QTimer FScrollTimer;
    QPoint FLastMouse;
    int FSizingIndex = -1;
    int FSizingPos = 0;
    int FSizingOfs = 0;
    int FMoveIndex = -1;
    int FMovePos = -1;
    int FWheelAccumulator = 0;
    bool FSyncingScrollBars = false;
};

}  // namespace platform
