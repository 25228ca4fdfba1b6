#include "controls/dropdown/base/dropdown_form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWindow>

#include "controls/dropdown/base/dropdown_bars.h"
#include "controls/dropdown/base/dropdown_draw.h"
#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/base/guarded.h"
#include "platform/canvas.h"
#include "platform/tick_clock.h"

namespace dropdown {

using platform::TCanvas;
using platform::TRect;

TDropDownForm::TDropDownForm(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setFocusPolicy(Qt::StrongFocus);
}

TDropDownForm::~TDropDownForm()
{
    if (OnDestroy) Guarded([this] { OnDestroy(this); });
}

int TDropDownForm::BorderWidth() const { return FExDropDown ? std::max(0, FExDropDown->DropDownBorderWidth()) : 0; }

void TDropDownForm::InitializeAndUpdate()
{
    if (!FExDropDown) return;
    TExCustomDropDown& edit = *FExDropDown;
    if (FHeader) {
        FHeader->SetExDropDown(&edit);
        FHeader->InitButtons();
        FHeader->setVisible(edit.DropDownHeader().Visible());
    } else if (edit.DropDownHeader().Visible()) {
        FHeader = new TExHeader(this);
        FHeader->resize(FHeader->width(), edit.DropDownHeader().Height());
        FHeader->SetExDropDown(&edit);
        FHeader->InitButtons();
        FHeader->show();
    }
    if (FHeader) {
        FHeader->OnDrawBackGround = edit.OnDrawHeader;
        FHeader->OnGetText = edit.OnGetHeaderText;
    }
    if (FFooter) {
        FFooter->SetExDropDown(&edit);
        FFooter->InitButtons();
        FFooter->setVisible(edit.DropDownFooter().Visible());
    } else if (edit.DropDownFooter().Visible()) {
        FFooter = new TExFooter(this);
        FFooter->resize(FFooter->width(), edit.DropDownFooter().Height());
        FFooter->SetExDropDown(&edit);
        FFooter->InitButtons();
        FFooter->show();
    }
    if (FFooter) {
        FFooter->OnDrawBackGround = edit.OnDrawFooter;
        FFooter->OnGetText = edit.OnGetFooterText;
    }
    if (isVisible()) ArrangeChildren();
}

void TDropDownForm::ArrangeChildren()
{
    const int bw = BorderWidth();
    QRect inside = rect().adjusted(bw, bw, -bw, -bw);
    if (FHeader && !FHeader->isHidden()) {
        FHeader->setGeometry(inside.left(), inside.top(), inside.width(), FHeader->height());
        inside.setTop(inside.top() + FHeader->height());
    }
    if (FFooter && !FFooter->isHidden()) {
        FFooter->setGeometry(inside.left(), inside.bottom() + 1 - FFooter->height(), inside.width(), FFooter->height());
        inside.setBottom(inside.bottom() - FFooter->height());
    }
    if (FExDropDown) {
        QWidget* control = FExDropDown->Control();
        if (control && control->parentWidget() == this) control->setGeometry(inside);
    }
}

void TDropDownForm::DrawBackground(TCanvas& canvas)
{
    if (!FExDropDown) return;
    const TExCustomDropDown& edit = *FExDropDown;
    const int bw = edit.DropDownBorderWidth();
    const TRect client(0, 0, width(), height());
    const TRect inside = client.Inflated(-bw, -bw);
    if (edit.DropDownColor() != clNone && edit.DropDownColorTo() != clNone) {
        DrawGradient(canvas, edit.DropDownColor(), edit.DropDownColorTo(), 80, inside,
                     edit.DropDownGradient() == gdHorizontal);
    } else if (edit.DropDownColor() != clNone) {
        canvas.Brush.Color = edit.DropDownColor();
        canvas.Brush.Style = Qt::SolidPattern;
        canvas.FillRect(inside);
    }
    if (bw > 0) {
        // The canvas keeps a wide pen inside the rectangle: the whole client
        // rectangle gives the border its width on every side.
        const TRect frame = client;
        canvas.Pen.Width = bw;
        canvas.Pen.Color = edit.DropDownBorderColor();
        canvas.Brush.Style = Qt::NoBrush;
        canvas.Rectangle(frame);
        canvas.Pen.Width = 1;
    }
}

void TDropDownForm::HandleActivation(bool active, QWidget* newActiveWindow)
{
    if (BlockActivate) return;
    // Activation: the owner's caption stays active on its own here.
    if (active || !isVisible()) return;
    DeActivateTime = platform::tickClock().ticks();
    for (QWidget* w = newActiveWindow ? newActiveWindow->parentWidget() : nullptr; w; w = w->parentWidget())
        if (w == this) return;  // one of the pop-up's own windows
    if (FExDropDown)
        FExDropDown->DoHideDropDown(CancelOnDeActivate);
    else
        hide();
}

int TDropDownForm::HitTest(QPoint clientPos) const
{
    if (Sizeable && clientPos.x() > width() - 10 && clientPos.y() > height() - 10) return HTBOTTOMRIGHT;
    return 0;
}

bool TDropDownForm::BeginUserSizing(QPoint globalPos)
{
    if (QWindow* window = windowHandle()) {
        if (window->startSystemResize(Qt::BottomEdge | Qt::RightEdge)) return false;
    }
    FUserSizing = std::make_pair(globalPos, size());
    return true;
}

void TDropDownForm::ContinueUserSizing(QPoint globalPos)
{
    if (!FUserSizing) return;
    const QPoint delta = globalPos - FUserSizing->first;
    resize(FUserSizing->second + QSize(delta.x(), delta.y()));
}

void TDropDownForm::EndUserSizing() { FUserSizing.reset(); }

void TDropDownForm::ShowAt(const QRect& geometry)
{
    ModalResult = platform::mrNone;
    FPlacing = true;
    setGeometry(geometry);
    ArrangeChildren();
    show();
    raise();
    activateWindow();
    FPlacing = false;
}

bool TDropDownForm::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate: {
        const bool handled = QWidget::event(event);
        const bool active = event->type() == QEvent::WindowActivate;
        Guarded([&] { HandleActivation(active, active ? this : QApplication::activeWindow()); });
        return handled;
    }
    case QEvent::KeyPress: {
        // The pop-up wants every key, Tab included.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
        break;
    }
    default: break;
    }
    return QWidget::event(event);
}

void TDropDownForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TCanvas canvas(painter);
    Guarded([&] { DrawBackground(canvas); });
}

void TDropDownForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ArrangeChildren();
    update();
    if (isVisible() && !FPlacing && OnSizing) Guarded([this] { OnSizing(this); });
}

void TDropDownForm::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    qApp->removeEventFilter(this);
    FUserSizing.reset();
    if (OnHide) Guarded([this] { OnHide(this); });
}

bool TDropDownForm::OwnKey() const
{
    const QWidget* focus = focusWidget();
    return !focus || focus == this;
}

void TDropDownForm::keyPressEvent(QKeyEvent* event)
{
    // The form's own keys only: a key that a child let pass is not the
    // form's (and the picker's control has handed its keys on already).
    if (!OwnKey()) {
        event->ignore();
        return;
    }
    Guarded([&] {
        platform::Word key = platform::keyCodeFromQt(event->key());
        // Keys without a key code of their own (punctuation such as "+" or
        // "%") still type their character.
        const bool coded = key != 0;
        if (coded && OnKeyDown) OnKeyDown(this, key, platform::shiftStateFromQt(event->modifiers()));
        const QString text = event->text();
        if ((key != 0 || !coded) && text.size() == 1 && OnKeyPress && isVisible()) {
            QChar c = text.at(0);
            if (c.isPrint() || c == QChar(u'\r') || c == QChar(u'\x1b')) OnKeyPress(this, c);
        }
    });
    event->accept();
}

void TDropDownForm::keyReleaseEvent(QKeyEvent* event)
{
    // The form's own keys only, as above.
    if (!OwnKey()) {
        event->ignore();
        return;
    }
    Guarded([&] {
        platform::Word key = platform::keyCodeFromQt(event->key());
        if (OnKeyUp) OnKeyUp(this, key, platform::shiftStateFromQt(event->modifiers()));
    });
    event->accept();
}

void TDropDownForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The wheel goes to the child under the pointer; the form hears of it
    // first, from the application, while it is shown.
    FLastWheelTurn.reset();
    qApp->installEventFilter(this);
}

bool TDropDownForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel || !watched->isWidgetType()) return QWidget::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    if (widget != this && !isAncestorOf(widget)) return false;
    return WheelTurned(*static_cast<QWheelEvent*>(event));
}

bool TDropDownForm::WheelTurned(const QWheelEvent& event)
{
    const WheelTurn turn{event.timestamp(), event.angleDelta(), event.globalPosition()};
    if (FLastWheelTurn == turn) return FLastWheelHandled;
    FLastWheelTurn = turn;
    bool handled = false;
    Guarded([&] {
        const platform::TShiftState shift = platform::shiftStateFromQt(event.modifiers(), event.buttons());
        const QPoint pos = event.globalPosition().toPoint();
        if (event.angleDelta().y() < 0 && OnMouseWheelDown) OnMouseWheelDown(this, shift, pos, handled);
        if (event.angleDelta().y() > 0 && OnMouseWheelUp) OnMouseWheelUp(this, shift, pos, handled);
    });
    FLastWheelHandled = handled;
    return handled;
}

void TDropDownForm::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && HitTest(event->position().toPoint()) == HTBOTTOMRIGHT)
        BeginUserSizing(event->globalPosition().toPoint());
}

void TDropDownForm::mouseMoveEvent(QMouseEvent* event)
{
    ContinueUserSizing(event->globalPosition().toPoint());
    setCursor(HitTest(event->position().toPoint()) == HTBOTTOMRIGHT || FUserSizing ? Qt::SizeFDiagCursor
                                                                                    : Qt::ArrowCursor);
}

void TDropDownForm::mouseReleaseEvent(QMouseEvent*) { EndUserSizing(); }

}  // namespace dropdown
