#pragma once

// The BACnet project files hold two lists of rows under their root (read,
// then write); this loads such a file and finds both.

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace bacnet {

// Loads `path` into `doc` and finds the list elements `firstName` and
// `secondName` under its root (a missing one stays null). A file that cannot
// be parsed, or that has neither list (it is no file of this kind), sets the
// error of the result; a missing file gives two null lists and no error.
ethercat_mqtt::ProjectFileRead loadListPair(const QString& path, platform::XmlDocument& doc, const QString& firstName,
                                            const QString& secondName, platform::XmlElement& first,
                                            platform::XmlElement& second);

}  // namespace bacnet
