#pragma once

// The project file of the DMX default values editor, DMX_Default_Values.xml:
// one `Row` element (capital R) per channel directly under the root
// DMX_Default_Values, channel 1 first, with the attributes Default_Value
// and Mnemonic.

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace dmx {

// One channel as the file holds it.
struct DMXChannel {
    QString Default_Value;
    QString Mnemonic;
};

// The attributes of a row, in file order, which is the order of the
// table's columns from column 1.
const std::vector<ethercat_mqtt::RowAttribute<DMXChannel>>& dmxChannelAttributes();

// Reads the file (see ProjectFileRead): every element under the root is a
// channel, in document order, whatever its name; a missing attribute reads
// as empty text.
ethercat_mqtt::ProjectFileRead readDMXDefaultValuesFile(const QString& path, platform::XmlDocument& doc,
                                                        std::vector<DMXChannel>& channels);

// Writes the file whole: the root, the comment "SW_VERSION = 1.000", one Row
// per channel. False with `error` set when it cannot be written.
bool writeDMXDefaultValuesFile(const QString& path, platform::XmlDocument& doc,
                               const std::vector<DMXChannel>& channels, QString* error = nullptr);

}  // namespace dmx
