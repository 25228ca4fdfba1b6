#pragma once

#include <QImage>

namespace app_forms {

// The pictures of the main window's buttons, drawn for this program.
enum class Step_Picture {
    New, Open, Parameters, Group, Variables, Topics, DescriptionFile, Update, Info, Options, Close, Other
};

// One glyph of `size` x `size` pixels on a transparent background.
QImage stepPicture(Step_Picture kind, int size);

}  // namespace app_forms
