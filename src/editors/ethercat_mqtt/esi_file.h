#pragma once

#include <cstdint>
#include <vector>

#include <QString>
#include <QStringList>

#include "app/app_state.h"

class QWidget;

namespace platform {
class XmlDocument;
}

namespace ethercat_mqtt {

// The maker's EtherCAT vendor number and this gateway's product code, as the
// ESI file writes them (8 hexadecimal digits each).
inline const QString kEsiVendorId = QStringLiteral("00000B2E");
inline const QString kEsiProductCode = QStringLiteral("0041A017");

// One process-data entry of the ESI file.
struct TEtherCAT_Rule {
    QString DataType;
    int64_t Length = 0;  // bits
    QString Name;
};

// What the ESI file is written from: the device identity of ParGen.xml and
// the enabled variables of EtherCAT_Slave.xml.
struct ESI_Data {
    QString deviceName = QStringLiteral("EtherCAT Slave");
    uint32_t revision = 0;
    QString productCode = kEsiProductCode;
    uint16_t nodeAddress = 1;
    // The node address as 4 hexadecimal digits, low byte first.
    QString nodeText = QStringLiteral("0100");
    std::vector<TEtherCAT_Rule> slaveToMaster;  // the master's inputs
    std::vector<TEtherCAT_Rule> masterToSlave;  // the master's outputs
    qint64 inputBytes = 0;
    qint64 outputBytes = 0;
    // Why a project file that exists could not be read, or why a variable
    // cannot be described (an Array or String whose Length is not 1 .. 255);
    // empty when all went well. No ESI file is written then.
    QString error;
};

// ESI data type and bit length of a variable type (trimmed, any case) of
// `lengthBytes` bytes; unknown types are single bits.
void ESI_Data_Type(const QString& typeName, int64_t lengthBytes, int64_t& bitLength, QString& esiType);

// "00" + n up to 9, "0" + n up to 99, n from 100.
QString Three_Digits(int n);

// Reads ParGen.xml and EtherCAT_Slave.xml of the open project; a missing
// file gives the defaults, an unreadable one or a variable that cannot be
// described sets `error`.
ESI_Data Load_ESI_Data(const app::AppState& state, platform::XmlDocument& xml);

// The ESI file's lines for `data`; every value is XML-escaped.
QStringList Write_ESI_Lines(const ESI_Data& data);

// Loads the data and writes the ESI file `fileName` (UTF-8, CR LF line
// ends), replacing it atomically. False with the reason in `error` when a
// project file cannot be read (nothing is written) or the file cannot be
// written.
bool Create_ESI_File(const QString& fileName, const app::AppState& state, platform::XmlDocument& xml,
                     QString* error = nullptr);

// The main window's command: asks where to save (starting in the project's
// folder), asks before overwriting, writes the file and shows an error box
// when it cannot be written.
void Build_ESI_File(const app::AppState& state, platform::XmlDocument& xml, QWidget* parent = nullptr);

}  // namespace ethercat_mqtt
