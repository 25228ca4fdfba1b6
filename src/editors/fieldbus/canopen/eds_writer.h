#pragma once

// The CANopen electronic data sheet (EDS, "EDSVersion=4.0") of the
// gateway's CANopen side: the fixed communication objects, one receive and
// one transmit PDO per rule of PDO_CANopen.xml with the objects that hold
// their data bytes, and one manufacturer object per index of
// SDO_Server_CANopen.xml. Plain routines from the project files to text;
// the main window's step asks where to write it.

#include <vector>

#include <QDateTime>
#include <QString>
#include <QStringList>

class QWidget;

namespace app {
struct AppState;
}

namespace platform {
class XmlDocument;
}

namespace canopen {

// The most PDOs of each direction the data sheet describes: the first 30
// rows of each list.
constexpr int kMaxEDSPDOs = 30;

struct PDO_Info {
    qint32 COB_ID = 0;
    qint32 Dimension = 8;  // number of data bytes
};

// One sub-index of a manufacturer object.
struct SDO_Sub_Type {
    quint8 Sub = 0;
    quint8 Quantity = 0;  // size of the value in bytes: 1, 2 or 4
    bool Readonly = false;
    QString Mnemonic;  // always empty
};

// One manufacturer object with its sub-indexes.
struct SDO_Index {
    quint16 Index = 0;
    std::vector<SDO_Sub_Type> Sub_Indexs;
};

// What the data sheet describes.
struct EDSObjects {
    std::vector<PDO_Info> RX_PDO_Table;  // in file order, at most 30
    std::vector<PDO_Info> TX_PDO_Table;
    std::vector<SDO_Index> SDO_List;  // in order of first appearance
};

// Load_PDO_List: the receive and transmit PDOs of PDO_CANopen.xml at
// `path`, the first 30 rows of each list; a COB-ID that is no whole number
// reads 0, a Dimension 8. A missing file gives none. Returns why the file
// cannot be used (not XML, or neither list), empty when all went well.
QString Load_PDO_List(const QString& path, platform::XmlDocument& doc, EDSObjects& objects);

// Load_SDO_List: appends the objects of SDO_Server_CANopen.xml at `path`,
// the read list (read-only) then the write list, each row one sub-index of
// the object of its Index (rows with the same index and sub-index are not
// merged). A missing file gives none. Returns why the file cannot be used:
// not XML, neither list, or an Index, SubIndex or NByte that is missing or
// no whole number.
QString Load_SDO_List(const QString& path, platform::XmlDocument& doc, EDSObjects& objects);

// The position of the first object with this index in `list`, or -1.
int Find_SDO_Index(const std::vector<SDO_Index>& list, int index);

// Sorts every object's sub-indexes by Sub; equal ones keep their order.
void Sort_SDO_Sub_Indexs(std::vector<SDO_Index>& list);

// The creation time on a 12-hour clock, "hh:mmAM" / "hh:mmPM" (00:10 is
// "12:10AM", 12:30 "12:30PM"), and the date "mm-dd-yyyy".
QString EDS_Time_Text(const QTime& time);
QString EDS_Date_Text(const QDate& date);

// The data sheet's lines (without line ends), created at `now`.
QStringList EDS_Lines(const EDSObjects& objects, const QDateTime& now);

// Write_EDS_File: reads the project's PDO and SDO server files (into `doc`)
// and writes the data sheet to `target` in the system's 8-bit code page,
// each line ended by CR LF, replacing any file there. False with `error`
// set when a project file cannot be used (nothing is written then) or the
// target cannot be written.
bool Write_EDS_File(const QString& target, const app::AppState& state, platform::XmlDocument& doc,
                    const QDateTime& now, QString* error = nullptr);

// The main window's CANopen EDS step: the save dialog (starting in the
// project's folder, "*.eds", no overwrite question), then the data sheet
// written there; a failure is shown in an error box.
void Build_EDS_File(const app::AppState& state, platform::XmlDocument& doc, QWidget* parent = nullptr);

}  // namespace canopen
