// Focus entry and exit of the grid, the 500 ms grid timer (type-ahead
// time-out, hovering, blinking) and the Alt accelerators of the search
// footer's buttons.

#include <QApplication>
#include <QCursor>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

// ------------------------------------------------------------ focus entry and exit

bool TExStringGrid::OwnsWidget(const QWidget* w) const
{
    // Walks parents across window borders too: a drop-down list of a cell
    // editor is a window of its own but still the grid's.
    for (const QWidget* p = w; p != nullptr; p = p->parentWidget())
        if (p == this) return true;
    return false;
}

void TExStringGrid::FocusMoved(QWidget*, QWidget* now)
{
    // A deactivated window keeps its focus: nothing enters or leaves.
    if (now == nullptr || FDestroying) return;
    const bool inside = OwnsWidget(now);
    if (inside && !FFocusInside) {
        FFocusInside = true;
        DoEnter();
    } else if (!inside && FFocusInside) {
        // Hiding a focused cell editor lets the focus pass through another
        // widget before the grid takes it back: only a focus still outside
        // once the current event is done has left the grid.
        QTimer::singleShot(0, &FFocusWatch, [this] {
            try {
                QWidget* focus = QApplication::focusWidget();
                if (!FFocusInside || focus == nullptr || OwnsWidget(focus)) return;
                FFocusInside = false;
                DoExit();
            } catch (...) {
                // No error of the grid leaves the focus handling.
            }
        });
    }
}

void TExStringGrid::DoEnter()
{
    if (FBlockFocus) return;
    if (OnEnter) OnEnter(this);
    if ((Options() & platform::goEditing) || FMouseActions.RangeSelectAndEdit) {
        try {
            Select();
        } catch (...) {
            // The value is remembered all the same.
        }
    }
    RememberCellValue(Col(), Row());
}

void TExStringGrid::DoExit()
{
    if (FBlockKill) return;
    if (FSelChange && FMouseActions.DisjunctRowSelect()) SelectionToRowSelect(false);
    FSelChange = false;
    if (OnExit) OnExit(this);
}

void TExStringGrid::Select() { CanSelectCell(Col(), Row()); }

// ------------------------------------------------------------ grid timer

void TExStringGrid::WireGridTimer()
{
    if (FFocusWired) return;
    FFocusWired = true;
    // Focus moves are watched application-wide: entering from an own editor
    // is no entry, leaving to it no exit.
    connect(qApp, &QApplication::focusChanged, &FFocusWatch, [this](QWidget* old, QWidget* now) {
        try {
            FocusMoved(old, now);
        } catch (...) {
            // No error of the grid leaves the focus handling.
        }
    });
    if (FGridTimerWired) return;
    FGridTimerWired = true;
    FGridTimer.setInterval(500);
    connect(&FGridTimer, &QTimer::timeout, this, [this] {
        try {
            GridTimerTick();
        } catch (...) {
            // A timer tick never fails the event loop.
        }
    });
}

void TExStringGrid::UpdateGridTimer()
{
    WireGridTimer();
    const bool needed = FHovering || FEnableBlink || !FSearchInc.isEmpty();
    if (needed && !FGridTimer.isActive())
        FGridTimer.start();
    else if (!needed)
        FGridTimer.stop();
}

void TExStringGrid::SetHovering(bool value)
{
    FHovering = value;
    UpdateGridTimer();
}

void TExStringGrid::SetEnableBlink(bool value)
{
    FEnableBlink = value;
    if (!value) FGridBlink = false;
    UpdateGridTimer();
}

void TExStringGrid::GridTimerTick()
{
    ++FTimerTicks;
    if (FNavigation.AutoGotoIncremental) {
        if (FSearchTics >= 3) {
            FSearchInc.clear();
            FSearchTics = 0;
        } else {
            ++FSearchTics;
        }
    }
    if (FHovering && !IsDesigning()) HoverAt(QCursor::pos());
    if (FEnableBlink) {
        FGridBlink = !FGridBlink;
        for (const QPoint& cell : BlinkingCellsOnScreen()) RepaintCell(RealColIndex(cell.x()), cell.y());
    }
    if (!FHovering && !FEnableBlink && FSearchInc.isEmpty()) FGridTimer.stop();
}

void TExStringGrid::HoverAt(QPoint globalPos)
{
    if (!isVisible()) return;
    QWidget* under = QApplication::widgetAt(globalPos);
    if (under != viewport() && under != this) return;
    const QPoint p = viewport()->mapFromGlobal(globalPos);
    if (!viewport()->rect().contains(p)) return;
    int c = -1, r = -1;
    MouseToCell(p.x(), p.y(), c, r);
    if (c < FixedCols() || c >= ColCount() || r < FixedRows() || r >= RowCount()) return;
    if (!hasFocus()) setFocus(Qt::MouseFocusReason);
    if (Row() != r) SetRow(r);
    if (Col() != c) SetCol(c);
}

std::vector<QPoint> TExStringGrid::BlinkingCellsOnScreen() const
{
    std::vector<QPoint> cells;
    auto blinks = [this](int c, int r) {
        return GetCellEx(RealColIndex(c), r).contains(QStringLiteral("<BLI"), Qt::CaseInsensitive);
    };
    const int lastCol = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
    const int lastRow = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
    std::vector<int> cols, rows;
    for (int c = 0; c < std::min(FixedCols(), ColCount()); ++c) cols.push_back(c);
    for (int c = LeftCol(); c <= lastCol; ++c) cols.push_back(c);
    for (int r = 0; r < std::min(FixedRows(), RowCount()); ++r) rows.push_back(r);
    for (int r = TopRow(); r <= lastRow; ++r) rows.push_back(r);
    for (int r : rows)
        for (int c : cols)
            if (blinks(c, r)) cells.emplace_back(c, r);
    return cells;
}

}  // namespace grid
