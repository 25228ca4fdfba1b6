#include "controls/dropdown/item_list/list_picker_keys.h"

#include <QScrollBar>
#include <QStyle>

#include "controls/grid/scoped_value.h"
#include "platform/tick_clock.h"

namespace dropdown::picklist {

namespace list_picker_keys_detail {

void Internal(TListKeyContext& c, const std::function<void()>& action)
{
    grid::TScopedValue<bool> internal(c.InternalCall, true);
    action();
}

// A computed index applies only below the list's count.
void Apply(TListKeyContext& c, int value)
{
    if (value >= c.Selector.Items().Count()) return;
    Internal(c, [&] {
        c.Selector.SetItemIndex(value);
        c.Selector.ScrollItemInView(value);
    });
}

}  // namespace list_picker_keys_detail

void TTypeAhead::Key(QChar c, TExCustomItemSelector& selector)
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

void BeginFill(TExCustomItemSelector& selector, int columns, TImageList* images, TItemLayout layout, TColor color,
               const TItemAppearance& appearance)
{
    selector.OnItemSelect = nullptr;
    selector.SetColumns(columns);
    selector.SetImages(images);
    selector.SetItemLayout(layout);
    selector.SetColor(color);
    selector.SetItemAppearance(appearance);
    selector.Items().Clear();
}

void EndFill(TExCustomItemSelector& selector, int itemIndex, std::function<void(QObject* Sender)> onSelect)
{
    selector.UpdateSelectorPanel();
    selector.SetItemIndex(itemIndex);
    selector.OnItemSelect = std::move(onSelect);
}

std::optional<int> SteppedIndex(TPickerStep step, int index, int count)
{
    if (count <= 0) return std::nullopt;
    switch (step) {
    case psFirst: return 0;
    case psLast: return count - 1;
    case psNext:
        if (index < 0) return 0;
        if (index + 1 < count) return index + 1;
        return std::nullopt;
    case psPrevious:
        if (index < 0) return 0;
        if (index - 1 >= 0) return index - 1;
        return std::nullopt;
    }
    return std::nullopt;
}

bool ListPickerKey(platform::Word key, TListKeyContext& c)
{
    using namespace platform;
    using namespace list_picker_keys_detail;
    TExCustomItemSelector& s = c.Selector;
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT: {
        if (s.Items().Count() != c.ItemCount && c.Refill) c.Refill();
        const int visible = s.GetVisibleItemCount();
        if (visible < 1) return true;
        if (key == VK_PRIOR) {
            const int value = s.ItemIndex() - visible;
            Apply(c, value < 1 ? 0 : value);
        } else {
            Apply(c, std::min(s.ItemIndex() + visible, s.Items().Count() - 1));
        }
        return true;
    }
    case VK_END:
    case VK_HOME:
        if (c.Open)
            Internal(c, [&] { key == VK_END ? s.SelectLast() : s.SelectFirst(); });
        else if (!c.HomeEndNeedReadOnlyText || !c.EditorEnabled)
            c.Step(key == VK_END ? psLast : psFirst);
        return false;
    case VK_LEFT:
    case VK_RIGHT:
        if (c.Open && !c.EditorEnabled) Internal(c, [&] { key == VK_LEFT ? s.SelectPrevious() : s.SelectNext(); });
        return true;
    case VK_UP:
        if (c.Open) {
            const int value = s.ItemIndex() < 0 ? 0 : s.ItemIndex() - c.RowStep;
            if (value >= 0) Apply(c, value);
        } else {
            c.Step(psPrevious);
        }
        return true;
    case VK_DOWN:
        if (c.Open)
            Apply(c, s.ItemIndex() < 0 ? 0 : s.ItemIndex() + c.RowStep);
        else
            c.Step(psNext);
        return true;
    default:
        if (!c.TypeAhead || (keyboardShiftState() & ssCtrl)) return false;
        // A list not yet filled (the pop-up never opened) is filled first.
        if (s.Items().Count() != c.ItemCount && c.Refill) c.Refill();
        Internal(c, [&] { c.Search.Key(QChar(key), s); });
        return false;
    }
}

void ListPickerWheel(bool down, TListKeyContext& c)
{
    if (c.Open) {
        down ? c.Selector.HotNext() : c.Selector.HotPrevious();
        return;
    }
    list_picker_keys_detail::Internal(c, [&] { down ? c.Selector.SelectNext() : c.Selector.SelectPrevious(); });
}

void FitSelectorToContent(TExCustomItemSelector& selector, int dropDownWidth, int dropDownHeight, int borderWidth)
{
    const QSize preferred = selector.GetSelectorSize();
    QSize size = selector.size();
    if (dropDownHeight < 1) size.setHeight(preferred.height());
    if (dropDownWidth < 1) {
        // Room for the vertical scroll bar when the items are taller than the list.
        const bool scrolls = preferred.height() > size.height();
        // The pop-up takes the list's width and puts its border inside it.
        size.setWidth(preferred.width() + (scrolls ? selector.style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0) +
                      2 * borderWidth);
    }
    selector.resize(size);
}

}  // namespace dropdown::picklist
