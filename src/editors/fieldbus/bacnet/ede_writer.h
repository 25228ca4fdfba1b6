#pragma once

// The BACnet EDE file of the gateway's own BACnet server: seven header lines
// and one ';'-separated line per object of BACnet_Slave.xml, so that a
// client's tool (the client editor's EDE import among them) can take the
// gateway's objects.

#include <vector>

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "editors/fieldbus/bacnet/bacnet_server_file.h"

class QWidget;

namespace app {
struct AppState;
}

namespace params {
class ParGenFile;
}

namespace platform {
class XmlDocument;
}

namespace bacnet {

// One object line of the EDE file.
struct TBACnet_EDE_Obj {
    QString Keyname;
    QString DevObjInstance;
    QString ObjectName;
    QString ObjectType;
    QString ObjectInstance;
    QString Description;
    QString UnitCode;
    bool operator==(const TBACnet_EDE_Obj&) const = default;
};

// What ParGen.xml says of the gateway's BACnet server.
struct EDE_Device {
    // BACnet_Ser_DEV_IDE when BACnet_Type is 1 (MS/TP), else
    // BACnet_DEV_IDE; empty when that element is missing.
    QString instance;
    // BACnet_Desc_Chars_Limit is "1": object names of 32 characters, not 16.
    bool longNames = false;
};

// Read_EDE_Device_Data over a ParGen.xml as read (a missing file gives the
// defaults).
EDE_Device Read_EDE_Device_Data(const params::ParGenFile& parGen);

// The BACnet object type of a server object kind (trimmed, any case); 0 for
// a kind it does not know.
int Get_EDE_Object_Type(const QString& kind);

// The object lines of the server's objects, the read objects then the write
// objects: each type numbers its objects from 0; the object name and the
// description are the mnemonic's first 16 (long names: 32) characters, the
// keyname the device instance, "_", the whole mnemonic, "_" and the instance.
std::vector<TBACnet_EDE_Obj> Load_EDE_Objects(const EDE_Device& device, const BACnetServerFile& objects);

// "hh:mm:ss dd/mm/yyyy" of a local time.
QString Get_EDE_TimeStamp(const QDateTime& time);

// A value as the file writes it: ";", CR and LF, which would break its
// columns or lines, become blanks.
QString edeField(const QString& value);

// The file's lines: the header (with the project's name and the timestamp),
// then one line per object, each of its seven fields followed by ";".
QStringList EDE_File_Lines(const QString& projectName, const QString& timestamp,
                           const std::vector<TBACnet_EDE_Obj>& objects);

// Create_EDE_File: reads ParGen.xml and BACnet_Slave.xml of the open project
// (into `doc`) and writes the EDE file `path` in the system's 8-bit code
// page, each line ended by CR LF, replacing it atomically. A missing project
// file gives its defaults (no objects: the header alone). False with the
// reason in `error` when a project file cannot be read (nothing is written)
// or the file cannot be written.
bool Create_EDE_File(const QString& path, const app::AppState& state, platform::XmlDocument& doc,
                     QString* error = nullptr, const QDateTime& now = QDateTime::currentDateTime());

// The main window's BACnet EDE step: asks where to save (starting in the
// project's folder; ".csv" added to a name that does not end with it), asks
// before replacing a file, and writes it; a failure is shown in an error box.
void Build_EDE_File(const app::AppState& state, platform::XmlDocument& doc, QWidget* parent = nullptr);

}  // namespace bacnet
