#pragma once

// A drop-down edit whose pop-up lists items in several columns under a
// header row. The lookup column supplies the text the edit shows for the
// chosen item; typing in the edit completes the text from the lookup
// column, typing in the open list searches it.

#include <functional>

#include "controls/dropdown/multi_column/ex_list_dropdown.h"
#include "controls/dropdown/multi_column/multi_column_list.h"

namespace dropdown {

class TExMultiColumnDropDown : public TExListDropDown {
    Q_OBJECT

public:
    explicit TExMultiColumnDropDown(QWidget* parent = nullptr);

    // Copies the settings, columns and items of another multi-column
    // drop-down, and its item index as a stored value (the text stays).
    void Assign(const TExCustomDropDown& source);
    void Loaded();

    // A value at or beyond Items.Count is ignored; otherwise the text becomes
    // the item's lookup text (empty for -1 or an item without one).
    void SetItemIndex(int value) override;
    // The first item whose lookup text equals value exactly; -1 when none.
    int GetItemIndex(const QString& value) const;

    multicolumn::TExColGrid* ListGrid() const override { return FList; }
    // Looks the typed character up in the open list: the item index, or -1.
    int LookupKey(QChar ch);
    // The first item whose lookup text begins with text (case by
    // CaseSensitive): the item index and its lookup text as stored.
    bool FindLookup(const QString& text, QString& found, int& index) const;

    void DoShowDropDown() override;
    void DoHideDropDown(bool Cancelled) override;

    std::function<void(QObject* Sender, int Column, int Row, platform::TCanvas& ACanvas, const platform::TRect& ARect)>
        OnDropDownDrawItem;
    std::function<void(QObject* Sender, int Column, int Row, QString& Text)> OnDropDownGetItemText;

    // The list's hooks (the list calls them).
    void GridSelectCell(int ACol, int ARow, bool& CanSelect);
    void GridSelect();

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void PlaceDropDownControl() override;
    void ControlKeyDown(platform::Word& key, platform::TShiftState shift) override;
    void ControlKeyUp(platform::Word& key, platform::TShiftState shift) override;
    void ControlKeyPress(QChar& key) override;
    void HandleMouseWheelDown(platform::TShiftState shift, QPoint mousePos, bool& handled) override;
    void HandleMouseWheelUp(platform::TShiftState shift, QPoint mousePos, bool& handled) override;
    void NavigateFromEdit(platform::Word key) override;

private:
    multicolumn::TExColGrid* FList = nullptr;
    bool FShowing = false;
    bool FConstructed = false;
};

}  // namespace dropdown
