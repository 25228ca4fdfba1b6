#include "controls/grid/io/grid_text_format.h"

#include <vector>

#include "controls/grid/grid_error.h"
#include "controls/grid/io/grid_export.h"
#include "controls/grid/io/record_text.h"
#include "controls/grid/io/text_file_lines.h"

namespace grid::io {

namespace {

// The leading integer of a text (blanks before it skipped), 0 without one;
// values beyond the int range are clamped, so a reader's checks catch them.
qint64 LenientInt(QStringView text)
{
    text = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    qint64 value = 0;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i)
        value = std::min<qint64>(value * 10 + (text[i].unicode() - u'0'), qint64(1) << 40);
    return negative ? -value : value;
}

int StrictInt(QStringView text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) throw EExGridError(("'" + text.toString() + "' is not a valid integer value").toStdString());
    return value;
}

QString CellLine(int col, int row, const QString& text)
{
    return QString::number(col) + u',' + QString::number(row) + u',' + EncodeRecordText(text);
}

QString WidthLine(int col, int width) { return "cw " + QString::number(col) + u',' + QString::number(width); }

// A cell line's fields: false when it has no two commas.
bool SplitCellLine(QStringView line, QStringView& col, QStringView& row, QStringView& text)
{
    const qsizetype first = line.indexOf(u',');
    if (first < 0) return false;
    const qsizetype second = line.indexOf(u',', first + 1);
    if (second < 0) return false;
    col = line.left(first);
    row = line.mid(first + 1, second - first - 1);
    text = line.mid(second + 1);
    return true;
}

}  // namespace

QByteArray TGridTextWriter::Write(TExStringGrid& grid, const std::optional<QByteArray>&)
{
    const TSaveRange range = TSaveRange::Of(grid);
    TTextBuilder text(TextFileEncoding(Unicode), true,
                      qsizetype(32) * std::max(1, range.ColCount()) * std::max(1, range.RowCount()));
    text += QString::number(range.ColCount()) + u',' + QString::number(range.RowCount());
    text += QLatin1String("\r\n");
    // Per column its number with the comma after it and the storage column
    // it reads, so a cell line costs appends only.
    std::vector<QString> colNumbers;
    std::vector<int> storageCols;
    for (int c = range.StartCol; c <= range.EndCol; ++c) {
        text += WidthLine(c, c < grid.ColCount() ? grid.ColWidths(c) : grid.DefaultColWidth());
        text += QLatin1String("\r\n");
        colNumbers.push_back(QString::number(c) + u',');
        storageCols.push_back(range.StorageCol(grid, c));
    }
    TExportRun run(grid, range.StartRow);
    for (int r = range.StartRow; r <= range.EndRow; ++r) {
        run.NextRow(r);
        const QString row = QString::number(r) + u',';
        for (size_t i = 0; i < storageCols.size(); ++i) {
            const QString cell = grid.SaveCellText(storageCols[i], r);
            if (cell.isEmpty()) continue;
            text += colNumbers[i];
            text += row;
            text += EncodeRecordText(cell);
            text += QLatin1String("\r\n");
        }
        run.Progress().Report(r - range.StartRow, range.RowCount() - 1);
    }
    run.Finish();
    return text.TakeBytes();
}

void TGridTextReader::Read(TExStringGrid& grid, const QByteArray& bytes, const QString& fileName)
{
    QString decoded;
    platform::TextLineCursor lines(DecodedTextView(bytes, decoded));
    QStringView header;
    const bool hasHeader = lines.next(header);
    const bool fixedCols = grid.SaveFixedCells || grid.SaveFixedCols;
    const bool fixedRows = grid.SaveFixedCells || grid.SaveFixedRows;
    const int a = fixedCols ? 0 : grid.FixedCols();
    const int b = fixedRows ? 0 : grid.FixedRows();

    qint64 cols = grid.ColCount();
    qint64 rows = grid.RowCount();
    if (hasHeader && !header.isEmpty()) {
        const qsizetype comma = header.indexOf(u',');
        cols = a + LenientInt(header.left(comma < 0 ? header.size() : comma));
        rows = b + (comma < 0 ? 0 : LenientInt(header.mid(comma + 1)));
    }
    if (!IsSaneGridSize(cols, rows))
        throw EExGridError(("File contains no data or corrupt file " + fileName).toStdString());

    TGridUpdateLock lock(grid);
    grid.SetColCount(int(cols));
    grid.SetRowCount(int(rows));
    const bool multiLine = grid.MultilineCells;
    // Hidden columns were written after the displayed ones, by storage index.
    const bool storageColumns = grid.SaveHiddenCells;
    const int colLimit = grid.ColCount() + (storageColumns ? grid.NumHiddenColumns() : 0);
    TImportRun run(grid, 0);
    int lastRow = -1;
    for (QStringView line; lines.next(line);) {
        if (line.startsWith(u"cw")) {
            const QStringView rest = line.mid(3).left(255);
            const qsizetype comma = rest.indexOf(u',');
            const qint64 col = LenientInt(comma < 0 ? rest : rest.left(comma));
            const qint64 width = comma < 0 ? 0 : LenientInt(rest.mid(comma + 1));
            if (col >= 0 && col < grid.ColCount() && width >= 0 && width <= 0xFFFF)
                grid.SetColWidths(int(col), int(width));
            continue;
        }
        QStringView colText, rowText, text;
        if (!SplitCellLine(line, colText, rowText, text)) continue;
        const qint64 col = LenientInt(colText);
        const qint64 row = LenientInt(rowText);
        if (col < 0 || col >= colLimit || row < 0 || row >= grid.RowCount()) continue;
        if (row != lastRow) {
            run.NewRow(int(row));
            lastRow = int(row);
        }
        grid.LoadCellText(storageColumns ? int(col) : grid.RealColIndex(int(col)), int(row),
                          DecodeRecordText(text, multiLine));
        run.Progress().Report(row, grid.RowCount() - 1);
    }
    run.Finish();
    ReportCellsLoaded(grid);
}

void SaveGridTextStream(TExStringGrid& grid, QIODevice& stream)
{
    const TSaveRange range = TSaveRange::Of(grid, false);
    QString text;
    auto line = [&text](const QString& s) {
        text += s;
        text += QLatin1String("\r\n");
    };
    line(QString::number(grid.SaveColCount()) + u',' + QString::number(grid.SaveRowCount()));
    for (int c = 0; c < grid.ColCount(); ++c) line(WidthLine(c, grid.ColWidths(c)));
    TExportRun run(grid, range.StartRow);
    for (int r = range.StartRow; r <= range.EndRow; ++r) {
        run.NextRow(r);
        for (int c = range.StartCol; c <= range.EndCol; ++c) {
            // The displayed column's cell, wherever hidden columns put it.
            const QString cell = grid.SaveCellText(range.StorageCol(grid, c), r);
            if (!cell.isEmpty()) line(CellLine(c - range.StartCol, r - range.StartRow, cell));
        }
    }
    run.Finish();
    const QByteArray bytes = platform::encodeText(text, platform::TextEncoding::Utf16Le);
    if (stream.write(bytes) != bytes.size()) throw EExGridError("Stream write error");
}

namespace {

// One line of 16-bit units up to a CR (the unit after it taken as its LF) or
// the end of the stream.
QString ReadStreamLine(QIODevice& stream)
{
    QString line;
    char unit[2];
    while (stream.read(unit, 2) == 2) {
        const char16_t u = char16_t(uchar(unit[0]) | (uchar(unit[1]) << 8));
        if (u == u'\r') {
            stream.read(unit, 2);
            break;
        }
        line += QChar(u);
    }
    return line;
}

}  // namespace

void LoadGridTextStream(TExStringGrid& grid, QIODevice& stream)
{
    TGridUpdateLock lock(grid);
    if (!stream.atEnd()) {
        const QString header = ReadStreamLine(stream);
        if (!header.isEmpty()) {
            const qsizetype comma = header.indexOf(u',');
            const qint64 cols = qint64(StrictInt(QStringView(header).left(comma < 0 ? header.size() : comma))) +
                                grid.SaveStartCol();
            const qint64 rows = qint64(StrictInt(comma < 0 ? QStringView() : QStringView(header).mid(comma + 1))) +
                                grid.SaveStartRow();
            if (!IsSaneGridSize(cols, rows)) throw EExGridError("Stream contains no data or corrupt data");
            grid.SetColCount(int(cols));
            grid.SetRowCount(int(rows));
        }
    }
    const int startCol = grid.SaveStartCol();
    const int startRow = grid.SaveStartRow();
    const bool multiLine = grid.MultilineCells;
    while (!stream.atEnd()) {
        const qint64 position = stream.pos();
        const QString line = ReadStreamLine(stream);
        if (line.startsWith(u"cw")) {
            const QStringView rest = QStringView(line).mid(3);
            const qsizetype comma = rest.indexOf(u',');
            const int col = StrictInt(comma < 0 ? rest : rest.left(comma));
            const int width = StrictInt(comma < 0 ? QStringView() : rest.mid(comma + 1));
            if (col >= 0 && col < grid.ColCount() && width >= 0) grid.SetColWidths(col, width);
            continue;
        }
        QStringView colText, rowText, text;
        if (!SplitCellLine(line, colText, rowText, text)) {
            stream.seek(position);
            break;
        }
        const qint64 col = qint64(StrictInt(colText)) + startCol;
        const qint64 row = qint64(StrictInt(rowText)) + startRow;
        if (col >= 0 && col < grid.ColCount() && row >= 0 && row < grid.RowCount())
            grid.LoadCellText(grid.RealColIndex(int(col)), int(row), DecodeRecordText(text.toString(), multiLine));
    }
    ReportCellsLoaded(grid);
}

}  // namespace grid::io
