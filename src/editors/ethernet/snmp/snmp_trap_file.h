#pragma once

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace snmp {

// One read variable of SNMP_Trap.xml (a value managers read and that the
// gateway can send as a trap): the attribute texts as the agent editor
// writes them.
struct SNMPTrapReadRow {
    QString Enable = QStringLiteral("Y");
    QString Community_Name;
    QString Type;
    QString On_Change = QStringLiteral("N");
    QString On_Command = QStringLiteral("N");
    QString On_Timer = QStringLiteral("N");
    QString Time;
    QString Position;
    QString Bit;
    QString NumBits;
    QString Description;
    QString IP_Address;
    QString Conversion = QStringLiteral("None");
    QString Mnemonic;
};

// One write variable of SNMP_Trap.xml (a value managers write).
struct SNMPTrapWriteRow {
    QString Enable = QStringLiteral("Y");
    QString Community_Name;
    QString Type;
    QString Position;
    QString Bit;
    QString NumBits;
    QString Description;
    QString Conversion = QStringLiteral("None");
    QString Mnemonic;
};

// SNMP_Trap.xml: both variable lists, in table order.
struct SNMPTrapFile {
    std::vector<SNMPTrapReadRow> Read;
    std::vector<SNMPTrapWriteRow> Write;
};

// Reads SNMP_Trap.xml. A missing Enable reads as `missingEnable`; a missing
// On_Change, On_Command or On_Timer as "N"; a missing Conversion as "None";
// any other missing attribute as empty text. A file lacking one of the
// lists SNMP_Trap_Read and SNMP_Trap_Write gives that list empty; a file
// that cannot be parsed, or that has neither list (it is no variable file),
// sets the error of the result (see ethercat_mqtt::ProjectFileRead).
ethercat_mqtt::ProjectFileRead readSNMPTrapFile(const QString& path, platform::XmlDocument& doc, SNMPTrapFile& data,
                                                const QString& missingEnable = QStringLiteral("Y"));

// Writes SNMP_Trap.xml whole (both lists, also when empty); false with
// `error` set when it cannot be written.
bool writeSNMPTrapFile(const QString& path, platform::XmlDocument& doc, const SNMPTrapFile& data,
                       QString* error = nullptr);

}  // namespace snmp
