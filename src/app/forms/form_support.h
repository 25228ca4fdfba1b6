#pragma once

#include <QDialog>
#include <QLabel>
#include <QString>

#include "app/translatable_form.h"
#include "controls/button/form_parts.h"
#include "controls/button/lb_button.h"

namespace app_forms {

// The forms' texts come again from the text table after a language change.
using TranslatableForm = app::TranslatableForm;

using form_parts::ButtonPanel;
using form_parts::formFont;
using form_parts::makeButtonPanel;
using form_parts::placeButton;
using form_parts::placeLabel;
using form_parts::TitlePanel;

// Gives a form its client area. A fixed one (not `resizable`) also gets the
// frame of a fixed-size form: no maximize or minimize button.
void setClientArea(QWidget* form, int width, int height, bool resizable = false);

// The title band with the software code of the application state.
TitlePanel makeTitlePanel(QWidget* form);

// Opens an address with the desktop's default program.
void openAddress(const QString& url);

// The maker's home page as the about box and the main window open it.
QString makerHomePage();

}  // namespace app_forms
