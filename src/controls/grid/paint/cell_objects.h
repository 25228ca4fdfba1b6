#pragma once

#include <functional>
#include <vector>

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include "controls/grid/cells/cell_graphic.h"
#include "controls/grid/settings/grid_settings.h"
#include "controls/grid/grid_types.h"
#include "controls/grid/paint/control_look.h"
#include "controls/grid/paint/grid_draw_utils.h"
#include "controls/grid/paint/look_types.h"
#include "platform/canvas.h"
#include "platform/grid_base.h"

// The objects a cell may hold besides its text, the custom borders of a cell
// and the two decorations of header cells (sort indicator, filter glyph).
namespace grid::paint {

using platform::TCanvas;
using platform::TRect;

// Shapes of shape cells and of the rating stars.
enum TCellShape : uint8_t {
    csRectangle, csCircle, csTriangleLeft, csTriangleRight, csTriangleUp, csTriangleDown, csDiamond, csLineVert,
    csLineHorz, csRoundRect, csEllips, csSquare, csRoundSquare, csStar, csArrowUp, csArrowDown, csArrowLeft,
    csArrowRight, csHalfStar
};

// What the cell objects read of their grid.
struct TCellObjectEnv {
    const TControlLook* ControlLook = nullptr;  // required
    QPoint XYOffset{2, 2};
    bool ThemesAvailable = true;  // visual themes and the version 6 controls
    bool RightToLeft = false;
    bool NoRTLOrientation = false;
    int ClientWidth = 0;
    TGridLook Look = glXP;
    bool Flat = false;
    TColorTones Tones;
    TColor Color = clWindow;
    TColor FixedColor = clBtnFace;
    TColor SelectionColor = 0xEACAB6;
    TColor SelectionTextColor = clBlack;
    bool ShowSelection = true;
};

// ------------------------------------------------------------- placement

// The rectangle a graphic is placed in: the cell rectangle less XYOffset - 1
// on every side.
TRect GraphicArea(const TRect& cell, QPoint xyOffset);

// The box of a graphic of W x H in the area by its alignments; T is the width
// of the cell's measured text plus 2 (0 when none was measured).
TRect PlaceGraphic(const TRect& area, TCellHAlign ha, TCellVAlign va, int W, int H, int T, TAlignment textAlign);

// The left edge of a check box or radio button: it follows the cell's text
// alignment; showsText: the kind shows text beside it.
int CheckBoxLeft(const TRect& area, TAlignment textAlign, int W, int T, bool showsText);

// The vertical alignment of a check box or radio button: the cell's own
// alignment wins when it differs from the grid's.
TCellVAlign CheckBoxVAlign(TCellVAlign graphicAlign, TVAlignment cellAlign, TVAlignment gridAlign);

// ------------------------------------------------------ check boxes, radios

// One check box with the rectangle's top-left as its position.
void DrawCheckBox(TCanvas& canvas, const TRect& rect, bool checked, TCheckBoxState state, bool triState,
                  TControlStyle style, bool grayed, bool enabled, const TCellObjectEnv& env);

struct TRadioGroup {
    bool Reverse = false;
    double Scale = 1.0;
    TControlStyle Style = csTheme;
    bool Selected = false;             // the cell is selected
    const QStringList* Items = nullptr;
    bool Disabled = false;
    bool Horizontal = false;
    int Index = -1;                    // checked item, -1: the one equal to CellText
    int Count = 0;
    QString CellText;
};
// Count radio buttons with their captions.
void DrawRadioGroup(TCanvas& canvas, const TRect& rect, const TRadioGroup& group, const TCellObjectEnv& env);

// ------------------------------------------------------------- progress

// The classic bar of a progress cell: the graphic's colours (its own text
// colours when its flag is set, else the inverse of the bar colours), the
// control look's border colour and margins.
grid::TProgressBarLook ProgressBarLookOf(const TCellGraphic& graphic, const TControlLook& look);

// The percentage an XP progress cell shows for its value between minimum and
// maximum; 0 at or below the minimum and 100 above it when they are equal.
int XPProgressPercent(int value, int minimum, int maximum);
// The per-mille fill of a themed progress cell (value clamped to 0 .. 100).
int ThemedProgressPerMille(double value);

// ---------------------------------------------------------------- rating

enum TStarFill : uint8_t { sfEmpty, sfFull, sfHalf };
// The stars of a rating: whole and half steps of value, rounded down.
std::vector<TStarFill> RatingStars(double value, int count);

// ----------------------------------------------------------- node marks

struct TNodeLook {
    TNodeType NodeType = cnXP;
    int NodeIndent = 12;
    TColor Color = clSilver;       // box colour
    TColor NodeColor = clBlack;    // outline of cnFlat
    bool ShowTree = true;
    TColor TreeColor = clGray;
    QImage ExpandGlyph;
    QImage ContractGlyph;
};
struct TNodeRow {
    int Level = 0;                 // node level of the row
    bool NormalRow = true;
    bool Contracted = false;
    bool HasNextRow = false;
    int NextIndent = 0;            // row indent of the next row
    int PreviousIndent = 0;        // row indent of the previous row (-1 when none)
    bool FixedColumnFaced = false; // a fixed column of a raised look (not Flat; glSoft, glQVR, glXP, glListView)
    TColor Background = clNone;    // the brush colour; clNone: clear
    bool UseSelectionColor = false;
};
// The node mark of a node row and its two tree line stubs.
void DrawNodeMark(TCanvas& canvas, const TRect& cell, const TNodeLook& look, const TNodeRow& row,
                  const TCellObjectEnv& env);

// -------------------------------------------------------- comment, sort, filter

// The comment triangle in the cell's top-right corner (cell: the shrunk
// rectangle; the corner is moved back by XYOffset). ownColor: the comment's
// colour (CellIndex) unless colorOff (CellAngle holds clNone).
void DrawCommentMark(TCanvas& canvas, const TRect& cell, TColor ownColor, bool useOwnColor,
                     const TCellObjectEnv& env);

struct TSortIndicator {
    bool Descending = false;
    bool IndexShow = false;
    int IndexPosition = -1;        // position of the column in the sort index list, -1 when absent
    TColor IndexColor = clWhite;
    QImage UpGlyph, DownGlyph, IndexUpGlyph, IndexDownGlyph;
};
// The sort mark of a header cell centred at (X, Y).
void DrawSortIndicator(TCanvas& canvas, int X, int Y, const TSortIndicator& sort, const TCellObjectEnv& env);

// The filter glyph at the right edge of a cell of the filter row.
void DrawFilterGlyph(TCanvas& canvas, const TRect& cell, const QImage& glyph, TColor fixedColor);

// --------------------------------------------------------------- borders

struct TCellBorderPens {
    platform::TPen Left, Top, Right, Bottom;
};
struct TCellBorderSides {
    bool Left = false, Top = false, Right = false, Bottom = false;
};
// The custom borders of a cell on the contents rectangle grown by 1.
void DrawCellBorders(TCanvas& canvas, const TRect& rect, const TCellBorderSides& sides, const TCellBorderPens& pens,
                     bool vertLines, bool horzLines, int gridLineWidth);

// ---------------------------------------------------------------- buttons

// Button look: 0 themed, 1 3-D, 2 flat, 3 tone colours; state: 0 normal,
// 1 hot, 2 down, 3 disabled.
int CellButtonLook(const TCellObjectEnv& env);
int CellButtonState(bool down, bool hot, bool enabled, bool isExpand);
// The button's offset from the cell's top-left packed as (dy shl 16) or dx.
int PackButtonOffset(const TRect& button, const TRect& cell);
// The black chevron of an expand cell (R, T: the cell's right and top).
void DrawExpandChevron(TCanvas& canvas, int R, int T, bool expanded);

// ------------------------------------------------------- interfaced cells

// What an object held by a ctInterface cell offers to draw itself (an object
// without it draws nothing).
class TCellInterface {
public:
    virtual ~TCellInterface() = default;
    virtual void Draw(TCanvas& canvas, const TRect& rect, int col, int row, bool selected) = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool DrawUnderText() const = 0;  // drawn before the text instead of after it
};
// The drawing interface of a ctInterface graphic, nullptr when it has none.
TCellInterface* CellInterfaceOf(const TCellGraphic& graphic);

// ----------------------------------------------------------- the dispatcher

// The drawing services of the grid a cell graphic calls (set by the grid;
// a service not set draws nothing).
struct TCellDrawServices {
    std::function<void(TCanvas&, const TRect&, int state, int look)> DrawCellButton;
    std::function<void(TCanvas&, const TRect&, int percent)> DrawXPProgressBar;
    std::function<void(TCanvas&, const TRect&, TColor color, int percent)> DrawProgressPie;
    std::function<void(TCanvas&, int x, int y, TColor line, TColor fill, TCellShape shape, int w, int h)> DrawCellShape;
    // The output point of a rotated text in the rectangle (one of the grid's
    // data services): angle, vertical and horizontal alignment, text.
    std::function<QPoint(const TRect&, int angle, TVAlignment, TAlignment, const QString&)> RotatedTextPos;
    std::function<QImage(int index)> Image;  // image of the cell's image list
    int ImageCount = 0;
    int ImageWidth = 16;
    int ImageHeight = 16;
};

// Everything DrawCellGraphic reads of the cell.
struct TCellGraphicContext {
    platform::TGridDrawState State = 0;
    TAlignment TextAlign = taLeftJustify;
    TVAlignment CellVAlign = vtaTop;
    TVAlignment GridVAlign = vtaTop;
    int Width = 0, Height = 0;     // graphic size of the layout
    int TextWidth = 0;             // measured text width + 2, 0 when none
    QString CellText;
    QString CheckTrue = QStringLiteral("Y");
    bool CanEdit = true;
    bool Hot = false;              // the mouse is over the cell's button
    double FloatValue = 0;
    int IntValue = 0;
    int Col = 0, Row = 0;          // storage column and row (for interfaced cells)
    // The sort indicator of a rotated header cell; nullptr when the cell shows none.
    const TSortIndicator* RotatedSort = nullptr;
};

// Draws the graphic of a cell into its rectangle (the contents rectangle of
// the painter); returns the box the graphic took (empty when nothing).
TRect DrawCellGraphic(TCanvas& canvas, const TRect& cell, TCellGraphic& graphic, const TCellGraphicContext& ctx,
                      const TCellObjectEnv& env, const TCellDrawServices& services);

}  // namespace grid::paint
