#include "controls/dropdown/colors/color_selector.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/dropdown/base/guarded.h"
#include "platform/canvas.h"

namespace dropdown {

using platform::TRect;

TCustomColorSelector::TCustomColorSelector(QWidget* parent) : TExCustomColorSelectorPanel(parent)
{
    setMouseTracking(true);
    SetItemColorStyle(scOffice2007);
    UpdateSize();
}

void TCustomColorSelector::SetColumns(int value)
{
    if (FColumns == value) return;
    FColumns = value;
    UpdateSize();
}

void TCustomColorSelector::SetColumnGap(int value)
{
    if (FColumnGap == value) return;
    FColumnGap = value;
    UpdateSize();
}

void TCustomColorSelector::SetColorBoxWidth(int value)
{
    if (FColorBoxWidth == value) return;
    FColorBoxWidth = value;
    UpdateSize();
}

void TCustomColorSelector::SetColorBoxHeight(int value)
{
    if (FColorBoxHeight == value) return;
    FColorBoxHeight = value;
    UpdateSize();
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle value)
{
    if (FItemColorStyle == value) return;
    FItemColorStyle = value;
    if (value != scCustom) FColorBoxAppearance = TColorBoxAppearance();
}

void TCustomColorSelector::AddDefaultColorBoxes()
{
    FItems.Clear();
    for (const TPaletteBox& box : DefaultPaletteBoxes()) FItems.Add(box.Color, box.Pos);
}

void TCustomColorSelector::GetContentRect(TRect& R) const
{
    R = TRect(FOffSetX, FOffSetY, width() - FOffSetX, height() - FOffSetY);
}

void TCustomColorSelector::GetColorBoxSize(QSize& Size) const { Size = QSize(FColorBoxWidth, FColorBoxHeight); }

void TCustomColorSelector::UpdateSize()
{
    if (FItems.Count() == 0) {
        resize(100, 50);
        return;
    }
    FItemHot = -1;
    QSize size;
    GetColorBoxSize(size);
    const int W = size.width(), H = size.height();
    TRect content;
    GetContentRect(content);
    const int X0 = content.Left, Y0 = content.Top;
    int x = X0, y = Y0, column = 0, maxX = 0;
    bool gap = false;
    for (int i = 0; i < FItems.Count(); ++i) {
        FItems[i].Rect = TRect(x, y, x + W, y + H);
        ++column;
        if (i == FItems.Count() - 1) break;
        if (FItems[i].ColorBoxPos == ipStandAlone) gap = true;
        if (column >= FColumns) {
            maxX = std::max(maxX, x);
            x = X0;
            y += H + (gap ? FColumnGap : 0);
            column = 0;
            gap = false;
        } else {
            x += W + FColumnGap;
        }
    }
    maxX = std::max(maxX, x);
    resize(maxX + W + X0 + 1, y + H + Y0);
    update();
}

TRect TCustomColorSelector::GetColorBoxRect(int Index) const
{
    return Valid(Index) ? FItems[Index].Rect : TRect(-1, -1, -1, -1);
}

int TCustomColorSelector::ColorBoxAtPos(int X, int Y) const
{
    for (int i = 0; i < FItems.Count(); ++i)
        if (FItems[i].Rect.Contains(X, Y)) return i;
    return -1;
}

void TCustomColorSelector::InvalidateColorBox(int Index)
{
    if (Valid(Index)) update(FItems[Index].Rect.toQRect());
}

void TCustomColorSelector::SetItemHot(int Index)
{
    if (Index == FItemHot || Disabled(Index)) return;
    if (FItemHot >= 0) {
        const int old = FItemHot;
        FItemHot = -1;
        InvalidateColorBox(old);
    }
    FItemHot = Index;
    if (Index >= 0) InvalidateColorBox(Index);
}

void TCustomColorSelector::SetItemIndex(int Index)
{
    if (Disabled(Index)) return;
    if (FItemIndex >= 0 && Index != FItemIndex) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateColorBox(old);
    }
    FItemIndex = Index;
    if (Index >= 0 && Valid(Index)) {
        FSelectedColor = FItems[Index].Color;
        InvalidateColorBox(Index);
        if (OnItemSelect) OnItemSelect(this);
    }
}

void TCustomColorSelector::SetSelectedColor(TColor Value)
{
    if (Value == FSelectedColor) return;
    FSelectedColor = Value;
    if (Value == clNone) {
        SetItemIndex(-1);
        return;
    }
    for (int i = 0; i < FItems.Count(); ++i)
        if (FItems[i].Color == Value) {
            // A disabled box keeps the selection where it was.
            SetItemIndex(i);
            return;
        }
    SetItemIndex(-1);
}

void TCustomColorSelector::SelectFirst()
{
    if (FItems.Count() > 0) SetItemIndex(0);
}

void TCustomColorSelector::SelectLast()
{
    if (FItems.Count() > 0) SetItemIndex(FItems.Count() - 1);
}

void TCustomColorSelector::SelectNext()
{
    if (FItemIndex + 1 < FItems.Count()) SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPrevious()
{
    if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext()
{
    if (FItemHot + 1 < FItems.Count()) SetItemHot(FItemHot + 1);
}

void TCustomColorSelector::HotPrevious()
{
    if (FItemHot - 1 >= 0) SetItemHot(FItemHot - 1);
}

void TCustomColorSelector::HandleKey(platform::Word Key, bool EditorEnabled, bool DroppedDown)
{
    using namespace platform;
    if (!isEnabled() || Key < VK_PRIOR || Key > VK_DOWN) return;
    auto stepRows = [&](int rows) {
        const int value = FItemIndex < 0 ? 0 : FItemIndex + rows * FColumns;
        if (value >= 0 && value < FItems.Count()) SetItemIndex(value);
    };
    switch (Key) {
    case VK_PRIOR:
    case VK_HOME: SelectFirst(); break;
    case VK_NEXT:
    case VK_END: SelectLast(); break;
    case VK_LEFT:
        if (!EditorEnabled || DroppedDown) SelectPrevious();
        break;
    case VK_RIGHT:
        if (!EditorEnabled || DroppedDown) SelectNext();
        break;
    case VK_UP:
        if (DroppedDown)
            stepRows(-1);
        else
            SelectPrevious();
        break;
    case VK_DOWN:
        if (DroppedDown)
            stepRows(1);
        else
            SelectNext();
        break;
    default: break;
    }
}

void TCustomColorSelector::DrawColorBox(int Index, platform::TCanvas* Canvas)
{
    if (!Valid(Index) || !Canvas) return;
    TRect r = FItems[Index].Rect;
    if (r.Left < 0 && r.Right < 0) return;
    const TColorBoxAppearance& a = FColorBoxAppearance;
    TColor outer = a.BorderColor, inner = clNone;
    bool framed = false;
    if (Index == FItemHot) {
        outer = a.OuterBorderColorHot;
        inner = a.InnerBorderColorHot;
        framed = true;
    }
    if (Index == FItemIndex) {
        outer = a.OuterBorderColorSelected;
        inner = a.InnerBorderColorSelected;
        framed = true;
    }
    platform::TCanvas& c = *Canvas;
    const TColor color = FItems[Index].Color;
    if (color != clNone) {
        c.Pen.Color = color;
        c.Brush.Color = color;
        c.Brush.Style = Qt::SolidPattern;
        c.Rectangle(r);
    }
    if (framed) {
        c.Brush.Style = Qt::NoBrush;
        if (outer != clNone) {
            c.Pen.Color = outer;
            c.Rectangle(r);
            r = r.Inflated(-1, -1);
        }
        if (inner != clNone) {
            c.Pen.Color = inner;
            c.Rectangle(r);
        }
        c.Brush.Style = Qt::SolidPattern;
        return;
    }
    c.Pen.Color = a.BorderColor;
    auto line = [&](int x1, int y1, int x2, int y2) {
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    switch (FItems[Index].ColorBoxPos) {
    case ipStandAlone:
        c.MoveTo(r.Left, r.Bottom);
        c.LineTo(r.Left, r.Top);
        c.LineTo(r.Right, r.Top);
        c.LineTo(r.Right, r.Bottom);
        c.LineTo(r.Left, r.Bottom);
        break;
    case ipTop:
        c.MoveTo(r.Left, r.Bottom);
        c.LineTo(r.Left, r.Top);
        c.LineTo(r.Right, r.Top);
        c.LineTo(r.Right, r.Bottom);
        break;
    case ipMiddle:
        line(r.Left, r.Top, r.Left, r.Bottom);
        line(r.Right, r.Top, r.Right, r.Bottom);
        break;
    case ipBottom:
        c.MoveTo(r.Left, r.Top);
        c.LineTo(r.Left, r.Bottom);
        c.LineTo(r.Right, r.Bottom);
        line(r.Right, r.Top, r.Right, r.Bottom + 1);
        break;
    }
}

void TCustomColorSelector::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    platform::TCanvas canvas(painter);
    canvas.Brush.Color = Color();
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.FillRect(TRect(0, 0, width(), height()));
    for (int i = 0; i < FItems.Count(); ++i) DrawColorBox(i, &canvas);
}

void TCustomColorSelector::mousePressEvent(QMouseEvent* event)
{
    Guarded([&] {
        const QPoint p = event->position().toPoint();
        const int i = ColorBoxAtPos(p.x(), p.y());
        if (Valid(i) && FItems[i].Enabled) SetItemIndex(i);
    });
}

void TCustomColorSelector::mouseMoveEvent(QMouseEvent* event)
{
    Guarded([&] {
        const QPoint p = event->position().toPoint();
        const int i = ColorBoxAtPos(p.x(), p.y());
        SetItemHot(Valid(i) && FItems[i].Enabled ? i : -1);
    });
}

void TCustomColorSelector::leaveEvent(QEvent*)
{
    Guarded([&] { SetItemHot(-1); });
}

}  // namespace dropdown
