#pragma once

#include <memory>

#include <QApplication>
#include <QTest>

#include "controls/grid/editors/grid_cell_editors.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/editors/edit_test_support.h"

namespace editing_testing {

// A shown grid with editing on: 5 columns, 6 rows, one fixed row and
// column, data cells "r<row>c<col>"; the current cell is (1, 1).
struct EditingGrid {
    edit_testing::TestForm form{QSize(560, 320)};
    grid::TExStringGrid* grid = nullptr;

    EditingGrid() : EditingGrid(nullptr) {}
    // A grid of a derived class takes the place of the plain one; the form's
    // window becomes its parent and owner.
    explicit EditingGrid(grid::TExStringGrid* own)
    {
        grid = own != nullptr ? own : new grid::TExStringGrid(form.window.get());
        grid->setParent(form.window.get());
        grid->setGeometry(0, 0, 540, 260);
        grid->SetColCount(5);
        grid->SetRowCount(6);
        grid->SetOptions(grid->Options() | platform::goEditing);
        for (int r = 1; r < 6; ++r)
            for (int c = 1; c < 5; ++c) grid->SetCellEx(c, r, QStringLiteral("r%1c%2").arg(r).arg(c));
    }
    bool show() { return form.show(grid); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    // Keys go to the widget that has the focus, as a user's would.
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(focus(), k, mods); }
    void type(const QString& text)
    {
        for (QChar c : text) QTest::keyClick(focus(), c.toLatin1());
    }
    // Opens the editor in a cell as F2 does.
    void open(int col, int row)
    {
        grid->FocusCell(col, row);
        grid->setFocus();
        grid->ShowCellEdit();
        QApplication::processEvents();
    }
    grid::TExInplaceEdit* inplace() const { return grid->InplaceEdit(); }
    bool inlineOpen() const { return inplace() != nullptr && inplace()->isVisible(); }
};

}  // namespace editing_testing
