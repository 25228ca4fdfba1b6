#pragma once

// RenderHTMLText: lays out a text in the grid's mini-HTML dialect line by
// line in a rectangle of a canvas, and in the same call draws it, or only
// measures it, and tells what lies under a point (an anchor, a picture
// inside an anchor, a form control). Cells, cell sizes, hints, clicks and
// the mouse all go through it, so measured and drawn sizes never differ.
//
// Each line is laid out twice: a measuring pass decides the line's breaks
// and width, then a second pass draws it (or, with HitTestOnly, lays it out
// at its drawn place without drawing). Text runs are measured and drawn by
// the canvas's text engine as single lines, bottom-aligned.

#include <QString>

#include "platform/canvas.h"

class QWidget;

namespace grid {

class TGridImageList;
class THTMLPictureCache;
class TPictureContainer;

// The inputs of one call (parameters 4-22 and 33, 36-39 of the renderer).
struct THTMLRenderParams {
    TGridImageList* Images = nullptr;   // pictures for IMG SRC="IDX:n"
    int X = -1;                         // the point to test, canvas coordinates
    int Y = -1;
    int FocusLink = -1;                 // 0-based anchor drawn with a focus rectangle; -1 none
    int HoverLink = 0;                  // 1-based anchor under the mouse; 0 or -1 none
    int ShadowOffset = 1;
    bool HitTestOnly = false;           // the second pass lays lines out at their drawn place, drawing nothing
    bool MeasureOnly = false;           // no second pass at all
    bool Print = false;                 // pictures scaled by ResFactor
    bool Selected = false;              // colour tags leave the text colour alone
    bool BlinkOn = true;
    bool HoverStyle = false;            // only the hovered anchor is underlined and hover-coloured
    bool WordWrap = true;               // break at spaces; without it a line is cut with an ellipsis
    bool ControlDown = false;           // a BUTTON control under the point is drawn pressed
    double ResFactor = 0;
    TColor URLColor = clBlue;
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    QString ControlID;                  // with HitTestOnly, the ID of a control to describe
    THTMLPictureCache* PictureCache = nullptr;
    TPictureContainer* PictureContainer = nullptr;
    QWidget* Window = nullptr;          // whose style draws form controls
    int BiDiMode = 0;                   // 0 left to right, 1 right to left, 2 and 3 other right-to-left modes
};

// The outputs (parameters 23-35 of the renderer).
struct THTMLRenderResult {
    QString AnchorVal;      // HREF under the point; "ctrl" on a form control; unchanged otherwise
    QString StripVal;       // the plain text, CR for each BR
    QString FocusAnchor;    // HREF of the focused anchor (drawing only)
    QString AnchorTitle;    // TITLE of the anchor under the point
    int XSize = 0;          // widest line
    int YSize = 0;          // sum of the line heights
    int AnchorCount = 0;
    int MouseLink = -1;     // 1-based anchor under the point; -1 none
    platform::TRect AnchorRect;   // box of the anchor under the point; unchanged when none
    platform::TRect ControlRect;  // box of the control under the point or looked up
    QString ControlID;
    QString ControlValue;
    QString ControlType;    // upper case
};

// Draws or measures Text in Rect. The canvas's font is the starting font;
// font, pen and background colour are as before on return. True when the
// point lies on anchor text, on a picture inside an anchor or on a form
// control (never with MeasureOnly).
bool RenderHTMLText(platform::TCanvas& Canvas, const QString& Text, const platform::TRect& Rect,
                    const THTMLRenderParams& Params, THTMLRenderResult& Result);

}  // namespace grid
