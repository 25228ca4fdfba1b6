#pragma once

// The project files of the CAN frame editors: CAN_Rec_Frames.xml (root
// Receive_Frames) and CAN_Send_Frames.xml (root Transmit_Frames), each with
// its `row` elements directly under the root and the comment
// "SW_VERSION = 1.001" after it. A row's attributes are the cell texts of
// the table's columns 1 .. n, in column order.

#include <array>
#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace can_editors {

// The identifier widths a rule's Type cell offers.
inline const QString kCAN20A = QStringLiteral("2.0A (11 bits)");
inline const QString kCAN20B = QStringLiteral("2.0B (29 bits)");

// One receive rule as the file holds it.
struct CANReceiveFrame {
    QString Enable;
    QString COBID;
    QString CAN_Type;
    QString Dim;
    QString TimeOut;
    QString Byte1, Byte2, Byte3, Byte4, Byte5, Byte6, Byte7, Byte8;
    QString Mnemonic;
};

// One transmit rule as the file holds it.
struct CANTransmitFrame {
    QString Enable;
    QString COBID;
    QString CAN_Type;
    QString Dim;
    QString OnChange;
    QString OnCMD;
    QString OnTimer;
    QString Time;
    QString Byte1, Byte2, Byte3, Byte4, Byte5, Byte6, Byte7, Byte8;
    QString Mnemonic;
};

// The array positions of data bytes 1 .. 8 of a frame, in byte order.
template <typename Frame>
constexpr std::array<QString Frame::*, 8> kFrameBytes = {&Frame::Byte1, &Frame::Byte2, &Frame::Byte3,
                                                         &Frame::Byte4, &Frame::Byte5, &Frame::Byte6,
                                                         &Frame::Byte7, &Frame::Byte8};

// The attributes of a row, in file order (the order of the table's columns
// from column 1).
const std::vector<ethercat_mqtt::RowAttribute<CANReceiveFrame>>& canReceiveAttributes();
const std::vector<ethercat_mqtt::RowAttribute<CANTransmitFrame>>& canTransmitAttributes();

// Reads CAN_Rec_Frames.xml (see ProjectFileRead: a missing file gives no
// rows). A row lacking Enable reads "Y", lacking TimeOut "0"; any other
// missing attribute reads as empty text.
ethercat_mqtt::ProjectFileRead readCANReceiveFile(const QString& path, platform::XmlDocument& doc,
                                                  std::vector<CANReceiveFrame>& frames);

// Reads CAN_Send_Frames.xml. A row lacking Enable reads "Y", CAN_Type
// "2.0A (11 bits)", OnChange "Y", OnCMD "N", OnTimer "N"; lacking Time it
// reads "0" when its OnTimer is "Y" and stays empty otherwise.
ethercat_mqtt::ProjectFileRead readCANTransmitFile(const QString& path, platform::XmlDocument& doc,
                                                   std::vector<CANTransmitFrame>& frames);

// Write the file whole; false with `error` set when it cannot be written.
bool writeCANReceiveFile(const QString& path, platform::XmlDocument& doc, const std::vector<CANReceiveFrame>& frames,
                         QString* error = nullptr);
bool writeCANTransmitFile(const QString& path, platform::XmlDocument& doc,
                          const std::vector<CANTransmitFrame>& frames, QString* error = nullptr);

}  // namespace can_editors
