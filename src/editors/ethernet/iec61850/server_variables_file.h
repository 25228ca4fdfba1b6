#pragma once

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace iec61850 {

using ethercat_mqtt::ProjectFileRead;

// One variable of IEC61850_Variables.xml: a value the gateway publishes as
// an IEC 61850 server, every text as the editor shows it.
struct IEC61850VariableRow {
    QString Enable = QStringLiteral("Y");
    QString Name;
    QString Type;
    QString Length;
    QString ReadOnly;
    QString Position;
    QString StartBit;
    QString Conversion;
    QString MultiplicationFactor;
    QString Swap;
    QString SwapWord;
    QString Mnemonic;
    bool operator==(const IEC61850VariableRow&) const = default;
};

// Reads IEC61850_Variables.xml: every child element of the root is a row, in
// order. A missing Enable reads as "Y", a missing ReadOnly, Swap or SwapWord
// as "N", any other missing attribute as empty text. A missing file leaves
// `rows` empty; a file that is not XML is an error.
ProjectFileRead readIEC61850VariablesFile(const QString& path, platform::XmlDocument& doc,
                                          std::vector<IEC61850VariableRow>& rows);

// Writes IEC61850_Variables.xml whole: the root IEC61850_Variables, the
// comment "SW_VERSION = 1.000" after it, and one `row` element per variable
// under the root. False with `error` set when the file cannot be written.
bool writeIEC61850VariablesFile(const QString& path, platform::XmlDocument& doc,
                                const std::vector<IEC61850VariableRow>& rows, QString* error = nullptr);

}  // namespace iec61850
