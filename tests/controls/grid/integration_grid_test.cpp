#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/string_grid/editing/editing_test_support.h"
#include "controls/grid/text/grid_text_test_settings.h"
#include "controls/grid/string_grid/input/input_test_support.h"

// Each test file keeps its names in its own namespace (the tests are built in batches).
namespace grid::integration_grid_test {

using editing_testing::EditingGrid;
using platform::TRect;

// ------------------------------------------------------------ focus glow of an edit

bool GlowShown(const TExStringGrid& g) { return g.FocusWindow() != nullptr && g.FocusWindow()->isVisible(); }

TEST(IntegrationGlow, AnEditorOpenedWithTheHelperShowsTheGlowAndEscapeHidesIt)
{
    struct Case {
        const char* name;
        TEditorType kind;
        bool enabled;
    };
    const Case cases[] = {
        {"inline editor", edNormal, true},
        {"combo editor", edComboList, true},
        {"spin editor", edSpinEdit, true},
        {"helper off", edNormal, false},
        {"helper off, combo", edComboList, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditingGrid g;
        g.grid->FocusHelper().Enabled = c.enabled;
        g.grid->AddComboString(QStringLiteral("r2c2"));
        g.grid->OnGetEditorType = [&](QObject*, int, int, TEditorType& kind) { kind = c.kind; };
        ASSERT_TRUE(g.show());
        // Twice: the first edit makes the inline editor, the second finds it made.
        for (const int col : {2, 3}) {
            SCOPED_TRACE(col);
            g.open(col, 2);
            ASSERT_TRUE(g.grid->EditMode);
            EXPECT_EQ(GlowShown(*g.grid), c.enabled);
            if (c.enabled) {
                const TRect cell = g.grid->CellRect(col, 2);
                EXPECT_EQ(g.grid->FocusWindow()->size(), QSize(cell.Width() + 9, cell.Height() + 9));
                EXPECT_EQ(TExStringGrid::FocusWindowGrid(), g.grid);
            }
            g.key(Qt::Key_Escape);
            QApplication::processEvents();
            EXPECT_FALSE(GlowShown(*g.grid));
            EXPECT_EQ(TExStringGrid::FocusWindowGrid(), nullptr);
        }
    }
}

TEST(IntegrationGlow, AValidValueEndsTheGlowARefusedOneKeepsIt)
{
    EditingGrid g;
    g.grid->FocusHelper().Enabled = true;
    g.grid->OnCellValidate = [](QObject*, int, int, QString& value, bool& valid) { valid = value != "bad"; };
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    ASSERT_TRUE(GlowShown(*g.grid));
    EXPECT_FALSE(g.grid->ValidateCell(QStringLiteral("bad")));
    EXPECT_TRUE(GlowShown(*g.grid));
    g.open(2, 2);
    EXPECT_TRUE(g.grid->ValidateCell(QStringLiteral("good")));
    EXPECT_FALSE(GlowShown(*g.grid));
}

TEST(IntegrationGlow, ACellThatOpensNoEditorGetsNoGlow)
{
    for (const TEditorType kind : {edNone, edDataCheckBox}) {
        SCOPED_TRACE(int(kind));
        EditingGrid g;
        g.grid->FocusHelper().Enabled = true;
        g.grid->OnGetEditorType = [&](QObject*, int, int, TEditorType& k) { k = kind; };
        ASSERT_TRUE(g.show());
        g.open(2, 2);
        EXPECT_FALSE(GlowShown(*g.grid));
    }
}

// ------------------------------------------------------------ fixed cells under the mouse

// A shown grid with a gradient look whose hover, pressed and normal faces
// have colours of their own, driven by mouse messages on its viewport.
struct HoverGrid {
    input_test::GridUnderTest t{5, 6};
    TExStringGrid& g = *t.g;
    static constexpr TColor Hover = 0x0000FF00;
    static constexpr TColor Down = 0x00FF0000;

    HoverGrid()
    {
        g.HoverFixedCells = hfAll;
        paint::TFixedFaceColors& faces = g.FaceColors();
        faces.QVRGradientHoverFrom = faces.QVRGradientHoverTo = Hover;
        faces.QVRGradientHoverMirrorFrom = faces.QVRGradientHoverMirrorTo = Hover;
        faces.QVRGradientHoverBorder = clBlue;
        faces.QVRGradientDownFrom = faces.QVRGradientDownTo = Down;
        faces.QVRGradientDownMirrorFrom = faces.QVRGradientDownMirrorTo = Down;
        faces.QVRGradientDownBorder = clBlue;
        for (int c = 0; c < g.ColCount(); ++c) g.SetColWidths(c, 90);
    }
    void send(QEvent::Type type, QPoint p, Qt::MouseButton button)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent e(type, p, g.viewport()->mapToGlobal(p), button, held, Qt::NoModifier);
        QApplication::sendEvent(g.viewport(), &e);
    }
    void move(QPoint p) { send(QEvent::MouseMove, p, Qt::NoButton); }
    void press(QPoint p) { send(QEvent::MouseButtonPress, p, Qt::LeftButton); }
    void release(QPoint p) { send(QEvent::MouseButtonRelease, p, Qt::LeftButton); }
    void leave()
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(g.viewport(), &e);
    }
    // The face colour at a point dx pixels into a cell, dy pixels down (by
    // default clear of the cell's text and of the drop-down strip).
    TColor FaceAt(int col, int row, int dx = 60, int dy = 3)
    {
        QImage image(g.viewport()->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        g.PaintTo(painter, TRect(0, 0, image.width(), image.height()));
        painter.end();
        const TRect r = g.CellRect(col, row);
        return ColorFromQColor(image.pixelColor(r.Left + dx, r.Top + dy));
    }
};

TEST(IntegrationFixedHover, MouseMovesPressesAndLeavingLightTheFixedCells)
{
    HoverGrid h;
    const QPoint header = h.t.at(2, 0, 20, 8);
    h.move(header);
    EXPECT_EQ(h.g.HoverFixedX(), 2);
    EXPECT_EQ(h.g.HoverFixedY(), 0);
    EXPECT_EQ(h.FaceAt(2, 0), HoverGrid::Hover);
    EXPECT_NE(h.FaceAt(3, 0), HoverGrid::Hover);
    h.press(header);
    EXPECT_EQ(h.FaceAt(2, 0), HoverGrid::Down);
    h.release(header);
    EXPECT_EQ(h.FaceAt(2, 0), HoverGrid::Hover);
    // A row header lights the same way; the column header goes dark.
    h.move(h.t.at(0, 3, 20, 8));
    EXPECT_EQ(h.FaceAt(0, 3), HoverGrid::Hover);
    EXPECT_NE(h.FaceAt(2, 0), HoverGrid::Hover);
    // Over a normal cell no fixed cell is lit.
    h.move(h.t.at(2, 3));
    EXPECT_NE(h.FaceAt(0, 3), HoverGrid::Hover);
    // Leaving the grid switches the light off.
    h.move(header);
    h.leave();
    EXPECT_EQ(h.g.HoverFixedX(), -1);
    EXPECT_NE(h.FaceAt(2, 0), HoverGrid::Hover);
}

TEST(IntegrationFixedHover, HoverFixedCellsNoneKeepsEveryFaceDark)
{
    HoverGrid h;
    h.g.HoverFixedCells = hfNone;
    const QPoint header = h.t.at(2, 0, 20, 8);
    h.move(header);
    h.press(header);
    EXPECT_NE(h.FaceAt(2, 0), HoverGrid::Hover);
    EXPECT_NE(h.FaceAt(2, 0), HoverGrid::Down);
    h.release(header);
}

TEST(IntegrationFixedHover, ThePressedDropDownStripOfAFixedCell)
{
    HoverGrid h;
    h.g.ControlLook().FixedDropDownButton = true;
    const TRect cell = h.g.CellRect(2, 0);
    const int strip = cell.Width() - 4;  // inside the 16-pixel button strip, beside its arrow
    const QPoint onButton = h.t.at(2, 0, strip, 8);
    h.move(onButton);
    h.press(onButton);
    // The button part is pressed, the rest of the cell shows the hover face.
    EXPECT_EQ(h.FaceAt(2, 0, strip, 3), HoverGrid::Down);
    EXPECT_EQ(h.FaceAt(2, 0), HoverGrid::Hover);
    h.release(onButton);
    EXPECT_NE(h.FaceAt(2, 0, strip, 3), HoverGrid::Down);
    // A press beside the strip presses the rest of the cell instead.
    const QPoint beside = h.t.at(2, 0, 20, 8);
    h.move(beside);
    h.press(beside);
    EXPECT_EQ(h.FaceAt(2, 0), HoverGrid::Down);
    EXPECT_NE(h.FaceAt(2, 0, strip, 3), HoverGrid::Down);
    h.release(beside);
}

// ------------------------------------------------------------ which cells may be edited

// 6 columns, one fixed row and column, storage column 1 hidden: display
// columns 1, 2, 3, 4 show storage columns 2, 3, 4, 5.
struct HiddenColumnGrid {
    EditingGrid e;
    TExStringGrid& g = *e.grid;
    HiddenColumnGrid()
    {
        g.SetColCount(6);
        g.HideColumn(1);
    }
};

TEST(IntegrationEditable, CellChecksTakeDisplayColumnsWithAColumnHiddenBeforeThem)
{
    struct Case {
        const char* name;
        int displayCol;
        bool allows;
    };
    // The form declares display column 2 fixed.
    const Case cases[] = {
        {"left of the fixed column", 1, true},
        {"the declared fixed column", 2, false},
        {"right of it", 3, true},
        {"the fixed column of the grid", 0, false},
    };
    std::vector<int> asked;  // outlives the grid that reports into it
    HiddenColumnGrid h;
    h.g.OnIsFixedCell = [&](QObject*, int, int ACol, bool& fixed) {
        asked.push_back(ACol);
        fixed = ACol == 2;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        asked.clear();
        EXPECT_EQ(h.g.CellAllowsEditing(c.displayCol, 2), c.allows);
        EXPECT_EQ(h.g.IsEditable(h.g.RealColIndex(c.displayCol), 2), c.allows);
        for (const int col : asked) EXPECT_EQ(col, c.displayCol);  // the event sees display columns
    }
    // F2 opens an editor only where the cell allows it.
    ASSERT_TRUE(h.e.show());
    h.e.open(2, 2);
    EXPECT_FALSE(h.g.EditMode);
    h.e.open(3, 2);
    EXPECT_TRUE(h.g.EditMode);
}

TEST(IntegrationEditable, ColumnGridFixedDescriptionBehindAHiddenColumn)
{
    EditingGrid e;
    auto* g = new TExColumnGrid(e.form.window.get());
    g->setGeometry(0, 0, 540, 260);
    g->SetColCount(6);
    g->SetRowCount(4);
    g->SetOptions(g->Options() | platform::goEditing);
    g->Columns()[3]->SetFixed(true);  // shown as display column 2
    g->HideColumn(1);
    EXPECT_TRUE(g->CellAllowsEditing(1, 2));
    EXPECT_FALSE(g->CellAllowsEditing(2, 2));
    EXPECT_TRUE(g->CellAllowsEditing(3, 2));
    EXPECT_FALSE(g->IsEditable(3, 2));
    EXPECT_TRUE(g->IsEditable(4, 2));
}

TEST(IntegrationEditable, MergedCellsReadOnlyCellsAndTheEditingSwitch)
{
    std::vector<std::pair<int, int>> asked;  // outlive the grid that reports into them
    bool refuseBase = false;
    EditingGrid e;
    TExStringGrid& g = *e.grid;
    g.MergeCells(2, 2, 2, 2);  // base (2, 2) covers (3, 2), (2, 3), (3, 3)
    g.OnCanEditCell = [&](QObject*, int ARow, int ACol, bool& can) {
        asked.emplace_back(ACol, ARow);
        if (refuseBase && ACol == 2 && ARow == 2) can = false;
    };
    EXPECT_TRUE(g.CellAllowsEditing(3, 3));
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), std::make_pair(2, 2));  // a covered cell asks for its base cell
    refuseBase = true;
    EXPECT_FALSE(g.CellAllowsEditing(3, 3));
    EXPECT_FALSE(g.IsEditable(3, 3));
    EXPECT_TRUE(g.IsEditable(4, 3));
    // A footer row is fixed.
    g.SetFixedFooters(1);
    EXPECT_FALSE(g.CellAllowsEditing(1, g.RowCount() - 1));
    // With editing off the cell still allows it, the grid does not.
    g.SetOptions(g.Options() & ~platform::goEditing);
    EXPECT_TRUE(g.CellAllowsEditing(4, 1));
    EXPECT_FALSE(g.IsEditable(4, 1));
    g.MouseActions().RangeSelectAndEdit = true;
    EXPECT_TRUE(g.IsEditable(4, 1));
}

// ------------------------------------------------------------ the column grid on the string grid's hooks

TEST(IntegrationColumnGrid, FloatFormatEventAndLoadedReachTheColumnGridThroughTheStringGrid)
{
    grid_text_testing::FormatSettingsScope formats(u'.', u',');
    TExColumnGrid cg;
    TExStringGrid& g = cg;
    cg.Columns()[2]->SetFloatFormat("%.1f");
    cg.SetCellEx(2, 3, "1.26");
    cg.SetCellEx(2, 4, "abc");
    EXPECT_EQ(g.GetFormattedCell(2, 3), "1.3");
    // The string grid's event is the column grid's.
    int asked = 0;
    g.OnGetFloatFormat = [&](QObject*, int, int, bool& isFloat, QString& format) {
        ++asked;
        if (isFloat) format = "%.3f";
    };
    EXPECT_EQ(g.GetFormattedCell(2, 3), "1.260");
    EXPECT_EQ(g.GetFormattedCell(2, 4), "abc");
    EXPECT_EQ(asked, 2);
    // A text format never reads a number as something else.
    g.OnGetFloatFormat = [](QObject*, int, int, bool&, QString& format) { format = "%s"; };
    EXPECT_NO_THROW((void)g.GetFormattedCell(2, 3));

    // Loaded through the string grid renumbers the column descriptions.
    cg.Columns()[1]->DefIdx = 7;
    g.Loaded();
    EXPECT_EQ(cg.Columns()[1]->DefIdx, 1);
}

}  // namespace grid::integration_grid_test
