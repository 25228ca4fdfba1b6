#include "controls/grid/string_grid/paint/footer_panel.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "controls/grid/html/html_renderer.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

using platform::TCanvas;
using platform::TRect;

QString ExpandFooterTemplate(const QString& tmpl, const std::function<QString(int)>& cellText)
{
    QString out;
    qsizetype i = 0;
    while (i < tmpl.size()) {
        const qsizetype open = tmpl.indexOf(QStringLiteral("<#"), i);
        if (open < 0) break;
        const qsizetype close = tmpl.indexOf(QLatin1Char('>'), open + 2);
        if (close < 0) break;  // no closing mark: the rest stays plain text
        out += tmpl.mid(i, open - i);
        bool number = false;
        const QStringView digits = QStringView(tmpl).mid(open + 2, close - open - 2);
        const bool allDigits = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
        const int column = allDigits ? digits.toInt(&number) : 0;
        if (number) out += cellText(column);
        i = close + 1;
    }
    out += tmpl.mid(i);
    return out;
}

TFooterPanel::TFooterPanel(TExStringGrid& grid) : QWidget(grid.viewport()), FGrid(grid)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    hide();
    resize(0, 0);
    grid.viewport()->installEventFilter(this);
    grid.installEventFilter(this);
}

void TFooterPanel::PlaceAtBottom()
{
    const QWidget* area = parentWidget();
    setGeometry(0, area->height() - height(), area->width(), height());
}

void TFooterPanel::ApplySettings()
{
    const TFloatingFooter& f = FGrid.FloatingFooter();
    const int h = !f.Visible ? 0 : FCreated ? f.Height : f.Height - 1;
    resize(width(), std::max(0, h));
    PlaceAtBottom();
    setVisible(f.Visible);
}

void TFooterPanel::CreateWnd()
{
    FCreated = true;
    const TFloatingFooter& f = FGrid.FloatingFooter();
    resize(width(), f.Visible ? f.Height : 0);
    PlaceAtBottom();
    if (FGrid.OnCreatedFloatingFooter) FGrid.OnCreatedFloatingFooter(&FGrid);
}

bool TFooterPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) PlaceAtBottom();
    if (watched == &FGrid && event->type() == QEvent::Show && !FCreated) CreateWnd();
    return false;
}

std::vector<TFooterPanel::TFooterColumn> TFooterPanel::Columns() const
{
    std::vector<TFooterColumn> columns;
    int x = 0;
    auto add = [&](int c) {
        columns.push_back({c, x, FGrid.ColWidths(c)});
        x += FGrid.ColWidths(c);
    };
    for (int c = 0; c < FGrid.FixedCols() && c < FGrid.ColCount(); ++c) add(c);
    for (int c = std::max(FGrid.LeftCol(), FGrid.FixedCols()); c < FGrid.ColCount(); ++c) add(c);
    return columns;
}

bool TFooterPanel::RightToLeft() const { return FGrid.layoutDirection() == Qt::RightToLeft; }

TRect TFooterPanel::Placed(const TRect& r) const
{
    if (!RightToLeft()) return r;
    const int cw = width();
    return TRect(cw - r.Right, r.Top, cw - r.Left, r.Bottom);
}

int TFooterPanel::ColumnAt(int x) const
{
    if (RightToLeft()) x = width() - x;
    for (const TFooterColumn& c : Columns())
        if (x >= c.Left && x < c.Left + c.Width) return c.Col;
    return -1;
}

namespace {
constexpr TColor footerGray = 0x00808080;

void raisedFrame(TCanvas& canvas, const TRect& r)
{
    canvas.Pen.Width = 1;
    canvas.Pen.Style = Qt::SolidLine;
    canvas.Pen.Color = footerGray;
    canvas.MoveTo(r.Left, r.Bottom - 1);
    canvas.LineTo(r.Right - 1, r.Bottom - 1);
    canvas.LineTo(r.Right - 1, r.Top - 1);
    canvas.Pen.Color = clWhite;
    canvas.MoveTo(r.Left, r.Bottom - 1);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right - 1, r.Top);
}

void fill(TCanvas& canvas, const TRect& r, TColor color)
{
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Brush.Color = color;
    canvas.FillRect(r);
}
}  // namespace

void TFooterPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TCanvas canvas(painter);
    TExStringGrid& g = FGrid;
    const TFloatingFooter& f = g.FloatingFooter();
    const std::vector<TFooterColumn> columns = Columns();
    int W = 0;
    for (const TFooterColumn& c : columns) W = c.Left + c.Width;
    const TRect client(0, 0, width(), height());
    // Everything below is laid out from the left edge; Placed() mirrors it
    // into the panel's width when the grid runs right to left.
    const TRect R(0, 0, std::min(W, width()), height());
    canvas.Font = ToCanvasFont(g.Font());
    int E = W;
    auto line = [&](int x1, int y1, int x2, int y2) {
        const bool rtl = RightToLeft();
        canvas.MoveTo(rtl ? width() - x1 : x1, y1);
        canvas.LineTo(rtl ? width() - x2 : x2, y2);
    };
    switch (f.FooterStyle) {
    case fsFixedLastRow: {
        fill(canvas, client, g.Color());
        fill(canvas, Placed(R), f.Color);
        const int last = g.RowCount() - 1;
        const bool horz = g.Options() & platform::goFixedHorzLine;
        const bool vert = g.Options() & platform::goFixedVertLine;
        const TGridLook look = g.Look();
        const bool raised = (look == glSoft || look == glQVR || look == glXP || look == glVista) && !g.Flat();
        canvas.Pen.Width = 1;
        canvas.Pen.Style = Qt::SolidLine;
        for (const TFooterColumn& c : columns) {
            const int right = c.Left + c.Width;
            if (vert && raised) {
                canvas.Pen.Color = clWhite;
                line(c.Left, height(), c.Left, 0);
            }
            if (horz) {
                canvas.Pen.Color = g.GridLineColor();
                line(c.Left, 0, right - 1, 0);
            }
            if (vert) {
                canvas.Pen.Color = c.Col < g.FixedCols() || look == glVista ? g.GridLineColor() : footerGray;
                line(right - 1, 0, right - 1, height());
            }
        }
        if (last < 0) break;
        for (size_t i = 0; i < columns.size(); ++i) {
            const TFooterColumn& c = columns[i];
            const int storage = g.RealColIndex(c.Col);
            if (!g.IsBaseCell(storage, last)) continue;
            // A merged footer cell reaches over the columns it covers.
            int right = c.Left + c.Width - 1;
            if (g.IsMergedCell(storage, last)) {
                const int span = g.CellSpan(storage, last).x();
                for (size_t j = i + 1; j < columns.size() && j <= i + size_t(span); ++j)
                    right = columns[j].Left + columns[j].Width - 1;
            }
            TRect cell(c.Left + (horz && raised ? 1 : 0), horz ? 1 : 0, right, height());
            cell = Placed(cell);
            const bool fixed = c.Col < g.FixedCols();
            if (!fixed) {
                if (g.OnGetCellColor) {
                    platform::TBrush brush;
                    brush.Color = clNone;
                    platform::TFont font = canvas.Font;
                    g.OnGetCellColor(&g, last, storage, platform::gdFixed, brush, font);
                    if (brush.Color != clNone) fill(canvas, cell, brush.Color);
                }
                if (g.Colors(storage, last) != clNone) fill(canvas, cell, g.Colors(storage, last));
            }
            if (!fixed && g.OnPaintFooter) g.OnPaintFooter(this, c.Col, canvas, cell);
            else g.DrawCellContents(canvas, c.Col, last, cell, platform::gdFixed);
        }
        break;
    }
    case fsColumnPreview:
    case fsCustomPreview: {
        const TRect area = Placed(R);
        fill(canvas, client, g.Color());
        fill(canvas, area, f.Color);
        raisedFrame(canvas, area);
        const TColor savedSelectionText = g.SelectionTextColor;
        g.SelectionTextColor = clBlack;
        if (f.FooterStyle == fsColumnPreview) {
            const TRect cell = Placed(TRect(0, 0, W, height()));
            if (g.OnPaintFooter) g.OnPaintFooter(this, f.Column, canvas, cell);
            else if (f.Column >= 0 && f.Column < g.ColCount() && g.Row() < g.RowCount())
                g.DrawCellContents(canvas, f.Column, g.Row(), cell, 0);
        } else {
            const int row = g.Row();
            const QString text = ExpandFooterTemplate(f.CustomTemplate, [&](int column) {
                return column >= 0 && column < g.AllColCount() && row >= 0 && row < g.RowCount() ? g.GetCellEx(column, row)
                                                                                                 : QString();
            });
            THTMLRenderParams params;
            params.WordWrap = true;
            params.URLColor = g.URLColor;
            params.ShadowColor = footerGray;
            params.Window = this;
            params.BiDiMode = RightToLeft() ? 1 : 0;
            THTMLRenderResult result;
            RenderHTMLText(canvas, text, area.Offset(0, 2), params, result);
        }
        g.SelectionTextColor = savedSelectionText;
        break;
    }
    case fsCustomPaint:
        E = width();
        if (g.OnPaintFooter) g.OnPaintFooter(this, f.Column, canvas, client);
        break;
    }
    FPaintedRight = E;
    if (f.BorderColor != clNone) {
        canvas.Pen.Color = f.BorderColor;
        canvas.Pen.Width = 1;
        canvas.Pen.Style = Qt::SolidLine;
        line(0, 0, E, 0);
    }
}

bool TFooterPanel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int column = ColumnAt(help->pos().x());
        QString hint;
        if (column >= 0 && FGrid.OnGridHint) FGrid.OnGridHint(&FGrid, FGrid.RowCount() - 1, column, hint);
        const bool show = FGrid.FloatingFooter().ShowHint;
        FLastHintX = show && column >= 0 ? column : -1;
        if (show && !hint.isEmpty()) QToolTip::showText(help->globalPos(), hint, this);
        else QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void TFooterPanel::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    const int column = ColumnAt(int(event->position().x()));
    if (FGrid.FloatingFooter().ShowHint && FLastHintX != -1 && column != FLastHintX) {
        QToolTip::hideText();
        FLastHintX = column;
    }
}

void TFooterPanel::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    FLastHintX = -1;
}

void TFooterPanel::mousePressEvent(QMouseEvent* event)
{
    event->accept();  // the cells below never see a press on the footer
}

void TFooterPanel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    try {
        if (FGrid.OnClick) FGrid.OnClick(&FGrid);
        const int column = ColumnAt(int(event->position().x()));
        if (column >= 0 && FGrid.OnClickCell) FGrid.OnClickCell(&FGrid, FGrid.RowCount() - 1, column);
    } catch (const std::exception&) {
        // A handler's failure ends at the click.
    }
}

// ------------------------------------------------------------ the grid's side

void TExStringGrid::SetUpFloatingFooter()
{
    FFooterPanel = new TFooterPanel(*this);  // Qt child of the viewport
    FFloatingFooter.OnVisibleChange = [this] {
        const bool fixedLastRow = FFloatingFooter.Visible && FFloatingFooter.FooterStyle == fsFixedLastRow;
        FFooterPanel->ApplySettings();
        SetFixedFooters(fixedLastRow ? 1 : 0);
        SetHideLastRow(fixedLastRow);
        RepaintGrid();
    };
    FFloatingFooter.OnStyleChange = [this] {
        SetHideLastRow(FFloatingFooter.Visible && FFloatingFooter.FooterStyle == fsFixedLastRow);
        RepaintGrid();
        FFooterPanel->update();
    };
    FFloatingFooter.OnHeightChange = [this] {
        if (FFloatingFooter.Height > 0) FFooterPanel->ApplySettings();
    };
    FFloatingFooter.OnShowHintChange = [this] { FFooterPanel->setToolTip(QString()); };
    FFloatingFooter.OnRepaint = [this] { FFooterPanel->update(); };
}

}  // namespace grid
