#pragma once

// IEC_61850_Client.xml, the project file of the IEC 61850 client access
// editor, without a window: the catalog of IEDs (the SCL copies in the
// project's ICD_Catalog folder), the attribute table and the data-set table
// with each data set's members. Every value is a text as the editor shows
// it; the file holds no SCL content.

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace iec61850 {

using ethercat_mqtt::ProjectFileRead;

// One catalog IED: its name and the name of its SCL file in the catalog folder.
struct ClientIcdFile {
    QString Name;
    QString FileName;
    bool operator==(const ClientIcdFile&) const = default;
};

// One row of the attribute table.
struct ClientDaItem {
    QString Index;
    QString bType;
    QString fc;
    QString Reference;
    QString StartByte;
    QString NumByte;
    QString IPAddress;
    QString Port;
    QString OnChange;
    QString OnCMD;
    QString OnTimer;
    QString Time;
    QString Position;
    QString StartBit;
    QString ReadWrite;
    QString Convertion;
    QString MoltFact;
    QString Mnemonic;
    bool operator==(const ClientDaItem&) const = default;
};

// One member of a selected data set with the user's mapping.
struct ClientDataSetMemberItem {
    QString bType;
    QString Reference;
    QString Position;
    QString StartBit;
    QString Convertion;
    QString MoltFact;
    QString Mnemonic;
    bool operator==(const ClientDataSetMemberItem&) const = default;
};

// One row of the data-set table with its data set's members.
struct ClientDataSetItem {
    QString Index;
    QString Reference;
    QString GooseName;
    QString EnGoose;
    QString IPAddress;
    QString Port;
    QString Time;
    QString Mnemonic;
    std::vector<ClientDataSetMemberItem> members;
    bool operator==(const ClientDataSetItem&) const = default;
};

struct IEC61850ClientFile {
    std::vector<ClientIcdFile> catalog;
    std::vector<ClientDaItem> attributes;
    std::vector<ClientDataSetItem> dataSets;
    bool operator==(const IEC61850ClientFile&) const = default;
};

// The attributes of each item element, in file order.
const std::vector<ethercat_mqtt::RowAttribute<ClientIcdFile>>& icdFileAttributes();
const std::vector<ethercat_mqtt::RowAttribute<ClientDaItem>>& daItemAttributes();
const std::vector<ethercat_mqtt::RowAttribute<ClientDataSetItem>>& dataSetItemAttributes();
const std::vector<ethercat_mqtt::RowAttribute<ClientDataSetMemberItem>>& dataSetMemberAttributes();

// Reads IEC_61850_Client.xml. The root must be IEC_68850_Client; a missing
// list element (List_ICD_Files, List_DA_Selected, List_DataSet_Selected,
// or a data set's DataSet_List_DAs) reads as an empty list, a missing
// attribute as empty text; item elements are taken by position. A missing
// file leaves `data` empty; a file that is not XML, or whose root is
// another element (it is no client file), is an error.
ProjectFileRead readIEC61850ClientFile(const QString& path, platform::XmlDocument& doc, IEC61850ClientFile& data);

// Writes IEC_61850_Client.xml whole: the root IEC_68850_Client, the comment
// "SW_VERSION = 1.000" after it, and the three lists, also when empty.
// False with `error` set when the file cannot be written.
bool writeIEC61850ClientFile(const QString& path, platform::XmlDocument& doc, const IEC61850ClientFile& data,
                             QString* error = nullptr);

}  // namespace iec61850
