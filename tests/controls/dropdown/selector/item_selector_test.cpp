#include <gtest/gtest.h>

#include <stdexcept>

#include <QScrollBar>
#include <QTest>

#include "controls/dropdown/picker_test_support.h"
#include "controls/dropdown/selector/item_selector.h"
#include "controls/dropdown/selector/item_selector_layout.h"

using namespace dropdown;
using platform::TRect;

namespace {

void addCaptions(TExCustomItemSelector& selector, std::initializer_list<const char*> captions)
{
    for (const char* caption : captions) selector.Items().Add().Caption = QString::fromUtf8(caption);
    selector.UpdateSelectorPanel();
}

// Items of a fixed size, whatever their captions.
void fixedItemSize(TExCustomItemSelector& selector, QSize size)
{
    selector.OnItemSize = [size](QObject*, QSize& s) { s = size; };
}

}  // namespace

TEST(ItemSelectorLayout, ItemSizesByLayout)
{
    struct Case {
        QSize picture, caption;
        TItemLayout layout;
        QSize expected;
    };
    const Case cases[] = {
        {{0, 0}, {40, 13}, ilCaptionRight, {52, 21}},    // 2 x 4 + 40 + 4, 13 + 2 x 4
        {{14, 14}, {0, 0}, ilCaptionRight, {22, 22}},    // colour boxes without captions
        {{16, 16}, {40, 13}, ilCaptionLeft, {72, 24}},   // 8 + 16 + 4 + 44, 16 + 8
        {{16, 16}, {40, 13}, ilCaptionTop, {52, 41}},    // 44 + 8, 8 + 16 + 4 + 13
        {{60, 10}, {40, 13}, ilCaptionBottom, {68, 35}},
        {{0, 0}, {0, 0}, ilCaptionTop, {8, 8}},
    };
    for (const Case& c : cases) {
        TItemSizeInput input;
        input.Picture = c.picture;
        input.Caption = c.caption;
        input.Layout = c.layout;
        EXPECT_EQ(ComputeItemSize(input), c.expected) << int(c.layout);
    }
}

TEST(ItemSelectorLayout, RowsOfColumnsAndThePanelSize)
{
    const TItemGridLayout seven = LayoutItems(7, 3, {30, 20}, {2, 2, 2, 2});
    ASSERT_EQ(seven.Items.size(), 7u);
    EXPECT_EQ(seven.Items[0], TRect(2, 2, 32, 22));
    EXPECT_EQ(seven.Items[2], TRect(62, 2, 92, 22));
    EXPECT_EQ(seven.Items[3], TRect(2, 22, 32, 42));
    EXPECT_EQ(seven.Items[6], TRect(2, 42, 32, 62));
    EXPECT_EQ(seven.PanelSize, QSize(3 * 30 + 4, 3 * 20 + 4));
    EXPECT_EQ(LayoutItems(2, 5, {30, 20}, {2, 2, 2, 2}).PanelSize, QSize(64, 24));
    EXPECT_EQ(LayoutItems(0, 3, {30, 20}, {2, 2, 2, 2}).PanelSize, QSize(100, 50));
}

TEST(ItemSelector, DefaultsAndSettingsThatAreIgnored)
{
    TExCustomItemSelector selector;
    EXPECT_EQ(selector.Columns(), 1);
    EXPECT_EQ(selector.ColorBoxWidth(), 14);
    EXPECT_EQ(selector.SelectorType(), stImage);
    EXPECT_EQ(selector.ItemLayout(), ilCaptionRight);
    EXPECT_EQ(selector.ItemAppearance().ColorStyle(), scOffice2007);
    EXPECT_EQ(selector.ItemAppearance().ColorHot, 0xD7FFFDu);
    EXPECT_EQ(selector.GetSelectorSize(), QSize(100, 50));
    EXPECT_EQ(selector.GetVisibleItemCount(), 0);
    selector.SetColumns(0);
    selector.SetColumns(-1);
    EXPECT_EQ(selector.Columns(), 1);
    EXPECT_THROW(TCustomItemSelector panel(nullptr), std::invalid_argument);

    // The item layout alone does not lay out again.
    selector.SetSelectorType(stColor);
    selector.Items().Add().Color = clRed;
    selector.UpdateSelectorPanel();
    const TRect before = selector.Panel()->GetItemRect(0);
    EXPECT_EQ(before, TRect(2, 2, 24, 24));
    selector.Items()[0].Caption = QStringLiteral("Red");
    selector.SetItemLayout(ilCaptionTop);
    EXPECT_EQ(selector.Panel()->GetItemRect(0), before);
    selector.UpdateSelectorPanel();
    EXPECT_GT(selector.Panel()->GetItemRect(0).Height(), before.Height());
}

TEST(ItemSelector, AppearanceAssignFollowsTheSourceStyle)
{
    TItemAppearance vista;
    vista.SetColorStyle(scWindowsVista);
    vista.ColorHot = 0x123456;
    vista.ColorHotText = clRed;
    vista.ColorSelectedText = clBlue;
    TItemAppearance office;
    office.Assign(vista);  // styles differ: the Vista presets overwrite the copied colours
    EXPECT_EQ(office.ColorStyle(), scWindowsVista);
    EXPECT_EQ(office.ColorHot, 0xFDF8F1u);
    EXPECT_EQ(office.ColorHotText, clRed);
    EXPECT_EQ(office.ColorSelectedText, clBlue);
    TItemAppearance sameStyle;
    sameStyle.SetColorStyle(scWindowsVista);
    sameStyle.Assign(vista);
    EXPECT_EQ(sameStyle.ColorHot, 0x123456u);
}

TEST(ItemSelector, SelectionHitTestsAndLookup)
{
    TExCustomItemSelector selector;
    fixedItemSize(selector, {40, 20});
    selector.SetColumns(2);
    addCaptions(selector, {"<b>Alpha</b>", " beta", "Gamma", "Abacus", "Delta"});
    TCustomItemSelector& panel = *selector.Panel();
    // Left and top edges inside, right and bottom outside.
    EXPECT_EQ(panel.ItemAtPos(2, 2), 0);
    EXPECT_EQ(panel.ItemAtPos(42, 2), 1);
    EXPECT_EQ(panel.ItemAtPos(41, 21), 0);
    EXPECT_EQ(panel.ItemAtPos(2, 22), 2);
    EXPECT_EQ(panel.ItemAtPos(1, 1), -1);
    EXPECT_EQ(panel.ItemAtPos(50, 50), -1);  // beside the last item
    EXPECT_EQ(panel.GetItemRect(5), TRect(-1, -1, -1, -1));

    int selects = 0;
    selector.OnItemSelect = [&](QObject* sender) {
        EXPECT_EQ(sender, &selector);
        ++selects;
    };
    EXPECT_TRUE(selector.LookupItem(QStringLiteral("AB")));
    EXPECT_EQ(selector.ItemIndex(), 3);
    EXPECT_TRUE(selector.LookupItem(QStringLiteral("BE")));  // tags and blanks do not count
    EXPECT_EQ(selector.ItemIndex(), 1);
    EXPECT_FALSE(selector.LookupItem(QStringLiteral("ab")));
    EXPECT_EQ(selector.ItemIndex(), 1);
    EXPECT_EQ(selects, 2);
    selector.SetItemIndex(1);  // again: raised again
    EXPECT_EQ(selects, 3);
    selector.SetItemIndex(-1);
    EXPECT_EQ(selects, 3);

    selector.SelectNext();
    EXPECT_EQ(selector.ItemIndex(), 0);  // nothing selected: the first
    selector.SelectLast();
    selector.SelectNext();
    EXPECT_EQ(selector.ItemIndex(), 4);  // no wrapping
    selector.SelectFirst();
    selector.SelectPrevious();
    EXPECT_EQ(selector.ItemIndex(), 0);

    // Disabled items are neither selected nor hot; a click selects with any button.
    selector.Items()[2].Enabled = false;
    QTest::mouseClick(&panel, Qt::RightButton, Qt::NoModifier, {5, 25});
    EXPECT_EQ(selector.ItemIndex(), 0);
    QTest::mouseClick(&panel, Qt::RightButton, Qt::NoModifier, {45, 25});
    EXPECT_EQ(selector.ItemIndex(), 3);
    QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, {50, 50});
    EXPECT_EQ(selector.ItemIndex(), 3);
    panel.SetItemHot(2);
    EXPECT_EQ(selector.ItemHot(), -1);
    selector.HotNext();
    selector.HotNext();
    EXPECT_EQ(selector.ItemHot(), 1);
    selector.UpdateSelectorPanel();  // a relayout clears the hot item, keeps the selection
    EXPECT_EQ(selector.ItemHot(), -1);
    EXPECT_EQ(selector.ItemIndex(), 3);
}

TEST(ItemSelector, VisibleCountAndScrollingIntoView)
{
    dropdown_testing::PickerHost<TExCustomItemSelector> host;
    TExCustomItemSelector& selector = *host.Picker;
    selector.resize(120, 100);
    fixedItemSize(selector, {40, 24});
    selector.SetColumns(2);
    for (int i = 0; i < 20; ++i) selector.Items().Add().Caption = QString::number(i);
    selector.UpdateSelectorPanel();
    QApplication::processEvents();
    EXPECT_EQ(selector.GetVisibleItemCount(), 8);  // 100 div 24 = 4 rows of 2
    EXPECT_EQ(selector.GetSelectorSize(), QSize(84, 244));
    QScrollBar* bar = selector.verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    selector.SetItemIndex(19);  // row 10: bottom at 242
    EXPECT_EQ(bar->value(), 242 - selector.viewport()->height());
    selector.SetItemIndex(0);
    EXPECT_EQ(bar->value(), 2);  // the item's top at the top of the view
    selector.SelectNext();
    EXPECT_EQ(bar->value(), 2);  // already in view

    // Removing the image list lays out again without images.
    auto* images = new TImageList(32, 32);
    QImage square(32, 32, QImage::Format_RGB32);
    square.fill(Qt::red);
    images->Add(square);
    selector.OnItemSize = nullptr;
    selector.SetImages(images);
    selector.Items()[0].ImageIndex = 0;
    selector.UpdateSelectorPanel();
    EXPECT_GE(selector.Panel()->GetItemRect(0).Height(), 40);
    delete images;
    EXPECT_EQ(selector.Images(), nullptr);
    EXPECT_LT(selector.Panel()->GetItemRect(0).Height(), 40);
}

TEST(ItemSelector, ResizingRaisesOnResizeAndAThrowingHandlerStaysInside)
{
    TExCustomItemSelector selector;
    selector.resize(120, 100);
    int resizes = 0;
    selector.OnResize = [&](QObject* sender) {
        EXPECT_EQ(sender, &selector);
        ++resizes;
    };
    selector.show();
    QApplication::processEvents();
    const int shown = resizes;
    selector.resize(150, 80);
    QApplication::processEvents();
    EXPECT_EQ(resizes, shown + 1);
    selector.OnResize = [](QObject*) { throw std::runtime_error("resize"); };
    EXPECT_NO_THROW({
        selector.resize(160, 90);
        QApplication::processEvents();
    });
}

TEST(ItemSelector, Screenshot)
{
    dropdown_testing::PickerHost<TExCustomItemSelector> host;
    TExCustomItemSelector& selector = *host.Picker;
    selector.resize(280, 140);
    selector.SetSelectorType(stColor);
    selector.SetColumns(3);
    const std::pair<const char*, TColor> colours[] = {{"Red", clRed},     {"<b>Green</b>", clGreen}, {"Blue", clBlue},
                                                      {"Yellow", clYellow}, {"<i>Navy</i>", clNavy},  {"Teal", clTeal},
                                                      {"Silver", clSilver}};
    for (const auto& [caption, colour] : colours) {
        TSelectorItem& item = selector.Items().Add();
        item.Caption = QString::fromLatin1(caption);
        item.Color = colour;
    }
    selector.UpdateSelectorPanel();
    selector.SetItemIndex(1);
    selector.Panel()->SetItemHot(4);
    QApplication::processEvents();
    dropdown_testing::saveScreenshot(selector.grab().toImage(), QStringLiteral("item_selector.png"));
}
