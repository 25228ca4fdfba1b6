#pragma once

class QWidget;

namespace platform {

// Gives `form` a client area the user cannot resize and the frame such a
// form has: a single border with the title, the system menu and the close
// button, and no maximize or minimize button (they could do nothing for it).
// The form keeps its kind (window or dialog).
void setFixedSizeForm(QWidget* form, int width, int height);

}  // namespace platform
