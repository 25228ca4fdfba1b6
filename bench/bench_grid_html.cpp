// A full repaint of a 1,025-row string grid whose cells all hold mini-HTML
// (a bold word, a coloured word, a link and a picture of the grid's image
// list), beside the same grid with the same words as plain text. Every
// visible cell is laid out and drawn on every paint; the HTML frame should
// cost no more than about twice the plain one.
#include "bench_support.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "controls/grid/cells/grid_image_list.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace {

using namespace grid;

constexpr int kRows = 1025;
constexpr int kCols = 10;

QString htmlText(int r, int c)
{
    return QStringLiteral(R"(<B>R%1</B> <FONT COLOR="clRed">C%2</FONT> <A HREF="cell://R%1C%2">go</A> <IMG SRC="idx:0">)")
        .arg(r % 1000, 3, 10, QChar(u'0'))
        .arg(c, 2, 10, QChar(u'0'));
}

QString plainText(int r, int c)
{
    return QStringLiteral("R%1 C%2 go").arg(r % 1000, 3, 10, QChar(u'0')).arg(c, 2, 10, QChar(u'0'));
}

void repaint(benchmark::State& state, QString (*text)(int, int))
{
    TGridImageList images(16, 16);
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    images.Add(picture);
    TExStringGrid g;
    g.setFrameStyle(QFrame::NoFrame);
    g.SetColCount(kCols);
    g.SetRowCount(kRows);
    g.SetLook(glXP);
    g.SetGridImages(&images);
    g.resize(1200, 800);
    for (int c = 0; c < kCols; ++c) g.SetColWidths(c, 118);
    g.show();
    QApplication::processEvents();
    g.BeginUpdate();
    for (int r = 1; r < kRows; ++r)
        for (int c = 1; c < kCols; ++c) g.SetCellEx(c, r, text(r, c));
    g.EndUpdate();
    g.SetTopRow(kRows / 2);
    bench_support::measureFullRepaint(state, g, kRows);
    g.SetGridImages(nullptr);
}

void gridRepaintPlainText(benchmark::State& state) { repaint(state, plainText); }
void gridRepaintMiniHtml(benchmark::State& state) { repaint(state, htmlText); }

BENCHMARK(gridRepaintPlainText)->Unit(benchmark::kMillisecond);
BENCHMARK(gridRepaintMiniHtml)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::runWithApplication(argc, argv);
}
