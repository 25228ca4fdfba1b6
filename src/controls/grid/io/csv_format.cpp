#include "controls/grid/io/csv_format.h"

#include "controls/grid/grid_error.h"
#include "controls/grid/io/grid_export.h"
#include "controls/grid/io/record_text.h"
#include "controls/grid/io/text_file_lines.h"
#include "controls/grid/text/grid_text_utils.h"
#include "platform/codepage.h"

namespace grid::io {

namespace {

constexpr QChar VerticalTab(11);
constexpr char16_t Candidates[] = {u',', u';', u'#', u'\t', u'|', u'@', u'*', u'-', u'+', u'&'};

QString DecodeField(QString field, bool java)
{
    if (java)
        TildeToCRLF(field);
    else
        VTToCRLF(field);
    return field;
}

void TrimLeadingBlanks(QString& line, QChar delimiter)
{
    if (delimiter == u' ') return;  // the blanks are fields then
    qsizetype n = 0;
    while (line.size() - n >= 2 && line[n] == u' ') ++n;
    line.remove(0, n);
}

// The file's lines: by byte-order mark, else ANSI, or OEM with the option.
QStringList CsvLines(const QByteArray& bytes, bool oem, platform::TextEncoding* encoding = nullptr)
{
    const platform::TextFileEncoding found = platform::detectTextEncoding(bytes);
    if (encoding != nullptr) *encoding = found.encoding;
    if (oem && found.encoding == platform::TextEncoding::Ansi) return platform::splitLines(platform::fromOem(bytes));
    QStringList lines = DecodeTextLines(bytes);
    if (oem)
        for (QString& line : lines) OemToText(line);
    return lines;
}

QByteArray CsvBytes(const QStringList& lines, platform::TextEncoding encoding, bool oem)
{
    if (oem && encoding == platform::TextEncoding::Ansi) {
        QString text;
        for (const QString& line : lines) text += line + QLatin1String("\r\n");
        return platform::toOem(text);
    }
    return EncodeTextLines(lines, encoding);
}

}  // namespace

QString CsvField(const QString& text, QChar delimiter, bool java, bool alwaysQuotes, bool quoteEmpty)
{
    QString t = NormalizeLineBreaks(text);
    const bool lines = t.contains(u'\r');
    bool quote = alwaysQuotes || t.contains(u'"') || t.contains(delimiter) || t.startsWith(u' ') ||
                 (lines && !java);
    t = DoubleQuotes(t);
    if (lines) {
        if (java)
            CRToTilde(t);
        else
            t.replace(QStringLiteral("\r\n"), QString(VerticalTab));
    }
    if (t.isEmpty() && !quote) {
        if (java) return QStringLiteral("^");
        if (quoteEmpty) return QStringLiteral("\"\"");
        return t;
    }
    if (quote) return u'"' + t + u'"';
    return t;
}

QByteArray TCsvWriter::Write(TExStringGrid& grid, const std::optional<QByteArray>& existing)
{
    platform::TextEncoding encoding = Unicode ? platform::TextEncoding::Utf8 : platform::TextEncoding::Ansi;
    QStringList lines;
    if (existing) lines = CsvLines(*existing, grid.OemConvert, &encoding);
    const bool oemBytes = grid.OemConvert && encoding == platform::TextEncoding::Ansi;
    const QChar d = grid.Delimiter.isNull() ? QChar(u',') : grid.Delimiter;
    const TSaveRange range = TSaveRange::Of(grid);
    TExportRun run(grid, range.StartRow);
    for (int r = range.StartRow; r <= range.EndRow; ++r) {
        run.NextRow(r);
        QString line;
        for (int c = range.StartCol; c <= range.EndCol; ++c) {
            if (c > range.StartCol) line += d;
            QString t = grid.SaveCellText(range.StorageCol(grid, c), r);
            if (grid.OemConvert && !oemBytes) TextToOem(t);
            line += CsvField(t, d, grid.JavaCSV, grid.AlwaysQuotes, grid.QuoteEmptyCells);
        }
        lines << line;
        run.Progress().Report(r - range.StartRow, range.RowCount() - 1);
    }
    run.Finish();
    return CsvBytes(lines, encoding, oemBytes);
}

QChar DetectCsvDelimiter(const QString& line1, const QString& line2)
{
    QChar found(0);
    int best = 0;
    for (int pass = 1; pass <= 2 && best == 0; ++pass) {
        for (char16_t c : Candidates) {
            const int n1 = pass == 1 ? SingleCharCount(c, line1) : CharCount(c, line1);
            const int n2 = pass == 1 ? SingleCharCount(c, line2) : CharCount(c, line2);
            if (n1 == n2 && n1 > best) {
                found = c;
                best = n1;
            }
        }
    }
    if (best == 0) {
        for (char16_t c : Candidates) {
            const int n = std::max(CharCount(c, line1), CharCount(c, line2));
            if (n > best) {
                found = c;
                best = n;
            }
        }
    }
    return found;
}

QStringList SplitCsvLine(QString line, QChar delimiter, bool java)
{
    QStringList fields;
    if (!delimiter.isNull()) {
        qsizetype p = line.indexOf(delimiter);
        while (p >= 0) {
            TrimLeadingBlanks(line, delimiter);
            QString field;
            if (line.startsWith(u'"')) {
                line.remove(0, 1);
                int close = 0;
                SingleCharPos(u'"', line, close);
                if (close > 0) {
                    field = UndoubleChar(u'"', line.left(close - 1));
                    line.remove(0, close);
                } else {
                    // No closing quote: the rest of the line is the field.
                    field = UndoubleChar(u'"', line);
                    line.clear();
                }
                p = line.indexOf(delimiter);
                line.remove(0, p + 1);
            } else {
                p = line.indexOf(delimiter);
                field = p < 0 ? line : line.left(p);
                line.remove(0, p < 0 ? line.size() : p + 1);
            }
            fields << DecodeField(field, java);
            p = line.indexOf(delimiter);
        }
    }
    if (!line.isEmpty()) {
        TrimLeadingBlanks(line, delimiter);
        if (line.startsWith(u'"')) {
            line.remove(0, 1);
            if (line.endsWith(u'"')) line.chop(1);
            line = UndoubleChar(u'"', line);
        }
        fields << DecodeField(line, java);
    }
    return fields;
}

void TCsvReader::Read(TExStringGrid& grid, const QByteArray& bytes, const QString&)
{
    const QStringList lines = CsvLines(bytes, grid.OemConvert);
    if (lines.isEmpty()) throw EExGridError("File is empty");

    TGridUpdateLock lock(grid);
    const int c0 = grid.SaveStartCol();
    int r = Insert ? grid.RowCount() : grid.SaveStartRow();

    // A floating footer in the last row stays last: its texts are set aside.
    const bool footer = Insert && grid.FloatingFooter().Visible;
    QStringList footerTexts;
    if (footer && grid.RowCount() > 0) {
        r = grid.RowCount() - 1;
        for (int c = 0; c < grid.TotalColCount(); ++c) {
            footerTexts << grid.GetGridCell(c, r);
            grid.SetGridCell(c, r, QString());
        }
    }

    const QChar delimiter = grid.Delimiter.isNull()
                                ? DetectCsvDelimiter(lines.front(), lines.size() > 1 ? lines[1] : QString())
                                : grid.Delimiter;
    const qsizetype first = grid.LoadFirstRow ? 0 : 1;
    const qsizetype counted = lines.size() - first;
    TImportRun run(grid, r);
    if (run.Progress().Active()) {
        if (Insert)
            grid.SetRowCount(grid.RowCount() + int(lines.size()));
        else
            grid.SetRowCount(r + int(counted) + grid.FixedFooters());
    }
    const bool storageColumns = grid.SaveHiddenCells;
    const int hidden = storageColumns ? grid.NumHiddenColumns() : 0;
    int read = 0;
    for (qsizetype i = first; i < lines.size() && (MaxRows <= 0 || read < MaxRows); ++i, ++read) {
        if (r >= grid.RowCount() - grid.FixedFooters()) grid.SetRowCount(r + 1000);
        run.NewRow(r);
        int c = c0;
        for (const QString& field : SplitCsvLine(lines[i], delimiter, grid.JavaCSV)) {
            if (c >= grid.ColCount() + hidden) grid.SetColCount(c + 1 - hidden);
            grid.LoadCellText(storageColumns ? c : grid.RealColIndex(c), r, field);
            ++c;
        }
        ++r;
        run.Progress().Report(read + 1, counted);
    }
    grid.SetRowCount(r + grid.FixedFooters());
    if (footer) {
        const int last = grid.RowCount() - 1;
        for (int c = 0; c < footerTexts.size(); ++c) grid.SetGridCell(c, last, footerTexts[c]);
    }
    run.Finish();
    ReportCellsLoaded(grid);
}

}  // namespace grid::io
