#pragma once

// The project files of the two Modbus master editors: ModbusM_SetAccess.xml
// (serial line, slaves by slave ID) and ModbusTCPM_SetAccess.xml (TCP,
// slaves by IP address, port and slave ID). Both hold a read list and a
// write list of `row` elements whose attributes are the cell texts of the
// table's columns 1 .. n, in column order.

#include <vector>

#include <QString>

#include "editors/ethercat_mqtt/project_files/project_file_io.h"
#include "platform/xml_document.h"

namespace ethernet_editors {

enum class ModbusMaster { Serial, Tcp };

// The tables of a Modbus editor, in page order.
enum ModbusTable { ModbusRead = 0, ModbusWrite = 1 };

// One rule as its file holds it. A serial rule has no IP_Address and Port,
// a read rule no OnChange and OnCMD, a write rule no Index_Topic.
struct ModbusRule {
    QString Enable;
    QString IP_Address;
    QString Port;
    QString Slave_ID;
    QString Type;
    QString Address;
    QString NPoint;
    QString PollTime;
    QString OnChange;
    QString OnCMD;
    QString MaxError;
    QString Position;
    QString Bit;
    QString Swap;
    QString SwapWord;
    QString Index_Topic;
    QString Mnemonic;
};

struct ModbusRuleFile {
    std::vector<ModbusRule> Read;
    std::vector<ModbusRule> Write;
};

// The attributes of a row of `table`, in file order, which is the order of
// the table's columns from column 1.
const std::vector<ethercat_mqtt::RowAttribute<ModbusRule>>& modbusAttributes(ModbusMaster master, int table);

// Reads the file (see ProjectFileRead). A row lacking Enable reads "Y",
// lacking Swap, SwapWord or OnCMD "N"; any other missing attribute reads as
// empty text (a missing Index_Topic: no topic). A file without Modbus_Read
// or Modbus_Write is an error; the list found is still read.
ethercat_mqtt::ProjectFileRead readModbusRuleFile(ModbusMaster master, const QString& path, platform::XmlDocument& doc,
                                                  ModbusRuleFile& data);

// Writes the file whole: the root of the editor, the comment
// "SW_VERSION = 1.001", Modbus_Read and Modbus_Write (also when empty).
// False with `error` set when it cannot be written.
bool writeModbusRuleFile(ModbusMaster master, const QString& path, platform::XmlDocument& doc,
                         const ModbusRuleFile& data, QString* error = nullptr);

}  // namespace ethernet_editors
