#include "controls/dropdown/multi_column/ex_list_dropdown.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QStyle>

#include "controls/dropdown/base/dropdown_bars.h"
#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/detail/auto_complete.h"
#include "controls/dropdown/multi_column/list_styles.h"
#include "controls/grid/scoped_value.h"

namespace dropdown {

using platform::TShiftState;
using platform::Word;

int ScrollBarWidth() { return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

int RequiredListWidth(const platform::GridBase& list, int borderWidth)
{
    int w = 2 * borderWidth;
    for (int c = 0; c < list.ColCount(); ++c) w += std::max(0, list.ColWidths(c));
    if (list.VisibleRowCount() + list.FixedRows() != list.RowCount()) w += ScrollBarWidth();
    return w;
}

TExListDropDown::TExListDropDown(QWidget* parent) : TExCustomDropDown(parent), FHeaderFont(font()) {}

void TExListDropDown::InitListDefaults()
{
    SetComponentStyle(tsOffice2007Luna);
    FHeaderColor = clWhite;
    FHeaderColorTo = clGray;
    FSelectionTextColor = clBlack;
    FLineColor = 0xC0C0C0;
    SetDropDownColor(clWhite);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    SetSelectionColorStyle(scOffice2007);
}

void TExListDropDown::UpdateLookupList() { FLookupList = listlookup::BuildLookupList(FItems, FLookupColumn); }

void TExListDropDown::SetItemIndexFromItems(int value)
{
    if (value >= FItems.Count()) return;
    FItemIndex = value;
    QString text;
    if (value >= 0 && FLookupColumn >= 0) text = FItems[value].TextOf(FLookupColumn);
    // The same text again keeps the caret and the selection.
    if (text != Text()) WriteText(text);
}

void TExListDropDown::WriteText(const QString& text)
{
    grid::TScopedValue<bool> writing(FWriting, true);
    SetText(text);
}

void TExListDropDown::SelectTail(int from)
{
    const int end = int(QLineEdit::text().size());
    from = std::clamp(from, 0, end);
    if (from < end)
        setSelection(end, from - end);
    else
        setCursorPosition(end);
}

void TExListDropDown::Step(listlookup::TListStep step)
{
    if (const auto index = listlookup::SteppedItem(step, FItemIndex, ItemCount())) SetItemIndex(*index);
}

bool TExListDropDown::IsNavigationCharacter(QChar ch)
{
    const char16_t code = ch.unicode();
    return code == 13 || code == 27 || (code >= 33 && code <= 36) || code == 38 || code == 40;
}

bool TExListDropDown::ExtendLookupEntry(QChar ch)
{
    if (ch == QChar(u'\b')) {
        if (hasSelectedText()) {
            QString text = QLineEdit::text();
            text.remove(selectionStart(), int(selectedText().size()));
            WriteText(text);
        } else {
            FLookupEntry.chop(1);
            WriteText(FLookupEntry);
        }
        setCursorPosition(int(QLineEdit::text().size()));
        return false;
    }
    if (ch != QChar(u'\t')) FLookupEntry += ch;
    return true;
}

// ----- completion in the edit

void TExListDropDown::HandleChange()
{
    FCompletionPending = false;
    TExCustomDropDown::HandleChange();
    // Only typing is completed; the drop-down's own writes are not.
    if (FWriting || !FAutoComplete || !isModified()) return;
    const QString text = QLineEdit::text();
    SetIsModified(!text.isEmpty());
    if (FLookupList.isEmpty()) return;
    const auto completion = CompleteText(text, cursorPosition(), FLookupList, FMatchCase);
    if (!completion) return;
    {
        grid::TScopedValue<bool> writing(FWriting, true);
        SetTextDirect(completion->Text);
    }
    SelectTail(completion->Caret);
    if (completion->ItemIndex >= 0) {
        FItemIndex = completion->ItemIndex;
        FPendingItem = completion->ItemIndex;
        FPendingLength = completion->Caret;
        FCompletionPending = true;
    }
}

void TExListDropDown::HandleKeyUp(Word& key, TShiftState shift)
{
    if (!(key == platform::VK_RETURN && ReturnIsTab())) TExCustomDropDown::HandleKeyUp(key, shift);
    if (!FCompletionPending) return;
    const int item = FPendingItem;
    const int typed = FPendingLength;
    SetItemIndex(item);
    SelectTail(typed);
    FCompletionPending = false;
}

void TExListDropDown::HandleKeyDown(Word& key, TShiftState shift)
{
    using namespace platform;
    if (FLookupColumn < 0 || FItems.Count() == 0) {
        TExCustomDropDown::HandleKeyDown(key, shift);
        return;
    }
    const Word pressed = key;
    if (pressed == VK_BACK || pressed == VK_ESCAPE || pressed == VK_DELETE)
        FAutoComplete = false;
    else if (pressed != VK_RETURN)
        FAutoComplete = true;
    if (pressed == VK_RETURN) {
        const int index = listlookup::IndexIgnoringCase(FLookupList, Text());
        if (index >= 0) {
            WriteText(FLookupList[index]);
            SetItemIndex(index);
            HandleChange();
        }
        if (ReturnIsTab()) {
            if (isVisible())
                QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
            key = 0;
        }
    }
    TExCustomDropDown::HandleKeyDown(key, shift);
    if (key == VK_ESCAPE) SetItemIndex(listlookup::IndexIgnoringCase(FLookupList, Text()));
}

void TExListDropDown::HandleKeyPress(QChar& key)
{
    if (key == QChar(u'\r') && ReturnIsTab()) {
        key = QChar();
        return;
    }
    TExCustomDropDown::HandleKeyPress(key);
}

void TExListDropDown::HandleCharMessage(QChar& key)
{
    // Enter moved the focus on: no Enter character follows.
    if (key == QChar(u'\r') && ReturnIsTab()) {
        key = QChar();
        return;
    }
    TExCustomDropDown::HandleCharMessage(key);
}

void TExListDropDown::HandleKeyDownMessage(Word& key)
{
    using namespace platform;
    const Word pressed = key;
    // Enter with ReturnIsTab reaches the key-down handling as Tab: its
    // lookup runs here, before the Tab.
    if (pressed == VK_RETURN && ReturnIsTab()) {
        Word enter = VK_RETURN;
        HandleKeyDown(enter, keyboardShiftState() & ~TShiftState(ssAlt));
        key = 0;
        return;
    }
    TExCustomDropDown::HandleKeyDownMessage(key);
    if (!isEnabled() || isKeyDown(VK_MENU)) return;
    switch (pressed) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_UP:
    case VK_DOWN: NavigateFromEdit(pressed); break;
    default: break;
    }
}

// ----- the pop-up's size

void TExListDropDown::AdaptDropDownHeight(int& height)
{
    int bars = 0;
    TDropDownForm* form = DropDownForm();
    if (DropDownHeader().Visible() && form && form->Header()) bars += form->Header()->height();
    if (DropDownFooter().Visible() && form && form->Footer()) bars += form->Footer()->height();
    height = listlookup::AdaptedHeight(height, bars, FHeaderHeight, FDropDownRowHeight, ExtraListHeight());
}

void TExListDropDown::SizeDropDownForm()
{
    TExCustomDropDown::SizeDropDownForm();
    platform::GridBase* list = ListGrid();
    if (!FDropDownAutoWidth || !list || !DropDownForm()) return;
    const int w = RequiredListWidth(*list, list->frameWidth());
    list->resize(w, list->height());
    DropDownForm()->resize(w + 2 * DropDownBorderWidth(), DropDownForm()->height());
}

void TExListDropDown::SizeColumnsToDropDown()
{
    platform::GridBase* list = ListGrid();
    if (!FColumnSizeWithDropDown || !list) return;
    list->SetScrollBars(platform::ssVertical);
    if (FColumns.Count() == 0) return;
    std::vector<int> widths;
    for (int i = 0; i < FColumns.Count(); ++i) widths.push_back(FColumns[i].Width);
    int avail = DropDownForm()->width();
    if (list->VisibleRowCount() < list->RowCount() - list->FixedRows()) avail -= ScrollBarWidth();
    const std::vector<int> spread = listlookup::SpreadWidths(widths, avail);
    for (int i = 0; i < list->ColCount() && i < int(spread.size()); ++i) list->SetColWidths(i, spread[size_t(i)]);
    // The list shows from its first column.
    list->SetLeftCol(list->FixedCols());
}

void TExListDropDown::DropDownFormSizing()
{
    TExCustomDropDown::DropDownFormSizing();
    SizeColumnsToDropDown();
}

// ----- styles

void TExListDropDown::SetSelectionColorStyle(TSelectionColorStyle style)
{
    if (const auto lines = liststyles::SelectionStyleLines(style)) {
        FLineColor = lines->LineColor;
        FFixedLineColor = lines->FixedLineColor;
    }
    TExCustomDropDown::SetSelectionColorStyle(style);
}

void TExListDropDown::SetComponentStyle(TQVRStyle style)
{
    TExCustomDropDown::SetComponentStyle(style);
    if (!TakesListStyle(style)) return;
    const auto preset = liststyles::ListStylePreset(style);
    if (!preset) return;
    FHeaderColor = preset->HeaderColor;
    FHeaderColorTo = preset->HeaderColorTo;
    if (preset->HeaderFontColor) FHeaderFont.Color = *preset->HeaderFontColor;
    SetSelectionColorStyle(preset->SelectionStyle);
    FSelectionTextColor = preset->SelectionTextColor;
    FLineColor = preset->LineColor;
    FFixedLineColor = preset->FixedLineColor;
    if (preset->SelectionColor) {
        SetSelectionColor(*preset->SelectionColor);
        SetSelectionColorTo(*preset->SelectionColor);
    }
}

}  // namespace dropdown
