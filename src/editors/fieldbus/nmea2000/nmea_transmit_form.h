#pragma once

#include "editors/ethercat_mqtt/rule_editor/record_list_form.h"
#include "editors/fieldbus/nmea2000/nmea_frame_rules.h"

namespace grid {
class TExColumnGrid;
}

namespace nmea2000 {

struct NMEATransmitKind {
    using Record = NMEATransmitRule;
    static constexpr auto attributes = &nmeaTransmitAttributes;
    static constexpr auto read = &readNMEATransmitFile;
    static constexpr auto write = &writeNMEATransmitFile;
    static constexpr auto check = &checkNMEATransmitRules;
    static QString path();
};

// "Transmit NMEA 2000 Frames": the parameter groups the gateway sends on
// the NMEA 2000 network (priority, PGN, source address, fast packet, data
// bytes) and when (on request, on data change, on a timer). Every listed
// row is a rule. Reads and writes NMEA_Send_Frames.xml (whose root is named
// as the receive file's). No button of this variant shows it.
class TFTransmitNMEA : public rule_editor::RecordListForm<NMEATransmitKind> {
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
    void prepareShow() override;
    int dataArrayBytes() const override { return NUM_BYTE_OUT; }
};

}  // namespace nmea2000
