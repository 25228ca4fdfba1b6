#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractItemView>
#include <QClipboard>
#include <QTest>

#include "controls/grid/string_grid/editing/editing_test_support.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;
using editing_testing::EditingGrid;

namespace editing_controls_detail {

// A grid whose column 2 opens a combo of the given kind over the items
// Apple, Apricot, Banana (the list is filled when the kind is asked, as the
// rule editors do).
struct ComboGrid : EditingGrid {
    std::vector<std::tuple<int, int, int, QString>> comboChanges;
    std::vector<QObject*> comboObjects;
    QObject apple, apricot, banana;

    explicit ComboGrid(TEditorType kind)
    {
        grid->OnGetEditorType = [this, kind](QObject*, int col, int, TEditorType& editor) {
            if (col != 2) return;
            editor = kind;
            grid->ClearComboString();
            grid->AddComboStringObject(QStringLiteral("Apple"), &apple);
            grid->AddComboStringObject(QStringLiteral("Apricot"), &apricot);
            grid->AddComboStringObject(QStringLiteral("Banana"), &banana);
        };
        grid->OnComboChange = [this](QObject*, int col, int row, int index, const QString& text) {
            comboChanges.emplace_back(col, row, index, text);
        };
        grid->OnComboObjectChange = [this](QObject*, int, int, int, const QString&, QObject* object) {
            comboObjects.push_back(object);
        };
    }
    TGridCombo* combo() const { return grid->EditCombo(); }
};

}  // namespace editing_controls_detail

using editing_controls_detail::ComboGrid;

// ------------------------------------------------------------ list combo

TEST(EditingCombo, ListComboSelectsTheCellsItemOrFallsBackToTheFirst)
{
    struct Case {
        const char* cell;
        int comboIdx;
        int expectIndex;
        bool expectEvent;
    };
    const Case cases[] = {
        {"Apricot", -1, 1, false},
        {"Cherry", -1, 0, true},
        {"Cherry", 2, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        ComboGrid g(edComboList);
        g.grid->SetCellEx(2, 1, QString::fromLatin1(c.cell));
        g.grid->SetComboSelection(c.comboIdx);
        ASSERT_TRUE(g.show());
        g.open(2, 1);
        ASSERT_TRUE(g.combo()->isVisible());
        EXPECT_EQ(g.combo()->ItemIndex(), c.expectIndex);
        EXPECT_EQ(g.comboChanges.size(), c.expectEvent ? 1u : 0u);
        if (c.expectEvent) {
            EXPECT_EQ(g.comboChanges[0], std::make_tuple(2, 1, 0, QStringLiteral("Apple")));
            ASSERT_EQ(g.comboObjects.size(), 1u);
            EXPECT_EQ(g.comboObjects[0], &g.apple);
        }
    }
}

TEST(EditingCombo, ListComboUpDownChooseEnterWritesLeftRightMove)
{
    ComboGrid g(edComboList);
    g.grid->SetCellEx(2, 1, QStringLiteral("Apple"));
    ASSERT_TRUE(g.show());
    g.open(2, 1);
    g.key(Qt::Key_Down);
    g.key(Qt::Key_Down);
    EXPECT_EQ(g.combo()->Text(), QStringLiteral("Banana"));
    EXPECT_EQ(g.comboChanges.size(), 2u) << "one report per key";
    ASSERT_FALSE(g.comboChanges.empty());
    EXPECT_EQ(std::get<2>(g.comboChanges.back()), 2);
    EXPECT_EQ(g.comboObjects.back(), &g.banana);
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.grid->GetCellEx(2, 1), QStringLiteral("Banana"));
    EXPECT_FALSE(g.combo()->isVisible());
    // Right closes the list editor and moves the current cell.
    g.open(2, 1);
    g.key(Qt::Key_Up);
    g.key(Qt::Key_Right);
    EXPECT_EQ(g.grid->GetCellEx(2, 1), QStringLiteral("Apricot"));
    EXPECT_EQ(g.grid->Col(), 3);
    EXPECT_FALSE(g.combo()->isVisible());
}

TEST(EditingCombo, EscapeInAListComboLeavesACellThatIsNoItemAsItWas)
{
    ComboGrid g(edComboList);
    g.grid->SetCellEx(2, 1, QStringLiteral("Cherry"));
    ASSERT_TRUE(g.show());
    g.open(2, 1);
    EXPECT_EQ(g.combo()->Text(), QStringLiteral("Apple"));
    g.key(Qt::Key_Escape);
    EXPECT_EQ(g.grid->GetCellEx(2, 1), QStringLiteral("Cherry"));
    EXPECT_FALSE(g.combo()->isVisible());
    EXPECT_FALSE(g.grid->EditMode);
}

TEST(EditingCombo, OpeningAndClosingAComboKeepsTheCell)
{
    ComboGrid g(edComboEdit);
    const QString marked = QStringLiteral("<i>Apple</i>");
    g.grid->SetCellEx(2, 1, marked);
    ASSERT_TRUE(g.show());
    g.open(2, 1);
    EXPECT_EQ(g.combo()->Text(), QStringLiteral("Apple"));
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.grid->GetCellEx(2, 1), marked);
}

// ------------------------------------------------------------ editable combo

TEST(EditingCombo, EditableComboCompletesFromItemsThenFromLookupItems)
{
    struct Case {
        const char* typed;
        bool caseSensitive;
        const char* expectText;
        int expectSelLength;
        int expectIndex;
    };
    const Case cases[] = {
        // The completed text is the item's own, not the letters as typed.
        {"ap", false, "Apple", 3, 0},
        {"ap", true, "ap", 0, -1},
        {"apr", false, "Apricot", 4, 1},
        {"ch", false, "Cherry", 4, -1},  // from the grid's LookupItems: no item index
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ComboGrid g(edComboEdit);
        g.grid->SetCellEx(2, 1, QString());
        g.grid->Lookup = true;
        g.grid->LookupCaseSensitive = c.caseSensitive;
        const QStringList lookup{QStringLiteral("Cherry")};
        g.grid->SetLookupItems(&lookup);
        ASSERT_TRUE(g.show());
        g.open(2, 1);
        g.type(QString::fromLatin1(c.typed));
        QLineEdit* edit = g.combo()->lineEdit();
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.expectText));
        EXPECT_EQ(edit->selectedText().size(), c.expectSelLength);
        EXPECT_EQ(g.combo()->ItemIndex(), c.expectIndex);
    }
}

TEST(EditingCombo, BackspaceAfterCompletionDoesNotCompleteAgain)
{
    ComboGrid g(edComboEdit);
    g.grid->SetCellEx(2, 1, QString());
    g.grid->Lookup = true;
    ASSERT_TRUE(g.show());
    g.open(2, 1);
    g.type(QStringLiteral("ap"));
    ASSERT_EQ(g.combo()->lineEdit()->text(), QStringLiteral("Apple"));
    g.key(Qt::Key_Backspace);
    EXPECT_EQ(g.combo()->lineEdit()->text(), QStringLiteral("Ap"));
}

TEST(EditingCombo, TypedTextThatIsNoItemIsWrittenAsTyped)
{
    ComboGrid g(edComboEdit);
    ASSERT_TRUE(g.show());
    g.open(2, 1);
    g.combo()->lineEdit()->selectAll();
    g.type(QStringLiteral("Durian"));
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.grid->GetCellEx(2, 1), QStringLiteral("Durian"));
    for (QObject* object : g.comboObjects) EXPECT_NE(object, nullptr) << "no object of index -1 is ever read";
    for (const auto& change : g.comboChanges) EXPECT_GE(std::get<2>(change), 0);
}

TEST(EditingCombo, DownWithoutComboGetUpDownWritesClosesAndMovesOneRow)
{
    ComboGrid g(edComboEdit);
    g.grid->Navigation().ComboGetUpDown = false;
    ASSERT_TRUE(g.show());
    g.open(2, 1);
    g.combo()->lineEdit()->selectAll();
    g.type(QStringLiteral("Kiwi"));
    g.key(Qt::Key_Down);
    EXPECT_EQ(g.grid->GetCellEx(2, 1), QStringLiteral("Kiwi"));
    EXPECT_EQ(g.grid->Row(), 2);
    EXPECT_EQ(g.grid->GetCellEx(2, 2), QStringLiteral("r2c2"));
    EXPECT_FALSE(g.combo()->isVisible());
}

TEST(EditingCombo, RefusedComboValueKeepsTheEditorOpenAllSelected)
{
    ComboGrid g(edComboEdit);
    g.grid->InvalidEntryTitle = QStringLiteral("No");
    g.grid->OnCellValidate = [](QObject*, int, int, QString& value, bool& valid) { valid = value != "Bad"; };
    ASSERT_TRUE(g.show());
    g.open(2, 1);
    g.combo()->lineEdit()->selectAll();
    g.type(QStringLiteral("Bad"));
    g.key(Qt::Key_Return);
    EXPECT_TRUE(g.combo()->isVisible());
    EXPECT_EQ(g.combo()->Text(), QStringLiteral("r1c2"));
    EXPECT_EQ(g.combo()->lineEdit()->selectedText(), QStringLiteral("r1c2"));
    EXPECT_EQ(g.grid->GetCellEx(2, 1), QStringLiteral("r1c2"));
    EXPECT_EQ(g.grid->Row(), 1);
    EXPECT_EQ(g.grid->LastInvalidEntryBalloon().Target, g.combo()->lineEdit()) << "the combo's edit field";
}

TEST(EditingCombo, WheelStepsThroughTheItemsWithEvents)
{
    ComboGrid g(edComboList);
    g.grid->SetCellEx(2, 1, QStringLiteral("Apple"));
    std::vector<QString> edits;
    g.grid->OnEditChange = [&](QObject*, int, int, const QString& v) { edits.push_back(v); };
    ASSERT_TRUE(g.show());
    g.open(2, 1);
    const QPoint center = g.combo()->rect().center();
    QWheelEvent down(center, g.combo()->mapToGlobal(center), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(g.combo(), &down);
    EXPECT_EQ(g.combo()->ItemIndex(), 1);
    ASSERT_FALSE(g.comboChanges.empty());
    EXPECT_EQ(g.comboChanges.back(), std::make_tuple(2, 1, 1, QStringLiteral("Apricot")));
    EXPECT_EQ(edits.back(), QStringLiteral("Apricot"));
}

TEST(EditingCombo, LookupHistoryAddsANewTextOnce)
{
    ComboGrid g(edComboEdit);
    g.grid->LookupHistory = true;
    // The form refills nothing here: the list keeps what the history adds.
    g.grid->OnGetEditorType = [](QObject*, int col, int, TEditorType& editor) {
        if (col == 2) editor = edComboEdit;
    };
    ASSERT_TRUE(g.show());
    for (int i = 0; i < 2; ++i) {
        g.open(2, 1);
        g.combo()->lineEdit()->selectAll();
        g.type(QStringLiteral("Mango"));
        g.form.other->setFocus();
        QApplication::processEvents();
    }
    EXPECT_EQ(g.grid->ComboItems().count(QStringLiteral("Mango")), 1);
    EXPECT_EQ(g.grid->GetCellEx(2, 1), QStringLiteral("Mango"));
}

// ------------------------------------------------------------ spin

TEST(EditingSpin, PageKeysStayWithinTheLimitsHomeEndGoToThem)
{
    EditingGrid g;
    g.grid->SetCellEx(1, 1, QStringLiteral("98"));
    g.grid->OnGetEditorType = [](QObject*, int, int, TEditorType& kind) { kind = edSpinEdit; };
    std::vector<std::pair<int, bool>> clicks;
    g.grid->OnSpinClick = [&](QObject*, int, int, int value, bool up) { clicks.emplace_back(value, up); };
    ASSERT_TRUE(g.show());
    g.grid->SpinEdit()->SetIncrement(5);
    g.open(1, 1);
    TGridSpin* spin = g.grid->SpinEdit();
    ASSERT_EQ(spin->Value(), 98);
    g.key(Qt::Key_PageUp);
    EXPECT_EQ(spin->Value(), 98) << "98 + 5 would pass 100";
    g.key(Qt::Key_Home);
    EXPECT_EQ(spin->Value(), 100);
    g.key(Qt::Key_End);
    EXPECT_EQ(spin->Value(), 0);
    g.key(Qt::Key_PageDown);
    EXPECT_EQ(spin->Value(), 0);
    const std::vector<std::pair<int, bool>> expect{{98, true}, {100, true}, {0, false}, {0, false}};
    EXPECT_EQ(clicks, expect);
}

TEST(EditingSpin, EnterWritesTheValueEscapePutsTheCellBack)
{
    EditingGrid g;
    g.grid->SetCellEx(1, 1, QStringLiteral("7"));
    g.grid->SetCellEx(1, 2, QStringLiteral("abc"));
    g.grid->OnGetEditorType = [](QObject*, int, int, TEditorType& kind) { kind = edSpinEdit; };
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    TGridSpin* spin = g.grid->SpinEdit();
    spin->UpClick(nullptr);
    spin->UpClick(nullptr);
    EXPECT_EQ(spin->text(), QStringLiteral("9"));
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("9"));
    EXPECT_FALSE(spin->isVisible());
    // Esc after spin clicks: the cell keeps the text it had, also a text that is no number.
    g.open(1, 2);
    spin->UpClick(nullptr);
    g.key(Qt::Key_Escape);
    EXPECT_EQ(g.grid->GetCellEx(1, 2), QStringLiteral("abc"));
    EXPECT_FALSE(spin->isVisible());
}

TEST(EditingSpin, EmptyTextWithAllowEmptyValueEmptiesTheCell)
{
    EditingGrid g;
    g.grid->SetCellEx(1, 1, QStringLiteral("12"));
    g.grid->OnGetEditorType = [](QObject*, int, int, TEditorType& kind) { kind = edSpinEdit; };
    ASSERT_TRUE(g.show());
    g.grid->SpinEdit()->SetAllowEmptyValue(true);
    g.open(1, 1);
    g.grid->SpinEdit()->clear();
    g.form.other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(g.grid->GetCellEx(1, 1), QString());
    EXPECT_FALSE(g.grid->SpinEdit()->isVisible());
}

TEST(EditingSpin, FloatSpinStepsAndWritesInTheCellsFormat)
{
    grid_text_testing::FormatSettingsScope formats(u'.', u',');
    EditingGrid g;
    g.grid->SetCellEx(1, 1, QStringLiteral("1.50"));
    g.grid->OnGetEditorType = [](QObject*, int, int, TEditorType& kind) { kind = edFloatSpinEdit; };
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    TGridSpin* spin = g.grid->SpinEdit();
    EXPECT_DOUBLE_EQ(spin->FloatValue(), 1.5);
    g.key(Qt::Key_PageUp);
    EXPECT_NEAR(spin->FloatValue(), 1.6, 1e-9);
    g.key(Qt::Key_Return);
    EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("1.60"));
}

// ------------------------------------------------------------ check box

TEST(EditingCheckBox, SpaceAndClickToggleTheBoxEnterClosesWithoutChangingTheCell)
{
    EditingGrid g;
    g.grid->OnGetEditorType = [](QObject*, int, int, TEditorType& kind) { kind = edCheckBox; };
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    TGridCheckBox* check = g.grid->EditCheck();
    ASSERT_TRUE(check->isVisible());
    EXPECT_EQ(check->text(), QStringLiteral("r1c1"));
    EXPECT_FALSE(check->isChecked());
    g.key(Qt::Key_Space);
    EXPECT_TRUE(check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, QPoint(8, check->height() / 2));
    EXPECT_FALSE(check->isChecked());
    g.key(Qt::Key_Return);
    EXPECT_FALSE(check->isVisible());
    EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("r1c1"));
    EXPECT_EQ(g.grid->Row(), 1) << "Enter advances only with AdvanceOnEnter";
}

TEST(EditingCheckBox, DataCheckBoxCellsToggleWithSpaceAndClick)
{
    EditingGrid g;
    g.grid->OnGetEditorType = [](QObject*, int col, int, TEditorType& kind) {
        if (col == 2) kind = edDataCheckBox;
    };
    g.grid->AddCheckBoxColumn(2, false, true);
    for (int r = 1; r < 6; ++r) g.grid->SetCellEx(2, r, QStringLiteral("N"));
    ASSERT_TRUE(g.show());
    g.grid->FocusCell(2, 1);
    g.grid->setFocus();
    g.key(Qt::Key_Space);
    EXPECT_EQ(g.grid->GetCellEx(2, 1), QStringLiteral("Y"));
    EXPECT_FALSE(g.inlineOpen());
    const platform::TRect r = g.grid->CellRect(2, 2);
    QTest::mouseClick(g.grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    EXPECT_EQ(g.grid->GetCellEx(2, 2), QStringLiteral("Y"));
}

// ------------------------------------------------------------ starting an edit by typing

TEST(EditingStart, TypedCharacterReachesTheEditorItOpens)
{
    struct Case {
        TEditorType kind;
        char typed;
        const char* expect;
    };
    const Case cases[] = {
        {edNormal, 'x', "x"},
        {edComboEdit, 'K', "K"},
        {edSpinEdit, '7', "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.kind));
        EditingGrid g;
        g.grid->SetCellEx(1, 1, QStringLiteral("5"));
        g.grid->OnGetEditorType = [&](QObject*, int, int, TEditorType& kind) { kind = c.kind; };
        ASSERT_TRUE(g.show());
        g.grid->setFocus();
        QTest::keyClick(g.grid, c.typed);
        QApplication::processEvents();
        g.key(Qt::Key_Return);
        EXPECT_EQ(g.grid->GetCellEx(1, 1), QString::fromLatin1(c.expect));
    }
}

TEST(EditingInline, PasteFollowsTheKindsRules)
{
    EditingGrid g;
    g.grid->SetCellEx(1, 1, QString());
    g.grid->OnGetEditorType = [](QObject*, int, int, TEditorType& kind) { kind = edPositiveNumeric; };
    std::vector<QString> after;
    g.grid->OnClipboardAfterPasteCell = [&](QObject*, int, int, const QString& v) { after.push_back(v); };
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    QApplication::clipboard()->setText(QStringLiteral("-5"));
    g.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(g.inplace()->text(), QString());
    QApplication::clipboard()->setText(QStringLiteral("12\n"));
    g.key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(g.inplace()->text(), QStringLiteral("12"));
    EXPECT_EQ(after.size(), 2u) << "the after-paste event also follows a refused paste";
}

// ------------------------------------------------------------ keys that end an edit

TEST(EditingKeys, TabWithAValidationEventValidatesAndClosesTheEditor)
{
    EditingGrid g;
    g.grid->SetOptions(g.grid->Options() | platform::goTabs);
    std::vector<QString> validated;
    g.grid->OnCellValidate = [&](QObject*, int, int, QString& value, bool&) { validated.push_back(value); };
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    g.inplace()->selectAll();
    g.type(QStringLiteral("tab"));
    g.key(Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(validated, std::vector<QString>{QStringLiteral("tab")});
    EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("tab"));
    EXPECT_EQ(g.grid->Col(), 2) << "the grid moves on";
}

TEST(EditingKeys, EnterInAComboWithAdvanceOnEnterOpensTheEditorInTheNextCell)
{
    ComboGrid g(edComboList);
    g.grid->SetCellEx(2, 1, QStringLiteral("Apple"));
    g.grid->SetCellEx(2, 2, QStringLiteral("Banana"));
    g.grid->Navigation().AdvanceOnEnter = true;
    g.grid->Navigation().SetAdvanceDirection(adTopBottom);
    ASSERT_TRUE(g.show());
    g.open(2, 1);
    g.key(Qt::Key_Down);
    g.key(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(g.grid->GetCellEx(2, 1), QStringLiteral("Apricot"));
    EXPECT_EQ(g.grid->Row(), 2);
    EXPECT_TRUE(g.combo()->isVisible()) << "AdvanceAutoEdit opens the next cell's editor";
    EXPECT_EQ(g.combo()->Text(), QStringLiteral("Banana"));
}

TEST(EditingCombo, MouseChoiceInTheOpenedListIsReportedAndClosesWithDirectComboClose)
{
    ComboGrid g(edComboList);
    g.grid->SetCellEx(2, 1, QStringLiteral("Apple"));
    g.grid->MouseActions().DirectComboClose = true;
    int dropDowns = 0, closeUps = 0;
    g.grid->OnComboDropDown = [&](QObject*, int, int) { ++dropDowns; };
    g.grid->OnComboCloseUp = [&](QObject*, int, int) { ++closeUps; };
    ASSERT_TRUE(g.show());
    g.open(2, 1);
    g.combo()->SetDroppedDown(true);
    QApplication::processEvents();
    ASSERT_TRUE(g.combo()->DroppedDown());
    QAbstractItemView* view = g.combo()->view();
    const QRect item = view->visualRect(view->model()->index(2, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    QApplication::processEvents();
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(closeUps, 1);
    ASSERT_EQ(g.comboChanges.size(), 1u);
    EXPECT_EQ(g.comboChanges[0], std::make_tuple(2, 1, 2, QStringLiteral("Banana")));
    EXPECT_EQ(g.grid->GetCellEx(2, 1), QStringLiteral("Banana"));
    EXPECT_FALSE(g.combo()->isVisible());
}
