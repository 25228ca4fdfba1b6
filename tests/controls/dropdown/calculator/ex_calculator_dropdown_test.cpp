#include <gtest/gtest.h>

#include <QMouseEvent>

#include "controls/dropdown/calculator/ex_calculator_dropdown.h"
#include "controls/dropdown/picker_test_support.h"
#include "platform/format_settings.h"

using namespace dropdown;
using namespace dropdown_testing;

namespace {

using CalcHost = PickerHost<TExCalculatorDropdown>;

void type(TExCalculatorDropdown& edit, const QString& text)
{
    for (QChar c : text) edit.CharMessage(c);
}

int keyIndex(TCustomButtonPanel& pad, const QString& caption)
{
    for (int i = 0; i < pad.Buttons().Count(); ++i)
        if (pad.Buttons()[i].Caption == caption) return i;
    return -1;
}

void click(TCustomButtonPanel& pad, const QString& caption)
{
    const int index = keyIndex(pad, caption);
    ASSERT_GE(index, 0) << caption.toStdString();
    const QPoint at = pad.GetButtonRect(index).toQRect().center();
    QTest::mousePress(&pad, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(&pad, Qt::LeftButton, Qt::NoModifier, at);
}

}  // namespace

TEST(CalculatorKeyPad, StandardKeysArePlacedInTheirBlocks)
{
    TCustomButtonPanel pad;
    pad.resize(230, 150);
    pad.show();  // the size reaches a widget when it shows
    ASSERT_EQ(pad.Buttons().Count(), 28);
    // Worked out by hand: keys area (8, 8, 222, 142), keys 34 x 26.
    const std::pair<const char*, platform::TRect> expected[] = {
        {"", {8, 8, 42, 34}},          {"Back", {46, 8, 100, 34}},   {"CE", {104, 8, 158, 34}},
        {"C", {162, 8, 217, 34}},      {"MC", {8, 38, 42, 64}},      {"7", {46, 38, 80, 64}},
        {"8", {79, 38, 113, 64}},      {"9", {112, 38, 146, 64}},    {"/", {150, 38, 184, 64}},
        {"sqrt", {183, 38, 217, 64}},  {"MR", {8, 63, 42, 89}},      {"%", {183, 63, 217, 89}},
        {"1/x", {183, 88, 217, 114}},  {"M+", {8, 113, 42, 139}},    {"0", {46, 113, 80, 139}},
        {"+/-", {79, 113, 113, 139}},  {".", {112, 113, 146, 139}},  {"=", {183, 113, 217, 139}},
    };
    for (const auto& [caption, rect] : expected)
        EXPECT_EQ(pad.GetButtonRect(keyIndex(pad, QString::fromLatin1(caption))), rect) << caption;
    // Neighbours in a block share their border pixel; the hit test takes the first key.
    EXPECT_EQ(pad.ButtonAtPos(79, 40), keyIndex(pad, "8") < keyIndex(pad, "7") ? keyIndex(pad, "8") : keyIndex(pad, "7"));
    EXPECT_EQ(pad.ButtonAtPos(44, 40), -1);  // the gap between blocks
    EXPECT_EQ(pad.GetButtonRect(28), platform::TRect(-1, -1, -1, -1));
}

TEST(CalculatorKeyPad, ACustomPadPlacesNoKeysAndAClickCountsOnlyOnTheSameKey)
{
    TCustomButtonPanel custom;
    custom.SetButtonPanelType(plCustom);
    custom.ClearButtons();
    custom.ResetButtons();
    EXPECT_EQ(custom.Buttons().Count(), 0);

    TCustomButtonPanel pad;
    pad.resize(230, 150);
    pad.show();
    std::vector<int> clicked;
    pad.OnButtonClick = [&](QObject*, int index) { clicked.push_back(index); };
    const QPoint seven = pad.GetButtonRect(keyIndex(pad, "7")).toQRect().center();
    const QPoint eight = pad.GetButtonRect(keyIndex(pad, "8")).toQRect().center();
    QTest::mousePress(&pad, Qt::RightButton, Qt::NoModifier, seven);
    QTest::mouseRelease(&pad, Qt::RightButton, Qt::NoModifier, eight);
    EXPECT_TRUE(clicked.empty());
    EXPECT_EQ(pad.ButtonDown(), -1);
    QTest::mousePress(&pad, Qt::RightButton, Qt::NoModifier, seven);
    QTest::mouseRelease(&pad, Qt::RightButton, Qt::NoModifier, seven);
    EXPECT_EQ(clicked, std::vector<int>{keyIndex(pad, "7")});
    pad.Buttons()[keyIndex(pad, "9")].Enabled = false;
    pad.SetHotButton(keyIndex(pad, "9"));
    EXPECT_EQ(pad.ButtonHot(), -1);
}

TEST(CalculatorDropDown, OperatorsTypedIntoTheClosedEditCompute)
{
    FormatSettingsScope format(u'.', u',');
    CalcHost host;
    TExCalculatorDropdown& edit = *host.Picker;
    edit.SetText(QString());
    EXPECT_EQ(edit.Text(), QStringLiteral("0.00"));
    type(edit, QStringLiteral("12+3="));
    EXPECT_EQ(edit.Text(), QStringLiteral("15.00"));
    EXPECT_DOUBLE_EQ(double(edit.Value()), 15.0);
    // After an operation a typed digit replaces the display, the caret after it.
    type(edit, QStringLiteral("+"));
    type(edit, QStringLiteral("7"));
    EXPECT_EQ(edit.Text(), QStringLiteral("7.00"));
    EXPECT_EQ(edit.cursorPosition(), 1);
    type(edit, QStringLiteral("5"));
    EXPECT_EQ(edit.Text(), QStringLiteral("75.00"));
    edit.CalcResult();
    EXPECT_EQ(edit.Text(), QStringLiteral("90.00"));
    // Letters never reach the text.
    type(edit, QStringLiteral("x"));
    EXPECT_EQ(edit.Text(), QStringLiteral("90.00"));
}

TEST(CalculatorDropDown, EnterInTheClosedEditComputesAndStillReachesOnKeyPress)
{
    FormatSettingsScope format(u'.', u',');
    CalcHost host;
    TExCalculatorDropdown& edit = *host.Picker;
    QString pressed;
    edit.OnKeyPress = [&](QObject*, QChar& key) { pressed += key; };
    type(edit, QStringLiteral("12+3"));
    edit.CharMessage(QChar(u'\r'));
    EXPECT_EQ(edit.Text(), QStringLiteral("15.00"));
    EXPECT_TRUE(pressed.endsWith(u'\r'));
    // Typed digits follow the float input: a decimal that is there already
    // is not typed twice, and a minus (unsigned) starts a subtraction.
    type(edit, QStringLiteral("4.-1="));
    EXPECT_EQ(edit.Text(), QStringLiteral("3.00"));
}

TEST(CalculatorDropDown, BackspaceAndDeleteNeverLeaveTheDisplayEmpty)
{
    FormatSettingsScope format(u'.', u',');
    CalcHost host;
    TExCalculatorDropdown& edit = *host.Picker;
    edit.SetPrecision(0);
    edit.SetText(QStringLiteral("7"));
    edit.CharMessage(QChar(u'\b'));
    EXPECT_EQ(edit.Text(), QStringLiteral("0"));
    edit.selectAll();
    edit.KeyDownMessage(platform::VK_DELETE);
    EXPECT_EQ(edit.Text(), QStringLiteral("0"));
}

TEST(CalculatorDropDown, PopupKeysComputeAndEscapeBringsTheOldTextBack)
{
    FormatSettingsScope format(u'.', u',');
    CalcHost host;
    TExCalculatorDropdown& edit = *host.Picker;
    edit.SetText(QStringLiteral("4"));
    edit.ShowDropDown();
    ASSERT_TRUE(edit.DroppedDown());
    TCustomButtonPanel& pad = *edit.ButtonPanel();
    for (const char* key : {"1", "2", "+", "3", "*", "2", "="}) click(pad, QString::fromLatin1(key));
    EXPECT_EQ(edit.Text(), QStringLiteral("30.00"));
    QTest::keyClick(edit.DropDownForm(), Qt::Key_Escape);
    EXPECT_FALSE(edit.DroppedDown());
    EXPECT_EQ(edit.Text(), QStringLiteral("4.00"));

    edit.ShowDropDown();
    click(pad, QStringLiteral("9"));
    // "+" has no key code of its own: its character still reaches the calculator.
    QTest::keyClick(edit.DropDownForm(), Qt::Key_Plus);
    QTest::keyClick(edit.DropDownForm(), Qt::Key_1);
    QTest::keyClick(edit.DropDownForm(), Qt::Key_Return);
    EXPECT_FALSE(edit.DroppedDown());
    EXPECT_EQ(edit.Text(), QStringLiteral("10.00"));

    edit.ShowDropDown();
    click(pad, QStringLiteral("5"));
    QTest::keyClick(edit.DropDownForm(), Qt::Key_Tab);
    EXPECT_FALSE(edit.DroppedDown());
    EXPECT_EQ(edit.Text(), QStringLiteral("5.00"));
}

TEST(CalculatorDropDown, ThousandSeparatorsShowButValueReadsThePlainNumber)
{
    FormatSettingsScope format(u'.', u',');
    CalcHost host;
    TExCalculatorDropdown& edit = *host.Picker;
    edit.SetValue(1234567.5L);
    EXPECT_EQ(edit.Text(), QStringLiteral("1234567.50"));
    EXPECT_EQ(edit.EditType(), etFloat);
    edit.SetShowThousandSeparator(true);
    EXPECT_EQ(edit.EditType(), etMoney);
    EXPECT_EQ(edit.Text(), QStringLiteral("1,234,567.50"));
    EXPECT_DOUBLE_EQ(double(edit.Value()), 1234567.5);
    // The computed values are grouped too.
    type(edit, QStringLiteral("*2="));
    EXPECT_EQ(edit.Text(), QStringLiteral("2,469,135.00"));
    // Back to plain floats, the value kept.
    edit.SetShowThousandSeparator(false);
    EXPECT_EQ(edit.EditType(), etFloat);
    EXPECT_EQ(edit.Text(), QStringLiteral("2469135.00"));
    edit.SetText(QStringLiteral("abc"));
    EXPECT_EQ(edit.Value(), 0);
}

TEST(CalculatorDropDown, ComponentStyleGivesTheKeysTheButtonColours)
{
    CalcHost host;
    TExCalculatorDropdown& edit = *host.Picker;
    edit.SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(edit.CalcButtonAppearance().Color(), edit.ButtonAppearance().Color());
    EXPECT_EQ(edit.CalcButtonAppearance().GlowColorDown(), edit.ButtonAppearance().ColorHot());
    edit.SetComponentStyle(tsWindows7);
    EXPECT_EQ(edit.CalcButtonAppearance().GlowColorDown(), 0xD5C244u);
    EXPECT_EQ(edit.CalcButtonAppearance().GlowColorHot(), edit.ButtonAppearance().ColorDownTo());
}

TEST(CalculatorDropDown, Screenshot)
{
    FormatSettingsScope format(u'.', u',');
    CalcHost host;
    TExCalculatorDropdown& edit = *host.Picker;
    edit.SetText(QStringLiteral("1234.5"));
    edit.ShowDropDown();
    ASSERT_TRUE(edit.DroppedDown());
    QApplication::processEvents();
    saveScreenshot(host.Screenshot(), QStringLiteral("calculator_dropdown.png"));
}
