#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "controls/dropdown/memo/memo_dropdown.h"
#include "controls/dropdown/picker_test_support.h"
#include "controls/dropdown/trackbar/trackbar_dropdown.h"

using namespace dropdown;
using namespace dropdown_testing;
using platform::VK_DOWN;
using platform::VK_UP;

TEST(TrackBarDropDown, PositionIsKeptWithinTheRange)
{
    TExTrackBarDropDown edit;
    EXPECT_EQ(edit.text(), QStringLiteral("0"));
    EXPECT_EQ(edit.EditType(), etNumeric);
    EXPECT_FALSE(edit.EditorEnabled());
    int changes = 0;
    edit.OnTrackChange = [&](QObject*) { ++changes; };
    edit.SetPosition(25);
    EXPECT_EQ(edit.Position(), 10);
    EXPECT_EQ(edit.text(), QStringLiteral("10"));
    EXPECT_EQ(changes, 1);
    edit.SetPosition(-3);
    EXPECT_EQ(edit.Position(), 0);
    edit.SetMin(2);
    EXPECT_EQ(edit.Position(), 2);
    edit.SetMax(1);  // the track bar keeps its range in order
    EXPECT_LE(edit.Min(), edit.Max());
}

TEST(TrackBarDropDown, TextSetsThePositionAndANonNumberKeepsIt)
{
    TExTrackBarDropDown edit;
    edit.SetPrefix(QStringLiteral("<"));
    edit.SetSuffix(QStringLiteral(">"));
    edit.SetText(QStringLiteral("7"));
    EXPECT_EQ(edit.Position(), 7);
    edit.SetText(QStringLiteral("seven"));
    EXPECT_EQ(edit.Position(), 7);
    edit.SetText(QString());  // empty is 0
    EXPECT_EQ(edit.Position(), 0);
    edit.SetTextDirect(QStringLiteral("4.5"));
    EXPECT_EQ(edit.Position(), 0);
}

TEST(TrackBarDropDown, UpAndDownStepByFrequencyWithinTheRange)
{
    TExTrackBarDropDown edit;
    edit.KeyDownMessage(VK_UP);
    EXPECT_EQ(edit.Position(), 0);
    edit.KeyDownMessage(VK_DOWN);
    EXPECT_EQ(edit.Position(), 1);
    edit.SetFrequency(3);
    edit.SetPosition(9);
    edit.KeyDownMessage(VK_DOWN);
    EXPECT_EQ(edit.Position(), 9);
    edit.KeyDownMessage(VK_UP);
    EXPECT_EQ(edit.Position(), 6);
    edit.SetEditorEnabled(true);
    edit.KeyDownMessage(VK_UP);
    EXPECT_EQ(edit.Position(), 6);
}

TEST(TrackBarDropDown, DragArithmetic)
{
    TExTrackBarDropDown edit;
    edit.SetPosition(5);
    // (page size, moves from x = 100, position after)
    const struct { int pageSize; std::vector<int> moves; int after; } drags[] = {
        {2, {101, 102, 103, 104}, 5},  // one pixel at a time never reaches a step
        {2, {105}, 7},
        {2, {95}, 3},                  // truncated toward zero: -5 div 2 = -2
        {3, {109, 100}, 5},
        {0, {103}, 8},                 // a page size of 0 counts as 1
        {1, {150}, 10},                // kept within the range
    };
    for (const auto& d : drags) {
        edit.SetPosition(5);
        edit.SetPageSize(d.pageSize);
        edit.HandleMouseDown(100);
        for (int x : d.moves) edit.HandleMouseMove(x);
        edit.HandleMouseUp();
        EXPECT_EQ(edit.Position(), d.after) << "page size " << d.pageSize;
    }
    edit.SetPosition(5);
    edit.HandleMouseMove(200);  // no drag in progress
    EXPECT_EQ(edit.Position(), 5);
    edit.SetPosition(5);
    edit.SetEditorEnabled(true);
    edit.SetPageSize(1);
    edit.HandleMouseDown(100);
    edit.HandleMouseMove(104);
    EXPECT_EQ(edit.Position(), 5);
    EXPECT_FALSE(edit.MouseDraging());
}

TEST(TrackBarDropDown, PopupHoldsTheTrackBarAndDeactivationKeepsTheValue)
{
    PickerHost<TExTrackBarDropDown> host;
    TExTrackBarDropDown& edit = *host.Picker;
    edit.SetPosition(3);
    edit.ShowDropDown();
    ASSERT_TRUE(edit.DroppedDown());
    EXPECT_FALSE(edit.DropDownForm()->CancelOnDeActivate);
    EXPECT_EQ(edit.TrackBar()->value(), 3);
    edit.TrackBar()->setValue(8);
    EXPECT_EQ(edit.Position(), 8);
    EXPECT_EQ(edit.text(), QStringLiteral("8"));
    edit.DropDownForm()->HandleActivation(false, &host.Window);
    EXPECT_FALSE(edit.DroppedDown());
    EXPECT_EQ(edit.Position(), 8);
}

TEST(MemoDropDown, FirstLineShortenedToFit)
{
    PickerHost<TExMemoDropDown> host;
    TExMemoDropDown& edit = *host.Picker;
    edit.SetEditorEnabled(false);
    edit.resize(200, 24);
    edit.SetMemoText({QStringLiteral("abc"), QStringLiteral("def")});
    EXPECT_EQ(edit.text(), QStringLiteral("abc..."));
    edit.SetMemoText({QStringLiteral("abc")});
    EXPECT_EQ(edit.text(), QStringLiteral("abc"));
    const QString wide(80, QLatin1Char('w'));
    edit.SetMemoText({wide});
    const QString shown = edit.text();
    EXPECT_TRUE(shown.endsWith(QLatin1String("...")));
    EXPECT_TRUE(wide.startsWith(shown.chopped(3)));
    QFontMetrics fm(edit.font());
    EXPECT_LT(fm.horizontalAdvance(shown), edit.EditRect().Width());
    // One more character would not fit.
    EXPECT_GE(fm.horizontalAdvance(wide.left(shown.size() - 2) + QStringLiteral("...")), edit.EditRect().Width());
    edit.SetMemoText({});
    EXPECT_TRUE(edit.text().isEmpty());
}

TEST(MemoDropDown, EditableTextShowsAllLines)
{
    TExMemoDropDown edit;
    edit.SetMemoText({QStringLiteral("abc"), QStringLiteral("def")});
    EXPECT_EQ(edit.text(), QStringLiteral("abc\ndef\n"));
    // Text typed into the edit becomes the lines.
    edit.SetText(QStringLiteral("one\ntwo"));
    EXPECT_EQ(edit.MemoText(), (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
}

TEST(MemoDropDown, WorkingCopyKeptOnCloseAndDroppedOnCancel)
{
    PickerHost<TExMemoDropDown> host;
    TExMemoDropDown& edit = *host.Picker;
    edit.SetEditorEnabled(false);
    edit.SetMemoText({QStringLiteral("first"), QStringLiteral("second")});

    edit.ShowDropDown();
    ASSERT_TRUE(edit.DroppedDown());
    EXPECT_FALSE(edit.DropDownForm()->CancelOnDeActivate);
    EXPECT_EQ(edit.Memo()->toPlainText(), QStringLiteral("first\nsecond"));
    edit.Memo()->setPlainText(QStringLiteral("changed\nlines"));
    edit.HideDropDown(true);
    EXPECT_EQ(edit.MemoText(), (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
    EXPECT_EQ(edit.text(), QStringLiteral("first..."));

    edit.ShowDropDown();
    edit.Memo()->setPlainText(QStringLiteral("kept\nlines"));
    // A click elsewhere closes without cancelling.
    edit.DropDownForm()->HandleActivation(false, &host.Window);
    EXPECT_FALSE(edit.DroppedDown());
    EXPECT_EQ(edit.MemoText(), (QStringList{QStringLiteral("kept"), QStringLiteral("lines")}));
    EXPECT_EQ(edit.text(), QStringLiteral("kept..."));
    EXPECT_FALSE(edit.hasSelectedText());
}

TEST(MemoDropDown, OnlyEscapeF4AndAltKeysLeaveTheMemo)
{
    PickerHost<TExMemoDropDown> host;
    TExMemoDropDown& edit = *host.Picker;
    edit.SetEditorEnabled(false);
    edit.SetMemoText({QStringLiteral("abc")});
    edit.ShowDropDown();
    ASSERT_TRUE(edit.DroppedDown());
    QPlainTextEdit& memo = *edit.Memo();
    memo.setFocus();
    QTest::keyClick(&memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&memo, QStringLiteral("xy"));
    QTest::keyClick(&memo, Qt::Key_Return);  // a new line in the memo, not a close
    EXPECT_TRUE(edit.DroppedDown());
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("abcxy\n"));
    QTest::keyClick(&memo, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(memo.textCursor().selectedText(), QStringLiteral("abcxy") + QChar(QChar::ParagraphSeparator));
    QTest::keyClick(&memo, Qt::Key_Escape);
    EXPECT_FALSE(edit.DroppedDown());
    EXPECT_EQ(edit.MemoText(), QStringList{QStringLiteral("abc")});
}

TEST(MemoDropDown, TheMemoHoldsNoMoreThanTheEditsMaxLength)
{
    PickerHost<TExMemoDropDown> host;
    TExMemoDropDown& edit = *host.Picker;
    edit.SetEditorEnabled(false);
    edit.setMaxLength(4);
    edit.SetMemoText({QStringLiteral("ab")});
    edit.ShowDropDown();
    ASSERT_TRUE(edit.DroppedDown());
    QPlainTextEdit* memo = edit.Memo();
    QTextCursor at = memo->textCursor();
    at.setPosition(1);
    memo->setTextCursor(at);
    memo->insertPlainText(QStringLiteral("12345"));  // three characters too many
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("a12b")) << "the characters past the limit are not taken";
    EXPECT_EQ(memo->textCursor().position(), 3);
    edit.HideDropDown(false);
    EXPECT_EQ(edit.MemoText(), QStringList{QStringLiteral("a12b")});
}
