#include "editors/ethernet/snmp/snmp_trap_file.h"

#include "editors/ethernet/snmp/snmp_shared.h"

namespace snmp {
namespace trap_file_detail {

using Read = SNMPTrapReadRow;
using Write = SNMPTrapWriteRow;
using ethercat_mqtt::RowAttribute;
namespace io = ethercat_mqtt::project_file_io;

const QString kTrapRoot = QStringLiteral("SNMP_Trap");
const QString kReadList = QStringLiteral("SNMP_Trap_Read");
const QString kWriteList = QStringLiteral("SNMP_Trap_Write");

const std::vector<RowAttribute<Read>>& readAttributes()
{
    static const std::vector<RowAttribute<Read>> attributes = {
        {"Enable", &Read::Enable},         {"Community_Name", &Read::Community_Name},
        {"Type", &Read::Type},             {"On_Change", &Read::On_Change},
        {"On_Command", &Read::On_Command}, {"On_Timer", &Read::On_Timer},
        {"Time", &Read::Time},             {"Position", &Read::Position},
        {"Bit", &Read::Bit},               {"NumBits", &Read::NumBits},
        {"Description", &Read::Description}, {"IP_Address", &Read::IP_Address},
        {"Conversion", &Read::Conversion}, {"Mnemonic", &Read::Mnemonic},
    };
    return attributes;
}

const std::vector<RowAttribute<Write>>& writeAttributes()
{
    static const std::vector<RowAttribute<Write>> attributes = {
        {"Enable", &Write::Enable},   {"Community_Name", &Write::Community_Name},
        {"Type", &Write::Type},       {"Position", &Write::Position},
        {"Bit", &Write::Bit},         {"NumBits", &Write::NumBits},
        {"Description", &Write::Description}, {"Conversion", &Write::Conversion},
        {"Mnemonic", &Write::Mnemonic},
    };
    return attributes;
}

std::vector<io::AttributeDefault> defaults(const QString& missingEnable)
{
    return {{"Enable", missingEnable},
            {"On_Change", QStringLiteral("N")},
            {"On_Command", QStringLiteral("N")},
            {"On_Timer", QStringLiteral("N")},
            {"Conversion", QStringLiteral("None")}};
}

}  // namespace trap_file_detail
using namespace trap_file_detail;

ethercat_mqtt::ProjectFileRead readSNMPTrapFile(const QString& path, platform::XmlDocument& doc, SNMPTrapFile& data,
                                                const QString& missingEnable)
{
    data = SNMPTrapFile();
    platform::XmlElement root;
    ethercat_mqtt::ProjectFileRead result = io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    const platform::XmlElement read = root.child(kReadList);
    const platform::XmlElement write = root.child(kWriteList);
    if (read.isNull() && write.isNull()) {
        io::list(root, kReadList, path, result);
        return result;
    }
    data.Read = io::readRows(read, readAttributes(), defaults(missingEnable));
    data.Write = io::readRows(write, writeAttributes(), defaults(missingEnable));
    return result;
}

bool writeSNMPTrapFile(const QString& path, platform::XmlDocument& doc, const SNMPTrapFile& data, QString* error)
{
    platform::XmlElement root = io::start(doc, kTrapRoot, kSNMPFileVersion);
    io::writeRows(root.appendChild(kReadList), data.Read, readAttributes());
    io::writeRows(root.appendChild(kWriteList), data.Write, writeAttributes());
    return doc.save(path, error);
}

}  // namespace snmp
