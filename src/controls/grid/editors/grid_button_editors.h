#pragma once

// The grid's editors with a button: the edit with an ellipsis button
// (edEditBtn, edNumericEditBtn, edFloatEditBtn, edMaskEditBtn), the value
// with a unit (edUnitEditBtn, edNumericUnitEditBtn, edFloatUnitEditBtn) and
// the push button covering the cell (edButton). Each belongs to one grid,
// which fills, places and shows it; their keys follow the editors' contract.

#include <QPushButton>

#include "controls/grid/editors/esg_edit_btn.h"
#include "controls/grid/grid_types.h"
#include "platform/grid_base.h"

namespace grid {

class TExStringGrid;

// What the character filter of the edit-with-button kinds does with a typed
// character: let it reach the edit, drop it silently, or drop it with a beep.
enum class TEditBtnCharVerdict : uint8_t { Accept, Drop, Beep };
// kind: the editor kind (the unit kinds filter as their edit-with-button
// twins); text, caret and selection of the edit; ctrl: Ctrl is held.
TEditBtnCharVerdict EditBtnCharVerdict(TEditorType kind, const QString& text, int caret, const QString& selected,
                                       QChar ch, bool ctrl);
// A pasted text: a single line break at its very end is dropped.
QString EditBtnPasteText(const QString& clipboard);

class TGridEditBtn : public TEsgEditBtn {
    Q_OBJECT
public:
    explicit TGridEditBtn(TExStringGrid* grid);
    TExStringGrid* Grid() const { return FGrid; }
    bool WorkMode = true;
    bool StopEditAfterClick = false;
    // The ellipsis button: the application may replace the text.
    void ButtonClick(QObject* Sender);
    // Pastes the clipboard's text as the grid's paste events allow.
    void PasteText();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool Commit(platform::Word key);
    void LookupComplete();
    TExStringGrid* FGrid;
    int FSelKeyDown = 0;
};

class TGridUnitEditBtn : public TEsgUnitEditBtn {
    Q_OBJECT
public:
    explicit TGridUnitEditBtn(TExStringGrid* grid);
    TExStringGrid* Grid() const { return FGrid; }
    void ButtonClick(QObject* Sender);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TExStringGrid* FGrid;
};

class TGridButton : public QPushButton {
    Q_OBJECT
public:
    explicit TGridButton(TExStringGrid* grid);
    TExStringGrid* Grid() const { return FGrid; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The caption goes through OnEllipsClick into the current cell.
    void TakeCaption();
    void LeaveToGrid();
    TExStringGrid* FGrid;
};

}  // namespace grid
