// The multi-line inline editor: plain text cells of a grid that wraps words
// or keeps several lines per cell edit in a memo.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QPlainTextEdit>
#include <QTextOption>

#include "controls/grid/string_grid/editing/editing_test_support.h"

using namespace grid;
using editing_testing::EditingGrid;

namespace {

const QString TwoLines = QStringLiteral("first line\nsecond line");

// A word-wrap grid whose cell (1, 1) holds two lines.
struct MemoGrid : EditingGrid {
    MemoGrid()
    {
        grid->SetWordWrap(true);
        grid->SetRowHeights(1, 60);
        grid->SetColWidths(1, 300);  // each line fits on one row of the memo
        grid->SetCellEx(1, 1, TwoLines);
    }
    QPlainTextEdit* memo() const { return inplace() != nullptr ? inplace()->Memo() : nullptr; }
    void caretToEnd() { memo()->moveCursor(QTextCursor::End); }
    void caretToStart() { memo()->moveCursor(QTextCursor::Start); }
};

}  // namespace

TEST(EditingMultiLine, WhichGridsAndKindsEditInTheMemo)
{
    struct Case {
        const char* name;
        bool wordWrap;
        bool multilineCells;
        TEditorType kind;
        bool multiLine;
        bool wraps;
    };
    const Case cases[] = {
        {"word wrap, text of two lines", true, false, edNormal, true, true},
        {"multi-line cells without word wrap", false, true, edNormal, true, false},
        {"neither: one line", false, false, edNormal, false, false},
        {"password stays one line", true, true, edPassword, false, false},
        {"numeric keeps its filtered line", true, false, edNumeric, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditingGrid g;
        g.grid->SetWordWrap(c.wordWrap);
        g.grid->MultilineCells = c.multilineCells;
        g.grid->SetCellEx(1, 1, TwoLines);
        const TEditorType kind = c.kind;
        g.grid->OnGetEditorType = [kind](QObject*, int, int, TEditorType& k) { k = kind; };
        ASSERT_TRUE(g.show());
        g.open(1, 1);
        ASSERT_TRUE(g.inlineOpen());
        EXPECT_EQ(g.inplace()->MultiLine(), c.multiLine);
        if (c.multiLine) {
            ASSERT_NE(g.inplace()->Memo(), nullptr);
            EXPECT_TRUE(g.inplace()->Memo()->isVisible());
            EXPECT_TRUE(g.inplace()->Memo()->hasFocus());
            EXPECT_EQ(g.inplace()->EditText(), TwoLines) << "both lines, the break kept";
            EXPECT_EQ(g.inplace()->Memo()->lineWrapMode() == QPlainTextEdit::WidgetWidth, c.wraps);
        } else if (g.inplace()->Memo() != nullptr) {
            EXPECT_FALSE(g.inplace()->Memo()->isVisible());
        }
        g.key(Qt::Key_Escape);
        EXPECT_EQ(g.grid->GetCellEx(1, 1), TwoLines);
    }
}

TEST(EditingMultiLine, CtrlEnterBreaksTheLineOnlyWhenAllowedAndEnterWritesBack)
{
    for (const bool allow : {true, false}) {
        SCOPED_TRACE(allow ? "AllowCtrlEnter" : "Ctrl+Enter not allowed");
        MemoGrid g;
        g.grid->Navigation().AllowCtrlEnter = allow;
        int doneCount = 0;
        g.grid->OnEditingDone = [&](QObject*) { ++doneCount; };
        ASSERT_TRUE(g.show());
        g.open(1, 1);
        ASSERT_TRUE(g.inplace()->MultiLine());
        g.caretToEnd();
        g.key(Qt::Key_Return, Qt::ControlModifier);
        g.type(QStringLiteral("third"));
        const QString expected = allow ? TwoLines + QStringLiteral("\nthird") : TwoLines + QStringLiteral("third");
        EXPECT_EQ(g.inplace()->EditText(), expected);
        EXPECT_TRUE(g.inlineOpen()) << "Ctrl+Enter never ends the edit";
        g.key(Qt::Key_Return);
        EXPECT_FALSE(g.inlineOpen());
        EXPECT_EQ(g.grid->GetCellEx(1, 1), expected);
        EXPECT_EQ(doneCount, 1);
    }
}

TEST(EditingMultiLine, UpAndDownMoveBetweenLinesAndLeaveAtTheEdges)
{
    MemoGrid g;
    g.grid->SetCellEx(1, 2, QStringLiteral("below"));
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    g.caretToStart();
    g.key(Qt::Key_Down);
    EXPECT_TRUE(g.inlineOpen()) << "down from the first of two lines stays in the cell";
    EXPECT_EQ(g.grid->Row(), 1);
    g.type(QStringLiteral(">"));
    g.key(Qt::Key_Down);
    EXPECT_EQ(g.grid->Row(), 2) << "down on the last line leaves the cell";
    EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("first line\n>second line"));
}

TEST(EditingMultiLine, RefusedValueKeepsTheMemoOpenAndFocusLossWritesBack)
{
    MemoGrid g;
    g.grid->OnCellValidate = [](QObject*, int, int, QString& value, bool& valid) {
        valid = !value.contains(QStringLiteral("bad"));
    };
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    g.caretToEnd();
    g.type(QStringLiteral(" bad"));
    g.key(Qt::Key_Return);
    EXPECT_TRUE(g.inlineOpen());
    EXPECT_EQ(g.grid->GetCellEx(1, 1), TwoLines);
    EXPECT_EQ(g.inplace()->EditText(), TwoLines) << "the old value back in the memo";
    g.caretToEnd();
    g.type(QStringLiteral(" ok"));
    g.form.other->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    EXPECT_FALSE(g.inlineOpen());
    EXPECT_FALSE(g.grid->EditMode);
    EXPECT_EQ(g.grid->GetCellEx(1, 1), TwoLines + QStringLiteral(" ok"));
}

TEST(EditingMultiLine, RightAlignedCellEditsRightAlignedAndEscapePutsTheTextBack)
{
    MemoGrid g;
    g.grid->SetAlignments(1, 1, taRightJustify);
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    ASSERT_TRUE(g.inplace()->MultiLine());
    EXPECT_TRUE(g.inplace()->Memo()->document()->defaultTextOption().alignment() & Qt::AlignRight);
    g.caretToEnd();
    g.type(QStringLiteral("xyz"));
    g.key(Qt::Key_Escape);
    EXPECT_FALSE(g.inlineOpen());
    EXPECT_EQ(g.grid->GetCellEx(1, 1), TwoLines);
}

TEST(EditingMultiLine, CtrlEnterInAOneLineTextGoesOnInTheMemo)
{
    struct Case {
        const char* name;
        bool wordWrap;
        bool allow;
        bool breaks;
    };
    const Case cases[] = {
        {"word wrap, allowed", true, true, true},
        {"word wrap, not allowed", true, false, false},
        {"no word wrap, no multi-line cells", false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditingGrid g;
        g.grid->SetWordWrap(c.wordWrap);
        g.grid->Navigation().AllowCtrlEnter = c.allow;
        g.grid->SetCellEx(1, 1, QStringLiteral("abcd"));
        std::vector<QString> changes;
        g.grid->OnEditChange = [&](QObject*, int, int, const QString& v) { changes.push_back(v); };
        int doneCount = 0;
        g.grid->OnEditingDone = [&](QObject*) { ++doneCount; };
        ASSERT_TRUE(g.show());
        g.open(1, 1);
        ASSERT_FALSE(g.inplace()->MultiLine()) << "a one-line text starts in the line edit";
        g.inplace()->setCursorPosition(2);
        g.key(Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(g.inplace()->MultiLine(), c.breaks);
        EXPECT_TRUE(g.inlineOpen());
        EXPECT_EQ(doneCount, 0) << "the switch to the memo does not end the edit";
        g.type(QStringLiteral("X"));
        const QString expected = c.breaks ? QStringLiteral("ab\nXcd") : QStringLiteral("abXcd");
        EXPECT_EQ(g.inplace()->EditText(), expected);
        ASSERT_FALSE(changes.empty());
        EXPECT_EQ(changes.back(), expected);
        g.key(Qt::Key_Return);
        EXPECT_FALSE(g.inlineOpen());
        EXPECT_EQ(g.grid->GetCellEx(1, 1), expected);
        EXPECT_EQ(doneCount, 1);
        // The next edit of a one-line cell starts in the line edit again.
        g.grid->SetCellEx(1, 2, QStringLiteral("one"));
        g.open(1, 2);
        EXPECT_FALSE(g.inplace()->MultiLine());
        g.key(Qt::Key_Escape);
    }
}

TEST(EditingMultiLine, PasteKeepsInnerLineBreaksAndAsksTheClipboardEvents)
{
    for (const bool allow : {true, false}) {
        SCOPED_TRACE(allow ? "paste allowed" : "paste refused");
        MemoGrid g;
        int before = 0;
        int after = 0;
        g.grid->OnClipboardPaste = [&](QObject*, bool& a) { a = a && allow; };
        g.grid->OnClipboardBeforePasteCell = [&](QObject*, int, int, QString&, bool&) { ++before; };
        g.grid->OnClipboardAfterPasteCell = [&](QObject*, int, int, const QString&) { ++after; };
        ASSERT_TRUE(g.show());
        g.open(1, 1);
        QApplication::clipboard()->setText(QStringLiteral("x\ny\n"));
        g.caretToEnd();
        g.key(Qt::Key_V, Qt::ControlModifier);
        const QString expected = allow ? TwoLines + QStringLiteral("x\ny") : TwoLines;
        EXPECT_EQ(g.inplace()->EditText(), expected) << "the closing line break is dropped";
        EXPECT_EQ(before, allow ? 1 : 0);
        EXPECT_EQ(after, 1);
        g.key(Qt::Key_Return);
        EXPECT_EQ(g.grid->GetCellEx(1, 1), expected);
    }
}

// A picture of the memo open over a two-line cell, for a person to look at;
// written next to the test program (in the build folder).
TEST(EditingMultiLine, ScreenshotOfTheMemoOpen)
{
    MemoGrid g;
    g.grid->SetCellEx(2, 1, QStringLiteral("neighbour"));
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    g.caretToEnd();
    g.key(Qt::Key_Return, Qt::ControlModifier);
    g.type(QStringLiteral("third line"));
    QApplication::processEvents();
    QTest::qWait(50);
    const QImage image = g.form.window->grab().toImage();
    const QString path = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("editing_multiline_edit.png"));
    EXPECT_TRUE(image.save(path)) << path.toStdString();
    EXPECT_TRUE(g.inplace()->MultiLine());
}

namespace {

// A grid with multi-line cells (no word wrap): every plain text cell edits
// in the memo, one-line texts too.
struct MemoCellsGrid : EditingGrid {
    explicit MemoCellsGrid(TExStringGrid* own = nullptr) : EditingGrid(own)
    {
        grid->MultilineCells = true;
        grid->SetWordWrap(false);
        grid->SetColWidths(1, 300);
        grid->SetRowHeights(1, 60);
    }
    QPlainTextEdit* memo() const { return inplace() != nullptr ? inplace()->Memo() : nullptr; }
    void openMemo(int col, int row)
    {
        open(col, row);
        ASSERT_TRUE(inlineOpen());
        ASSERT_TRUE(inplace()->MultiLine());
    }
};

struct MemoHookCall {
    QString text;
    QPoint pos;
    int index;
};

// Records what the edit-text hook hears.
class MemoHookGrid : public TExStringGrid {
public:
    std::vector<MemoHookCall> calls;
    void EditTextHook(const QString& text, QPoint pos, int index) override { calls.push_back({text, pos, index}); }
};

}  // namespace

TEST(EditingMultiLine, LookupCompletesInTheMemo)
{
    struct Case {
        const char* name;
        bool caseSensitive;
        const char* typed;
        const char* text;
        const char* selected;
    };
    const Case cases[] = {
        {"first match, typed characters kept as typed", false, "AP", "APple", "ple"},
        {"case-sensitive skips the other case", true, "Ap", "Apricot", "ricot"},
        {"no item starts so", false, "x", "x", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoCellsGrid g;
        g.grid->SetCellEx(1, 1, QString());
        g.grid->Lookup = true;
        g.grid->LookupCaseSensitive = c.caseSensitive;
        const QStringList items{QStringLiteral("apple"), QStringLiteral("Apricot")};
        g.grid->SetLookupItems(&items);
        ASSERT_TRUE(g.show());
        g.openMemo(1, 1);
        for (const QChar ch : QString::fromLatin1(c.typed))
            QTest::keyClick(g.focus(), ch.toLatin1(), ch.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(g.inplace()->EditText(), QString::fromLatin1(c.text));
        EXPECT_EQ(g.memo()->textCursor().selectedText(), QString::fromLatin1(c.selected));
        // Backspace completes nothing: the selected rest goes and stays gone.
        if (*c.selected != '\0') {
            g.key(Qt::Key_Backspace);
            EXPECT_EQ(g.inplace()->EditText(), QString::fromLatin1(c.typed));
        }
        g.key(Qt::Key_Escape);
    }
}

TEST(EditingMultiLine, AdvanceAutoMovesOnWhenTheMemoIsFull)
{
    for (const bool advanceAuto : {true, false}) {
        SCOPED_TRACE(advanceAuto ? "AdvanceAuto" : "no AdvanceAuto");
        MemoCellsGrid g;
        g.grid->SetCellEx(1, 1, QString());
        g.grid->MaxEditLength = 4;
        g.grid->Navigation().SetAdvanceAuto(advanceAuto);
        g.grid->Navigation().AdvanceOnEnter = true;
        ASSERT_TRUE(g.show());
        g.openMemo(1, 1);
        g.type(QStringLiteral("abc"));
        EXPECT_EQ(g.grid->Row(), 1);
        EXPECT_EQ(g.grid->Col(), 1) << "three of four characters: still editing";
        g.type(QStringLiteral("d"));
        EXPECT_EQ(g.grid->GetCellEx(1, 1), advanceAuto ? QStringLiteral("abcd") : QString());
        const bool moved = g.grid->Col() != 1 || g.grid->Row() != 1;
        EXPECT_EQ(moved, advanceAuto);
        g.type(QStringLiteral("e"));
        if (!advanceAuto) {
            EXPECT_EQ(g.inplace()->EditText(), QStringLiteral("abcd")) << "a full text takes no more";
        }
    }
}

TEST(EditingMultiLine, ShiftArrowAtTheEdgeClosesTheMemoInTheSameCell)
{
    struct Case {
        const char* name;
        Qt::Key key;
        bool atEnd;
        bool walk;
        bool refuse;
        bool closes;
    };
    const Case cases[] = {
        {"Shift+Left at the start", Qt::Key_Left, false, true, false, true},
        {"Shift+Right at the end", Qt::Key_Right, true, true, false, true},
        {"Shift+Left at the end only selects", Qt::Key_Left, true, true, false, false},
        {"without CursorWalkEditor only selects", Qt::Key_Right, true, false, false, false},
        {"a refused value keeps the memo", Qt::Key_Right, true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoGrid g;
        g.grid->Navigation().CursorWalkEditor = c.walk;
        const bool refuse = c.refuse;
        g.grid->OnCellValidate = [refuse](QObject*, int, int, QString&, bool& valid) { valid = !refuse; };
        ASSERT_TRUE(g.show());
        g.open(1, 1);
        ASSERT_TRUE(g.inplace()->MultiLine());
        g.caretToEnd();
        g.type(QStringLiteral("!"));
        if (!c.atEnd) g.caretToStart();
        g.key(c.key, Qt::ShiftModifier);
        EXPECT_EQ(g.inlineOpen(), !c.closes);
        EXPECT_EQ(g.grid->Col(), 1);
        EXPECT_EQ(g.grid->Row(), 1);
        const QString edited = TwoLines + QStringLiteral("!");
        if (c.closes) {
            EXPECT_EQ(g.grid->GetCellEx(1, 1), edited);
            EXPECT_TRUE(g.grid->hasFocus());
        } else if (c.refuse) {
            EXPECT_EQ(g.grid->GetCellEx(1, 1), TwoLines);
            EXPECT_EQ(g.inplace()->EditText(), TwoLines) << "the old value back";
        } else {
            EXPECT_EQ(g.inplace()->EditText(), edited);
            g.key(Qt::Key_Escape);
        }
    }
}

TEST(EditingMultiLine, EditTextHookHearsTheCaretIndexAndWhereTheCharacterBeforeItIs)
{
    auto* hooked = new MemoHookGrid;
    MemoCellsGrid g(hooked);
    g.grid->SetCellEx(1, 1, QString());
    g.grid->Navigation().AllowCtrlEnter = true;
    ASSERT_TRUE(g.show());
    g.openMemo(1, 1);
    g.type(QStringLiteral("ab"));
    ASSERT_GE(hooked->calls.size(), 2u);
    const MemoHookCall first = hooked->calls[hooked->calls.size() - 2];
    const MemoHookCall second = hooked->calls.back();
    EXPECT_EQ(first.text, QStringLiteral("a"));
    EXPECT_EQ(first.index, 1);
    EXPECT_EQ(second.text, QStringLiteral("ab"));
    EXPECT_EQ(second.index, 2);
    EXPECT_GT(second.pos.x(), first.pos.x()) << "b is drawn right of a";
    EXPECT_GE(first.pos.x(), 0);
    g.key(Qt::Key_Return, Qt::ControlModifier);
    g.type(QStringLiteral("c"));
    const MemoHookCall third = hooked->calls.back();
    EXPECT_EQ(third.text, QStringLiteral("ab\nc"));
    EXPECT_EQ(third.index, 4);
    EXPECT_GT(third.pos.y(), second.pos.y()) << "c is on the second line";
    EXPECT_LT(third.pos.x(), second.pos.x());
    // The caret at the start tells nothing; the end of the edit tells (-1, -1) and -1.
    const size_t before = hooked->calls.size();
    g.memo()->moveCursor(QTextCursor::Start);
    g.key(Qt::Key_Home);
    EXPECT_EQ(hooked->calls.size(), before);
    g.form.other->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    ASSERT_FALSE(hooked->calls.empty());
    EXPECT_EQ(hooked->calls.back().pos, QPoint(-1, -1));
    EXPECT_EQ(hooked->calls.back().index, -1);
    EXPECT_EQ(hooked->calls.back().text, QStringLiteral("ab\nc"));
}

TEST(EditingMultiLine, CtrlOrShiftEnterGivesTheRowRoomForOneMoreLine)
{
    enum Growth { Grows, Stays, FitsTallerNeighbour };
    struct Case {
        const char* name;
        bool sizeHeight;
        const char* neighbour;  // another cell of the row
        Growth growth;
    };
    const Case cases[] = {
        {"SizeWhileTyping.Height", true, "x", Grows},
        {"no SizeWhileTyping.Height", false, "x", Stays},
        {"a neighbour of more lines sizes the row", true, "1\n2\n3\n4\n5", FitsTallerNeighbour},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoCellsGrid g;
        g.grid->SizeWhileTyping().Height = c.sizeHeight;
        g.grid->Navigation().AllowCtrlEnter = true;
        g.grid->SetCellEx(1, 1, QStringLiteral("one"));
        g.grid->SetCellEx(2, 1, QString::fromLatin1(c.neighbour));
        g.grid->AutoSizeRows(false);
        std::vector<int> ended;
        g.grid->OnEndRowSize = [&](QObject*, int row) { ended.push_back(row); };
        ASSERT_TRUE(g.show());
        g.openMemo(1, 1);
        g.memo()->moveCursor(QTextCursor::End);
        std::vector<int> heights{g.grid->RowHeights(1)};
        g.key(Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(g.inplace()->EditText(), QStringLiteral("one\n"));
        heights.push_back(g.grid->RowHeights(1));
        EXPECT_EQ(ended, c.sizeHeight ? std::vector<int>{1} : std::vector<int>{});
        g.type(QStringLiteral("two"));
        g.key(Qt::Key_Return, Qt::ControlModifier);
        heights.push_back(g.grid->RowHeights(1));
        // Shift+Enter writes back and leaves, the row given one more line.
        g.type(QStringLiteral("three"));
        g.key(Qt::Key_Return, Qt::ShiftModifier);
        EXPECT_FALSE(g.inlineOpen());
        EXPECT_EQ(g.grid->GetCellEx(1, 1), QStringLiteral("one\ntwo\nthree"));
        heights.push_back(g.grid->RowHeights(1));
        switch (c.growth) {
        case Grows:
            for (size_t i = 1; i < heights.size(); ++i) EXPECT_GT(heights[i], heights[i - 1]) << "step " << i;
            break;
        case Stays:
            for (size_t i = 1; i < heights.size(); ++i) EXPECT_EQ(heights[i], heights[0]) << "step " << i;
            break;
        case FitsTallerNeighbour: {
            // Below the neighbour's five lines the row is sized to its cells.
            g.grid->AutoSizeRow(1);
            const int fitted = g.grid->RowHeights(1);
            for (size_t i = 1; i < heights.size(); ++i) EXPECT_EQ(heights[i], fitted) << "step " << i;
            break;
        }
        }
    }
}

TEST(EditingMultiLine, EnterEndsTheEditingStateWithoutAllowCtrlEnter)
{
    for (const bool allow : {false, true}) {
        SCOPED_TRACE(allow ? "AllowCtrlEnter" : "no AllowCtrlEnter");
        MemoGrid g;
        g.grid->Navigation().AllowCtrlEnter = allow;
        int validations = 0;
        g.grid->OnCellValidate = [&](QObject*, int, int, QString&, bool&) { ++validations; };
        ASSERT_TRUE(g.show());
        g.open(1, 1);
        g.caretToEnd();
        g.type(QStringLiteral("+"));
        g.key(Qt::Key_Return);
        EXPECT_FALSE(g.inlineOpen());
        EXPECT_FALSE(g.grid->Editing());
        EXPECT_EQ(validations, 1) << "the value is validated once";
        EXPECT_EQ(g.grid->GetCellEx(1, 1), TwoLines + QStringLiteral("+"));
    }
}

TEST(EditingMultiLine, GridWordWrapReachesTheOpenMemo)
{
    MemoGrid g;
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    ASSERT_TRUE(g.inplace()->MultiLine());
    EXPECT_EQ(g.memo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    g.grid->SetWordWrap(false);
    EXPECT_FALSE(g.inplace()->WordWrap());
    EXPECT_EQ(g.memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(g.inlineOpen()) << "the edit goes on";
    g.grid->SetWordWrap(true);
    EXPECT_TRUE(g.inplace()->WordWrap());
    EXPECT_EQ(g.memo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    g.key(Qt::Key_Escape);
    EXPECT_EQ(g.grid->GetCellEx(1, 1), TwoLines);
}

TEST(EditingMultiLine, OneLineEditorTellsTheEditTextHookToo)
{
    auto* hooked = new MemoHookGrid;
    EditingGrid g(hooked);
    g.grid->SetWordWrap(false);
    g.grid->SetCellEx(1, 1, QString());
    ASSERT_TRUE(g.show());
    g.open(1, 1);
    ASSERT_FALSE(g.inplace()->MultiLine());
    g.type(QStringLiteral("ab"));
    ASSERT_GE(hooked->calls.size(), 2u);
    const MemoHookCall first = hooked->calls[hooked->calls.size() - 2];
    const MemoHookCall second = hooked->calls.back();
    EXPECT_EQ(first.text, QStringLiteral("a"));
    EXPECT_EQ(first.index, 1);
    EXPECT_EQ(second.text, QStringLiteral("ab"));
    EXPECT_EQ(second.index, 2);
    EXPECT_GT(second.pos.x(), first.pos.x());
    EXPECT_GE(first.pos.x(), 0);
    g.key(Qt::Key_Escape);
}

TEST(EditingMultiLine, ColumnGrowsToTheWidestTypedLineAndNeverShrinks)
{
    for (const bool sizeWidth : {true, false}) {
        SCOPED_TRACE(sizeWidth ? "SizeWhileTyping.Width" : "no SizeWhileTyping.Width");
        MemoCellsGrid g;
        g.grid->SizeWhileTyping().Width = sizeWidth;
        g.grid->Navigation().AllowCtrlEnter = true;
        g.grid->SetColWidths(1, 40);
        g.grid->SetCellEx(1, 1, QString());
        ASSERT_TRUE(g.show());
        g.openMemo(1, 1);
        const QString shortLine = QStringLiteral("ab");
        const QString longLine = QStringLiteral("a rather long second line of text");
        g.type(shortLine);
        g.key(Qt::Key_Return, Qt::ControlModifier);
        g.type(longLine);
        const int afterLong = g.grid->ColWidths(1);
        g.key(Qt::Key_Return, Qt::ControlModifier);
        g.type(QStringLiteral("c"));
        ASSERT_EQ(g.inplace()->EditText(), shortLine + u'\n' + longLine + QStringLiteral("\nc"));
        const QFontMetrics metrics(g.memo()->font());
        if (!sizeWidth) {
            EXPECT_EQ(g.grid->ColWidths(1), 40);
            continue;
        }
        EXPECT_GE(afterLong, metrics.horizontalAdvance(longLine)) << "the widest line shows whole";
        EXPECT_LT(afterLong, metrics.horizontalAdvance(shortLine + longLine))
            << "sized to the widest line, not to the text run together";
        EXPECT_EQ(g.grid->ColWidths(1), afterLong) << "a shorter line keeps the width";
        for (int i = 0; i < 12; ++i) g.key(Qt::Key_Backspace);
        EXPECT_EQ(g.grid->ColWidths(1), afterLong) << "deleting never narrows the column";
    }
}
