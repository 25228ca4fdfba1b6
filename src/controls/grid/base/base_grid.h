#pragma once

// TBaseGrid: the grid window (platform::GridBase) joined with the cell side
// (TBaseGridCells). The window owns the counts, the current cell and the
// sizes; the cell side keeps the cell store in step with them. The base grid
// paints every cell itself: background (plain, gradient, hover row, active
// row, styled selection face), its own grid lines, then the cell's contents.
//
// Column indexes: the window side (Col, ColCount, CellRect, painting) takes
// display columns; the cell side (GetCellEx, properties, merges) takes
// storage columns. RealColIndex / DisplColIndex convert; both are the
// identity here and the string grid maps its hidden columns.

#include "controls/grid/base/base_grid_cells.h"
#include "controls/grid/grid_types.h"
#include "controls/grid/paint/look_types.h"
#include "platform/canvas.h"
#include "platform/grid_base.h"

namespace grid {

// The selected-cell face (one set of look types: those of the painting units).
using paint::TGridSelectionStyle;
using enum paint::TGridSelectionStyle;

enum THoverRowCell : uint8_t { hcNormal = 1, hcFixed = 2, hcSelected = 4 };
using THoverRowCells = uint8_t;

// The canvas font of a cell font.
platform::TFont ToCanvasFont(const TCellFont& font);
// Copies a canvas font's name, size, style and colour into a cell font.
TCellFont FromCanvasFont(const platform::TFont& font);

class TBaseGrid : public platform::GridBase, public TBaseGridCells {
    Q_OBJECT
public:
    explicit TBaseGrid(QWidget* parent = nullptr);
    ~TBaseGrid() override;

    // ----- counts and current cell: the window's, the store kept in step
    int ColCount() const override { return GridBase::ColCount(); }
    int RowCount() const override { return GridBase::RowCount(); }
    void SetColCount(int value) override;
    void SetRowCount(int value) override;
    int Col() const override { return GridBase::Col(); }
    int Row() const override { return GridBase::Row(); }
    void SetCol(int value) override;
    void SetRow(int value) override;
    TColor Color() const override { return GridBase::Color(); }
    void SetColor(TColor value);

    // ----- look of the base grid
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor value);
    TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(TColor value);
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool value);
    TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(TColor value);
    TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(TColor value);
    TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(TColor value);
    TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(TColor value);
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle value);
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool value) { FHoverRow = value; }
    int HoverRowIdx() const { return FHoverRowIdx; }
    void SetHoverRowIdx(int value) { FHoverRowIdx = value; }
    THoverRowCells HoverRowCells() const { return FHoverRowCells; }
    void SetHoverRowCells(THoverRowCells value) { FHoverRowCells = value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor value) { FHoverRowColor = value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor value) { FHoverRowColorTo = value; }
    bool ShowSel() const { return FShowSel; }
    void SetShowSel(bool value) { FShowSel = value; }
    int PaintID() const { return FPaintID; }

    // ----- geometry (display columns)
    // A cell's rectangle also when it is scrolled out of view.
    platform::TRect VirtualCellRect(int ACol, int ARow) const;
    // The rectangle of a cell; for a cell of a merged block the whole block.
    platform::TRect CellRect(int ACol, int ARow) const;
    QPoint CellSize(int c, int r) const;
    int FixedColsWidth() const;
    int FixedRowsHeight() const;

    // ----- column index spaces
    virtual int RealColIndex(int ACol) const { return ACol; }

    // ----- painting
    // Paints a cell with its contents into any canvas at the given rectangle.
    void PaintCell(platform::TCanvas& ACanvas, int ACol, int ARow, const platform::TRect& ARect,
                   platform::TGridDrawState AState);
    // Background and lines only, at exactly the given rectangle.
    void PaintCellExt(platform::TCanvas& ACanvas, int ACol, int ARow, const platform::TRect& ARect,
                      platform::TGridDrawState AState);
    // The selection segment of a display column: 1 left end, 2 right end,
    // 3 middle of a run of selected columns, 0 a single column.
    int SelectionSegment(int ACol) const;

    // ----- hooks of the cell side answered by the window (HasParent: the
    // grid is shown in a window, on a parent or as a visible window of its own)
    // c is a storage column; the cell is repainted at its display column.
    void RepaintCell(int c, int r) override;
    void RepaintGrid() override;
    bool HasParent() const override;
    void GetDefaultCellProperties(int ACol, int ARow, TCellFont& AFont, TColor& ABrushColor, TColor& AColorTo,
                                  TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                  bool& WW, TCellGradientDirection& GD) override;

    // ----- overridable queries of the painting
    virtual int GetRowIndent(int ARow) const;
    virtual bool HasNodes() const;
    virtual bool HasCellBorders() const;
    virtual bool StyleEngineActive() const;
    // The full look of one cell (display column); the base changes nothing.
    virtual void GetVisualProperties(int ACol, int ARow, platform::TGridDrawState& AState, bool Print, bool Select,
                                     bool Remap, platform::TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                     TColor& AMirrorColorTo, platform::TFont& AFont, TAlignment& HA, TVAlignment& VA,
                                     bool& WW, TCellGradientDirection& GD);
    // Draws what is inside a cell (display column); the base draws the text
    // on one line, centred both ways.
    virtual void DrawCellContents(platform::TCanvas& ACanvas, int ACol, int ARow, const platform::TRect& ARect,
                                  platform::TGridDrawState AState);

protected:
    void Paint() override;
    void RenderCell(int ACol, int ARow, const platform::TRect& ARect, platform::TGridDrawState AState) override;
    bool CanSelectCell(int ACol, int ARow) override;
    void HandleKeyDown(platform::Word& Key, platform::TShiftState Shift) override;
    bool HandleWheelDown(platform::TShiftState Shift, QPoint MousePos) override;
    bool HandleWheelUp(platform::TShiftState Shift, QPoint MousePos) override;
    void ScrollPositionChanged() override;
    void DoPaintCell(platform::TCanvas& ACanvas, int ACol, int ARow, const platform::TRect& ARect,
                     platform::TGridDrawState AState, bool UseCellRect);

private:
    void PaintBackground(platform::TCanvas& canvas, int ACol, const platform::TRect& R, platform::TGridDrawState AState,
                         TColor colorTo, TColor mirrorColor, TColor mirrorColorTo, TCellGradientDirection gd);
    void PaintGridLines(platform::TCanvas& canvas, int ACol, const platform::TRect& R, bool fixed);
    void RepaintFixedMerges();

    int FGridLineWidth = 1;
    TColor FGridLineColor = clSilver;
    TColor FGridFixedLineColor = clGray;
    int FPaintID = 1;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    int FHoverRowIdx = -1;
    bool FHoverRow = false;
    THoverRowCells FHoverRowCells = hcNormal | hcSelected;
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    bool FShowSel = true;
};

}  // namespace grid
