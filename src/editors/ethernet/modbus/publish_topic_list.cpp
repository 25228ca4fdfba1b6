#include "editors/ethernet/modbus/publish_topic_list.h"

namespace ethernet_editors {

QString PublishTopicList::Get_Topic_From_Index(int index) const
{
    return index >= 0 && index < items.size() ? items[index] : QString();
}

int PublishTopicList::Get_Index_From_Topic(const QString& topic) const
{
    return int(items.indexOf(topic));
}

}  // namespace ethernet_editors
