#pragma once

// The CAN frame receive and transmit editors. Their buttons are hidden in
// this variant.

#include "editors/fieldbus/can/can_frame_form.h"
#include "editors/fieldbus/can/can_frame_rules.h"

namespace grid {
class TExColumnGrid;
}

namespace can_editors {

struct CANReceiveKind {
    using Record = CANReceiveFrame;
    static constexpr int kArrayBytes = kReceiveArrayBytes;
    static constexpr int kFirstByteColumn = 6;
    static constexpr auto attributes = &canReceiveAttributes;
    static constexpr auto read = &readCANReceiveFile;
    static constexpr auto write = &writeCANReceiveFile;
    static constexpr auto check = &checkCANReceiveFrames;
    static QString path();
};

struct CANTransmitKind {
    using Record = CANTransmitFrame;
    static constexpr int kArrayBytes = kTransmitArrayBytes;
    static constexpr int kFirstByteColumn = 9;
    static constexpr auto attributes = &canTransmitAttributes;
    static constexpr auto read = &readCANTransmitFile;
    static constexpr auto write = &writeCANTransmitFile;
    static constexpr auto check = &checkCANTransmitFrames;
    static QString path();
};

// "Receive CAN Frames Set Access": which CAN frames the gateway takes from
// the bus (11- or 29-bit identifier), their size and time-out, and where
// each data byte goes in the input data array (2000 bytes). Reads and
// writes CAN_Rec_Frames.xml.
class TFReceiveCAN : public CANFrameForm<CANReceiveKind> {
    Q_OBJECT

public:
    static constexpr int kFirstByteColumn = CANReceiveKind::kFirstByteColumn;

    explicit TFReceiveCAN(QWidget* parent = nullptr);
    ~TFReceiveCAN() override;

    grid::TExColumnGrid* ECG_CAN_Receive = nullptr;
};

// "Transmit CAN Frames Set Access": which CAN frames the gateway sends (on
// a change of a data byte, on a command, on a timer), their size, and where
// each data byte comes from in the output data array (2500 bytes). Reads
// and writes CAN_Send_Frames.xml.
class TFTransmitCAN : public CANFrameForm<CANTransmitKind> {
    Q_OBJECT

public:
    static constexpr int kFirstByteColumn = CANTransmitKind::kFirstByteColumn;

    explicit TFTransmitCAN(QWidget* parent = nullptr);
    ~TFTransmitCAN() override;

    grid::TExColumnGrid* ECG_CAN_Transmit = nullptr;
};

}  // namespace can_editors
