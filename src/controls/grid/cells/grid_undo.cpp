#include "controls/grid/cells/grid_undo.h"

#include <utility>

#include "controls/grid/base/base_grid_cells.h"

namespace grid {

TExGridUndoRedo::TExGridUndoRedo(QObject* owner) : QObject(owner) {}

TExGridUndoRedo::~TExGridUndoRedo()
{
    if (FGrid != nullptr && FGrid->UndoRedo() == this) FGrid->ForgetUndoRedo();
}

void TExGridUndoRedo::Append(TUndoRedoItem item)
{
    FItems.resize(static_cast<size_t>(FLevel));  // drops the undone entries
    FItems.push_back(std::move(item));
    FLevel = Count();
}

void TExGridUndoRedo::RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue)
{
    FItems.resize(static_cast<size_t>(FLevel));
    if (FMaxLevel > 0 && Count() >= FMaxLevel) {
        FItems.erase(FItems.begin());
        FLevel = Count();
    }
    TUndoRedoItem item;
    item.Col = ACol;
    item.Row = ARow;
    item.Value = NewValue;
    item.OrigValue = OldValue;
    Append(std::move(item));
}

void TExGridUndoRedo::StartSequence()
{
    TUndoRedoItem item;
    item.SequenceStart = true;
    Append(std::move(item));
}

void TExGridUndoRedo::StopSequence()
{
    TUndoRedoItem item;
    item.SequenceStop = true;
    Append(std::move(item));
}

void TExGridUndoRedo::Apply(const TUndoRedoItem& item, bool backwards)
{
    if (item.IsMarker() || FGrid == nullptr) return;
    const QString& newValue = backwards ? item.OrigValue : item.Value;
    const TExGridUndoRedoEvent& event = backwards ? OnUndo : OnRedo;
    if (event) event(this, FGrid, item.Col, item.Row, FGrid->GetCellEx(item.Col, item.Row), newValue);
    FGrid->SetCellEx(item.Col, item.Row, newValue);
    FGrid->SetCol(FGrid->DisplColIndex(item.Col));
    FGrid->SetRow(item.Row);
}

void TExGridUndoRedo::Undo()
{
    if (FGrid == nullptr || FLevel <= 0 || FLevel > Count()) return;
    const TUndoRedoItem& last = FItems[static_cast<size_t>(FLevel - 1)];
    if (last.SequenceStop) {
        --FLevel;
        while (FLevel > 0 && !FItems[static_cast<size_t>(FLevel - 1)].SequenceStart) {
            Apply(FItems[static_cast<size_t>(FLevel - 1)], true);
            --FLevel;
        }
        if (FLevel > 0) --FLevel;  // the opening marker
        FGrid->RepaintGrid();
    } else if (last.SequenceStart) {
        --FLevel;  // an opening marker on its own: nothing to take back
    } else {
        Apply(last, true);
        FGrid->RepaintCell(FGrid->Col(), last.Row);
        --FLevel;
    }
}

void TExGridUndoRedo::Redo()
{
    if (FGrid == nullptr || FLevel < 0 || FLevel >= Count()) return;
    ++FLevel;
    const TUndoRedoItem& passed = FItems[static_cast<size_t>(FLevel - 1)];
    if (passed.SequenceStart) {
        while (FLevel < Count()) {
            const TUndoRedoItem& next = FItems[static_cast<size_t>(FLevel)];
            ++FLevel;
            if (next.SequenceStop) break;
            Apply(next, false);
        }
        FGrid->RepaintGrid();
    } else {
        Apply(passed, false);  // a closing marker on its own writes nothing
    }
}

void TExGridUndoRedo::Reset()
{
    FItems.clear();
    FLevel = 0;
}

}  // namespace grid
