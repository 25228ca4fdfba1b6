#include "controls/grid/io/fixed_width_format.h"

#include <algorithm>

#include "controls/grid/cells/int_lists.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/io/grid_export.h"
#include "controls/grid/io/record_text.h"
#include "controls/grid/io/text_file_lines.h"

namespace grid::io {

QByteArray TFixedWidthWriter::Write(TExStringGrid& grid, const std::optional<QByteArray>&)
{
    const TSaveRange range = TSaveRange::Of(grid);
    // The encoded texts, column by column, so that the measured widths are
    // those of what is written.
    std::vector<std::vector<QString>> texts(size_t(std::max(0, range.ColCount())));
    for (int c = range.StartCol; c <= range.EndCol; ++c) {
        auto& column = texts[size_t(c - range.StartCol)];
        column.reserve(size_t(std::max(0, grid.RowCount())));
        for (int r = 0; r < grid.RowCount(); ++r)
            column.push_back(EncodeRecordText(grid.SaveCellText(range.StorageCol(grid, c), r)));
        if (FWidths.Count() <= c - range.StartCol) {
            int longest = 0;
            for (const QString& t : column) longest = std::max(longest, int(t.size()));
            FWidths.Add(longest + 1);
        }
    }
    QStringList lines;
    TExportRun run(grid, range.StartRow);
    for (int r = range.StartRow; r <= range.EndRow; ++r) {
        run.NextRow(r);
        QString line;
        for (int c = range.StartCol; c <= range.EndCol; ++c) {
            const int w = std::max(0, FWidths[c - range.StartCol]);
            const QString& t = texts[size_t(c - range.StartCol)][size_t(r)];
            line += t.size() > w ? t.left(w) : t + QString(w - t.size(), u' ');
        }
        lines << line;
    }
    run.Finish();
    return EncodeTextLines(lines, platform::TextEncoding::Ansi);
}

void TFixedWidthReader::Read(TExStringGrid& grid, const QByteArray& bytes, const QString&)
{
    std::vector<int> positions;
    for (int i = 0; i < FPositions.Count(); ++i) positions.push_back(FPositions[i]);
    std::sort(positions.begin(), positions.end());
    for (int i = 0; i < int(positions.size()); ++i)
        if (FPositions[i] != positions[size_t(i)]) FPositions.SetInteger(i, positions[size_t(i)]);
    const int fields = int(positions.size()) - 1;
    if (fields < 1 || !IsSaneGridSize(grid.FixedCols() + qint64(fields), 1))
        throw EExGridError("Fixed width positions give no field");

    const QStringList lines = DecodeTextLines(bytes);
    TGridUpdateLock lock(grid);
    grid.SetColCount(grid.FixedCols() + fields);
    const int c0 = grid.SaveStartCol();
    const bool multiLine = grid.MultilineCells;
    int r = grid.SaveStartRow();
    TImportRun run(grid, r);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (r >= grid.RowCount()) grid.SetRowCount(r + 1);
        run.NewRow(r);
        const QString& line = lines[i];
        for (int k = 1; k <= fields; ++k) {
            const qsizetype from = std::max(0, positions[size_t(k - 1)] - 1);
            const qsizetype length = std::max(0, positions[size_t(k)] - positions[size_t(k - 1)]);
            QString field = from < line.size() ? line.mid(from, length) : QString();
            if (DoTrim) field = field.trimmed();
            if (c0 + k - 1 < grid.ColCount())
                grid.LoadCellText(grid.RealColIndex(c0 + k - 1), r, DecodeRecordText(field, multiLine));
        }
        if (MaxRows != -1 && i + 1 >= std::max(1, MaxRows)) break;
        if (r + 1 >= grid.RowCount() && i + 1 < lines.size()) grid.SetRowCount(r + 2);
        ++r;
    }
    run.Finish();
    ReportCellsLoaded(grid);
}

}  // namespace grid::io
