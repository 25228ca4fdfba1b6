// What this grid calls of its editing and data-operation services: the
// in-place editor's open and close, the editor-property query, the
// cells-changed notification and row-range primitives; the grid's cursor,
// its choice of hint window and its own fixed-cell gradient colours.

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/paint/application_html_hints.h"
#include "platform/input_state.h"

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

void TExStringGrid::SetCursor(platform::TCursor value)
{
    FOldCursor = value;
    viewport()->setCursor(platform::toQCursor(value));
}

void TExStringGrid::SetUseHTMLHints(bool value)
{
    FUseHTMLHints = value;
    SetApplicationHTMLHints(value);
}

void TExStringGrid::SetQVRGradientFrom(TColor value)
{
    FaceColors().QVRGradientFrom = ColorToRGB(value);
    RepaintGrid();
}

void TExStringGrid::SetQVRGradientTo(TColor value)
{
    FaceColors().QVRGradientTo = ColorToRGB(value);
    RepaintGrid();
}

void TExStringGrid::SetQVRGradientMirrorFrom(TColor value)
{
    FaceColors().QVRGradientMirrorFrom = ColorToRGB(value);
    RepaintGrid();
}

void TExStringGrid::SetQVRGradientMirrorTo(TColor value)
{
    FaceColors().QVRGradientMirrorTo = ColorToRGB(value);
    RepaintGrid();
}

}  // namespace grid
