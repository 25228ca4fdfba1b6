// Pasting into a grid: the text block writer with its counts, growth and
// insert mode, the grid's cell block between two grids, rich text, the
// selection text, and the undo of a paste.

#include <gtest/gtest.h>

#include "clipboard_grid_support.h"
#include "controls/grid/cells/grid_undo.h"
#include "controls/grid/clipboard/grid_clipboard.h"
#include "controls/grid/dragdrop/drop_formats.h"
#include "support/qt_printers.h"

using namespace grid;
using clipboard_test::TRecordingGrid;

namespace grid_paste_test {

TEST(GridPaste, PasteTextCountsFieldsColsAndRows)
{
    struct Case {
        QString text;
        int fields, cols, rows;
        QStringList cells;  // (1,1) (2,1) (1,2) (2,2) afterwards
    } const cases[] = {
        {"a\tb\r\nc\td\r\n", 5, 1, 3, {"a", "b", "c", "d"}},
        {"a\tb\r\nc\td", 4, 2, 2, {"a", "b", "c", "d"}},
        {"a\t\r\n\tb", 4, 2, 2, {"a", "", "", "b"}},
        {"a\t", 2, 2, 1, {"a", "2,1", "1,2", "2,2"}},  // an empty last field is stored before a line break only
        {"\"x\ny\"\tz", 2, 2, 1, {"x\ny", "z", "1,2", "2,2"}},
        {"a\nb", 2, 1, 2, {"a", "2,1", "b", "2,2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        TRecordingGrid g;
        int cols = -1, rows = -1;
        EXPECT_EQ(g.PasteText(1, 1, c.text, cols, rows), c.fields);
        EXPECT_EQ(cols, c.cols);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(g.Texts({1, 1, 2, 2}), c.cells);
    }
}

TEST(GridPaste, PasteTextGrowsTheGridOnlyWhereAllowed)
{
    struct Case {
        const char* name;
        QString text;
        QPoint at;
        bool colGrow, rowGrow;
        int colCount, rowCount;
        QString grown;  // the cell past the old edge, or what stands there
    } const cases[] = {
        {"column grows", "x\ty", {5, 1}, true, true, 7, 6, "y"},
        {"column kept", "x\ty", {5, 1}, false, true, 6, 6, ""},
        {"row grows", "x\r\ny", {1, 5}, true, true, 6, 7, "y"},
        {"row kept", "x\r\ny", {1, 5}, true, false, 6, 6, ""},
        {"no row for the empty rest", "x\r\n", {1, 5}, true, true, 6, 6, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TRecordingGrid g;
        g.Navigation().AllowClipboardColGrow = c.colGrow;
        g.Navigation().AllowClipboardRowGrow = c.rowGrow;
        int cols = 0, rows = 0;
        g.PasteText(c.at.x(), c.at.y(), c.text, cols, rows);
        EXPECT_EQ(g.ColCount(), c.colCount);
        EXPECT_EQ(g.RowCount(), c.rowCount);
        EXPECT_EQ(g.GetCellEx(c.at.x(), c.at.y()), "x");
        const QPoint next = c.text.contains('\t') ? QPoint(6, 1) : QPoint(1, 6);
        EXPECT_EQ(g.GetCellEx(next.x(), next.y()), c.grown);
    }
}

TEST(GridPaste, PasteTextWritesEditableCellsOnlyAndAsksTheEvents)
{
    TRecordingGrid g;
    g.SetReadOnly(2, 1, true);
    std::vector<QPoint> after;
    g.OnClipboardBeforePasteCell = [](QObject*, int c, int, QString& v, bool& allow) {
        allow = c != 3;
        v = v.toUpper();
    };
    g.OnClipboardAfterPasteCell = [&](QObject*, int c, int r, const QString&) { after.push_back({c, r}); };
    int cols = 0, rows = 0;
    EXPECT_EQ(g.PasteText(1, 1, "a\tb\tc\td", cols, rows), 4);
    EXPECT_EQ(g.Texts({1, 1, 4, 1}), QStringList({"A", "2,1", "3,1", "D"}));
    EXPECT_EQ(after, (std::vector<QPoint>{{1, 1}, {4, 1}}));
    ASSERT_EQ(g.Pasted.size(), 1u);
    EXPECT_EQ(g.Pasted[0].Target, (platform::TGridRect{1, 1, 4, 1}));

    // Editing off: nothing, and the counts keep their values.
    g.SetOptions(g.Options() & ~platform::goEditing);
    cols = rows = 7;
    EXPECT_EQ(g.PasteText(1, 1, "z", cols, rows), 0);
    EXPECT_EQ(cols, 7);
    EXPECT_EQ(g.GetCellEx(1, 1), "A");
    // ... unless clipboard writes are always allowed, read-only cells included.
    g.Navigation().AllowClipboardAlways = true;
    g.OnClipboardBeforePasteCell = nullptr;
    EXPECT_EQ(g.PasteText(1, 1, "z\ty", cols, rows), 2);
    EXPECT_EQ(g.Texts({1, 1, 2, 1}), QStringList({"z", "y"}));
    EXPECT_EQ(g.PasteText(-1, 1, "z", cols, rows), 0);
}

TEST(GridPaste, InsertModeInsertsARowForEachNonEmptyLine)
{
    TRecordingGrid g;
    g.Navigation().ClipboardPasteAction = paInsert;
    int cols = 0, rows = 0;
    g.PasteText(1, 3, "x\r\ny\r\n", cols, rows);
    EXPECT_EQ(g.RowCount(), 8);
    EXPECT_EQ(g.Texts({1, 2, 1, 7}), QStringList({"1,2", "x", "y", "1,3", "1,4", "1,5"}));
    EXPECT_EQ(g.GetCellEx(2, 3), "");  // the inserted rows are empty elsewhere
}

TEST(GridPaste, TextPasteIsOneUndoStep)
{
    TRecordingGrid g;
    TExGridUndoRedo undo;
    g.SetUndoRedo(&undo);
    int cols = 0, rows = 0;
    g.PasteText(1, 1, "a\tb\r\nc\td\r\n", cols, rows);
    undo.Undo();
    EXPECT_EQ(g.Texts({1, 1, 2, 2}), QStringList({"1,1", "2,1", "1,2", "2,2"}));
    EXPECT_FALSE(undo.CanUndo());
    undo.Redo();
    EXPECT_EQ(g.Texts({1, 1, 2, 2}), QStringList({"a", "b", "c", "d"}));
}

TEST(GridPaste, StoreCellValueTicksCheckBoxesAndWritesHiddenColumnsStorage)
{
    TRecordingGrid g;
    g.SetCellEx(2, 1, "");
    g.AddCheckBox(2, 1, false, false);
    g.StoreCellValue(2, 1, "Y");
    bool state = false;
    g.GetCheckBoxState(2, 1, state);
    EXPECT_TRUE(state);
    g.StoreCellValue(2, 1, "y");  // exact match only
    g.GetCheckBoxState(2, 1, state);
    EXPECT_FALSE(state);

    TRecordingGrid h;
    TExGridUndoRedo undo;
    h.SetUndoRedo(&undo);
    h.HideColumn(2);
    h.StoreCellValue(2, 1, "v");  // display column 2 is storage column 3
    EXPECT_EQ(h.GetGridCell(3, 1), "v");
    undo.Undo();
    EXPECT_EQ(h.GetGridCell(3, 1), "3,1");
    EXPECT_EQ(h.GetGridCell(2, 1), "2,1");
}

TEST(GridPaste, AMultiLineCellWithQuotesComesBackAsItWas)
{
    TRecordingGrid g;
    g.SetCellEx(1, 1, "say \"hi\"\nthere");
    g.SetCellEx(2, 1, "plain");
    g.SetSelection({1, 1, 2, 1});
    g.CopySelectionToClipboard();
    g.SetSelection({1, 3, 1, 3});
    g.PasteSelectionFromClipboard();
    EXPECT_EQ(g.Texts({1, 3, 2, 3}), QStringList({"say \"hi\"\nthere", "plain"}));
}

TEST(GridPaste, CellBlockBetweenTwoGrids)
{
    TRecordingGrid a, b;
    a.Navigation().AllowFmtClipboard = true;
    b.Navigation().AllowFmtClipboard = true;
    a.SetSelection({1, 1, 2, 2});
    a.CopySelectionToClipboard();
    EXPECT_EQ(clipboard_test::clipboardText(), "1,1\t2,1\r\n1,2\t2,2\r\n");

    int cols = 0, rows = 0;
    EXPECT_EQ(b.PasteFromClipboardAt(3, 3, cols, rows), 4);
    EXPECT_EQ(b.Texts({3, 3, 4, 4}), QStringList({"1,1", "2,1", "1,2", "2,2"}));
    EXPECT_EQ(b.Befores, 1);
    EXPECT_EQ(b.Afters, 1);
    ASSERT_EQ(b.Pasted.size(), 1u);
    EXPECT_EQ(b.Pasted[0].Source, QPoint(-1, -1));  // from another grid
    EXPECT_EQ(b.Pasted[0].Target, (platform::TGridRect{3, 3, 4, 4}));

    a.PasteFromClipboardAt(3, 1, cols, rows);
    ASSERT_EQ(a.Pasted.size(), 1u);
    EXPECT_EQ(a.Pasted[0].Source, QPoint(1, 1));  // from itself: the copied corner

    // At the edge with growing on the grid grows; with it off the block is clipped.
    b.PasteFromClipboardAt(5, 5, cols, rows);
    EXPECT_EQ(b.ColCount(), 7);
    EXPECT_EQ(b.RowCount(), 7);
    EXPECT_EQ(b.Texts({5, 5, 6, 6}), QStringList({"1,1", "2,1", "1,2", "2,2"}));
    EXPECT_EQ(cols, 7);
    TRecordingGrid c;
    c.Navigation().AllowFmtClipboard = true;
    c.Navigation().AllowClipboardColGrow = false;
    c.Navigation().AllowClipboardRowGrow = false;
    cols = rows = 0;
    EXPECT_EQ(c.PasteFromClipboardAt(5, 5, cols, rows), 4);
    EXPECT_EQ(c.ColCount(), 6);
    EXPECT_EQ(c.RowCount(), 6);
    EXPECT_EQ(c.GetCellEx(5, 5), "1,1");
    EXPECT_EQ(c.Pasted.back().Target, (platform::TGridRect{5, 5, 5, 5}));
    EXPECT_EQ(cols, 0);  // not set without a grow setting
}

TEST(GridPaste, MalformedCellBlocksAreRefusedWithNothingChanged)
{
    for (const QByteArray& block : {QByteArray("junk"), EncodeCellsBlock("GCB1\x02\0\0\0"), EncodeCellsBlock(QByteArray())}) {
        auto data = std::make_unique<QMimeData>();
        data->setData(MimeGridCells, block);
        data->setText("text");
        QApplication::clipboard()->setMimeData(data.release());
        TRecordingGrid g;
        g.Navigation().AllowFmtClipboard = true;
        int cols = 0, rows = 0;
        EXPECT_EQ(g.PasteFromClipboardAt(1, 1, cols, rows), 0);
        EXPECT_EQ(g.GetCellEx(1, 1), "1,1");
        EXPECT_EQ(g.Befores, 0);
        EXPECT_TRUE(g.Pasted.empty());
    }
}

TEST(GridPaste, RichTextTakesOneCellWhenAllowed)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(MimeRtf, QByteArray("{\\rtf1 bold}\0rest", 17));
    data->setText("plain");
    QApplication::clipboard()->setMimeData(data.release());
    TRecordingGrid g;
    int cols = 0, rows = 0;
    EXPECT_EQ(g.PasteFromClipboardAt(1, 1, cols, rows), 1);
    EXPECT_EQ(g.GetCellEx(1, 1), "plain");
    g.Navigation().AllowRTFClipboard = true;
    EXPECT_EQ(g.PasteFromClipboardAt(1, 1, cols, rows), 0);
    EXPECT_EQ(g.GetCellEx(1, 1), "{\\rtf1 bold}");
    EXPECT_EQ(cols, 1);
    EXPECT_EQ(rows, 1);
}

TEST(GridPaste, SetSelectionAsTextWritesRawAndAlwaysGrows)
{
    TRecordingGrid g;
    g.SetOptions(g.Options() & ~platform::goEditing);
    g.Navigation().AllowClipboardColGrow = false;
    g.SetReadOnly(5, 1, true);
    g.SetSelection({5, 1, 5, 1});
    g.SetSelectionAsText("1\t2");
    EXPECT_EQ(g.ColCount(), 7);
    EXPECT_EQ(g.Texts({5, 1, 6, 1}), QStringList({"1", "2"}));
    g.SetSelection({1, 5, 1, 5});
    g.SetSelectionAsText("\"a\nb\"\r\nc\r\n");
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.Texts({1, 5, 1, 6}), QStringList({"a\nb", "c"}));
}

}  // namespace grid_paste_test
