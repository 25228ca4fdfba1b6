// Controls embedded in cells: placed over their cell and kept there while
// the grid scrolls, hides rows or columns, sorts and moves rows; and the
// scroll bar shown over a current cell that holds an auto-range scroll bar.

#include <QScrollBar>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

QWidget* TExStringGrid::GetCellControls(int c, int r) const
{
    const TCellProperties* props = c >= 0 && r >= 0 ? CellPropertiesOrNull(c, r) : nullptr;
    return props != nullptr ? props->Control() : nullptr;
}

void TExStringGrid::PlaceCellControl(QWidget* control, int displayCol, int row)
{
    const platform::TRect cell = CellRect(displayCol, row);
    control->setGeometry(cell.Left - 1, cell.Top - 1, cell.Width() + 1, cell.Height() + 1);
}

void TExStringGrid::SetCellControls(int c, int r, QWidget* control)
{
    if (c < 0 || r < 0 || c >= AllColCount() || r >= RowCount()) return;
    const bool had = GetCellControls(c, r) != nullptr;
    const int allRows = RealRowIndex(r);
    if (const int i = FControlList.ControlIndex(c, allRows); i >= 0) FControlList.RemoveControl(i);
    if (control == nullptr) {
        if (had) FNumCellControls = std::max(0, FNumCellControls - 1);
        if (TCellProperties* props = CellPropertiesOrNull(c, r)) props->SetControl(nullptr);
        return;
    }
    if (!had) ++FNumCellControls;
    FControlList.AddControl(c, allRows, control);
    GetCellProperties(c, r)->SetControl(control);
    control->setParent(viewport());
    PlaceCellControl(control, DisplColIndex(c), r);
    control->show();
}

void TExStringGrid::UpdateCellScrollBar()
{
    if (FScrollBar == nullptr || FScrollBar->isHidden()) return;
    const int c = Col(), r = Row();
    const bool inView = c >= LeftCol() && c <= LeftCol() + VisibleColCount() && r >= TopRow() &&
                        r <= TopRow() + VisibleRowCount();
    if (!inView) {
        FScrollBar->resize(FScrollBar->width(), 0);
        return;
    }
    const platform::TRect cell = CellRect(c, r);
    FScrollBar->setGeometry(cell.Right - FScrollBar->width(), cell.Top, FScrollBar->width(), cell.Height());
}

void TExStringGrid::CellControlsUpdate(bool rebuildlist)
{
    if (Destroying()) return;
    if (rebuildlist) {
        // Items of hidden rows stay as they are; the shown rows are read from their cells.
        for (int i = FControlList.Count() - 1; i >= 0; --i)
            if (!IsHiddenRow(FControlList.GetControl(i)->Y)) FControlList.RemoveControl(i);
        for (int c = 0; c < AllColCount(); ++c)
            for (int r = 0; r < RowCount(); ++r)
                if (QWidget* w = GetCellControls(c, r)) FControlList.AddControl(c, RealRowIndex(r), w);
    }
    UpdateCellScrollBar();
    if (FNumCellControls == 0) return;
    const int fixedCols = FixedCols(), fixedRows = FixedRows();
    const int lastCol = LeftCol() + VisibleColCount(), lastRow = TopRow() + VisibleRowCount();
    for (int i = 0; i < FControlList.Count(); ++i) {
        const TControlItem* item = FControlList.GetControl(i);
        QWidget* control = item->Control;
        if (control == nullptr) continue;
        const bool rowHidden = IsHiddenRow(item->Y);
        const bool colHidden = IsHiddenColumn(item->X);
        if (rowHidden || colHidden) {
            control->hide();
            continue;
        }
        const int a = DisplColIndex(item->X);
        const int b = DisplRowIndex(item->Y);
        if (a < fixedCols || b < fixedRows) continue;
        if (a < LeftCol() || a > lastCol || b < TopRow() || b > lastRow) {
            control->hide();
            continue;
        }
        PlaceCellControl(control, a, b);
        control->show();
        // A resize by one pixel and back makes it lay itself out again.
        control->resize(control->width() + 1, control->height());
        control->resize(control->width() - 1, control->height());
        control->update();
    }
}

QString TExStringGrid::GetVersionString() const
{
    const uint32_t v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4 Sep, 2012").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

}  // namespace grid
