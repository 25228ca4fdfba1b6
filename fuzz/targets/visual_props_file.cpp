// The grid's visual properties file (Key=Value lines) read into a grid. A
// file that is refused leaves the grid's look as it was; one that is read
// gives a look whose own file, read into a grid of the same look, gives
// the same file again.
//
// Input: the file.

#include "controls/grid/grid_error.h"
#include "controls/grid/settings/visual_props_file.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

FUZZ_TARGET(visual_props_file)
{
    fuzz::FuzzedData input(data, size);
    const QByteArray file = input.takeRest();

    grid::TExStringGrid grid;
    const QByteArray before = grid::VisualPropsFile(grid);
    try {
        grid::ApplyVisualPropsFile(grid, file);
    } catch (const EExGridError&) {
        FUZZ_CHECK_EQUAL(grid::VisualPropsFile(grid), before);
        return;
    }
    const QByteArray saved = grid::VisualPropsFile(grid);
    grid::TExStringGrid other;
    other.SetLook(grid.Look());
    try {
        grid::ApplyVisualPropsFile(other, saved);
    } catch (const EExGridError&) {
        FUZZ_CHECK(false);
    }
    FUZZ_CHECK_EQUAL(grid::VisualPropsFile(other), saved);
}
