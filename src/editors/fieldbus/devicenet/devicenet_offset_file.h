#pragma once

// The project file of the DeviceNet offset editor, DNETM_DefOff.xml: under
// the root Define_Offset one Nodo_DNET per slave of DNETM_Net.xml, in the
// same order (the file does not name the slaves: the n-th node belongs to
// the n-th slave), each holding ByteIN and ByteOUT with one `row` per byte
// (byte 0 first) whose attributes are Offset ("None" or the position in the
// gateway's data array) and Mnemonic.

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace devicenet {

// One byte of a slave as the file holds it.
struct DeviceNetByte {
    QString Offset;
    QString Mnemonic;
};

// The bytes of one slave.
struct DeviceNetNode {
    std::vector<DeviceNetByte> ByteIN;
    std::vector<DeviceNetByte> ByteOUT;
};

// Reads the file (see ProjectFileRead): every element under the root is a
// node, in document order; a node without ByteIN or ByteOUT has no bytes
// there; a missing attribute reads as empty text.
ethercat_mqtt::ProjectFileRead readDeviceNetOffsetFile(const QString& path, platform::XmlDocument& doc,
                                                       std::vector<DeviceNetNode>& nodes);

// Writes the file whole: the root, the comment "SW_VERSION = 1.000", one
// Nodo_DNET per node with both lists (also when empty). False with `error`
// set when it cannot be written.
bool writeDeviceNetOffsetFile(const QString& path, platform::XmlDocument& doc, const std::vector<DeviceNetNode>& nodes,
                              QString* error = nullptr);

}  // namespace devicenet
