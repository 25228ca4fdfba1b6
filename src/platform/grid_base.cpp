#include "platform/grid_base.h"

#include <algorithm>
#include <climits>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "platform/text_engine.h"

namespace platform {

// ---------------------------------------------------------------- axis

int GridBase::Axis::Extent(int i, int lw) const
{
    const int s = Sizes[size_t(i)];
    return s < 0 ? 0 : s + lw;
}

int GridBase::Axis::FixedExtent(int lw) const
{
    int sum = 0;
    for (int i = 0; i < Fixed; ++i) sum += Extent(i, lw);
    return sum;
}

bool GridBase::Axis::Start(int i, int lw, int& pos) const
{
    if (i < 0 || i >= Count) return false;
    if (i < Fixed) {
        pos = 0;
        for (int k = 0; k < i; ++k) pos += Extent(k, lw);
        return true;
    }
    if (i < First) return false;
    pos = FixedExtent(lw);
    for (int k = First; k < i; ++k) pos += Extent(k, lw);
    return true;
}

int GridBase::Axis::FullVisibleCount(int client, int lw) const
{
    if (First >= Count) return 0;
    int pos = FixedExtent(lw);
    int n = 0;
    for (int i = First; i < Count; ++i) {
        pos += Extent(i, lw);
        if (pos > client) break;
        ++n;
    }
    return std::max(1, n);
}

int GridBase::Axis::LastVisible(int client, int lw) const
{
    int pos = FixedExtent(lw);
    int last = First - 1;
    for (int i = First; i < Count && pos < client; ++i) {
        last = i;
        pos += Extent(i, lw);
    }
    return last;
}

int GridBase::Axis::MaxFirst(int client, int lw) const
{
    const int avail = client - FixedExtent(lw);
    int used = 0;
    int i = Count - 1;
    while (i >= Fixed && used + Extent(i, lw) <= avail) {
        used += Extent(i, lw);
        --i;
    }
    return std::max(Fixed, std::min(Count - 1, i + 1));
}

int GridBase::Axis::FirstToShow(int i, int client, int lw) const
{
    const int avail = client - FixedExtent(lw);
    int used = Extent(i, lw);
    int first = i;
    while (first - 1 >= Fixed && used + Extent(first - 1, lw) <= avail) {
        --first;
        used += Extent(first, lw);
    }
    return first;
}

int GridBase::Axis::CellAt(int pos, int client, int lw) const
{
    if (pos < 0 || pos >= client) return -1;
    int start = 0;
    for (int i = 0; i < Fixed; ++i) {
        const int e = Extent(i, lw);
        if (pos < start + e) return i;
        start += e;
    }
    for (int i = First; i < Count && start < client; ++i) {
        const int e = Extent(i, lw);
        if (pos < start + e) return i;
        start += e;
    }
    return -1;
}

void GridBase::Axis::Visible(int client, int lw, std::vector<std::pair<int, int>>& out) const
{
    out.clear();
    int pos = 0;
    for (int i = 0; i < Fixed && pos < client; ++i) {
        if (Sizes[size_t(i)] >= 0) out.emplace_back(i, pos);
        pos += Extent(i, lw);
    }
    for (int i = First; i < Count && pos < client; ++i) {
        if (Sizes[size_t(i)] >= 0) out.emplace_back(i, pos);
        pos += Extent(i, lw);
    }
}

void GridBase::Axis::Resize(int count)
{
    Count = count;
    Sizes.resize(size_t(count), DefaultSize);
}

// ---------------------------------------------------------------- inline editor

TInplaceEdit::TInplaceEdit(GridBase* grid) : QLineEdit(grid->viewport()), FGrid(grid)
{
    setFrame(false);
    hide();
}

bool TInplaceEdit::event(QEvent* event)
{
    // With goTabs, Tab belongs to the grid while the editor is open;
    // otherwise it moves the focus on as usual.
    if (event->type() == QEvent::KeyPress && (FGrid->Options() & goTabs)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TInplaceEdit::keyPressEvent(QKeyEvent* event)
{
    const Word key = keyCodeFromQt(event->key());
    TShiftState shift = shiftStateFromQt(event->modifiers());
    if (event->key() == Qt::Key_Backtab) shift |= ssShift;
    const bool atStart = cursorPosition() == 0 && !hasSelectedText();
    const bool atEnd = cursorPosition() == text().size() && !hasSelectedText();
    switch (key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT:
        FGrid->EditorKeyDown(key, shift);
        return;
    case VK_TAB:
        if (FGrid->Options() & goTabs) {
            FGrid->EditorKeyDown(key, shift);
            return;
        }
        break;
    case VK_LEFT: case VK_HOME:
        if (atStart || (shift & ssCtrl && key == VK_HOME)) {
            FGrid->EditorKeyDown(key, shift);
            return;
        }
        break;
    case VK_RIGHT: case VK_END:
        if (atEnd || (shift & ssCtrl && key == VK_END)) {
            FGrid->EditorKeyDown(key, shift);
            return;
        }
        break;
    case VK_RETURN:
        FGrid->EditorKeyPress(QChar(u'\r'));
        return;
    case VK_ESCAPE:
        FGrid->EditorCancel();
        return;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

// ---------------------------------------------------------------- construction

GridBase::GridBase(QWidget* parent) : QAbstractScrollArea(parent)
{
    FCols.DefaultSize = 64;
    FRows.DefaultSize = 24;
    FCols.Fixed = 1;
    FRows.Fixed = 1;
    FCols.First = 1;
    FRows.First = 1;
    FCols.Resize(5);
    FRows.Resize(5);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    FScrollTimer.setInterval(60);
    connect(&FScrollTimer, &QTimer::timeout, this, [this] { ScrollTimerTick(); });
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(Qt::Horizontal, action); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(Qt::Vertical, action); });
    connect(horizontalScrollBar(), &QScrollBar::sliderReleased, this, [this] {
        WMHScroll(SB_THUMBPOSITION, horizontalScrollBar()->sliderPosition());
        WMHScroll(SB_ENDSCROLL, 0);
    });
    connect(verticalScrollBar(), &QScrollBar::sliderReleased, this, [this] {
        WMVScroll(SB_THUMBPOSITION, verticalScrollBar()->sliderPosition());
        WMVScroll(SB_ENDSCROLL, 0);
    });
    UpdateScrollBars();
}

GridBase::~GridBase() = default;

// ---------------------------------------------------------------- dimensions

void GridBase::ClampAfterResize()
{
    auto clampCell = [](int v, const Axis& a) {
        if (v >= a.Count) v = a.Count - 1;
        if (v < a.Fixed && a.Fixed < a.Count) v = a.Fixed;
        return std::max(0, v);
    };
    FCurrent = {clampCell(FCurrent.X, FCols), clampCell(FCurrent.Y, FRows)};
    FAnchor = {clampCell(FAnchor.X, FCols), clampCell(FAnchor.Y, FRows)};
    const int lw = FGridLineWidth;
    FCols.First = std::max(FCols.Fixed, std::min(FCols.First, FCols.MaxFirst(viewport()->width(), lw)));
    FRows.First = std::max(FRows.Fixed, std::min(FRows.First, FRows.MaxFirst(viewport()->height(), lw)));
}

void GridBase::SetColCount(int value)
{
    value = std::max(1, value);
    if (value == FCols.Count) return;
    const int oldCols = FCols.Count;
    FCols.Resize(value);
    if (FCols.Fixed >= value) FCols.Fixed = value - 1;
    ClampAfterResize();
    SizeChanged(oldCols, FRows.Count);
    UpdateScrollBars();
    InvalidateEditor();
    Invalidate();
}

void GridBase::SetRowCount(int value)
{
    value = std::max(1, value);
    if (value == FRows.Count) return;
    const int oldRows = FRows.Count;
    FRows.Resize(value);
    if (FRows.Fixed >= value) FRows.Fixed = value - 1;
    ClampAfterResize();
    SizeChanged(FCols.Count, oldRows);
    UpdateScrollBars();
    InvalidateEditor();
    Invalidate();
}

void GridBase::SetFixedCols(int value)
{
    value = std::clamp(value, 0, FCols.Count - 1);
    if (value == FCols.Fixed) return;
    FCols.Fixed = value;
    FCols.First = std::max(FCols.First, value);
    ClampAfterResize();
    UpdateScrollBars();
    InvalidateEditor();
    Invalidate();
}

void GridBase::SetFixedRows(int value)
{
    value = std::clamp(value, 0, FRows.Count - 1);
    if (value == FRows.Fixed) return;
    FRows.Fixed = value;
    FRows.First = std::max(FRows.First, value);
    ClampAfterResize();
    UpdateScrollBars();
    InvalidateEditor();
    Invalidate();
}

void GridBase::SetDefaultColWidth(int value)
{
    FCols.DefaultSize = value;
    std::fill(FCols.Sizes.begin(), FCols.Sizes.end(), value);
    ColWidthsChanged();
    UpdateScrollBars();
    InvalidateEditor();
    Invalidate();
}

void GridBase::SetDefaultRowHeight(int value)
{
    FRows.DefaultSize = value;
    std::fill(FRows.Sizes.begin(), FRows.Sizes.end(), value);
    RowHeightsChanged();
    UpdateScrollBars();
    InvalidateEditor();
    Invalidate();
}

int GridBase::ColWidths(int col) const
{
    return col >= 0 && col < FCols.Count ? FCols.Sizes[size_t(col)] : FCols.DefaultSize;
}

void GridBase::SetColWidths(int col, int value)
{
    if (col < 0 || col >= FCols.Count || FCols.Sizes[size_t(col)] == value) return;
    FCols.Sizes[size_t(col)] = value;
    ColWidthsChanged();
    UpdateScrollBars();
    InvalidateEditor();
    Invalidate();
}

int GridBase::RowHeights(int row) const
{
    return row >= 0 && row < FRows.Count ? FRows.Sizes[size_t(row)] : FRows.DefaultSize;
}

void GridBase::SetRowHeights(int row, int value)
{
    if (row < 0 || row >= FRows.Count || FRows.Sizes[size_t(row)] == value) return;
    FRows.Sizes[size_t(row)] = value;
    RowHeightsChanged();
    UpdateScrollBars();
    InvalidateEditor();
    Invalidate();
}

void GridBase::AssignRowHeights(const std::vector<int>& values, int first)
{
    if (first < 0 || first >= FRows.Count) return;
    const size_t count = std::min(values.size(), size_t(FRows.Count - first));
    const auto given = values.begin() + std::ptrdiff_t(count);
    const auto rows = FRows.Sizes.begin() + first;
    if (std::equal(values.begin(), given, rows)) return;
    std::copy(values.begin(), given, rows);
    RowHeightsChanged();
    UpdateScrollBars();
    InvalidateEditor();
    Invalidate();
}

void GridBase::SetGridLineWidth(int value)
{
    value = std::max(0, value);
    if (value == FGridLineWidth) return;
    FGridLineWidth = value;
    UpdateScrollBars();
    InvalidateEditor();
    Invalidate();
}

void GridBase::SetOptions(TGridOptions value)
{
    if (value == FOptions) return;
    const TGridOptions old = FOptions;
    FOptions = value;
    if ((old & goEditing) && !(value & goEditing)) HideEditor();
    if ((value & goAlwaysShowEditor) && (value & goEditing)) ShowEditor();
    Invalidate();
}

void GridBase::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    UpdateScrollBars();
}

void GridBase::SetColor(TColor value)
{
    FColor = value;
    Invalidate();
}

void GridBase::SetFixedColor(TColor value)
{
    FFixedColor = value;
    Invalidate();
}

void GridBase::SetDefaultDrawing(bool value)
{
    FDefaultDrawing = value;
    Invalidate();
}

// ---------------------------------------------------------------- current cell and scrolling

void GridBase::SetCol(int value)
{
    if (value != FCurrent.X) MoveColRow(value, FCurrent.Y, true, true);
}

void GridBase::SetRow(int value)
{
    if (value != FCurrent.Y) MoveColRow(FCurrent.X, value, true, true);
}

void GridBase::SetLeftCol(int value)
{
    if (value != FCols.First) MoveTopLeft(value, FRows.First);
}

void GridBase::SetTopRow(int value)
{
    if (value != FRows.First) MoveTopLeft(FCols.First, value);
}

void GridBase::MoveTopLeft(int ALeftCol, int ATopRow)
{
    ALeftCol = std::clamp(ALeftCol, FCols.Fixed, std::max(FCols.Fixed, FCols.Count - 1));
    ATopRow = std::clamp(ATopRow, FRows.Fixed, std::max(FRows.Fixed, FRows.Count - 1));
    if (ALeftCol == FCols.First && ATopRow == FRows.First) return;
    FCols.First = ALeftCol;
    FRows.First = ATopRow;
    UpdateScrollBars();
    InvalidateEditor();
    Invalidate();
    ScrollPositionChanged();
}

int GridBase::VisibleColCount() const { return FCols.FullVisibleCount(viewport()->width(), FGridLineWidth); }

int GridBase::VisibleRowCount() const { return FRows.FullVisibleCount(viewport()->height(), FGridLineWidth); }

TGridRect GridBase::Selection() const
{
    TGridRect r{std::min(FCurrent.X, FAnchor.X), std::min(FCurrent.Y, FAnchor.Y), std::max(FCurrent.X, FAnchor.X),
                std::max(FCurrent.Y, FAnchor.Y)};
    if (FOptions & goRowSelect) {
        r.Left = FCols.Fixed;
        r.Right = FCols.Count - 1;
    }
    return r;
}

void GridBase::SetSelection(const TGridRect& value)
{
    const TGridRect old = Selection();
    auto clampTo = [](int v, const Axis& a) { return std::clamp(v, 0, a.Count - 1); };
    FCurrent = {clampTo(value.Left, FCols), clampTo(value.Top, FRows)};
    FAnchor = {clampTo(value.Right, FCols), clampTo(value.Bottom, FRows)};
    SelectionMoved(old);
}

void GridBase::SelectionMoved(const TGridRect& oldSel)
{
    const TGridRect now = Selection();
    if (now == oldSel) return;
    InvalidateGridRect(oldSel);
    InvalidateGridRect(now);
}

void GridBase::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    if (ACol < 0 || ARow < 0 || ACol >= FCols.Count || ARow >= FRows.Count) return;
    if (!CanSelectCell(ACol, ARow)) return;
    const TGridRect oldSel = Selection();
    const TGridCoord oldCurrent = FCurrent;
    FCurrent = {ACol, ARow};
    if (MoveAnchor || !(FOptions & goRangeSelect)) FAnchor = FCurrent;
    if (FInplaceCol >= 0 && (FInplaceCol != ACol || FInplaceRow != ARow)) {
        if (FOptions & goAlwaysShowEditor)
            UpdateEdit();
        else
            HideEditor();
    }
    if (Show) ClampInView(ACol, ARow);
    SelectionMoved(oldSel);
    InvalidateCell(oldCurrent.X, oldCurrent.Y);
    InvalidateCell(ACol, ARow);
    if ((FOptions & goAlwaysShowEditor) && (FOptions & goEditing) && FInplaceCol < 0) ShowEditor();
}

void GridBase::MoveAnchorTo(int ACol, int ARow)
{
    if (!(FOptions & goRangeSelect)) {
        MoveColRow(ACol, ARow, true, true);
        return;
    }
    if (ACol < 0 || ARow < 0 || ACol >= FCols.Count || ARow >= FRows.Count) return;
    const TGridRect oldSel = Selection();
    FAnchor = {ACol, ARow};
    ClampInView(ACol, ARow);
    SelectionMoved(oldSel);
}

void GridBase::ClampInView(int ACol, int ARow)
{
    const int lw = FGridLineWidth;
    int left = FCols.First, top = FRows.First;
    auto fit = [lw](const Axis& a, int i, int client, int first) {
        if (i < a.Fixed) return first;
        if (i < first) return i;
        int pos = a.FixedExtent(lw);
        for (int k = first; k <= i; ++k) pos += a.Extent(k, lw);
        if (pos <= client) return first;
        return std::max(first, a.FirstToShow(i, client, lw));
    };
    left = fit(FCols, ACol, viewport()->width(), left);
    top = fit(FRows, ARow, viewport()->height(), top);
    MoveTopLeft(left, top);
}

// ---------------------------------------------------------------- geometry

TRect GridBase::CellRect(int ACol, int ARow) const
{
    const int lw = FGridLineWidth;
    int x = 0, y = 0;
    if (!FCols.Start(ACol, lw, x) || !FRows.Start(ARow, lw, y)) return {};
    const int w = FCols.Sizes[size_t(ACol)];
    const int h = FRows.Sizes[size_t(ARow)];
    if (w < 0 || h < 0) return {};
    if (x >= viewport()->width() || y >= viewport()->height()) return {};
    return {x, y, x + w, y + h};
}

void GridBase::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    const TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

TGridCoord GridBase::MouseCoord(int X, int Y) const
{
    return {FCols.CellAt(X, viewport()->width(), FGridLineWidth), FRows.CellAt(Y, viewport()->height(), FGridLineWidth)};
}

int GridBase::FixedColsExtent() const { return FCols.FixedExtent(FGridLineWidth); }

int GridBase::FixedRowsExtent() const { return FRows.FixedExtent(FGridLineWidth); }

TGridState GridBase::CalcSizingState(int X, int Y, int& index) const
{
    index = -1;
    const int lw = FGridLineWidth;
    std::vector<std::pair<int, int>> cells;
    auto near = [&](const Axis& a, int pos, int client) {
        a.Visible(client, lw, cells);
        for (const auto& [i, start] : cells) {
            const int border = start + a.Sizes[size_t(i)];
            if (pos > border - 4 && pos < border + lw + 4) return i;
        }
        return -1;
    };
    if ((FOptions & goColSizing) && Y >= 0 && Y < FixedRowsExtent()) {
        index = near(FCols, X, viewport()->width());
        if (index >= 0) return gsColSizing;
    }
    if ((FOptions & goRowSizing) && X >= 0 && X < FixedColsExtent()) {
        index = near(FRows, Y, viewport()->height());
        if (index >= 0) return gsRowSizing;
    }
    return gsNormal;
}

// ---------------------------------------------------------------- repainting

TRect GridBase::BoxRect(const TGridRect& r) const
{
    const int lw = FGridLineWidth;
    std::vector<std::pair<int, int>> cells;
    auto span = [&](const Axis& a, int lo, int hi, int client, int& from, int& to) {
        a.Visible(client, lw, cells);
        from = INT_MAX;
        to = INT_MIN;
        for (const auto& [i, start] : cells) {
            if (i < lo || i > hi) continue;
            from = std::min(from, start);
            to = std::max(to, start + a.Extent(i, lw));
        }
        return from < to;
    };
    int l, rt, t, b;
    if (!span(FCols, r.Left, r.Right, viewport()->width(), l, rt)) return {};
    if (!span(FRows, r.Top, r.Bottom, viewport()->height(), t, b)) return {};
    return {l, t, rt, b};
}

void GridBase::InvalidateCell(int ACol, int ARow) { InvalidateGridRect({ACol, ARow, ACol, ARow}); }

void GridBase::InvalidateRow(int ARow) { InvalidateGridRect({0, ARow, FCols.Count - 1, ARow}); }

void GridBase::InvalidateCol(int ACol) { InvalidateGridRect({ACol, 0, ACol, FRows.Count - 1}); }

void GridBase::InvalidateGridRect(const TGridRect& r)
{
    const TRect box = BoxRect(r);
    if (!box.IsEmpty()) viewport()->update(box.toQRect());
}

void GridBase::Invalidate() { viewport()->update(); }

// ---------------------------------------------------------------- scroll bars

void GridBase::UpdateScrollBars()
{
    if (FSyncingScrollBars) return;
    FSyncingScrollBars = true;
    const int lw = FGridLineWidth;
    auto sync = [&](QScrollBar* bar, const Axis& a, int client, bool allowed, Qt::Orientation o) {
        const int maxFirst = std::max(a.MaxFirst(client, lw), a.First);
        const bool needed = allowed && maxFirst > a.Fixed;
        if (o == Qt::Vertical)
            setVerticalScrollBarPolicy(needed ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        else
            setHorizontalScrollBarPolicy(needed ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        if (needed && SyncScrollBarRange(o, bar)) return;
        bar->setRange(0, std::max(0, maxFirst - a.Fixed));
        bar->setPageStep(std::max(1, a.FullVisibleCount(client, lw)));
        bar->setSingleStep(1);
        if (!bar->isSliderDown()) bar->setValue(a.First - a.Fixed);
    };
    // Showing or hiding a bar changes the client area, which may change the
    // other bar: repeat until the size holds still.
    for (int pass = 0; pass < 3; ++pass) {
        const QSize before = viewport()->size();
        sync(verticalScrollBar(), FRows, viewport()->height(), FScrollBars == ssVertical || FScrollBars == ssBoth,
             Qt::Vertical);
        sync(horizontalScrollBar(), FCols, viewport()->width(), FScrollBars == ssHorizontal || FScrollBars == ssBoth,
             Qt::Horizontal);
        if (viewport()->size() == before) break;
    }
    FSyncingScrollBars = false;
}

void GridBase::OnScrollAction(Qt::Orientation orientation, int action)
{
    QScrollBar* bar = orientation == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    TScrollCode code;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
    case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
    case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
    case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
    case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
    case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
    case QAbstractSlider::SliderMove: code = bar->isSliderDown() ? SB_THUMBTRACK : SB_THUMBPOSITION; break;
    default: return;
    }
    const int pos = bar->sliderPosition();
    if (orientation == Qt::Vertical)
        WMVScroll(code, pos);
    else
        WMHScroll(code, pos);
    // The grid decides where the view is; the bar follows it.
    if (!(code == SB_THUMBTRACK && !(FOptions & goThumbTracking))) {
        const Axis& a = orientation == Qt::Vertical ? FRows : FCols;
        if (!SyncScrollBarRange(orientation, bar)) bar->setSliderPosition(a.First - a.Fixed);
    }
}

void GridBase::WMHScroll(TScrollCode Code, int Pos)
{
    const int page = VisibleColCount();
    int left = FCols.First;
    switch (Code) {
    case SB_LINEUP: --left; break;
    case SB_LINEDOWN: ++left; break;
    case SB_PAGEUP: left -= page; break;
    case SB_PAGEDOWN: left += page; break;
    case SB_TOP: left = FCols.Fixed; break;
    case SB_BOTTOM: left = FCols.MaxFirst(viewport()->width(), FGridLineWidth); break;
    case SB_THUMBTRACK:
        if (!(FOptions & goThumbTracking)) return;
        left = FCols.Fixed + Pos;
        break;
    case SB_THUMBPOSITION: left = FCols.Fixed + Pos; break;
    default: return;
    }
    const int maxLeft = std::max(FCols.MaxFirst(viewport()->width(), FGridLineWidth), FCols.First);
    SetLeftCol(std::clamp(left, FCols.Fixed, maxLeft));
}

void GridBase::WMVScroll(TScrollCode Code, int Pos)
{
    const int page = VisibleRowCount();
    int top = FRows.First;
    switch (Code) {
    case SB_LINEUP: --top; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top -= page; break;
    case SB_PAGEDOWN: top += page; break;
    case SB_TOP: top = FRows.Fixed; break;
    case SB_BOTTOM: top = FRows.MaxFirst(viewport()->height(), FGridLineWidth); break;
    case SB_THUMBTRACK:
        if (!(FOptions & goThumbTracking)) return;
        top = FRows.Fixed + Pos;
        break;
    case SB_THUMBPOSITION: top = FRows.Fixed + Pos; break;
    default: return;
    }
    const int maxTop = std::max(FRows.MaxFirst(viewport()->height(), FGridLineWidth), FRows.First);
    SetTopRow(std::clamp(top, FRows.Fixed, maxTop));
}

void GridBase::scrollContentsBy(int, int)
{
    // The view follows LeftCol/TopRow, never the bars' values directly.
}

void GridBase::ScrollPositionChanged()
{
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

// ---------------------------------------------------------------- painting

void GridBase::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    PaintTo(painter, TRect::fromQRect(event->rect()));
}

void GridBase::PaintTo(QPainter& painter, const TRect& clip)
{
    TCanvas canvas(painter);
    canvas.Font = TFont(font(), clWindowText);
    TCanvas* const outer = FCanvas;
    const TRect outerRect = FPaintRect;
    FCanvas = &canvas;
    FPaintRect = clip;
    try {
        Paint();
    } catch (...) {
        // A failing draw hook leaves the rest of the window unpainted, never the program.
    }
    FCanvas = outer;
    FPaintRect = outerRect;
}

void GridBase::Paint()
{
    TCanvas& canvas = *FCanvas;
    const int lw = FGridLineWidth;
    const int width = viewport()->width(), height = viewport()->height();
    std::vector<std::pair<int, int>> cols, rows;
    FCols.Visible(width, lw, cols);
    FRows.Visible(height, lw, rows);
    const TGridRect sel = Selection();
    const bool focused = IsActiveControl();
    for (const auto& [row, y] : rows) {
        const int h = FRows.Sizes[size_t(row)];
        if (y >= FPaintRect.Bottom || y + h + lw <= FPaintRect.Top) continue;
        for (const auto& [col, x] : cols) {
            const int w = FCols.Sizes[size_t(col)];
            if (x >= FPaintRect.Right || x + w + lw <= FPaintRect.Left) continue;
            const TRect r(x, y, x + w, y + h);
            TGridDrawState state = 0;
            if (col < FCols.Fixed || row < FRows.Fixed) {
                state = gdFixed;
            } else {
                if (sel.Contains(col, row)) state |= gdSelected;
                if (focused && col == FCurrent.X && row == FCurrent.Y) state |= gdFocused;
                if ((FOptions & goRowSelect) && row >= sel.Top && row <= sel.Bottom) state |= gdRowSelected;
            }
            canvas.Save();
            RenderCell(col, row, r, state);
            canvas.Restore();
            if (lw > 0) DrawGridLines(canvas, r, col, row);
        }
    }
    // The area beyond the last column and row.
    int right = 0, bottom = 0;
    if (!cols.empty()) right = cols.back().second + FCols.Extent(cols.back().first, lw);
    if (!rows.empty()) bottom = rows.back().second + FRows.Extent(rows.back().first, lw);
    canvas.Brush.Color = FColor;
    canvas.Brush.Style = Qt::SolidPattern;
    if (right < width) canvas.FillRect(TRect(right, 0, width, height));
    if (bottom < height) canvas.FillRect(TRect(0, bottom, std::min(right, width), height));
    // Sizing line and moving mark.
    if (FGridState == gsColSizing || FGridState == gsRowSizing) {
        canvas.Pen.Color = clBlack;
        canvas.Pen.Style = Qt::DotLine;
        canvas.Pen.Width = 1;
        if (FGridState == gsColSizing) {
            canvas.MoveTo(FSizingPos, 0);
            canvas.LineTo(FSizingPos, height);
        } else {
            canvas.MoveTo(0, FSizingPos);
            canvas.LineTo(width, FSizingPos);
        }
        canvas.Pen.Style = Qt::SolidLine;
    } else if ((FGridState == gsColMoving || FGridState == gsRowMoving) && FMovePos >= 0 && FMovePos != FMoveIndex &&
               ShowsMoveMark()) {
        const bool cols_ = FGridState == gsColMoving;
        const TRect target = cols_ ? CellRect(FMovePos, 0) : CellRect(0, FMovePos);
        if (!target.IsEmpty()) {
            canvas.Brush.Color = clBlack;
            const bool after = FMovePos > FMoveIndex;
            if (cols_) {
                const int x = after ? target.Right : target.Left;
                canvas.FillRect(TRect(x - 1, 0, x + 1, height));
            } else {
                const int y = after ? target.Bottom : target.Top;
                canvas.FillRect(TRect(0, y - 1, width, y + 1));
            }
        }
    }
}

void GridBase::DrawGridLines(TCanvas& canvas, const TRect& cell, int ACol, int ARow)
{
    const bool fixed = ACol < FCols.Fixed || ARow < FRows.Fixed;
    const bool vert = FOptions & (fixed ? goFixedVertLine : goVertLine);
    const bool horz = FOptions & (fixed ? goFixedHorzLine : goHorzLine);
    const int lw = FGridLineWidth;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Brush.Color = fixed ? clGray : clSilver;
    if (vert) canvas.FillRect(TRect(cell.Right, cell.Top, cell.Right + lw, cell.Bottom + lw));
    if (horz) canvas.FillRect(TRect(cell.Left, cell.Bottom, cell.Right + lw, cell.Bottom + lw));
    // A line switched off still leaves its gap in the cell's colour.
    canvas.Brush.Color = fixed ? FFixedColor : FColor;
    if (!vert) canvas.FillRect(TRect(cell.Right, cell.Top, cell.Right + lw, cell.Bottom + (horz ? 0 : lw)));
    if (!horz) canvas.FillRect(TRect(cell.Left, cell.Bottom, cell.Right + (vert ? 0 : lw), cell.Bottom + lw));
}

void GridBase::RenderCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    TCanvas& canvas = *FCanvas;
    if (FDefaultDrawing) {
        const bool highlight = (AState & gdSelected) && (!(AState & gdFocused) || (FOptions & goDrawFocusSelected));
        canvas.Brush.Style = Qt::SolidPattern;
        canvas.Brush.Color = (AState & gdFixed) ? FFixedColor : highlight ? clHighlight : FColor;
        canvas.Font.Color = highlight ? clHighlightText : clWindowText;
        canvas.FillRect(ARect);
    }
    if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
    if (FDefaultDrawing && (AState & gdFocused) && !(FOptions & goRowSelect) && FInplaceCol < 0)
        canvas.DrawFocusRect(ARect);
}

// ---------------------------------------------------------------- select-cell query and editor

bool GridBase::CanSelectCell(int ACol, int ARow)
{
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

bool GridBase::MayShowEditor()
{
    return (FOptions & (goEditing | goRowSelect)) == goEditing && (FEditorMode || (FOptions & goAlwaysShowEditor));
}

QString GridBase::EditTextOfCell(int ACol, int ARow)
{
    QString value;
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
    return value;
}

int GridBase::EditLengthLimit() { return 0; }

void GridBase::AcceptEditText(int ACol, int ARow, const QString& Value)
{
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

QWidget* GridBase::CreateEditor() { return new TInplaceEdit(this); }

QString GridBase::EditorText(QWidget* editor) const
{
    const auto* edit = qobject_cast<QLineEdit*>(editor);
    return edit ? edit->text() : QString();
}

void GridBase::SetEditorText(QWidget* editor, const QString& text, int maxLength)
{
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setMaxLength(maxLength > 0 ? maxLength : 32767);
        edit->setText(text);
        edit->selectAll();
    }
}

void GridBase::SetEditorMode(bool value)
{
    if (value)
        ShowEditor();
    else
        HideEditor();
}

void GridBase::ShowEditor()
{
    FEditorMode = true;
    UpdateEdit();
    if (FInplaceCol < 0) FEditorMode = false;
}

void GridBase::UpdateEdit()
{
    if (!MayShowEditor()) return;
    if (!FInplaceEdit) FInplaceEdit = CreateEditor();
    if (!FInplaceEdit) return;
    if (FInplaceCol != FCurrent.X || FInplaceRow != FCurrent.Y) {
        if (FInplaceCol >= 0) AcceptEditText(FInplaceCol, FInplaceRow, EditorText(FInplaceEdit));
        FInplaceCol = FCurrent.X;
        FInplaceRow = FCurrent.Y;
        const QString text = EditTextOfCell(FInplaceCol, FInplaceRow);
        SetEditorText(FInplaceEdit, text, EditLengthLimit());
    }
    FEditorMode = true;
    InvalidateEditor();
    FInplaceEdit->setFocus();
}

void GridBase::ShowEditorChar(QChar ch)
{
    ShowEditor();
    if (FInplaceCol < 0 || !FInplaceEdit) return;
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(FInplaceEdit, &press);
}

void GridBase::HideEditor()
{
    FEditorMode = false;
    if (FInplaceCol < 0 || !FInplaceEdit) return;
    const int col = FInplaceCol, row = FInplaceRow;
    const bool hadFocus = FInplaceEdit->hasFocus();
    FInplaceCol = FInplaceRow = -1;
    AcceptEditText(col, row, EditorText(FInplaceEdit));
    FInplaceEdit->hide();
    if (hadFocus) setFocus();
    InvalidateCell(col, row);
}

void GridBase::InvalidateEditor()
{
    if (FInplaceCol < 0 || !FInplaceEdit) return;
    const TRect r = CellRect(FInplaceCol, FInplaceRow);
    if (r.IsEmpty()) {
        FInplaceEdit->hide();
        return;
    }
    FInplaceEdit->setGeometry(r.toQRect());
    FInplaceEdit->show();
}

void GridBase::EditorKeyDown(Word key, TShiftState shift)
{
    TWMKey msg{key, shift, 0};
    HandleKeyDownMessage(msg);
}

void GridBase::EditorKeyPress(QChar key) { HandleKeyPress(key); }

void GridBase::EditorCancel()
{
    if (FInplaceCol < 0 || !FInplaceEdit) return;
    SetEditorText(FInplaceEdit, EditTextOfCell(FInplaceCol, FInplaceRow), EditLengthLimit());
    HideEditor();
}

bool GridBase::IsActiveControl() const
{
    return hasFocus() || (FInplaceEdit && FInplaceEdit->hasFocus());
}

// ---------------------------------------------------------------- keyboard

void GridBase::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    try {
        Word key = keyCodeFromQt(event->key());
        TShiftState shift = shiftStateFromQt(event->modifiers());
        if (event->key() == Qt::Key_Backtab) shift |= ssShift;
        TWMKey msg{key, shift, 0};
        if (key != 0) HandleKeyDownMessage(msg);
        if (msg.Result != 0) return;
        const QString text = event->text();
        if (!text.isEmpty() && !(shift & ssCtrl && text[0] >= u' ')) {
            QChar ch = text[0];
            HandleKeyPress(ch);
        }
    } catch (...) {
    }
}

void GridBase::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
    try {
        Word key = keyCodeFromQt(event->key());
        if (key != 0) HandleKeyUp(key, shiftStateFromQt(event->modifiers()));
    } catch (...) {
    }
}

bool GridBase::focusNextPrevChild(bool next)
{
    if (FOptions & goTabs) return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void GridBase::HandleKeyDownMessage(TWMKey& Msg)
{
    Word key = Msg.CharCode;
    HandleKeyDown(key, Msg.Shift);
    Msg.CharCode = key;
}

void GridBase::HandleKeyDown(Word& Key, TShiftState Shift)
{
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
    if (Key == 0) return;
    const bool ctrl = Shift & ssCtrl;
    const bool rowSelect = FOptions & goRowSelect;
    const int pageWidth = VisibleColCount(), pageHeight = VisibleRowCount();
    TGridCoord topLeft{FCols.First, FRows.First};
    TGridCoord cur = FCurrent;
    bool navigation = true;
    switch (Key) {
    case VK_UP:
        if (ctrl) --topLeft.Y; else --cur.Y;
        break;
    case VK_DOWN:
        if (ctrl) ++topLeft.Y; else ++cur.Y;
        break;
    case VK_LEFT:
        if (rowSelect) --topLeft.X;
        else if (ctrl) { cur.X -= pageWidth; topLeft.X -= pageWidth; }
        else --cur.X;
        break;
    case VK_RIGHT:
        if (rowSelect) ++topLeft.X;
        else if (ctrl) { cur.X += pageWidth; topLeft.X += pageWidth; }
        else ++cur.X;
        break;
    case VK_PRIOR:
        if (ctrl) cur.Y = FRows.First;
        else { cur.Y -= pageHeight; topLeft.Y -= pageHeight; }
        break;
    case VK_NEXT:
        if (ctrl) cur.Y = std::max(FRows.First, FRows.First + pageHeight - 1);
        else { cur.Y += pageHeight; topLeft.Y += pageHeight; }
        break;
    case VK_HOME:
        if (ctrl) cur = {FCols.Fixed, FRows.Fixed};
        else if (rowSelect) cur.Y = FRows.Fixed;
        else cur.X = FCols.Fixed;
        break;
    case VK_END:
        if (ctrl) cur = {FCols.Count - 1, FRows.Count - 1};
        else if (rowSelect) cur.Y = FRows.Count - 1;
        else cur.X = FCols.Count - 1;
        break;
    case VK_TAB:
        navigation = false;
        if (!(Shift & ssAlt) && (FOptions & goTabs)) {
            if (Shift & ssShift) {
                if (--cur.X < FCols.Fixed) {
                    cur.X = FCols.Count - 1;
                    if (--cur.Y < FRows.Fixed) cur.Y = FRows.Count - 1;
                }
            } else if (++cur.X >= FCols.Count) {
                cur.X = FCols.Fixed;
                if (++cur.Y >= FRows.Count) cur.Y = FRows.Fixed;
            }
        }
        break;
    case VK_F2:
        ShowEditor();
        return;
    default:
        return;
    }
    const int maxLeft = std::max(FCols.MaxFirst(viewport()->width(), FGridLineWidth), FCols.Fixed);
    const int maxTop = std::max(FRows.MaxFirst(viewport()->height(), FGridLineWidth), FRows.Fixed);
    topLeft.X = std::clamp(topLeft.X, FCols.Fixed, std::max(maxLeft, FCols.First));
    topLeft.Y = std::clamp(topLeft.Y, FRows.Fixed, std::max(maxTop, FRows.First));
    if (topLeft.X != FCols.First || topLeft.Y != FRows.First) MoveTopLeft(topLeft.X, topLeft.Y);
    cur.X = std::clamp(cur.X, std::min(FCols.Fixed, FCols.Count - 1), FCols.Count - 1);
    cur.Y = std::clamp(cur.Y, std::min(FRows.Fixed, FRows.Count - 1), FRows.Count - 1);
    if (!(cur == FCurrent)) MoveColRow(cur.X, cur.Y, !(navigation && (Shift & ssShift)), true);
}

void GridBase::HandleKeyPress(QChar& Key)
{
    if (OnKeyPress) OnKeyPress(this, Key);
    if (Key.isNull()) return;
    if (Key == u'\r') {
        if (!(FOptions & goAlwaysShowEditor)) {
            if (FEditorMode)
                HideEditor();
            else
                ShowEditor();
        }
        Key = QChar();
        return;
    }
    if ((FOptions & goEditing) && !(FOptions & goRowSelect) && Key >= u' ' && Key != QChar(0x7F) && FInplaceCol < 0)
        ShowEditorChar(Key);
}

void GridBase::HandleKeyUp(Word& Key, TShiftState Shift)
{
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

// ---------------------------------------------------------------- mouse

TWMMouse GridBase::MouseMessage(QMouseEvent* event) const
{
    TWMMouse msg;
    const QPoint p = event->position().toPoint();
    msg.XPos = p.x();
    msg.YPos = p.y();
    msg.Keys = shiftStateFromQt(event->modifiers(), event->buttons());
    return msg;
}

void GridBase::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    try {
        TWMMouse msg = MouseMessage(event);
        if (event->button() == Qt::LeftButton)
            WMLButtonDown(msg);
        else if (event->button() == Qt::RightButton)
            WMRButtonDown(msg);
        else if (event->button() == Qt::MiddleButton)
            HandleMouseDown(mbMiddle, msg.Keys, msg.XPos, msg.YPos);
    } catch (...) {
    }
}

void GridBase::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    try {
        TWMMouse msg = MouseMessage(event);
        if (event->button() == Qt::LeftButton)
            WMLButtonUp(msg);
        else if (event->button() == Qt::RightButton)
            WMRButtonUp(msg);
        else if (event->button() == Qt::MiddleButton)
            HandleMouseUp(mbMiddle, msg.Keys, msg.XPos, msg.YPos);
    } catch (...) {
    }
}

void GridBase::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    try {
        TWMMouse msg = MouseMessage(event);
        if (event->button() == Qt::LeftButton) WMLButtonDblClk(msg);
    } catch (...) {
    }
}

void GridBase::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    try {
        TWMMouse msg = MouseMessage(event);
        WMMouseMove(msg);
    } catch (...) {
    }
}

void GridBase::WMLButtonDown(TWMMouse& Msg) { HandleMouseDown(mbLeft, Msg.Keys, Msg.XPos, Msg.YPos); }

void GridBase::WMLButtonUp(TWMMouse& Msg) { HandleMouseUp(mbLeft, Msg.Keys, Msg.XPos, Msg.YPos); }

void GridBase::WMLButtonDblClk(TWMMouse& Msg) { HandleMouseDown(mbLeft, Msg.Keys | ssDouble, Msg.XPos, Msg.YPos); }

void GridBase::WMRButtonDown(TWMMouse& Msg) { HandleMouseDown(mbRight, Msg.Keys, Msg.XPos, Msg.YPos); }

void GridBase::WMRButtonUp(TWMMouse& Msg) { HandleMouseUp(mbRight, Msg.Keys, Msg.XPos, Msg.YPos); }

void GridBase::WMMouseMove(TWMMouse& Msg) { HandleMouseMove(Msg.Keys, Msg.XPos, Msg.YPos); }

void GridBase::HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FLastMouse = QPoint(X, Y);
    if (FInplaceCol >= 0 && !(Shift & ssDouble)) HideEditor();
    if (!hasFocus() && isEnabled()) setFocus();
    if (Button == mbLeft && (Shift & ssDouble)) {
        HandleDblClick();
    } else if (Button == mbLeft) {
        int index = -1;
        const TGridState sizing = ComputeSizingState(X, Y, index);
        if (sizing != gsNormal) {
            FGridState = sizing;
            FSizingIndex = index;
            const Axis& axis = sizing == gsColSizing ? FCols : FRows;
            int start = 0;
            axis.Start(index, FGridLineWidth, start);
            FSizingPos = sizing == gsColSizing ? X : Y;
            FSizingOfs = FSizingPos - (start + axis.Sizes[size_t(index)]);
            Invalidate();
        } else {
            const TGridCoord cell = MouseCoord(X, Y);
            if (cell.X >= FCols.Fixed && cell.Y >= FRows.Fixed) {
                if ((FOptions & goEditing) && cell == FCurrent && !(Shift & ssShift)) {
                    ShowEditor();
                    if (OnClick) OnClick(this);
                } else {
                    FGridState = gsSelecting;
                    FScrollTimer.start();
                    if ((Shift & ssShift) && (FOptions & goRangeSelect))
                        MoveAnchorTo(cell.X, cell.Y);
                    else
                        MoveColRow(cell.X, cell.Y, true, true);
                }
            } else if ((FOptions & goColMoving) && cell.Y >= 0 && cell.Y < FRows.Fixed && cell.X >= FCols.Fixed) {
                FGridState = gsColMoving;
                FMoveIndex = FMovePos = cell.X;
            } else if ((FOptions & goRowMoving) && cell.X >= 0 && cell.X < FCols.Fixed && cell.Y >= FRows.Fixed) {
                FGridState = gsRowMoving;
                FMoveIndex = FMovePos = cell.Y;
            }
        }
    }
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void GridBase::HandleMouseMove(TShiftState Shift, int X, int Y)
{
    FLastMouse = QPoint(X, Y);
    switch (FGridState) {
    case gsSelecting: {
        const TGridCoord cell = MouseCoord(X, Y);
        if (cell.X >= FCols.Fixed && cell.Y >= FRows.Fixed) MoveAnchorTo(cell.X, cell.Y);
        break;
    }
    case gsColSizing:
    case gsRowSizing:
        FSizingPos = FGridState == gsColSizing ? X : Y;
        Invalidate();
        break;
    case gsColMoving:
    case gsRowMoving: {
        const TGridCoord cell = MouseCoord(X, Y);
        const int target = FGridState == gsColMoving ? cell.X : cell.Y;
        const int fixed = FGridState == gsColMoving ? FCols.Fixed : FRows.Fixed;
        if (target >= fixed && target != FMovePos) {
            FMovePos = target;
            Invalidate();
        }
        break;
    }
    default: {
        int index = -1;
        const TGridState sizing = ComputeSizingState(X, Y, index);
        viewport()->setCursor(toQCursor(sizing == gsColSizing ? crHSplit : sizing == gsRowSizing ? crVSplit : RestCursor()));
        break;
    }
    }
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

int GridBase::SizingSizeAt(int pos) const
{
    if (FSizingIndex < 0 || (FGridState != gsColSizing && FGridState != gsRowSizing)) return -1;
    const Axis& axis = FGridState == gsColSizing ? FCols : FRows;
    int start = 0;
    if (!axis.Start(FSizingIndex, FGridLineWidth, start)) return -1;
    return std::max(0, pos - FSizingOfs - start);
}

void GridBase::HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TGridState state = FGridState;
    FGridState = gsNormal;
    switch (state) {
    case gsSelecting:
        FGridState = gsSelecting;
        HandleMouseMove(Shift, X, Y);
        FGridState = gsNormal;
        FScrollTimer.stop();
        if (OnClick) OnClick(this);
        break;
    case gsColSizing:
    case gsRowSizing: {
        // The new size: from the cell's start to the pointer, less where in
        // the border the press grabbed it.
        const bool cols = state == gsColSizing;
        FGridState = state;
        const int size = SizingSizeAt(cols ? X : Y);
        FGridState = gsNormal;
        if (size >= 0) {
            if (cols)
                SetColWidths(FSizingIndex, size);
            else
                SetRowHeights(FSizingIndex, size);
        }
        Invalidate();
        break;
    }
    case gsColMoving:
        if (FMovePos >= 0 && FMovePos != FMoveIndex) MoveColumn(FMoveIndex, FMovePos);
        Invalidate();
        break;
    case gsRowMoving:
        if (FMovePos >= 0 && FMovePos != FMoveIndex) MoveRow(FMoveIndex, FMovePos);
        Invalidate();
        break;
    default:
        break;
    }
    FSizingIndex = FMoveIndex = FMovePos = -1;
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void GridBase::HandleDblClick()
{
    if (OnDblClick) OnDblClick(this);
}

void GridBase::ScrollTimerTick()
{
    if (FGridState != gsSelecting) {
        FScrollTimer.stop();
        return;
    }
    const int width = viewport()->width(), height = viewport()->height();
    int left = FCols.First, top = FRows.First;
    const QPoint p = FLastMouse;
    if (p.x() < FixedColsExtent()) --left;
    else if (p.x() >= width) ++left;
    if (p.y() < FixedRowsExtent()) --top;
    else if (p.y() >= height) ++top;
    const int maxLeft = std::max(FCols.MaxFirst(width, FGridLineWidth), FCols.First);
    const int maxTop = std::max(FRows.MaxFirst(height, FGridLineWidth), FRows.First);
    MoveTopLeft(std::clamp(left, FCols.Fixed, maxLeft), std::clamp(top, FRows.Fixed, maxTop));
    TGridCoord cell = MouseCoord(p.x(), p.y());
    if (p.x() < FixedColsExtent()) cell.X = FCols.First;
    else if (p.x() >= width || cell.X < 0) cell.X = FCols.First + VisibleColCount() - 1;
    if (p.y() < FixedRowsExtent()) cell.Y = FRows.First;
    else if (p.y() >= height || cell.Y < 0) cell.Y = FRows.First + VisibleRowCount() - 1;
    cell.X = std::clamp(cell.X, FCols.Fixed, FCols.Count - 1);
    cell.Y = std::clamp(cell.Y, FRows.Fixed, FRows.Count - 1);
    MoveAnchorTo(cell.X, cell.Y);
}

void GridBase::wheelEvent(QWheelEvent* event)
{
    event->accept();
    try {
        FWheelAccumulator += event->angleDelta().y();
        const TShiftState shift = shiftStateFromQt(event->modifiers(), event->buttons());
        const QPoint pos = event->position().toPoint();
        while (FWheelAccumulator <= -120) {
            FWheelAccumulator += 120;
            HandleWheelDown(shift, pos);
        }
        while (FWheelAccumulator >= 120) {
            FWheelAccumulator -= 120;
            HandleWheelUp(shift, pos);
        }
    } catch (...) {
    }
}

bool GridBase::HandleWheelDown(TShiftState Shift, QPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
    if (!handled) {
        if (FCurrent.Y < FRows.Count - 1) SetRow(FCurrent.Y + 1);
        handled = true;
    }
    return handled;
}

bool GridBase::HandleWheelUp(TShiftState Shift, QPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
    if (!handled) {
        if (FCurrent.Y > FRows.Fixed) SetRow(FCurrent.Y - 1);
        handled = true;
    }
    return handled;
}

// ---------------------------------------------------------------- moving

int MovedIndex(int i, int from, int to)
{
    if (i == from) return to;
    if (from < to && i > from && i <= to) return i - 1;
    if (to < from && i >= to && i < from) return i + 1;
    return i;
}

namespace grid_base_detail {

template <typename T>
void moveEntry(std::vector<T>& v, int from, int to)
{
    T value = v[size_t(from)];
    v.erase(v.begin() + from);
    v.insert(v.begin() + to, value);
}

}  // namespace grid_base_detail

void GridBase::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= FCols.Count || ToIndex >= FCols.Count)
        return;
    HideEditor();
    grid_base_detail::moveEntry(FCols.Sizes, FromIndex, ToIndex);
    FCurrent.X = MovedIndex(FCurrent.X, FromIndex, ToIndex);
    FAnchor.X = MovedIndex(FAnchor.X, FromIndex, ToIndex);
    ColumnMovedNotice(FromIndex, ToIndex);
    UpdateScrollBars();
    Invalidate();
}

void GridBase::MoveRow(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= FRows.Count || ToIndex >= FRows.Count)
        return;
    HideEditor();
    grid_base_detail::moveEntry(FRows.Sizes, FromIndex, ToIndex);
    FCurrent.Y = MovedIndex(FCurrent.Y, FromIndex, ToIndex);
    FAnchor.Y = MovedIndex(FAnchor.Y, FromIndex, ToIndex);
    RowMovedNotice(FromIndex, ToIndex);
    UpdateScrollBars();
    Invalidate();
}

void GridBase::ColumnMovedNotice(int FromIndex, int ToIndex)
{
    if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void GridBase::RowMovedNotice(int FromIndex, int ToIndex)
{
    if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

// ---------------------------------------------------------------- focus and size

void GridBase::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

void GridBase::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

void GridBase::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    InvalidateEditor();
    try {
        Resize();
    } catch (...) {
    }
}

void GridBase::Resize()
{
    if (OnResize) OnResize(this);
}

bool GridBase::viewportEvent(QEvent* event)
{
    // The client area also changes size when a scroll bar comes or goes.
    if (event->type() == QEvent::Resize) {
        UpdateScrollBars();
        InvalidateEditor();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

}  // namespace platform
