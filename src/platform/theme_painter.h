#pragma once

#include <cstdint>

#include "platform/geometry.h"

class QPainter;
class QWidget;

namespace platform {

// The themed parts the controls draw.
enum class TThemePart : uint8_t {
    Header,        // a column header item
    PushButton,
    CheckBox,
    Radio,
    ComboButton,   // the drop-down button of a combo box
    SpinUp,
    SpinDown,
    Progress,      // the bar's trough with its filled part
};

// States of a themed part, as a set of bits.
enum TThemeStateFlag : uint32_t {
    tsNormal = 0,
    tsHot = 1u << 0,
    tsPressed = 1u << 1,
    tsDisabled = 1u << 2,
    tsChecked = 1u << 3,
    tsMixed = 1u << 4,    // third state of a check box
    tsDefault = 1u << 5,  // default push button
    tsFocused = 1u << 6,
};
using TThemeState = uint32_t;

// Draws the parts that the configurator's controls show in the look of the
// running style (QStyle). Themes count as active.
class ThemePainter {
public:
    static bool ThemesActive() { return true; }

    // Draws part into r. For Progress, position runs from 0 to 1000 (per mille filled).
    static void Draw(QPainter& painter, TThemePart part, const TRect& r, TThemeState state, int position = 0,
                     const QWidget* widget = nullptr);

    // The size the style gives a check box (and radio) indicator.
    static int CheckSize();
};

}  // namespace platform
