#pragma once

// A grid that records what the print pass does with it, and pages of known
// size in 0.1 mm: a 2000 x 2800 image at 254 dots per inch (one pixel is one
// unit) and a 200 x 280 mm PDF page without margins.

#include <map>
#include <set>
#include <vector>

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "controls/grid/print/print_canvas.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace print_test {

class TRecordingGrid : public grid::TExStringGrid {
public:
    TRecordingGrid()
    {
        OnPrintPage = [this](QObject*, grid::print::TPrintCanvas&, int page, int, int) { Page = page; };
        OnPrintGetPageNum = [this](QObject*, int, int, QString& text) { PageTexts[Page] = text; };
    }
    // Rows whose cells were drawn, by page.
    std::map<int, std::set<int>> Rows;
    std::map<int, QString> PageTexts;
    std::vector<int> Notifications;  // states sent with row -1
    int Page = 0;

    void GetCellPrintBorder(int ACol, int ARow, grid::TGridPen& APen, grid::TCellBorders& Borders) override
    {
        Rows[Page].insert(ARow);
        TExStringGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
    }
    void ExportNotification(TGridExportState AState, int ARow) override
    {
        if (ARow == -1) Notifications.push_back(int(AState));
    }
    void ClearRecords() { Rows.clear(), PageTexts.clear(), Notifications.clear(), Page = 0; }
};

// cols x rows cells "c,r"; every column 300 wide and every row 50 high in
// print; fonts so small that the text gap is 0; footer band 100 high.
inline void FixedSizeGrid(TRecordingGrid& g, int cols, int rows)
{
    g.SetColCount(cols);
    g.SetRowCount(rows);
    g.SetFixedRows(0);
    g.SetFixedCols(0);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) g.SetCellsEx(c, r, QString("%1,%2").arg(c).arg(r));
    grid::TPrintSettings& s = g.PrintSettings();
    s.UseFixedWidth = true, s.FixedWidth = 300;
    s.UseFixedHeight = true, s.FixedHeight = 50;
    for (platform::TFont* f : {&s.Font, &s.FixedFont, &s.HeaderFont, &s.FooterFont}) f->setPointSize(1);
    s.UseDisplayFont = false;
}

// 0.1 mm per pixel.
inline QImage UnitImage(int w = 2000, int h = 2800)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(Qt::white);
    return image;
}

// The height of a text line of a print font, as the pass measures it on the image.
inline int LineHeight(const grid::TExStringGrid& g, const platform::TFont& font, QImage& image)
{
    grid::print::TPrintCanvas canvas(nullptr, &image, 254, 254);
    canvas.SetFont(font, g.MapFontHeight(font.pointSize()));
    return canvas.TextHeight();
}

// The footer band: FooterSize so that it is 100 high (the gap being 0).
inline void FooterBand100(TRecordingGrid& g)
{
    QImage image = UnitImage(10, 10);
    g.PrintSettings().FooterSize = 100 - LineHeight(g, g.PrintSettings().FooterFont, image);
}

inline void PdfPage(QPrinter& printer, const QString& file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QSizeF(200, 280), QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// Previews page `page` onto the unit image; returns the page count.
inline int PreviewPage(TRecordingGrid& g, int page, QImage& image)
{
    g.SetPreviewPage(page);
    QPainter painter(&image);
    g.PrintPreview(painter, QRect(0, 0, image.width(), image.height()));
    return g.PrintNrOfPages();
}

}  // namespace print_test
