#include "editors/ethernet/snmp/snmp_manager_form.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethernet/snmp/snmp_manager_file.h"
#include "editors/ethernet/snmp/snmp_manager_rules.h"
#include "editors/ethernet/snmp/snmp_shared.h"

namespace snmp {
namespace manager_form_detail {

using K = rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;
using Row = SNMPManagerRow;

rule_editor::RuleTableLayout requestLayout()
{
    const QStringList conversions = {QStringLiteral("None"), QStringLiteral("Float"), QStringLiteral("Float * 10"),
                                     QStringLiteral("Float * 100")};
    const QStringList levels = {QStringLiteral("NoAuth NoPriv"), QStringLiteral("Auth NoPriv"),
                                QStringLiteral("Auth Priv")};
    return {QStringLiteral("ECG_SNMP"),
            QString(),
            -1,
            rule_editor::GridKind::ColumnGrid,
            TFSNMPManagerAccess::kRequests,
            {
                RuleColumn{4608, 40, K::RowNumber},
                RuleColumn{4609, 50, K::CheckBox, colors::CheckBox, 4623},
                RuleColumn{4610, 100, K::Text, colors::Key, 4624},
                RuleColumn{4611, 55, K::Choice, colors::Key, 4625, {"1", "2", "3"}},
                RuleColumn{4612, 120, K::ChoiceOrText, colors::Key, 4626, communityNames()},
                RuleColumn{4613, 150, K::Text, colors::Key, 4627},
                RuleColumn{4614, 55, K::Choice, colors::Size, 4628, {"String", "Int"}},
                RuleColumn{4615, 50, K::Choice, colors::Size, 4629, {"Get", "Set", "Trap"}},
                RuleColumn{4616, 72, K::CheckBox, colors::CheckBox, 4630},
                RuleColumn{4617, 55, K::CheckBox, colors::CheckBox, 4631},
                RuleColumn{4618, 62, K::CheckBox, colors::CheckBox, 4632},
                RuleColumn{4619, 70, K::Text, colors::CheckBox, 4633},
                RuleColumn{4620, 60, K::Choice, colors::Size, 4634, numberItems(kPositionEntries)},
                RuleColumn{4621, 76, K::Text, colors::Size, 4635},
                RuleColumn{4654, 90, K::Choice, colors::Size, 4655, conversions},
                RuleColumn{4660, 50, K::CheckBox, colors::CheckBox, 4661},
                RuleColumn{4662, 90, K::Text, colors::Group, 4668},
                RuleColumn{4663, 90, K::Text, colors::Group, 4669},
                RuleColumn{4664, 90, K::Text, colors::Group, 4670},
                RuleColumn{4665, 105, K::Choice, colors::Group, 4671, levels},
                RuleColumn{4666, 75, K::Choice, colors::Group, 4672, {"MD5", "SHA"}},
                RuleColumn{4667, 75, K::Choice, colors::Group, 4673, {"DES", "AES"}},
                RuleColumn{4622, 150, K::Text, colors::Description, 4636},
            },
            TFSNMPManagerAccess::IPAddress};
}

rule_editor::RuleEditorLayout managerFormLayout()
{
    rule_editor::RuleEditorLayout layout{QStringLiteral("FSNMPManagerAccess"),
                                         4600,
                                         4648,
                                         manager_texts::ErrorRow,
                                         manager_texts::DeleteQuestion,
                                         QSize(1230, 337),
                                         {requestLayout()}};
    layout.errorRowsId = manager_texts::ErrorRows;
    layout.errorRowsJoinId = manager_texts::ErrorRowsJoin;
    return layout;
}

// Every column of the table is an attribute of the file, in the same order.
const rule_editor::RecordColumns<Row> kRequestColumns = {
    &Row::Enable,       &Row::IP_Address, &Row::Version,   &Row::Community_String, &Row::OID,
    &Row::Type,         &Row::Mode,       &Row::On_Change, &Row::On_Command,       &Row::On_Timer,
    &Row::Time,         &Row::Position,   &Row::Number_Bytes, &Row::ConvertFrom,   &Row::Cancel,
    &Row::User,         &Row::Auth_Pass,  &Row::Priv_Pass, &Row::Security_Level,   &Row::Auth_Mode,
    &Row::Priv_Mode,    &Row::Mnemonic,
};

}  // namespace manager_form_detail
using namespace manager_form_detail;

TFSNMPManagerAccess::TFSNMPManagerAccess(QWidget* parent) : TRuleEditorForm(managerFormLayout(), parent)
{
    ECG_SNMP = table(0).columnGrid();
    // A click on the row number selects nothing in this editor.
    ECG_SNMP->OnClickCell = nullptr;
}

QString TFSNMPManagerAccess::projectFilePath() const { return app::appState().SNMP_Manager_Path; }

rule_editor::LoadedProject TFSNMPManagerAccess::loadProject()
{
    return rule_editor::loadRecordTable(projectFilePath(), XML1, readSNMPManagerFile, kRequestColumns);
}

std::optional<rule_editor::RuleFailure>
TFSNMPManagerAccess::checkRows(const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkSNMPManagerRequests(rule_editor::toRecords(saved[0], kRequestColumns));
}

bool TFSNMPManagerAccess::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeSNMPManagerFile(projectFilePath(), XML1, rule_editor::toRecords(saved[0], kRequestColumns), error);
}

}  // namespace snmp
