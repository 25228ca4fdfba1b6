#include "controls/dropdown/multi_column/ex_multi_column_dropdown.h"

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

namespace multi_column_detail {

int ScrollBarWidth() { return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

}  // namespace multi_column_detail

TExMultiColumnDropDown::TExMultiColumnDropDown(QWidget* parent) : TExCustomDropDown(parent), FHeaderFont(font())
{
    FConstructed = true;
    CreateDropDownForm();
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

TExMultiColumnDropDown::~TExMultiColumnDropDown() = default;

void TExMultiColumnDropDown::Assign(const TExCustomDropDown& source)
{
    TExCustomDropDown::Assign(source);
    const auto* s = dynamic_cast<const TExMultiColumnDropDown*>(&source);
    if (!s || s == this) return;
    FCaseSensitive = s->FCaseSensitive;
    FDropDownAutoWidth = s->FDropDownAutoWidth;
    FDropDownRowHeight = s->FDropDownRowHeight;
    FLineColor = s->FLineColor;
    FFixedLineColor = s->FFixedLineColor;
    FColumnSizing = s->FColumnSizing;
    FColumnSizeWithDropDown = s->FColumnSizeWithDropDown;
    FColumns.Assign(s->FColumns);
    FHeaderColor = s->FHeaderColor;
    FHeaderColorTo = s->FHeaderColorTo;
    FHeaderHeight = s->FHeaderHeight;
    FHeaderFont = s->FHeaderFont;
    FLookupColumn = s->FLookupColumn;
    FSelectionTextColor = s->FSelectionTextColor;
    FItems.Assign(s->FItems);
    FItemIndex = s->FItemIndex;
}

void TExMultiColumnDropDown::Loaded()
{
    TExCustomDropDown::Loaded();
    UpdateLookupList();
}

void TExMultiColumnDropDown::UpdateLookupList() { FLookupList = listlookup::BuildLookupList(FItems, FLookupColumn); }

// ----- the chosen item

void TExMultiColumnDropDown::WriteText(const QString& text)
{
    grid::TScopedValue<bool> writing(FWriting, true);
    SetText(text);
}

void TExMultiColumnDropDown::SetItemIndex(int value)
{
    if (value >= FItems.Count()) return;
    FItemIndex = value;
    QString text;
    if (value >= 0 && FLookupColumn >= 0) text = FItems[value].TextOf(FLookupColumn);
    // The same text again keeps the caret and the selection.
    if (text != Text()) WriteText(text);
}

int TExMultiColumnDropDown::GetItemIndex(const QString& value) const
{
    return FLookupColumn < 0 ? -1 : FItems.IndexInColumn(FLookupColumn, value);
}

void TExMultiColumnDropDown::Step(listlookup::TListStep step)
{
    if (const auto index = listlookup::SteppedItem(step, FItemIndex, FItems.Count())) SetItemIndex(*index);
}

void TExMultiColumnDropDown::SelectPreviousPage() { Step(listlookup::lsPreviousPage); }
void TExMultiColumnDropDown::SelectNextPage() { Step(listlookup::lsNextPage); }
void TExMultiColumnDropDown::SelectFirst() { Step(listlookup::lsFirst); }
void TExMultiColumnDropDown::SelectLast() { Step(listlookup::lsLast); }
void TExMultiColumnDropDown::SelectPrevious() { Step(listlookup::lsPrevious); }
void TExMultiColumnDropDown::SelectNext() { Step(listlookup::lsNext); }

void TExMultiColumnDropDown::SelectTail(int from)
{
    const int end = int(QLineEdit::text().size());
    from = std::clamp(from, 0, end);
    if (from < end)
        setSelection(end, from - end);
    else
        setCursorPosition(end);
}

// ----- completion in the edit

void TExMultiColumnDropDown::HandleChange()
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
    if (completion->ItemIndex >= 0) {
        FItemIndex = completion->ItemIndex;
        FPendingItem = completion->ItemIndex;
        FPendingLength = completion->Caret;
        FCompletionPending = true;
    }
    {
        grid::TScopedValue<bool> writing(FWriting, true);
        SetTextDirect(completion->Text);
    }
    SelectTail(completion->Caret);
    // The flag outlives the change that wrote the completion.
    FCompletionPending = completion->ItemIndex >= 0;
}

void TExMultiColumnDropDown::HandleKeyUp(Word& key, TShiftState shift)
{
    if (!(key == platform::VK_RETURN && ReturnIsTab())) TExCustomDropDown::HandleKeyUp(key, shift);
    if (!FCompletionPending) return;
    const int item = FPendingItem;
    const int typed = FPendingLength;
    SetItemIndex(item);
    SelectTail(typed);
    FCompletionPending = false;
}

void TExMultiColumnDropDown::HandleKeyDown(Word& key, TShiftState shift)
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

void TExMultiColumnDropDown::HandleKeyPress(QChar& key)
{
    if (key == QChar(u'\r') && ReturnIsTab()) {
        key = QChar();
        return;
    }
    TExCustomDropDown::HandleKeyPress(key);
}

void TExMultiColumnDropDown::HandleCharMessage(QChar& key)
{
    // Enter moved the focus on: no Enter character follows.
    if (key == QChar(u'\r') && ReturnIsTab()) {
        key = QChar();
        return;
    }
    TExCustomDropDown::HandleCharMessage(key);
}

void TExMultiColumnDropDown::HandleKeyDownMessage(Word& key)
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
    case VK_PRIOR: SelectPreviousPage(); break;
    case VK_NEXT: SelectNextPage(); break;
    case VK_END:
        if (!EditorEnabled()) SelectLast();
        break;
    case VK_HOME:
        if (!EditorEnabled()) SelectFirst();
        break;
    case VK_UP: SelectPrevious(); break;
    case VK_DOWN: SelectNext(); break;
    default: break;
    }
}

void TExMultiColumnDropDown::HandleMouseWheelDown(TShiftState shift, QPoint mousePos, bool& handled)
{
    TExCustomDropDown::HandleMouseWheelDown(shift, mousePos, handled);
    // The open list scrolls its highlighted row itself.
    if (!DroppedDown()) SelectNext();
}

void TExMultiColumnDropDown::HandleMouseWheelUp(TShiftState shift, QPoint mousePos, bool& handled)
{
    TExCustomDropDown::HandleMouseWheelUp(shift, mousePos, handled);
    if (!DroppedDown()) SelectPrevious();
}

// ----- the pop-up

void TExMultiColumnDropDown::CreateDropDownForm()
{
    TExCustomDropDown::CreateDropDownForm();
    if (!FConstructed || !DropDownForm() || FList) return;
    FList = new multicolumn::TExColGrid(DropDownForm());
    FList->SetDropDown(this);
    FList->setGeometry(0, 0, FList->width(), 180);
    FList->SetColor(DropDownColor());
    FList->hide();
}

void TExMultiColumnDropDown::BeforeDropDown()
{
    TExCustomDropDown::BeforeDropDown();
    DropDownForm()->CancelOnDeActivate = false;
    FShowing = true;
    if (FList) {
        FList->LoadFromDropDown(*this);
        FList->SetOptions(FList->Options() | platform::goThumbTracking);
        FList->SetColor(DropDownColor());
        FList->OnSelectCell = [this](QObject*, int c, int r, bool& can) { GridSelectCell(c, r, can); };
        FList->OnSelect = [this](QObject*) { GridSelect(); };
        const int row = FItemIndex + 1 < FList->FixedRows() ? 1 : FItemIndex + 1;
        if (row < FList->RowCount()) FList->SetRow(row);
    }
    FIndexAtOpening = FItemIndex;
}

void TExMultiColumnDropDown::SizeDropDownForm()
{
    TExCustomDropDown::SizeDropDownForm();
    if (!FDropDownAutoWidth || !FList || !DropDownForm()) return;
    const int w = FList->RequiredWidth();
    FList->resize(w, FList->height());
    DropDownForm()->resize(w + 2 * DropDownBorderWidth(), DropDownForm()->height());
}

void TExMultiColumnDropDown::PlaceDropDownControl()
{
    if (FList) {
        SetControl(FList);
        SetFocusControl(FList);
        FList->show();
    }
    TExCustomDropDown::PlaceDropDownControl();
}

void TExMultiColumnDropDown::AdaptDropDownHeight(int& height)
{
    int bars = 0;
    TDropDownForm* form = DropDownForm();
    if (DropDownHeader().Visible() && form && form->Header()) bars += form->Header()->height();
    if (DropDownFooter().Visible() && form && form->Footer()) bars += form->Footer()->height();
    height = listlookup::AdaptedHeight(height, bars, FHeaderHeight, FDropDownRowHeight, 0);
}

void TExMultiColumnDropDown::DoShowDropDown()
{
    TExCustomDropDown::DoShowDropDown();
    if (FList) {
        SizeColumnsToDropDown();
        // The list opens at its first column.
        FList->SetLeftCol(FList->FixedCols());
        if (FList->RowCount() > 1) {
            const int row = FItemIndex + 1 <= 0 ? 1 : FItemIndex + 1;
            if (row < FList->RowCount()) FList->SetRow(row);
            const platform::TRect cell = FList->CellRect(FList->FixedCols(), FList->Row());
            if (cell.Left <= 0 && cell.Top <= 0)
                FList->SetTopRow(std::max(FList->FixedRows(), FList->Row() - FList->VisibleRowCount() + 1));
        }
    }
    FShowing = false;
}

void TExMultiColumnDropDown::SizeColumnsToDropDown()
{
    if (!FColumnSizeWithDropDown || !FList) return;
    FList->SetScrollBars(platform::ssVertical);
    if (FColumns.Count() == 0) return;
    std::vector<int> widths;
    for (int i = 0; i < FColumns.Count(); ++i) widths.push_back(FColumns[i].Width);
    int avail = DropDownForm()->width();
    if (FList->VisibleRowCount() < FList->RowCount() - FList->FixedRows())
        avail -= multi_column_detail::ScrollBarWidth();
    const std::vector<int> spread = listlookup::SpreadWidths(widths, avail);
    for (int i = 0; i < FList->ColCount() && i < int(spread.size()); ++i) FList->SetColWidths(i, spread[size_t(i)]);
}

void TExMultiColumnDropDown::DropDownFormSizing()
{
    TExCustomDropDown::DropDownFormSizing();
    SizeColumnsToDropDown();
}

void TExMultiColumnDropDown::DoHideDropDown(bool Cancelled)
{
    if (!DropDownForm() || !DropDownForm()->isVisible()) {
        TExCustomDropDown::DoHideDropDown(Cancelled);
        return;
    }
    TExCustomDropDown::DoHideDropDown(Cancelled);
    if (Cancelled) {
        SetItemIndex(FIndexAtOpening);
        return;
    }
    if (FList && FList->ConfirmSelection) SetItemIndex(FList->Row() - 1);
    FIndexAtOpening = FItemIndex;
}

// ----- the open list

void TExMultiColumnDropDown::ControlKeyDown(Word& key, TShiftState shift)
{
    using namespace platform;
    // The list's own key-down comes first: a key confirms its row.
    if (FList) FList->ConfirmSelection = true;
    const bool alt = shift & ssAlt;
    if (!alt && (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN)) return;
    TExCustomDropDown::ControlKeyDown(key, shift);
    // Alt+Up and Alt+Down closed the pop-up in the edit; the list does
    // not handle them again.
    if (alt && (key == VK_UP || key == VK_DOWN)) key = 0;
}

void TExMultiColumnDropDown::ControlKeyUp(Word& key, TShiftState shift)
{
    using namespace platform;
    if (!(shift & ssAlt) && (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN)) return;
    TExCustomDropDown::ControlKeyUp(key, shift);
}

void TExMultiColumnDropDown::ControlKeyPress(QChar& key)
{
    const char16_t code = key.unicode();
    const bool navigation = code == 13 || code == 27 || (code >= 33 && code <= 36) || code == 38 || code == 40;
    if ((navigation && !platform::isKeyDown(platform::VK_MENU)) || !FList) {
        FLookupEntry.clear();
        return;
    }
    const int r = LookupKey(key);
    if (r == -1) {
        FLookupEntry.clear();
        return;
    }
    const int t = FList->FixedRows() + r;
    if (t > FList->TopRow() + FList->VisibleRowCount() || t < FList->TopRow()) FList->SetTopRow(t);
    FList->SetRow(t);
    FList->SetCol(0);
}

int TExMultiColumnDropDown::LookupKey(QChar ch)
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
        return -1;
    }
    if (ch != QChar(u'\t')) FLookupEntry += ch;
    QString found;
    int index = -1;
    if (FindLookup(FLookupEntry, found, index)) {
        FItemIndex = index;
        WriteText(found);
        SelectTail(int(FLookupEntry.size()));
        return index;
    }
    if (FindLookup(QString(ch), found, index)) {
        FItemIndex = index;
        WriteText(found);
        FLookupEntry = QString(ch);
        setCursorPosition(int(QLineEdit::text().size()));
        return index;
    }
    FLookupEntry.clear();
    return -1;
}

bool TExMultiColumnDropDown::FindLookup(const QString& text, QString& found, int& index) const
{
    found.clear();
    index = -1;
    if (!FList) return false;
    QStringList candidates;
    candidates.reserve(FItems.Count());
    for (int i = 0; i < FItems.Count(); ++i) candidates.append(FItems[i].TextOf(FLookupColumn));
    index = listlookup::FindPrefix(candidates, text, FCaseSensitive);
    if (index < 0) return false;
    found = candidates[index];
    return true;
}

void TExMultiColumnDropDown::GridSelectCell(int, int ARow, bool&)
{
    if (FShowing || !FList || FList->Wheel()) return;
    SetItemIndex(ARow - 1);
}

void TExMultiColumnDropDown::GridSelect()
{
    if (FList && FList->ConfirmSelection) SetItemIndex(FList->Row() - 1);
    DoHideDropDown(false);
    if (OnSelect) OnSelect(this);
}

// ----- styles

void TExMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle style)
{
    if (const auto lines = liststyles::SelectionStyleLines(style)) {
        FLineColor = lines->LineColor;
        FFixedLineColor = lines->FixedLineColor;
    }
    TExCustomDropDown::SetSelectionColorStyle(style);
}

void TExMultiColumnDropDown::SetComponentStyle(TQVRStyle style)
{
    TExCustomDropDown::SetComponentStyle(style);
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
