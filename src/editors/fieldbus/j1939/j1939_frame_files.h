#pragma once

// The project files of the J1939 frame editors: J1939_Rec_Frames.xml (root
// Receive_J1939) and J1939_Send_Frames.xml (root Transmit_J1939), each with
// one `row` per rule directly under the root, whose attributes are the
// cell texts of the table's columns 1 .. 10, and the comment
// "SW_VERSION = 1.000".

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace j1939 {

// One receive rule as the file holds it.
struct J1939ReceiveRule {
    QString DP;
    QString PGN;
    QString SA;
    QString TP;
    QString TP_Start;
    QString TP_NByte;
    QString Delete;
    QString OnRequest;
    QString OnReq_Time;
    QString Mnemonic;
};

// One transmit rule as the file holds it.
struct J1939TransmitRule {
    QString Priority;
    QString DP;
    QString PGN;
    QString SA;
    QString TP_NByte;
    QString On_Request;
    QString On_Data_Change;
    QString On_Timer;
    QString SendTimer;
    QString Mnemonic;
};

// The attributes of a row, in file order, which is the order of the
// table's columns from column 1.
const std::vector<ethercat_mqtt::RowAttribute<J1939ReceiveRule>>& j1939ReceiveAttributes();
const std::vector<ethercat_mqtt::RowAttribute<J1939TransmitRule>>& j1939TransmitAttributes();

// Reads J1939_Rec_Frames.xml (see ProjectFileRead): every element under
// the root is a rule. A missing TP, Delete or OnRequest reads "N", a
// missing OnReq_Time "1000", any other missing attribute empty text.
ethercat_mqtt::ProjectFileRead readJ1939ReceiveFile(const QString& path, platform::XmlDocument& doc,
                                                    std::vector<J1939ReceiveRule>& rules);

// Reads J1939_Send_Frames.xml. An empty or missing TP_NByte reads "8". A row
// of the older form, with T_Type instead of the three triggers, sends on
// data change when T_Type is "ON DATA CHANGE" and on the timer when it is
// "ON TIMER" (in any case), and on nothing else; the triggers of a newer
// row read "N" when missing. Any other missing attribute reads as empty.
ethercat_mqtt::ProjectFileRead readJ1939TransmitFile(const QString& path, platform::XmlDocument& doc,
                                                     std::vector<J1939TransmitRule>& rules);

// Write the files whole (the newer form). False with `error` set when the
// file cannot be written.
bool writeJ1939ReceiveFile(const QString& path, platform::XmlDocument& doc, const std::vector<J1939ReceiveRule>& rules,
                           QString* error = nullptr);
bool writeJ1939TransmitFile(const QString& path, platform::XmlDocument& doc,
                            const std::vector<J1939TransmitRule>& rules, QString* error = nullptr);

}  // namespace j1939
