#include "controls/grid/editors/grid_date_editors.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>

#include "controls/grid/editors/grid_cell_editors.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

using platform::TShiftState;
using platform::Word;

namespace grid_date_editors_detail {

bool EndsEdit(Word key)
{
    return key == platform::VK_TAB || key == platform::VK_RETURN || key == platform::VK_ESCAPE ||
           key == platform::VK_PRIOR || key == platform::VK_NEXT || key == platform::VK_END;
}

}  // namespace grid_date_editors_detail

// ------------------------------------------------------------ date or time

TGridDatePicker::TGridDatePicker(TExStringGrid* grid) : TEsgDateTimePicker(grid->viewport()), FGrid(grid)
{
    setEnabled(false);
    hide();
    OnDropDown = [this](QObject*) {
        if (QCalendarWidget* calendar = calendarWidget()) {
            calendar->setVerticalHeaderFormat(Weeknumbers ? QCalendarWidget::ISOWeekNumbers
                                                          : QCalendarWidget::NoVerticalHeader);
            if (auto* month = qobject_cast<TPickerCalendar*>(calendar)) {
                month->SetShowToday(ShowToday);
                month->SetShowTodayCircle(ShowTodayCircle);
            }
        }
        FGrid->DatePickerDropDown();
    };
    OnCloseUp = [this](QObject*) { FGrid->DatePickerCloseUp(); };
    OnChange = [this](QObject*) {
        if (isVisible()) FGrid->DatePickerChange(Kind() == dtkTime, dateTime());
    };
}

void TGridDatePicker::ShiftFocus()
{
    if (AutoTabMove(Kind() == dtkTime, Format(), FBefore, dateTime()) == TAutoTabMove::NextField &&
        currentSectionIndex() == FSectionAtKey)
        NextField();
}

void TGridDatePicker::ShowText(const QString& text)
{
    if (Kind() == dtkTime) {
        const auto time = ParseTimeText(text);
        SetTime(time ? DateTimeFromQt(QDate(1899, 12, 30), *time) : NowDateTime());
    } else {
        const auto date = ParseDateText(text);
        if (date)
            SetDate(DateTimeFromQt(*date));
        else
            SetDateTime(NowDateTime());
    }
}

bool TGridDatePicker::Commit()
{
    TExStringGrid& g = *FGrid;
    // A field half typed is taken as it stands.
    interpretText();
    const QString text = Text();
    if (!g.IsGivenEditText(g.RealColIndex(g.Col()), g.Row(), text)) g.SetCurrentCell(text);
    if (!g.ValidateCell(text)) {
        ShowText(g.NewCellText());
        update();
        return false;
    }
    ShowText(g.CurrentCell());
    return true;
}

void TGridDatePicker::keyPressEvent(QKeyEvent* event)
{
    try {
        TExStringGrid& g = *FGrid;
        const Word key = grid_editor_keys::KeyOf(*event);
        const TShiftState shift = grid_editor_keys::ShiftOf(*event);
        if (!grid_date_editors_detail::EndsEdit(key) || (key == platform::VK_TAB && !g.EditorWantsTab())) {
            if (!event->text().isEmpty() && event->text().at(0) >= u' ' && g.OnKeyPress) {
                QChar ch = event->text().at(0);
                g.OnKeyPress(&g, ch);
                if (ch.isNull()) return;
            }
            if (IsDigitKey(*event))
                TypeDigit(event);
            else
                TDateTimePickerBase::keyPressEvent(event);
            return;
        }
        if (DroppedDown()) {
            // The open calendar has the key.
            TEsgDateTimePicker::keyPressEvent(event);
            return;
        }
        if (key == platform::VK_ESCAPE) {
            ShowText(g.CurrentCell());
            g.CancelEditorControl();
        }
        if (key == platform::VK_RETURN && !Commit()) return;
        if (key == platform::VK_TAB) {
            if (!Commit()) return;
            grid_editor_keys::TabAfterCommit(g, shift);
            return;
        }
        grid_editor_keys::LeaveByKey(g, key, shift);
    } catch (...) {
    }
}

void TGridDatePicker::focusOutEvent(QFocusEvent* event)
{
    TEsgDateTimePicker::focusOutEvent(event);
    if (FGrid->FDestroying || FGrid->FBlockKill || FGrid->EditCtrl != this || DroppedDown()) return;
    if (grid_editor_keys::FocusLeftControl(*this, *event)) FGrid->HideInplaceEdit();
}

// ------------------------------------------------------------ date and time

TGridDateTimePicker::TGridDateTimePicker(TExStringGrid* grid) : TExDateTimePicker(grid->viewport()), FGrid(grid)
{
    setEnabled(false);
    hide();
    SetAutoTab(true);
    OnCloseUp = [this](QObject*) { FGrid->DatePickerCloseUp(); };
    OnTimeChange = [this](QObject*) { const TDateTime v = DateTime();
        FGrid->DateTimeChange(QDateTime(DateOfDateTime(v), TimeOfDateTime(v))); };
}

void TGridDateTimePicker::keyPressEvent(QKeyEvent* event)
{
    try {
        TExStringGrid& g = *FGrid;
        const Word key = grid_editor_keys::KeyOf(*event);
        const TShiftState shift = grid_editor_keys::ShiftOf(*event);
        const bool tab = key == platform::VK_TAB && g.EditorWantsTab();
        if (DroppedDown() || (key != platform::VK_ESCAPE && key != platform::VK_RETURN && !tab)) {
            TExDateTimePicker::keyPressEvent(event);
            return;
        }
        if (key == platform::VK_ESCAPE) {
            SetDateTime(g.FOriginalDateTime);
            g.CancelEditorControl();
        }
        g.HideInplaceEdit();
        g.setFocus(Qt::OtherFocusReason);
        if (key == platform::VK_RETURN && g.Navigation().AdvanceOnEnter)
            g.AdvanceAfterEdit(g.Col(), g.Row(), false, true, true, false, true);
        if (tab) g.TabAdvance(shift & platform::ssShift);
    } catch (...) {
    }
}

void TGridDateTimePicker::focusOutEvent(QFocusEvent* event)
{
    TExDateTimePicker::focusOutEvent(event);
    if (FGrid->FDestroying || FGrid->FBlockKill || !FGrid->EditMode || FGrid->EditControl != edDateTimeEdit ||
        DroppedDown())
        return;
    if (grid_editor_keys::FocusLeftControl(*this, *event)) FGrid->HideInplaceEdit();
}

}  // namespace grid
