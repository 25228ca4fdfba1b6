#pragma once

#include <QString>

namespace platform {

// An edit mask in the configurator's notation ("!99/99/0000;1;_": the mask,
// whether literals are kept, the blank character) as a Qt input mask.
// Mask characters: 0 digit, 9 optional digit, # optional digit or sign,
// L letter, l optional letter, A letter or digit, a optional letter or digit,
// C any character, c optional character, > upper case, < lower case, <> no
// case change, \ the next character as it stands, / and : the date and time
// separators of the format settings, ! ignored; every other character is a
// literal. An empty mask gives the empty input mask (no mask).
QString QtInputMask(const QString& editMask);

}  // namespace platform
