// The selection paste with the smart clipboard: a single value filled into
// the selection, number, date and time series continued, the block repeated
// exactly, and the whole paste undone in one step.

#include <gtest/gtest.h>

#include "clipboard_grid_support.h"
#include "controls/grid/cells/grid_undo.h"
#include "controls/grid/scoped_value.h"
#include "platform/format_settings.h"
#include "support/qt_printers.h"

using namespace grid;
using clipboard_test::TRecordingGrid;

namespace smart_fill_test {

// Day/month/year dates with "/", times with ":", a point for decimals.
struct TLocale {
    TScopedValue<platform::FormatSettings> Saved{platform::formatSettings(), platform::FormatSettings{}};
};

struct SmartGrid : TRecordingGrid {
    SmartGrid() : TRecordingGrid(8, 10) { Navigation().AllowSmartClipboard = true; }
    // Pastes `text` into the selection.
    void paste(const QString& text, const platform::TGridRect& selection)
    {
        clipboard_test::setClipboardText(text);
        SetSelection(selection);
        PasteSelectionFromClipboard();
    }
};

TEST(SmartFill, WithoutTheSmartClipboardOnlyTheBlockIsWritten)
{
    SmartGrid g;
    g.Navigation().AllowSmartClipboard = false;
    g.paste("1\r\n3\r\n", {1, 1, 1, 5});
    EXPECT_EQ(g.Texts({1, 1, 1, 5}), QStringList({"1", "3", "1,3", "1,4", "1,5"}));
}

TEST(SmartFill, ASingleValueFillsEveryEditableCell)
{
    for (const QString& text : {QString("7"), QString("7\r\n")}) {
        SmartGrid g;
        g.SetReadOnly(2, 2, true);
        g.paste(text, {1, 1, 3, 2});
        EXPECT_EQ(g.Texts({1, 1, 3, 2}), QStringList({"7", "7", "7", "7", "2,2", "7"})) << text.toStdString();
        EXPECT_EQ(g.Befores, 1);
        EXPECT_EQ(g.GetCellEx(4, 1), "4,1");
    }
}

TEST(SmartFill, SeriesContinueFromTheFirstTwoCells)
{
    TLocale locale;
    struct Case {
        const char* name;
        QString text;
        QString floatFormat;
        QStringList column;
    } const cases[] = {
        {"integers", "1\r\n3\r\n", "%.2f", {"1", "3", "5", "7", "9", "11"}},
        {"decimals", "1.5\r\n2\r\n", "%.2f", {"1.50", "2.00", "2.50", "3.00", "3.50", "4.00"}},
        {"by months", "15/01/2021\r\n15/02/2021\r\n", "",
         {"15/01/2021", "15/02/2021", "15/03/2021", "15/04/2021", "15/05/2021", "15/06/2021"}},
        {"by years", "01/06/2019\r\n01/06/2020\r\n", "",
         {"01/06/2019", "01/06/2020", "01/06/2021", "01/06/2022", "01/06/2023", "01/06/2024"}},
        {"by two days", "01/03/2021\r\n03/03/2021\r\n", "",
         {"01/03/2021", "03/03/2021", "05/03/2021", "07/03/2021", "09/03/2021", "11/03/2021"}},
        {"back a day", "10/03/2021\r\n09/03/2021\r\n", "",
         {"10/03/2021", "09/03/2021", "08/03/2021", "07/03/2021", "06/03/2021", "05/03/2021"}},
        {"month and day differ: by the step", "31/01/2021\r\n28/02/2021\r\n", "",
         {"31/01/2021", "28/02/2021", "28/03/2021", "25/04/2021", "23/05/2021", "20/06/2021"}},
        {"times", "10:00\r\n10:30\r\n", "",
         {"10:00:00", "10:30:00", "11:00:00", "11:30:00", "12:00:00", "12:30:00"}},
        {"a day that does not exist ends the series", "31/01/2021\r\n31/03/2021\r\n", "",
         {"31/01/2021", "31/03/2021", "31/05/2021", "31/07/2021", "1,5", "1,6"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SmartGrid g;
        if (!c.floatFormat.isEmpty()) g.FloatFormat = c.floatFormat;
        g.paste(c.text, {1, 1, 1, 6});
        EXPECT_EQ(g.Texts({1, 1, 1, 6}), c.column);
    }
}

TEST(SmartFill, SeriesAlongARowSkipReadOnlyCellsButKeepCounting)
{
    TLocale locale;
    SmartGrid g;
    g.SetReadOnly(3, 1, true);
    g.paste("10\t20", {1, 1, 5, 1});
    EXPECT_EQ(g.Texts({1, 1, 5, 1}), QStringList({"10", "20", "3,1", "40", "50"}));
}

TEST(SmartFill, BlocksRepeatWithTheirExactCellCount)
{
    struct Case {
        const char* name;
        QString text;
        platform::TGridRect selection;
        QStringList cells;
    } const cases[] = {
        {"column block", "a\r\nb\r\n", {1, 1, 1, 5}, {"a", "b", "a", "b", "a"}},
        {"row without a final break", "a\tb", {1, 1, 4, 1}, {"a", "b", "a", "b"}},
        {"three in a column", "x\r\ny\r\nz", {2, 1, 2, 7}, {"x", "y", "z", "x", "y", "z", "x"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SmartGrid g;
        g.paste(c.text, c.selection);
        EXPECT_EQ(g.Texts(c.selection), c.cells);
    }
}

TEST(SmartFill, OneRowAndOneColumnBlocksRepeatOverAWiderSelection)
{
    SmartGrid g;
    g.paste("a\tb\r\n", {1, 1, 2, 3});
    EXPECT_EQ(g.Texts({1, 1, 2, 3}), QStringList({"a", "b", "a", "b", "a", "b"}));
    EXPECT_EQ(g.Selection(), (platform::TGridRect{1, 1, 2, 3}));

    SmartGrid h;
    h.paste("p\r\nq\r\n", {1, 1, 3, 2});
    EXPECT_EQ(h.Texts({1, 1, 3, 2}), QStringList({"p", "p", "p", "q", "q", "q"}));
}

TEST(SmartFill, ASelectionNoLargerThanTheBlockIsLeftAsPasted)
{
    SmartGrid g;
    g.paste("1\t2\r\n3\t4\r\n", {1, 1, 2, 2});
    EXPECT_EQ(g.Texts({1, 1, 2, 2}), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(g.Befores, 0);

    // A column block into one cell is not rewritten as a series.
    SmartGrid h;
    h.paste("1.5\r\n2\r\n", {1, 1, 1, 1});
    EXPECT_EQ(h.Texts({1, 1, 1, 2}), QStringList({"1.5", "2"}));
}

TEST(SmartFill, TheWholeSelectionPasteIsOneUndoStep)
{
    SmartGrid g;
    TExGridUndoRedo undo;
    g.SetUndoRedo(&undo);
    g.paste("a\tb\r\n", {1, 1, 2, 3});
    g.paste("7", {4, 1, 5, 2});
    undo.Undo();
    EXPECT_EQ(g.Texts({4, 1, 5, 2}), QStringList({"4,1", "5,1", "4,2", "5,2"}));
    EXPECT_EQ(g.Texts({1, 1, 2, 1}), QStringList({"a", "b"}));
    undo.Undo();
    EXPECT_EQ(g.Texts({1, 1, 2, 3}), QStringList({"1,1", "2,1", "1,2", "2,2", "1,3", "2,3"}));
    EXPECT_FALSE(undo.CanUndo());
}

}  // namespace smart_fill_test
