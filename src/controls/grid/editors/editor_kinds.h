#pragma once

// What each editor kind of a grid cell is: which control serves it and which
// family of editors it belongs to. The grid's editing road asks these
// questions when it chooses, opens and writes back an editor; they depend on
// the kind alone.

#include <cstdint>

#include "controls/grid/grid_types.h"

namespace grid {

// The editor controls a grid holds, one per family (the inline editor is the
// grid's own text editor; DataCheckBox and NoEditor open no control).
enum class TEditorControl : uint8_t {
    InplaceEdit,         // TExInplaceEdit
    SpinEdit,            // TGridSpin (SpinEdit)
    ComboBox,            // TGridCombo (EditCombo)
    EditBtn,             // TGridEditBtn (EditBtn)
    UnitEditBtn,         // TGridUnitEditBtn (UnitEditBtn)
    CheckBox,            // TGridCheckBox (EditCheck)
    DatePicker,          // TGridDatePicker (date and time kinds)
    DateTimePicker,      // TGridDateTimePicker (DateAndTimePicker)
    Button,              // TGridButton (GridButton)
    EditLink,            // the grid's EditLink
    RichEdit,            // TExRichEdit (InplaceRichEdit)
    TrackbarDropDown,
    MemoDropDown,
    CalculatorDropDown,
    TimePickerDropDown,
    DetailPickerDropDown,
    GridDropDown,
    ColorPickerDropDown,
    ImagePickerDropDown,
    ExGridDropDown,
    DataCheckBox,        // no control: the cell's check box toggles
    NoEditor,            // edNone: the cell is not edited
};

// The control that serves a kind.
TEditorControl EditorControlOf(TEditorType kind);

// Inline kinds (edited with the grid's text editor): edNormal, edNumeric,
// edPositiveNumeric, edFloat, edCapital, edMixedCase, edPassword,
// edLowerCase, edUpperCase, edValidChars, edPositiveFloat.
bool IsInlineEditorKind(TEditorType kind);
// edSpinEdit, edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit.
bool IsSpinEditorKind(TEditorType kind);
// edComboEdit, edComboList.
bool IsComboEditorKind(TEditorType kind);
// The combo kind whose text is picked from the list only.
inline bool IsComboListKind(TEditorType kind) { return kind == edComboList; }
// edCheckBox (a check box control) and edDataCheckBox (the cell's own box).
bool IsCheckBoxEditorKind(TEditorType kind);
// edEditBtn, edNumericEditBtn, edFloatEditBtn, edMaskEditBtn.
bool IsEditBtnKind(TEditorType kind);
// edUnitEditBtn, edNumericUnitEditBtn, edFloatUnitEditBtn.
bool IsUnitEditBtnKind(TEditorType kind);
// The nine drop-down pickers (edTrackbarDropDown .. edExGridDropDown).
bool IsDropDownEditorKind(TEditorType kind);
// edDateEdit, edDateEditUpDown, edTimeEdit, edDateTimeEdit: they open only
// with the date controls of the platform.
bool IsDatePickerKind(TEditorType kind);

// Kinds that open a separate control over the cell (everything but the
// inline kinds, edDataCheckBox and edNone).
bool OpensEditorControl(TEditorType kind);
// Opening fires the grid's editor-property events for every kind but
// edCheckBox, edButton and the four edit-with-button kinds.
bool FiresEditorProp(TEditorType kind);
// Controls whose window is made anew at every opening (spin, check box, edit
// with button, value with unit, button, date picker, rich edit); the combo,
// the drop-downs and the date-and-time picker are only placed again.
bool RecreatesEditorWindow(TEditorType kind);
// The character that started the edit is handed on to the opened control for
// every control kind but edCheckBox, edTimeEdit, edButton and edDateTimeEdit.
bool PostsStartChar(TEditorType kind);
// The control becomes the grid's open editor control (EditCtrl); the check
// box and the date-and-time picker never do.
bool TakesEditorControl(TEditorType kind);

// The value kinds of the spin edit (TEsgSpinEdit.SpinType).
enum TEsgSpinType : uint8_t { sptNormal, sptFloat, sptDate, sptTime };
// The spin type a spin kind opens with (sptNormal for any other kind).
TEsgSpinType SpinTypeOfKind(TEditorType kind);

}  // namespace grid
