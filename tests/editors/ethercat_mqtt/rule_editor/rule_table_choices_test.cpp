// A rule table's drop-down items replaced after it was built (a list rebuilt
// at every showing): the next drop-down of the column offers them; a column
// that is no drop-down keeps none.

#include <gtest/gtest.h>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_table.h"

namespace rule_table_choices_tests {

using namespace rule_editor;

RuleTableLayout choiceTable(GridKind kind)
{
    return {QStringLiteral("Grid"),
            QString(),
            -1,
            kind,
            3,
            {RuleColumn{-1, 40, ColumnKind::RowNumber}, RuleColumn{-1, 60, ColumnKind::Text},
             RuleColumn{-1, 60, ColumnKind::Choice, clWindow, -1, {"a", "b"}},
             RuleColumn{-1, 60, ColumnKind::ChoiceOrText, clWindow, -1, {"x"}}},
            1};
}

TEST(RuleTableChoices, ReplacedItemsAreOfferedByTheNextDropDown)
{
    const QStringList positions = {"None", "0", "1", "2"};
    {
        grid::TExColumnGrid g;
        RuleTable table(g, choiceTable(GridKind::ColumnGrid));
        table.setChoiceItems(2, positions);
        table.setChoiceItems(3, {});
        table.setChoiceItems(1, positions);
        grid::TEditorType editor = grid::edNormal;
        g.GetCellEditor(2, 1, editor);
        EXPECT_EQ(editor, grid::edComboList);
        EXPECT_EQ(g.ComboItems(), positions);
        g.GetCellEditor(3, 2, editor);
        EXPECT_EQ(editor, grid::edComboEdit);
        EXPECT_TRUE(g.ComboItems().isEmpty());
        EXPECT_TRUE(table.choiceItems(1).isEmpty()) << "a text column takes no items";
        EXPECT_TRUE(g.Columns()[1]->ComboItems.isEmpty());
    }
    {
        grid::TExStringGrid g;
        RuleTable table(g, choiceTable(GridKind::StringGrid));
        table.setChoiceItems(2, positions);
        EXPECT_EQ(table.choiceItems(2), positions);
        EXPECT_EQ(table.choiceItems(3), QStringList{"x"});
    }
}

}  // namespace rule_table_choices_tests
