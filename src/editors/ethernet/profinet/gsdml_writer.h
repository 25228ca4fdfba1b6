#pragma once

// The PROFINET device description (GSDML) of the gateway: its file name,
// the three values it takes from ParGen.xml, its text, and the command that
// asks where to write it.

#include <cstdint>

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include "app/app_state.h"

class QWidget;

namespace profinet {

// The fixed parts of the file name around the user's part.
inline const QString kGsdmlPrefix = QStringLiteral("GSDML-V2.25-Olvenk-");
// The maker's PROFINET vendor number and this gateway family's device
// number, as DeviceIdentity writes them.
inline const QString kGsdmlVendorId = QStringLiteral("0x0B2E");
inline const QString kGsdmlDeviceId = QStringLiteral("0x4123");

namespace gsdml_texts {
constexpr int Overwrite = 4808;
constexpr int UserPartRefused = 4809;
constexpr int NotWritten = 4810;
}  // namespace gsdml_texts

// What the file is written from (ParGen.xml): the bytes the gateway
// receives from the controller, the bytes it sends to it, the station name.
struct PROFINET_Par {
    int32_t inputBytes = 1438;   // PROFINET_NB_IN
    int32_t outputBytes = 1438;  // PROFINET_NB_OUT
    QString stationName = QStringLiteral("SERIAL");  // PROFINET_NAME_STA
};

// The date part of the file name: "-" + yyyymmdd + ".xml".
QString PROFINET_Date_Part(const QDate& date);

// The file name from its parts: a user part empty after trimming gives the
// prefix and the date part alone; one that starts with "_" is put in as it
// is, any other after a "_".
QString PROFINET_File_Name(const QString& prefix, const QString& userPart, const QString& datePart);

// A user part (not empty after trimming) that cannot stand in a file name:
// a path separator, "..", or a character file names cannot hold
// (: * ? " < > | and control characters).
bool PROFINET_User_Part_Refused(const QString& userPart);

// Read_PROFINET_Par: the values of ParGen.xml at `parGenPath`; a missing
// file, a missing element or a count that is no integer gives its default,
// and a station name empty after trimming gives "SERIAL". False with
// `error` when the file exists but cannot be read.
bool Read_PROFINET_Par(const QString& parGenPath, PROFINET_Par& par, QString* error = nullptr);

// The file's lines; the station name is escaped.
QStringList Write_PROFINET_Lines(const PROFINET_Par& par);
// The file's bytes: UTF-8 with a byte-order mark, every line ended by CR LF.
QByteArray PROFINET_File_Bytes(const QStringList& lines);

// Write_PROFINET_XML: reads the project's ParGen.xml and writes the file at
// `path`, replacing it atomically. False with `error` when ParGen.xml
// cannot be read (nothing is written) or the file cannot be written.
bool Write_PROFINET_XML(const QString& path, const app::AppState& state, QString* error = nullptr);

// Save_PROFINET_XML: asks for the folder (a save dialog in the project
// folder, preset and filtered to `fileName`), writes `fileName` there, after
// asking when it exists; an error box when it cannot be written.
void Save_PROFINET_XML(const QString& fileName, const app::AppState& state, QWidget* parent = nullptr);

}  // namespace profinet
