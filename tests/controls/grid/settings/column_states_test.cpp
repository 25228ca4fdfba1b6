#include <gtest/gtest.h>

#include <algorithm>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/settings/column_states.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "support/grid_column_layout.h"

using namespace grid;

using column_layout::makeColumns;

namespace {

// The names and the display widths: all a column state can change.
QString layout(const TExStringGrid& g)
{
    QStringList widths;
    for (int w : column_layout::displayWidths(g)) widths << QString::number(w);
    return column_layout::columnNames(g) + QStringLiteral(" / ") + widths.join(u' ');
}

}  // namespace

TEST(ColumnStates, TextOfTheGridsLayout)
{
    TExStringGrid g;
    makeColumns(g, {64, 80, 100});
    EXPECT_EQ(g.ColumnStatesToString(), "3#64,80,100#0,1,2#1,1,1");

    // A hidden column: the shown widths move left, the last entry is the
    // grid's default width.
    g.HideColumn(1);
    EXPECT_EQ(g.ColumnStatesToString(), QStringLiteral("3#64,100,%1#0,1,2#1,0,1").arg(g.DefaultColWidth()));

    // A moved column: the order names the design-time columns by position.
    TExStringGrid moved;
    makeColumns(moved, {10, 20, 30, 40});
    moved.MoveColumn(3, 0);
    EXPECT_EQ(moved.ColumnStatesToString(), "4#40,10,20,30#3,0,1,2#1,1,1,1");
}

TEST(ColumnStates, TextRestoresHiddenColumnsAndWidths)
{
    TExStringGrid g;
    makeColumns(g, {64, 80, 100});
    g.StringToColumnStates(QStringLiteral("3#64,100,%1#0,1,2#1,0,1").arg(g.DefaultColWidth()));
    EXPECT_EQ(layout(g), "c0 [c1] c2 / 64 100");

    // Into a grid whose columns were moved, hidden and sized otherwise: the
    // order counts from the design-time order, not from the present one.
    TExStringGrid other;
    makeColumns(other, {5, 6, 7, 8});
    other.MoveColumn(0, 3);
    other.HideColumn(0);
    other.StringToColumnStates("4#11,22,33,44#2,0,3,1#1,1,0,1");
    EXPECT_EQ(layout(other), "c2 c0 [c3] c1 / 11 22 33");
    EXPECT_EQ(other.ColumnStatesToString(), QStringLiteral("4#11,22,33,%1#2,0,3,1#1,1,0,1").arg(other.DefaultColWidth()));
}

TEST(ColumnStates, EveryOrderOfFourColumnsComesBack)
{
    std::vector<int> order{0, 1, 2, 3};
    do {
        TExStringGrid g;
        makeColumns(g, {10, 20, 30, 40});
        g.MoveColumn(1, 2);  // a moved grid to start from
        QStringList entries;
        for (int c : order)
            entries << QString::number(c);
        const QString text = "4#1,2,3,4#" + entries.join(u',') + "#1,1,1,1";
        g.StringToColumnStates(text);
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(layout(g), QStringLiteral("c%1 c%2 c%3 c%4 / 1 2 3 4").arg(order[0]).arg(order[1]).arg(order[2]).arg(order[3]));
        EXPECT_EQ(g.ColumnStatesToString(), text);
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST(ColumnStates, SavedTextOfAMovedAndHiddenLayoutGivesTheSameLayout)
{
    TExStringGrid g;
    makeColumns(g, {10, 20, 30, 40, 50});
    g.MoveColumn(4, 1);
    g.HideColumn(2);
    g.MoveColumn(0, 2);
    g.SetColWidths(0, 77);
    const QString text = g.ColumnStatesToString();
    const QString before = layout(g);

    TExStringGrid fresh;
    makeColumns(fresh, {1, 1, 1, 1, 1});
    fresh.StringToColumnStates(text);
    EXPECT_EQ(layout(fresh), before);
    EXPECT_EQ(fresh.ColumnStatesToString(), text);

    // Loading its own text changes nothing.
    g.StringToColumnStates(text);
    EXPECT_EQ(layout(g), before);
}

TEST(ColumnStates, BadTextIsRefusedWholeAndLeavesTheGridAsItWas)
{
    const char* bad[] = {
        "3#64,80,100#0,1,2",             // three fields
        "3#64,80,100#0,1,2#1,1,1#",      // five fields
        "x#64,80,100#0,1,2#1,1,1",       // count no number
        "4#64,80,100,1#0,1,2,3#1,1,1,1", // count not the grid's
        "2#64,80#0,1#1,1",
        "3#64,80#0,1,2#1,1,1",           // too few widths
        "3#64,80,100,5#0,1,2#1,1,1",     // too many widths
        "3#64,x,100#0,1,2#1,1,1",        // width no number
        "3#64,-5,100#0,1,2#1,1,1",       // width negative
        "3#64,80,99999#0,1,2#1,1,1",     // width too large
        "3#64,80,100#0,0,2#1,1,1",       // a column twice
        "3#64,80,100#0,1,3#1,1,1",       // a column that does not exist
        "3#64,80,100#0,1#1,1,1",         // a column missing
        "3#64,80,100#0,a,2#1,1,1",       // order entry no number
        "3#64,80,100#0,1,2#1,2,1",       // flag neither 0 nor 1
        "3#64,80,100#0,1,2#1,1",         // too few flags
        "3#64,80,100#0,1,2#0,0,0",       // every column hidden
    };
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        TExStringGrid g;
        makeColumns(g, {10, 20, 30});
        g.MoveColumn(2, 0);
        g.HideColumn(1);
        const QString before = layout(g);
        const QString states = g.ColumnStatesToString();
        EXPECT_THROW(g.StringToColumnStates(QString::fromLatin1(text)), EExGridError);
        EXPECT_EQ(layout(g), before);
        EXPECT_EQ(g.ColumnStatesToString(), states);
    }
}

TEST(ColumnStates, TextWithoutFieldsChangesNothingAndEmptyFieldsMeanDefaults)
{
    TExStringGrid g;
    makeColumns(g, {10, 20, 30});
    g.MoveColumn(2, 0);
    const QString before = layout(g);
    g.StringToColumnStates("3,10,20,30");
    g.StringToColumnStates("");
    EXPECT_EQ(layout(g), before);

    // An empty order is the design-time order, empty flags show every
    // column; entries -1 stand for no column.
    g.HideColumn(0);
    g.StringToColumnStates("3#7,8,9##");
    EXPECT_EQ(layout(g), "c0 c1 c2 / 7 8 9");
    g.StringToColumnStates("3#7,8,9#-1,1,-1,2,0#1,1,1");
    EXPECT_EQ(layout(g), "c1 c2 c0 / 7 8 9");
}

TEST(ColumnStates, ParseTellsWhyATextIsRefused)
{
    QString error;
    EXPECT_FALSE(ParseColumnStates("3#1,2,3#0,1,1#1,1,1", 3, &error));
    EXPECT_EQ(error, "the column order is no order of the 3 columns");
    EXPECT_FALSE(ParseColumnStates("3#1,2,3#0,1,2#1,1,1", 4, &error));
    EXPECT_EQ(error, "it is for 3 columns, the grid has 4");
    const auto states = ParseColumnStates("2#5,6#1,0#0,1", 2);
    ASSERT_TRUE(states);
    EXPECT_EQ(*states, (TColumnStates{{5, 6}, {1, 0}, {false, true}}));
    EXPECT_EQ(FormatColumnStates(*states), "2#5,6#1,0#0,1");
}

TEST(ColumnStates, StretchedGridTakesTheWidthsThenStretchesAgain)
{
    QWidget form;
    form.resize(600, 300);
    auto* g = new TExStringGrid(&form);
    makeColumns(*g, {40, 40, 40});
    form.show();
    g->ColumnSize().SetStretch(true);
    const int stretched = g->ColWidths(2);
    g->StringToColumnStates("3#50,60,70#0,1,2#1,1,1");
    EXPECT_EQ(column_layout::displayWidths(*g)[0], 50);
    EXPECT_EQ(column_layout::displayWidths(*g)[1], 60);
    EXPECT_TRUE(g->ColumnSize().Stretch());
    // The last column fills the client width again: what the first two
    // gave up over the stretched layout, it gains.
    EXPECT_EQ(g->ColWidths(2), stretched + 40 + 40 - 50 - 60);
}

TEST(ColumnStates, ColumnGridDescriptionsFollowTheColumns)
{
    TExColumnGrid g;
    for (int c = 0; c < g.Columns().Count(); ++c) g.Columns()[c]->Name = QStringLiteral("col%1").arg(c);
    g.Columns().SetOrganization();
    g.MoveColumn(0, 4);
    const int n = g.AllColCount();
    ASSERT_EQ(n, 5);
    g.StringToColumnStates(QStringLiteral("5#10,20,30,40,50#4,3,2,1,0#1,1,1,1,1"));
    QStringList names;
    for (int c = 0; c < g.Columns().Count(); ++c) names << g.Columns()[c]->Name;
    EXPECT_EQ(names, (QStringList{"col4", "col3", "col2", "col1", "col0"}));
    EXPECT_EQ(column_layout::displayWidths(g), (std::vector<int>{10, 20, 30, 40, 50}));
}
