#include "controls/grid/editors/editor_kinds.h"

namespace grid {

TEditorControl EditorControlOf(TEditorType kind)
{
    switch (kind) {
    case edNormal: case edNumeric: case edPositiveNumeric: case edFloat: case edCapital: case edMixedCase:
    case edPassword: case edLowerCase: case edUpperCase: case edValidChars: case edPositiveFloat:
        return TEditorControl::InplaceEdit;
    case edSpinEdit: case edFloatSpinEdit: case edTimeSpinEdit: case edDateSpinEdit:
        return TEditorControl::SpinEdit;
    case edComboEdit: case edComboList:
        return TEditorControl::ComboBox;
    case edEditBtn: case edNumericEditBtn: case edFloatEditBtn: case edMaskEditBtn:
        return TEditorControl::EditBtn;
    case edUnitEditBtn: case edNumericUnitEditBtn: case edFloatUnitEditBtn:
        return TEditorControl::UnitEditBtn;
    case edCheckBox: return TEditorControl::CheckBox;
    case edDateEdit: case edDateEditUpDown: case edTimeEdit: return TEditorControl::DatePicker;
    case edDateTimeEdit: return TEditorControl::DateTimePicker;
    case edButton: return TEditorControl::Button;
    case edCustom: return TEditorControl::EditLink;
    case edRichEdit: return TEditorControl::RichEdit;
    case edTrackbarDropDown: return TEditorControl::TrackbarDropDown;
    case edMemoDropDown: return TEditorControl::MemoDropDown;
    case edCalculatorDropDown: return TEditorControl::CalculatorDropDown;
    case edTimePickerDropDown: return TEditorControl::TimePickerDropDown;
    case edDetailDropDown: return TEditorControl::DetailPickerDropDown;
    case edGridDropDown: return TEditorControl::GridDropDown;
    case edColorPickerDropDown: return TEditorControl::ColorPickerDropDown;
    case edImagePickerDropDown: return TEditorControl::ImagePickerDropDown;
    case edExGridDropDown: return TEditorControl::ExGridDropDown;
    case edDataCheckBox: return TEditorControl::DataCheckBox;
    case edNone: return TEditorControl::NoEditor;
    }
    return TEditorControl::NoEditor;
}

bool IsInlineEditorKind(TEditorType kind) { return EditorControlOf(kind) == TEditorControl::InplaceEdit; }
bool IsSpinEditorKind(TEditorType kind) { return EditorControlOf(kind) == TEditorControl::SpinEdit; }
bool IsComboEditorKind(TEditorType kind) { return EditorControlOf(kind) == TEditorControl::ComboBox; }
bool IsCheckBoxEditorKind(TEditorType kind) { return kind == edCheckBox || kind == edDataCheckBox; }
bool IsEditBtnKind(TEditorType kind) { return EditorControlOf(kind) == TEditorControl::EditBtn; }
bool IsUnitEditBtnKind(TEditorType kind) { return EditorControlOf(kind) == TEditorControl::UnitEditBtn; }

bool IsDropDownEditorKind(TEditorType kind) { return kind >= edTrackbarDropDown && kind <= edExGridDropDown; }

bool IsDatePickerKind(TEditorType kind)
{
    return kind == edDateEdit || kind == edDateEditUpDown || kind == edTimeEdit || kind == edDateTimeEdit;
}

bool OpensEditorControl(TEditorType kind)
{
    const TEditorControl control = EditorControlOf(kind);
    return control != TEditorControl::InplaceEdit && control != TEditorControl::DataCheckBox &&
           control != TEditorControl::NoEditor;
}

bool FiresEditorProp(TEditorType kind)
{
    return OpensEditorControl(kind) && kind != edCheckBox && kind != edButton && !IsEditBtnKind(kind);
}

bool RecreatesEditorWindow(TEditorType kind)
{
    switch (EditorControlOf(kind)) {
    case TEditorControl::SpinEdit: case TEditorControl::CheckBox: case TEditorControl::EditBtn:
    case TEditorControl::UnitEditBtn: case TEditorControl::Button: case TEditorControl::DatePicker:
    case TEditorControl::RichEdit:
        return true;
    default:
        return false;
    }
}

bool PostsStartChar(TEditorType kind)
{
    return OpensEditorControl(kind) && kind != edCheckBox && kind != edTimeEdit && kind != edButton &&
           kind != edDateTimeEdit;
}

bool TakesEditorControl(TEditorType kind)
{
    return OpensEditorControl(kind) && kind != edCheckBox && kind != edDateTimeEdit;
}

TEsgSpinType SpinTypeOfKind(TEditorType kind)
{
    switch (kind) {
    case edFloatSpinEdit: return sptFloat;
    case edTimeSpinEdit: return sptTime;
    case edDateSpinEdit: return sptDate;
    default: return sptNormal;
    }
}

}  // namespace grid
