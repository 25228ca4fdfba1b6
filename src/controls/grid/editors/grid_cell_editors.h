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
#include "controls/grid/editors/grid_inplace_memo.h"
#include "controls/grid/editors/inplace_edit_rules.h"
#include "controls/grid/string_grid/ex_string_grid.h"
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
// Left at the start or Right at the end of a validated editor's text: the
// editor closes and the current cell moves one column that way.
void WalkOutOfCell(TExStringGrid& grid, platform::Word key);
// A key press of Tab or Shift+Tab (which the form would take for its focus chain).
bool IsTabPress(QEvent* event);
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
    // The lines of the multi-line memo wrap at its width.
    void SetWordWrap(bool value);
    int LengthLimit() const { return FLengthLimit; }
    // The character rules in force (the kind and the grid's settings).
    const TInplaceEditRules& Rules() const { return FFilter->Rules; }
    int FColE = -1;
    int FRowE = -1;
    // Alt+Backspace (the undo key) is held: a focus loss meanwhile does not end the edit.
    bool AltBackHeld() const { return FAltBack; }
    bool Workmode = true;
    bool GotKey = false;

    // The grid filled the editor for its current cell: rules, look and place.
    void Filled();
    // The text the editor was filled with: a text of several lines goes to the memo.
    void FillText(const QString& value);
    // Ctrl+Enter may break lines: a plain text cell of a grid that wraps
    // words or keeps several lines per cell, with AllowCtrlEnter.
    bool LineBreaksAllowed() const;
    // The editor edits in its multi-line memo (a plain text cell of a grid
    // that wraps words or holds several lines in a cell).
    bool MultiLine() const { return FMultiLine; }
    TExInplaceMemo* Memo() const { return FMemo; }
    // The text being edited, of the memo when it edits, else of the line.
    QString EditText() const;
    void SetEditText(const QString& value);
    // The memo's keys; true when the key is done with.
    bool MemoKey(QKeyEvent* event);
    // The memo took a key for itself (a character typed, a line broken).
    void MemoKeyDone(QKeyEvent* event);
    void MemoKeyUp(QKeyEvent* event);
    // The focus came to the editor (or its memo), or left it.
    void FocusGained();
    void FocusLost(Qt::FocusReason reason);
    // The grid is going away: from now on the editor is a plain line edit.
    void Detach();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SetMultiLine(bool value);
    void ShowMemo();
    void BreakLineInMemo();
    void PasteInMemo();
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
    // Caret and selection of the line or the memo, whichever edits.
    int Caret() const;
    bool HasSelection() const;
    void SelectRange(int start, int length);
    // Shift+Left at the start or Shift+Right at the end with CursorWalkEditor:
    // the value is validated and the editor closes, the cell stays.
    void CloseByShiftWalk(const QString& oldText);
    // AdvanceAuto: a typed character filled the text to MaxEditLength.
    void AdvanceWhenFull();
    // Ctrl/Shift+Enter with SizeWhileTyping.Height in multi-line cells:
    // the row gets room for one more line.
    void GrowRowForNewLine();
    // SizeWhileTyping.Width: the column widens to the widest line of the
    // text being edited (in the line or the memo); it never narrows.
    void GrowColumnToText();
    // The grid's edit-text hook hears the text, where the character before
    // the caret is drawn and the caret index.
    void TellEditTextHook();

    TExStringGrid* FGrid;
    TInplaceCharFilter* FFilter;
    int FLengthLimit = 0;
    bool FValign = false;
    bool FWordWrap = false;
    bool FGotFocus = false;
    bool FAltBack = false;
    bool FMultiLine = false;
    bool FSwitching = false;  // the focus moves from the line to the memo
    TExInplaceMemo* FMemo = nullptr;  // child, made on first multi-line edit
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
