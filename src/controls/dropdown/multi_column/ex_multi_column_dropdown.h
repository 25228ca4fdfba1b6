#pragma once

// A drop-down edit whose pop-up lists items in several columns under a
// header row. The lookup column supplies the text the edit shows for the
// chosen item; typing in the edit completes the text from the lookup
// column, typing in the open list searches it.

#include <functional>

#include <QStringList>

#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/multi_column/dropdown_items.h"
#include "controls/dropdown/multi_column/list_lookup.h"
#include "controls/dropdown/multi_column/multi_column_list.h"

namespace dropdown {

class TExMultiColumnDropDown : public TExCustomDropDown {
    Q_OBJECT

public:
    explicit TExMultiColumnDropDown(QWidget* parent = nullptr);
    ~TExMultiColumnDropDown() override;

    // Copies the settings, columns and items of another multi-column
    // drop-down, and its item index as a stored value (the text stays).
    void Assign(const TExCustomDropDown& source);

    TDropDownColumns& Columns() { return FColumns; }
    const TDropDownColumns& Columns() const { return FColumns; }
    void SetColumns(const TDropDownColumns& value) { FColumns.Assign(value); }
    TDropDownItems& Items() { return FItems; }
    const TDropDownItems& Items() const { return FItems; }
    void SetItems(const TDropDownItems& value) { FItems.Assign(value); }

    // Code that changes Items calls EndUpdate afterwards: the lookup list
    // follows the items only there (and in Loaded).
    void BeginUpdate() {}
    void EndUpdate() { UpdateLookupList(); }
    void Loaded();

    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int value) { FLookupColumn = value; }
    int ItemIndex() const { return FItemIndex; }
    // A value at or beyond Items.Count is ignored; otherwise the text becomes
    // the item's lookup text (empty for -1 or an item without one).
    void SetItemIndex(int value);
    // The first item whose lookup text equals value exactly; -1 when none.
    int GetItemIndex(const QString& value) const;
    int RowCount() const { return FItems.Count(); }
    const QStringList& LookupList() const { return FLookupList; }

    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int value) { FHeaderHeight = value; }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor value) { FHeaderColor = value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor value) { FHeaderColorTo = value; }
    platform::TFont& HeaderFont() { return FHeaderFont; }
    const platform::TFont& HeaderFont() const { return FHeaderFont; }
    void SetHeaderFont(const platform::TFont& value) { FHeaderFont = value; }
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor value) { FLineColor = value; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor value) { FFixedLineColor = value; }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor value) { FSelectionTextColor = value; }
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int value) { FDropDownRowHeight = value; }
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool value) { FDropDownAutoWidth = value; }
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool value) { FColumnSizing = value; }
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool value) { FColumnSizeWithDropDown = value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value) { FCaseSensitive = value; }
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool value) { FMatchCase = value; }

    // The navigation steps; each writes ItemIndex.
    void SelectPreviousPage();
    void SelectNextPage();
    void SelectFirst();
    void SelectLast();
    void SelectPrevious();
    void SelectNext();

    // The list in the pop-up (none before the pop-up form exists).
    multicolumn::TExColGrid* ListGrid() const { return FList; }
    // The characters typed while the list had the focus.
    QString LookupEntry() const { return FLookupEntry; }
    // Looks the typed character up in the open list: the item index, or -1.
    int LookupKey(QChar ch);
    // The first item whose lookup text begins with text (case by
    // CaseSensitive): the item index and its lookup text as stored.
    bool FindLookup(const QString& text, QString& found, int& index) const;
    // Spreads the columns over the pop-up's width (ColumnSizeWithDropDown).
    void SizeColumnsToDropDown();

    void DoShowDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void SetSelectionColorStyle(TSelectionColorStyle style) override;
    void SetComponentStyle(TQVRStyle style) override;
    void HandleKeyDown(platform::Word& key, platform::TShiftState shift) override;
    void HandleKeyPress(QChar& key) override;
    void HandleKeyUp(platform::Word& key, platform::TShiftState shift) override;

    std::function<void(QObject* Sender)> OnSelect;
    std::function<void(QObject* Sender, int Column, int Row, platform::TCanvas& ACanvas, const platform::TRect& ARect)>
        OnDropDownDrawItem;
    std::function<void(QObject* Sender, int Column, int Row, QString& Text)> OnDropDownGetItemText;

    // The list's hooks (the list calls them).
    void GridSelectCell(int ACol, int ARow, bool& CanSelect);
    void GridSelect();

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdaptDropDownHeight(int& height) override;
    void PlaceDropDownControl() override;
    void SizeDropDownForm() override;
    void ControlKeyDown(platform::Word& key, platform::TShiftState shift) override;
    void ControlKeyUp(platform::Word& key, platform::TShiftState shift) override;
    void ControlKeyPress(QChar& key) override;
    void DropDownFormSizing() override;
    void HandleMouseWheelDown(platform::TShiftState shift, QPoint mousePos, bool& handled) override;
    void HandleMouseWheelUp(platform::TShiftState shift, QPoint mousePos, bool& handled) override;
    void HandleChange() override;
    void HandleKeyDownMessage(platform::Word& key) override;
    void HandleCharMessage(QChar& key) override;

private:
    void UpdateLookupList();
    void Step(listlookup::TListStep step);
    // Writes the text without completing it again.
    void WriteText(const QString& text);
    void SelectTail(int from);

    TDropDownColumns FColumns;
    TDropDownItems FItems;
    QStringList FLookupList;
    QString FLookupEntry;
    multicolumn::TExColGrid* FList = nullptr;
    int FLookupColumn = 0;
    int FItemIndex = -1;
    int FHeaderHeight = 25;
    TColor FHeaderColor = clWhite;
    TColor FHeaderColorTo = clGray;
    platform::TFont FHeaderFont;
    TColor FLineColor = 0xC0C0C0;
    TColor FFixedLineColor = clGray;
    TColor FSelectionTextColor = clBlack;
    int FDropDownRowHeight = 22;
    bool FDropDownAutoWidth = true;
    bool FColumnSizing = false;
    bool FColumnSizeWithDropDown = true;
    bool FCaseSensitive = false;
    bool FMatchCase = false;
    bool FAutoComplete = true;
    bool FCompletionPending = false;
    int FPendingItem = -1;
    int FPendingLength = 0;
    int FIndexAtOpening = -1;
    bool FShowing = false;
    bool FWriting = false;
    bool FConstructed = false;
};

}  // namespace dropdown
