// The selection paste: the clipboard pasted at the selection's top-left cell
// and, with the smart clipboard on, the rest of the selection filled from
// it: a single value everywhere, a date, time or number series continued, or
// the pasted block repeated.

#include <cmath>

#include "controls/grid/cells/grid_undo.h"
#include "controls/grid/clipboard/grid_clipboard.h"
#include "controls/grid/editors/date_time_value.h"
#include "controls/grid/scoped_value.h"
#include "controls/grid/text/grid_number_text.h"
#include "platform/format_settings.h"
#include "platform/number_format.h"

namespace grid::clipboard {

using platform::TGridRect;

namespace {

int cellCount(const TGridRect& s) { return (s.Bottom - s.Top + 1) * (s.Right - s.Left + 1); }

bool isDateOrTime(const QString& text)
{
    return IsDateText(text) || text.contains(platform::formatSettings().TimeSeparator);
}

std::optional<TDateTime> parseDateTime(const QString& text)
{
    if (const auto dt = ParseDateTimeText(text)) return DateTimeFromQt(*dt);
    if (const auto d = ParseDateText(text)) return DateTimeFromQt(*d);
    if (const auto t = ParseTimeText(text)) return DateTimeFromQt(QDate(1899, 12, 30), *t);
    return std::nullopt;
}

std::optional<qint64> parseInteger(const QString& text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || text.trimmed() != text) return std::nullopt;
    return value;
}

enum class TSeries : uint8_t { None, Date, Decimal, Integer };

TSeries seriesKind(const QString& s1, const QString& s2)
{
    if (isDateOrTime(s1) && isDateOrTime(s2)) return TSeries::Date;
    const QChar decimal = platform::formatSettings().DecimalSeparator;
    if (s1.contains(decimal) || s2.contains(decimal)) return TSeries::Decimal;
    if (parseInteger(s1) && parseInteger(s2)) return TSeries::Integer;
    return TSeries::None;
}

}  // namespace

bool TGridClipboard::FillCell(int c, int r, QString value, bool atTopLeft)
{
    bool allow = true;
    if (!atTopLeft && G.OnClipboardBeforePasteCell) G.OnClipboardBeforePasteCell(&G, c, r, value, allow);
    if (allow) G.StoreCellValue(c, r, value);
    return allow;
}

void TGridClipboard::FillSingleValue(const TGridRect& s)
{
    const int k0 = G.RealColIndex(s.Left);
    QString v = G.GetCellEx(k0, s.Top);
    if (G.HasCheckBox(k0, s.Top)) {
        bool ticked = false;
        G.GetCheckBoxState(k0, s.Top, ticked);
        v = ticked ? G.CheckTrue : G.CheckFalse;
    }
    for (int c = s.Left; c <= s.Right; ++c)
        for (int r = s.Top; r <= s.Bottom; ++r) {
            if (!MayWrite(c, r)) continue;
            const bool topLeft = c == s.Left && r == s.Top;
            FillCell(c, r, v, topLeft);
            G.CellsPasted(G.FClipTopLeft, {c, r, c, r}, TExStringGrid::coCopy);
            if (!topLeft && G.OnClipboardAfterPasteCell) G.OnClipboardAfterPasteCell(&G, c, r, v);
        }
}

// A date, time or number series along a one-column or one-row selection,
// from the steps between its first two cells. False when the first two
// cells start no series.
bool TGridClipboard::FillSeries(const TGridRect& s)
{
    const QString s1 = G.GetCellEx(G.RealColIndex(s.Left), s.Top);
    QString s2;
    if (s.Left == s.Right) s2 = G.GetCellEx(G.RealColIndex(s.Left), s.Top + 1);
    if (s.Top == s.Bottom) s2 = G.GetCellEx(G.RealColIndex(s.Left + 1), s.Top);
    const TSeries kind = seriesKind(s1, s2);
    if (kind == TSeries::None) return false;
    const platform::FormatSettings& fs = platform::formatSettings();

    double x1 = 0, x2 = 0;
    int dy = 0, dm = 0, dd = 0;
    bool valid = true;
    if (kind == TSeries::Date) {
        const auto d1 = parseDateTime(s1), d2 = parseDateTime(s2);
        valid = d1 && d2;
        if (valid) {
            x1 = *d1;
            x2 = *d2;
            const QDate a = DateOfDateTime(x1), b = DateOfDateTime(x2);
            dy = b.year() - a.year();
            dm = b.month() - a.month();
            dd = b.day() - a.day();
        }
    } else if (kind == TSeries::Decimal) {
        valid = platform::TryStrToFloat(s1, x1) && platform::TryStrToFloat(s2, x2);
    } else {
        x1 = double(*parseInteger(s1));
        x2 = double(*parseInteger(s2));
    }
    const double step = x2 - x1;
    const bool dateForm = s1.contains(fs.DateSeparator);
    double cur = x1;
    // A value that cannot be read or a day that does not exist ends the
    // series at that cell; the cells written keep their values.
    for (int c = s.Left; valid && c <= s.Right; ++c)
        for (int r = s.Top; valid && r <= s.Bottom; ++r) {
            const bool topLeft = c == s.Left && r == s.Top;
            if (G.IsEditable(G.RealColIndex(c), r)) {
                QString t;
                if (kind == TSeries::Date)
                    t = FormatDateTimeText(dateForm ? fs.ShortDateFormat : fs.LongTimeFormat, cur);
                else if (kind == TSeries::Decimal)
                    t = platform::FormatFloat(G.FloatFormat, cur);
                else
                    t = QString::number(qint64(std::llround(cur)));
                const bool stored = FillCell(c, r, t, topLeft);
                if (stored || kind == TSeries::Date) {
                    G.CellsPasted(G.FClipTopLeft, {c, r, c, r}, TExStringGrid::coCopy);
                    if (!topLeft && G.OnClipboardAfterPasteCell) G.OnClipboardAfterPasteCell(&G, c, r, t);
                }
            }
            if (kind != TSeries::Date || (dy == 0 && dm == 0 && dd == 0)) {
                cur += step;
                continue;
            }
            const QDate next = AddDateInterval(dy, dm, dd, std::llround(step), DateOfDateTime(cur));
            valid = next.isValid();
            if (valid) cur = DateTimeFromQt(next, TimeOfDateTime(cur));
        }
    G.CellsChanged(QRect(QPoint(G.Selection().Left, G.Selection().Top), QPoint(G.Selection().Right, G.Selection().Bottom)));
    return true;
}

// The pasted block repeated along a one-column or one-row selection with
// the block's cell count as its period; later cells read cells already
// written, so the block repeats cyclically.
void TGridClipboard::RepeatBlock(const TGridRect& s, int period)
{
    const bool column = s.Left == s.Right;
    const int first = (column ? s.Top : s.Left) + period, last = column ? s.Bottom : s.Right;
    for (int i = first; i <= last; ++i) {
        const int c = column ? s.Left : i, r = column ? i : s.Top;
        if (!G.IsEditable(G.RealColIndex(c), r)) continue;
        QString v = column ? G.GetCellEx(G.RealColIndex(c), r - period) : G.GetCellEx(G.RealColIndex(c - period), r);
        bool allow = true;
        if (G.OnClipboardBeforePasteCell) G.OnClipboardBeforePasteCell(&G, c, r, v, allow);
        if (!allow) continue;
        G.StoreCellValue(c, r, v);
        if (G.OnClipboardAfterPasteCell) G.OnClipboardAfterPasteCell(&G, c, r, v);
    }
    const TGridRect target = column ? TGridRect{s.Left, s.Top + period, s.Left, s.Bottom}
                                    : TGridRect{s.Left + period, s.Top, s.Right, s.Bottom};
    G.CellsPasted(QPoint(s.Left, s.Top), target, TExStringGrid::coCopy);
}

// A one-row block pasted again on every further row of a selection of more
// than one row and column; a one-column block on every further column.
void TGridClipboard::RepeatPastes(const TPasteResult& pasted)
{
    int cols = 0, rows = 0;
    TGridRect s = G.Selection();
    if (s.Bottom > s.Top && s.Right > s.Left && pasted.BlockRows == 1) {
        for (int r = s.Top + 1; r <= s.Bottom; ++r) {
            G.SetRow(r);
            PasteAt(s.Left, r, cols, rows);
        }
        G.SetSelection(s);
    }
    s = G.Selection();
    if (s.Bottom > s.Top && s.Right > s.Left && pasted.BlockCols == 1) {
        for (int c = s.Left + 1; c <= s.Right; ++c) {
            G.SetCol(c);
            PasteAt(c, s.Top, cols, rows);
        }
        G.SetSelection(s);
    }
}

void TGridClipboard::PasteSelection()
{
    G.ImportNotification(TExStringGrid::isImportStart, -1);
    G.FPasteAll = false;
    ExtendSelectionToMergedCells();
    // The whole paste, fill and repeats included, is one undo step.
    TExGridUndoRedo* undo = G.UndoRedo();
    if (undo != nullptr && !G.FPasteInSequence) undo->StartSequence();
    const bool outer = undo != nullptr && !G.FPasteInSequence;
    TScopedValue<bool> inSequence(G.FPasteInSequence, G.FPasteInSequence || undo != nullptr);
    struct TStop {
        TExGridUndoRedo* Undo;
        ~TStop()
        {
            if (Undo != nullptr) Undo->StopSequence();
        }
    } stop{outer ? undo : nullptr};

    TGridRect s = G.Selection();
    const int x = (G.Options() & platform::goRowSelect) ? G.FixedCols() : s.Left;
    int cols = 0, rows = 0;
    const TPasteResult pasted = PasteAt(x, s.Top, cols, rows);
    if (!G.Navigation().AllowSmartClipboard) return;
    s = G.Selection();
    // Only a selection larger than the pasted block is filled.
    if (cellCount(s) <= pasted.Cells) return;
    G.BeforePaste();
    if (pasted.Cells == 1 && cellCount(s) > 1) FillSingleValue(s);
    G.AfterPaste();
    if (pasted.Cells > 1 && (s.Left == s.Right || s.Top == s.Bottom)) {
        if (FillSeries(s)) return;
        RepeatBlock(s, pasted.Cells);
    }
    RepeatPastes(pasted);
    G.ImportNotification(TExStringGrid::isImportDone, -1);
    G.CellsChanged(QRect(QPoint(G.Selection().Left, G.Selection().Top), QPoint(G.Selection().Right, G.Selection().Bottom)));
    G.CellsLoaded();
}

}  // namespace grid::clipboard
