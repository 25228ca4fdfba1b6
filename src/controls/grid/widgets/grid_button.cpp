#include "controls/grid/widgets/grid_button.h"

#include <cmath>

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "platform/theme_painter.h"

namespace grid {

using platform::TCanvas;
using platform::TRect;

// ------------------------------------------------------------ free helpers

void DrawButtonGradient(TCanvas& canvas, TColor from, TColor to, bool horizontal, const TRect& r, int steps,
                        TColor border)
{
    if (steps <= 0) steps = 1;
    const TColor f = ColorToRGB(from), t = ColorToRGB(to);
    const auto channel = [](TColor c, int shift) { return int((c >> shift) & 0xFF); };
    double delta[3];
    for (int k = 0; k < 3; ++k) delta[k] = double(channel(t, 8 * k) - channel(f, 8 * k)) / steps;
    const double band = double(horizontal ? r.Width() : r.Height()) / steps;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Pen.Style = Qt::SolidLine;
    canvas.Pen.Width = 1;
    for (int i = 0; i < steps; ++i) {
        TColor c = 0;
        for (int k = 0; k < 3; ++k) {
            const int v = std::clamp(channel(f, 8 * k) + int(std::nearbyint(i * delta[k])), 0, 255);
            c |= TColor(v) << (8 * k);
        }
        canvas.Pen.Color = c;
        canvas.Brush.Color = c;
        const int o = int(std::nearbyint(i * band));
        const int size = int(std::nearbyint(band)) + 1;
        if (horizontal) canvas.Rectangle(r.Left + o, r.Top, r.Left + o + size, r.Bottom);
        else canvas.Rectangle(r.Left, r.Top + o, r.Right, r.Top + o + size);
    }
    if (border != clNone) {
        canvas.Pen.Color = border;
        canvas.Brush.Style = Qt::NoBrush;
        canvas.Rectangle(r);
        canvas.Brush.Style = Qt::SolidPattern;
    }
}

bool IsCaptionAccelerator(const QString& caption, QChar ch)
{
    const qsizetype amp = caption.indexOf(QLatin1Char('&'));
    return amp >= 0 && amp + 1 < caption.size() && caption[amp + 1].toUpper() == ch.toUpper();
}

QImage GreyGlyph(const QImage& glyph)
{
    QImage grey = glyph.convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x < grey.width(); ++x)
        for (int y = 0; y < grey.height(); ++y) {
            const QRgb p = grey.pixel(x, y);
            const int g = ((qRed(p) + qGreen(p) + qBlue(p)) / 3) / 2 + 96;
            grey.setPixel(x, y, qRgba(g, g, g, qAlpha(p)));
        }
    return grey;
}

// ------------------------------------------------------------ the button

TExGridButton::TExGridButton(QWidget* parent) : QWidget(parent)
{
    setGeometry(0, 0, 23, 22);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
}

void TExGridButton::SetGroupIndex(int value)
{
    if (FGroupIndex == value) return;
    FGroupIndex = value;
    TellGroup();
}

void TExGridButton::SetAllowAllUp(bool value)
{
    if (FAllowAllUp == value) return;
    FAllowAllUp = value;
    TellGroup();
}

void TExGridButton::SetLayout(TButtonLayout value)
{
    if (FLayout != value) FLayout = value, update();
}

void TExGridButton::SetSpacing(int value)
{
    if (FSpacing != value) FSpacing = value, update();
}

void TExGridButton::SetMargin(int value)
{
    if (value != FMargin && value >= -1) FMargin = value, update();
}

void TExGridButton::SetFlat(bool value)
{
    if (FFlat != value) FFlat = value, update();
}

void TExGridButton::SetShowCaption(bool value)
{
    if (FShowCaption != value) FShowCaption = value, update();
}

void TExGridButton::SetGlyph(const QImage& value)
{
    FGlyph = value;
    if (FGlyphDisabled.isNull() && !value.isNull()) FGlyphDisabled = GreyGlyph(value);
    update();
}

void TExGridButton::SetAutoThemeAdapt(bool value)
{
    FAutoThemeAdapt = value;
    // No office colour scheme here: the look of "any other scheme".
    if (value) SetLook(1);
}

void TExGridButton::SetLook(int value)
{
    struct LookColors {
        TColor color, colorTo, hot, hotTo, down, downTo, checked, checkedTo, borderDown, borderHot;
    };
    static const LookColors looks[] = {
        {0x00EDF1F1, 0x00DFEBEB, 0x00FAFCFC, 0x00E5ECED, 0x00E0E6E7, 0x00D8E0E1, 0x00FFFFFF, clNone, 0x00AF987A, 0x00C3CECE},
        {clBtnFace, clNone, 0x00EED2C1, clNone, 0x00E2B598, clNone, 0x00E8E6E1, clNone, 0x00C56A31, 0x00C56A31},
        {0x00FDEADA, 0x00E4AE88, 0x00CCF4FF, 0x0091D0FF, 0x004E91FE, 0x008ED3FF, 0x008ED3FF, 0x0055ADFF, clBlack, clBlack},
        {0x00CFF0EA, 0x008CC0B1, 0x00CCF4FF, 0x0091D0FF, 0x004E91FE, 0x008ED3FF, 0x008ED3FF, 0x0055ADFF, clBlack, clBlack},
        {0x00ECE2E1, 0x00B39698, 0x00CCF4FF, 0x0091D0FF, 0x004E91FE, 0x008ED3FF, 0x008ED3FF, 0x0055ADFF, clBlack, clBlack},
        {clBtnFace, clNone, clBtnFace, clNone, 0x00D8D3D2, clNone, 0x00CAC7C7, clNone, clNone, clNone},
        {0x00CAFFFF, 0x00A6FFFF, 0x00A8F0FD, 0x007CE9FC, 0x004DE0FB, 0x007AE9FC, 0x00B5E6F2, 0x009CDDED, 0x00808080, 0x00808080},
    };
    if (value < 0 || value > 6) return;
    const LookColors& l = looks[value];
    Color = l.color;
    ColorTo = l.colorTo;
    ColorHot = l.hot;
    ColorHotTo = l.hotTo;
    ColorDown = l.down;
    ColorDownTo = l.downTo;
    ColorChecked = l.checked;
    ColorCheckedTo = l.checkedTo;
    BorderDownColor = l.borderDown;
    BorderHotColor = l.borderHot;
    BorderColor = clNone;
    FFlat = true;
    FRounded = value == 0;
    FLook = value;
    update();
}

// ------------------------------------------------------------ groups

void TExGridButton::SetDown(bool value)
{
    if (FGroupIndex == 0 && FStyle == tasButton) value = false;
    if (FStyle == tasCheck) {
        FDown = value;
        update();
        return;
    }
    if (value == FDown || (FDown && !FAllowAllUp)) return;
    FDown = value;
    if (value) {
        if (FState == bsUp) update();
        FState = bsExclusive;
        TellGroup();
    } else {
        FState = bsUp;
        update();
    }
}

void TExGridButton::TellGroup()
{
    if (FGroupIndex == 0 || parentWidget() == nullptr) return;
    for (TExGridButton* other : parentWidget()->findChildren<TExGridButton*>(QString(), Qt::FindDirectChildrenOnly))
        if (other != this) other->GroupNotice(this);
}

void TExGridButton::GroupNotice(TExGridButton* sender)
{
    if (sender->FGroupIndex != FGroupIndex) return;
    if (sender->FDown && FDown) {
        FDown = false;
        FState = bsUp;
        update();
    }
    FAllowAllUp = sender->FAllowAllUp;
}

// ------------------------------------------------------------ mouse

bool TExGridButton::Inside(QPointF p) const
{
    // Up to and including the bottom edge, short of the right edge.
    return p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() <= height();
}

void TExGridButton::Click()
{
    if (OnClick) OnClick(this);
}

void TExGridButton::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    if (FDropDownButton && event->position().x() > width() - 12) {
        FState = bsUp;
        if (OnDropDown) OnDropDown(this);
        if (FDropDownMenu != nullptr && parentWidget() != nullptr)
            FDropDownMenu->popup(parentWidget()->mapToGlobal(QPoint(x(), y() + height())));
        return;
    }
    if (!FDown) {
        FState = bsDown;
        update();
    }
    if (FStyle == tasCheck) {
        FState = bsDown;
        repaint();
    }
    FDragging = true;
}

void TExGridButton::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    if (!FDragging) return;
    TButtonState state = FDown ? bsExclusive : bsUp;
    if (Inside(event->position())) state = FDown ? bsExclusive : bsDown;
    if (FStyle == tasCheck && FDown) state = bsDown;
    if (state != FState) {
        FState = state;
        update();
    }
}

void TExGridButton::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (!FDragging) return;
    FDragging = false;
    const bool inside = Inside(event->position());
    if (FGroupIndex == 0) {
        FState = bsUp;
        if (FStyle == tasCheck && inside) {
            SetDown(!FDown);
            FState = bsUp;
        }
        update();
    } else if (inside) {
        SetDown(!FDown);
        update();
    } else {
        if (FDown) FState = bsExclusive;
        update();
    }
    if (inside) Click();
}

void TExGridButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
    if (FDown && OnDblClick) OnDblClick(this);
}

void TExGridButton::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (!FMouseInControl && isEnabled() && QWidget::mouseGrabber() == nullptr) {
        FMouseInControl = true;
        update();
    }
    if (OnMouseEnter) OnMouseEnter(this);
}

void TExGridButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (FMouseInControl && isEnabled() && !FDragging) {
        FMouseInControl = false;
        update();
    }
    if (OnMouseLeave) OnMouseLeave(this);
}

void TExGridButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::PaletteChange)
        update();
}

bool TExGridButton::DialogChar(QChar ch)
{
    if (!IsCaptionAccelerator(FCaption, ch) || !isEnabled() || !isVisible() || parentWidget() == nullptr ||
        !parentWidget()->isVisible())
        return false;
    Click();
    return true;
}

// ------------------------------------------------------------ painting

void TExGridButton::NormaliseState()
{
    if (!isEnabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
    if (FStyle == tasCheck && FDown) FState = bsDown;
}

void TExGridButton::PaintFace(TCanvas& canvas, TRect& R)
{
    const bool hot = FMouseInControl && isEnabled();
    if (!FFlat) {
        platform::TThemeState state = platform::tsNormal;
        if (FState == bsDown || FState == bsExclusive) state = platform::tsPressed;
        else if (FMouseInControl) state = platform::tsHot;
        platform::ThemePainter::Draw(canvas.Painter(), platform::TThemePart::PushButton, R, state, 0, this);
        return;
    }
    if (BorderDownColor == clNone || FRounded) R = R.Inflated(-1, -1);
    canvas.Pen.Width = 1;
    const auto plain = [&](TColor fill, TColor border) {
        canvas.Brush.Style = Qt::SolidPattern;
        canvas.Brush.Color = fill;
        canvas.Pen.Color = border == clNone ? fill : border;
        canvas.Rectangle(R);
    };
    if (hot) {
        const bool down = FState == bsDown;
        const TColor fill = down ? ColorDown : ColorHot, to = down ? ColorDownTo : ColorHotTo;
        const TColor border = FRounded ? clNone : (down ? BorderDownColor : BorderHotColor);
        if (to == clNone) plain(fill, border);
        else DrawButtonGradient(canvas, fill, to, false, R, 16, border);
        const TColor edge = down ? BorderDownColor : BorderHotColor;
        if (FRounded && edge != clNone) {
            R = R.Inflated(1, 1);
            canvas.Brush.Style = Qt::NoBrush;
            canvas.Pen.Color = edge;
            canvas.Painter().setPen(toQColor(edge));
            canvas.Painter().setBrush(Qt::NoBrush);
            canvas.Painter().drawRoundedRect(R.toQRect().adjusted(0, 0, -1, -1), 4, 4);
        }
        if (FDropDownButton && edge != clNone) {
            canvas.Pen.Color = edge;
            canvas.MoveTo(R.Right - 12, R.Top);
            canvas.LineTo(R.Right - 12, R.Bottom);
        }
    } else if (FStyle == tasCheck && FDown) {
        if (ColorCheckedTo == clNone) plain(ColorChecked, BorderDownColor);
        else DrawButtonGradient(canvas, ColorChecked, ColorCheckedTo, false, R, 16, BorderDownColor);
    } else {
        if (ColorTo == clNone) {
            canvas.Brush.Style = Qt::SolidPattern;
            canvas.Brush.Color = Color;
            canvas.FillRect(R);
        } else {
            DrawButtonGradient(canvas, Color, ColorTo, false, R, 16,
                               FDown ? BorderDownColor : (FRounded ? clNone : BorderColor));
        }
        if (BorderColor != clNone) {
            canvas.Pen.Color = BorderColor;
            canvas.Brush.Style = Qt::NoBrush;
            if (FRounded) {
                R = R.Inflated(1, 1);
                canvas.Painter().setPen(toQColor(BorderColor));
                canvas.Painter().setBrush(Qt::NoBrush);
                canvas.Painter().drawRoundedRect(R.toQRect().adjusted(0, 0, -1, -1), 4, 4);
            } else {
                canvas.Rectangle(R);
            }
        }
    }
    R = R.Inflated(-1, -1);
}

void TExGridButton::PaintContent(TCanvas& canvas, const TRect& R, QPoint offset)
{
    const QSize C(R.Width(), R.Height());
    const QSize G = FGlyph.isNull() ? QSize(0, 0) : FGlyph.size();
    const QString text = FShowCaption ? FCaption : QString();
    QSize S(0, 0);
    if (!text.isEmpty()) {
        const QRect measured = QFontMetrics(font()).boundingRect(QRect(0, 0, C.width(), 10000), Qt::TextShowMnemonic, text);
        S = measured.size();
    }
    const bool horizontal = FLayout == blGlyphLeft || FLayout == blGlyphRight;
    QPoint P, T;
    if (horizontal) {
        P.setY((C.height() - G.height() + 1) / 2);
        T.setY((C.height() - S.height() + 1) / 2);
    } else {
        P.setX((C.width() - G.width() + 1) / 2);
        T.setX((C.width() - S.width() + 1) / 2);
    }
    int spacing = (S.width() == 0 || G.width() == 0) ? 0 : FSpacing;
    int margin = FMargin;
    const int c = horizontal ? C.width() : C.height();
    const int g = horizontal ? G.width() : G.height();
    const int s = horizontal ? S.width() : S.height();
    if (margin == -1) {
        if (spacing == -1) {
            margin = (c - (g + s)) / 3;
            spacing = margin;
        } else {
            margin = (c - (g + spacing + s) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = ((c - (margin + g)) - s) / 2;
    }
    switch (FLayout) {
    case blGlyphLeft: P.setX(margin), T.setX(P.x() + G.width() + spacing); break;
    case blGlyphRight: P.setX(C.width() - margin - G.width()), T.setX(P.x() - spacing - S.width()); break;
    case blGlyphTop: P.setY(margin), T.setY(P.y() + G.height() + spacing); break;
    case blGlyphBottom: P.setY(C.height() - margin - G.height()), T.setY(P.y() - spacing - S.height()); break;
    }
    P += QPoint(R.Left, R.Top) + offset;
    T += QPoint(R.Left, R.Top) + offset;
    if (text.isEmpty()) P = QPoint(0, 0);  // no caption: the glyph at the top-left corner

    const bool pressed = FState == bsDown || FState == bsExclusive;
    const QImage* glyph = &FGlyph;
    if (FMouseInControl && !pressed && !FGlyphHot.isNull()) glyph = &FGlyphHot;
    else if (pressed && !FGlyphDown.isNull()) glyph = &FGlyphDown;
    if (!isEnabled() && !FGlyphDisabled.isNull()) glyph = &FGlyphDisabled;
    if (!glyph->isNull()) {
        if (FMouseInControl && FShaded && isEnabled() && FState != bsDown) {
            const QImage shade = GreyGlyph(*glyph);
            canvas.DrawTransparent(text.isEmpty() ? P.x() : P.x() + 2, text.isEmpty() ? P.y() : P.y() + 2, shade);
        }
        canvas.DrawTransparent(P.x(), P.y(), *glyph);
    }
    if (!pressed && FMouseInControl && FShaded && isEnabled() && FFlat) T += QPoint(1, 1);
    if (text.isEmpty()) return;
    TRect tr(T.x(), T.y(), T.x() + S.width(), T.y() + S.height());
    canvas.Brush.Style = Qt::NoBrush;
    const unsigned flags = platform::DT_CENTER | platform::DT_VCENTER;
    if (FState == bsDisabled) {
        TRect shadow = tr.Offset(1, 1);
        canvas.Font.Color = clBtnHighlight;
        canvas.DrawText(text, shadow, flags);
        canvas.Font.Color = clBtnShadow;
    } else {
        canvas.Font.Color = ColorFromQColor(palette().color(QPalette::ButtonText));
    }
    canvas.DrawText(text, tr, flags);
}

void TExGridButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TCanvas canvas(painter);
    NormaliseState();
    canvas.Font = platform::TFont(font());
    TRect R(0, 0, width(), height());
    PaintFace(canvas, R);
    QPoint offset(0, 0);
    if (FState == bsDown || FState == bsExclusive) {
        if (FState == bsExclusive && (!FFlat || !FMouseInControl)) {
            R = R.Inflated(1, 1);
            const TColor border = FDown ? BorderDownColor : BorderColor;
            if (ColorCheckedTo == clNone) {
                canvas.Brush.Style = Qt::SolidPattern;
                canvas.Brush.Color = ColorChecked;
                canvas.Pen.Color = border == clNone ? ColorChecked : border;
                canvas.Rectangle(R);
            } else {
                DrawButtonGradient(canvas, ColorChecked, ColorCheckedTo, false, R, 16, border);
            }
        }
        if (!FFlat) offset = QPoint(1, 1);
    } else if (FFlat && FMouseInControl && isEnabled() && FShaded) {
        offset = QPoint(-1, -1);
    }
    if (FDropDownButton) {
        const int mid = R.Top + (R.Bottom - R.Top) / 2;
        canvas.Brush.Style = Qt::SolidPattern;
        canvas.Brush.Color = canvas.Font.Color;
        canvas.Pen.Color = canvas.Font.Color;
        canvas.Polygon({{R.Right - 8, mid - 1}, {R.Right - 4, mid - 1}, {R.Right - 6, mid + 1}});
        R.Right -= 12;
    }
    PaintContent(canvas, R, offset);
}

}  // namespace grid
