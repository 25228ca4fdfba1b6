#pragma once

// The remaining editors of the grid: the application's own editor through
// an edit link (edCustom), the rich-text editor (edRichEdit, and the hidden
// rich edit that loads and saves rich cells), the edit and combo placed over
// a fixed cell, and the edit and combo over a form control of an HTML cell.

#include <functional>

#include <QComboBox>
#include <QLineEdit>
#include <QPoint>
#include <QPointer>
#include <QTextEdit>
#include <QWidget>

#include "controls/grid/editors/esg_combo.h"
#include "platform/colors.h"
#include "platform/grid_base.h"

namespace grid {

class TExStringGrid;

enum TEditStyle : uint8_t { esInplace, esPopup };

// The base an application derives its editor link from. The grid calls, in
// this order, when an edCustom cell opens: CreateEditor, SetRect,
// SetVisible(true), SetCellProps, SetProperties, SetEditorValue, SetFocus(true);
// when it closes: GetEditorValue (stored in the cell), SetVisible(false)
// (in-place only), RestoreWinProc. The application's control calls
// EditKeyDown from its key handling.
class TEditLink : public QObject {
    Q_OBJECT
public:
    explicit TEditLink(QObject* owner = nullptr);
    ~TEditLink() override;

    TExStringGrid* Grid() const { return FOwner; }
    QPoint EditCell() const { return FEditCell; }
    bool WantKeyLeftRight = false;
    bool WantKeyUpDown = false;
    bool WantKeyHomeEnd = false;
    bool WantKeyPriorNext = false;
    bool WantKeyReturn = false;
    bool WantKeyEscape = false;
    bool WantReturns = false;
    bool WantTabs = false;
    TEditStyle EditStyle = esInplace;
    int PopupWidth = 0;
    int PopupHeight = 0;
    int PopupLeft = -1;
    int PopupTop = -1;
    bool AutoPopupWidth = false;
    int Tag = 0;
    QWidget* PopupForm() const { return FPopupForm; }

    // ----- what an application's link overrides
    virtual void EditKeyDown(QObject* Sender, platform::Word& Key, platform::TShiftState Shift);
    virtual QWidget* GetEditControl() { return nullptr; }
    virtual void CreateEditor(QWidget* AParent) { (void)AParent; }
    virtual void DestroyEditor() {}
    virtual void SetFocus(bool Value);
    virtual void SetRect(const platform::TRect& R);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(TColor AColor, const platform::TFont& AFont) { (void)AColor, (void)AFont; }
    virtual QString GetEditorValue() { return QString(); }
    virtual void SetEditorValue(const QString& s) { (void)s; }

    // ----- the contract's own steps
    void EditExit(QObject* Sender);
    void FormExit(QObject* Sender);
    QWidget* GetParent() const;
    QString GetCellValue() const;
    void SetCellValue(const QString& s);
    void HideEditor();
    void RestoreWinProc();
    bool SubClassed() const { return FSubClassed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TExStringGrid;
    // The grid fills these before every edit.
    void Attach(TExStringGrid* grid, QPoint cell);
    // The pop-up form, made once (esPopup).
    QWidget* EnsurePopupForm();
    // Moves the focus to the grid while the link's own exit is set aside.
    void FocusGridForced();
    TExStringGrid* FOwner = nullptr;
    QPoint FEditCell{-1, -1};
    QPointer<QWidget> FPopupForm;
    bool FForcedExit = false;
    bool FSubClassed = false;
    QPointer<QWidget> FHooked;
};

// The rich edit: the grid's rich-text editor, or its hidden measuring edit.
class TExRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TExRichEdit(TExStringGrid* grid, bool measuring);
    TExStringGrid* Grid() const { return FGrid; }
    // Vertical offset of the selected characters: -40, +40 or 0 twips.
    void SelSubscript();
    void SelSuperscript();
    void SelNormal();
    bool IsSelSubscript() const;
    bool IsSelSuperscript() const;
    bool IsSelNormal() const;
    void Lock() { FLocked = true; }
    void Unlock() { FLocked = false; }
    bool Locked() const { return FLocked; }
    // The size the text asks for.
    int ReqWidth() const { return FReqWidth; }
    int ReqHeight() const { return FReqHeight; }
    // The content as rich-text source, and back.
    QByteArray RichSource() const;
    void LoadRichSource(const QByteArray& source);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void SetSelScript(int alignment);
    bool SelScriptIs(int alignment) const;
    void SizeRequested(const QSizeF& size);
    TExStringGrid* FGrid;
    bool FMeasuring;
    bool FLocked = false;
    int FReqWidth = 0;
    int FReqHeight = 0;
};

// The edit and the combo over a fixed cell: they store their text, after
// validation, when they lose the focus; Enter ends nothing and makes no sound.
template <typename Base> class TFixedCellEditor : public Base {
public:
    explicit TFixedCellEditor(TExStringGrid* grid);
    int Col = -1;  // storage column
    int Row = -1;
    // Validates and stores the text; false when the validation refused it.
    bool StopEdit();

protected:
    virtual QString EditorText() const = 0;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TExStringGrid* FGrid;
};

class TGridTransEdit : public TFixedCellEditor<QLineEdit> {
    Q_OBJECT
public:
    explicit TGridTransEdit(TExStringGrid* grid) : TFixedCellEditor(grid) {}

protected:
    QString EditorText() const override { return text(); }
};

class TGridTransCombo : public TFixedCellEditor<QComboBox> {
    Q_OBJECT
public:
    explicit TGridTransCombo(TExStringGrid* grid) : TFixedCellEditor(grid) {}

protected:
    QString EditorText() const override { return currentText(); }
};

// Stores a fixed-cell editor's value: validation, OnEditingDone, the cell;
// false (and the focus back in the editor) when the value is refused.
bool StopFixedCellEdit(TExStringGrid& grid, QWidget& editor, int col, int row, const QString& text);

// The edit and the combo over a form control of an HTML cell. Enter stores
// the value, Tab stores it and moves on to the next form control.
class TControlEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TControlEdit(QWidget* parent) : QLineEdit(parent) {}
    std::function<void()> OnExit;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

class TControlCombo : public TEsgComboBox {
    Q_OBJECT
public:
    explicit TControlCombo(QWidget* parent) : TEsgComboBox(parent) {}
    std::function<void()> OnExit;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// Enter and Tab on a form-control editor of an HTML cell (its parent the
// grid): the editor's exit stores the value; Tab then goes on.
bool ControlEditorKey(QWidget& editor, QKeyEvent& event, const std::function<void()>& exit);

}  // namespace grid
