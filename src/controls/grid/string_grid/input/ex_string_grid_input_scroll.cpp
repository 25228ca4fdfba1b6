// Scrolling and focus: the wheel (scrolling or moving the current row by
// WheelIncrement rows, Ctrl+wheel zoom), the scroll bar messages with the
// scroll hint text, the work after a scroll position change, and the focus
// entry and exit of the grid window.

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "controls/grid/search/search_footer.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/dragdrop/grid_drag_drop.h"
#include "controls/grid/string_grid/html/grid_html.h"
#include "controls/grid/scoped_value.h"

namespace grid {

using platform::TShiftState;

void TExStringGrid::wheelEvent(QWheelEvent* event)
{
    event->accept();
    try {
        const TShiftState shift = platform::shiftStateFromQt(event->modifiers(), event->buttons());
        FWheelRest += event->angleDelta().y();
        while (FWheelRest <= -120 || FWheelRest >= 120) {
            const bool towardsUser = FWheelRest < 0;
            FWheelRest += towardsUser ? 120 : -120;
            if ((shift & platform::ssCtrl) && IntelliZoom) {
                // Towards the user enlarges; the cells then fit the new fonts.
                Zoom(towardsUser ? FWheelScrollLines : -FWheelScrollLines);
                AutoSizeCells(true, 4, 4);
                continue;
            }
            WheelNotch(towardsUser);
        }
    } catch (...) {
        // No error of the grid leaves the wheel handler.
    }
}

void TExStringGrid::WheelNotch(bool towardsUser)
{
    if (!EnableWheel || (FFixedRowAlways && RowCount() == 1)) return;
    const int f = FMouseActions.WheelIncrement >= 1 ? FMouseActions.WheelIncrement : FWheelScrollLines;
    const bool scrollOnly = FMouseActions.WheelAction() == waScroll;
    const platform::TGridRect before = Selection();
    if (scrollOnly) {
        const int top = TopRow();
        if (towardsUser) {
            const int maxTop = std::max(FixedRows(), RowCount() - VisibleRowCount());
            if (top < maxTop) SetTopRow(std::min(top + f, maxTop));
        } else if (top > FixedRows()) {
            SetTopRow(std::max(FixedRows(), top - f));
        }
    } else {
        const int lastNormal = std::max(FixedRows(), RowCount() - FFixedFooters - 1);
        const int q = std::clamp(towardsUser ? Row() + f : Row() - f, FixedRows(), lastNormal);
        if (Col() > ColCount() - 1) SetCol(ColCount() - 1);
        if (Col() < FixedCols() && FixedCols() < ColCount()) SetCol(FixedCols());
        if (q >= 0 && q < RowCount() && q != Row()) {
            const int keptLeft = LeftCol();
            if (FMouseActions.DisjunctRowSelect()) ClearRowSelect();
            SetRow(q);
            if (Row() != q) {
                // Refused: go half the way.
                const int half = Row() + static_cast<int>(std::lround((q - Row()) / 2.0));
                SetRow(half);
            }
            SelectBaseCell();
            if ((Options() & platform::goRowSelect) && FNavigation.KeepHorizScroll) SetLeftCol(keptLeft);
        }
    }
    bool handled = false;
    if (towardsUser) {
        if (OnMouseWheelDown) OnMouseWheelDown(this, 0, QPoint(0, 0), handled);
    } else if (OnMouseWheelUp) {
        OnMouseWheelUp(this, 0, QPoint(0, 0), handled);
    }
    const platform::TGridRect now = Selection();
    if (!(now == before)) {
        FMoveSelection = now;
        SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
    }
}

bool TExStringGrid::HandleWheelDown(TShiftState Shift, QPoint MousePos) { return HandleWheel(true, Shift, MousePos); }

bool TExStringGrid::HandleWheelUp(TShiftState Shift, QPoint MousePos) { return HandleWheel(false, Shift, MousePos); }

bool TExStringGrid::HandleWheel(bool Down, TShiftState Shift, QPoint MousePos)
{
    if (FMouseActions.WheelAction() == waScroll || !EnableWheel) {
        bool handled = false;
        const auto& event = Down ? OnMouseWheelDown : OnMouseWheelUp;
        if (event) event(this, Shift, MousePos, handled);
        return handled;
    }
    if (!Down && (Row() < 0 || Row() >= RowCount())) return true;
    // The base moves the current row; no direct edit opens on the way.
    TScopedValue<bool> noDirectEdit(FMouseActions.DirectEdit, false);
    const int keptLeft = LeftCol();
    const bool result =
        Down ? TBaseGrid::HandleWheelDown(Shift, MousePos) : TBaseGrid::HandleWheelUp(Shift, MousePos);
    if ((Options() & platform::goRowSelect) && FNavigation.KeepHorizScroll) SetLeftCol(keptLeft);
    return result;
}

void TExStringGrid::WMVScroll(platform::TScrollCode Code, int Pos)
{
    using namespace platform;
    if (Code == SB_THUMBTRACK && (ScrollHints == shVertical || ScrollHints == shBoth))
        ShowScrollHint(QStringLiteral("Row : "), ThumbTopRow(std::max(0, Pos)));
    if (Code == SB_ENDSCROLL) HideScrollHint();
    if (Code == SB_ENDSCROLL || Code == SB_THUMBPOSITION) FScrollHintText.clear();
    if (Code == SB_THUMBTRACK && ScrollSynch) {
        const int maxTop = std::max(FixedRows(), RowCount() - 1);
        SetTopRow(std::clamp(ThumbTopRow(Pos), FixedRows(), maxTop));
        return;
    }
    // The base takes a thumb position as a row offset.
    if (ScrollProportional && (Code == SB_THUMBTRACK || Code == SB_THUMBPOSITION)) Pos = ThumbTopRow(Pos) - FixedRows();
    TBaseGrid::WMVScroll(Code, Pos);
    if (HasCheckBox(RealCol(), Row())) HideInplaceEdit();
}

void TExStringGrid::WMHScroll(platform::TScrollCode Code, int Pos)
{
    using namespace platform;
    if (Code == SB_THUMBTRACK && (ScrollHints == shHorizontal || ScrollHints == shBoth))
        ShowScrollHint(QStringLiteral("Col : "), ThumbLeftCol(std::max(0, Pos)));
    if (Code == SB_ENDSCROLL) HideScrollHint();
    if (Code == SB_ENDSCROLL || Code == SB_THUMBPOSITION) FScrollHintText.clear();
    if (Code == SB_THUMBTRACK && ScrollSynch) {
        const int maxLeft = std::max(FixedCols(), ColCount() - 1);
        SetLeftCol(std::clamp(ThumbLeftCol(Pos), FixedCols(), maxLeft));
        return;
    }
    if (ScrollProportional && (Code == SB_THUMBTRACK || Code == SB_THUMBPOSITION)) Pos = ThumbLeftCol(Pos) - FixedCols();
    TBaseGrid::WMHScroll(Code, Pos);
    if (HasCheckBox(RealCol(), Row())) HideInplaceEdit();
}

void TExStringGrid::ScrollPositionChanged()
{
    TBaseGrid::ScrollPositionChanged();
    RepaintBackgroundAfterScroll();
    CellControlsUpdate(false);
    if (ScrollType() == paint::ssMetro) FDragDrop->UpdateThinScrollBars(true);
    if (EditMode && EditControl != edNormal) HideInplaceEdit();
    if (TExStringGrid* other = FSyncGrid.Grid()) {
        if (FSyncGrid.ScrollVertical && other->TopRow() != TopRow()) other->SetTopRow(TopRow());
        if (FSyncGrid.ScrollHorizontal && other->LeftCol() != LeftCol()) other->SetLeftCol(LeftCol());
    }
}

// ------------------------------------------------------------ focus

void TExStringGrid::focusInEvent(QFocusEvent* event)
{
    WireGridTimer();
    if (InvokedFocusChange) {
        // The pop-up edit's own focus move: done with it now.
        InvokedFocusChange = false;
        QAbstractScrollArea::focusInEvent(event);
        return;
    }
    TBaseGrid::focusInEvent(event);
    try {
        if (FBlockFocus) return;
        if (HasCheckBox(RealCol(), Row())) return;
        if (FNavigation.AlwaysEdit && !EditorMode()) {
            bool canEdit = true;
            CanEditCell(RealCol(), Row(), canEdit);
            const bool visible = Col() >= LeftCol() && Col() < LeftCol() + VisibleColCount() && Row() >= TopRow() &&
                                 Row() < TopRow() + VisibleRowCount();
            if (canEdit && visible && event->reason() != Qt::OtherFocusReason) ShowInplaceEdit();
        }
    } catch (...) {
        // No error of the grid leaves the focus handler.
    }
}

void TExStringGrid::focusOutEvent(QFocusEvent* event)
{
    if (FBlockKill) return;
    TBaseGrid::focusOutEvent(event);
}

}  // namespace grid

namespace grid {

// ------------------------------------------------------------ proportional bars

bool TExStringGrid::CalcProportionalScroll(int F, int S, int D, int W, int oldPosition, bool vertical,
                                           TProportionalScroll& out)
{
    if (S <= 0 || W <= 0) return false;
    float e = float(W - F) / float(S);
    if (e >= 0.9999f) return false;
    if (!vertical && F + S - W < 5) return false;
    e = std::max(e, 0.0f);
    out.Max = static_cast<int>((e + 127.0f) / (1.0f - e));
    out.Page = out.Max - 126;
    if (W < S)
        out.Position = static_cast<int>(float(std::max(0, D)) / float(S - W) * 128.0f);
    else
        out.Position = vertical ? 127 : oldPosition;
    out.Position = std::clamp(out.Position, 0, 127);
    return true;
}

int TExStringGrid::ThumbToCell(int p, int fixed, int n)
{
    if (n <= 0) return fixed;
    p = std::clamp(p, 0, 127);
    return fixed + static_cast<int>((int64_t(p) * n + 63) / 127);
}

namespace grid_input_scroll_detail {

// L + the sum of (L + size) over [from, to).
template <typename Size> int extent(int from, int to, int lineWidth, Size&& size)
{
    int sum = lineWidth;
    for (int i = from; i < to; ++i) sum += lineWidth + std::max(0, size(i));
    return sum;
}

}  // namespace grid_input_scroll_detail

bool TExStringGrid::UpdateHScrollBar()
{
    if (!ScrollProportional || IsLoading() || IsDesigning() || FScrollLock) return false;
    namespace d = grid_input_scroll_detail;
    const int L = GridLineWidth();
    auto w = [this](int i) { return ColWidths(i); };
    const int F = d::extent(0, FixedCols(), L, w);
    const int S = d::extent(FixedCols(), ColCount(), L, w);
    const int D = d::extent(FixedCols(), LeftCol(), L, w);
    TProportionalScroll next;
    if (!CalcProportionalScroll(F, S, D, width(), FHScrollInfo.Position, false, next)) return false;
    FHScrollInfo = next;
    if (!KeepsHorizontalBar()) setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return true;
}

bool TExStringGrid::UpdateVScrollBar()
{
    if (!ScrollProportional || IsLoading() || IsDesigning() || FScrollLock) return false;
    if (VisibleRowCount() + FixedRows() >= RowCount()) return false;
    namespace d = grid_input_scroll_detail;
    const int L = GridLineWidth();
    auto h = [this](int i) { return RowHeights(i); };
    const int F = d::extent(0, FixedRows(), L, h);
    const int S = d::extent(FixedRows(), RowCount(), L, h);
    const int D = d::extent(FixedRows(), TopRow(), L, h);
    TProportionalScroll next;
    if (!CalcProportionalScroll(F, S, D, height(), FVScrollInfo.Position, true, next)) return false;
    FVScrollInfo = next;
    return true;
}

int TExStringGrid::ThumbTopRow(int Pos) const
{
    if (!ScrollProportional) return FixedRows() + Pos;
    return ThumbToCell(Pos, FixedRows(), RowCount() - VisibleRowCount() - FixedRows());
}

int TExStringGrid::ThumbLeftCol(int Pos) const
{
    if (!ScrollProportional) return FixedCols() + Pos;
    return ThumbToCell(Pos, FixedCols(), ColCount() - VisibleColCount() - FixedCols());
}

bool TExStringGrid::SyncScrollBarRange(Qt::Orientation o, QScrollBar* bar)
{
    if (!ScrollProportional || bar == nullptr) return false;
    const bool vertical = o == Qt::Vertical;
    if (!(vertical ? UpdateVScrollBar() : UpdateHScrollBar())) return false;
    const TProportionalScroll& info = vertical ? FVScrollInfo : FHScrollInfo;
    // 128 thumb positions; the page gives the thumb its share of the track.
    bar->setRange(0, 127);
    bar->setPageStep(std::max(1, info.Page));
    bar->setSingleStep(1);
    if (!bar->isSliderDown()) bar->setValue(info.Position);
    return true;
}

}  // namespace grid

namespace grid {

// ------------------------------------------------------------ middle-button panning

void TExStringGrid::mousePressEvent(QMouseEvent* event)
{
    try {
        if (FPanning) {
            // Any button ends the panning.
            StopPanning();
            event->accept();
            return;
        }
        if (event->button() == Qt::MiddleButton && IntelliPan != ipNone && RowCount() > FixedRows()) {
            event->accept();
            StartPanning(event->position().toPoint());
            return;
        }
    } catch (...) {
        return;
    }
    TBaseGrid::mousePressEvent(event);
}

void TExStringGrid::keyPressEvent(QKeyEvent* event)
{
    FHTML->CancelHint();
    if (FPanning) {
        StopPanning();
        event->accept();
        return;
    }
    // An Alt accelerator of the search footer's buttons.
    if (const QChar ch = search::AcceleratorOfKey(*event); !ch.isNull() && HandleDialogChar(ch) == 1) {
        event->accept();
        return;
    }
    // The keypad's decimal key types the locale's decimal separator.
    if (ExcelStyleDecimalSeparator && (event->modifiers() & Qt::KeypadModifier) && event->text() == u".") {
        QKeyEvent local(event->type(), event->key(), event->modifiers(), QString(GetDecimalSeparator()),
                        event->isAutoRepeat(), ushort(event->count()));
        TBaseGrid::keyPressEvent(&local);
        event->accept();
        return;
    }
    TBaseGrid::keyPressEvent(event);
}

void TExStringGrid::StopPanning()
{
    if (!FPanning) return;
    FPanning = false;
    FPanTimer.stop();
    viewport()->releaseMouse();
    viewport()->setCursor(platform::toQCursor(FOldCursor));
    viewport()->update(QRect(FPanStart, QSize(32, 32)));
}

void TExStringGrid::PanTick(QPoint mouse)
{
    if (!FPanning) return;
    int v = 0, h = 0;
    if (IntelliPan != ipHorizontal) v = mouse.y() < FPanStart.y() - 5 ? -1 : mouse.y() > FPanStart.y() + 5 ? 1 : 0;
    if (IntelliPan != ipVertical) h = mouse.x() < FPanStart.x() - 5 ? -1 : mouse.x() > FPanStart.x() + 5 ? 1 : 0;
    const platform::TGridRect before = Selection();
    const int keptLeft = LeftCol(), keptTop = TopRow();
    if (v == 0 && h == 0) {
        SetPanCursor(v, h);
        return;
    }
    if (FMouseActions.WheelAction() == waScroll) {
        const int maxLeft = std::max(FixedCols(), ColCount() - VisibleColCount());
        const int maxTop = std::max(FixedRows(), RowCount() - VisibleRowCount());
        MoveTopLeft(std::clamp(LeftCol() + h, FixedCols(), maxLeft), std::clamp(TopRow() + v, FixedRows(), maxTop));
    } else {
        const int lastCol = std::max(FixedCols(), ColCount() - FFixedRightCols - 1);
        const int lastRow = std::max(FixedRows(), RowCount() - FFixedFooters - 1);
        MoveColRow(std::clamp(Col() + h, FixedCols(), lastCol), std::clamp(Row() + v, FixedRows(), lastRow), true,
                   true);
    }
    // The glyph stays at its point while the cells under it move.
    if (LeftCol() != keptLeft || TopRow() != keptTop) viewport()->update(QRect(FPanStart, QSize(32, 32)));
    SetPanCursor(v, h);
    const platform::TGridRect now = Selection();
    if (!(now == before)) {
        FMoveSelection = now;
        SelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
    }
}

}  // namespace grid
