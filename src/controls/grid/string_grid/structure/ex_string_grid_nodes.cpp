// Tree nodes and child rows: a node row owns a run of rows below it;
// contracting the node moves those rows into the hidden-row store, expanding
// brings them back. Nodes nest; every row's depth is the NodeLevel of its
// column-0 cell properties.

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include <QScrollBar>

#include "controls/grid/cells/cell_properties.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/scoped_value.h"

namespace grid {

// ------------------------------------------------------------ queries

TCellGraphic* TExStringGrid::NodeGraphic(int ARow) const
{
    if (ARow < 0 || ARow >= RowCount()) return nullptr;
    TCellGraphic* g = GetGraphicObjectEx(0, ARow);
    return g != nullptr && g->CellType() == ctNode ? g : nullptr;
}

bool TExStringGrid::IsNode(int ARow) const { return NodeGraphic(ARow) != nullptr; }

bool TExStringGrid::IsSummary(int ARow) const
{
    if (ARow < 0 || ARow >= RowCount()) return false;
    const TCellGraphic* g = GetGraphicObjectEx(0, ARow);
    return g != nullptr && g->CellType() == ctSummary;
}

int TExStringGrid::RowNodeLevel(int ARow) const
{
    if (ARow < 0 || ARow >= RowCount()) return 0;
    const TCellProperties* props = CellPropertiesOrNull(0, ARow);
    return props != nullptr ? props->NodeLevel() : 0;
}

void TExStringGrid::SetRowNodeLevel(int ARow, int Level)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    if (TCellProperties* props = GetCellProperties(0, ARow); props != nullptr) props->SetNodeLevel(Level);
}

void TExStringGrid::ShiftRowLevels(int FromRow, int ToRow, int Delta)
{
    for (int a = std::max(0, FromRow); a <= ToRow && a < TotalRowCount(); ++a) {
        const auto hidden = HiddenRowItem(a);
        if (!hidden) {
            const int r = DisplRowIndex(a);
            SetRowNodeLevel(r, std::max(0, RowNodeLevel(r) + Delta));
            continue;
        }
        // A hidden row keeps its level in the cells it took along.
        std::vector<TStoredCell>& cells = hidden->Items().Cells;
        if (cells.empty()) cells.resize(1);
        if (!cells.front().Properties) cells.front().Properties = std::make_unique<TCellProperties>(this, 0, DisplRowIndex(a));
        TCellProperties& props = *cells.front().Properties;
        props.SetNodeLevel(std::max(0, props.NodeLevel() + Delta));
    }
}

bool TExStringGrid::GetNodeState(int ARow) const
{
    const TCellGraphic* g = NodeGraphic(ARow);
    return g != nullptr && g->CellBoolean();
}

void TExStringGrid::SetNodeState(int ARow, bool Contracted)
{
    const TCellGraphic* g = NodeGraphic(ARow);
    if (g == nullptr || g->CellBoolean() == Contracted) return;
    if (Contracted)
        ContractNode(RealRowIndex(ARow));
    else
        ExpandNode(RealRowIndex(ARow));
}

int TExStringGrid::GetNodeLevel(int ARow) const { return IsNode(ARow) ? RowNodeLevel(ARow) : -1; }

int TExStringGrid::GetNodeSpan(int ARow) const
{
    const TCellGraphic* g = NodeGraphic(ARow);
    return g != nullptr ? g->CellIndex() : -1;
}

void TExStringGrid::SetNodeSpan(int ARow, int Span)
{
    if (TCellGraphic* g = NodeGraphic(ARow); g != nullptr) g->SetCellIndex(Span);
}

void TExStringGrid::UpdateNodeSpan(int ARow, int Delta)
{
    if (TCellGraphic* g = NodeGraphic(ARow); g != nullptr) g->SetCellIndex(g->CellIndex() + Delta);
}

int TExStringGrid::GetSubNodeCount(int ARow) const
{
    const TCellGraphic* g = NodeGraphic(ARow);
    return g != nullptr ? g->CellErrFrom() : 0;
}

void TExStringGrid::UpdateSubNodeCount(int ARow, int Delta)
{
    if (TCellGraphic* g = NodeGraphic(ARow); g != nullptr) g->SetCellErrFrom(g->CellErrFrom() + Delta);
}

int TExStringGrid::NextNodeRow(int ARow) const
{
    for (int r = ARow + 1; r < RowCount(); ++r)
        if (IsNode(r)) return r;
    return RowCount();
}

int TExStringGrid::NodeEndAll(int ARow) const
{
    const int span = GetNodeSpan(ARow);
    if (span > 0) return std::min(RealRowIndex(ARow) + span, TotalRowCount());
    const int next = NextNodeRow(ARow);
    return next < RowCount() ? RealRowIndex(next) : TotalRowCount();
}

int TExStringGrid::NodeSpanEnd(int ARow) const
{
    const int end = NodeEndAll(ARow);
    return end < TotalRowCount() ? DisplRowIndex(end) : RowCount();
}

int TExStringGrid::GetRowIndent(int ARow) const
{
    if (!HasNodes()) return 0;
    return RowNodeLevel(ARow) * FCellNode.NodeIndent();
}

int TExStringGrid::GetParentRow(int ARow) const
{
    if (!HasNodes() || ARow < 0 || ARow >= RowCount()) return -1;
    const int reference = IsNode(ARow) ? RowNodeLevel(ARow) : INT_MAX;
    // Spans count all rows: the rows compare by their all-rows indexes, so
    // rows hidden behind contracted nodes or by a filter count as they should.
    const int row = RealRowIndex(ARow);
    for (int i = ARow; i >= GridBase::FixedRows(); --i) {
        const TCellGraphic* g = NodeGraphic(i);
        if (g == nullptr || RowNodeLevel(i) >= reference) continue;
        if (row < RealRowIndex(i) + g->CellIndex()) return i;
    }
    return IsNode(ARow) ? ARow : -1;
}

std::vector<std::pair<int, int>> TExStringGrid::ContractedNodeRuns() const
{
    std::vector<std::pair<int, int>> runs;
    if (!HasNodes()) return runs;
    for (int r = 0; r < RowCount(); ++r)
        if (GetNodeState(r)) runs.emplace_back(RealRowIndex(r) + 1, NodeEndAll(r) - 1);
    return runs;
}

int TExStringGrid::GetNodeSpanType(int ARow) const
{
    if (IsNode(ARow)) return 0;
    const int next = ARow + 1;
    if (next <= RowCount() - FFixedFooters - 1 && HasCellProperties(0, next) && RowNodeLevel(next) >= RowNodeLevel(ARow))
        return 2;
    return 1;
}

bool TExStringGrid::IsInNodeButton(int ARow, int X) const
{
    if (!FMouseActions.PreciseNodeClick) return true;
    const int v = RowNodeLevel(ARow);
    const int indent = FCellNode.NodeIndent();
    int w = 4, o = 4;
    switch (FCellNode.NodeType()) {
    case cn3D:
        w = 6;
        o = 0;
        break;
    case cnGlyph:
        w = FCellNode.ExpandGlyph.isNull() ? 0 : FCellNode.ExpandGlyph.width() / 2;
        o = FCellNode.ExpandGlyph.isNull() ? 0 : 2;
        break;
    case cnLeaf:
        w = 8;
        o = 2;
        break;
    default: break;
    }
    if (layoutDirection() == Qt::RightToLeft) {
        const int normalRows = RowCount() - GridBase::FixedRows();
        const int d = normalRows > VisibleRowCount() ? verticalScrollBar()->width() : 0;
        const int W = width();
        return W - 2 - v * indent - w <= X + d && X + d < W - (v - 1) * indent;
    }
    // Measured from the left edge of column 0 (0 while it is a fixed column).
    const int column = DisplColIndex(0);
    const int x = column >= 0 ? X - std::max(0, CellRect(column, ARow).Left) : X;
    return o + (v - 1) * indent < x && x < w + v * indent;
}

// ------------------------------------------------------------ making and removing

void TExStringGrid::AddNode(int ARow, int Span)
{
    if (ARow < 0 || IsHiddenRow(ARow)) return;
    // A node made again starts afresh: the old one's rows come back first.
    if (IsNode(DisplRowIndex(ARow))) RemoveNode(ARow);
    const int r = DisplRowIndex(ARow);
    if (r < 0 || r >= RowCount() || ColCount() == 0) return;
    auto graphic = std::make_unique<TCellGraphic>();
    graphic->SetCellType(ctNode);
    graphic->SetCellAngle(r);
    graphic->SetCellBoolean(false);
    graphic->SetCellIndex(Span);
    graphic->SetCellHAlign(haBeforeText);
    graphic->SetCellVAlign(vaCenter);
    graphic->SetCellErrFrom(0);
    graphic->SetCellVar(-1);
    SetGraphicObjectEx(0, r, std::move(graphic));
    // A span of 0 covers rows up to the next node, but only the node row
    // itself steps down a level.
    ShiftRowLevels(ARow, ARow + std::max(Span, 1) - 1, 1);
    if (FNumNodes == 0) RepaintCol(0);
    ++FNumNodes;
    if (Col() == 0 && ColCount() > 1) SetCol(1);
    RepaintCell(0, r);
}

void TExStringGrid::AddSummary(int ARow)
{
    const int r = DisplRowIndex(ARow);
    if (r < 0 || r >= RowCount() || ColCount() == 0) return;
    auto graphic = std::make_unique<TCellGraphic>();
    graphic->SetCellType(ctSummary);
    SetGraphicObjectEx(0, r, std::move(graphic));
}

void TExStringGrid::RemoveNode(int ARow)
{
    if (ARow < 0 || IsHiddenRow(ARow)) return;
    ExpandNode(ARow);
    const int r = DisplRowIndex(ARow);
    if (!IsNode(r)) return;
    const int span = GetNodeSpan(r);
    ShiftRowLevels(ARow, ARow + std::max(span, 1) - 1, -1);
    RemoveCellGraphic(0, r);
    FNumNodes = std::max(0, FNumNodes - 1);
}

void TExStringGrid::RemoveAllNodes()
{
    for (int r = 0; r < RowCount(); ++r)
        if (IsNode(r)) RemoveNode(RealRowIndex(r));
    // Node rows hidden otherwise (a hidden row, a filter) are still nodes.
    FNumNodes = 0;
    for (const auto& item : std::as_const(FGridItems)) {
        const TCellGraphic* g = PropertiesGraphic(item->Items().Properties(0));
        if (g != nullptr && g->CellType() == ctNode) ++FNumNodes;
    }
    if (FNumNodes == 0) {
        // No node left to hold rows.
        std::vector<int> stray;
        for (const auto& item : FGridItems)
            if (item->Level() == TGridItem::BehindNode) stray.push_back(item->Idx());
        ShowRowsBehindNode(std::move(stray));
    }
    RepaintGrid();
}

void TExStringGrid::RecountNodes()
{
    FNumNodes = 0;
    for (int r = GridBase::FixedRows(); r < RowCount(); ++r)
        if (IsNode(r)) ++FNumNodes;
    if (FNumNodes > 0) RepaintCol(0);
}

// ------------------------------------------------------------ expanding and contracting

void TExStringGrid::ExpandNode(int ARow)
{
    if (FCellNode.ExpandOne && !FExpandingAll && GetNodeState(DisplRowIndex(ARow))) {
        // One node open at a time: the others close first. Nodes that hold
        // the target stay open, or expanding it would hide it.
        for (int r = GridBase::FixedRows(); r < RowCount(); ++r) {
            if (!IsNode(r) || GetNodeState(r)) continue;
            const int all = RealRowIndex(r);
            const int span = GetNodeSpan(r);
            const bool holdsTarget =
                all < ARow && (span > 0 ? ARow < all + span : NextNodeRow(r) > DisplRowIndex(ARow));
            if (all != ARow && !holdsTarget) ContractNode(all);
        }
    }
    if (ARow < 0 || IsHiddenRow(ARow)) return;
    const int r = DisplRowIndex(ARow);
    TCellGraphic* g = NodeGraphic(r);
    if (g == nullptr || !g->CellBoolean()) return;
    g->SetCellBoolean(false);
    // The rows its contraction hid: within its span, not those a filter
    // hides (they come back with their filter level).
    const int end = NodeEndAll(r);
    const int keptTop = TopRow();
    const int keptRow = Row();
    const bool keptDisjunct = FMouseActions.DisjunctRowSelectDirect();
    FMouseActions.SetDisjunctRowSelectDirect(false);
    const bool rowSelect = Options() & platform::goRowSelect;
    if (rowSelect) SetOptions(Options() & ~platform::goRowSelect);
    {
        TGridUpdateLock lock(*this, FControlList.Count() == 0);
        std::vector<int> rows;
        for (const auto& item : FGridItems)
            if (item->Level() == TGridItem::BehindNode && item->Idx() > ARow && item->Idx() < end)
                rows.push_back(item->Idx());
        ShowRowsBehindNode(std::move(rows));
    }
    if (rowSelect) {
        SetOptions(Options() | platform::goRowSelect);
        if (keptRow < RowCount()) SetRow(keptRow);
        SetTopRow(std::clamp(keptTop, GridBase::FixedRows(), std::max(GridBase::FixedRows(), RowCount() - 1)));
    }
    FMouseActions.SetDisjunctRowSelectDirect(keptDisjunct);
    RepaintCell(0, r);
    CalcFooter(-1);
}

void TExStringGrid::ContractNode(int ARow)
{
    HideInplaceEdit();
    TScopedValue<bool> forceSel(FForceSel, true, false);
    if (ARow < 0 || IsHiddenRow(ARow)) return;
    const int r = DisplRowIndex(ARow);
    TCellGraphic* g = NodeGraphic(r);
    if (g == nullptr || g->CellBoolean()) return;
    g->SetCellBoolean(true);
    const int end = NodeEndAll(r);
    // Nested nodes contracted earlier go with the parent's rows and read
    // expanded when the parent opens again.
    for (int i = r + 1; i < RowCount() && RealRowIndex(i) < end; ++i) {
        TCellGraphic* nested = NodeGraphic(i);
        if (nested == nullptr || !nested->CellBoolean()) continue;
        // A run reaching past the parent's stays the nested node's to open.
        if (NodeEndAll(i) > end) continue;
        nested->SetCellBoolean(false);
        const int control = FControlList.ControlIndex(1, RealRowIndex(i) + 1);
        if (control >= 0)
            if (QWidget* w = FControlList.GetControl(control)->Control; w != nullptr) w->hide();
    }
    if (ARow + 1 <= end - 1) {
        HideRows(ARow + 1, end - 1);
        MarkBehindNode(ARow + 1, end - 1);
    }
    RepaintCell(0, r);
    CalcFooter(-1);
}

void TExStringGrid::MarkBehindNode(int FromRow, int ToRow)
{
    for (auto item : FGridItems)
        if (item->Level() == 0 && item->Idx() >= FromRow && item->Idx() <= ToRow) item->SetLevel(TGridItem::BehindNode);
}

void TExStringGrid::ShowRowsBehindNode(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    for (int idx : rows) UnHideRow(idx);
    if (!FFilterActive || FFilterLevel <= 0) return;
    std::vector<int> failing;
    for (int idx : rows) {
        const int shown = DisplRowIndex(idx);
        const bool exempt = FilterNormalCellsOnly && (IsNode(shown) || IsSummary(shown));
        if (!exempt && !DoCustomFilter(shown)) failing.push_back(shown);
    }
    if (!failing.empty()) HideRowListAt(failing, FFilterLevel);
}

void TExStringGrid::ExpandAll()
{
    {
        // Every node opens, even where one open node at a time is the rule.
        TScopedValue<bool> expanding(FExpandingAll, true, false);
        TGridUpdateLock lock(*this, true);
        for (int r = GridBase::FixedRows(); r < RowCount(); ++r) {
            TCellGraphic* g = NodeGraphic(r);
            if (g == nullptr) continue;
            ExpandNode(RealRowIndex(r));
            g->SetCellBoolean(false);
        }
        // With every node open, rows still held for a node (spans that
        // overlapped, nodes moved by a sort) have no node left: shown too.
        std::vector<int> stray;
        for (const auto& item : FGridItems)
            if (item->Level() == TGridItem::BehindNode) stray.push_back(item->Idx());
        ShowRowsBehindNode(std::move(stray));
    }
    CalcFooter(-1);
}

void TExStringGrid::ContractAll()
{
    {
        TGridUpdateLock lock(*this, true);
        ExpandAll();
        // Each top node's run, among all rows; nested nodes stay as they are.
        std::vector<std::pair<int, int>> runs;
        int r = GridBase::FixedRows();
        while (r < RowCount()) {
            TCellGraphic* g = NodeGraphic(r);
            if (g == nullptr) {
                ++r;
                continue;
            }
            g->SetCellBoolean(true);
            const int from = RealRowIndex(r) + 1, end = NodeEndAll(r);
            if (from < end) runs.emplace_back(from, end - 1);
            r = std::max(r + 1, NodeSpanEnd(r));
        }
        if (!runs.empty()) {
            HideInplaceEdit();
            FForceSel = true;
            for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
                HideRows(run->first, run->second);
                MarkBehindNode(run->first, run->second);
            }
            FForceSel = false;
        }
    }
    CalcFooter(-1);
}

// ------------------------------------------------------------ child rows

void TExStringGrid::MoveCellObject(int ACol, int FromRow, int ToRow)
{
    SetObjectEx(ACol, ToRow, GetObjectEx(ACol, FromRow));
    SetObjectEx(ACol, FromRow, 0);
    TCellProperties* from = CellPropertiesOrNull(ACol, FromRow);
    if (from == nullptr || !from->HasGraphicObject()) return;
    TCellProperties* to = GetCellProperties(ACol, ToRow);
    if (from->OwnsGraphic())
        to->AdoptGraphic(from->TakeGraphic());
    else if (TCellGraphic* lent = from->CellGraphic(); lent != nullptr)
        to->LendGraphic(lent);
    else
        to->LendOtherObject(from->OtherObject());
    from->ClearGraphicObject();
}

void TExStringGrid::InsertChildRow(int ARow, int InsertAt)
{
    const int r = DisplRowIndex(ARow);
    if (r < 0 || r > RowCount()) return;
    // A node row takes the new row itself; any other row its parent does.
    const int parent = IsNode(r) ? r : GetParentRow(r);
    int level = 1;
    // A node grows by the new row once open (its contraction's rows come
    // back first); a span of 0 reaches the next node and holds it already.
    auto grow = [this](int node) {
        ExpandNode(RealRowIndex(node));
        if (GetNodeSpan(node) > 0) UpdateNodeSpan(node, 1);
        UpdateSubNodeCount(node, 1);
    };
    if (parent >= 0) {
        grow(parent);
        level = RowNodeLevel(parent);
        // Every ancestor's run grows by the new row too.
        int last = parent;
        int reached = level;
        while (reached > 1) {
            const int q = GetParentRow(last);
            if (q < 0 || q == last || RowNodeLevel(q) >= reached) break;
            grow(q);
            reached = RowNodeLevel(q);
            last = q;
        }
    }
    const bool moveNodeContents = IsNode(r) && InsertAt == 0;
    if (moveNodeContents) InsertAt = 1;
    // The new row's place among all rows: rows hidden after it (by a filter)
    // move on by one, those before it stay.
    const int place = r < RowCount() ? RealRowIndex(r) + InsertAt : TotalRowCount();
    const int at = place - HiddenBelow(place);
    InsertRowFlags(at, 1);
    ShiftHiddenRowIndexes(place, 1);
    InsertRowRange(at, 1, false);
    if (parent >= 0) SetRowNodeLevel(at, level);
    if (moveNodeContents) {
        // The node row's data goes down into the new row; the node stays.
        for (int c = 0; c < TotalColCount(); ++c) {
            SetCellEx(c, at, GetCellEx(c, r));
            SetCellEx(c, r, QString());
            if (c > 0) MoveCellObject(c, r, at);
        }
        SetRowHeights(at, RowHeights(r));
        SetRowHeights(r, DefaultRowHeight());
    }
    CellsChanged(QRect(QPoint(0, at), QPoint(ColCount() - 1, at)));
}

void TExStringGrid::RemoveChildRow(int ARow)
{
    if (ARow < 0 || IsHiddenRow(ARow)) return;
    const int r = DisplRowIndex(ARow);
    if (r < 0 || r >= RowCount()) return;
    // A node row goes as a node first: its rows come back and step up a level.
    if (IsNode(r)) RemoveNode(ARow);
    const int parent = GetParentRow(r);
    if (parent >= 0) {
        const int limit = RowNodeLevel(parent);
        auto shrink = [this](int node) {
            if (GetNodeSpan(node) > 1) {
                UpdateNodeSpan(node, -1);
                UpdateSubNodeCount(node, -1);
            }
            ExpandNode(RealRowIndex(node));
        };
        shrink(parent);
        int last = parent;
        while (RowNodeLevel(last) > 1) {
            const int q = GetParentRow(last);
            if (q < 0 || q == last || RowNodeLevel(q) >= RowNodeLevel(last) || RowNodeLevel(q) > limit) break;
            shrink(q);
            last = q;
        }
    }
    // The row deletion moves the cell controls below it up one row and
    // lowers the largest row count reached.
    DeleteRowsInternal(DisplRowIndex(ARow), 1);
}

void TExStringGrid::InsertNormalRow(int ARow)
{
    InsertRowRange(DisplRowIndex(ARow), 1, true);
}

void TExStringGrid::RemoveNormalRow(int ARow)
{
    // RemoveRows lowers the largest row count reached.
    RemoveRows(ARow, 1);
}

// ------------------------------------------------------------ clicks on node marks

void TExStringGrid::ClickNode(int ACol, int ARow, platform::TShiftState Shift, int X, int Y)
{
    if (OnMouseDown) OnMouseDown(this, platform::mbLeft, Shift, X, Y);
    if (OnClickCell) OnClickCell(this, ARow, ACol);
    const int realRow = RealRowIndex(ARow);
    bool allow = true;
    if (GetNodeState(ARow)) {
        if (OnBeforeExpandNode) OnBeforeExpandNode(this, ARow, realRow, allow);
        if (allow) {
            ExpandNode(realRow);
            if (OnExpandNode) OnExpandNode(this, ARow, realRow);
        }
    } else {
        if (OnBeforeContractNode) OnBeforeContractNode(this, ARow, realRow, allow);
        if (allow) {
            ContractNode(realRow);
            if (OnContractNode) OnContractNode(this, ARow, realRow);
        }
    }
    if (FMouseActions.MoveRowOnNodeClick && ARow < RowCount()) SetRow(ARow);
}

void TExStringGrid::ClickHeaderNode(int ARow)
{
    TCellGraphic* header = NodeGraphic(ARow);
    if (header == nullptr) return;
    const bool contracted = header->CellBoolean();
    if (contracted)
        ExpandAll();
    else
        ContractAll();
    header->SetCellBoolean(!contracted);
    RepaintCell(0, ARow);
}

}  // namespace grid
