#include "editors/ethernet/iec61850/server_variables_form.h"

#include "app/app_state.h"
#include "app/shared_checks.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethernet/common/rule_columns.h"
#include "editors/ethernet/iec61850/iec61850_shared.h"
#include "editors/ethernet/iec61850/server_variables_file.h"
#include "editors/ethernet/iec61850/server_variables_rules.h"

namespace iec61850 {
namespace server_variables_form_detail {

using K = rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;
using Row = IEC61850VariableRow;

const QStringList kTypes = {QStringLiteral("Int"), QStringLiteral("Float"), QStringLiteral("Digital (Bit)")};
const QStringList kConversions = {QStringLiteral("None"), QStringLiteral("Int to Float"),
                                  QStringLiteral("Float to Int")};

rule_editor::RuleEditorLayout variablesLayout()
{
    rule_editor::RuleTableLayout table{
        QStringLiteral("ECG"),
        QString(),
        -1,
        rule_editor::GridKind::ColumnGrid,
        TFIEC61850_Variables::kVariables,
        {
            RuleColumn{3314, 30, K::RowNumber},
            RuleColumn{3315, 50, K::CheckBox, colors::CheckBox, 3322},
            RuleColumn{3316, 150, K::Text, colors::Key, 3323},
            RuleColumn{3317, 95, K::Choice, colors::Key, 3324, kTypes},
            RuleColumn{3318, 55, K::Text, colors::Size, 3325},
            RuleColumn{3319, 72, K::CheckBox, colors::CheckBox, 3326},
            RuleColumn{3320, 62, K::Text, colors::Position, 3327},
            RuleColumn{3332, 62, K::Choice, colors::Position, 3335, ethernet_editors::numberItems(8)},
            RuleColumn{3333, 95, K::Choice, colors::Size, 3336, kConversions},
            RuleColumn{3334, 90, K::ChoiceOrText, colors::Size, 3337, {QStringLiteral("None")}},
            RuleColumn{3342, 44, K::CheckBox, colors::CheckBox, 3344},
            RuleColumn{3343, 76, K::CheckBox, colors::CheckBox, 3345},
            RuleColumn{3321, 200, K::Text, colors::Description, 3328},
        },
        TFIEC61850_Variables::ColName};
    return {QStringLiteral("FIEC61850_Variables"), 3300, 3308, server_texts::ErrorRow, server_texts::DeleteQuestion,
            QSize(1155, 337), {table}};
}

// Every column is an attribute of the file, in the same order.
const rule_editor::RecordColumns<Row> kColumns = {
    &Row::Enable,     &Row::Name,   &Row::Type,  &Row::Length,   &Row::ReadOnly,
    &Row::Position,   &Row::StartBit, &Row::Conversion, &Row::MultiplicationFactor,
    &Row::Swap,       &Row::SwapWord, &Row::Mnemonic,
};

}  // namespace server_variables_form_detail
using namespace server_variables_form_detail;

TFIEC61850_Variables::TFIEC61850_Variables(QWidget* parent) : TRuleEditorForm(variablesLayout(), parent)
{
    ECG = table(0).columnGrid();
}

void TFIEC61850_Variables::prepareShow() { NByte_IN = kServerDataBytes; }

QString TFIEC61850_Variables::projectFilePath() const { return app::appState().IEC61850_Variables_Path; }

rule_editor::LoadedProject TFIEC61850_Variables::loadProject()
{
    return rule_editor::loadRecordTable(projectFilePath(), XML1, readIEC61850VariablesFile, kColumns);
}

std::optional<rule_editor::RuleFailure>
TFIEC61850_Variables::checkRows(const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkIEC61850Variables(rule_editor::toRecords(saved[0], kColumns), NByte_IN, app::Get_Decimal_Separator());
}

bool TFIEC61850_Variables::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeIEC61850VariablesFile(projectFilePath(), XML1, rule_editor::toRecords(saved[0], kColumns), error);
}

}  // namespace iec61850
