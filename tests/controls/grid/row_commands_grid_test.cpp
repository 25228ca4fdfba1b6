#include <gtest/gtest.h>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/grid_row_commands.h"
#include "support/scripted_dialogs.h"

using namespace grid;
using platform::MessageButtons;
using platform::MessageKind;
using platform::MessageResult;

// Each test file keeps its names in its own namespace (the tests are built in batches).
namespace grid::row_commands_grid_test {

// The commands with their own clipboard and options, texts named by id.
struct RowCommandsFixture : ::testing::Test {
    QStringList clipboard;
    std::vector<bool> checks;
    TRowCommandOptions options;
    testing_support::ScriptedDialogs dialogs;

    TGridRowCommands commands()
    {
        return TGridRowCommands({clipboard, checks}, options, [](int id) { return QString("text %1").arg(id); },
                                dialogs);
    }
};

// A rule table as the editors set one up: 4 rows, an enable check box in
// column 1, text columns 2 and 3, and a hidden text column 4.
void rcStringGrid(TExStringGrid& g)
{
    g.SetRowCount(4);
    g.AddCheckBoxColumn(1, false, false);
    g.HideColumn(4);
}

QStringList rcRow(TExStringGrid& g, int r)
{
    QStringList row;
    for (int c = 1; c < g.AllColCount(); ++c) {
        bool state = false;
        row << (g.GetCheckBoxState(c, r, state) ? (state ? "[x]" : "[ ]") : g.GetCellEx(c, r));
    }
    return row;
}

void rcSetRow(TExStringGrid& g, int r, bool check, const QString& a, const QString& b, const QString& hidden)
{
    g.SetCheckBoxState(1, r, check);
    g.SetCellEx(2, r, a);
    g.SetCellEx(3, r, b);
    g.SetCellEx(4, r, hidden);
}


// ------------------------------------------------------------ string grid

TEST_F(RowCommandsFixture, StringGridDeleteMovesRowsUpAndLocksTheLastRow)
{
    TExStringGrid g;
    rcStringGrid(g);
    rcSetRow(g, 1, true, "a1", "b1", "h1");
    rcSetRow(g, 2, false, "a2", "b2", "h2");
    rcSetRow(g, 3, true, "a3", "b3", "h3");
    g.SetReadOnly(3, 3, true);
    commands().DeleteRow_ESG(1, g, true);
    EXPECT_EQ(rcRow(g, 1), (QStringList{"[ ]", "a2", "b2", "h2"}));
    EXPECT_EQ(rcRow(g, 2), (QStringList{"[x]", "a3", "b3", "h3"}));
    EXPECT_EQ(rcRow(g, 3), (QStringList{"[x]", "", "", ""}));
    EXPECT_TRUE(g.ReadOnly(3, 2));  // moved with its row
    for (int c = 1; c <= 4; ++c) EXPECT_TRUE(g.ReadOnly(c, 3)) << c;

    // Deleting the last row only clears it.
    rcSetRow(g, 3, false, "x", "y", "z");
    commands().DeleteRow_ESG(3, g, false);
    EXPECT_EQ(rcRow(g, 2), (QStringList{"[x]", "a3", "b3", "h3"}));
    EXPECT_EQ(rcRow(g, 3), (QStringList{"[ ]", "", "", ""}));
}

TEST_F(RowCommandsFixture, StringGridInsertMakesAnEditableRowAndDropsTheLast)
{
    TExStringGrid g;
    rcStringGrid(g);
    rcSetRow(g, 1, false, "a1", "b1", "h1");
    rcSetRow(g, 2, false, "a2", "b2", "h2");
    rcSetRow(g, 3, false, "a3", "b3", "h3");
    g.SetReadOnly(2, 1, true);
    commands().InsertRow_ESG(1, g, true);
    EXPECT_EQ(rcRow(g, 1), (QStringList{"[x]", "", "", ""}));
    EXPECT_EQ(rcRow(g, 2), (QStringList{"[ ]", "a1", "b1", "h1"}));
    EXPECT_EQ(rcRow(g, 3), (QStringList{"[ ]", "a2", "b2", "h2"}));
    EXPECT_FALSE(g.ReadOnly(2, 1));
    EXPECT_TRUE(g.ReadOnly(2, 2));

    // At the last row nothing moves; the row is cleared.
    commands().InsertRow_ESG(3, g, false);
    EXPECT_EQ(rcRow(g, 2), (QStringList{"[ ]", "a1", "b1", "h1"}));
    EXPECT_EQ(rcRow(g, 3), (QStringList{"[ ]", "", "", ""}));
}

TEST_F(RowCommandsFixture, StringGridCopyAndPaste)
{
    TExStringGrid g;
    rcStringGrid(g);
    rcSetRow(g, 1, true, "a1", "", "h1");
    commands().CopyRow_ESG(g, 1);
    EXPECT_EQ(clipboard, (QStringList{"Y", "a1", "", "h1"}));
    EXPECT_EQ(checks, (std::vector<bool>{true, false, false, false}));

    // An empty row (its box set) asks nothing.
    g.SetCheckBoxState(1, 2, true);
    commands().PasteRow_ESG(g, 2, true);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(rcRow(g, 2), (QStringList{"[x]", "a1", "", "h1"}));

    // A single blank makes a row used; No keeps it.
    g.SetCellEx(3, 3, " ");
    dialogs.answer(MessageResult::No);
    commands().PasteRow_ESG(g, 3, true);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "text 1100");
    EXPECT_EQ(dialogs.shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(rcRow(g, 3), (QStringList{"[ ]", "", " ", ""}));
    dialogs.answer(MessageResult::Yes);
    commands().PasteRow_ESG(g, 3, true);
    EXPECT_EQ(rcRow(g, 3), (QStringList{"[x]", "a1", "", "h1"}));
    // The clipboard stays for the next paste.
    EXPECT_EQ(clipboard.size(), 4);
}

TEST_F(RowCommandsFixture, PasteRefusalsChangeNothing)
{
    TExStringGrid g;
    rcStringGrid(g);
    rcSetRow(g, 2, false, "keep", "", "");
    commands().PasteRow_ESG(g, 2, false);
    TExStringGrid wide;
    wide.SetColCount(6);
    commands().CopyRow_ESG(wide, 1);
    EXPECT_EQ(clipboard.size(), 5);
    commands().PasteRow_ESG(g, 2, true);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].text, "text 1102");
    EXPECT_EQ(dialogs.shown()[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.shown()[1].text, "text 1101");
    EXPECT_EQ(dialogs.shown()[1].kind, MessageKind::Error);
    EXPECT_EQ(rcRow(g, 2), (QStringList{"[ ]", "keep", "", ""}));
}

TEST_F(RowCommandsFixture, RowFromAColumnGridPastesByTheTargetsCheckBoxes)
{
    // A string-grid copy leaves flags that a later column-grid copy must not reuse.
    TExStringGrid source;
    rcStringGrid(source);
    source.SetCellEx(2, 1, "Y");
    commands().CopyRow_ESG(source, 1);
    ASSERT_EQ(checks, (std::vector<bool>{true, false, false, false}));

    TExColumnGrid cg;
    cg.Columns()[1]->SetEditor(edDataCheckBox);
    cg.SetCellEx(1, 1, "Y");
    cg.SetCellEx(2, 1, "N");
    cg.SetCellEx(3, 1, "text");
    cg.SetCellEx(4, 1, "more");
    commands().CopyRow_ECG(cg, 1);
    EXPECT_EQ(checks, (std::vector<bool>{false, false, false, false}));

    TExStringGrid g;
    rcStringGrid(g);
    commands().PasteRow_ESG(g, 2, true);
    EXPECT_EQ(rcRow(g, 2), (QStringList{"[x]", "N", "text", "more"}));
}

// ------------------------------------------------------------ column grid

TEST_F(RowCommandsFixture, ColumnGridCommandsMoveTextsOnly)
{
    TExColumnGrid g;
    g.SetRowCount(4);
    g.Columns()[1]->SetEditor(edDataCheckBox);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 4; ++c) g.SetCellEx(c, r, QString("%1,%2").arg(c).arg(r));
    commands().DeleteRow_ECG(1, g);
    EXPECT_EQ(g.GetCellEx(2, 1), "2,2");
    EXPECT_EQ(g.GetCellEx(2, 2), "2,3");
    EXPECT_EQ(g.GetCellEx(2, 3), "");
    commands().InsertRow_ECG(1, g, true);
    EXPECT_EQ(g.GetCellEx(1, 1), "Y");
    EXPECT_EQ(g.GetCellEx(2, 1), "");
    EXPECT_EQ(g.GetCellEx(2, 2), "2,2");
    EXPECT_EQ(g.GetCellEx(2, 3), "2,3");
    commands().InsertRow_ECG(3, g, false);
    EXPECT_EQ(g.GetCellEx(1, 3), "");
    EXPECT_EQ(g.GetCellEx(2, 3), "");
}

TEST_F(RowCommandsFixture, ColumnGridPasteIgnoresCheckColumnsAndBlanks)
{
    TExColumnGrid g;
    g.SetRowCount(4);
    g.Columns()[1]->SetEditor(edDataCheckBox);
    g.SetCellEx(1, 1, "Y");
    g.SetCellEx(2, 1, "name");
    commands().CopyRow_ECG(g, 1);
    EXPECT_EQ(clipboard, (QStringList{"Y", "name", "", ""}));

    g.SetCellEx(1, 2, "N");  // a check-box column does not make a row used
    g.SetCellEx(3, 2, " ");  // nor does a blank
    commands().PasteRow_ECG(g, 2, true);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(g.GetCellEx(1, 2), "Y");
    EXPECT_EQ(g.GetCellEx(2, 2), "name");
    EXPECT_EQ(g.GetCellEx(3, 2), "");

    g.SetCellEx(4, 3, "used");
    commands().PasteRow_ECG(g, 3, true);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "text 1100");
    EXPECT_EQ(g.GetCellEx(4, 3), "used");
    commands().PasteRow_ECG(g, 3, false);
    EXPECT_EQ(dialogs.shown().back().text, "text 1102");
}

// ------------------------------------------------------------ navigation

TEST_F(RowCommandsFixture, EnterMovesToTheNextCellAndWraps)
{
    TExStringGrid g;
    g.SetRowCount(3);
    g.SetColCount(3);
    QChar key(13);
    commands().KeyPress_Next_Cell(g, key);
    EXPECT_EQ(key, QChar(13));  // option off: the grid handles Enter itself

    options.Enable_Jump_Field_Tables = true;
    struct Step {
        int col, row, nextCol, nextRow;
    };
    const Step steps[] = {{1, 1, 2, 1}, {2, 1, 1, 2}, {2, 2, 1, 1}};
    for (const Step& s : steps) {
        SCOPED_TRACE(QString("%1,%2").arg(s.col).arg(s.row).toStdString());
        g.GotoCell(s.col, s.row);
        key = QChar(13);
        commands().KeyPress_Next_Cell(g, key);
        EXPECT_EQ(key, QChar(0));
        EXPECT_EQ(g.Col(), s.nextCol);
        EXPECT_EQ(g.Row(), s.nextRow);
    }
    key = QChar('a');
    commands().KeyPress_Next_Cell(g, key);
    EXPECT_EQ(key, QChar('a'));
}

TEST_F(RowCommandsFixture, DoubleClickOnAHeaderSizesTheColumn)
{
    TExStringGrid g;
    g.SetCellEx(2, 3, "a text wider than nothing at all");
    g.SetColWidths(2, 10);
    commands().DblClickCell_AutoSize(g, 0, 2);
    EXPECT_EQ(g.ColWidths(2), 10);  // option off
    options.Double_Click_Auto_Size = true;
    commands().DblClickCell_AutoSize(g, 3, 2);
    EXPECT_EQ(g.ColWidths(2), 10);  // a data cell never sizes
    commands().DblClickCell_AutoSize(g, 0, 2);
    EXPECT_GT(g.ColWidths(2), 100);
}

}  // namespace grid::row_commands_grid_test
