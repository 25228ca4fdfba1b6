#include "editors/ethercat_mqtt/ethercat_slave_group_form.h"

#include "app/app_state.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/ethercat_group_rules.h"
#include "editors/ethercat_mqtt/project_files/ethercat_group_file.h"
#include "editors/ethercat_mqtt/rule_editor/rule_file_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_records.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"

namespace ethercat_mqtt {
namespace group_form_detail {

using rule_editor::ColumnKind;
using rule_editor::RuleColumn;
namespace colors = rule_editor::column_colors;
using GroupRow = EtherCATGroupRow;

constexpr int kGroups = 16;

rule_editor::RuleTableLayout groupLayout(const char* grid, const char* sheet, int caption, int number, int name,
                                         int count, int mnemonic)
{
    return {QString::fromLatin1(grid),
            QString::fromLatin1(sheet),
            caption,
            rule_editor::GridKind::ColumnGrid,
            kGroups,
            {
                RuleColumn{number, 40, ColumnKind::RowNumber},
                RuleColumn{name, 300, ColumnKind::Text, colors::Key},
                RuleColumn{count, 100, ColumnKind::Text, colors::Size},
                RuleColumn{mnemonic, 300, ColumnKind::Text, clWindow},
            },
            1};
}

rule_editor::RuleEditorLayout groupFormLayout()
{
    return {QStringLiteral("FEtherCATSlave_Group"),
            5300,
            5308,
            group_texts::ErrorRow,
            5322,
            QSize(800, 337),
            {groupLayout("ECG_Group_StoM", "TS_SlaveToMaster", 5314, 5316, 5317, 5323, 5318),
             groupLayout("ECG_Group_MtoS", "TS_MasterToSlave", 5315, 5319, 5320, 5324, 5321)}};
}

const rule_editor::RecordColumns<GroupRow> kGroupColumns = {&GroupRow::Group_Name, &GroupRow::Num_Variables, &GroupRow::Mnemonic};

EtherCATGroupFile groupFileOf(const std::vector<rule_editor::RuleRows>& saved)
{
    EtherCATGroupFile file;
    file.Slave_to_Master = rule_editor::toRecords(saved[TFEtherCATSlave_Group::SlaveToMaster], kGroupColumns);
    file.Master_to_Slave = rule_editor::toRecords(saved[TFEtherCATSlave_Group::MasterToSlave], kGroupColumns);
    return file;
}

}  // namespace group_form_detail

using namespace group_form_detail;

TFEtherCATSlave_Group::TFEtherCATSlave_Group(QWidget* parent) : TRuleEditorForm(groupFormLayout(), parent)
{
    ECG_Group_StoM = table(SlaveToMaster).columnGrid();
    ECG_Group_MtoS = table(MasterToSlave).columnGrid();
}

TFEtherCATSlave_Group::~TFEtherCATSlave_Group() = default;

QString TFEtherCATSlave_Group::projectFilePath() const { return app::appState().EtherCAT_Slave_Group_Path; }

rule_editor::LoadedProject TFEtherCATSlave_Group::loadProject()
{
    return rule_editor::loadProjectFile<EtherCATGroupFile>(
        projectFilePath(), XML1, readEtherCATGroupFile, [&](EtherCATGroupFile& groups) {
            return std::vector<rule_editor::RuleRows>{rule_editor::toRows(groups.Slave_to_Master, kGroupColumns),
                                                      rule_editor::toRows(groups.Master_to_Slave, kGroupColumns)};
        });
}

std::optional<rule_editor::RuleFailure>
TFEtherCATSlave_Group::checkRows(const std::vector<rule_editor::RuleRows>& saved) const
{
    return checkEtherCATGroups(groupFileOf(saved));
}

bool TFEtherCATSlave_Group::saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error)
{
    return writeEtherCATGroupFile(projectFilePath(), XML1, groupFileOf(saved), error);
}

}  // namespace ethercat_mqtt
