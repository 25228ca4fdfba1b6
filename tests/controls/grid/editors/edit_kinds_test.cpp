#include <gtest/gtest.h>

#include "controls/grid/editors/editor_kinds.h"

using namespace grid;

namespace edit_kinds_detail {

struct KindCase {
    TEditorType kind;
    TEditorControl control;
};

// Every kind in order with the control that serves it.
const KindCase kKinds[] = {
    {edNormal, TEditorControl::InplaceEdit},           {edSpinEdit, TEditorControl::SpinEdit},
    {edComboEdit, TEditorControl::ComboBox},           {edComboList, TEditorControl::ComboBox},
    {edEditBtn, TEditorControl::EditBtn},              {edCheckBox, TEditorControl::CheckBox},
    {edDateEdit, TEditorControl::DatePicker},          {edDateEditUpDown, TEditorControl::DatePicker},
    {edTimeEdit, TEditorControl::DatePicker},          {edButton, TEditorControl::Button},
    {edDataCheckBox, TEditorControl::DataCheckBox},    {edNumeric, TEditorControl::InplaceEdit},
    {edPositiveNumeric, TEditorControl::InplaceEdit},  {edFloat, TEditorControl::InplaceEdit},
    {edCapital, TEditorControl::InplaceEdit},          {edMixedCase, TEditorControl::InplaceEdit},
    {edPassword, TEditorControl::InplaceEdit},         {edUnitEditBtn, TEditorControl::UnitEditBtn},
    {edLowerCase, TEditorControl::InplaceEdit},        {edUpperCase, TEditorControl::InplaceEdit},
    {edFloatSpinEdit, TEditorControl::SpinEdit},       {edTimeSpinEdit, TEditorControl::SpinEdit},
    {edDateSpinEdit, TEditorControl::SpinEdit},        {edNumericEditBtn, TEditorControl::EditBtn},
    {edFloatEditBtn, TEditorControl::EditBtn},         {edCustom, TEditorControl::EditLink},
    {edRichEdit, TEditorControl::RichEdit},            {edNone, TEditorControl::NoEditor},
    {edDateTimeEdit, TEditorControl::DateTimePicker},  {edValidChars, TEditorControl::InplaceEdit},
    {edTrackbarDropDown, TEditorControl::TrackbarDropDown}, {edMemoDropDown, TEditorControl::MemoDropDown},
    {edCalculatorDropDown, TEditorControl::CalculatorDropDown},
    {edTimePickerDropDown, TEditorControl::TimePickerDropDown},
    {edDetailDropDown, TEditorControl::DetailPickerDropDown}, {edGridDropDown, TEditorControl::GridDropDown},
    {edColorPickerDropDown, TEditorControl::ColorPickerDropDown},
    {edImagePickerDropDown, TEditorControl::ImagePickerDropDown},
    {edExGridDropDown, TEditorControl::ExGridDropDown}, {edPositiveFloat, TEditorControl::InplaceEdit},
    {edNumericUnitEditBtn, TEditorControl::UnitEditBtn}, {edFloatUnitEditBtn, TEditorControl::UnitEditBtn},
    {edMaskEditBtn, TEditorControl::EditBtn},
};

}  // namespace edit_kinds_detail

TEST(EditorKinds, EveryKindInItsStoredOrderHasItsControl)
{
    ASSERT_EQ(std::size(edit_kinds_detail::kKinds), 43u);
    for (size_t i = 0; i < std::size(edit_kinds_detail::kKinds); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(int(edit_kinds_detail::kKinds[i].kind), int(i)) << "the stored ordinal of a kind never changes";
        EXPECT_EQ(EditorControlOf(edit_kinds_detail::kKinds[i].kind), edit_kinds_detail::kKinds[i].control);
    }
}

TEST(EditorKinds, FamiliesFollowTheServingControl)
{
    int inlineKinds = 0, spins = 0, combos = 0, dropDowns = 0;
    for (const auto& c : edit_kinds_detail::kKinds) {
        SCOPED_TRACE(int(c.kind));
        inlineKinds += IsInlineEditorKind(c.kind);
        spins += IsSpinEditorKind(c.kind);
        combos += IsComboEditorKind(c.kind);
        dropDowns += IsDropDownEditorKind(c.kind);
        EXPECT_EQ(OpensEditorControl(c.kind), c.control != TEditorControl::InplaceEdit &&
                                                  c.control != TEditorControl::DataCheckBox &&
                                                  c.control != TEditorControl::NoEditor);
    }
    EXPECT_EQ(inlineKinds, 11);
    EXPECT_EQ(spins, 4);
    EXPECT_EQ(combos, 2);
    EXPECT_EQ(dropDowns, 9);
    EXPECT_TRUE(IsComboListKind(edComboList));
    EXPECT_FALSE(IsComboListKind(edComboEdit));
    EXPECT_TRUE(IsCheckBoxEditorKind(edCheckBox));
    EXPECT_TRUE(IsCheckBoxEditorKind(edDataCheckBox));
    EXPECT_FALSE(OpensEditorControl(edDataCheckBox));
}

TEST(EditorKinds, OpeningDetailsPerKind)
{
    // Editor-property events: not for the check box, the button and the edit-with-button kinds.
    for (TEditorType k : {edCheckBox, edButton, edEditBtn, edNumericEditBtn, edFloatEditBtn, edMaskEditBtn, edNormal})
        EXPECT_FALSE(FiresEditorProp(k)) << int(k);
    for (TEditorType k : {edSpinEdit, edComboList, edUnitEditBtn, edCustom, edRichEdit, edDateEdit, edMemoDropDown})
        EXPECT_TRUE(FiresEditorProp(k)) << int(k);
    // Windows made anew at every opening, and the ones only placed again.
    for (TEditorType k :
         {edSpinEdit, edCheckBox, edEditBtn, edUnitEditBtn, edButton, edDateEdit, edTimeEdit, edRichEdit})
        EXPECT_TRUE(RecreatesEditorWindow(k)) << int(k);
    for (TEditorType k : {edComboEdit, edComboList, edDateTimeEdit, edGridDropDown})
        EXPECT_FALSE(RecreatesEditorWindow(k)) << int(k);
    // The typed start character and the open-editor record.
    for (TEditorType k : {edCheckBox, edTimeEdit, edButton, edDateTimeEdit, edNormal, edDataCheckBox})
        EXPECT_FALSE(PostsStartChar(k)) << int(k);
    for (TEditorType k : {edSpinEdit, edComboEdit, edDateEdit, edColorPickerDropDown, edCustom})
        EXPECT_TRUE(PostsStartChar(k)) << int(k);
    EXPECT_FALSE(TakesEditorControl(edCheckBox));
    EXPECT_FALSE(TakesEditorControl(edDateTimeEdit));
    EXPECT_TRUE(TakesEditorControl(edButton));
}

TEST(EditorKinds, SpinTypeOfEachSpinKind)
{
    EXPECT_EQ(SpinTypeOfKind(edSpinEdit), sptNormal);
    EXPECT_EQ(SpinTypeOfKind(edFloatSpinEdit), sptFloat);
    EXPECT_EQ(SpinTypeOfKind(edTimeSpinEdit), sptTime);
    EXPECT_EQ(SpinTypeOfKind(edDateSpinEdit), sptDate);
}
