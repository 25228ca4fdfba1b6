#include <gtest/gtest.h>

#include "controls/dropdown/colors/color_cube_panel.h"
#include "controls/dropdown/colors/color_picker_dropdown.h"
#include "controls/dropdown/colors/color_selector.h"
#include "controls/dropdown/colors/color_spectrum_panel.h"
#include "controls/dropdown/dropdown_test_support.h"
#include "controls/dropdown/picker_test_support.h"

using namespace dropdown;
using namespace dropdown_testing;
using platform::VK_DOWN;
using platform::VK_ESCAPE;
using platform::VK_RETURN;

TEST(ColorPicker, ValueAndItemsFollowEachOther)
{
    TExColorPickerDropDown picker;
    EXPECT_EQ(picker.SelectedColor(), clNone);
    EXPECT_EQ(picker.ColorSelectionStyle(), csList);
    ASSERT_NE(picker.ItemSelector(), nullptr);  // from construction on
    EXPECT_FALSE(picker.EditorEnabled());
    picker.AddDefaultColors();
    picker.AddDefaultColors();
    ASSERT_EQ(picker.Colors().size(), 32u);
    int selects = 0;
    picker.OnSelect = [&](QObject*) { ++selects; };
    picker.SetSelectedColor(clRed);
    EXPECT_EQ(picker.ItemIndex(), 9);
    EXPECT_EQ(picker.SelectedColorText(), QStringLiteral("Red"));
    picker.SetColorValueText(cvtHTML);
    EXPECT_EQ(picker.SelectedColorText(), QStringLiteral("Red"));
    picker.SetItemIndex(-1);
    EXPECT_EQ(picker.SelectedColor(), clRed);
    EXPECT_EQ(picker.SelectedColorText(), QStringLiteral("#FF0000"));
    picker.SetItemIndex(3);
    EXPECT_EQ(picker.SelectedColor(), clOlive);
    selects = 0;
    picker.SetSelectedColor(0x123456);
    EXPECT_EQ(picker.ItemIndex(), -1);
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(picker.SelectedColorText(), QStringLiteral("#563412"));
    // An index at or above the count is ignored; the same index selects again.
    picker.SetItemIndex(32);
    EXPECT_EQ(picker.ItemIndex(), -1);
    picker.SetItemIndex(0);
    picker.SetItemIndex(0);
    EXPECT_EQ(selects, 3);
}

TEST(ColorPicker, CancelRestoresTheListSelection)
{
    PickerHost<TExColorPickerDropDown> host;
    TExColorPickerDropDown& picker = *host.Picker;
    picker.AddDefaultColors();
    picker.SetItemIndex(2);
    picker.ShowDropDown();
    ASSERT_TRUE(picker.DroppedDown());
    picker.KeyDownMessage(VK_DOWN);
    picker.KeyDownMessage(VK_DOWN);
    EXPECT_TRUE(picker.DroppedDown());  // moving live keeps the list open
    EXPECT_EQ(picker.ItemIndex(), 4);
    EXPECT_EQ(picker.SelectedColor(), clNavy);
    picker.KeyDownMessage(VK_ESCAPE);
    EXPECT_FALSE(picker.DroppedDown());
    EXPECT_EQ(picker.ItemIndex(), 2);
    EXPECT_EQ(picker.SelectedColor(), clGreen);

    // From nothing selected, the colour reached by the arrows stays.
    picker.SetSelectedColor(0x123456);
    ASSERT_EQ(picker.ItemIndex(), -1);
    picker.ShowDropDown();
    picker.KeyDownMessage(VK_DOWN);
    picker.KeyDownMessage(VK_ESCAPE);
    EXPECT_EQ(picker.ItemIndex(), -1);
    EXPECT_EQ(picker.SelectedColor(), clBlack);
}

TEST(ColorPicker, EnterTakesTheHotItemAndCloses)
{
    PickerHost<TExColorPickerDropDown> host;
    TExColorPickerDropDown& picker = *host.Picker;
    picker.AddDefaultColors();
    picker.ShowDropDown();
    picker.ItemSelector()->Panel()->SetItemHot(5);
    int selects = 0;
    picker.OnSelect = [&](QObject*) { ++selects; };
    picker.KeyDownMessage(VK_RETURN);
    EXPECT_FALSE(picker.DroppedDown());
    EXPECT_EQ(picker.ItemIndex(), 5);
    EXPECT_EQ(selects, 1);  // the selection's, none more for the Enter
}

TEST(ColorPicker, TypeAheadLivesFiveHundredMillisecondsFromItsFirstKey)
{
    ManualClock clock;
    TExColorPickerDropDown picker;
    picker.AddDefaultColors();
    picker.KeyDownMessage('B');
    EXPECT_EQ(picker.ItemIndex(), 0);  // Black
    clock.advance(300);
    picker.KeyDownMessage('L');
    EXPECT_EQ(picker.CurSearch(), QStringLiteral("BL"));
    EXPECT_EQ(picker.ItemIndex(), 0);
    picker.KeyDownMessage('U');
    EXPECT_EQ(picker.ItemIndex(), 12);  // Blue
    clock.advance(300);                 // 600 ms after the first key
    EXPECT_TRUE(picker.CurSearch().isEmpty());
    picker.KeyDownMessage('G');
    EXPECT_EQ(picker.CurSearch(), QStringLiteral("G"));
    EXPECT_EQ(picker.ItemIndex(), 2);  // Green
}

TEST(ColorPicker, DiscreteStyleKeysAndCancel)
{
    PickerHost<TExColorPickerDropDown> host;
    TExColorPickerDropDown& picker = *host.Picker;
    picker.SetColorSelectionStyle(csDiscrete);
    ASSERT_NE(picker.ColorSelector(), nullptr);
    EXPECT_EQ(picker.ColorSelector()->Items().Count(), 60);
    picker.SetSelectedColor(0x000000);
    picker.ShowDropDown();
    EXPECT_EQ(picker.ColorSelector()->ItemIndex(), 1);
    EXPECT_FALSE(picker.DropDownForm()->Sizeable);
    picker.KeyDownMessage(VK_DOWN);  // a row down, live
    EXPECT_TRUE(picker.DroppedDown());
    EXPECT_EQ(picker.SelectedColor(), 0x7F7F7Fu);
    picker.KeyDownMessage(VK_ESCAPE);
    EXPECT_EQ(picker.SelectedColor(), 0x000000u);
    EXPECT_EQ(picker.ColorSelector()->ItemIndex(), 1);
}

TEST(ColorPicker, ClickingACubeCellOrASpectrumPixelCloses)
{
    PickerHost<TExColorPickerDropDown> host;
    TExColorPickerDropDown& picker = *host.Picker;
    picker.SetColorSelectionStyle(csColorCube);
    picker.ShowDropDown();
    ASSERT_TRUE(picker.DroppedDown());
    TExColorCubePanel& cube = *picker.ColorCubePanel();
    EXPECT_EQ(picker.DropDownForm()->size(), QSize(182 + 2, 160 + 2));
    QMouseEvent hover(QEvent::MouseMove, QPointF(109, 130), QPointF(109, 130), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&cube, &hover);
    EXPECT_TRUE(picker.DroppedDown());
    EXPECT_EQ(picker.SelectedColor(), clNone);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(109, 130), QPointF(109, 130), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&cube, &press);
    EXPECT_FALSE(picker.DroppedDown());
    EXPECT_EQ(picker.SelectedColor(), clRed);

    picker.SetColorSelectionStyle(csSpectrum);
    picker.ShowDropDown();
    ASSERT_TRUE(picker.DroppedDown());
    EXPECT_FALSE(cube.isVisible());
    picker.SpectrumPanel()->SpectrumMouseMove(0, 127);
    EXPECT_TRUE(picker.DroppedDown());
    picker.SpectrumPanel()->SpectrumMouseDown(0, 127);
    EXPECT_FALSE(picker.DroppedDown());
    EXPECT_EQ(picker.SelectedColor(), clBlack);
    EXPECT_EQ(picker.ItemIndex(), -1);
}

TEST(ColorPicker, EditAreaShowsTheBoxAndText)
{
    PickerHost<TExColorPickerDropDown> host;
    TExColorPickerDropDown& picker = *host.Picker;
    picker.resize(160, 24);
    const QImage empty = picker.grab().toImage();
    picker.SetColorValueText(cvtHTML);
    picker.SetSelectedColor(clLime);
    const QImage shown = picker.grab().toImage();
    // The box: 4 pixels in from (1, 1), centred vertically.
    const int boxTop = 1 + (24 - 14) / 2;
    EXPECT_EQ(PixelAt(shown, 1 + 4 + 7, boxTop + 7), clLime);
    EXPECT_NE(PixelAt(empty, 1 + 4 + 7, boxTop + 7), clLime);
    EXPECT_EQ(PixelAt(shown, 1 + 4, boxTop + 7), clBlack);
}
