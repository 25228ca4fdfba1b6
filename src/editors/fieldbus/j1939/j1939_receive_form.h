#pragma once

#include "editors/ethercat_mqtt/rule_editor/record_list_form.h"
#include "editors/fieldbus/j1939/j1939_frame_rules.h"

namespace grid {
class TExColumnGrid;
}

namespace j1939 {

struct J1939ReceiveKind {
    using Record = J1939ReceiveRule;
    static constexpr auto attributes = &j1939ReceiveAttributes;
    static constexpr auto read = &readJ1939ReceiveFile;
    static constexpr auto write = &writeJ1939ReceiveFile;
    static constexpr auto check = &checkJ1939ReceiveRules;
    static QString path();
};

// "Receive J1939 Frames": the parameter groups the gateway captures on the
// J1939 network (Data Page, PGN, source address), how they arrive, which
// of their bytes it keeps, and whether it requests them periodically. Every
// listed row is a rule. Reads and writes J1939_Rec_Frames.xml. No button of
// this variant shows it.
class TFReceiveJ1939 : public rule_editor::RecordListForm<J1939ReceiveKind> {
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
    void prepareShow() override;
    int dataArrayBytes() const override { return NUM_BYTE_IN; }
};

}  // namespace j1939
