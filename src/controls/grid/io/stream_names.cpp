#include "controls/grid/io/stream_names.h"

namespace grid::io {

namespace {

constexpr const char* kAlignment[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr const char* kVAlignment[] = {"vtaTop", "vtaCenter", "vtaBottom"};
constexpr const char* kBrushStyle[] = {"bsSolid", "bsClear", "bsHorizontal", "bsVertical",
                                       "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};
constexpr const char* kGradientDirection[] = {"GradientVertical", "GradientHorizontal"};
constexpr const char* kEditorType[] = {
    "edNormal", "edSpinEdit", "edComboEdit", "edComboList", "edEditBtn", "edCheckBox", "edDateEdit",
    "edDateEditUpDown", "edTimeEdit", "edButton", "edDataCheckBox", "edNumeric", "edPositiveNumeric",
    "edFloat", "edCapital", "edMixedCase", "edPassword", "edUnitEditBtn", "edLowerCase", "edUpperCase",
    "edFloatSpinEdit", "edTimeSpinEdit", "edDateSpinEdit", "edNumericEditBtn", "edFloatEditBtn",
    "edCustom", "edRichEdit", "edNone", "edDateTimeEdit", "edValidChars", "edTrackbarDropDown",
    "edMemoDropDown", "edCalculatorDropDown", "edTimePickerDropDown", "edDetailDropDown",
    "edGridDropDown", "edColorPickerDropDown", "edImagePickerDropDown", "edExGridDropDown",
    "edPositiveFloat", "edNumericUnitEditBtn", "edFloatUnitEditBtn", "edMaskEditBtn"};
constexpr const char* kCellType[] = {
    "ctBitmap", "ctIcon", "ctNone", "ctImageList", "ctCheckBox", "ctDataCheckBox", "ctRotated", "ctDataImage",
    "ctNode", "ctRadio", "ctEmpty", "ctImages", "ctPicture", "ctFilePicture", "ctValue", "ctProgress",
    "ctComment", "ctButton", "ctBitButton", "ctVirtCheckBox", "ctRowCheckBox", "ctProgressPie", "ctSummary",
    "ctRangeIndicator", "ctXPProgress", "ctInterface", "ctScrollbar", "ctRadioButton", "ctBalloon",
    "ctShape", "ctRating", "ctTriStateCheckBox", "ctExpand"};
constexpr const char* kCellHAlign[] = {"haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull"};
constexpr const char* kCellVAlign[] = {"vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull"};
constexpr const char* kCheckBoxState[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
constexpr const char* kSortStyle[] = {
    "ssAutomatic", "ssAlphabetic", "ssNumeric", "ssDate", "ssAlphaNoCase", "ssAlphaCase", "ssShortDateEU",
    "ssShortDateUS", "ssCustom", "ssFinancial", "ssAnsiAlphaCase", "ssAnsiAlphaNoCase", "ssRaw", "ssHTML",
    "ssImages", "ssCheckBox", "ssDateTime", "ssTime", "ssAlphaNumeric", "ssAlphaNumericNoCase"};
constexpr const char* kColumnPopupType[] = {"cpFixedCellsRClick", "cpFixedCellsLClick", "cpNormalCellsRClick",
                                            "cpNormalCellsLClick", "cpAllCellsRClick", "cpAllCellsLClick"};
constexpr const char* kFontStyle[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr const char* kCellBorder[] = {"cbTop", "cbLeft", "cbRight", "cbBottom"};

template <int N> constexpr TNameTable table(const char* const (&names)[N]) { return TNameTable{names, N}; }

}  // namespace

const TNameTable kAlignmentNames = table(kAlignment);
const TNameTable kVAlignmentNames = table(kVAlignment);
const TNameTable kBrushStyleNames = table(kBrushStyle);
const TNameTable kGradientDirectionNames = table(kGradientDirection);
const TNameTable kEditorTypeNames = table(kEditorType);
const TNameTable kCellTypeNames = table(kCellType);
const TNameTable kCellHAlignNames = table(kCellHAlign);
const TNameTable kCellVAlignNames = table(kCellVAlign);
const TNameTable kCheckBoxStateNames = table(kCheckBoxState);
const TNameTable kSortStyleNames = table(kSortStyle);
const TNameTable kColumnPopupTypeNames = table(kColumnPopupType);
const TNameTable kFontStyleNames = table(kFontStyle);
const TNameTable kCellBorderNames = table(kCellBorder);

QStringList SetToNames(uint32_t bits, const TNameTable& table)
{
    QStringList out;
    for (int i = 0; i < table.Count; ++i)
        if ((bits & (1u << i)) != 0) out << QString::fromLatin1(table.Names[i]);
    return out;
}

uint32_t NamesToSet(const QStringList& names, const TNameTable& table, bool& ok)
{
    uint32_t bits = 0;
    ok = true;
    for (const QString& name : names) {
        int i = 0;
        while (i < table.Count && name != QLatin1String(table.Names[i])) ++i;
        if (i == table.Count) {
            ok = false;
            return 0;
        }
        bits |= 1u << i;
    }
    return bits;
}

}  // namespace grid::io
