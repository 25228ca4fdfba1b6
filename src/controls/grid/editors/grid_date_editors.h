#pragma once

// The grid's date and time editors: TGridDatePicker for edDateEdit,
// edDateEditUpDown and edTimeEdit, TGridDateTimePicker for edDateTimeEdit.
// The grid makes them on first use, fills and places them; their keys
// follow the editors' contract (Esc puts the cell's value back, Enter and
// Tab validate and move on).

#include "controls/grid/editors/esg_date_time_picker.h"
#include "platform/grid_base.h"

namespace grid {

class TExStringGrid;

class TGridDatePicker : public TEsgDateTimePicker {
    Q_OBJECT
public:
    explicit TGridDatePicker(TExStringGrid* grid);
    TExStringGrid* Grid() const { return FGrid; }
    bool Weeknumbers = false;
    bool ShowToday = true;
    bool ShowTodayCircle = true;
    // The value as text goes to the current cell and is validated; a
    // refusal shows the value the validation put back.
    bool Commit();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void ShiftFocus() override;

private:
    // Shows a cell text in the picker (a text that is no date: now).
    void ShowText(const QString& text);
    TExStringGrid* FGrid;
};

class TGridDateTimePicker : public TExDateTimePicker {
    Q_OBJECT
public:
    explicit TGridDateTimePicker(TExStringGrid* grid);
    TExStringGrid* Grid() const { return FGrid; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TExStringGrid* FGrid;
};

}  // namespace grid
