#pragma once

// What every rule grid of the program uses, whether it stands in the rule
// editor frame or in a form of its own: the shared row commands over the
// application's row clipboard, options, texts and dialogs, and the header
// hint of the cell under the mouse shown as a tool tip.

#include "controls/grid/grid_row_commands.h"

class QHelpEvent;

namespace grid {
class TExStringGrid;
}

namespace rule_editor {

// The row commands as the application state and dialogs stand now.
grid::TGridRowCommands applicationRowCommands();

// Answers a tool-tip event of a grid's viewport: the hint the grid's
// OnGridHint gives for the cell under the mouse, or no tip when it gives
// none.
void showCellHint(grid::TExStringGrid& grid, const QHelpEvent& event);

}  // namespace rule_editor
