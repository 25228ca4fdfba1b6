#pragma once

#include <optional>
#include <utility>
#include <vector>

#include <QPoint>
#include <QString>

#include "controls/grid/grid_types.h"
#include "controls/grid/paint/control_look.h"
#include "controls/grid/paint/look_types.h"
#include "platform/canvas.h"

// What the grid paints around its cells: the flat window border, the empty
// area beside and below the cells, the resize lines, and the measuring
// helpers of cell alignment, rotated text and balloon texts.
namespace grid::paint {

using platform::TCanvas;
using platform::TRect;

// Whether the one-pixel flat border is drawn.
bool DrawsFlatBorder(TGridLook look, bool borderSingle, TColor borderColor, bool flat);
// The border over the whole window (width x height). With fitCellsInGrid the
// border sits one pixel inside and the outer pixel takes parentColor (clNone:
// no parent); otherwise it is drawn only with the version 6 controls.
void PaintFlatBorder(TCanvas& canvas, int width, int height, TColor borderColor, bool fitCellsInGrid,
                     TColor parentColor, bool comCtl6);

// The empty areas right of the last column and below the last row: the
// rectangles to paint (none when the cells overflow the window both ways).
struct TEmptyAreaInput {
    TRect Client;
    TRect LastColumnCell;        // cell (ColCount - 1, TopRow)
    TRect LastRowCell;           // cell (LeftCol, RowCount - 1)
    int GridLineWidth = 1;
    bool LastColumnInView = true;
    bool LastRowInView = true;
    bool RowsOverflow = false;   // TopRow + visible rows < RowCount
    bool ColumnsOverflow = false;
};
std::vector<TRect> EmptyAreaRects(const TEmptyAreaInput& in);

// Paints the grid's background into the empty areas only: a gradient over
// the whole of R (the client rectangle less the footers), the bitmap at its
// fixed place, or tiles from tileOrigin (the client's top-left, or the first
// normal cell's with bcNormal, plus XYOffset; no tiles with bcFixed).
void PaintBackgroundOutsideCells(TCanvas& canvas, const std::vector<TRect>& areas, const TRect& R,
                                 const TBackGround& background, QPoint tileOrigin);

// The dotted XOR lines that follow the mouse while a column or row is
// resized: drawing one twice removes it.
void DrawColSizeLine(TCanvas& canvas, int X, int bottom);
void DrawRowSizeLine(TCanvas& canvas, int Y, int right);

// The size of a text of width x height rotated by angle degrees.
QPoint RotatedTextSize(int width, int height, int angle);

// A cell's alignment: the grid's defaults; numbers right-aligned with
// AutoNumAlign; a cell with properties (and no formula) takes its own.
// text: the cell text; plainText: its raw text (for formulas).
std::pair<TAlignment, TVAlignment> CellAlignment(const QString& text, const QString& plainText, bool autoNumAlign,
                                                 TAlignment defaultHA, TVAlignment defaultVA,
                                                 std::optional<TAlignment> propertiesHA);

// The balloon tip text of a cell: tabs as blanks, leading line breaks and
// tabs left out, at most 2048 characters (2045 and "..."); the title at most
// 100 (97 and "...").
QString BalloonTipText(const QString& text);
QString BalloonTipTitle(const QString& title);

// The design-time panel's look menu: caption and command id (look ordinal + 1), in menu order.
std::vector<std::pair<QString, int>> LookMenuItems();

}  // namespace grid::paint
