#include <gtest/gtest.h>

#include "controls/grid/grid_error.h"
#include "controls/grid/print/print_layout.h"
#include "controls/grid/print/print_test_support.h"
#include "support/temp_folder.h"

using namespace grid;
using namespace print_test;
using TempFolder_ = testing_support::TempFolder;

// Page 2000 x 2800, no header items: header band 0, footer band 100, rows 50
// high with no gap: a row at y fits while y - 50 > -2700, so 53 rows a page.
// Columns 300 wide: six of them (1800) fit in 2000.

namespace {

struct Layout {
    TRecordingGrid g;
    QImage image = UnitImage();
    Layout(int cols, int rows)
    {
        FixedSizeGrid(g, cols, rows);
        FooterBand100(g);
        EXPECT_LT(LineHeight(g, g.PrintSettings().Font, image), 8) << "the text gap must be 0";
    }
    // Every page previewed in turn; the rows drawn on each.
    std::map<int, std::set<int>> AllPages()
    {
        std::map<int, std::set<int>> rows;
        const int pages = PreviewPage(g, 1, image);
        for (int p = 1; p <= pages; ++p) {
            g.ClearRecords();
            PreviewPage(g, p, image);
            rows[p] = g.Rows[p];
        }
        return rows;
    }
};

std::set<int> Range(int from, int to)
{
    std::set<int> s;
    for (int i = from; i <= to; ++i) s.insert(i);
    return s;
}

}  // namespace

TEST(PrintLayout, PagesRunDownTheRowsOfEachColumnBand)
{
    Layout l(10, 120);
    const auto pages = l.AllPages();
    ASSERT_EQ(l.g.PrintNrOfPages(), 6);  // two bands of three pages
    EXPECT_EQ(pages.at(1), Range(0, 52));
    EXPECT_EQ(pages.at(2), Range(53, 105));
    EXPECT_EQ(pages.at(3), Range(106, 119));
    EXPECT_EQ(pages.at(4), Range(0, 52));
    EXPECT_EQ(pages.at(6), Range(106, 119));
    // The last band: columns 6..9 (1200 wide) centred: (2000 - 1200) / 2.
    EXPECT_EQ(l.g.PrintColStart(), 6);
    EXPECT_EQ(l.g.PrintColEnd(), 9);
    EXPECT_EQ(l.g.PrintPageWidth(), 1200);
    for (int c = 6; c <= 9; ++c) {
        EXPECT_EQ(l.g.GetPrintColWidth(c), 300);
        EXPECT_EQ(l.g.GetPrintColOffset(c), 400 + (c - 6) * 300);
    }
    EXPECT_EQ(l.g.PrintPageRect(), QRect(0, 0, 2000, -2800));
}

TEST(PrintLayout, PageNumberTextsOfBandsAndOfOneBand)
{
    Layout l(10, 120);
    l.g.PrintSettings().PageNr = ppBottomRight;
    l.AllPages();
    std::vector<QString> texts;
    const int pages = l.g.PrintNrOfPages();
    for (int p = 1; p <= pages; ++p) {
        l.g.ClearRecords();
        PreviewPage(l.g, p, l.image);
        texts.push_back(l.g.PageTexts[p]);
    }
    EXPECT_EQ(texts, (std::vector<QString>{"1-1", "2-1", "3-1", "1-2", "2-2", "3-2"}));

    // One band: number and total, with their offsets.
    Layout one(4, 120);
    one.g.PrintSettings().PageNr = ppBottomRight;
    one.g.PrintSettings().PageNumberOffset = 10;
    one.g.PrintSettings().MaxPagesOffset = 10;
    PreviewPage(one.g, 2, one.image);
    EXPECT_EQ(one.g.PageTexts[2], "12/13");
}

TEST(PrintLayout, IndentsFollowCentringMarginsAndRepeatedFixedColumns)
{
    Layout l(4, 10);
    l.g.PrintSettings().LeftSize = 70;
    PreviewPage(l.g, 1, l.image);
    EXPECT_EQ(l.g.GetPrintColOffset(0), 400);  // centred: LeftSize ignored
    l.g.PrintSettings().Centered = false;
    PreviewPage(l.g, 1, l.image);
    EXPECT_EQ(l.g.GetPrintColOffset(0), 70);
    EXPECT_EQ(l.g.GetPrintColOffset(3), 970);

    // A fixed column repeated at the left of the second band: band 2 is
    // columns 6..9 after column 0, 1500 wide, centred at 250.
    Layout f(10, 10);
    f.g.SetFixedCols(1);
    f.g.PrintSettings().RepeatFixedCols = true;
    f.AllPages();
    EXPECT_EQ(f.g.PrintNrOfPages(), 2);
    EXPECT_EQ(f.g.PrintColStart(), 6);
    EXPECT_EQ(f.g.PrintPageWidth(), 1500);
    EXPECT_EQ(f.g.GetPrintColOffset(0), 250);
    EXPECT_EQ(f.g.GetPrintColOffset(6), 550);
    EXPECT_EQ(f.g.GetPrintColOffset(9), 1450);
}

TEST(PrintLayout, BandHoldsItsStartColumnAndTheNextEvenWhenTheyDoNotFit)
{
    Layout l(10, 10);
    l.g.PrintSettings().FixedWidth = 1500;
    PreviewPage(l.g, 1, l.image);
    EXPECT_EQ(l.g.PrintNrOfPages(), 5);  // bands 0-1, 2-3, 4-5, 6-7, 8-9
    EXPECT_EQ(l.g.PrintColStart(), 8);
    EXPECT_EQ(l.g.PrintColEnd(), 9);
}

TEST(PrintLayout, FixedRowsHeadEveryFollowingPage)
{
    Layout l(4, 106);
    l.g.SetFixedRows(1);
    EXPECT_EQ(PreviewPage(l.g, 1, l.image), 2);  // 53 + 53 rows
    l.g.PrintSettings().RepeatFixedRows = true;
    const auto pages = l.AllPages();
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages.at(1), Range(0, 52));
    std::set<int> second = Range(53, 104);
    second.insert(0);
    EXPECT_EQ(pages.at(2), second);
    EXPECT_EQ(pages.at(3), std::set<int>({0, 105}));

    // A range starting below the fixed rows has them on its first page too.
    l.g.ClearRecords();
    l.g.SetPreviewPage(1);
    QPainter painter(&l.image);
    l.g.PrintPreviewRect(painter, QRect(0, 0, 2000, 2800), {0, 10, 3, 12});
    EXPECT_EQ(l.g.Rows[1], std::set<int>({0, 10, 11, 12}));
}

TEST(PrintLayout, ForcedPageBreakAndSelectedRows)
{
    Layout l(4, 20);
    l.g.OnPrintNewPage = [](QObject*, int row, bool& newPage) { newPage = row == 5; };
    const auto pages = l.AllPages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages.at(1), Range(0, 4));
    EXPECT_EQ(pages.at(2), Range(5, 19));

    // Selected rows and selected columns print the selection's rows alike.
    Layout s(4, 20);
    s.g.SetSelection({1, 3, 2, 6});
    for (int variant = 0; variant < 2; ++variant) {
        s.g.ClearRecords();
        QPainter painter(&s.image);
        s.g.SetPreviewPage(1);
        if (variant == 0) s.g.PrintPreviewSelectedRows(painter, QRect(0, 0, 2000, 2800));
        else s.g.PrintPreviewSelectedCols(painter, QRect(0, 0, 2000, 2800));
        EXPECT_EQ(s.g.Rows[1], Range(3, 6)) << variant;
        EXPECT_EQ(s.g.GetPrintColWidth(0), 0) << "a column outside the selection takes no room";
        EXPECT_EQ(s.g.GetPrintColWidth(1), 300);
    }
}

TEST(PrintLayout, CancelEndsThePassAfterTheCurrentPage)
{
    Layout l(4, 300);
    std::vector<int> done;
    l.g.OnPrintCancel = [&](QObject*, int page, bool& cancel) { done.push_back(page), cancel = page == 2; };
    TempFolder_ dir;
    PdfPage(l.g.Printer(), dir.file("cancel.pdf"));
    l.g.Print();
    EXPECT_EQ(done, (std::vector<int>{1, 2}));
    EXPECT_EQ(l.g.Rows.count(3), 0u);
    EXPECT_EQ(l.g.Notifications, (std::vector<int>{0, 2}));
}

TEST(PrintLayout, RowTallerThanThePageIsPrintedAloneAndThePassEnds)
{
    Layout l(2, 4);
    l.g.PrintSettings().FixedHeight = 5000;
    const auto pages = l.AllPages();
    ASSERT_EQ(l.g.PrintNrOfPages(), 4);
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(pages.at(p), std::set<int>({p - 1}));
}

TEST(PrintLayout, MoreThan512ColumnsAreLaidOut)
{
    Layout l(600, 2);
    l.g.PrintSettings().FixedWidth = 100;
    PreviewPage(l.g, 1, l.image);
    EXPECT_EQ(l.g.PrintNrOfPages(), 30);  // 20 columns a band
    EXPECT_EQ(l.g.GetPrintColWidth(599), 100);
    EXPECT_EQ(l.g.GetPrintColOffset(599), 1900);
    EXPECT_THROW(l.g.GetPrintColWidth(601), EExGridError);
}

TEST(PrintLayout, FitToPageScalesAsItsModeAllows)
{
    struct Case {
        TFitToPage mode;
        bool allow;
        int width;
    };
    // Four columns of 500 on a 1000 wide page: factor 0.5.
    for (const Case& c : {Case{fpNever, true, 500}, Case{fpShrink, true, 250}, Case{fpGrow, true, 500},
                          Case{fpAlways, true, 250}, Case{fpCustom, true, 250}, Case{fpCustom, false, 500}}) {
        Layout l(4, 2);
        l.image = UnitImage(1000, 2800);
        l.g.PrintSettings().FixedWidth = 500;
        l.g.PrintSettings().FitToPage = c.mode;
        double asked = 0;
        l.g.OnFitToPage = [&](QObject*, double& factor, bool& allow) { asked = factor, allow = c.allow; };
        PreviewPage(l.g, 1, l.image);
        EXPECT_EQ(l.g.GetPrintColWidth(2), c.width) << int(c.mode) << c.allow;
        EXPECT_EQ(asked, c.mode == fpCustom ? 0.5 : 0.0);
    }
    // Margins wider than the page give no factor of 0 or below: unscaled.
    Layout l(4, 2);
    l.g.PrintSettings().FitToPage = fpAlways;
    l.g.PrintSettings().LeftSize = 3000;
    PreviewPage(l.g, 1, l.image);
    EXPECT_EQ(l.g.GetPrintColWidth(0), 300);
    l.g.PrintSettings().LeftSize = 0;
    l.g.PrintSettings().FitToPage = fpCustom;
    l.g.PrintSettings().FixedWidth = 1000;
    l.g.OnFitToPage = [](QObject*, double& factor, bool&) { factor = 0; };
    PreviewPage(l.g, 1, l.image);
    EXPECT_EQ(l.g.GetPrintColWidth(0), 1000);
}

TEST(PrintLayout, FastPrintPreviewLaysOutOnlyUpToTwoPagesPastThePreviewed)
{
    Layout l(4, 1000);
    l.g.SetFastPrint(true);
    int laidOut = 0;
    l.g.OnPrintNewPage = [&](QObject*, int row, bool&) { laidOut = std::max(laidOut, row); };
    PreviewPage(l.g, 2, l.image);
    EXPECT_EQ(l.g.Rows[2], Range(53, 105));
    EXPECT_LE(laidOut, 4 * 53);
}

TEST(PrintLayout, MapFontHeightAndSize)
{
    TExStringGrid g;
    EXPECT_EQ(g.MapFontHeight(10), -35);
    EXPECT_EQ(TExStringGrid::MapFontSize(35), 9);
}
