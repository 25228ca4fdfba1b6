#include "editors/fieldbus/devicenet/devicenet_network_form.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/fieldbus/devicenet/devicenet_network_file.h"
#include "editors/fieldbus/devicenet/devicenet_network_rules.h"

namespace devicenet {
namespace network_form_detail {

using K = rule_editor::ColumnKind;
using rule_editor::RuleColumn;

rule_editor::RuleEditorLayout networkFormLayout()
{
    rule_editor::RuleTableLayout slaves{QStringLiteral("ESG"),
                                        QString(),
                                        -1,
                                        rule_editor::GridKind::ColumnGrid,
                                        TFDNet::kSlaves,
                                        {
                                            RuleColumn{2914, 45, K::RowNumber},
                                            RuleColumn{2915, 100, K::Text, slave_colors::Id, 2919},
                                            RuleColumn{2916, 100, K::Text, slave_colors::Bytes, 2920},
                                            RuleColumn{2917, 100, K::Text, slave_colors::Bytes, 2921},
                                            RuleColumn{2918, 375, K::Text, clWindow, 2922},
                                        },
                                        TFDNet::IDSlave};
    // Only an ID cell without any text ends the list: one of blanks is
    // checked (and fails).
    slaves.keyTrimmed = false;
    return {QStringLiteral("FDNet"), 2900, 2908, 2923, 2927, QSize(745, 337), {slaves}};
}

const rule_editor::RecordColumns<DeviceNetSlave>& slaveColumns()
{
    static const rule_editor::RecordColumns<DeviceNetSlave> columns
        = rule_editor::columnsOf(deviceNetSlaveAttributes());
    return columns;
}

}  // namespace network_form_detail
using namespace network_form_detail;

TFDNet::TFDNet(QWidget* parent) : TRuleEditorForm(networkFormLayout(), parent)
{
    ESG = table(0).columnGrid();
}

QString TFDNet::projectFilePath() const { return app::appState().DNETM_Net_Path; }

rule_editor::LoadedProject TFDNet::loadProject()
{
    return rule_editor::loadRecordTable(projectFilePath(), XML1, readDeviceNetNetworkFile, slaveColumns());
}

std::optional<rule_editor::RuleFailure> TFDNet::checkRows(const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkDeviceNetNetwork(rule_editor::toRecords(saved[0], slaveColumns()));
}

bool TFDNet::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeDeviceNetNetworkFile(projectFilePath(), XML1, rule_editor::toRecords(saved[0], slaveColumns()), error);
}

}  // namespace devicenet
