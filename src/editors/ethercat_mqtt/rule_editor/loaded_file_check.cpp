#include "editors/ethercat_mqtt/rule_editor/loaded_file_check.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace rule_editor {

LoadedFileCheck::Stamp LoadedFileCheck::stampOf(const QString& path)
{
    Stamp stamp;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return stamp;
    stamp.exists = true;
    stamp.size = info.size();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(&file);
        stamp.hash = hash.result();
    }
    return stamp;
}

void LoadedFileCheck::remember(const QString& path)
{
    path_ = path;
    stamp_ = stampOf(path);
}

bool LoadedFileCheck::changed() const
{
    return !(stampOf(path_) == stamp_);
}

}  // namespace rule_editor
