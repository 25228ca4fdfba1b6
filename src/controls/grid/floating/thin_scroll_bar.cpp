#include "controls/grid/floating/thin_scroll_bar.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPainter>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

TScrollControl::TScrollControl(QWidget* owner, TScrollDirection direction) : QWidget(owner), FDirection(direction)
{
    // No background of its own: the grid shows through around the thumb.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TScrollControl::SetColor(TColor value)
{
    if (FColor == value) return;
    FColor = value;
    update();
}

void TScrollControl::SetDirection(TScrollDirection value)
{
    FDirection = value;
    update();
}

TExStringGrid* TScrollControl::Grid() const { return qobject_cast<TExStringGrid*>(parentWidget()); }

int TScrollControl::First() const { return Vertical() ? Grid()->TopRow() : Grid()->LeftCol(); }

void TScrollControl::SetFirst(int value) const
{
    if (Vertical())
        Grid()->SetTopRow(value);
    else
        Grid()->SetLeftCol(value);
}

int TScrollControl::FixedCount() const { return Vertical() ? Grid()->FixedRows() : Grid()->FixedCols(); }

int TScrollControl::Count() const { return Vertical() ? Grid()->RowCount() : Grid()->ColCount(); }

int TScrollControl::VisibleCount() const { return Vertical() ? Grid()->VisibleRowCount() : Grid()->VisibleColCount(); }

int TScrollControl::TrackStart() const
{
    const TExStringGrid* g = Grid();
    if (g == nullptr) return 0;
    int s = 0;
    for (int i = 0; i < FixedCount(); ++i) s += Vertical() ? g->RowHeights(i) : g->ColWidths(i);
    return s;
}

int TScrollControl::TrackLength() const
{
    const TExStringGrid* g = Grid();
    if (g == nullptr) return 0;
    int l = Along() - TrackStart();
    const int trailing = Vertical() ? g->FixedFooters() : g->FixedRightCols();
    for (int i = std::max(0, Count() - trailing); i < Count(); ++i) l -= Vertical() ? g->RowHeights(i) : g->ColWidths(i);
    return l;
}

bool TScrollControl::GetThumb(int& pos, int& size) const
{
    if (Grid() == nullptr || Count() <= 0) return false;
    const int l = TrackLength();
    const int normal = std::max(1, Count() - FixedCount());
    pos = TrackStart() + int(std::lround(double(l) * (First() - FixedCount()) / normal));
    size = std::max(20, int(std::lround(double(l) * VisibleCount() / Count())));
    if (pos + size > Along()) pos = Along() - size;
    return true;
}

bool TScrollControl::ThumbShown() const
{
    return Grid() != nullptr && VisibleCount() < Count() - FixedCount();
}

void TScrollControl::paintEvent(QPaintEvent*)
{
    if (!ThumbShown()) return;
    int pos = 0, size = 0;
    if (!GetThumb(pos, size)) return;
    QPainter p(this);
    const QColor c = toQColor(FColor);
    p.setPen(c);
    p.setBrush(c);
    if (Vertical())
        p.drawRect(QRect(QPoint(0, pos), QPoint(ScrollWidth - 1, pos + size - 1)));
    else
        p.drawRect(QRect(QPoint(pos, 0), QPoint(pos + size - 1, ScrollWidth - 1)));
}

void TScrollControl::MouseDown(QPoint pt)
{
    int pos = 0, size = 0;
    if (!GetThumb(pos, size)) return;
    const int at = Vertical() ? pt.y() : pt.x();
    if (at < pos) {
        SetFirst(std::max(FixedCount(), First() - VisibleCount()));
    } else if (at > pos + size) {
        SetFirst(std::min(First() + VisibleCount(), Count() - VisibleCount()));
    } else {
        FDownOnScroller = true;
        FDownPos = at;
        FDownRow = First();
    }
    update();
}

void TScrollControl::MouseMove(QPoint pt)
{
    if (!FDownOnScroller || Grid() == nullptr) return;
    const int at = Vertical() ? pt.y() : pt.x();
    const int first = Vertical() ? Grid()->RowHeights(0) : Grid()->ColWidths(0);
    const int span = std::max(1, Along() - first);
    const int moved = int(std::lround(double(at - FDownPos) / span * Count())) + FDownRow;
    SetFirst(std::max(FixedCount(), std::min(moved, Count() - VisibleCount())));
    update();
}

void TScrollControl::MouseUp() { FDownOnScroller = false; }

void TScrollControl::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    try {
        MouseDown(event->position().toPoint());
    } catch (...) {
        // A scroll that fails leaves the grid where it was.
    }
}

void TScrollControl::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    try {
        MouseMove(event->position().toPoint());
    } catch (...) {
    }
}

void TScrollControl::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    MouseUp();
}

}  // namespace grid
