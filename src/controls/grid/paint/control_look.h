#pragma once

#include <functional>

#include <QImage>

#include "controls/grid/paint/look_types.h"

namespace grid::paint {

// The fourteen fixed-cell face colours of the grid (its QVRGradient...
// properties): the normal face, the face under the mouse and the pressed face,
// each a two-part vertical gradient (From..To over the upper half,
// MirrorFrom..MirrorTo over the lower half; no mirror = one gradient).
struct TFixedFaceColors {
    TColor QVRGradientFrom = clWhite;
    TColor QVRGradientTo = clBtnFace;
    TColor QVRGradientMirrorFrom = clNone;
    TColor QVRGradientMirrorTo = clNone;
    TColor QVRGradientHoverFrom = 0xCFD0D1;
    TColor QVRGradientHoverTo = 0xBEC6C8;
    TColor QVRGradientHoverMirrorFrom = 0xBEC6C8;
    TColor QVRGradientHoverMirrorTo = 0xABBCBF;
    TColor QVRGradientHoverBorder = 0xC0C0C0;
    TColor QVRGradientDownFrom = 0x868788;
    TColor QVRGradientDownTo = 0x737C7E;
    TColor QVRGradientDownMirrorFrom = 0x737C7E;
    TColor QVRGradientDownMirrorTo = 0x627376;
    TColor QVRGradientDownBorder = 0x808080;
    bool operator==(const TFixedFaceColors&) const = default;
};

// The look of the objects inside cells, the fixed-cell gradients and the
// always-visible editor buttons. Owned by its grid; the gradient setters pass
// their value on to the grid's face colours (Faces), the others ask the grid
// to repaint (OnRepaint) where the property does.
class TControlLook {
public:
    // faces: the grid's face colours the gradient setters write (may be null).
    explicit TControlLook(TFixedFaceColors* faces = nullptr) : FFaces(faces) {}
    TControlLook(const TControlLook&) = delete;
    TControlLook& operator=(const TControlLook&) = delete;

    // Resets Color, CommentColor, ProgressBorderColor and the fourteen gradient
    // colours to their initial values; only the four hover and pressed mirror
    // colours are written through their setters (so the grid's hover and
    // pressed mirror colours become clNone).
    void Init();
    // Copies the settings of another control look (not FlatButton,
    // ProgressXP, NoDisabledCheckRadioLook, NoDisabledButtonLook,
    // FixedDropDownButton); the gradient colours are stored without reaching
    // the grid, and nothing is repainted.
    void Assign(const TControlLook& source);

    TColor Color() const { return FColor; }
    void SetColor(TColor v) { Store(FColor, v, true); }
    TColor CommentColor() const { return FCommentColor; }
    void SetCommentColor(TColor v) { Store(FCommentColor, v, true); }

    const QImage& CheckedGlyph() const { return FCheckedGlyph; }
    void SetCheckedGlyph(const QImage& v) { FCheckedGlyph = v; Repaint(); }
    const QImage& UnCheckedGlyph() const { return FUnCheckedGlyph; }
    void SetUnCheckedGlyph(const QImage& v) { FUnCheckedGlyph = v; Repaint(); }
    const QImage& RadioOnGlyph() const { return FRadioOnGlyph; }
    void SetRadioOnGlyph(const QImage& v) { FRadioOnGlyph = v; Repaint(); }
    const QImage& RadioOffGlyph() const { return FRadioOffGlyph; }
    void SetRadioOffGlyph(const QImage& v) { FRadioOffGlyph = v; Repaint(); }

    // Fixed-cell gradient colours.
    TColor FixedGradientFrom() const { return FFixedGradientFrom; }
    void SetFixedGradientFrom(TColor v);
    TColor FixedGradientTo() const { return FFixedGradientTo; }
    void SetFixedGradientTo(TColor v);
    TColor FixedGradientMirrorFrom() const { return FFixedGradientMirrorFrom; }
    void SetFixedGradientMirrorFrom(TColor v);
    TColor FixedGradientMirrorTo() const { return FFixedGradientMirrorTo; }
    void SetFixedGradientMirrorTo(TColor v);
    TColor FixedGradientHoverFrom() const { return FFixedGradientHoverFrom; }
    void SetFixedGradientHoverFrom(TColor v);
    TColor FixedGradientHoverTo() const { return FFixedGradientHoverTo; }
    void SetFixedGradientHoverTo(TColor v);
    TColor FixedGradientHoverMirrorFrom() const { return FFixedGradientHoverMirrorFrom; }
    void SetFixedGradientHoverMirrorFrom(TColor v);
    TColor FixedGradientHoverMirrorTo() const { return FFixedGradientHoverMirrorTo; }
    void SetFixedGradientHoverMirrorTo(TColor v);
    TColor FixedGradientHoverBorder() const { return FFixedGradientHoverBorder; }
    void SetFixedGradientHoverBorder(TColor v);
    TColor FixedGradientDownFrom() const { return FFixedGradientDownFrom; }
    void SetFixedGradientDownFrom(TColor v);
    TColor FixedGradientDownTo() const { return FFixedGradientDownTo; }
    void SetFixedGradientDownTo(TColor v);
    TColor FixedGradientDownMirrorFrom() const { return FFixedGradientDownMirrorFrom; }
    void SetFixedGradientDownMirrorFrom(TColor v);
    TColor FixedGradientDownMirrorTo() const { return FFixedGradientDownMirrorTo; }
    void SetFixedGradientDownMirrorTo(TColor v);
    TColor FixedGradientDownBorder() const { return FFixedGradientDownBorder; }
    void SetFixedGradientDownBorder(TColor v);

    bool FixedDropDownButton = false;
    int HintMaxWidth = 0;
    bool CheckAlwaysActive = false;
    bool RadioAlwaysActive = false;
    int DropDownCount = 8;
    TColor ProgressBorderColor = 0x808080;

    int CheckSize() const { return FCheckSize; }
    void SetCheckSize(int v) { Store(FCheckSize, v, true); }
    int RadioSize() const { return FRadioSize; }
    void SetRadioSize(int v) { Store(FRadioSize, v, true); }
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle v) { Store(FControlStyle, v, true); }
    bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool v) { Store(FDropDownAlwaysVisible, v, true); }
    bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool v) { Store(FSpinButtonsAlwaysVisible, v, true); }
    bool FlatButton() const { return FFlatButton; }
    void SetFlatButton(bool v) { Store(FFlatButton, v, true); }
    bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
    void SetNoDisabledCheckRadioLook(bool v) { Store(FNoDisabledCheckRadioLook, v, true); }
    bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
    void SetNoDisabledButtonLook(bool v) { Store(FNoDisabledButtonLook, v, true); }
    int ProgressMarginX() const { return FProgressMarginX; }
    void SetProgressMarginX(int v) { Store(FProgressMarginX, v, true); }
    int ProgressMarginY() const { return FProgressMarginY; }
    void SetProgressMarginY(int v) { Store(FProgressMarginY, v, true); }
    bool ProgressXP() const { return FProgressXP; }
    void SetProgressXP(bool v) { Store(FProgressXP, v, true); }

    // Asked to repaint the grid.
    std::function<void()> OnRepaint;

private:
    template <typename T> void Store(T& field, T value, bool repaint)
    {
        field = value;
        if (repaint) Repaint();
    }
    void Repaint()
    {
        if (OnRepaint) OnRepaint();
    }
    // Writes v into the grid's face colour (when there is a grid and, unless
    // always, v is not clNone).
    void PassOn(TColor TFixedFaceColors::*target, TColor v, bool always);

    TFixedFaceColors* FFaces;
    TColor FColor = clBlack;
    TColor FCommentColor = clRed;
    QImage FCheckedGlyph, FUnCheckedGlyph, FRadioOnGlyph, FRadioOffGlyph;
    TColor FFixedGradientFrom = clNone;
    TColor FFixedGradientTo = clNone;
    TColor FFixedGradientMirrorFrom = clNone;
    TColor FFixedGradientMirrorTo = clNone;
    TColor FFixedGradientHoverFrom = clWhite;
    TColor FFixedGradientHoverTo = 0x808080;
    TColor FFixedGradientHoverMirrorFrom = clNone;
    TColor FFixedGradientHoverMirrorTo = clNone;
    TColor FFixedGradientHoverBorder = 0xC0C0C0;
    TColor FFixedGradientDownFrom = 0xC0C0C0;
    TColor FFixedGradientDownTo = 0x808080;
    TColor FFixedGradientDownMirrorFrom = clNone;
    TColor FFixedGradientDownMirrorTo = clNone;
    TColor FFixedGradientDownBorder = 0x808080;
    int FCheckSize = 15;
    int FRadioSize = 10;
    TControlStyle FControlStyle = csTheme;
    bool FDropDownAlwaysVisible = false;
    bool FSpinButtonsAlwaysVisible = false;
    bool FFlatButton = false;
    bool FNoDisabledCheckRadioLook = false;
    bool FNoDisabledButtonLook = false;
    int FProgressMarginX = 2;
    int FProgressMarginY = 2;
    bool FProgressXP = false;
};

// The background picture or gradient of the grid. Every setter repaints.
class TBackGround {
public:
    TBackGround() = default;
    TBackGround(const TBackGround&) = delete;
    TBackGround& operator=(const TBackGround&) = delete;

    int Top() const { return FTop; }
    void SetTop(int v) { FTop = v; Repaint(); }
    int Left() const { return FLeft; }
    void SetLeft(int v) { FLeft = v; Repaint(); }
    TBackGroundDisplay Display() const { return FDisplay; }
    void SetDisplay(TBackGroundDisplay v) { FDisplay = v; Repaint(); }
    const QImage& Bitmap() const { return FBitmap; }
    void SetBitmap(const QImage& v) { FBitmap = v; Repaint(); }
    TBackGroundCells Cells() const { return FCells; }
    void SetCells(TBackGroundCells v) { FCells = v; Repaint(); }
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; Repaint(); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor v) { FColorTo = v; Repaint(); }

    bool IsGradient() const { return FDisplay == bdGradientHorz || FDisplay == bdGradientVert; }

    // Whether the background covers a cell (fixed = the cell's draw state has gdFixed).
    bool Admits(bool fixed) const { return FCells == bcAll || (FCells == bcFixed) == fixed; }

    std::function<void()> OnRepaint;

private:
    void Repaint()
    {
        if (OnRepaint) OnRepaint();
    }
    int FTop = 0;
    int FLeft = 0;
    TBackGroundDisplay FDisplay = bdTile;
    QImage FBitmap;
    TBackGroundCells FCells = bcNormal;
    TColor FColor = clWindow;
    TColor FColorTo = clBtnFace;
};

}  // namespace grid::paint
