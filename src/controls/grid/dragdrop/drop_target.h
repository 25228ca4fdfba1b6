#pragma once

// The drop-target side of drag and drop, free of any window: on entering it
// decides whether the offered data is acceptable at all, on every move it
// computes the drop effect (asking DragMouseMove whether the point takes a
// drop), and on the drop it hands the data by format to the Drop...
// operations that a grid's target overrides. Points are screen points.

#include <QMimeData>
#include <QPoint>
#include <QStringList>

#include "controls/grid/dragdrop/drop_formats.h"

namespace grid {

class TESGDropTarget {
public:
    virtual ~TESGDropTarget() = default;

    bool AcceptText = true;   // text and rich text
    bool AcceptFiles = true;
    bool AcceptCols = false;
    bool AcceptURLs = true;
    // The formats the data being dragged over offers.
    TDropFormats DropFormats() const { return FDropFormats; }
    // The data entered is acceptable.
    bool Ok() const { return FOk; }

    TDropEffect DragEnter(const QMimeData* data, bool ctrlHeld, bool moveAllowed);
    TDropEffect DragOver(QPoint pt, bool ctrlHeld, bool moveAllowed);
    void DragLeave();
    TDropEffect Drop(const QMimeData* data, QPoint pt, bool ctrlHeld, bool moveAllowed);

protected:
    // Each answers whether it took the data; a refusal makes the drop's
    // effect none, so that a moving source keeps what it offered.
    virtual bool DropText(QPoint, const QString&) { return false; }
    virtual bool DropStream(QPoint, const QByteArray&) { return false; }
    virtual bool DropCol(QPoint, int) { return false; }
    virtual bool DropRTF(QPoint, const QString&) { return false; }
    virtual bool DropFiles(QPoint, const QStringList&) { return false; }
    virtual bool DropURL(QPoint, const QString&) { return false; }
    virtual void DragMouseMove(QPoint, bool&, TDropFormats) {}
    virtual void DragMouseEnter() {}
    virtual void DragMouseLeave() {}

private:
    bool FOk = false;
    TDropFormats FDropFormats = 0;
};

}  // namespace grid
