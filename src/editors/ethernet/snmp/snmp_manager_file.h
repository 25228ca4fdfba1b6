#pragma once

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace snmp {

// One request of SNMP_Manager.xml: the attribute texts as the manager
// editor writes them (user names and pass phrases in clear).
struct SNMPManagerRow {
    QString Enable = QStringLiteral("Y");
    QString IP_Address;
    QString Version;
    QString Community_String;
    QString OID;
    QString Type;
    QString Mode;
    QString On_Change = QStringLiteral("N");
    QString On_Command = QStringLiteral("N");
    QString On_Timer = QStringLiteral("N");
    QString Time;
    QString Position;
    QString Number_Bytes;
    QString ConvertFrom = QStringLiteral("None");
    QString Cancel = QStringLiteral("N");
    QString User;
    QString Auth_Pass;
    QString Priv_Pass;
    QString Security_Level;
    QString Auth_Mode;
    QString Priv_Mode;
    QString Mnemonic;
};

// Reads SNMP_Manager.xml: the root's child elements in order, one request
// each. A missing Enable reads as "Y"; a missing On_Change, On_Command,
// On_Timer or Cancel as "N"; a missing ConvertFrom as "None"; any other
// missing attribute as empty text. A file that cannot be parsed sets the
// error of the result (see ethercat_mqtt::ProjectFileRead).
ethercat_mqtt::ProjectFileRead readSNMPManagerFile(const QString& path, platform::XmlDocument& doc,
                                                   std::vector<SNMPManagerRow>& rows);

// Writes SNMP_Manager.xml whole; false with `error` set when it cannot be
// written.
bool writeSNMPManagerFile(const QString& path, platform::XmlDocument& doc, const std::vector<SNMPManagerRow>& rows,
                          QString* error = nullptr);

}  // namespace snmp
