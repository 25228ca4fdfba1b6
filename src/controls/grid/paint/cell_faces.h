#pragma once

#include <QImage>

#include "controls/grid/grid_types.h"
#include "controls/grid/paint/control_look.h"
#include "controls/grid/paint/look_types.h"
#include "platform/canvas.h"

// The layers of a cell that the looks decide: the fixed-cell faces, their
// lines, the tree lines of node rows and the focus rectangle, plus the colour
// blends of selected cells.
namespace grid::paint {

using platform::TCanvas;
using platform::TRect;

// Per component the nearest integer to Percent/100 x c1 + (1 - Percent/100) x c2,
// system colours resolved. Percent >= 100 gives Color; Percent < 1 or Color
// clNone gives Color2; Color2 clNone gives Color.
TColor BlendColors(TColor Color, TColor Color2, int Percent);
// BlendColors when Mix, else Color.
TColor SelectionMix(TColor Color, TColor Color2, bool Mix, int Percent);

// Whether a look draws a gradient face on its fixed cells.
bool LookHasGradientFace(TGridLook look);

// The face of one fixed cell in the looks from glQVR on.
struct TFixedFace {
    bool Lit = false;              // hover or pressed applies to the cell
    bool Pressed = false;
    bool DropDownButton = false;   // ControlLook.FixedDropDownButton and the grid allows it
    bool DropDownPressed = false;  // the pressed part is the drop-down button
    bool ActiveHeader = false;
    TColor ActiveCellColor = clNone, ActiveCellColorTo = clNone;
    bool SortedHeader = false;
    TColor SortColor = clNone, SortColorTo = clNone, SortMirrorColor = clNone, SortMirrorColorTo = clNone;
    // The colours GetVisualProperties left (brush, AColorTo, AMirrorColor, AMirrorColorTo).
    TColor Color = clNone, ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
};
// Draws the face; rect may grow (hover) or lose the drop-down button part.
void DrawFixedCellFace(TCanvas& canvas, TRect& rect, const TFixedFace& face, const TFixedFaceColors& colors,
                       TGridLook look, bool flat);

// The raised lines of a fixed cell in glClassic, glQVR/glXP and glSoft (not
// Flat); rect may grow as the look asks.
void DrawFixedCellLines(TCanvas& canvas, TRect& rect, TGridLook look, TColor fixedColor, bool fixedHorzLine,
                        bool fixedVertLine);
// The face of a glListView fixed cell (not Flat): a themed header item.
void DrawListViewFace(TCanvas& canvas, TRect& rect, bool themes, bool hot, bool pressed);
// Grey lines round a right fixed column of a Flat grid.
void DrawFlatRightFixedLines(TCanvas& canvas, const TRect& rect, bool fixedHorzLine, bool fixedVertLine);

// Tree lines of a row in column 0 of a grid with nodes.
struct TTreeLines {
    int Level = 0;
    int NodeIndent = 12;
    TColor TreeColor = clGray;
    bool ShowTreeFull = true;
    int SpanKind = 1;              // 0 node, 1 inside a node, 2 the next row is at the same or a deeper level
    bool NextRowHasLevel = false;  // the next row has a node level above 0
    bool LastRow = false;
};
void DrawTreeLines(TCanvas& canvas, const TRect& rect, const TTreeLines& tree);

// The modified-row mark: a 4 pixel wide bar at the cell's right edge.
void DrawModifiedMark(TCanvas& canvas, const TRect& rect, TColor color);
// The row indicator in column 0 of the current row: drawn transparent at
// left + 2 by the vertical alignment; the left edge then moves right by its
// width + 2.
void DrawRowIndicator(TCanvas& canvas, TRect& rect, const QImage& bitmap, TVAlignment va);

// The outline of the selection drawn by the cells it covers (2 pixels wide):
// which edges of the selection this cell carries.
struct TSelectionEdges {
    bool Left = false, Right = false, Top = false, Bottom = false;
    bool Resizer = false;  // the bottom-right cell with SelectionResizer
};
void DrawSelectionRectangle(TCanvas& canvas, const TRect& cell, const TSelectionEdges& edges, TColor color,
                            int gridLineWidth);

// The dotted focus rectangle of the current cell around the borders'
// rectangle (the contents rectangle grown by 1).
void DrawCellFocusRect(TCanvas& canvas, const TRect& bordersRect, int gridLineWidth);

}  // namespace grid::paint
