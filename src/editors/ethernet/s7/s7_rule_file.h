#pragma once

// The project file of the S7 client editor, S7_Protocol.xml: a read list
// and a write list of `row` elements whose attributes are the cell texts of
// the table's columns 1 .. n, in column order.

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace ethernet_editors {

// The tables of the S7 editor, in page order.
enum S7Table { S7Read = 0, S7Write = 1 };

// One rule as the file holds it; a read rule has no OnChange and OnCMD.
struct S7Rule {
    QString Enable;
    QString PLC_Address;
    QString PLC_Port;
    QString PLC_Type;
    QString Rack;
    QString Slot;
    QString Data_Type;
    QString Data_Identifier;
    QString DB_Number;
    QString PLC_Area;
    QString PLC_Add;
    QString PLC_Bit;
    QString PollTime;
    QString OnChange;
    QString OnCMD;
    QString Position;
    QString Bit;
    QString Swap;
    QString SwapWord;
    QString Mnemonic;
};

struct S7RuleFile {
    std::vector<S7Rule> Read;
    std::vector<S7Rule> Write;
};

// The attributes of a row of `table`, in file order, which is the order of
// the table's columns from column 1.
const std::vector<ethercat_mqtt::RowAttribute<S7Rule>>& s7Attributes(int table);

// Reads the file (see ProjectFileRead). A row lacking Enable reads "Y",
// lacking Rack or Slot "0"; any other missing attribute reads as empty
// text. A file without S7_Protocol_Read or S7_Protocol_Write is an error;
// the list found is still read.
ethercat_mqtt::ProjectFileRead readS7RuleFile(const QString& path, platform::XmlDocument& doc, S7RuleFile& data);

// Writes the file whole: the root S7_Protocol, the comment
// "SW_VERSION = 1.000", both lists (also when empty). False with `error`
// set when it cannot be written.
bool writeS7RuleFile(const QString& path, platform::XmlDocument& doc, const S7RuleFile& data,
                     QString* error = nullptr);

}  // namespace ethernet_editors
