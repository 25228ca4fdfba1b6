#include "editors/ethernet/opc_ua/opc_ua_server_form.h"

#include "app/app_state.h"
#include "controls/button/lb_button.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/ethernet/opc_ua/opc_ua_model.h"
#include "editors/ethernet/opc_ua/opc_ua_server_variables.h"

namespace opc_ua {
namespace server_form_detail {

using K = rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;

rule_editor::RuleEditorLayout serverFormLayout()
{
    rule_editor::RuleTableLayout table{QStringLiteral("ESG"),
                                       QString(),
                                       -1,
                                       rule_editor::GridKind::StringGrid,
                                       TFOPC_UA_Server_Access::kVariables,
                                       {
                                           RuleColumn{4514, 40, K::RowNumber},
                                           RuleColumn{4515, 50, K::CheckBox, colors::CheckBox, 4521},
                                           RuleColumn{4516, 120, K::Choice, colors::Key, 4522, serverVariableTypes()},
                                           RuleColumn{4517, 100, K::Text, colors::Size, 4523},
                                           RuleColumn{4518, 100, K::Text, colors::Size, 4524},
                                           RuleColumn{4519, 280, K::Text, colors::Position, 4525},
                                           RuleColumn{4529, 100, K::Choice, colors::Position, 4530, serverAccessTypes()},
                                           RuleColumn{4520, 280, K::Text, colors::Description, 4526},
                                       },
                                       TFOPC_UA_Server_Access::ColType};
    return {QStringLiteral("FOPC_UA_Server_Access"), 4500, 4508, -1, server_texts::DeleteQuestion, QSize(1200, 337),
            {table}};
}

const rule_editor::RecordColumns<OPCUAServerVariable> kColumns = rule_editor::columnsOf(serverVariableAttributes());

}  // namespace server_form_detail
using namespace server_form_detail;

TFOPC_UA_Server_Access::TFOPC_UA_Server_Access(QWidget* parent) : TRuleEditorForm(serverFormLayout(), parent)
{
    ESG = &table(0).grid();
    ESG->OnComboChange = [this](QObject*, int col, int row, int, const QString& selection) {
        if (col != ColType)
            return;
        ESG->SetCellEx(ColType, row, selection);
        VarSetLength(selection, row);
    };
    Btn_PasteRow->OnClick = [this](QObject*) { pasteRow(); };
}

void TFOPC_UA_Server_Access::VarSetLength(const QString& type, int row)
{
    const std::optional<ServerTypeLength> length = serverTypeLength(type);
    if (!length)
        return;
    ESG->SetCellEx(ColLength, row, length->length);
    ESG->SetReadOnly(ColLength, row, length->locked);
    if (ESG->GetCellEx(ColReadWrite, row).isEmpty())
        ESG->SetCellEx(ColReadWrite, row, kReadWrite);
}

void TFOPC_UA_Server_Access::pasteRow()
{
    const int row = currentRow(0);
    const QStringList before = table(0).rowTexts(row);
    Btn_PasteRowClick();
    if (table(0).rowTexts(row) == before)
        return;
    // The pasted length stands, also where the type would give another.
    const QString pastedLength = ESG->GetCellEx(ColLength, row);
    VarSetLength(ESG->GetCellEx(ColType, row), row);
    ESG->SetCellEx(ColLength, row, pastedLength);
}

void TFOPC_UA_Server_Access::recompute(int index)
{
    // A type's length is fixed, a string's may be changed; the lengths
    // themselves stay as loaded or typed.
    for (int r = 1; r <= table(index).dataRows(); ++r) {
        const std::optional<ServerTypeLength> length = serverTypeLength(ESG->GetCellEx(ColType, r));
        ESG->SetReadOnly(ColLength, r, length && length->locked);
    }
}

QString TFOPC_UA_Server_Access::projectFilePath() const { return app::appState().OPC_UA_Server_Path; }

rule_editor::LoadedProject TFOPC_UA_Server_Access::loadProject()
{
    return rule_editor::loadProjectFile<std::vector<OPCUAServerVariable>>(
        projectFilePath(), XML1, readOPCUAServerFile, [&](std::vector<OPCUAServerVariable>& rows) {
            // The check box is checked unless the file says "N".
            for (OPCUAServerVariable& row : rows)
                row.Enable = row.Enable == kNo ? kNo : kYes;
            return std::vector<rule_editor::RuleRows>{rule_editor::toRows(rows, kColumns)};
        });
}

std::optional<rule_editor::RuleFailure>
TFOPC_UA_Server_Access::checkRows(const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkServerVariables(rule_editor::toRecords(saved[0], kColumns));
}

bool TFOPC_UA_Server_Access::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeOPCUAServerFile(projectFilePath(), XML1, rule_editor::toRecords(saved[0], kColumns), error);
}

}  // namespace opc_ua
