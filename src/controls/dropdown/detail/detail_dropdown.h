#pragma once

// An editable drop-down edit whose pop-up lists items with a picture, a
// caption and notes (mini-HTML under the caption). The value is the edit
// text; choosing an item puts its caption there, and typing is completed
// from the first caption that begins with the typed characters.

#include <functional>
#include <vector>

#include <QImage>
#include <QString>

#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/item_list/list_picker_keys.h"
#include "controls/dropdown/item_list/list_picker_keys.h"
#include "platform/canvas.h"

namespace dropdown {

struct TDetailItem {
    QString Caption;
    int ImageIndex = -1;  // into the drop-down's Images
    QImage Image;
    QString Notes;  // mini-HTML
    void* ItemObject = nullptr;  // not owned
    int Tag = 0;
    bool Enabled = true;
};

class TDetailItems {
public:
    TDetailItem& Add()
    {
        FItems.emplace_back();
        return FItems.back();
    }
    TDetailItem& Add(const QString& caption, const QString& notes = QString())
    {
        TDetailItem& item = Add();
        item.Caption = caption;
        item.Notes = notes;
        return item;
    }
    TDetailItem& Insert(int index)
    {
        return *FItems.insert(FItems.begin() + std::clamp(index, 0, Count()), TDetailItem());
    }
    void Clear() { FItems.clear(); }
    int Count() const { return int(FItems.size()); }
    TDetailItem& operator[](int i) { return FItems[size_t(i)]; }
    const TDetailItem& operator[](int i) const { return FItems[size_t(i)]; }
    // The first item whose caption equals the value exactly; -1 when none.
    int IndexOf(const QString& AValue) const;

private:
    std::vector<TDetailItem> FItems;
};

class TExDetailDropDown : public TExCustomDropDown {
    Q_OBJECT
public:
    explicit TExDetailDropDown(QWidget* parent = nullptr);

    TDetailItems& Items() { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    // Selects an item: its caption becomes the text, wholly selected. -1
    // empties the text.
    void SetItemIndex(int Value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value) { FItemHeight = value; }
    platform::TFont& CaptionFont() { return FCaptionFont; }
    platform::TFont& NotesFont() { return FNotesFont; }
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool value) { FMatchCase = value; }
    // Kept for the settings; completion always matches from the caption's start.
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool value) { FMatchStart = value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout value) { FLayout = value; }
    TItemAppearance& ItemAppearance() { return FItemAppearance; }

    void SelectFirst() { Step(picklist::psFirst); }
    void SelectLast() { Step(picklist::psLast); }
    void SelectNext() { Step(picklist::psNext); }
    void SelectPrevious() { Step(picklist::psPrevious); }
    void Step(picklist::TPickerStep step);

    TExCustomItemSelector* ItemSelector() const { return FItemSelector; }
    bool WorkMode() const { return FWorkMode; }

    void DoShowDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void SetSelectionColorStyle(TSelectionColorStyle style) override;
    void HandleKeyDown(platform::Word& key, platform::TShiftState shift) override;

    std::function<void(QObject* Sender)> OnSelect;
    // Replaces the painting of a row of the list.
    std::function<void(QObject* Sender, platform::TCanvas& Canvas, const platform::TRect& R)> OnDrawSelectedImage;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void SizeDropDownForm() override;
    void DropDownFormDestroyed() override { FItemSelector = nullptr; }
    void DropDownFormSizing() override;
    void HandleMouseWheelDown(platform::TShiftState shift, QPoint mousePos, bool& handled) override;
    void HandleMouseWheelUp(platform::TShiftState shift, QPoint mousePos, bool& handled) override;
    void HandleKeyDownMessage(platform::Word& key) override;
    void HandleChange() override;
    void HandleSetFocusMessage() override;

private:
    void UpdateItemSelector();
    void ItemSelectorSelect();
    void DrawDetailItem(platform::TCanvas& canvas, platform::TRect R, int Index);
    void GetItemSize(QSize& size);
    void WheelStep(int delta);
    void SetTextSelected(const QString& text);

    TDetailItems FItems;
    int FItemIndex = -1;
    int FItemHeight = 22;
    platform::TFont FCaptionFont;
    platform::TFont FNotesFont;
    bool FMatchCase = false;
    bool FMatchStart = false;
    TItemLayout FLayout = ilCaptionRight;
    TItemAppearance FItemAppearance;
    TExCustomItemSelector* FItemSelector = nullptr;
    int FOldItemIndex = -1;
    picklist::TTypeAhead FTypeAhead;
    bool FInternalCall = false;
    bool FWorkMode = true;
    bool FCompleting = false;
    // The text the Modified state compares with: remembered on entering the
    // control and on each selection.
    QString FOldValue;
    bool FConstructed = false;
};

}  // namespace dropdown
