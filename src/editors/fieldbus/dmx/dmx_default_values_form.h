#pragma once

#include <QString>

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace dmx {

// "DMX Default Value": the default value (0 .. 255) and a description of
// every DMX channel of the gateway; one row per channel, as many as the
// general parameters give (DMX_Num_Channels, 24 .. 512). Reads ParGen.xml,
// reads and writes DMX_Default_Values.xml. No row commands. Its button is
// hidden in this variant.
class TFDMXDefVal : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    enum Column { DefaultValue = 1, Mnemonic };

    explicit TFDMXDefVal(QWidget* parent = nullptr);

    grid::TExColumnGrid* ECG_DMX_Def_Val = nullptr;
    // The channel count of the showing.
    int channels() const;

protected:
    QString projectFilePath() const override;
    void prepareShow() override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    platform::XmlDocument XML1;
    // Why the channel count is the default one, when ParGen.xml cannot be
    // read; shown once the form is open.
    QString parGenProblem_;
};

}  // namespace dmx
