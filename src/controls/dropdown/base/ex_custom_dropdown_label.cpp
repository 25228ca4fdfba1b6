// The attached label of the drop-down edit and the painting of its border
// and of its focused non-editable text.

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "controls/dropdown/base/dropdown_button.h"
#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/base/guarded.h"
#include "platform/text_engine.h"

namespace dropdown {

namespace dropdown_label_detail {

// A height or width centred on the edit's: div rounds toward zero either way.
int centred(int start, int editExtent, int labelExtent)
{
    return labelExtent < editExtent ? start + (editExtent - labelExtent) / 2
                                    : start - (labelExtent - editExtent) / 2;
}

}  // namespace dropdown_label_detail

using namespace dropdown_label_detail;

QPoint LabelPlace(TLabelPosition position, const QRect& edit, int captionWidth, QSize labelSize, int margin)
{
    const int l = edit.left(), t = edit.top(), ew = edit.width(), eh = edit.height();
    const int lw = labelSize.width(), lh = labelSize.height(), w = captionWidth, m = margin;
    const int middleTop = centred(t, eh, lh);
    const int middleLeft = ew - lw > 0 ? l + (ew - lw) / 2 : l - (lw - ew) / 2;
    switch (position) {
    case lpLeftTop: return {l - w - m, t};
    case lpLeftCenter: return {l - w - m, middleTop};
    case lpLeftBottom: return {l - w - m, t + eh - lh};
    case lpTopLeft: return {l, t - lh - m};
    case lpBottomLeft: return {l, t + eh + m};
    case lpLeftTopLeft: return {l - m, t};
    case lpLeftCenterLeft: return {l - m, middleTop};
    case lpLeftBottomLeft: return {l - m, t + eh - lh};
    case lpTopCenter: return {middleLeft, t - lh - m};
    case lpBottomCenter: return {middleLeft, t + eh + m};
    case lpRightTop: return {l + ew + m, t};
    case lpRightCenter: return {l + ew + m, middleTop};
    case lpRighBottom: return {l + ew + m, t + eh - lh};
    case lpTopRight: return {l + ew - lw, t - lh - m};
    case lpBottomRight: return {l + ew - lw, t + eh + m};
    }
    return {l, t};
}

// ----- the label

QString TExCustomDropDown::LabelCaption() const { return FLabel ? FLabel->text() : QString(); }

void TExCustomDropDown::SetLabelCaption(const QString& value)
{
    if (!FLabel) CreateLabel();
    FLabel->setText(value);
    UpdateLabel();
}

void TExCustomDropDown::CreateLabel()
{
    // Owned by the edit (deleted with it) although it sits on the edit's parent.
    FLabel = new QLabel(parentWidget());
    FLabel->setBuddy(this);
    FLabel->setFont(FLabelFont);
    FLabel->installEventFilter(this);
    if (!parentWidget()) FLabel->hide();
}

void TExCustomDropDown::SetLabelPosition(TLabelPosition value)
{
    FLabelPosition = value;
    if (FLabel) UpdateLabel();
}

void TExCustomDropDown::SetLabelMargin(int value)
{
    FLabelMargin = value;
    if (FLabel) UpdateLabel();
}

void TExCustomDropDown::SetLabelFont(const platform::TFont& value)
{
    if (!FLabelParentFont) FLabelFont = value;
    if (FLabel) UpdateLabel();
}

void TExCustomDropDown::SetLabelTransparent(bool value)
{
    FLabelTransparent = value;
    if (FLabel) UpdateLabel();
}

void TExCustomDropDown::SetLabelParentFont(bool value)
{
    FLabelParentFont = value;
    if (FLabel) UpdateLabel();
}

void TExCustomDropDown::UpdateLabel()
{
    if (!FLabel) return;
    FLabel->setAutoFillBackground(!FLabelTransparent);
    const platform::TFont font = FLabelParentFont ? platform::TFont(this->font(), FLabelFont.Color) : FLabelFont;
    FLabel->setFont(font);
    QPalette palette = FLabel->palette();
    palette.setColor(QPalette::WindowText, toQColor(FLabelParentFont ? clWindowText : FLabelFont.Color));
    FLabel->setPalette(palette);
    PlaceLabel();
    if (FLabel->parentWidget()) FLabel->setVisible(!isHidden());
}

void TExCustomDropDown::PlaceLabel()
{
    if (!FLabel || !FLabel->parentWidget()) return;
    platform::TRect measured(0, 0, 1000, 255);
    platform::TextEngine::DrawText(nullptr, FLabel->font(), FLabel->text(), measured,
                                   platform::DT_CALCRECT | platform::DT_SINGLELINE | platform::DT_HIDEPREFIX);
    const int width = measured.Width();
    FLabel->resize(width, measured.Height());
    FLabel->move(LabelPlace(FLabelPosition, geometry(), width, FLabel->size(), FLabelMargin));
}

void TExCustomDropDown::Loaded()
{
    FLabelParentFont = !testAttribute(Qt::WA_SetFont);
    SetEditRect();
    ResizeControl();
    FButton->setEnabled(isEnabled());
    if (!FLabel) return;
    if (!FLabelAlwaysEnabled) FLabel->setEnabled(isEnabled());
    UpdateLabel();
}

void TExCustomDropDown::DoLabelClick()
{
    if (OnLabelClick) OnLabelClick(this);
}

void TExCustomDropDown::DoLabelDblClick()
{
    if (OnLabelDblClick) OnLabelDblClick(this);
}

void TExCustomDropDown::moveEvent(QMoveEvent* event)
{
    QLineEdit::moveEvent(event);
    Guarded([this] { PlaceLabel(); });
}

void TExCustomDropDown::showEvent(QShowEvent* event)
{
    QLineEdit::showEvent(event);
    if (FLabel && FLabel->parentWidget() && !FLabel->text().isEmpty()) FLabel->setVisible(!isHidden());
}

void TExCustomDropDown::hideEvent(QHideEvent* event)
{
    QLineEdit::hideEvent(event);
    // Only a hidden edit hides its label, not a hidden window around both.
    if (FLabel && FLabel->parentWidget() && !FLabel->text().isEmpty() && isHidden()) FLabel->hide();
}

// ----- the border

bool TExCustomDropDown::IsHot() const { return FHot || hasFocus(); }

bool TExCustomDropDown::DrawsBorder() const
{
    return !isEnabled() || FFlat || FBorderColor != clNone || FFocusBorderColor != clNone;
}

void TExCustomDropDown::DrawBorders()
{
    update();
    if (DrawsBorder()) UpdateButtonFocus();
}

void TExCustomDropDown::UpdateButtonFocus() { FButton->SpeedButton()->SetFocused(IsActive()); }

void TExCustomDropDown::DrawBorder(platform::TCanvas& canvas)
{
    platform::TRect r(0, 0, width(), height());
    auto frame = [&](TColor color) {
        if (color == clNone) return;
        canvas.Brush.Color = color;
        canvas.Brush.Style = Qt::SolidPattern;
        canvas.FrameRect(r);
    };
    const bool focused = hasFocus();
    // Themes are always active here.
    if (!isEnabled() && FDisabledBorder) {
        frame(clSilver);
    } else if (FBorderColor != clNone && (!focused || FFocusBorderColor == clNone)) {
        frame(FBorderColor);
    } else if (FFocusBorderColor != clNone) {
        if (focused) frame(FFocusBorderColor);
    } else {
        // The flat look, or a disabled edit without colours.
        QWidget* parent = parentWidget();
        const TColor back = IsHot() ? clBtnFace
                            : parent  ? ColorFromQColor(parent->palette().color(parent->backgroundRole()))
                                      : clBtnFace;
        if (IsHot()) {
            canvas.DrawEdge(r, platform::BDR_SUNKENOUTER, platform::BF_RECT | platform::BF_ADJUST);
            frame(back);
            r = r.Inflated(-1, -1);
        } else {
            frame(back);
            r = r.Inflated(-1, -1);
            frame(back);
            r = r.Inflated(-1, -1);
        }
    }
}

void TExCustomDropDown::DrawFocusedText(platform::TCanvas& canvas)
{
    if (FEditorEnabled || !hasFocus() || !FFocusDraw) return;
    platform::TRect r(2, 2, width() - FDropDownButtonWidth - 1, height() - 2);
    canvas.Pen.Color = clBlack;
    canvas.Brush.Color = clHighlight;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Rectangle(r);
    r.Left += 2;
    r.Right -= 3;
    canvas.Font = platform::TFont(font(), clHighlightText);
    canvas.Brush.Style = Qt::NoBrush;
    canvas.DrawText(Text(), r, platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_NOPREFIX);
}

void TExCustomDropDown::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    Guarded([this] {
        const bool focusedText = !FEditorEnabled && hasFocus() && FFocusDraw;
        if (!DrawsBorder() && !focusedText) return;
        QPainter painter(this);
        platform::TCanvas canvas(painter);
        if (DrawsBorder()) DrawBorder(canvas);
        DrawFocusedText(canvas);
    });
}

void TExCustomDropDown::enterEvent(QEnterEvent* event)
{
    QLineEdit::enterEvent(event);
    if (!FHot && isEnabled()) {
        FHot = true;
        Guarded([this] { DrawBorders(); });
    }
}

void TExCustomDropDown::leaveEvent(QEvent* event)
{
    QLineEdit::leaveEvent(event);
    if (FHot && isEnabled()) {
        FHot = false;
        Guarded([this] { DrawBorders(); });
    }
}

}  // namespace dropdown
