#include <gtest/gtest.h>

#include <vector>

#include "controls/dropdown/calculator/button_panel.h"
#include "controls/dropdown/calculator/calculator_engine.h"
#include "controls/dropdown/calculator/calculator_number_text.h"
#include "controls/dropdown/picker_test_support.h"

using namespace dropdown;

namespace {

// A display that shows numbers with two decimals, as the drop-down does.
class TextDisplay final : public TCalculatorDisplay {
public:
    QString Text() const override { return text; }
    void SetText(const QString& value) override { text = NumericDisplayText(value, precision, grouped); }
    int MaxLength() const override { return maxLength; }
    void SetModified() override { modified = true; }

    QString text = QStringLiteral("0.00");
    int precision = 2;
    bool grouped = false;
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
        return display.text;
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
    EXPECT_EQ(calc.display.text, QStringLiteral("Error"));
    EXPECT_EQ(calc.engine.Accumulator(), 0);
    EXPECT_EQ(calc.engine.PendingOperation(), coAdd);
    EXPECT_EQ(calc.press("5 ="), QStringLiteral("5.00"));
}

TEST(CalculatorEngine, ErrorsOfSqrtAndReciprocalKeepAccumulatorAndPendingOperation)
{
    Calculator calc;
    calc.press("6 + 0 1/x");
    EXPECT_EQ(calc.display.text, QStringLiteral("Error"));
    EXPECT_EQ(calc.engine.Accumulator(), 6);
    EXPECT_EQ(calc.engine.PendingOperation(), coAdd);
    EXPECT_EQ(calc.press("4 ="), QStringLiteral("10.00"));
}

TEST(CalculatorEngine, ATextThatIsNoNumberShowsErrorAndKeepsAccumulatorAndMemory)
{
    dropdown_testing::FormatSettingsScope format(u'.', u',');
    Calculator calc;
    calc.press("9 MS C 4 +");
    calc.display.text = QStringLiteral("-");  // a lone minus typed by the user
    calc.engine.DoMultiply();
    EXPECT_EQ(calc.display.text, QStringLiteral("Error"));
    EXPECT_EQ(calc.engine.Accumulator(), 4);
    EXPECT_EQ(calc.engine.PendingOperation(), coAdd);
    calc.display.text = QStringLiteral("1.2.3");
    calc.engine.DoPercent();
    EXPECT_EQ(calc.display.text, QStringLiteral("Error"));
    calc.engine.Key(ckMemoryStore);  // "Error" is no number either
    calc.engine.Key(ckMemoryAdd);
    EXPECT_EQ(calc.engine.Memory(), 9);
}

TEST(CalculatorEngine, DecimalDigitsStopBeforeTheDivisorOverflows)
{
    Calculator calc;
    calc.display.precision = 0;  // show every digit the value holds
    calc.press("0 .");
    for (int i = 0; i < 40; ++i) calc.engine.Key(1);
    EXPECT_LE(calc.engine.DecimalDivisor(), TCalculatorEngine::kMaxDecimalDivisor);
    EXPECT_GT(calc.engine.DecimalDivisor(), 0);
    EXPECT_NEAR(double(DisplayValue(calc.display.text)), 1.0 / 9.0, 1e-12);
    EXPECT_EQ(calc.press("+ 1 ="), QStringLiteral("1.11111111111111"));
}

TEST(CalculatorEngine, MaxLengthBlocksDigitsSignAndPointButNotOperations)
{
    Calculator calc;
    calc.display.text = QStringLiteral("1.00");
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
    EXPECT_EQ(calc.display.text, QStringLiteral("15.00"));
    EXPECT_EQ(calc.engine.PopupChar(QChar(27)), TPopupCharResult::CloseCancelled);
    calc.engine.PopupChar(u'c');
    EXPECT_EQ(calc.display.text, QStringLiteral("0.00"));
    EXPECT_EQ(calc.engine.Accumulator(), 0);
    EXPECT_TRUE(calc.engine.NewValue());
}

TEST(CalculatorEngine, ThousandSeparatorsAreShownAndIgnoredWhenRead)
{
    dropdown_testing::FormatSettingsScope format(u',', u'.');
    Calculator calc;
    calc.display.grouped = true;
    EXPECT_EQ(calc.press("1234 . 5"), QStringLiteral("1.234,50"));
    EXPECT_EQ(calc.press("MS * 2 ="), QStringLiteral("2.469,00"));
    EXPECT_DOUBLE_EQ(double(calc.engine.Memory()), 1234.5);
}

TEST(CalculatorNumberText, LocaleFloatReading)
{
    dropdown_testing::FormatSettingsScope format(u',', u'.');
    EXPECT_EQ(ParseLocaleFloat(QStringLiteral(" -12,5 ")), 12.5L * -1);
    EXPECT_EQ(ParseLocaleFloat(QStringLiteral("1e3")), 1000.0L);
    for (const char* bad : {"", "-", "12.5", "1,2,3", "1e", "abc", "1 2", "inf", "nan"})
        EXPECT_FALSE(ParseLocaleFloat(QString::fromLatin1(bad))) << bad;
    EXPECT_EQ(DisplayValue(QStringLiteral("Error")), 0);
    EXPECT_EQ(DisplayValue(QStringLiteral("1.234,5")), 1234.5L);
    EXPECT_EQ(FixedFloatText(-0.001L, 2, false), QStringLiteral("0,00"));
}
