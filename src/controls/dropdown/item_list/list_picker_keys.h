#pragma once

// What the list pickers (colour list, image, detail) share around their item
// selector: the refilling of the list, the navigation keys (with the pop-up
// open they move the list's selection live, without closing it; closed they
// step the picker's own value), the wheel, type-ahead search and sizing the
// list to its content.

#include <functional>
#include <optional>

#include <QString>

#include "controls/dropdown/selector/item_selector.h"
#include "platform/input_state.h"

namespace dropdown::picklist {

enum TPickerStep : uint8_t { psFirst, psLast, psNext, psPrevious };

// Keys typed in quick succession search the list: each key's character is
// appended to the search text, which lives 500 ms from its first character.
class TTypeAhead {
public:
    // Appends the character and looks the search text up in the list.
    void Key(QChar c, TExCustomItemSelector& selector);
    // The search text, empty once it has expired.
    QString CurSearch() const;

private:
    QString FCurSearch;
    uint32_t FStarted = 0;
};

// A picker refills the list: BeginFill takes the picker's settings and
// empties the list (its selection then reported to no one), EndFill lays the
// new items out, selects itemIndex and hands selections to onSelect.
void BeginFill(TExCustomItemSelector& selector, int columns, TImageList* images, TItemLayout layout, TColor color,
               const TItemAppearance& appearance);
void EndFill(TExCustomItemSelector& selector, int itemIndex, std::function<void(QObject* Sender)> onSelect);

struct TListKeyContext {
    TExCustomItemSelector& Selector;
    bool Open = false;
    bool EditorEnabled = false;
    // How far Up and Down move in the open list: the columns of the list.
    int RowStep = 1;
    // Home and End step the closed picker only while its text is not editable.
    bool HomeEndNeedReadOnlyText = false;
    // Keys that are not the table's search the list (also while the text is editable).
    bool TypeAhead = true;
    // The picker's item count: PageUp and PageDown refill a list that differs.
    int ItemCount = 0;
    std::function<void()> Refill;
    // Steps the picker's own value (the pop-up closed).
    std::function<void(TPickerStep)> Step;
    // Set while the list moves, so that its selection does not close the pop-up.
    bool& InternalCall;
    TTypeAhead& Search;
};

// Where a step takes a selection of `count` items: first or last, or the
// next or previous one (the first from none); none at either end or
// without items. No wrapping.
std::optional<int> SteppedIndex(TPickerStep step, int index, int count);

// The Step of a picker (its Step operation).
template <class Picker>
std::function<void(TPickerStep)> StepsOf(Picker& picker)
{
    return [&picker](TPickerStep step) { picker.Step(step); };
}

// Runs one key of the table. True for the list moving keys (PageUp,
// PageDown, Left, Up, Right, Down), which an open pop-up consumes.
bool ListPickerKey(platform::Word key, TListKeyContext& c);

// The wheel: the open list moves its hot item, the closed picker its value.
void ListPickerWheel(bool down, TListKeyContext& c);

// Sizes the list to its content: the width (with room for a vertical scroll
// bar when the items are taller than the list) when the pop-up's width is
// not fixed (below 1), the height when its height is not. The width holds
// the pop-up's border too, which the pop-up puts inside its control's width.
void FitSelectorToContent(TExCustomItemSelector& selector, int dropDownWidth, int dropDownHeight, int borderWidth);

}  // namespace dropdown::picklist
