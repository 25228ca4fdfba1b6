#include "controls/dropdown/selector/item_selector.h"

#include "controls/dropdown/base/guarded.h"

#include <algorithm>
#include <stdexcept>

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include "controls/dropdown/selector/item_selector_layout.h"
#include "controls/grid/html/html_text_utils.h"
#include "controls/grid/paint/grid_draw_utils.h"

namespace dropdown {

using platform::TCanvas;
using platform::TRect;

// ----- items

TSelectorItem& TSelectorItems::Add() { return Insert(Count()); }

TSelectorItem& TSelectorItems::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    auto it = FItems.insert(FItems.begin() + index, std::make_unique<TSelectorItem>());
    Changed();
    return **it;
}

void TSelectorItems::Delete(int index)
{
    if (index < 0 || index >= Count()) return;
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TSelectorItems::Clear()
{
    FItems.clear();
    Changed();
}

void TSelectorItems::Assign(const TSelectorItems& source)
{
    if (&source == this) return;
    FItems.clear();
    for (const auto& item : source.FItems) FItems.push_back(std::make_unique<TSelectorItem>(*item));
    Changed();
}

// ----- the panel

TCustomItemSelector::TCustomItemSelector(TExCustomItemSelector* host) : QWidget(nullptr), FExItemSelector(host)
{
    if (!host) throw std::invalid_argument("Invalid parent");
    setMouseTracking(true);
    resize(100, 50);
}

int TCustomItemSelector::Count() const { return FExItemSelector->Items().Count(); }
TSelectorItems& TCustomItemSelector::Items() const { return FExItemSelector->Items(); }

void TCustomItemSelector::DrawAt(int index)
{
    // Qt paints on its own schedule: the item's area is repainted.
    InvalidateItem(index);
}

void TCustomItemSelector::SetItemIndex(int value)
{
    if (value >= 0 && value < Count() && !Items()[value].Enabled) return;
    if (FItemIndex >= 0 && FItemIndex != value) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = value;
    if (value >= 0) {
        DrawAt(value);
        if (OnItemSelect) OnItemSelect(this);
    }
}

void TCustomItemSelector::SetItemHot(int index)
{
    if (index == FItemHot) return;
    if (index >= 0 && index < Count() && !Items()[index].Enabled) return;
    if (FItemHot >= 0) {
        const int old = FItemHot;
        FItemHot = -1;
        InvalidateItem(old);
    }
    FItemHot = index;
    if (index >= 0) DrawAt(index);
}

void TCustomItemSelector::SelectFirst()
{
    if (Count() > 0) SetItemIndex(0);
}

void TCustomItemSelector::SelectLast()
{
    if (Count() > 0) SetItemIndex(Count() - 1);
}

void TCustomItemSelector::SelectNext()
{
    if (Count() == 0) return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex + 1 < Count())
        SetItemIndex(FItemIndex + 1);
}

void TCustomItemSelector::SelectPrevious()
{
    if (Count() == 0) return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex - 1 >= 0)
        SetItemIndex(FItemIndex - 1);
}

void TCustomItemSelector::HotNext()
{
    if (Count() == 0) return;
    if (FItemHot < 0)
        SetItemHot(0);
    else if (FItemHot + 1 < Count())
        SetItemHot(FItemHot + 1);
}

void TCustomItemSelector::HotPrevious()
{
    if (Count() == 0) return;
    if (FItemHot < 0)
        SetItemHot(0);
    else if (FItemHot - 1 >= 0)
        SetItemHot(FItemHot - 1);
}

bool TCustomItemSelector::LookupItem(const QString& text)
{
    for (int i = 0; i < Count(); ++i) {
        const QString caption = grid::StripHTMLTags(Items()[i].Caption).trimmed().toUpper();
        if (caption.startsWith(text)) {
            SetItemIndex(i);
            return true;
        }
    }
    return false;
}

TRect TCustomItemSelector::GetItemRect(int index) const
{
    if (index < 0 || index >= Count()) return {-1, -1, -1, -1};
    return Items()[index].Rect;
}

int TCustomItemSelector::ItemAtPos(int x, int y) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items()[i].Rect.Contains(x, y)) return i;
    return -1;
}

void TCustomItemSelector::InvalidateItem(int index)
{
    if (index >= 0 && index < Count()) update(Items()[index].Rect.toQRect());
}

TRect TCustomItemSelector::GetContentRect() const
{
    return TRect(0, 0, width(), height()).Inflated(-FOffSetX, -FOffSetY);
}

QSize TCustomItemSelector::GetItemSize()
{
    TExCustomItemSelector& host = *FExItemSelector;
    if (host.OnItemSize) {
        QSize size;
        host.OnItemSize(this, size);
        return size;
    }
    QSize picture = host.SelectorType() == stColor ? QSize(host.ColorBoxWidth(), host.ColorBoxHeight()) : QSize();
    QSize caption(0, 0);
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    TCanvas canvas(painter);
    canvas.Font = platform::TFont(host.ItemAppearance().Font);
    for (int i = 0; i < Count(); ++i) {
        const TSelectorItem& item = Items()[i];
        if (host.SelectorType() == stImage) {
            QSize size;
            if (!item.Image.isNull())
                size = item.Image.size();
            else if (host.Images() && item.ImageIndex >= 0)
                size = QSize(host.Images()->Width(), host.Images()->Height());
            picture = picture.expandedTo(size);
        }
        caption = caption.expandedTo(DrawHTMLCaption(canvas, item.Caption, {0, 0, 1000, 500}, false, host.Images()));
    }
    TItemSizeInput input;
    input.Picture = QSize(std::max(picture.width(), 0), std::max(picture.height(), 0));
    input.Caption = caption;
    input.Layout = host.ItemLayout();
    input.ItemOffSetX = FItemOffSetX;
    input.ItemOffSetY = FItemOffSetY;
    input.CaptionGap = FCaptionGap;
    return ComputeItemSize(input);
}

void TCustomItemSelector::UpdateSize()
{
    if (Count() == 0) {
        resize(100, 50);
        return;
    }
    FItemHot = -1;
    const QSize itemSize = GetItemSize();
    const TItemGridLayout layout =
        LayoutItems(Count(), FExItemSelector->Columns(), itemSize, {FOffSetX, FOffSetY, FOffSetX, FOffSetY});
    for (int i = 0; i < Count(); ++i) Items()[i].Rect = layout.Items[size_t(i)];
    resize(layout.PanelSize);
    update();
}

void TCustomItemSelector::DrawItem(int index, TCanvas& canvas)
{
    if (index < 0 || index >= Count() || !FExItemSelector) return;
    TExCustomItemSelector& host = *FExItemSelector;
    const TSelectorItem& item = Items()[index];
    const TRect r = item.Rect;
    if (r.Left < 0 && r.Right < 0) return;
    const TItemAppearance& a = host.ItemAppearance();
    TColor frame = a.BorderColor, top = a.BorderColorTop, bottom = a.BorderColorBottom, edge = a.EdgeColor;
    TColor from = clNone, to = clNone, mirrorFrom = clNone, mirrorTo = clNone;
    bool painted = false;
    const bool hot = index == FItemHot, selected = index == FItemIndex;
    if (hot) {
        from = a.ColorHot;
        to = a.ColorHotTo;
        mirrorFrom = a.ColorMirrorHot;
        mirrorTo = a.ColorMirrorHotTo;
        if (a.BorderColorHot != clNone) {
            frame = a.BorderColorHot;
            top = bottom = edge = clNone;
        }
        painted = true;
    }
    if (selected) {
        from = a.ColorSelected;
        to = a.ColorSelectedTo;
        mirrorFrom = a.ColorMirrorSelected;
        mirrorTo = a.ColorMirrorSelectedTo;
        if (a.BorderColorSelected != clNone) {
            frame = a.BorderColorSelected;
            top = bottom = edge = clNone;
        }
        painted = true;
    }
    canvas.Brush.Style = Qt::SolidPattern;
    if (!painted) {
        canvas.Brush.Color = host.Color();
        canvas.FillRect(r);
    } else if (top != clNone) {
        grid::TSelectionFrameColors colors;
        colors.FillFrom = from;
        colors.FillTo = to;
        colors.MirrorFrom = mirrorFrom;
        colors.MirrorTo = mirrorTo;
        colors.Outer = frame;
        colors.InnerTop = top;
        colors.InnerBottom = bottom;
        colors.InnerCorner = edge;
        grid::DrawSelectionFrame(canvas, colors, 0, r, host.Color());
    } else {
        DrawFilledRect(&canvas, r, from, to, frame, 1, gdVertical);
    }
    if (host.OnDrawItem) {
        host.OnDrawItem(this, canvas, r, index);
        return;
    }

    QImage graphic;
    QSize content(0, 0);
    if (host.SelectorType() == stColor) {
        content = QSize(host.ColorBoxWidth(), host.ColorBoxHeight());
    } else if (!item.Image.isNull()) {
        graphic = item.Image;
    } else if (host.Images() && item.ImageIndex >= 0) {
        graphic = host.Images()->Image(item.ImageIndex);
        if (!item.Enabled && !graphic.isNull()) graphic = graphic.convertToFormat(QImage::Format_Grayscale8);
    }
    if (!graphic.isNull()) content = graphic.size();
    const int w = content.width(), h = content.height();
    const bool hasContent = host.SelectorType() == stColor || !graphic.isNull();

    TRect t = r.Inflated(-FItemOffSetX, -FItemOffSetY);
    TRect p = t;
    canvas.Font = platform::TFont(a.Font, clBlack);
    if (hot) canvas.Font.Color = a.ColorHotText;
    if (selected) canvas.Font.Color = a.ColorSelectedText;
    canvas.Brush.Style = Qt::NoBrush;
    auto drawContent = [&](int x, int y) {
        if (host.SelectorType() == stColor) {
            canvas.Pen.Color = clBlack;
            canvas.Pen.Width = 1;
            canvas.Brush.Style = Qt::SolidPattern;
            canvas.Brush.Color = item.Color;
            canvas.Rectangle(x, y, x + w, y + h);
            canvas.Brush.Style = Qt::NoBrush;
        } else if (!graphic.isNull()) {
            canvas.Draw(x, y, graphic);
        }
    };
    auto centredCaption = [&](TRect area) {
        const QSize size = DrawHTMLCaption(canvas, item.Caption, area, false, host.Images());
        if (area.Height() > size.height()) area.Top += (area.Height() - size.height()) / 2;
        DrawHTMLCaption(canvas, item.Caption, area, true, host.Images());
    };
    const bool hasCaption = !item.Caption.isEmpty();
    const int contentY = host.SelectorType() == stColor ? p.Top : p.Top + (p.Height() - h) / 2;
    switch (host.ItemLayout()) {
    case ilCaptionLeft:
        if (hasCaption) {
            t.Right -= w;
            const QSize size = DrawHTMLCaption(canvas, item.Caption, t, false, host.Images());
            centredCaption(t);
            p.Left = t.Left + size.width() + FCaptionGap;
        }
        drawContent(p.Left, contentY);
        break;
    case ilCaptionRight:
        drawContent(p.Left, contentY);
        if (hasContent) t.Left = p.Left + w + FCaptionGap;
        if (hasCaption) centredCaption(t);
        break;
    case ilCaptionTop:
        if (hasCaption) {
            t.Bottom -= h;
            const QSize size = DrawHTMLCaption(canvas, item.Caption, t, true, host.Images());
            p.Top = t.Top + size.height() + FCaptionGap;
        } else {
            p.Top += (p.Height() - h) / 2;
        }
        p.Left += (p.Width() - w) / 2;
        drawContent(p.Left, p.Top);
        break;
    case ilCaptionBottom:
        if (!hasCaption) p.Top += (p.Height() - h) / 2;
        p.Left += (p.Width() - w) / 2;
        drawContent(p.Left, p.Top);
        if (hasContent) t.Top = p.Top + h + FCaptionGap;
        if (hasCaption) DrawHTMLCaption(canvas, item.Caption, t, true, host.Images());
        break;
    }
    canvas.Brush.Style = Qt::SolidPattern;
}

void TCustomItemSelector::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TCanvas canvas(painter);
    canvas.Brush.Color = FExItemSelector->Color();
    canvas.FillRect({0, 0, width(), height()});
    for (int i = 0; i < Count(); ++i) DrawItem(i, canvas);
}

void TCustomItemSelector::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const int index = ItemAtPos(p.x(), p.y());
    if (index >= 0 && Items()[index].Enabled) SetItemIndex(index);
}

void TCustomItemSelector::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const int index = ItemAtPos(p.x(), p.y());
    if (index >= 0) {
        if (index != FItemHot) {
            SetItemHot(Items()[index].Enabled ? index : -1);
            setToolTip(Items()[index].Hint);
            QToolTip::hideText();
        }
    } else if (FItemHot >= 0) {
        SetItemHot(-1);
    }
}

void TCustomItemSelector::leaveEvent(QEvent*)
{
    if (FItemHot >= 0) SetItemHot(-1);
}

// ----- the host

TExCustomItemSelector::TExCustomItemSelector(QWidget* parent) : QScrollArea(parent)
{
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::NoFrame);
    FItems.OnChange = [this] { UpdateSelectorPanel(); };
    FItemSelectorPanel = new TCustomItemSelector(this);
    FItemSelectorPanel->OnItemSelect = [this](QObject*) {
        if (OnItemSelect) OnItemSelect(this);
    };
    setWidget(FItemSelectorPanel);
    UpdateSelectorPanel();
}

TExCustomItemSelector::~TExCustomItemSelector()
{
    FItems.OnChange = nullptr;
    if (FImagesConnection) disconnect(FImagesConnection);
}

void TExCustomItemSelector::SetSelectorType(TSelectorType value)
{
    if (FSelectorType == value) return;
    FSelectorType = value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColumns(int value)
{
    if (value <= 0 || value == FColumns) return;
    FColumns = value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColorBoxWidth(int value)
{
    if (FColorBoxWidth == value) return;
    FColorBoxWidth = value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColorBoxHeight(int value)
{
    if (FColorBoxHeight == value) return;
    FColorBoxHeight = value;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetImages(TImageList* value)
{
    if (FImages == value) return;
    if (FImagesConnection) disconnect(FImagesConnection);
    FImages = value;
    if (value) FImagesConnection = connect(value, &QObject::destroyed, this, [this] { ImagesDestroyed(); });
    UpdateSelectorPanel();
}

void TExCustomItemSelector::ImagesDestroyed()
{
    FImages = nullptr;
    UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColor(TColor value)
{
    FColor = value;
    if (FItemSelectorPanel) FItemSelectorPanel->update();
}

void TExCustomItemSelector::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    if (OnResize) Guarded([this] { OnResize(this); });
}

void TExCustomItemSelector::UpdateSelectorPanel()
{
    if (FItemSelectorPanel) FItemSelectorPanel->UpdateSize();
}

int TExCustomItemSelector::ItemIndex() const { return FItemSelectorPanel ? FItemSelectorPanel->ItemIndex() : -1; }

void TExCustomItemSelector::SetItemIndex(int value)
{
    if (!FItemSelectorPanel) return;
    FItemSelectorPanel->SetItemIndex(value);
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

int TExCustomItemSelector::ItemHot() const { return FItemSelectorPanel ? FItemSelectorPanel->ItemHot() : -1; }

#define SELECTOR_STEP(Name, Index)                   \
    void TExCustomItemSelector::Name()               \
    {                                                \
        if (!FItemSelectorPanel) return;             \
        FItemSelectorPanel->Name();                  \
        ScrollItemInView(FItemSelectorPanel->Index()); \
    }
SELECTOR_STEP(SelectFirst, ItemIndex)
SELECTOR_STEP(SelectLast, ItemIndex)
SELECTOR_STEP(SelectNext, ItemIndex)
SELECTOR_STEP(SelectPrevious, ItemIndex)
SELECTOR_STEP(HotNext, ItemHot)
SELECTOR_STEP(HotPrevious, ItemHot)
#undef SELECTOR_STEP

bool TExCustomItemSelector::LookupItem(const QString& text)
{
    return FItemSelectorPanel && FItemSelectorPanel->LookupItem(text);
}

int TExCustomItemSelector::GetVisibleItemCount() const
{
    if (!FItemSelectorPanel || FItems.Count() == 0) return 0;
    int h = height();
    if (horizontalScrollBar()->isVisible()) h -= 20;
    const int itemHeight = FItems[0].Rect.Height();
    if (itemHeight <= 0) return 0;
    return h / itemHeight * FColumns;
}

QSize TExCustomItemSelector::GetSelectorSize() const
{
    return FItemSelectorPanel ? FItemSelectorPanel->size() : QSize(100, 50);
}

void TExCustomItemSelector::ScrollItemInView(int index)
{
    if (!FItemSelectorPanel || index < 0 || index >= FItems.Count()) return;
    QScrollBar* bar = verticalScrollBar();
    if (!bar->isVisible()) return;
    const int margin = 0;
    TRect r = FItemSelectorPanel->GetItemRect(index).Inflated(0, margin);
    const QPoint offset = FItemSelectorPanel->pos();
    r = r.Offset(offset.x(), offset.y());
    const int clientHeight = viewport()->height();
    if (r.Top < 0) {
        bar->setValue(bar->value() + r.Top);
    } else if (clientHeight < r.Bottom) {
        if (clientHeight < r.Height()) r.Bottom = clientHeight + r.Top;
        bar->setValue(bar->value() + r.Bottom - clientHeight);
    }
}

}  // namespace dropdown
