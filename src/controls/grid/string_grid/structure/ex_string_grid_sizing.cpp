// Automatic sizing of columns and rows to their contents (measured in the
// font each cell is actually painted with), numbering, zoom, and swapping
// two columns or two rows with everything they carry.

#include <algorithm>
#include <memory>
#include <type_traits>

#include <QFontMetrics>
#include <QScrollBar>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/scoped_value.h"
#include "controls/grid/html/html_measure_canvas.h"
#include "controls/grid/html/html_renderer.h"
#include "controls/grid/string_grid/html/grid_html.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid {

namespace sizing_detail {
// A value below a positive minimum is raised to it, one above a positive
// maximum lowered to it; equal limits leave it alone.
int checkLimits(int value, int minimum, int maximum)
{
    if (minimum == maximum) return value;
    if (maximum > 0 && value > maximum) return maximum;
    if (minimum > 0 && value < minimum) return minimum;
    return value;
}

QStringList textLines(const QString& text) { return text.split(QLatin1Char('\n')); }
}  // namespace sizing_detail

using sizing_detail::checkLimits;

// ------------------------------------------------------------ measuring

platform::TFont TExStringGrid::MeasureFont(int ACol, int ARow)
{
    const int s = RealColIndex(ACol);
    const bool fixed = IsFixed(ACol, ARow);
    platform::TFont font = ToCanvasFont(fixed ? FFixedFont : Font());
    platform::TBrush brush;
    GetCellColor(s, ARow, fixed ? platform::gdFixed : platform::TGridDrawState{}, brush, font);
    if (ZoomFactor != 0 && font.pointSize() > 0) font.setPointSize(std::max(1, font.pointSize() + ZoomFactor));
    return font;
}

QSize TExStringGrid::CellTextExtent(int ACol, int ARow)
{
    const int s = RealColIndex(ACol);
    QString text = GetGridCell(s, ARow);
    GetDisplText(s, ARow, text);
    if (text.isEmpty() || HasDataGraphic(s, ARow)) return QSize(0, 0);
    if (TextType(text, EnableHTML) == TextKindHtml) {
        // Laid out by the renderer as the painting lays it out, without a
        // limit of width.
        THTMLMeasureCanvas measure(viewport(), MeasureFont(ACol, ARow));
        THTMLRenderParams p = FHTML->CellRenderParams(s, ACol, ARow);
        p.X = p.Y = 0;
        p.HoverLink = 0;
        p.MeasureOnly = true;
        p.Selected = true;
        p.BlinkOn = true;
        p.HoverStyle = false;
        p.ControlDown = false;
        THTMLRenderResult out;
        RenderHTMLText(measure.Canvas(), text, platform::TRect(0, 0, 65535, 65535), p, out);
        return QSize(out.XSize + 2, out.YSize + 2);
    }
    const QFontMetrics metrics(MeasureFont(ACol, ARow));
    int width = 0;
    const QStringList lines = sizing_detail::textLines(text);
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    return QSize(width, metrics.height() * int(lines.size()));
}

// ------------------------------------------------------------ columns

void TExStringGrid::AutoSizeColEx(int ACol, bool GrowOnly)
{
    if (ACol < 0 || ACol >= ColCount()) return;
    const int s = RealColIndex(ACol);
    int first = 0;
    int last = RowCount() - 1;
    if (FColumnSize.Rows == arNormal) {
        first = GridBase::FixedRows();
        last = RowCount() - FFixedFooters - 1;
    } else if (FColumnSize.Rows == arFixed) {
        last = GridBase::FixedRows() - 1;
    }
    int widest = 0;
    for (int r = first; r <= last; ++r) {
        if (IsXMergedCell(s, r)) continue;
        const QPoint graphic = GetCellGraphicSize(s, r);
        int w = graphic.x() + CellTextExtent(ACol, r).width();
        if (FControlLook.DropDownAlwaysVisible() && HasComboBox(s, r)) w += 16;
        if (s == FSortSettings.Column && HasSortIndicator(s, r)) w += 10;  // room for the sort arrow
        if (const TCellGraphic* g = GetCellGraphic(s, r); g != nullptr && g->CellHAlign() == haFull)
            w = graphic.x() - 2 * GridLineWidth() - XYOffset.x() - 2;
        widest = std::max(widest, w);
    }
    int width = widest + (XYOffsetTopLeftOnly ? XYOffset.x() : 2 * XYOffset.x()) + 2 * GridLineWidth() + 2;
    if (GrowOnly && ColWidths(ACol) >= width) return;
    DoUpdateAutoColumnSize(ACol, width);
    SetColWidths(ACol, checkLimits(width, MinColWidth, MaxColWidth));
}

void TExStringGrid::AutoSizeCol(int ACol, int Padding)
{
    AutoSizeColEx(ACol, SizeGrowOnly);
    if (Padding != 0 && ACol >= 0 && ACol < ColCount())
        SetColWidths(ACol, checkLimits(ColWidths(ACol) + Padding, MinColWidth, MaxColWidth));
}

void TExStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding)
{
    const int first = DoFixedCols ? 0 : GridBase::FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    for (int c = first; c <= last; ++c) AutoSizeCol(c, Padding);
}

// ------------------------------------------------------------ rows

void TExStringGrid::AutoSizeRowEx(int ARow, bool GrowOnly)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    int tallest = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int s = RealColIndex(c);
        if (IsYMergedCell(s, ARow) && !IsBaseCell(s, ARow)) continue;
        if (FIgnoreColumns.HasValue(s)) continue;
        int t = CellTextExtent(c, ARow).height();
        QPoint gs;
        CalcGraphicSize(s, ARow, gs, 0);
        int g = gs.y();
        const TCellGraphic* graphic = GetCellGraphic(s, ARow);
        if (graphic != nullptr) {
            if (graphic->CellVAlign() == vaFull) g = t == 0 ? DefaultRowHeight() : 0;
            if ((graphic->CellType() == ctDataCheckBox || graphic->CellType() == ctVirtCheckBox) && g > 0) t = 0;
        }
        int h = t + g;
        if (graphic != nullptr &&
            (graphic->CellType() == ctCheckBox || graphic->CellType() == ctDataCheckBox ||
             graphic->CellType() == ctVirtCheckBox || graphic->CellType() == ctRadioButton))
            h = std::max(h, DefaultRowHeight());
        tallest = std::max(tallest, h);
    }
    int height = (XYOffsetTopLeftOnly ? XYOffset.y() : 2 * XYOffset.y()) + tallest + 2 * GridLineWidth() +
                 (XYOffsetTopLeftOnly ? 2 : 0);
    if (GrowOnly && RowHeights(ARow) >= height) return;
    SetRowHeights(ARow, checkLimits(height, MinRowHeight, MaxRowHeight));
}

void TExStringGrid::AutoSizeRow(int ARow, int Padding)
{
    AutoSizeRowEx(ARow, SizeGrowOnly);
    if (Padding != 0 && ARow >= 0 && ARow < RowCount())
        SetRowHeights(ARow, checkLimits(RowHeights(ARow) + Padding, MinRowHeight, MaxRowHeight));
}

void TExStringGrid::SizeRowToLines(int ARow, int Lines, int Padding)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    const QFontMetrics metrics(MeasureFont(std::min(GridBase::FixedCols(), ColCount() - 1), ARow));
    const int h = metrics.boundingRect(QStringLiteral("gh")).height();
    SetRowHeights(ARow, checkLimits(Padding + Lines * (h + h / 8), MinRowHeight, MaxRowHeight));
}

void TExStringGrid::AutoSizeRows(bool DoFixedRows, int Padding)
{
    if (RowCount() == 0) return;
    const int first = DoFixedRows ? 0 : GridBase::FixedRows();
    ExportNotification(esExportStart, first);
    for (int r = first; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        if (WordWrap()) {
            AutoSizeRow(r, Padding);
            continue;
        }
        int lines = 1;
        if (MultilineCells)
            for (int c = 0; c < ColCount(); ++c)
                lines = std::max(lines, TextLineCount(GetCellEx(RealColIndex(c), r), true));
        SizeRowToLines(r, lines, Padding);
    }
    UpdateScrollBarVisibility(false);
    ExportNotification(esExportDone, -1);
}

void TExStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY)
{
    BeginUpdate();
    for (int c = DoFixedCells ? 0 : GridBase::FixedCols(); c < ColCount(); ++c) {
        const int s = RealColIndex(c);
        int w0 = SizeGrowOnly ? ColWidths(c) : 0;
        for (int r = DoFixedCells ? 0 : GridBase::FixedRows(); r < RowCount(); ++r) {
            const QPoint graphic = GetCellGraphicSize(s, r);
            const QSize text = CellTextExtent(c, r);
            int cw = text.width() + graphic.x() + PaddingX + XYOffset.x();
            int ch = text.height() + graphic.y() + PaddingY + XYOffset.y();
            if (!IsXMergedCell(s, r) && cw > w0) {
                cw = checkLimits(cw, MinColWidth, MaxColWidth);
                if (cw > w0) {
                    SetColWidths(c, cw);
                    w0 = cw;
                }
            }
            if (!IsYMergedCell(s, r) && ch > RowHeights(r)) {
                ch = checkLimits(ch, MinRowHeight, MaxRowHeight);
                if (ch > RowHeights(r)) SetRowHeights(r, ch);
            }
        }
    }
    EndUpdate();
}

void TExStringGrid::SizeToCols()
{
    int sum = 0;
    for (int c = 0; c < ColCount(); ++c) sum += ColWidths(c);
    const int bar = verticalScrollBar()->isVisible() ? verticalScrollBar()->width() : 0;
    resize(sum + 2 * frameWidth() + bar, height());
}

void TExStringGrid::SizeToRows()
{
    int sum = 0;
    for (int r = 0; r < RowCount(); ++r) sum += RowHeights(r);
    const int bar = horizontalScrollBar()->isVisible() ? horizontalScrollBar()->height() : 0;
    resize(width(), sum + 2 * frameWidth() + bar);
}

void TExStringGrid::SizeToCells()
{
    const Qt::ScrollBarPolicy vertical = verticalScrollBarPolicy();
    const Qt::ScrollBarPolicy horizontal = horizontalScrollBarPolicy();
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SizeToCols();
    SizeToRows();
    setVerticalScrollBarPolicy(vertical);
    setHorizontalScrollBarPolicy(horizontal);
}

// ------------------------------------------------------------ numbering and zoom

void TExStringGrid::AutoNumberCol(int ACol)
{
    if (RowCount() == 0) return;
    const int fixed = GridBase::FixedRows();
    for (int r = fixed + AutoNumberStart; r <= RowCount() - FFixedFooters - 1; ++r) {
        const int value = r - fixed + 1 + AutoNumberOffset;
        SetInts(ACol, AutoNumberAscending ? r : fixed + RowCount() - FFixedFooters - 1 - r, value);
    }
}

void TExStringGrid::AutoNumberRow(int ARow)
{
    if (ColCount() == 0) return;
    const int fixed = GridBase::FixedCols();
    for (int c = fixed + AutoNumberStart; c <= ColCount() - FFixedRightCols - 1; ++c) {
        const int value = c - fixed + 1 + AutoNumberOffset;
        SetInts(AutoNumberAscending ? c : fixed + ColCount() - FFixedRightCols - 1 - c, ARow, value);
    }
}

void TExStringGrid::Zoom(int x)
{
    const int z = ZoomFactor + x;
    if (z < -10 || z > 10) return;
    ZoomFactor = z;
    // The proportional bars wait for the whole zoom, then follow it once.
    TScopedValue<bool> scrollLock(FScrollLock, true, false);
    BeginUpdate();
    for (int c = 0; c < ColCount(); ++c)
        if (ColWidths(c) > 0 && ColWidths(c) + x > 0) SetColWidths(c, ColWidths(c) + x);
    for (int r = 0; r < RowCount(); ++r)
        if (RowHeights(r) > 0 && RowHeights(r) + x > 0) SetRowHeights(r, RowHeights(r) + x);
    FScrollLock = false;
    UpdateScrollBars();
    EndUpdate();
}

// ------------------------------------------------------------ swapping

void TExStringGrid::SwapColumns(int ACol1, int ACol2)
{
    if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= TotalColCount() || ACol2 >= TotalColCount()) return;
    for (int r = 0; r < RowCount(); ++r) SwapCells({ACol1, r}, {ACol2, r});
    SwapCellControls(false, ACol1, ACol2);
    if (FSortSettings.Column == ACol1) FSortSettings.Column = ACol2;
    else if (FSortSettings.Column == ACol2) FSortSettings.Column = ACol1;
    for (auto item : FGridItems) {
        auto& cells = item->Items().Cells;
        const int need = std::max(ACol1, ACol2) + 1;
        if (int(cells.size()) < need) cells.resize(size_t(need));
        std::swap(cells[size_t(ACol1)], cells[size_t(ACol2)]);
    }
    if (!IsHiddenColumn(ACol1) && !IsHiddenColumn(ACol2)) {
        const int d1 = DisplColIndex(ACol1);
        const int d2 = DisplColIndex(ACol2);
        const int w = ColWidths(d1);
        SetColWidths(d1, ColWidths(d2));
        SetColWidths(d2, w);
    }
    RepaintGrid();
}

void TExStringGrid::SwapRows(int ARow1, int ARow2)
{
    ExchangeRows(ARow1, ARow2, true, true);
}

bool TExStringGrid::ExchangeRows(int ARow1, int ARow2, bool MoveSelection, bool MoveModified)
{
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return false;
    Cells().SwapRows(ARow1, ARow2);
    if (CellControlList().Count() > 0) SwapCellControls(true, RealRowIndex(ARow1), RealRowIndex(ARow2));
    const int h = RowHeights(ARow1);
    if (h != RowHeights(ARow2)) {
        SetRowHeights(ARow1, RowHeights(ARow2));
        SetRowHeights(ARow2, h);
    }
    // The row's flags go with it.
    auto swapFlag = [](auto& list, int a, int b) {
        using TFlag = typename std::decay_t<decltype(list)>::value_type;  // a value, also for vector<bool>
        const int need = std::max(a, b) + 1;
        if (int(list.size()) < need) list.resize(size_t(need), TFlag{});
        const TFlag t = list[size_t(a)];
        list[size_t(a)] = list[size_t(b)];
        list[size_t(b)] = t;
    };
    if (MoveModified && !FModifiedRows.empty()) swapFlag(FModifiedRows, ARow1, ARow2);
    if (!FEnabledRows.empty()) swapFlag(FEnabledRows, ARow1, ARow2);
    if (MoveSelection && !FRowSelect.empty()) swapFlag(FRowSelect, RealRowIndex(ARow1), RealRowIndex(ARow2));
    // A sort swaps inside an update bracket, which repaints once at its end.
    if (!UpdateRunning()) RepaintGrid();
    return true;
}

void TExStringGrid::SwapSortColumnCells(int ARow1, int ARow2)
{
    const int c = FSortSwapColumn >= 0 ? FSortSwapColumn : FSortSettings.Column;
    if (ARow1 == ARow2 || c < 0 || c >= TotalColCount()) return;
    if (!Cells().Contains(c, ARow1) || !Cells().Contains(c, ARow2)) return;
    const QString text1 = GetCellEx(c, ARow1);
    SetCellEx(c, ARow1, GetCellEx(c, ARow2));
    SetCellEx(c, ARow2, text1);
    std::unique_ptr<TCellProperties> objects1 = Cells().TakeProperties(c, ARow1);
    Cells().SetProperties(c, ARow1, Cells().TakeProperties(c, ARow2));
    Cells().SetProperties(c, ARow2, std::move(objects1));
    if (!UpdateRunning()) RepaintGrid();
}

void TExStringGrid::SortSwapRows(int ARow1, int ARow2)
{
    ++FSwaps;
    if (ARow1 >= 0 && ARow2 >= 0 && ARow1 < FSortRowXRef.Count() && ARow2 < FSortRowXRef.Count()) {
        const int t = FSortRowXRef[ARow1];
        FSortRowXRef.SetInteger(ARow1, FSortRowXRef[ARow2]);
        FSortRowXRef.SetInteger(ARow2, t);
    }
    if (FSortSettings.SingleColumn) {
        // The records stay in place; only the sort column's cells move.
        SwapSortColumnCells(ARow1, ARow2);
        return;
    }
    if (!ExchangeRows(ARow1, ARow2, MouseActions().DisjunctRowSelect() && Navigation().MoveRowOnSort,
                      ShowModified().Enabled))
        return;
    // The tracked current row stays on its record.
    if (SortRow == ARow1) SortRow = ARow2;
    else if (SortRow == ARow2) SortRow = ARow1;
}

}  // namespace grid
