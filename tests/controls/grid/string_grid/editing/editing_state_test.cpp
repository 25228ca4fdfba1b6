// Wide-text validation, the grid's colours from an application style, the
// editing-state hooks, Alt+Backspace in the inline editor and the repaints
// of a move in a grid that draws cell borders of its own.

#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QRegion>

#include "controls/grid/settings/grid_app_style.h"
#include "controls/grid/text/grid_text_utils.h"
#include "controls/grid/string_grid/editing/editing_test_support.h"

using namespace grid;
using editing_testing::EditingGrid;

namespace {

// Wide cells: (1, 1) holds a packed wide text.
struct WideCase {
    const char* name;
    QString typed;       // the value handed to ValidateCellWide
    bool refuse;         // the handler sets Valid false
    QString replacement; // the handler's value (empty: left as given)
    QString cellAfter;   // the unpacked text of the cell afterwards
    bool modified;       // the grid counts as modified
    int validations;     // OnCellValidateWide calls
};

}  // namespace

TEST(EditingWide, ValidateCellWideWritesPackedTextOrPutsTheOldBack)
{
    const QString old = QString::fromUtf8("\u00C4rger");
    const WideCase cases[] = {
        {"unchanged value passes without asking", old, false, {}, old, false, 0},
        {"valid change is written packed", QString::fromUtf8("\u0141\u00F3d\u017A"), false, {}, QString::fromUtf8("\u0141\u00F3d\u017A"), true, 1},
        {"handler's replacement is written", QStringLiteral("abc"), false, QStringLiteral("ABC"), QStringLiteral("ABC"), true, 1},
        {"refusal puts the old wide text back", QStringLiteral("bad"), true, {}, old, false, 1},
        {"refusal with a replacement writes it", QStringLiteral("bad"), true, QStringLiteral("fixed"), QStringLiteral("fixed"), false, 1},
    };
    for (const WideCase& c : cases) {
        SCOPED_TRACE(c.name);
        EditingGrid g;
        g.grid->SetCellEx(1, 1, PackWideText(old));
        int validations = 0;
        int changedCells = 0;
        g.grid->OnCellsChanged = [&](QObject*, const QRect&) { ++changedCells; };
        g.grid->OnCellValidateWide = [&](QObject*, int col, int row, QString& value, bool& valid) {
            ++validations;
            EXPECT_EQ(col, 1);
            EXPECT_EQ(row, 1);
            if (!c.replacement.isEmpty()) value = c.replacement;
            if (c.refuse) valid = false;
        };
        ASSERT_TRUE(g.show());
        g.open(1, 1);
        ASSERT_TRUE(g.grid->Editing());
        EXPECT_EQ(g.grid->ValidateCellWide(c.typed), !c.refuse);
        EXPECT_EQ(validations, c.validations);
        EXPECT_EQ(g.grid->GetCellEx(1, 1), PackWideText(c.cellAfter));
        EXPECT_EQ(g.grid->GetWideCells(1, 1), c.cellAfter);
        EXPECT_EQ(g.grid->GridModified(), c.modified);
        EXPECT_EQ(changedCells, c.modified ? 1 : 0);
        EXPECT_FALSE(g.grid->Validating());
        if (c.refuse) {
            EXPECT_FALSE(g.grid->LastValidation());
            EXPECT_TRUE(g.grid->Editing()) << "the edit goes on in the old cell";
            EXPECT_TRUE(g.inlineOpen());
            EXPECT_EQ(g.grid->Col(), 1);
            EXPECT_EQ(g.grid->Row(), 1);
        }
        // A second validation of the same edit passes without asking again.
        if (!c.refuse) {
            validations = 0;
            EXPECT_TRUE(g.grid->ValidateCellWide(QStringLiteral("again")));
            EXPECT_EQ(validations, 0);
        }
    }
}

// ------------------------------------------------------------ application style

namespace {

// Sets a style for one test and puts "no style" back afterwards.
struct StyleScope {
    explicit StyleScope(const TGridAppStyle& style) { TGridAppStyleService::Instance().SetStyle(style); }
    ~StyleScope() { TGridAppStyleService::Instance().SetStyle(TGridAppStyle()); }
    StyleScope(const StyleScope&) = delete;
    StyleScope& operator=(const StyleScope&) = delete;
};

TGridAppStyle DarkStyle()
{
    TGridAppStyle s;
    s.Enabled = true;
    s.Name = QStringLiteral("Carbon");
    s.GridCellFill = 0x00202020;
    s.GridCellBorder = 0x00404040;
    s.FixedCellBorder = 0x00505050;
    s.GridCellText = 0x00F0F0F0;
    s.SelectedCellText = 0x0000FFFF;
    s.FixedCellText = 0x00C0C0C0;
    return s;
}

}  // namespace

TEST(EditingStyle, ActiveStyleColoursTheGridAndNoStyleLeavesItAlone)
{
    TExStringGrid plain(nullptr);
    const TColor color = plain.Color();
    const platform::TGridOptions options = plain.Options();
    EXPECT_FALSE(plain.UseStyleColors());

    {
        // An enabled style named "Windows" counts as none.
        TGridAppStyle windows = DarkStyle();
        windows.Name = QStringLiteral("Windows");
        StyleScope scope(windows);
        EXPECT_FALSE(plain.UseStyleColors());
        EXPECT_EQ(plain.Color(), color);
        EXPECT_EQ(plain.Options(), options);
    }
    {
        // A style change reaches a grid that exists already; a new grid
        // takes the style from the start.
        StyleScope scope(DarkStyle());
        TExStringGrid fresh(nullptr);
        for (TExStringGrid* grid : {&plain, &fresh}) {
            EXPECT_TRUE(grid->UseStyleColors());
            EXPECT_EQ(grid->Color(), TColor(0x00202020));
            EXPECT_EQ(grid->GridLineColor(), TColor(0x00404040));
            EXPECT_EQ(grid->GridFixedLineColor(), TColor(0x00505050));
            EXPECT_FALSE(grid->Options() & platform::goFixedVertLine);
            EXPECT_FALSE(grid->Options() & platform::goFixedHorzLine);
            EXPECT_TRUE(grid->Options() & platform::goVertLine) << "only the fixed lines go";
            EXPECT_EQ(grid->Font().Color, TColor(0x00F0F0F0));
            EXPECT_EQ(grid->SelectionTextColor, TColor(0x0000FFFF));
            EXPECT_EQ(grid->FixedFont().Color, TColor(0x00C0C0C0));
        }
    }
    EXPECT_FALSE(plain.UseStyleColors()) << "back to no style";
}

TEST(EditingStyle, TextColoursAreTakenOnlyWhenTheStyleAnswersOne)
{
    TExStringGrid grid(nullptr);
    const TColor fontColor = grid.Font().Color;
    const TColor selectionText = grid.SelectionTextColor;
    const TColor fixedColor = grid.FixedFont().Color;
    TGridAppStyle style = DarkStyle();
    style.GridCellText = clNone;
    style.SelectedCellText = clNone;
    style.FixedCellText = clNone;
    StyleScope scope(style);
    EXPECT_TRUE(grid.UseStyleColors());
    EXPECT_EQ(grid.Color(), TColor(0x00202020)) << "the fill is always taken";
    EXPECT_EQ(grid.Font().Color, fontColor);
    EXPECT_EQ(grid.SelectionTextColor, selectionText);
    EXPECT_EQ(grid.FixedFont().Color, fixedColor);
}

// ------------------------------------------------------------ hooks and Alt+Backspace

namespace {

class HookGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    std::vector<bool> states;
    std::vector<platform::Word> keys;
    void InplaceEditState(bool IsFormula) override { states.push_back(IsFormula); }
    void InplaceEditWMKeyDown(platform::Word& Key) override { keys.push_back(Key); }
};

struct HookForm {
    edit_testing::TestForm form{QSize(560, 320)};
    HookGrid* grid = nullptr;
    HookForm()
    {
        grid = new HookGrid(form.window.get());
        grid->setGeometry(0, 0, 540, 260);
        grid->SetOptions(grid->Options() | platform::goEditing);
        grid->SetCellEx(1, 1, QStringLiteral("text"));
    }
    void open()
    {
        grid->FocusCell(1, 1);
        grid->setFocus();
        grid->ShowCellEdit();
        QApplication::processEvents();
    }
};

}  // namespace

TEST(EditingHooks, InlineEditorTellsTheKeysAndWhetherItsTextIsAFormula)
{
    HookForm f;
    ASSERT_TRUE(f.form.show(f.grid));
    f.open();
    ASSERT_NE(f.grid->InplaceEdit(), nullptr);
    f.grid->InplaceEdit()->selectAll();
    QTest::keyClick(QApplication::focusWidget(), '=');
    QTest::keyClick(QApplication::focusWidget(), '1');
    ASSERT_GE(f.grid->keys.size(), 2u) << "typed characters reach the key-message hook too";
    EXPECT_EQ(f.grid->keys.back(), platform::Word('1'));
    ASSERT_FALSE(f.grid->states.empty());
    EXPECT_TRUE(f.grid->states.back()) << "=1 starts with =";
    f.grid->InplaceEdit()->selectAll();
    QTest::keyClick(QApplication::focusWidget(), 'x');
    EXPECT_FALSE(f.grid->states.back());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    QTest::keyClick(QApplication::focusWidget(), '=');
    EXPECT_TRUE(f.grid->states.back());
    // Leaving the editor tells the grid the formula state is over.
    f.form.other->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    EXPECT_FALSE(f.grid->states.back());
}

TEST(EditingHooks, SmallHooksFireTheirEvents)
{
    TExStringGrid grid(nullptr);
    std::vector<QString> fired;
    grid.OnCheckBoxClick = [&](QObject*, int c, int r, bool s) { fired.push_back(QStringLiteral("check %1 %2 %3").arg(c).arg(r).arg(s)); };
    grid.OnClickSort = [&](QObject*, int c) { fired.push_back(QStringLiteral("sort %1").arg(c)); };
    grid.OnPrintGetPageNum = [&](QObject*, int p, int pc, QString& s) { s = QStringLiteral("%1/%2").arg(p).arg(pc); };
    grid.OnStartBlockFocus = [&](QObject*) { fired.push_back(QStringLiteral("start")); };
    grid.OnEndBlockFocus = [&](QObject*) { fired.push_back(QStringLiteral("end")); };
    grid.OnScrollCell = [&](QObject*, int c, int r, int p, int mn, int mx) {
        fired.push_back(QStringLiteral("scroll %1 %2 %3 %4 %5").arg(c).arg(r).arg(p).arg(mn).arg(mx));
    };
    grid.DoCheckBoxClick(2, 3, true);
    grid.DoClickSort(4);
    QString page;
    grid.DoPrintGetPageNum(2, 1, page);
    grid.DoStartBlockFocus();
    grid.DoEndBlockFocus();
    grid.DoScrollCell(1, 2, 30, 0, 100);
    const std::vector<QString> expected = {QStringLiteral("check 2 3 1"), QStringLiteral("sort 4"),
                                           QStringLiteral("start"), QStringLiteral("end"),
                                           QStringLiteral("scroll 1 2 30 0 100")};
    EXPECT_EQ(fired, expected);
    EXPECT_EQ(page, QStringLiteral("2/1"));
    grid.SetOptions(grid.Options() | platform::goEditing);
    grid.DisableEditing();
    EXPECT_FALSE(grid.Options() & platform::goEditing);
}

TEST(EditingInline, AltBackspaceUndoesAndKeepsTheEditThroughAFocusLoss)
{
    EditingGrid g;
    int editingDone = 0;
    g.grid->OnEditingDone = [&](QObject*) { ++editingDone; };
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    ASSERT_TRUE(g.inlineOpen());
    g.inplace()->setCursorPosition(int(g.inplace()->text().size()));
    g.type(QStringLiteral("x"));
    ASSERT_EQ(g.inplace()->text(), QStringLiteral("r1c1x"));
    QTest::keyPress(g.focus(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(g.inplace()->text(), QStringLiteral("r1c1")) << "the undo key";
    EXPECT_TRUE(g.inplace()->AltBackHeld());
    // The focus leaves while the key is held: the edit stays open.
    g.form.other->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(g.grid->EditMode);
    EXPECT_TRUE(g.inlineOpen());
    EXPECT_EQ(editingDone, 0);
    QTest::keyRelease(g.inplace(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_FALSE(g.inplace()->AltBackHeld());
    // Once released, a focus loss ends the edit as usual.
    g.inplace()->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    g.inplace()->setText(QStringLiteral("done"));
    g.form.other->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    EXPECT_FALSE(g.grid->EditMode);
    EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("done"));
    EXPECT_EQ(editingDone, 1);
}

// ------------------------------------------------------------ repaints of a move

namespace {

// Collects the regions the grid's cells area is painted in.
class PaintSpy : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

}  // namespace

TEST(EditingSelection, OwnCellBordersRepaintTheOldSelectionRows)
{
    for (const bool borders : {false, true}) {
        SCOPED_TRACE(borders ? "with cell borders" : "without");
        EditingGrid g;
        g.grid->SetOptions(g.grid->Options() & ~platform::goEditing);
        if (borders) g.grid->OnGetCellBorder = [](QObject*, int, int, TGridPen&, TCellBorders&) {};
        ASSERT_TRUE(g.show());
        g.grid->FocusCell(1, 3);
        QApplication::processEvents();
        PaintSpy spy;
        g.grid->viewport()->installEventFilter(&spy);
        g.grid->SetRow(1);
        QApplication::processEvents();
        g.grid->viewport()->removeEventFilter(&spy);
        ASSERT_EQ(g.grid->Row(), 1);
        // A cell of the old row that neither the old nor the new current cell touches.
        const QRect far = g.grid->CellRect(4, 3).toQRect().adjusted(2, 2, -2, -2);
        EXPECT_EQ(spy.painted.contains(far), borders);
    }
}

// ------------------------------------------------------------ spin buttons drawn in the cell

TEST(EditingSpin, PressOnADrawnSpinButtonStepsTheOpeningSpinEditor)
{
    struct Case {
        const char* name;
        bool upperHalf;
        bool onButtons;
        int expected;
        int clicks;
    };
    const Case cases[] = {
        {"upper half steps up", true, true, 8, 1},
        {"lower half steps down", false, true, 6, 1},
        {"press left of the buttons takes no step", true, false, 7, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditingGrid g;
        g.grid->SetCellEx(1, 1, QStringLiteral("7"));
        g.grid->ControlLook().SetSpinButtonsAlwaysVisible(true);
        g.grid->OnGetEditorType = [](QObject*, int, int, TEditorType& kind) { kind = edSpinEdit; };
        int clicks = 0;
        g.grid->OnSpinClick = [&](QObject*, int, int, int, bool) { ++clicks; };
        ASSERT_TRUE(g.show());
        g.grid->FocusCell(1, 1);
        QApplication::processEvents();
        const QRect cell = g.grid->CellRect(1, 1).toQRect();
        const int x = c.onButtons ? cell.right() - 4 : cell.left() + 10;
        const int y = c.upperHalf ? cell.top() + 3 : cell.bottom() - 3;
        QTest::mouseClick(g.grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
        QApplication::processEvents();
        if (!g.grid->EditMode) g.open(1, 1);  // the press itself may leave the opening to F2
        ASSERT_TRUE(g.grid->EditMode);
        EXPECT_EQ(g.grid->SpinEdit()->Value(), c.expected);
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_FALSE(g.grid->SpinUpClick()) << "the step is taken once";
        EXPECT_FALSE(g.grid->SpinDnClick());
    }
}
