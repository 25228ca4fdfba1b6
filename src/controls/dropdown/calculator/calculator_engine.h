#pragma once

// The calculator behind the calculator drop-down: an immediate-execution
// pocket calculator (no operator precedence) whose display is the edit text.
// Each operation key applies the pending operation to the accumulator and the
// displayed number, shows the result and becomes the pending operation.

#include <cstdint>
#include <functional>

#include <QChar>
#include <QString>

namespace dropdown {

// A computed value as the engine writes it to the display: the general
// format (at most 15 significant digits, the decimal separator of the
// settings, no minus zero); the display adds its own decimals.
QString GeneralText(long double value);

// The display the engine works on: the drop-down's edit, or a plain text in tests.
class TCalculatorDisplay {
public:
    virtual ~TCalculatorDisplay() = default;
    // The shown text (without prefix and suffix).
    virtual QString Text() const = 0;
    // Shows a text; a number is shown with the display's decimals.
    virtual void SetText(const QString& text) = 0;
    // The most characters the text may hold; 0 or less: no limit.
    virtual int MaxLength() const = 0;
    // The user changed the value.
    virtual void SetModified() {}
};

// The meaning of a key (its Tag).
enum TCalcKeyTag : int {
    ckAdd = 10,
    ckSubtract = 11,
    ckMultiply = 12,
    ckDivide = 13,
    ckSign = 14,
    ckDecimal = 15,
    ckClear = 16,
    ckEquals = 17,
    ckPercent = 18,
    ckBlank = 30,
    ckBack = 31,
    ckClearEntry = 32,
    ckMemoryClear = 33,
    ckMemoryRecall = 34,
    ckMemoryStore = 35,
    ckMemoryAdd = 36,
    ckSquareRoot = 37,
    ckReciprocal = 38,
};

// The pending operation.
enum TCalcOperation : int { coNone = -1, coAdd = 0, coMultiply = 1, coSubtract = 2, coDivide = 3 };

// What a character typed in the open pop-up asks of it.
enum class TPopupCharResult : uint8_t { Stay, Close, CloseCancelled };

class TCalculatorEngine {
public:
    explicit TCalculatorEngine(TCalculatorDisplay& display) : FDisplay(display) {}

    // One key of the pad, by its tag.
    void Key(int tag);
    // A character typed while the pop-up has the focus (after the edit had it).
    TPopupCharResult PopupChar(QChar key);
    // An operator character typed in the closed edit; true when it acted.
    bool ClosedEditOperator(QChar key);

    void DoAdd();
    void DoSubtract();
    void DoMultiply();
    void DoDivide();
    void DoEquals();
    void DoPercent();
    // Text "0", no pending operation, next digit starts a new number; the
    // accumulator is kept.
    void ClearEntryText();

    // The pop-up is about to show: the next digit replaces the display.
    void PrepareForShow();

    long double Accumulator() const { return FPrevval; }
    TCalcOperation PendingOperation() const { return FPrevop; }
    long double Memory() const { return FMVal; }
    bool NewValue() const { return FNewval; }
    void SetNewValue(bool value) { FNewval = value; }
    // 0 while the integer part is typed, else the divisor of the next decimal digit.
    int64_t DecimalDivisor() const { return FDecim; }

    // Called before every key and popup character.
    std::function<void()> OnBeforeCalc;

    // Decimal digits are taken while the divisor stays below this; later ones
    // are ignored (the value could not hold them anyway).
    static constexpr int64_t kMaxDecimalDivisor = 1000000000000000000LL;

private:
    // Applies the pending operation; false when the display held no number
    // (it then shows "Error" and the state is kept).
    bool DoCalc();
    void SetValue(long double value);
    void ShowError();
    // The displayed number, thousand separators removed; none (and "Error"
    // shown) when the text is no number.
    bool DisplayedNumber(long double& value);
    void Digit(int digit);
    bool AtMaxLength() const;

    TCalculatorDisplay& FDisplay;
    long double FPrevval = 0;
    TCalcOperation FPrevop = coNone;
    bool FNewval = false;
    int64_t FDecim = 0;
    long double FMVal = 0;
};

}  // namespace dropdown
