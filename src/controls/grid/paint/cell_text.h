#pragma once

#include <functional>

#include <QPoint>
#include <QString>

#include "controls/grid/cells/cell_graphic.h"
#include "controls/grid/grid_types.h"
#include "controls/grid/html/html_renderer.h"
#include "controls/grid/paint/cell_objects.h"
#include "platform/canvas.h"

// The text of one cell: which text, which flags, where, and the marks beside it.
namespace grid::paint {

// The output flags of a plain cell text; text is cut at its first carriage
// return when it is shown on one line.
unsigned CellTextFlags(QString& text, bool wordWrap, bool multiLineCells, bool enhTextSize, TAlignment ha,
                       TVAlignment va);

// The text a URL cell shows: without its scheme ("://" or "mailto:") unless full.
QString URLShownText(const QString& text, bool urlFull);

// Where the text goes once room is made for the graphic (step of the text
// drawing): the rectangle moved in by XYOffset and by the graphic's size on
// the side the graphic takes. graphicOffset receives the width that counts
// as an offset for the sort indicator.
struct TTextRoom {
    QPoint XYOffset{2, 2};
    bool XYOffsetTopLeftOnly = false;
    TCellHAlign GraphicHAlign = haLeft;
    TCellVAlign GraphicVAlign = vaTop;
    int GraphicWidth = 0;
    int GraphicHeight = 0;
    TAlignment TextAlign = taLeftJustify;
    int RowIndent = 0;  // storage column 0 of a grid with nodes, a row that is no node
};
TRect TextRectForGraphic(const TRect& cell, const TTextRoom& room, int& graphicOffset);

// The sort indicator's centre for a plain cell text of width w.
int SortIndicatorX(const TRect& r, TAlignment ha, int textWidth, int graphicOffset);
int SortIndicatorY(const TRect& r, TVAlignment va);

// Everything the text drawing reads of the cell and its grid.
struct TCellTextParams {
    QString Text;                   // the formatted cell text
    QString PlainText;              // the grid's plain text (used for formulas)
    bool EnableHTML = true;
    bool Fixed = false;
    bool SelectedText = false;      // the cell shows selected text (selected and not fixed)
    bool ShowSelection = true;
    bool GridEnabled = true;
    bool GridFocused = true;
    bool HasCheckBox = false;
    TColor SelectionColor = 0xEACAB6;
    TColor SelectionTextColor = clBlack;
    TColor SavedBrushColor = clWindow;  // brush and font colours saved by the painter
    TColor SavedFontColor = clWindowText;
    TColor URLColor = 0xFF0000;
    bool URLShow = false;
    bool URLFull = false;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = false;
    bool MultiLineCells = false;
    bool EnhTextSize = false;
    bool Password = false;
    QChar PasswordChar = QChar('*');
    int MarkerStart = 0;            // error marker start and length, as the grid keeps them
    int MarkerLength = 0;
    int GridLineWidth = 1;
    int ScrollOffset = 0;           // cell scroll bar offset
    bool FilterGlyph = false;       // the filter row shows a glyph in this cell
    QImage FilterGlyphImage;
    TColor FixedColor = clBtnFace;
    bool TextShown = true;          // the graphic layout lets the text show
    bool HasGraphic = false;
    TCellType GraphicType = ctEmpty;
    TTextRoom Room;
    bool SortIndicatorCell = false; // a header cell of the sorted column
    bool SortRowCentredShift = false;
    bool SortDrawn = true;          // first in the index list, not in it, or IndexShow
    TSortIndicator Sort;
    // The mini-HTML renderer's settings for the cell (pictures, hovered
    // link, blink phase, pressed control); the drawing adds the hit point
    // and its URL colour.
    grid::THTMLRenderParams Html;
    // The rich text renderer (set by the grid when it has one).
    std::function<void(TCanvas&, const TRect&)> DrawRichTextCell;
    // The wavy underline of the error marker (text, length, start, line height, rectangle).
    std::function<void(TCanvas&, const QString&, int, int, int, const TRect&)> DrawErrorUnderline;
};

struct TCellTextResult {
    int MeasuredWidth = 0;  // measured text width + 2, 0 when nothing was measured
    int LineHeight = 0;     // the height of "hg"
    bool Html = false;      // the text was mini-HTML, drawn in HtmlRect
    TRect HtmlRect;
};

// Draws the text of a cell (canvas brush and font set by the painter).
TCellTextResult DrawCellText(TCanvas& canvas, const TRect& cell, const TCellTextParams& p, const TCellObjectEnv& env);

}  // namespace grid::paint
