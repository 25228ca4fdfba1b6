// Dragging the selection out of a grid: the press on the selection prepares
// the drag, a move of more than 3 pixels starts it, the data offered, and
// what a moving drop leaves of the source. The modal drag is replaced by a
// runner that drops the data on a second grid.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>

#include "controls/grid/dragdrop/drop_formats.h"
#include "controls/grid/dragdrop/grid_cell_block.h"
#include "controls/grid/string_grid/input/input_test_support.h"

using namespace grid;
using input_test::GridUnderTest;

namespace grid_drag_source_test {

// Drops data on a grid as the window system would; the effect it took.
TDropEffect dropOn(TExStringGrid& g, const QMimeData& data, QPoint pos, Qt::DropActions actions)
{
    QDragEnterEvent enter(pos, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(g.viewport(), &enter);
    if (!enter.isAccepted()) return deNone;
    QDragMoveEvent move(pos, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(g.viewport(), &move);
    if (!move.isAccepted()) return deNone;
    QDropEvent drop(QPointF(pos), actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(g.viewport(), &drop);
    if (!drop.isAccepted()) return deNone;
    return drop.dropAction() == Qt::MoveAction ? deMove : deCopy;
}

struct TwoGrids {
    GridUnderTest source, target;
    QStringList offered;
    int runs = 0;
    TwoGrids()
    {
        source.g->DragDropSettings().OleDropSource = true;
        source.g->Navigation().AllowFmtClipboard = true;
        target.g->DragDropSettings().SetOleDropTarget(true);
        source.g->OleDragRunner = [this](std::unique_ptr<QMimeData> data, Qt::DropActions allowed) {
            ++runs;
            offered = data->formats();
            return dropOn(*target.g, *data, target.at(3, 5), allowed);
        };
        source.g->SetSelection({1, 1, 2, 2});
    }
    void drag(QPoint from, QPoint to)
    {
        QWidget* vp = source.g->viewport();
        QTest::mousePress(vp, Qt::LeftButton, {}, from);
        QTest::mouseMove(vp, to);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
    }
};

TEST(GridDragSource, MovingTheSelectionToAnotherGrid)
{
    TwoGrids t;
    std::vector<int> stops;
    t.source.g->OnOleDragStop = [&](QObject*, int effect) { stops.push_back(effect); };
    const QPoint press = t.source.at(2, 2);
    t.drag(press, press + QPoint(3, 3));
    EXPECT_EQ(t.runs, 0) << "3 pixels start no drag";
    t.source.g->SetSelection({1, 1, 2, 2});
    t.drag(press, press + QPoint(4, 0));
    ASSERT_EQ(t.runs, 1);
    EXPECT_EQ(t.offered, QStringList({MimeText, MimeGridCells}));
    EXPECT_EQ(t.target.g->GetCellEx(3, 5), "1,1");
    EXPECT_EQ(t.target.g->GetCellEx(4, 6), "2,2");
    EXPECT_EQ(t.source.g->GetCellEx(1, 1), "") << "a move clears the dragged cells";
    EXPECT_EQ(t.source.g->GetCellEx(3, 3), "3,3");
    EXPECT_EQ(stops, std::vector<int>({deMove}));
}

TEST(GridDragSource, CopiesRefusalsAndCancelledDrags)
{
    {
        TwoGrids t;
        t.source.g->DragDropSettings().OleCopyAlways = true;
        t.drag(t.source.at(1, 1), t.source.at(1, 1) + QPoint(10, 0));
        EXPECT_EQ(t.target.g->GetCellEx(3, 5), "1,1");
        EXPECT_EQ(t.source.g->GetCellEx(1, 1), "1,1") << "a move treated as a copy";
    }
    {
        TwoGrids t;
        int stops = 0;
        t.source.g->OnOleDragStop = [&](QObject*, int) { ++stops; };
        t.target.g->OnOleDropped = nullptr;
        t.target.g->DragDropSettings().SetOleDropTarget(false);
        t.drag(t.source.at(1, 1), t.source.at(1, 1) + QPoint(10, 0));
        EXPECT_EQ(t.runs, 1);
        EXPECT_EQ(t.source.g->GetCellEx(1, 1), "1,1") << "a refused drop removes nothing";
        EXPECT_EQ(stops, 0) << "no stop event for a drag that took no effect";
    }
    {
        TwoGrids t;
        t.source.g->OnOleDrag = [](QObject*, int, int, const QString& text, bool& allow) {
            EXPECT_EQ(text, "1,1");
            allow = false;
        };
        t.drag(t.source.at(1, 1), t.source.at(1, 1) + QPoint(10, 0));
        EXPECT_EQ(t.runs, 0) << "OnOleDrag refused the drag";
    }
    {
        TwoGrids t;
        t.drag(t.source.at(4, 4), t.source.at(4, 4) + QPoint(10, 0));
        EXPECT_EQ(t.runs, 0) << "a press beside the selection starts no drag";
    }
}

}  // namespace grid_drag_source_test
