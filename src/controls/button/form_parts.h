#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QString>

#include "controls/button/lb_button.h"

// The parts every dialog of the configurator is built from: its font, the
// title band, the button band and fixed-place labels and buttons.
namespace form_parts {

// The configurator's form font: Verdana with a character height of 11 px.
QFont formFont();

// Names a form, gives it the form font and fills its background with
// `background`.
void setFormLook(QWidget* form, const QString& name, const QColor& background);

// Gives a form a fixed client area (`resizable` keeps it as the start size).
void setClientArea(QWidget* form, int width, int height, bool resizable = false);

// A plain label at a fixed place.
QLabel* placeLabel(QWidget* parent, const QString& name, int left, int top, const QString& text = {});

// A push button at a fixed place, size and kind.
button::TLbButton* placeButton(QWidget* parent, const QString& name, int left, int top, int width, int height,
                               button::TLbButtonKind kind = button::bkCustom);

// The title band of the dialogs: `L_SW_Code` (the software code) in large
// grey, `L_SW_Desc` in bold grey below it, on a white panel 69 px high across
// the form.
struct TitlePanel {
    QWidget* P_Title = nullptr;
    QLabel* L_SW_Code = nullptr;
    QLabel* L_SW_Desc = nullptr;
};
TitlePanel makeTitlePanel(QWidget* form, const QString& softwareCode);

// The button band of the dialogs: 40 px at the bottom, with OK and Cancel
// (110 x 28) on its right.
struct ButtonPanel {
    QWidget* P_Button = nullptr;
    button::TLbButton* Btn_OK = nullptr;
    button::TLbButton* Btn_Cancel = nullptr;
};
ButtonPanel makeButtonPanel(QDialog* form);

}  // namespace form_parts
