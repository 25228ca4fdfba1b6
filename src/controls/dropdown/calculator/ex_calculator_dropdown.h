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
    // Values shown with thousand separators.
    bool ShowThousandSeparator() const { return FShowThousandSeparator; }
    void SetShowThousandSeparator(bool value);
    // Decimals shown; 0 or less: the number as computed.
    int Precision() const { return FPrecision; }
    void SetPrecision(int value);

    // The displayed number; an empty text becomes "0" first; 0 when the text
    // is no number.
    long double Value();
    void SetValue(long double value);
    // The equals key.
    void CalcResult() { FEngine.DoEquals(); }

    // Numbers are shown with Precision decimals; other texts as given.
    void SetText(const QString& value) override;
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
    void HandleKeyPress(QChar& key) override;
    void HandleKeyDownMessage(platform::Word& key) override;

private:
    class TEditDisplay;
    void CreatePad();
    // The caret right after the first character of the value.
    void CaretAfterFirstChar();

    TButtonAppearance FCalcButtonAppearance;
    bool FShowThousandSeparator = false;
    int FPrecision = 2;
    std::unique_ptr<TEditDisplay> FDisplay;
    TCalculatorEngine FEngine;
    QPointer<TCustomButtonPanel> FExButtonPanel;
    bool FCalcClosed = true;
    QString FTextAtOpening;
};

}  // namespace dropdown
