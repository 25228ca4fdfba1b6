#pragma once

#include "editors/ethercat_mqtt/rule_editor/record_list_form.h"
#include "editors/fieldbus/nmea2000/nmea_frame_rules.h"

namespace grid {
class TExColumnGrid;
}

namespace nmea2000 {

struct NMEAReceiveKind {
    using Record = NMEAReceiveRule;
    static constexpr auto attributes = &nmeaReceiveAttributes;
    static constexpr auto read = &readNMEAReceiveFile;
    static constexpr auto write = &writeNMEAReceiveFile;
    static constexpr auto check = &checkNMEAReceiveRules;
    static QString path();
};

// "Receive NMEA 2000 Frames": the parameter groups the gateway captures on
// the NMEA 2000 network (PGN, source address), how they arrive (transport
// protocol, fast packet or a single frame) and which of their bytes it
// keeps. Every listed row is a rule. Reads and writes NMEA_Rec_Frames.xml.
// No button of this variant shows it.
class TFReceiveNMEA : public rule_editor::RecordListForm<NMEAReceiveKind> {
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
    void prepareShow() override;
    int dataArrayBytes() const override { return NUM_BYTE_IN; }
};

}  // namespace nmea2000
