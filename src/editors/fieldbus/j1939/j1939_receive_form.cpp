#include "editors/fieldbus/j1939/j1939_receive_form.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/fieldbus/j1939/frame_rule_checks.h"

namespace j1939 {
namespace j1939_receive_form_detail {

using K = rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;

// Column widths that show every header whole; the client area fits them.
rule_editor::RuleEditorLayout receiveFormLayout()
{
    rule_editor::RuleTableLayout rules{QStringLiteral("sga"),
                                       QString(),
                                       -1,
                                       rule_editor::GridKind::ColumnGrid,
                                       TFReceiveJ1939::kRules,
                                       {
                                           RuleColumn{3514, 40, K::RowNumber},
                                           RuleColumn{3515, 74, K::Choice, colors::Key, 3525, {"0", "1"}},
                                           RuleColumn{3516, 85, K::Text, colors::Key, 3526},
                                           RuleColumn{3517, 106, K::Text, colors::Key, 3527},
                                           RuleColumn{3518, 124, K::CheckBox, colors::Group, 3528},
                                           RuleColumn{3519, 72, K::Text, kTriggerColor, 3529},
                                           RuleColumn{3520, 55, K::Text, kTriggerColor, 3530},
                                           RuleColumn{3521, 84, K::CheckBox, colors::Position, 3531},
                                           RuleColumn{3522, 82, K::CheckBox, colors::CheckBox, 3532},
                                           RuleColumn{3523, 68, K::Text, colors::CheckBox, 3533},
                                           RuleColumn{3524, 120, K::Text, colors::Description, 3534},
                                       },
                                       TFReceiveJ1939::PGN};
    // Only a PGN cell without any text ends the list.
    rules.keyTrimmed = false;
    return {QStringLiteral("FReceiveJ1939"), 3500, 3508, 3535, 3547, QSize(930, 337), {rules}};
}

}  // namespace j1939_receive_form_detail
using namespace j1939_receive_form_detail;

TFReceiveJ1939::TFReceiveJ1939(QWidget* parent) : RecordListForm(receiveFormLayout(), parent)
{
    sga = table(0).columnGrid();
}

QString J1939ReceiveKind::path() { return app::appState().J1939_Rec_Frames_Path; }

void TFReceiveJ1939::prepareShow() { NUM_BYTE_IN = kJ1939InputBytes; }

}  // namespace j1939
