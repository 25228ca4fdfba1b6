#include "editors/fieldbus/nmea2000/nmea_transmit_form.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/fieldbus/j1939/frame_rule_checks.h"

namespace nmea2000 {
namespace nmea_transmit_form_detail {

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
                                       TFTransmitNMEA::kRules,
                                       {
                                           RuleColumn{4014, 40, K::RowNumber},
                                           RuleColumn{4015, 56, K::Text, colors::Key, 4025},
                                           RuleColumn{4016, 75, K::Text, colors::Key, 4026},
                                           RuleColumn{4017, 106, K::Text, colors::Key, 4027},
                                           RuleColumn{4018, 81, K::CheckBox, colors::Position, 4028},
                                           RuleColumn{4019, 71, K::Text, colors::Group, 4029},
                                           RuleColumn{4020, 61, K::CheckBox, j1939::kTriggerColor, 4030},
                                           RuleColumn{4021, 90, K::CheckBox, j1939::kTriggerColor, 4031},
                                           RuleColumn{4022, 67, K::CheckBox, j1939::kTriggerColor, 4032},
                                           RuleColumn{4023, 80, K::Text, j1939::kTriggerColor, 4033},
                                           RuleColumn{4024, 116, K::Text, colors::Description, 4034},
                                       },
                                       TFTransmitNMEA::PGN};
    // Only a PGN cell without any text ends the list.
    rules.keyTrimmed = false;
    return {QStringLiteral("FTransmitNMEA"), 4000, 4008, 4035, 4042, QSize(863, 337), {rules}};
}

}  // namespace nmea_transmit_form_detail
using namespace nmea_transmit_form_detail;

TFTransmitNMEA::TFTransmitNMEA(QWidget* parent) : RecordListForm(transmitFormLayout(), parent)
{
    sga = table(0).columnGrid();
}

QString NMEATransmitKind::path() { return app::appState().NMEA_Send_Frames_Path; }

void TFTransmitNMEA::prepareShow() { NUM_BYTE_OUT = kNMEAOutputBytes; }

}  // namespace nmea2000
