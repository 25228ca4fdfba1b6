#pragma once

#include "editors/ethercat_mqtt/rule_editor/record_list_form.h"
#include "editors/fieldbus/j1939/j1939_frame_rules.h"

namespace grid {
class TExColumnGrid;
}

namespace j1939 {

struct J1939TransmitKind {
    using Record = J1939TransmitRule;
    static constexpr auto attributes = &j1939TransmitAttributes;
    static constexpr auto read = &readJ1939TransmitFile;
    static constexpr auto write = &writeJ1939TransmitFile;
    static constexpr auto check = &checkJ1939TransmitRules;
    static QString path();
};

// "Transmit J1939 Frames": the parameter groups the gateway sends on the
// J1939 network (priority, Data Page, PGN, source address, data bytes) and
// when (on request, on data change, on a timer). Every listed row is a
// rule. Reads (also in its older form) and writes J1939_Send_Frames.xml. No
// button of this variant shows it.
class TFTransmitJ1939 : public rule_editor::RecordListForm<J1939TransmitKind> {
    Q_OBJECT

public:
    // Real column indexes of the table.
    enum Column { Priority = 1, DataPage, PGN, SourceAddress, NBytes, Request, DataChange, OnTimer, SendTimer, Mnemonic };
    static constexpr int kRules = 512;

    explicit TFTransmitJ1939(QWidget* parent = nullptr);

    grid::TExColumnGrid* sga = nullptr;
    // Size of the output data array, the limit of all data bytes.
    int NUM_BYTE_OUT = kJ1939OutputBytes;

protected:
    void prepareShow() override;
    int dataArrayBytes() const override { return NUM_BYTE_OUT; }
};

}  // namespace j1939
