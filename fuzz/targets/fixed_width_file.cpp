// The fixed-width reader at positions the input chooses: any file and any
// positions read without failing past the documented errors, and give as
// many columns as the positions make fields.
//
// Input: a count and that many position bytes, then the file.

#include "controls/grid/cells/int_lists.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "fuzz_support.h"
#include "fuzz_target.h"

FUZZ_TARGET(fixed_width_file)
{
    fuzz::FuzzedData input(data, size);
    const int count = int(input.takeInt(0, 6));
    grid::TIntList positions;
    for (int i = 0; i < count; ++i) positions.Add(int(input.takeInt(-2, 40)));
    const bool trim = input.takeBool();
    const QString path = fuzz::scratchFile(QStringLiteral("fixed.txt"), input.takeRest());

    grid::TExStringGrid g;
    g.SetFixedCols(0);
    try {
        g.LoadFromFixed(path, positions, trim, -1);
    } catch (const EExGridError&) {
        FUZZ_CHECK(count < 2);
        return;
    }
    FUZZ_CHECK(g.ColCount() == count - 1);
    for (int i = 1; i < positions.Count(); ++i) FUZZ_CHECK(positions[i - 1] <= positions[i]);
}
