#include "controls/grid/io/ascii_table.h"

#include <QApplication>
#include <QGuiApplication>

#include "controls/grid/io/grid_export.h"
#include "controls/grid/io/record_text.h"
#include "controls/grid/io/text_file_lines.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid::io {

namespace {

// The hourglass while the table is made.
class TWaitCursor {
public:
    TWaitCursor()
    {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            FSet = true;
        }
    }
    ~TWaitCursor()
    {
        if (FSet) QGuiApplication::restoreOverrideCursor();
    }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;

private:
    bool FSet = false;
};

QString Align(QString text, int width, TAlignment alignment)
{
    if (alignment == taRightJustify) {
        if (text.size() < width) text.prepend(QString(width - text.size(), u' '));
    } else if (alignment == taCenter) {
        while (text.size() < width) text = u' ' + text + u' ';
    }
    return text;
}

}  // namespace

QByteArray TAsciiTableWriter::Write(TExStringGrid& grid, const std::optional<QByteArray>& existing)
{
    TWaitCursor wait;
    platform::TextEncoding encoding = TextFileEncoding(Unicode);
    QStringList lines;
    if (existing) lines = DecodeTextLines(*existing, &encoding);

    const bool storageColumns = grid.SaveHiddenCells;
    const int hidden = storageColumns ? grid.NumHiddenColumns() : 0;
    const int c0 = grid.SaveFixedCells || grid.SaveFixedCols ? 0 : grid.FixedCols();
    const int r0 = grid.SaveFixedCells || grid.SaveFixedRows ? 0 : grid.FixedRows();
    const int cEnd = grid.ColCount() + hidden - 1;
    auto storage = [&](int c) { return storageColumns ? c : grid.RealColIndex(c); };

    std::vector<int> widths;
    for (int c = c0; c <= cEnd; ++c) widths.push_back(grid.GetMaxColTextLength(storage(c)));

    const bool multiLine = grid.MultilineCells;
    TExportRun run(grid, r0);
    for (int r = r0; r < grid.RowCount(); ++r) {
        run.NextRow(r);
        QString main;
        QStringList continuation;
        int offset = 0;
        for (int c = c0; c <= cEnd; ++c) {
            const int w = widths[size_t(c - c0)];
            const int sc = storage(c);
            TAlignment ha = taLeftJustify;
            TVAlignment va = vtaTop;
            grid.GetCellAlignment(sc, r, ha, va);
            QString rest = NormalizeLineBreaks(grid.SaveCellText(sc, r));
            const QString first = CutFirstLine(rest, multiLine);
            for (int k = 0; multiLine && !rest.isEmpty(); ++k) {
                const QString piece = CutFirstLine(rest, true);
                if (k >= continuation.size()) continuation << QString();
                QString& line = continuation[k];
                if (line.size() < offset) line += QString(offset - line.size(), u' ');
                line += Align(piece, w, ha);
            }
            const QString aligned = Align(first, w, ha);
            main += aligned;
            if (aligned.size() <= w) main += QString(w - aligned.size() + 1, u' ');
            offset += w + 1;
        }
        lines << main;
        lines += continuation;
    }
    run.Finish();
    return EncodeTextLines(lines, encoding);
}

}  // namespace grid::io
