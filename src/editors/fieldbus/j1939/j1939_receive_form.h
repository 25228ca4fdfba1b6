#pragma once

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/fieldbus/j1939/j1939_frame_rules.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace j1939 {

// "Receive J1939 Frames": the parameter groups the gateway captures on the
// J1939 network (Data Page, PGN, source address), how they arrive, which
// of their bytes it keeps, and whether it requests them periodically. Every
// listed row is a rule. Reads and writes J1939_Rec_Frames.xml. No button of
// this variant shows it.
class TFReceiveJ1939 : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    // Real column indexes of the table.
    enum Column {
        DataPage = 1, PGN, SourceAddress, TransportProtocol, StartByte, NByte, CancelData, OnRequest, TimeMs,
        Mnemonic,
    };
    static constexpr int kRules = 512;

    explicit TFReceiveJ1939(QWidget* parent = nullptr);

    grid::TExColumnGrid* sga = nullptr;
    // Size of the input data array, the limit of all captured bytes.
    int NUM_BYTE_IN = kJ1939InputBytes;

protected:
    QString projectFilePath() const override;
    void prepareShow() override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    platform::XmlDocument XML1;
};

}  // namespace j1939
