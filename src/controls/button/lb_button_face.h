#pragma once

#include <cstdint>
#include <optional>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include "platform/colors.h"

class QFontMetrics;
class QPainter;

// The push button's looks: its enumerations, the colour presets and the face
// painter. Plain drawing code on a QPainter, without a widget, so that a face
// can be drawn and checked on its own.
namespace button {

// Ordinals are stored with the forms; the order never changes.
enum TLbButtonStyle : uint8_t { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TLbButtonKind : uint8_t { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum TLbButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TLbColorStyle : uint8_t {
    lcsCustom, lcsGold, lcsChrome, lcsBlue, lcsRed, lcsUltraFlat1, lcsUltraFlat2, lcsUltraFlatXP,
    lcsAqua, lcsDefault, lcsQuicken
};
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

// The colours and looks a colour preset brings.
struct TLbColorStyleColors {
    TColor Color;
    TColor LightColor;
    TColor ShadowColor;
    TColor ColorWhenDown;
    TColor HotTrackColor;
    TColor FontColor;
    bool Flat;
    TLbButtonStyle Style;  // bsModern, bsQuicken or bsNormal
};

// The preset of a colour style; nothing for lcsCustom.
std::optional<TLbColorStyleColors> GetColorStyleColors(TLbColorStyle style);

// Hot-track intensity runs from 0 (none) to this (full hot-track colour).
constexpr int kFullHotTrackStep = 8;

// The face colour blended toward the hot-track colour: per channel
// trunc((1 - step/8) * face + step/8 * hot).
QColor HotTrackBlendColor(const QColor& faceColor, const QColor& hotColor, int step);

// A vertical gradient of 32 bands from fromColor (top) toward toColor over
// the rectangle [left, right) x [top, bottom). Band i starts at row
// top + i * height / 31, so the 32nd band (the pure toColor) starts at the
// bottom edge and the gradient ends one step short of toColor.
void DrawBandGradient(const QColor& fromColor, const QColor& toColor, int left, int top, int right, int bottom,
                      QPainter& canvas);

// Draws picture `cellX / cellWidth` of a glyph strip with its top-left corner
// at (x, y). The colour of the picture's lower-left pixel is transparent. A
// picture beyond the end of the strip leaves picture 0 showing.
void DrawGlyphCell(QPainter& canvas, int x, int y, const QImage& glyph, int cellX, int cellWidth, int cellHeight);

// Which picture of a strip of `numGlyphs` pictures a button shows: 1 when
// disabled; else 0, 3 when hot (with four pictures), 2 when pressed (with at
// least three; pressed wins over hot).
int GlyphPictureIndex(bool enabled, bool hot, bool down, int numGlyphs);

// The width of one picture of a strip (0 without pictures).
int GlyphPictureWidth(const QImage& glyph, int numGlyphs);

// The caption without its last characters until it is at most `availableWidth`
// wide in the given font (no ellipsis is added).
QString ShortenCaption(const QString& caption, const QFontMetrics& metrics, int availableWidth);

// Everything a face depends on.
struct TLbButtonFaceState {
    int Width = 0;
    int Height = 0;
    int HotTrackStep = 0;
    int NumGlyphs = 0;
    QImage Glyph;
    bool Down = false;
    bool Hot = false;
    bool Enabled = true;
    bool Flat = false;
    bool WordWrap = false;
    bool HasPopup = false;
    TLbButtonStyle Style = bsNormal;
    TColor Color = clBtnFace;
    TColor ColorWhenDown = clNone;
    TColor HotTrackColor = clNone;
    TColor LightColor = clWhite;
    TColor ShadowColor = clGray;
    QFont Font;
    TColor FontColor = clWindowText;
    TLbButtonLayout Layout = blGlyphLeft;
    QString Caption;
    TAlignment Alignment = taCenter;
};

// Where the parts of a face go; worked out by LayoutButtonFace.
struct TLbButtonFaceLayout {
    int Offset = 0;          // 1 while pressed (not bsEncarta): shifts caption and glyph
    QString Caption;         // the caption as drawn (shortened)
    int AvailableWidth = 0;  // room for the caption
    int TextX = 0, TextY = 0, TextWidth = 0, TextHeight = 0;
    int GlyphX = 0, GlyphY = 0, GlyphWidth = 0, GlyphHeight = 0;
    int GlyphIndex = 0;
    QFont Font;              // bold while an Encarta face is pressed
};

TLbButtonFaceLayout LayoutButtonFace(const TLbButtonFaceState& state);

// The face colour before any frame: Color, blended toward HotTrackColor by the
// step on an enabled button, ColorWhenDown while pressed.
QColor ButtonFaceColor(const TLbButtonFaceState& state);

// Paints a complete face onto a canvas of Width x Height. The styles
// bsModern, bsShape and bsQuicken leave parts of the canvas untouched (outside
// the rounded frame, everything but caption and glyph): draw them onto a
// transparent canvas so that what is behind the button shows there.
void DrawButtonFace(QPainter& canvas, const TLbButtonFaceState& state);

// The painter's pictures, by their resource names ("LBOK", ..., "LBARROW");
// a null image for an unknown name.
QImage LoadButtonBitmap(const QString& name);

}  // namespace button
