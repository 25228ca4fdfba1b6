#pragma once

// The editors a string grid places over its cells: the inline text editor
// (TExInplaceEdit) and the editor controls for spins (TGridSpin), lists
// (TGridCombo) and check boxes (TGridCheckBox). Each belongs to one grid,
// which fills, places and shows it; the control itself handles its keys:
// Esc puts the old value back, the commit keys validate the value, the keys
// that leave the cell close the editor and hand the key to the grid.

#include <functional>

#include <QCheckBox>

#include "controls/grid/editors/esg_combo.h"
#include "controls/grid/editors/esg_spin_edit.h"
#include "controls/grid/editors/inplace_edit_rules.h"
#include "controls/grid/ex_string_grid.h"
#include "platform/grid_base.h"

namespace grid {

// Common steps of the editor controls' key contract.
namespace grid_editor_keys {
// The key code and shift state of a Qt key event (Backtab = Shift+Tab).
platform::Word KeyOf(const QKeyEvent& event);
platform::TShiftState ShiftOf(const QKeyEvent& event);
// Tab after a valid commit: with goTabs the editor closes and the grid moves
// on (true: the key is done); without it a Tab goes to the grid's window.
bool TabAfterCommit(TExStringGrid& grid, platform::TShiftState shift);
// The end of an edit by a key: DoneInplaceEdit, then the editor of the new
// cell opens when AdvanceOnEnter and AdvanceAutoEdit are both set.
void LeaveByKey(TExStringGrid& grid, platform::Word key, platform::TShiftState shift);
// The control's focus went to a widget outside it (not to a pop-up of its own).
bool FocusLeftControl(const QWidget& control, const QFocusEvent& event);
}  // namespace grid_editor_keys

// The inline text editor of the inline kinds (edNormal, edNumeric, ...).
class TExInplaceEdit : public platform::TInplaceEdit {
    Q_OBJECT
public:
    explicit TExInplaceEdit(TExStringGrid* grid);

    TExStringGrid* Grid() const { return FGrid; }
    bool VAlign() const { return FValign; }
    void SetVAlign(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { FWordWrap = value; }
    int LengthLimit() const { return FLengthLimit; }
    // The character rules in force (the kind and the grid's settings).
    const TInplaceEditRules& Rules() const { return FFilter->Rules; }
    int FColE = -1;
    int FRowE = -1;
    bool Workmode = true;
    bool GotKey = false;

    // The grid filled the editor for its current cell: rules, look and place.
    void Filled();
    // The grid is going away: from now on the editor is a plain line edit.
    void Detach();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // A validating key: the cell gets the text, then the validation decides;
    // a refusal shows the value put back and keeps the editor (false).
    bool ValidateText(bool writeFirst);
    void ShowRefused(const QString& oldText);
    void SelectAfterRefusal();
    bool WalkCursor(platform::Word key, platform::TShiftState shift);
    void Paste();
    bool ClipboardAllowed(const std::function<void(QObject*, bool&)>& event);
    void LookupComplete();
    void TextChangedByUser(const QString& text);

    TExStringGrid* FGrid;
    TInplaceCharFilter* FFilter;
    int FLengthLimit = 0;
    bool FValign = false;
    bool FWordWrap = false;
    bool FGotFocus = false;
};

// The spin editor of the spin kinds.
class TGridSpin : public TEsgSpinEdit {
    Q_OBJECT
public:
    explicit TGridSpin(TExStringGrid* grid);
    TExStringGrid* Grid() const { return FGrid; }
    void UpClick(QObject* Sender) override;
    void DownClick(QObject* Sender) override;
    void SpinClick(bool UpDown);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void PageKey(int key);
    TExStringGrid* FGrid;
};

// The combo editor of edComboEdit (editable text) and edComboList (list only).
class TGridCombo : public TEsgComboBox {
    Q_OBJECT
public:
    explicit TGridCombo(TExStringGrid* grid);
    TExStringGrid* Grid() const { return FGrid; }
    bool WorkMode = true;
    std::function<void(QObject* Sender)> OnReturnKey;
    // Widens the opened list to its widest item.
    void SizeDropDownWidth();
    // Look-up completion of the typed text from the items, then from the grid's LookupItems.
    void DoChange();
    bool IsListStyle() const { return Style() == csDropDownList; }
    void showPopup() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool CommitKey(platform::Word key);
    bool WalkCursor(platform::Word key);
    void FireSelectionChange(int index, const QString& text);
    void ChosenWithMouse(int index);
    TExStringGrid* FGrid;
    // A key is being handled: its selection change is reported there.
    bool FInKey = false;
};

// The check box editor of edCheckBox.
class TGridCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TGridCheckBox(TExStringGrid* grid);
    TExStringGrid* Grid() const { return FGrid; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TExStringGrid* FGrid;
};

}  // namespace grid
