// Choices an editor makes per showing or per form on the frame: a table's
// limit, its key column, hidden columns and headers set when a showing
// starts; a form without the clipboard buttons; a table with its own
// "Error row " text.

#include "controls/button/lb_button.h"
#include "test_rules_form.h"

namespace rule_frame_showing_choices_tests {

using namespace rule_editor_testing;
using platform::MessageKind;
using platform::MessageResult;

const GridKind kBothKinds[] = {GridKind::StringGrid, GridKind::ColumnGrid};

const char* kindName(GridKind kind) { return kind == GridKind::StringGrid ? "string grid" : "column grid"; }

QStringList row(const TestRulesForm& form, int r, int table = 0) { return form.table(table).rowTexts(r); }

TEST_F(RuleFrameTest, ALimitChosenWhenShowingSizesTheTableAndTheReportOfSurplusRows)
{
    QStringList rows;
    for (int i = 1; i <= 7; ++i)
        rows << QStringLiteral("Y,k%1,%1,,").arg(i);
    const QString surplus = QStringLiteral("The file ") + path()
                            + " holds %1 rows more than the table \"Test Rules\" can show: they are not shown, and "
                              "OK would remove them from the file.";
    for (GridKind kind : kBothKinds) {
        SCOPED_TRACE(kindName(kind));
        writeFile(testFile(rows));
        dialogs.reset();
        auto form = makeForm(kind, 1, 4);
        int limit = 6;
        form->onPrepareShow = [&limit](TestRulesForm& f) { f.table(0).setDataRows(limit); };
        RuleTable& t = form->table(0);

        show(*form);
        EXPECT_EQ(t.dataRows(), 6);
        EXPECT_EQ(t.grid().RowCount(), 7);
        EXPECT_EQ(dialogs.texts(), QStringList{surplus.arg(1)});
        EXPECT_EQ(row(*form, 6), (QStringList{"Y", "k6", "6", "6", ""}));
        EXPECT_EQ(t.grid().GetCellEx(0, 6), QStringLiteral("6"));
        // The rows the table gained are formatted as the others: the
        // computed column locked and, in a string grid, a check box in the
        // Enable cell and the column's colour.
        EXPECT_TRUE(t.grid().ReadOnly(4, 6));
        if (kind == GridKind::StringGrid) {
            bool state = false;
            EXPECT_TRUE(t.grid().GetCheckBoxState(1, 6, state));
            EXPECT_EQ(t.grid().Colors(2, 6), column_colors::Key);
        }
        form->close();

        limit = 3;
        dialogs.reset();
        show(*form);
        EXPECT_EQ(t.grid().RowCount(), 4);
        EXPECT_EQ(dialogs.texts(), QStringList{surplus.arg(4)});
        EXPECT_EQ(t.savedRowCount(), 3);
        form->Btn_OKClick();
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(fileBytes().contains("k3"));
        EXPECT_FALSE(fileBytes().contains("k4"));
    }
}

TEST_F(RuleFrameTest, AKeyColumnHiddenColumnsAndHeadersChosenWhenShowingTakeEffectAtTheReset)
{
    writeFile(testFile({"Y,k1,1,,", "Y,,2,,", "Y,k3,,,"}));
    auto form = makeForm(GridKind::ColumnGrid);
    bool byValue = true;
    form->onPrepareShow = [&byValue](TestRulesForm& f) {
        RuleTable& t = f.table(0);
        t.setKeyColumn(byValue ? 3 : 2);
        t.setColumnHidden(2, byValue);
        t.setHeaderId(5, byValue ? test_texts::SheetA : test_texts::Headers + 5);
    };
    auto* grid = form->table(0).columnGrid();

    show(*form);
    EXPECT_TRUE(grid->IsHiddenColumn(2));
    EXPECT_EQ(grid->Columns()[5]->Header(), QStringLiteral("Page A"));
    EXPECT_EQ(form->table(0).savedRowCount(), 2);
    // The question about rows after the list names the key column.
    dialogs.answer(MessageResult::No);
    form->Btn_OKClick();
    EXPECT_EQ(dialogs.texts(), QStringList{"The list of \"Test Rules\" ends at row 3, whose \"Value\" cell is empty: 1 "
                                           "rows holding data from there on will not be saved. Do you want to save "
                                           "anyway?"});
    EXPECT_TRUE(form->isVisible());
    form->close();

    byValue = false;
    dialogs.reset();
    show(*form);
    EXPECT_FALSE(grid->IsHiddenColumn(2));
    EXPECT_EQ(grid->Columns()[5]->Header(), QStringLiteral("Note"));
    EXPECT_EQ(form->table(0).savedRowCount(), 1);
    // A language change keeps the header chosen.
    app::textTable().Lang_Texts[test_texts::Headers + 5] = QStringLiteral("Notiz");
    form->Set_Lang();
    EXPECT_EQ(grid->Columns()[5]->Header(), QStringLiteral("Notiz"));
}

TEST_F(RuleFrameTest, WithoutTheClipboardButtonsTheFormsButtonsFollowInsertRowAndATableMayNameItsOwnFailures)
{
    constexpr int kPageBErrorRow = test_texts::SameKey + 1;
    app::textTable().Lang_Texts[kPageBErrorRow] = QStringLiteral("Error in page B, row ");
    RuleEditorLayout layout = testLayout(GridKind::ColumnGrid, 2, 6, false);
    layout.rowClipboardButtons = false;
    layout.tables[1].errorRowId = kPageBErrorRow;
    TestRulesForm form(path(), layout);
    EXPECT_EQ(form.Btn_CopyRow, nullptr);
    EXPECT_EQ(form.Btn_PasteRow, nullptr);
    EXPECT_EQ(form.P_Button->findChildren<button::TLbButton*>().size(), 4u);
    EXPECT_EQ(form.Btn_InsRow->geometry(), QRect(16 + 118 * 3, 6, 110, 28));
    const button::TLbButton* own = form.addButton(QStringLiteral("Btn_Own"), QStringLiteral("Own"));
    EXPECT_EQ(own->geometry(), QRect(16 + 118 * 4, 6, 110, 28));
    form.Set_Lang();
    EXPECT_EQ(form.Btn_InsRow->Caption(), QStringLiteral("Insert Row"));

    show(form);
    form.table(0).setRowTexts(1, {"Y", "a1", "x", "", ""});
    form.Btn_OKClick();
    form.table(0).setRowTexts(1, {"Y", "a1", "1", "", ""});
    form.table(1).setRowTexts(1, {"Y", "b1", "x", "", ""});
    form.Btn_OKClick();
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"Error row 1!! Value must be a number", "Error in page B, row 1!! Value must be a number"}));
    EXPECT_TRUE(form.isVisible());
}

}  // namespace rule_frame_showing_choices_tests
