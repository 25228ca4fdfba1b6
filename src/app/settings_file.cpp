#include "app/settings_file.h"

#include <optional>

#include "platform/paths.h"
#include "platform/xml_document.h"

namespace app {
namespace {

const QString kRoot = QStringLiteral("Conf_Settings");
const QString kOptionsGroup = QStringLiteral("lastinternet");

// Text of group/value under the root, or nothing when an element is missing
// or the value holds more than plain text.
std::optional<QString> valueText(const platform::XmlElement& root, const QString& group, const QString& value)
{
    const platform::XmlElement element = root.child(group).child(value);
    if (element.isNull() || !element.children().empty())
        return std::nullopt;
    return element.text();
}

bool optionFlag(const platform::XmlElement& root, const QString& value)
{
    return valueText(root, kOptionsGroup, value) == QStringLiteral("1");
}

QString flagText(bool flag)
{
    return flag ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

QString settingsFilePath(const AppState& state)
{
    return platform::joinPath(state.Exe_Path, QStringLiteral("Velmoraxis.xml"));
}

void Read_Settings(AppState& state, platform::XmlDocument& xml)
{
    state.Project_Path.clear();
    platform::XmlElement root;
    if (xml.load(settingsFilePath(state)))
        root = xml.root();
    state.Project_Name = valueText(root, QStringLiteral("lastproj"), QStringLiteral("projectname")).value_or(QString());
    state.Last_IP_Address =
        valueText(root, QStringLiteral("lastipadd"), QStringLiteral("ipaddress")).value_or(kDefaultIpAddress);
    state.Language_Name =
        valueText(root, QStringLiteral("lastlang"), QStringLiteral("language")).value_or(kDefaultLanguage);
    state.Enable_Internet = optionFlag(root, QStringLiteral("enable_internet"));
    state.Enable_Update = optionFlag(root, QStringLiteral("enable_update"));
    state.Enable_Jump_Field_Tables = optionFlag(root, QStringLiteral("enable_jump_field_tables"));
    state.Double_Click_Auto_Size = optionFlag(root, QStringLiteral("Double_Click_Auto_Size"));
    xml.clear();
}

bool Save_Setting(const AppState& state, platform::XmlDocument& xml, QString* error)
{
    xml.clear();
    platform::XmlElement root = xml.appendRoot(kRoot);
    root.appendChild(QStringLiteral("lastproj")).appendTextChild(QStringLiteral("projectname"), state.Project_Name);
    root.appendChild(QStringLiteral("lastipadd")).appendTextChild(QStringLiteral("ipaddress"), state.Last_IP_Address);
    root.appendChild(QStringLiteral("lastlang")).appendTextChild(QStringLiteral("language"), state.Language_Name);
    platform::XmlElement options = root.appendChild(kOptionsGroup);
    options.appendTextChild(QStringLiteral("enable_internet"), flagText(state.Enable_Internet));
    options.appendTextChild(QStringLiteral("enable_update"), flagText(state.Enable_Update));
    options.appendTextChild(QStringLiteral("enable_jump_field_tables"), flagText(state.Enable_Jump_Field_Tables));
    options.appendTextChild(QStringLiteral("Double_Click_Auto_Size"), flagText(state.Double_Click_Auto_Size));
    const bool saved = xml.save(settingsFilePath(state), error);
    xml.clear();
    return saved;
}

}  // namespace app
