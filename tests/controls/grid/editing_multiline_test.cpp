// The multi-line inline editor: plain text cells of a grid that wraps words
// or keeps several lines per cell edit in a memo.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QPlainTextEdit>
#include <QTextOption>

#include "editing_test_support.h"

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
