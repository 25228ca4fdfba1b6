#include "editors/fieldbus/j1939/j1939_frame_files.h"

namespace j1939 {
namespace j1939_files_detail {

namespace io = ethercat_mqtt::project_file_io;

const QString kJ1939Version = QStringLiteral("SW_VERSION = 1.000");
const QString kReceiveRoot = QStringLiteral("Receive_J1939");
const QString kTransmitRoot = QStringLiteral("Transmit_J1939");
const QString kNo = QStringLiteral("N");

const std::vector<io::AttributeDefault> kReceiveDefaults = {
    {"TP", kNo}, {"Delete", kNo}, {"OnRequest", kNo}, {"OnReq_Time", QStringLiteral("1000")}};
const std::vector<io::AttributeDefault> kTriggerDefaults = {
    {"On_Request", kNo}, {"On_Data_Change", kNo}, {"On_Timer", kNo}};

// The older transmit row: its sending mode in T_Type.
void takeSendingMode(const platform::XmlElement& element, J1939TransmitRule& rule)
{
    const QString typeAttribute = QStringLiteral("T_Type");
    if (!element.hasAttribute(typeAttribute))
        return;
    rule.On_Request = rule.On_Data_Change = rule.On_Timer = kNo;
    const QString mode = element.attribute(typeAttribute).toUpper();
    if (mode == QStringLiteral("ON DATA CHANGE"))
        rule.On_Data_Change = QStringLiteral("Y");
    else if (mode == QStringLiteral("ON TIMER"))
        rule.On_Timer = QStringLiteral("Y");
}

template <typename Rule>
ethercat_mqtt::ProjectFileRead readRules(const QString& path, platform::XmlDocument& doc,
                                         const std::vector<ethercat_mqtt::RowAttribute<Rule>>& attributes,
                                         const std::vector<io::AttributeDefault>& defaults, std::vector<Rule>& rules,
                                         platform::XmlElement& root)
{
    rules.clear();
    ethercat_mqtt::ProjectFileRead result = io::load(path, doc, root);
    if (result.exists && result.ok())
        rules = io::readRows(root, attributes, defaults);
    return result;
}

}  // namespace j1939_files_detail

using namespace j1939_files_detail;

const std::vector<ethercat_mqtt::RowAttribute<J1939ReceiveRule>>& j1939ReceiveAttributes()
{
    using R = J1939ReceiveRule;
    static const std::vector<ethercat_mqtt::RowAttribute<R>> attributes = {
        {"DP", &R::DP},         {"PGN", &R::PGN},           {"SA", &R::SA},
        {"TP", &R::TP},         {"TP_Start", &R::TP_Start}, {"TP_NByte", &R::TP_NByte},
        {"Delete", &R::Delete}, {"OnRequest", &R::OnRequest}, {"OnReq_Time", &R::OnReq_Time},
        {"Mnemonic", &R::Mnemonic},
    };
    return attributes;
}

const std::vector<ethercat_mqtt::RowAttribute<J1939TransmitRule>>& j1939TransmitAttributes()
{
    using T = J1939TransmitRule;
    static const std::vector<ethercat_mqtt::RowAttribute<T>> attributes = {
        {"Priority", &T::Priority},     {"DP", &T::DP},
        {"PGN", &T::PGN},               {"SA", &T::SA},
        {"TP_NByte", &T::TP_NByte},     {"On_Request", &T::On_Request},
        {"On_Data_Change", &T::On_Data_Change}, {"On_Timer", &T::On_Timer},
        {"SendTimer", &T::SendTimer},   {"Mnemonic", &T::Mnemonic},
    };
    return attributes;
}

ethercat_mqtt::ProjectFileRead readJ1939ReceiveFile(const QString& path, platform::XmlDocument& doc,
                                                    std::vector<J1939ReceiveRule>& rules)
{
    platform::XmlElement root;
    return readRules(path, doc, j1939ReceiveAttributes(), kReceiveDefaults, rules, root);
}

ethercat_mqtt::ProjectFileRead readJ1939TransmitFile(const QString& path, platform::XmlDocument& doc,
                                                     std::vector<J1939TransmitRule>& rules)
{
    platform::XmlElement root;
    const ethercat_mqtt::ProjectFileRead result =
        readRules(path, doc, j1939TransmitAttributes(), kTriggerDefaults, rules, root);
    const std::vector<platform::XmlElement> elements = root.children();
    for (size_t i = 0; i < rules.size() && i < elements.size(); ++i) {
        if (rules[i].TP_NByte.isEmpty())
            rules[i].TP_NByte = QStringLiteral("8");
        takeSendingMode(elements[i], rules[i]);
    }
    return result;
}

bool writeJ1939ReceiveFile(const QString& path, platform::XmlDocument& doc, const std::vector<J1939ReceiveRule>& rules,
                           QString* error)
{
    io::writeRows(io::start(doc, kReceiveRoot, kJ1939Version), rules, j1939ReceiveAttributes());
    return doc.save(path, error);
}

bool writeJ1939TransmitFile(const QString& path, platform::XmlDocument& doc,
                            const std::vector<J1939TransmitRule>& rules, QString* error)
{
    io::writeRows(io::start(doc, kTransmitRoot, kJ1939Version), rules, j1939TransmitAttributes());
    return doc.save(path, error);
}

}  // namespace j1939
