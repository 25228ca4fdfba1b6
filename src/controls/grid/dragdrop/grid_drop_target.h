#pragma once

// The drop target of a string grid: it follows drags over the grid's
// window (the arrows at the drop position, scrolling at the edges, the
// grid's events that may refuse a position or a drop) and places what is
// dropped: text pasted from the cell under the mouse (optionally as new
// rows), rich text and URLs into that cell, a block of cells from another
// grid, a column moved or shown again, one file.

#include <functional>

#include <QObject>

#include "controls/grid/dragdrop/drop_target.h"

namespace grid {

class TExStringGrid;
class TGridDragDrop;

class TGridDropTarget : public QObject, public TESGDropTarget {
public:
    TGridDropTarget(TExStringGrid& grid, TGridDragDrop& owner);
    ~TGridDropTarget() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool DropText(QPoint pt, const QString& text) override;
    bool DropStream(QPoint pt, const QByteArray& stream) override;
    bool DropCol(QPoint pt, int col) override;
    bool DropRTF(QPoint pt, const QString& text) override;
    bool DropFiles(QPoint pt, const QStringList& files) override;
    bool DropURL(QPoint pt, const QString& text) override;
    void DragMouseMove(QPoint pt, bool& Allow, TDropFormats formats) override;
    void DragMouseLeave() override;

private:
    // The cell under a screen point, with the append rule of entire rows:
    // below the last row a drop appends (append true).
    void DropCell(QPoint pt, TDropFormats formats, int& ACol, int& ARow, bool& append) const;
    bool HandleEvent(QEvent* event);
    // A text dropped whole into the cell under pt, when the drop handler
    // (OnOleDrop or OnOleDropURL) lets it.
    using DropHandler = std::function<void(QObject*, int ARow, int ACol, const QString&, bool& Allow)>;
    bool DropIntoCell(QPoint pt, const QString& text, const DropHandler& handler);
    TExStringGrid& G;
    TGridDragDrop& D;
};

}  // namespace grid
