#pragma once

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "platform/colors.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace devicenet {

// Colours of the slave columns, in this editor and in the offset editor's
// slave list.
namespace slave_colors {
constexpr TColor Id = 0x00CEFFCE;     // RGB(206, 255, 206)
constexpr TColor Bytes = 0x00D5FFFF;  // RGB(255, 255, 213)
}  // namespace slave_colors

// "DeviceNet Network": the slaves the gateway's DeviceNet master polls, with
// their MAC ID, input and output byte counts and a description. Reads and
// writes DNETM_Net.xml, which the offset editor reads too. Its button is
// hidden in this variant.
class TFDNet : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    // Real column indexes of the table.
    enum Column { IDSlave = 1, NumByteIn, NumByteOut, Mnemonic };
    static constexpr int kSlaves = 64;

    explicit TFDNet(QWidget* parent = nullptr);

    grid::TExColumnGrid* ESG = nullptr;

protected:
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    platform::XmlDocument XML1;
};

}  // namespace devicenet
