// Scroll bar styles: the window's bars, the flat scroll bar service (which
// this platform does not offer: its calls are skipped and the window's bars
// stay in use) and the thin scroll controls of the Metro style.

#include <QScrollBar>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"

namespace grid {

void TExStringGrid::EnableFlatScrollBars()
{
    // No flat scroll bar service here: the entry point is missing.
    FIsFlat = false;
}

void TExStringGrid::DisableFlatScrollBars() { FIsFlat = false; }

void TExStringGrid::ApplyFlatScrollBars()
{
    // Style, colour, width and the bars' visibility go to the flat service only.
    if (!FIsFlat) return;
}

void TExStringGrid::CreateScrollControls()
{
    const auto make = [this](Qt::Orientation o) {
        auto* bar = new QScrollBar(o, this);  // Qt child of the grid
        bar->setAttribute(Qt::WA_OpaquePaintEvent);
        bar->setStyleSheet(QStringLiteral("QScrollBar { background: transparent; border: none; }"
                                          "QScrollBar::handle { background: #a0a0a0; border-radius: 3px; }"
                                          "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"));
        bar->show();
        return bar;
    };
    if (FVScrollControl == nullptr) {
        FVScrollControl = make(Qt::Vertical);
        connect(FVScrollControl.data(), &QScrollBar::valueChanged, this, [this](int v) {
            if (v != TopRow()) SetTopRow(v);
        });
    }
    if (FHScrollControl == nullptr) {
        FHScrollControl = make(Qt::Horizontal);
        connect(FHScrollControl.data(), &QScrollBar::valueChanged, this, [this](int v) {
            if (v != LeftCol()) SetLeftCol(v);
        });
    }
    SyncScrollControls();
}

void TExStringGrid::SyncScrollControls()
{
    const QRect area = viewport()->geometry();
    if (FVScrollControl != nullptr) {
        FVScrollControl->setGeometry(area.right() - 5, area.top(), 6, area.height() - 6);
        FVScrollControl->setRange(FixedRows(), std::max(FixedRows(), RowCount() - VisibleRowCount()));
        FVScrollControl->setValue(TopRow());
        FVScrollControl->raise();
    }
    if (FHScrollControl != nullptr) {
        FHScrollControl->setGeometry(area.left(), area.bottom() - 5, area.width() - 6, 6);
        FHScrollControl->setRange(FixedCols(), std::max(FixedCols(), ColCount() - VisibleColCount()));
        FHScrollControl->setValue(LeftCol());
        FHScrollControl->raise();
    }
}

void TExStringGrid::SetScrollType(paint::TScrollType value)
{
    if (value != FLookColors.ScrollType) {
        FLookColors.ScrollType = value;
        if (value == paint::ssFlat || value == paint::ssEncarta) {
            EnableFlatScrollBars();
            ApplyFlatScrollBars();
        } else {
            DisableFlatScrollBars();
        }
    }
    if (value == paint::ssMetro) {
        CreateScrollControls();
        SetScrollBars(platform::ssNone);
    } else if (FVScrollControl != nullptr || FHScrollControl != nullptr) {
        delete FVScrollControl.data();
        delete FHScrollControl.data();
        SetScrollBars(platform::ssBoth);
    }
    ApplyFlatScrollBars();
}

QString TExStringGrid::WideCellsEx(int c, int r) const { return UnpackWideText(CellsEx(c, r)); }

void TExStringGrid::SetWideCellsEx(int c, int r, const QString& value) { SetCellsEx(c, r, PackWideText(value)); }

}  // namespace grid
