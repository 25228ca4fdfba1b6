#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "controls/grid/editors/grid_cell_editors.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "controls/grid/editors/edit_test_support.h"

using namespace grid;

// A rule table as the rule editors build it: Enable (data check box),
// Name (text), Type (list), Position (read-only), with editing left off in
// the design: the grid switches it on and off as the cursor moves.
TEST(EditingColumnGrid, RuleTableEditsTextListAndCheckBoxColumns)
{
    edit_testing::TestForm form(QSize(560, 300));
    auto* g = new TExColumnGrid(form.window.get());
    g->setGeometry(0, 0, 540, 240);
    g->SetColCount(5);
    g->SetRowCount(5);
    g->SetOptions(g->Options() & ~platform::goEditing);
    g->Columns()[1]->SetEditor(edDataCheckBox);
    g->Columns()[2]->SetEditor(edNormal);
    g->Columns()[3]->SetEditor(edComboList);
    g->Columns()[3]->ComboItems = QStringList{QStringLiteral("BOOL"), QStringLiteral("INT"), QStringLiteral("REAL")};
    g->Columns()[4]->ReadOnly = true;
    for (int r = 1; r < 5; ++r) {
        g->SetCellEx(1, r, QStringLiteral("N"));
        g->SetCellEx(3, r, QStringLiteral("INT"));
        g->SetCellEx(4, r, QString::number(r * 8));
    }
    std::vector<std::tuple<int, int, int, QString>> comboChanges;
    g->OnComboChange = [&](QObject*, int col, int row, int index, const QString& text) {
        comboChanges.emplace_back(col, row, index, text);
    };
    int cellDone = 0;
    g->OnEditCellDone = [&](QObject*, int, int) { ++cellDone; };
    ASSERT_TRUE(form.show(g));
    auto key = [&](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    // Each character goes to the widget that has the focus at that moment.
    auto type = [&](const QString& text) {
        for (QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    };

    // Data check box: Space turns the text "N" into "Y"; no editor opens.
    g->setFocus();
    ASSERT_EQ(g->Col(), 1);
    key(Qt::Key_Space);
    EXPECT_EQ(g->GetCellEx(1, 1), QStringLiteral("Y"));
    EXPECT_EQ(g->InplaceEdit() == nullptr || !g->InplaceEdit()->isVisible(), true);

    // Text column: entering it switches editing on; typing opens the inline editor.
    key(Qt::Key_Right);
    ASSERT_EQ(g->Col(), 2);
    EXPECT_TRUE(g->Options() & platform::goEditing);
    type(QStringLiteral("Temp"));
    ASSERT_NE(g->InplaceEdit(), nullptr);
    EXPECT_TRUE(g->InplaceEdit()->isVisible());
    key(Qt::Key_Return);
    EXPECT_EQ(g->GetCellEx(2, 1), QStringLiteral("Temp"));
    QApplication::processEvents();
    EXPECT_EQ(cellDone, 1);

    // List column: F2 opens the combo on the cell's item; Down picks the next.
    g->setFocus();
    key(Qt::Key_Right);
    ASSERT_EQ(g->Col(), 3);
    key(Qt::Key_F2);
    ASSERT_TRUE(g->EditCombo()->isVisible());
    EXPECT_EQ(g->EditCombo()->Text(), QStringLiteral("INT"));
    EXPECT_EQ(g->EditCombo()->Items().Count(), 3);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_EQ(g->GetCellEx(3, 1), QStringLiteral("REAL"));
    ASSERT_FALSE(comboChanges.empty());
    EXPECT_EQ(comboChanges.back(), std::make_tuple(3, 1, 2, QStringLiteral("REAL")));

    // Read-only column: editing goes off, F2 opens nothing and typing changes nothing.
    g->setFocus();
    key(Qt::Key_Right);
    ASSERT_EQ(g->Col(), 4);
    EXPECT_FALSE(g->Options() & platform::goEditing);
    key(Qt::Key_F2);
    type(QStringLiteral("9"));
    EXPECT_EQ(g->GetCellEx(4, 1), QStringLiteral("8"));
    EXPECT_FALSE(g->EditMode);
}
