#pragma once

// The item selector: a scrolling host (TExCustomItemSelector) that owns the
// items, settings and item look, and the panel inside it
// (TCustomItemSelector) that lays the items out in a fixed number of
// columns, paints them and tracks the hot and the selected item.

#include <functional>
#include <memory>
#include <vector>

#include <QImage>
#include <QPointer>
#include <QScrollArea>
#include <QWidget>

#include "controls/dropdown/base/dropdown_draw.h"
#include "controls/dropdown/selector/item_appearance.h"
#include "controls/dropdown/selector/selector_types.h"
#include "platform/canvas.h"
#include "platform/geometry.h"

namespace dropdown {

class TExCustomItemSelector;

class TSelectorItem {
public:
    QString Caption;  // mini-HTML
    int ImageIndex = -1;
    bool Enabled = true;
    TColor Color = clNone;  // the colour box of stColor
    QImage Image;           // preferred to ImageIndex
    QString Hint;
    platform::TRect Rect;  // in panel coordinates, set by the layout
};

class TSelectorItems {
public:
    TSelectorItem& Add();
    TSelectorItem& Insert(int index);
    void Delete(int index);
    void Clear();
    int Count() const { return int(FItems.size()); }
    TSelectorItem& operator[](int index) { return *FItems[size_t(index)]; }
    const TSelectorItem& operator[](int index) const { return *FItems[size_t(index)]; }
    void Assign(const TSelectorItems& source);
    // Item changes that alter the layout (captions, colours, images) call it.
    void Changed()
    {
        if (OnChange) OnChange();
    }
    std::function<void()> OnChange;

private:
    std::vector<std::unique_ptr<TSelectorItem>> FItems;
};

class TCustomItemSelector : public QWidget {
    Q_OBJECT

public:
    // Raises std::invalid_argument("Invalid parent") without a host.
    explicit TCustomItemSelector(TExCustomItemSelector* host);

    TExCustomItemSelector* ExItemSelector() const { return FExItemSelector; }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int index);

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item whose caption, without tags, trimmed and upper
    // cased, starts with text (callers pass upper case).
    bool LookupItem(const QString& text);

    platform::TRect GetItemRect(int index) const;
    int ItemAtPos(int x, int y) const;
    virtual void DrawItem(int index, platform::TCanvas& canvas);
    virtual platform::TRect GetContentRect() const;
    virtual QSize GetItemSize();
    virtual void InvalidateItem(int index);
    virtual void UpdateSize();

    std::function<void(QObject* Sender)> OnItemSelect;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int Count() const;
    TSelectorItems& Items() const;
    void DrawAt(int index);

    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 2, FOffSetY = 2;
    int FItemOffSetX = 4, FItemOffSetY = 4;
    int FCaptionGap = 4;
    TExCustomItemSelector* FExItemSelector;
};

class TExCustomItemSelector : public QScrollArea {
    Q_OBJECT

public:
    explicit TExCustomItemSelector(QWidget* parent = nullptr);
    ~TExCustomItemSelector() override;

    TSelectorItems& Items() { return FItems; }
    void SetItems(const TSelectorItems& value) { FItems.Assign(value); }
    TSelectorType SelectorType() const { return FSelectorType; }
    void SetSelectorType(TSelectorType value);
    // Stored only: the caller runs UpdateSelectorPanel afterwards.
    TItemLayout ItemLayout() const { return FItemLayout; }
    void SetItemLayout(TItemLayout value) { FItemLayout = value; }
    int Columns() const { return FColumns; }
    // 0 or less is ignored.
    void SetColumns(int value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int value);
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* value);
    TItemAppearance& ItemAppearance() { return FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& value) { FItemAppearance.Assign(value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    int ItemIndex() const;
    void SetItemIndex(int value);
    int ItemHot() const;
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const QString& text);
    int GetVisibleItemCount() const;
    QSize GetSelectorSize() const;
    void UpdateSelectorPanel();
    void ScrollItemInView(int index);
    TCustomItemSelector* Panel() const { return FItemSelectorPanel; }

    std::function<void(QObject* Sender)> OnItemSelect;
    std::function<void(QObject* Sender, platform::TCanvas& Canvas, const platform::TRect& R, int Index)> OnDrawItem;
    std::function<void(QObject* Sender, QSize& ASize)> OnItemSize;
    std::function<void(QObject* Sender)> OnResize;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ImagesDestroyed();

    TSelectorItems FItems;
    TSelectorType FSelectorType = stImage;
    TItemLayout FItemLayout = ilCaptionRight;
    int FColumns = 1;
    int FColorBoxWidth = 14, FColorBoxHeight = 14;
    QPointer<TImageList> FImages;
    QMetaObject::Connection FImagesConnection;
    TItemAppearance FItemAppearance;
    TColor FColor = clWindow;
    QPointer<TCustomItemSelector> FItemSelectorPanel;
};

}  // namespace dropdown
