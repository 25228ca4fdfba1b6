#include "controls/grid/paint/control_look.h"

namespace grid::paint {

void TControlLook::PassOn(TColor TFixedFaceColors::*target, TColor v, bool always)
{
    if (FFaces != nullptr && (always || v != clNone)) FFaces->*target = v;
}

void TControlLook::SetFixedGradientFrom(TColor v)
{
    FFixedGradientFrom = v;
    PassOn(&TFixedFaceColors::QVRGradientFrom, v, false);
}
void TControlLook::SetFixedGradientTo(TColor v)
{
    FFixedGradientTo = v;
    PassOn(&TFixedFaceColors::QVRGradientTo, v, false);
}
void TControlLook::SetFixedGradientMirrorFrom(TColor v)
{
    FFixedGradientMirrorFrom = v;
    PassOn(&TFixedFaceColors::QVRGradientMirrorFrom, v, true);
}
void TControlLook::SetFixedGradientMirrorTo(TColor v)
{
    FFixedGradientMirrorTo = v;
    PassOn(&TFixedFaceColors::QVRGradientMirrorTo, v, true);
}
void TControlLook::SetFixedGradientHoverFrom(TColor v)
{
    FFixedGradientHoverFrom = v;
    PassOn(&TFixedFaceColors::QVRGradientHoverFrom, v, false);
}
void TControlLook::SetFixedGradientHoverTo(TColor v)
{
    FFixedGradientHoverTo = v;
    PassOn(&TFixedFaceColors::QVRGradientHoverTo, v, false);
}
void TControlLook::SetFixedGradientHoverMirrorFrom(TColor v)
{
    FFixedGradientHoverMirrorFrom = v;
    PassOn(&TFixedFaceColors::QVRGradientHoverMirrorFrom, v, true);
}
void TControlLook::SetFixedGradientHoverMirrorTo(TColor v)
{
    FFixedGradientHoverMirrorTo = v;
    PassOn(&TFixedFaceColors::QVRGradientHoverMirrorTo, v, true);
}
void TControlLook::SetFixedGradientHoverBorder(TColor v)
{
    FFixedGradientHoverBorder = v;
    PassOn(&TFixedFaceColors::QVRGradientHoverBorder, v, false);
}
void TControlLook::SetFixedGradientDownFrom(TColor v)
{
    FFixedGradientDownFrom = v;
    PassOn(&TFixedFaceColors::QVRGradientDownFrom, v, false);
}
void TControlLook::SetFixedGradientDownTo(TColor v)
{
    FFixedGradientDownTo = v;
    PassOn(&TFixedFaceColors::QVRGradientDownTo, v, false);
}
void TControlLook::SetFixedGradientDownMirrorFrom(TColor v)
{
    FFixedGradientDownMirrorFrom = v;
    PassOn(&TFixedFaceColors::QVRGradientDownMirrorFrom, v, true);
}
void TControlLook::SetFixedGradientDownMirrorTo(TColor v)
{
    FFixedGradientDownMirrorTo = v;
    PassOn(&TFixedFaceColors::QVRGradientDownMirrorTo, v, true);
}
void TControlLook::SetFixedGradientDownBorder(TColor v)
{
    FFixedGradientDownBorder = v;
    PassOn(&TFixedFaceColors::QVRGradientDownBorder, v, false);
}

void TControlLook::Init()
{
    FColor = clBlack;
    FCommentColor = clRed;
    ProgressBorderColor = 0x808080;
    FFixedGradientFrom = clNone;
    FFixedGradientTo = clNone;
    FFixedGradientMirrorFrom = clNone;
    FFixedGradientMirrorTo = clNone;
    FFixedGradientHoverFrom = clWhite;
    FFixedGradientHoverTo = 0x808080;
    SetFixedGradientHoverMirrorFrom(clNone);
    SetFixedGradientHoverMirrorTo(clNone);
    FFixedGradientHoverBorder = 0xC0C0C0;
    FFixedGradientDownFrom = 0xC0C0C0;
    FFixedGradientDownTo = 0x808080;
    SetFixedGradientDownMirrorFrom(clNone);
    SetFixedGradientDownMirrorTo(clNone);
    FFixedGradientDownBorder = 0x808080;
}

void TControlLook::Assign(const TControlLook& source)
{
    if (&source == this) return;
    FCheckSize = source.FCheckSize;
    FRadioSize = source.FRadioSize;
    FControlStyle = source.FControlStyle;
    FCheckedGlyph = source.FCheckedGlyph;
    FUnCheckedGlyph = source.FUnCheckedGlyph;
    FRadioOnGlyph = source.FRadioOnGlyph;
    FRadioOffGlyph = source.FRadioOffGlyph;
    FProgressMarginX = source.FProgressMarginX;
    FProgressMarginY = source.FProgressMarginY;
    FCommentColor = source.FCommentColor;
    FColor = source.FColor;
    ProgressBorderColor = source.ProgressBorderColor;
    CheckAlwaysActive = source.CheckAlwaysActive;
    RadioAlwaysActive = source.RadioAlwaysActive;
    FFixedGradientFrom = source.FFixedGradientFrom;
    FFixedGradientTo = source.FFixedGradientTo;
    FFixedGradientMirrorFrom = source.FFixedGradientMirrorFrom;
    FFixedGradientMirrorTo = source.FFixedGradientMirrorTo;
    FFixedGradientHoverFrom = source.FFixedGradientHoverFrom;
    FFixedGradientHoverTo = source.FFixedGradientHoverTo;
    FFixedGradientHoverMirrorFrom = source.FFixedGradientHoverMirrorFrom;
    FFixedGradientHoverMirrorTo = source.FFixedGradientHoverMirrorTo;
    FFixedGradientHoverBorder = source.FFixedGradientHoverBorder;
    FFixedGradientDownFrom = source.FFixedGradientDownFrom;
    FFixedGradientDownTo = source.FFixedGradientDownTo;
    FFixedGradientDownMirrorFrom = source.FFixedGradientDownMirrorFrom;
    FFixedGradientDownMirrorTo = source.FFixedGradientDownMirrorTo;
    FFixedGradientDownBorder = source.FFixedGradientDownBorder;
    FDropDownAlwaysVisible = source.FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = source.FSpinButtonsAlwaysVisible;
    DropDownCount = source.DropDownCount;
    HintMaxWidth = source.HintMaxWidth;
}

}  // namespace grid::paint
