#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QProcess>

#include "controls/grid/print/page_furniture.h"
#include "controls/grid/print/print_jobs.h"
#include "controls/grid/print/print_test_support.h"
#include "support/temp_folder.h"

using namespace grid;
using namespace print_test;
using testing_support::TempFolder;

namespace {

// Page 1 of a PDF rendered at 254 dots per inch: one pixel per 0.1 mm.
QImage RenderFirstPage(const QString& pdf, const QString& prefix)
{
    QProcess p;
    p.start("pdftoppm", {"-png", "-r", "254", "-f", "1", "-l", "1", "-singlefile", pdf, prefix});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QImage(prefix + ".png");
}

int PdfPages(const QString& pdf)
{
    QProcess p;
    p.start("pdfinfo", {pdf});
    p.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
}

bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 100; }
// A line passes within two pixels of (x, y) (either direction).
bool LineNear(const QImage& image, int x, int y)
{
    for (int d = -2; d <= 2; ++d)
        if (Dark(image, x + d, y) || Dark(image, x, y + d)) return true;
    return false;
}

// Cell (1, 2) red; four columns 300 wide centred from x 400, rows 50 high
// from y -200 (header band 200).
void RedCellGrid(TRecordingGrid& g)
{
    FixedSizeGrid(g, 4, 10);
    g.PrintSettings().HeaderSize = 200;
    g.OnGetCellPrintColor = [](QObject*, int row, int col, platform::TGridDrawState, platform::TBrush& brush,
                               platform::TFont&) {
        if (col == 1 && row == 2) brush.Color = clRed;
    };
}

}  // namespace

TEST(PrintOutput, PdfPageShowsCellColoursCellLinesAndPageFrame)
{
    TempFolder dir;
    TRecordingGrid g;
    RedCellGrid(g);
    PdfPage(g.Printer(), dir.file("single.pdf"));
    g.Print();
    const QImage single = RenderFirstPage(dir.file("single.pdf"), dir.file("single"));
    ASSERT_FALSE(single.isNull());
    ASSERT_NEAR(single.width(), 2000, 3);
    ASSERT_NEAR(single.height(), 2800, 3);
    // Inside cell (1, 2): x 700..1000, y -300..-350.
    EXPECT_EQ(QColor(single.pixel(850, 325)), QColor(Qt::red));
    EXPECT_EQ(QColor(single.pixel(550, 325)), QColor(Qt::white));
    EXPECT_EQ(QColor(single.pixel(200, 325)), QColor(Qt::white));
    // Cell lines: the block's left edge and the line between columns 0 and 1.
    EXPECT_TRUE(LineNear(single, 400, 280));
    EXPECT_TRUE(LineNear(single, 698, 280));
    EXPECT_FALSE(Dark(single, 550, 280));

    // A frame around the block instead of cell lines.
    g.PrintSettings().Borders = pbAround;
    PdfPage(g.Printer(), dir.file("around.pdf"));
    g.Print();
    const QImage around = RenderFirstPage(dir.file("around.pdf"), dir.file("around"));
    ASSERT_FALSE(around.isNull());
    EXPECT_TRUE(LineNear(around, 400, 280));    // left frame line
    EXPECT_TRUE(LineNear(around, 1600, 280));   // right frame line
    EXPECT_TRUE(LineNear(around, 1000, 200));   // top frame line
    EXPECT_FALSE(LineNear(around, 698, 280));   // no line between the columns
    EXPECT_TRUE(LineNear(around, 1000, 700));   // bottom: below the tenth row
    EXPECT_FALSE(LineNear(around, 1000, 760));
}

TEST(PrintOutput, PrintDrawLaysPageOneIntoTheRectangle)
{
    TRecordingGrid g;
    RedCellGrid(g);
    g.SetRowCount(200);
    QImage image = UnitImage(2400, 3000);
    QPainter painter(&image);
    g.PrintDraw(painter, QRect(200, 100, 2000, 2800));
    painter.end();
    EXPECT_EQ(QColor(image.pixel(200 + 850, 100 + 325)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(100, 100 + 325)), QColor(Qt::white));
    EXPECT_EQ(g.Rows.size(), 1u);  // page 1 only
    EXPECT_TRUE(g.Rows.begin()->second.count(2));
    EXPECT_FALSE(g.Rows.begin()->second.count(199));
}

TEST(PrintOutput, PrintStartChoosesThePagesAndEveryJobEndsItsNotifications)
{
    TempFolder dir;
    TRecordingGrid g;
    FixedSizeGrid(g, 4, 300);
    FooterBand100(g);
    int offered = 0;
    g.OnPrintStart = [&](QObject*, int pages, int& from, int& to) { offered = pages, from = 3, to = 4; };
    PdfPage(g.Printer(), dir.file("range.pdf"));
    g.Print();
    EXPECT_EQ(offered, 6);
    EXPECT_EQ(PdfPages(dir.file("range.pdf")), 2);
    EXPECT_EQ(g.Rows.count(1) + g.Rows.count(2) + g.Rows.count(5), 0u);
    // Pages 3 and 4 are full pages of n rows: rows 2n.. and 3n..
    const size_t n = g.Rows[3].size();
    ASSERT_GT(n, 40u);
    EXPECT_EQ(g.Rows[4].size(), n);
    EXPECT_EQ(size_t(*g.Rows[3].begin()), 2 * n);
    EXPECT_EQ(size_t(*g.Rows[4].begin()), 3 * n);
    EXPECT_EQ(g.Notifications, (std::vector<int>{0, 2}));

    // A cancelled start prints nothing and still ends the job.
    g.ClearRecords();
    g.OnPrintStart = [](QObject*, int, int& from, int&) { from = 0; };
    PdfPage(g.Printer(), dir.file("none.pdf"));
    g.Print();
    EXPECT_FALSE(QFile::exists(dir.file("none.pdf")));
    EXPECT_EQ(g.Notifications, (std::vector<int>{0, 2}));
}

TEST(PrintOutput, FastPrintoutPrintsEveryPageWithoutATotalAndRangesKeepToTheGrid)
{
    TempFolder dir;
    TRecordingGrid g;
    FixedSizeGrid(g, 4, 300);
    FooterBand100(g);
    g.PrintSettings().PageNr = ppBottomRight;
    PdfPage(g.Printer(), dir.file("counted.pdf"));
    g.Print();
    const int pages = PdfPages(dir.file("counted.pdf"));
    EXPECT_EQ(g.PageTexts[1], QString("1/%1").arg(pages));

    g.ClearRecords();
    g.SetFastPrint(true);
    PdfPage(g.Printer(), dir.file("fast.pdf"));
    g.Print();
    EXPECT_EQ(PdfPages(dir.file("fast.pdf")), pages);
    EXPECT_EQ(g.PageTexts[1], "1");
    EXPECT_TRUE(g.Rows[pages].count(299));

    // A range reaching past the cells prints the cells there are.
    g.ClearRecords();
    g.SetFastPrint(false);
    PdfPage(g.Printer(), dir.file("range.pdf"));
    g.PrintRect({2, 295, 40, 900});
    EXPECT_EQ(g.Rows[1], std::set<int>({295, 296, 297, 298, 299}));
}

TEST(PrintOutput, HeaderAndFooterSlots)
{
    TPrintSettings s;
    struct Case {
        TPrintPosition time, date, page;
        QString prefix;
        std::array<QString, 7> expected;
    };
    const Case cases[] = {
        {ppTopLeft, ppNone, ppNone, "", {"", "T ", "", "", "", "", ""}},
        {ppTopRight, ppTopRight, ppNone, "", {"", "", " T D", "", "", "", ""}},
        {ppNone, ppNone, ppBottomRight, "P", {"", "", "", "", "", " P 2/3 ", ""}},
        {ppNone, ppBottomLeft, ppBottomLeft, "", {"", "", "", "", " 2/3  D ", "", ""}},
    };
    for (const Case& c : cases) {
        s.Time = c.time, s.Date = c.date, s.PageNr = c.page, s.PagePrefix = c.prefix;
        EXPECT_EQ(print::FillPageSlots(s, "T", "D", "2/3", false).Slot, c.expected);
    }
    // Titles: a one-line title joins its slot; plain title lines give their
    // first line; mini-HTML lines make the HTML title.
    s.Time = ppTopCenter, s.Date = ppNone, s.PageNr = ppNone, s.Title = ppTopCenter;
    s.TitleLines = {"First", "Second"};
    EXPECT_EQ(print::FillPageSlots(s, "T", "", "", false).Slot[ppTopCenter], " T First");
    s.TitleText = "Head";
    s.Title = ppTopLeft;
    EXPECT_EQ(print::FillPageSlots(s, "T", "", "", false).Slot[ppTopLeft], "Head ");
    s.TitleText.clear();
    s.TitleLines = {"<b>A</b>", "B"};
    const print::TPageSlots html = print::FillPageSlots(s, "T", "", "", true);
    EXPECT_EQ(html.HTMLTitle, "<b>A</b>B");
    EXPECT_EQ(html.Slot[ppTopLeft], "");
}

TEST(PrintOutput, PageNumberTexts)
{
    TPrintSettings s;
    EXPECT_EQ(print::PageNumberText(s, false, 0, 1, 1, 3), "2/3");
    EXPECT_EQ(print::PageNumberText(s, true, 1, 2, 4, 4), "2-2");
    s.PageNumberOffset = 10;
    EXPECT_EQ(print::PageNumberText(s, false, 0, 1, 0, 4), "11/4");
    s.MaxPagesOffset = 10;
    EXPECT_EQ(print::PageNumberText(s, false, 0, 1, 0, 4), "11/14");
    EXPECT_EQ(print::PageNumberText(s, false, 0, 1, 0, 1), "11");
    s.PageNumSep.clear();
    EXPECT_EQ(print::PageNumberText(s, false, 0, 1, 0, 4), "11");
    EXPECT_EQ(print::JoinWithBlank("", "b"), "b");
    EXPECT_EQ(print::JoinWithBlank("a", ""), "a");
    EXPECT_EQ(print::JoinWithBlank("a", "b"), "a b");
}

TEST(PrintOutput, ScreenshotOfPreviewAndPdfPage)
{
    const QString folder = QCoreApplication::applicationDirPath() + "/../screenshots/grid_print";
    QDir().mkpath(folder);
    TExStringGrid g;
    g.SetColCount(5);
    g.SetRowCount(60);
    const QStringList heads{"Variable", "Type", "Offset", "Direction", "Comment"};
    for (int c = 0; c < 5; ++c) g.SetCellsEx(c, 0, heads[c]);
    for (int r = 1; r < 60; ++r) {
        g.SetCellsEx(0, r, QString("Input_%1").arg(r));
        g.SetCellsEx(1, r, r % 3 ? "UINT16" : "BOOL");
        g.SetCellsEx(2, r, QString::number(r * 2));
        g.SetCellsEx(3, r, r % 2 ? "Tx" : "Rx");
        g.SetCellsEx(4, r, r % 7 ? "" : "<B>checked</B> at <I>start-up</I>");
    }
    g.SetColCount(6);
    g.SetCellsEx(5, 0, "Enabled");
    for (int r = 1; r < 60; ++r) g.AddCheckBox(5, r, r % 4 != 0, false);
    // One cell of each drawn kind.
    g.SetCellsEx(4, 2, R"({\rtf1\ansi{\colortbl ;\red200\green0\blue0;}{\b Rich} \cf1 red text\par})");
    g.AddProgress(4, 3, clGreen, clWhite);
    g.SetCellsEx(4, 3, "65");
    *g.CreateRadio(4, 4, 1, 1) << "Auto" << "Manual" << "Off";
    g.AddRotated(3, 5, 90, "Turned");
        g.SetCellsEx(1, 10, "merged over two columns");
    g.MergeCells(1, 10, 2, 1);
    g.OnGetCellPrintColor = [](QObject*, int row, int, platform::TGridDrawState, platform::TBrush& brush,
                               platform::TFont& font) {
        if (row == 0) brush.Color = TColor(0xE0C8A0), font.setBold(true);
        else if (row % 5 == 0) brush.Color = TColor(0xF0F0F0);
    };
    TPrintSettings& s = g.PrintSettings();
    s.PrintGraphics = true;
    s.LeftSize = 150, s.RightSize = 150;
    s.TitleText = "EtherCAT process data";
    s.Title = ppTopCenter;
    s.PageNr = ppBottomRight;
    s.PagePrefix = "Page";
    s.Date = ppTopLeft;
    s.HeaderSize = 100, s.FooterSize = 100, s.TitleSpacing = 50;
    s.RepeatFixedRows = true;
    s.HeaderFont.setPointSize(12);
    s.FooterFont.setPointSize(9);

    TempFolder dir;
    PdfPage(g.Printer(), dir.file("grid.pdf"));
    g.Print();
    const QImage page = RenderFirstPage(dir.file("grid.pdf"), dir.file("grid"));
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(page.scaledToWidth(1000, Qt::SmoothTransformation).save(folder + "/pdf_page1.png"));

    std::unique_ptr<QPrintPreviewWidget> preview(print::CreatePrintPreviewWidget(g, nullptr));
    preview->resize(700, 900);
    preview->show();
    preview->updatePreview();
    QCoreApplication::processEvents();
    EXPECT_EQ(preview->pageCount(), g.PrintNrOfPages());
    EXPECT_TRUE(preview->grab().save(folder + "/preview.png"));
}
