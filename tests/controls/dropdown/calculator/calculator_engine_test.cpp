#include <gtest/gtest.h>

#include <vector>

#include "controls/dropdown/calculator/button_panel.h"
#include "controls/dropdown/calculator/calculator_engine.h"
#include "controls/dropdown/base/ex_custom_dropdown.h"
#include "controls/dropdown/picker_test_support.h"

using namespace dropdown;

namespace {

// A float edit with two decimals as the display, as in the drop-down.
class TextDisplay final : public TCalculatorDisplay {
public:
    TextDisplay()
    {
        edit.SetEditType(etFloat);
        edit.SetPrecision(2);
    }
    QString Text() const override { return edit.Text(); }
    void SetText(const QString& value) override { edit.SetText(value); }
    int MaxLength() const override { return maxLength; }
    void SetModified() override { modified = true; }
    // A text the user typed, not formatted.
    void Type(const QString& value) { edit.SetTextDirect(value); }

    TExCustomDropDown edit;
    int maxLength = 0;
    bool modified = false;
};

// Keys by their captions on the pad.
int tagOf(const QString& caption)
{
    for (const TStandardKey& key : kCalculatorKeys)
        if (QString::fromLatin1(key.Caption) == caption) return key.Tag;
    if (caption == QStringLiteral("ON")) return ckBlank;
    ADD_FAILURE() << "no key " << caption.toStdString();
    return -1;
}

struct Calculator {
    Calculator() { engine.PrepareForShow(); }
    // Space-separated key captions; a run of digits is one key per digit.
    QString press(const QString& keys)
    {
        for (const QString& key : keys.split(u' ', Qt::SkipEmptyParts)) {
            bool number = true;
            for (QChar c : key) number = number && c.isDigit();
            if (number)
                for (QChar c : key) engine.Key(c.digitValue());
            else
                engine.Key(tagOf(key));
        }
        return display.Text();
    }
    TextDisplay display;
    TCalculatorEngine engine{display};
};

}  // namespace

TEST(CalculatorEngine, KeySequencesShowTheirResults)
{
    dropdown_testing::FormatSettingsScope format(u'.', u',');
    struct Case {
        const char* keys;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {"12 + 3 * 2 =", "30.00"},           // left to right, no precedence
        {"5 . 2 5", "5.25"},
        {"5 . 2 5 9", "5.26"},               // a third decimal is kept, shown rounded
        {"200 + 10 %", "20.00"},
        {"200 + 10 % =", "220.00"},
        {"9 sqrt", "3.00"},
        {"4 1/x", "0.25"},
        {"0 1/x", "Error"},
        {"9 +/- sqrt", "Error"},
        {"7 / 0 =", "Error"},
        {"7 / 0 = 4", "4.00"},               // the next digit replaces "Error"
        {"5 . C 7", "7.00"},                 // C ends decimal entry
        {"5 . CE 7", "7.00"},
        {"5 . ON 7", "7.00"},
        {"5 +/- 3", "-53.00"},               // a digit after the sign extends the magnitude
        {"5 +/- . 5", "-5.50"},
        {"5 +/- +/-", "5.00"},
        {"125 Back", "12.00"},
        {"5 Back", "0.00"},
        {"12 + Back", "12.00"},              // Back does nothing while an operation is pending
        {"8 MS C 2 + MR =", "10.00"},
        {"8 MS C 2 M+ C MR", "10.00"},
        {"8 MS 2", "82.00"},                 // MS does not start a new number
        {"8 MS MC MR", "0.00"},
        {"2 * 3 - 1 =", "5.00"},
        {"1 / 4 =", "0.25"},
        {"10 - 15 =", "-5.00"},
    };
    for (const Case& c : cases) {
        Calculator calc;
        EXPECT_EQ(calc.press(QString::fromLatin1(c.keys)), QString::fromLatin1(c.shown)) << c.keys;
    }
}

TEST(CalculatorEngine, DivisionByZeroClearsTheAccumulatorAndTheNextOperationStillCounts)
{
    Calculator calc;
    calc.press("7 / 0 +");
    EXPECT_EQ(calc.display.Text(), QStringLiteral("Error"));
    EXPECT_EQ(calc.engine.Accumulator(), 0);
    EXPECT_EQ(calc.engine.PendingOperation(), coAdd);
    EXPECT_EQ(calc.press("5 ="), QStringLiteral("5.00"));
}

TEST(CalculatorEngine, ErrorsOfSqrtAndReciprocalKeepAccumulatorAndPendingOperation)
{
    Calculator calc;
    calc.press("6 + 0 1/x");
    EXPECT_EQ(calc.display.Text(), QStringLiteral("Error"));
    EXPECT_EQ(calc.engine.Accumulator(), 6);
    EXPECT_EQ(calc.engine.PendingOperation(), coAdd);
    EXPECT_EQ(calc.press("4 ="), QStringLiteral("10.00"));
}

TEST(CalculatorEngine, ATextThatIsNoNumberShowsErrorAndKeepsAccumulatorAndMemory)
{
    dropdown_testing::FormatSettingsScope format(u'.', u',');
    Calculator calc;
    calc.press("9 MS C 4 +");
    calc.display.Type(QStringLiteral("-"));  // a lone minus typed by the user
    calc.engine.DoMultiply();
    EXPECT_EQ(calc.display.Text(), QStringLiteral("Error"));
    EXPECT_EQ(calc.engine.Accumulator(), 4);
    EXPECT_EQ(calc.engine.PendingOperation(), coAdd);
    calc.display.Type(QStringLiteral("1.2.3"));
    calc.engine.DoPercent();
    EXPECT_EQ(calc.display.Text(), QStringLiteral("Error"));
    calc.engine.Key(ckMemoryStore);  // "Error" is no number either
    calc.engine.Key(ckMemoryAdd);
    EXPECT_EQ(calc.engine.Memory(), 9);
}

TEST(CalculatorEngine, DecimalDigitsStopBeforeTheDivisorOverflows)
{
    Calculator calc;
    calc.display.edit.SetPrecision(0);  // show every digit the value holds
    calc.press("0 .");
    for (int i = 0; i < 40; ++i) calc.engine.Key(1);
    EXPECT_LE(calc.engine.DecimalDivisor(), TCalculatorEngine::kMaxDecimalDivisor);
    EXPECT_GT(calc.engine.DecimalDivisor(), 0);
    EXPECT_NEAR(calc.display.edit.FloatValue(), 1.0 / 9.0, 1e-12);
    EXPECT_EQ(calc.press("+ 1 ="), QStringLiteral("1.11111111111111"));
}

TEST(CalculatorEngine, MaxLengthBlocksDigitsSignAndPointButNotOperations)
{
    Calculator calc;
    calc.display.SetText(QStringLiteral("1"));
    calc.display.maxLength = 4;
    calc.engine.SetNewValue(false);
    EXPECT_EQ(calc.press("5 +/- ."), QStringLiteral("1.00"));
    EXPECT_FALSE(calc.display.modified);
    // The digit after "+" is refused too: 1 + 1.
    EXPECT_EQ(calc.press("+ 2 ="), QStringLiteral("2.00"));
}

TEST(CalculatorEngine, PopupCharactersComputeAndClose)
{
    Calculator calc;
    calc.press("12");
    EXPECT_EQ(calc.engine.PopupChar(u'+'), TPopupCharResult::Stay);
    calc.press("3");
    EXPECT_EQ(calc.engine.PopupChar(u'\r'), TPopupCharResult::Close);
    EXPECT_EQ(calc.display.Text(), QStringLiteral("15.00"));
    EXPECT_EQ(calc.engine.PopupChar(QChar(27)), TPopupCharResult::CloseCancelled);
    calc.engine.PopupChar(u'c');
    EXPECT_EQ(calc.display.Text(), QStringLiteral("0.00"));
    EXPECT_EQ(calc.engine.Accumulator(), 0);
    EXPECT_TRUE(calc.engine.NewValue());
}

TEST(CalculatorEngine, ThousandSeparatorsAreShownAndIgnoredWhenRead)
{
    dropdown_testing::FormatSettingsScope format(u',', u'.');
    Calculator calc;
    calc.display.edit.SetEditType(etMoney);  // thousand separators
    EXPECT_EQ(calc.press("1234 . 5"), QStringLiteral("1.234,50"));
    EXPECT_EQ(calc.press("MS * 2 ="), QStringLiteral("2.469,00"));
    EXPECT_DOUBLE_EQ(double(calc.engine.Memory()), 1234.5);
}
