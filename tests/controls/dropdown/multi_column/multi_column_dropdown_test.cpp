#include <gtest/gtest.h>

#include <QTest>

#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/multi_column/ex_multi_column_dropdown.h"
#include "controls/dropdown/picker_test_support.h"

using namespace dropdown;
using namespace dropdown_testing;
using platform::VK_DOWN;
using platform::VK_ESCAPE;
using platform::VK_RETURN;

namespace {

// Columns Code, Name and Note; Name is the lookup column.
struct MultiHost : PickerHost<TExMultiColumnDropDown> {
    explicit MultiHost(const QStringList& names = {"Apple", "apricot", "Banana", "Brie"})
    {
        TExMultiColumnDropDown& d = *Picker;
        d.Columns().Add().Header = QStringLiteral("Code");
        d.Columns().Add().Header = QStringLiteral("Name");
        d.Columns().Add().Header = QStringLiteral("Note");
        d.SetLookupColumn(1);
        d.BeginUpdate();
        for (int i = 0; i < names.size(); ++i) d.Items().Add({QString::number(i + 1), names[i], QStringLiteral("n")});
        d.EndUpdate();
        d.OnSelect = [this](QObject*) { ++Selects; };
    }
    void type(const char* keys) { QTest::keyClicks(Picker, QString::fromLatin1(keys)); }
    // A key pressed in the open list.
    void listKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Picker->ListGrid(), key, modifiers);
    }
    void listChar(char c) { QTest::keyClicks(Picker->ListGrid(), QString(QLatin1Char(c))); }
    int Selects = 0;
};

}  // namespace

TEST(MultiColumnDropDown, ValuesAfterConstruction)
{
    MultiHost host(QStringList{});
    const TExMultiColumnDropDown& d = *host.Picker;
    EXPECT_EQ(d.ItemIndex(), -1);
    EXPECT_EQ(d.HeaderHeight(), 25);
    EXPECT_EQ(d.HeaderColor(), clWhite);
    EXPECT_EQ(d.HeaderColorTo(), clGray);
    EXPECT_EQ(d.HeaderFont().Color, TColor(0x723708));
    EXPECT_EQ(d.LineColor(), 0xF1EDEBu);
    EXPECT_EQ(d.FixedLineColor(), 0xD1BBA4u);
    EXPECT_EQ(d.DropDownRowHeight(), 22);
    EXPECT_EQ(d.DropDownHeight(), 200);
    EXPECT_TRUE(d.DropDownAutoWidth());
    EXPECT_TRUE(d.ColumnSizeWithDropDown());
    EXPECT_TRUE(d.AutoSelect());
    ASSERT_NE(d.ListGrid(), nullptr);
}

TEST(MultiColumnDropDown, ItemIndexAndLookupTexts)
{
    MultiHost host;
    TExMultiColumnDropDown& d = *host.Picker;
    d.SetItemIndex(2);
    EXPECT_EQ(d.Text(), QStringLiteral("Banana"));
    d.SetItemIndex(d.Items().Count());  // ignored
    EXPECT_EQ(d.ItemIndex(), 2);
    EXPECT_EQ(d.Text(), QStringLiteral("Banana"));
    d.SetItemIndex(-1);
    EXPECT_EQ(d.Text(), QString());
    EXPECT_EQ(d.GetItemIndex(QStringLiteral("Apple")), 0);
    EXPECT_EQ(d.GetItemIndex(QStringLiteral("apple")), -1);  // exact
    EXPECT_EQ(d.ItemIndex(), -1);                             // looking up never selects

    // An item without a lookup text shows an empty text and is never found.
    d.Items().Add({QStringLiteral("9")});
    d.EndUpdate();
    d.SetItemIndex(4);
    EXPECT_EQ(d.Text(), QString());
    EXPECT_EQ(d.GetItemIndex(QString()), -1);

    // Mended: a negative lookup column empties the lookup list, so no stale
    // index reaches ItemIndex through completion.
    d.SetLookupColumn(-1);
    d.EndUpdate();
    EXPECT_TRUE(d.LookupList().isEmpty());
    d.SetItemIndex(-1);
    host.type("ap");
    EXPECT_EQ(d.ItemIndex(), -1);
    EXPECT_EQ(d.Text(), QStringLiteral("ap"));
}

TEST(MultiColumnDropDown, CompletionKeepsTypedCaseUntilTheKeyIsReleased)
{
    MultiHost host;
    TExMultiColumnDropDown& d = *host.Picker;
    // The key press alone: the typed letters keep their case.
    QTest::keyPress(&d, Qt::Key_A, Qt::NoModifier);
    QTest::keyPress(&d, Qt::Key_P, Qt::NoModifier);
    EXPECT_EQ(d.text(), QStringLiteral("apple"));
    EXPECT_EQ(d.selectedText(), QStringLiteral("ple"));
    EXPECT_EQ(d.ItemIndex(), 0);
    // The release confirms: the item's text in its stored case.
    QTest::keyRelease(&d, Qt::Key_P, Qt::NoModifier);
    EXPECT_EQ(d.text(), QStringLiteral("Apple"));
    EXPECT_EQ(d.selectedText(), QStringLiteral("ple"));

    MultiHost cased;
    cased.Picker->SetMatchCase(true);
    cased.type("ap");
    EXPECT_EQ(cased.Picker->text(), QStringLiteral("apricot"));
    EXPECT_EQ(cased.Picker->ItemIndex(), 1);
}

TEST(MultiColumnDropDown, DeletingNeverCompletesAgainAndUnmatchedTextIsCutAtTheCaret)
{
    MultiHost host;
    TExMultiColumnDropDown& d = *host.Picker;
    host.type("ban");
    EXPECT_EQ(d.text(), QStringLiteral("Banana"));
    QTest::keyClick(&d, Qt::Key_Backspace);  // removes the selected tail
    EXPECT_EQ(d.text(), QStringLiteral("Ban"));
    QTest::keyClick(&d, Qt::Key_Backspace);
    EXPECT_EQ(d.text(), QStringLiteral("Ba"));
    host.type("x");  // completion is back on, but nothing matches
    EXPECT_EQ(d.text(), QStringLiteral("Bax"));
    EXPECT_TRUE(d.selectedText().isEmpty());
    // A text whose typed part matches nothing loses what followed the caret.
    d.SetText(QStringLiteral("zzz"));
    d.setCursorPosition(1);
    host.type("q");
    EXPECT_EQ(d.text(), QStringLiteral("zq"));
}

TEST(MultiColumnDropDown, EnterTakesTheStoredCaseAndReturnIsTabMovesOn)
{
    MultiHost host;
    TExMultiColumnDropDown& d = *host.Picker;
    d.SetText(QStringLiteral("BRIE"));
    d.KeyDownMessage(VK_RETURN);
    EXPECT_EQ(d.Text(), QStringLiteral("Brie"));
    EXPECT_EQ(d.ItemIndex(), 3);

    // With ReturnIsTab the focus moves on and no Enter character arrives.
    QLineEdit next(&host.Window);
    next.show();
    d.SetReturnIsTab(true);
    QString seen;
    d.OnKeyPress = [&](QObject*, QChar& key) { seen += key; };
    d.setFocus();
    d.SetText(QStringLiteral("apple"));
    QTest::keyClick(&d, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(d.Text(), QStringLiteral("Apple"));
    EXPECT_EQ(d.ItemIndex(), 0);
    EXPECT_FALSE(seen.contains(QChar(u'\r')));
    EXPECT_TRUE(next.hasFocus());
}

TEST(MultiColumnDropDown, NavigationKeysInTheEdit)
{
    QStringList names;
    for (int i = 0; i < 12; ++i) names << QStringLiteral("Item %1").arg(i);
    MultiHost host(names);
    TExMultiColumnDropDown& d = *host.Picker;
    const struct { int from; platform::Word key; int to; } cases[] = {
        {5, platform::VK_NEXT, 11}, {0, platform::VK_NEXT, 10}, {-1, platform::VK_NEXT, 0},
        {4, platform::VK_PRIOR, 0}, {3, platform::VK_DOWN, 4}, {11, platform::VK_DOWN, 11},
        {3, platform::VK_UP, 2}, {0, platform::VK_UP, 0},
        {5, platform::VK_HOME, 5}, {5, platform::VK_END, 5},  // the text is editable
    };
    for (const auto& c : cases) {
        d.SetItemIndex(c.from);
        d.KeyDownMessage(c.key);
        EXPECT_EQ(d.ItemIndex(), c.to) << "key " << c.key << " from " << c.from;
        if (c.to >= 0) {
            EXPECT_EQ(d.Text(), names[c.to]);
        }
    }
    d.SetEditorEnabled(false);
    d.SetItemIndex(5);
    d.KeyDownMessage(platform::VK_HOME);
    EXPECT_EQ(d.ItemIndex(), 0);
    d.KeyDownMessage(platform::VK_END);
    EXPECT_EQ(d.ItemIndex(), 11);
}

TEST(MultiColumnDropDown, OpeningHeightRowsAndColumnSpreading)
{
    MultiHost host;
    TExMultiColumnDropDown& d = *host.Picker;
    d.ShowDropDown();
    ASSERT_TRUE(d.DroppedDown());
    // Opening with ItemIndex -1 highlights row 1 but chooses nothing.
    EXPECT_EQ(d.ListGrid()->Row(), 1);
    EXPECT_EQ(d.ItemIndex(), -1);
    EXPECT_EQ(d.Text(), QString());
    EXPECT_EQ(d.DropDownForm()->height(), 181);
    // The pop-up follows the columns' width, which are then spread over it.
    const int form = d.DropDownForm()->width();
    int sum = 0;
    for (int c = 0; c < 3; ++c) sum += d.ListGrid()->ColWidths(c);
    EXPECT_NEAR(sum, form, 3);
    EXPECT_EQ(d.ListGrid()->RowCount(), 5);
    EXPECT_EQ(d.ListGrid()->RowHeights(0), 25);
    d.HideDropDown(true);

    // Columns of 80 on a 200-pixel pop-up without auto width: 66, 66, 67.
    d.SetDropDownAutoWidth(false);
    d.SetDropDownWidth(200);
    d.ShowDropDown();
    EXPECT_EQ(d.DropDownForm()->width(), 200);
    EXPECT_EQ(d.ListGrid()->ColWidths(0), 66);
    EXPECT_EQ(d.ListGrid()->ColWidths(1), 66);
    EXPECT_EQ(d.ListGrid()->ColWidths(2), 67);
    d.HideDropDown(true);
}

TEST(MultiColumnDropDown, AutoSizedAndWrappedColumns)
{
    MultiHost host({"A", "A much longer name"});
    TExMultiColumnDropDown& d = *host.Picker;
    d.SetColumnSizeWithDropDown(false);
    d.Columns()[1].AutoSize = true;
    d.ShowDropDown();
    const QFontMetrics fm(d.Columns()[1].Font);
    const int widest = fm.horizontalAdvance(QStringLiteral("A much longer name")) + 6;
    EXPECT_NEAR(d.ListGrid()->ColWidths(1), widest, 2);
    EXPECT_EQ(d.ListGrid()->RowHeights(1), 22);
    d.HideDropDown(true);

    // A wrapping column: every item row is at least 24 high, long texts more.
    d.Columns()[1].AutoSize = false;
    d.Columns()[1].Width = 40;
    d.Columns()[1].Wordwrap = true;
    d.ShowDropDown();
    EXPECT_EQ(d.ListGrid()->RowHeights(1), 24);
    EXPECT_GT(d.ListGrid()->RowHeights(2), 3 * fm.height());
    d.HideDropDown(true);

    // No items: auto-sized columns get width 0.
    MultiHost empty(QStringList{});
    empty.Picker->SetColumnSizeWithDropDown(false);
    empty.Picker->Columns()[0].AutoSize = true;
    empty.Picker->ShowDropDown();
    EXPECT_EQ(empty.Picker->ListGrid()->ColWidths(0), 0);
    EXPECT_EQ(empty.Picker->ListGrid()->RowCount(), 1);
    empty.Picker->KeyDownMessage(VK_DOWN);  // navigation does nothing
    EXPECT_EQ(empty.Picker->ItemIndex(), -1);
}

TEST(MultiColumnDropDown, EscapeRestoresClickOutsideKeeps)
{
    MultiHost host;
    TExMultiColumnDropDown& d = *host.Picker;
    d.SetItemIndex(0);
    d.ShowDropDown();
    host.listKey(Qt::Key_Down);
    host.listKey(Qt::Key_Down);
    EXPECT_EQ(d.ItemIndex(), 2);  // the text follows the highlighted row
    EXPECT_EQ(d.Text(), QStringLiteral("Banana"));
    host.listKey(Qt::Key_Escape);
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_EQ(d.ItemIndex(), 0);
    EXPECT_EQ(d.Text(), QStringLiteral("Apple"));

    d.ShowDropDown();
    host.listKey(Qt::Key_Down);
    host.listKey(Qt::Key_Down);
    // Losing the activation closes the pop-up as not cancelled.
    d.DropDownForm()->HandleActivation(false, &host.Window);
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_EQ(d.ItemIndex(), 2);
    EXPECT_EQ(host.Selects, 0);
}

TEST(MultiColumnDropDown, WheelMovesTheHighlightWithoutChoosing)
{
    MultiHost host;
    TExMultiColumnDropDown& d = *host.Picker;
    d.SetItemIndex(0);
    d.ShowDropDown();
    const QPoint at = d.ListGrid()->viewport()->rect().center();
    QWheelEvent wheel(at, d.ListGrid()->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(d.ListGrid()->viewport(), &wheel);
    EXPECT_EQ(d.ListGrid()->Row(), 2);
    EXPECT_EQ(d.ItemIndex(), 0);
    EXPECT_EQ(d.Text(), QStringLiteral("Apple"));
    d.DropDownForm()->HandleActivation(false, &host.Window);
    EXPECT_EQ(d.ItemIndex(), 0);  // a click outside keeps the old item

    // Enter after a wheel step chooses the highlighted row.
    d.ShowDropDown();
    QApplication::sendEvent(d.ListGrid()->viewport(), &wheel);
    host.listKey(Qt::Key_Return);
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_EQ(d.ItemIndex(), 1);
    EXPECT_EQ(host.Selects, 1);
}

TEST(MultiColumnDropDown, ClickOnARowChoosesItTabChangesNothing)
{
    MultiHost host;
    TExMultiColumnDropDown& d = *host.Picker;
    d.ShowDropDown();
    QApplication::processEvents();
    host.listKey(Qt::Key_Tab);
    EXPECT_TRUE(d.DroppedDown());
    EXPECT_EQ(d.ItemIndex(), -1);
    const platform::TRect r = d.ListGrid()->CellRect(0, 3);
    QTest::mouseClick(d.ListGrid()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(r.Left + 5, r.Top + 5));
    EXPECT_FALSE(d.DroppedDown());
    EXPECT_EQ(d.ItemIndex(), 2);
    EXPECT_EQ(host.Selects, 1);
}

TEST(MultiColumnDropDown, IncrementalLookupInTheOpenList)
{
    MultiHost host;
    TExMultiColumnDropDown& d = *host.Picker;
    d.ShowDropDown();
    host.listChar('b');
    EXPECT_EQ(d.Text(), QStringLiteral("Banana"));
    EXPECT_EQ(d.selectedText(), QStringLiteral("anana"));
    EXPECT_EQ(d.ItemIndex(), 2);
    EXPECT_EQ(d.ListGrid()->Row(), 3);
    host.listChar('r');
    EXPECT_EQ(d.Text(), QStringLiteral("Brie"));
    EXPECT_EQ(d.LookupEntry(), QStringLiteral("br"));
    EXPECT_EQ(d.ItemIndex(), 3);
    host.listChar('x');  // nothing for brx nor for x
    EXPECT_EQ(d.LookupEntry(), QString());
    EXPECT_EQ(d.Text(), QStringLiteral("Brie"));
    EXPECT_EQ(d.ItemIndex(), 3);
    EXPECT_TRUE(d.DroppedDown());
    // A character that finds nothing with the entry starts a new search.
    host.listChar('b');
    host.listChar('a');
    EXPECT_EQ(d.Text(), QStringLiteral("Banana"));
    host.listChar('a');  // "baa": nothing; "a" alone finds Apple
    EXPECT_EQ(d.Text(), QStringLiteral("Apple"));
    EXPECT_EQ(d.LookupEntry(), QStringLiteral("a"));
    EXPECT_TRUE(d.selectedText().isEmpty());
    d.HideDropDown(false);
}

TEST(MultiColumnDropDown, AltUpInTheListClosesThePopup)
{
    MultiHost host;
    TExMultiColumnDropDown& d = *host.Picker;
    d.ShowDropDown();
    platform::setKeyboardStateOverride(platform::ssAlt);
    host.listKey(Qt::Key_Up, Qt::AltModifier);
    platform::setKeyboardStateOverride(0);
    EXPECT_FALSE(d.DroppedDown());
}

TEST(MultiColumnDropDown, AssignCopiesItemsAndHeaderFont)
{
    MultiHost source;
    source.Picker->Items()[1].ImageIndex = 4;
    source.Picker->HeaderFont().Color = 0x123456;
    source.Picker->SetItemIndex(1);
    MultiHost target(QStringList{});
    target.Picker->Assign(*source.Picker);
    EXPECT_EQ(target.Picker->Items().Count(), 4);
    EXPECT_EQ(target.Picker->Items()[1].ImageIndex, 4);
    EXPECT_EQ(target.Picker->Items()[1].Text, (QStringList{"2", "apricot", "n"}));
    EXPECT_EQ(target.Picker->HeaderFont().Color, TColor(0x123456));
    EXPECT_EQ(target.Picker->ItemIndex(), 1);
    EXPECT_EQ(target.Picker->Text(), QString());  // the index is stored, the text not refreshed
}

TEST(MultiColumnDropDown, ComponentStyleSetsTheListLook)
{
    MultiHost host(QStringList{});
    TExMultiColumnDropDown& d = *host.Picker;
    d.SetComponentStyle(tsWindowsXP);
    EXPECT_EQ(d.HeaderColor(), clBtnFace);
    EXPECT_EQ(d.SelectionTextColor(), clHighlightText);
    EXPECT_EQ(d.SelectionColor(), clHighlight);
    EXPECT_EQ(d.LineColor(), 0xC0C0C0u);
    EXPECT_EQ(d.FixedLineColor(), 0x000000u);
    d.SetComponentStyle(tsWindows7);
    EXPECT_EQ(d.SelectionColorStyle(), scWindows7);
    EXPECT_EQ(d.LineColor(), 0xFBD6B8u);  // the table's, not the selection style's
    d.SetComponentStyle(tsCustom);
    EXPECT_EQ(d.LineColor(), 0xFBD6B8u);
}

TEST(MultiColumnDropDown, ScreenshotOpen)
{
    MultiHost host({"Apple", "apricot", "Banana", "Brie", "Cherry", "Damson"});
    TExMultiColumnDropDown& d = *host.Picker;
    d.Columns()[2].Header = QStringLiteral("Note");
    d.Items()[2].Text[2] = QStringLiteral("yellow, curved");
    d.SetItemIndex(2);
    d.ShowDropDown();
    const QImage shot = host.Screenshot();
    saveScreenshot(shot, QStringLiteral("multi_column_dropdown_open.png"));
    // The header row is drawn in the header gradient, not left blank.
    const QPoint header = d.DropDownForm()->geometry().topLeft() - host.Window.mapToGlobal(QPoint(0, 0)) +
                          QPoint(5, 5);
    EXPECT_NE(shot.pixelColor(header), QColor(Qt::white));
    d.HideDropDown(true);
}
