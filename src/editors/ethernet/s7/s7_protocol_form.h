#pragma once

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/ethernet/s7/s7_rule_file.h"
#include "editors/ethernet/s7/s7_rules.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace ethernet_editors {

// "S7comm Access": the rules of the gateway's S7comm client, each reading
// or writing one data item of a controller given by IP address, port,
// controller type, rack and slot. Reads and writes S7_Protocol.xml. Its
// button is hidden in this variant.
class TFS7_Protocol_Set_Access : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    enum Table { Read = S7Read, Write = S7Write };
    static constexpr int kRules = 512;
    // The delete question of the form: the block gives the frame's text a
    // free id of its own.
    static constexpr int kDeleteQuestion = 5225;

    explicit TFS7_Protocol_Set_Access(QWidget* parent = nullptr);
    ~TFS7_Protocol_Set_Access() override;

    grid::TExColumnGrid* ECG_S7_Read = nullptr;
    grid::TExColumnGrid* ECG_S7_Write = nullptr;
    S7DataArrays arrays;  // NByte_IN, NByte_OUT

protected:
    void prepareShow() override;
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    platform::XmlDocument XML1;
};

}  // namespace ethernet_editors
