#include "controls/grid/dragdrop/grid_drop_target.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QListWidget>

#include "controls/grid/dragdrop/grid_cell_block.h"
#include "controls/grid/dragdrop/grid_drag_drop.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

using platform::goRowSelect;
using platform::TGridRect;
using platform::TRect;

TGridDropTarget::TGridDropTarget(TExStringGrid& grid, TGridDragDrop& owner) : G(grid), D(owner) {}

TGridDropTarget::~TGridDropTarget() = default;

bool TGridDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != G.viewport()) return false;
    try {
        return HandleEvent(event);
    } catch (...) {
        // A drop that fails changes nothing more and is refused.
        event->ignore();
        return true;
    }
}

bool TGridDropTarget::HandleEvent(QEvent* event)
{
    auto answer = [](QDropEvent* e, TDropEffect effect) {
        if (effect == deNone) {
            e->setDropAction(Qt::IgnoreAction);
            e->ignore();
        } else {
            e->setDropAction(effect == deCopy ? Qt::CopyAction : Qt::MoveAction);
            e->accept();
        }
    };
    switch (event->type()) {
    case QEvent::DragEnter: {
        auto* e = static_cast<QDragEnterEvent*>(event);
        // The settings as they are now decide what this drag may drop.
        const TDragDropSettings& s = G.DragDropSettings();
        AcceptText = s.OleAcceptText;
        AcceptFiles = s.OleAcceptFiles;
        AcceptURLs = s.OleAcceptURLs;
        AcceptCols = s.OleColumnDragDrop || s.OleColumnReorder;
        const TDropEffect effect = DragEnter(e->mimeData(), e->modifiers() & Qt::ControlModifier,
                                             e->possibleActions() & Qt::MoveAction);
        answer(e, effect);
        return true;
    }
    case QEvent::DragMove: {
        auto* e = static_cast<QDragMoveEvent*>(event);
        const QPoint screen = G.viewport()->mapToGlobal(e->position().toPoint());
        answer(e, DragOver(screen, e->modifiers() & Qt::ControlModifier, e->possibleActions() & Qt::MoveAction));
        return true;
    }
    case QEvent::DragLeave:
        DragLeave();
        return true;
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(event);
        const QPoint screen = G.viewport()->mapToGlobal(e->position().toPoint());
        answer(e, Drop(e->mimeData(), screen, e->modifiers() & Qt::ControlModifier,
                       e->possibleActions() & Qt::MoveAction));
        return true;
    }
    default:
        return false;
    }
}

void TGridDropTarget::DropCell(QPoint pt, TDropFormats formats, int& ACol, int& ARow, bool& append) const
{
    G.ScreenToCell(pt, ACol, ARow);
    append = false;
    const QPoint q = G.viewport()->mapFromGlobal(pt);
    const TDragDropSettings& s = G.DragDropSettings();
    if (ARow == -1 && !(formats & dfCol) && s.OleEntireRows && s.OleAppendRows && G.RowCount() > 0) {
        const TRect last = G.CellRect(G.LeftCol(), G.RowCount() - 1);
        if (!last.IsEmpty() && q.y() >= last.Bottom) {
            ACol = G.FixedCols();
            ARow = G.RowCount() - 1;
            append = true;
        }
    }
}

void TGridDropTarget::DragMouseMove(QPoint pt, bool& Allow, TDropFormats F)
{
    const TDragDropSettings& s = G.DragDropSettings();
    int ACol = -1, ARow = -1;
    bool append = false;
    DropCell(pt, F, ACol, ARow, append);
    // On a cell: under the point, or the row a drop below the last row appends to.
    const bool onCell = ACol >= 0 && ARow >= 0;
    Allow = ACol >= 0 && ARow >= 0;
    const bool colDrag = F & dfCol;

    // Scrolling while cells or text are dragged over the edges.
    if (Allow && !colDrag) {
        const QPoint q = G.viewport()->mapFromGlobal(pt);
        if (ARow == 0 && G.TopRow() > G.FixedRows())
            G.SetTopRow(G.TopRow() - 1);
        else if (q.y() < 8 && G.FixedRows() == 0 && G.TopRow() > 0)
            G.SetTopRow(G.TopRow() - 1);
        else if (ARow == G.TopRow() + G.VisibleRowCount() && ARow < G.RowCount() - 1)
            G.SetTopRow(G.TopRow() + 1);
        // Columns step at most once per tick of the grid's timer.
        if (G.FTimerTicks % 2 == 0) {
            ++G.FTimerTicks;
            if (ACol == 0 && G.LeftCol() > G.FixedCols())
                G.SetLeftCol(G.LeftCol() - 1);
            else if (ACol == G.LeftCol() + G.VisibleColCount() && ACol < G.ColCount() - 1)
                G.SetLeftCol(G.LeftCol() + 1);
        }
    }
    // Which cells take the drop.
    if (!colDrag) {
        if (ARow >= 0 && ARow < G.FixedRows() && !(G.RowCount() == 1 && G.FixedRowAlways())) Allow = false;
    } else if (ACol < 0) {
        ACol = G.ColCount();
        ARow = 0;
        Allow = true;
    } else {
        Allow = ARow >= 0 && ARow < G.FixedRows() && ACol >= G.FixedCols();
    }
    Allow = Allow || (F & dfFile) || (F & dfGridCells);
    if (G.OnOleDragOver) G.OnOleDragOver(&G, ARow, ACol, Allow);
    Allow = Allow && (onCell || (F & dfFile));

    // The arrows at the drop position.
    TArrowWindows& arrows = D.Arrows();
    if (Allow && colDrag) {
        const int target = std::min(ACol, G.ColCount() - 1);
        TRect r = G.CellRect(target, 0);
        if (ACol >= G.ColCount()) r.Left = r.Right;  // beyond the last column
        const QPoint tl = G.viewport()->mapToGlobal(QPoint(r.Left, r.Top));
        const QPoint bl = G.viewport()->mapToGlobal(QPoint(r.Left, r.Bottom));
        arrows.Down().move(tl.x(), tl.y() - 8);
        arrows.Up().move(bl);
        arrows.Down().show();
        arrows.Up().show();
        arrows.Left().hide();
    } else if (Allow && onCell) {
        int row = ARow;
        if (row == 0 && G.FixedRowAlways()) {
            row = 1;
            append = false;
        }
        TRect r = G.CellRect(s.OleEntireRows ? G.FixedCols() : ACol, std::min(row, G.RowCount() - 1));
        if (append) r.Top += G.RowHeights(G.RowCount() - 1);
        arrows.Left().move(G.viewport()->mapToGlobal(QPoint(r.Left - 10, r.Top)));
        arrows.Left().show();
        arrows.Up().hide();
        arrows.Down().hide();
    } else {
        arrows.Left().hide();
        arrows.Up().hide();
        arrows.Down().hide();
    }
}

void TGridDropTarget::DragMouseLeave()
{
    D.Arrows().Down().hide();
    D.Arrows().Up().hide();
    D.Arrows().Left().hide();
}

bool TGridDropTarget::DropText(QPoint pt, const QString& text)
{
    const TDragDropSettings& s = G.DragDropSettings();
    int ACol = -1, ARow = -1;
    bool append = false;
    DropCell(pt, DropFormats(), ACol, ARow, append);
    auto done = [&](bool taken, const TGridRect& area) {
        D.Arrows().Left().hide();
        D.Arrows().Down().hide();
        D.MoveButton()->hide();
        if (G.OnOleDropped) G.OnOleDropped(&G, area);
        return taken;
    };
    if (ARow < 0 || ACol < 0) return done(false, G.Selection());
    bool allow = true;
    const QPoint size = G.GetTextBlockSize(text);
    const int C = size.x(), R = size.y();
    if (G.Options() & goRowSelect) ACol = s.OleEntireRows ? 0 : G.FixedCols();
    if (G.OnOleDrop) G.OnOleDrop(&G, ARow, ACol, text, allow);
    if (!allow) return done(false, G.Selection());

    // Rows inserted above the rows dragged out of this same grid move them down.
    if (G.FDropSelection.Top >= ARow && s.OleRemoveRows) {
        G.FDropSelection.Top += R + 1;
        G.FDropSelection.Bottom += R + 1;
    }
    if (ARow == 0 && G.FixedRowAlways() && G.RowCount() == 1) ARow = 1;
    if (s.OleInsertRows) {
        int T = G.TopRow();
        if (G.TopRow() > G.FixedRows()) ++T;
        if (append) {
            G.SetRowCount(G.RowCount() + R + 1);
            ++ARow;
        } else {
            G.InsertRows(ARow, R + 1);
        }
        if (T > 0) G.SetTopRow(std::min(T, G.RowCount() - 1));
    }
    G.SetSelection({ACol, ARow, ACol, ARow});
    int cols = 0, rows = 0;
    G.PasteText(ACol, ARow, text, cols, rows);
    ACol = std::max(ACol, G.FixedCols());
    const int right = (G.Options() & goRowSelect) ? ACol + C - G.FixedCols() : ACol + C - 1;
    const TGridRect area{ACol, ARow, std::min(right, G.ColCount() - 1), std::min(ARow + R, G.RowCount() - 1)};
    G.SetSelection(area);
    return done(true, area);
}

bool TGridDropTarget::DropIntoCell(QPoint pt, const QString& text, const DropHandler& handler)
{
    int ACol = -1, ARow = -1;
    G.ScreenToCell(pt, ACol, ARow);
    D.Arrows().Left().hide();
    D.Arrows().Down().hide();
    // Files may be dropped where there is no cell; a text needs its cell.
    if (ACol < 0 || ARow < 0 || text.isEmpty()) return false;
    bool allow = true;
    if (handler) handler(&G, ARow, ACol, text, allow);
    if (!allow) return false;
    G.SetCellEx(G.RealColIndex(ACol), ARow, text);
    return true;
}

bool TGridDropTarget::DropRTF(QPoint pt, const QString& text) { return DropIntoCell(pt, text, G.OnOleDrop); }

bool TGridDropTarget::DropURL(QPoint pt, const QString& text) { return DropIntoCell(pt, text, G.OnOleDropURL); }

bool TGridDropTarget::DropFiles(QPoint pt, const QStringList& files)
{
    D.Arrows().Left().hide();
    D.Arrows().Down().hide();
    if (files.size() != 1) return false;
    int ACol = -1, ARow = -1;
    G.ScreenToCell(pt, ACol, ARow);
    bool allow = true;
    const QString& name = files.front();
    if (G.OnOleDropFile) G.OnOleDropFile(&G, ARow, ACol, name, allow);
    if (!allow) return false;
    bool taken = G.OnOleDropFile != nullptr;
    if (name.toUpper().contains(QLatin1String(".CSV"))) {
        if (G.OnOleDrop) G.OnOleDrop(&G, -1, -1, name, allow);
        if (allow) taken = G.LoadDroppedCSV(name) || taken;
    }
    if (name.toUpper().contains(QLatin1String(".XLS"))) {
        if (G.OnOleDrop) G.OnOleDrop(&G, -1, -1, name, allow);
        if (allow) taken = G.LoadDroppedXLS(name) || taken;
    }
    return taken;
}

bool TGridDropTarget::DropStream(QPoint pt, const QByteArray& stream)
{
    D.Arrows().Left().hide();
    D.Arrows().Down().hide();
    D.MoveButton()->hide();
    int ACol = -1, ARow = -1;
    G.ScreenToCell(pt, ACol, ARow);
    // Cells from another program are checked whole before any is written.
    const std::optional<TCellBlock> block = DecodeCellBlock(stream);
    if (!block) return false;
    const std::optional<TGridRect> placed = PlaceCellBlock(G, QPoint(ACol, ARow), *block);
    if (!placed) return false;
    if (G.OnOleDropped) G.OnOleDropped(&G, G.Selection());
    return true;
}

bool TGridDropTarget::DropCol(QPoint pt, int col)
{
    int ACol = -1, ARow = -1;
    G.ScreenToCell(pt, ACol, ARow);
    if (ACol < 0) ACol = G.ColCount();
    if (AcceptCols) {
        D.Arrows().Down().hide();
        D.Arrows().Up().hide();
        D.MoveButton()->hide();
    }
    bool moved = false;
    if (D.FOleDragCol != -1) {
        if (D.FOleDragList && D.FOleDragIndex >= 0 && D.FOleDragIndex < D.FOleDragList->count())
            delete D.FOleDragList->takeItem(D.FOleDragIndex);
        const int storage = D.FOleDragCol;
        D.FOleDragCol = -1;
        G.UnHideColumn(storage);
        const int at = G.DisplColIndex(storage);
        const int to = std::min(ACol, G.ColCount() - 1);
        const bool kept = std::exchange(G.EnhRowColMove, true);
        if (at != to) G.MoveColumn(at, to);
        G.EnhRowColMove = kept;
        moved = true;
    } else if (G.DragDropSettings().OleColumnReorder) {
        ACol = std::min(ACol, G.ColCount() - 1);
        const int at = G.DisplColIndex(col);
        if (at != ACol && at >= G.FixedCols() && at < G.ColCount()) {
            const bool kept = std::exchange(G.EnhRowColMove, true);
            G.MoveColumn(at, ACol);
            G.EnhRowColMove = kept;
            moved = true;
        }
    }
    if (G.OnOleDropCol) G.OnOleDropCol(&G, ARow, ACol, col);
    return moved || G.OnOleDropCol != nullptr;
}

}  // namespace grid
