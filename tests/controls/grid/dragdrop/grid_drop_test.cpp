// Drops on a grid, delivered as the window system delivers them (enter,
// move, drop) with prepared MIME data: text, HTML, rich text, files, URLs,
// cells from another grid and columns, under each drag-drop setting.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QUrl>

#include "controls/grid/dragdrop/grid_cell_block.h"
#include "controls/grid/dragdrop/grid_drag_drop.h"
#include "controls/grid/string_grid/input/input_test_support.h"
#include "support/automation_recorder.h"

using namespace grid;
using input_test::GridUnderTest;

namespace grid_drop_test {

struct DropGrid : GridUnderTest {
    DropGrid() : GridUnderTest(6, 12)
    {
        g->DragDropSettings().SetOleDropTarget(true);
        // Dropped text is pasted into editable cells only.
        g->SetOptions(g->Options() | platform::goEditing);
    }
    // Enter, move and drop at a point of the viewport; the action the grid
    // answered (IgnoreAction when it refused at any stage).
    Qt::DropAction drop(const QMimeData& data, QPoint pos, Qt::KeyboardModifiers mods = {},
                        Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction)
    {
        QWidget* vp = g->viewport();
        QDragEnterEvent enter(pos, actions, &data, Qt::LeftButton, mods);
        QApplication::sendEvent(vp, &enter);
        if (!enter.isAccepted()) return Qt::IgnoreAction;
        if (!over(data, pos, mods, actions)) return Qt::IgnoreAction;
        QDropEvent dropped(QPointF(pos), actions, &data, Qt::LeftButton, mods);
        QApplication::sendEvent(vp, &dropped);
        return dropped.isAccepted() ? dropped.dropAction() : Qt::IgnoreAction;
    }
    bool over(const QMimeData& data, QPoint pos, Qt::KeyboardModifiers mods = {},
              Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction)
    {
        QDragMoveEvent move(pos, actions, &data, Qt::LeftButton, mods);
        QApplication::sendEvent(g->viewport(), &move);
        return move.isAccepted();
    }
    bool enter(const QMimeData& data, QPoint pos)
    {
        QDragEnterEvent e(pos, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(g->viewport(), &e);
        return e.isAccepted();
    }
};

std::unique_ptr<QMimeData> textData(const QString& text)
{
    auto d = std::make_unique<QMimeData>();
    d->setText(text);
    return d;
}

std::unique_ptr<QMimeData> urlData(const QList<QUrl>& urls)
{
    auto d = std::make_unique<QMimeData>();
    d->setUrls(urls);
    return d;
}

TEST(GridDrop, TextIsPastedFromTheCellUnderTheMouseAndSelected)
{
    DropGrid t;
    std::vector<platform::TGridRect> dropped;
    t.g->OnOleDropped = [&](QObject*, const platform::TGridRect& r) { dropped.push_back(r); };
    auto data = textData("a\tb\r\nc\td");
    EXPECT_EQ(t.drop(*data, t.at(2, 3)), Qt::MoveAction);
    EXPECT_EQ(t.g->GetCellEx(2, 3), "a");
    EXPECT_EQ(t.g->GetCellEx(3, 4), "d");
    EXPECT_EQ(t.g->Selection(), (platform::TGridRect{2, 3, 3, 4}));
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped[0], t.g->Selection());
    EXPECT_EQ(t.drop(*data, t.at(1, 1), Qt::ControlModifier), Qt::CopyAction) << "Ctrl copies";
    EXPECT_FALSE(t.g->DragDrop().Arrows().Left().isVisible()) << "the drop hides the arrow";
}

TEST(GridDrop, HtmlIsDroppedAsItsText)
{
    DropGrid t;
    auto data = std::make_unique<QMimeData>();
    data->setHtml("<html><body><p>x</p><p>sum <i>12</i></p></body></html>");
    EXPECT_NE(t.drop(*data, t.at(1, 2)), Qt::IgnoreAction);
    EXPECT_EQ(t.g->GetCellEx(1, 2), "x");
    EXPECT_EQ(t.g->GetCellEx(1, 3), "sum 12");
}

TEST(GridDrop, TheHeaderRowTakesNoTextAndEventsMayRefuse)
{
    DropGrid t;
    auto data = textData("new");
    EXPECT_TRUE(t.enter(*data, t.at(2, 0)));
    EXPECT_FALSE(t.over(*data, t.at(2, 0))) << "a fixed row is no target";
    EXPECT_TRUE(t.over(*data, t.at(2, 1)));
    EXPECT_TRUE(t.g->DragDrop().Arrows().Left().isVisible());

    t.g->OnOleDragOver = [](QObject*, int row, int, bool& allow) { allow = allow && row != 5; };
    EXPECT_FALSE(t.over(*data, t.at(2, 5)));
    t.g->OnOleDrop = [](QObject*, int, int col, const QString&, bool& allow) { allow = col != 3; };
    EXPECT_EQ(t.drop(*data, t.at(3, 2)), Qt::IgnoreAction);
    EXPECT_EQ(t.g->GetCellEx(3, 2), "3,2") << "a refused drop writes nothing";
    EXPECT_EQ(t.drop(*data, t.at(4, 2)), Qt::MoveAction);
    EXPECT_EQ(t.g->GetCellEx(4, 2), "new");
}

TEST(GridDrop, AcceptSettingsDecideOnEntering)
{
    struct Case {
        const char* name;
        std::function<void(TDragDropSettings&)> set;
        std::function<std::unique_ptr<QMimeData>()> data;
        bool accepted;
    };
    const Case cases[] = {
        {"text refused", [](TDragDropSettings& s) { s.OleAcceptText = false; }, [] { return textData("t"); }, false},
        {"files refused", [](TDragDropSettings& s) { s.OleAcceptFiles = false; },
         [] { return urlData({QUrl::fromLocalFile("/tmp/x.csv")}); }, false},
        {"URLs refused", [](TDragDropSettings& s) { s.OleAcceptURLs = false; },
         [] { return urlData({QUrl("https://example.com")}); }, false},
        {"columns without a column setting", [](TDragDropSettings&) {},
         [] { return MakeSourceData({}, {}, 2, std::nullopt); }, false},
        {"columns with reordering", [](TDragDropSettings& s) { s.OleColumnReorder = true; },
         [] { return MakeSourceData({}, {}, 2, std::nullopt); }, true},
        {"cells whatever the text setting", [](TDragDropSettings& s) { s.OleAcceptText = false; },
         [] { return MakeSourceData({}, {}, -1, QByteArray("cells")); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DropGrid t;
        c.set(t.g->DragDropSettings());
        auto data = c.data();
        EXPECT_EQ(t.enter(*data, t.at(2, 2)), c.accepted);
    }
    DropGrid off;
    off.g->DragDropSettings().SetOleDropTarget(false);
    EXPECT_FALSE(off.g->viewport()->acceptDrops());
    auto data = textData("t");
    EXPECT_EQ(off.drop(*data, off.at(2, 2)), Qt::IgnoreAction);
}

TEST(GridDrop, InsertedAndAppendedRows)
{
    DropGrid t;
    TDragDropSettings& s = t.g->DragDropSettings();
    s.OleInsertRows = true;
    auto two = textData("x\r\ny");
    EXPECT_NE(t.drop(*two, t.at(1, 3)), Qt::IgnoreAction);
    EXPECT_EQ(t.g->RowCount(), 14);
    EXPECT_EQ(t.g->GetCellEx(1, 3), "x");
    EXPECT_EQ(t.g->GetCellEx(1, 4), "y");
    EXPECT_EQ(t.g->GetCellEx(1, 5), "1,3") << "the rows below moved down";

    DropGrid a;
    a.g->SetRowCount(5);
    a.g->DragDropSettings().OleEntireRows = true;
    a.g->DragDropSettings().OleAppendRows = true;
    a.g->DragDropSettings().OleInsertRows = true;
    const platform::TRect last = a.g->CellRect(2, 4);
    EXPECT_NE(a.drop(*two, QPoint(last.Left + 4, last.Bottom + 10)), Qt::IgnoreAction);
    EXPECT_EQ(a.g->RowCount(), 7);
    EXPECT_EQ(a.g->GetCellEx(1, 5), "x");
    EXPECT_EQ(a.g->GetCellEx(1, 6), "y");
    EXPECT_EQ(a.g->GetCellEx(1, 4), "1,4");
}

TEST(GridDrop, RichTextOnlyWhileAllowed)
{
    auto data = std::make_unique<QMimeData>();
    data->setText("plain");
    data->setData(MimeRtf, "{\\rtf1 rich}");
    {
        DropGrid t;
        EXPECT_NE(t.drop(*data, t.at(2, 2)), Qt::IgnoreAction);
        EXPECT_EQ(t.g->GetCellEx(2, 2), "plain");
    }
    DropGrid t;
    t.g->DragDropSettings().SetOleDropRTF(true);
    EXPECT_NE(t.drop(*data, t.at(2, 2)), Qt::IgnoreAction);
    EXPECT_EQ(t.g->GetCellEx(2, 2), "{\\rtf1 rich}");
    // OnOleDrop may refuse rich text as it refuses plain text.
    std::vector<std::pair<int, int>> asked;
    t.g->OnOleDrop = [&](QObject*, int row, int col, const QString&, bool& allow) {
        asked.emplace_back(col, row);
        allow = false;
    };
    t.drop(*data, t.at(3, 4));
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{3, 4}}));
    EXPECT_EQ(t.g->GetCellEx(3, 4), "3,4");
    t.g->DragDropSettings().SetOleDropRTF(false);
}

TEST(GridDrop, FilesAndUrls)
{
    DropGrid t;
    std::vector<std::tuple<int, int, QString>> files;
    t.g->OnOleDropFile = [&](QObject*, int row, int col, const QString& name, bool&) {
        files.emplace_back(row, col, name);
    };
    auto one = urlData({QUrl::fromLocalFile("/tmp/Table.Csv")});
    EXPECT_NE(t.drop(*one, t.at(3, 4)), Qt::IgnoreAction);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], std::make_tuple(4, 3, QString("/tmp/Table.Csv")));
    auto two = urlData({QUrl::fromLocalFile("/tmp/a.csv"), QUrl::fromLocalFile("/tmp/b.csv")});
    EXPECT_EQ(t.drop(*two, t.at(3, 4)), Qt::IgnoreAction) << "several files do nothing";
    EXPECT_EQ(files.size(), 1u);

    auto url = urlData({QUrl("https://example.com/page")});
    EXPECT_NE(t.drop(*url, t.at(2, 5)), Qt::IgnoreAction);
    EXPECT_EQ(t.g->GetCellEx(2, 5), "https://example.com/page");
    t.g->OnOleDropURL = [](QObject*, int, int, const QString&, bool& allow) { allow = false; };
    EXPECT_EQ(t.drop(*url, t.at(2, 6)), Qt::IgnoreAction);
    EXPECT_EQ(t.g->GetCellEx(2, 6), "2,6");
}

TEST(GridDrop, ADroppedCsvFileIsLoadedUnlessRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("Ports.CSV");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("name,type\r\nspeed,\"int, signed\"\r\n");
    }
    auto file = urlData({QUrl::fromLocalFile(path)});
    {
        DropGrid t;
        std::vector<std::pair<int, int>> asked;
        t.g->OnOleDrop = [&](QObject*, int row, int col, const QString& name, bool& allow) {
            asked.emplace_back(col, row);
            EXPECT_EQ(name, path);
            allow = false;
        };
        EXPECT_EQ(t.drop(*file, t.at(2, 3)), Qt::IgnoreAction);
        EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{-1, -1}}));
        EXPECT_EQ(t.g->RowCount(), 12) << "a refused file changes nothing";
    }
    DropGrid t;
    EXPECT_NE(t.drop(*file, t.at(2, 3)), Qt::IgnoreAction);
    EXPECT_EQ(t.g->RowCount(), 2);
    EXPECT_EQ(t.g->GetCellEx(0, 0), "name");
    EXPECT_EQ(t.g->GetCellEx(1, 1), "int, signed");

    // A file that cannot be read is refused with the cells kept.
    DropGrid kept;
    auto missing = urlData({QUrl::fromLocalFile(dir.filePath("gone.csv"))});
    EXPECT_EQ(kept.drop(*missing, kept.at(2, 3)), Qt::IgnoreAction);
    EXPECT_EQ(kept.g->RowCount(), 12);
    EXPECT_EQ(kept.g->GetCellEx(2, 3), "2,3");
}

TEST(GridDrop, ADroppedWorkbookIsLoadedThroughTheSpreadsheetServer)
{
    auto file = urlData({QUrl::fromLocalFile("/data/Ports.xlsx")});
    {
        testing_support::AutomationRecorder recorder;
        recorder.object("excel.application.WorkBooks.Open(*)", "book");
        recorder.object("book.ActiveSheet", "sheet");
        recorder.answer("sheet.UsedRange.Address", "$A$1");
        recorder.answer("sheet.Rows.Cells(1, 1).Value", "speed");
        DropGrid t;
        EXPECT_NE(t.drop(*file, t.at(2, 3)), Qt::IgnoreAction);
        EXPECT_EQ(recorder.calls().value(2), "excel.application.WorkBooks.Open(\"/data/Ports.xlsx\")");
        EXPECT_EQ(t.g->RowCount(), 1);
        EXPECT_EQ(t.g->GetCellEx(0, 0), "speed");
    }
    // A workbook the server cannot open is refused with the cells kept.
    testing_support::AutomationRecorder recorder;
    recorder.fail("*.Open(*)", "no workbook");
    DropGrid t;
    EXPECT_EQ(t.drop(*file, t.at(2, 3)), Qt::IgnoreAction);
    EXPECT_EQ(t.g->RowCount(), 12);
}

TEST(GridDrop, CellsFromAnotherGridAndRefusedBlocks)
{
    DropGrid from, to;
    auto cells = MakeSourceData("1,1\t2,1", {}, -1, SaveRectToCellStream(*from.g, {1, 1, 2, 2}));
    EXPECT_EQ(to.drop(*cells, to.at(3, 5)), Qt::MoveAction);
    EXPECT_EQ(to.g->GetCellEx(3, 5), "1,1");
    EXPECT_EQ(to.g->GetCellEx(4, 6), "2,2");
    EXPECT_EQ(to.g->GetCellEx(3, 7), "3,7") << "the text was not pasted besides";

    // From another program: a block whose stream is malformed changes nothing
    // and is answered with no effect, so that a moving source keeps its cells.
    DropGrid t;
    const QByteArray valid = SaveRectToCellStream(*from.g, {1, 1, 2, 2});
    const QByteArray broken[] = {valid.left(valid.size() - 1),
                                 QByteArray::fromHex("4743423140420f0040420f00"),
                                 EncodeCellsBlock(valid).left(20)};
    for (const QByteArray& stream : broken) {
        auto data = std::make_unique<QMimeData>();
        data->setText("text");
        data->setData(MimeGridCells, stream == broken[2] ? stream : EncodeCellsBlock(stream));
        const Qt::DropAction action = t.drop(*data, t.at(2, 2));
        if (stream == broken[2]) {
            EXPECT_EQ(t.g->GetCellEx(2, 2), "text") << "a malformed block is no block: the text drops";
            t.g->SetCellEx(2, 2, "2,2");
        } else {
            EXPECT_EQ(action, Qt::IgnoreAction);
            EXPECT_EQ(t.g->GetCellEx(2, 2), "2,2");
        }
    }
}

TEST(GridDrop, ColumnsReorderOrComeBackFromTheHiddenList)
{
    DropGrid t;
    t.g->DragDropSettings().OleColumnReorder = true;
    std::vector<std::tuple<int, int, int>> seen;
    t.g->OnOleDropCol = [&](QObject*, int row, int col, int dragged) { seen.emplace_back(row, col, dragged); };
    auto column = MakeSourceData({}, {}, 2, std::nullopt);
    EXPECT_TRUE(t.enter(*column, t.at(4, 0)));
    EXPECT_FALSE(t.over(*column, t.at(4, 3))) << "a column drops on a header only";
    EXPECT_NE(t.drop(*column, t.at(4, 0)), Qt::IgnoreAction);
    EXPECT_EQ(t.g->GetCellEx(4, 1), "2,1");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], std::make_tuple(0, 4, 2));

    DropGrid h;
    h.g->DragDropSettings().OleColumnDragDrop = true;
    h.g->HideColumn(1);
    QListWidget list;
    list.addItems({"column 1", "other"});
    h.g->OleColumnDragStart(1, 0, &list);
    auto hidden = MakeSourceData({}, {}, 1, std::nullopt);
    EXPECT_NE(h.drop(*hidden, h.at(3, 0)), Qt::IgnoreAction);
    EXPECT_FALSE(h.g->IsHiddenColumn(1));
    EXPECT_EQ(h.g->GetCellEx(3, 2), "1,2");
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(0)->text(), "other");
    EXPECT_EQ(h.g->DragDrop().OleDragCol(), -1);
}

TEST(GridDrop, DraggingOverTheEdgesScrolls)
{
    DropGrid t;
    t.g->SetRowCount(60);
    t.g->SetColCount(30);
    auto data = textData("t");
    ASSERT_TRUE(t.enter(*data, t.at(2, 2)));
    const int partRow = t.g->TopRow() + t.g->VisibleRowCount();
    const platform::TRect part = t.g->CellRect(2, partRow);
    ASSERT_FALSE(part.IsEmpty());
    t.over(*data, QPoint(part.Left + 3, part.Top + 2));
    EXPECT_EQ(t.g->TopRow(), 2) << "one row per drag-over on the partly shown row";
    // Columns: at most one step per tick of the grid's timer (the tick
    // count was advanced by the step above).
    if (t.g->TimerTicks() % 2 != 0) t.g->GridTimerTick();
    const int partCol = t.g->LeftCol() + t.g->VisibleColCount();
    const platform::TRect right = t.g->CellRect(partCol, 3);
    ASSERT_FALSE(right.IsEmpty());
    const QPoint p(right.Left + 2, right.Top + 3);
    const int left = t.g->LeftCol();
    t.over(*data, p);
    t.over(*data, p);
    EXPECT_EQ(t.g->LeftCol(), left + 1);
    t.g->GridTimerTick();
    const platform::TRect again = t.g->CellRect(t.g->LeftCol() + t.g->VisibleColCount(), 3);
    t.over(*data, QPoint(again.Left + 2, again.Top + 3));
    EXPECT_EQ(t.g->LeftCol(), left + 2);
}

}  // namespace grid_drop_test
