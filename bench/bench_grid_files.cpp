// The grid's file formats on 1,000,000 cells (100,000 rows x 10 columns of
// short texts, one in ten with a comma, a quote or a line break): save and
// load as grid text, CSV and XML, each one whole round trip per iteration.
// Beside them, the peers on the same file: Qt reading the CSV file's lines
// and splitting them at commas (no quoting rules), and pugixml parsing the
// XML file alone. CsvLoadScaling loads 10k .. 1M cells to show the CSV
// reader linear in the file size.

#include <QFile>
#include <QTemporaryDir>
#include <pugixml.hpp>

#include "bench_support.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace {

constexpr int kCols = 10;

QString CellText(int c, int r)
{
    const int i = r * kCols + c;
    switch (i % 10) {
    case 3: return QString("a,b %1").arg(i);
    case 6: return QString("say \"%1\"").arg(i);
    case 9: return QString("line %1\r\nnext").arg(i);
    default: return QString::number(i * 7919LL);
    }
}

void Fill(grid::TExStringGrid& g, int rows)
{
    g.SetColCount(kCols);
    g.SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kCols; ++c) g.SetGridCell(c, r, CellText(c, r));
}

QTemporaryDir& Folder()
{
    static QTemporaryDir dir;
    return dir;
}

grid::TExStringGrid& Source(int rows)
{
    static std::map<int, std::unique_ptr<grid::TExStringGrid>> grids;
    auto& g = grids[rows];
    if (!g) {
        g = std::make_unique<grid::TExStringGrid>();
        g->MultilineCells = true;
        Fill(*g, rows);
    }
    return *g;
}

void GridTextSave(benchmark::State& state)
{
    auto& g = Source(100000);
    const QString path = Folder().filePath("grid.txt");
    for (auto _ : state) g.SaveToFile(path, true);
    state.counters["cells"] = 1e6;
}

void GridTextLoad(benchmark::State& state)
{
    const QString path = Folder().filePath("grid_load.txt");
    Source(100000).SaveToFile(path, true);
    for (auto _ : state) {
        grid::TExStringGrid g;
        g.MultilineCells = true;
        g.LoadFromFile(path);
        benchmark::DoNotOptimize(g.RowCount());
    }
}

void CsvSave(benchmark::State& state)
{
    auto& g = Source(100000);
    const QString path = Folder().filePath("grid.csv");
    for (auto _ : state) g.SaveToCSV(path, true);
}

void CsvLoad(benchmark::State& state)
{
    const QString path = Folder().filePath("grid_load.csv");
    Source(100000).SaveToCSV(path, true);
    for (auto _ : state) {
        grid::TExStringGrid g;
        g.LoadFromCSV(path);
        benchmark::DoNotOptimize(g.RowCount());
    }
}

// The peer: Qt alone reading the same file's lines and splitting at commas.
void QtCsvSplit(benchmark::State& state)
{
    const QString path = Folder().filePath("grid_peer.csv");
    Source(100000).SaveToCSV(path, true);
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QString text = QString::fromUtf8(file.readAll());
        qsizetype fields = 0;
        for (QStringView line : QStringView(text).split(u"\r\n")) fields += line.split(u',').size();
        benchmark::DoNotOptimize(fields);
    }
}

void CsvLoadScaling(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const QString path = Folder().filePath(QString("scale_%1.csv").arg(rows));
    Source(rows).SaveToCSV(path, true);
    for (auto _ : state) {
        grid::TExStringGrid g;
        g.LoadFromCSV(path);
        benchmark::DoNotOptimize(g.RowCount());
    }
    state.SetComplexityN(QFile(path).size());
}

void XmlSave(benchmark::State& state)
{
    auto& g = Source(100000);
    g.XMLEncoding = "UTF-8";
    const QString path = Folder().filePath("grid.xml");
    for (auto _ : state) g.SaveToXML(path, "LIST", "ROW", nullptr, false);
}

void XmlLoad(benchmark::State& state)
{
    auto& s = Source(100000);
    s.XMLEncoding = "UTF-8";
    const QString path = Folder().filePath("grid_load.xml");
    s.SaveToXML(path, "LIST", "ROW", nullptr, false);
    for (auto _ : state) {
        grid::TExStringGrid g;
        g.LoadFromXML(path);
        benchmark::DoNotOptimize(g.RowCount());
    }
}

// The peer: pugixml parsing the same file alone.
void PugixmlParse(benchmark::State& state)
{
    auto& s = Source(100000);
    s.XMLEncoding = "UTF-8";
    const QString path = Folder().filePath("grid_peer.xml");
    s.SaveToXML(path, "LIST", "ROW", nullptr, false);
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_file(QFile::encodeName(path).constData()));
    }
}

BENCHMARK(GridTextSave)->Unit(benchmark::kMillisecond);
BENCHMARK(GridTextLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(CsvSave)->Unit(benchmark::kMillisecond);
BENCHMARK(CsvLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(QtCsvSplit)->Unit(benchmark::kMillisecond);
BENCHMARK(CsvLoadScaling)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(XmlSave)->Unit(benchmark::kMillisecond);
BENCHMARK(XmlLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(PugixmlParse)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench_support::runWithApplication(argc, argv); }
