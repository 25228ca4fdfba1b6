#include <gtest/gtest.h>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/settings/grid_settings.h"

using namespace grid;

TEST(GridSettingsBands, TotalLengthAndChangeEvents)
{
    TBands bands;
    EXPECT_EQ(bands.TotalLength(), 2);
    int changes = 0;
    bands.OnChange = [&](void*) { ++changes; };
    bands.SetPrimaryLength(3);
    EXPECT_EQ(bands.TotalLength(), 4);
    bands.SetPrimaryColor(clRed);  // inactive: no event
    EXPECT_EQ(changes, 0);
    bands.SetActive(true);
    EXPECT_EQ(changes, 1);
    bands.SetSecondaryColor(clBlue);
    EXPECT_EQ(changes, 2);

    TBands source;
    source.SetPrimaryLength(2);
    source.SetSecondaryLength(5);
    source.Print = true;
    bands.Assign(source);
    EXPECT_EQ(bands.TotalLength(), 7);
    EXPECT_TRUE(bands.Print);
    EXPECT_EQ(changes, 2);  // Assign fires nothing
    // Row colours: primary for the first PrimaryLength rows of each band.
    EXPECT_EQ(source.RowColor(1, 1), clInfoBk);
    EXPECT_EQ(source.RowColor(3, 1), clWindow);
    EXPECT_EQ(source.RowColor(8, 1), clInfoBk);
}

TEST(GridSettingsNavigation, AssignAndAdvanceAuto)
{
    TNavigation source;
    source.TabAdvanceDirection = adTopBottom;
    source.KeepScrollOnSort = true;
    source.SetAdvanceDirection(adLeftRightInRow);
    TNavigation nav;
    int changes = 0;
    nav.OnChange = [&](void*) { ++changes; };
    nav.Assign(source);
    EXPECT_EQ(nav.TabAdvanceDirection, adTopBottom);
    EXPECT_EQ(nav.AdvanceDirection(), adLeftRightInRow);
    EXPECT_FALSE(nav.KeepScrollOnSort);
    EXPECT_TRUE(bool(nav.OnChange));
    EXPECT_EQ(changes, 0);

    nav.SetAdvanceAuto(true);
    EXPECT_TRUE(nav.AdvanceOnEnter);
    nav.AdvanceOnEnter = true;
    nav.SetAdvanceAuto(false);
    EXPECT_TRUE(nav.AdvanceOnEnter);
    nav.SetAdvanceInsert(true);
    nav.SetAdvanceInsert(true);
    EXPECT_EQ(changes, 1);
}

TEST(GridSettingsMouseActions, HotmailAndDisjunctModes)
{
    TMouseActions m;
    int invalidates = 0;
    m.OnInvalidate = [&](void*) { ++invalidates; };
    m.SetHotmailRowSelect(true);
    EXPECT_TRUE(m.DisjunctRowSelect());
    EXPECT_TRUE(m.CheckAllCheck);
    m.SetHotmailRowSelect(false);
    EXPECT_TRUE(m.DisjunctRowSelect());
    EXPECT_TRUE(m.CheckAllCheck);
    EXPECT_EQ(invalidates, 2);

    // At run time the disjunct modes combine; in the designer they exclude each other.
    TMouseActions run;
    run.SetDisjunctColSelect(true);
    run.SetDisjunctCellSelect(true);
    run.SetDisjunctRowSelect(true);
    EXPECT_TRUE(run.DisjunctColSelect());
    EXPECT_TRUE(run.DisjunctCellSelect());
    TMouseActions design;
    design.OnIsDesigning = [](void*, bool& d) { d = true; };
    design.SetDisjunctColSelect(true);
    design.SetDisjunctCellSelect(true);
    design.SetDisjunctRowSelect(true);
    EXPECT_FALSE(design.DisjunctColSelect());
    EXPECT_FALSE(design.DisjunctCellSelect());
    EXPECT_TRUE(design.DisjunctRowSelect());

    // Assign leaves SizeFixedRow and HotmailRowSelect.
    TMouseActions source;
    source.SizeFixedRow = true;
    source.SizeFixedCol = true;
    TMouseActions target;
    target.Assign(source);
    EXPECT_FALSE(target.SizeFixedRow);
    EXPECT_TRUE(target.SizeFixedCol);
}

TEST(GridSettingsSearchFooter, TextsOnlyForANewDesignComponent)
{
    TSearchFooter run(false);
    EXPECT_TRUE(run.FindNextCaption().isEmpty());
    EXPECT_TRUE(run.HintHighlight().isEmpty());
    TSearchFooter design(true);
    EXPECT_EQ(design.FindPrevCaption(), "Find &previous");
    EXPECT_EQ(design.FindNextCaption(), "Find &next");
    EXPECT_EQ(design.MatchCaseCaption(), "Match case");
    EXPECT_EQ(design.HighLightCaption(), "Highlight");
    EXPECT_EQ(design.HintClose(), "Close");
    EXPECT_EQ(design.HintFindNext(), "Find next occurrence");
    EXPECT_EQ(design.HintFindPrev(), "Find previous occurrence");
    EXPECT_EQ(design.HintHighlight(), "Highlight occurrences");
    int changes = 0;
    run.OnChange = [&](void*) { ++changes; };
    run.SetVisible(false);  // unchanged: no event
    run.SetShowClose(true);  // fires always
    EXPECT_EQ(changes, 1);
}

TEST(GridSettingsOthers, EventsAndAssignRules)
{
    TBalloonSettings balloon;
    int enables = 0;
    balloon.OnEnableChange = [&](void*) { ++enables; };
    balloon.SetEnable(false);
    EXPECT_EQ(enables, 1);

    TShowModified modified;
    int colours = 0;
    modified.OnChange = [&](void*) { ++colours; };
    modified.SetColor(modified.Color());
    EXPECT_EQ(colours, 1);

    TGridProgressAppearance progress;
    int progressChanges = 0;
    progress.OnChange = [&](void*) { ++progressChanges; };
    TGridProgressAppearance same;
    progress.Assign(same);
    EXPECT_EQ(progressChanges, 1);
    progress.SetSteps(11);
    EXPECT_EQ(progressChanges, 1);
    progress.SetSteps(12);
    EXPECT_EQ(progressChanges, 2);
    EXPECT_EQ(progress.Level1Perc(), 70);

    TExStringGrid grid;
    grid.SyncGrid().SetGrid(&grid);
    EXPECT_EQ(grid.SyncGrid().Grid(), nullptr);
    TExStringGrid other;
    grid.SyncGrid().SetGrid(&other);
    EXPECT_EQ(grid.SyncGrid().Grid(), &other);
    grid.ComponentNotification(&other);
    EXPECT_EQ(grid.SyncGrid().Grid(), nullptr);

    EXPECT_EQ(grid.ColumnSize().StretchColumn, -1);
    EXPECT_EQ(grid.CellNode().NodeIndent(), 12);
    EXPECT_EQ(grid.CellNode().NodeType(), cnXP);
}
