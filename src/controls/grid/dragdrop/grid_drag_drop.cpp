#include "controls/grid/dragdrop/grid_drag_drop.h"

#include <functional>

#include <QApplication>
#include <QDrag>
#include <QListWidget>
#include <QPainter>

#include "controls/grid/dragdrop/grid_cell_block.h"
#include "controls/grid/dragdrop/grid_drop_target.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

using platform::gsColMoving;
using platform::gsNormal;
using platform::gsRowMoving;
using platform::TGridRect;
using platform::TRect;

namespace grid_drag_drop_detail {

QRect screenRect(const TExStringGrid& g, const TRect& r)
{
    return QRect(g.viewport()->mapToGlobal(QPoint(r.Left, r.Top)), QSize(r.Width(), r.Height()));
}

}  // namespace grid_drag_drop_detail

TGridDragDrop::TGridDragDrop(TExStringGrid& grid)
    : G(grid), FArrows(&grid), FMoveButton(new THeaderDragButton(&grid))
{
    FMoveButton->Images = grid.GridImages();
}

TGridDragDrop::~TGridDragDrop()
{
    // The grid's settings no longer reach a target that goes.
    if (FDropTarget) G.viewport()->removeEventFilter(FDropTarget.get());
}

// ------------------------------------------------------------ moving

void TGridDragDrop::Press(int X, int Y)
{
    FMoveColInd = -1;
    FMoveRowInd = -1;
    FSelectionClick = false;
    int c = -1, r = -1;
    G.MouseToCell(X, Y, c, r);
    if (c >= 0 && r >= 0) {
        const TRect cell = G.CellRect(c, r);
        FMoveOfsX = X - cell.Left;
        FMoveOfsY = Y - cell.Top;
    }
}

void TGridDragDrop::PlaceImage(int X, int Y)
{
    const QPoint at = G.viewport()->mapToGlobal(QPoint(X - FMoveOfsX, Y - FMoveOfsY));
    if (G.DragDropSettings().ShowCells && FMoveForm) {
        QPoint p = at;
        if (G.layoutDirection() == Qt::RightToLeft) p.setX(G.ColWidths(0) + at.x() - FMoveForm->width());
        FMoveForm->move(p);
    } else {
        FMoveButton->move(at);
    }
}

void TGridDragDrop::MoveMouse(int X, int Y)
{
    using namespace grid_drag_drop_detail;
    if (G.IsDesigning()) return;
    const int cell0 = G.Movecell;
    // The user's veto ends the drag at once.
    if (G.GridState() == gsColMoving || G.GridState() == gsRowMoving) {
        bool allow = true;
        if (G.GridState() == gsColMoving && G.OnColumnMove) G.OnColumnMove(&G, cell0, allow);
        if (G.GridState() == gsRowMoving && G.OnRowMove) G.OnRowMove(&G, cell0, allow);
        if (!allow) {
            G.SetGridState(gsNormal);
            HideIndicators();
            if (FMoveCursor != 0) G.viewport()->unsetCursor();
            FMoveCursor = 0;
            if (FBlockFocus) G.DoEndBlockFocus();
            FBlockFocus = false;
            return;
        }
    }
    const bool cols = G.GridState() == gsColMoving;
    if (!(cols || G.GridState() == gsRowMoving) || G.RowCount() <= 1 || !G.EnhRowColMove) return;
    if (X == G.Clickposx && Y == G.Clickposy) return;
    int ACol = -1, ARow = -1;
    G.MouseToCell(X, Y, ACol, ARow);
    bool allow = true;
    if (!FBlockFocus) {
        FBlockFocus = true;
        G.DoStartBlockFocus();
    }
    const bool showCells = G.DragDropSettings().ShowCells;
    if (cols && cell0 >= G.FixedCols() && ARow >= 0) {
        if (!FMoveForm && showCells) {
            FMoveForm = G.SelectionToForm({cell0, 0, cell0, G.TopRow() + G.VisibleRowCount() - G.FixedRows()});
            FMoveForm->show();
        }
        FMoveButton->SetCaption(G.GetCellEx(G.RealColIndex(cell0), 0));
        FMoveButton->resize(G.ColWidths(cell0), G.RowHeights(ARow));
        FMoveButton->update();
    } else if (!cols && cell0 >= G.FixedRows() && ACol >= 0) {
        if (!FMoveForm && showCells) {
            FMoveForm = G.SelectionToForm({0, cell0, G.VisibleColCount() + G.LeftCol() - G.FixedCols(), cell0});
            FMoveForm->show();
        }
        FMoveButton->SetCaption(G.GetCellEx(G.RealColIndex(0), cell0));
        FMoveButton->resize(G.ColWidths(ACol), G.RowHeights(cell0));
        FMoveButton->update();
    }
    PlaceImage(X, Y);

    if (cols) {
        // The arrows mark the drop column found by the previous move.
        if (FMoveColInd >= G.FixedCols() && ACol >= 0) {
            const QRect r = screenRect(G, G.CellRect(FMoveColInd, 0));
            const int left = FMoveColInd < cell0 ? r.left() - 5 : r.left() - 5 + G.ColWidths(FMoveColInd);
            FArrows.Up().move(left, r.top() + r.height());
            FArrows.Down().move(left, r.top() - 8);
            const bool shown = FMoveColInd - G.LeftCol() < G.VisibleColCount();
            FArrows.Up().setVisible(shown);
            FArrows.Down().setVisible(shown);
        }
        FMoveColInd = ACol;
        FMoveRowInd = 0;
        if (G.OnColumnMoving) G.OnColumnMoving(&G, FMoveColInd, allow);
    } else {
        const bool footerRow = G.FloatingFooter().Visible && G.FloatingFooter().FooterStyle == fsFixedLastRow &&
                               FMoveRowInd == G.RowCount() - 1;
        if (!footerRow && FMoveRowInd >= G.FixedRows() && FMoveRowInd - G.TopRow() < G.VisibleRowCount() &&
            ARow >= 0) {
            const QRect r = screenRect(G, G.CellRect(0, FMoveRowInd));
            const int top = FMoveRowInd < cell0 ? r.top() - 5 : r.top() - 5 + G.RowHeights(FMoveRowInd);
            FArrows.Left().move(r.left() - 10, top);
            FArrows.Right().move(r.left() + r.width(), top);
            FArrows.Left().show();
            FArrows.Right().show();
        }
        FMoveColInd = 0;
        FMoveRowInd = ARow;
        if (G.OnRowMoving) G.OnRowMoving(&G, FMoveRowInd, allow);
    }

    // Scrolling at the edges, one column (row) per move.
    if (cols && G.VisibleColCount() + G.FixedCols() < G.ColCount()) {
        if (X < G.FixedColsExtent() && G.LeftCol() > G.FixedCols()) {
            G.SetLeftCol(G.LeftCol() - 1);
            G.Invalidate();
        } else if (X > G.viewport()->width() && G.LeftCol() + G.VisibleColCount() < G.ColCount()) {
            G.SetLeftCol(G.LeftCol() + 1);
            G.Invalidate();
        }
    } else if (!cols && G.VisibleRowCount() + G.FixedRows() < G.RowCount()) {
        if (Y < G.FixedRowsExtent() && G.TopRow() > G.FixedRows()) {
            G.SetTopRow(G.TopRow() - 1);
            G.Invalidate();
        } else if (Y > G.viewport()->height() && G.TopRow() + G.VisibleRowCount() < G.RowCount()) {
            G.SetTopRow(G.TopRow() + 1);
            G.Invalidate();
        }
    }

    if (!showCells && !FMoveButton->isVisible()) FMoveButton->show();
    FMoveButton->setEnabled(true);
    FMoveCursor = allow ? 1 : 2;
    G.viewport()->setCursor(allow ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

bool TGridDragDrop::Release(int X, int Y)
{
    const bool moving = G.GridState() == gsColMoving || G.GridState() == gsRowMoving;
    if (FMoveCursor == 0 || !moving || !G.EnhRowColMove) {
        FMoveCursor = 0;
        return false;
    }
    const bool cols = G.GridState() == gsColMoving;
    FMoveButton->setEnabled(false);
    FMoveButton->hide();
    if (FMoveForm) FMoveForm->deleteLater();
    FMoveForm = nullptr;
    if (FBlockFocus) G.DoEndBlockFocus();
    FBlockFocus = false;
    const int cursor = std::exchange(FMoveCursor, 0);
    G.viewport()->unsetCursor();
    // The move is done by the grid now; the base's release finds nothing to do.
    G.SetGridState(gsNormal);
    int ACol = -1, ARow = -1;
    G.MouseToCell(X, Y, ACol, ARow);
    const int from = G.Movecell;
    if (cursor == 2) {
        if (from >= 0) {
            if (cols)
                G.RepaintRow(0);
            else
                G.RepaintCol(0);
        }
    } else if (cols && from >= 0 && ACol >= G.FixedCols() && ACol != from) {
        G.MoveColumn(from, ACol);
    } else if (!cols && from >= 0 && ARow >= G.FixedRows() && ARow != from) {
        G.MoveRow(from, ARow);
    }
    return true;
}

void TGridDragDrop::HideIndicators()
{
    FArrows.HideAll();
    FMoveButton->hide();
    if (FMoveForm) FMoveForm->deleteLater();
    FMoveForm = nullptr;
}

// ------------------------------------------------------------ drop target

void TGridDragDrop::SetDropTarget(bool on)
{
    if (G.IsDesigning()) return;
    if (on && !FDropTarget) {
        FDropTarget = std::make_unique<TGridDropTarget>(G, *this);
        G.viewport()->installEventFilter(FDropTarget.get());
        G.viewport()->setAcceptDrops(true);
    } else if (!on && FDropTarget) {
        G.viewport()->removeEventFilter(FDropTarget.get());
        G.viewport()->setAcceptDrops(false);
        FDropTarget.reset();
    }
    if (FDropTarget) {
        const TDragDropSettings& s = G.DragDropSettings();
        FDropTarget->AcceptText = s.OleAcceptText;
        FDropTarget->AcceptFiles = s.OleAcceptFiles;
        FDropTarget->AcceptURLs = s.OleAcceptURLs;
        FDropTarget->AcceptCols = s.OleColumnDragDrop || s.OleColumnReorder;
    }
}

void TGridDragDrop::OleColumnDragStart(int ACol, int AIndex, QListWidget* AList)
{
    FOleDragCol = ACol;
    FOleDragIndex = AIndex;
    FOleDragList = AList;
}

// ------------------------------------------------------------ thin scroll bars

void TGridDragDrop::UpdateThinScrollBars(bool metro)
{
    if (!metro) {
        delete FVertBar.data();
        delete FHorzBar.data();
        return;
    }
    if (!FVertBar) FVertBar = new TScrollControl(&G, sdVertical);
    if (!FHorzBar) FHorzBar = new TScrollControl(&G, sdHorizontal);
    const QRect area = G.viewport()->geometry();
    FVertBar->setGeometry(area.right() - 5, area.top(), 6, area.height());
    FHorzBar->setGeometry(area.left(), area.bottom() - 5, area.width(), 6);
    FVertBar->show();
    FHorzBar->show();
    FVertBar->raise();
    FHorzBar->raise();
    FVertBar->update();
    FHorzBar->update();
}

TScrollControl* TGridDragDrop::ThinScrollBar(TScrollDirection direction) const
{
    return direction == sdVertical ? FVertBar.data() : FHorzBar.data();
}

// ------------------------------------------------------------ the grid's side

TColor TExStringGrid::ArrowColor() const { return FDragDrop->Arrows().Color(); }

void TExStringGrid::SetArrowColor(TColor value) { FDragDrop->Arrows().SetColor(value); }

void TExStringGrid::OleColumnDragStart(int ACol, int AIndex, QListWidget* AList)
{
    FDragDrop->OleColumnDragStart(ACol, AIndex, AList);
}

QImage TExStringGrid::SelectionToImage(const TGridRect& ARect)
{
    // The corner cells' rectangles, also of cells scrolled out of view; the
    // first one left of and above the second.
    const int left = std::clamp(std::min(ARect.Left, ARect.Right), 0, std::max(0, ColCount() - 1));
    const int right = std::clamp(std::max(ARect.Left, ARect.Right), 0, std::max(0, ColCount() - 1));
    const int top = std::clamp(std::min(ARect.Top, ARect.Bottom), 0, std::max(0, RowCount() - 1));
    const int bottom = std::clamp(std::max(ARect.Top, ARect.Bottom), 0, std::max(0, RowCount() - 1));
    const TRect a = VirtualCellRect(left, top);
    const TRect b = VirtualCellRect(right, bottom);
    const int width = b.Right - a.Left + 1, height = b.Bottom - a.Top + 1;
    if (width <= 0 || height <= 0) return {};
    // The whole grid as painted; what lies outside it keeps the grid's colour.
    const QImage whole = viewport()->grab().toImage();
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(toQColor(Color()));
    QPainter painter(&picture);
    painter.drawImage(QPoint(0, 0), whole, QRect(a.Left + 1, a.Top + 1, width, height));
    // The outer lines of the fixed cells, which the copy leaves out.
    painter.setPen(QPen(toQColor(GridFixedLineColor()), 1));
    if (ARect.Left == 0 && FixedCols() > 0 && (Options() & platform::goFixedVertLine))
        painter.drawLine(0, 0, 0, height - 1);
    if (ARect.Top == 0 && FixedRows() > 0 && (Options() & platform::goFixedHorzLine))
        painter.drawLine(0, 0, width - 1, 0);
    return picture;
}

TNoActiveForm* TExStringGrid::SelectionToForm(const TGridRect& ARect)
{
    return new TNoActiveForm(this, SelectionToImage(ARect));
}

namespace {

// Runs the load of a dropped file: a file that cannot be read is refused
// (false) and the grid keeps its cells.
bool LoadDroppedFile(const std::function<void()>& load)
{
    try {
        load();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

bool TExStringGrid::LoadDroppedCSV(const QString& FileName)
{
    return LoadDroppedFile([&] { LoadFromCSV(FileName); });
}

bool TExStringGrid::LoadDroppedXLS(const QString& FileName)
{
    return LoadDroppedFile([&] { LoadFromXLS(FileName); });
}

void TExStringGrid::DragScrollPoll()
{
    if (!FDragTmr || FDragScrollDirection == 0) return;
    const qint64 now = DragScrollClock ? DragScrollClock() : 0;
    if (now < FDragScrollDue) return;
    DragScrollTimer();
    FDragScrollDue = now + FDragScrollOptions.Delays.RepeatDelay;
}

}  // namespace grid

// ------------------------------------------------------------ drags out of the grid

namespace grid {

bool TGridDragDrop::PrepareOleDrag(int ACol, int ARow, int X, int Y, const TRect& cell, platform::TShiftState)
{
    using namespace platform;
    FSelectionClick = false;
    const TDragDropSettings& s = G.DragDropSettings();
    const bool header = ARow < G.FixedRows();
    const bool selected = G.Selection().Contains(ACol, ARow) && !header;
    if (!(selected || (header && !G.EnhRowColMove)) || (G.Options() & goEditing) || !s.OleDropSource) return false;
    if (G.HasClickGraphic(G.RealColIndex(ACol), ARow)) return false;
    if (header && (G.MouseActions().ColSelect || G.MouseActions().AllSelect)) return false;
    if (ACol < G.FixedCols()) return false;
    if ((G.Options() & goColSizing) && !(X >= cell.Left + 4 && X <= cell.Right - 4)) return false;
    if (!G.hasFocus()) G.setFocus();
    FSelectionClick = true;
    FPressPoint = QPoint(X, Y);
    return true;
}

void TGridDragDrop::FinishOleClick(int ACol, int ARow)
{
    if (!std::exchange(FSelectionClick, false)) return;
    if (ACol < G.FixedCols() || ARow < G.FixedRows()) return;
    if (G.Options() & platform::goRowSelect)
        G.SetSelection({G.FixedCols(), ARow, G.ColCount() - 1, ARow});
    else
        G.SetSelection({ACol, ARow, ACol, ARow});
}

TDropEffect TGridDragDrop::RunDrag(std::unique_ptr<QMimeData> data)
{
    const Qt::DropActions allowed = Qt::CopyAction | Qt::MoveAction;
    if (G.OleDragRunner) return G.OleDragRunner(std::move(data), allowed);
    // The window system's modal drag; the picture of the cells follows the mouse.
    auto* drag = new QDrag(&G);  // owned by the grid until the drag ends
    drag->setMimeData(data.release());
    if (FMoveForm) drag->setPixmap(QPixmap::fromImage(FMoveForm->Picture()));
    const Qt::DropAction action = drag->exec(allowed, Qt::MoveAction);
    drag->deleteLater();
    return action == Qt::MoveAction ? deMove : action == Qt::CopyAction ? deCopy : deNone;
}

bool TGridDragDrop::StartOleDrag(platform::TShiftState Shift, int X, int Y)
{
    using namespace platform;
    if (!FSelectionClick || !(Shift & ssLeft) || !G.DragDropSettings().OleDropSource) return false;
    if (std::abs(X - FPressPoint.x()) <= 3 && std::abs(Y - FPressPoint.y()) <= 3) return false;
    if (G.GridState() == gsColSizing) return false;
    int ACol = -1, ARow = -1;
    G.MouseToCell(FPressPoint.x(), FPressPoint.y(), ACol, ARow);
    if (ACol < 0 || ARow < 0) return false;
    FSelectionClick = false;
    const TDragDropSettings& s = G.DragDropSettings();
    const int storageCol = G.RealColIndex(ACol);
    bool allow = true;
    if (s.OleColumnsOnly && ARow >= G.FixedRows())
        allow = false;
    else if (G.OnOleDrag)
        G.OnOleDrag(&G, ARow, storageCol, G.GetCellEx(storageCol, ARow), allow);
    if (!allow) {
        // The press selects a range instead.
        if (G.GridState() == gsNormal) G.SetGridState(gsSelecting);
        return false;
    }
    if (G.OnOleDragStart) G.OnOleDragStart(&G, ARow, storageCol);
    G.DoStartBlockFocus();
    const TGridRect sel = G.Selection();
    if (s.ShowCells && !FMoveForm) {
        G.HideSelection();
        FMoveForm = G.SelectionToForm(s.OleColumnDragDrop ? TGridRect{ACol, 0, ACol, G.VisibleRowCount()} : sel);
        G.UnHideSelection();
    }
    TDropEffect effect = deNone;
    if (ARow < G.FixedRows() && s.OleColumnDragDrop) {
        effect = RunDrag(MakeSourceData({}, {}, storageCol, std::nullopt));
        if (effect != deNone && G.OnOleDragStop) G.OnOleDragStop(&G, effect);
        FMoveButton->hide();
        FArrows.Up().hide();
        FArrows.Down().hide();
    } else {
        G.FDropSelection = sel;
        std::optional<QByteArray> cells;
        if (G.Navigation().AllowFmtClipboard) cells = SaveRectToCellStream(G, sel);
        effect = RunDrag(MakeSourceData(G.GetSelectionAsText(), G.GetCellEx(storageCol, ARow), -1, cells));
        if (effect != deNone) {
            if (effect == deMove && !s.OleCopyAlways) {
                const TGridRect moved = G.FDropSelection;
                if (s.OleRemoveRows && (G.Options() & goRowSelect))
                    G.DeleteRowsInternal(moved.Top, moved.Bottom - moved.Top + 1);
                else
                    G.ClearRect(moved.Left, moved.Top, moved.Right, moved.Bottom);
            }
            if (G.OnOleDragStop) G.OnOleDragStop(&G, effect);
        }
    }
    if (FMoveForm) FMoveForm->deleteLater();
    FMoveForm = nullptr;
    G.DoEndBlockFocus();
    return true;
}

}  // namespace grid
