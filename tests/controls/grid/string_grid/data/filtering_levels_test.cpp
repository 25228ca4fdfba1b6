// Filter levels: applying, undoing and removing filters with every row back
// in its place (texts and heights), the normal-cells-only rule with tree
// nodes, the incremental NarrowDown and the progress report.

#include <gtest/gtest.h>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/input/input_test_support.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;

namespace filtering_levels_test {

// 3 columns, one fixed row; column 1 holds the words, each row a height of
// its own (20 + row).
struct WordGrid {
    TExStringGrid g;
    explicit WordGrid(const QStringList& words)
    {
        g.SetColCount(3);
        g.SetRowCount(int(words.size()) + 1);
        g.SetCellEx(1, 0, "Word");
        for (int i = 0; i < words.size(); ++i) {
            g.SetCellEx(1, i + 1, words[i]);
            g.SetCellEx(2, i + 1, QString::number(i + 1));
            g.SetRowHeights(i + 1, 21 + i);
        }
    }
    // Column 1 of the normal rows on display.
    QStringList shown() const
    {
        QStringList list;
        for (int r = g.FixedRows(); r < g.RowCount(); ++r) list << g.GetCellEx(1, r);
        return list;
    }
    // Every display row: its word and height.
    QList<QPair<QString, int>> rowsAndHeights() const
    {
        QList<QPair<QString, int>> list;
        for (int r = 0; r < g.RowCount(); ++r) list << qMakePair(g.GetCellEx(1, r), g.RowHeights(r));
        return list;
    }
    void condition(const QString& text, int column = 1)
    {
        g.Filter().Clear();
        TFilterData& f = g.Filter().Add();
        f.Column = column;
        f.Condition = text;
        f.CaseSensitive = false;
    }
};

const QStringList kWords = {"alpha", "beta", "gamma", "delta", "alphabet", "beetle", "ab", "abc"};

TEST(FilterLevels, ActiveOnAndOffBringsEveryRowBackWithItsHeight)
{
    WordGrid t(kWords);
    const auto before = t.rowsAndHeights();
    int footers = 0;
    t.g.OnFooterCalc = [&footers](QObject*, int, int, QString&) { ++footers; };
    t.condition("*a");
    t.g.SetFilterActive(true);
    EXPECT_TRUE(t.g.FilterActive());
    EXPECT_EQ(t.shown(), (QStringList{"alpha", "beta", "gamma", "delta"}));
    EXPECT_EQ(t.g.RowHeights(2), 22) << "beta keeps its height while shown";
    EXPECT_EQ(t.g.FilterLevel(), 1);

    t.g.SetFilterActive(false);
    EXPECT_EQ(t.rowsAndHeights(), before);
    EXPECT_EQ(t.g.FixedRows(), 1);
    EXPECT_EQ(t.g.FilterLevel(), 1) << "undoing the filter does not lower the level count";
    // Setting false again changes nothing.
    t.g.SetFilterActive(false);
    EXPECT_EQ(t.rowsAndHeights(), before);
    (void)footers;
}

TEST(FilterLevels, StackedLevelsComeBackLastFirst)
{
    WordGrid t(kWords);
    const auto before = t.rowsAndHeights();
    t.condition("*a*");
    t.g.ApplyFilter();
    const auto level1 = t.rowsAndHeights();
    t.condition("*b*");
    t.g.ApplyFilter();
    const auto level2 = t.rowsAndHeights();
    t.condition("*c*");
    t.g.ApplyFilter();
    EXPECT_EQ(t.shown(), (QStringList{"abc"}));
    EXPECT_EQ(t.g.FilterLevel(), 3);

    EXPECT_TRUE(t.g.RemoveLastFilter());
    EXPECT_EQ(t.rowsAndHeights(), level2);
    EXPECT_EQ(t.shown(), (QStringList{"beta", "alphabet", "ab", "abc"}));
    EXPECT_TRUE(t.g.RemoveLastFilter());
    EXPECT_EQ(t.rowsAndHeights(), level1);
    // The last level: false, nothing remains.
    EXPECT_FALSE(t.g.RemoveLastFilter());
    EXPECT_EQ(t.rowsAndHeights(), before);
    EXPECT_FALSE(t.g.RemoveLastFilter()) << "without a level nothing changes";
    EXPECT_EQ(t.rowsAndHeights(), before);
    EXPECT_EQ(t.g.NumHiddenRows(), 0);
}

TEST(FilterLevels, LoopingOnRemoveLastFilterRemovesEveryLevel)
{
    WordGrid t(kWords);
    const auto before = t.rowsAndHeights();
    for (const char* c : {"*a*", "*b*", "*c*"}) {
        t.condition(c);
        t.g.ApplyFilter();
    }
    int rounds = 0;
    while (t.g.RemoveLastFilter()) ++rounds;
    EXPECT_EQ(rounds, 2);
    EXPECT_EQ(t.g.FilterLevel(), 0);
    EXPECT_EQ(t.rowsAndHeights(), before);
}

TEST(FilterLevels, RemoveAllFiltersKeepsConditionsWithLevelsAndEmptiesThemWithout)
{
    WordGrid t(kWords);
    const auto before = t.rowsAndHeights();
    t.condition("b*");
    t.g.SetFilterActive(true);
    t.g.SetFilterActive(false);
    t.g.SetFilterActive(true);  // two levels counted, the second applied
    EXPECT_EQ(t.g.FilterLevel(), 2);
    t.g.RemoveAllFilters();
    EXPECT_EQ(t.rowsAndHeights(), before);
    EXPECT_EQ(t.g.FilterLevel(), 0);
    EXPECT_EQ(t.g.Filter().Count(), 1) << "the conditions stay";
    EXPECT_FALSE(t.g.FilterActive());
    // Nothing applied any more: switching on applies the conditions again.
    t.g.SetFilterActive(true);
    EXPECT_EQ(t.shown(), (QStringList{"beta", "beetle"}));
    t.g.RemoveAllFilters();
    t.g.RemoveAllFilters();
    EXPECT_EQ(t.g.Filter().Count(), 0);
}

TEST(FilterLevels, EveryRowFilteredKeepsTheHeaderAndFixedRowsComeBack)
{
    WordGrid t(kWords);
    t.g.SetFixedRowAlways(true);
    t.condition("nothing");
    t.g.SetFilterActive(true);
    EXPECT_EQ(t.g.RowCount(), 1);
    EXPECT_EQ(t.g.GetCellEx(1, 0), "Word");
    EXPECT_EQ(t.g.FixedRows(), 1) << "the header stays fixed";
    t.g.SetFilterActive(false);
    EXPECT_EQ(t.g.RowCount(), int(kWords.size()) + 1);
    EXPECT_EQ(t.g.FixedRows(), 1);
    EXPECT_EQ(t.g.platform::GridBase::FixedRows(), 1) << "the window's fixed row is back too";
    EXPECT_EQ(t.shown(), kWords);
}

TEST(FilterLevels, FilteringAnEmptiedGridAgainKeepsTheHeaderOutOfTheTest)
{
    // Without FixedRowAlways the window drops its fixed row once every row
    // is filtered out; a second level must still leave the header alone.
    WordGrid t(kWords);
    t.condition("nothing");
    t.g.ApplyFilter();
    ASSERT_EQ(t.g.RowCount(), 1);
    t.condition("!Word");
    t.g.ApplyFilter();
    EXPECT_EQ(t.g.RowCount(), 1);
    EXPECT_EQ(t.g.GetCellEx(1, 0), "Word");
    EXPECT_EQ(t.g.FilterLevel(), 2);
    t.g.RemoveAllFilters();
    EXPECT_EQ(t.g.RowCount(), int(kWords.size()) + 1);
    EXPECT_EQ(t.g.GetCellEx(1, 0), "Word");
    EXPECT_EQ(t.g.platform::GridBase::FixedRows(), 1) << "the header is fixed again";
    EXPECT_EQ(t.shown(), kWords);
}

TEST(FilterLevels, AFixedLastRowFooterIsNeitherTestedNorListed)
{
    WordGrid t({"a1", "b1", "a2", "b2", "SUM"});
    t.g.FloatingFooter().Visible = true;
    t.g.FloatingFooter().FooterStyle = fsFixedLastRow;
    const auto before = t.rowsAndHeights();
    t.condition("a*");
    t.g.SetFilterActive(true);
    EXPECT_EQ(t.shown(), (QStringList{"a1", "a2", "SUM"}));
    t.g.SetFilterActive(false);
    EXPECT_EQ(t.shown(), (QStringList{"a1", "b1", "a2", "b2", "SUM"}));
    EXPECT_EQ(t.rowsAndHeights(), before);

    t.g.SetFilterDropDownAuto(true);
    ASSERT_TRUE(t.g.GetColumnFilter(1));
    EXPECT_EQ(t.g.FilterList, (QStringList{"(All)", "a1", "a2", "b1", "b2"}));
}

TEST(FilterLevels, AnOpenEditorWritesBackToItsOwnRecordBeforeRowsMove)
{
    // A 4 x 9 grid of "c,r" texts; the condition hides record 2. The text
    // typed into an open editor ends in record 4 whichever filter operation
    // moves the rows under it, and no other record changes.
    struct Case {
        const char* name;
        bool filteredBefore;  // the editor opens while record 2 is hidden
        std::function<void(TExStringGrid&)> act;
    };
    const Case cases[] = {
        {"filter switched on", false, [](TExStringGrid& g) { g.SetFilterActive(true); }},
        {"filter switched off", true, [](TExStringGrid& g) { g.SetFilterActive(false); }},
        {"level removed", true, [](TExStringGrid& g) { g.RemoveLastFilter(); }},
        {"one row filtered", false, [](TExStringGrid& g) { g.FilterRow(2); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        input_test::GridUnderTest t(4, 9);
        t.g->SetOptions(t.g->Options() | platform::goEditing);
        TFilterData& f = t.g->Filter().Add();
        f.Column = 1;
        f.Condition = "!1,2";
        if (c.filteredBefore) t.g->SetFilterActive(true);
        t.goTo(1, t.g->DisplRowIndex(4));
        t.type("E");
        ASSERT_TRUE(t.g->EditorMode());
        QTest::keyClicks(t.g->InplaceEditor(), "DITED");
        ASSERT_EQ(t.editorText(), "EDITED");
        c.act(*t.g);
        EXPECT_FALSE(t.g->EditorMode());
        t.key(Qt::Key_Return);
        t.key(Qt::Key_Escape);
        t.g->RemoveAllFilters();
        t.g->UnHideRowsAll();
        ASSERT_EQ(t.g->RowCount(), 9);
        for (int r = 1; r < 9; ++r) EXPECT_EQ(t.g->GetCellEx(1, r), r == 4 ? "EDITED" : QString("1,%1").arg(r)) << r;
    }
}

TEST(FilterLevels, EachApplyReadsTheConditionsWithTheFormatSettingsOfTheMoment)
{
    // ">1,5" is 15 while "," separates thousands, 1.5 while it is the
    // decimal separator: a condition read by an earlier pass must not serve
    // the next one.
    WordGrid t({"2", "16", "1,2", "3,5", "20"});
    t.condition(">1,5");
    {
        grid_text_testing::FormatSettingsScope dot(u'.', u',');
        t.g.SetFilterActive(true);
        EXPECT_EQ(t.shown(), (QStringList{"16", "3,5", "20"}));  // "3,5" is 35
        t.g.SetFilterActive(false);
    }
    {
        grid_text_testing::FormatSettingsScope comma(u',', u'.');
        t.g.SetFilterActive(true);
        EXPECT_EQ(t.shown(), (QStringList{"2", "16", "3,5", "20"}));
        t.g.SetFilterActive(false);
        // The row test outside a pass reads with the settings of its moment too.
        EXPECT_TRUE(t.g.DoCustomFilter(1));
    }
    grid_text_testing::FormatSettingsScope dot(u'.', u',');
    EXPECT_FALSE(t.g.DoCustomFilter(1));
}

TEST(FilterLevels, FilterRowHidesOneFailingRow)
{
    WordGrid t(kWords);
    t.condition("*e*");
    t.g.FilterRow(3);  // gamma
    t.g.FilterRow(2);  // beta passes
    EXPECT_EQ(t.shown(), (QStringList{"alpha", "beta", "delta", "alphabet", "beetle", "ab", "abc"}));
    EXPECT_EQ(t.g.FilterLevel(), 0);
}

TEST(FilterLevels, ProgressIsReportedPerRowAndOnceMoreAtTheEnd)
{
    WordGrid t({"a", "b", "c", "d", "e", "f", "g", "h"});
    QList<int> progress;
    int rowsAtTheEnd = -1;
    t.g.OnFilterProgress = [&](QObject*, int p) {
        progress << p;
        rowsAtTheEnd = t.g.RowCount();
    };
    t.condition("a");
    t.g.ApplyFilter();
    // 1/8 = 12.5 and 5/8 = 62.5 round to even.
    EXPECT_EQ(progress, (QList<int>{12, 25, 38, 50, 62, 75, 88, 100, 100}));
    EXPECT_EQ(rowsAtTheEnd, 2) << "the last report comes after the rows are hidden";
}

// Column 1 words; row 1 a node spanning rows 1-3, row 4 a node spanning 4-5.
struct TreeGrid : WordGrid {
    TreeGrid() : WordGrid({"fruit", "apple", "pear", "veg", "leek", "plain"})
    {
        g.AddNode(1, 3);
        g.AddNode(4, 2);
    }
};

TEST(FilterLevels, NormalCellsOnlyLeavesNodeRowsAlone)
{
    {
        TreeGrid t;
        t.condition("*e*");
        t.g.SetFilterActive(true);
        EXPECT_EQ(t.shown(), (QStringList{"fruit", "apple", "pear", "veg", "leek"}));
        EXPECT_TRUE(t.g.IsNode(1));
        t.g.SetFilterActive(false);
        EXPECT_EQ(t.shown(), (QStringList{"fruit", "apple", "pear", "veg", "leek", "plain"}));
        EXPECT_TRUE(t.g.IsNode(4));
    }
    {
        TreeGrid t;
        t.g.FilterNormalCellsOnly = false;
        t.condition("*e*");
        t.g.SetFilterActive(true);
        EXPECT_EQ(t.shown(), (QStringList{"apple", "pear", "veg", "leek"}));
    }
}

TEST(FilterLevels, ContractedNodeRowsStayHiddenWhenTheFilterIsRemoved)
{
    TreeGrid t;
    t.g.ContractNode(1);  // apple, pear hidden by the node
    ASSERT_EQ(t.shown(), (QStringList{"fruit", "veg", "leek", "plain"}));
    t.condition("!leek");
    t.g.SetFilterActive(true);
    EXPECT_EQ(t.shown(), (QStringList{"fruit", "veg", "plain"}));
    EXPECT_EQ(t.g.RealRowIndex(3), 6) << "plain is all-rows row 6 while filtered";
    EXPECT_EQ(t.g.DisplRowIndex(6), 3);
    t.g.RemoveAllFilters();
    EXPECT_EQ(t.shown(), (QStringList{"fruit", "veg", "leek", "plain"}));
    t.g.ExpandNode(1);
    EXPECT_EQ(t.shown(), (QStringList{"fruit", "apple", "pear", "veg", "leek", "plain"}));
}

TEST(FilterNarrowDown, TypingStacksLevelsBackspaceRemovesOneOtherTextsRebuild)
{
    WordGrid t({"a", "ab", "abc", "abd", "x", "xa", "b c", "bc"});
    const QStringList all = t.shown();
    t.g.NarrowDown("a", 1);
    EXPECT_EQ(t.shown(), (QStringList{"a", "ab", "abc", "abd", "xa"}));
    t.g.NarrowDown("ab", 1);
    t.g.NarrowDown("abc", 1);
    EXPECT_EQ(t.shown(), (QStringList{"abc"}));
    EXPECT_EQ(t.g.FilterLevel(), 3);
    EXPECT_TRUE(t.g.FixedRowAlways());
    t.g.NarrowDown("ab", 1);
    EXPECT_EQ(t.shown(), (QStringList{"ab", "abc", "abd"}));
    EXPECT_EQ(t.g.FilterLevel(), 2);
    t.g.NarrowDown("x", 1);
    EXPECT_EQ(t.shown(), (QStringList{"x", "xa"}));
    EXPECT_EQ(t.g.FilterLevel(), 1);
    ASSERT_EQ(t.g.Filter().Count(), 1);
    EXPECT_EQ(t.g.Filter().Items(0).Condition, "*x*");
    EXPECT_EQ(t.g.Filter().Items(0).Data, fcNormal);
    EXPECT_FALSE(t.g.Filter().Items(0).CaseSensitive);
    t.g.NarrowDown("", 1);
    EXPECT_EQ(t.shown(), all);
    EXPECT_EQ(t.g.FilterLevel(), 0);
    EXPECT_EQ(t.g.NumHiddenRows(), 0);
}

TEST(FilterNarrowDown, ABlankIsKeptTypedOrSetAtOnceAndWholeRowSearch)
{
    {
        WordGrid t({"b c", "bc", "b cd"});
        t.g.NarrowDown("b", 1);
        t.g.NarrowDown("b ", 1);
        t.g.NarrowDown("b c", 1);
        EXPECT_EQ(t.g.Filter().Items(0).Condition, "\"*b c*\"");
        EXPECT_EQ(t.shown(), (QStringList{"b c", "b cd"}));
    }
    {
        WordGrid t({"b c", "bc", "b cd"});
        t.g.NarrowDown("b c", 1);
        EXPECT_EQ(t.shown(), (QStringList{"b c", "b cd"}));
    }
    {
        // Column -1: the condition is sought in the whole row, any case.
        WordGrid t({"one", "two", "three"});
        t.g.NarrowDown("3", -1);
        EXPECT_EQ(t.shown(), (QStringList{"three"}));
        EXPECT_EQ(t.g.Filter().Items(0).Data, fcRow);
    }
}

TEST(FilterNarrowDown, ALevelGoesOnlyWhenItWasMadeForTheRemovedCharacter)
{
    // Each step: text, column, rows expected on display (column 1), levels.
    struct Step {
        const char* text;
        int column;
        QStringList shown;
        int levels;
    };
    struct Case {
        const char* name;
        QStringList words;  // column 1; column 2 holds the row numbers 1, 2, ...
        std::vector<Step> steps;
    };
    const QStringList abc = {"a", "ab", "abc", "abd", "x", "xa"};
    const QStringList twelve = {"1", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"};
    const Case cases[] = {
        {"paste then backspace",
         abc,
         {{"abc", 1, {"abc"}, 1}, {"ab", 1, {"ab", "abc", "abd"}, 1}, {"a", 1, {"a", "ab", "abc", "abd", "xa"}, 1}}},
        {"typed after a paste",
         abc,
         {{"ab", 1, {"ab", "abc", "abd"}, 1},
          {"abc", 1, {"abc"}, 2},
          {"ab", 1, {"ab", "abc", "abd"}, 1},
          {"a", 1, {"a", "ab", "abc", "abd", "xa"}, 1}}},
        {"another column is searched among all rows",
         twelve,
         {{"1", 1, {"1"}, 1}, {"12", 2, {"l"}, 1}, {"1", 2, {"1", "j", "k", "l"}, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WordGrid t(c.words);
        for (const Step& step : c.steps) {
            SCOPED_TRACE(step.text);
            t.g.NarrowDown(step.text, step.column);
            EXPECT_EQ(t.shown(), step.shown);
            EXPECT_EQ(t.g.FilterLevel(), step.levels);
            ASSERT_EQ(t.g.Filter().Count(), 1);
            EXPECT_EQ(t.g.Filter().Items(0).Condition, QString("*%1*").arg(step.text)) << "the condition of the text";
        }
    }
}

}  // namespace filtering_levels_test

TEST(FilteringLevels, RemovingRowsWhileFilteredKeepsTheHiddenRowsInPlace)
{
    TExStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(41);
    for (int r = 1; r <= 40; ++r) g.SetCellEx(1, r, QString("%1%2").arg(r % 2 ? "odd" : "even").arg(r));
    TFilterData& f = g.Filter().Add();
    f.Column = 1;
    f.Condition = "odd*";
    g.SetFilterActive(true);
    ASSERT_EQ(g.RowCount(), 21);
    g.RemoveRows(1, 5);  // odd1 .. odd9
    g.SetFilterActive(false);
    QStringList rows;
    for (int r = 1; r < g.RowCount(); ++r) rows << g.GetCellEx(1, r);
    QStringList expected;
    for (int r = 1; r <= 40; ++r)
        if (r % 2 == 0 || r > 9) expected << QString("%1%2").arg(r % 2 ? "odd" : "even").arg(r);
    EXPECT_EQ(rows, expected);
}

TEST(FilteringLevels, RowsBackWhileEveryRowIsFilteredKeepTheHeaderFixed)
{
    for (const bool viaAddRow : {false, true}) {
        SCOPED_TRACE(viaAddRow ? "a row added" : "hidden rows shown");
        TExStringGrid g;
        g.SetColCount(2);
        g.SetRowCount(4);
        g.SetCellEx(1, 0, "Header");
        for (int r = 1; r < 4; ++r) g.SetCellEx(1, r, QString("v%1").arg(r));
        TFilterData& f = g.Filter().Add();
        f.Column = 1;
        f.Condition = "zzz";
        g.SetFilterActive(true);
        if (viaAddRow)
            g.AddRow();
        else
            g.UnHideRowsAll();
        EXPECT_EQ(g.FixedRows(), 1);
        g.Sort(1, sdDescending);
        EXPECT_EQ(g.GetCellEx(1, 0), "Header") << "the header is no record";
        g.SetFilterActive(false);
        EXPECT_EQ(g.FixedRows(), 1);
        EXPECT_EQ(g.GetCellEx(1, 0), "Header");
        EXPECT_EQ(g.RowCount(), viaAddRow ? 5 : 4);
    }
}

TEST(FilteringLevels, TheWindowsEmptyRowNeverBecomesARecord)
{
    auto grid = [](TExStringGrid& g) {
        g.SetColCount(2);
        g.SetRowCount(3);
        g.SetFixedRows(0);
        g.SetFixedCols(0);
        for (int r = 0; r < 3; ++r) g.SetCellEx(1, r, QString("v%1").arg(r));
        TFilterData& f = g.Filter().Add();
        f.Column = 1;
        f.Condition = "zzz";
    };
    {
        SCOPED_TRACE("every row filtered out, then the filter off");
        TExStringGrid g;
        grid(g);
        g.SetFilterActive(true);
        g.SetFilterActive(false);
        ASSERT_EQ(g.RowCount(), 3);
        for (int r = 0; r < 3; ++r) EXPECT_EQ(g.GetCellEx(1, r), QString("v%1").arg(r));
    }
    {
        SCOPED_TRACE("rows shown while filtered");
        TExStringGrid g;
        grid(g);
        g.SetFilterActive(true);
        g.UnHideRowsAll();
        g.SetFilterActive(false);
        EXPECT_EQ(g.RowCount(), 3);
    }
    {
        SCOPED_TRACE("a second filter over the emptied grid");
        TExStringGrid g;
        grid(g);
        g.ApplyFilter();
        g.ApplyFilter();
        g.RemoveAllFilters();
        EXPECT_EQ(g.RowCount(), 3);
        for (int r = 0; r < 3; ++r) EXPECT_EQ(g.GetCellEx(1, r), QString("v%1").arg(r));
    }
}

TEST(FilteringLevels, PropertiesGivenToFilteredRowsAreCountedWhenTheyComeBack)
{
    // The rows leave a store without properties; one of them gets an object
    // while hidden, another while on display: both count once the level goes.
    TExStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(7);
    for (int r = 1; r < 7; ++r) g.SetCellEx(1, r, QString("%1%2").arg(r % 2 ? "odd" : "even").arg(r));
    TFilterData& f = g.Filter().Add();
    f.Column = 1;
    f.Condition = "odd*";
    ASSERT_EQ(g.Cells().PropertiesCount(), 0);
    g.SetFilterActive(true);
    ASSERT_EQ(g.RowCount(), 4);
    g.SetObjectsEx(1, 4, 44);  // all-rows row 4 ("even4") is hidden
    g.SetObjectsEx(1, 3, 33);  // "odd3" is on display
    EXPECT_EQ(g.Cells().PropertiesCount(), 1);
    g.SetFilterActive(false);
    ASSERT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.Cells().PropertiesCount(), 2);
    EXPECT_EQ(g.GetObjectEx(1, 4), uintptr_t(44));
    EXPECT_EQ(g.GetObjectEx(1, 3), uintptr_t(33));
    // The count is right for the next level too: hiding both rows again
    // takes both objects out of the store.
    f.Condition = "even6";
    g.SetFilterActive(true);
    EXPECT_EQ(g.Cells().PropertiesCount(), 0);
    g.SetFilterActive(false);
    EXPECT_EQ(g.Cells().PropertiesCount(), 2);
}

namespace {

// Column 1 holds the values, column 2 each value's index, below a header row.
void fillIndexedValues(TExStringGrid& g, const QStringList& values)
{
    g.SetColCount(3);
    g.SetRowCount(int(values.size()) + 1);
    for (int i = 0; i < values.size(); ++i) {
        g.SetCellEx(1, i + 1, values[i]);
        g.SetCellEx(2, i + 1, QString::number(i));
    }
}

}  // namespace

TEST(FilteringLevels, AMixedColumnKeepsTheRowsTheFullMatchKeeps)
{
    // Numbers, blanks, texts, dates, "#N/A" and numbers in the locale
    // spelling: every condition keeps exactly the rows whose cell the full
    // match (no quick path) accepts, in their order, and brings all back.
    grid_text_testing::FormatSettingsScope settings(u'.', u',');
    const QStringList values = {"10",         "",         "9.5",   " 12 ",   "abc",   "#N/A", "01/02/2020",
                                "31/12/2019", "1,000",    "-3",    "1e2",    "10/10", "ABC",  "2020",
                                "0",          "15/12/2019 10:00", "-",     "+7",     "x10",  "100"};
    const QStringList conditions = {">=10",    ">10",     "<10",           "<=-3",  ">=1,000",    ">5 & <100",
                                    ">01/01/2020", "<abc", ">=10 | #N/A", "!*a*",  ">=1e1",      ""};
    for (const bool caseSensitive : {true, false}) {
        for (const QString& condition : conditions) {
            SCOPED_TRACE(condition.toStdString() + (caseSensitive ? "" : " ignoring case"));
            TExStringGrid g;
            fillIndexedValues(g, values);
            TFilterData& f = g.Filter().Add();
            f.Column = 1;
            f.Condition = condition;
            f.CaseSensitive = caseSensitive;
            const TFilterCondition full(condition, caseSensitive, TConditionPaths::FullOnly);
            QStringList expected;
            for (int i = 0; i < values.size(); ++i)
                if (condition.isEmpty() || full.Match(values[i].trimmed())) expected << QString::number(i);
            g.SetFilterActive(true);
            QStringList kept;
            for (int r = 1; r < g.RowCount(); ++r) kept << g.GetCellEx(2, r);
            if (expected.isEmpty()) kept.removeAll(QString());  // the window's empty row
            EXPECT_EQ(kept, expected);
            g.SetFilterActive(false);
            ASSERT_EQ(g.RowCount(), int(values.size()) + 1);
            for (int i = 0; i < values.size(); ++i) EXPECT_EQ(g.GetCellEx(2, i + 1), QString::number(i));
        }
    }
}

TEST(FilteringLevels, RowsTestedDownTheColumnAgreeWithRowsTestedOneByOne)
{
    // Without a per-row hook the conditions go down the column first; with
    // one (that accepts what it is given) each row is tested on its own.
    // Both keep the same rows, whatever the separators (a blank or the date
    // separator for thousands), the spelling of the cells (padded, packed
    // wide text, merged cells) and the conditions (joined, prefixed, literal).
    struct Locale {
        QChar decimal, thousand, date;
    };
    const Locale locales[] = {{u'.', u',', u'/'}, {u',', u'.', u'.'}, {u',', u' ', u'/'}};
    const QStringList values = {"10",   " 12 ",      "1.2.2020", "1 000", "1.000", "2,5",  "abc", "#N/A",
                                "",     "01/02/2020", "1,000.5", "|\\x",  "-3",    "+7 ",  "x10", "1.000.000",
                                "9,99", "100",       "1e3",      "10 ",   "AbC",   "0",    "7",   "3"};
    struct Conditions {
        QString first;
        TFilterOperation join;
        QString second;
        QString prefix;
    };
    const Conditions cases[] = {{">=10", foSHORT, "", ""},         {"<2,5", foSHORT, "", ""},
                                {">1.000", foSHORT, "", ""},       {">=1 000", foSHORT, "", ""},
                                {">01/01/2020", foSHORT, "", ""},  {">=10", foOR, "*a*", ""},
                                {">5", foAND, "<100", ""},         {"<0", foXOR, "!*1*", ""},
                                {">=7", foSHORT, ">=7", "1"},      {"abc", foNONE, "#N/A", ""}};
    for (const Locale& locale : locales) {
        grid_text_testing::FormatSettingsScope settings(locale.decimal, locale.thousand, locale.date);
        for (const Conditions& c : cases) {
            SCOPED_TRACE((c.first + u' ' + c.second + u' ' + locale.thousand).toStdString());
            std::vector<QStringList> kept;
            for (const bool oneByOne : {false, true}) {
                TExStringGrid g;
                fillIndexedValues(g, values);
                g.MergeCells(1, 23, 1, 2);  // the last row shows the merged block's "7"
                TFilterData& f = g.Filter().Add();
                f.Column = 1;
                f.Condition = c.first;
                f.Prefix = c.prefix;
                if (!c.second.isEmpty()) {
                    TFilterData& s = g.Filter().Add();
                    s.Column = 1;
                    s.Condition = c.second;
                    s.Operation = c.join;
                    s.Data = fcNormal;
                    s.Method = c.join == foNONE ? fmLiteral : fmExpression;
                }
                int asked = 0;
                if (oneByOne) g.OnCustomFilter = [&asked](TExStringGrid::Sender, int, bool&) { ++asked; };
                g.SetFilterActive(true);
                if (oneByOne) {
                    EXPECT_GT(asked, 0);
                }
                QStringList rows;
                for (int r = 1; r < g.RowCount(); ++r) rows << g.GetCellEx(2, r);
                kept.push_back(rows);
                g.SetFilterActive(false);
                ASSERT_EQ(g.RowCount(), int(values.size()) + 1);
            }
            EXPECT_EQ(kept[0], kept[1]);
        }
    }
}
