#pragma once

// The scrollable list of items that the colour, image and detail pickers
// show in their pop-ups: items with a picture or a colour box and a
// caption, laid out in a fixed number of columns, with a hot item (under
// the pointer or moved by keys) and a selected item. The list scrolls a
// panel that lays out, paints and hit-tests the items.

#include <functional>
#include <vector>

#include <QFont>
#include <QImage>
#include <QScrollArea>
#include <QSize>
#include <QString>

#include "controls/dropdown/base/dropdown_draw.h"
#include "controls/dropdown/base/dropdown_styles.h"
#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/geometry.h"

namespace dropdown::picklist {

enum TSelectorType : uint8_t { stImage, stColor };
enum TPickerStep : uint8_t { psFirst, psLast, psNext, psPrevious };
// Where the caption stands relative to the picture or colour box.
enum TItemLayout : uint8_t { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

// The colours of the hot and the selected item.
struct TItemAppearance {
    TItemAppearance() { SetColorStyle(scOffice2007); }

    TColor ColorHot = clNone, ColorHotTo = clNone;
    TColor ColorMirrorHot = clNone, ColorMirrorHotTo = clNone;
    TColor ColorSelected = clNone, ColorSelectedTo = clNone;
    TColor ColorMirrorSelected = clNone, ColorMirrorSelectedTo = clNone;
    TColor BorderColor = clNone, BorderColorTop = clNone, BorderColorBottom = clNone, EdgeColor = clNone;
    TColor ColorSelectedText = clBlack;
    TColor ColorHotText = clBlack;
    TColor BorderColorHot = clNone;
    TColor BorderColorSelected = clNone;
    QFont Font{QStringLiteral("Tahoma")};

    TSelectionColorStyle ColorStyle() const { return FColorStyle; }
    // A named style sets its twelve fill and frame colours; scCustom changes none.
    void SetColorStyle(TSelectionColorStyle style);

private:
    TSelectionColorStyle FColorStyle = scCustom;
    bool FStyled = false;
};

struct TSelectorItem {
    QString Caption;  // mini-HTML
    TColor Color = clNone;
    int ImageIndex = -1;
    QImage Image;
    QString Hint;
    bool Enabled = true;
    platform::TRect Rect;  // panel coordinates, set by the layout
};

class TPickerSelectorPanel;

class TPickerSelector : public QScrollArea {
    Q_OBJECT
public:
    explicit TPickerSelector(QWidget* parent = nullptr);

    std::vector<TSelectorItem>& Items() { return FItems; }
    const std::vector<TSelectorItem>& Items() const { return FItems; }
    int Count() const { return int(FItems.size()); }

    TSelectorType SelectorType() const { return FSelectorType; }
    void SetSelectorType(TSelectorType value);
    TItemLayout ItemLayout() const { return FItemLayout; }
    // Stores only; UpdateSelectorPanel lays the items out again.
    void SetItemLayout(TItemLayout value) { FItemLayout = value; }
    int Columns() const { return FColumns; }
    // Values below 1 are ignored.
    void SetColumns(int value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int value);
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* value);
    TItemAppearance& ItemAppearance() { return FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& value) { FItemAppearance = value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    // New item rectangles and panel size.
    void UpdateSelectorPanel();
    // A picker refills the list: BeginFill takes the picker's settings and
    // empties the list (its selection then reported to no one), EndFill lays
    // the new items out, selects itemIndex and hands selections to onSelect.
    void BeginFill(int columns, TImageList* images, TItemLayout layout, TColor color,
                   const TItemAppearance& appearance);
    void EndFill(int itemIndex, std::function<void(QObject* Sender)> onSelect);

    int ItemIndex() const { return FItemIndex; }
    // Selects (a disabled item refuses) and raises OnItemSelect for an index >= 0.
    void SetItemIndex(int value);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int index);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item whose caption (tags removed, trimmed, upper-cased) starts with text.
    bool LookupItem(const QString& text);
    // Whole rows the list shows at once, times the columns.
    int GetVisibleItemCount() const;
    QSize GetSelectorSize() const;
    void ScrollItemInView(int index);
    platform::TRect GetItemRect(int index) const;
    int ItemAtPos(int X, int Y) const;
    QWidget* Panel() const;
    bool VerticalScrollBarShown() const;

    std::function<void(QObject* Sender)> OnItemSelect;
    // Replaces the drawing of an item's content.
    std::function<void(QObject* Sender, platform::TCanvas& Canvas, const platform::TRect& R, int Index)> OnDrawItem;
    // Replaces the computed item size.
    std::function<void(QObject* Sender, QSize& ASize)> OnItemSize;
    std::function<void(QObject* Sender)> OnResize;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TPickerSelectorPanel;
    QSize GetItemSize() const;
    void StepSelection(TPickerStep step);
    void StepHot(TPickerStep step);
    void DrawItem(int index, platform::TCanvas& canvas);
    void InvalidateItem(int index);
    bool Disabled(int i) const { return i >= 0 && i < Count() && !FItems[size_t(i)].Enabled; }

    std::vector<TSelectorItem> FItems;
    TSelectorType FSelectorType = stImage;
    TItemLayout FItemLayout = ilCaptionRight;
    int FColumns = 1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TImageList* FImages = nullptr;
    TItemAppearance FItemAppearance;
    TColor FColor = clWhite;
    int FItemIndex = -1;
    int FItemHot = -1;
    TPickerSelectorPanel* FPanel;
};

// Keys typed in quick succession search the list: each key's character is
// appended to the search text, which lives 500 ms from its first character.
class TTypeAhead {
public:
    // Appends the character and looks the search text up in the list.
    void Key(QChar c, TPickerSelector& selector);
    // The search text, empty once it has expired.
    QString CurSearch() const;

private:
    QString FCurSearch;
    uint32_t FStarted = 0;
};

}  // namespace dropdown::picklist
