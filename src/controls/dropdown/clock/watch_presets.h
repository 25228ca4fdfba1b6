#pragma once

// The clock's preset looks and the colours the component styles give it.

#include <cstdint>

#include "controls/dropdown/base/dropdown_styles.h"
#include "controls/dropdown/clock/watch_appearance.h"

namespace dropdown {

enum TWatchStyle : uint8_t {
    wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack, wsBlackWhite, wsGray,
    wsSuperNova, wsSports, wsSmooth
};

// The clock's own settings a preset may set; those it does not name keep
// their values.
struct TWatchPresetOptions {
    bool ShowAMPM = true;
    bool ShowNumbers = true;
    bool Animation = true;
    int AnimationFactor = 10;
};

// Puts the appearance back to its defaults and applies the preset look of
// style for a width x height clock.
void ApplyWatchStyle(TWatchStyle style, TWatchAppearance& appearance, TWatchPresetOptions& options, int width,
                     int height);

// The colours of a component style; tsCustom only blackens the two fonts and
// the outer centre ring.
void ApplyWatchComponentStyle(TQVRStyle style, TWatchAppearance& appearance);

}  // namespace dropdown
