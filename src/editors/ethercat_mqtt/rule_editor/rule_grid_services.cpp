#include "editors/ethercat_mqtt/rule_editor/rule_grid_services.h"

#include "app/app_state.h"
#include "app/language.h"
#include "platform/dialogs.h"

namespace rule_editor {

grid::TGridRowCommands applicationRowCommands()
{
    app::AppState& state = app::appState();
    return grid::TGridRowCommands({state.Row_Clipboard, state.Row_Clipboard_Check},
                                  {state.Enable_Jump_Field_Tables, state.Double_Click_Auto_Size}, app::langText,
                                  platform::dialogs());
}

}  // namespace rule_editor
