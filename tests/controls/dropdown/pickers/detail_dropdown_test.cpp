#include <gtest/gtest.h>

#include "controls/dropdown/detail/auto_complete.h"
#include "controls/dropdown/detail/detail_dropdown.h"
#include "controls/dropdown/dropdown_test_support.h"
#include "controls/dropdown/picker_test_support.h"

using namespace dropdown;
using namespace dropdown_testing;

TEST(AutoComplete, Cases)
{
    const QStringList fruit{QStringLiteral("Apple"), QStringLiteral("Apricot")};
    const struct { const char* text; int caret; bool matchCase; const char* result; int index, selectFrom; } cases[] = {
        {"a", 1, false, "apple", 0, 1},         // the typed letters keep their case
        {"apr", 3, false, "apricot", 1, 3},
        {"a", 1, true, "a", -1, 1},             // no caption begins with a lower-case a
        {"A", 1, true, "Apple", 0, 1},
        {"ax", 2, false, "ax", -1, 2},
        {"apXle", 3, false, "apX", -1, 3},      // what stood after the caret goes
        {"APPLE", 5, false, "APPLE", 0, 5},
    };
    for (const auto& c : cases) {
        const auto r = CompleteText(QString::fromLatin1(c.text), c.caret, fruit, c.matchCase);
        ASSERT_TRUE(r) << c.text;
        EXPECT_EQ(r->Text, QString::fromLatin1(c.result)) << c.text;
        EXPECT_EQ(r->ItemIndex, c.index) << c.text;
        EXPECT_EQ(r->Caret, c.selectFrom) << c.text;
    }
    // Nothing typed before the caret: nothing to do.
    EXPECT_FALSE(CompleteText(QStringLiteral("apple"), 0, fruit, false));
    EXPECT_FALSE(CompleteText(QString(), 0, fruit, false));
    // A long caption completes at most 255 characters beyond the typed part.
    const QString longCaption = QStringLiteral("x") + QString(400, QLatin1Char('y'));
    const auto r = CompleteText(QStringLiteral("x"), 1, {longCaption}, false);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Text.size(), 1 + kMaxCompletion);
}

namespace {

struct DetailHost : PickerHost<TExDetailDropDown> {
    DetailHost()
    {
        Picker->Items().Add(QStringLiteral("Apple"), QStringLiteral("<b>red</b> or green"));
        Picker->Items().Add(QStringLiteral("Apricot"), QStringLiteral("orange"));
        Picker->Items().Add(QStringLiteral("Banana"));
        Picker->OnSelect = [this](QObject*) { ++Selects; };
    }
    void type(const char* keys) { QTest::keyClicks(Picker, QString::fromLatin1(keys)); }
    int Selects = 0;
};

}  // namespace

TEST(DetailDropDown, TypingCompletesWithTheRestSelected)
{
    DetailHost host;
    TExDetailDropDown& edit = *host.Picker;
    host.type("a");
    EXPECT_EQ(edit.text(), QStringLiteral("apple"));
    EXPECT_EQ(edit.selectedText(), QStringLiteral("pple"));
    EXPECT_EQ(edit.cursorPosition(), 1);
    EXPECT_EQ(edit.ItemIndex(), 0);
    EXPECT_EQ(host.Selects, 0);  // completing is no selection
    host.type("pr");
    EXPECT_EQ(edit.text(), QStringLiteral("apricot"));
    EXPECT_EQ(edit.ItemIndex(), 1);
    // Backspace takes the completion away and does not complete again.
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("apr"));
    EXPECT_FALSE(edit.WorkMode());
    host.type("x");
    EXPECT_TRUE(edit.WorkMode());
    EXPECT_EQ(edit.text(), QStringLiteral("aprx"));
}

TEST(DetailDropDown, MatchCaseCompletesOnlyTheSameCase)
{
    DetailHost host;
    host.Picker->SetMatchCase(true);
    host.type("a");
    EXPECT_EQ(host.Picker->text(), QStringLiteral("a"));
    EXPECT_EQ(host.Picker->ItemIndex(), -1);
}

TEST(DetailDropDown, EnterSelectsOnlyAnExactCaption)
{
    DetailHost host;
    TExDetailDropDown& edit = *host.Picker;
    edit.SetTextDirect(QStringLiteral("apple"));
    edit.KeyDownMessage(platform::VK_RETURN);
    EXPECT_EQ(host.Selects, 0);
    edit.SetTextDirect(QStringLiteral("Banana"));
    edit.KeyDownMessage(platform::VK_RETURN);
    EXPECT_EQ(edit.ItemIndex(), 2);
    EXPECT_EQ(host.Selects, 1);
    EXPECT_EQ(edit.text(), QStringLiteral("Banana"));
}

TEST(DetailDropDown, ItemIndexAndText)
{
    DetailHost host;
    TExDetailDropDown& edit = *host.Picker;
    edit.SetItemIndex(1);
    EXPECT_EQ(edit.text(), QStringLiteral("Apricot"));
    EXPECT_EQ(edit.selectedText(), QStringLiteral("Apricot"));
    EXPECT_EQ(host.Selects, 1);
    edit.SetItemIndex(1);
    EXPECT_EQ(host.Selects, 1);
    edit.SetItemIndex(-1);
    EXPECT_TRUE(edit.text().isEmpty());
    EXPECT_EQ(edit.ItemIndex(), -1);
    EXPECT_EQ(host.Selects, 1);
    edit.SetItemIndex(3);  // the count: nothing
    EXPECT_EQ(edit.ItemIndex(), -1);
    EXPECT_EQ(edit.Items().IndexOf(QStringLiteral("Banana")), 2);
    EXPECT_EQ(edit.Items().IndexOf(QStringLiteral("banana")), -1);
}

TEST(DetailDropDown, ListKeysMoveLiveAndEscapeCancels)
{
    DetailHost host;
    TExDetailDropDown& edit = *host.Picker;
    edit.ShowDropDown();
    ASSERT_TRUE(edit.DroppedDown());
    edit.KeyDownMessage(platform::VK_DOWN);
    EXPECT_EQ(edit.ItemIndex(), 0);
    EXPECT_EQ(edit.text(), QStringLiteral("Apple"));
    edit.KeyDownMessage(platform::VK_DOWN);
    edit.KeyDownMessage(platform::VK_DOWN);
    edit.KeyDownMessage(platform::VK_DOWN);  // on the last row: nothing
    EXPECT_EQ(edit.ItemIndex(), 2);
    EXPECT_TRUE(edit.DroppedDown());
    // Opened with nothing selected: a cancel leaves what the moves left.
    edit.KeyDownMessage(platform::VK_ESCAPE);
    EXPECT_FALSE(edit.DroppedDown());
    EXPECT_EQ(edit.ItemIndex(), 2);

    edit.ShowDropDown();
    edit.KeyDownMessage(platform::VK_UP);
    EXPECT_EQ(edit.text(), QStringLiteral("Apricot"));
    edit.KeyDownMessage(platform::VK_ESCAPE);
    EXPECT_EQ(edit.ItemIndex(), 2);
    EXPECT_EQ(edit.text(), QStringLiteral("Banana"));
}

TEST(DetailDropDown, HomeAndEndMoveTheCaretWhileEditable)
{
    DetailHost host;
    TExDetailDropDown& edit = *host.Picker;
    edit.SetItemIndex(1);
    edit.setCursorPosition(3);
    edit.KeyDownMessage(platform::VK_HOME);
    EXPECT_EQ(edit.ItemIndex(), 1);
    EXPECT_EQ(edit.cursorPosition(), 0);
    edit.KeyDownMessage(platform::VK_END);
    EXPECT_EQ(edit.ItemIndex(), 1);
    EXPECT_EQ(edit.cursorPosition(), 7);
    edit.SetEditorEnabled(false);
    edit.KeyDownMessage(platform::VK_END);
    EXPECT_EQ(edit.ItemIndex(), 2);
    edit.KeyDownMessage(platform::VK_HOME);
    EXPECT_EQ(edit.ItemIndex(), 0);
}

TEST(DetailDropDown, TypeAheadOnlyWhileTheTextIsNotEditable)
{
    ManualClock clock;
    DetailHost host;
    TExDetailDropDown& edit = *host.Picker;
    // Editable: typed letters are completed, never searched away.
    host.type("b");
    clock.advance(100);
    host.type("a");
    EXPECT_EQ(edit.text().left(2), QStringLiteral("ba"));
    EXPECT_EQ(edit.text(), QStringLiteral("banana"));
    edit.SetItemIndex(-1);
    edit.SetEditorEnabled(false);
    clock.advance(1000);
    edit.KeyDownMessage('A');
    edit.KeyDownMessage('P');
    edit.KeyDownMessage('R');
    EXPECT_EQ(edit.ItemIndex(), 1);
    EXPECT_EQ(edit.text(), QStringLiteral("Apricot"));
}
