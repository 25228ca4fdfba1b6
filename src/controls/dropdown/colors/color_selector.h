#pragma once

// The discrete colour selector: a grid of colour boxes in rows of Columns.
// Stand-alone boxes stand apart; boxes of the top, middle and bottom kind
// touch their neighbours above and below and form columns drawn as strips.
// The box under the pointer is hot, a click selects.

#include <functional>
#include <vector>

#include <QSize>

#include "controls/dropdown/base/dropdown_styles.h"
#include "controls/dropdown/colors/color_selector_panel.h"
#include "controls/dropdown/colors/color_tables.h"
#include "platform/colors.h"
#include "platform/geometry.h"
#include "platform/input_state.h"

namespace platform {
class TCanvas;
}

namespace dropdown {

struct TColorBoxItem {
    TColor Color = clNone;
    bool Enabled = true;  // a disabled box is neither hot nor selected
    TItemPos ColorBoxPos = ipStandAlone;
    platform::TRect Rect;  // set by the layout
};

// The boxes; changing a box's colour through SetColor raises OnChange.
class TColorBoxItems {
public:
    TColorBoxItem& Add(TColor color = clNone, TItemPos pos = ipStandAlone)
    {
        FItems.push_back(TColorBoxItem{color, true, pos, {}});
        return FItems.back();
    }
    void Clear() { FItems.clear(); }
    int Count() const { return int(FItems.size()); }
    TColorBoxItem& operator[](int i) { return FItems[size_t(i)]; }
    const TColorBoxItem& operator[](int i) const { return FItems[size_t(i)]; }
    void SetColor(int i, TColor color)
    {
        if (FItems[size_t(i)].Color == color) return;
        FItems[size_t(i)].Color = color;
        if (OnChange) OnChange();
    }
    void Assign(const TColorBoxItems& source) { FItems = source.FItems; }

    std::function<void()> OnChange;

private:
    std::vector<TColorBoxItem> FItems;
};

struct TColorBoxAppearance {
    TColor BorderColor = 0xC5C5C5;
    TColor OuterBorderColorHot = 0x3694F2;
    TColor InnerBorderColorHot = 0x94E2FF;
    TColor OuterBorderColorSelected = 0x0000FF;
    TColor InnerBorderColorSelected = 0x94E2FF;
};

class TCustomColorSelector : public TExCustomColorSelectorPanel {
    Q_OBJECT
public:
    explicit TCustomColorSelector(QWidget* parent = nullptr);

    TColorBoxItems& Items() { return FItems; }
    void SetItems(const TColorBoxItems& value) { FItems.Assign(value); }
    TColorBoxAppearance& ColorBoxAppearance() { return FColorBoxAppearance; }
    void SetColorBoxAppearance(const TColorBoxAppearance& value) { FColorBoxAppearance = value; }

    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Index);
    int ItemHot() const { return FItemHot; }
    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value);

    int Columns() const { return FColumns; }
    void SetColumns(int value);
    int ColumnGap() const { return FColumnGap; }
    void SetColumnGap(int value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int value);
    int OffSetX() const { return FOffSetX; }
    int OffSetY() const { return FOffSetY; }
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    // A named style puts the appearance colours back to their defaults.
    void SetItemColorStyle(TSelectionColorStyle value);

    // The 60 boxes of the default palette in place of the present ones.
    void AddDefaultColorBoxes();
    // Lays the boxes out and sizes the control to them.
    virtual void UpdateSize();
    // The navigation keys (PageUp to Down) of the host; EditorEnabled and
    // DroppedDown are the host's.
    void HandleKey(platform::Word Key, bool EditorEnabled, bool DroppedDown);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    void SetItemHot(int Index);
    platform::TRect GetColorBoxRect(int Index) const;
    int ColorBoxAtPos(int X, int Y) const;

    std::function<void(QObject* Sender)> OnItemSelect;

protected:
    virtual void DrawColorBox(int Index, platform::TCanvas* Canvas);
    virtual void GetContentRect(platform::TRect& R) const;
    virtual void GetColorBoxSize(QSize& Size) const;
    virtual void InvalidateColorBox(int Index);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool Valid(int i) const { return i >= 0 && i < FItems.Count(); }
    bool Disabled(int i) const { return Valid(i) && !FItems[i].Enabled; }

    TColorBoxItems FItems;
    TColorBoxAppearance FColorBoxAppearance;
    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 4;
    int FOffSetY = 4;
    int FColumns = 10;
    int FColumnGap = 4;
    int FColorBoxWidth = 12;
    int FColorBoxHeight = 12;
    TSelectionColorStyle FItemColorStyle = scCustom;
    TColor FSelectedColor = clNone;
};

}  // namespace dropdown
