#pragma once

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace iec61850 {

// "Set Variables Access for IEC61850": the variables the gateway publishes
// as an IEC 61850 server, each a name, type and length with its place in
// the gateway's internal data array, a conversion with its factor, byte and
// word swapping and a description. Reads and writes IEC61850_Variables.xml.
class TFIEC61850_Variables : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    static constexpr int kVariables = 50;
    // Real column indexes.
    enum Column {
        ColEnable = 1,
        ColName,
        ColType,
        ColLength,
        ColReadOnly,
        ColPosition,
        ColStartBit,
        ColConversion,
        ColFactor,
        ColSwap,
        ColSwapWord,
        ColMnemonic,
    };

    explicit TFIEC61850_Variables(QWidget* parent = nullptr);

    grid::TExColumnGrid* ECG = nullptr;
    // Size of the internal data array: positions 0 .. NByte_IN - 1.
    int NByte_IN = 0;

protected:
    void prepareShow() override;
    QString projectFilePath() const override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    platform::XmlDocument XML1;
};

}  // namespace iec61850
