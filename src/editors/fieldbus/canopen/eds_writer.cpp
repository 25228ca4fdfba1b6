#include "editors/fieldbus/canopen/eds_writer.h"

#include <algorithm>

#include "app/app_state.h"
#include "app/language.h"
#include "editors/ethercat_mqtt/rule_editor/rule_texts.h"
#include "editors/fieldbus/canopen/canopen_files.h"
#include "platform/atomic_file.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/strings.h"
#include "platform/xml_document.h"

namespace canopen {
namespace eds_detail {

// "Error!!! The file %s cannot be used for the EDS file: row %d of %s has
// no whole number in %s".
constexpr int kTextAttributeNotNumber = 2866;

const QString kFileName = QStringLiteral("EtherCAT_CANopen.eds");
const QString kProductName = QStringLiteral("EtherCAT / CANopen - Converter");
const QString kProductNumber = QStringLiteral("T08");
const QString kOrderCode = QStringLiteral("GW41T08");
const QString kVendor = QStringLiteral("Olvenk");

// The names of the data bytes of PDO i are its prefix and the byte number.
const char* const kRPDONamePrefix[kMaxEDSPDOs] = {"b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",
                                                  "aa", "ab", "ac", "ad", "ae", "af", "ag", "ah", "ai", "al",
                                                  "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
const char* const kTPDONamePrefix[kMaxEDSPDOs] = {"l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",
                                                  "ca", "cb", "cc", "cd", "ce", "cf", "cg", "ch", "ci", "cl",
                                                  "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};

constexpr int kRxCommunication = 0x1400;
constexpr int kRxMapping = 0x1600;
constexpr int kTxCommunication = 0x1800;
constexpr int kTxMapping = 0x1A00;
constexpr int kRxData = 0x7000;
constexpr int kTxData = 0x7050;

// `value` in exactly `digits` upper-case hexadecimal digits (a 32-bit
// pattern).
QString hex(qint64 value, int digits)
{
    return QStringLiteral("%1").arg(quint32(value), digits, 16, QLatin1Char('0')).toUpper().right(digits);
}

QString objectName(int index) { return hex(index, 4); }
QString subName(int index, int sub) { return objectName(index) + QStringLiteral("sub") + QString::number(sub, 16).toUpper(); }

// The lines of one object or sub-index: its keys in order. An entry
// without a default value leaves the key out.
struct Entry {
    QString parameterName;
    QString objectType;
    QString dataType;
    QString access;
    QString defaultValue;  // null: no DefaultValue line
    QString pdoMapping = QStringLiteral("0");
};

class EdsText {
public:
    void line(const QString& text) { lines_ << text; }
    void blank() { lines_ << QString(); }
    void section(const QString& name) { lines_ << u'[' + name + u']'; }
    void entry(const QString& name, const Entry& e)
    {
        section(name);
        line(QStringLiteral("ParameterName=") + e.parameterName);
        line(QStringLiteral("ObjectType=") + e.objectType);
        line(QStringLiteral("DataType=") + e.dataType);
        line(QStringLiteral("AccessType=") + e.access);
        if (!e.defaultValue.isNull())
            line(QStringLiteral("DefaultValue=") + e.defaultValue);
        line(QStringLiteral("PDOMapping=") + e.pdoMapping);
    }
    // An object of sub-indexes: SubNumber, its name and type.
    void record(const QString& name, int subNumber, const QString& parameterName, const QString& objectType)
    {
        section(name);
        line(QStringLiteral("SubNumber=") + QString::number(subNumber));
        line(QStringLiteral("ParameterName=") + parameterName);
        line(QStringLiteral("ObjectType=") + objectType);
    }
    QStringList take() { return std::move(lines_); }

private:
    QStringList lines_;
};

// A plain variable (ObjectType 0x07).
Entry variable(const QString& name, const char* dataType, const char* access, const QString& defaultValue = QString())
{
    return {name, QStringLiteral("0x07"), QString::fromLatin1(dataType), QString::fromLatin1(access), defaultValue};
}

Entry numberOfEntries(const QString& defaultValue, const char* access = "ro")
{
    return variable(QStringLiteral("Number of Entries"), "0x0005", access, defaultValue);
}

void addHead(EdsText& t, const EDSObjects& o, const QDateTime& now)
{
    const int r = int(o.RX_PDO_Table.size());
    const int s = int(o.TX_PDO_Table.size());
    const QString time = EDS_Time_Text(now.time());
    const QString date = EDS_Date_Text(now.date());
    const QStringList fileInfo = {
        "[FileInfo]",           "FileName=" + kFileName,   "FileVersion=1",           "FileRevision=0",
        "EDSVersion=4.0",       "Description=" + kProductName, "CreationTime=" + time, "CreationDate=" + date,
        "CreatedBy=" + kVendor, "ModificationTime=" + time, "ModificationDate=" + date, "ModifiedBy=" + kVendor};
    for (const QString& l : fileInfo)
        t.line(l);
    t.blank();
    const QStringList deviceInfo = {"[DeviceInfo]",
                                    "VendorName=" + kVendor,
                                    "VendorNumber=0x00",
                                    "ProductName=" + kProductName,
                                    "ProductNumber=" + kProductNumber,
                                    "RevisionNumber=0x0",
                                    "OrderCode=" + kOrderCode,
                                    "BaudRate_10=1",
                                    "BaudRate_20=1",
                                    "BaudRate_50=1",
                                    "BaudRate_125=1",
                                    "BaudRate_250=1",
                                    "BaudRate_500=1",
                                    "BaudRate_800=0",
                                    "BaudRate_1000=1",
                                    "DynamicChannelsSupported=0",
                                    "GroupMessaging=0",
                                    "LSS_Supported=0",
                                    "Granularity=0",
                                    "SimpleBootUpSlave=1",
                                    "SimpleBootUpMaster=0",
                                    "NrOfRXPDO=" + QString::number(r),
                                    "NrOfTXPDO=" + QString::number(s)};
    for (const QString& l : deviceInfo)
        t.line(l);
    t.blank();
    t.section(QStringLiteral("Comments"));
    t.line(QStringLiteral("Lines=0"));
    t.blank();
    t.section(QStringLiteral("DummyUsage"));
    for (int d = 1; d <= 7; ++d)
        t.line(QStringLiteral("Dummy%1=0").arg(d, 4, 10, QLatin1Char('0')));
    t.blank();
    t.section(QStringLiteral("MandatoryObjects"));
    for (const char* l : {"SupportedObjects=3", "1=0x1000", "2=0x1001", "3=0x1018"})
        t.line(QString::fromLatin1(l));
    t.blank();

    std::vector<int> optional = {0x1005, 0x1006, 0x1008, 0x1014, 0x1016, 0x1017, 0x1029, 0x1280};
    const auto addRange = [&optional](int base, int count) {
        for (int i = 0; i < count; ++i)
            optional.push_back(base + i);
    };
    addRange(kRxCommunication, r);
    addRange(kRxMapping, r);
    addRange(kTxCommunication, s);
    addRange(kTxMapping, s);
    addRange(kRxData, r);
    addRange(kTxData, s);
    t.section(QStringLiteral("OptionalObjects"));
    t.line(QStringLiteral("SupportedObjects=") + QString::number(optional.size()));
    for (size_t n = 0; n < optional.size(); ++n)
        t.line(QString::number(n + 1) + QStringLiteral("=0x") + objectName(optional[n]));
    t.blank();

    t.section(QStringLiteral("ManufacturerObjects"));
    t.line(QStringLiteral("SupportedObjects=") + QString::number(o.SDO_List.size()));
    for (size_t n = 0; n < o.SDO_List.size(); ++n)
        t.line(QString::number(n + 1) + QStringLiteral("=0x") + objectName(o.SDO_List[n].Index));
    t.blank();
}

// The fixed communication objects; the last one is followed directly by
// the next section.
void addFixedObjects(EdsText& t)
{
    const QString zero32 = QStringLiteral("0x00000000");
    t.entry("1000", variable("Device Type", "0x0007", "const", "0x000101A4"));
    t.blank();
    t.entry("1001", variable("Error Register", "0x0005", "ro", "0x00"));
    t.blank();
    t.entry("1005", variable("COB-ID SYNC", "0x0007", "rw", "0x80000080"));
    t.blank();
    t.entry("1006", variable("Communication Cycle Period", "0x0007", "rw", zero32));
    t.blank();
    t.entry("1008", variable("Manufacturer Device Name", "0x0009", "const", "s1"));
    t.blank();
    t.entry("1014", variable("COB-ID EMCY", "0x0007", "ro", "$NODEID+0x80"));
    t.blank();
    t.record("1016", 3, "Heartbeat Consumer Entries", "0x08");
    t.blank();
    t.entry("1016sub0", numberOfEntries("0x02"));
    t.blank();
    t.entry("1016sub1", variable("Consumer Heartbeat Time 1", "0x0007", "rw", zero32));
    t.blank();
    t.entry("1016sub2", variable("Consumer Heartbeat Time 2", "0x0007", "rw", zero32));
    t.blank();
    t.entry("1017", variable("Producer Heartbeat Time", "0x0006", "rw", "0x000003E8"));
    t.blank();
    t.record("1018", 5, "Identity Object", "0x09");
    t.blank();
    t.entry("1018sub0", variable("number of entries", "0x0005", "ro", "0x4"));
    t.blank();
    t.entry("1018sub1", variable("Vendor Id", "0x0007", "ro"));
    t.blank();
    t.entry("1018sub2", variable("Product Code", "0x0007", "ro"));
    t.blank();
    t.entry("1018sub3", variable("Revision number", "0x0007", "ro"));
    t.blank();
    t.entry("1018sub4", variable("Serial number", "0x0007", "ro"));
    t.blank();
    t.record("1029", 2, "Error Behaviour", "0x08");
    t.blank();
    t.entry("1029sub0", numberOfEntries("1"));
    t.blank();
    t.entry("1029sub1", variable("Communication Error", "0x0005", "rw", "0x0"));
    t.blank();
    t.record("1280", 4, "Client SDO Parameter 1", "0x09");
    t.blank();
    t.entry("1280sub0", numberOfEntries("0x03"));
    t.blank();
    t.entry("1280sub1", variable("COB-ID Client -> Server", "0x0007", "rw"));
    t.blank();
    t.entry("1280sub2", variable("COB-ID Server -> Client", "0x0007", "rw"));
    t.blank();
    t.entry("1280sub3", variable("Node ID of the SDO Server", "0x0005", "rw"));
}

// Object `index`: the communication parameters of a PDO with `cobId`.
void addCommunication(EdsText& t, int index, const QString& parameterName, qint32 cobId)
{
    t.record(objectName(index), 4, parameterName, QStringLiteral("0x09"));
    t.blank();
    t.entry(subName(index, 0), numberOfEntries("0x03"));
    t.blank();
    t.entry(subName(index, 1), variable("COB-ID", "0x0007", "rw", "0x" + hex(cobId, 8)));
    t.blank();
    t.entry(subName(index, 2), variable("Transmission Type", "0x0005", "rw", "0xFE"));
    t.blank();
    t.entry(subName(index, 3), variable("Inhibit Time", "0x0006", "rw", "0x0"));
    t.blank();
}

// Object `index`: the mapping of a PDO's `dimension` bytes onto the
// sub-indexes 1 .. dimension of the data object `data`, 8 bits each.
void addMapping(EdsText& t, int index, const QString& parameterName, int dimension, int data)
{
    t.record(objectName(index), dimension + 1, parameterName, QStringLiteral("0x09"));
    t.blank();
    t.entry(subName(index, 0), numberOfEntries("0x" + hex(dimension, 2)));
    t.blank();
    for (int j = 1; j <= dimension; ++j) {
        t.entry(subName(index, j), variable("Mapping Entry " + QString::number(j), "0x0007", "ro",
                                            "0x" + hex(data, 4) + hex(j, 2) + QStringLiteral("08")));
        t.blank();
    }
}

// Object `index`: the data bytes of a PDO, named prefix + byte number.
void addData(EdsText& t, int index, const QString& parameterName, int dimension, const char* sub0Access,
             const char* prefix, const char* access)
{
    t.record(objectName(index), dimension + 1, parameterName, QStringLiteral("0x08"));
    t.blank();
    t.entry(subName(index, 0), numberOfEntries("0x" + hex(dimension, 2), sub0Access));
    t.blank();
    for (int j = 1; j <= dimension; ++j) {
        Entry e = variable(QString::fromLatin1(prefix) + QString::number(j), "0x0005", access, "0x00");
        e.pdoMapping = QStringLiteral("1");
        t.entry(subName(index, j), e);
        t.blank();
    }
}

void addPDOs(EdsText& t, const EDSObjects& o)
{
    const std::vector<PDO_Info>& rx = o.RX_PDO_Table;
    const std::vector<PDO_Info>& tx = o.TX_PDO_Table;
    const auto number = [](size_t i) { return QString::number(i + 1); };
    for (size_t i = 0; i < rx.size(); ++i)
        addCommunication(t, kRxCommunication + int(i), "Receive PDO Communication Parameter " + number(i),
                         rx[i].COB_ID);
    for (size_t i = 0; i < rx.size(); ++i)
        addMapping(t, kRxMapping + int(i), QStringLiteral("Receive PDO Mapping Parameter"), rx[i].Dimension,
                   kRxData + int(i));
    for (size_t i = 0; i < tx.size(); ++i)
        addCommunication(t, kTxCommunication + int(i), "Transmit PDO Communication Parameter " + number(i),
                         tx[i].COB_ID);
    for (size_t i = 0; i < tx.size(); ++i)
        addMapping(t, kTxMapping + int(i), "Transmit PDO Mapping Parameter " + number(i), tx[i].Dimension,
                   kTxData + int(i));
    for (size_t i = 0; i < rx.size(); ++i)
        addData(t, kRxData + int(i), "RPDO" + number(i), rx[i].Dimension, "ro", kRPDONamePrefix[i], "rww");
    for (size_t i = 0; i < tx.size(); ++i)
        addData(t, kTxData + int(i), "TPDO" + number(i), tx[i].Dimension, "rw", kTPDONamePrefix[i], "rwr");
}

// One application variable of `quantity` bytes.
void addApplicationVariable(EdsText& t, const QString& name, const SDO_Sub_Type& sub)
{
    const int digits = sub.Quantity == 1 ? 2 : sub.Quantity == 2 ? 4 : 8;
    const char* dataType = sub.Quantity == 1 ? "0x0005" : sub.Quantity == 2 ? "0x0006" : "0x0007";
    t.section(name);
    t.line(QStringLiteral("ParameterName=Application Variable"));
    t.line(QStringLiteral("ObjectType=0x7"));
    t.line(QStringLiteral("DataType=") + QString::fromLatin1(dataType));
    t.line(QStringLiteral("LowLimit=0x") + QString(digits, u'0'));
    t.line(QStringLiteral("HighLimit=0x") + QString(digits, u'F'));
    t.line(QStringLiteral("DefaultValue=0x") + QString(digits, u'0'));
    t.line(QStringLiteral("AccessType=") + (sub.Readonly ? QStringLiteral("ro") : QStringLiteral("rw")));
    t.line(QStringLiteral("PDOMapping=0"));
    t.blank();
}

// The manufacturer objects; their sub-indexes are sorted. An object whose
// smallest sub-index is not 0 gets a sub-index 0 naming the largest.
void addManufacturerObjects(EdsText& t, const EDSObjects& o)
{
    for (const SDO_Index& object : o.SDO_List) {
        if (object.Sub_Indexs.empty())
            continue;
        const int smallest = object.Sub_Indexs.front().Sub;
        const int largest = object.Sub_Indexs.back().Sub;
        const bool generatedSub0 = smallest != 0;
        t.record(objectName(object.Index), int(object.Sub_Indexs.size()) + (generatedSub0 ? 1 : 0),
                 QStringLiteral("App Vars"), QStringLiteral("0x9"));
        t.blank();
        if (generatedSub0) {
            Entry e = {QStringLiteral("Largest Sub-Index supported"), QStringLiteral("0x7"), QStringLiteral("0x0005"),
                       QStringLiteral("ro"), "0x" + hex(largest, 2)};
            t.entry(subName(object.Index, 0), e);
            t.blank();
        }
        for (const SDO_Sub_Type& sub : object.Sub_Indexs)
            addApplicationVariable(t, subName(object.Index, sub.Sub), sub);
    }
}

std::vector<PDO_Info> pdoInfos(const std::vector<PDORule>& rules)
{
    std::vector<PDO_Info> infos;
    for (size_t i = 0; i < rules.size() && i < size_t(kMaxEDSPDOs); ++i)
        infos.push_back({platform::parseIntOr(rules[i].COB_ID, 0), platform::parseIntOr(rules[i].Dimension, 8)});
    return infos;
}

// Adds one row of the SDO server file; false when a number is missing.
bool addSDORow(std::vector<SDO_Index>& list, const SDOObject& row, bool readonly, QString& badAttribute)
{
    const auto index = platform::parseInt(row.Index);
    const auto sub = platform::parseInt(row.SubIndex);
    const auto size = platform::parseInt(row.NByte);
    badAttribute = !index ? QStringLiteral("Index") : !sub ? QStringLiteral("SubIndex") : QStringLiteral("NByte");
    if (!index || !sub || !size)
        return false;
    const SDO_Sub_Type entry{quint8(*sub), quint8(*size), readonly, QString()};
    const int found = Find_SDO_Index(list, quint16(*index));
    if (found < 0)
        list.push_back({quint16(*index), {entry}});
    else
        list[size_t(found)].Sub_Indexs.push_back(entry);
    return true;
}

}  // namespace eds_detail

using namespace eds_detail;

QString Load_PDO_List(const QString& path, platform::XmlDocument& doc, EDSObjects& objects)
{
    objects.RX_PDO_Table.clear();
    objects.TX_PDO_Table.clear();
    TwoLists<PDORule> rules;
    const ethercat_mqtt::ProjectFileRead read = readTwoLists(path, doc, pdoFileLayout(), rules);
    doc.clear();
    if (!read.ok())
        return rule_editor::fileProblemText(path, read.reason, read.missingElement);
    objects.RX_PDO_Table = pdoInfos(rules[ReceivePDO]);
    objects.TX_PDO_Table = pdoInfos(rules[TransmitPDO]);
    return QString();
}

QString Load_SDO_List(const QString& path, platform::XmlDocument& doc, EDSObjects& objects)
{
    TwoLists<SDOObject> rows;
    const ethercat_mqtt::ProjectFileRead read = readTwoLists(path, doc, sdoServerFileLayout(), rows);
    doc.clear();
    if (!read.ok())
        return rule_editor::fileProblemText(path, read.reason, read.missingElement);
    std::vector<SDO_Index> list = objects.SDO_List;
    for (size_t t = 0; t < 2; ++t) {
        for (size_t r = 0; r < rows[t].size(); ++r) {
            QString attribute;
            if (!addSDORow(list, rows[t][r], t == SDORead, attribute))
                return rule_editor::formatText(app::langText(kTextAttributeNotNumber),
                                               {path, QString::number(r + 1), sdoServerFileLayout().lists[t],
                                                attribute});
        }
    }
    objects.SDO_List = std::move(list);
    return QString();
}

int Find_SDO_Index(const std::vector<SDO_Index>& list, int index)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].Index == index)
            return int(i);
    return -1;
}

void Sort_SDO_Sub_Indexs(std::vector<SDO_Index>& list)
{
    for (SDO_Index& object : list)
        std::stable_sort(object.Sub_Indexs.begin(), object.Sub_Indexs.end(),
                         [](const SDO_Sub_Type& a, const SDO_Sub_Type& b) { return a.Sub < b.Sub; });
}

QString EDS_Time_Text(const QTime& time)
{
    const int hour = time.hour();
    const int clockHour = hour % 12 == 0 ? 12 : hour % 12;
    return QStringLiteral("%1:%2%3")
        .arg(clockHour, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString EDS_Date_Text(const QDate& date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.year());
}

QStringList EDS_Lines(const EDSObjects& objects, const QDateTime& now)
{
    EdsText t;
    addHead(t, objects, now);
    addFixedObjects(t);
    addPDOs(t, objects);
    addManufacturerObjects(t, objects);
    t.blank();
    return t.take();
}

bool Write_EDS_File(const QString& target, const app::AppState& state, platform::XmlDocument& doc,
                    const QDateTime& now, QString* error)
{
    EDSObjects objects;
    QString problem = Load_PDO_List(state.PDO_CANopen_Path, doc, objects);
    if (problem.isEmpty())
        problem = Load_SDO_List(state.SDO_Server_CANopen_Path, doc, objects);
    if (!problem.isEmpty()) {
        if (error != nullptr)
            *error = problem;
        return false;
    }
    Sort_SDO_Sub_Indexs(objects.SDO_List);
    QByteArray bytes;
    for (const QString& line : EDS_Lines(objects, now))
        bytes += platform::toAnsi(line) + "\r\n";
    QString reason;
    if (!platform::writeFileAtomically(target, bytes, &reason)) {
        if (error != nullptr)
            *error = rule_editor::formatText(app::langText(rule_editor::frame_texts::FileNotWritten), {reason});
        return false;
    }
    return true;
}

void Build_EDS_File(const app::AppState& state, platform::XmlDocument& doc, QWidget* parent)
{
    platform::FileDialogOptions SaveEDS;
    SaveEDS.filter = QStringLiteral("Electronic Data Sheet (*.eds)|*.eds");
    SaveEDS.defaultExtension = QStringLiteral("*.eds");
    SaveEDS.initialFolder = state.Project_Path;
    const auto chosen = platform::dialogs().saveFile(SaveEDS, parent);
    if (!chosen)
        return;
    QString error;
    if (!Write_EDS_File(*chosen, state, doc, QDateTime::currentDateTime(), &error))
        platform::dialogs().error(error, parent);
}

}  // namespace canopen
