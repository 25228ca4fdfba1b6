#pragma once

// Helpers the cell graphic units of the string grid share.

#include "controls/grid/cells/cell_graphic.h"
#include "controls/grid/grid_types.h"

namespace grid {
class TExStringGrid;
namespace cell_graphics_detail {
// Raises "Invalid cell" for a position outside the store.
void checkAddPosition(const TExStringGrid& g, int ACol, int ARow);
}  // namespace cell_graphics_detail
}  // namespace grid
