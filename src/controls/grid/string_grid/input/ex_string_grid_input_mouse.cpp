// The mouse buttons: the left press with its order of targets (outside the
// cells, cell objects, disjunct rows and columns, anchors, header selection,
// check boxes, the base class's selecting, direct editing), the mouse-down
// and mouse-up operations, the left release, the double click (header
// auto-size, editing) and the right press.

#include <utility>

#include <QHelpEvent>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/string_grid/html/grid_html.h"
#include "controls/grid/scoped_value.h"
#include "controls/grid/dragdrop/grid_drag_drop.h"
#include "controls/grid/string_grid/input/grid_mouse_tracker.h"

namespace grid {

using platform::TShiftState;
using platform::TWMMouse;
using platform::TGridRect;
using platform::TRect;

namespace grid_input_mouse_detail {

// The one modifier the press reports to OnMouseDown: Alt over Shift over Ctrl.
TShiftState pressModifier(TShiftState keys)
{
    using namespace platform;
    if (keys & ssAlt) return ssAlt;
    if (keys & ssShift) return ssShift;
    if (keys & ssCtrl) return ssCtrl;
    return 0;
}

}  // namespace grid_input_mouse_detail

void TExStringGrid::WMLButtonDown(TWMMouse& Msg)
{
    using namespace platform;
    namespace d = grid_input_mouse_detail;
    const int X = Msg.XPos, Y = Msg.YPos;
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    // Every left press: the lit fixed cell shows its pressed face until the release.
    SetFixedHover(FHoverFixedX, FHoverFixedY, true, FDropDownDown);
    FDragDrop->Press(X, Y);
    const TGridRect oldSel = Selection();
    FPressSelection = oldSel;
    FDeselectState = false;
    FMouseDown = false;
    if (PressResizer(X, Y)) {
        Msg.Result = 1;
        return;
    }

    if ((Options() & goEditing) && FMouseActions.RangeSelectAndEdit && !oldSel.Contains(ACol, ARow))
        SetOptions(Options() & ~goEditing);
    if (ACol >= 0 && ARow >= 0 && OnCanClickCell) {
        bool allow = true;
        OnCanClickCell(this, ARow, ACol, allow);
        if (!allow) return;
    }
    const int origCol = ACol, origRow = ARow;
    const TShiftState modifier = d::pressModifier(Msg.Keys);
    const bool ctrl = Msg.Keys & ssCtrl, shift = Msg.Keys & ssShift, alt = Msg.Keys & ssAlt;

    if (FMouseActions.DisjunctCellSelect() && !ctrl && ACol >= 0 && ARow >= 0 && !IsFixed(ACol, ARow) &&
        !FSelectedCells.empty()) {
        FSelectedCells.clear();
        Invalidate();
    }
    FSearchInc.clear();
    FPushedCellButton = QPoint(-1, -1);
    FClickOnCheckBox = false;
    const int keptTop = TopRow();
    FKeepLeftCol = LeftCol();
    if (ARow == 0)
        MouseToCell(X - 5, Y, Colclicked, Rowclicked);
    else if (ACol == 0)
        MouseToCell(X, Y - 4, Colclicked, Rowclicked);
    else
        MouseToCell(X - 5, Y - 4, Colclicked, Rowclicked);
    if (Colclicked >= 0 && Rowclicked >= 0) {
        Colclickedsize = ColWidths(Colclicked);
        Rowclickedsize = RowHeights(Rowclicked);
    }
    Clickposx = X;
    Clickposy = Y;
    const bool fixedHit = ACol >= 0 && ARow >= 0 && (ARow < FixedRows() || ACol < FixedCols());

    if (ACol == -1 || ARow == -1) {
        HideInplaceEdit();
        if (!FFixedRowAlways) TBaseGrid::WMLButtonDown(Msg);
        return;
    }
    {
        const QPoint base = BaseCell(RealColIndex(ACol), ARow);
        ACol = DisplColIndex(base.x());
        ARow = base.y();
    }
    const TRect baseRect = CellRect(ACol, ARow);
    if (FMouseActions.CaretPositioning) LButFlg = true;
    // On a marked border of a fixed column or row: it is sized until the release.
    if (FMouse->PressFixedBorder(ACol, ARow, X, Y)) return;
    if (fixedHit || IsFixed(ACol, ARow)) HideInplaceEdit();
    const bool fakeFixed = IsFixed(ACol, ARow) && !fixedHit;
    const int sc = RealColIndex(ACol);

    // A fixed cell drawn as a button shows pushed, unless the press is on a node mark.
    const bool onNodeMark = ACol == 0 && IsNode(ARow) && IsInNodeButton(ARow, X);
    if ((fixedHit || fakeFixed) && !onNodeMark) PressFixedAsButton(ACol, ARow);
    // Node marks: the header's opens or closes every node; a normal row's its own node.
    if (onNodeMark && ARow < FixedRows() && FMouseActions.NodeAllExpandContract) ClickHeaderNode(ARow);
    if (onNodeMark && ARow >= FixedRows()) {
        ClickNode(ACol, ARow, modifier, X, Y);
        return;
    }

    // Radio group.
    if (GetCellType(sc, ARow) == ctRadio && (IsEditable(sc, ARow) || FControlLook.RadioAlwaysActive)) {
        HideInplaceEdit();
        RadioGroupClick(sc, ARow, X - baseRect.Left, Y - baseRect.Top);
        setFocus();
        return;
    }
    // In a tree, the row headers answer the click only.
    if (ACol == 0 && ARow >= FixedRows() && HasNodes() && !FMouseActions.RowSelect && !(Options() & goRowSizing)) {
        if (OnMouseDown) OnMouseDown(this, mbLeft, modifier, X, Y);
        if (OnClickCell) OnClickCell(this, ARow, ACol);
        return;
    }
    // Cell buttons and expand buttons: pushed now, clicked on release.
    if (const TCellType kind = GetCellType(sc, ARow); kind == ctButton || kind == ctBitButton || kind == ctExpand) {
        HideInplaceEdit();
        if (!IsFixed(ACol, ARow)) SetCellForced(ACol, ARow);
        if (CellButtonRect(sc, ARow).contains(X, Y)) {
            FPushedCellButton = QPoint(ACol, ARow);
            RepaintCell(sc, ARow);
            if (OnClickCell) OnClickCell(this, ARow, ACol);
            return;
        }
    }
    if (PressRating(ACol, ARow, X)) return;
    PressSpinButtons(ACol, ARow, X, Y);
    if (ACol >= ColCount() || ARow >= RowCount()) {
        TBaseGrid::WMLButtonDown(Msg);
        return;
    }

    // Disjunct rows and columns.
    if (FMouseActions.DisjunctRowSelect() && ARow >= FixedRows() && (ACol != 0 || !FMouseActions.HotmailRowSelect())) {
        if (shift) {
            TBaseGrid::WMLButtonDown(Msg);
            SetSelection({ACol, ARow, oldSel.Left, oldSel.Top});
            return;
        }
        if (ctrl || FMouseActions.DisjunctRowSelectNoCtrl) {
            if (RowSelect(FMouseActions.RowSelectPersistent ? RealRowIndex(ARow) : ARow)) FDeselectState = true;
        } else {
            FMouseDown = true;
            if (!alt) ClearRowSelect();
        }
    }
    if (FMouseActions.DisjunctColSelect() && ACol >= FixedCols()) {
        if (ctrl) {
            if (ColSelect(ACol)) FDeselectState = true;
        } else {
            FMouseDown = true;
            ClearColSelect();
        }
    }

    // Anchors and form controls of mini-HTML cells.
    if (FHTML->Press(ACol, ARow, X, Y, origCol, origRow)) return;

    Movecell = -1;
    PressHeaderSelect(ACol, ARow, Msg.Keys);
    if (ACol >= FixedCols() && ARow < FixedRows()) Movecell = ACol;
    if (ACol < FixedCols() && ARow >= FixedRows()) Movecell = ARow;

    bool canEdit = (Options() & goEditing) || FMouseActions.RangeSelectAndEdit;
    CanEditCell(sc, ARow, canEdit);

    // Check boxes and column radio buttons.
    if ((canEdit || FControlLook.CheckAlwaysActive || (ACol == 0 && FMouseActions.HotmailRowSelect())) &&
        (HasCheckBox(sc, ARow) || HasRadioButton(sc, ARow)) && IsInCheckBox(sc, ARow, X, Y)) {
        PressCheckBox(ACol, ARow, X, Y, canEdit);
        return;
    }
    // A press on the selection of a drag source may become a drag (decided by the moves).
    if (FDragDrop->PrepareOleDrag(ACol, ARow, X, Y, baseRect, Msg.Keys)) {
        if (OnMouseDown) OnMouseDown(this, mbLeft, modifier, X, Y);
        if (OnClickCell) OnClickCell(this, ARow, ACol);
        return;
    }
    const bool normalCell = ACol >= FixedCols() && ARow >= FixedRows();
    const bool comboCell = normalCell && FControlLook.DropDownAlwaysVisible() && HasComboBox(sc, ARow);
    if (normalCell && (canEdit || (FMouseActions.EditOnDblClickOnly() && comboCell)) &&
        (FMouseActions.DirectEdit || (FControlLook.DropDownAlwaysVisible() && comboCell))) {
        HideInplaceEdit();
        setFocus();
    }
    const bool onCurrent = baseRect.Contains(X, Y) && Selection() == TGridRect{ACol, ARow, ACol, ARow};
    bool startSelecting = false;
    if (!onCurrent && FMouseActions.RangeSelectAndEdit && !IsFixed(ACol, ARow) && !canEdit) {
        startSelecting = true;
        SetOptions(Options() & ~goEditing);
    }

    if (fakeFixed) {
        if (!(ARow == RowCount() - 1 && FFloatingFooter.Visible && FFloatingFooter.FooterStyle == fsFixedLastRow))
            if (OnClickCell) OnClickCell(this, ARow, ACol);
        return;
    }

    // The base class's turn.
    const bool partial = ARow == TopRow() + VisibleRowCount() || ACol == LeftCol() + VisibleColCount() ||
                         (ACol == LeftCol() && LeftCol() > FixedCols());
    const bool keepHoriz = (Options() & goRowSelect) && FNavigation.KeepHorizScroll;
    const int keptLeft = LeftCol();
    const bool keptAlwaysEdit = FNavigation.AlwaysEdit;
    if (keepHoriz) BeginUpdate();
    try {
        if (!SelectionHidden()) FNavigation.AlwaysEdit = false;
        TBaseGrid::WMLButtonDown(Msg);
        FNavigation.AlwaysEdit = keptAlwaysEdit;
        if (GridState() == gsSelecting && partial && FMouseActions.NoAutoRangeScroll) SetGridState(gsNormal);
        if (TopRow() != keptTop && FMouseActions.NoScrollOnPartialRow) {
            SetTopRow(keptTop);
            TWMMouse up;
            WMLButtonUp(up);
        }
    } catch (...) {
        FNavigation.AlwaysEdit = keptAlwaysEdit;
        if (keepHoriz) {
            SetLeftCol(keptLeft);
            EndUpdate();
        }
        throw;
    }
    if (keepHoriz) {
        SetLeftCol(keptLeft);
        EndUpdate();
    }

    const bool sizingGrab = ARow < FixedRows() && (Options() & goColSizing) &&
                            (std::abs(X - baseRect.Left) < 4 || std::abs(X - baseRect.Right) < 4);
    if (!sizingGrab && OnClickCell) OnClickCell(this, ARow, ACol);
    if (OnCellValidate) RememberCellValue(Col(), Row());

    // Direct editing.
    if (X >= baseRect.Left + 4 && X <= baseRect.Right - 4 && normalCell &&
        (canEdit || (FMouseActions.EditOnDblClickOnly() && comboCell)) &&
        (FMouseActions.DirectEdit || (FControlLook.DropDownAlwaysVisible() && comboCell)) &&
        !HasClickGraphic(sc, ARow)) {
        if (FMouseActions.EditOnDblClickOnly() && comboCell && !(Options() & goEditing)) {
            SetOptions(Options() | goEditing);
            setFocus();
        }
        bool allow = true;
        if (Row() != ARow && OnRowChanging) OnRowChanging(this, Row(), ARow, allow);
        if (Col() != ACol && OnColChanging) OnColChanging(this, Col(), ACol, allow);
        if ((Row() != ARow || Col() != ACol) && OnCellChanging) OnCellChanging(this, Row(), Col(), ARow, ACol, allow);
        if (allow) {
            if (IsBaseCell(RealColIndex(origCol), origRow))
                SetSelection({origCol, origRow, origCol, origRow});
            else
                SetSelection({ACol, ARow, ACol, ARow});
            RememberCellValue(Col(), Row());
            ShowEditor();
        }
    }
    if (startSelecting) SetGridState(gsSelecting);
    StepSpinAfterPress();
}

// The selection-resizer handle: the bottom 6 and right (left in right-to-left
// mode) 6 pixels of the selection's bottom-right cell. A press there starts
// dragging the selection; its cells go to the clipboard, and the release
// pastes them into the resized selection (with the smart clipboard a larger
// selection continues a series or repeats the block).
bool TExStringGrid::OnResizerHandle(int X, int Y) const
{
    if (!(SelectionResizer && SelectionRectangle)) return false;
    const TGridRect sel = Selection();
    TRect handle = CellRect(sel.Right, sel.Bottom);
    if (handle.IsEmpty()) return false;
    handle.Top = handle.Bottom - 6;
    if (layoutDirection() == Qt::RightToLeft)
        handle.Right = handle.Left + 6;
    else
        handle.Left = handle.Right - 6;
    return handle.Contains(X, Y);
}

bool TExStringGrid::PressResizer(int X, int Y)
{
    if (!OnResizerHandle(X, Y)) return false;
    const TGridRect sel = Selection();
    FDropSelection = sel;
    CopySelectionToClipboard();
    FMouseResize = true;
    HideInplaceEdit();
    SetSelection(sel);
    SetGridState(platform::gsSelecting);
    HandleMouseMove(0, X, Y);
    return true;
}

void TExStringGrid::ReleaseResizer()
{
    const TGridRect newSel = Selection();
    if (OnSelectionResize) OnSelectionResize(this, FDropSelection, newSel);
    {
        TScopedValue<bool> editDisable(FEditDisable, true);
        PasteSelectionFromClipboard();
    }
    FMouseResize = false;
    if (OnSelectionResized) OnSelectionResized(this, FDropSelection, Selection());
}

void TExStringGrid::HandleMouseDown(platform::TMouseButton Button, TShiftState Shift, int X, int Y)
{
    using namespace platform;
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (Button == mbLeft && PressFixedDropDown(ACol, ARow, X)) return;
    if (PressFixedCellEdit(Button, ACol, ARow, X, Y)) return;
    if (FMouseActions.RangeSelectAndEdit && Button == mbLeft && !FMouseActions.EditOnDblClickOnly() && ACol >= 0 &&
        ARow >= 0) {
        const bool current = ACol == Col() && ARow == Row();
        if (current && !(Options() & goEditing) && IsEditable(RealColIndex(ACol), ARow)) {
            SetOptions(Options() | goEditing);
            TBaseGrid::HandleMouseDown(Button, Shift, X, Y);
            ShowInplaceEdit();
            return;
        }
        if (!current && (Options() & goEditing) && (Shift & ssShift)) {
            SetOptions(Options() & ~goEditing);
            TBaseGrid::HandleMouseDown(Button, Shift, X, Y);
            return;
        }
    }
    TBaseGrid::HandleMouseDown(Button, Shift, X, Y);
    if (TExStringGrid* other = FSyncGrid.Grid()) {
        if (FSyncGrid.SelectionColumn && Col() < other->ColCount()) other->SetCol(Col());
        if (FSyncGrid.SelectionRow && Row() < other->RowCount()) other->SetRow(Row());
    }
}

void TExStringGrid::HandleMouseUp(platform::TMouseButton Button, TShiftState Shift, int X, int Y)
{
    using namespace platform;
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    FilterButtonRelease(ACol, ARow, X, Y);  // the filter drop-down opens or closes
    SetFixedHover(FHoverFixedX, FHoverFixedY, FMouseDownMove, false);
    if ((X > width() && GridState() == gsColSizing) || (Y > height() && GridState() == gsRowSizing)) {
        SetGridState(gsNormal);
        return;
    }
    if (FMouseActions.DisjunctCellSelect() && Button == mbLeft && ACol >= 0 && ARow >= 0)
        ReleaseDisjunctCell(ACol, ARow, Shift);
    TBaseGrid::HandleMouseUp(Button, Shift, X, Y);
    const TGridRect now = Selection();
    if ((Button == mbLeft || (Button == mbRight && FMouseActions.SelectOnRightClick)) && !(now == FPressSelection)) {
        FPressSelection = now;
        FMoveSelection = now;
        SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
    }
}

bool TExStringGrid::PressFixedDropDown(int ACol, int ARow, int X)
{
    using namespace platform;
    if (!FControlLook.FixedDropDownButton || ACol < 0 || ARow < 0) return false;
    const bool fixed = ACol < FixedCols() || ARow < FixedRows() || IsFixed(ACol, ARow);
    if (!fixed || !FixedFaceLit(ACol, ARow)) return false;
    const TRect r = CellRect(ACol, ARow);
    const int right = (Options() & goColSizing) ? r.Right - 2 : r.Right;
    if (X <= r.Right - 16 || X >= right) return false;
    // The button strip: it shows pressed until the release; the press goes
    // no further (no sorting, moving or selecting from it).
    SetFixedHover(FHoverFixedX, FHoverFixedY, FMouseDownMove, true);
    return true;
}

void TExStringGrid::HandleMouseMove(TShiftState Shift, int X, int Y)
{
    using namespace platform;
    if (FMouse == nullptr) return;
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const TGridRect oldSel = Selection();
    FMouse->DragLeavesEditing();
    FMouse->TrackCell(ACol, ARow, X, Y);
    // Which fixed cells light up is the painting's choice; the list-view
    // look lights its headers whatever HoverFixedCells says.
    if (HoverFixedCells != hfNone || Look() == glListView)
        SetFixedHover(ACol, ARow, FMouseDownMove, FDropDownDown);
    const bool scrolledUp = FMouse->ExtendHeaderSelection(ACol, ARow, Y);
    FMouse->MarkFixedBorders(ACol, ARow, X, Y);
    // A drag of the selection out of the grid (it runs its own modal loop).
    if (FDragDrop->StartOleDrag(Shift, X, Y)) return;
    if (GridState() == gsColSizing) ColSized = true;
    if (GridState() == gsRowSizing) Rowsized = true;
    // Enhanced moving of a column or row: images, arrows, vetoes, edge scrolling.
    FDragDrop->MoveMouse(X, Y);
    FMouse->ChooseSelectMode(ACol, ARow, X, Y, OnResizerHandle(X, Y), scrolledUp);
    TBaseGrid::HandleMouseMove(Shift, X, Y);
    FMouse->ApplyCursor(ACol, ARow, X, Y);
    // The outline of a selection rectangle follows the range being selected.
    if (SelectionRectangle && GridState() == gsSelecting && !(Selection() == FMoveSelection)) {
        InvalidateGridRect(FMoveSelection);
        FMoveSelection = Selection();
        InvalidateGridRect(FMoveSelection);
    }
    // Links under the mouse (their hand cursor over the one the base chose);
    // a hint goes when the mouse leaves its cell.
    FHTML->MouseMove(X, Y);
    PopBalloonOffCell(ACol, ARow);
    // A row-select grid keeps its horizontal position while the button is held.
    if ((Options() & goRowSelect) && FNavigation.KeepHorizScroll && FMouseDownMove && FKeepLeftCol >= 0 &&
        GridState() != gsColMoving && LeftCol() != FKeepLeftCol) {
        BeginUpdate();
        SetLeftCol(FKeepLeftCol);
        EndUpdate();
    }
    FMouse->ReportSizing(X, Y);
    if (const TGridRect now = Selection(); !(now == oldSel)) SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}

platform::TGridState TExStringGrid::ComputeSizingState(int X, int Y, int& index)
{
    using namespace platform;
    TGridState state = TBaseGrid::ComputeSizingState(X, Y, index);
    int c = -1, r = -1;
    if (state == gsColSizing && OnColumnSize) {
        MouseToCell(X - 6, Y, c, r);
        bool allow = true;
        if (r >= 0 && r < FixedRows() && c >= 0) OnColumnSize(this, c, allow);
        if (!allow) state = gsNormal;
    } else if (state == gsRowSizing && OnRowSize) {
        MouseToCell(X, Y - 6, c, r);
        bool allow = true;
        if (c >= 0 && c < FixedCols() && r >= 0) OnRowSize(this, r, allow);
        if (!allow) state = gsNormal;
    }
    return state;
}

void TExStringGrid::CMMouseLeave()
{
    SetFixedHover(-1, -1, FMouseDownMove, FDropDownDown);
    FHTML->MouseLeave();
    if (FMouse != nullptr) FMouse->Leave();
}

bool TExStringGrid::viewportEvent(QEvent* event)
{
    if (!FFocusWired) WireGridTimer();
    if (event->type() == QEvent::Leave) {
        try {
            CMMouseLeave();
        } catch (...) {
            // Leaving the grid never fails the event loop.
        }
    }
    try {
        BalloonMouseEvent(event);
    } catch (...) {
        // A balloon that cannot be shown stays away.
    }
    // The mouse rests: the grid answers with the hint of the cell under it;
    // balloons keep their own time.
    if (event->type() == QEvent::ToolTip) {
        try {
            if (FBalloon.Enable() && FBalloon.FInit) return true;
            FHTML->ShowHint(static_cast<QHelpEvent*>(event)->pos());
        } catch (...) {
            // A hint that cannot be made is not shown.
        }
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::Wheel) FHTML->CancelHint();
    const bool result = TBaseGrid::viewportEvent(event);
    if (event->type() == QEvent::Paint && (FFixedCellPushed || FPanning || FMouse->SizingFixed())) {
        try {
            PaintInputOverlay();
        } catch (...) {
            // Painting never fails the event loop.
        }
    }
    return result;
}

void TExStringGrid::ReleaseDisjunctCell(int ACol, int ARow, TShiftState shift)
{
    using namespace platform;
    const QPoint base = BaseCell(RealColIndex(ACol), ARow);
    const int c = DisplColIndex(base.x()), r = base.y();
    auto pack = [](int col, int row) { return (row << 16) | (col & 0xFFFF); };
    if (!IsFixed(c, r)) {
        bool canSelect = true;
        if (OnSelectCell) OnSelectCell(this, c, r, canSelect);
        if (!canSelect) return;
        if (shift & ssShift) {
            FSelectedCells.push_back(pack(ACol, ARow));
        } else if (shift & ssCtrl) {
            if (std::erase(FSelectedCells, pack(c, r)) == 0) FSelectedCells.push_back(pack(c, r));
        } else {
            FSelectedCells.clear();
            FSelectedCells.push_back(pack(c, r));
        }
    } else if (!(shift & ssCtrl) && !IsFixed(ACol, ARow)) {
        FSelectedCells.clear();
    }
    Invalidate();
}

void TExStringGrid::ReleaseDisjunctRow(int ARow, TShiftState shift)
{
    using namespace platform;
    if (!FMouseActions.DisjunctRowSelect() || ARow < FixedRows() || ARow >= RowCount() || (shift & ssShift)) return;
    const int index = FMouseActions.RowSelectPersistent ? RealRowIndex(ARow) : ARow;
    if ((shift & ssCtrl) || FMouseActions.DisjunctRowSelectNoCtrl)
        SetRowSelect(index, !FDeselectState);
    else if (FMouseDown)
        SetRowSelect(index, true);
}

void TExStringGrid::SelectNodeGroup(int ARow)
{
    using namespace platform;
    if (!FGrouping.AutoSelectGroup || !IsNode(ARow) || GetNodeState(ARow)) return;
    const int last = NodeSpanEnd(ARow) - 1;
    if (FMouseActions.DisjunctRowSelect()) {
        for (int r = ARow + 1; r <= last; ++r) SetRowSelect(RealRowIndex(r), true);
    } else {
        SetSelection({FixedCols(), ARow, ColCount() - 1, std::max(ARow, last)});
    }
}

void TExStringGrid::WMLButtonUp(TWMMouse& Msg)
{
    using namespace platform;
    // The release of a double click that sized a column only ends it, wherever it lands.
    const bool afterDoubleClick = std::exchange(FDblClk, false);
    SetFixedHover(FHoverFixedX, FHoverFixedY, false, FDropDownDown);
    const int X = Msg.XPos, Y = Msg.YPos;
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    FHTML->Release();  // a pressed BUTTON control comes up
    const bool sizedFixed = FMouse->Release(X, Y);
    FKeepLeftCol = -1;
    ReleaseFixedAsButton(ACol, ARow);
    if (FPushedCellButton.x() >= 0) {
        const QPoint pushed = FPushedCellButton;
        FPushedCellButton = QPoint(-1, -1);
        RepaintCell(RealColIndex(pushed.x()), pushed.y());
        if (ACol >= 0 && ARow >= 0) {
            const QPoint base = BaseCell(RealColIndex(ACol), ARow);
            if (DisplColIndex(base.x()) == pushed.x() && base.y() == pushed.y() &&
                CellButtonRect(base.x(), base.y()).contains(X, Y))
                ReleaseCellButton(base.x(), base.y());
        }
        if (OnMouseUp) OnMouseUp(this, mbLeft, Msg.Keys, X, Y);
        return;
    }
    // A release on a node mark leaves the disjunct row selection alone.
    if (ARow >= 0 && !(ACol == 0 && IsNode(ARow))) ReleaseDisjunctRow(ARow, Msg.Keys);
    if (FMouseActions.DisjunctColSelect() && ACol >= FixedCols() && ACol < ColCount() - FFixedRightCols &&
        FDeselectState && (Msg.Keys & ssCtrl))
        SetColSelect(ACol, false);
    else if (FMouseActions.DisjunctColSelect() && ACol >= FixedCols() && (Msg.Keys & ssCtrl))
        SetColSelect(ACol, true);
    FDeselectState = false;
    FMouseDown = false;
    // A press that sized a column, or moved one to another place, neither clicks nor sorts.
    ColMoveFlg = false;
    bool sizedOrMoved = sizedFixed || GridState() == gsColSizing || GridState() == gsRowSizing ||
                        (GridState() == gsColMoving && Movecell != ACol) ||
                        (GridState() == gsRowMoving && Movecell != ARow);
    if (ACol >= 0 && ARow >= 0) FDragDrop->FinishOleClick(ACol, ARow);
    // An enhanced move ends here (the move done by the grid itself).
    if (FDragDrop->Release(X, Y)) sizedOrMoved = true;
    FDragDrop->Arrows().HideAll();

    TBaseGrid::WMLButtonUp(Msg);
    if (GridState() == gsSelecting) SetGridState(gsNormal);
    // After the base class, whose release would move the selection again.
    if (ACol > 0) SelectNodeGroup(ARow);
    if (FMouseResize) ReleaseResizer();

    if (ACol < 0 || ARow < 0) return;
    const int sc = RealColIndex(ACol);
    if (FClickOnCheckBox) {
        FClickOnCheckBox = false;
        bool state = false;
        if (HasCheckBox(sc, ARow) && GetCheckBoxState(sc, ARow, state) && OnCheckBoxMouseUp)
            OnCheckBoxMouseUp(this, sc, ARow, state);
    }
    if (GetCellType(sc, ARow) == ctRadio && OnRadioMouseUp) OnRadioMouseUp(this, sc, ARow, RadioGroupIndex(sc, ARow));
    if (afterDoubleClick) return;
    ClickSort(ACol, ARow, X, Y, Msg.Keys, sizedOrMoved || ColMoveFlg);
}

void TExStringGrid::WMLButtonDblClk(TWMMouse& Msg)
{
    using namespace platform;
    const int X = Msg.XPos, Y = Msg.YPos;
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const bool force =
        FMouseActions.RangeSelectAndEdit && ACol >= 0 && ARow >= 0 && !HasClickGraphic(RealColIndex(ACol), ARow);
    TScopedValue<bool> forceSel(FForceSel, FForceSel || force);

    if (ACol == -1) {
        if (FFixedRowAlways) {
            TBaseGrid::WMLButtonDblClk(Msg);
            return;
        }
        ACol = ColCount() - 1;
        ARow = 0;
    }
    if (ARow < 0) return;
    if (ARow < FixedRows() && (Options() & goColSizing) && FMouseActions.AutoSizeColOnDblClick &&
        DblClickAutoSize(ACol, ARow, X)) {
        TBaseGrid::WMLButtonDblClk(Msg);
        return;
    }
    if (FixedCellEditGesture(fceDblClick, ACol, ARow)) {
        StartFixedCellEdit(ACol, ARow);
        return;
    }
    const int sc = RealColIndex(ACol);
    const TCellType kind = GetCellType(sc, ARow);
    if ((kind == ctButton || kind == ctBitButton || kind == ctExpand) && CellButtonRect(sc, ARow).contains(X, Y))
        return;
    if (HasClickGraphic(sc, ARow)) {
        TBaseGrid::WMLButtonDblClk(Msg);
        return;
    }
    TBaseGrid::WMLButtonDblClk(Msg);
    int hitCol = -1, hitRow = -1;
    MouseToCell(X, Y, hitCol, hitRow);
    if (OnDblClickCell) OnDblClickCell(this, hitRow, hitCol);

    if (FMouseActions.EditOnDblClickOnly()) {
        const bool kept = FMouseActions.RangeSelectAndEdit;
        FMouseActions.RangeSelectAndEdit = true;
        if (IsEditable(sc, ARow)) {
            SetOptions(Options() | goEditing);
            ShowInplaceEdit();
        }
        FMouseActions.RangeSelectAndEdit = kept;
    } else if (FMouseActions.RangeSelectAndEdit && IsEditable(sc, ARow)) {
        SetOptions(Options() | goEditing);
        const QPoint base = BaseCell(sc, ARow);
        const TRect r = CellRect(DisplColIndex(base.x()), base.y());
        HandleMouseDown(mbLeft, 0, r.Left + 4, r.Top + 4);
    }
}

bool TExStringGrid::DblClickAutoSize(int ACol, int ARow, int X)
{
    const platform::TRect r = CellRect(ACol, ARow);
    auto sizeColumn = [this](int col) {
        bool allow = true;
        if (OnColumnSize) OnColumnSize(this, col, allow);
        if (allow) {
            AutoSizeCol(RealColIndex(col), 0);
            if (OnEndColumnSize) OnEndColumnSize(this, col);
        }
        FForceSel = false;
    };
    if (std::abs(X - r.Left) <= 3) {
        FDblClk = true;
        if (ACol - 1 >= FixedCols()) {
            sizeColumn(ACol - 1);
            return true;
        }
    }
    if (std::abs(X - r.Right) <= 3 && ACol >= FixedCols()) {
        FDblClk = true;
        sizeColumn(ACol);
        return true;
    }
    return false;
}

void TExStringGrid::WMRButtonDown(TWMMouse& Msg)
{
    using namespace platform;
    TBaseGrid::WMRButtonDown(Msg);
    const int X = Msg.XPos, Y = Msg.YPos;
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (FMouseActions.SelectOnRightClick && ACol >= 0 && ARow >= 0 && !IsFixed(ACol, ARow) &&
        !(FMouseActions.DisjunctCellSelect() && IsCellSelectedDisjunct(ACol, ARow))) {
        const QPoint base = BaseCell(RealColIndex(ACol), ARow);
        const int bc = DisplColIndex(base.x()), br = base.y();
        if (!HasClickGraphic(base.x(), br)) {
            if (Selection().Contains(bc, br)) {
                bool canSelect = true;
                if (OnSelectCell) OnSelectCell(this, bc, br, canSelect);
            } else {
                const int keptLeft = LeftCol();
                MoveColRow(bc, br, true, true);
                if ((Options() & goRowSelect) && FNavigation.KeepHorizScroll) SetLeftCol(keptLeft);
            }
        }
        if (FMouseActions.DisjunctRowSelect()) {
            const int index = FMouseActions.RowSelectPersistent ? RealRowIndex(ARow) : ARow;
            if ((Msg.Keys & ssCtrl) || FMouseActions.DisjunctRowSelectNoCtrl) {
                SetRowSelect(index, !RowSelect(index));
            } else if (!(RowSelectCount() > 1 && RowSelect(index))) {
                ClearRowSelect();
                SetRowSelect(index, true);
            }
        }
    }
    if (OnRightClickCell) OnRightClickCell(this, ARow, ACol);
}

// A right release while columns or rows are being moved is swallowed, so
// that no context menu opens in the middle of the move.
void TExStringGrid::WMRButtonUp(TWMMouse& Msg)
{
    using namespace platform;
    if (EnhRowColMove && (GridState() == gsRowMoving || GridState() == gsColMoving)) {
        Msg.Result = 0;
        return;
    }
    TBaseGrid::WMRButtonUp(Msg);
}

}  // namespace grid
