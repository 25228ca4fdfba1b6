// Opening and writing back the editors with a button, the date and time
// pickers, the application's edit link and the rich-text editor; rich cell
// text in and out of a rich edit; the fixed-cell editors and the form
// controls of HTML cells.

#include <algorithm>

#include <QCoreApplication>
#include <QKeyEvent>

#include "controls/grid/editors/dropdown_editor_host.h"
#include "controls/grid/editors/editor_kinds.h"
#include "controls/grid/editors/grid_button_editors.h"
#include "controls/grid/editors/grid_cell_editors.h"
#include "controls/grid/editors/grid_date_editors.h"
#include "controls/grid/editors/grid_link_editors.h"
#include "controls/grid/editors/inplace_edit_rules.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/rich_cell_text.h"
#include "controls/grid/string_grid/html/grid_html.h"
#include "platform/format_settings.h"
#include "platform/rtf.h"

namespace grid {

namespace grid_control_editors_detail {

// The editor area of a cell: the cell without its grid line.
void placeOver(QWidget& control, const platform::TRect& r)
{
    control.setGeometry(r.Left, r.Top, std::max(0, r.Right - r.Left - 1), std::max(0, r.Bottom - r.Top - 1));
}

void colourControl(QWidget& control, TColor color)
{
    QPalette pal = control.palette();
    pal.setColor(QPalette::Base, toQColor(color));
    pal.setColor(QPalette::Button, toQColor(color));
    control.setPalette(pal);
}

void showAndFocus(QWidget& control)
{
    control.setVisible(true);
    control.setEnabled(true);
    control.raise();
    control.setFocus(Qt::OtherFocusReason);
}

}  // namespace grid_control_editors_detail

namespace gce = grid_control_editors_detail;

// ------------------------------------------------------------ accessors

TGridDatePicker* TExStringGrid::GetEditDate()
{
    if (FEditDate == nullptr) {
        FEditDate = new TGridDatePicker(this);
        ApplyEditorTones();
    }
    return FEditDate;
}

TGridDateTimePicker* TExStringGrid::DateAndTimePicker()
{
    if (FEditDateTime == nullptr) {
        FEditDateTime = new TGridDateTimePicker(this);
        ApplyEditorTones();
    }
    return FEditDateTime;
}

void TExStringGrid::ApplyEditorTones()
{
    const paint::TColorTones& tones = FLookColors.Tones;
    if (tones == paint::TColorTones{}) return;
    // Buttons in the background tone, hot in the hover tone, held in the selected one.
    flat_frame::TDropButtonColours colours;
    colours.Color = tones.Background.BrushColor;
    colours.ColorHot = tones.Hover.BrushColor;
    colours.ColorDown = tones.Selected.BrushColor;
    colours.Border = tones.Background.BorderColor;
    for (TEsgEditBtn* edit : {static_cast<TEsgEditBtn*>(FEditBtn), static_cast<TEsgEditBtn*>(FUnitEditBtn)}) {
        if (edit == nullptr) continue;
        TEsgEditButton& b = *edit->Button();
        b.ButtonColor = colours.Color;
        b.ButtonColorHot = colours.ColorHot;
        b.ButtonColorDown = colours.ColorDown;
        b.ButtonBorderColor = colours.Border;
        b.update();
    }
    for (TDateTimePickerBase* picker : {static_cast<TDateTimePickerBase*>(FEditDate),
                                        static_cast<TDateTimePickerBase*>(FEditDateTime)}) {
        if (picker == nullptr) continue;
        picker->SetButtonColours(colours);
        picker->SetBorderColor(tones.Background.BrushColor);
        picker->SetMetroStyle(true);
    }
}

TExRichEdit* TExStringGrid::InplaceRichEdit()
{
    if (FInplaceRichEdit == nullptr) FInplaceRichEdit = new TExRichEdit(this, false);
    return FInplaceRichEdit;
}

TExRichEdit* TExStringGrid::RichEdit()
{
    if (FRichEdit == nullptr) FRichEdit = new TExRichEdit(this, true);
    return FRichEdit;
}

TGridTransEdit* TExStringGrid::EditTrans()
{
    if (FEditTrans == nullptr) FEditTrans = new TGridTransEdit(this);
    return FEditTrans;
}

TGridTransCombo* TExStringGrid::ComboTrans()
{
    if (FComboTrans == nullptr) FComboTrans = new TGridTransCombo(this);
    return FComboTrans;
}

TEditLink* TExStringGrid::EditLink() const { return FEditLink; }

void TExStringGrid::SetEditLink(TEditLink* value) { FEditLink = value; }

QString TExStringGrid::DoEllipsClick(const QString& S)
{
    QString text = S;
    if (OnEllipsClick) OnEllipsClick(this, RealColIndex(Col()), Row(), text);
    return text;
}

// ------------------------------------------------------------ rich text

void TExStringGrid::CellToRich(int Col, int Row, TExRichEdit* RichEditor)
{
    if (RichEditor == nullptr) return;
    const QString text = GetCellEx(Col, Row);
    if (text.isEmpty()) {
        RichEditor->clear();
        return;
    }
    RichEditor->LoadRichSource(RichCellSource(text));
}

QString TExStringGrid::RichToString(TExRichEdit* RichEditor)
{
    if (FDestroying || RichEditor == nullptr) return QString();
    // A rich edit without any text leaves the cell empty.
    if (RichEditor->document()->isEmpty()) return QString();
    return QString::fromLatin1(RichEditor->RichSource());
}

void TExStringGrid::RichToCell(int Col, int Row, TExRichEdit* RichEditor)
{
    SetCellEx(Col, Row, RichToString(RichEditor));
}

// ------------------------------------------------------------ opening

void TExStringGrid::SetupEditBtnEditor(int ACol, int ARow, const platform::TRect& r, TColor color)
{
    TGridEditBtn* edit = FEditBtn;
    EditMode = true;
    gce::placeOver(*edit, r);
    // The mask comes first: it shapes the text it is given.
    edit->SetEditMask(EditControl == edMaskEditBtn ? GetEditMask(RealColIndex(ACol), ARow) : QString());
    edit->setText(EditTextOfCell(ACol, ARow));
    edit->setMaxLength(InplaceMaxLength(EditLengthLimit()));
    gce::colourControl(*edit, color);
    gce::showAndFocus(*edit);
    edit->selectAll();
    PostStartChar(edit);
    EditCtrl = edit;
}

void TExStringGrid::SetupUnitEditor(int ACol, int ARow, const platform::TRect& r, TColor color)
{
    TGridUnitEditBtn* edit = FUnitEditBtn;
    EditMode = true;
    gce::placeOver(*edit, r);
    const QString text = EditTextOfCell(ACol, ARow);
    edit->setMaxLength(InplaceMaxLength(EditLengthLimit()));
    edit->SetUnitID(QString());
    // A value that ends in no listed unit is all text: nothing of it is lost.
    edit->setText(text);
    edit->SetTextAndUnit(text);
    GetEditorProp(RealColIndex(ACol), ARow, FEditLink);
    gce::colourControl(*edit, color);
    gce::showAndFocus(*edit);
    edit->selectAll();
    PostStartChar(edit);
    EditCtrl = edit;
}

void TExStringGrid::SetupButtonEditor(int ACol, int ARow, const platform::TRect& r)
{
    TGridButton* button = FGridButton;
    EditMode = true;
    // One pixel beyond the editor area on every side.
    button->setGeometry(r.Left - 1, r.Top - 1, std::max(0, r.Right - r.Left - 1) + 2,
                        std::max(0, r.Bottom - r.Top - 1) + 2);
    button->setText(EditTextOfCell(ACol, ARow));
    gce::showAndFocus(*button);
    EditCtrl = button;
}

void TExStringGrid::SetupDateEditor(int ACol, int ARow, const platform::TRect& r, TColor color)
{
    TGridDatePicker* picker = GetEditDate();
    const int col = RealColIndex(ACol);
    EditMode = true;
    const QString text = EditTextOfCell(ACol, ARow);
    if (EditControl == edTimeEdit) {
        picker->SetKind(dtkTime);
        const auto time = ParseTimeText(text);
        picker->SetDateTime(time ? DateTimeFromQt(QDate::currentDate(), *time) : NowDateTime());
    } else {
        TDateTime value = NowDateTime();
        if (!text.isEmpty()) {
            if (OnCustomStrToDate) {
                OnCustomStrToDate(this, text, value);
            } else if (const auto date = ParseDateText(text)) {
                value = DateTimeFromQt(*date);
            } else if (const auto dateTime = ParseDateTimeText(text)) {
                value = DateTimeFromQt(*dateTime);
            }
            if (picker->MaxDate != 0 && value > picker->MaxDate) value = picker->MaxDate - 1;
            if (picker->MinDate != 0 && value <= picker->MinDate) value = picker->MinDate + 1;
        }
        picker->SetKind(dtkDate);
        picker->SetDateMode(EditControl == edDateEditUpDown ? dmUpDown : dmComboBox);
        picker->SetDateTime(value);
    }
    FGivenEditText = picker->Text();
    FGivenCol = col;
    FGivenRow = ARow;
    GetEditorProp(col, ARow, FEditLink);
    gce::placeOver(*picker, r);
    gce::colourControl(*picker, color);
    gce::showAndFocus(*picker);
    if (EditControl != edTimeEdit && FMouseActions.DirectDateDrop && picker->calendarPopup())
        QCoreApplication::postEvent(picker, new QKeyEvent(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier));
    if (EditControl != edTimeEdit) PostStartChar(picker);
    EditCtrl = picker;
}

void TExStringGrid::SetupDateTimeEditor(int ACol, int ARow, const platform::TRect& r, TColor color)
{
    TGridDateTimePicker* picker = DateAndTimePicker();
    const int col = RealColIndex(ACol);
    EditMode = true;
    const auto value = ParseDateTimeText(EditTextOfCell(ACol, ARow));
    FOriginalDateTime = value ? DateTimeFromQt(*value) : NowDateTime();
    picker->SetExKind(dkDateTime);
    picker->SetDateTime(FOriginalDateTime);
    // Left untouched, the cell keeps its text as it is.
    const platform::FormatSettings& fs = platform::formatSettings();
    FGivenEditText = FormatDateTimeText(fs.ShortDateFormat + u' ' + fs.ShortTimeFormat, picker->DateTime());
    FGivenCol = col;
    FGivenRow = ARow;
    const int height = std::max(std::max(0, r.Bottom - r.Top - 1), picker->sizeHint().height());
    picker->setGeometry(r.Left, r.Top, std::max(0, r.Right - r.Left - 1), height);
    GetEditorProp(col, ARow, FEditLink);
    gce::colourControl(*picker, color);
    gce::showAndFocus(*picker);
    picker->UpdateTimePicker();
}

void TExStringGrid::SetupLinkEditor(int ACol, int ARow, const platform::TRect& r, TColor color,
                                    const platform::TFont& font)
{
    TEditLink* link = FEditLink;
    if (link == nullptr) return;
    const int col = RealColIndex(ACol);
    EditMode = true;
    link->Attach(this, QPoint(ACol, ARow));
    if (link->EditStyle == esPopup) {
        if (link->AutoPopupWidth) link->PopupWidth = r.Right - r.Left;
        QWidget* form = link->EnsurePopupForm();
        const QPoint corner = (link->PopupLeft == -1 || link->PopupTop == -1)
                                  ? viewport()->mapToGlobal(QPoint(r.Left, r.Top))
                                  : QPoint(link->PopupLeft, link->PopupTop);
        form->move(corner);
        form->resize(std::max(1, link->PopupWidth), std::max(1, link->PopupHeight));
        form->show();
        link->CreateEditor(form);
        link->SetRect(platform::TRect{0, 0, link->PopupWidth, link->PopupHeight});
    } else {
        link->CreateEditor(viewport());
        link->SetRect(r);
    }
    link->SetVisible(true);
    link->SetCellProps(color, font);
    link->SetProperties();
    GetEditorProp(col, ARow, link);
    link->SetEditorValue(EditTextOfCell(ACol, ARow));
    // The start character survives the focus change.
    const QChar start = FStartEditChar;
    link->SetFocus(true);
    FEditActive = true;
    FStartEditChar = start;
    PostStartChar(link->GetEditControl());
    EditCtrl = link->GetEditControl();
}

void TExStringGrid::SetupRichEditor(int ACol, int ARow, const platform::TRect& r, TColor color)
{
    TExRichEdit* edit = InplaceRichEdit();
    const int col = RealColIndex(ACol);
    EditMode = true;
    edit->setFrameStyle(QFrame::NoFrame);
    gce::placeOver(*edit, r);
    GetEditorProp(col, ARow, FEditLink);
    edit->Lock();
    CellToRich(col, ARow, edit);
    if (FNavigation.EditSelectAll) edit->selectAll();
    edit->document()->setDocumentMargin(2);
    gce::colourControl(*edit, color);
    gce::showAndFocus(*edit);
    PostStartChar(edit);
    edit->Unlock();
    EditCtrl = edit;
}

// ------------------------------------------------------------ writing back

bool TExStringGrid::WriteBackControlEditor(int col, int ARow, bool cancelled)
{
    const platform::FormatSettings& fs = platform::formatSettings();
    if (IsEditBtnKind(EditControl) && FEditBtn != nullptr) {
        if (EditMode) {
            EditMode = false;
            if (!cancelled) StoreEditorText(col, ARow, FEditBtn->text());
        }
        CloseEditorControl(FEditBtn);
    } else if (IsUnitEditBtnKind(EditControl) && FUnitEditBtn != nullptr) {
        if (!cancelled) StoreEditorText(col, ARow, FUnitEditBtn->TextAndUnit());
        CloseEditorControl(FUnitEditBtn);
        EditMode = false;
    } else if (EditControl == edButton && FGridButton != nullptr) {
        CloseEditorControl(FGridButton);
        EditMode = false;
    } else if ((EditControl == edDateEdit || EditControl == edDateEditUpDown || EditControl == edTimeEdit) &&
               FEditDate != nullptr) {
        if (!cancelled) StoreEditorText(col, ARow, FEditDate->Checked() ? FEditDate->Text() : QString());
        EditMode = false;
        CloseEditorControl(FEditDate);
    } else if (EditControl == edDateTimeEdit && FEditDateTime != nullptr) {
        if (!cancelled) {
            const QString text = FEditDateTime->Checked()
                                     ? FormatDateTimeText(fs.ShortDateFormat + u' ' + fs.ShortTimeFormat,
                                                          FEditDateTime->DateTime())
                                     : QString();
            StoreEditorText(col, ARow, text);
        }
        EditMode = false;
        CloseEditorControl(FEditDateTime);
    } else if (EditControl == edCustom) {
        if (TEditLink* link = FEditLink) {
            if (!cancelled) StoreEditorText(col, ARow, link->GetEditorValue());
            if (link->EditStyle != esPopup) link->SetVisible(false);
            link->RestoreWinProc();
        }
        EditMode = false;
    } else if (EditControl == edRichEdit && FInplaceRichEdit != nullptr) {
        if (!cancelled) StoreEditorText(col, ARow, RichToString(FInplaceRichEdit));
        CloseEditorControl(FInplaceRichEdit);
        EditMode = false;
    } else if (IsDropDownEditorKind(EditControl) && FDropDownEditors) {
        if (EditMode) {
            EditMode = false;
            if (!cancelled) FDropDownEditors->WriteBack(EditControl, col, ARow);
        }
        CloseEditorControl(FDropDownEditors->Editor(EditControl));
    } else {
        return false;
    }
    return true;
}

// ------------------------------------------------------------ fixed cells and form controls

bool TExStringGrid::StartControlEdit(int ACol, int ARow, const QString& CtrlID)
{
    return FHTML->StartControlEdit(ACol, ARow, CtrlID);
}

bool TExStringGrid::FixedCellEditGesture(TGridFixedCellEdit gesture, int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0) return false;
    return (ARow < FixedRows() && FMouseActions.FixedRowsEdit == gesture) ||
           (ACol < FixedCols() && FMouseActions.FixedColsEdit == gesture);
}

bool TExStringGrid::PressFixedCellEdit(platform::TMouseButton Button, int ACol, int ARow, int X, int Y)
{
    const TGridFixedCellEdit gesture = Button == platform::mbLeft    ? fceLeftClick
                                       : Button == platform::mbRight ? fceRightClick
                                                                     : fceNone;
    if (gesture == fceNone || !FixedCellEditGesture(gesture, ACol, ARow)) return false;
    // With sizing on, a left press near the cell's edges sizes rather than edits.
    const platform::TRect r = CellRect(ACol, ARow);
    const bool sizing = ARow < FixedRows() ? bool(Options() & platform::goColSizing)
                                           : bool(Options() & platform::goRowSizing);
    if (gesture == fceLeftClick && sizing &&
        !(X > r.Left + 4 && X < r.Right - 4 && Y > r.Top + 4 && Y < r.Bottom - 4))
        return true;
    StartFixedCellEdit(ACol, ARow);
    return true;
}

void TExStringGrid::StartFixedCellEdit(int ACol, int ARow)
{
    if (FEditTrans != nullptr && FEditTrans->isVisible() && !FEditTrans->StopEdit()) return;
    if (FComboTrans != nullptr && FComboTrans->isVisible() && !FComboTrans->StopEdit()) return;
    bool canEdit = true;
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, canEdit);
    if (!canEdit) return;
    FFixedColEdit = ACol;
    FFixedRowEdit = ARow;
    TGridFixedCellEditor kind = ACol == 0 ? FMouseActions.FixedColsEditor : FMouseActions.FixedRowsEditor;
    QStringList values = FMouseActions.FixedComboValues();
    // The handler may change the list; the editor stays the one chosen above.
    TGridFixedCellEditor asked = kind;
    DoFixedEdit(ACol, ARow, asked, values);
    platform::TRect r = CellRect(ACol, ARow);
    r = platform::TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    const int storage = RealColIndex(ACol);
    const auto changed = [this](const QString& text) {
        if (OnEditChange) OnEditChange(this, FFixedColEdit, FFixedRowEdit, text);
    };
    if (kind == fceEdit) {
        TGridTransEdit* edit = EditTrans();
        edit->disconnect(this);
        connect(edit, &QLineEdit::textEdited, this, changed);
        edit->setGeometry(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
        edit->setText(GetCellEx(storage, ARow));
        edit->Col = storage;
        edit->Row = ARow;
        edit->show();
        edit->raise();
        edit->setFocus(Qt::OtherFocusReason);
        return;
    }
    TGridTransCombo* combo = ComboTrans();
    combo->disconnect(this);
    combo->clear();
    combo->addItems(values);
    combo->setEditable(kind == fceComboEdit);
    if (combo->isEditable()) connect(combo, &QComboBox::editTextChanged, this, changed);
    connect(combo, &QComboBox::textActivated, this, changed);
    combo->setGeometry(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top);
    const QString text = GetCellEx(storage, ARow);
    const int at = combo->findText(text);
    if (at >= 0) combo->setCurrentIndex(at);
    if (combo->isEditable()) combo->setEditText(text);
    combo->Col = storage;
    combo->Row = ARow;
    combo->show();
    combo->raise();
    combo->setFocus(Qt::OtherFocusReason);
}

}  // namespace grid
