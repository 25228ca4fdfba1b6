#pragma once

// The project file of the DeviceNet network editor, DNETM_Net.xml: one
// `row` per slave directly under the root DNET_Net, with the attributes ID,
// NB_IN, NB_OUT and Mnemonic (the cell texts of the table's columns 1 .. 4).
// The DeviceNet offset editor reads it too, for the slaves and their byte
// counts.

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace devicenet {

// One slave as the file holds it.
struct DeviceNetSlave {
    QString ID;
    QString NB_IN;
    QString NB_OUT;
    QString Mnemonic;
};

// The attributes of a row, in file order, which is the order of the
// table's columns from column 1.
const std::vector<ethercat_mqtt::RowAttribute<DeviceNetSlave>>& deviceNetSlaveAttributes();

// Reads the file (see ProjectFileRead): every element under the root is a
// slave, in document order; a missing attribute reads as empty text.
ethercat_mqtt::ProjectFileRead readDeviceNetNetworkFile(const QString& path, platform::XmlDocument& doc,
                                                        std::vector<DeviceNetSlave>& slaves);

// Writes the file whole: the root, the comment "SW_VERSION = 1.000", one row
// per slave. False with `error` set when it cannot be written.
bool writeDeviceNetNetworkFile(const QString& path, platform::XmlDocument& doc,
                               const std::vector<DeviceNetSlave>& slaves, QString* error = nullptr);

}  // namespace devicenet
