#pragma once

// The drawing shared by the flat combo box and the date-time pickers: the
// drop-down button in the application's own colours and the frame around
// the control (disabled, border colour, focus colour or the two-ring flat
// look).

#include <QColor>
#include <QLine>
#include <QPoint>
#include <QRect>

#include "platform/colors.h"

class QPainter;
class QWidget;

namespace grid::flat_frame {

// A one-pixel frame just inside r.
void FrameRect(QPainter& painter, const QRect& r, const QColor& color);

struct TDropButtonColours {
    TColor Color = clNone;
    TColor ColorHot = clNone;
    TColor ColorDown = clNone;
    TColor Border = clNone;
    TColor Text = clNone;
    TColor TextDown = clNone;
};

// The button filled in Color (ColorHot under the mouse, ColorDown while a
// mouse button is held there), its left border line, and the down arrow: a
// filled triangle 7 pixels wide whose top-left corner is `arrow`. A border
// or text colour clNone draws black.
void PaintColouredDropButton(QPainter& painter, const QRect& fill, const QLine& border, QPoint arrow,
                             const TDropButtonColours& colours, bool hover, bool mouseDown);

// The theme's combo-box drop button in the state the button is in.
void PaintThemedDropButton(QPainter& painter, const QRect& r, bool enabled, bool mouseDown, bool droppedDown,
                           bool hover, const QWidget* widget);

struct TBorderLook {
    bool Enabled = true;
    bool Themed = true;
    bool DisabledBorder = false;
    bool HasFocus = false;
    // The mouse is over the control or it has the focus, with a focus border.
    bool FocusBorderShown = false;
    TColor BorderColor = clNone;
    TColor FocusBorderColor = clNone;
    // The parent's colour and the control's own for the flat look.
    TColor ParentColor = clBtnFace;
    TColor Color = clWindow;
    int ButtonWidth = 0;
};

// A disabled themed control without its own disabled border: a frame in
// 0xB99D7F; a border colour (unless focused with a focus colour): a frame in
// it; a focus colour: a frame in it while focused; else two rings in the
// parent's colour (button face with a focus border shown, inside a sunken
// line) and one in the control's colour, the inner ones short of the button.
void PaintControlBorder(QPainter& painter, QRect r, const TBorderLook& look);

}  // namespace grid::flat_frame
