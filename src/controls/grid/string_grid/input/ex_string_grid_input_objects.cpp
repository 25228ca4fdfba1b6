// Clicks on the objects a cell holds: check boxes and column radio buttons,
// radio groups, cell buttons and expand buttons, header selection clicks and
// opening the links of anchors (the anchors themselves: html/grid_html_mouse.cpp).

#include <QDesktopServices>
#include <QFontMetrics>
#include <QUrl>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/input/grid_mouse_tracker.h"

namespace grid {

using platform::TShiftState;

// ------------------------------------------------------------ check boxes

bool TExStringGrid::PressCheckBox(int ACol, int ARow, int X, int Y, bool canEdit)
{
    using namespace platform;
    (void)canEdit;
    const int sc = RealColIndex(ACol);
    HideInplaceEdit();
    if (isEnabled()) setFocus();
    const int realRow = RealRowIndex(ARow);
    if (HasRadioButton(sc, ARow)) {
        ToggleRadio(sc, ARow, true);
        if (OnRadioButtonClick) OnRadioButtonClick(this, sc, ARow);
    } else {
        ToggleCheck(sc, ARow, true);
    }
    if (FShowModified.Enabled) {
        SetRowModified(ARow, true);
        RepaintCell(0, ARow);
    }
    if (ACol == 0 && FMouseActions.HotmailRowSelect()) {
        SetSelection({FixedCols(), ARow, ColCount() - 1, ARow});
        SetRowSelect(realRow, !RowSelect(realRow));
        if (realRow != ARow) RepaintCell(0, ARow);
    }
    bool state = false;
    GetCheckBoxState(sc, ARow, state);
    if (!FNavigation.AlwaysEdit && ACol >= FixedCols() && ARow >= FixedRows()) {
        const bool kept = FForceSel;
        FForceSel = true;
        MoveColRow(ACol, ARow, true, true);
        FForceSel = kept;
    }
    if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, state);
    if (ARow < FixedRows() && FMouseActions.CheckAllCheck) {
        for (int r = FixedRows(); r < RowCount(); ++r) {
            if (FMouseActions.HotmailRowSelect())
                SetRowSelect(RealRowIndex(r), state);
            else
                SetCheckBoxState(sc, r, state);
        }
        Invalidate();
    }
    FClickOnCheckBox = true;
    if (OnMouseDown) OnMouseDown(this, mbLeft, keyboardShiftState(), X, Y);
    HandleClick();
    return true;
}

// ------------------------------------------------------------ radio groups

int TExStringGrid::RadioGroupIndex(int ACol, int ARow) const
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr || g->CellType() != ctRadio) return -1;
    if (g->CellIndex() >= 0) return g->CellIndex();
    const QStringList* items = g->CellBitmapAs<QStringList>();
    return items != nullptr ? int(items->indexOf(GetCellEx(ACol, ARow))) : -1;
}

void TExStringGrid::RadioGroupChoose(int ACol, int ARow, int AIdx)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return;
    const QStringList* items = g->CellBitmapAs<QStringList>();
    if (items == nullptr || AIdx < 0 || AIdx >= items->size()) return;
    if (g->CellIndex() == -1)
        SetCellEx(ACol, ARow, items->at(AIdx));
    else {
        g->SetCellIndex(AIdx);
        SetCellEx(ACol, ARow, GetCellEx(ACol, ARow));
    }
    RepaintCell(ACol, ARow);
    if (OnRadioClick) OnRadioClick(this, DisplColIndex(ACol), ARow, AIdx);
}

void TExStringGrid::RadioGroupClick(int ACol, int ARow, int X, int Y)
{
    const QPoint base = BaseCell(ACol, ARow);
    const int c = base.x(), r = base.y();
    const TCellGraphic* g = GetCellGraphic(c, r);
    if (g == nullptr) return;
    const QStringList* items = g->CellBitmapAs<QStringList>();
    const int dispCol = DisplColIndex(c);
    if (!IsFixed(dispCol, r)) {
        const bool kept = FForceSel;
        FForceSel = true;
        MoveColRow(dispCol, r, true, true);
        FForceSel = kept;
    }
    if (items == nullptr || items->isEmpty()) return;
    const int spacing = FControlLook.ControlStyle() >= paint::csWinXP ? 16 : FControlLook.RadioSize();
    const QFontMetrics fm(font());
    int end = 0;
    for (int i = 0; i < items->size(); ++i) {
        const int previous = end;
        if (g->CellBoolean())
            end += fm.horizontalAdvance(items->at(i)) + spacing;
        else
            end += std::max(spacing, fm.height());
        const int pos = g->CellBoolean() ? X : Y;
        if (pos > previous && pos < end) {
            RadioGroupChoose(c, r, i);
            return;
        }
    }
}

// ------------------------------------------------------------ buttons

QRect TExStringGrid::CellButtonRect(int ACol, int ARow) const
{
    const platform::TRect cell = TBaseGrid::CellRect(DisplColIndex(ACol), ARow);
    QRect r(cell.Left, cell.Top, cell.Width(), cell.Height());
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    // An expand button: 11 x 11 pixels, 2 pixels from the top-right corner.
    if (g != nullptr && g->CellType() == ctExpand) return QRect(r.right() - 2 - 11, r.top() + 2, 11, 11);
    if (g == nullptr || (g->CellType() != ctButton && g->CellType() != ctBitButton)) return r;
    const int bw = g->CellIndex() & 0xFFFF;
    const int bh = (g->CellIndex() >> 16) & 0xFFFF;
    if (bw <= 0 || bh <= 0) return r;
    int left = r.left() + (r.width() - bw) / 2;
    if (g->CellHAlign() == haLeft) left = r.left() + 2;
    else if (g->CellHAlign() == haRight) left = r.right() - bw - 2;
    int top = r.top() + (r.height() - bh) / 2;
    if (g->CellVAlign() == vaTop) top = r.top() + 2;
    else if (g->CellVAlign() == vaBottom) top = r.bottom() - bh - 2;
    return QRect(left, top, bw, bh);
}

void TExStringGrid::ReleaseCellButton(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return;
    // A button of a cell that may not be edited looks disabled and does
    // nothing, unless the grid draws no disabled buttons.
    const bool enabled = ((Options() & platform::goEditing) && CellAllowsEditing(DisplColIndex(ACol), ARow)) ||
                         FControlLook.NoDisabledButtonLook() || IsFixed(DisplColIndex(ACol), ARow);
    if (!enabled) return;
    if (g->CellType() == ctExpand) {
        g->SetCellBoolean(!g->CellBoolean());
        RepaintCell(ACol, ARow);
        DoExpandClick(ACol, ARow, g->CellBoolean());
    } else {
        DoButtonClick(ACol, ARow);
    }
}

// ------------------------------------------------------------ header selection

bool TExStringGrid::PressHeaderSelect(int ACol, int ARow, TShiftState shift)
{
    using namespace platform;
    const TGridRect oldSel = Selection();
    int sizingIndex = -1;
    if (CalcSizingState(Clickposx, Clickposy, sizingIndex) != gsNormal) return false;
    if (ACol < FixedCols() && ARow < FixedRows()) {
        if (!(FMouseActions.AllSelect && (Options() & goRangeSelect))) return false;
        setFocus();
        TGridRect all{FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1};
        HeaderSelectAllHook(all);
        SetSelection(all);
    } else if (ACol < FixedCols() && ARow >= FixedRows()) {
        if (!FMouseActions.RowSelect) return false;
        if (FMouseActions.DisjunctCellSelect()) FSelectedCells.clear();
        const int top = (shift & ssShift) ? oldSel.Top : ARow;
        SetSelection({FixedCols(), ARow, ColCount() - 1, top});
        FMouse->StartHeaderSelection(top);
    } else if (ACol >= FixedCols() && ARow < FixedRows()) {
        if (!(FMouseActions.ColSelect && (Options() & goRangeSelect))) return false;
        setFocus();
        if (FMouseActions.DisjunctCellSelect()) FSelectedCells.clear();
        int left = ACol, right = ACol;
        if (shift & ssShift) {
            if (ACol < oldSel.Left) right = oldSel.Right;
            else left = oldSel.Left;
        }
        SetSelection({left, FixedRows(), right, RowCount() - 1});
        FMouse->StartHeaderSelection(ACol < oldSel.Left && (shift & ssShift) ? right : left);
    } else {
        return false;
    }
    if (ActiveCellShow()) RepaintActiveHeaders(oldSel.Left, oldSel.Top, Col(), Row());
    return true;
}

// ------------------------------------------------------------ anchors

bool TExStringGrid::IsOpenableLink(const QString& url)
{
    const QUrl u(url.trimmed(), QUrl::StrictMode);
    if (!u.isValid()) return false;
    const QString scheme = u.scheme().toLower();
    return scheme == u"http" || scheme == u"https" || scheme == u"mailto" || scheme == u"file";
}

bool TExStringGrid::OpenLink(const QString& url)
{
    if (!IsOpenableLink(url)) return false;
    return QDesktopServices::openUrl(QUrl(url.trimmed()));
}

}  // namespace grid
