#include "editors/ethercat_mqtt/esi_file.h"

#include "app/language.h"
#include "editors/ethercat_mqtt/esi_icon.h"
#include "editors/ethercat_mqtt/project_files/ethercat_slave_file.h"
#include "params/par_gen_file.h"
#include "params/par_gen_reader.h"
#include "platform/atomic_file.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/strings.h"
#include "platform/xml_document.h"

namespace ethercat_mqtt {
namespace {

constexpr int kTextFileExists = 1105;

// Direction-specific names of the PDO rule.
struct Pdo_Direction {
    const char* tag;
    const char* sm;
    int pdoIndexBase;
    const char* namePrefix;
    int entryIndexBase;
};

const Pdo_Direction kOutputs{"RxPdo", "2", 0x1600, "Outputs_", 0x7000};
const Pdo_Direction kInputs{"TxPdo", "3", 0x1A00, "Inputs_", 0x6000};

// At least 4 upper-case hexadecimal digits (more when the value needs them).
QString hex4(qint64 value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

QString hex2(int value)
{
    return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

// Collects indented lines: two blanks per level.
class Esi_Lines {
public:
    void open(const QString& tag)
    {
        add(QLatin1Char('<') + tag + QLatin1Char('>'));
        ++level_;
    }
    void close(const QString& name)
    {
        --level_;
        add(QStringLiteral("</") + name + QLatin1Char('>'));
    }
    // <name>text</name>, the text escaped.
    void leaf(const QString& name, const QString& text, const QString& attributes = {})
    {
        add(QLatin1Char('<') + name + attributes + QLatin1Char('>') + platform::xmlEscapedText(text) + QStringLiteral("</")
            + name + QLatin1Char('>'));
    }
    void add(const QString& line) { lines_ << QString(level_ * 2, QLatin1Char(' ')) + line; }
    void addRaw(const QString& line) { lines_ << line; }
    void blank() { lines_ << QString(); }
    QStringList take() { return std::move(lines_); }

private:
    QStringList lines_;
    int level_ = 0;
};

QString attr(const char* name, const QString& value)
{
    return QLatin1Char(' ') + QString::fromLatin1(name) + QStringLiteral("=\"") + platform::xmlEscapedAttribute(value)
           + QLatin1Char('"');
}

// Array and String (trimmed, any case) take their size from the variable's
// Length.
bool sizedByLength(const QString& typeName)
{
    const QString type = platform::trimBlanks(typeName).toUpper();
    return type == QStringLiteral("ARRAY") || type == QStringLiteral("STRING");
}

// The variable editor's range for the Length of an Array or a String.
constexpr int32_t kMinimumLength = 1;
constexpr int32_t kMaximumLength = 255;

QString lengthError(const QString& path, const char* direction, size_t row, const QString& length)
{
    return QStringLiteral("The file \"%1\": %2 variable %3 has no valid Length (\"%4\"); choose %5 to %6.")
        .arg(path, QLatin1String(direction))
        .arg(row + 1)
        .arg(length)
        .arg(kMinimumLength)
        .arg(kMaximumLength);
}

// Reads one direction's enabled rows into entries and counts their bytes: a
// run of bits shares bytes, eight to a byte; any other entry ends the run and
// adds its size in bytes (an Array or a String its Length, a fixed-size type
// its own size). An Array or String whose Length is outside the editor's
// range stops the reading with `error`.
bool collectEntries(const std::vector<EtherCATVariableRow>& rows, const QString& path, const char* direction,
                    std::vector<TEtherCAT_Rule>& entries, qint64& bytes, QString& error)
{
    int bitCounter = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const EtherCATVariableRow& row = rows[i];
        if (!row.enabled())
            continue;
        const int32_t length = platform::parseIntOr(row.Length, 0);
        const bool takesLength = sizedByLength(row.Type);
        if (takesLength && (length < kMinimumLength || length > kMaximumLength)) {
            error = lengthError(path, direction, i, row.Length);
            return false;
        }
        TEtherCAT_Rule rule;
        rule.Name = row.Name;
        ESI_Data_Type(row.Type, length, rule.Length, rule.DataType);
        if (rule.DataType == QStringLiteral("BIT")) {
            if (bitCounter == 0 || bitCounter >= 8) {
                ++bytes;
                bitCounter = 1;
            } else {
                ++bitCounter;
            }
        } else {
            bitCounter = 0;
            bytes += takesLength ? length : rule.Length / 8;
        }
        entries.push_back(rule);
    }
    return true;
}

void writePdos(Esi_Lines& out, const std::vector<TEtherCAT_Rule>& entries, const Pdo_Direction& dir)
{
    const QString tag = QString::fromLatin1(dir.tag);
    int freeBits = 8;
    const int n = static_cast<int>(entries.size());
    for (int i = 0; i < n; ++i) {
        const TEtherCAT_Rule& e = entries[static_cast<size_t>(i)];
        if (i % 16 == 0) {
            const int p = i / 16;
            out.open(tag + attr("Mandatory", QStringLiteral("true")) + attr("Fixed", QStringLiteral("true"))
                     + attr("Sm", QString::fromLatin1(dir.sm)));
            out.leaf(QStringLiteral("Index"), QStringLiteral("#x") + hex4(dir.pdoIndexBase + p));
            out.leaf(QStringLiteral("Name"), QString::fromLatin1(dir.namePrefix) + Three_Digits(p));
            out.blank();
        }
        out.open(QStringLiteral("Entry"));
        out.leaf(QStringLiteral("Index"), QStringLiteral("#x") + hex4(dir.entryIndexBase + i));
        out.leaf(QStringLiteral("SubIndex"), QStringLiteral("0"));
        out.leaf(QStringLiteral("BitLen"), QString::number(e.Length));
        out.leaf(QStringLiteral("Name"), e.Name);
        out.leaf(QStringLiteral("DataType"), e.DataType);
        out.close(QStringLiteral("Entry"));
        out.blank();

        if (e.DataType != QStringLiteral("BIT")) {
            freeBits = 8;
        } else if (freeBits < 2) {
            freeBits = 8;
        } else {
            freeBits -= 1;
            const bool runEnds = i + 1 == n || entries[static_cast<size_t>(i + 1)].DataType != QStringLiteral("BIT");
            if (runEnds) {
                // Padding to the end of the byte, tab-indented.
                out.addRaw(QStringLiteral("\t\t\t\t<Entry>"));
                out.addRaw(QStringLiteral("\t\t\t\t\t<Index>#x0</Index>"));
                out.addRaw(QStringLiteral("\t\t\t\t\t<SubIndex>0</SubIndex>"));
                out.addRaw(QStringLiteral("\t\t\t\t\t<BitLen>%1</BitLen>").arg(freeBits));
                out.addRaw(QStringLiteral("\t\t\t\t</Entry>"));
                out.blank();
                freeBits = 8;
            }
        }
        if (i % 16 == 15 || i + 1 == n)
            out.close(tag);
    }
}

}  // namespace

void ESI_Data_Type(const QString& typeName, int64_t lengthBytes, int64_t& bitLength, QString& esiType)
{
    struct Fixed_Type {
        const char* name;
        const char* esi;
        int64_t bits;
    };
    static const Fixed_Type fixed[] = {
        {"BOOL", "BIT", 1},     {"INT8", "SINT", 8},    {"INT16", "INT", 16},   {"INT32", "DINT", 32},
        {"UINT8", "USINT", 8},  {"UINT16", "UINT", 16}, {"UINT32", "UDINT", 32}, {"FLOAT32", "REAL", 32},
    };
    const QString type = platform::trimBlanks(typeName).toUpper();
    for (const Fixed_Type& f : fixed) {
        if (type == QLatin1String(f.name)) {
            esiType = QString::fromLatin1(f.esi);
            bitLength = f.bits;
            return;
        }
    }
    if (type == QStringLiteral("ARRAY")) {
        esiType = QStringLiteral("ARRAY [0..%1] OF BYTE").arg(lengthBytes - 1);
        bitLength = 8 * lengthBytes;
    } else if (type == QStringLiteral("STRING")) {
        esiType = QStringLiteral("STRING(%1)").arg(lengthBytes);
        bitLength = 8 * lengthBytes + 8;
    } else {
        esiType = QStringLiteral("BIT");
        bitLength = 1;
    }
}

QString Three_Digits(int n)
{
    if (n <= 9)
        return QStringLiteral("00") + QString::number(n);
    if (n <= 99)
        return QStringLiteral("0") + QString::number(n);
    return QString::number(n);
}

ESI_Data Load_ESI_Data(const app::AppState& state, platform::XmlDocument& xml)
{
    ESI_Data data;
    params::ParGenFile parGen;
    if (params::readParGenFile(state.ParGen_Path, xml, parGen, &data.error) && parGen.exists()) {
        // Read as the device image reads them, so that both agree.
        const params::ParGenReader reader(parGen);
        data.deviceName = reader.textOr("EtherCAT_Slave_Name", data.deviceName);
        data.revision = params::EtherCAT_Revision_Number(reader);
        data.nodeAddress = params::EtherCAT_Node_Address(reader);
    }
    xml.clear();
    data.nodeText = hex2(data.nodeAddress & 0xFF) + hex2(data.nodeAddress >> 8);

    EtherCATSlaveFile variables;
    if (platform::fileExists(state.EtherCAT_Slave_Path)) {
        const ProjectFileRead read =
            readEtherCATSlaveFile(state.EtherCAT_Slave_Path, xml, variables, MissingEnable::Disabled);
        if (data.error.isEmpty())
            data.error = read.error;
    }
    xml.clear();
    if (data.error.isEmpty()
        && collectEntries(variables.SlaveToMaster, state.EtherCAT_Slave_Path, "slave-to-master", data.slaveToMaster,
                          data.inputBytes, data.error))
        collectEntries(variables.MasterToSlave, state.EtherCAT_Slave_Path, "master-to-slave", data.masterToSlave,
                       data.outputBytes, data.error);
    return data;
}

QStringList Write_ESI_Lines(const ESI_Data& data)
{
    Esi_Lines out;
    const QString icon = esiIconHex();
    out.add(QStringLiteral("<?xml version=\"1.0\"?>"));
    out.open(QStringLiteral("EtherCATInfo xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                            "xsi:noNamespaceSchemaLocation=\"EtherCATInfo.xsd\" Version=\"1.6\""));
    out.open(QStringLiteral("Vendor"));
    out.leaf(QStringLiteral("Id"), QStringLiteral("#x") + kEsiVendorId);
    out.leaf(QStringLiteral("Name"), QStringLiteral("Olvenk"));
    out.leaf(QStringLiteral("ImageData16x14"), icon);
    out.close(QStringLiteral("Vendor"));

    out.open(QStringLiteral("Descriptions"));
    out.open(QStringLiteral("Groups"));
    out.open(QStringLiteral("Group SortOrder=\"0\""));
    out.leaf(QStringLiteral("Type"), QStringLiteral("Olvenk Slaves"));
    out.leaf(QStringLiteral("Name"), QStringLiteral("Olvenk Slaves"), attr("LcId", QStringLiteral("1031")));
    out.leaf(QStringLiteral("Name"), QStringLiteral("Olvenk Slaves"), attr("LcId", QStringLiteral("1033")));
    out.leaf(QStringLiteral("ImageData16x14"), icon);
    out.close(QStringLiteral("Group"));
    out.close(QStringLiteral("Groups"));

    out.open(QStringLiteral("Devices"));
    out.open(QStringLiteral("Device Physics=\"YY\""));
    const QString revision = QString::number(data.revision, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    out.leaf(QStringLiteral("Type"), data.deviceName,
             attr("ProductCode", QStringLiteral("#x") + data.productCode) + attr("RevisionNo", QStringLiteral("#x") + revision));
    out.leaf(QStringLiteral("Name"), data.deviceName, attr("LcId", QStringLiteral("1033")));
    out.leaf(QStringLiteral("Name"), data.deviceName, attr("LcId", QStringLiteral("1031")));

    out.open(QStringLiteral("Info"));
    out.open(QStringLiteral("StateMachine"));
    out.open(QStringLiteral("Timeout"));
    out.leaf(QStringLiteral("PreopTimeout"), QStringLiteral("2000"));
    out.leaf(QStringLiteral("SafeopOpTimeout"), QStringLiteral("9000"));
    out.leaf(QStringLiteral("BackToInitTimeout"), QStringLiteral("5000"));
    out.leaf(QStringLiteral("BackToSafeopTimeout"), QStringLiteral("200"));
    out.close(QStringLiteral("Timeout"));
    out.close(QStringLiteral("StateMachine"));
    out.open(QStringLiteral("Mailbox"));
    out.open(QStringLiteral("Timeout"));
    out.leaf(QStringLiteral("RequestTimeout"), QStringLiteral("100"));
    out.leaf(QStringLiteral("ResponseTimeout"), QStringLiteral("2000"));
    out.close(QStringLiteral("Timeout"));
    out.close(QStringLiteral("Mailbox"));
    out.leaf(QStringLiteral("IdentificationReg134"), QStringLiteral("true"));
    out.close(QStringLiteral("Info"));

    out.leaf(QStringLiteral("GroupType"), QStringLiteral("Olvenk Slaves"));
    out.leaf(QStringLiteral("Fmmu"), QStringLiteral("Outputs"));
    out.leaf(QStringLiteral("Fmmu"), QStringLiteral("Inputs"));

    const auto mailboxSm = [&out](const char* control, const char* text) {
        out.leaf(QStringLiteral("Sm"), QString::fromLatin1(text),
                 QStringLiteral(" MinSize=\"0\" MaxSize=\"0\" DefaultSize=\"0\" StartAddress=\"#x1FFF\" ControlByte=\"")
                     + QString::fromLatin1(control) + QStringLiteral("\" Enable=\"0\""));
    };
    mailboxSm("#x26", "MBoxOut");
    mailboxSm("#x22", "MBoxIn");
    // The outputs follow the three buffers of the inputs, from 0x1000, on a
    // 4-byte boundary.
    const qint64 outputsStart = ((3 * data.inputBytes + 3) / 4) * 4 + 4096;
    out.leaf(QStringLiteral("Sm"), QStringLiteral("Outputs"),
             QStringLiteral(" StartAddress=\"#x") + hex4(outputsStart)
                 + QStringLiteral("\" ControlByte=\"#x64\" DefaultSize=\"1\" Enable=\"1\""));
    out.leaf(QStringLiteral("Sm"), QStringLiteral("Inputs"),
             QStringLiteral(" StartAddress=\"#x1000\" ControlByte=\"#x20\" DefaultSize=\"1\" Enable=\"1\""));

    writePdos(out, data.masterToSlave, kOutputs);
    writePdos(out, data.slaveToMaster, kInputs);

    out.open(QStringLiteral("Mailbox DataLinkLayer=\"true\""));
    out.add(QStringLiteral("<EoE />"));
    out.add(QStringLiteral("<CoE SdoInfo=\"true\" SegmentedSdo=\"true\" CompleteAccess=\"true\" />"));
    out.add(QStringLiteral("<FoE />"));
    out.close(QStringLiteral("Mailbox"));

    out.open(QStringLiteral("Dc"));
    const auto opMode = [&out](const char* name, const char* desc, const char* assign) {
        out.open(QStringLiteral("OpMode"));
        out.leaf(QStringLiteral("Name"), QString::fromLatin1(name));
        out.leaf(QStringLiteral("Desc"), QString::fromLatin1(desc));
        out.leaf(QStringLiteral("AssignActivate"), QString::fromLatin1(assign));
        out.leaf(QStringLiteral("CycleTimeSync0"), QStringLiteral("0"), QStringLiteral(" Factor=\"1\""));
        out.leaf(QStringLiteral("ShiftTimeSync0"), QStringLiteral("0"));
        out.leaf(QStringLiteral("CycleTimeSync1"), QStringLiteral("0"), QStringLiteral(" Factor=\"1\""));
        out.close(QStringLiteral("OpMode"));
    };
    opMode("Synchron", "SM-Synchron", "#x0");
    opMode("DC", "DC-Synchron", "#x300");
    out.close(QStringLiteral("Dc"));

    out.open(QStringLiteral("Eeprom"));
    out.leaf(QStringLiteral("ByteSize"), QStringLiteral("2048"));
    out.leaf(QStringLiteral("ConfigData"), QStringLiteral("800F00CC8813ff00") + data.nodeText + QStringLiteral("00800000"));
    out.close(QStringLiteral("Eeprom"));
    out.leaf(QStringLiteral("ImageData16x14"), icon);
    out.close(QStringLiteral("Device"));
    out.close(QStringLiteral("Devices"));
    out.close(QStringLiteral("Descriptions"));
    out.close(QStringLiteral("EtherCATInfo"));
    return out.take();
}

bool Create_ESI_File(const QString& fileName, const app::AppState& state, platform::XmlDocument& xml, QString* error)
{
    const ESI_Data data = Load_ESI_Data(state, xml);
    if (!data.error.isEmpty()) {
        if (error)
            *error = data.error;
        return false;
    }
    const QStringList lines = Write_ESI_Lines(data);
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return platform::writeFileAtomically(fileName, bytes, error);
}

void Build_ESI_File(const app::AppState& state, platform::XmlDocument& xml, QWidget* parent)
{
    platform::FileDialogOptions options;
    options.filter = QStringLiteral("EtherCAT ESI File (*.xml)|*.xml");
    options.defaultExtension = QStringLiteral("xml");
    options.initialFolder = state.Project_Path;
    const auto chosen = platform::dialogs().saveFile(options, parent);
    if (!chosen)
        return;
    if (platform::fileExists(*chosen) && !platform::dialogs().confirm(app::langText(kTextFileExists), parent))
        return;
    QString error;
    if (!Create_ESI_File(*chosen, state, xml, &error))
        platform::dialogs().error(error, parent);
}

}  // namespace ethercat_mqtt
