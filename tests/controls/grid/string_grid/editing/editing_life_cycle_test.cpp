#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "controls/grid/editors/grid_date_editors.h"
#include "controls/grid/string_grid/editing/editing_test_support.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;
using editing_testing::EditingGrid;

// ------------------------------------------------------------ which editor a cell gets

TEST(EditingChoice, GridDefaultColumnRuleAndEventChooseTheEditor)
{
    struct Case {
        const char* name;
        TEditorType defaultEditor;
        TEditorType fromEvent;  // edNormal: the event leaves the kind alone
        const char* expect;     // "inline", "combo", "spin", "check", "date", "none"
    };
    const Case cases[] = {
        {"default inline", edNormal, edNormal, "inline"},
        {"default combo", edComboList, edNormal, "combo"},
        {"event combo edit", edNormal, edComboEdit, "combo"},
        {"event spin", edNormal, edSpinEdit, "spin"},
        {"event float spin", edNormal, edFloatSpinEdit, "spin"},
        {"event check box", edNormal, edCheckBox, "check"},
        {"event none", edNormal, edNone, "none"},
        {"event numeric", edNormal, edNumeric, "inline"},
        {"event date", edNormal, edDateEdit, "date"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditingGrid g;
        g.grid->DefaultEditor = c.defaultEditor;
        g.grid->AddComboString(QStringLiteral("r2c2"));
        int asked = 0;
        g.grid->OnGetEditorType = [&](QObject*, int col, int row, TEditorType& kind) {
            ++asked;
            EXPECT_EQ(col, 2);
            EXPECT_EQ(row, 2);
            EXPECT_EQ(kind, c.defaultEditor);
            if (c.fromEvent != edNormal) kind = c.fromEvent;
        };
        ASSERT_TRUE(g.show());
        g.open(2, 2);
        EXPECT_EQ(asked, 1);
        const std::string expect = c.expect;
        EXPECT_EQ(g.inlineOpen(), expect == "inline");
        EXPECT_EQ(g.grid->EditCombo()->isVisible(), expect == "combo");
        EXPECT_EQ(g.grid->SpinEdit()->isVisible(), expect == "spin");
        EXPECT_EQ(g.grid->EditCheck()->isVisible(), expect == "check");
        EXPECT_EQ(g.grid->GetEditDate()->isVisible(), expect == "date");
        EXPECT_EQ(g.grid->EditMode, expect != "none");
        if (expect == "combo") { EXPECT_EQ(g.focus(), g.grid->EditCombo()); }
        if (expect == "spin") { EXPECT_EQ(g.focus(), g.grid->SpinEdit()); }
    }
}

TEST(EditingChoice, ClickGraphicCellNeverOpensAnEditor)
{
    EditingGrid g;
    g.grid->AddCheckBox(2, 2, false, false);
    ASSERT_TRUE(g.show());
    g.open(2, 2);
    EXPECT_FALSE(g.inlineOpen());
    EXPECT_FALSE(g.grid->EditMode);
}

// ------------------------------------------------------------ character filters of the inline kinds

TEST(EditingInline, EachInlineKindFiltersTypedCharacters)
{
    grid_text_testing::FormatSettingsScope formats(u'.', u',');
    struct Case {
        TEditorType kind;
        const char* typed;
        const char* expect;
    };
    const Case cases[] = {
        {edNormal, "a-1.B", "a-1.B"},
        {edNumeric, "-12a-3", "-123"},
        {edPositiveNumeric, "-12a3", "123"},
        {edFloat, "-1.5.2,x", "-1.52"},
        {edPositiveFloat, "-1.5", "1.5"},
        {edUpperCase, "abC", "ABC"},
        {edCapital, "abC", "ABC"},
        {edLowerCase, "AbC", "abc"},
        {edMixedCase, "john o", "John O"},
        {edPassword, "secret", "secret"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.kind));
        EditingGrid g;
        g.grid->SetCellEx(1, 1, QString());
        g.grid->OnGetEditorType = [&](QObject*, int, int, TEditorType& kind) { kind = c.kind; };
        ASSERT_TRUE(g.show());
        g.open(1, 1);
        ASSERT_TRUE(g.inlineOpen());
        g.type(QString::fromLatin1(c.typed));
        EXPECT_EQ(g.inplace()->text(), QString::fromLatin1(c.expect));
        if (c.kind == edPassword) { EXPECT_EQ(g.inplace()->echoMode(), QLineEdit::Password); }
        g.key(Qt::Key_Return);
        EXPECT_EQ(g.grid->GetCellEx(1, 1), QString::fromLatin1(c.expect));
    }
}

TEST(EditingInline, ValidCharsKindTakesOnlyTheGridsCharacters)
{
    EditingGrid g;
    g.grid->SetCellEx(1, 1, QString());
    g.grid->ValidChars = QStringLiteral("AB01");
    g.grid->OnGetEditorType = [](QObject*, int, int, TEditorType& kind) { kind = edValidChars; };
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    edit_testing::BeepCounter beeps;
    g.type(QStringLiteral("A2B1c0"));
    EXPECT_EQ(g.inplace()->text(), QStringLiteral("AB10"));
    EXPECT_EQ(beeps.count(), 2);
}

TEST(EditingInline, LengthLimitAbove32767StaysALimit)
{
    EditingGrid g;
    g.grid->MaxEditLength = 40000;
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    EXPECT_EQ(g.inplace()->maxLength(), 40000);
    g.key(Qt::Key_Escape);
    g.grid->MaxEditLength = 3;
    g.open(1, 2);
    g.inplace()->clear();
    g.type(QStringLiteral("abcdef"));
    EXPECT_EQ(g.inplace()->text(), QStringLiteral("abc"));
}

TEST(EditingInline, AdvanceAutoWritesTheCellAndMovesOnWhenTheTextIsFull)
{
    for (const bool advanceAuto : {true, false}) {
        SCOPED_TRACE(advanceAuto ? "AdvanceAuto" : "no AdvanceAuto");
        EditingGrid g;
        g.grid->SetCellEx(1, 1, QString());
        g.grid->MaxEditLength = 4;
        g.grid->Navigation().SetAdvanceAuto(advanceAuto);
        g.grid->Navigation().AdvanceOnEnter = true;
        ASSERT_TRUE(g.show());
        g.open(1, 1);
        g.type(QStringLiteral("abc"));
        EXPECT_EQ(QPoint(g.grid->Col(), g.grid->Row()), QPoint(1, 1)) << "three of four characters: still editing";
        g.type(QStringLiteral("d"));
        EXPECT_EQ(g.grid->GetCellEx(1, 1), advanceAuto ? QStringLiteral("abcd") : QString());
        const bool moved = g.grid->Col() != 1 || g.grid->Row() != 1;
        EXPECT_EQ(moved, advanceAuto);
        if (!advanceAuto) {
            g.type(QStringLiteral("e"));
            EXPECT_EQ(g.inplace()->text(), QStringLiteral("abcd")) << "a full text takes no more";
        }
    }
}

// ------------------------------------------------------------ write-back

TEST(EditingInline, EnterWritesBackAndAnnouncesTheEndOfTheEdit)
{
    EditingGrid g;
    g.grid->HideColumn(1);  // display column 1 is storage column 2
    int editingDone = 0;
    std::vector<std::pair<int, int>> cellDone;
    std::vector<QString> changes;
    g.grid->OnEditingDone = [&](QObject*) { ++editingDone; };
    g.grid->OnEditCellDone = [&](QObject*, int col, int row) { cellDone.emplace_back(col, row); };
    g.grid->OnEditChange = [&](QObject*, int, int, const QString& v) { changes.push_back(v); };
    ASSERT_TRUE(g.show());
    g.open(1, 2);
    ASSERT_TRUE(g.inlineOpen());
    EXPECT_EQ(g.inplace()->text(), QStringLiteral("r2c2"));
    EXPECT_TRUE(changes.empty()) << "filling the editor fires no change";
    g.inplace()->selectAll();
    g.type(QStringLiteral("new"));
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.grid->GetCellEx(2, 2), QStringLiteral("new"));
    EXPECT_FALSE(g.inlineOpen());
    EXPECT_FALSE(g.grid->EditMode);
    EXPECT_EQ(editingDone, 1);
    EXPECT_TRUE(cellDone.empty()) << "the cell-done event is posted";
    QApplication::processEvents();
    ASSERT_EQ(cellDone.size(), 1u);
    EXPECT_EQ(cellDone[0], std::make_pair(2, 2)) << "storage column";
    EXPECT_EQ(changes.back(), QStringLiteral("new"));
    EXPECT_TRUE(g.grid->GridModified());
}

TEST(EditingInline, FocusLossValidatesAndWritesBack)
{
    EditingGrid g;
    int validations = 0;
    g.grid->OnCellValidate = [&](QObject*, int, int, QString&, bool&) { ++validations; };
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    g.inplace()->selectAll();
    g.type(QStringLiteral("gone"));
    g.form.other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("gone"));
    EXPECT_EQ(validations, 1);
    EXPECT_FALSE(g.inlineOpen());
    EXPECT_FALSE(g.grid->EditMode);
}

TEST(EditingInline, ArrowDownWritesBackAndMovesTheCell)
{
    EditingGrid g;
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    g.inplace()->selectAll();
    g.type(QStringLiteral("down"));
    g.key(Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("down"));
    EXPECT_EQ(g.grid->Row(), 2);
    EXPECT_EQ(g.grid->GetCellEx(1, 2), QStringLiteral("r2c1"));
}

TEST(EditingInline, EscapePutsBackTheTextOfTheStartOfTheEdit)
{
    EditingGrid g;
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    g.inplace()->selectAll();
    g.type(QStringLiteral("typed"));
    g.key(Qt::Key_Escape);
    EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("r1c1"));
    EXPECT_FALSE(g.inlineOpen());
}

TEST(EditingInline, OpeningAndClosingKeepsMarkupCellsUnchanged)
{
    EditingGrid g;
    const QString marked = QStringLiteral("<b>bold</b> text");
    g.grid->SetCellEx(1, 1, marked);
    g.grid->SetCellEx(2, 1, marked);
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    EXPECT_EQ(g.inplace()->text(), QStringLiteral("bold text")) << "edited without its tags";
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.grid->GetCellEx(1, 1), marked);
    g.open(2, 1);
    g.key(Qt::Key_Down);
    EXPECT_EQ(g.grid->GetCellEx(2, 1), marked);
    g.open(1, 1);
    g.form.other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(g.grid->GetCellEx(1, 1), marked);
}

// ------------------------------------------------------------ validation

TEST(EditingValidation, RefusedValueRestoresTheOldTextAndShowsTheBalloon)
{
    EditingGrid g;
    g.grid->InvalidEntryTitle = QStringLiteral("Invalid");
    g.grid->InvalidEntryText = QStringLiteral("Not a number");
    g.grid->OnCellValidate = [](QObject*, int, int, QString& value, bool& valid) {
        bool ok = false;
        value.toInt(&ok);
        valid = ok;
    };
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    g.inplace()->selectAll();
    g.type(QStringLiteral("abc"));
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("r1c1"));
    EXPECT_TRUE(g.inlineOpen()) << "the editor stays open on the old value";
    EXPECT_EQ(g.inplace()->text(), QStringLiteral("r1c1"));
    EXPECT_EQ(g.grid->Col(), 1);
    EXPECT_EQ(g.grid->Row(), 1);
    EXPECT_FALSE(g.grid->LastValidation());
    EXPECT_FALSE(g.grid->GridModified()) << "a refused value marks nothing";
    EXPECT_FALSE(g.grid->RowModified(1));
    const auto& balloon = g.grid->LastInvalidEntryBalloon();
    EXPECT_EQ(balloon.Target, g.inplace());
    EXPECT_EQ(balloon.Title, QStringLiteral("Invalid"));
    EXPECT_EQ(balloon.Text, QStringLiteral("Not a number"));
    EXPECT_EQ(balloon.Icon, ieWarning);
    // A valid value then passes.
    g.inplace()->selectAll();
    g.type(QStringLiteral("42"));
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("42"));
    EXPECT_TRUE(g.grid->GridModified());
    EXPECT_TRUE(g.grid->RowModified(1));
}

TEST(EditingValidation, HandlerReplacementIsWrittenWhetherOrNotItRefuses)
{
    for (bool valid : {true, false}) {
        SCOPED_TRACE(valid);
        EditingGrid g;
        g.grid->OnCellValidate = [valid](QObject*, int, int, QString& value, bool& ok) {
            value = value.toUpper();
            ok = valid;
        };
        ASSERT_TRUE(g.show());
        g.open(1, 1);
        g.inplace()->selectAll();
        g.type(QStringLiteral("low"));
        g.key(Qt::Key_Return);
        EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("LOW"));
        EXPECT_EQ(g.inlineOpen(), !valid);
        EXPECT_TRUE(g.grid->LastInvalidEntryBalloon().Target == nullptr) << "no balloon without title or text";
    }
}

TEST(EditingValidation, UnchangedTextIsNotValidatedUnlessAlwaysValidate)
{
    for (bool always : {false, true}) {
        SCOPED_TRACE(always);
        EditingGrid g;
        g.grid->AlwaysValidate = always;
        int calls = 0;
        g.grid->OnCellValidate = [&](QObject*, int, int, QString&, bool&) { ++calls; };
        ASSERT_TRUE(g.show());
        g.open(1, 1);
        g.key(Qt::Key_Return);
        EXPECT_EQ(calls, always ? 1 : 0);
        EXPECT_FALSE(g.grid->GridModified());
    }
}

TEST(EditingValidation, CursorWalkRightValidatesBeforeWalkingOn)
{
    EditingGrid g;
    g.grid->Navigation().CursorWalkEditor = true;
    g.grid->Navigation().CursorWalkAlwaysEdit = false;
    g.grid->OnCellValidate = [](QObject*, int, int, QString& value, bool& valid) { valid = value != "bad"; };
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    g.inplace()->selectAll();
    g.type(QStringLiteral("bad"));
    g.key(Qt::Key_Right);
    EXPECT_EQ(g.grid->Col(), 1) << "a refused value keeps the cell";
    EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("r1c1"));
    EXPECT_TRUE(g.inlineOpen());
    g.inplace()->selectAll();
    g.type(QStringLiteral("good"));
    g.key(Qt::Key_Right);
    EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("good"));
    EXPECT_EQ(g.grid->Col(), 2);
    // Left at the start of the text walks back the same way.
    g.open(2, 1);
    g.inplace()->setCursorPosition(0);
    g.key(Qt::Key_Left);
    EXPECT_EQ(g.grid->Col(), 1);
}

TEST(EditingValidation, ReadOnlyCellSwitchesEditingOffAndAnEditableOneBackOn)
{
    EditingGrid g;
    g.grid->SetReadOnly(2, 1, true);
    ASSERT_TRUE(g.show());
    g.grid->setFocus();
    g.key(Qt::Key_Right);
    ASSERT_EQ(g.grid->Col(), 2);
    EXPECT_FALSE(g.grid->Options() & platform::goEditing);
    g.key(Qt::Key_Right);
    ASSERT_EQ(g.grid->Col(), 3);
    EXPECT_TRUE(g.grid->Options() & platform::goEditing);
}

TEST(EditingValidation, RowUnderAFixedLastRowFooterNeverBecomesCurrentAndMovesAreReported)
{
    EditingGrid g;
    g.grid->FloatingFooter().Visible = true;
    g.grid->FloatingFooter().FooterStyle = fsFixedLastRow;
    std::vector<std::pair<int, int>> updates;
    g.grid->OnRowUpdate = [&](QObject*, int oldRow, int newRow) { updates.emplace_back(oldRow, newRow); };
    bool allowCellChange = true;
    g.grid->OnCellChanging = [&](QObject*, int, int, int, int, bool& allow) { allow = allowCellChange; };
    ASSERT_TRUE(g.show());
    g.grid->MoveColRow(1, 4, true, true);
    EXPECT_EQ(g.grid->Row(), 4);
    g.grid->MoveColRow(1, 5, true, true);
    EXPECT_EQ(g.grid->Row(), 4) << "the footer covers the last row";
    allowCellChange = false;
    g.grid->MoveColRow(1, 3, true, true);
    EXPECT_EQ(g.grid->Row(), 4) << "OnCellChanging refused the move";
    ASSERT_FALSE(updates.empty());
    EXPECT_EQ(updates.front(), std::make_pair(1, 4));
}

TEST(EditingInline, ColumnGrowsWhileTypingAndRightAlignedCellsEditRightAligned)
{
    EditingGrid g;
    g.grid->SizeWhileTyping().Width = true;
    g.grid->SetAlignments(2, 1, taRightJustify);
    ASSERT_TRUE(g.show());
    const int before = g.grid->ColWidths(1);
    g.open(1, 1);
    EXPECT_FALSE(g.inplace()->VAlign());
    g.type(QStringLiteral(" and a much longer text than the column shows"));
    EXPECT_GT(g.grid->ColWidths(1), before);
    g.key(Qt::Key_Return);
    g.open(2, 1);
    EXPECT_TRUE(g.inplace()->VAlign());
    EXPECT_TRUE(g.inplace()->alignment() & Qt::AlignRight);
}
