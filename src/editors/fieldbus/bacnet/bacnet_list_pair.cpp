#include "editors/fieldbus/bacnet/bacnet_list_pair.h"

namespace bacnet {

ethercat_mqtt::ProjectFileRead loadListPair(const QString& path, platform::XmlDocument& doc, const QString& firstName,
                                            const QString& secondName, platform::XmlElement& first,
                                            platform::XmlElement& second)
{
    first = platform::XmlElement();
    second = platform::XmlElement();
    platform::XmlElement root;
    ethercat_mqtt::ProjectFileRead result = ethercat_mqtt::project_file_io::load(path, doc, root);
    if (!result.exists || !result.ok())
        return result;
    first = root.child(firstName);
    second = root.child(secondName);
    if (first.isNull() && second.isNull())
        ethercat_mqtt::project_file_io::list(root, firstName, path, result);
    return result;
}

}  // namespace bacnet
