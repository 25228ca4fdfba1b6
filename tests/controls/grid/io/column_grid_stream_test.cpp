// Column descriptions of a column grid through a component stream: a round
// trip of every published property, widths and headers reaching the grid,
// and malformed streams refused with the descriptions unchanged.

#include <gtest/gtest.h>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/column_grid/grid_column.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/io/component_stream.h"

using namespace grid;

namespace column_grid_stream_test {

std::unique_ptr<TExColumnGrid> makeGrid(int cols)
{
    auto g = std::make_unique<TExColumnGrid>();
    g->SetColCount(cols);
    g->SetRowCount(3);
    return g;
}

TEST(ColumnStream, EveryPublishedPropertyRoundTrips)
{
    auto g = makeGrid(3);
    TGridColumnItem& c = *g->Columns().Items(1);
    c.SetWidth(77);
    c.SetHeader(QString::fromUtf8("Wert €"));
    c.SetAlignment(taCenter);
    c.SetHeaderAlignment(taRightJustify);
    c.SetColor(0x00123456);
    c.SetFont({"Courier", 11, fsBold, clRed});
    c.SetHeaderFont({"Arial", 9, fsItalic, clBlue});
    c.PrintFont = {"Times", 12, fsUnderline, clGreen};
    c.SetEditor(edComboList);
    c.SetFixed(true);
    c.SetPassword(true);
    c.SetShowBands(true);
    c.SetBorders(cbTop | cbBottom);
    c.SetBorderPen({clNavy, 3});
    c.PrintBorders = cbLeft;
    c.PrintBorderPen = {clMaroon, 2};
    c.PrintColor = clYellow;
    c.ReadOnly = true;
    c.ComboItems = {"a", "b"};
    c.Filter = {"x=1"};
    c.DropDownCount = 12;
    c.EditLength = 7;
    c.EditMask = "999";
    c.SpinMin = -5;
    c.SpinMax = 100000;
    c.SpinStep = 5;
    c.Tag = -70000;
    c.Name = "ID";
    c.CheckFalse = "0";
    c.CheckTrue = "1";
    c.MinSize = 10;
    c.MaxSize = 200;
    c.AutoMinSize = 11;
    c.AutoMaxSize = 201;
    c.FilterCaseSensitive = true;
    c.SetFloatFormat("%.3f");
    c.SortStyle = ssNumeric;
    c.SortPrefix = "$";
    c.SortSuffix = "kg";
    c.ColumnPopupType = cpAllCellsLClick;
    c.PrintBorderCustom = false;
    c.PrintFontCustom = false;

    QByteArray bytes;
    g->SaveColumnsToStream(bytes);
    EXPECT_TRUE(bytes.startsWith(QByteArray("TPF0\x0fTExColumnGridIO\x00\x05Items\x0e\x01", 28)));

    auto t = makeGrid(3);
    t->LoadColumnsFromStream(bytes);
    ASSERT_EQ(t->Columns().Count(), 3);
    const TGridColumnItem& r = *t->Columns().Items(1);
    EXPECT_EQ(t->AllColWidths(1), 77);
    EXPECT_EQ(r.Width(), 77);
    EXPECT_EQ(r.Header(), QString::fromUtf8("Wert €"));
    EXPECT_EQ(t->GetCellEx(1, 0), QString::fromUtf8("Wert €"));
    EXPECT_EQ(t->ColumnHeaders().value(1), QString::fromUtf8("Wert €"));
    EXPECT_EQ(r.Alignment(), taCenter);
    EXPECT_EQ(r.HeaderAlignment(), taRightJustify);
    EXPECT_EQ(r.Color(), 0x00123456u);
    EXPECT_EQ(r.Font().Name, "Courier");
    EXPECT_EQ(r.Font().Size, 11);
    EXPECT_EQ(r.Font().Style, fsBold);
    EXPECT_EQ(r.Font().Color, clRed);
    EXPECT_EQ(r.HeaderFont().Name, "Arial");
    EXPECT_EQ(r.HeaderFont().Color, clBlue);
    EXPECT_EQ(r.PrintFont.Name, "Times");
    EXPECT_EQ(r.PrintFont.Style, fsUnderline);
    EXPECT_EQ(r.Editor(), edComboList);
    EXPECT_TRUE(r.Fixed());
    EXPECT_TRUE(r.Password());
    EXPECT_TRUE(r.ShowBands());
    EXPECT_EQ(r.Borders(), cbTop | cbBottom);
    EXPECT_EQ(r.BorderPen().Color, clNavy);
    EXPECT_EQ(r.BorderPen().Width, 3);
    EXPECT_EQ(r.PrintBorders, cbLeft);
    EXPECT_EQ(r.PrintBorderPen.Color, clMaroon);
    EXPECT_EQ(r.PrintColor, clYellow);
    EXPECT_TRUE(r.ReadOnly);
    EXPECT_EQ(r.ComboItems, (QStringList{"a", "b"}));
    EXPECT_EQ(r.Filter, (QStringList{"x=1"}));
    EXPECT_EQ(r.DropDownCount, 12);
    EXPECT_EQ(r.EditLength, 7);
    EXPECT_EQ(r.EditMask, "999");
    EXPECT_EQ(r.SpinMin, -5);
    EXPECT_EQ(r.SpinMax, 100000);
    EXPECT_EQ(r.SpinStep, 5);
    EXPECT_EQ(r.Tag, -70000);
    EXPECT_EQ(r.Name, "ID");
    EXPECT_EQ(r.CheckFalse, "0");
    EXPECT_EQ(r.CheckTrue, "1");
    EXPECT_EQ(r.MinSize, 10);
    EXPECT_EQ(r.MaxSize, 200);
    EXPECT_EQ(r.AutoMinSize, 11);
    EXPECT_EQ(r.AutoMaxSize, 201);
    EXPECT_TRUE(r.FilterCaseSensitive);
    EXPECT_EQ(r.FloatFormat(), "%.3f");
    EXPECT_EQ(r.SortStyle, ssNumeric);
    EXPECT_EQ(r.SortPrefix, "$");
    EXPECT_EQ(r.SortSuffix, "kg");
    // The copy into the grid's descriptions leaves these at their defaults.
    EXPECT_EQ(r.ColumnPopupType, cpFixedCellsRClick);
    EXPECT_TRUE(r.PrintBorderCustom);
    EXPECT_TRUE(r.PrintFontCustom);
}

TEST(ColumnStream, MalformedStreamsLeaveTheDescriptionsAsTheyWere)
{
    auto g = makeGrid(2);
    g->Columns().Items(0)->SetHeader("H");
    QByteArray good;
    g->SaveColumnsToStream(good);

    auto bad = [&](QByteArray bytes, const char* from, const char* to) {
        const qsizetype at = bytes.indexOf(from);
        EXPECT_GE(at, 0) << from;
        return bytes.replace(at, qsizetype(strlen(from)), to);
    };
    const QByteArray cases[] = {
        good.left(good.size() - 3),
        bad(good, "Alignment", "Alignmenx"),
        bad(good, "taLeftJustify", "taLeftJustifx"),
        bad(good, "TExColumnGridIO", "TExColumnGridIX"),
    };
    for (const QByteArray& bytes : cases) {
        auto t = makeGrid(2);
        t->Columns().Items(0)->SetHeader("keep");
        t->SetAllColWidths(1, 33);
        EXPECT_THROW(t->LoadColumnsFromStream(bytes), EExGridError);
        EXPECT_EQ(t->Columns().Items(0)->Header(), "keep");
        EXPECT_EQ(t->GetCellEx(0, 0), "keep");
        EXPECT_EQ(t->AllColWidths(1), 33);
    }
}

}  // namespace column_grid_stream_test
