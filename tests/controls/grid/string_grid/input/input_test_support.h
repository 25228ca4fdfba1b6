#pragma once

// A shown string grid for the input tests: 6 columns by 12 rows with one
// fixed row and one fixed column, cells holding "c,r", keys and clicks sent
// through QTest under the offscreen platform.

#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "platform/input_state.h"

namespace input_test {

struct GridUnderTest {
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    grid::TExStringGrid* g = nullptr;

    explicit GridUnderTest(int cols = 6, int rows = 12)
    {
        form->resize(640, 480);
        g = new grid::TExStringGrid(form.get());
        g->SetColCount(cols);
        g->SetRowCount(rows);
        g->setGeometry(0, 0, 600, 300);
        for (int r = 0; r < g->RowCount(); ++r)
            for (int c = 0; c < g->ColCount(); ++c) g->SetCellEx(c, r, QString("%1,%2").arg(c).arg(r));
        form->show();
        form->activateWindow();
        QApplication::processEvents();
        g->setFocus();
    }
    ~GridUnderTest() { platform::clearKeyboardStateOverride(); }

    void key(int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(g, Qt::Key(qtKey), mods); }
    void type(const QString& text) { QTest::keyClicks(g, text); }
    // A point inside a display cell, dx/dy pixels from its top-left corner.
    QPoint at(int col, int row, int dx = 6, int dy = 6) const
    {
        const platform::TRect r = g->CellRect(col, row);
        return QPoint(r.Left + dx, r.Top + dy);
    }
    void click(int col, int row, Qt::KeyboardModifiers mods = Qt::NoModifier, int dx = 6, int dy = 6)
    {
        QTest::mouseClick(g->viewport(), Qt::LeftButton, mods, at(col, row, dx, dy));
    }
    void goTo(int col, int row)
    {
        g->SetSelection({col, row, col, row});
    }
    QPoint cell() const { return QPoint(g->Col(), g->Row()); }
    QString editorText() const
    {
        auto* edit = qobject_cast<QLineEdit*>(g->InplaceEditor());
        return edit != nullptr ? edit->text() : QString();
    }
};

}  // namespace input_test
