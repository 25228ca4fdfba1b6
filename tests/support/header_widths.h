#pragma once

// Whether every shown column of a rule editor's tables shows its header
// whole, in the header font the grid draws with (bold), with a margin on
// both sides: a header that does not fit wraps and shows its first word
// only ("Num" for both "Num Input" and "Num Output").

#include <QFontMetrics>
#include <gtest/gtest.h>

#include "controls/grid/base/base_grid.h"
#include "controls/grid/column_grid/ex_column_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"

namespace testing_support {

inline void expectWholeHeaders(rule_editor::TRuleEditorForm& form)
{
    for (int t = 0; t < form.tableCount(); ++t) {
        grid::TExColumnGrid& g = *form.table(t).columnGrid();
        for (int c = 0; c < g.ColCount(); ++c) {
            const QFontMetrics metrics(grid::ToCanvasFont(g.Columns()[c]->HeaderFont()));
            const QString header = g.GetCellEx(c, 0);
            EXPECT_LE(metrics.horizontalAdvance(header) + 8, g.ColWidths(c))
                << form.objectName().toStdString() << " table " << t << " column " << c << " \""
                << header.toStdString() << "\"";
        }
    }
}

}  // namespace testing_support
