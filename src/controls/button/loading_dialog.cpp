#include "controls/button/loading_dialog.h"

#include <QMetaObject>
#include <QShowEvent>

namespace form_parts {

int TLoadingDialog::exec()
{
    if (!FormShow())
        return QDialog::Rejected;
    loadedForShow_ = true;
    const int result = QDialog::exec();
    loadedForShow_ = false;
    return result;
}

void TLoadingDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (loadedForShow_) {
        loadedForShow_ = false;
        return;
    }
    if (!FormShow())
        QMetaObject::invokeMethod(this, [this] { reject(); }, Qt::QueuedConnection);
}

}  // namespace form_parts
