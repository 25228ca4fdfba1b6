#include "controls/dropdown/base/dropdown_bars.h"

#include <algorithm>

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include "controls/dropdown/base/dropdown_draw.h"
#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/base/guarded.h"
#include "controls/grid/cells/grid_image_list.h"
#include "platform/canvas.h"

namespace dropdown {

using platform::TCanvas;
using platform::TModalResult;
using platform::TRect;

namespace dropdown_bars_detail {

// The modal results that close the pop-up, and whether they cancel.
bool ClosesPopup(TModalResult result, bool& cancelled)
{
    using namespace platform;
    switch (result) {
    case mrOk: case mrYes: case mrAll: case 14 /* yes to all */: cancelled = false; return true;
    case mrCancel: case mrAbort: case mrIgnore: case mrNo: case 13 /* no to all */: cancelled = true; return true;
    default: return false;
    }
}

// A filled 2 x 2 dot of the grip between two corners given in any order.
void GripDot(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color)
{
    canvas.Pen.Color = color;
    canvas.Brush.Color = color;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Rectangle(TRect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)));
}

}  // namespace dropdown_bars_detail

// ----- TExButton

TExButton::TExButton(QWidget* parent) : QWidget(parent)
{
    resize(23, 22);
    QFont f = font();
    f.setFamily(QStringLiteral("Tahoma"));
    setFont(f);
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
}

void TExButton::SetAppearance(TExButtonAppearance* value)
{
    FAppearance = value;
    update();
}

void TExButton::SetImages(TImageList* value)
{
    FImages = value;
    update();
}

void TExButton::SetImageIndex(int value)
{
    FImageIndex = value;
    update();
}

void TExButton::SetCaption(const QString& value)
{
    FCaption = value;
    if (FShortcutId) releaseShortcut(FShortcutId);
    const QKeySequence mnemonic = QKeySequence::mnemonic(value);
    FShortcutId = mnemonic.isEmpty() ? 0 : grabShortcut(mnemonic);
    update();
}

TExCustomDropDown* TExButton::ExDropDown() const { return qobject_cast<TExCustomDropDown*>(FExDropDown.data()); }

void TExButton::SetExDropDown(TExCustomDropDown* value) { FExDropDown = value; }

void TExButton::SetDown(bool value)
{
    if (FGroupIndex == 0 && FStyle == tasButton) value = false;
    if (FStyle == tasCheck) {
        FDown = value;
        FState = value ? absDown : absUp;
        update();
        return;
    }
    if (value == FDown || (FDown && !FAllowAllUp)) return;
    FDown = value;
    if (value) {
        if (FState == absUp) update();
        FState = absExclusive;
        NotifyGroup();
    } else {
        FState = absUp;
        update();
    }
}

void TExButton::NotifyGroup()
{
    if (FGroupIndex == 0 || !parentWidget()) return;
    for (TExButton* other : parentWidget()->findChildren<TExButton*>(Qt::FindDirectChildrenOnly)) {
        if (other == this || other->FGroupIndex != FGroupIndex) continue;
        if (other->FDown && FDown) {
            other->FDown = false;
            other->FState = absUp;
            other->update();
        }
        other->FAllowAllUp = FAllowAllUp;
    }
}

void TExButton::Click()
{
    if (auto* form = qobject_cast<TDropDownForm*>(window())) form->ModalResult = FModalResult;
    bool cancelled = false;
    if (TExCustomDropDown* edit = ExDropDown(); edit && dropdown_bars_detail::ClosesPopup(FModalResult, cancelled))
        edit->DoHideDropDown(cancelled);
    if (!FInternalClick && OnClick) OnClick(this);
}

void TExButton::SizeToContent()
{
    if (!FAppearance) return;
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    TCanvas canvas(painter);
    canvas.Font = FAppearance->Font();
    const QSize text = GetTextExtent(canvas, FCaption);
    int w = text.width(), h = text.height();
    if (FImages && FImageIndex >= 0) {
        w = std::max(w, FImages->Width());
        h = std::max(h, FImages->Height());
    }
    resize(w + 8, h + 4);
}

void TExButton::UpdateState()
{
    if (!isEnabled()) {
        FState = absDisabled;
        FDragging = false;
    } else if (FState == absDisabled) {
        FState = FDown && FGroupIndex != 0 ? absExclusive : absUp;
    }
    if (FStyle == tasCheck && FDown) FState = absDown;
}

void TExButton::paintEvent(QPaintEvent*)
{
    // The bar shows through around the face: the widget fills nothing of its own.
    UpdateState();
    QPainter painter(this);
    TCanvas canvas(painter);
    Guarded([&] { DrawButton(canvas); });
}

void TExButton::DrawButton(TCanvas& canvas)
{
    if (!FAppearance) return;
    const TExButtonAppearance& a = *FAppearance;
    const TRect r(0, 0, width(), height());
    TColor from, to, frame;
    if (!isEnabled()) {
        from = a.ColorDisabled(), to = a.ColorDisabledTo(), frame = a.BorderColorDisabled();
    } else if (FMouseDownInControl && FMouseInControl) {
        from = to = a.ColorDown(), frame = a.BorderColorDown();
    } else if (FDown) {
        from = to = a.ColorChecked(), frame = a.BorderColorChecked();
    } else if (FMouseInControl || hasFocus()) {
        from = to = a.ColorHot(), frame = a.BorderColorHot();
    } else {
        from = a.Color(), to = a.ColorTo(), frame = a.BorderColor();
    }
    DrawFilledRect(&canvas, r, from, to, frame, 1, a.Gradient());
    canvas.Brush.Style = Qt::NoBrush;
    canvas.Font = a.Font();
    DrawImageText(&canvas, r, FCaption, FImages ? FImageIndex : -1, FImages);
}

void TExButton::MouseEntered()
{
    FMouseInControl = true;
    if (isEnabled()) update();
    if (OnMouseEnter) OnMouseEnter(this);
}

void TExButton::MouseLeft()
{
    FMouseInControl = false;
    if (isEnabled()) update();
    if (OnMouseLeave) OnMouseLeave(this);
}

void TExButton::RefreshHover()
{
    if (!isEnabled()) return;
    if (QApplication::widgetAt(QCursor::pos()) == this)
        MouseEntered();
    else
        MouseLeft();
}

void TExButton::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    Guarded([this] { MouseEntered(); });
}

void TExButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    Guarded([this] { MouseLeft(); });
}

void TExButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    FMouseDownInControl = true;
    if (!Latched()) {
        FState = absDown;
        update();
    }
    if (FStyle == tasCheck) {
        FState = absDown;
        repaint();
    }
    FDragging = true;
}

void TExButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (FDragging) {
        TExButtonState state = Latched() ? absExclusive : absUp;
        if (p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() <= height()) state = Latched() ? absExclusive : absDown;
        if (FStyle == tasCheck && Latched()) state = absDown;
        if (state != FState) {
            FState = state;
            update();
        }
    } else if (!FMouseInControl) {
        Guarded([this] { RefreshHover(); });
    }
}

void TExButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    const bool inside = p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() <= height();
    QPointer<TExButton> self(this);
    if (FMouseDownInControl && inside && isEnabled()) Guarded([this] { Click(); });
    if (!self) return;
    FMouseDownInControl = false;
    update();
    if (FDragging) {
        FDragging = false;
        if (FGroupIndex == 0) {
            FState = absUp;
            FMouseInControl = false;
            if (FStyle == tasCheck) {
                SetDown(!FDown);
                FState = absUp;
            }
            if (inside && FState != absDown && FState != absExclusive) update();
        } else if (inside) {
            SetDown(!FDown);
            if (FDown) update();
        } else {
            if (FDown) FState = absExclusive;
            update();
        }
    }
    Guarded([this] { RefreshHover(); });
}

void TExButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        if (!Latched() || FStyle == tasCheck) {
            FState = absDown;
            update();
        }
        FInternalClick = true;
        Guarded([this] { Click(); });
        FInternalClick = false;
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TExButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->shortcutId() == FShortcutId && isEnabled()) {
            Guarded([this] { Click(); });
            return true;
        }
    }
    return QWidget::event(event);
}

void TExButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) update();
}

void TExButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void TExButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

// ----- TDropDownBar

TDropDownBar::TDropDownBar(QWidget* parent) : QWidget(parent) { resize(width(), 22); }

void TDropDownBar::SetImages(TImageList* value)
{
    FImages = value;
    update();
}

TExCustomDropDown* TDropDownBar::ExDropDown() const
{
    return qobject_cast<TExCustomDropDown*>(FExDropDown.data());
}

void TDropDownBar::Bind(TExCustomDropDown* edit)
{
    FExDropDown = edit;
    SetImages(edit ? edit->Images() : nullptr);
}

void TDropDownBar::AppearanceChanged()
{
    setVisible(BarAppearance().Visible());
    resize(width(), BarAppearance().Height());
}

void TDropDownBar::InitButtons()
{
    if (ExDropDown()) CreateButtons();
}

TRect TDropDownBar::GetButtonArea() const
{
    if (IsFooter()) return TRect(2, 2, width() - 2 - (HasSizeGrip() ? 12 : 0), height() - 2);
    return TRect(2, 2, width() - 2, height() - 3);
}

void TDropDownBar::ClearButtons()
{
    for (int i = FButtonList.Count() - 1; i >= 0; --i) {
        TExButton* button = FButtonList.Items(i);
        button->hide();
        button->deleteLater();  // the bar may be rebuilt from within a button's own click
    }
    FButtonList.Clear();
}

void TDropDownBar::CreateButtons()
{
    TExCustomDropDown* edit = ExDropDown();
    const TBarButtonsBase* items = EditButtonItems();
    if (!edit || !items) return;
    ClearButtons();
    const int room = GetButtonArea().Height();
    for (int i = 0; i < items->Count(); ++i) {
        const TBarButtonItem& item = items->Item(i);
        auto* button = new TExButton(this);
        button->SetAppearance(&edit->ButtonAppearance());
        button->SetCaption(item.Caption());
        button->SetImageIndex(item.ImageIndex());
        button->setEnabled(item.Enabled());
        button->SetImages(FImages);
        if (IsFooter()) {
            button->SetExDropDown(edit);
            button->SetModalResult(item.ModalResult());
        }
        button->SizeToContent();
        if (item.Width() > 0) button->resize(item.Width(), button->height());
        if (item.Height() > 0) button->resize(button->width(), item.Height());
        if (button->height() > room) button->resize(button->width(), room);
        button->Tag = i;
        button->OnClick = [this](QObject* sender) { ButtonClick(sender); };
        button->show();
        FButtonList.Add(button);
    }
    ArrangeButtons();
}

void TDropDownBar::ArrangeButtons()
{
    if (FButtonList.Count() == 0) return;
    const TRect area = GetButtonArea();
    const bool right = BarAppearance().ButtonAlignment() == baRight;
    int x = right ? area.Right : area.Left;
    for (TExButton* button : FButtonList) {
        const int top = std::max(area.Top, (area.Bottom - button->height()) / 2);
        if (right) {
            x -= button->width();
            button->move(x, top);
        } else {
            button->move(x, top);
            x += button->width();
        }
    }
}

void TDropDownBar::UpdateButtons()
{
    TExCustomDropDown* edit = ExDropDown();
    const TBarButtonsBase* items = EditButtonItems();
    if (!edit || !items) return;
    for (int i = 0; i < FButtonList.Count(); ++i) {
        TExButton* button = FButtonList.Items(i);
        button->SetAppearance(&edit->ButtonAppearance());
        button->SetImages(FImages);
        if (i < items->Count()) {
            const TBarButtonItem& item = items->Item(i);
            button->SetCaption(item.Caption());
            button->SetImageIndex(item.ImageIndex());
            button->setEnabled(item.Enabled());
        }
    }
    ArrangeButtons();
}

void TDropDownBar::ButtonClick(QObject* sender)
{
    auto* button = qobject_cast<TExButton*>(sender);
    TExCustomDropDown* edit = ExDropDown();
    if (!button || !edit) return;
    const auto& handler = IsFooter() ? edit->OnDropDownFooterButtonClick : edit->OnDropDownHeaderButtonClick;
    if (handler) handler(edit, button->Tag);
}

void TDropDownBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ArrangeButtons();
}

void TDropDownBar::PaintBorder(TCanvas& canvas, const TRect& r)
{
    const TBarAppearance& a = BarAppearance();
    const int bw = a.BorderWidth();
    if (a.BorderColor() == clNone || bw <= 0) return;
    canvas.Pen.Width = bw;
    canvas.Pen.Color = a.BorderColor();
    const TExCustomDropDown* edit = ExDropDown();
    // Without a border of the pop-up's own, the bar draws its outer sides too.
    const bool outerSides = !edit || edit->DropDownBorderWidth() <= 0 || edit->DropDownBorderColor() == clNone;
    if (!IsFooter()) {
        canvas.MoveTo(r.Left, r.Bottom - 1);
        canvas.LineTo(r.Right, r.Bottom - 1);
        if (outerSides) {
            canvas.MoveTo(r.Left, r.Bottom - 1);
            canvas.LineTo(r.Left, r.Top);
            canvas.LineTo(r.Right, r.Top);
            canvas.LineTo(r.Right, r.Bottom - 1);
        }
    } else {
        canvas.MoveTo(r.Left, r.Top);
        canvas.LineTo(r.Right, r.Top);
        if (outerSides) {
            canvas.MoveTo(r.Left, r.Top);
            canvas.LineTo(r.Left, r.Bottom);
            canvas.LineTo(r.Right, r.Bottom);
            canvas.LineTo(r.Right, r.Top);
        }
    }
    canvas.Pen.Width = 1;
    canvas.Brush.Style = Qt::NoBrush;
    canvas.Pen.Color = BlendColor(a.BorderColor(), clWhite, 20);
    TRect inner = r;
    if (IsFooter())
        inner.Top += bw;
    else
        inner.Bottom -= bw;
    canvas.Rectangle(inner);
}

void TDropDownBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TCanvas canvas(painter);
    const TRect r(0, 0, width(), height());
    Guarded([&] {
        if (OnDrawBackGround) {
            OnDrawBackGround(this, canvas, r);
            return;
        }
        const TBarAppearance& a = BarAppearance();
        if (a.ColorTo() != clNone) {
            DrawGradient(canvas, a.Color(), a.ColorTo(), 80, r, a.GradientDirection() == gdHorizontal);
        } else if (a.Color() != clNone) {
            canvas.Brush.Color = a.Color();
            canvas.Brush.Style = Qt::SolidPattern;
            canvas.FillRect(r);
        }
        PaintBorder(canvas, r);
        const int bw = a.BorderWidth();
        TRect content = r.Inflated(-bw, -bw);
        if (a.ImageIndex() >= 0 && FImages) {
            canvas.Draw(content.Left + 4, content.Top + (content.Height() - FImages->Height()) / 2,
                        FImages->Image(a.ImageIndex()));
            content.Left += FImages->Width() + 8;
        }
        QString text = a.Caption();
        if (OnGetText) OnGetText(this, text);
        if (!text.isEmpty()) {
            if (FButtonList.Count() > 0) content.Right = FButtonList.Last()->x() - 2;
            canvas.Font = a.Font();
            const QSize size = DrawHTMLCaption(canvas, text, content, false, FImages);
            if (content.Height() > size.height()) content.Top += (content.Height() - size.height()) / 2;
            DrawHTMLCaption(canvas, text, content, true, FImages);
        }
        if (HasSizeGrip()) DrawSizeGrip(canvas, TRect(r.Right - bw - 16, 1, r.Right - bw - 1, r.Bottom));
    });
}

// ----- TExHeader, TExFooter

TExHeader::TExHeader(QWidget* parent) : TDropDownBar(parent)
{
    FAppearance.OnChange = [this] { AppearanceChanged(); };
}

void TExHeader::SetExDropDown(TExCustomDropDown* edit)
{
    Bind(edit);
    if (edit) FAppearance.Assign(edit->DropDownHeader());
}

const TBarButtonsBase* TExHeader::EditButtonItems() const
{
    const TExCustomDropDown* edit = ExDropDown();
    return edit ? &edit->DropDownHeader().Buttons() : nullptr;
}

TExFooter::TExFooter(QWidget* parent) : TDropDownBar(parent)
{
    FAppearance.OnChange = [this] { AppearanceChanged(); };
    setMouseTracking(true);
}

void TExFooter::SetExDropDown(TExCustomDropDown* edit)
{
    Bind(edit);
    if (edit) FAppearance.Assign(edit->DropDownFooter());
}

const TBarButtonsBase* TExFooter::EditButtonItems() const
{
    const TExCustomDropDown* edit = ExDropDown();
    return edit ? &edit->DropDownFooter().Buttons() : nullptr;
}

bool TExFooter::HasSizeGrip() const
{
    const TExCustomDropDown* edit = ExDropDown();
    return FAppearance.SizeGrip() && edit && edit->DropDownSizeable();
}

bool TExFooter::InSizeGrip(QPoint pos) const
{
    return HasSizeGrip() && parentWidget() && pos.x() > width() - 12 && pos.y() > height() - 15;
}

void TExFooter::DrawSizeGrip(TCanvas& canvas, const TRect& g) const
{
    using dropdown_bars_detail::GripDot;
    const int l = g.Left, b = g.Bottom;
    const TColor light = BlendColor(clWhite, clWhite, 50);
    GripDot(canvas, l + 5, b - 2, l + 7, b - 4, light);
    GripDot(canvas, l + 9, b - 2, l + 11, b - 4, light);
    GripDot(canvas, l + 13, b - 2, l + 15, b - 4, light);
    GripDot(canvas, l + 13, b - 6, l + 15, b - 8, light);
    GripDot(canvas, l + 13, b - 10, l + 15, b - 12, light);
    GripDot(canvas, l + 9, b - 6, l + 11, b - 8, light);
    const TColor dark = FAppearance.BorderColor();
    GripDot(canvas, l + 4, b - 3, l + 6, b - 5, dark);
    GripDot(canvas, l + 8, b - 3, l + 10, b - 5, dark);
    GripDot(canvas, l + 12, b - 3, l + 14, b - 5, dark);
    GripDot(canvas, l + 12, b - 7, l + 14, b - 9, dark);
    GripDot(canvas, l + 12, b - 11, l + 14, b - 13, dark);
    GripDot(canvas, l + 8, b - 7, l + 10, b - 9, dark);
}

void TExFooter::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !InSizeGrip(event->position().toPoint())) return;
    // The bar follows the drag only while the form sizes itself; the window
    // system's sizing ends without telling the bar.
    if (auto* form = qobject_cast<TDropDownForm*>(window()))
        FSizing = form->BeginUserSizing(event->globalPosition().toPoint());
}

void TExFooter::mouseMoveEvent(QMouseEvent* event)
{
    if (FSizing) {
        if (auto* form = qobject_cast<TDropDownForm*>(window())) form->ContinueUserSizing(event->globalPosition().toPoint());
        return;
    }
    if (InSizeGrip(event->position().toPoint()))
        setCursor(Qt::SizeFDiagCursor);
    else
        unsetCursor();
}

void TExFooter::mouseReleaseEvent(QMouseEvent*)
{
    if (FSizing) {
        FSizing = false;
        if (auto* form = qobject_cast<TDropDownForm*>(window())) form->EndUserSizing();
    }
    unsetCursor();
}

void TExFooter::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (!FSizing) unsetCursor();
}

}  // namespace dropdown
