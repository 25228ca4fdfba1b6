#include <gtest/gtest.h>

#include <QTest>

#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/grid_dropdown/ex_custom_grid_dropdown.h"
#include "controls/dropdown/picker_test_support.h"

using namespace dropdown;
using namespace dropdown_testing;
using platform::VK_DOWN;
using platform::VK_RETURN;

namespace {

// Columns Code and Name; Name is the lookup column.
struct GridHost : PickerHost<TCustomExGridDropDown> {
    explicit GridHost(const QStringList& names = {"Pear", "Apple", "Banana", "Brie", "Cherry", "Damson", "Fig"})
    {
        TCustomExGridDropDown& d = *Picker;
        d.Columns().Add().Header = QStringLiteral("Code");
        d.Columns().Add().Header = QStringLiteral("Name");
        d.SetLookupColumn(1);
        d.BeginUpdate();
        for (int i = 0; i < names.size(); ++i) d.Items().Add({QStringLiteral("c%1").arg(i), names[i]});
        d.EndUpdate();
        d.OnSelect = [this](QObject*) { ++Selects; };
    }
    griddropdown::TExColGrid& grid() { return *Picker->GetGrid(); }
    void open()
    {
        Picker->ShowDropDown();
        QApplication::processEvents();
    }
    void gridKey(Qt::Key key) { QTest::keyClick(&grid(), key); }
    void gridChar(char c) { QTest::keyClicks(&grid(), QString(QLatin1Char(c))); }
    void clickCell(int col, int row)
    {
        const platform::TRect r = grid().CellRect(col, row);
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(r.Left + 5, r.Top + 5));
    }
    int Selects = 0;
};

}  // namespace

TEST(GridDropDown, ValuesAfterConstruction)
{
    GridHost host(QStringList{});
    TCustomExGridDropDown& d = *host.Picker;
    EXPECT_TRUE(d.UseItems());
    EXPECT_EQ(d.LookupMethod(), lmLookup);
    EXPECT_EQ(d.Style(), dsDropDown);
    EXPECT_EQ(d.Sorting(), gsNone);
    EXPECT_TRUE(d.AutoSizeColumns());
    EXPECT_TRUE(d.RowSelect());
    EXPECT_EQ(d.HoverRowColor(), clInfoBk);
    EXPECT_EQ(d.HeaderFont().Color, TColor(0x723708));
    EXPECT_EQ(d.LineColor(), 0xF1EDEBu);
    EXPECT_EQ(d.Navigation().HomeEndKey, grid::heFirstLastRow);
    EXPECT_EQ(d.Version(), QStringLiteral("6.0.1.1"));
    ASSERT_NE(d.GetGrid(), nullptr);
    EXPECT_TRUE(d.GetGrid()->FixedRowAlways());
    // Writing the style sets whether the text is typed.
    d.SetStyle(dsDropDownList);
    EXPECT_FALSE(d.EditorEnabled());
    d.SetStyle(dsDropDown);
    EXPECT_TRUE(d.EditorEnabled());
    // The 2010 styles leave the list look alone.
    d.SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(d.HeaderColor(), clWhite);
    d.SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(d.HeaderColor(), 0xD68759u);
}

TEST(GridDropDown, ItemModeLoadsRowsWithTheirItems)
{
    GridHost host;
    TCustomExGridDropDown& d = *host.Picker;
    d.SetItemIndex(4);
    host.open();
    auto& g = host.grid();
    EXPECT_EQ(g.RowCount(), 8);
    EXPECT_EQ(g.GetCellEx(1, 0), QStringLiteral("Name"));
    EXPECT_EQ(g.RowItem(0), -1);  // the header row
    EXPECT_EQ(g.GetCellEx(1, 3), QStringLiteral("Banana"));
    EXPECT_EQ(g.RowItem(3), 2);
    EXPECT_EQ(g.Row(), 5);  // the chosen item's row
    EXPECT_EQ(d.DropDownForm()->height(), 185);
    EXPECT_EQ(d.ItemOfRow(3), 2);
    EXPECT_EQ(d.RowOfItem(2), 3);
    EXPECT_EQ(d.RowOfItem(99), 4);  // none carries it: the current ItemIndex
    // Enter at once keeps item 4.
    host.gridKey(Qt::Key_Return);
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_EQ(d.ItemIndex(), 4);
    EXPECT_EQ(d.Text(), QStringLiteral("Cherry"));
    EXPECT_EQ(host.Selects, 1);
}

TEST(GridDropDown, HeaderSortKeepsTheChosenItem)
{
    GridHost host;
    TCustomExGridDropDown& d = *host.Picker;
    d.SetSorting(gsSingleColumn);
    d.SetItemIndex(2);  // Banana
    host.open();
    auto& g = host.grid();
    ASSERT_EQ(g.Row(), 3);
    host.clickCell(1, 0);  // sorts by Name
    EXPECT_EQ(g.GetCellEx(1, 1), QStringLiteral("Apple"));
    EXPECT_EQ(g.GetCellEx(1, 2), QStringLiteral("Banana"));
    EXPECT_EQ(g.RowItem(2), 2);
    EXPECT_EQ(g.Row(), 2);  // the row that holds item 2
    host.gridKey(Qt::Key_Return);
    EXPECT_EQ(d.ItemIndex(), 2);  // not the item now in row 3
    EXPECT_EQ(d.Text(), QStringLiteral("Banana"));
    // The next opening sorts again and still finds the item.
    host.open();
    EXPECT_EQ(g.GetCellEx(1, 1), QStringLiteral("Apple"));
    EXPECT_EQ(g.Row(), 2);
    d.HideDropDown(true);
}

TEST(GridDropDown, GridModeItemIndexCountsRows)
{
    GridHost host(QStringList{});
    TCustomExGridDropDown& d = *host.Picker;
    d.SetUseItems(false);
    auto& g = host.grid();
    g.SetColCount(2);
    g.SetRowCount(4);
    for (int r = 1; r < 4; ++r) {
        g.SetCellEx(0, r, QString::number(r));
        g.SetCellEx(1, r, QStringLiteral("Row %1").arg(r));
    }
    d.SetItemIndex(0);
    EXPECT_EQ(d.Text(), QStringLiteral("Row 1"));
    d.SetText(QStringLiteral("edited"));
    d.SetItemIndex(0);  // the same index: the text stays
    EXPECT_EQ(d.Text(), QStringLiteral("edited"));
    d.SetItemIndex(g.RowCount());  // ignored
    EXPECT_EQ(d.ItemIndex(), 0);
    d.SetItemIndex(3);  // below RowCount but beyond the last row: no text
    EXPECT_EQ(d.Text(), QString());
    EXPECT_EQ(d.ItemCount(), 3);

    // Opening finds the row of the text; the list follows the grid.
    d.SetItemIndex(1);
    host.open();
    EXPECT_EQ(g.Row(), 2);
    EXPECT_GE(d.Columns().Count(), 2);
    host.gridKey(Qt::Key_Down);
    EXPECT_EQ(d.ItemIndex(), 2);
    EXPECT_EQ(d.Text(), QStringLiteral("Row 3"));
    host.gridKey(Qt::Key_Return);
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_EQ(d.ItemIndex(), 2);
}

TEST(GridDropDown, NarrowDownWhileTypingInTheEdit)
{
    GridHost host;
    TCustomExGridDropDown& d = *host.Picker;
    d.SetLookupMethod(lmNarrowDown);
    auto& g = host.grid();
    host.open();
    d.HideDropDown(true);
    d.setFocus();
    d.SetText(QString());
    QTest::keyClicks(&d, QStringLiteral("b"));
    EXPECT_EQ(g.RowCount(), 3);  // the header, Banana and Brie
    EXPECT_EQ(d.text(), QStringLiteral("Banana"));
    EXPECT_EQ(d.selectedText(), QStringLiteral("anana"));
    QTest::keyClicks(&d, QStringLiteral("r"));
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(d.text(), QStringLiteral("Brie"));
    // Entering the control again removes the narrowing.
    host.Window.setFocus();
    d.setFocus();
    QApplication::processEvents();
    EXPECT_EQ(g.RowCount(), 8);
    EXPECT_EQ(d.LookupEntry(), QString());
}

TEST(GridDropDown, NarrowDownInTheOpenListChoosesTheFirstRow)
{
    GridHost host;
    TCustomExGridDropDown& d = *host.Picker;
    d.SetLookupMethod(lmNarrowDown);
    host.open();
    host.gridChar('c');
    auto& g = host.grid();
    EXPECT_EQ(g.RowCount(), 2);  // Cherry only
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(d.ItemIndex(), 4);
    host.gridKey(Qt::Key_Return);
    EXPECT_EQ(d.ItemIndex(), 4);
    EXPECT_EQ(d.Text(), QStringLiteral("Cherry"));
}

TEST(GridDropDown, LookupByStyle)
{
    // A drop-down list restarts the search at the new character.
    GridHost list({"Banana", "Xylophone"});
    list.Picker->SetStyle(dsDropDownList);
    list.open();
    list.gridChar('b');
    EXPECT_EQ(list.Picker->Text(), QStringLiteral("Banana"));
    list.gridChar('x');
    EXPECT_EQ(list.Picker->Text(), QStringLiteral("Xylophone"));
    EXPECT_EQ(list.Picker->LookupEntry(), QStringLiteral("x"));
    EXPECT_EQ(list.grid().Row(), 2);
    EXPECT_EQ(list.Picker->ItemIndex(), 1);

    // An editable drop-down just fails and forgets the entry.
    GridHost edit({"Banana", "Xylophone"});
    edit.open();
    edit.gridChar('b');
    edit.gridChar('x');
    EXPECT_EQ(edit.Picker->Text(), QStringLiteral("Banana"));
    EXPECT_EQ(edit.Picker->LookupEntry(), QString());

    // No lookup: typing in the edit changes only the text (completion stays).
    GridHost none({"Banana", "Xylophone"});
    none.Picker->SetLookupMethod(lmNone);
    none.Picker->setFocus();
    QTest::keyClicks(none.Picker, QStringLiteral("x"));
    EXPECT_EQ(none.Picker->text(), QStringLiteral("Xylophone"));
    EXPECT_EQ(none.Picker->LookupEntry(), QString());
}

TEST(GridDropDown, HomeAndEndStepOnlyADropDownList)
{
    GridHost host;
    TCustomExGridDropDown& d = *host.Picker;
    d.SetItemIndex(3);
    d.KeyDownMessage(platform::VK_HOME);
    d.KeyDownMessage(platform::VK_END);
    EXPECT_EQ(d.ItemIndex(), 3);
    d.SetStyle(dsDropDownList);
    d.KeyDownMessage(platform::VK_HOME);
    EXPECT_EQ(d.ItemIndex(), 0);
    d.KeyDownMessage(platform::VK_END);
    EXPECT_EQ(d.ItemIndex(), 6);
    platform::setKeyboardStateOverride(platform::ssShift);
    d.KeyDownMessage(platform::VK_HOME);
    platform::setKeyboardStateOverride(0);
    EXPECT_EQ(d.ItemIndex(), 6);
}

TEST(GridDropDown, EditableGridKeepsThePopupOpen)
{
    GridHost host;
    TCustomExGridDropDown& d = *host.Picker;
    d.SetGridEditable(true);
    host.open();
    host.gridKey(Qt::Key_Down);
    host.gridKey(Qt::Key_Return);
    EXPECT_TRUE(d.DroppedDown());
    EXPECT_EQ(d.ItemIndex(), 1);
    EXPECT_EQ(host.Selects, 1);
    d.HideDropDown(true);
}

TEST(GridDropDown, KeysInTheOpenListReachTheGridEventsWithTheDropDownAsSender)
{
    GridHost host;
    TCustomExGridDropDown& d = *host.Picker;
    QObject* pressSender = nullptr;
    QObject* downSender = nullptr;
    QObject* upSender = nullptr;
    int editKeys = 0;
    d.OnGridKeyPress = [&](QObject* s, QChar&) { pressSender = s; };
    d.OnGridKeyDown = [&](QObject* s, platform::Word&, platform::TShiftState) { downSender = s; };
    d.OnGridKeyUp = [&](QObject* s, platform::Word&, platform::TShiftState) { upSender = s; };
    d.OnKeyDown = [&](QObject*, platform::Word&, platform::TShiftState) { ++editKeys; };
    host.open();
    host.gridKey(Qt::Key_Down);
    EXPECT_EQ(downSender, &d);
    EXPECT_EQ(upSender, &d);
    EXPECT_EQ(editKeys, 0);  // Down stays in the grid
    EXPECT_EQ(host.grid().Row(), 2);
    host.gridChar('f');
    EXPECT_EQ(pressSender, &d);
    EXPECT_EQ(d.Text(), QStringLiteral("Fig"));
    host.gridKey(Qt::Key_Tab);  // changes nothing
    EXPECT_TRUE(d.DroppedDown());
    EXPECT_EQ(d.Text(), QStringLiteral("Fig"));
    host.gridKey(Qt::Key_Escape);
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_EQ(d.ItemIndex(), -1);
}

TEST(GridDropDown, WheelMovesWithoutChoosingAndAClickChooses)
{
    GridHost host;
    TCustomExGridDropDown& d = *host.Picker;
    d.SetItemIndex(0);
    host.open();
    auto& g = host.grid();
    const QPoint at = g.viewport()->rect().center();
    QWheelEvent wheel(at, g.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(g.viewport(), &wheel);
    EXPECT_GT(g.Row(), 1);
    EXPECT_EQ(d.ItemIndex(), 0);
    d.DropDownForm()->HandleActivation(false, &host.Window);
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_EQ(d.ItemIndex(), 0);

    host.open();
    host.clickCell(1, 4);
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_EQ(d.ItemIndex(), 3);
    // A click on the header or a right click chooses nothing.
    host.open();
    const platform::TRect r = g.CellRect(1, 2);
    QTest::mouseClick(g.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(r.Left + 5, r.Top + 5));
    EXPECT_TRUE(d.DroppedDown());
    d.HideDropDown(true);
}

TEST(GridDropDown, BlockFocusNeverLeavesThePopupUnableToClose)
{
    GridHost host;
    TCustomExGridDropDown& d = *host.Picker;
    host.open();
    auto& g = host.grid();
    // A move or drag of the grid's own keeps the pop-up while it runs ...
    g.OnStartBlockFocus(&g);
    EXPECT_TRUE(d.DropDownForm()->BlockActivate);
    d.DropDownForm()->HandleActivation(false, &host.Window);
    EXPECT_TRUE(d.DroppedDown());
    // ... and its end frees it.
    g.OnEndBlockFocus(&g);
    EXPECT_FALSE(d.DropDownForm()->BlockActivate);
    d.DropDownForm()->HandleActivation(false, &host.Window);
    EXPECT_FALSE(d.DroppedDown());
    // A start that never saw its end is forgotten at the next opening.
    g.OnStartBlockFocus(&g);
    host.open();
    EXPECT_FALSE(d.DropDownForm()->BlockActivate);
    d.DropDownForm()->HandleActivation(false, &host.Window);
    EXPECT_FALSE(d.DroppedDown());
}

TEST(GridDropDown, ScreenshotOpen)
{
    GridHost host;
    TCustomExGridDropDown& d = *host.Picker;
    d.SetSorting(gsSingleColumn);
    d.SetItemIndex(2);
    host.open();
    saveScreenshot(host.Screenshot(), QStringLiteral("grid_dropdown_open.png"));
    d.HideDropDown(true);
}
