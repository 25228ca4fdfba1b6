// A rule table that grows and shrinks with its content: the rows that
// remain keep their cells, rows that come back come empty, numbered, with
// the column's locks, however they were filled before.

#include <QApplication>
#include <gtest/gtest.h>

#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_table.h"

namespace rule_table_tests {

using rule_editor::ColumnKind;
using rule_editor::RuleColumn;

TEST(RuleTable, AGrowingTableKeepsItsRowsAndGivesNewRowsEmpty)
{
    grid::TExColumnGrid g;
    rule_editor::RuleTable table(g, {QStringLiteral("ECG"),
                                     QString(),
                                     -1,
                                     rule_editor::GridKind::ColumnGrid,
                                     1,
                                     {RuleColumn{-1, 30, ColumnKind::RowNumber}, RuleColumn{-1, 60, ColumnKind::Text},
                                      RuleColumn{-1, 60, ColumnKind::Computed}},
                                     1});
    EXPECT_EQ(g.RowCount(), 2);
    table.setDataRows(3);
    EXPECT_EQ(table.dataRows(), 3);
    EXPECT_EQ(g.RowCount(), 4);
    for (int r = 1; r <= 3; ++r) {
        table.setRowTexts(r, {QStringLiteral("k%1").arg(r), QStringLiteral("v%1").arg(r)});
        g.SetCellEx(0, r, QString::number(r));
        g.SetReadOnly(1, r, true);
    }
    table.setDataRows(1);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(table.rowTexts(1), (QStringList{"k1", "v1"}));
    // Rows 2 and 3 come back empty, their typed column editable again.
    table.setDataRows(3);
    for (int r = 2; r <= 3; ++r) {
        EXPECT_EQ(table.rowTexts(r), (QStringList{"", ""}));
        EXPECT_EQ(g.GetCellEx(0, r), QString::number(r));
        EXPECT_FALSE(g.ReadOnly(1, r));
        EXPECT_TRUE(g.ReadOnly(2, r));
    }
    EXPECT_TRUE(g.ReadOnly(1, 1)) << "a row that stayed keeps its locks";
    table.setDataRows(0);
    EXPECT_EQ(g.RowCount(), 2) << "one data row at least";
}

}  // namespace rule_table_tests
