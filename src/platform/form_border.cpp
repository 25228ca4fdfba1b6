#include "platform/form_border.h"

#include <QWidget>

namespace platform {

void setFixedSizeForm(QWidget* form, int width, int height)
{
    Qt::WindowFlags kind = form->windowFlags() & Qt::WindowType_Mask;
    if (kind == Qt::Widget)
        kind = Qt::Window;
    // The frame buttons are chosen here, not left to the window system's
    // defaults for the window's kind.
    form->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    form->setFixedSize(width, height);
}

}  // namespace platform
