#pragma once

#include <QString>

#include "controls/grid/paint/control_look.h"
#include "controls/grid/paint/look_types.h"

namespace grid::paint {

// The grid's colour properties that the look, the colour styles, the XP
// schemes and the colour tones write (each of them the grid's own property of
// the same name), with the values of a new grid in the default look glXP.
struct TGridLookColors {
    TGridLook Look = glXP;
    TQVRStyle Style = tsWindowsXP;             // the current component style
    TOfficeTheme OldOfficeTheme = otUnknown;  // the office theme last applied
    TColorTones Tones;                        // the tones last given (none at first)
    TFixedFaceColors Faces;

    TColor Color = clWindow;
    TColor FontColor = clWindowText;
    QString FontName;        // empty = unchanged
    TColor FixedColor = clBtnFace;
    TColor FixedFontColor = clWindowText;
    QString FixedFontName;   // empty = unchanged
    bool Flat = false;

    TColor ActiveCellColor = 0x808080;
    TColor ActiveCellColorTo = clNone;
    TColor SelectionColor = 0xEACAB6;
    TColor SelectionColorTo = clNone;
    TColor SelectionMirrorColor = clNone;
    TColor SelectionMirrorColorTo = clNone;
    TColor SelectionTextColor = clBlack;
    TGridSelectionStyle SelectionStyle = ssDefault;

    TColor GridLineColor = 0xC0C0C0;
    TColor GridFixedLineColor = 0x808080;

    TColor SearchFooterColor = clWhite;
    TColor SearchFooterColorTo = clBtnFace;
    TColor FloatingFooterColor = clBtnFace;

    // SortSettings.HeaderColor .. HeaderMirrorColorTo.
    TColor SortHeaderColor = clNone;
    TColor SortHeaderColorTo = clNone;
    TColor SortHeaderMirrorColor = clNone;
    TColor SortHeaderMirrorColorTo = clNone;

    TColor BorderColor = 0xB99D7F;
    bool BorderSingle = true;  // the window's border style: single or none
    TScrollType ScrollType = ssNormal;
    bool NodeTypeFlat = false;  // the tones switched the node marks to cnFlat
};

// The colour layers of a grid: its colours and its control look, changed
// together by the look setter, the colour styles, the XP schemes and the
// colour tones. Loading: the grid is being read from its stored form (the
// look setter then keeps the stored colours). The grid repaints after each
// entry (OnRepaint) and passes styles on to its drop-down editors
// (OnEditorStyle, at run time).
class TGridLooks {
public:
    TGridLooks(TGridLookColors& colors, TControlLook& controlLook) : G(colors), CL(controlLook) {}

    // The look setter: nothing when the look is unchanged; true when it changed.
    bool SetLook(TGridLook look);
    // Resets the selection and sort header colours and the control look's
    // colours, then applies the style (an ordinal outside the sixteen applies
    // only the reset).
    void SetStyle(int style);
    // Stores the style as the component style, applies it, and switches a
    // metro scroll bar back to normal for every style but tsCustom.
    void SetComponentStyle(TQVRStyle style);
    // Face and active-cell colours of an XP scheme; the look stays.
    void SetTheme(TXPColorScheme scheme);
    // The flat scheme of five tones; uiFontName is the system's UI font.
    void SetColorTones(const TColorTones& tones, const QString& uiFontName);
    // Applies the component style of a detected office theme when it differs
    // from the last one; true when a style was applied.
    bool UpdateOfficeTheme(TOfficeTheme theme);

    bool Loading = false;
    std::function<void()> OnRepaint;
    std::function<void(TQVRStyle)> OnEditorStyle;

private:
    void ApplyStyleColors(int style);
    void Repaint()
    {
        if (OnRepaint) OnRepaint();
    }
    TGridLookColors& G;
    TControlLook& CL;
};

// The component style that follows an office theme (tsCustom for otUnknown:
// nothing to apply).
TQVRStyle StyleOfOfficeTheme(TOfficeTheme theme);

// "glStandard" ... "glOffice2007"; glCustom leaves S unchanged.
void LookToString(TGridLook look, QString& S);
// The names the design-time panel shows; glCustom leaves S unchanged.
void LookDisplayName(TGridLook look, QString& S);

}  // namespace grid::paint
