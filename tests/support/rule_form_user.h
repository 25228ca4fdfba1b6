#pragma once

// A user at a rule editor: clicks, keys and drop-down choices on the grid of
// the active page (shown column positions), through the widgets that have
// the focus.

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "controls/button/lb_button.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "editors/ethercat_mqtt/rule_editor/rule_editor_form.h"

namespace testing_support {

class RuleFormUser {
public:
    explicit RuleFormUser(rule_editor::TRuleEditorForm& form) : form_(form) {}

    grid::TExStringGrid& grid() const { return form_.table(form_.activeTable()).grid(); }

    void clickCell(int col, int row)
    {
        const platform::TRect r = grid().CellRect(col, row);
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        QApplication::processEvents();
    }
    static void key(Qt::Key k)
    {
        QTest::keyClick(QApplication::focusWidget(), k);
        QApplication::processEvents();
    }
    static void type(const QString& text)
    {
        for (const QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            QApplication::processEvents();
        }
    }
    // Types `text` into a cell and ends the edit with Enter.
    void typeInto(int col, int row, const QString& text)
    {
        clickCell(col, row);
        type(text);
        key(Qt::Key_Return);
    }
    // Opens the drop-down list of a cell and walks down to the item.
    void choose(int col, int row, int itemIndex)
    {
        clickCell(col, row);
        key(Qt::Key_F2);
        for (int i = 0; i < itemIndex; ++i)
            key(Qt::Key_Down);
        key(Qt::Key_Return);
    }
    void choosePage(int page)
    {
        QTabBar* bar = form_.PageControl1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(page).center());
        QApplication::processEvents();
    }
    static void press(button::TLbButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }

private:
    rule_editor::TRuleEditorForm& form_;
};

}  // namespace testing_support
