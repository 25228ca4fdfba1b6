#pragma once

#include <cstdint>

#include <QString>

#include "platform/colors.h"

namespace grid {

// Small value types shared by the grid family's cells: alignments, font and
// brush looks, footer calculations and editor kinds. The ordinal values are
// stored data (forms and settings keep them), so the order never changes.

enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TVAlignment : uint8_t { vtaTop, vtaCenter, vtaBottom };
enum TCellGradientDirection : uint8_t { GradientVertical, GradientHorizontal };
enum TBrushStyle : uint8_t { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TCheckBoxState : uint8_t { cbUnchecked, cbChecked, cbGrayed };

// Font styles as a set of bits.
enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;

// Footer calculation of a cell (values 0 .. 9).
enum TColumnCalcType : uint8_t {
    acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV
};

// In-place editor kinds (43 values, one byte).
enum TEditorType : uint8_t {
    edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit,
    edDateEditUpDown, edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric,
    edFloat, edCapital, edMixedCase, edPassword, edUnitEditBtn, edLowerCase, edUpperCase,
    edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit, edNumericEditBtn, edFloatEditBtn,
    edCustom, edRichEdit, edNone, edDateTimeEdit, edValidChars, edTrackbarDropDown,
    edMemoDropDown, edCalculatorDropDown, edTimePickerDropDown, edDetailDropDown,
    edGridDropDown, edColorPickerDropDown, edImagePickerDropDown, edExGridDropDown,
    edPositiveFloat, edNumericUnitEditBtn, edFloatUnitEditBtn, edMaskEditBtn
};

// A font as a cell look carries it: name, size in points, style bits and colour.
struct TCellFont {
    QString Name = QStringLiteral("Tahoma");
    int Size = 8;
    TFontStyles Style = 0;
    TColor Color = clWindowText;
};

}  // namespace grid
