#include "editors/ethernet/iec61850/client_file.h"

namespace iec61850 {
namespace client_file_detail {

namespace io = ethercat_mqtt::project_file_io;
using ethercat_mqtt::RowAttribute;

const QString kRoot = QStringLiteral("IEC_68850_Client");
const QString kVersion = QStringLiteral("SW_VERSION = 1.000");
const QString kCatalogList = QStringLiteral("List_ICD_Files");
const QString kAttributeList = QStringLiteral("List_DA_Selected");
const QString kDataSetList = QStringLiteral("List_DataSet_Selected");
const QString kMemberList = QStringLiteral("DataSet_List_DAs");

}  // namespace client_file_detail
using namespace client_file_detail;

const std::vector<RowAttribute<ClientIcdFile>>& icdFileAttributes()
{
    using R = ClientIcdFile;
    static const std::vector<RowAttribute<R>> attributes = {{"Name", &R::Name}, {"FileName", &R::FileName}};
    return attributes;
}

const std::vector<RowAttribute<ClientDaItem>>& daItemAttributes()
{
    using R = ClientDaItem;
    static const std::vector<RowAttribute<R>> attributes = {
        {"Index", &R::Index},         {"bType", &R::bType},       {"fc", &R::fc},
        {"Reference", &R::Reference}, {"StartByte", &R::StartByte}, {"NumByte", &R::NumByte},
        {"IPAddress", &R::IPAddress}, {"Port", &R::Port},         {"OnChange", &R::OnChange},
        {"OnCMD", &R::OnCMD},         {"OnTimer", &R::OnTimer},   {"Time", &R::Time},
        {"Position", &R::Position},   {"StartBit", &R::StartBit}, {"ReadWrite", &R::ReadWrite},
        {"Convertion", &R::Convertion}, {"MoltFact", &R::MoltFact}, {"Mnemonic", &R::Mnemonic},
    };
    return attributes;
}

const std::vector<RowAttribute<ClientDataSetItem>>& dataSetItemAttributes()
{
    using R = ClientDataSetItem;
    static const std::vector<RowAttribute<R>> attributes = {
        {"Index", &R::Index},         {"Reference", &R::Reference}, {"GooseName", &R::GooseName},
        {"EnGoose", &R::EnGoose},     {"IPAddress", &R::IPAddress}, {"Port", &R::Port},
        {"Time", &R::Time},           {"Mnemonic", &R::Mnemonic},
    };
    return attributes;
}

const std::vector<RowAttribute<ClientDataSetMemberItem>>& dataSetMemberAttributes()
{
    using R = ClientDataSetMemberItem;
    static const std::vector<RowAttribute<R>> attributes = {
        {"bType", &R::bType},       {"Reference", &R::Reference},   {"Position", &R::Position},
        {"StartBit", &R::StartBit}, {"Convertion", &R::Convertion}, {"MoltFact", &R::MoltFact},
        {"Mnemonic", &R::Mnemonic},
    };
    return attributes;
}

ProjectFileRead readIEC61850ClientFile(const QString& path, platform::XmlDocument& doc, IEC61850ClientFile& data)
{
    data = IEC61850ClientFile();
    platform::XmlElement root;
    ProjectFileRead result = io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    if (root.name() != kRoot) {
        result.missingElement = kRoot;
        result.error = QStringLiteral("The file \"%1\" has no element \"%2\".").arg(path, kRoot);
        return result;
    }
    data.catalog = io::readRows(root.child(kCatalogList), icdFileAttributes());
    data.attributes = io::readRows(root.child(kAttributeList), daItemAttributes());
    const platform::XmlElement dataSets = root.child(kDataSetList);
    data.dataSets = io::readRows(dataSets, dataSetItemAttributes());
    const std::vector<platform::XmlElement> items = dataSets.children();
    for (size_t i = 0; i < items.size(); ++i)
        data.dataSets[i].members = io::readRows(items[i].child(kMemberList), dataSetMemberAttributes());
    return result;
}

bool writeIEC61850ClientFile(const QString& path, platform::XmlDocument& doc, const IEC61850ClientFile& data,
                             QString* error)
{
    platform::XmlElement root = io::start(doc, kRoot, kVersion);
    platform::XmlElement catalog = root.appendChild(kCatalogList);
    for (const ClientIcdFile& file : data.catalog)
        io::writeRow(catalog, QStringLiteral("ICD_File"), file, icdFileAttributes());
    platform::XmlElement attributes = root.appendChild(kAttributeList);
    for (const ClientDaItem& item : data.attributes)
        io::writeRow(attributes, QStringLiteral("DA_Item"), item, daItemAttributes());
    platform::XmlElement dataSets = root.appendChild(kDataSetList);
    for (const ClientDataSetItem& item : data.dataSets) {
        platform::XmlElement members =
            io::writeRow(dataSets, QStringLiteral("DataSet_Item"), item, dataSetItemAttributes())
                .appendChild(kMemberList);
        for (const ClientDataSetMemberItem& member : item.members)
            io::writeRow(members, QStringLiteral("DataSet_DA_Item"), member, dataSetMemberAttributes());
    }
    return doc.save(path, error);
}

}  // namespace iec61850
