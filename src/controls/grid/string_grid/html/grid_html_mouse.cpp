// The mouse over mini-HTML cells: the link under the mouse (hover styling,
// hand cursor, anchor events), presses on anchors and form controls, and
// the edit or combo over a form control.

#include <QFocusEvent>
#include <QLineEdit>

#include "controls/grid/editors/esg_combo.h"
#include "controls/grid/html/html_measure_canvas.h"
#include "controls/grid/html/html_text_utils.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/html/grid_html.h"
#include "controls/grid/text/grid_html_text.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid {

using platform::TRect;

namespace grid_html_mouse_detail {

bool isEditType(const QString& type) { return type == u"EDIT" || type == u"PASSWORD" || type == u"MASK"; }

}  // namespace grid_html_mouse_detail

namespace hm = grid_html_mouse_detail;

// ---------------------------------------------------------------- hit test

TRect TGridHTML::CellTextRect(int ACol, int ARow) const
{
    const TRect cell = G.CellRect(ACol, ARow);
    const auto noted = FTextInsets.constFind(CellKey(ACol, ARow));
    if (noted != FTextInsets.constEnd())
        return TRect(cell.Left + noted->Left, cell.Top + noted->Top, cell.Right + noted->Right,
                     cell.Bottom + noted->Bottom);
    TRect r(cell.Left + G.XYOffset.x() + 1, cell.Top + G.XYOffset.y() + 1, cell.Right - G.XYOffset.x(), cell.Bottom);
    const int sc = G.RealColIndex(ACol);
    if (G.HasCheckBox(sc, ARow)) r.Left += G.ControlLook().CheckSize();
    return r;
}

THTMLCellHit TGridHTML::HitTestCell(int ACol, int ARow, int X, int Y, const QString& ControlID)
{
    THTMLCellHit hit;
    const int sc = G.RealColIndex(ACol);
    const QString text = G.GetCellEx(sc, ARow);
    if (TextType(text, G.EnableHTML) != TextKindHtml) return hit;
    // The cell's font as the painting takes it.
    platform::TGridDrawState state = G.IsFixed(ACol, ARow) ? platform::gdFixed : platform::TGridDrawState{};
    platform::TBrush brush;
    platform::TFont font = ToCanvasFont(G.Font());
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd = GradientVertical;
    G.GetVisualProperties(ACol, ARow, state, false, false, true, brush, colorTo, mirror, mirrorTo, font, ha, va, ww, gd);
    if (G.ZoomFactor != 0) font.setPointSize(std::max(1, font.pointSize() + G.ZoomFactor));

    THTMLMeasureCanvas measure(G.viewport(), font);
    THTMLRenderParams p = GridRenderParams();
    p.X = X;
    p.Y = Y;
    p.HitTestOnly = true;
    p.WordWrap = true;
    p.ControlID = ControlID;
    hit.Hit = RenderHTMLText(measure.Canvas(), text, CellTextRect(ACol, ARow), p, hit.Result);
    return hit;
}

// ------------------------------------------------------------------- hover

// Over a link the hand; elsewhere the cursor the base grid's move chose
// (it runs first), or none once the mouse has left.
void TGridHTML::SetLinkCursor(bool on)
{
    if (on) G.viewport()->setCursor(GridURLCursor);
    FLinkCursor = on;
}

void TGridHTML::SetHoverLink(int ACol, int ARow, int link)
{
    const QPoint cell(ACol, ARow);
    if (cell == FHoverCell && link == FHoverLink) return;
    // Only a change of the underlined link shows.
    const bool visible = link != FHoverLink || (FHoverLink != -1 && cell != FHoverCell);
    if (visible && FHoverCell.x() >= 0) G.RepaintCell(G.RealColIndex(FHoverCell.x()), FHoverCell.y());
    FHoverCell = cell;
    FHoverLink = link;
    if (visible && ACol >= 0) G.RepaintCell(G.RealColIndex(ACol), ARow);
}

void TGridHTML::MouseMove(int X, int Y)
{
    int ACol = -1, ARow = -1;
    G.MouseToCell(X, Y, ACol, ARow);
    const bool onCell = ACol >= 0 && ARow >= 0 && ACol < G.ColCount() && ARow < G.RowCount();
    // A hint shown for a cell goes when the mouse is over another base cell.
    if (FLastHintPos.x() >= 0) {
        QPoint base(-1, -1);
        if (onCell) {
            const QPoint b = G.BaseCell(G.RealColIndex(ACol), ARow);
            base = QPoint(G.DisplColIndex(b.x()), b.y());
        }
        if (base != FLastHintPos) CancelHint();
    }
    if (!onCell) {
        MouseLeave();
        return;
    }
    const int sc = G.RealColIndex(ACol);
    const QString text = G.GetCellEx(sc, ARow);
    const int kind = TextType(text, G.EnableHTML);
    bool cursorSet = G.URLShow && kind != TextKindHtml && IsURL(text);
    QString anchor;
    if (kind == TextKindHtml) {
        const THTMLCellHit hit = HitTestCell(ACol, ARow, X, Y);
        if (hit.Hit) anchor = hit.Result.AnchorVal;
        if (URLUnderlineOnHover) SetHoverLink(ACol, ARow, hit.Hit ? hit.Result.MouseLink : -1);
        if (!anchor.isEmpty()) {
            QString hint = hit.Result.AnchorTitle;
            if (hint.isEmpty() && OnAnchorHint) OnAnchorHint(&G, ARow, ACol, hint);
            // A new anchor with another hint: the shown hint goes, so that the new one shows.
            if (hint != FLastAnchorHint && !FLastAnchorHint.isEmpty() && anchor != FAnchor) {
                FLastAnchorHint = hint;
                CancelHint();
            }
            cursorSet = true;
        }
    } else if (URLUnderlineOnHover) {
        SetHoverLink(-1, -1, -1);
    }
    if (anchor != FAnchor) {
        if (!FAnchor.isEmpty() && anchor.isEmpty() && OnAnchorExit) OnAnchorExit(&G, ARow, ACol, anchor);
        if (!anchor.isEmpty() && OnAnchorEnter) OnAnchorEnter(&G, ARow, ACol, anchor);
        FAnchor = anchor;
    }
    SetLinkCursor(cursorSet);
}

void TGridHTML::MouseLeave()
{
    if (FLastHintPos.x() >= 0) CancelHint();
    if (URLUnderlineOnHover) SetHoverLink(-1, -1, -1);
    if (!FAnchor.isEmpty()) {
        if (OnAnchorExit) OnAnchorExit(&G, -1, -1, QString());
        FAnchor.clear();
    }
    if (FLinkCursor) G.viewport()->setCursor(platform::toQCursor(G.Cursor()));
    FLinkCursor = false;
}

// ------------------------------------------------------------------ presses

bool TGridHTML::Press(int ACol, int ARow, int X, int Y, int PressCol, int PressRow)
{
    const int sc = G.RealColIndex(ACol);
    QString text = G.GetCellEx(sc, ARow);
    const bool html = TextType(text, G.EnableHTML) == TextKindHtml;
    if (!G.URLShow && !html) return false;

    THTMLCellHit hit;
    QString anchor;
    if (html) {
        hit = HitTestCell(ACol, ARow, X, Y);
        if (hit.Hit) anchor = hit.Result.AnchorVal;
    } else if (IsURL(text)) {
        anchor = text;
    }
    if (anchor.isEmpty()) {
        // A cell form pressed beside its controls: a plain click on the cell.
        if (!html || !HasHTMLControl(text)) return false;
        if (G.OnClickCell) G.OnClickCell(&G, PressRow, PressCol);
        CloseControlEditor();
        G.SetSelection({ACol, ARow, ACol, ARow});
        return true;
    }

    bool autoHandle = true;
    const QString id = hit.Result.ControlID;
    const bool control = html && anchor == u"ctrl" && !hit.Result.ControlType.isEmpty();
    bool canEdit = (G.Options() & platform::goEditing) && !G.ReadOnly(sc, ARow);
    if (control) G.DoCanEditCell(sc, ARow, canEdit);
    if (control && canEdit) {
        CloseControlEditor();
        text = G.GetCellEx(sc, ARow);
        const QString type = hit.Result.ControlType;
        QString value = hit.Result.ControlValue;
        GetHTMLControlValue(text, id, value);
        if (type == u"BUTTON") {
            FCtrlXY = QPoint(sc, ARow);
            FCtrlDown = true;
            G.RepaintCell(sc, ARow);
        } else if (type == u"CHECK") {
            SetHTMLControlValue(text, id, value.toUpper() == u"TRUE" ? QStringLiteral("FALSE") : QStringLiteral("TRUE"));
            G.SetCellEx(sc, ARow, text);
        } else if (type == u"RADIO") {
            text = ClearHTMLRadioControls(text);
            SetHTMLControlValue(text, id, QStringLiteral("TRUE"));
            G.SetCellEx(sc, ARow, text);
        }
        if (OnControlClick) OnControlClick(&G, ARow, ACol, id, type, value);
        if (hm::isEditType(type) || type == u"COMBO")
            OpenControlEditor(text, type, ARow, sc, ACol, hit.Result.ControlRect, value, id);
        autoHandle = false;
    } else if (G.OnAnchorClick) {
        G.OnAnchorClick(&G, ARow, ACol, anchor, autoHandle);
    }
    if (!autoHandle) return true;
    if (anchor.toUpper().contains(u"CELL://")) {
        // A link inside the grid: "R<row>C<col>" after the prefix.
        QPoint target;
        if (ParseCellRef(anchor.mid(7), target) && target.x() >= 0 && target.y() >= 0 && target.x() < G.ColCount() &&
            target.y() < G.RowCount()) {
            G.SetRow(target.y());
            G.SetCol(target.x());
            G.ScrollInView(target.x(), target.y());
        }
    } else {
        G.OpenLink(anchor);
    }
    return true;
}

void TGridHTML::Release()
{
    if (!FCtrlDown) return;
    FCtrlDown = false;
    G.RepaintCell(FCtrlXY.x(), FCtrlXY.y());
}

// ----------------------------------------------------- form-control editors

void TGridHTML::OpenControlEditor(const QString& CellText, const QString& CtrlType, int ARow, int StorageCol,
                                  int DisplayCol, const TRect& CtrlRect, const QString& CtrlValue, const QString& CtrlID)
{
    const bool edit = hm::isEditType(CtrlType);
    if (!edit && CtrlType != u"COMBO") return;
    FCtrlXY = QPoint(StorageCol, ARow);
    FCtrlID = CtrlID;
    FCtrlType = CtrlType;
    FCtrlEditing = true;
    const int maxLength = GetHTMLControlMaxLen(CellText, CtrlID);
    QWidget* shown = nullptr;
    if (edit) {
        if (FControlEdit == nullptr) {
            FControlEdit = new TControlEdit(G.viewport());
            FControlEdit->OnExit = [this] { CloseControlEditor(); };
        }
        QLineEdit& e = *FControlEdit;
        e.setEchoMode(CtrlType == u"PASSWORD" ? QLineEdit::Password : QLineEdit::Normal);
        e.setInputMask(CtrlType == u"MASK" ? GetHTMLControlProp(CellText, CtrlID) : QString());
        e.setText(CtrlValue);
        e.setFrame(false);
        e.setMaxLength(maxLength > 0 ? maxLength : 32767);
        e.setGeometry(CtrlRect.Left + 1, CtrlRect.Top + 8, CtrlRect.Width() - 4, 14);
        shown = &e;
    } else {
        if (FControlCombo == nullptr) {
            FControlCombo = new TControlCombo(G.viewport());
            FControlCombo->OnExit = [this] { CloseControlEditor(); };
            QObject::connect(FControlCombo, &QComboBox::activated, &G, [this](int index) {
                if (OnControlComboSelect && FControlCombo != nullptr)
                    OnControlComboSelect(FControlCombo, FCtrlXY.y(), FCtrlXY.x(), index, FCtrlID,
                                         FControlCombo->itemText(index));
            });
        }
        TEsgComboBox& combo = *FControlCombo;
        QStringList values;
        bool editable = true;
        int dropCount = 8;
        if (OnControlComboList)
            OnControlComboList(&G, ARow, DisplayCol, CtrlID, CtrlType, CtrlValue, values, editable, dropCount);
        combo.clear();
        combo.addItems(values);
        combo.SetStyle(editable ? csDropDown : csDropDownList);
        const int at = int(values.indexOf(CtrlValue));
        if (at >= 0) combo.setCurrentIndex(at);
        if (editable) combo.setEditText(CtrlValue);
        combo.SetDropDownCount(dropCount);
        if (combo.lineEdit() != nullptr) combo.lineEdit()->setMaxLength(maxLength > 0 ? maxLength : 32767);
        combo.setGeometry(CtrlRect.Left - 1, CtrlRect.Top + 4, CtrlRect.Width(), combo.sizeHint().height());
        shown = &combo;
    }
    shown->show();
    shown->raise();
    shown->setFocus();
    if (!edit) FControlCombo->showPopup();
}

bool TGridHTML::StartControlEdit(int ACol, int ARow, const QString& CtrlID)
{
    const int sc = G.RealColIndex(ACol);
    const QString text = G.GetCellEx(sc, ARow);
    const QString next = GetNextHTMLControlID(text, CtrlID);
    if (next.isEmpty() || TextType(text, G.EnableHTML) != TextKindHtml) {
        G.setFocus(Qt::OtherFocusReason);
        return false;
    }
    // The control's box, type and value as the text is laid out in the cell.
    const THTMLRenderResult result = HitTestCell(ACol, ARow, -1, -1, next).Result;
    if (result.ControlType.isEmpty()) {
        G.setFocus(Qt::OtherFocusReason);
        return false;
    }
    QString value = result.ControlValue;
    GetHTMLControlValue(text, next, value);
    OpenControlEditor(text, result.ControlType, ARow, sc, ACol, result.ControlRect, value, next);
    return FCtrlEditing;
}

void TGridHTML::CloseControlEditor()
{
    if (!FCtrlEditing) return;
    FCtrlEditing = false;
    const bool edit = hm::isEditType(FCtrlType);
    QWidget* control = edit ? static_cast<QWidget*>(FControlEdit) : static_cast<QWidget*>(FControlCombo);
    QString value;
    if (edit && FControlEdit != nullptr) value = FControlEdit->text();
    if (!edit && FControlCombo != nullptr) value = FControlCombo->currentText();
    if (FCtrlXY.x() >= 0 && FCtrlXY.y() >= 0 && FCtrlXY.y() < G.RowCount()) {
        QString text = G.GetCellEx(FCtrlXY.x(), FCtrlXY.y());
        if (SetHTMLControlValue(text, FCtrlID, value)) G.SetCellEx(FCtrlXY.x(), FCtrlXY.y(), text);
    }
    if (control != nullptr) control->hide();
    if (OnControlEditDone) OnControlEditDone(&G, FCtrlXY.y(), FCtrlXY.x(), FCtrlID, FCtrlType, value);
    FCtrlType.clear();
}

}  // namespace grid
