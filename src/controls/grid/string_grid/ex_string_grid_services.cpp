// What this grid calls of its editing and data-operation services: the
// in-place editor's open and close, the editor-property query, the
// cells-changed notification and row-range primitives.

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/grid_error.h"

namespace grid {

void TExStringGrid::GetEditorProp(int ACol, int ARow, QObject* AEditLink)
{
    if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, AEditLink);
    if (OnGetEditorPropInt) OnGetEditorPropInt(this, ACol, ARow);
}

void TExStringGrid::CellsChanged(const QRect& R)
{
    if (OnCellsChanged) OnCellsChanged(this, R);
    FNotifierList.NotifyCellsChanged(R);
    CalcFooter(-1);
}

}  // namespace grid
