#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include <QListWidget>
#include <QPointer>
#include <QTest>

#include "controls/dropdown/base/dropdown_bars.h"
#include "controls/dropdown/base/dropdown_button.h"
#include "controls/dropdown/dropdown_test_support.h"

using namespace dropdown;
using namespace dropdown_testing;

// No exception leaves a key, mouse, focus or change handler of the drop-downs:
// a failing conversion or application handler ends that input, and the edit
// keeps its last good value.

namespace {

// A numeric picker: Up appends a digit and checks that the value still
// converts, as a picker converting its text would; a value too large for an
// int fails the conversion.
class CountingPicker final : public TExCustomDropDown {
public:
    using TExCustomDropDown::TExCustomDropDown;
    QPointer<QListWidget> List;

    void HandleKeyDown(platform::Word& key, platform::TShiftState shift) override
    {
        TExCustomDropDown::HandleKeyDown(key, shift);
        if (key == platform::VK_UP && !(shift & platform::ssAlt)) {
            SetTextDirect(Text() + QStringLiteral("9"));
            (void)std::stoi(Text().toStdString());  // std::out_of_range past 2^31
            key = 0;
        }
    }

protected:
    void BeforeDropDown() override
    {
        if (!List) {
            List = new QListWidget(this);
            List->addItems({QStringLiteral("a"), QStringLiteral("b")});
            List->resize(100, 60);
            SetControl(List);
            SetFocusControl(List);
        }
        TExCustomDropDown::BeforeDropDown();
    }
};

struct GuardHost : DropDownHost {
    GuardHost()
    {
        Picker = new CountingPicker(&Window);
        Picker->move(20, 100);
        Picker->show();
        Picker->setFocus();
    }
    CountingPicker* Picker;
};

[[noreturn]] void fail() { throw std::runtime_error("handler failed"); }

}  // namespace

TEST(DropDownGuard, AThrowingChangeHandlerLeavesTheLastGoodText)
{
    GuardHost host;
    host.Picker->SetText(QStringLiteral("ok"));
    host.Picker->setCursorPosition(2);
    host.Picker->OnChange = [](QObject* sender) {
        if (static_cast<TExCustomDropDown*>(sender)->Text().contains(u'!')) fail();
    };
    EXPECT_NO_THROW(QTest::keyClicks(host.Picker, QStringLiteral("a!b")));
    EXPECT_EQ(host.Picker->Text(), QStringLiteral("okab"));
    // Set from the program: the same.
    EXPECT_NO_THROW(host.Picker->SetText(QStringLiteral("x!")));
    EXPECT_EQ(host.Picker->Text(), QStringLiteral("okab"));
}

TEST(DropDownGuard, AFailedConversionInTheKeyHandlingKeepsTheValue)
{
    GuardHost host;
    host.Picker->SetText(QStringLiteral("99999999"));
    EXPECT_NO_THROW(QTest::keyClick(host.Picker, Qt::Key_Up));
    EXPECT_EQ(host.Picker->Text(), QStringLiteral("999999999"));
    // One more digit no longer converts: the value stays as it was.
    EXPECT_NO_THROW(QTest::keyClick(host.Picker, Qt::Key_Up));
    EXPECT_EQ(host.Picker->Text(), QStringLiteral("999999999"));
    // Forwarded from the pop-up's control: the same.
    host.Picker->ShowDropDown();
    ASSERT_TRUE(host.Picker->DroppedDown());
    EXPECT_NO_THROW(QTest::keyClick(host.Picker->List.data(), Qt::Key_Up));
    EXPECT_EQ(host.Picker->Text(), QStringLiteral("999999999"));
    // And the pop-up still answers its keys.
    QTest::keyClick(host.Picker->List.data(), Qt::Key_Escape);
    EXPECT_FALSE(host.Picker->DroppedDown());
}

TEST(DropDownGuard, ThrowingHandlersOfTheOtherInputs)
{
    struct Case {
        const char* name;
        std::function<void(GuardHost&)> arm;
        std::function<void(GuardHost&)> input;
    } cases[] = {
        {"key forwarded from the pop-up",
         [](GuardHost& h) {
             h.Picker->ShowDropDown();
             h.Picker->OnKeyDown = [](QObject*, platform::Word&, platform::TShiftState) { fail(); };
         },
         [](GuardHost& h) { QTest::keyClick(h.Picker->List.data(), Qt::Key_Down); }},
        {"key typed in the edit",
         [](GuardHost& h) { h.Picker->OnKeyPress = [](QObject*, QChar&) { fail(); }; },
         [](GuardHost& h) { QTest::keyClick(h.Picker, Qt::Key_A); }},
        {"key released", [](GuardHost& h) { h.Picker->OnKeyUp = [](QObject*, platform::Word&, platform::TShiftState) { fail(); }; },
         [](GuardHost& h) { QTest::keyRelease(h.Picker, Qt::Key_A); }},
        {"click on the button", [](GuardHost& h) { h.Picker->OnBeforeDropDown = [](QObject*) { fail(); }; },
         [](GuardHost& h) { QTest::mouseClick(h.Picker->Button()->SpeedButton(), Qt::LeftButton); }},
        {"click on a non-editable edit",
         [](GuardHost& h) {
             h.Picker->SetEditorEnabled(false);
             h.Picker->OnDropDown = [](QObject*, bool&) { fail(); };
         },
         [](GuardHost& h) { QTest::mouseClick(h.Picker, Qt::LeftButton, {}, QPoint(5, 5)); }},
        {"Escape closing the pop-up",
         [](GuardHost& h) {
             h.Picker->ShowDropDown();
             h.Picker->OnDropUp = [](QObject*, bool) { fail(); };
         },
         [](GuardHost& h) { QTest::keyClick(h.Picker->List.data(), Qt::Key_Escape); }},
        {"footer button",
         [](GuardHost& h) {
             h.Picker->DropDownFooter().Buttons().Add().SetCaption(QStringLiteral("Go"));
             h.Picker->ShowDropDown();
             h.Picker->OnDropDownFooterButtonClick = [](QObject*, int) { fail(); };
         },
         [](GuardHost& h) { QTest::mouseClick(h.Picker->DropDownForm()->Footer()->Button(0), Qt::LeftButton, {}, QPoint(2, 2)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ManualClock clock;
        GuardHost host;
        host.Picker->SetText(QStringLiteral("good"));
        c.arm(host);
        const QString before = host.Picker->text();
        EXPECT_NO_THROW(c.input(host));
        EXPECT_EQ(host.Picker->text(), before);
    }
}
