#include <gtest/gtest.h>

#include <QMenu>

#include "controls/grid/editors/grid_cell_editors.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "platform/atomic_file.h"
#include "support/temp_folder.h"

using namespace grid;

namespace {

// The invariant of the column grid: one description per storage column.
::testing::AssertionResult describesEveryColumn(const TExColumnGrid& g)
{
    if (g.Columns().Count() == g.ColCount() + g.NumHiddenColumns()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "Columns.Count " << g.Columns().Count() << " ColCount " << g.ColCount()
                                         << " hidden " << g.NumHiddenColumns();
}

// Names each description after its storage column and writes "c,r" into the cells.
void cgLabel(TExColumnGrid& g)
{
    for (int c = 0; c < g.Columns().Count(); ++c) g.Columns()[c]->Name = QString("col%1").arg(c);
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.AllColCount(); ++c) g.SetCellEx(c, r, QString("%1,%2").arg(c).arg(r));
}

QStringList cgNames(const TExColumnGrid& g)
{
    QStringList names;
    for (int c = 0; c < g.Columns().Count(); ++c) names << g.Columns()[c]->Name;
    return names;
}

}  // namespace

// ------------------------------------------------------------ the invariant

TEST(ColumnGridStructure, EveryOperationKeepsOneDescriptionPerStorageColumn)
{
    TExColumnGrid g;
    EXPECT_TRUE(describesEveryColumn(g));
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"raise ColCount", [&] { g.SetColCount(8); }},
        {"lower ColCount", [&] { g.SetColCount(6); }},
        {"hide a column", [&] { g.HideColumn(2); }},
        {"insert columns", [&] { g.InsertCols(1, 2); }},
        {"remove columns", [&] { g.RemoveCols(3, 2); }},
        {"remove beyond the end", [&] { g.RemoveCols(5, 10); }},
        {"add a column", [&] { g.AddColumn(); }},
        {"move a column", [&] { g.MoveColumn(1, 3); }},
        {"unhide", [&] { g.UnHideColumnsAll(); }},
        {"collection grows", [&] { g.Columns().Add(); }},
        {"collection shrinks", [&] { g.Columns().Delete(g.Columns().Count() - 1); }},
        {"cells loaded", [&] { g.CellsLoaded(); }},
        {"remove checked rows", [&] { g.RemoveRows(1, 2); }},
    };
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        step();
        EXPECT_TRUE(describesEveryColumn(g));
    }
}

TEST(ColumnGridStructure, RaisedColumnCountCopiesTheLookOfTheLastColumn)
{
    TExColumnGrid g;
    ASSERT_EQ(g.Columns().Count(), 5);
    TGridColumnItem* last = g.Columns()[4];
    last->SetAlignment(taCenter);
    last->SetEditor(edDataCheckBox);
    last->CheckTrue = "1";
    last->MaxSize = 90;
    last->ComboItems = QStringList{"a", "b"};
    last->DropDownCount = 3;
    last->SetHeader("Last");
    g.SetColCount(7);
    for (int c : {5, 6}) {
        SCOPED_TRACE(c);
        const TGridColumnItem* item = g.Columns()[c];
        EXPECT_EQ(item->Alignment(), taCenter);
        EXPECT_EQ(item->Editor(), edDataCheckBox);
        EXPECT_EQ(item->CheckTrue, "1");
        EXPECT_EQ(item->MaxSize, 90);
        EXPECT_TRUE(item->Header().isEmpty());
        EXPECT_TRUE(item->ComboItems.isEmpty());
        EXPECT_EQ(item->DropDownCount, 8);
    }
}

TEST(ColumnGridStructure, InsertedAndRemovedColumnsTakeTheirDescriptionsAlong)
{
    TExColumnGrid g;
    cgLabel(g);
    g.HideColumn(3);
    g.InsertCols(2, 1);
    EXPECT_EQ(cgNames(g), (QStringList{"col0", "col1", "", "col2", "col3", "col4"}));
    EXPECT_EQ(g.GetCellEx(3, 1), "2,1");
    EXPECT_TRUE(g.IsHiddenColumn(4));  // the hidden column moved right with its description
    EXPECT_EQ(g.GetCellEx(4, 1), "3,1");
    g.RemoveCols(1, 2);
    EXPECT_EQ(cgNames(g), (QStringList{"col0", "col2", "col3", "col4"}));
    EXPECT_TRUE(g.IsHiddenColumn(2));
    EXPECT_EQ(g.GetCellEx(2, 1), "3,1");
    EXPECT_TRUE(describesEveryColumn(g));
}

TEST(ColumnGridStructure, UserColumnMoveMovesTheDescriptionAndReportsStorageIndexes)
{
    TExColumnGrid g;
    cgLabel(g);
    g.Columns()[1]->ColumnPopupType = cpAllCellsLClick;
    g.HideColumn(2);  // display 1..3 show storage 1, 3, 4
    int from = -1;
    int to = -1;
    g.OnAfterColumnMoved = [&](QObject*, int f, int t) {
        from = f;
        to = t;
    };
    g.MoveColumn(1, 3);
    EXPECT_EQ(from, 1);
    EXPECT_EQ(to, 4);
    EXPECT_EQ(g.GetCellEx(4, 1), "1,1");
    EXPECT_EQ(g.Columns()[4]->Name, "col1");
    // The move copies the description: the popup kind falls back to its default.
    EXPECT_EQ(g.Columns()[4]->ColumnPopupType, cpFixedCellsRClick);
    EXPECT_TRUE(describesEveryColumn(g));
}

// ------------------------------------------------------------ descriptions

TEST(ColumnGridDescription, HeaderGoesIntoRowZeroOnlyWithFixedRows)
{
    TExColumnGrid g;
    g.Columns()[2]->SetHeader("Name");
    EXPECT_EQ(g.GetCellEx(2, 0), "Name");
    EXPECT_EQ(g.ColumnHeaders().value(2), "Name");
    g.SetFixedRows(0);
    g.SetCellEx(3, 0, "data");
    g.Columns()[3]->SetHeader("Value");
    EXPECT_EQ(g.GetCellEx(3, 0), "data");
    EXPECT_EQ(g.Columns()[3]->Header(), "Value");
    EXPECT_EQ(g.ColumnHeaders().value(3), "Value");
}

TEST(ColumnGridDescription, HeaderListSetsTheHeadersItNames)
{
    TExColumnGrid g;
    g.SetColCount(3);
    g.Columns()[2]->SetHeaderField("keep");
    g.SetColumnHeaders(QStringList{"a", "b"});
    EXPECT_EQ(g.Columns()[0]->Header(), "a");
    EXPECT_EQ(g.Columns()[1]->Header(), "b");
    EXPECT_EQ(g.Columns()[2]->Header(), "keep");
}

TEST(ColumnGridDescription, DisplayNameWidthAndAssign)
{
    TExColumnGrid g;
    TGridColumnItem* item = g.Columns()[2];
    EXPECT_EQ(item->ColumnDisplayName(), "Column 2");
    item->Name = "ID";
    EXPECT_EQ(item->ColumnDisplayName(), "Col 2: ID");
    item->SetWidth(77);
    EXPECT_EQ(g.ColWidths(2), 77);
    g.SetColWidths(2, 81);
    EXPECT_EQ(item->Width(), 81);
    EXPECT_EQ(item->StoredWidth(), 81);  // user sizing is written back
    item->ColumnPopupType = cpNormalCellsLClick;
    item->PrintFontCustom = false;
    TGridColumnItem copy(nullptr);
    copy.Assign(*item);
    EXPECT_EQ(copy.Name, "ID");
    EXPECT_EQ(copy.StoredWidth(), 81);
    EXPECT_EQ(copy.ColumnPopupType, cpFixedCellsRClick);
    EXPECT_TRUE(copy.PrintFontCustom);
    EXPECT_EQ(g.GetColumnByName("ID"), item);
    EXPECT_EQ(g.GetColumnByName("id"), nullptr);
}

// ------------------------------------------------------------ the column answers first

TEST(ColumnGridAnswers, EachQuestionIsAnsweredByTheColumnBeforeTheFormsEvent)
{
    TExColumnGrid g;
    TGridColumnItem* item = g.Columns()[2];
    item->SetAlignment(taCenter);
    item->SetHeaderAlignment(taRightJustify);
    item->SetEditor(edComboList);
    item->ComboItems = QStringList{"on", "off"};
    item->SetPassword(true);
    item->SortStyle = ssNumeric;

    TAlignment seenAlign = taLeftJustify;
    g.OnGetAlignment = [&](QObject*, int, int, TAlignment& h, TVAlignment&) {
        seenAlign = h;
        h = taLeftJustify;
    };
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    g.GetAlignment(2, 3, ha, va);
    EXPECT_EQ(seenAlign, taCenter);
    EXPECT_EQ(ha, taLeftJustify);  // the form has the last word
    g.GetAlignment(2, 0, ha, va);
    EXPECT_EQ(seenAlign, taRightJustify);  // header rows take the header alignment

    TEditorType seenEditor = edNormal;
    g.OnGetEditorType = [&](QObject*, int, int, TEditorType& e) { seenEditor = e; };
    TEditorType editor = edNormal;
    g.GetCellEditor(2, 3, editor);
    EXPECT_EQ(seenEditor, edComboList);
    EXPECT_EQ(g.ComboItems(), (QStringList{"on", "off"}));
    item->SpinMin = -5;
    item->SpinMax = 50;
    item->SpinStep = 5;
    g.GetCellEditor(2, 3, editor);
    EXPECT_EQ(g.SpinEdit()->MinValue(), -5);
    EXPECT_EQ(g.SpinEdit()->MaxValue(), 50);
    EXPECT_EQ(g.SpinEdit()->Increment(), 5);

    bool seenPassword = false;
    g.OnIsPasswordCell = [&](QObject*, int, int, bool& p) { seenPassword = p; };
    bool password = false;
    g.IsPasswordCell(2, 3, password);
    EXPECT_TRUE(seenPassword);

    TSortStyle seenStyle = ssAutomatic;
    g.OnGetFormat = [&](QObject*, int, TSortStyle& s, QString&, QString&) { seenStyle = s; };
    TSortStyle style = ssAutomatic;
    QString prefix;
    QString suffix;
    g.GetColFormat(2, style, prefix, suffix);
    EXPECT_EQ(seenStyle, ssNumeric);

    EXPECT_TRUE(g.HasComboBox(2, 3));
    EXPECT_FALSE(g.HasComboBox(2, 0));
    EXPECT_FALSE(g.HasComboBox(1, 3));
}

TEST(ColumnGridAnswers, ReadOnlyColumnRefusesEditingUnlessTheFormAllowsIt)
{
    TExColumnGrid g;
    g.Columns()[1]->ReadOnly = true;
    bool canEdit = true;
    g.CanEditCell(1, 2, canEdit);
    EXPECT_FALSE(canEdit);
    canEdit = false;
    g.CanEditCell(2, 2, canEdit);
    EXPECT_TRUE(canEdit);
    g.SetReadOnly(2, 2, true);
    g.CanEditCell(2, 2, canEdit);
    EXPECT_FALSE(canEdit);  // the cell's own flag
    bool seen = true;
    g.OnCanEditCell = [&](QObject*, int, int, bool& c) {
        seen = c;
        c = true;
    };
    g.CanEditCell(1, 2, canEdit);
    EXPECT_FALSE(seen);
    EXPECT_TRUE(canEdit);
}

TEST(ColumnGridAnswers, ColumnColourUnlessTheCellHasItsOwnAndFixedColumnsTakeTheFixedColour)
{
    TExColumnGrid g;
    g.Columns()[1]->SetColor(0x00112233);
    g.Columns()[2]->SetColor(0x00112233);
    g.Columns()[2]->SetFixed(true);
    g.SetColors(1, 4, 0x00445566);
    auto brushOf = [&](int c, int r) {
        platform::TBrush brush;
        platform::TFont font;
        g.GetCellColor(c, r, 0, brush, font);
        return brush.Color;
    };
    EXPECT_EQ(brushOf(1, 3), 0x00112233u);
    EXPECT_EQ(brushOf(1, 4), 0x00445566u);
    EXPECT_EQ(brushOf(2, 3), g.FixedColor());
    bool fixed = false;
    g.IsFixedCell(2, 3, fixed);
    EXPECT_TRUE(fixed);
}

TEST(ColumnGridAnswers, HeaderRowsTakeTheHeaderFont)
{
    TExColumnGrid g;
    TCellFont header;
    header.Name = "Verdana";
    header.Size = 14;
    header.Style = fsBold;
    g.Columns()[1]->SetHeaderFont(header);
    platform::TBrush brush;
    platform::TFont font;
    g.GetCellColor(1, 0, 0, brush, font);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pointSize(), 14);
    g.GetCellColor(1, 2, 0, brush, font);
    EXPECT_FALSE(font.bold());
}

TEST(ColumnGridAnswers, FloatFormatOfAColumnStaysTheGridsAfterAnEditorQuestion)
{
    TExColumnGrid g;
    g.Columns()[2]->SetFloatFormat("%g");
    QString format;
    g.GetCellFloatFormat(1, 2, format);
    EXPECT_EQ(format, "%.2f");
    TEditorType editor = edNormal;
    g.GetCellEditor(2, 2, editor);
    g.GetCellFloatFormat(1, 2, format);
    EXPECT_EQ(format, "%g");
    g.SetCellEx(2, 3, "1.5");
    EXPECT_EQ(g.GetFormattedCell(2, 3), "1.5");
}

// ------------------------------------------------------------ data check boxes

TEST(ColumnGridCheckBoxes, DataCheckBoxColumnReadsItsOwnCheckTexts)
{
    TExColumnGrid g;
    TGridColumnItem* item = g.Columns()[1];
    item->SetEditor(edDataCheckBox);
    item->CheckTrue = "1";
    item->CheckFalse = "0";
    g.OnGetCheckTrue = [](QObject*, int, int, QString& v) { v = "Y"; };
    g.SetCellEx(1, 2, "1");
    g.SetCellEx(1, 3, "Y");
    EXPECT_EQ(g.GetCellType(1, 2), ctDataCheckBox);
    ASSERT_NE(g.GetCellGraphic(1, 2), nullptr);
    EXPECT_EQ(g.GetCellGraphic(1, 2)->CellType(), ctVirtCheckBox);
    bool state = false;
    EXPECT_TRUE(g.GetCheckBoxState(1, 2, state));
    EXPECT_TRUE(state);
    EXPECT_TRUE(g.GetCheckBoxState(1, 3, state));
    EXPECT_FALSE(state);  // "Y" is not this column's check text
    EXPECT_FALSE(g.HasCheckBox(1, 0));
    EXPECT_EQ(g.CellCheckTrue(1, 0), "Y");  // header cells get the grid's answer
    EXPECT_FALSE(g.HasCheckBox(2, 2));

    EXPECT_TRUE(g.ToggleCheckBox(1, 2));
    EXPECT_EQ(g.GetCellEx(1, 2), "0");
    EXPECT_TRUE(g.ToggleCheckBox(1, 3));
    EXPECT_EQ(g.GetCellEx(1, 3), "1");
    EXPECT_TRUE(g.SetCheckBoxState(1, 4, false));
    EXPECT_EQ(g.GetCellEx(1, 4), "0");
}

TEST(ColumnGridCheckBoxes, DataCheckBoxesOfHiddenRowsReadAndWriteTheirTexts)
{
    TExColumnGrid g;
    g.Columns()[1]->SetEditor(edDataCheckBox);
    for (int r = 1; r < g.RowCount(); ++r) g.SetCellEx(1, r, r % 2 == 0 ? "Y" : "N");
    g.HideRows(2, 3);
    // While rows are hidden the Boolean access takes all-rows indexes.
    EXPECT_TRUE(g.IsChecked(1, 2));
    EXPECT_FALSE(g.IsChecked(1, 3));
    EXPECT_TRUE(g.IsChecked(1, 4));
    EXPECT_TRUE(g.SetCheckBoxState(1, 3, true));
    EXPECT_TRUE(g.SetCheckBoxState(1, 4, false));
    g.RemoveRows(1, 1);  // all-rows 1 goes; the hidden rows move up
    g.UnHideRowsAll();
    EXPECT_EQ(g.GetCellEx(1, 1), "Y");
    EXPECT_EQ(g.GetCellEx(1, 2), "Y");
    EXPECT_EQ(g.GetCellEx(1, 3), "N");
}

TEST(ColumnGridCheckBoxes, SharedCheckBoxSurvivesRemovalAndClearing)
{
    TExColumnGrid g;
    g.Columns()[1]->SetEditor(edDataCheckBox);
    TCellGraphic* shared = g.GetCellGraphic(1, 2);
    ASSERT_NE(shared, nullptr);
    EXPECT_TRUE(g.RemoveCellGraphic(1, 2));
    EXPECT_EQ(g.GetCellGraphic(1, 2), shared);
    g.SetColors(1, 2, 0x00123456);
    g.SetCellEx(1, 2, "Y");
    g.ClearRect(1, 2, 1, 2);
    EXPECT_FALSE(g.HasCellProperties(1, 2));
    EXPECT_EQ(g.GetCellEx(1, 2), "");
    EXPECT_EQ(g.GetCellGraphic(1, 2), shared);
    EXPECT_EQ(shared->CellType(), ctVirtCheckBox);
}

// ------------------------------------------------------------ column chosen by storage column

TEST(ColumnGridHiddenColumns, SizeLimitsAndPopupsFollowTheStorageColumnShown)
{
    TExColumnGrid g;
    g.Columns()[2]->MaxSize = 300;
    g.Columns()[3]->MaxSize = 60;
    g.Columns()[3]->AutoMaxSize = 70;
    QMenu menu;
    g.Columns()[3]->ColumnPopup = &menu;
    g.Columns()[3]->ColumnPopupType = cpNormalCellsLClick;
    g.HideColumn(2);  // display column 2 now shows storage column 3
    int width = 200;
    g.DoUpdateColumnSize(2, width);
    EXPECT_EQ(width, 60);
    g.SetCellEx(3, 4, QString(60, QChar('W')));
    g.AutoSizeCol(2);
    EXPECT_EQ(g.ColWidths(2), 70);
    int popupCol = -1;
    g.OnColumnPopup = [&](QObject*, int c, int, QMenu*&) { popupCol = c; };
    EXPECT_EQ(g.ColumnPopupFor(platform::mbLeft, 2, 3), &menu);
    EXPECT_EQ(popupCol, 3);
    EXPECT_EQ(g.ColumnPopupFor(platform::mbRight, 2, 3), nullptr);
    EXPECT_EQ(g.ColumnPopupFor(platform::mbLeft, 2, 0), nullptr);  // fixed row: normal cells only
    EXPECT_EQ(g.ColumnPopupFor(platform::mbLeft, 1, 3), nullptr);
}

// ------------------------------------------------------------ organisation

TEST(ColumnGridOrganization, ResetOrganizationRestoresRecordedPositions)
{
    TExColumnGrid g;
    g.SetColCount(3);
    cgLabel(g);
    g.Columns()[0]->DefIdx = 2;
    g.Columns()[1]->DefIdx = 0;
    g.Columns()[2]->DefIdx = 1;
    EXPECT_TRUE(g.Columns().ResetOrganization());
    EXPECT_EQ(cgNames(g), (QStringList{"col1", "col2", "col0"}));
    EXPECT_EQ(g.GetCellEx(0, 1), "1,1");
}

TEST(ColumnGridOrganization, IndexesThatAreNoPermutationChangeNothing)
{
    const std::vector<std::vector<int>> cases = {{0, 0, 1}, {0, 1, 3}, {-1, 0, 1}};
    for (const auto& defIdx : cases) {
        TExColumnGrid g;
        g.SetColCount(3);
        cgLabel(g);
        for (int i = 0; i < 3; ++i) g.Columns()[i]->DefIdx = defIdx[size_t(i)];
        EXPECT_FALSE(g.Columns().ResetOrganization());
        EXPECT_EQ(cgNames(g), (QStringList{"col0", "col1", "col2"}));
    }
}

TEST(ColumnGridOrganization, ColumnPositionsRoundTripThroughAnIniFile)
{
    testing_support::TempFolder folder;
    const QString ini = folder.path() + "/grid.ini";
    {
        TExColumnGrid g;
        g.Columns().SetOrganization();
        g.MoveColumn(3, 1);
        g.SaveColumnPositions(ini, "Columns");
    }
    TExColumnGrid fresh;
    cgLabel(fresh);
    fresh.Columns().SetOrganization();
    ASSERT_TRUE(fresh.LoadColumnPositions(ini, "Columns"));
    EXPECT_EQ(cgNames(fresh), (QStringList{"col0", "col3", "col1", "col2", "col4"}));
    EXPECT_EQ(fresh.Columns()[1]->DefIdx, 3);
    EXPECT_EQ(fresh.GetCellEx(1, 2), "3,2");
}

TEST(ColumnGridOrganization, SavingPositionsKeepsTheRestOfTheFileByteForByte)
{
    // A Windows-1252 file (no byte-order mark): "Caf\xE9" is "Café" in it.
    testing_support::TempFolder folder;
    const QString ini = folder.write("grid.ini",
                                     "[Other]\r\nName=Caf\xE9\r\n\r\n"
                                     "[Columns]\r\nWidth=5\r\nCP0=4\r\nCP1=3\r\nCP2=2\r\nCP3=1\r\nCP4=0\r\n\r\n"
                                     "[Last]\r\nX=\xE9\r\n");
    TExColumnGrid g;
    g.Columns().SetOrganization();
    g.MoveColumn(3, 1);
    for (int save = 0; save < 2; ++save) {
        SCOPED_TRACE(save);
        ASSERT_TRUE(g.SaveColumnPositions(ini, "Columns"));
        EXPECT_EQ(folder.read("grid.ini"), QByteArray("[Other]\r\nName=Caf\xE9\r\n\r\n"
                                                      "[Columns]\r\nWidth=5\r\nCP0=0\r\nCP1=3\r\nCP2=1\r\nCP3=2\r\nCP4=4\r\n\r\n"
                                                      "[Last]\r\nX=\xE9\r\n"));
    }
}

TEST(ColumnGridOrganization, SavingPositionsReportsAFileItCannotWrite)
{
    testing_support::TempFolder folder;
    TExColumnGrid g;
    QString error;
    EXPECT_FALSE(g.SaveColumnPositions(folder.path() + "/no such folder/grid.ini", "Columns", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(g.SaveColumnPositions(folder.path(), "Columns")) << "a folder is no file";
}

TEST(ColumnGridOrganization, InvalidPositionFilesAreIgnored)
{
    testing_support::TempFolder folder;
    const std::vector<std::pair<const char*, QByteArray>> files = {
        {"key missing", "[Columns]\r\nCP0=0\r\nCP1=1\r\nCP2=2\r\nCP3=3\r\n"},
        {"value repeated", "[Columns]\r\nCP0=0\r\nCP1=1\r\nCP2=1\r\nCP3=3\r\nCP4=4\r\n"},
        {"value out of range", "[Columns]\r\nCP0=0\r\nCP1=1\r\nCP2=2\r\nCP3=3\r\nCP4=5\r\n"},
        {"not a number", "[Columns]\r\nCP0=0\r\nCP1=x\r\nCP2=2\r\nCP3=3\r\nCP4=4\r\n"},
        {"other section", "[Other]\r\nCP0=4\r\nCP1=3\r\nCP2=2\r\nCP3=1\r\nCP4=0\r\n"},
    };
    for (const auto& [name, content] : files) {
        SCOPED_TRACE(name);
        const QString ini = folder.path() + "/bad.ini";
        ASSERT_TRUE(platform::writeFileAtomically(ini, content));
        TExColumnGrid g;
        cgLabel(g);
        g.Columns().SetOrganization();
        EXPECT_FALSE(g.LoadColumnPositions(ini, "Columns"));
        EXPECT_EQ(cgNames(g), (QStringList{"col0", "col1", "col2", "col3", "col4"}));
    }
}

TEST(ColumnGridAnswers, MaskPrintLookAndScaling)
{
    TExColumnGrid g;
    TGridColumnItem* item = g.Columns()[2];
    item->EditMask = "000";
    EXPECT_EQ(g.GetEditMask(2, 3), "000");
    g.OnGetEditMask = [](QObject*, int, int, QString& v) { v = "AAA"; };
    EXPECT_EQ(g.GetEditMask(2, 3), "AAA");  // a mask of the grid's own wins

    item->PrintColor = 0x00ABCDEF;
    TCellFont print;
    print.Name = "Verdana";
    print.Size = 11;
    item->PrintFont = print;
    g.SetFontColors(2, 4, 0x000000FF);
    platform::TBrush brush;
    platform::TFont font;
    g.GetCellPrintColor(2, 5, 0, brush, font);
    EXPECT_EQ(brush.Color, 0x00ABCDEFu);
    EXPECT_EQ(font.pointSize(), 11);
    EXPECT_EQ(font.family(), "Verdana");
    g.GetCellPrintColor(2, 4, 0, brush, font);  // the cell's own look is printed too
    EXPECT_EQ(font.Color, 0x000000FFu);

    TCellFont cellFont = item->Font();
    cellFont.Size = 8;
    item->SetFont(cellFont);
    g.RescaleControl(120, 96);
    EXPECT_EQ(g.Columns()[2]->Font().Size, 10);
    EXPECT_EQ(g.Columns()[2]->HeaderFont().Size, (g.Font().Size * 120 * 2 + 96) / 192);
}

// ------------------------------------------------------------ painting

// The shared check boxes (a data check-box column, the row check box of
// column 0) are what the cell shows: the painter lays them out in place of
// the cell text.
TEST(ColumnGridPainting, SharedCheckBoxesAreLaidOutInPlaceOfTheText)
{
    TExColumnGrid g;
    g.SetColCount(3);
    g.SetRowCount(3);
    g.Columns()[1]->SetEditor(edDataCheckBox);
    g.SetCellEx(1, 1, "Y");
    g.MouseActions().SetHotmailRowSelect(true);
    struct Case {
        int col;
        TCellType kind;
    };
    for (const Case& c : {Case{1, ctVirtCheckBox}, Case{0, ctRowCheckBox}}) {
        TCellHAlign ha;
        TCellVAlign va;
        bool textShown = true;
        int h = 0, w = 0;
        const TCellGraphic* graphic = g.GetCellGraphicLayout(c.col, 1, ha, va, textShown, h, w);
        ASSERT_NE(graphic, nullptr) << "column " << c.col;
        EXPECT_EQ(graphic->CellType(), c.kind) << "column " << c.col;
        EXPECT_FALSE(textShown) << "column " << c.col;
    }
}
