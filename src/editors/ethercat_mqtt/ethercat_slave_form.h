#pragma once

#include <vector>

#include "editors/ethercat_mqtt/project_files/ethercat_group_file.h"
#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "platform/xml_document.h"

namespace grid {
class TExStringGrid;
}

namespace ethercat_mqtt {

// "EtherCAT Set Access": the process-data variables the gateway exchanges
// as an EtherCAT slave, slave to master and master to slave, with the byte
// position and start bit of each enabled variable and the group it falls
// in. Reads and writes EtherCAT_Slave.xml; reads EtherCAT_Slave_Group.xml.
class TFEtherCATSlave : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    // The two tables, in page order.
    enum Table { SlaveToMaster = 0, MasterToSlave = 1 };

    explicit TFEtherCATSlave(QWidget* parent = nullptr);
    ~TFEtherCATSlave() override;

    // The table's Position, Start Bit and Group cells from its rows.
    void Calc_Position_Bit(int table);
    void Show_Group(int table);
    // A type chosen (or set) in a row: its Length and the Length lock.
    void VarSetLength(int table, int row, const QString& type);
    // Swaps the current row of the active table with the one above or below.
    void Btn_MoveClick(bool up);

    grid::TExStringGrid* ESG_SlaveMaster = nullptr;
    grid::TExStringGrid* ESG_MasterSlave = nullptr;
    button::TLbButton* Btn_MoveUp = nullptr;
    button::TLbButton* Btn_MoveDown = nullptr;
    // The groups of each direction, from the group file at this showing.
    std::vector<EtherCATGroup> Group_StoM;
    std::vector<EtherCATGroup> Group_MtoS;

protected:
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;
    void recompute(int table) override;

private:
    void wireEditing(int table);
    void lockLength(int table, int row);
    void MoveRow_ESG(int row, int table, bool up);

    platform::XmlDocument XML1;
};

}  // namespace ethercat_mqtt
