// Middle-button panning pictures: the glyph drawn at the start point (a
// four-way, two-way vertical or two-way horizontal mark) and one cursor per
// direction; and the overlay painted over the cells while panning or while a
// fixed cell is pressed as a button.

#include <QCursor>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/input/grid_mouse_tracker.h"
#include "platform/canvas.h"

namespace grid {

namespace grid_input_panning_detail {

constexpr int kGlyphSize = 32;

// A filled arrow head at the centre c + 10 * (dx, dy), pointing along (dx, dy).
void drawArrowHead(QPainter& p, QPointF c, int dx, int dy)
{
    const QPointF tip = c + QPointF(dx * 12.0, dy * 12.0);
    const QPointF base = c + QPointF(dx * 6.0, dy * 6.0);
    const QPointF side(dy * 5.0, dx * 5.0);
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(base + side);
    path.lineTo(base - side);
    path.closeSubpath();
    p.drawPath(path);
}

// The mark: a ring with a dot, and arrow heads in the directions given.
QPixmap drawMark(bool vertical, bool horizontal, int onlyV, int onlyH)
{
    QPixmap pm(kGlyphSize, kGlyphSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(kGlyphSize / 2.0, kGlyphSize / 2.0);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 4.5, 4.5);
    p.setBrush(Qt::black);
    p.drawEllipse(c, 1.5, 1.5);
    auto head = [&](int dx, int dy) {
        const bool wanted = (onlyV == 0 && onlyH == 0) || (dy == onlyV && dx == onlyH);
        if (wanted) drawArrowHead(p, c, dx, dy);
    };
    if (vertical) {
        head(0, -1);
        head(0, 1);
    }
    if (horizontal) {
        head(-1, 0);
        head(1, 0);
    }
    // A direction arrow pointing diagonally.
    if (onlyV != 0 && onlyH != 0) {
        const QPointF tip = c + QPointF(onlyH * 12.0, onlyV * 12.0);
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(c + QPointF(onlyH * 5.0, onlyV * 5.0), tip);
        p.drawLine(tip, tip - QPointF(onlyH * 6.0, 0));
        p.drawLine(tip, tip - QPointF(0, onlyV * 6.0));
    }
    return pm;
}

}  // namespace grid_input_panning_detail

int TExStringGrid::PanCursorId(int v, int h)
{
    // Rows: up, none, down; columns: left, none, right.
    static constexpr int ids[3][3] = {{8006, 8004, 8005}, {8002, 8000, 8003}, {8008, 8001, 8007}};
    return ids[std::clamp(v, -1, 1) + 1][std::clamp(h, -1, 1) + 1];
}

QCursor TExStringGrid::PanCursor(int v, int h)
{
    namespace d = grid_input_panning_detail;
    v = std::clamp(v, -1, 1);
    h = std::clamp(h, -1, 1);
    const QPixmap pm = (v == 0 && h == 0) ? d::drawMark(true, true, 0, 0)
                                          : d::drawMark(h == 0, v == 0, v, h);
    return QCursor(pm, d::kGlyphSize / 2, d::kGlyphSize / 2);
}

QPixmap TExStringGrid::PanGlyph(TIntelliPan pan)
{
    namespace d = grid_input_panning_detail;
    return d::drawMark(pan != ipHorizontal, pan != ipVertical, 0, 0);
}

void TExStringGrid::SetPanCursor(int v, int h)
{
    const int id = PanCursorId(v, h);
    if (id == FPanCursorId && viewport()->testAttribute(Qt::WA_SetCursor)) return;
    FPanCursorId = id;
    viewport()->setCursor(PanCursor(v, h));
}

void TExStringGrid::StartPanning(QPoint at)
{
    FPanning = true;
    FPanStart = at;
    if (!FPanTimerWired) {
        FPanTimerWired = true;
        FPanTimer.setInterval(10);
        connect(&FPanTimer, &QTimer::timeout, this, [this] {
            try {
                PanTick(viewport()->mapFromGlobal(QCursor::pos()));
            } catch (...) {
                // A timer tick never fails the event loop.
            }
        });
    }
    FPanTimer.start();
    viewport()->grabMouse();
    FPanCursorId = -1;
    SetPanCursor(0, 0);
    viewport()->update(QRect(FPanStart, QSize(32, 32)));
}

void TExStringGrid::PaintInputOverlay()
{
    QPainter p(viewport());
    if (FFixedCellPushed && FPushedFixedCell.isValid()) {
        // A sunken inner edge: dark on the left and top, light on the right and bottom.
        const QRect r = FPushedFixedCell.adjusted(0, 0, -1, -1);
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(r.topRight(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.drawLine(r.topLeft(), r.topRight());
    }
    if (FPanning) p.drawPixmap(FPanStart, PanGlyph(IntelliPan));
    if (FMouse->SizingFixed()) {
        platform::TCanvas canvas(p);
        FMouse->PaintSizeLine(canvas);
    }
}

}  // namespace grid
