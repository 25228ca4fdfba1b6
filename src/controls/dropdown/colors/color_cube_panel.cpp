#include "controls/dropdown/colors/color_cube_panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "controls/dropdown/base/guarded.h"
#include "platform/canvas.h"

namespace dropdown {

void DrawHexagon(platform::TCanvas& canvas, int x, int y, int w, int h)
{
    canvas.Polygon({QPoint(x - w, y - h), QPoint(x, y - 2 * h), QPoint(x + w, y - h), QPoint(x + w, y + h),
                    QPoint(x, y + 2 * h), QPoint(x - w, y + h)});
}

TExColorCubePanel::TExColorCubePanel(QWidget* parent) : TExCustomColorSelectorPanel(parent)
{
    setMouseTracking(true);
    setAutoFillBackground(false);
    InitializeCube();
    SetShowRGBHint(true);
    resize(182, 160);
}

void TExColorCubePanel::InitializeCube() { FCubeCells = CubeCells(); }

void TExColorCubePanel::SetShowRGBHint(bool value)
{
    FShowRGBHint = value;
    setAttribute(Qt::WA_AlwaysShowToolTips, value);
    if (!value) setToolTip(QString());
}

void TExColorCubePanel::Reset()
{
    FHotIndex = -1;
    resize(182, 160);
    update();
}

int TExColorCubePanel::CellAtPos(int X, int Y) const
{
    const int r2 = FCubeSize.x() * FCubeSize.x();
    for (int i = 0; i < kCubeCellCount; ++i) {
        const int dx = FCubeCells[size_t(i)].X - X, dy = FCubeCells[size_t(i)].Y - Y;
        if (dx * dx + dy * dy <= r2) return i + 1;
    }
    return -1;
}

void TExColorCubePanel::SelectColor(TColor Color, int Index)
{
    FSelectedColor = Color;
    if (Index >= 1 && Index <= kCubeCellCount) {
        FSelectedIndex = Index;
        return;
    }
    FSelectedIndex = -1;
    for (int i = 0; i < kCubeCellCount; ++i)
        if (FCubeCells[size_t(i)].Color == Color) {
            FSelectedIndex = i + 1;
            return;
        }
}

void TExColorCubePanel::DrawCellOn(platform::TCanvas& canvas, int i)
{
    if (i < 1 || i > kCubeCellCount) return;
    const TCubeCell& cell = FCubeCells[size_t(i - 1)];
    const int w = FCubeSize.x(), h = FCubeSize.y();
    canvas.Pen.Color = cell.Color;
    canvas.Brush.Color = cell.Color;
    canvas.Brush.Style = Qt::SolidPattern;
    DrawHexagon(canvas, cell.X, cell.Y, w, h);
    auto outline = [&](TColor outer) {
        canvas.Brush.Style = Qt::NoBrush;
        canvas.Pen.Color = outer;
        DrawHexagon(canvas, cell.X, cell.Y, w - 1, h);
        canvas.Pen.Color = clWhite;
        DrawHexagon(canvas, cell.X, cell.Y, w - 2, h - 1);
        canvas.Brush.Style = Qt::SolidPattern;
    };
    if (i == FHotIndex) outline(clRed);
    if (i == FSelectedIndex) outline(clBlack);
}

void TExColorCubePanel::DrawCell(int i) { RepaintCell(i); }

void TExColorCubePanel::RepaintCell(int i)
{
    if (i < 1 || i > kCubeCellCount) return;
    const TCubeCell& cell = FCubeCells[size_t(i - 1)];
    const int w = FCubeSize.x(), h = FCubeSize.y();
    update(QRect(cell.X - w - 1, cell.Y - 2 * h - 1, 2 * w + 3, 4 * h + 3));
}

void TExColorCubePanel::DrawCube() { update(); }

void TExColorCubePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    platform::TCanvas canvas(painter);
    canvas.Brush.Color = Color();
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.FillRect(platform::TRect(0, 0, width(), height()));
    for (int i = 1; i <= kCubeCellCount; ++i) DrawCellOn(canvas, i);
}

void TExColorCubePanel::mousePressEvent(QMouseEvent* event)
{
    Guarded([&] {
        const QPoint p = event->position().toPoint();
        const int c = CellAtPos(p.x(), p.y());
        if (c < 0) return;
        if (FSelectedIndex >= 1) {
            const int old = FSelectedIndex;
            FSelectedIndex = -1;
            RepaintCell(old);
        }
        SelectColor(FCubeCells[size_t(c - 1)].Color, c);
        RepaintCell(c);
        if (OnSelect) OnSelect(this);
    });
}

void TExColorCubePanel::mouseMoveEvent(QMouseEvent* event)
{
    Guarded([&] {
        const QPoint p = event->position().toPoint();
        const int c = CellAtPos(p.x(), p.y());
        if (c < 0) {
            // Off the hexagon the hot cell stays marked.
            if (FShowRGBHint) {
                setToolTip(QString());
                QToolTip::hideText();
            }
            return;
        }
        if (c == FHotIndex) return;
        const int old = FHotIndex;
        FHotIndex = c;
        RepaintCell(old);
        RepaintCell(c);
        if (FShowRGBHint) {
            const TColor color = FCubeCells[size_t(c - 1)].Color;
            setToolTip(QStringLiteral("Red: %1,  Green: %2,  Blue: %3")
                           .arg(color & 0xFF)
                           .arg((color >> 8) & 0xFF)
                           .arg((color >> 16) & 0xFF));
            QToolTip::hideText();
        }
    });
}

void TExColorCubePanel::mouseReleaseEvent(QMouseEvent*)
{
    Guarded([&] { ShouldHide(); });
}

}  // namespace dropdown
