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

TExMultiColumnDropDown::TExMultiColumnDropDown(QWidget* parent) : TExListDropDown(parent)
{
    FConstructed = true;
    CreateDropDownForm();
    InitListDefaults();
}

void TExMultiColumnDropDown::Assign(const TExCustomDropDown& source)
{
    TExListDropDown::Assign(source);
    const auto* s = dynamic_cast<const TExMultiColumnDropDown*>(&source);
    if (!s || s == this) return;
    SetCaseSensitive(s->CaseSensitive());
    SetDropDownAutoWidth(s->DropDownAutoWidth());
    SetDropDownRowHeight(s->DropDownRowHeight());
    SetLineColor(s->LineColor());
    SetFixedLineColor(s->FixedLineColor());
    SetColumnSizing(s->ColumnSizing());
    SetColumnSizeWithDropDown(s->ColumnSizeWithDropDown());
    SetColumns(s->Columns());
    SetHeaderColor(s->HeaderColor());
    SetHeaderColorTo(s->HeaderColorTo());
    SetHeaderHeight(s->HeaderHeight());
    SetHeaderFont(s->HeaderFont());
    SetLookupColumn(s->LookupColumn());
    SetSelectionTextColor(s->SelectionTextColor());
    SetItems(s->Items());
    FItemIndex = s->ItemIndex();
}

void TExMultiColumnDropDown::Loaded()
{
    TExListDropDown::Loaded();
    UpdateLookupList();
}


// ----- the chosen item

void TExMultiColumnDropDown::SetItemIndex(int value) { SetItemIndexFromItems(value); }

int TExMultiColumnDropDown::GetItemIndex(const QString& value) const
{
    return LookupColumn() < 0 ? -1 : Items().IndexInColumn(LookupColumn(), value);
}

void TExMultiColumnDropDown::NavigateFromEdit(Word key)
{
    using namespace platform;
    switch (key) {
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
    TExListDropDown::HandleMouseWheelDown(shift, mousePos, handled);
    // The open list scrolls its highlighted row itself.
    if (!DroppedDown()) SelectNext();
}

void TExMultiColumnDropDown::HandleMouseWheelUp(TShiftState shift, QPoint mousePos, bool& handled)
{
    TExListDropDown::HandleMouseWheelUp(shift, mousePos, handled);
    if (!DroppedDown()) SelectPrevious();
}

// ----- the pop-up

void TExMultiColumnDropDown::CreateDropDownForm()
{
    TExListDropDown::CreateDropDownForm();
    if (!FConstructed || !DropDownForm() || FList) return;
    FList = new multicolumn::TExColGrid(DropDownForm());
    FList->SetDropDown(this);
    FList->setGeometry(0, 0, FList->width(), 180);
    FList->SetColor(DropDownColor());
    FList->hide();
}

void TExMultiColumnDropDown::BeforeDropDown()
{
    TExListDropDown::BeforeDropDown();
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

void TExMultiColumnDropDown::PlaceDropDownControl()
{
    if (FList) {
        SetControl(FList);
        SetFocusControl(FList);
        FList->show();
    }
    TExListDropDown::PlaceDropDownControl();
}

void TExMultiColumnDropDown::DoShowDropDown()
{
    TExListDropDown::DoShowDropDown();
    if (FList) {
        SizeColumnsToDropDown();
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

void TExMultiColumnDropDown::DoHideDropDown(bool Cancelled)
{
    if (!DropDownForm() || !DropDownForm()->isVisible()) {
        TExListDropDown::DoHideDropDown(Cancelled);
        return;
    }
    TExListDropDown::DoHideDropDown(Cancelled);
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
    TExListDropDown::ControlKeyDown(key, shift);
    // Alt+Up and Alt+Down closed the pop-up in the edit; the list does
    // not handle them again.
    if (alt && (key == VK_UP || key == VK_DOWN)) key = 0;
}

void TExMultiColumnDropDown::ControlKeyUp(Word& key, TShiftState shift)
{
    using namespace platform;
    if (!(shift & ssAlt) && (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN)) return;
    TExListDropDown::ControlKeyUp(key, shift);
}

void TExMultiColumnDropDown::ControlKeyPress(QChar& key)
{
    if ((IsNavigationCharacter(key) && !platform::isKeyDown(platform::VK_MENU)) || !FList) {
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
    if (!ExtendLookupEntry(ch)) return -1;
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
    candidates.reserve(Items().Count());
    for (int i = 0; i < Items().Count(); ++i) candidates.append(Items()[i].TextOf(LookupColumn()));
    index = listlookup::FindPrefix(candidates, text, CaseSensitive());
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

}  // namespace dropdown
