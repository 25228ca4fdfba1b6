#include "editors/ethernet/profinet/gsdml_writer.h"

#include <QFileInfo>

#include "app/language.h"
#include "params/par_gen_file.h"
#include "params/par_gen_reader.h"
#include "platform/atomic_file.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "platform/strings.h"
#include "platform/xml_document.h"

namespace profinet {
namespace gsdml_detail {

constexpr int32_t kDefaultBytes = 1438;
const QString kDefaultStation = QStringLiteral("SERIAL");
const QString kProfileNamespace = QStringLiteral("http://www.profibus.com/GSDML/2003/11/DeviceProfile");

// Collects the file's lines, one tab of indentation per open element.
class GsdmlLines {
public:
    // <tag attributes>
    void open(const QString& tag, const QString& attributes = {})
    {
        add(QLatin1Char('<') + tag + attributes + QLatin1Char('>'));
        ++level_;
    }
    void close(const QString& tag)
    {
        --level_;
        add(QStringLiteral("</") + tag + QLatin1Char('>'));
    }
    // <tag attributes />
    void empty(const QString& tag, const QString& attributes = {})
    {
        add(QLatin1Char('<') + tag + attributes + QStringLiteral(" />"));
    }
    // <tag>text</tag>
    void leaf(const QString& tag, const QString& text)
    {
        add(QLatin1Char('<') + tag + QLatin1Char('>') + text + QStringLiteral("</") + tag + QLatin1Char('>'));
    }
    void comment(const QString& text) { add(QStringLiteral("<!-- ") + text + QStringLiteral(" -->")); }
    void add(const QString& line) { lines_ << QString(level_, QLatin1Char('\t')) + line; }
    QStringList take() { return std::move(lines_); }

private:
    QStringList lines_;
    int level_ = 0;
};

// ` name="value"` of a fixed value.
QString attr(const char* name, const char* value)
{
    return QLatin1Char(' ') + QLatin1String(name) + QStringLiteral("=\"") + QLatin1String(value) + QLatin1Char('"');
}
// ` name="value"` of a value from the project, escaped.
QString attr(const char* name, const QString& value)
{
    return QLatin1Char(' ') + QLatin1String(name) + QStringLiteral("=\"") + platform::xmlEscapedAttribute(value)
           + QLatin1Char('"');
}

// The texts of the primary language; the last three write Value first.
struct Primary_Text {
    const char* textId;
    const char* value;
};
constexpr Primary_Text kPrimaryTexts[] = {
    {"IDT_INFO_Device", "Olvenk Gateways"},
    {"IDT_NAME_DAP1", "EthercatDevice"},
    {"IDT_INFO_DAP1", "Profinet Ethercat Adapter"},
    {"IDT_SUBSLOT_1", "Subslot 1"},
    {"IDT_SUBSLOT_Interface", "Interface"},
    {"IDT_SUBSLOT_Port1", "Port 1"},
    {"IDT_SUBSLOT_Port2", "Port 2"},
    {"IDT_RECORD_NAME_Head", "Parameters of head module"},
    {"IDT_REF_Power", "Percent power"},
    {"IDT_NAME_VS1", "Submodule V1"},
    {"IDT_INFO_VS1", "Description of submodule V1"},
    {"IDT_NAME_IS", "I"},
    {"IDT_NAME_PS1", "P1"},
    {"IDT_NAME_PS2", "P2"},
    {"IDT_NAME_M1", "Module"},
    {"IDT_INFO_M1", "device Ethercat"},
    {"IDT_NAME_FAP", "FAP for Ethercat"},
    {"IDT_INFO_FAP", "Description of FAP for Ethercat"},
    {"IDT_RECORD_NAME_SlotCluster", "Parameters of the FAP"},
    {"IDT_REF_SlotClusterBegin", "Beginning of slot cluster"},
    {"IDT_NAME_M_PB1", "Ethercat Device "},
    {"IDT_INFO_M_PB1", "Description of Ethercat"},
    {"IDT_NAME_S_PB1", "Module of a Ethercat"},
    {"IDT_INFO_S_PB1", "Description of module of a Ethercat"},
    {"IDT_PB_Input", "Digital input EthercatCLIENT"},
    {"IDT_PB_InputBit0", "Digital input bit Ethercat"},
    {"IDT_NAME_S1", "Submodule 1"},
    {"IDT_INFO_S1", "Description of submodule 1"},
    {"IDT_Input_1", "Input byte"},
    {"IDT_Output_1", "Output word"},
    {"IDT_CATEGORY_DI", "Digital Input"},
    {"IDT_INFO_DI", "Description of digital input"},
    {"IDT_CATEGORY_DO", "Digital output"},
    {"IDT_INFO_DO", "Description of digital output"},
    {"IDT_NAME_M1_IDT_REF_channel", "Canale x"},
    {"IDT_REF_reaction_to_cpu_stop", "Reaction to CPU STOP"},
    {"IDT_NAME_M1_Base_Parameters", "Base Parameters"},
    {"IDT_ASSIGN_do_set_substitude_values", "Output substitute value"},
    {"IDT_ASSIGN_do_values_will_hold", "Keep last value"},
    {"IDT_ASSIGN_do_continue_counting", "Continue operation"},
};
constexpr size_t kValueFirstTexts = 3;

void writeHeader(GsdmlLines& out)
{
    out.open(QStringLiteral("ProfileHeader"));
    out.leaf(QStringLiteral("ProfileIdentification"), QStringLiteral("PROFINET Device Profile"));
    out.leaf(QStringLiteral("ProfileRevision"), QStringLiteral("1.00"));
    out.leaf(QStringLiteral("ProfileName"), QStringLiteral("Device Profile for PROFINET Devices"));
    out.leaf(QStringLiteral("ProfileSource"), QStringLiteral("PROFIBUS Nutzerorganisation e. V. (PNO)"));
    out.leaf(QStringLiteral("ProfileClassID"), QStringLiteral("Device"));
    out.open(QStringLiteral("ISO15745Reference"));
    out.leaf(QStringLiteral("ISO15745Part"), QStringLiteral("4"));
    out.leaf(QStringLiteral("ISO15745Edition"), QStringLiteral("1"));
    out.leaf(QStringLiteral("ProfileTechnology"), QStringLiteral("GSDML"));
    out.close(QStringLiteral("ISO15745Reference"));
    out.close(QStringLiteral("ProfileHeader"));
}

void writeModuleNames(GsdmlLines& out, const char* name, const char* info)
{
    out.empty(QStringLiteral("Name"), attr("TextId", name));
    out.empty(QStringLiteral("InfoText"), attr("TextId", info));
}

void writeAccessPoint(GsdmlLines& out, const PROFINET_Par& par)
{
    out.open(QStringLiteral("DeviceAccessPointList"));
    out.open(QStringLiteral("DeviceAccessPointItem"),
             attr("PNIO_Version", "V2.3") + attr("RequiredSchemaVersion", "V2.25") + attr("ID", "IDD_1")
                 + attr("PhysicalSlots", "0..4") + attr("ModuleIdentNumber", "0x00000001")
                 + attr("MinDeviceInterval", "64") + attr("ImplementationType", par.stationName)
                 + attr("DNS_CompatibleName", par.stationName) + attr("FixedInSlots", "0")
                 + attr("ObjectUUID_LocalIndex", "1") + attr("MultipleWriteSupported", "true")
                 + attr("MaxSupportedRecordSize", "8192") + attr("ParameterizationSpeedupSupported", "true")
                 + attr("PowerOnToCommReady", "350") + attr("DeviceAccessSupported", "true")
                 + attr("SharedDeviceSupported", "true") + attr("CheckDeviceID_Allowed", "false")
                 + attr("NameOfStationNotTransferable", "true"));
    out.open(QStringLiteral("ModuleInfo"));
    writeModuleNames(out, "IDT_NAME_DAP1", "IDT_INFO_DAP1");
    out.empty(QStringLiteral("VendorName"), attr("Value", "Olvenk"));
    out.empty(QStringLiteral("OrderNumber"), attr("Value", "GW41T23"));
    out.close(QStringLiteral("ModuleInfo"));

    out.open(QStringLiteral("SubslotList"));
    out.empty(QStringLiteral("SubslotItem"), attr("SubslotNumber", "0") + attr("TextId", "IDT_SUBSLOT_1"));
    out.empty(QStringLiteral("SubslotItem"), attr("SubslotNumber", "32768") + attr("TextId", "IDT_SUBSLOT_Interface"));
    out.empty(QStringLiteral("SubslotItem"), attr("SubslotNumber", "32769") + attr("TextId", "IDT_SUBSLOT_Port1"));
    out.empty(QStringLiteral("SubslotItem"), attr("SubslotNumber", "32770") + attr("TextId", "IDT_SUBSLOT_Port2"));
    out.close(QStringLiteral("SubslotList"));

    out.empty(QStringLiteral("IOConfigData"),
              attr("MaxInputLength", "1440") + attr("MaxOutputLength", "1440") + attr("MaxDataLength", "2880"));
    out.open(QStringLiteral("UseableModules"));
    out.empty(QStringLiteral("ModuleItemRef"), attr("ModuleItemTarget", "IDM_1") + attr("FixedInSlots", "1"));
    out.close(QStringLiteral("UseableModules"));

    out.open(QStringLiteral("VirtualSubmoduleList"));
    out.open(QStringLiteral("VirtualSubmoduleItem"), attr("ID", "IDS_V1") + attr("SubmoduleIdentNumber", "0x00000000"));
    out.empty(QStringLiteral("IOData"), attr("IOPS_Length", "1") + attr("IOCS_Length", "1"));
    out.open(QStringLiteral("ModuleInfo"));
    writeModuleNames(out, "IDT_NAME_VS1", "IDT_INFO_VS1");
    out.close(QStringLiteral("ModuleInfo"));
    out.close(QStringLiteral("VirtualSubmoduleItem"));
    out.close(QStringLiteral("VirtualSubmoduleList"));

    out.open(QStringLiteral("SystemDefinedSubmoduleList"));
    out.open(QStringLiteral("InterfaceSubmoduleItem"),
             attr("ID", "IDS_I") + attr("SubmoduleIdentNumber", "0x00000001") + attr("SubslotNumber", "32768")
                 + attr("TextId", "IDT_NAME_IS") + attr("SupportedRT_Classes", "RT_CLASS_1")
                 + attr("SupportedProtocols", "SNMP;LLDP") + attr("SupportedMibs", "MIB2"));
    out.open(QStringLiteral("ApplicationRelations"));
    out.empty(QStringLiteral("TimingProperties"),
              attr("SendClock", "32") + attr("ReductionRatio", "1 2 4 8 16 32 64 128 256 512"));
    out.close(QStringLiteral("ApplicationRelations"));
    out.close(QStringLiteral("InterfaceSubmoduleItem"));
    const auto port = [&out](const char* id, const char* subslot, const char* text) {
        out.empty(QStringLiteral("PortSubmoduleItem"),
                  attr("ID", id) + attr("SubmoduleIdentNumber", "0x00000002") + attr("SubslotNumber", subslot)
                      + attr("TextId", text) + attr("MaxPortRxDelay", "350") + attr("MaxPortTxDelay", "160"));
    };
    port("IDS_P1", "32769", "IDT_NAME_PS1");
    port("IDS_P2", "32770", "IDT_NAME_PS2");
    out.close(QStringLiteral("SystemDefinedSubmoduleList"));
    out.comment(QStringLiteral("This element tells the engineering tool that the DAP supports fieldbus integration "
                               "(slot clusters)."));
    out.comment(QStringLiteral("<FieldbusIntegrationSlots MaxSupported=\"127\" Range=\"100..9999\" />"));
    out.close(QStringLiteral("DeviceAccessPointItem"));
    out.close(QStringLiteral("DeviceAccessPointList"));
}

void writeDataItem(GsdmlLines& out, const QString& direction, int32_t length, const char* text)
{
    out.open(direction);
    out.empty(QStringLiteral("DataItem"),
              attr("DataType", "OctetString") + attr("Length", QString::number(length)) + attr("TextId", text));
    out.close(direction);
}

void writeMenuItem(GsdmlLines& out, const char* id, const QString& reference, const QString& referenceAttributes)
{
    out.open(QStringLiteral("MenuItem"), attr("ID", id));
    out.empty(QStringLiteral("Name"), attr("TextId", id));
    out.empty(reference, referenceAttributes);
    out.close(QStringLiteral("MenuItem"));
}

void writeModules(GsdmlLines& out, const PROFINET_Par& par)
{
    out.open(QStringLiteral("ModuleList"));
    out.comment(QStringLiteral("The \"normal\" module carrying the FAP."));
    out.open(QStringLiteral("ModuleItem"), attr("ID", "IDM_1") + attr("ModuleIdentNumber", "0x00000001"));
    out.open(QStringLiteral("ModuleInfo"));
    writeModuleNames(out, "IDT_NAME_M1", "IDT_INFO_M1");
    out.empty(QStringLiteral("OrderNumber"), attr("Value", "12345-0040-M"));
    out.close(QStringLiteral("ModuleInfo"));
    out.open(QStringLiteral("VirtualSubmoduleList"));
    out.open(QStringLiteral("VirtualSubmoduleItem"), attr("ID", "IDM_1") + attr("SubmoduleIdentNumber", "0x00000001"));

    // The controller's input is what the gateway sends.
    out.open(QStringLiteral("IOData"), attr("IOPS_Length", "1") + attr("IOCS_Length", "1"));
    writeDataItem(out, QStringLiteral("Input"), par.outputBytes, "IDT_Input_1");
    writeDataItem(out, QStringLiteral("Output"), par.inputBytes, "IDT_Output_1");
    out.close(QStringLiteral("IOData"));

    out.open(QStringLiteral("RecordDataList"));
    out.open(QStringLiteral("ParameterRecordDataItem"), attr("Index", "128") + attr("Length", "2"));
    out.empty(QStringLiteral("Name"), attr("TextId", "IDT_NAME_M1_IDT_REF_channel"));
    out.empty(QStringLiteral("Const"), attr("ByteOffset", "0") + attr("Data", "0x00,0x00"));
    out.empty(QStringLiteral("Ref"), attr("TextId", "IDT_REF_reaction_to_cpu_stop") + attr("Visible", "true")
                                         + attr("DataType", "BitArea") + attr("ByteOffset", "0")
                                         + attr("BitOffset", "0") + attr("BitLength", "2") + attr("DefaultValue", "2")
                                         + attr("AllowedValues", "0..2")
                                         + attr("ValueItemTarget", "IDV_reaction_to_cpu_stop")
                                         + attr("ID", "IDT_REF_reaction_to_cpu_stop"));
    out.open(QStringLiteral("MenuList"));
    writeMenuItem(out, "IDT_NAME_M1_IDT_REF_channel", QStringLiteral("MenuRef"),
                  attr("MenuTarget", "IDT_NAME_M1_Base_Parameters"));
    writeMenuItem(out, "IDT_NAME_M1_Base_Parameters", QStringLiteral("ParameterRef"),
                  attr("ParameterTarget", "IDT_REF_reaction_to_cpu_stop"));
    out.close(QStringLiteral("MenuList"));
    out.close(QStringLiteral("ParameterRecordDataItem"));
    out.close(QStringLiteral("RecordDataList"));

    out.open(QStringLiteral("ModuleInfo"));
    writeModuleNames(out, "IDT_NAME_M1", "IDT_INFO_M1");
    out.close(QStringLiteral("ModuleInfo"));
    out.close(QStringLiteral("VirtualSubmoduleItem"));
    out.close(QStringLiteral("VirtualSubmoduleList"));
    out.close(QStringLiteral("ModuleItem"));
    out.close(QStringLiteral("ModuleList"));
}

void writeValuesAndCategories(GsdmlLines& out)
{
    out.open(QStringLiteral("ValueList"));
    out.open(QStringLiteral("ValueItem"), attr("ID", "IDV_reaction_to_cpu_stop"));
    out.open(QStringLiteral("Assignments"));
    out.empty(QStringLiteral("Assign"), attr("TextId", "IDT_ASSIGN_do_set_substitude_values") + attr("Content", "0"));
    out.empty(QStringLiteral("Assign"), attr("TextId", "IDT_ASSIGN_do_values_will_hold") + attr("Content", "1"));
    out.empty(QStringLiteral("Assign"), attr("TextId", "IDT_ASSIGN_do_continue_counting") + attr("Content", "2"));
    out.close(QStringLiteral("Assignments"));
    out.close(QStringLiteral("ValueItem"));
    out.close(QStringLiteral("ValueList"));

    out.open(QStringLiteral("CategoryList"));
    const auto category = [&out](const char* id, const char* text, const char* info) {
        out.open(QStringLiteral("CategoryItem"), attr("ID", id) + attr("TextId", text));
        out.empty(QStringLiteral("InfoText"), attr("TextId", info));
        out.close(QStringLiteral("CategoryItem"));
    };
    category("IDC_DI", "IDT_CATEGORY_DI", "IDT_INFO_DI");
    category("IDC_DO", "IDT_CATEGORY_DO", "IDT_INFO_DO");
    out.close(QStringLiteral("CategoryList"));
}

void writeTexts(GsdmlLines& out)
{
    out.open(QStringLiteral("ExternalTextList"));
    out.open(QStringLiteral("PrimaryLanguage"));
    const size_t count = std::size(kPrimaryTexts);
    for (size_t i = 0; i < count; ++i) {
        const Primary_Text& t = kPrimaryTexts[i];
        const bool valueFirst = i >= count - kValueFirstTexts;
        out.empty(QStringLiteral("Text"), valueFirst ? attr("Value", t.value) + attr("TextId", t.textId)
                                                     : attr("TextId", t.textId) + attr("Value", t.value));
    }
    out.close(QStringLiteral("PrimaryLanguage"));
    out.close(QStringLiteral("ExternalTextList"));
}

}  // namespace gsdml_detail

using namespace gsdml_detail;

QString PROFINET_Date_Part(const QDate& date)
{
    return QLatin1Char('-') + date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".xml");
}

QString PROFINET_File_Name(const QString& prefix, const QString& userPart, const QString& datePart)
{
    if (platform::trimBlanks(userPart).isEmpty())
        return prefix + datePart;
    if (userPart.startsWith(u'_'))
        return prefix + userPart + datePart;
    return prefix + QLatin1Char('_') + userPart + datePart;
}

bool PROFINET_User_Part_Refused(const QString& userPart)
{
    if (platform::trimBlanks(userPart).isEmpty())
        return false;
    if (userPart.contains(QStringLiteral("..")))
        return true;
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : userPart)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || kForbidden.contains(c))
            return true;
    return false;
}

bool Read_PROFINET_Par(const QString& parGenPath, PROFINET_Par& par, QString* error)
{
    par = PROFINET_Par();
    par.stationName.clear();
    // A document of its own, not the main window's.
    platform::XmlDocument xml;
    params::ParGenFile file;
    if (!params::readParGenFile(parGenPath, xml, file, error))
        return false;
    const params::ParGenReader reader(file);
    par.inputBytes = reader.integer("PROFINET_NB_IN", kDefaultBytes);
    par.outputBytes = reader.integer("PROFINET_NB_OUT", kDefaultBytes);
    par.stationName = reader.text("PROFINET_NAME_STA");
    if (platform::trimBlanks(par.stationName).isEmpty())
        par.stationName = kDefaultStation;
    return true;
}

QStringList Write_PROFINET_Lines(const PROFINET_Par& par)
{
    GsdmlLines out;
    out.add(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    out.comment(QStringLiteral("A fieldbus integration example."));
    out.open(QStringLiteral("ISO15745Profile"),
             QStringLiteral(" xmlns=\"") + kProfileNamespace
                 + QStringLiteral("\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:schemaLocation=\"")
                 + kProfileNamespace + QStringLiteral(" ..\\xsd\\GSDML-DeviceProfile-v2.31.xsd\""));
    writeHeader(out);
    out.open(QStringLiteral("ProfileBody"));
    out.open(QStringLiteral("DeviceIdentity"), attr("VendorID", kGsdmlVendorId) + attr("DeviceID", kGsdmlDeviceId));
    out.empty(QStringLiteral("InfoText"), attr("TextId", "IDT_INFO_Device"));
    out.empty(QStringLiteral("VendorName"), attr("Value", "Olvenk"));
    out.close(QStringLiteral("DeviceIdentity"));
    out.open(QStringLiteral("DeviceFunction"));
    out.empty(QStringLiteral("Family"), attr("MainFamily", "Gateway") + attr("ProductFamily", "GW41T23"));
    out.close(QStringLiteral("DeviceFunction"));
    out.open(QStringLiteral("ApplicationProcess"));
    writeAccessPoint(out, par);
    writeModules(out, par);
    writeValuesAndCategories(out);
    writeTexts(out);
    out.close(QStringLiteral("ApplicationProcess"));
    out.close(QStringLiteral("ProfileBody"));
    out.close(QStringLiteral("ISO15745Profile"));
    return out.take();
}

QByteArray PROFINET_File_Bytes(const QStringList& lines)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

bool Write_PROFINET_XML(const QString& path, const app::AppState& state, QString* error)
{
    PROFINET_Par par;
    if (!Read_PROFINET_Par(state.ParGen_Path, par, error))
        return false;
    return platform::writeFileAtomically(path, PROFINET_File_Bytes(Write_PROFINET_Lines(par)), error);
}

void Save_PROFINET_XML(const QString& fileName, const app::AppState& state, QWidget* parent)
{
    platform::FileDialogOptions options;
    options.initialFolder = state.Project_Path;
    options.filter = QStringLiteral("PROFINET XML (*.xml)|") + fileName;
    options.fileName = fileName;
    const std::optional<QString> chosen = platform::dialogs().saveFile(options, parent);
    if (!chosen)
        return;
    // Only the folder of the choice counts: the file keeps its built name.
    const QString target = platform::joinPath(QFileInfo(*chosen).absolutePath(), fileName);
    if (platform::fileExists(target)
        && !platform::dialogs().confirm(app::langText(gsdml_texts::Overwrite), parent))
        return;
    QString error;
    if (!Write_PROFINET_XML(target, state, &error))
        platform::dialogs().error(app::langText(gsdml_texts::NotWritten) + error, parent);
}

}  // namespace profinet
