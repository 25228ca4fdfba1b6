#include "controls/grid/clipboard/grid_clipboard.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>

#include "controls/grid/cells/grid_undo.h"
#include "controls/grid/clipboard/clipboard_html.h"
#include "controls/grid/clipboard/clipboard_text.h"
#include "controls/grid/dragdrop/drop_formats.h"
#include "controls/grid/dragdrop/grid_cell_block.h"
#include "controls/grid/io/grid_html_export.h"
#include "controls/grid/scoped_value.h"
#include "controls/grid/text/grid_text_utils.h"
#include "platform/rtf.h"

namespace grid::clipboard {

using platform::TGridRect;

namespace {

QRect toQRect(const TGridRect& r) { return QRect(QPoint(r.Left, r.Top), QPoint(r.Right, r.Bottom)); }

// Rich-text source as the platform writes it: whatever a cell's "{\" text
// holds is read and written again, so the clipboard gets well-formed 7-bit
// RTF whatever the cell carries.
QByteArray cellRtf(const QString& text)
{
    return platform::WriteRtf(platform::ReadRtf(text.toUtf8()));
}

// A line break of rich or stripped text as CR LF.
QString withCRLF(QString text)
{
    text.replace(QChar(platform::RtfLineBreak), u'\n');
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

}  // namespace

void SetClipboard(std::unique_ptr<QMimeData> data)
{
    if (QClipboard* cb = QApplication::clipboard()) cb->setMimeData(data.release());
}

void AddToClipboard(const QString& format, const QByteArray& bytes)
{
    QClipboard* cb = QApplication::clipboard();
    if (cb == nullptr) return;
    auto data = std::make_unique<QMimeData>();
    if (const QMimeData* held = cb->mimeData())
        for (const QString& f : held->formats()) data->setData(f, held->data(f));
    data->setData(format, bytes);
    cb->setMimeData(data.release());
}

QByteArray TGridClipboard::GridId() const
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(quintptr(static_cast<const void*>(&G)), 16);
}

// ------------------------------------------------------------ copying

QString TGridClipboard::CellText(int k, int r)
{
    // A cell that a merged cell covers shows nothing and copies as nothing.
    if (G.IsMergedNonBaseCell(k, r)) return QString();
    return G.SaveCellText(k, r);
}

QString TGridClipboard::CopiedField(int k, int r)
{
    QString t = CellText(k, r);
    if (t.startsWith(PackedWidePrefix)) t = UnpackWideText(t);
    bool converted = false;
    if (!G.Navigation().CopyHTMLTagsToClipboard && t.contains(QStringLiteral("</"))) {
        t = withCRLF(G.GetStrippedCell(k, r));
        converted = true;
    } else if (t.contains(QStringLiteral("{\\"))) {
        t = withCRLF(platform::ReadRtf(t.toUtf8()).PlainText());
        converted = true;
    }
    if (converted && G.MultilineCells && G.ExcelClipboardFormat && t.contains(QStringLiteral("\r\n"))) {
        CSVQuoteLines(t);
        return t;
    }
    return QuoteField(t);
}

bool TGridClipboard::RowSelected(int r)
{
    return G.RowSelect(G.MouseActions().RowSelectPersistent ? G.RealRowIndex(r) : r);
}

bool TGridClipboard::RowTaken(int r, bool disjunct)
{
    const TMouseActions& m = G.MouseActions();
    return !(m.DisjunctRowSelect() && disjunct && !m.DisjunctColSelect()) || RowSelected(r);
}

bool TGridClipboard::ColTaken(int c, bool disjunct)
{
    return !(G.MouseActions().DisjunctColSelect() && disjunct) || G.ColSelect(c);
}

QString TGridClipboard::RectAsText(const TGridRect& rect, bool disjunct)
{
    G.FClipTopLeft = QPoint(rect.Left, rect.Top);
    G.ExportNotification(TExStringGrid::esExportStart, -1);
    const bool part = rect.Top > G.FixedRows() || rect.Bottom < G.RowCount() - 1 - G.FixedFooters();
    for (int r = rect.Top; r <= rect.Bottom; ++r)
        G.ExportNotification(part ? TExStringGrid::esExportSelRow : TExStringGrid::esExportNewRow, r);
    QString text;
    for (int r = rect.Top; r <= rect.Bottom; ++r) {
        G.ExportNotification(TExStringGrid::esExportNewRow, r);
        if (!RowTaken(r, disjunct)) continue;
        for (int c = rect.Left; c <= rect.Right; ++c) {
            if (!ColTaken(c, disjunct)) continue;
            text += CopiedField(G.RealColIndex(c), r);
            if (c != rect.Right) text += u'\t';
        }
        if (rect.Top < rect.Bottom) text += QStringLiteral("\r\n");
    }
    G.ExportNotification(TExStringGrid::esExportDone, -1);
    return text;
}

void TGridClipboard::CopyRect(const TGridRect& rect, bool disjunct)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(RectAsText(rect, disjunct));
    SetClipboard(std::move(data));
    if (G.Navigation().AllowRTFClipboard) CopyRTF(rect.Left, rect.Top);
    if (G.Navigation().AllowFmtClipboard) CopyCells(rect);
}

void TGridClipboard::CopyRTF(int col, int row)
{
    const QString text = G.GetCellEx(G.RealColIndex(col), row);
    if (text.contains(QStringLiteral("{\\"))) AddToClipboard(MimeRtf, cellRtf(text));
}

void TGridClipboard::CopyCells(const TGridRect& rect)
{
    AddToClipboard(MimeGridCells, EncodeCellsBlock(SaveRectToCellStream(G, rect)));
    AddToClipboard(MimeGridCellsSource, GridId());
}

void TGridClipboard::CopyHTML()
{
    const QByteArray html = HtmlClipboardText(io::HTMLDocumentWithoutPictures(G).toUtf8());
    auto data = std::make_unique<QMimeData>();
    data->setData(MimeHtml, html);
    data->setText(QString::fromUtf8(html));
    SetClipboard(std::move(data));
}

void TGridClipboard::ExtendSelectionToMergedCells()
{
    TGridRect s = G.Selection();
    const TGridRect before = s;
    if (G.IsMergedCell(s.Left, s.Top)) {
        const QPoint base = G.BaseCell(s.Left, s.Top);
        s.Left = std::min(s.Left, base.x());
        s.Top = std::min(s.Top, base.y());
    }
    if (G.IsMergedCell(s.Right, s.Bottom)) {
        const QPoint base = G.BaseCell(s.Right, s.Bottom);
        const QPoint span = G.CellSpan(base.x(), base.y());
        s.Right = std::max(s.Right, base.x() + span.x());
        s.Bottom = std::max(s.Bottom, base.y() + span.y());
    }
    if (!(s == before)) G.SetSelection(s);
}

void TGridClipboard::CopySelection()
{
    ExtendSelectionToMergedCells();
    const TMouseActions& m = G.MouseActions();
    const bool fmt = G.Navigation().AllowFmtClipboard;
    if (m.DisjunctRowSelect() && !fmt)
        CopyRect({G.FixedCols(), G.SaveStartRow(), G.ColCount() - G.FixedRightCols() - 1, G.SaveEndRow()}, true);
    else if (m.DisjunctColSelect() && !fmt)
        CopyRect({G.SaveStartCol(), G.SaveStartRow(), G.SaveEndCol(), G.SaveEndRow()}, true);
    else
        CopyRect(G.Selection(), false);
    G.FClipLastOp = TExStringGrid::coCopy;
}

// ------------------------------------------------------------ cutting

bool TGridClipboard::MayWrite(int c, int r)
{
    return G.Navigation().AllowClipboardAlways || G.IsEditable(G.RealColIndex(c), r);
}

void TGridClipboard::Cut()
{
    const TGridRect rect{G.SaveStartCol(), G.SaveStartRow(), G.SaveEndCol(), G.SaveEndRow()};
    CopyRect(rect, false);
    for (int c = rect.Left; c <= rect.Right; ++c)
        for (int r = rect.Top; r <= rect.Bottom; ++r)
            if (MayWrite(c, r)) G.SetCellEx(G.RealColIndex(c), r, QString());
    if (G.ShowModified().Enabled)
        for (int r = rect.Top; r <= rect.Bottom; ++r) G.SetRowModified(r, true);
    G.FClipLastOp = TExStringGrid::coCut;
}

void TGridClipboard::CutSelection()
{
    const TGridRect before = G.Selection();
    CopySelection();
    const TMouseActions& m = G.MouseActions();
    if (m.DisjunctRowSelect()) {
        for (int r = G.FixedRows(); r < G.RowCount(); ++r)
            if (RowSelected(r)) {
                G.ClearRows(r, 1);
                if (G.ShowModified().Enabled) G.SetRowModified(r, true);
            }
    } else if (m.DisjunctColSelect()) {
        for (int c = G.FixedCols(); c < G.ColCount(); ++c)
            if (G.ColSelect(c)) G.ClearCols(c, 1);
    } else {
        const TGridRect s = G.Selection();
        TExGridUndoRedo* undo = G.UndoRedo();
        if (undo != nullptr) undo->StartSequence();
        for (int c = s.Left; c <= s.Right; ++c)
            for (int r = s.Top; r <= s.Bottom; ++r) {
                if (!MayWrite(c, r)) continue;
                const int k = G.RealColIndex(c);
                if (undo != nullptr) undo->RegisterChange(k, r, G.GetCellEx(k, r), QString());
                G.SetCellEx(k, r, QString());
            }
        if (G.ShowModified().Enabled)
            for (int r = s.Top; r <= s.Bottom; ++r) G.SetRowModified(r, true);
        if (undo != nullptr) undo->StopSequence();
        if (G.Navigation().AllowFmtClipboard) G.FreeCellPropsRect(s.Left, s.Top, s.Right, s.Bottom);
    }
    G.FClipLastOp = TExStringGrid::coCut;
    if (G.OnCellsChanged) G.OnCellsChanged(&G, toQRect(before));
    if (G.NumHiddenColumns() > 0) G.RepaintGrid();
}

// ------------------------------------------------------------ pasting

TPasteResult TGridClipboard::PasteAt(int col, int row, int& cols, int& rows)
{
    QClipboard* cb = QApplication::clipboard();
    const QMimeData* data = cb != nullptr ? cb->mimeData() : nullptr;
    if (data == nullptr) return {};
    if (G.AllowFormattedClipboard() && data->hasFormat(MimeGridCells)) return PasteCellBlock(col, row, *data, cols, rows);
    if (G.Navigation().AllowRTFClipboard && data->hasFormat(MimeRtf)) {
        QByteArray bytes = data->data(MimeRtf);
        if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0) bytes.truncate(nul);
        if (col >= 0 && row >= 0 && col < G.ColCount() && row < G.RowCount() && G.IsEditable(G.RealColIndex(col), row))
            G.StoreCellValue(col, row, QString::fromLatin1(bytes));
        cols = 1;
        rows = 1;
        return {0, 1, 1, 1};
    }
    if (data->hasText()) {
        const QString text = data->text();
        if (!text.isEmpty()) return PasteText(col, row, text, cols, rows);
    }
    return {};
}

TPasteResult TGridClipboard::PasteCellBlock(int col, int row, const QMimeData& data, int& cols, int& rows)
{
    // Another program's block is untrusted: one that does not read as a
    // well-formed block is refused before anything changes.
    const std::optional<QByteArray> stream = TDropData(&data).Stream();
    const std::optional<TCellBlock> block = stream ? DecodeCellBlock(*stream) : std::nullopt;
    if (!block || col < 0 || row < 0) return {};
    G.BeforePaste();
    const TNavigation& nav = G.Navigation();
    if (nav.AllowClipboardRowGrow || nav.AllowClipboardColGrow || nav.ClipboardPasteAction == paInsert) {
        if (col + block->Cols >= G.ColCount() && nav.AllowClipboardColGrow) G.SetColCount(col + block->Cols);
        if (row + block->Rows >= G.RowCount() && nav.AllowClipboardRowGrow) G.SetRowCount(row + block->Rows);
        cols = G.ColCount();
        rows = G.RowCount();
        if (nav.ClipboardPasteAction == paInsert && row < G.RowCount()) G.InsertRows(row, block->Rows);
    }
    TPasteResult result{block->Cols * block->Rows, block->Cols * block->Rows, block->Cols, block->Rows};
    if (col >= G.ColCount() || row >= G.RowCount()) {
        G.AfterPaste();
        return result;
    }
    // The cells the block lands on, clipped to the grid, as one undo step.
    const TGridRect target{col, row, std::min(G.ColCount() - 1, col + block->Cols - 1),
                           std::min(G.RowCount() - 1, row + block->Rows - 1)};
    TExGridUndoRedo* undo = G.UndoRedo();
    const bool ownSequence = undo != nullptr && !G.FPasteInSequence;
    if (ownSequence) undo->StartSequence();
    if (undo != nullptr)
        for (int r = target.Top; r <= target.Bottom; ++r)
            for (int c = target.Left; c <= target.Right; ++c) {
                const int k = G.RealColIndex(c);
                undo->RegisterChange(k, r, G.GetCellEx(k, r), block->Text(c - col, r - row));
            }
    PlaceCellBlock(G, QPoint(col, row), *block);
    if (ownSequence) undo->StopSequence();
    const QPoint source = data.data(MimeGridCellsSource) == GridId() ? G.FClipTopLeft : QPoint(-1, -1);
    G.CellsPasted(source, target, G.FClipLastOp);
    G.AfterPaste();
    return result;
}

bool TGridClipboard::StoreField(int c, int r, QString field)
{
    const TNavigation& nav = G.Navigation();
    if (c == G.ColCount() && nav.AllowClipboardColGrow) G.SetColCount(c + 1);
    if (c >= G.ColCount() || r >= G.RowCount()) return false;
    if (!MayWrite(c, r)) return false;
    bool allow = true;
    const bool wide = field.startsWith(PackedWidePrefix);
    QString w;
    if (wide) {
        w = UnpackWideText(field);
        if (G.OnClipboardBeforePasteWideCell) G.OnClipboardBeforePasteWideCell(&G, c, r, w, allow);
        field = PackWideText(w);
    } else if (G.OnClipboardBeforePasteCell) {
        G.OnClipboardBeforePasteCell(&G, c, r, field, allow);
    }
    if (!allow) return false;
    G.StoreCellValue(c, r, field);
    if (wide) {
        if (G.OnClipboardAfterPasteWideCell) G.OnClipboardAfterPasteWideCell(&G, c, r, w);
    } else if (G.OnClipboardAfterPasteCell) {
        G.OnClipboardAfterPasteCell(&G, c, r, field);
    }
    return true;
}

TPasteResult TGridClipboard::PasteText(int col, int row, const QString& text, int& cols, int& rows)
{
    const TNavigation& nav = G.Navigation();
    if (col < 0 || row < 0) return {};
    if (!((G.Options() & platform::goEditing) || nav.AllowClipboardAlways || G.MouseActions().RangeSelectAndEdit))
        return {};
    const TTextBlock block = ParseTextBlock(text);
    TExGridUndoRedo* undo = G.UndoRedo();
    const bool ownSequence = undo != nullptr && !G.FPasteInSequence;
    if (ownSequence) undo->StartSequence();
    G.BeginUpdate();
    cols = 0;
    rows = 0;
    int r = row;
    TGridRect pasted{col, row, col, row};
    const auto footerRow = [this] {
        return G.FloatingFooter().Visible && G.FloatingFooter().FooterStyle == fsFixedLastRow ? 1 : 0;
    };
    for (size_t i = 0; i < block.Lines.size(); ++i) {
        const TTextLine& line = block.Lines[i];
        ++rows;
        int c = col;
        G.ImportNotification(G.FPasteAll ? TExStringGrid::isImportNewRow : TExStringGrid::isImportSelRow, r);
        if (!line.IsEmpty() && nav.ClipboardPasteAction == paInsert) G.InsertRows(r, 1);
        cols = 1;
        for (qsizetype f = 0; f < line.Fields.size(); ++f) {
            const bool last = f + 1 == line.Fields.size();
            if (!last) ++cols;
            if (!last || line.Break || !line.Fields[f].isEmpty()) {
                if (StoreField(c, r, line.Fields[f])) {
                    pasted.Right = std::max(pasted.Right, c);
                    pasted.Bottom = std::max(pasted.Bottom, r);
                }
            }
            ++c;
        }
        const bool another = i + 1 < block.Lines.size() && !(i + 2 == block.Lines.size() && block.EndsWithBreak());
        if (another) {
            ++r;
            if (r == G.RowCount() - footerRow() && nav.AllowClipboardRowGrow) G.SetRowCount(G.RowCount() + 1);
        }
    }
    if (ownSequence) undo->StopSequence();
    G.EndUpdate();
    G.CellsPasted(G.FClipTopLeft, pasted, G.FClipLastOp);
    G.CellsChanged(QRect(QPoint(G.RealColIndex(pasted.Left), pasted.Top), QPoint(G.RealColIndex(pasted.Right), pasted.Bottom)));
    const int blockRows = int(block.Lines.size()) - (block.EndsWithBreak() ? 1 : 0);
    return {int(block.FieldCount), int(block.CellCount()), TextBlockSize(block).x(), blockRows};
}

void TGridClipboard::SetSelectionAsText(const QString& text)
{
    const TTextBlock block = ParseTextBlock(text);
    const TGridRect s = G.Selection();
    const int footerRow = G.FloatingFooter().Visible && G.FloatingFooter().FooterStyle == fsFixedLastRow ? 1 : 0;
    int r = s.Top, right = s.Left, bottom = s.Top;
    for (size_t i = 0; i < block.Lines.size(); ++i) {
        const TTextLine& line = block.Lines[i];
        int c = s.Left;
        for (qsizetype f = 0; f < line.Fields.size(); ++f, ++c) {
            const bool last = f + 1 == line.Fields.size();
            if (last && !line.Break && line.Fields[f].isEmpty()) continue;
            if (c >= G.ColCount()) G.SetColCount(c + 1);
            if (r >= G.RowCount()) continue;
            G.SetGridCell(G.RealColIndex(c), r, line.Fields[f]);
            right = std::max(right, c);
            bottom = std::max(bottom, r);
        }
        const bool another = i + 1 < block.Lines.size() && !(i + 2 == block.Lines.size() && block.EndsWithBreak());
        if (another) {
            ++r;
            if (r == G.RowCount() - footerRow) G.SetRowCount(G.RowCount() + 1);
        }
    }
    G.CellsChanged(QRect(QPoint(G.RealColIndex(s.Left), s.Top), QPoint(G.RealColIndex(right), bottom)));
}

}  // namespace grid::clipboard
