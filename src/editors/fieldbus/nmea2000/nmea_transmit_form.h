#pragma once

#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"
#include "editors/fieldbus/nmea2000/nmea_frame_rules.h"
#include "platform/xml_document.h"

namespace grid {
class TExColumnGrid;
}

namespace nmea2000 {

// "Transmit NMEA 2000 Frames": the parameter groups the gateway sends on
// the NMEA 2000 network (priority, PGN, source address, fast packet, data
// bytes) and when (on request, on data change, on a timer). Every listed
// row is a rule. Reads and writes NMEA_Send_Frames.xml (whose root is named
// as the receive file's). No button of this variant shows it.
class TFTransmitNMEA : public rule_editor::TRuleEditorForm {
    Q_OBJECT

public:
    // Real column indexes of the table.
    enum Column {
        Priority = 1, PGN, SourceAddress, FastPacket, NumByte, Request, DataChange, OnTimer, SendTimer, Mnemonic,
    };
    static constexpr int kRules = 62;

    explicit TFTransmitNMEA(QWidget* parent = nullptr);

    grid::TExColumnGrid* sga = nullptr;
    // Size of the output data array, the limit of all data bytes.
    int NUM_BYTE_OUT = kNMEAOutputBytes;

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
