#include "controls/dropdown/item_list/picker_list.h"

#include "controls/dropdown/item_list/list_picker_keys.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include "controls/dropdown/base/guarded.h"
#include "controls/grid/html/html_text_utils.h"
#include "controls/grid/paint/grid_draw_utils.h"
#include "platform/tick_clock.h"

namespace dropdown::picklist {

using platform::TCanvas;
using platform::TRect;

namespace picker_list_detail {

constexpr int kOffSetX = 2, kOffSetY = 2;          // margin around the item grid
constexpr int kItemOffSetX = 4, kItemOffSetY = 4;  // margin inside an item
constexpr int kCaptionGap = 4;

struct TStyleColors {
    TColor Hot, HotTo, MirrorHot, MirrorHotTo, BorderTop, BorderBottom, Border, Edge;
    TColor Selected, SelectedTo, MirrorSelected, MirrorSelectedTo;
};

// scOffice2007, scWindowsVista, scWindows7.
constexpr TStyleColors kStyles[3] = {
    {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB,
     0x68E3F9},
    {0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, clNone, clNone},
    {0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, clNone, clNone},
};

}  // namespace picker_list_detail

using namespace picker_list_detail;

void TItemAppearance::SetColorStyle(TSelectionColorStyle style)
{
    if (FStyled && style == FColorStyle) return;
    FStyled = true;
    FColorStyle = style;
    if (style == scCustom) return;
    const TStyleColors& s = kStyles[int(style) - 1];
    ColorHot = s.Hot;
    ColorHotTo = s.HotTo;
    ColorMirrorHot = s.MirrorHot;
    ColorMirrorHotTo = s.MirrorHotTo;
    BorderColorTop = s.BorderTop;
    BorderColorBottom = s.BorderBottom;
    BorderColor = s.Border;
    EdgeColor = s.Edge;
    ColorSelected = s.Selected;
    ColorSelectedTo = s.SelectedTo;
    ColorMirrorSelected = s.MirrorSelected;
    ColorMirrorSelectedTo = s.MirrorSelectedTo;
}

// The scrolled panel: lays out nothing itself, paints the items and follows the mouse.
class TPickerSelectorPanel final : public QWidget {
public:
    explicit TPickerSelectorPanel(TPickerSelector& host) : QWidget(&host), FHost(host)
    {
        setMouseTracking(true);
        resize(100, 50);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        TCanvas canvas(painter);
        canvas.Brush.Color = FHost.FColor;
        canvas.Brush.Style = Qt::SolidPattern;
        canvas.FillRect(TRect(0, 0, width(), height()));
        for (int i = 0; i < FHost.Count(); ++i) FHost.DrawItem(i, canvas);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        Guarded([&] {
            const QPoint p = event->position().toPoint();
            const int i = FHost.ItemAtPos(p.x(), p.y());
            if (i >= 0 && FHost.FItems[size_t(i)].Enabled) FHost.SetItemIndex(i);
        });
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        Guarded([&] {
            const QPoint p = event->position().toPoint();
            const int i = FHost.ItemAtPos(p.x(), p.y());
            if (i >= 0 && i != FHost.FItemHot) {
                FHost.SetItemHot(FHost.FItems[size_t(i)].Enabled ? i : -1);
                setToolTip(FHost.FItems[size_t(i)].Hint);
                QToolTip::hideText();
            } else if (i < 0 && FHost.FItemHot >= 0) {
                FHost.SetItemHot(-1);
            }
        });
    }
    void leaveEvent(QEvent*) override
    {
        Guarded([&] {
            if (FHost.FItemHot >= 0) FHost.SetItemHot(-1);
        });
    }

private:
    TPickerSelector& FHost;
};

TPickerSelector::TPickerSelector(QWidget* parent) : QScrollArea(parent), FPanel(new TPickerSelectorPanel(*this))
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setWidget(FPanel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    resize(100, 150);
    UpdateSelectorPanel();
}

QWidget* TPickerSelector::Panel() const { return FPanel; }

void TPickerSelector::SetSelectorType(TSelectorType value)
{
    if (FSelectorType == value) return;
    FSelectorType = value;
    UpdateSelectorPanel();
}

void TPickerSelector::SetColumns(int value)
{
    if (value < 1 || FColumns == value) return;
    FColumns = value;
    UpdateSelectorPanel();
}

void TPickerSelector::SetColorBoxWidth(int value)
{
    if (FColorBoxWidth == value) return;
    FColorBoxWidth = value;
    UpdateSelectorPanel();
}

void TPickerSelector::SetColorBoxHeight(int value)
{
    if (FColorBoxHeight == value) return;
    FColorBoxHeight = value;
    UpdateSelectorPanel();
}

void TPickerSelector::SetImages(TImageList* value)
{
    if (FImages == value) return;
    FImages = value;
    UpdateSelectorPanel();
}

void TPickerSelector::SetColor(TColor value)
{
    FColor = value;
    FPanel->update();
}

QSize TPickerSelector::GetItemSize() const
{
    QSize size;
    if (OnItemSize) {
        OnItemSize(FPanel, size);
        return size;
    }
    int pw = 0, ph = 0;
    if (FSelectorType == stColor) {
        pw = FColorBoxWidth;
        ph = FColorBoxHeight;
    }
    int cw = 0, ch = 0;
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    TCanvas canvas(painter);
    canvas.Font = platform::TFont(FItemAppearance.Font);
    for (const TSelectorItem& item : FItems) {
        if (FSelectorType == stImage) {
            if (!item.Image.isNull()) {
                pw = std::max(pw, item.Image.width());
                ph = std::max(ph, item.Image.height());
            } else if (FImages && item.ImageIndex >= 0) {
                pw = std::max(pw, FImages->Width());
                ph = std::max(ph, FImages->Height());
            }
        }
        const QSize c = DrawHTMLCaption(canvas, item.Caption, TRect(0, 0, 1000, 500), false, FImages);
        cw = std::max(cw, c.width());
        ch = std::max(ch, c.height());
    }
    if (cw > 0) cw += 4;
    if (FItemLayout == ilCaptionLeft || FItemLayout == ilCaptionRight)
        return QSize(2 * kItemOffSetX + pw + (pw > 0 && cw > 0 ? kCaptionGap : 0) + cw,
                     std::max(ch, ph) + 2 * kItemOffSetY);
    return QSize(std::max(cw, pw) + 2 * kItemOffSetX,
                 2 * kItemOffSetY + ph + (ph > 0 && ch > 0 ? kCaptionGap : 0) + ch);
}

void TPickerSelector::UpdateSelectorPanel()
{
    if (FItems.empty()) {
        FPanel->resize(100, 50);
        return;
    }
    FItemHot = -1;
    const QSize size = GetItemSize();
    const int W = size.width(), H = size.height();
    int x = kOffSetX, y = kOffSetY, column = 0, widest = 0;
    for (int i = 0; i < Count(); ++i) {
        FItems[size_t(i)].Rect = TRect(x, y, x + W, y + H);
        ++column;
        if (i == Count() - 1) break;
        if (column < FColumns) {
            x += W;
        } else {
            widest = std::max(widest, x);
            x = kOffSetX;
            y += H;
            column = 0;
        }
    }
    widest = std::max(widest, x);
    FPanel->resize(widest + W + kOffSetX, y + H + kOffSetY);
    FPanel->update();
}

void TPickerSelector::BeginFill(int columns, TImageList* images, TItemLayout layout, TColor color,
                                const TItemAppearance& appearance)
{
    OnItemSelect = nullptr;
    SetColumns(columns);
    SetImages(images);
    SetItemLayout(layout);
    SetColor(color);
    SetItemAppearance(appearance);
    FItems.clear();
}

void TPickerSelector::EndFill(int itemIndex, std::function<void(QObject* Sender)> onSelect)
{
    UpdateSelectorPanel();
    SetItemIndex(itemIndex);
    OnItemSelect = std::move(onSelect);
}

void TPickerSelector::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    if (OnResize) Guarded([this] { OnResize(this); });
}

void TPickerSelector::InvalidateItem(int index)
{
    if (index >= 0 && index < Count()) FPanel->update(FItems[size_t(index)].Rect.toQRect());
}

void TPickerSelector::SetItemIndex(int value)
{
    if (Disabled(value)) return;
    if (FItemIndex >= 0 && value != FItemIndex) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = value;
    if (value >= 0) {
        InvalidateItem(value);
        if (OnItemSelect) OnItemSelect(this);
    }
    ScrollItemInView(FItemIndex);
}

void TPickerSelector::SetItemHot(int index)
{
    if (index == FItemHot || Disabled(index)) return;
    if (FItemHot >= 0) {
        const int old = FItemHot;
        FItemHot = -1;
        InvalidateItem(old);
    }
    FItemHot = index;
    if (index >= 0) InvalidateItem(index);
}

void TPickerSelector::SelectFirst() { StepSelection(psFirst); }
void TPickerSelector::SelectLast() { StepSelection(psLast); }
void TPickerSelector::SelectNext() { StepSelection(psNext); }
void TPickerSelector::SelectPrevious() { StepSelection(psPrevious); }

void TPickerSelector::StepSelection(TPickerStep step)
{
    if (const auto index = SteppedIndex(step, FItemIndex, Count())) SetItemIndex(*index);
}

void TPickerSelector::HotNext() { StepHot(psNext); }
void TPickerSelector::HotPrevious() { StepHot(psPrevious); }

void TPickerSelector::StepHot(TPickerStep step)
{
    if (const auto index = SteppedIndex(step, FItemHot, Count())) {
        SetItemHot(*index);
        ScrollItemInView(FItemHot);
    }
}

bool TPickerSelector::LookupItem(const QString& text)
{
    for (int i = 0; i < Count(); ++i) {
        const QString caption = grid::StripHTMLTags(FItems[size_t(i)].Caption).trimmed().toUpper();
        if (caption.startsWith(text)) {
            SetItemIndex(i);
            return true;
        }
    }
    return false;
}

int TPickerSelector::GetVisibleItemCount() const
{
    if (FItems.empty()) return 0;
    int h = height();
    if (horizontalScrollBar()->isVisible()) h -= 20;
    const int itemHeight = FItems.front().Rect.Height();
    if (itemHeight <= 0) return 0;
    return h / itemHeight * FColumns;
}

QSize TPickerSelector::GetSelectorSize() const { return FPanel->size(); }

bool TPickerSelector::VerticalScrollBarShown() const { return verticalScrollBar()->maximum() > 0; }

void TPickerSelector::ScrollItemInView(int index)
{
    if (index < 0 || index >= Count()) return;
    const TRect r = FItems[size_t(index)].Rect;
    ensureVisible(r.Left + r.Width() / 2, r.Top + r.Height() / 2, r.Width() / 2, r.Height() / 2);
}

TRect TPickerSelector::GetItemRect(int index) const
{
    if (index < 0 || index >= Count()) return TRect(-1, -1, -1, -1);
    return FItems[size_t(index)].Rect;
}

int TPickerSelector::ItemAtPos(int X, int Y) const
{
    for (int i = 0; i < Count(); ++i)
        if (FItems[size_t(i)].Rect.Contains(X, Y)) return i;
    return -1;
}

void TPickerSelector::DrawItem(int index, TCanvas& canvas)
{
    if (index < 0 || index >= Count()) return;
    TRect r = FItems[size_t(index)].Rect;
    if (r.Left < 0 && r.Right < 0) return;
    const TItemAppearance& a = FItemAppearance;
    const TSelectorItem& item = FItems[size_t(index)];
    const bool hot = index == FItemHot, selected = index == FItemIndex;
    grid::TSelectionFrameColors frame;
    frame.Outer = a.BorderColor;
    frame.InnerTop = a.BorderColorTop;
    frame.InnerBottom = a.BorderColorBottom;
    frame.InnerCorner = a.EdgeColor;
    auto state = [&](TColor from, TColor to, TColor mFrom, TColor mTo, TColor border) {
        frame.FillFrom = from;
        frame.FillTo = to;
        frame.MirrorFrom = mFrom;
        frame.MirrorTo = mTo;
        if (border != clNone) {
            frame.Outer = border;
            frame.InnerTop = frame.InnerBottom = frame.InnerCorner = clNone;
        }
    };
    if (selected)
        state(a.ColorSelected, a.ColorSelectedTo, a.ColorMirrorSelected, a.ColorMirrorSelectedTo,
              a.BorderColorSelected);
    else if (hot)
        state(a.ColorHot, a.ColorHotTo, a.ColorMirrorHot, a.ColorMirrorHotTo, a.BorderColorHot);
    if (!hot && !selected) {
        canvas.Brush.Color = FColor;
        canvas.Brush.Style = Qt::SolidPattern;
        canvas.FillRect(r);
    } else if (frame.InnerTop != clNone) {
        grid::DrawSelectionFrame(canvas, frame, 0, r, FColor);
    } else {
        DrawFilledRect(&canvas, r, frame.FillFrom, frame.FillTo, frame.Outer, 1, gdVertical);
    }
    if (OnDrawItem) {
        OnDrawItem(FPanel, canvas, r, index);
        return;
    }
    int W = 0, H = 0;
    enum { none, box, picture, listImage } content = none;
    if (FSelectorType == stColor) {
        W = FColorBoxWidth;
        H = FColorBoxHeight;
        content = box;
    } else if (!item.Image.isNull()) {
        W = item.Image.width();
        H = item.Image.height();
        content = picture;
    } else if (FImages && item.ImageIndex >= 0) {
        W = FImages->Width();
        H = FImages->Height();
        content = listImage;
    }
    TRect t(r.Left + kItemOffSetX, r.Top + kItemOffSetY, r.Right - kItemOffSetX, r.Bottom - kItemOffSetY);
    TRect p = t;
    canvas.Font = platform::TFont(a.Font, selected ? a.ColorSelectedText : hot ? a.ColorHotText : clBlack);
    auto drawContent = [&](int x, int y) {
        switch (content) {
        case box:
            canvas.Pen.Color = clBlack;
            canvas.Brush.Color = item.Color;
            canvas.Brush.Style = item.Color == clNone ? Qt::NoBrush : Qt::SolidPattern;
            canvas.Rectangle(TRect(x, y, x + W, y + H));
            break;
        case picture: canvas.Draw(x, y, item.Image); break;
        case listImage: canvas.Draw(x, y, FImages->Image(item.ImageIndex)); break;
        case none: break;
        }
    };
    auto drawCentredCaption = [&](TRect area) {
        const QSize c = DrawHTMLCaption(canvas, item.Caption, area, false, FImages);
        if (area.Height() > c.height()) area.Top += (area.Height() - c.height()) / 2;
        DrawHTMLCaption(canvas, item.Caption, area, true, FImages);
        return c;
    };
    const bool hasCaption = !item.Caption.isEmpty();
    const int contentY = content == box ? p.Top : p.Top + (p.Height() - H) / 2;
    switch (FItemLayout) {
    case ilCaptionLeft:
        if (hasCaption) {
            t.Right -= W;
            p.Left = t.Left + drawCentredCaption(t).width() + kCaptionGap;
        }
        drawContent(p.Left, contentY);
        break;
    case ilCaptionRight:
        drawContent(p.Left, contentY);
        if (content != none) t.Left = p.Left + W + kCaptionGap;
        if (hasCaption) drawCentredCaption(t);
        break;
    case ilCaptionTop:
        if (hasCaption) {
            t.Bottom -= H;
            p.Top = t.Top + DrawHTMLCaption(canvas, item.Caption, t, true, FImages).height() + kCaptionGap;
        } else {
            p.Top += (p.Height() - H) / 2;
        }
        drawContent(p.Left + (p.Width() - W) / 2, p.Top);
        break;
    case ilCaptionBottom:
        if (!hasCaption) p.Top += (p.Height() - H) / 2;
        drawContent(p.Left + (p.Width() - W) / 2, p.Top);
        if (content != none) t.Top = p.Top + H + kCaptionGap;
        if (hasCaption) DrawHTMLCaption(canvas, item.Caption, t, true, FImages);
        break;
    }
}

void TTypeAhead::Key(QChar c, TPickerSelector& selector)
{
    const uint32_t now = platform::tickClock().ticks();
    if (CurSearch().isEmpty()) {
        FCurSearch.clear();
        FStarted = now;
    }
    FCurSearch += c;
    selector.LookupItem(FCurSearch);
}

QString TTypeAhead::CurSearch() const
{
    if (FCurSearch.isEmpty() || uint32_t(platform::tickClock().ticks() - FStarted) >= 500) return QString();
    return FCurSearch;
}

}  // namespace dropdown::picklist
