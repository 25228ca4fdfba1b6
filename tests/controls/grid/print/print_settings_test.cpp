#include <gtest/gtest.h>

#include "controls/grid/grid_error.h"
#include "controls/grid/print/print_settings.h"
#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

TEST(PrintSettings, FreshGridPrintsWithSingleBlackCentredLinesAndDisplayFonts)
{
    TExStringGrid g;
    const TPrintSettings& s = g.PrintSettings();
    EXPECT_EQ(s.Grid(), &g);
    EXPECT_EQ(s.Borders, pbSingle);
    EXPECT_EQ(s.BorderStyle, psSolid);
    EXPECT_EQ(s.BorderColor, TColor(0));
    EXPECT_TRUE(s.Centered);
    EXPECT_TRUE(s.UseDisplayFont);
    EXPECT_EQ(s.PageNumSep, "/");
    EXPECT_EQ(s.DateFormat, "dd/mm/yyyy");
    for (TPrintPosition p : {s.Time, s.Date, s.PageNr, s.Title}) EXPECT_EQ(p, ppNone);
    EXPECT_TRUE(s.TitleText.isEmpty());
    EXPECT_TRUE(s.TitleLines.isEmpty());
    EXPECT_TRUE(s.PagePrefix.isEmpty() && s.PageSuffix.isEmpty() && s.JobName.isEmpty());
    for (int v : {s.FooterSize, s.HeaderSize, s.LeftSize, s.RightSize, s.ColumnSpacing, s.RowSpacing,
                  s.TitleSpacing, s.PageNumberOffset, s.MaxPagesOffset, s.FixedWidth, s.FixedHeight})
        EXPECT_EQ(v, 0);
    for (bool b : {s.RepeatFixedRows, s.RepeatFixedCols, s.UseFixedHeight, s.UseFixedWidth, s.NoAutoSize,
                   s.NoAutoSizeRow, s.PrintGraphics, s.UseDefaultOrientation, s.FixedCellsAlways})
        EXPECT_FALSE(b);
    EXPECT_EQ(s.FitToPage, fpNever);
    EXPECT_EQ(s.Orientation, poPortrait);
    EXPECT_EQ(s.Font.pointSize(), 8);
    EXPECT_EQ(s.HeaderFont.Color, clWindowText);
}

TEST(PrintSettings, AssignCopiesEverySettingButFixedCellsAlwaysAndOwner)
{
    TExStringGrid a, b;
    TPrintSettings& s = a.PrintSettings();
    s.FooterSize = 1, s.HeaderSize = 2, s.Time = ppTopLeft, s.Date = ppTopRight, s.DateFormat = "yyyy";
    s.PageNr = ppBottomCenter, s.Title = ppTopCenter, s.TitleText = "T", s.TitleLines = {"a", "b"};
    s.Font.setPointSize(11), s.FixedFont.setBold(true), s.HeaderFont.Color = clRed, s.FooterFont.setItalic(true);
    s.Borders = pbAround, s.BorderStyle = psDot, s.BorderColor = clBlue, s.Centered = false;
    s.RepeatFixedRows = true, s.RepeatFixedCols = true, s.LeftSize = 3, s.RightSize = 4, s.ColumnSpacing = 5;
    s.RowSpacing = 6, s.TitleSpacing = 7, s.Orientation = poLandscape, s.PagePrefix = "p", s.PageSuffix = "s";
    s.PageNumberOffset = 8, s.MaxPagesOffset = 9, s.FixedWidth = 10, s.FixedHeight = 11, s.UseFixedHeight = true;
    s.UseFixedWidth = true, s.FitToPage = fpCustom, s.JobName = "job", s.PageNumSep = "of", s.NoAutoSize = true;
    s.NoAutoSizeRow = true, s.PrintGraphics = true, s.UseDisplayFont = false, s.UseDefaultOrientation = true;
    s.FixedCellsAlways = true;

    b.SetPrintSettings(s);
    const TPrintSettings& t = b.PrintSettings();
    EXPECT_EQ(t.Grid(), &b);
    EXPECT_FALSE(t.FixedCellsAlways);
    EXPECT_EQ(std::tie(t.FooterSize, t.HeaderSize, t.LeftSize, t.RightSize, t.ColumnSpacing, t.RowSpacing,
                       t.TitleSpacing, t.PageNumberOffset, t.MaxPagesOffset, t.FixedWidth, t.FixedHeight),
              std::make_tuple(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11));
    EXPECT_EQ(std::tie(t.Time, t.Date, t.PageNr, t.Title),
              std::make_tuple(ppTopLeft, ppTopRight, ppBottomCenter, ppTopCenter));
    EXPECT_EQ(std::tie(t.DateFormat, t.TitleText, t.PagePrefix, t.PageSuffix, t.JobName, t.PageNumSep),
              std::make_tuple(QString("yyyy"), QString("T"), QString("p"), QString("s"), QString("job"),
                              QString("of")));
    EXPECT_EQ(t.TitleLines, QStringList({"a", "b"}));
    EXPECT_EQ(t.Font.pointSize(), 11);
    EXPECT_TRUE(t.FixedFont.bold());
    EXPECT_EQ(t.HeaderFont.Color, clRed);
    EXPECT_TRUE(t.FooterFont.italic());
    EXPECT_EQ(std::tie(t.Borders, t.BorderStyle, t.Orientation, t.FitToPage),
              std::make_tuple(pbAround, psDot, poLandscape, fpCustom));
    EXPECT_EQ(t.BorderColor, clBlue);
    EXPECT_EQ(std::tie(t.Centered, t.RepeatFixedRows, t.RepeatFixedCols, t.UseFixedHeight, t.UseFixedWidth,
                       t.NoAutoSize, t.NoAutoSizeRow, t.PrintGraphics, t.UseDisplayFont, t.UseDefaultOrientation),
              std::make_tuple(false, true, true, true, true, true, true, true, false, true));
}

TEST(PrintSettings, FontAndTitleSettersCopyContents)
{
    TPrintSettings s;
    platform::TFont other(QFont("Courier", 14), clGreen);
    other.setBold(true);
    s.SetHeaderFont(other);
    other.setPointSize(20), other.Color = clRed;
    EXPECT_EQ(s.HeaderFont.family(), "Courier");
    EXPECT_EQ(s.HeaderFont.pointSize(), 14);
    EXPECT_TRUE(s.HeaderFont.bold());
    EXPECT_EQ(s.HeaderFont.Color, clGreen);
    QStringList lines{"x"};
    s.SetTitleLines(lines);
    lines << "y";
    EXPECT_EQ(s.TitleLines, QStringList{"x"});
}

TEST(PrintSettings, ColumnReadOutsCheckTheirRange)
{
    TExStringGrid g;
    EXPECT_EQ(g.GetPrintColWidth(511), 0);
    EXPECT_EQ(g.GetPrintColOffset(0), 0);
    for (int col : {-1, 512}) {
        try {
            g.GetPrintColWidth(col);
            ADD_FAILURE() << col;
        } catch (const EExGridError& e) {
            EXPECT_STREQ(e.what(), "Columns is not in valid range");
        }
        EXPECT_THROW(g.GetPrintColOffset(col), EExGridError);
    }
    // The layout grows with the columns printed.
    g.PrintLayout().Size(700);
    g.PrintLayout().MaxWidths[650] = 42;
    EXPECT_EQ(g.GetPrintColWidth(650), 42);
    EXPECT_THROW(g.GetPrintColWidth(700), EExGridError);
}
