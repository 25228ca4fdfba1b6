#pragma once

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace ethernet_ip {

using ethercat_mqtt::ProjectFileRead;

// One rule of EtherNetIP_Master_Rules.xml: an adapter the scanner connects
// to, every value as the editor shows it.
struct EtherNetIPScannerRow {
    QString Enable;
    QString IP_Address;
    QString Start_Input;
    QString Num_Input;
    QString Start_Output;
    QString Num_Output;
    QString Time_Poll;
    QString Instance_T_O;
    QString Connection_Point_T_O;
    QString Instance_O_T;
    QString Connection_Point_O_T;
    QString Dim_Header_T_O;
    QString Dim_Header_O_T;
    QString Mnemonic;
    bool operator==(const EtherNetIPScannerRow&) const = default;
};

// Reads EtherNetIP_Master_Rules.xml: every child element of the root is a
// row, in order. A missing attribute gives its default: Enable "N",
// Dim_Header_T_O and Dim_Header_O_T "Default", the others empty. A missing
// file leaves `rows` empty; a file that is not XML is an error.
ProjectFileRead readEtherNetIPScannerFile(const QString& path, platform::XmlDocument& doc,
                                          std::vector<EtherNetIPScannerRow>& rows);

// Writes EtherNetIP_Master_Rules.xml whole: the root
// EtherNetIP_Master_Access, the comment "SW_VERSION = 1.000" after it, and
// one `row` element per rule under the root. False with `error` set when
// the file cannot be written.
bool writeEtherNetIPScannerFile(const QString& path, platform::XmlDocument& doc,
                                const std::vector<EtherNetIPScannerRow>& rows, QString* error = nullptr);

}  // namespace ethernet_ip
