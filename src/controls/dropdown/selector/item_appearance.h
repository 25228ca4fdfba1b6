#pragma once

// The colours and font of the item selector's hot and selected items.

#include <functional>

#include <QFont>

#include "controls/dropdown/base/dropdown_styles.h"
#include "platform/colors.h"

namespace dropdown {

class TItemAppearance {
public:
    TItemAppearance();
    // The twelve fill and frame colours, the font, the style (whose presets
    // then apply when it differs), the text colours and the plain frames.
    void Assign(const TItemAppearance& source);

    TSelectionColorStyle ColorStyle() const { return FColorStyle; }
    // A named style sets its twelve colours; scCustom changes none; the
    // current style again changes nothing.
    void SetColorStyle(TSelectionColorStyle style);

    TColor ColorHot = clNone, ColorHotTo = clNone, ColorMirrorHot = clNone, ColorMirrorHotTo = clNone;
    TColor ColorSelected = clNone, ColorSelectedTo = clNone;
    TColor ColorMirrorSelected = clNone, ColorMirrorSelectedTo = clNone;
    TColor BorderColor = clNone, BorderColorTop = clNone, BorderColorBottom = clNone, EdgeColor = clNone;
    TColor ColorSelectedText = clBlack, ColorHotText = clBlack;
    // When set, the hot or selected item gets a plain frame of this colour.
    TColor BorderColorHot = clNone, BorderColorSelected = clNone;
    QFont Font;

    // Nothing raises it.
    std::function<void()> OnChange;

private:
    TSelectionColorStyle FColorStyle = scCustom;
};

}  // namespace dropdown
