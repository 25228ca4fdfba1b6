#pragma once

// What every rule grid of the program uses, whether it stands in the rule
// editor frame or in a form of its own: the shared row commands over the
// application's row clipboard, options, texts and dialogs.

#include "controls/grid/grid_row_commands.h"

namespace rule_editor {

// The row commands as the application state and dialogs stand now.
grid::TGridRowCommands applicationRowCommands();

}  // namespace rule_editor
