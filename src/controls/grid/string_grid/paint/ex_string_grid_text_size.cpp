// The size of a cell's text as painting, auto-sizing, hints and editing
// measure it: on one line per line break, or wrapped at the cell's width.

#include <QFontMetrics>

#include "controls/grid/html/html_measure_canvas.h"
#include "controls/grid/html/html_renderer.h"
#include "controls/grid/paint/frame_paint.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/html/grid_html.h"
#include "controls/grid/text/grid_html_text.h"
#include "controls/grid/text/grid_text_utils.h"
#include "controls/grid/text/rich_cell_text.h"

namespace grid {

QPoint TExStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB)
{
    QPoint size;
    CalcCellTextSize(ACol, DisplColIndex(ACol), ARow, VS, SB, size);
    return size;
}

void TExStringGrid::CalcCellTextSize(int ACol, int DisplCol, int ARow, bool VS, bool SB, QPoint& Size)
{
    QString text = GetFormattedCell(ACol, ARow);
    const int kind = TextType(text, EnableHTML);
    platform::TFont font = MeasureFont(DisplCol, ARow);
    if (FActiveCellShow && (FActiveCellFont.Style & fsBold) && IsFixed(DisplCol, ARow)) font.setBold(true);
    platform::TRect r = CellRect(DisplCol, ARow);
    if (XYOffsetTopLeftOnly) {
        r.Left += XYOffset.x();
        r.Top += XYOffset.y();
    } else {
        r = r.Inflated(-XYOffset.x(), -XYOffset.y());
    }
    if (SB) r.Right -= 17;
    if (kind == TextKindHtml) {
        if (!VS) r.Right = 65535;
        r.Bottom = 65535;
        THTMLMeasureCanvas measure(viewport(), font);
        THTMLRenderParams p = FHTML->CellRenderParams(ACol, DisplCol, ARow);
        p.X = p.Y = 0;
        p.HoverLink = 0;
        p.MeasureOnly = true;
        p.Selected = true;
        p.BlinkOn = true;
        THTMLRenderResult out;
        RenderHTMLText(measure.Canvas(), text, r, p, out);
        Size = QPoint(out.XSize + 2, out.YSize + 2);
        return;
    }
    if (kind == TextKindRichText) {
        // The formatted text's own size, wrapped at the cell's width when the
        // grid wraps words, with room for the rich edit's frame.
        const QSize rich = RichCellTextSize(text, font, WordWrap() ? std::max(1, r.Width()) : 0);
        Size = QPoint(rich.width(), rich.height() + 4);
        return;
    }
    int angle = 0;
    const bool rotated = IsRotated(ACol, ARow, angle);
    const QFontMetrics metrics(font);
    if (VS) {
        r = r.Inflated(-2, -2);
        if (Editing() && Col() == DisplCol && Row() == ARow && text.endsWith(QLatin1Char('\n'))) text += QLatin1Char('w');
        const int flags = Qt::TextExpandTabs | (rotated ? Qt::TextSingleLine : Qt::TextWordWrap);
        const QRect measured = metrics.boundingRect(QRect(0, 0, std::max(1, r.Width()), 0x7FFF), flags, text);
        Size = QPoint(measured.width(), measured.height());
    } else {
        QStringList lines;
        QString rest = text;
        if (rest.isEmpty()) lines << QString();
        while (!rest.isEmpty()) {
            const QString line = MultilineCells ? CutFirstLine(rest, true) : rest;
            if (!MultilineCells) rest.clear();
            lines << line;
        }
        int width = 0;
        for (QString line : lines) {
            if (URLShow && !URLFull && kind == TextKindPlain) StripURLScheme(line);
            width = std::max(width, metrics.horizontalAdvance(line));
        }
        Size = QPoint(width, metrics.boundingRect(QStringLiteral("gh")).height() * int(lines.size()));
    }
    if (rotated) Size = paint::RotatedTextSize(Size.x(), Size.y(), angle);
}

}  // namespace grid
