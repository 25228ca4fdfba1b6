#pragma once

// A numeric edit whose pop-up is a calculator key pad. The edit text is the
// calculator's display: keys clicked in the pop-up, characters typed while
// it is open and operator characters typed into the closed edit all act on
// the same text.

#include <memory>

#include <QPointer>

#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/calculator/button_panel.h"
#include "controls/dropdown/calculator/calculator_engine.h"

namespace dropdown {

class TExCalculatorDropdown : public TExCustomDropDown {
    Q_OBJECT

public:
    explicit TExCalculatorDropdown(QWidget* parent = nullptr);
    ~TExCalculatorDropdown() override;

    // The key look the pad takes each time the pop-up is prepared.
    TButtonAppearance& CalcButtonAppearance() { return FCalcButtonAppearance; }
    void SetCalcButtonAppearance(const TButtonAppearance& value) { FCalcButtonAppearance.Assign(value); }
    // Values shown with thousand separators: the edit takes money input
    // (etMoney) instead of plain floats (etFloat), keeping the value.
    bool ShowThousandSeparator() const { return FShowThousandSeparator; }
    void SetShowThousandSeparator(bool value);

    // The displayed number; an empty text becomes "0" first; 0 when the text
    // is no number.
    long double Value();
    // Shown with the edit's Precision decimals.
    void SetValue(long double value);
    // The equals key.
    void CalcResult() { FEngine.DoEquals(); }

    void SetComponentStyle(TQVRStyle style) override;
    // Cancelled (Escape) brings back the text the edit had when the pop-up opened.
    void DoHideDropDown(bool Cancelled) override;

    TCustomButtonPanel* ButtonPanel() const { return FExButtonPanel; }
    TCalculatorEngine& Engine() { return FEngine; }
    // The pad's click handler: runs one key.
    void CalcButtonClick(QObject* Sender, int Index);

protected:
    // Called before every key and pop-up character.
    virtual void DoBeforeCalc() {}

    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DropDownFormKeyPress(QChar& key) override;
    void DropDownFormKeyDown(platform::Word& key, platform::TShiftState shift) override;
    // The calculator's own characters run before the edit's float input:
    // operators of the closed edit compute, a digit replaces a zero or a
    // result, and anything but digits, the decimal separator, Backspace and
    // "-" is swallowed.
    void HandleCharMessage(QChar& key) override;
    void HandleKeyDownMessage(platform::Word& key) override;

private:
    class TEditDisplay;
    void CreatePad();
    // The caret right after the first character of the value.
    void CaretAfterFirstChar();
    // The text shows zero as the edit writes it ("0", or "0.00" with two decimals).
    bool ShowsZero() const;

    TButtonAppearance FCalcButtonAppearance;
    bool FShowThousandSeparator = false;
    std::unique_ptr<TEditDisplay> FDisplay;
    TCalculatorEngine FEngine;
    QPointer<TCustomButtonPanel> FExButtonPanel;
    bool FCalcClosed = true;
    QString FTextAtOpening;
};

}  // namespace dropdown
