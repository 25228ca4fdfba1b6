#pragma once

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace ethercat_mqtt {

// One process-data variable of EtherCAT_Slave.xml: the attribute texts as
// written by the variable editor.
struct EtherCATVariableRow {
    QString Enable = QStringLiteral("Y");
    QString Type;
    QString Length;
    QString Name;
    // Slave-to-master rows only; master-to-slave rows never write it.
    QString InitValue;
    QString Position;
    QString BitStart;
    QString Group;
    QString Mnemonic;

    // Enabled exactly when Enable is "Y" (case-sensitive).
    bool enabled() const { return Enable == QStringLiteral("Y"); }
};

// EtherCAT_Slave.xml: the variables of both directions, in table order.
struct EtherCATSlaveFile {
    std::vector<EtherCATVariableRow> SlaveToMaster;
    std::vector<EtherCATVariableRow> MasterToSlave;
};

// What a row without an Enable attribute means: the variable editor shows it
// enabled, the image compiler takes only rows that say "Y".
enum class MissingEnable { Enabled, Disabled };

// Reads EtherCAT_Slave.xml (see ProjectFileRead). A missing Enable becomes
// "Y" or "" as `missingEnable` says; any other missing attribute reads as
// empty text. (Master-to-slave rows are written without InitValue, but one
// that a file holds is read.) A file without
// EtherCAT_Slave_Variables or one of its two lists is an error; the lists
// found are still read.
ProjectFileRead readEtherCATSlaveFile(const QString& path, platform::XmlDocument& doc, EtherCATSlaveFile& data,
                                      MissingEnable missingEnable = MissingEnable::Enabled);

// Writes EtherCAT_Slave.xml whole (root, version comment, both lists, also
// when empty). False with `error` set when the file cannot be written.
bool writeEtherCATSlaveFile(const QString& path, platform::XmlDocument& doc, const EtherCATSlaveFile& data,
                            QString* error = nullptr);

}  // namespace ethercat_mqtt
