#pragma once

// The project files of the CANopen editors: PDO_CANopen.xml,
// SDO_Client_CANopen.xml and SDO_Server_CANopen.xml. Each has a root, the
// comment "SW_VERSION = 1.003" after it and two lists of `row` elements,
// one per table, whose attributes are the cell texts of the table's columns
// 1 .. n in column order.

#include <array>
#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace canopen {

inline const QString kCANopenFileVersion = QStringLiteral("SW_VERSION = 1.003");

// The rows of a two-list file, one list per table, in page order.
template <typename Row>
using TwoLists = std::array<std::vector<Row>, 2>;

// A two-list file: its root, its list elements and the attributes of each
// list's rows in file order.
template <typename Row>
struct TwoListFileLayout {
    QString root;
    std::array<QString, 2> lists;
    std::array<std::vector<ethercat_mqtt::RowAttribute<Row>>, 2> attributes;
};

// Reads a two-list file (see ProjectFileRead; a missing file gives no
// rows); a missing attribute reads as empty text. A root holding neither
// list is not this file: an error naming the first list. A root lacking one
// list gives that table no rows.
template <typename Row>
ethercat_mqtt::ProjectFileRead readTwoLists(const QString& path, platform::XmlDocument& doc,
                                            const TwoListFileLayout<Row>& layout, TwoLists<Row>& tables)
{
    namespace io = ethercat_mqtt::project_file_io;
    tables = {};
    platform::XmlElement root;
    ethercat_mqtt::ProjectFileRead result = io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    const platform::XmlElement lists[2] = {root.child(layout.lists[0]), root.child(layout.lists[1])};
    if (lists[0].isNull() && lists[1].isNull()) {
        io::list(root, layout.lists[0], path, result);
        return result;
    }
    for (size_t t = 0; t < 2; ++t)
        tables[t] = io::readRows(lists[t], layout.attributes[t]);
    return result;
}

// Writes the file whole; false with `error` set when it cannot be written.
template <typename Row>
bool writeTwoLists(const QString& path, platform::XmlDocument& doc, const TwoListFileLayout<Row>& layout,
                   const TwoLists<Row>& tables, QString* error)
{
    namespace io = ethercat_mqtt::project_file_io;
    platform::XmlElement root = io::start(doc, layout.root, kCANopenFileVersion);
    for (size_t t = 0; t < 2; ++t)
        io::writeRows(root.appendChild(layout.lists[t]), tables[t], layout.attributes[t]);
    return doc.save(path, error);
}

// ---------------------------------------------------------------- PDO_CANopen.xml

enum PDOTable { ReceivePDO = 0, TransmitPDO = 1 };

// One PDO rule; a receive rule has a TimeOut, a transmit rule a Send_Time
// and an On_Change.
struct PDORule {
    QString COB_ID;
    QString Dimension;
    QString Address_B1, Address_B2, Address_B3, Address_B4, Address_B5, Address_B6, Address_B7, Address_B8;
    QString TimeOut;
    QString Send_Time;
    QString On_Change;
    QString Mnemonic;
};

// Root PDO_CANopen, lists Receive_PDO and Transmit_PDO.
const TwoListFileLayout<PDORule>& pdoFileLayout();

// ---------------------------------------------------------------- SDO_Client_CANopen.xml

enum SDOTable { SDORead = 0, SDOWrite = 1 };

// One request of the SDO client; a read request has a TimeOut, a write
// request an On_Change (before its addresses).
struct SDORequest {
    QString Device_ID;
    QString Index;
    QString SubIndex;
    QString NByte;
    QString Poll_Time;
    QString On_Change;
    QString Address_B1, Address_B2, Address_B3, Address_B4;
    QString TimeOut;
    QString Mnemonic;
};

// Root SDO_Client_CANopen, lists SDO_Read and SDO_Write.
const TwoListFileLayout<SDORequest>& sdoClientFileLayout();

// ---------------------------------------------------------------- SDO_Server_CANopen.xml

// One object the SDO server offers; both lists have the same attributes.
struct SDOObject {
    QString Index;
    QString SubIndex;
    QString NByte;
    QString Address_B1, Address_B2, Address_B3, Address_B4;
    QString Mnemonic;
};

// Root SDO_Server_CANopen, lists SDO_Read and SDO_Write.
const TwoListFileLayout<SDOObject>& sdoServerFileLayout();

}  // namespace canopen
