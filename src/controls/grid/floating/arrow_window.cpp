#include "controls/grid/floating/arrow_window.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

namespace grid {

std::array<QPoint, 7> TArrowWindow::Outline(TArrowDirection direction)
{
    switch (direction) {
    case arrUp:
        return {QPoint(5, 0), QPoint(10, 5), QPoint(7, 5), QPoint(7, 9), QPoint(3, 9), QPoint(3, 5), QPoint(0, 5)};
    case arrDown:
        return {QPoint(3, 0), QPoint(7, 0), QPoint(7, 4), QPoint(9, 4), QPoint(5, 8), QPoint(1, 4), QPoint(3, 4)};
    case arrLeft:
        return {QPoint(0, 3), QPoint(0, 7), QPoint(4, 7), QPoint(4, 10), QPoint(8, 5), QPoint(4, 0), QPoint(4, 3)};
    case arrRight:
        return {QPoint(0, 5), QPoint(4, 10), QPoint(4, 7), QPoint(8, 7), QPoint(8, 3), QPoint(4, 3), QPoint(4, 0)};
    }
    return {};
}

TArrowWindow::TArrowWindow(QWidget* owner, TArrowDirection direction)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      FDir(direction), FArrow(Outline(direction))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    int w = 0, h = 0;
    for (const QPoint& p : FArrow) {
        w = std::max(w, p.x() + 1);
        h = std::max(h, p.y() + 1);
    }
    resize(w, h);
    setMask(QRegion(QPolygon(QList<QPoint>(FArrow.begin(), FArrow.end())), Qt::WindingFill));
    hide();
}

void TArrowWindow::SetColor(TColor value)
{
    FColor = value;
    update();
}

void TArrowWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(FColor));
}

TArrowWindows::TArrowWindows(QWidget* owner)
    : FUp(new TArrowWindow(owner, arrUp)), FDown(new TArrowWindow(owner, arrDown)),
      FLeft(new TArrowWindow(owner, arrLeft)), FRight(new TArrowWindow(owner, arrRight))
{
}

void TArrowWindows::SetColor(TColor value)
{
    for (TArrowWindow* arrow : {FUp, FDown, FLeft, FRight}) arrow->SetColor(value);
}

void TArrowWindows::HideAll()
{
    for (TArrowWindow* arrow : {FUp, FDown, FLeft, FRight}) arrow->hide();
}

}  // namespace grid
