#pragma once

// What the list drop-downs (the multi-column drop-down and the grid
// drop-down) share: columns and items, the lookup column and the lookup
// list, completion of typed text, the Enter and Escape lookups, the header
// and line look with its component styles, whole-row pop-up heights and
// the spreading of the columns over the pop-up.

#include <functional>

#include <QStringList>

#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/multi_column/dropdown_items.h"
#include "controls/dropdown/multi_column/list_lookup.h"
#include "platform/grid_base.h"

namespace dropdown {

class TExListDropDown : public TExCustomDropDown {
    Q_OBJECT

public:
    explicit TExListDropDown(QWidget* parent = nullptr);

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
    const QStringList& LookupList() const { return FLookupList; }

    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int value) { FLookupColumn = value; }
    int ItemIndex() const { return FItemIndex; }
    virtual void SetItemIndex(int value) = 0;
    // Items.Count.
    int RowCount() const { return FItems.Count(); }

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
    void SelectPreviousPage() { Step(listlookup::lsPreviousPage); }
    void SelectNextPage() { Step(listlookup::lsNextPage); }
    void SelectFirst() { Step(listlookup::lsFirst); }
    void SelectLast() { Step(listlookup::lsLast); }
    void SelectPrevious() { Step(listlookup::lsPrevious); }
    void SelectNext() { Step(listlookup::lsNext); }

    // The characters typed while the list had the focus.
    QString LookupEntry() const { return FLookupEntry; }
    // Spreads the columns over the pop-up's width (ColumnSizeWithDropDown).
    void SizeColumnsToDropDown();

    void SetSelectionColorStyle(TSelectionColorStyle style) override;
    void SetComponentStyle(TQVRStyle style) override;
    void HandleKeyDown(platform::Word& key, platform::TShiftState shift) override;
    void HandleKeyPress(QChar& key) override;
    void HandleKeyUp(platform::Word& key, platform::TShiftState shift) override;

    std::function<void(QObject* Sender)> OnSelect;

protected:
    // The values every list drop-down starts with (after its list exists).
    void InitListDefaults();
    // The list in the pop-up (null before it exists).
    virtual platform::GridBase* ListGrid() const = 0;
    // The items the navigation steps over.
    virtual int ItemCount() const { return FItems.Count(); }
    // A navigation key reached the edit (after its own handling).
    virtual void NavigateFromEdit(platform::Word key) = 0;
    void Step(listlookup::TListStep step);
    // Pixels the pop-up adds below its whole rows.
    virtual int ExtraListHeight() const { return 0; }
    // Whether the component style's list look applies.
    virtual bool TakesListStyle(TQVRStyle style) const { return style != tsCustom; }
    void UpdateLookupList();
    // ItemIndex over the items: a value at or beyond Items.Count is
    // ignored; otherwise the text becomes the item's lookup text (empty for
    // a negative value or an item without one).
    void SetItemIndexFromItems(int value);
    // Writes the text without completing it again.
    void WriteText(const QString& text);
    // Selects from `from` to the end (the caret at from).
    void SelectTail(int from);
    // The lookup entry after a character typed in the open list: extended,
    // kept for Tab, or (Backspace) shortened with the text rewritten;
    // false for Backspace, whose lookup ends there.
    bool ExtendLookupEntry(QChar ch);
    // The character codes that clear the entry instead of searching.
    static bool IsNavigationCharacter(QChar ch);
    QString FLookupEntry;
    int FItemIndex = -1;
    int FIndexAtOpening = -1;

    void AdaptDropDownHeight(int& height) override;
    void SizeDropDownForm() override;
    void DropDownFormSizing() override;
    void HandleChange() override;
    void HandleCharMessage(QChar& key) override;
    void HandleKeyDownMessage(platform::Word& key) override;

private:
    TDropDownColumns FColumns;
    TDropDownItems FItems;
    QStringList FLookupList;
    int FLookupColumn = 0;
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
    bool FWriting = false;

    friend class TExMultiColumnDropDown;
};

// The width of the system's vertical scroll bar.
int ScrollBarWidth();
// 2 x border + every column's width, plus a vertical scroll bar's width
// when not every row shows.
int RequiredListWidth(const platform::GridBase& list, int borderWidth);

}  // namespace dropdown
