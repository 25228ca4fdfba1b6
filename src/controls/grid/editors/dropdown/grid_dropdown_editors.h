#pragma once

// The nine drop-down cell editors of the string grid: each binds one picker
// to the grid. They keep the grid's editing keys (Enter, Up and Down commit
// after validation, Escape restores the cell, Tab validates and moves on,
// Page Up and Page Down close), report every change and typed character to
// the grid and close the edit when the focus leaves.

#include <QCursor>
#include <QFocusEvent>
#include <QHideEvent>
#include <QPointer>

#include "controls/dropdown/calculator/ex_calculator_dropdown.h"
#include "controls/dropdown/colors/color_picker_dropdown.h"
#include "controls/dropdown/detail/detail_dropdown.h"
#include "controls/dropdown/grid_dropdown/ex_custom_grid_dropdown.h"
#include "controls/dropdown/images/image_picker_dropdown.h"
#include "controls/dropdown/memo/memo_dropdown.h"
#include "controls/dropdown/multi_column/ex_multi_column_dropdown.h"
#include "controls/dropdown/timepicker/ex_time_picker_dropdown.h"
#include "controls/dropdown/trackbar/trackbar_dropdown.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

// How a member of the family differs from the others.
struct TDropDownEditorTraits {
    // Enter and Escape are always kept (not only Escape while open).
    bool WantsEnterEscape = false;
    // A click that started the edit places the caret where it landed.
    bool CaretAtClick = false;
    // The text is written through the picker's formatting Text property.
    bool FormattedText = false;
    // The colour picker's keys: open, only Tab, Enter and Escape; closed,
    // Home as well; only Enter commits.
    bool ColourKeys = false;
    // Enter first computes the pending operation.
    bool Calculator = false;
};

// One member: the picker P bound to its grid.
template <class P>
class TGridDropDownEditor : public P {
public:
    TGridDropDownEditor(TExStringGrid* grid, TDropDownEditorTraits traits) : P(grid), FGrid(grid), FTraits(traits) {}

    TExStringGrid* Grid() const { return FGrid; }
    // Writes the editor's text the member's way.
    void SetEditorText(const QString& text)
    {
        if (FTraits.FormattedText)
            P::SetText(text);
        else
            P::SetTextDirect(text);
    }

    void HandleKeyPress(QChar& key) override
    {
        if (FGrid && FGrid->OnKeyPress) FGrid->OnKeyPress(this, key);
        if (key == QChar(u'\x1b') || key == QChar(u'\r') || key == QChar(u'\t')) key = QChar();
        P::HandleKeyPress(key);
    }

    bool HandleWantSpecialKeyMessage(platform::Word key) override
    {
        bool wanted = P::HandleWantSpecialKeyMessage(key);
        if (key == platform::VK_TAB && FGrid && FGrid->EditorWantsTab()) wanted = true;
        if (FTraits.WantsEnterEscape && (key == platform::VK_RETURN || key == platform::VK_ESCAPE)) wanted = true;
        return wanted;
    }

protected:
    void HandleKeyDownMessage(platform::Word& key) override;

    void HandleChange() override
    {
        P::HandleChange();
        if (FGrid && FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), P::Text());
    }

    void HandleSetFocusMessage() override
    {
        P::HandleSetFocusMessage();
        if (!FTraits.CaretAtClick || !FGrid || !FGrid->LButFlg) return;
        const QPoint at = P::mapFromGlobal(QCursor::pos());
        if (at.x() < 0 || at.y() < 0 || at.x() > P::width() || at.y() > P::height()) return;
        P::setCursorPosition(P::cursorPositionAt(at));
        FGrid->LButFlg = false;
    }

    // Tab stays with the editor while the grid wants it (it validates and moves on).
    bool focusNextPrevChild(bool next) override
    {
        if (FGrid && FGrid->EditorWantsTab()) return false;
        return P::focusNextPrevChild(next);
    }

    // The pop-up closes with its editor (after the value was written back).
    void hideEvent(QHideEvent* event) override
    {
        if (P::DroppedDown()) P::HideDropDown(true);
        P::hideEvent(event);
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        P::focusOutEvent(event);
        // The open pop-up holds the focus for the editor.
        if (P::DroppedDown() || !P::isVisible() || !FGrid) return;
        FGrid->HideInplaceEdit();
    }

private:
    bool HandledKey(platform::Word key) const;

    QPointer<TExStringGrid> FGrid;
    TDropDownEditorTraits FTraits;
};

template <class P>
bool TGridDropDownEditor<P>::HandledKey(platform::Word key) const
{
    using namespace platform;
    const bool open = P::DroppedDown();
    if (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE) return true;
    if (FTraits.ColourKeys && open) return false;
    return key == VK_PRIOR || key == VK_NEXT || key == VK_END || key == VK_UP || key == VK_DOWN ||
           (FTraits.ColourKeys && key == VK_HOME);
}

template <class P>
void TGridDropDownEditor<P>::HandleKeyDownMessage(platform::Word& key)
{
    using namespace platform;
    TExStringGrid* grid = FGrid;
    const TShiftState shift = keyboardShiftState() & ~TShiftState(ssAlt);
    if (!grid || key == 0 || isKeyDown(VK_MENU) || !HandledKey(key)) {
        P::HandleKeyDownMessage(key);
        return;
    }
    if (key == VK_ESCAPE) {
        SetEditorText(grid->CurrentCell());
        grid->HideInplaceEdit();
        grid->setFocus(Qt::OtherFocusReason);
        key = 0;
        return;
    }
    const bool commits = key == VK_RETURN || (!FTraits.ColourKeys && (key == VK_UP || key == VK_DOWN));
    if (commits) {
        if (FTraits.Calculator && key == VK_RETURN) {
            if (auto* calc = dynamic_cast<dropdown::TExCalculatorDropdown*>(this)) calc->CalcResult();
        }
        grid->SetCurrentCell(P::Text());
        if (!grid->ValidateCell(P::Text())) {
            SetEditorText(grid->NewCellText());
            P::setSelection(0, int(P::text().size()));
            P::update();
            key = 0;
            return;
        }
        SetEditorText(grid->CurrentCell());
    }
    if (key == VK_TAB && grid->EditorWantsTab()) {
        grid->SetCurrentCell(P::Text());
        if (!grid->ValidateCell(P::Text())) {
            SetEditorText(grid->NewCellText());
            P::setCursorPosition(int(P::text().size()));
            P::update();
            key = 0;
            return;
        }
        if (grid->Options() & goTabs) {
            grid->HideInplaceEdit();
            grid->setFocus(Qt::TabFocusReason);
            grid->TabAdvance(shift & ssShift);
            key = 0;
            return;
        }
        QCoreApplication::postEvent(grid, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    }
    if (P::DroppedDown()) {
        grid->HideInplaceEdit();
        if (key == VK_PRIOR || key == VK_NEXT || key == VK_LEFT || key == VK_UP || key == VK_RIGHT ||
            key == VK_DOWN)
            key = 0;
    } else if (key == VK_END) {
        P::HandleKeyDownMessage(key);
        return;
    }
    grid->DoneInplaceEdit(key, shift);
    if (grid->Navigation().AdvanceOnEnter && grid->Navigation().AdvanceAutoEdit) grid->ShowInplaceEdit();
    key = 0;
}

// The members.
using TGridTrackbarDropDown = TGridDropDownEditor<dropdown::TExTrackBarDropDown>;
using TGridMemoDropDown = TGridDropDownEditor<dropdown::TExMemoDropDown>;
using TGridCalculatorDropDown = TGridDropDownEditor<dropdown::TExCalculatorDropdown>;
using TGridTimepickerDropDown = TGridDropDownEditor<dropdown::TExTimePickerDropDown>;
using TGridDetailPickerDropDown = TGridDropDownEditor<dropdown::TExDetailDropDown>;
using TGridGridDropDown = TGridDropDownEditor<dropdown::TExMultiColumnDropDown>;
using TGridColorDropDown = TGridDropDownEditor<dropdown::TExColorPickerDropDown>;
using TGridImageDropDown = TGridDropDownEditor<dropdown::TExImagePickerDropDown>;

class TGridExGridDropDown : public TGridDropDownEditor<dropdown::TCustomExGridDropDown> {
public:
    TGridExGridDropDown(TExStringGrid* grid, TDropDownEditorTraits traits) : TGridDropDownEditor(grid, traits) {}
    // The picker's inner grid as a string grid.
    TExStringGrid* Grid() const { return GetGrid(); }
};

}  // namespace grid
