#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "controls/dropdown/base/dropdown_form.h"
#include "controls/dropdown/picker_test_support.h"
#include "controls/grid/cells/cell_graphic.h"
#include "controls/grid/cells/grid_image_list.h"
#include "controls/grid/editors/dropdown/grid_dropdown_editor_host.h"
#include "controls/grid/string_grid/editing/editing_test_support.h"

using namespace grid;

namespace {

// A grid whose column 2 opens the given drop-down kind; the editors are
// installed for every grid.
struct PickerGrid : editing_testing::EditingGrid {
    explicit PickerGrid(TEditorType kind)
    {
        InstallDropDownCellEditors();
        grid->OnGetEditorType = [kind](QObject*, int col, int, TEditorType& editor) {
            if (col == 2) editor = kind;
        };
        grid->OnEditChange = [this](QObject*, int, int, const QString& v) { changes.push_back(v); };
        grid->OnKeyPress = [this](QObject* sender, QChar&) { keySenders.push_back(sender); };
        host = DropDownEditorHostOf(*grid);
    }
    dropdown::TExCustomDropDown* editor(TEditorType kind)
    {
        return static_cast<dropdown::TExCustomDropDown*>(grid->DropDownEditors()->Editor(kind));
    }
    TGridDropDownEditorHost* host = nullptr;
    std::vector<QString> changes;
    std::vector<QObject*> keySenders;
};

struct KindCase {
    TEditorType kind;
    const char* cell;     // the cell's text
    const char* shown;    // the editor's text once open
    const char* typed;    // typed before Enter
    const char* written;  // the cell after Enter
};

}  // namespace

// Each text picker opened in a cell: filled from the cell, Enter writes its
// value back and moves on as the grid's Enter does.
TEST(DropDownCellEditors, EachPickerOpensInACellAndWritesBack)
{
    const KindCase cases[] = {
        {edTrackbarDropDown, "4", "4", "", "4"},
        {edMemoDropDown, "note", "note", "", "note\n"},
        {edCalculatorDropDown, "12", "12.00", "", "12.00"},  // the calculator's two decimals
        {edTimePickerDropDown, "10:30", "10:30", "", "10:30"},
        {edDetailDropDown, "Apple", "Apple", "", "Apple"},
        {edGridDropDown, "Brie", "Brie", "", "Brie"},
        {edExGridDropDown, "Brie", "Brie", "", "Brie"},
    };
    for (const KindCase& c : cases) {
        PickerGrid g(c.kind);
        ASSERT_TRUE(g.show());
        if (c.kind == edDetailDropDown) {
            auto* d = static_cast<dropdown::TExDetailDropDown*>(g.editor(c.kind));
            d->Items().Add(QStringLiteral("Banana"));
            d->Items().Add(QStringLiteral("Apple"));
        }
        if (c.kind == edGridDropDown || c.kind == edExGridDropDown) {
            auto* d = static_cast<dropdown::TExListDropDown*>(g.editor(c.kind));
            d->Columns().Add();
            d->Items().Add({QStringLiteral("Banana")});
            d->Items().Add({QStringLiteral("Brie")});
        }
        g.grid->SetCellEx(2, 1, QString::fromLatin1(c.cell));
        g.open(2, 1);
        dropdown::TExCustomDropDown* e = g.editor(c.kind);
        ASSERT_TRUE(e->isVisible()) << c.kind;
        EXPECT_TRUE(e->hasFocus()) << c.kind;
        EXPECT_TRUE(g.grid->EditMode) << c.kind;
        EXPECT_EQ(e->Text(), QString::fromLatin1(c.shown)) << c.kind;
        if (c.kind == edDetailDropDown) {
            EXPECT_EQ(static_cast<dropdown::TExDetailDropDown*>(e)->ItemIndex(), 1);
        }
        if (c.kind == edGridDropDown) {
            EXPECT_EQ(static_cast<TGridGridDropDown*>(e)->ItemIndex(), 1);
        }
        if (c.kind == edExGridDropDown) {
            EXPECT_EQ(static_cast<TGridExGridDropDown*>(e)->ItemIndex(), 1);
        }
        // The editor lies over the cell.
        const platform::TRect r = g.grid->CellRect(2, 1);
        EXPECT_EQ(e->geometry().left(), r.Left) << c.kind;
        if (*c.typed) {
            e->setCursorPosition(int(e->text().size()));
            QTest::keyClicks(e, QString::fromLatin1(c.typed));
        }
        QTest::keyClick(e, Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_FALSE(e->isVisible()) << c.kind;
        EXPECT_FALSE(g.grid->EditMode) << c.kind;
        EXPECT_EQ(g.grid->GetCellEx(2, 1), QString::fromLatin1(c.written)) << c.kind;
    }
}

TEST(DropDownCellEditors, EscapeRestoresTheCellAndChangesReachTheGrid)
{
    PickerGrid g(edDetailDropDown);
    ASSERT_TRUE(g.show());
    g.grid->SetCellEx(2, 1, QStringLiteral("5"));
    g.open(2, 1);
    dropdown::TExCustomDropDown* e = g.editor(edDetailDropDown);
    e->setCursorPosition(1);
    QTest::keyClicks(e, QStringLiteral("9"));
    EXPECT_EQ(e->Text(), QStringLiteral("59"));
    ASSERT_FALSE(g.changes.empty());
    EXPECT_EQ(g.changes.back(), QStringLiteral("59"));
    ASSERT_FALSE(g.keySenders.empty());
    EXPECT_EQ(g.keySenders.back(), e);  // the editor is the key's sender
    QTest::keyClick(e, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(g.grid->GetCellEx(2, 1), QStringLiteral("5"));
    EXPECT_TRUE(g.grid->hasFocus());
}

TEST(DropDownCellEditors, CalculatorComputesItsPendingOperationOnEnter)
{
    PickerGrid g(edCalculatorDropDown);
    ASSERT_TRUE(g.show());
    g.grid->SetCellEx(2, 1, QString());
    g.open(2, 1);
    dropdown::TExCustomDropDown* e = g.editor(edCalculatorDropDown);
    QTest::keyClicks(e, QStringLiteral("12+3"));
    QTest::keyClick(e, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(g.grid->GetCellEx(2, 1), QStringLiteral("15.00"));
}

TEST(DropDownCellEditors, FailedValidationKeepsTheEditorWithTheValidatedText)
{
    PickerGrid g(edTrackbarDropDown);
    g.grid->OnCellValidate = [](QObject*, int, int, QString& value, bool& valid) {
        valid = value.toInt() <= 100;
        if (!valid) value = QStringLiteral("100");
    };
    ASSERT_TRUE(g.show());
    g.grid->SetCellEx(2, 1, QStringLiteral("50"));
    g.open(2, 1);
    dropdown::TExCustomDropDown* e = g.editor(edTrackbarDropDown);
    e->SelectAll();
    QTest::keyClicks(e, QStringLiteral("500"));
    QTest::keyClick(e, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(e->Text(), QStringLiteral("100"));
    EXPECT_EQ(e->selectedText(), QStringLiteral("100"));
}

TEST(DropDownCellEditors, KeysThatCloseAndKeysThatStay)
{
    // Down commits and moves to the row below; End moves the caret only.
    PickerGrid g(edTimePickerDropDown);
    ASSERT_TRUE(g.show());
    g.grid->SetCellEx(2, 1, QStringLiteral("08:15"));
    g.open(2, 1);
    dropdown::TExCustomDropDown* e = g.editor(edTimePickerDropDown);
    e->setCursorPosition(0);
    QTest::keyClick(e, Qt::Key_End);
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(e->cursorPosition(), int(e->text().size()));
    QTest::keyClick(e, Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(g.grid->Row(), 2);

    // With the pop-up open Page Down closes the editor and is not passed on.
    PickerGrid open(edGridDropDown);
    ASSERT_TRUE(open.show());
    auto* list = static_cast<TGridGridDropDown*>(open.editor(edGridDropDown));
    list->Columns().Add();
    list->Items().Add({QStringLiteral("a")});
    open.open(2, 1);
    list->ShowDropDown();
    ASSERT_TRUE(list->DroppedDown());
    list->KeyDownMessage(platform::VK_NEXT);
    QApplication::processEvents();
    EXPECT_FALSE(list->DroppedDown());
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(open.grid->Row(), 1);
}

TEST(DropDownCellEditors, ColourPickerTakesAndGivesTheCellColour)
{
    PickerGrid g(edColorPickerDropDown);
    ASSERT_TRUE(g.show());
    g.grid->SetColors(2, 1, 0x0000FF);
    g.open(2, 1);
    auto* p = static_cast<TGridColorDropDown*>(g.editor(edColorPickerDropDown));
    EXPECT_EQ(p->SelectedColor(), TColor(0x0000FF));
    p->SetSelectedColor(0x00FF00);
    int selected = 0;
    g.host->OnColorSelected = [&](QObject*, int, int, TColor&, QString&) { ++selected; };
    QTest::keyClick(p, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(g.grid->Colors(2, 1), TColor(0x00FF00));
    EXPECT_EQ(g.grid->GetCellEx(2, 1), p->SelectedColorText());

    // Closed, Down leaves without validating and moves to the row below.
    int validations = 0;
    g.grid->OnCellValidate = [&](QObject*, int, int, QString&, bool&) { ++validations; };
    g.open(2, 2);
    QTest::keyClick(p, Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_FALSE(p->isVisible());
    EXPECT_EQ(validations, 0);
    EXPECT_EQ(g.grid->Row(), 3);
}

TEST(DropDownCellEditors, ImagePickerWritesTheImageIndex)
{
    PickerGrid g(edImagePickerDropDown);
    TGridImageList images(16, 16);
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    images.Add(red);
    images.Add(red);
    images.Add(red);
    g.grid->SetGridImages(&images);
    g.grid->AddImageIdx(2, 1, 1, haLeft, vaTop);
    ASSERT_TRUE(g.show());
    g.open(2, 1);
    auto* p = static_cast<TGridImageDropDown*>(g.editor(edImagePickerDropDown));
    ASSERT_TRUE(p->isVisible());
    EXPECT_EQ(p->Items().size(), 3u);
    EXPECT_EQ(p->ImageIndex(), 1);
    p->SetImageIndex(2);
    QTest::keyClick(p, Qt::Key_Return);
    QApplication::processEvents();
    int index = -1;
    EXPECT_TRUE(g.grid->GetImageIdx(2, 1, index));
    EXPECT_EQ(index, 2);
}

TEST(DropDownCellEditors, TypingStartsTheEditWithTheCharacter)
{
    PickerGrid g(edGridDropDown);
    ASSERT_TRUE(g.show());
    auto* list = static_cast<TGridGridDropDown*>(g.editor(edGridDropDown));
    list->Columns().Add();
    list->Items().Add({QStringLiteral("Banana")});
    list->Items().Add({QStringLiteral("Brie")});
    list->EndUpdate();
    g.grid->SetCellEx(2, 1, QString());
    g.grid->FocusCell(2, 1);
    g.grid->setFocus();
    QApplication::processEvents();
    QTest::keyPress(g.grid, Qt::Key_B, Qt::NoModifier);
    QApplication::processEvents();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->text(), QStringLiteral("banana"));
    // The key comes up in the editor: the completion takes the item's case.
    QTest::keyRelease(list, Qt::Key_B, Qt::NoModifier);
    EXPECT_EQ(list->text(), QStringLiteral("Banana"));
    QTest::keyClick(list, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(g.grid->GetCellEx(2, 1), QStringLiteral("Banana"));
}

TEST(DropDownCellEditors, ScreenshotsOfEachPickerEditing)
{
    const TEditorType kinds[] = {edTrackbarDropDown, edMemoDropDown,   edCalculatorDropDown,
                                 edTimePickerDropDown, edDetailDropDown, edGridDropDown,
                                 edColorPickerDropDown, edImagePickerDropDown, edExGridDropDown};
    const char* names[] = {"trackbar", "memo", "calculator", "timepicker", "detail", "multicolumn", "colour",
                           "image", "exgrid"};
    for (size_t i = 0; i < std::size(kinds); ++i) {
        PickerGrid g(kinds[i]);
        ASSERT_TRUE(g.show());
        dropdown::TExCustomDropDown* e = g.editor(kinds[i]);
        if (auto* list = dynamic_cast<dropdown::TExListDropDown*>(e)) {
            list->Columns().Add().Header = QStringLiteral("Name");
            list->Columns().Add().Header = QStringLiteral("Code");
            list->Items().Add({QStringLiteral("r1c2"), QStringLiteral("1")});
            list->Items().Add({QStringLiteral("Brie"), QStringLiteral("2")});
            list->EndUpdate();
        }
        if (auto* detail = dynamic_cast<dropdown::TExDetailDropDown*>(e)) {
            detail->Items().Add(QStringLiteral("r1c2"), QStringLiteral("the cell's text"));
            detail->Items().Add(QStringLiteral("Other"), QStringLiteral("another item"));
        }
        g.open(2, 1);
        ASSERT_TRUE(e->isVisible()) << names[i];
        e->ShowDropDown();
        QApplication::processEvents();
        QImage sheet(g.form.window->size() + QSize(0, 260), QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        painter.drawPixmap(0, 0, g.form.window->grab());
        if (e->DroppedDown()) {
            auto* form = e->DropDownForm();
            painter.drawPixmap(form->geometry().topLeft() - g.form.window->mapToGlobal(QPoint(0, 0)), form->grab());
        }
        painter.end();
        dropdown_testing::saveScreenshot(sheet, QStringLiteral("grid_cell_%1.png").arg(QLatin1String(names[i])));
        e->HideDropDown(true);
    }
}
