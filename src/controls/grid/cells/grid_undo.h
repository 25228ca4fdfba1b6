#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <QString>

namespace grid {

class TBaseGridCells;
class TExGridUndoRedo;

// One recorded entry: a cell change, or a marker (column and row -1) that
// opens or closes a sequence undone and redone as one.
struct TUndoRedoItem {
    int Row = -1;
    int Col = -1;
    QString Value;      // text after the change (what redo writes)
    QString OrigValue;  // text before the change (what undo writes)
    bool SequenceStart = false;
    bool SequenceStop = false;

    bool IsMarker() const { return SequenceStart || SequenceStop; }
};

// (Sender, Grid, Col, Row, OrigValue = the cell's text now, NewValue = the text about to be written)
using TExGridUndoRedoEvent = std::function<void(TExGridUndoRedo* Sender, TBaseGridCells* Grid, int Col, int Row,
                                                const QString& OrigValue, const QString& NewValue)>;

// The cell-change history of one grid. Entries below Level are done, entries
// at Level and above have been undone; a new entry ends the redo history.
// Markers never write or select a cell, and Level stays within
// 0 .. number of entries whatever the history holds.
class TExGridUndoRedo : public QObject {
public:
    explicit TExGridUndoRedo(QObject* owner = nullptr);
    ~TExGridUndoRedo() override;

    virtual void RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();
    void Undo();
    void Redo();
    void Reset();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < Count(); }

    int Level() const { return FLevel; }
    int Count() const { return static_cast<int>(FItems.size()); }
    const std::vector<TUndoRedoItem>& Items() const { return FItems; }
    // 0 = no limit on the number of cell changes kept.
    int MaxLevel() const { return FMaxLevel; }
    void SetMaxLevel(int value) { FMaxLevel = value; }
    // The grid acted on (not owned); set through the grid's SetUndoRedo.
    TBaseGridCells* Grid() const { return FGrid; }
    void SetGrid(TBaseGridCells* value) { FGrid = value; }

    TExGridUndoRedoEvent OnUndo;
    TExGridUndoRedoEvent OnRedo;

private:
    void Append(TUndoRedoItem item);
    void Apply(const TUndoRedoItem& item, bool backwards);

    std::vector<TUndoRedoItem> FItems;
    TBaseGridCells* FGrid = nullptr;
    int FLevel = 0;
    int FMaxLevel = 0;
};

}  // namespace grid
