#include "editors/fieldbus/j1939/j1939_transmit_form.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/fieldbus/j1939/frame_rule_checks.h"

namespace j1939 {
namespace j1939_transmit_form_detail {

using K = rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;

// Column widths that show every header whole; the client area fits them.
rule_editor::RuleEditorLayout transmitFormLayout()
{
    rule_editor::RuleTableLayout rules{QStringLiteral("sga"),
                                       QString(),
                                       -1,
                                       rule_editor::GridKind::ColumnGrid,
                                       TFTransmitJ1939::kRules,
                                       {
                                           RuleColumn{3614, 40, K::RowNumber},
                                           RuleColumn{3615, 56, K::Text, colors::Key, 3625},
                                           RuleColumn{3616, 74, K::Choice, colors::Key, 3626, {"0", "1"}},
                                           RuleColumn{3617, 85, K::Text, colors::Key, 3627},
                                           RuleColumn{3618, 106, K::Text, colors::Key, 3628},
                                           RuleColumn{3619, 60, K::Text, colors::Group, 3629},
                                           RuleColumn{3620, 61, K::CheckBox, kTriggerColor, 3630},
                                           RuleColumn{3621, 90, K::CheckBox, kTriggerColor, 3631},
                                           RuleColumn{3622, 67, K::CheckBox, kTriggerColor, 3632},
                                           RuleColumn{3623, 80, K::Text, kTriggerColor, 3633},
                                           RuleColumn{3624, 115, K::Text, colors::Description, 3634},
                                       },
                                       TFTransmitJ1939::PGN};
    // Only a PGN cell without any text ends the list.
    rules.keyTrimmed = false;
    return {QStringLiteral("FTransmitJ1939"), 3600, 3608, 3635, 3643, QSize(854, 337), {rules}};
}

}  // namespace j1939_transmit_form_detail
using namespace j1939_transmit_form_detail;

TFTransmitJ1939::TFTransmitJ1939(QWidget* parent) : RecordListForm(transmitFormLayout(), parent)
{
    sga = table(0).columnGrid();
}

QString J1939TransmitKind::path() { return app::appState().J1939_Send_Frames_Path; }

void TFTransmitJ1939::prepareShow() { NUM_BYTE_OUT = kJ1939OutputBytes; }

}  // namespace j1939
