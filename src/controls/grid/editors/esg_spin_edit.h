#pragma once

#include <functional>

#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include "controls/grid/editors/date_time_value.h"
#include "controls/grid/editors/editor_kinds.h"
#include "platform/colors.h"

class QTimer;

namespace grid {

enum TSpinDirection : uint8_t { spVertical, spHorizontal };
enum TEditAlign : uint8_t { eaLeft, eaRight, eaCenter };
enum TButtonDirection : uint8_t { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateFlag : uint8_t { tbFocusRect = 1, tbAllowTimer = 2 };
using TTimeBtnState = uint8_t;

class TEsgSpinButton;

// An arrow button that repeats its click while it is held down: the first
// repeat 400 ms after the press, then every 100 ms, as long as the mouse
// stays on it; releasing the mouse over the button clicks once more.
class TExTimerSpeedButton : public QWidget {
    Q_OBJECT
public:
    explicit TExTimerSpeedButton(TEsgSpinButton* owner);

    TButtonDirection ButtonDirection() const { return FButtonDirection; }
    void SetButtonDirection(TButtonDirection value);
    TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
    void SetTimeBtnState(TTimeBtnState value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // The picture of the classic look (up and down buttons); a null image
    // gives the built-in arrow.
    QImage Glyph() const { return FGlyph; }
    void SetGlyph(const QImage& value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);

    // Fired on every click (release over the button and each repeat).
    std::function<void(TExTimerSpeedButton* Sender)> OnClick;
    // Fired when the left button goes down on it.
    std::function<void(TExTimerSpeedButton* Sender)> OnMouseDown;

    // Pressed: the left button went down on it and the mouse is over it.
    bool IsPressed() const { return FPressed; }
    bool HasMouse() const { return FHasMouse; }
    // The repeat timer; none before the first press.
    QTimer* RepeatTimer() const { return FRepeatTimer; }
    // One tick of the repeat timer.
    void RepeatTimerExpired();
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void PaintClassic(class QPainter& painter, const QRect& r);

    TEsgSpinButton* FOwner;
    QTimer* FRepeatTimer = nullptr;
    TTimeBtnState FTimeBtnState = 0;
    TButtonDirection FButtonDirection = bdUp;
    bool FIsWinXP = false;
    bool FHasMouse = false;
    bool FFlat = false;
    bool FTransparent = false;
    bool FMouseHeld = false;
    bool FPressed = false;
    QImage FGlyph;
    int FNumGlyphs = 1;
};

// Two arrow buttons, up and down (or right and left), side by side or one
// above the other. A press hands the focus to the focus control.
class TEsgSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TEsgSpinButton(QWidget* parent = nullptr);

    TExTimerSpeedButton* UpButton() const { return FUpButton; }
    TExTimerSpeedButton* DownButton() const { return FDownButton; }
    TExTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* value) { FFocusControl = value; }
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);
    QImage UpGlyph() const;
    void SetUpGlyph(const QImage& value);
    QImage DownGlyph() const;
    void SetDownGlyph(const QImage& value);
    // Pictures side by side in a glyph (the first one is shown).
    int UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
    void SetUpNumGlyphs(int value) { FUpButton->SetNumGlyphs(value); }
    int DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
    void SetDownNumGlyphs(int value) { FDownButton->SetNumGlyphs(value); }

    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor value) { FButtonColor = value; RepaintButtons(); }
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor value) { FButtonColorHot = value; RepaintButtons(); }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor value) { FButtonColorDown = value; RepaintButtons(); }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor value) { FButtonBorderColor = value; }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor value) { FButtonTextColor = value; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor value) { FButtonTextColorHot = value; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor value) { FButtonTextColorDown = value; }

    std::function<void(QObject* Sender)> OnUpClick;
    std::function<void(QObject* Sender)> OnDownClick;

    // Sizes the two buttons into a control of width x height; raises the
    // width to the least the direction needs (15 vertical, 20 horizontal).
    void AdjustButtons(int& width, int& height);
    // Makes `button` the one that shows the focus and answers Space.
    void SetFocusBtn(TExTimerSpeedButton* button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TExTimerSpeedButton* CreateTimerButton(TButtonDirection direction);
    void BtnClick(TExTimerSpeedButton* sender);
    void BtnMouseDown(TExTimerSpeedButton* sender);
    void RepaintButtons();

    TExTimerSpeedButton* FUpButton = nullptr;
    TExTimerSpeedButton* FDownButton = nullptr;
    TExTimerSpeedButton* FFocusedButton = nullptr;
    QPointer<QWidget> FFocusControl;
    TSpinDirection FDirection = spVertical;
    bool FIsWinXP = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = 0;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
};

// A one-line edit with a pair of arrow buttons at its right edge that step
// its value: a whole number, a float, a date or a time (SpinType). The text
// is the value: every read parses the text with the format settings, every
// write formats the value into it.
class TEsgSpinEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEsgSpinEdit(QWidget* parent = nullptr);
    ~TEsgSpinEdit() override;

    // The whole-number value; an empty text reads 0, a text that is no
    // number reads MinValue.
    int Value() const;
    void SetValue(int value);
    // The float value; a text that is no number reads MinFloatValue.
    double FloatValue() const;
    void SetFloatValue(double value);
    // The date; a text "0" or empty reads now, a text that is no date reads MinDateValue.
    TDateTime DateValue() const;
    void SetDateValue(TDateTime value);
    // The time of day; a text that is no time reads 0.
    TDateTime TimeValue() const;
    void SetTimeValue(TDateTime value);

    TEsgSpinType SpinType() const { return FSpinType; }
    void SetSpinType(TEsgSpinType value);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int value) { FMinValue = value; }
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value) { FMaxValue = value; }
    double MinFloatValue() const { return FMinFloatValue; }
    void SetMinFloatValue(double value) { FMinFloatValue = value; }
    double MaxFloatValue() const { return FMaxFloatValue; }
    void SetMaxFloatValue(double value) { FMaxFloatValue = value; }
    TDateTime MinDateValue() const { return FMinDateValue; }
    void SetMinDateValue(TDateTime value) { FMinDateValue = value; }
    TDateTime MaxDateValue() const { return FMaxDateValue; }
    void SetMaxDateValue(TDateTime value) { FMaxDateValue = value; }
    int Increment() const { return FIncrement; }
    void SetIncrement(int value) { FIncrement = value; }
    double IncrementFloat() const { return FIncrementFloat; }
    void SetIncrementFloat(double value) { FIncrementFloat = value; }
    double IncrementFloatPage() const { return FIncrementFloatPage; }
    void SetIncrementFloatPage(double value) { FIncrementFloatPage = value; }
    int IncrementHours() const { return FIncrementHours; }
    void SetIncrementHours(int value) { FIncrementHours = value; }
    int IncrementMinutes() const { return FIncrementMinutes; }
    void SetIncrementMinutes(int value) { FIncrementMinutes = value; }
    int IncrementSeconds() const { return FIncrementSeconds; }
    void SetIncrementSeconds(int value) { FIncrementSeconds = value; }
    int Precision() const { return FPrecision; }
    void SetPrecision(int value);
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool value) { FShowSeconds = value; }
    // Off: nothing can be typed, deleted, pasted or cut; the buttons and the
    // arrow keys still step, and every written value is selected.
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool value) { FEditorEnabled = value; }
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection value);
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool value) { FReturnIsTab = value; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);
    // The numeric keypad's decimal key types the locale decimal separator.
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool value) { FExcelStyleDecimalSeparator = value; }
    TEditAlign EditAlign() const { return FEditAlign; }
    void SetEditAlign(TEditAlign value);
    bool SpinFlat() const { return FSpinFlat; }
    void SetSpinFlat(bool value);
    bool SpinTransparent() const { return FSpinTransparent; }
    void SetSpinTransparent(bool value);
    // Read by the grid's write-back (an empty text then empties the cell).
    bool AllowEmptyValue() const { return FAllowEmptyValue; }
    void SetAllowEmptyValue(bool value) { FAllowEmptyValue = value; }
    // Entering the edit selects its text (unless a mouse press placed the caret).
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    TEsgSpinButton* Button() const { return FButton; }

    // Steps the value up or down (Page: the float page step).
    virtual void IncreaseValue(bool page);
    virtual void DecreaseValue(bool page);
    // True when the typed character may go in (the character may be changed).
    virtual bool IsValidSpinChar(QChar& key);
    virtual void UpClick(QObject* Sender);
    virtual void DownClick(QObject* Sender);

    // The least height the font needs.
    int GetMinHeight() const;
    // The caret (the start of the selection).
    int SelStart() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Places the spin button and the text area inside the edit.
    void LayoutButton();
    // Brings the value of the current type within its limits.
    void ClampToLimits();
    // A step of the current type (+1 up, -1 down).
    void StepValue(int direction, bool page);

private:
    void SetTextKeepingCaret(const QString& text);

    int FMinValue = 0;
    int FMaxValue = 100;
    double FMinFloatValue = 0.0;
    double FMaxFloatValue = 100.0;
    TDateTime FMinDateValue = 0;
    TDateTime FMaxDateValue = 0;
    TDateTime FDateValue = 0;
    TDateTime FTimeValue = 0;
    int FIncrement = 1;
    double FIncrementFloat = 0.1;
    TEsgSpinButton* FButton = nullptr;
    bool FEditorEnabled = true;
    TSpinDirection FDirection = spVertical;
    TEsgSpinType FSpinType = sptNormal;
    int FPrecision = 0;
    bool FReturnIsTab = false;
    bool FIsWinXP = false;
    bool FExcelStyleDecimalSeparator = false;
    bool FShowSeconds = true;
    int FIncrementSeconds = 1;
    int FIncrementMinutes = 1;
    int FIncrementHours = 1;
    TEditAlign FEditAlign = eaLeft;
    bool FSpinFlat = false;
    bool FSpinTransparent = false;
    bool FAllowEmptyValue = false;
    double FIncrementFloatPage = 1.0;
    bool FAutoSelect = true;
};

}  // namespace grid
