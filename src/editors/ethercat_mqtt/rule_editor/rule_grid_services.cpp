#include "editors/ethercat_mqtt/rule_editor/rule_grid_services.h"

#include <QHelpEvent>
#include <QToolTip>

#include "app/app_state.h"
#include "app/language.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/dialogs.h"

namespace rule_editor {

grid::TGridRowCommands applicationRowCommands()
{
    app::AppState& state = app::appState();
    return grid::TGridRowCommands({state.Row_Clipboard, state.Row_Clipboard_Check},
                                  {state.Enable_Jump_Field_Tables, state.Double_Click_Auto_Size}, app::langText,
                                  platform::dialogs());
}

void showCellHint(grid::TExStringGrid& grid, const QHelpEvent& event)
{
    int col = -1;
    int row = -1;
    grid.MouseToCell(event.pos().x(), event.pos().y(), col, row);
    QString hint;
    if (grid.OnGridHint && col >= 0 && row >= 0)
        grid.OnGridHint(&grid, row, col, hint);
    if (hint.trimmed().isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event.globalPos(), hint, grid.viewport());
}

}  // namespace rule_editor
