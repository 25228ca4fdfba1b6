// Opening an editor control over a cell: the control is filled from the
// cell, coloured like it, placed over it and given the focus.

#include <algorithm>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>

#include "controls/grid/editors/dropdown_editor_host.h"
#include "controls/grid/editors/editor_kinds.h"
#include "controls/grid/editors/grid_button_editors.h"
#include "controls/grid/editors/grid_cell_editors.h"
#include "controls/grid/editors/grid_date_editors.h"
#include "controls/grid/editors/grid_link_editors.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_number_text.h"
#include "platform/strings.h"

namespace grid {

namespace grid_editor_setup_detail {

// Places a control over the editor area of a cell (the cell without its
// grid line); a control that needs more height than the cell has is
// centred on it, so that it overlaps both neighbours alike.
void placeOver(QWidget& control, const platform::TRect& r, int minHeight)
{
    const int width = std::max(0, r.Right - r.Left - 1);
    const int height = std::max(0, r.Bottom - r.Top - 1);
    const int h = std::max(height, minHeight);
    control.setGeometry(r.Left, r.Top - (h - height) / 2, width, h);
}

void colourControl(QWidget& control, TColor color)
{
    QPalette pal = control.palette();
    pal.setColor(QPalette::Base, toQColor(color));
    pal.setColor(QPalette::Button, toQColor(color));
    control.setPalette(pal);
}

}  // namespace grid_editor_setup_detail

QWidget* TExStringGrid::EditorControlWidget(TEditorType kind) const
{
    // The editor controls this grid holds; the other control kinds join
    // with their controls.
    switch (EditorControlOf(kind)) {
    case TEditorControl::SpinEdit: return const_cast<TExStringGrid*>(this)->SpinEdit();
    case TEditorControl::ComboBox: return FEditCombo;
    case TEditorControl::CheckBox: return FEditCheck;
    case TEditorControl::DataCheckBox: return const_cast<TExStringGrid*>(this);
    case TEditorControl::EditBtn: return FEditBtn;
    case TEditorControl::UnitEditBtn: return FUnitEditBtn;
    case TEditorControl::Button: return FGridButton;
    case TEditorControl::DatePicker: return const_cast<TExStringGrid*>(this)->GetEditDate();
    case TEditorControl::DateTimePicker: return const_cast<TExStringGrid*>(this)->DateAndTimePicker();
    case TEditorControl::RichEdit: return const_cast<TExStringGrid*>(this)->InplaceRichEdit();
    // Without a link the cell opens nothing (and is not edited inline).
    case TEditorControl::EditLink: return const_cast<TExStringGrid*>(this);
    default: break;
    }
    if (IsDropDownEditorKind(kind)) {
        TDropDownEditorHost* host = const_cast<TExStringGrid*>(this)->DropDownEditors();
        return host ? host->Editor(kind) : nullptr;
    }
    return nullptr;
}

TDropDownEditorHost* TExStringGrid::DropDownEditors()
{
    if (!FDropDownEditors && DropDownEditorHostFactory()) FDropDownEditors = DropDownEditorHostFactory()(*this);
    return FDropDownEditors.get();
}

void TExStringGrid::PostStartChar(QWidget* control)
{
    if (FStartEditChar.isNull() || control == nullptr) return;
    QCoreApplication::postEvent(control,
                                new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(FStartEditChar)));
}

void TExStringGrid::SetupCellEditor(int ACol, int ARow)
{
    FEditing = true;
    FSpecialEditor = true;
    FEditActive = true;
    const platform::TRect r = CellRect(ACol, ARow);
    TColor color = clNone;
    platform::TFont font;
    GetEditorLook(ACol, ARow, color, font);
    SetGridState(platform::gsNormal);
    EditCtrl = nullptr;
    if (EditControl != edCustom) FLastValidation = true;
    if (IsSpinEditorKind(EditControl))
        SetupSpinEditor(ACol, ARow, r, color);
    else if (IsComboEditorKind(EditControl))
        SetupComboEditor(ACol, ARow, r, color);
    else if (EditControl == edCheckBox)
        SetupCheckEditor(ACol, ARow, r, color);
    else if (IsEditBtnKind(EditControl))
        SetupEditBtnEditor(ACol, ARow, r, color);
    else if (IsUnitEditBtnKind(EditControl))
        SetupUnitEditor(ACol, ARow, r, color);
    else if (EditControl == edButton)
        SetupButtonEditor(ACol, ARow, r);
    else if (EditControl == edDateEdit || EditControl == edDateEditUpDown || EditControl == edTimeEdit)
        SetupDateEditor(ACol, ARow, r, color);
    else if (EditControl == edDateTimeEdit)
        SetupDateTimeEditor(ACol, ARow, r, color);
    else if (EditControl == edCustom)
        SetupLinkEditor(ACol, ARow, r, color, font);
    else if (EditControl == edRichEdit)
        SetupRichEditor(ACol, ARow, r, color);
    else if (IsDropDownEditorKind(EditControl))
        SetupDropDownEditor(ACol, ARow, r, color);
    // edDataCheckBox opens nothing: its cell's box toggles by click or Space.
    FStartEditChar = QChar();
}

void TExStringGrid::SetupDropDownEditor(int ACol, int ARow, const platform::TRect& r, TColor color)
{
    TDropDownEditorHost* host = DropDownEditors();
    if (!host) return;
    EditMode = true;
    EditCtrl = host->Setup(EditControl, ACol, ARow, EditTextOfCell(ACol, ARow), r, color, FStartEditChar);
}

void TExStringGrid::GetEditorLook(int ACol, int ARow, TColor& Background, platform::TFont& Font)
{
    platform::TGridDrawState state = 0;
    platform::TBrush brush;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd = GradientVertical;
    GetVisualProperties(ACol, ARow, state, false, false, true, brush, colorTo, mirror, mirrorTo, Font, ha, va, ww, gd);
    Background = brush.Color == clNone ? Color() : brush.Color;
}

void TExStringGrid::SetupSpinEditor(int ACol, int ARow, const platform::TRect& r, TColor color)
{
    using namespace grid_editor_setup_detail;
    TGridSpin* spin = SpinEdit();
    const int col = RealColIndex(ACol);
    EditMode = true;
    spin->setParent(viewport());
    placeOver(*spin, r, spin->GetMinHeight());
    spin->setVisible(true);
    spin->setEnabled(true);
    colourControl(*spin, color);
    spin->SetExcelStyleDecimalSeparator(ExcelStyleDecimalSeparator);
    GetEditorProp(col, ARow, nullptr);
    const QString text = EditTextOfCell(ACol, ARow);
    spin->SetSpinType(SpinTypeOfKind(EditControl));
    switch (EditControl) {
    case edSpinEdit: spin->SetValue(platform::parseIntOr(text, 0)); break;
    case edFloatSpinEdit: {
        bool ok = false;
        const double value = NormalizeNumberText(text).toDouble(&ok);
        spin->SetFloatValue(ok ? value : 0.0);
        break;
    }
    case edTimeSpinEdit: spin->setText(text); break;
    case edDateSpinEdit: {
        const std::optional<QDate> date = ParseDateText(text);
        spin->SetDateValue(date ? DateTimeFromQt(*date) : NowDateTime());
        break;
    }
    default: break;
    }
    // The given text is what the spin shows now: an untouched spin writes nothing back.
    FGivenEditText = spin->text();
    spin->setFocus(Qt::OtherFocusReason);
    spin->selectAll();
    PostStartChar(spin);
    // A press on a spin button drawn in the cell takes its step at once.
    if (FSpinUpClick)
        spin->UpClick(spin);
    else if (FSpinDnClick)
        spin->DownClick(spin);
    FSpinUpClick = false;
    FSpinDnClick = false;
    EditCtrl = spin;
}

void TExStringGrid::SetupComboEditor(int ACol, int ARow, const platform::TRect& r, TColor color)
{
    using namespace grid_editor_setup_detail;
    TGridCombo* combo = FEditCombo;
    const int col = RealColIndex(ACol);
    const bool list = EditControl == edComboList;
    EditMode = true;
    combo->SetDropDownCount(FControlLook.DropDownCount);
    GetEditorProp(col, ARow, nullptr);
    // The grid's combo list is the list the combo offers.
    {
        const QSignalBlocker block(combo);
        TComboItems items = combo->Items();
        items.Clear();
        for (int i = 0; i < FComboItems.size(); ++i)
            items.AddObject(FComboItems.at(i), QVariant::fromValue(ComboObject(i)));
    }
    combo->SetDroppedDown(false);
    combo->setEnabled(true);
    combo->SetStyle(list ? csDropDownList : csDropDown);
    placeOver(*combo, r, 0);
    bool fallback = false;
    {
        const QSignalBlocker block(combo);
        const QString text = EditTextOfCell(ACol, ARow);
        if (list) {
            int index = combo->Items().IndexOf(GetCellEx(col, ARow));
            if (index < 0 && FComboIdx == -1) {
                index = combo->Items().IndexOf(text);
                if (index < 0) {
                    index = combo->Items().Count() > 0 ? 0 : -1;
                    fallback = true;
                }
            } else if (index < 0) {
                index = FComboIdx;
            }
            combo->SetItemIndex(index);
            FGivenEditText = text;
        } else {
            combo->SetItemIndex(-1);
            combo->SetText(text);
            if (FComboIdx != -1 && combo->Items().IndexOf(text) < 0 && FComboIdx < combo->Items().Count()) {
                combo->SetItemIndex(FComboIdx);
            }
            if (combo->lineEdit()) combo->lineEdit()->setMaxLength(InplaceMaxLength(MaxComboLength));
        }
    }
    // A list cell whose text is no item shows the first item and says so at once.
    if (fallback && OnEditChange) OnEditChange(this, Col(), Row(), combo->Text());
    colourControl(*combo, color);
    combo->setVisible(true);
    const bool flat = Look() == glSoft || Look() == glQVR || Look() == glXP || Look() == glListView ||
                      Look() == glVista || Look() == glWin7 || Look() == glOffice2007;
    combo->SetFlat(flat);
    combo->SetEtched(flat);
    if (FNavigation.AutoComboDropSize)
        combo->SizeDropDownWidth();
    else if (combo->DropWidth() > 0)
        combo->SetDropWidth(combo->DropWidth());
    combo->setFocus(Qt::OtherFocusReason);
    if (FMouseActions.DirectComboDrop || FControlLook.DropDownAlwaysVisible()) combo->SetDroppedDown(true);
    if (FMouseActions.DirectEdit && FMouseActions.DirectComboDrop) {
        const platform::TGridRect sel = Selection();
        SelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
    }
    if (fallback && combo->Items().Count() > 0) {
        const QString item = combo->Items()[0];
        if (OnComboChange) OnComboChange(this, col, ARow, 0, item);
        if (OnComboObjectChange) OnComboObjectChange(this, col, ARow, 0, item, ComboObject(0));
    }
    PostStartChar(combo);
    EditCtrl = combo;
}

void TExStringGrid::SetupCheckEditor(int ACol, int ARow, const platform::TRect& r, TColor color)
{
    using namespace grid_editor_setup_detail;
    TGridCheckBox* check = FEditCheck;
    EditMode = true;
    placeOver(*check, r, 0);
    check->setText(EditTextOfCell(ACol, ARow));
    check->setEnabled(true);
    {
        const QSignalBlocker block(check);
        check->setChecked(false);
    }
    colourControl(*check, color);
    check->setAutoFillBackground(true);
    check->setVisible(true);
    check->setFocus(Qt::OtherFocusReason);
}

}  // namespace grid
