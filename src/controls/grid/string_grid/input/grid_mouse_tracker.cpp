#include "controls/grid/string_grid/input/grid_mouse_tracker.h"

#include <cmath>

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QScrollBar>

#include "controls/grid/paint/frame_paint.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/canvas.h"

namespace grid {

using platform::TGridRect;
using platform::TRect;

namespace grid_mouse_tracker_detail {

constexpr int borderReach = 3;       // a border is grabbed closer than this
constexpr int scrollEdge = 4;        // dragging this close to the bottom scrolls down
constexpr int cellBarWidth = 17;     // the scroll bar over a cell
constexpr int sizingHintWidth = 200; // the sizing hint wraps beyond this
constexpr int cursorSize = 16;

// The three selection cursors: a black arrow with a white rim pointing
// right (rows), down (columns) or down to the right (all cells, resizer).
QCursor selectCursor(int id)
{
    QPixmap pm(cursorSize, cursorSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPolygon arrow;
    if (id == 8010)
        arrow << QPoint(2, 6) << QPoint(8, 6) << QPoint(8, 2) << QPoint(14, 8) << QPoint(8, 14) << QPoint(8, 10)
              << QPoint(2, 10);
    else if (id == 8011)
        arrow << QPoint(6, 2) << QPoint(10, 2) << QPoint(10, 8) << QPoint(14, 8) << QPoint(8, 14) << QPoint(2, 8)
              << QPoint(6, 8);
    else
        arrow << QPoint(2, 5) << QPoint(5, 2) << QPoint(11, 8) << QPoint(13, 6) << QPoint(13, 13) << QPoint(6, 13)
              << QPoint(8, 11);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::black);
    p.drawPolygon(arrow);
    p.end();
    const QPoint hot = id == 8010 ? QPoint(14, 8) : id == 8011 ? QPoint(8, 14) : QPoint(13, 13);
    return QCursor(pm, hot.x(), hot.y());
}

}  // namespace grid_mouse_tracker_detail

TGridMouseTracker::TGridMouseTracker(TExStringGrid& grid) : G(grid) {}

int TGridMouseTracker::SelectModeCursorId(TMouseSelectMode mode)
{
    switch (mode) {
    case msRow: return 8010;
    case msColumn: return 8011;
    case msAll:
    case msResize: return 8012;
    default: return 0;
    }
}

QString TGridMouseTracker::SizingHintText(bool column, int value)
{
    return QString(column ? "cw=<b>%1</b>" : "rh=<b>%1</b>").arg(value);
}

// ------------------------------------------------------------ every move

void TGridMouseTracker::DragLeavesEditing()
{
    if (G.FMouseDownMove && G.FMouseActions.RangeSelectAndEdit && (G.Options() & platform::goEditing) &&
        !G.EditorMode())
        G.SetOptions(G.Options() & ~platform::goEditing);
}

void TGridMouseTracker::RepaintRow(int ARow)
{
    if (ARow >= 0 && ARow < G.RowCount()) G.RepaintRow(ARow);
}

void TGridMouseTracker::TrackCell(int ACol, int ARow, int X, int Y)
{
    namespace d = grid_mouse_tracker_detail;
    if (ACol < 0 || ARow < 0 || G.IsDesigning()) return;
    if (G.HoverRow() && ARow != G.HoverRowIdx()) {
        const int old = G.HoverRowIdx();
        G.SetHoverRowIdx(ARow);
        RepaintRow(ARow);
        RepaintRow(old);
    }
    const int sc = G.RealColIndex(ACol);
    // The scroll bar over a cell whose text is longer than the cell shows.
    if (G.HasScrollBar(sc, ARow)) {
        const TExStringGrid::TScrollProp prop = G.GetScrollProp(sc, ARow);
        if (prop.PageSize < prop.Range) {
            if (G.FScrollBar == nullptr) {
                G.FScrollBar = new QScrollBar(Qt::Vertical, G.viewport());
                G.FScrollBar->setObjectName(QStringLiteral("CellScrollBar"));
                G.FScrollBar->hide();
                QObject::connect(G.FScrollBar, &QScrollBar::valueChanged, &G, [this](int value) {
                    if (FScrollCell.x() >= 0) G.SetScrollPosition(FScrollCell.x(), FScrollCell.y(), value);
                });
            }
            FScrollCell = QPoint(sc, ARow);
            const TRect r = G.CellRect(ACol, ARow);
            const int lw = G.GridLineWidth();
            const QRect place(r.Right - d::cellBarWidth - lw, r.Top + lw, d::cellBarWidth, r.Height() - 2 * lw);
            QScrollBar* bar = G.FScrollBar;
            if (!(bar->isVisible() && bar->geometry() == place)) {
                const QSignalBlocker quiet(bar);
                bar->setPageStep(prop.PageSize);
                bar->setRange(0, prop.Range);
                bar->setGeometry(place);
                bar->setValue(G.GetScrollPosition(sc, ARow));
                bar->show();
            }
        }
    } else if (G.FScrollBar != nullptr && G.FScrollBar->isVisible()) {
        G.FScrollBar->hide();
        FScrollCell = QPoint(-1, -1);
    }
    // The button or expand button under the mouse shows hot.
    const TCellType kind = G.GetCellType(sc, ARow);
    const bool onButton = (kind == ctButton || kind == ctBitButton || kind == ctExpand) &&
                          G.CellButtonRect(sc, ARow).contains(X, Y);
    const QPoint cell(ACol, ARow);
    if (onButton && FHoverButton != cell) {
        if (FHoverButton.x() >= 0) G.RepaintCell(G.RealColIndex(FHoverButton.x()), FHoverButton.y());
        FHoverButton = cell;
        G.RepaintCell(sc, ARow);
    } else if (!onButton && FHoverButton.x() >= 0) {
        G.RepaintCell(G.RealColIndex(FHoverButton.x()), FHoverButton.y());
        FHoverButton = QPoint(-1, -1);
    }
}

bool TGridMouseTracker::ExtendHeaderSelection(int ACol, int ARow, int Y)
{
    namespace d = grid_mouse_tracker_detail;
    if (FMouseSelectStart < 0) return false;
    bool scrolledUp = false;
    if (G.FMouseActions.RowSelect && FMouseSelectMode == msRow) {
        if (ARow >= G.FixedRows() && ARow <= G.RowCount() - G.FixedFooters()) {
            const int r = std::max(G.FixedRows(), ARow);
            const TGridRect sel{G.FixedCols(), std::min(r, FMouseSelectStart), G.ColCount() - 1,
                                std::max(r, FMouseSelectStart)};
            G.SetSelection({G.FixedCols(), r, G.ColCount() - 1, FMouseSelectStart});
            if (G.SelectionRectangle && !(sel == FSizeSelection)) {
                G.InvalidateGridRect({G.LeftCol(), sel.Top, G.LeftCol() + G.VisibleColCount(), sel.Bottom});
                FSizeSelection = sel;
            }
        }
        // Dragging to the bottom edge scrolls down, into the header row up.
        if (Y > G.viewport()->height() - d::scrollEdge) G.SetTopRow(G.TopRow() + 1);
        if (G.FixedRows() > 0 && G.RowCount() > 0 && Y < G.RowHeights(0) && G.TopRow() > G.FixedRows()) {
            G.SetTopRow(G.TopRow() - 1);
            scrolledUp = true;
        }
    }
    if (G.FMouseActions.ColSelect && FMouseSelectMode == msColumn && ACol >= 0) {
        const int c = std::max(G.FixedCols(), ACol);
        const TGridRect sel{std::min(c, FMouseSelectStart), G.FixedRows(), std::max(c, FMouseSelectStart),
                            G.RowCount() - 1};
        G.SetSelection({c, G.FixedRows(), FMouseSelectStart, G.RowCount() - 1});
        if (G.SelectionRectangle && !(sel == FSizeSelection)) {
            G.InvalidateGridRect({sel.Left, G.TopRow(), sel.Right, G.TopRow() + G.VisibleRowCount()});
            FSizeSelection = sel;
        }
    }
    return scrolledUp;
}

int TGridMouseTracker::FixedBorderAt(bool cols, int pos) const
{
    namespace d = grid_mouse_tracker_detail;
    const int count = cols ? G.FixedCols() : G.FixedRows();
    int found = -1;
    int s = 0;
    for (int i = 0; i < count; ++i) {
        const int size = cols ? G.ColWidths(i) : G.RowHeights(i);
        if (std::abs(s + size - pos) < d::borderReach) found = i;
        s += size + 1;
    }
    return found;
}

void TGridMouseTracker::MarkFixedBorders(int ACol, int ARow, int X, int Y)
{
    const bool overCell = ACol >= 0 && ARow >= 0 && !G.IsDesigning();
    FSizeFixed = overCell && G.FMouseActions.SizeFixedCol && FixedBorderAt(true, X) >= 0;
    FSizeFixedR = overCell && G.FMouseActions.SizeFixedRow && FixedBorderAt(false, Y) >= 0;
    if (FSizingFixed && X != FSizeFixedX) {
        FSizeFixedX = X;
        G.viewport()->update();
    }
    if (FSizingFixedR && Y != FSizeFixedY) {
        FSizeFixedY = Y;
        G.viewport()->update();
    }
}

void TGridMouseTracker::ChooseSelectMode(int ACol, int ARow, int X, int Y, bool onHandle, bool scrolledUp)
{
    if (G.IsDesigning()) return;
    const TMouseActions& actions = G.FMouseActions;
    TMouseSelectMode mode = onHandle ? msResize : msNormal;
    if (ARow >= 0 && ARow < G.FixedRows() && ACol >= 0) {
        if (ACol < G.FixedCols() && actions.AllSelect)
            mode = msAll;
        else if (ACol >= G.FixedCols() && actions.ColSelect && !G.IsInSizingZone(X, Y))
            mode = msColumn;
    }
    const TFloatingFooter& footer = G.FFloatingFooter;
    const int footerRows = footer.Visible && footer.FooterStyle == fsFixedLastRow ? 2 : 1;
    if (ACol >= 0 && ACol < G.FixedCols() && ARow >= 0 && ARow <= G.RowCount() - footerRows &&
        (ARow >= G.FixedRows() || scrolledUp) && actions.RowSelect && !G.IsInSizingZone(X, Y) &&
        !(G.IsNode(ARow) && G.IsInNodeButton(ARow, X)))
        mode = msRow;
    FMouseSelectMode = mode;
}

void TGridMouseTracker::ApplyCursor(int ACol, int ARow, int X, int Y)
{
    namespace d = grid_mouse_tracker_detail;
    using namespace platform;
    int id = 0;
    if (FSizeFixed || FSizingFixed)
        id = 1;
    else if (FSizeFixedR || FSizingFixedR)
        id = 2;
    else if (G.GridState() != gsColSizing && G.GridState() != gsRowSizing)
        id = SelectModeCursorId(FMouseSelectMode);
    if (id == 0) {
        // The base class chose the cursor on this move; over a cell not
        // being sized the cell may choose another.
        FCursorId = 0;
        if (ACol >= 0 && ARow >= 0 && G.viewport()->cursor().shape() == Qt::ArrowCursor)
            G.GetCellCursor(ACol, ARow, X, Y);
        return;
    }
    if (id == FCursorId && G.viewport()->testAttribute(Qt::WA_SetCursor)) return;
    FCursorId = id;
    if (id == 1)
        G.viewport()->setCursor(Qt::SplitHCursor);
    else if (id == 2)
        G.viewport()->setCursor(Qt::SplitVCursor);
    else
        G.viewport()->setCursor(d::selectCursor(id));
}

int TGridMouseTracker::FixedSizeAt(bool cols, int index, int pos) const
{
    for (int i = 0; i < index; ++i) pos -= cols ? G.ColWidths(i) : G.RowHeights(i);
    return pos;
}

std::pair<int, int> TGridMouseTracker::SizingNow(bool cols, int pos) const
{
    if (cols ? FSizingFixed : FSizingFixedR) {
        const int index = cols ? FSizingFixedCol : FSizingFixedRow;
        return {index, FixedSizeAt(cols, index, pos)};
    }
    if (G.GridState() != (cols ? platform::gsColSizing : platform::gsRowSizing)) return {-1, 0};
    return {G.SizingIndex(), G.SizingSizeAt(pos)};
}

void TGridMouseTracker::ReportSizing(int X, int Y)
{
    for (const bool cols : {true, false}) {
        const auto [index, size] = SizingNow(cols, cols ? X : Y);
        if (index < 0) continue;
        const auto& event = cols ? G.OnColumnSizing : G.OnRowSizing;
        if (event) event(&G, index, size);
        // Fixed columns and rows show the hint at the top-left cell.
        const bool fixed = cols ? FSizingFixed : FSizingFixedR;
        const int at = fixed ? 0 : index;
        if (G.HintShowSizing || G.IsDesigning()) ShowSizingHint(cols, size, cols ? at : 0, cols ? 0 : at);
        return;
    }
}

void TGridMouseTracker::ShowSizingHint(bool column, int value, int ACol, int ARow)
{
    namespace d = grid_mouse_tracker_detail;
    QLabel* label = G.HintLabel(Qt::RichText);
    const QString text = SizingHintText(column, value);
    label->setText(text);
    const QSize need = label->sizeHint().boundedTo(QSize(d::sizingHintWidth, 10000));
    label->resize(need);
    const TRect cell = G.CellRect(ACol, ARow);
    label->move(G.viewport()->mapToGlobal(QPoint(cell.Left, cell.Top)));
    label->show();
    G.FScrollHintShow = true;
}

// ------------------------------------------------------------ press, release, leave

bool TGridMouseTracker::PressFixedBorder(int ACol, int ARow, int X, int Y)
{
    if (!FSizeFixed && !FSizeFixedR) return false;
    // A column border wins where a column's and a row's meet.
    const bool cols = FSizeFixed;
    const bool overCell = ACol >= 0 && ARow >= 0 && !G.IsDesigning();
    const int pos = cols ? X : Y;
    (cols ? FSizingFixed : FSizingFixedR) = true;
    (cols ? FSizeFixedX : FSizeFixedY) = pos;
    (cols ? FSizingFixedCol : FSizingFixedRow) = overCell ? FixedBorderAt(cols, pos) : -1;
    G.viewport()->update();
    return true;
}

bool TGridMouseTracker::EndFixedSizing(bool cols, int pos)
{
    bool& sizing = cols ? FSizingFixed : FSizingFixedR;
    if (!sizing) return false;
    sizing = false;
    (cols ? FSizeFixed : FSizeFixedR) = false;
    const int index = std::exchange(cols ? FSizingFixedCol : FSizingFixedRow, -1);
    G.viewport()->update();
    if (index < 0 || index >= (cols ? G.ColCount() : G.RowCount())) return true;
    int size = std::max(0, FixedSizeAt(cols, index, pos));
    if (!cols) {
        G.SetRowHeights(index, size);
        if (G.OnEndRowSize) G.OnEndRowSize(&G, index);
        return true;
    }
    G.SetColWidths(index, size);
    if (G.OnEndColumnSize) G.OnEndColumnSize(&G, index);
    if (G.OnUpdateColumnSize) {
        G.OnUpdateColumnSize(&G, index, size);
        if (G.ColWidths(index) != size) G.SetColWidths(index, std::max(0, size));
    }
    return true;
}

bool TGridMouseTracker::Release(int X, int Y)
{
    FMouseSelectMode = msNormal;
    FMouseSelectStart = -1;
    const bool sizedCol = EndFixedSizing(true, X);
    const bool sizedRow = EndFixedSizing(false, Y);
    if ((G.HintShowSizing || G.IsDesigning()) && G.FScrollHintShow) G.HideScrollHint();
    return sizedCol || sizedRow;
}

void TGridMouseTracker::Leave()
{
    FMouseSelectMode = msNormal;
    FSizeFixed = false;
    FSizeFixedR = false;
    if (G.HoverRow() && G.HoverRowIdx() >= 0) {
        const int old = G.HoverRowIdx();
        G.SetHoverRowIdx(-1);
        RepaintRow(old);
    }
    if (FHoverButton.x() >= 0) {
        G.RepaintCell(G.RealColIndex(FHoverButton.x()), FHoverButton.y());
        FHoverButton = QPoint(-1, -1);
    }
}

void TGridMouseTracker::PaintSizeLine(platform::TCanvas& canvas) const
{
    if (FSizingFixed) paint::DrawColSizeLine(canvas, FSizeFixedX, G.viewport()->height());
    if (FSizingFixedR) paint::DrawRowSizeLine(canvas, FSizeFixedY, G.viewport()->width());
}

}  // namespace grid
