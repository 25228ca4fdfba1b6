#include "editors/fieldbus/nmea2000/nmea_receive_form.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/fieldbus/j1939/frame_rule_checks.h"

namespace nmea2000 {
namespace nmea_receive_form_detail {

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
                                       TFReceiveNMEA::kRules,
                                       {
                                           RuleColumn{3914, 40, K::RowNumber},
                                           RuleColumn{3915, 80, K::Text, colors::Key, 3923},
                                           RuleColumn{3916, 106, K::Text, colors::Key, 3924},
                                           RuleColumn{3917, 124, K::CheckBox, colors::Group, 3925},
                                           RuleColumn{3918, 81, K::CheckBox, colors::Group, 3926},
                                           RuleColumn{3919, 72, K::Text, j1939::kTriggerColor, 3927},
                                           RuleColumn{3920, 50, K::Text, j1939::kTriggerColor, 3928},
                                           RuleColumn{3921, 84, K::CheckBox, colors::Position, 3929},
                                           RuleColumn{3922, 195, K::Text, colors::Description, 3930},
                                       },
                                       TFReceiveNMEA::PGN};
    // Only a PGN cell without any text ends the list.
    rules.keyTrimmed = false;
    return {QStringLiteral("FReceiveNMEA"), 3900, 3908, 3931, 3943, QSize(852, 337), {rules}};
}

}  // namespace nmea_receive_form_detail
using namespace nmea_receive_form_detail;

TFReceiveNMEA::TFReceiveNMEA(QWidget* parent) : RecordListForm(receiveFormLayout(), parent)
{
    sga = table(0).columnGrid();
}

QString NMEAReceiveKind::path() { return app::appState().NMEA_Rec_Frames_Path; }

void TFReceiveNMEA::prepareShow() { NUM_BYTE_IN = kNMEAInputBytes; }

}  // namespace nmea2000
