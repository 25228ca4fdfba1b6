#include "controls/grid/widgets/grid_check_box.h"
#include "controls/grid/widgets/grid_button.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/canvas.h"
#include "platform/text_engine.h"
#include "platform/theme_painter.h"

namespace grid {

namespace {
constexpr int captionGap = 5;
constexpr int stripWidth = 20;
}  // namespace

TExCheckBox::TExCheckBox(QWidget* parent) : QWidget(parent)
{
    resize(98, 20);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_Hover);
}

QRect TExCheckBox::BoxRect() const
{
    int y = 4;
    if (FButtonVertAlign == tlCenter) y = height() / 2 - 6;
    else if (FButtonVertAlign == tlBottom) y = height() - 14;
    const int x = FAlignment == taRightJustify ? width() - 15 : 0;
    return QRect(x, y, 14, 14);
}

QRect TExCheckBox::StateStrip() const
{
    return FAlignment == taRightJustify ? QRect(width() - stripWidth, 0, stripWidth, height())
                                        : QRect(0, 0, stripWidth, height());
}

void TExCheckBox::SetState(TCheckBoxState value)
{
    if (value == FState) return;
    FState = value;
    update(StateStrip());
}

void TExCheckBox::SetChecked(bool value)
{
    FState = value ? cbChecked : cbUnchecked;
    update();
}

void TExCheckBox::Toggle()
{
    if (!ReadOnly) SetChecked(!Checked());
}

void TExCheckBox::SetCaption(const QString& value)
{
    FCaption = value;
    setWindowTitle(value);
    update();
}

void TExCheckBox::SetAlignment(TAlignment value)
{
    if (FAlignment != value) FAlignment = value, update();
}

void TExCheckBox::SetButtonVertAlign(TTextLayout value)
{
    if (FButtonVertAlign != value) FButtonVertAlign = value, update();
}

void TExCheckBox::SetEllipsis(bool value)
{
    if (FEllipsis != value) FEllipsis = value, update();
}

void TExCheckBox::SetTransparent(bool value)
{
    FTransparent = value;
    setAttribute(Qt::WA_NoSystemBackground, value);
    setAutoFillBackground(!value);
    update();
}

void TExCheckBox::Click()
{
    if (OnClick) OnClick(this);
}

bool TExCheckBox::InsideForRelease(QPointF p) const
{
    // The right and bottom edges count as inside.
    return p.x() >= 0 && p.x() <= width() && p.y() >= 0 && p.y() <= height();
}

void TExCheckBox::mousePressEvent(QMouseEvent* event)
{
    FMouseDown = true;
    if (!FFocused) {
        setFocus(Qt::MouseFocusReason);
        FFocused = true;
    }
    QWidget::mousePressEvent(event);
    FDown = true;
    update(StateStrip());
}

void TExCheckBox::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) FDown = InsideForRelease(event->position());
    QWidget::mouseMoveEvent(event);
}

void TExCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    FDown = false;
    if (InsideForRelease(event->position()) && FFocused && FMouseDown) {
        Toggle();
        Click();
    }
    FMouseDown = false;
    QWidget::mouseReleaseEvent(event);
    update(StateStrip());
}

void TExCheckBox::keyPressEvent(QKeyEvent* event)
{
    int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ReturnIsTab) {
        key = Qt::Key_Tab;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::postEvent(this, tab.clone());
    } else if (key == Qt::Key_Space) {
        FDown = true;
    }
    if (OnKeyDown) OnKeyDown(this, key);
    if (key == Qt::Key_Tab && event->key() == Qt::Key_Tab) focusNextChild();
}

void TExCheckBox::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        FDown = false;
        Toggle();
        Click();
    }
    if (OnKeyUp) OnKeyUp(this, event->key());
}

bool TExCheckBox::DialogChar(QChar ch)
{
    if (!IsCaptionAccelerator(FCaption, ch) || !isEnabled() || !isVisible()) return false;
    Toggle();
    if (focusPolicy() & Qt::TabFocus) setFocus(Qt::ShortcutFocusReason);
    return true;
}

void TExCheckBox::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    FHot = true;
    update(QRect(0, 0, 16, 16));
}

void TExCheckBox::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    FHot = false;
    update(QRect(0, 0, 16, 16));
}

void TExCheckBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    FFocused = true;
    update();
}

void TExCheckBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    FFocused = false;
    update();
}

void TExCheckBox::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) update();
}

void TExCheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    platform::TCanvas canvas(painter);
    canvas.Font = platform::TFont(font());
    if (!FTransparent) painter.fillRect(rect(), palette().color(backgroundRole()));
    platform::TThemeState state = platform::tsNormal;
    if (FState == cbChecked) state |= platform::tsChecked;
    if (FState == cbGrayed) state |= platform::tsMixed;
    if (!isEnabled()) state |= platform::tsDisabled;
    else if (FDown) state |= platform::tsPressed;
    else if (FHot) state |= platform::tsHot;
    const QRect box = BoxRect();
    platform::ThemePainter::Draw(painter, platform::TThemePart::CheckBox,
                                 platform::TRect(box.left(), box.top(), box.right() + 1, box.bottom() + 1), state, 0, this);
    platform::TRect text(0, 0, width(), height());
    if (FAlignment == taRightJustify) {
        text.Left = 0;
        text.Right -= captionGap + 4;
    } else {
        text.Left += captionGap + 4;
    }
    text.Top += 4;
    text.Left += 6;
    canvas.Brush.Style = Qt::NoBrush;
    const unsigned flags = FEllipsis ? platform::DT_END_ELLIPSIS : 0;
    if (isEnabled()) {
        canvas.Font.Color = ColorFromQColor(palette().color(QPalette::WindowText));
        canvas.DrawText(FCaption, text, flags);
    } else {
        platform::TRect shadow = text.Offset(1, 1);
        canvas.Font.Color = clWhite;
        canvas.DrawText(FCaption, shadow, flags);
        canvas.Font.Color = 0x00808080;
        canvas.DrawText(FCaption, text, flags);
    }
    if (FFocused) {
        const QFontMetrics fm(font());
        canvas.DrawFocusRect(platform::TRect(text.Left - 2, text.Top, text.Left + fm.horizontalAdvance(FCaption) + 1,
                                             text.Top + fm.height() + 1));
    }
}

}  // namespace grid
