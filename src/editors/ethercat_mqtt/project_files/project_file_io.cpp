#include "editors/ethercat_mqtt/project_files/project_file_io.h"

#include "platform/paths.h"

namespace ethercat_mqtt::project_file_io {

ProjectFileRead load(const QString& path, platform::XmlDocument& doc, platform::XmlElement& root)
{
    ProjectFileRead result;
    doc.clear();
    root = platform::XmlElement();
    if (path.isEmpty() || !platform::fileExists(path))
        return result;
    result.exists = true;
    QString reason;
    if (!doc.load(path, &reason)) {
        result.reason = reason;
        result.error = QStringLiteral("The file \"%1\" cannot be read: %2").arg(path, reason);
        return result;
    }
    root = doc.root();
    return result;
}

platform::XmlElement list(const platform::XmlElement& parent, const QString& name, const QString& path,
                          ProjectFileRead& result)
{
    platform::XmlElement element = parent.child(name);
    if (element.isNull() && result.error.isEmpty()) {
        result.missingElement = name;
        result.error = QStringLiteral("The file \"%1\" has no element \"%2\".").arg(path, name);
    }
    return element;
}

platform::XmlElement start(platform::XmlDocument& doc, const QString& rootName, const QString& version)
{
    doc.clear();
    platform::XmlElement root = doc.appendRoot(rootName);
    doc.appendComment(version);
    return root;
}

}  // namespace ethercat_mqtt::project_file_io
