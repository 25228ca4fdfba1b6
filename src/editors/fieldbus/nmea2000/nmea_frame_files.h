#pragma once

// The project files of the NMEA 2000 frame editors: NMEA_Rec_Frames.xml and
// NMEA_Send_Frames.xml, each with one `row` per rule directly under the
// root, whose attributes are the cell texts of the table's columns, and the
// comment "SW_VERSION = 1.001". Both roots are named Receive_NMEA_2000 (the
// transmit file's too); the readers do not look at the root's name.

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace nmea2000 {

// One receive rule as the file holds it.
struct NMEAReceiveRule {
    QString PGN;
    QString SA;
    QString TP;
    QString FP;
    QString TP_Start;
    QString TP_NByte;
    QString Delete;
    QString Mnemonic;
};

// One transmit rule as the file holds it.
struct NMEATransmitRule {
    QString Priority;
    QString PGN;
    QString SA;
    QString FP;
    QString TP_NByte;
    QString On_Request;
    QString On_Data_Change;
    QString On_Timer;
    QString SendTimer;
    QString Mnemonic;
};

// The attributes of a row, in file order, which is the order of the
// table's columns from column 1.
const std::vector<ethercat_mqtt::RowAttribute<NMEAReceiveRule>>& nmeaReceiveAttributes();
const std::vector<ethercat_mqtt::RowAttribute<NMEATransmitRule>>& nmeaTransmitAttributes();

// Read the files (see ProjectFileRead): every element under the root is a
// rule. A missing check box (receive TP, FP and Delete; transmit FP and the
// three triggers) reads "N", any other missing attribute empty text.
ethercat_mqtt::ProjectFileRead readNMEAReceiveFile(const QString& path, platform::XmlDocument& doc,
                                                   std::vector<NMEAReceiveRule>& rules);
ethercat_mqtt::ProjectFileRead readNMEATransmitFile(const QString& path, platform::XmlDocument& doc,
                                                    std::vector<NMEATransmitRule>& rules);

// Write the files whole. False with `error` set when the file cannot be
// written.
bool writeNMEAReceiveFile(const QString& path, platform::XmlDocument& doc, const std::vector<NMEAReceiveRule>& rules,
                          QString* error = nullptr);
bool writeNMEATransmitFile(const QString& path, platform::XmlDocument& doc,
                           const std::vector<NMEATransmitRule>& rules, QString* error = nullptr);

}  // namespace nmea2000
