// Printing a 10,000 x 10 grid to PDF (counting and drawing passes, every
// cell measured once for the job) and previewing one page onto a widget-size
// image: the whole job must stay well under 5 s, a preview page well under
// 300 ms.
#include "bench_support.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace {

using namespace grid;

void FillGrid(TExStringGrid& g)
{
    g.SetColCount(10);
    g.SetRowCount(10001);
    const QStringList kinds{"UINT16", "BOOL", "REAL32", "INT8"};
    for (int c = 0; c < 10; ++c) g.SetCellsEx(c, 0, QStringLiteral("Column %1").arg(c));
    for (int r = 1; r <= 10000; ++r) {
        g.SetCellsEx(0, r, QStringLiteral("Variable_%1").arg(r));
        g.SetCellsEx(1, r, kinds[r % 4]);
        for (int c = 2; c < 10; ++c) g.SetCellsEx(c, r, QString::number(r * c));
    }
    TPrintSettings& s = g.PrintSettings();
    s.PageNr = ppBottomRight;
    s.Date = ppTopLeft;
    s.TitleText = QStringLiteral("Process data");
    s.Title = ppTopCenter;
    s.RepeatFixedRows = true;
}

void printToPdf(benchmark::State& state)
{
    TExStringGrid g;
    FillGrid(g);
    QTemporaryDir dir;
    QPrinter& printer = g.Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("grid.pdf"));
    for (auto _ : state) g.Print();
    state.counters["pages"] = g.PrintNrOfPages();
}
BENCHMARK(printToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

void previewPage(benchmark::State& state)
{
    TExStringGrid g;
    FillGrid(g);
    g.SetFastPrint(state.range(0) != 0);
    QImage image(800, 1130, QImage::Format_RGB32);
    int page = 1;
    for (auto _ : state) {
        image.fill(Qt::white);
        g.SetPreviewPage(page);
        QPainter painter(&image);
        g.PrintPreview(painter, QRect(0, 0, 800, 1130));
        page = page % 50 + 1;
    }
}
BENCHMARK(previewPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
