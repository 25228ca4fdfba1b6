#include <stdexcept>

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

// ------------------------------------------------------------ check boxes

TEST(CellCheckBoxes, CheckBoxColumnSkipsTheHeaderAndReadsItsState)
{
    TExStringGrid g;
    g.AddCheckBoxColumn(1, false, false);
    EXPECT_EQ(g.GetCellType(1, 0), ctEmpty);
    for (int r = 1; r < 10; ++r) EXPECT_EQ(g.GetCellType(1, r), ctCheckBox) << r;
    bool state = true;
    EXPECT_FALSE(g.GetCheckBoxState(1, 0, state));
    EXPECT_TRUE(g.GetCheckBoxState(1, 5, state));
    EXPECT_FALSE(state);

    int events = 0;
    bool eventState = true;
    g.OnCheckBoxChange = [&](QObject*, int, int, bool s) {
        ++events;
        eventState = s;
    };
    EXPECT_TRUE(g.SetCheckBoxState(1, 5, true));
    EXPECT_TRUE(g.IsChecked(1, 5));
    EXPECT_EQ(events, 0);
    EXPECT_TRUE(g.ToggleCheckBox(1, 5));
    EXPECT_EQ(events, 1);
    EXPECT_FALSE(eventState);
    EXPECT_FALSE(g.IsChecked(1, 5));

    g.RemoveCheckBoxColumn(1);
    EXPECT_FALSE(g.HasCheckBox(1, 5));
}

TEST(CellCheckBoxes, DataCheckBoxShowsWhatTheCellHolds)
{
    TExStringGrid g;
    g.SetCellEx(1, 1, "maybe");
    g.SetCellEx(1, 2, "maybe");
    g.SetCellEx(1, 3, "N");
    g.AddCheckBox(1, 1, true, true);
    g.AddCheckBox(1, 2, false, true);
    g.AddCheckBox(1, 3, true, true);
    EXPECT_EQ(g.GetCellEx(1, 1), "Y");
    EXPECT_EQ(g.GetCellEx(1, 2), "N");
    EXPECT_EQ(g.GetCellEx(1, 3), "N");
    EXPECT_FALSE(g.IsChecked(1, 3));
    EXPECT_TRUE(g.HasDataCheckBox(1, 3));
    g.SetCellEx(1, 3, "x");
    EXPECT_TRUE(g.ToggleCheckBox(1, 3));
    EXPECT_EQ(g.GetCellEx(1, 3), "Y");
    EXPECT_TRUE(g.ToggleCheckBox(1, 3));
    EXPECT_EQ(g.GetCellEx(1, 3), "N");
    TCheckBoxState tri = cbGrayed;
    g.SetCellEx(1, 1, "y");
    EXPECT_TRUE(g.GetCheckBoxState(1, 1, tri));
    EXPECT_EQ(tri, cbUnchecked);
}

TEST(CellCheckBoxes, AddingOutsideTheStoreRaisesInvalidCellAndChangesNothing)
{
    TExStringGrid g;
    g.HideColumn(2);
    struct Case {
        int col;
        int row;
    };
    const Case cases[] = {{5, 1}, {-1, 1}, {1, -1}, {1, 10}, {-3, -3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1,%2").arg(c.col).arg(c.row).toStdString());
        try {
            g.AddCheckBox(c.col, c.row, true, false);
            ADD_FAILURE() << "no exception";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Invalid cell");
        }
        EXPECT_THROW(g.AddRadioButton(c.col, c.row, true), std::runtime_error);
        EXPECT_THROW(g.AddCheckBox(c.col, c.row, cbChecked), std::runtime_error);
    }
    EXPECT_EQ(g.Cells().PropertiesCount(), 0);
    EXPECT_NO_THROW(g.AddCheckBox(4, 9, true, false));  // the hidden column's last cell
}

TEST(CellCheckBoxes, TriStateBoxCyclesAndIsNoBooleanBox)
{
    TExStringGrid g;
    g.AddTriStateCheckBoxColumn(2, cbGrayed);
    EXPECT_EQ(g.GetCellType(2, 0), ctEmpty);
    ASSERT_TRUE(g.SetCheckBoxState(2, 3, cbUnchecked));
    std::vector<TCheckBoxState> seen;
    for (int i = 0; i < 3; ++i) {
        g.ToggleCheckBox(2, 3);
        TCheckBoxState s = cbUnchecked;
        g.GetCheckBoxState(2, 3, s);
        seen.push_back(s);
    }
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
    bool state = true;
    EXPECT_FALSE(g.GetCheckBoxState(2, 3, state));
    EXPECT_FALSE(g.SetCheckBoxState(1, 3, cbChecked));
}

TEST(CellCheckBoxes, RadioColumnKeepsOneRowCheckedOnUserToggles)
{
    TExStringGrid g;
    g.AddRadioButtonColumn(2);
    g.SetRadioButtonColumnIndex(2, 4);
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), 4);
    g.ControlLook().CheckAlwaysActive = true;
    EXPECT_TRUE(g.ToggleRadio(2, 6, true));
    EXPECT_TRUE(g.IsRadioButtonChecked(2, 6));
    EXPECT_FALSE(g.IsRadioButtonChecked(2, 4));
    EXPECT_TRUE(g.SetRadioButtonState(2, 7, true));
    EXPECT_TRUE(g.IsRadioButtonChecked(2, 6));
    EXPECT_FALSE(g.SetRadioButtonState(1, 7, true));
    g.RemoveRadioButtonColumn(2);
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), -1);
}

TEST(CellCheckBoxes, HitTestAndRoomOfACheckBox)
{
    TExStringGrid g;
    g.AddCheckBox(1, 2, false, false);
    EXPECT_TRUE(g.IsInCheckBox(1, 2, 0, 0));
    EXPECT_FALSE(g.IsInCheckBox(1, 3, 0, 0));
    g.SetCellEx(1, 2, "some text");
    EXPECT_EQ(g.GetCellGraphicSize(1, 2), QPoint(g.ControlLook().CheckSize(), g.ControlLook().CheckSize()));
    EXPECT_EQ(g.GetCellGraphicSize(1, 3), QPoint(0, 0));
}

// ------------------------------------------------------------ graphic bookkeeping

TEST(CellGraphicBookkeeping, AttachingKeepsTheTextAndRemovingFreesOnlyOwnGraphics)
{
    TExStringGrid g;
    g.SetCellEx(2, 2, "kept");
    ASSERT_NE(g.CreateCellGraphic(2, 2), nullptr);
    ASSERT_NE(g.CreateCellGraphic(2, 3), nullptr);
    EXPECT_EQ(g.GetCellEx(2, 2), "kept");
    EXPECT_EQ(g.GetCellEx(2, 3), "");
    EXPECT_EQ(g.GetCellType(2, 2), ctNone);
    EXPECT_TRUE(g.RemoveCellGraphic(2, 2));
    EXPECT_FALSE(g.RemoveCellGraphic(2, 2));
    EXPECT_EQ(g.GetCellType(2, 2), ctEmpty);
    EXPECT_EQ(g.GetCellType(-1, 2), ctEmpty);
}

TEST(CellGraphicBookkeeping, RotatedAnglesStayWithinAFullTurn)
{
    TExStringGrid g;
    const std::pair<int16_t, int> cases[] = {{-90, 270}, {450, 90}, {360, 360}};
    for (const auto& [given, stored] : cases) {
        g.SetRotated(1, 1, given);
        int angle = -1;
        EXPECT_TRUE(g.IsRotated(1, 1, angle));
        EXPECT_EQ(angle, stored) << given;
    }
    g.RemoveRotated(1, 1);
    int angle = 0;
    EXPECT_FALSE(g.IsRotated(1, 1, angle));
}

TEST(CellGraphicBookkeeping, RowCheckBoxAnswersForColumnZero)
{
    TExStringGrid g;
    g.MouseActions().SetDisjunctRowSelect(true);
    g.MouseActions().SetHotmailRowSelect(true);
    for (int r = 0; r < g.RowCount(); ++r) EXPECT_EQ(g.GetCellType(0, r), ctRowCheckBox) << r;
    for (int r = 1; r <= 4; ++r) g.SetRowSelect(r, true);
    const TCellGraphic* header = g.GetCellGraphic(0, 0);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->CellAngle(), 1);  // partly checked
    EXPECT_FALSE(header->CellBoolean());
    for (int r = 5; r < g.RowCount(); ++r) g.SetRowSelect(r, true);
    header = g.GetCellGraphic(0, 0);
    EXPECT_EQ(header->CellAngle(), 0);
    EXPECT_TRUE(header->CellBoolean());
    EXPECT_TRUE(g.IsChecked(0, 3));
    EXPECT_TRUE(g.RemoveCellGraphic(0, 3));  // the shared box is not freed
    EXPECT_EQ(g.GetCellType(0, 3), ctRowCheckBox);
}

// ------------------------------------------------------------ states through structure changes

TEST(CellCheckBoxStructure, StatesMoveWithTheirRowsThroughInsertsDeletesAndHiddenRows)
{
    TExStringGrid g;
    g.AddCheckBoxColumn(1, false, false);
    g.AddRadioButtonColumn(2);
    g.SetCheckBoxState(1, 3, true);
    g.SetRadioButtonColumnIndex(2, 5);

    g.InsertRows(2, 1);
    EXPECT_EQ(g.RowCount(), 11);
    EXPECT_FALSE(g.HasCheckBox(1, 2));  // the new row is empty
    EXPECT_TRUE(g.IsChecked(1, 4));
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), 6);

    g.RemoveRows(1, 2);
    EXPECT_EQ(g.RowCount(), 9);
    EXPECT_TRUE(g.IsChecked(1, 2));
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), 4);

    // A hidden row keeps its box; the Boolean access takes its all-rows index.
    g.HideRow(2);
    EXPECT_TRUE(g.IsChecked(1, 2));
    EXPECT_TRUE(g.SetCheckBoxState(1, 2, false));
    EXPECT_TRUE(g.SetCheckBoxState(1, 5, true));  // all-rows 5 is display row 4
    g.RemoveRows(1, 1);                           // the hidden row moves up with its neighbours
    EXPECT_TRUE(g.IsHiddenRow(1));
    g.UnHideRowsAll();
    EXPECT_FALSE(g.IsChecked(1, 1));
    EXPECT_TRUE(g.IsChecked(1, 4));
    EXPECT_EQ(g.GetRadioButtonColumnIndex(2), 3);
}

TEST(CellCheckBoxStructure, RemoveCheckedRowsRemovesExactlyTheCheckedOnes)
{
    TExStringGrid g;
    g.AddCheckBoxColumn(2, false, false);
    for (int r = 1; r < g.RowCount(); ++r) g.SetCellEx(1, r, QString::number(r));
    g.SetCheckBoxState(2, 2, true);
    g.SetCheckBoxState(2, 5, true);
    g.RemoveCheckedRows(2, true);
    EXPECT_EQ(g.RowCount(), 8);
    QStringList left;
    for (int r = 1; r < g.RowCount(); ++r) left << g.GetCellEx(1, r);
    EXPECT_EQ(left, (QStringList{"1", "3", "4", "6", "7", "8", "9"}));
}

TEST(CellGraphicBookkeeping, LinksInTheDisplayTextFollowTheFixedSchemeOrder)
{
    TExStringGrid g;
    const QString text = "see https://a.example and www.b.example";
    QString shown = text;
    g.GetDisplText(1, 1, shown);
    EXPECT_EQ(shown, text);  // off by default
    g.URLShowInText = true;
    shown = text;
    g.GetDisplText(1, 1, shown);
    EXPECT_TRUE(shown.contains("<A href=\"www.b.example\">", Qt::CaseInsensitive)) << shown.toStdString();
    EXPECT_FALSE(shown.contains("href=\"https://a.example\"", Qt::CaseInsensitive)) << shown.toStdString();
}

TEST(CellCheckBoxes, PreciseHitTestFindsTheBoxInsideTheCell)
{
    TExStringGrid g;
    g.AddCheckBox(1, 2, false, false);
    g.MouseActions().PreciseCheckBoxCheck = true;
    const platform::TRect cell = g.CellRect(1, 2);
    const int size = g.ControlLook().CheckSize();
    struct Case {
        int dx, dy;
        bool inside;
    };
    // Left-aligned cell, box at the top: it starts 2 pixels in.
    const Case cases[] = {{2, 2, true}, {1 + size, 1 + size, true}, {2 + size, 3, false}, {3, 2 + size, false}, {1, 3, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1,%2").arg(c.dx).arg(c.dy).toStdString());
        EXPECT_EQ(g.IsInCheckBox(1, 2, cell.Left + c.dx, cell.Top + c.dy), c.inside);
    }
}

TEST(CellGraphicBookkeeping, RadioGroupTakesRoomForItsItems)
{
    TExStringGrid g;
    TCellGraphic* graphic = g.CreateCellGraphic(1, 1);
    ASSERT_NE(graphic, nullptr);
    graphic->SetCellType(ctRadio);
    QStringList items{"one", "three"};
    graphic->SetCellBitmap(&items);
    const QFontMetrics metrics(ToCanvasFont(g.Font()));
    const int line = metrics.boundingRect("gh").height();
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), QPoint(12 + metrics.horizontalAdvance("three"), std::max(16, line) * 2));
    graphic->SetCellBoolean(true);  // horizontal group
    EXPECT_EQ(g.GetCellGraphicSize(1, 1),
              QPoint(metrics.horizontalAdvance("one") + 12 + metrics.horizontalAdvance("three") + 12, line));
    g.RemoveCellGraphic(1, 1);
}
