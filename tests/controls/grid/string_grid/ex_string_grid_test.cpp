#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QWidget>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;

namespace {

// A grid whose cell (c, r) holds "c,r" in every storage column.
void esgFillCoordinates(TExStringGrid& g)
{
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.AllColCount(); ++c) g.SetCellEx(c, r, QString("%1,%2").arg(c).arg(r));
}

}  // namespace

// ------------------------------------------------------------ construction

TEST(ExStringGridConstruction, NewGridHasTheDefaultsOfTheClassModel)
{
    TExStringGrid g;
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.DefaultRowHeight(), 22);
    EXPECT_EQ(g.FixedRowHeight(), 22);
    for (int r = 0; r < g.RowCount(); ++r) EXPECT_EQ(g.RowHeights(r), 22) << r;
    EXPECT_EQ(g.width(), 400);
    EXPECT_EQ(g.height(), 250);
    EXPECT_EQ(g.Look(), glXP);
    EXPECT_EQ(g.SelectionColor, 0x00EACAB6u);
    EXPECT_EQ(g.BorderColor(), 0x00B99D7Fu);
    EXPECT_EQ(g.FloatFormat, "%.2f");
    EXPECT_EQ(g.FilterDropDownClear, "(All)");
    EXPECT_EQ(g.CheckTrue, "Y");
    EXPECT_EQ(g.CheckFalse, "N");
    EXPECT_EQ(g.FixedFont().Name, "Tahoma");
    EXPECT_TRUE(g.FixedFont().Style & fsBold);
    EXPECT_TRUE(g.ActiveCellFont().Style & fsBold);
    EXPECT_EQ(g.FaceColors().QVRGradientFrom, clWhite);
    EXPECT_EQ(ColorToRGB(g.FaceColors().QVRGradientTo), ColorToRGB(clBtnFace));
    EXPECT_EQ(g.NumHiddenColumns(), 0);
    EXPECT_EQ(g.NumHiddenRows(), 0);
    EXPECT_EQ(g.TotalColCount(), 5);
    EXPECT_TRUE(g.WordWrap());
}

TEST(ExStringGridConstruction, AssignCopiesOnlyFromAStringGrid)
{
    TExStringGrid a;
    a.SetColCount(7);
    a.SetRowCount(4);
    a.SetCellEx(2, 3, "x");
    a.Bands().SetActive(true);
    a.SortSettings().SetShow(true);
    a.SortSettings().Column = 2;
    a.Filter().Add().Condition = "x*";
    a.FilterDropDown().Width = 222;

    TExStringGrid b;
    QObject other;
    b.Assign(&other);
    EXPECT_EQ(b.ColCount(), 5);
    b.Assign(&a);
    EXPECT_EQ(b.ColCount(), 7);
    EXPECT_EQ(b.RowCount(), 4);
    EXPECT_EQ(b.GetCellEx(2, 3), "x");
    EXPECT_TRUE(b.Bands().Active());
    EXPECT_TRUE(b.SortSettings().Show());
    EXPECT_EQ(b.SortSettings().Column, 2);
    ASSERT_EQ(b.Filter().Count(), 1);
    EXPECT_EQ(b.Filter()[0].Condition, "x*");
    EXPECT_EQ(b.FilterDropDown().Width, 222);
}

TEST(ExStringGridConstruction, LoadedMovesAlwaysShowEditorIntoNavigation)
{
    TExStringGrid g;
    g.SetOptions(g.Options() | platform::goAlwaysShowEditor);
    g.Loaded();
    EXPECT_FALSE(g.Options() & platform::goAlwaysShowEditor);
    EXPECT_TRUE(g.Navigation().AlwaysEdit);
}

TEST(ExStringGridConstruction, IntegralHeightRoundsToWholeRows)
{
    TExStringGrid g;
    g.SetColCount(2);
    g.SetIntegralHeight(true);
    g.SetBounds(0, 0, 300, 100);
    // A single frame of 2 pixels and every column visible: 100 + 2 - (98 mod 22).
    const int B = g.frameShape() != QFrame::NoFrame ? 2 : 0;
    EXPECT_EQ(g.height(), 100 + B - ((100 - B) % 22));
}

// ------------------------------------------------------------ query hooks

namespace {

// Records what each event saw and in which order the arguments came.
struct EsgHookLog {
    QStringList calls;
};

}  // namespace

TEST(ExStringGridQueries, EveryHookComputesItsDefaultBeforeTheEventDecides)
{
    TExStringGrid g;
    EsgHookLog log;

    // Check texts: the default arrives, the event may change it.
    g.OnGetCheckTrue = [&](QObject*, int c, int r, QString& v) {
        log.calls << QString("true %1 %2 %3").arg(c).arg(r).arg(v);
        v = "Yes";
    };
    QString value;
    g.GetCheckTrue(2, 3, value);
    EXPECT_EQ(value, "Yes");
    g.OnGetCheckFalse = [&](QObject*, int c, int r, QString& v) { log.calls << QString("false %1 %2 %3").arg(c).arg(r).arg(v); };
    g.GetCheckFalse(2, 3, value);
    EXPECT_EQ(value, "N");

    // Alignment: the Hotmail row select centres column 0 first; the event (row first) sees it.
    g.MouseActions().SetHotmailRowSelect(true);
    g.OnGetAlignment = [&](QObject*, int r, int c, TAlignment& ha, TVAlignment&) {
        log.calls << QString("align %1 %2 %3").arg(r).arg(c).arg(int(ha));
    };
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    g.GetAlignment(0, 4, ha, va);

    // Fixed cells: the fixed rows and columns answer before the event is asked.
    g.OnIsFixedCell = [&](QObject*, int r, int c, bool& fixed) {
        log.calls << QString("fixed %1 %2").arg(r).arg(c);
        fixed = (c == 3);
    };
    bool fixed = false;
    g.IsFixedCell(0, 5, fixed);  // fixed column: no event
    EXPECT_TRUE(fixed);
    fixed = false;
    g.IsFixedCell(3, 5, fixed);
    EXPECT_TRUE(fixed);

    // Password cells and word wrap pass the cell in their event's own order.
    g.OnIsPasswordCell = [&](QObject*, int r, int c, bool& p) {
        log.calls << QString("password %1 %2").arg(r).arg(c);
        p = true;
    };
    EXPECT_TRUE(g.CellIsPassword(2, 6));
    g.OnGetWordWrap = [&](QObject*, int c, int r, bool& ww) {
        log.calls << QString("wordwrap %1 %2 %3").arg(c).arg(r).arg(ww);
        ww = false;
    };
    bool ww = true;
    g.GetCellWordWrap(2, 6, ww);
    EXPECT_FALSE(ww);

    EXPECT_EQ(log.calls, QStringList({"true 2 3 Y", "false 2 3 N", "align 4 0 2", "fixed 5 3", "password 6 2",
                                      "wordwrap 2 6 1"}));
}

TEST(ExStringGridQueries, CellColourTakesActiveHeaderThenPropertiesThenTheEvent)
{
    TExStringGrid g;
    g.SetActiveCellShow(true);
    g.SetCol(3);
    g.SetRow(4);
    struct Case {
        int col, row;
        bool lit;
    } cases[] = {{0, 4, true}, {3, 0, true}, {0, 3, false}, {2, 0, false}, {3, 4, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1,%2").arg(c.col).arg(c.row).toStdString());
        platform::TBrush brush;
        brush.Color = clWhite;
        platform::TFont font;
        g.GetCellColor(c.col, c.row, 0, brush, font);
        EXPECT_EQ(brush.Color == g.ActiveCellColor, c.lit);
    }

    g.SetColors(2, 2, clRed);
    g.SetFontColors(2, 2, clBlue);
    TColor seenBrush = 0;
    g.OnGetCellColor = [&](QObject*, int, int, platform::TGridDrawState, platform::TBrush& b, platform::TFont& f) {
        seenBrush = b.Color;
        EXPECT_EQ(f.Color, clBlue);
        b.Color = clLime;
    };
    platform::TBrush brush;
    platform::TFont font;
    g.GetCellColor(2, 2, 0, brush, font);
    EXPECT_EQ(seenBrush, clRed);
    EXPECT_EQ(brush.Color, clLime);
}

TEST(ExStringGridQueries, EditorQueriesAndEditability)
{
    TExStringGrid g;
    // No editor event: never a no-editor cell, even with edNone as default.
    g.DefaultEditor = edNone;
    EXPECT_FALSE(g.IsNoEditorCell(1, 1));
    g.OnGetEditorType = [](QObject*, int c, int, TEditorType& e) {
        if (c == 2) e = edNone;
        if (c == 3) e = edComboList;
        if (c == 4) e = edSpinEdit;
    };
    EXPECT_TRUE(g.IsNoEditorCell(2, 1));
    EXPECT_FALSE(g.IsNoEditorCell(1, 1));

    g.DefaultEditor = edNormal;
    EXPECT_FALSE(g.HasComboBox(3, 1));  // only with drop-downs always visible
    g.ControlLook().SetDropDownAlwaysVisible(true);
    EXPECT_TRUE(g.HasComboBox(3, 1));
    g.ControlLook().SetSpinButtonsAlwaysVisible(true);
    EXPECT_TRUE(g.HasSpinEdit(4, 1));
    // A fixed cell has no spin buttons; its handler is not even asked.
    bool asked = false;
    g.OnHasSpinEdit = [&](QObject*, int, int, bool& has) {
        asked = true;
        has = true;
    };
    EXPECT_FALSE(g.HasSpinEdit(0, 1));
    EXPECT_FALSE(asked);

    // A non-base cell of a block asks about its base cell.
    g.SetOptions(g.Options() | platform::goEditing);
    g.MergeCells(1, 2, 2, 2);
    int askedCol = -1, askedRow = -1;
    g.OnCanEditCell = [&](QObject*, int r, int c, bool& can) {
        askedCol = c;
        askedRow = r;
        can = false;
    };
    bool can = true;
    g.CanEditCell(2, 3, can);
    EXPECT_EQ(askedCol, 1);
    EXPECT_EQ(askedRow, 2);
    EXPECT_FALSE(can);
    // A read-only cell is not editable before the event is asked.
    g.OnCanEditCell = [&](QObject*, int, int, bool& can) { EXPECT_FALSE(can); };
    g.SetReadOnly(3, 5, true);
    can = true;
    g.CanEditCell(3, 5, can);
    EXPECT_FALSE(can);
}

TEST(ExStringGridQueries, WideHintIsPackedAndFilterListIsBuilt)
{
    TExStringGrid g;
    g.OnGridHint = [](QObject*, int, int, QString& h) { h = "plain"; };
    g.OnGridWideHint = [](QObject*, int, int, QString& h) { h = QString::fromUtf8("Ω"); };
    QString hint, wide;
    g.GetGridHint(1, 1, hint, wide);
    EXPECT_TRUE(hint.startsWith("|\\"));

    // Filter list: sorted, duplicates dropped, each value as it is (matched exactly).
    g.SetFilterDropDownAuto(true);
    g.SetRowCount(5);
    const QStringList texts = {"b", "a b", " b ", "a"};
    for (int i = 0; i < texts.size(); ++i) g.SetCellEx(1, 1 + i, texts[i]);
    EXPECT_TRUE(g.GetColumnFilter(1));
    EXPECT_EQ(g.FilterList, QStringList({"(All)", "a", "a b", "b"}));

    TExStringGrid off;
    EXPECT_FALSE(off.GetColumnFilter(1));
    EXPECT_TRUE(off.FilterList.isEmpty());
}

// ------------------------------------------------------------ hidden columns

TEST(ExStringGridHiddenColumns, StorageAndDisplayColumnsWithAHiddenColumn)
{
    TExStringGrid g;
    esgFillCoordinates(g);
    g.SetColWidths(2, 40);
    g.SetColWidths(3, 55);
    g.HideColumn(2);
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.NumHiddenColumns(), 1);
    EXPECT_EQ(g.TotalColCount(), 5);
    EXPECT_TRUE(g.IsHiddenColumn(2));
    EXPECT_EQ(g.RealColIndex(2), 3);
    EXPECT_EQ(g.RealColIndex(3), 4);
    EXPECT_EQ(g.RealColIndex(4), 0);  // past the visible columns
    EXPECT_EQ(g.DisplColIndex(4), 3);
    EXPECT_EQ(g.DisplColIndex(2), 2);  // a hidden column maps to its right neighbour's place
    EXPECT_EQ(g.ColWidths(2), 55);     // the widths moved left over the gap
    // The hidden column's cells stay in storage, readable and writable.
    EXPECT_EQ(g.GetCellEx(2, 5), "2,5");
    g.SetCellEx(2, 5, "kept");
    EXPECT_EQ(g.AllColWidths(2), 40);

    g.UnHideColumn(2);
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.ColWidths(2), 40);
    EXPECT_EQ(g.ColWidths(3), 55);
    EXPECT_EQ(g.GetCellEx(2, 5), "kept");
    EXPECT_EQ(g.GetCellEx(4, 9), "4,9");
}

TEST(ExStringGridHiddenColumns, EdgeCasesAreIgnored)
{
    TExStringGrid g;
    for (int i = -3; i < 8; ++i) {
        EXPECT_EQ(g.RealColIndex(i), i);
        EXPECT_EQ(g.DisplColIndex(i), i);
    }
    g.HideColumns(3, 1);  // empty range
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_FALSE(g.IsHiddenColumn(600));
    g.HideColumn(600);
    g.UnHideColumn(600);
    EXPECT_EQ(g.NumHiddenColumns(), 0);
    g.HideColumn(1);
    g.HideColumn(1);  // already hidden
    EXPECT_EQ(g.NumHiddenColumns(), 1);
    EXPECT_EQ(g.RealColIndex(600), 600);
    g.UnHideColumn(3);  // visible
    EXPECT_EQ(g.ColCount(), 4);

    TExStringGrid one;
    one.SetColCount(1);
    one.HideColumn(0);
    EXPECT_EQ(one.ColCount(), 1);
    EXPECT_EQ(one.NumHiddenColumns(), 0);
}

TEST(ExStringGridHiddenColumns, CurrentCellInTheLastColumnMovesLeft)
{
    TExStringGrid g;
    g.SetCol(4);
    g.HideColumn(1);
    EXPECT_EQ(g.Col(), 3);
}

TEST(ExStringGridHiddenColumns, UnHideAllRestoresCountAndWidths)
{
    TExStringGrid g;
    g.SetColCount(6);
    g.SetColWidths(1, 31);
    g.SetColWidths(3, 33);
    g.HideColumn(1);
    g.HideColumn(3);
    EXPECT_EQ(g.ColCount(), 4);
    g.UnHideColumnsAll();
    EXPECT_EQ(g.ColCount(), 6);
    EXPECT_EQ(g.ColWidths(1), 31);
    EXPECT_EQ(g.ColWidths(3), 33);
}

TEST(ExStringGridHiddenColumns, ColumnHeadersAreWrittenByStorageColumn)
{
    TExStringGrid g;
    g.HideColumn(2);
    g.SetColumnHeaders({"A", "B", "C", "D", "E"});
    g.UnHideColumn(2);
    EXPECT_EQ(g.GetCellEx(2, 0), "C");
    EXPECT_EQ(g.GetCellEx(4, 0), "E");
}

// ------------------------------------------------------------ hidden rows

TEST(ExStringGridHiddenRows, MappingWithTwoHiddenRows)
{
    TExStringGrid g;
    esgFillCoordinates(g);
    for (int i = -1; i < 5; ++i) EXPECT_EQ(g.RealRowIndex(i), i);
    g.HideRows(2, 3);
    EXPECT_EQ(g.RowCount(), 8);
    EXPECT_EQ(g.NumHiddenRows(), 2);
    EXPECT_EQ(g.TotalRowCount(), 10);
    EXPECT_EQ(g.RealRowIndex(2), 4);
    EXPECT_EQ(g.DisplRowIndex(4), 2);
    EXPECT_EQ(g.DisplRowIndex(3), 2);
    EXPECT_TRUE(g.IsHiddenRow(3));
    EXPECT_EQ(g.GetCellEx(1, 2), "1,4");
    // All-rows access reads and writes the hidden row in place.
    EXPECT_EQ(g.CellsEx(1, 3), "1,3");
    EXPECT_EQ(g.CellsEx(1, 4), "1,4");
    g.SetCellsEx(1, 3, "changed");
    g.SetAllInts(2, 3, 42);
    EXPECT_EQ(g.AllInts(2, 3), 42);
}

TEST(ExStringGridHiddenRows, HideAndShowARangeKeepsOrderTextsAndHeights)
{
    TExStringGrid g;
    esgFillCoordinates(g);
    for (int r = 0; r < 10; ++r) g.SetRowHeights(r, 20 + r);
    g.HideRow(3);
    g.HideRows(2, 5);  // row 3 already hidden: stores 2, 4 and 5
    EXPECT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.NumHiddenRows(), 4);
    EXPECT_EQ(g.RowHeights(2), 26);  // the old row 6 moved up with its height
    g.UnHideRows(2, 5);
    EXPECT_EQ(g.RowCount(), 10);
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(g.GetCellEx(3, r), QString("3,%1").arg(r));
        EXPECT_EQ(g.RowHeights(r), 20 + r) << r;
    }
}

TEST(ExStringGridHiddenRows, UnHideWithAVisibleRowBetweenAndAVisibleFirstRow)
{
    TExStringGrid g;
    esgFillCoordinates(g);
    g.HideRow(5);
    g.HideRow(7);
    g.UnHideRows(4, 6);  // row 4 visible: nothing happens
    EXPECT_EQ(g.NumHiddenRows(), 2);
    g.UnHideRows(5, 7);
    EXPECT_EQ(g.NumHiddenRows(), 0);
    for (int r = 4; r <= 8; ++r) EXPECT_EQ(g.GetCellEx(1, r), QString("1,%1").arg(r));
}

TEST(ExStringGridHiddenRows, HiddenRowKeepsHiddenColumnTextsAndProperties)
{
    TExStringGrid g;
    esgFillCoordinates(g);
    g.SetColors(3, 6, clRed);
    g.HideColumn(3);
    g.HideRow(6);
    EXPECT_EQ(g.CellsEx(3, 6), "3,6");
    g.UnHideRow(6);
    g.UnHideColumn(3);
    EXPECT_EQ(g.GetCellEx(3, 6), "3,6");
    EXPECT_EQ(g.Colors(3, 6), clRed);
    EXPECT_EQ(g.GetCellEx(3, 7), "3,7");
}

TEST(ExStringGridHiddenRows, RowListLevelsAndUnHideAll)
{
    TExStringGrid g;
    esgFillCoordinates(g);
    g.HideRowList({2, 5, 6});
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.GetCellEx(1, 2), "1,3");
    EXPECT_EQ(g.GetCellEx(1, 4), "1,7");
    g.UnHideRowList();
    g.SetFilterLevel(g.FilterLevel() - 1);
    EXPECT_EQ(g.RowCount(), 10);
    for (int r = 0; r < 10; ++r) EXPECT_EQ(g.GetCellEx(1, r), QString("1,%1").arg(r));

    g.HideRow(1);
    g.HideRows(4, 5);
    g.HideRow(8);
    g.UnHideRowsAll();
    EXPECT_EQ(g.RowCount(), 10);
    for (int r = 0; r < 10; ++r) EXPECT_EQ(g.GetCellEx(2, r), QString("2,%1").arg(r));
}

// ------------------------------------------------------------ dimensions

TEST(ExStringGridDimensions, FixedRowAlwaysKeepsOneFixedRow)
{
    TExStringGrid g;
    g.SetFixedRowAlways(true);
    g.SetRowCount(1);
    g.SetFixedRows(1);
    EXPECT_EQ(g.GridBase::FixedRows(), 0);
    EXPECT_EQ(g.FixedRows(), 1);
    g.SetRowCount(5);
    EXPECT_EQ(g.GridBase::FixedRows(), 1);
}

TEST(ExStringGridDimensions, FixedRowsWhileLoadingLeaveTheMinimum)
{
    TExStringGrid g;
    g.BeginLoading();
    g.SetFixedRows(3);
    EXPECT_EQ(g.FixedRowsMin(), 1);
    g.Loaded();
    EXPECT_EQ(g.FixedRowsMin(), 3);
}

TEST(ExStringGridDimensions, RowUpdateIsReportedOncePerChange)
{
    TExStringGrid g;
    QList<QPair<int, int>> reports;
    g.OnRowUpdate = [&](QObject*, int o, int n) { reports.append({o, n}); };
    g.SetRow(5);
    g.SetRow(5);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports[0], qMakePair(1, 5));
}

TEST(ExStringGridDimensions, SaveRangesUsedCellsAndMovedRows)
{
    TExStringGrid g;
    g.SetRowCount(12);
    g.SetFixedFooters(2);
    g.SaveFixedCells = false;
    EXPECT_EQ(g.SaveEndRow(), 9);
    g.SaveFixedRows = true;
    EXPECT_EQ(g.SaveEndRow(), 11);

    TExStringGrid empty;
    EXPECT_EQ(empty.UsedCells(), (platform::TGridRect{0, 0, 0, 0}));
    empty.SetCellEx(3, 5, "a");
    empty.SetCellEx(1, 7, "b");
    EXPECT_EQ(empty.UsedCells(), (platform::TGridRect{1, 5, 3, 7}));

    TExStringGrid m;
    esgFillCoordinates(m);
    m.HideColumn(4);
    m.MoveRows(2, 8, 3);
    EXPECT_EQ(m.GetCellEx(1, 5), "1,2");
    EXPECT_EQ(m.GetCellEx(1, 7), "1,4");
    EXPECT_EQ(m.GetCellEx(4, 6), "4,3");  // the hidden column moved along
    EXPECT_EQ(m.GetCellEx(1, 2), "1,5");
}

TEST(ExStringGridDimensions, FloatingFooterRowStaysLast)
{
    TExStringGrid g;
    g.FloatingFooter().Visible = true;
    g.SetCellEx(1, 9, "footer");
    g.SetRowCount(20);
    EXPECT_EQ(g.GetCellEx(1, 19), "footer");
    EXPECT_EQ(g.GetCellEx(1, 9), "");
}

TEST(ExStringGridDimensions, FixedColWidthEqualToTheDefaultChangesNothing)
{
    TExStringGrid g;
    g.SetColWidths(0, 30);
    g.SetFixedColWidth(g.DefaultColWidth());
    EXPECT_EQ(g.ColWidths(0), 30);
    g.SetFixedColWidth(80);
    EXPECT_EQ(g.FixedColWidth(), 80);
}

// ------------------------------------------------------------ typed access

TEST(ExStringGridTyped, IntegersAndFloatsWithTheirErrors)
{
    grid_text_testing::FormatSettingsScope fs(u',', u'.');
    TExStringGrid g;
    struct Case {
        QString text;
        int ints;
        double floats;
    } cases[] = {{"  -  ", 0, 0}, {"", 0, 0}, {"<b>42</b>", 42, 42}, {"$1F", 31, 0}, {"(12,5)", 0, -12.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        g.SetCellEx(1, 1, c.text);
        if (c.text != "(12,5)") { EXPECT_EQ(g.Ints(1, 1), c.ints); }
        if (c.text != "$1F") { EXPECT_DOUBLE_EQ(g.Floats(1, 1), c.floats); }
    }
    g.SetCellEx(1, 1, "<b>42</b>");
    try {
        (void)g.AllInts(1, 1);
        FAIL() << "no error";
    } catch (const EExGridError& e) {
        EXPECT_STREQ(e.what(), "Cell does not contain integer value");
    }
    g.SetCellEx(1, 1, "1-2");
    try {
        (void)g.Floats(1, 1);
        FAIL() << "no error";
    } catch (const EExGridError& e) {
        EXPECT_STREQ(e.what(), "Cell does not contain a float value");
    }
    g.SetCellEx(1, 1, "1.234,5");
    EXPECT_DOUBLE_EQ(g.Floats(1, 1), 1234.5);
}

TEST(ExStringGridTyped, WritingNumbersDatesAndTimes)
{
    grid_text_testing::FormatSettingsScope fs(u'.', u',');
    platform::formatSettings().LongTimeFormat = "hh:nn:ss";
    TExStringGrid g;
    g.SetFloats(1, 1, 3.14159);
    EXPECT_EQ(g.GetCellEx(1, 1), "3.14");
    g.SetInts(2, 1, -17);
    EXPECT_EQ(g.GetCellEx(2, 1), "-17");
    g.SetDates(1, 2, QDate(2026, 3, 9));
    EXPECT_EQ(g.GetCellEx(1, 2), "09/03/2026");
    EXPECT_EQ(g.Dates(1, 2), QDate(2026, 3, 9));
    g.ShowNullDates = false;
    g.SetDates(1, 2, QDate());
    EXPECT_EQ(g.GetCellEx(1, 2), "");
    g.SetTimes(1, 3, QTime(8, 5, 30));
    EXPECT_EQ(g.GetCellEx(1, 3), "08:05:30");
    EXPECT_EQ(g.Times(1, 3), QTime(8, 5, 30));
    g.SetCellEx(1, 4, "no date");
    EXPECT_THROW((void)g.Dates(1, 4), std::invalid_argument);

    g.SetCellEx(1, 5, "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"old\">");
    EXPECT_EQ(g.ControlValues(1, 5, "e1"), "old");
    g.SetControlValues(1, 5, "e1", "new");
    EXPECT_EQ(g.ControlValues(1, 5, "e1"), "new");
    EXPECT_EQ(g.ControlValues(1, 5, "e2"), "");
}

TEST(ExStringGridTyped, FillsCoverTheirRegion)
{
    TExStringGrid g;
    g.FormatFill(false, "%d-%d");
    EXPECT_EQ(g.GetCellEx(1, 1), "1-1");
    EXPECT_EQ(g.GetCellEx(0, 1), "");
    g.LinearFill(true);
    EXPECT_EQ(g.GetCellEx(0, 0), "0:0");
    g.TextFill(false, "t");
    EXPECT_EQ(g.GetCellEx(4, 9), "t");
    g.RandomFill(false, 3);
    const int v = g.Ints(2, 2);
    EXPECT_TRUE(v >= 0 && v < 3);
}

TEST(ExStringGridTyped, FooterCountWithHiddenRowsAndCustomWithoutHandler)
{
    TExStringGrid g;
    g.SetRowCount(12);  // 1 fixed row, 10 data rows, the footer row
    g.FloatingFooter().Visible = true;
    for (int r = 1; r <= 10; ++r) g.SetInts(1, r, r);
    g.GetCellProperties(1, 11)->SetCalcType(acCOUNT);
    g.GetCellProperties(2, 11)->SetCalcType(acCUSTOM);
    g.GetCellProperties(3, 11)->SetCalcType(acSUM);
    g.SetCellEx(2, 11, "stale");
    g.HideRows(2, 4);
    g.CalcFooter(-1);
    EXPECT_EQ(g.Ints(1, 8), 10);  // 7 visible + 3 hidden
    EXPECT_EQ(g.GetCellEx(2, 8), "");
    g.FloatingFooter().CalculateHiddenRows = false;
    g.CalcFooter(-1);
    EXPECT_EQ(g.Ints(1, 8), 7);

    TExStringGrid sums;
    sums.SetRowCount(5);
    sums.FloatingFooter().Visible = true;
    for (int r = 1; r <= 3; ++r) sums.SetInts(1, r, r * 10);
    sums.GetCellProperties(1, 4)->SetCalcType(acSUM);
    sums.FloatingFooter().EnableCalculation = false;
    sums.CalcFooter(-1);
    EXPECT_EQ(sums.GetCellEx(1, 4), "");
    sums.FloatingFooter().EnableCalculation = true;
    sums.CalcFooter(-1);
    EXPECT_EQ(sums.GetCellEx(1, 4), "60.00");
}

// ------------------------------------------------------------ selection and flags

TEST(ExStringGridSelection, SelectRowsWithoutDisjunctSelection)
{
    TExStringGrid g;
    g.SelectRows(3, 1);
    EXPECT_EQ(g.Selection(), (platform::TGridRect{1, 3, 4, 3}));
    g.SelectRows(8, 5);
    EXPECT_EQ(g.Selection(), (platform::TGridRect{1, 8, 4, 9}));
    EXPECT_TRUE(g.RowSelect(9));
    EXPECT_FALSE(g.RowSelect(7));
    EXPECT_EQ(g.RowSelectCount(), 2);
}

TEST(ExStringGridSelection, DisjunctRowFlagsEventsAndList)
{
    TExStringGrid g;
    g.MouseActions().SetDisjunctRowSelect(true);
    QStringList events;
    g.OnRowDisjunctSelect = [&](QObject*, int r, bool state, bool& allow) {
        events << QString("ask %1 %2").arg(r).arg(state);
        allow = r != 6;
    };
    g.OnRowDisjunctSelected = [&](QObject*, int r) { events << QString("done %1").arg(r); };
    g.SetRowSelect(4, true);
    g.SetRowSelect(4, true);  // same state: not asked again, still reported
    g.SetRowSelect(6, true);  // refused
    EXPECT_TRUE(g.RowSelect(4));
    EXPECT_FALSE(g.RowSelect(6));
    EXPECT_EQ(g.SelectedRows(), std::vector<int>({4}));
    EXPECT_EQ(events, QStringList({"ask 4 1", "done 4", "done 4", "ask 6 1"}));
    g.SetRowSelect(4, false);
    EXPECT_TRUE(g.SelectedRows().empty());
    g.SelectRows(2, 3);
    EXPECT_EQ(g.RowSelectCount(), 3);
    g.ClearRowSelect();
    EXPECT_EQ(g.RowSelectCount(), 0);
}

TEST(ExStringGridSelection, InvalidRowAndColumnFlagsRaise)
{
    TExStringGrid g;
    try {
        (void)g.RowSelect(-1);
        FAIL();
    } catch (const EExGridError& e) {
        EXPECT_STREQ(e.what(), "Invalid row -1 accessed");
    }
    try {
        g.SetRowSelect(10, true);
        FAIL();
    } catch (const EExGridError& e) {
        EXPECT_STREQ(e.what(), "Invalid row accessed");
    }
    try {
        (void)g.ColSelect(5);
        FAIL();
    } catch (const EExGridError& e) {
        EXPECT_STREQ(e.what(), "Invalid column accessed");
    }
    EXPECT_THROW(g.SetColSelect(-1, true), EExGridError);
    g.MouseActions().RowSelectPersistent = true;
    EXPECT_NO_THROW((void)g.RowSelect(-1));
    g.SetColSelect(2, true);
    EXPECT_TRUE(g.ColSelect(2));
}

TEST(ExStringGridSelection, ModifiedAndEnabledRows)
{
    TExStringGrid g;
    g.SetRowModified(3, true);
    g.SetRowModified(5, true);
    g.SetRowModified(5, false);
    EXPECT_TRUE(g.RowModified(3));
    EXPECT_FALSE(g.RowModified(40));
    EXPECT_EQ(g.ModifiedRowCount(), 1);

    g.SetRow(1);
    g.SetRowEnabled(1, false);
    EXPECT_FALSE(g.RowEnabled(1));
    EXPECT_EQ(g.Row(), 2);
    EXPECT_TRUE(g.RowEnabled(99));
}

TEST(ExStringGridSelection, HiddenSelectionComesBackOrFallsToTheFirstNormalCell)
{
    TExStringGrid g;
    g.SelectRange(2, 3, 7, 8);
    g.HideSelection();
    EXPECT_TRUE(g.SelectionHidden());
    g.UnHideSelection();
    EXPECT_EQ(g.Selection(), (platform::TGridRect{2, 7, 3, 8}));
    g.HideSelection();
    g.SetRowCount(5);
    g.UnHideSelection();
    EXPECT_EQ(g.Selection(), (platform::TGridRect{1, 1, 1, 1}));
}

TEST(ExStringGridSelection, ScrollInViewOfAVisibleCellKeepsTheView)
{
    TExStringGrid g;
    g.show();
    g.SetRowCount(100);
    const int left = g.LeftCol();
    const int top = g.TopRow();
    g.ScrollInView(2, 3);
    EXPECT_EQ(g.LeftCol(), left);
    EXPECT_EQ(g.TopRow(), top);
    g.ScrollInView(2, 80);
    EXPECT_GT(g.TopRow(), 50);
}

// ------------------------------------------------------------ headers and combo lists

TEST(ExStringGridHeaders, ColumnAndRowHeaders)
{
    TExStringGrid g;
    g.SetColCount(3);
    g.SetCellEx(2, 0, "old");
    g.SetColumnHeaders({"Name", "Value"});
    EXPECT_EQ(g.GetCellEx(0, 0), "Name");
    EXPECT_EQ(g.GetCellEx(1, 0), "Value");
    EXPECT_EQ(g.GetCellEx(2, 0), "");
    g.SetColumnHeaders({"A\\nB"});
    EXPECT_EQ(g.GetCellEx(0, 0), "A\rB");

    g.SetCellEx(0, 3, "kept");
    g.SetRowHeaders({"", "r1", "r2"});
    EXPECT_EQ(g.GetCellEx(0, 2), "r2");
    EXPECT_EQ(g.GetCellEx(0, 3), "kept");
}

TEST(ExStringGridHeaders, ComboListAndComboIndex)
{
    TExStringGrid g;
    int asked = 0;
    g.OnGetEditorProp = [&](QObject*, int, int, QObject*) {
        ++asked;
        g.ClearComboString();
        g.AddComboString("Int");
        g.AddComboString("Float");
        g.AddComboString("String");
    };
    g.SetCellEx(1, 1, "Float");
    EXPECT_EQ(g.ComboIndex(1, 1), 1);
    g.SetComboIndex(1, 2, 2);
    EXPECT_EQ(g.GetCellEx(1, 2), "String");
    g.SetCellEx(1, 3, "Double");
    EXPECT_EQ(g.ComboIndex(1, 3), -1);
    EXPECT_EQ(asked, 3);
    EXPECT_THROW(g.SetComboIndex(1, 2, 7), EExGridError);

    EXPECT_FALSE(g.RemoveComboString("Bool"));
    EXPECT_EQ(g.GetComboCount(), 3);
    EXPECT_TRUE(g.RemoveComboString("Int"));
    EXPECT_TRUE(g.SetComboSelectionString("String"));
    EXPECT_EQ(g.ComboSelection(), 1);
    EXPECT_FALSE(g.SetComboSelectionString("none"));
    EXPECT_EQ(g.ComboSelection(), 1);
}

TEST(ExStringGridHeaders, MergedColumnsMergeRunsOfEqualCells)
{
    TExStringGrid g;
    for (int r = 1; r <= 3; ++r) g.SetCellEx(2, r, "same");
    g.MergedColumns().Add(2);
    EXPECT_TRUE(g.IsMergedCell(2, 2));
    EXPECT_EQ(g.BaseCell(2, 3), QPoint(2, 1));
}

// ------------------------------------------------------------ index spaces and properties

TEST(ExStringGridCells, PropertyReadersDoNotCreatePropertiesButWordWrapsDoes)
{
    TExStringGrid g;
    EXPECT_EQ(g.Colors(2, 2), clNone);
    EXPECT_EQ(g.Alignments(2, 2), taLeftJustify);
    EXPECT_FALSE(g.HasCellProperties(2, 2));
    (void)g.WordWraps(2, 2);
    EXPECT_TRUE(g.HasCellProperties(2, 2));
}

TEST(ExStringGridCells, ColumnOrderAndHeaderLookup)
{
    TExStringGrid g;
    g.SetColumnHeaders({"", "One", "Two", "Three", "Four"});
    esgFillCoordinates(g);
    g.SetColumnHeaders({"", "One", "Two", "Three", "Four"});
    g.MoveColumn(2, 0);
    EXPECT_EQ(g.ColumnPosition(2), 0);
    EXPECT_EQ(g.OriginalCells(2, 4), "2,4");
    EXPECT_EQ(g.ColumnByHeader("Two"), 0);
    EXPECT_EQ(g.ColumnByHeader("two"), -1);
    g.ResetColumnOrder();
    EXPECT_EQ(g.GetCellEx(2, 4), "2,4");
    EXPECT_EQ(g.GetCellEx(0, 4), "0,4");
}

TEST(ExStringGridCells, RowColourToNoneKeepsGraphicCells)
{
    TExStringGrid g;
    g.SetRowColorTo(3, clRed);
    auto graphic = std::make_unique<TCellGraphic>();
    graphic->SetCellType(ctCheckBox);
    g.SetGraphicObjectEx(1, 3, std::move(graphic));
    g.SetRowColorTo(3, clNone);
    EXPECT_TRUE(g.HasCellProperties(1, 3));
    EXPECT_EQ(g.GetCellType(1, 3), ctCheckBox);
    EXPECT_EQ(g.ColorsTo(1, 3), clNone);
    EXPECT_FALSE(g.HasCellProperties(2, 3));
}

TEST(ExStringGridCells, CurrentCellIsTheBaseCellOfItsBlock)
{
    TExStringGrid g;
    g.MergeCells(1, 1, 2, 2);
    g.SetCellEx(1, 1, "block");
    g.SetCol(2);
    g.SetRow(2);
    EXPECT_EQ(g.CurrentCell(), "block");
    g.SetCurrentCell("new");
    EXPECT_EQ(g.GetCellEx(1, 1), "new");
}

// ------------------------------------------------------------ sizing and hooks

TEST(ExStringGridSizing, StretchColumnFillsTheClientWidth)
{
    QWidget form;
    form.resize(600, 400);
    TExStringGrid g(&form);
    g.SetColCount(4);
    g.setFrameShape(QFrame::NoFrame);
    g.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g.resize(500, 250);
    form.show();
    for (int c = 0; c < 3; ++c) g.SetColWidths(c, 100);
    g.ColumnSize().SetStretch(true);
    g.StretchColumn(-1);
    EXPECT_EQ(g.ColWidths(3), 500 - 300 - 1);
    EXPECT_THROW(g.StretchColumn(4), EExGridError);
}

TEST(ExStringGridSizing, StretchColumnBeyondTheColumnsNeverRaisesFromResizing)
{
    QWidget form;
    form.resize(600, 400);
    TExStringGrid g(&form);
    g.setFrameShape(QFrame::NoFrame);
    g.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g.ColumnSize().StretchColumn = 4;
    g.ColumnSize().SetStretch(true);
    form.show();
    g.HideColumn(2);  // the stretch column now lies beyond the display columns
    EXPECT_NO_THROW(g.resize(450, 200));
    EXPECT_NO_THROW(form.resize(700, 420));
    int sum = 0;
    for (int c = 0; c < g.ColCount(); ++c) sum += g.ColWidths(c);
    EXPECT_EQ(sum, g.viewport()->width() - 1);  // the last display column took the rest
    EXPECT_THROW(g.StretchColumn(4), EExGridError);
}

TEST(ExStringGridSizing, AutoFitColumnsScalesInProportionAndSkipsZeroWidths)
{
    TExStringGrid g;
    g.setFrameShape(QFrame::NoFrame);
    g.SetScrollBars(platform::ssNone);
    g.SetOptions(g.Options() & ~(platform::goVertLine | platform::goFixedVertLine));
    g.SetColCount(3);
    g.SetFixedCols(0);
    g.SetRowCount(3);
    g.resize(400, 200);
    g.SetColWidths(0, 50);
    g.SetColWidths(1, 50);
    g.SetColWidths(2, 100);
    g.AutoFitColumns(false);
    EXPECT_EQ(g.ColWidths(0), 100);
    EXPECT_EQ(g.ColWidths(1), 100);
    EXPECT_EQ(g.ColWidths(2), 200);

    for (int c = 0; c < 3; ++c) g.SetColWidths(c, 0);
    EXPECT_NO_THROW(g.AutoFitColumns(false));
    for (int c = 0; c < 3; ++c) EXPECT_EQ(g.ColWidths(c), 0);
}

TEST(ExStringGridSizing, UserSizedColumnScalesOthersAndAsksTheHandler)
{
    TExStringGrid g;
    g.MouseActions().AllColumnSize = true;
    for (int c = 0; c < 5; ++c) g.SetColWidths(c, 50);
    g.Colclicked = 2;
    g.Colclickedsize = 50;
    g.ColSized = true;
    int ended = -1;
    g.OnEndColumnSize = [&](QObject*, int c) { ended = c; };
    g.OnUpdateColumnSize = [](QObject*, int, int& w) { w = 110; };
    g.SetColWidths(2, 100);
    EXPECT_EQ(g.ColWidths(0), 50);   // fixed column
    EXPECT_EQ(g.ColWidths(1), 100);  // doubled
    EXPECT_EQ(g.ColWidths(4), 100);
    EXPECT_EQ(g.ColWidths(2), 110);  // the handler's width
    EXPECT_EQ(ended, 2);
}

TEST(ExStringGridSizing, AutoDeleteRowEmptiesTheOnlyNormalRow)
{
    TExStringGrid g;
    g.SetRowCount(2);
    g.SetCellEx(1, 1, "x");
    int deleted = -1;
    g.OnAutoDeleteRow = [&](QObject*, int r) { deleted = r; };
    g.AutoDeleteRow(1);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.GetCellEx(1, 1), "");
    EXPECT_EQ(deleted, 1);
    g.SetRowCount(4);
    g.SetCellEx(1, 2, "y");
    g.AutoDeleteRow(1);
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.GetCellEx(1, 1), "y");
}

TEST(ExStringGridSizing, DragScrollingNearTheTopEdge)
{
    TExStringGrid g;
    g.show();
    g.SetRowCount(50);
    g.SetTopRow(10);
    g.DragScrollOptions().Active = true;
    bool accept = true;
    g.HandleDragOver(nullptr, 100, 5, dsDragMove, accept);
    EXPECT_TRUE(g.DragScrolling());
    g.DragScrollTimer();
    EXPECT_EQ(g.TopRow(), 9);
    g.OnDragScroll = [](QObject*, int, int, TDragScrollDirection&, bool& can) { can = false; };
    g.DragScrollTimer();
    EXPECT_EQ(g.TopRow(), 9);
    g.HandleDragOver(nullptr, 100, 5, dsDragLeave, accept);
    EXPECT_FALSE(g.DragScrolling());
}

// ------------------------------------------------------------ more hooks, window life, index spaces

TEST(ExStringGridQueries, RelayHooksPassTheCellInTheirEventsOwnOrder)
{
    TExStringGrid g;
    QStringList seen;
    auto note = [&](const QString& what, int a, int b) { seen << QString("%1 %2 %3").arg(what).arg(a).arg(b); };
    g.OnCanEditCell = [&](QObject*, int r, int c, bool&) { note("canedit(r,c)", r, c); };
    g.OnSearchFooterAction = [&](QObject*, const QString&, int c, int r, TSearchAction) { note("search(c,r)", c, r); };
    g.OnButtonClick = [&](QObject*, int c, int r) { note("button(c,r)", c, r); };
    g.OnExpandClick = [&](QObject*, int c, int r, bool) { note("expand(c,r)", c, r); };
    g.OnComboCloseUp = [&](QObject*, int r, int c) { note("closeup(r,c)", r, c); };
    g.OnComboDropDown = [&](QObject*, int r, int c) { note("dropdown(r,c)", r, c); };
    g.OnGetCellPrintBorder = [&](QObject*, int r, int c, TGridPen&, TCellBorders&) { note("printborder(r,c)", r, c); };
    g.OnGetCellBorder = [&](QObject*, int r, int c, TGridPen&, TCellBorders&) { note("border(r,c)", r, c); };
    g.OnGetFormat = [&](QObject*, int c, TSortStyle& s, QString&, QString&) {
        note("format(c,style)", c, int(s));
        s = ssNumeric;
    };
    bool can = true;
    g.DoCanEditCell(2, 3, can);
    g.DoSearchFooterAction("x", 2, 3, saFindNext);
    g.DoButtonClick(2, 3);
    g.DoExpandClick(2, 3, true);
    g.DoComboCloseUp(3, 2);
    g.DoComboDropDown(3, 2);
    TGridPen pen;
    TCellBorders borders = 0;
    g.GetCellPrintBorder(2, 3, pen, borders);
    g.GetCellBorder(2, 3, pen, borders);
    EXPECT_EQ(borders, 0);  // no grouping lines for a plain row
    TSortStyle style = ssAutomatic;
    QString prefix, suffix;
    g.GetColFormat(2, style, prefix, suffix);
    EXPECT_EQ(style, ssNumeric);
    g.SetCol(2);
    g.SetRow(3);
    g.DoGridButtonClick();
    EXPECT_EQ(seen, QStringList({"canedit(r,c) 3 2", "search(c,r) 2 3", "button(c,r) 2 3", "expand(c,r) 2 3",
                                 "closeup(r,c) 3 2", "dropdown(r,c) 3 2", "printborder(r,c) 3 2", "border(r,c) 3 2",
                                 "format(c,style) 2 0", "button(c,r) 2 3"}));

    // The editor type query gets the caller's preset; the mask starts from EditMask.
    TEditorType editor = edComboList;
    g.OnGetEditorType = [](QObject*, int, int, TEditorType& e) { EXPECT_EQ(e, edComboList); };
    g.QueryEditorType(1, 1, editor);
    g.EditMask = "00";
    g.OnGetEditMask = [](QObject*, int, int, QString& v) { v += "!"; };
    EXPECT_EQ(g.GetEditMask(1, 1), "00!");
}

TEST(ExStringGridQueries, FooterAndRightColumnsAreFixedAndCellFontFollowsProperties)
{
    TExStringGrid g;
    g.SetFixedFooters(1);
    g.SetFixedRightCols(1);
    EXPECT_TRUE(g.IsFixed(2, 9));
    EXPECT_TRUE(g.IsFixed(4, 3));
    EXPECT_FALSE(g.IsFixed(2, 3));
    EXPECT_TRUE(g.IsFixed(0, 3));

    EXPECT_EQ(&g.GetCellFont(2, 2), &g.Font());
    g.SetFontNames(2, 2, "Verdana");
    g.SetFontSizes(2, 2, 11);
    const TCellFont& f = g.GetCellFont(2, 2);
    EXPECT_EQ(f.Name, "Verdana");
    EXPECT_EQ(f.Size, 11);
}

TEST(ExStringGridConstruction, GridOnAFormGrowsWithTheForm)
{
    QWidget form;
    form.resize(500, 400);
    form.show();
    TExStringGrid g(&form);
    g.SetSizeWithForm(true);
    g.resize(300, 200);
    form.resize(560, 430);
    QCoreApplication::processEvents();
    EXPECT_EQ(g.width(), 360);
    EXPECT_EQ(g.height(), 230);

    TExStringGrid alone;  // no form: nothing to follow
    alone.SetSizeWithForm(true);
    alone.GridFormResize(nullptr);
    EXPECT_EQ(alone.width(), 400);
}

TEST(ExStringGridDimensions, SizingZoneTopRowAndSwappedCells)
{
    TExStringGrid g;
    g.show();
    g.SetOptions(g.Options() | platform::goColSizing);
    const platform::TRect cell = g.GridBase::CellRect(2, 0);
    EXPECT_TRUE(g.IsInSizingZone(cell.Right - 3, cell.Top + 5));
    EXPECT_FALSE(g.IsInSizingZone(cell.Right - 5, cell.Top + 5));
    EXPECT_FALSE(g.IsInSizingZone(cell.Right - 3, g.GridBase::CellRect(2, 4).Top + 5));  // below the first row

    g.SetRowCount(60);
    g.SetTopRow(0);  // a fixed row is no top row
    EXPECT_EQ(g.TopRow(), 1);
    g.SetTopRow(70);
    EXPECT_EQ(g.TopRow(), 1);

    g.SetCellEx(1, 1, "a");
    g.SetColors(1, 1, clRed);
    g.SetCellEx(2, 2, "b");
    g.SwapCells({1, 1}, {2, 2});
    EXPECT_EQ(g.GetCellEx(1, 1), "b");
    EXPECT_EQ(g.GetCellEx(2, 2), "a");
    EXPECT_EQ(g.Colors(2, 2), clRed);
    EXPECT_FALSE(g.HasCellProperties(1, 1));
}

TEST(ExStringGridHiddenRows, FilterLevelKeepsTheFooterRowLast)
{
    TExStringGrid g;
    esgFillCoordinates(g);
    g.FloatingFooter().Visible = true;
    g.HideRowList({3, 4});
    EXPECT_EQ(g.GetCellEx(1, g.RowCount() - 1), "1,9");
    g.UnHideRowList();
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_EQ(g.GetCellEx(1, 9), "1,9");
    EXPECT_EQ(g.GetCellEx(1, 3), "1,3");
}

TEST(ExStringGridCells, UnsortedRowsAndAllColumnWidths)
{
    TExStringGrid g;
    esgFillCoordinates(g);
    EXPECT_EQ(g.UnSortedRowIndex(4), 4);
    // The rows 1 and 2 were swapped by a sort.
    for (int r = 0; r < 10; ++r) g.SortRowXRef().Add(r);
    g.SortRowXRef().SetInteger(1, 2);
    g.SortRowXRef().SetInteger(2, 1);
    EXPECT_EQ(g.UnSortedRowIndex(2), 1);
    EXPECT_EQ(g.UnSortedCells(3, 2), "3,1");
    EXPECT_EQ(g.SortedRowIndex(1), 2);

    g.HideColumn(3);
    g.SetAllColWidths(3, 77);
    EXPECT_EQ(g.AllColWidths(3), 77);
    g.SetAllColWidths(1, 44);
    EXPECT_EQ(g.ColWidths(1), 44);
    g.UnHideColumn(3);
    EXPECT_EQ(g.ColWidths(3), 77);
}

TEST(ExStringGridSizing, KeyboardRowInsertionKeepsHiddenRowIndexes)
{
    TExStringGrid g;
    esgFillCoordinates(g);
    g.HideRow(6);
    g.InsertRowAt(2);
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_EQ(g.GetCellEx(1, 2), "");
    EXPECT_TRUE(g.IsHiddenRow(7));  // the hidden row moved down with its neighbours
    g.UnHideRow(7);
    EXPECT_EQ(g.GetCellEx(1, 7), "1,6");
}

TEST(ExStringGridDimensions, MovedRowTakesItsCellsAlong)
{
    TExStringGrid g;
    esgFillCoordinates(g);
    g.SetRowHeights(2, 40);
    g.MoveRow(2, 5);
    EXPECT_EQ(g.GetCellEx(1, 5), "1,2");
    EXPECT_EQ(g.GetCellEx(1, 2), "1,3");
    EXPECT_EQ(g.RowHeights(5), 40);
    g.MoveColumn(1, 3);
    EXPECT_EQ(g.GetCellEx(3, 5), "1,2");
    EXPECT_EQ(g.GetCellEx(1, 5), "2,2");
}
