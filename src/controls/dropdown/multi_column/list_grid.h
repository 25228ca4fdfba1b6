#pragma once

// What the pop-up lists of the list drop-downs share, over whichever grid
// each one stands on: the drop-down's columns and look, auto-sized columns
// and wrapped rows, the width that shows every column, the select event,
// Tab swallowed, and the flags a close reads (ConfirmSelection set by keys
// and mouse presses, cleared by the wheel). Each list states only its own
// loading, painting, Enter and click handling.
//
// The member functions are defined below the class; each list's unit
// instantiates its own TListGrid explicitly (its header declares it extern),
// where the drop-down's type is complete.

#include <functional>

#include <QPointer>

#include "controls/dropdown/base/dropdown_draw.h"
#include "controls/dropdown/multi_column/dropdown_items.h"
#include "controls/dropdown/multi_column/ex_list_dropdown.h"
#include "controls/dropdown/multi_column/list_measure.h"
#include "platform/grid_base.h"

namespace dropdown {

class TDropDownForm;

template <class Base, class DropDownT>
class TListGrid : public Base {
public:
    explicit TListGrid(QWidget* parent = nullptr) : Base(parent) {}

    DropDownT* DropDown() const { return FDropDown; }
    void SetDropDown(DropDownT* value) { FDropDown = value; }

    TDropDownColumns& Columns() { return FColumns; }
    // Taken from the drop-down when the pop-up opens.
    TColor LineColor = 0x808080;
    TColor FixedLineColor = 0x808080;
    TColor HeaderColor = clWhite;
    TColor HeaderColorTo = 0x808080;
    int HeaderHeight = 25;
    platform::TFont HeaderFont;
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* value) { FImages = value; }

    // Set by every key-down and mouse press in the list, cleared by every
    // wheel step: a close then takes the highlighted row.
    bool ConfirmSelection = false;
    // On while a wheel step is handled.
    bool Wheel() const { return FWheel; }

    // Each auto-sized column takes its widest item cell (on the pop-up only).
    void AutoSizeColumns();
    void AutoSizeColumn(int index);
    // Item rows take the heights of their wrapped texts (on the pop-up only).
    void SizeWrappedRows();
    // The width that shows every column (with a vertical scroll bar when
    // not all rows fit).
    int RequiredWidth() const;

    virtual void DoSelect();
    std::function<void(QObject* Sender)> OnSelect;

    void HandleKeyDownMessage(platform::TWMKey& Msg) override;
    void HandleMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    bool HandleWheelDown(platform::TShiftState Shift, QPoint MousePos) override;
    bool HandleWheelUp(platform::TShiftState Shift, QPoint MousePos) override;

protected:
    bool OnPopup() const;
    // Column widths, header and line look, images and row heights of the
    // drop-down (the columns are already assigned).
    void TakeLook(const TExListDropDown& dropDown);
    // Every key-down confirms the highlighted row; Alt+Up and Alt+Down go
    // back to the drop-down (true then: the list handles the key no further).
    bool KeyToDropDown(platform::Word& Key, platform::TShiftState Shift);
    // Runs one wheel step: no confirmed selection, Wheel() on meanwhile.
    template <class Step>
    auto WheelStep(Step&& step);

    DropDownT* FDropDown = nullptr;
    TDropDownColumns FColumns;
    int FGridLineWidth = 1;
    QPointer<TImageList> FImages;
    bool FWheel = false;
};

// ----- definitions

template <class Base, class DropDownT>
bool TListGrid<Base, DropDownT>::OnPopup() const
{
    return qobject_cast<const TDropDownForm*>(this->parentWidget()) != nullptr;
}

template <class Base, class DropDownT>
void TListGrid<Base, DropDownT>::TakeLook(const TExListDropDown& dropDown)
{
    for (int i = 0; i < FColumns.Count(); ++i) this->SetColWidths(i, FColumns[i].Width);
    LineColor = dropDown.LineColor();
    FixedLineColor = dropDown.FixedLineColor();
    HeaderColor = dropDown.HeaderColor();
    HeaderColorTo = dropDown.HeaderColorTo();
    HeaderHeight = dropDown.HeaderHeight();
    HeaderFont = dropDown.HeaderFont();
    FImages = dropDown.Images();
    this->SetDefaultRowHeight(dropDown.DropDownRowHeight());
    this->SetRowHeights(0, HeaderHeight);
}

template <class Base, class DropDownT>
void TListGrid<Base, DropDownT>::AutoSizeColumns()
{
    for (int i = 0; i < FColumns.Count(); ++i)
        if (FColumns[i].AutoSize) AutoSizeColumn(i);
}

template <class Base, class DropDownT>
void TListGrid<Base, DropDownT>::AutoSizeColumn(int index)
{
    if (FDropDown && OnPopup()) listmeasure::AutoSizeListColumn(*this, FColumns, FDropDown->Items(), index, FImages);
}

template <class Base, class DropDownT>
void TListGrid<Base, DropDownT>::SizeWrappedRows()
{
    if (FDropDown && OnPopup()) listmeasure::SizeWrappedListRows(*this, FColumns, FDropDown->Items(), FImages);
}

template <class Base, class DropDownT>
int TListGrid<Base, DropDownT>::RequiredWidth() const
{
    return RequiredListWidth(*this, this->frameWidth());
}

template <class Base, class DropDownT>
void TListGrid<Base, DropDownT>::DoSelect()
{
    if (OnSelect) OnSelect(this);
}

template <class Base, class DropDownT>
void TListGrid<Base, DropDownT>::HandleKeyDownMessage(platform::TWMKey& Msg)
{
    if (Msg.CharCode == platform::VK_TAB) {
        Msg.CharCode = 0;
        return;
    }
    Base::HandleKeyDownMessage(Msg);
}

template <class Base, class DropDownT>
bool TListGrid<Base, DropDownT>::KeyToDropDown(platform::Word& Key, platform::TShiftState Shift)
{
    ConfirmSelection = true;
    if (!((Shift & platform::ssAlt) && (Key == platform::VK_UP || Key == platform::VK_DOWN))) return false;
    if (FDropDown) FDropDown->KeyDownMessage(Key);
    return true;
}

template <class Base, class DropDownT>
void TListGrid<Base, DropDownT>::HandleMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X,
                                                 int Y)
{
    ConfirmSelection = true;
    Base::HandleMouseDown(Button, Shift, X, Y);
}

template <class Base, class DropDownT>
template <class Step>
auto TListGrid<Base, DropDownT>::WheelStep(Step&& step)
{
    FWheel = true;
    ConfirmSelection = false;
    struct Off {
        bool& wheel;
        ~Off() { wheel = false; }
    } off{FWheel};
    return step();
}

template <class Base, class DropDownT>
bool TListGrid<Base, DropDownT>::HandleWheelDown(platform::TShiftState Shift, QPoint MousePos)
{
    return WheelStep([&] { return Base::HandleWheelDown(Shift, MousePos); });
}

template <class Base, class DropDownT>
bool TListGrid<Base, DropDownT>::HandleWheelUp(platform::TShiftState Shift, QPoint MousePos)
{
    return WheelStep([&] { return Base::HandleWheelUp(Shift, MousePos); });
}

}  // namespace dropdown
