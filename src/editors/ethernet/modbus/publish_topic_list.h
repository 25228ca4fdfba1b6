#pragma once

#include <QString>
#include <QStringList>

namespace ethernet_editors {

// The publish topics that the Topic column of a Modbus read table refers to
// by index in the file (Index_Topic). Nothing fills the list in this
// program, so every index stands for no topic.
struct PublishTopicList {
    QStringList items;

    // The topic at `index`; empty for an index outside the list.
    QString Get_Topic_From_Index(int index) const;
    // The index of the first item equal to `topic`; -1 when none is.
    int Get_Index_From_Topic(const QString& topic) const;
};

}  // namespace ethernet_editors
