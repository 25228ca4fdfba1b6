#include "controls/dropdown/base/dropdown_button.h"

#include <algorithm>

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/dropdown/base/dropdown_draw.h"
#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/base/guarded.h"
#include "platform/canvas.h"
#include "platform/theme_painter.h"

namespace dropdown {

using platform::TCanvas;
using platform::TRect;

namespace dropdown_button_detail {

// The glyph of a strip of numGlyphs pictures (up, disabled, clicked, down)
// for a state; the first when the strip has no picture for it.
QImage glyphForState(const QImage& strip, int numGlyphs, TSpeedButtonState state)
{
    if (strip.isNull() || numGlyphs <= 1) return strip;
    const int width = strip.width() / numGlyphs;
    int index = 0;
    switch (state) {
    case bsDisabled: index = 1; break;
    case bsDown: index = 2; break;
    case bsExclusive: index = 3; break;
    case bsUp: break;
    }
    if (index >= numGlyphs) index = 0;
    return strip.copy(index * width, 0, width, strip.height());
}

platform::TThemeState themeState(bool enabled, bool pressed, bool hot)
{
    if (!enabled) return platform::tsDisabled;
    if (pressed) return platform::tsPressed;
    if (hot) return platform::tsHot;
    return platform::tsNormal;
}

}  // namespace dropdown_button_detail

// ----- TExDropDownSpeedButton

TExDropDownSpeedButton::TExDropDownSpeedButton(TDropDownEditButton* owner) : QWidget(owner), FOwner(owner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

TExCustomDropDown* TExDropDownSpeedButton::Edit() const
{
    return FOwner ? qobject_cast<TExCustomDropDown*>(FOwner->parentWidget()) : nullptr;
}

void TExDropDownSpeedButton::SetButtonStyle(TButtonStyle value)
{
    FButtonStyle = value;
    update();
}

void TExDropDownSpeedButton::SetEtched(bool value)
{
    if (FEtched == value) return;
    FEtched = value;
    update();
}

void TExDropDownSpeedButton::SetFocused(bool value)
{
    if (FFocused == value) return;
    FFocused = value;
    update();
}

void TExDropDownSpeedButton::SetFlat(bool value)
{
    FFlat = value;
    update();
}

void TExDropDownSpeedButton::SetGlyph(const QImage& value)
{
    FGlyph = value;
    update();
}

void TExDropDownSpeedButton::SetNumGlyphs(int value)
{
    FNumGlyphs = std::max(1, value);
    update();
}

void TExDropDownSpeedButton::SetCaption(const QString& value)
{
    FCaption = value;
    update();
}

void TExDropDownSpeedButton::SetThemesAvailable(bool value)
{
    FIsWinXP = value;
    update();
}

bool TExDropDownSpeedButton::IsThemed() const { return FIsWinXP && platform::ThemePainter::ThemesActive(); }

void TExDropDownSpeedButton::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    FHot = true;
    update();
}

void TExDropDownSpeedButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    FHot = false;
    update();
}

void TExDropDownSpeedButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    FState = bsDown;
    update();
}

void TExDropDownSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    if (FState == bsDown) {
        FState = bsUp;
        update();
    }
    if (OnLeftButtonUp) Guarded(OnLeftButtonUp);
}

void TExDropDownSpeedButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        FState = isEnabled() ? bsUp : bsDisabled;
        update();
    }
}

void TExDropDownSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TCanvas canvas(painter);
    canvas.Font = platform::TFont(font(), clBtnText);
    canvas.Brush.Color = clBtnFace;
    if (FButtonStyle == bsDropDown)
        PaintDropDown(canvas);
    else
        PaintButton(canvas);
}

void TExDropDownSpeedButton::PaintArrow(TCanvas& canvas, TColor color)
{
    canvas.Brush.Color = color;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Pen.Color = color;
    canvas.Polygon({QPoint(5, 7), QPoint(11, 7), QPoint(8, 10)});
}

void TExDropDownSpeedButton::PaintDropDown(TCanvas& canvas)
{
    using namespace dropdown_button_detail;
    const TRect client(0, 0, width(), height());
    TExCustomDropDown* edit = Edit();
    const bool pressed = Pressed();

    if (FOwner && FOwner->ButtonColor() != clNone) {
        TColor face = FOwner->ButtonColor();
        if (FHot) face = FOwner->ButtonColorHot();
        if (pressed) face = FOwner->ButtonColorDown();
        canvas.Brush.Color = face;
        canvas.Pen.Color = face;
        canvas.FillRect(client);
        canvas.Pen.Color = edit ? edit->BorderColor() : clNone;
        canvas.MoveTo(client.Left, client.Top);
        canvas.LineTo(client.Left, client.Bottom);
        TColor arrow = FOwner->ButtonTextColor();
        if (FHot) arrow = FOwner->ButtonTextColorHot();
        if (pressed) arrow = FOwner->ButtonTextColorDown();
        if (arrow != clNone) PaintArrow(canvas, arrow);
        return;
    }

    if (!FGlyph.isNull()) {
        canvas.Brush.Color = clBtnFace;
        canvas.Pen.Color = clGray;
        canvas.Rectangle(client);
        canvas.DrawTransparent(0, 0, FGlyph);
        return;
    }

    setEnabled(!edit || (edit->isEnabled() && !edit->ReadOnly()));
    if (IsThemed()) {
        // The combo-box drop-down part, one pixel in from the text side.
        const TRect r(client.Left + 1, client.Top, client.Right, client.Bottom);
        platform::ThemePainter::Draw(canvas.Painter(), platform::TThemePart::ComboButton, r,
                                     themeState(isEnabled(), pressed, FHot), 0, this);
        return;
    }

    PaintStandardFace(canvas);
    canvas.Pen.Color = clBtnFace;
    canvas.MoveTo(width() - 2, 0);
    canvas.LineTo(0, 0);
    canvas.LineTo(0, height() - 1);
    canvas.Pen.Color = clWhite;
    canvas.MoveTo(width() - 3, 1);
    canvas.LineTo(1, 1);
    canvas.LineTo(1, height() - 2);
    PaintArrow(canvas, clBlack);
}

void TExDropDownSpeedButton::PaintStandardFace(TCanvas& canvas)
{
    using namespace dropdown_button_detail;
    TRect r(0, 0, width(), height());
    const bool pressed = Pressed();
    canvas.DrawEdge(r, pressed ? platform::EDGE_SUNKEN : platform::EDGE_RAISED,
                    platform::BF_RECT | platform::BF_MIDDLE | platform::BF_SOFT | platform::BF_ADJUST);
    const int shift = pressed ? 1 : 0;
    const QImage glyph = glyphForState(FGlyph, FNumGlyphs, isEnabled() ? FState : bsDisabled);
    int textLeft = r.Left;
    if (!glyph.isNull()) {
        const int x = FCaption.isEmpty() ? r.Left + (r.Width() - glyph.width()) / 2 : r.Left + 2;
        canvas.DrawTransparent(x + shift, r.Top + (r.Height() - glyph.height()) / 2 + shift, glyph);
        textLeft = x + glyph.width() + 2;
    }
    if (!FCaption.isEmpty()) {
        TRect text(textLeft + shift, r.Top + shift, r.Right + shift, r.Bottom + shift);
        canvas.Brush.Style = Qt::NoBrush;
        canvas.Font.Color = isEnabled() ? clBtnText : clGrayText;
        canvas.DrawText(FCaption, text,
                        (glyph.isNull() ? platform::DT_CENTER : platform::DT_LEFT) | platform::DT_VCENTER
                            | platform::DT_SINGLELINE);
    }
}

void TExDropDownSpeedButton::PaintButton(TCanvas& canvas)
{
    using namespace dropdown_button_detail;
    if (TExCustomDropDown* edit = Edit()) canvas.Font = platform::TFont(edit->font(), clBtnText);
    const TRect client(0, 0, width(), height());
    const bool down = FState == bsDown;

    if (IsThemed()) {
        canvas.FillRect(client);
        platform::ThemePainter::Draw(canvas.Painter(), platform::TThemePart::PushButton,
                                     TRect(0, 0, width() + 1, height() + 1),
                                     themeState(isEnabled(), Pressed(), FHot), 0, this);
        TRect r = client;
        int glyphLeft = 0, glyphTop = 0;
        if (!FGlyph.isNull()) {
            r = r.Inflated(-2, -2);
            if (FCaption.isEmpty()) {
                if (FGlyph.width() < r.Width()) r.Left += (r.Width() - FGlyph.width()) / 2;
            } else {
                r.Left += 2;
            }
            if (FGlyph.height() < r.Height()) r.Top += (r.Height() - FGlyph.height()) / 2;
            if (down) r = r.Offset(1, 1);
            glyphLeft = r.Left;
            glyphTop = r.Top;
            canvas.DrawTransparent(glyphLeft, glyphTop, FGlyph);
        }
        if (!FCaption.isEmpty()) {
            canvas.Brush.Style = Qt::NoBrush;
            if (!FGlyph.isNull()) {
                TRect text(glyphLeft + FGlyph.width() + 2, glyphTop - 1, client.Right, client.Bottom);
                canvas.DrawText(FCaption, text, platform::DT_LEFT | platform::DT_TOP | platform::DT_SINGLELINE);
            } else {
                TRect text = client.Inflated(-3, -1);
                if (down) text = text.Offset(1, 1);
                canvas.DrawText(FCaption, text, platform::DT_CENTER | platform::DT_TOP | platform::DT_SINGLELINE);
            }
        }
        return;
    }

    if (!FFlat) {
        PaintStandardFace(canvas);
        return;
    }

    canvas.FillRect(client);
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect(client);
    TRect edge(client.Left, client.Top, client.Right + 1, client.Bottom + 1);
    canvas.DrawEdge(edge, FEtched ? platform::EDGE_ETCHED : platform::EDGE_RAISED,
                    platform::BF_RECT | (down ? platform::BF_FLAT : 0u));
    TRect r = client;
    if (!FGlyph.isNull()) {
        r = r.Inflated(-3, -3);
        if (down) r = r.Offset(1, 1);
        DrawBitmapOnColor(canvas, FGlyph, clBtnFace, r);
    }
    if (!FCaption.isEmpty()) {
        r = r.Inflated(-3, -1);
        if (down) r = r.Offset(1, 1);
        canvas.Brush.Style = Qt::NoBrush;
        canvas.DrawText(FCaption, r, platform::DT_CENTER | platform::DT_SINGLELINE);
    }
}

// ----- TDropDownEditButton

TDropDownEditButton::TDropDownEditButton(QWidget* parent) : QWidget(parent), FButton(new TExDropDownSpeedButton(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    FButton->SetButtonStyle(bsDropDown);
    FButton->OnLeftButtonUp = [this] { ButtonMouseUp(); };
    SetBounds(x(), y(), 16, 25);
}

void TDropDownEditButton::SetButtonWidth(int value)
{
    FBWidth = value;
    SetBounds(x(), y(), width(), height());
}

void TDropDownEditButton::SetBounds(int left, int top, int width, int height)
{
    Q_UNUSED(width);
    setGeometry(left, top, FBWidth, height);
    FButton->setGeometry(0, 0, FBWidth, height);
}

void TDropDownEditButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (width() != FBWidth || FButton->size() != QSize(FBWidth, height())) SetBounds(x(), y(), width(), height());
}

void TDropDownEditButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) FButton->setEnabled(isEnabled());
}

void TDropDownEditButton::ButtonMouseUp()
{
    if (OnClick) OnClick(this);
}

void TDropDownEditButton::SetColor(TColor& field, TColor value)
{
    field = value;
    FButton->update();
}

}  // namespace dropdown
