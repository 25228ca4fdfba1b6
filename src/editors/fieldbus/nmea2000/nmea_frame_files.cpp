#include "editors/fieldbus/nmea2000/nmea_frame_files.h"

namespace nmea2000 {
namespace nmea_files_detail {

namespace io = ethercat_mqtt::project_file_io;

// The root of both files.
const QString kNMEARoot = QStringLiteral("Receive_NMEA_2000");
const QString kNMEAVersion = QStringLiteral("SW_VERSION = 1.001");
const QString kUnticked = QStringLiteral("N");

const std::vector<io::AttributeDefault> kReceiveBoxes = {{"TP", kUnticked}, {"FP", kUnticked}, {"Delete", kUnticked}};
const std::vector<io::AttributeDefault> kTransmitBoxes = {
    {"FP", kUnticked}, {"On_Request", kUnticked}, {"On_Data_Change", kUnticked}, {"On_Timer", kUnticked}};

template <typename Rule>
ethercat_mqtt::ProjectFileRead readRules(const QString& path, platform::XmlDocument& doc,
                                         const std::vector<ethercat_mqtt::RowAttribute<Rule>>& attributes,
                                         const std::vector<io::AttributeDefault>& defaults, std::vector<Rule>& rules)
{
    rules.clear();
    platform::XmlElement root;
    ethercat_mqtt::ProjectFileRead result = io::load(path, doc, root);
    if (result.exists && result.ok())
        rules = io::readRows(root, attributes, defaults);
    return result;
}

template <typename Rule>
bool writeRules(const QString& path, platform::XmlDocument& doc, const std::vector<Rule>& rules,
                const std::vector<ethercat_mqtt::RowAttribute<Rule>>& attributes, QString* error)
{
    io::writeRows(io::start(doc, kNMEARoot, kNMEAVersion), rules, attributes);
    return doc.save(path, error);
}

}  // namespace nmea_files_detail

using namespace nmea_files_detail;

const std::vector<ethercat_mqtt::RowAttribute<NMEAReceiveRule>>& nmeaReceiveAttributes()
{
    using R = NMEAReceiveRule;
    static const std::vector<ethercat_mqtt::RowAttribute<R>> attributes = {
        {"PGN", &R::PGN},           {"SA", &R::SA},             {"TP", &R::TP},         {"FP", &R::FP},
        {"TP_Start", &R::TP_Start}, {"TP_NByte", &R::TP_NByte}, {"Delete", &R::Delete}, {"Mnemonic", &R::Mnemonic},
    };
    return attributes;
}

const std::vector<ethercat_mqtt::RowAttribute<NMEATransmitRule>>& nmeaTransmitAttributes()
{
    using T = NMEATransmitRule;
    static const std::vector<ethercat_mqtt::RowAttribute<T>> attributes = {
        {"Priority", &T::Priority},     {"PGN", &T::PGN},
        {"SA", &T::SA},                 {"FP", &T::FP},
        {"TP_NByte", &T::TP_NByte},     {"On_Request", &T::On_Request},
        {"On_Data_Change", &T::On_Data_Change}, {"On_Timer", &T::On_Timer},
        {"SendTimer", &T::SendTimer},   {"Mnemonic", &T::Mnemonic},
    };
    return attributes;
}

ethercat_mqtt::ProjectFileRead readNMEAReceiveFile(const QString& path, platform::XmlDocument& doc,
                                                   std::vector<NMEAReceiveRule>& rules)
{
    return readRules(path, doc, nmeaReceiveAttributes(), kReceiveBoxes, rules);
}

ethercat_mqtt::ProjectFileRead readNMEATransmitFile(const QString& path, platform::XmlDocument& doc,
                                                    std::vector<NMEATransmitRule>& rules)
{
    return readRules(path, doc, nmeaTransmitAttributes(), kTransmitBoxes, rules);
}

bool writeNMEAReceiveFile(const QString& path, platform::XmlDocument& doc, const std::vector<NMEAReceiveRule>& rules,
                          QString* error)
{
    return writeRules(path, doc, rules, nmeaReceiveAttributes(), error);
}

bool writeNMEATransmitFile(const QString& path, platform::XmlDocument& doc,
                           const std::vector<NMEATransmitRule>& rules, QString* error)
{
    return writeRules(path, doc, rules, nmeaTransmitAttributes(), error);
}

}  // namespace nmea2000
