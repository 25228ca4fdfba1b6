#include "controls/grid/editors/flat_frame_paint.h"

#include <QPainter>

#include "controls/grid/editors/esg_combo.h"
#include "platform/theme_painter.h"

namespace grid::flat_frame {

void FrameRect(QPainter& painter, const QRect& r, const QColor& color)
{
    if (r.width() <= 0 || r.height() <= 0) return;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRect(r.left(), r.top(), r.width(), 1);
    painter.drawRect(r.left(), r.bottom(), r.width(), 1);
    painter.drawRect(r.left(), r.top(), 1, r.height());
    painter.drawRect(r.right(), r.top(), 1, r.height());
    painter.restore();
}

void PaintColouredDropButton(QPainter& painter, const QRect& fill, const QLine& border, QPoint arrow,
                             const TDropButtonColours& colours, bool hover, bool mouseDown)
{
    TColor face = colours.Color;
    if (hover && colours.ColorHot != clNone) face = colours.ColorHot;
    if (mouseDown && hover && colours.ColorDown != clNone) face = colours.ColorDown;
    painter.save();
    painter.fillRect(fill, toQColor(face));
    painter.setPen(toQColor(colours.Border == clNone ? clBlack : colours.Border));
    painter.drawLine(border);
    const TColor text = mouseDown && colours.TextDown != clNone ? colours.TextDown
                        : colours.Text != clNone                ? colours.Text
                                                                : clBlack;
    const QPoint triangle[3] = {arrow, arrow + QPoint(6, 0), arrow + QPoint(3, 3)};
    painter.setPen(toQColor(text));
    painter.setBrush(toQColor(text));
    painter.drawPolygon(triangle, 3);
    painter.restore();
}

void PaintThemedDropButton(QPainter& painter, const QRect& r, bool enabled, bool mouseDown, bool droppedDown,
                           bool hover, const QWidget* widget)
{
    platform::TThemeState state = platform::tsNormal;
    switch (ComboButtonState(enabled, mouseDown, droppedDown, hover)) {
    case TComboButtonState::Disabled: state = platform::tsDisabled; break;
    case TComboButtonState::Pressed: state = platform::tsPressed; break;
    case TComboButtonState::Hot: state = platform::tsHot; break;
    case TComboButtonState::Normal: break;
    }
    platform::ThemePainter::Draw(painter, platform::TThemePart::ComboButton,
                                 platform::TRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1), state, 0, widget);
}

void PaintControlBorder(QPainter& painter, QRect r, const TBorderLook& look)
{
    if (!look.Enabled && look.Themed && !look.DisabledBorder) {
        FrameRect(painter, r, toQColor(0xB99D7F));
        return;
    }
    if (look.BorderColor != clNone && !(look.HasFocus && look.FocusBorderColor != clNone)) {
        FrameRect(painter, r, toQColor(look.BorderColor));
        return;
    }
    if (look.FocusBorderColor != clNone) {
        if (look.HasFocus) FrameRect(painter, r, toQColor(look.FocusBorderColor));
        return;
    }
    const QColor outer = toQColor(look.FocusBorderShown ? clBtnFace : look.ParentColor);
    const QColor inner = toQColor(look.Color);
    if (look.FocusBorderShown) {
        // A sunken edge of one pixel.
        painter.save();
        painter.setPen(toQColor(clBtnShadow));
        painter.drawLine(r.left(), r.top(), r.right(), r.top());
        painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
        painter.setPen(toQColor(clBtnHighlight));
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
        painter.restore();
        r.adjust(1, 1, -1, -1);
        FrameRect(painter, r, outer);
        r.adjust(1, 1, -1, -1);
        FrameRect(painter, r, inner);
    } else {
        FrameRect(painter, r, outer);
        r.adjust(1, 1, -1 - look.ButtonWidth, -1);
        FrameRect(painter, r, outer);
        r.adjust(1, 1, -1, -1);
        FrameRect(painter, r, inner);
    }
}

}  // namespace grid::flat_frame
