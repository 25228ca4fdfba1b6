#pragma once

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/fieldbus/nmea2000/nmea_frame_rules.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace nmea2000 {

// "Receive NMEA 2000 Frames": the parameter groups the gateway captures on
// the NMEA 2000 network (PGN, source address), how they arrive (transport
// protocol, fast packet or a single frame) and which of their bytes it
// keeps. Every listed row is a rule. Reads and writes NMEA_Rec_Frames.xml.
// No button of this variant shows it.
class TFReceiveNMEA : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    // Real column indexes of the table.
    enum Column { PGN = 1, SourceAddress, TransportProtocol, FastPacket, StartByte, NByte, CancelData, Mnemonic };
    static constexpr int kRules = 62;

    explicit TFReceiveNMEA(QWidget* parent = nullptr);

    grid::TExColumnGrid* sga = nullptr;
    // Size of the input data array, the limit of all captured bytes.
    int NUM_BYTE_IN = kNMEAInputBytes;

protected:
    QString projectFilePath() const override;
    void prepareShow() override;
    rule_editor::LoadedProject loadProject() override;
    std::optional<rule_editor::RuleFailure> checkRows(const std::vector<rule_editor::RuleRows>& saved) const override;
    bool saveProject(const std::vector<rule_editor::RuleRows>& saved, QString* error) override;

private:
    platform::XmlDocument XML1;
};

}  // namespace nmea2000
