#pragma once

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace ethercat_mqtt {

// "EtherCAT Set Group": names and sizes of the variable groups of each
// direction, kept in EtherCAT_Slave_Group.xml. The groups take consecutive
// runs of their direction's enabled variables; this form stores only names
// and counts.
class TFEtherCATSlave_Group : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    enum Table { SlaveToMaster = 0, MasterToSlave = 1 };

    explicit TFEtherCATSlave_Group(QWidget* parent = nullptr);
    ~TFEtherCATSlave_Group() override;

    grid::TExColumnGrid* ECG_Group_StoM = nullptr;
    grid::TExColumnGrid* ECG_Group_MtoS = nullptr;

protected:
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    platform::XmlDocument XML1;
};

}  // namespace ethercat_mqtt
