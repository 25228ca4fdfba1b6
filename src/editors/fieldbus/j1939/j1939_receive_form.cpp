#include "editors/fieldbus/j1939/j1939_receive_form.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
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

const rule_editor::RecordColumns<J1939ReceiveRule>& receiveColumns()
{
    static const rule_editor::RecordColumns<J1939ReceiveRule> columns
        = rule_editor::columnsOf(j1939ReceiveAttributes());
    return columns;
}

}  // namespace j1939_receive_form_detail
using namespace j1939_receive_form_detail;

TFReceiveJ1939::TFReceiveJ1939(QWidget* parent) : TRuleEditorForm(receiveFormLayout(), parent)
{
    sga = table(0).columnGrid();
}

QString TFReceiveJ1939::projectFilePath() const { return app::appState().J1939_Rec_Frames_Path; }

void TFReceiveJ1939::prepareShow() { NUM_BYTE_IN = kJ1939InputBytes; }

rule_editor::LoadedProject TFReceiveJ1939::loadProject()
{
    return rule_editor::loadRecordTable(projectFilePath(), XML1, readJ1939ReceiveFile, receiveColumns());
}

std::optional<rule_editor::RuleFailure>
TFReceiveJ1939::checkRows(const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkJ1939ReceiveRules(rule_editor::toRecords(saved[0], receiveColumns()), NUM_BYTE_IN);
}

bool TFReceiveJ1939::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeJ1939ReceiveFile(projectFilePath(), XML1, rule_editor::toRecords(saved[0], receiveColumns()), error);
}

}  // namespace j1939
