#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include <QListWidget>
#include <QScrollBar>
#include <QWheelEvent>
#include <QPointer>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

#include "controls/dropdown/base/dropdown_bars.h"
#include "controls/dropdown/base/dropdown_button.h"
#include "controls/dropdown/dropdown_test_support.h"

using namespace dropdown;
using namespace dropdown_testing;

namespace {

// A picker as the pickers to come are built: a list made in BeforeDropDown.
class ListPicker final : public TExCustomDropDown {
public:
    using TExCustomDropDown::TExCustomDropDown;
    QPointer<QListWidget> List;
    int Prepared = 0;

protected:
    void BeforeDropDown() override
    {
        ++Prepared;
        if (!List) {
            auto* list = new QListWidget(this);
            list->hide();
            list->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
            list->resize(160, 90);
            list->show();
            List = list;
            SetControl(list);
            SetFocusControl(list);
        }
        TExCustomDropDown::BeforeDropDown();
    }
};

// The drop-up reports, in order.
struct DropUps {
    std::vector<bool> Cancelled;
    void Watch(TExCustomDropDown& edit)
    {
        edit.OnDropUp = [this](QObject*, bool cancelled) { Cancelled.push_back(cancelled); };
    }
};

}  // namespace

TEST(ExCustomDropDown, Defaults)
{
    TExCustomDropDown edit;
    EXPECT_EQ(edit.width(), 200);
    EXPECT_FALSE(edit.DroppedDown());
    EXPECT_EQ(edit.DropPosition(), dpAuto);
    EXPECT_EQ(edit.DropDownButtonWidth(), 17);
    EXPECT_EQ(edit.Button()->width(), 17);
    EXPECT_EQ(edit.DropDownBorderWidth(), 1);
    EXPECT_TRUE(edit.EditorEnabled());
    EXPECT_TRUE(edit.DefaultHandling());
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_EQ(edit.Version(), QStringLiteral("1.2.1.4"));
    // The Office 2007 selection colours and the Luna style of the constructor.
    EXPECT_EQ(edit.SelectionColorStyle(), scOffice2007);
    EXPECT_EQ(edit.SelectionColor(), 0xD7FFFDu);
    EXPECT_EQ(edit.GetComponentStyle(), tsOffice2007Luna);
    EXPECT_EQ(edit.DropDownColor(), 0xF3E5DAu);
    EXPECT_EQ(edit.DropDownColorTo(), 0xF0DED0u);
    EXPECT_EQ(edit.DropDownBorderColor(), clNone);
    EXPECT_EQ(edit.DropDownHeader().Color(), 0xFFEFE3u);
    EXPECT_EQ(edit.DropDownFooter().Font().Color, 0x723708u);
    EXPECT_EQ(edit.ButtonAppearance().ColorTo(), 0xFFDDC4u);
    EXPECT_EQ(edit.ButtonAppearance().ColorHot(), 0xEBFDFFu);
    // The button sits inside the edit's right end.
    EXPECT_LE(edit.Button()->geometry().right(), edit.width() - 1);
    EXPECT_GE(edit.Button()->x(), edit.width() - 17 - 4);
    EXPECT_GE(edit.height(), edit.GetMinHeight());
}

TEST(ExCustomDropDown, ComponentStylesAndTones)
{
    TExCustomDropDown edit;
    edit.SetDropDownBorderColor(clRed);
    edit.SetComponentStyle(tsWindowsXP);  // keeps the border colour
    EXPECT_EQ(edit.DropDownBorderColor(), clRed);
    EXPECT_EQ(edit.DropDownColorTo(), clNone);
    EXPECT_EQ(edit.DropDownHeader().ColorTo(), clBtnFace);
    EXPECT_EQ(edit.ButtonAppearance().ColorDown(), clInactiveCaption);
    EXPECT_EQ(edit.ButtonAppearance().BorderColorChecked(), clBlack);

    edit.SetComponentStyle(tsWindowsVista);
    EXPECT_EQ(edit.DropDownBorderColor(), 0x979797u);
    EXPECT_EQ(edit.DropDownHeader().Color(), 0xFFFDF9u);
    EXPECT_EQ(edit.DropDownFooter().Color(), 0xFFFAF0u);

    // The custom style changes nothing, the pop-up's colours included.
    edit.SetDropDownColor(0x00123456);
    edit.DropDownHeader().SetColor(0x00654321);
    edit.SetComponentStyle(tsCustom);
    EXPECT_EQ(edit.GetComponentStyle(), tsCustom);
    EXPECT_EQ(edit.DropDownColor(), 0x00123456u);
    EXPECT_EQ(edit.DropDownBorderColor(), 0x979797u);
    EXPECT_EQ(edit.DropDownHeader().Color(), 0x00654321u);

    TColorTones tones;
    tones.Background = {0x00111111, 0x00222222, clNone};
    tones.Hover = {0x00333333, clNone, clNone};
    tones.Selected = {0x00444444, clNone, clNone};
    edit.SetColorTones(tones);
    EXPECT_EQ(edit.Button()->ButtonColor(), 0x00111111u);
    EXPECT_EQ(edit.Button()->ButtonColorHot(), 0x00333333u);
    EXPECT_EQ(edit.Button()->ButtonColorDown(), 0x00444444u);
    EXPECT_EQ(edit.Button()->ButtonBorderColor(), 0x00222222u);
    EXPECT_EQ(edit.BorderColor(), 0x00222222u);

    edit.SetSelectionColorStyle(scWindows7);
    EXPECT_EQ(edit.SelectionColor(), 0xFCEBDCu);
    edit.SetSelectionColor(clRed);
    edit.SetSelectionColorStyle(scCustom);
    EXPECT_EQ(edit.SelectionColor(), clRed);
}

TEST(ExCustomDropDown, SelectionBackground)
{
    TExCustomDropDown edit;
    {
        PaintTarget t(40, 20);
        edit.SetSelectionColorStyle(scCustom);
        edit.SetSelectionColor(0x00336699);
        edit.DrawSelectionBackground(*t.Canvas, platform::TRect(0, 0, 40, 20), clWhite, 0);
        EXPECT_EQ(t.At(0, 0), 0x00336699u);
        EXPECT_EQ(t.At(39, 19), 0x00336699u);
    }
    {
        // The rounded Office 2007 frame: outer line, inner top line and the
        // corner pixel in the item's background.
        PaintTarget t(40, 20, clBlue);
        edit.SetSelectionColorStyle(scOffice2007);
        edit.DrawSelectionBackground(*t.Canvas, platform::TRect(0, 0, 40, 20), clWhite, 0);
        EXPECT_EQ(t.At(20, 0), 0x8DD7D3u);
        EXPECT_EQ(t.At(20, 1), 0xF4FEFFu);
        EXPECT_EQ(t.At(0, 0), clWhite);
    }
}

TEST(ExCustomDropDown, ShowDropDownOpensBelowTheEdit)
{
    DropDownHost host;
    ListPicker* picker = new ListPicker(&host.Window);
    picker->move(20, 80);
    picker->show();
    int before = 0;
    picker->OnBeforeDropDown = [&](QObject*) { ++before; };
    picker->ShowDropDown();
    ASSERT_TRUE(picker->DroppedDown());
    TDropDownForm& form = *picker->DropDownForm();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(before, 1);
    const QPoint editAt = picker->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(form.geometry().topLeft(), editAt + QPoint(0, picker->height() - 1));
    // Width from the list; height from the border, the bars and the list.
    EXPECT_EQ(form.width(), 160);
    EXPECT_EQ(form.height(), 2 + 22 + 22 + 90);
    // The list fills what the bars leave inside the border.
    EXPECT_EQ(picker->List->parentWidget(), &form);
    EXPECT_EQ(picker->List->geometry(), QRect(1, 23, 158, 90));
    ASSERT_NE(form.Header(), nullptr);
    EXPECT_EQ(form.Header()->geometry(), QRect(1, 1, 158, 22));
    EXPECT_EQ(form.Footer()->geometry(), QRect(1, 113, 158, 22));

    // Opening again while open changes nothing.
    picker->ShowDropDown();
    EXPECT_EQ(picker->Prepared, 1);
    picker->HideDropDown(false);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_FALSE(form.isVisible());
}

TEST(ExCustomDropDown, ThePopupIsPlacedOnTheEditsScreen)
{
    // The edit's place on the screen decides: below unless the pop-up would
    // reach the screen's bottom, and moved left to end at the available
    // area's right edge.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize popup(200, 150);
    struct Case {
        const char* name;
        QPoint windowAt;
        bool above;
        bool movedLeft;
    } cases[] = {
        {"room below", QPoint(work.left() + 10, screen.top() + 10), false, false},
        {"near the bottom", QPoint(work.left() + 10, screen.bottom() - 120), true, false},
        {"near the right edge", QPoint(work.right() - 120, screen.top() + 10), false, true},
        {"bottom right", QPoint(work.right() - 120, screen.bottom() - 120), true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DropDownHost host;
        host.Window.move(c.windowAt);
        QApplication::processEvents();
        TExCustomDropDown& edit = *host.Edit;
        edit.SetDropDownWidth(popup.width());
        edit.SetDropDownHeight(popup.height());
        edit.ShowDropDown();
        ASSERT_TRUE(edit.DroppedDown());
        const QPoint editAt = edit.mapToGlobal(QPoint(0, 0));
        const QRect at = host.Form().geometry();
        EXPECT_EQ(at.size(), popup);
        EXPECT_EQ(at.top(), c.above ? editAt.y() - popup.height() : editAt.y() + edit.height() - 1);
        EXPECT_EQ(at.left(), c.movedLeft ? work.right() + 1 - popup.width() : editAt.x());
    }
}

TEST(ExCustomDropDown, TheFocusGoesToThePickersControlAndBack)
{
    DropDownHost host;
    ListPicker* picker = new ListPicker(&host.Window);
    picker->show();
    picker->setFocus();
    picker->ShowDropDown();
    QApplication::processEvents();  // the pop-up's activation arrives
    EXPECT_TRUE(picker->List->hasFocus());
    picker->HideDropDown(false);
    QApplication::processEvents();
    EXPECT_TRUE(picker->hasFocus());
}

TEST(ExCustomDropDown, APickerAdaptsThePopupHeight)
{
    // As list pickers round the height to whole rows.
    class RowPicker final : public TExCustomDropDown {
    public:
        using TExCustomDropDown::TExCustomDropDown;

    protected:
        void AdaptDropDownHeight(int& height) override { height -= height % 16; }
    };
    DropDownHost host;
    RowPicker* picker = new RowPicker(&host.Window);
    picker->show();
    picker->SetDropDownHeight(75);
    picker->ShowDropDown();
    EXPECT_EQ(picker->DropDownForm()->height(), 64);
}

TEST(ExCustomDropDown, HiddenBarsAndAFixedSize)
{
    DropDownHost host;
    host.Edit->DropDownHeader().SetVisible(false);
    host.Edit->DropDownFooter().SetVisible(false);
    host.Edit->SetDropDownWidth(30);
    host.Edit->SetDropDownHeight(20);
    host.Edit->ShowDropDown();
    // Too small: the minimum of 80 x 50.
    EXPECT_EQ(host.Form().size(), QSize(80, 50));
    EXPECT_EQ(host.Form().Header(), nullptr);
    host.Edit->HideDropDown(false);

    // Without a control and without bars the pop-up is the edit's width.
    host.Edit->SetDropDownWidth(0);
    host.Edit->SetDropDownHeight(0);
    host.Edit->ShowDropDown();
    EXPECT_EQ(host.Form().size(), QSize(host.Edit->width(), 50));
}

TEST(ExCustomDropDown, RefusedOpenings)
{
    struct Case {
        const char* name;
        std::function<void(TExCustomDropDown&)> setUp;
    } cases[] = {
        {"disabled", [](TExCustomDropDown& e) { e.setEnabled(false); }},
        {"read-only", [](TExCustomDropDown& e) { e.SetReadOnly(true); }},
        // Read-only set the line edit's way counts the same.
        {"read-only through the line edit", [](TExCustomDropDown& e) { e.setReadOnly(true); }},
        {"OnDropDown refuses", [](TExCustomDropDown& e) { e.OnDropDown = [](QObject*, bool& accept) { accept = false; }; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DropDownHost host;
        int before = 0;
        host.Edit->OnBeforeDropDown = [&](QObject*) { ++before; };
        c.setUp(*host.Edit);
        host.Edit->ShowDropDown();
        EXPECT_FALSE(host.Edit->DroppedDown());
        EXPECT_FALSE(host.Form().isVisible());
        // OnDropDown comes after the preparation; the other refusals before it.
        EXPECT_EQ(before, std::string(c.name) == "OnDropDown refuses" ? 1 : 0);
    }
}

TEST(ExCustomDropDown, ReadOnlyThroughTheLineEditKeepsTheNonEditableMode)
{
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    edit.setReadOnly(true);
    EXPECT_TRUE(edit.ReadOnly());
    edit.setReadOnly(false);
    EXPECT_FALSE(edit.ReadOnly());
    edit.ShowDropDown();
    EXPECT_TRUE(edit.DroppedDown());
    edit.HideDropDown(false);

    // Not editable: clearing read-only leaves the text closed to typing.
    edit.SetEditorEnabled(false);
    edit.setReadOnly(true);
    edit.setReadOnly(false);
    EXPECT_FALSE(edit.ReadOnly());
    EXPECT_TRUE(edit.isReadOnly());
    edit.SetEditorEnabled(true);
    EXPECT_FALSE(edit.isReadOnly());
}

TEST(ExCustomDropDown, AClickWithin250msOfTheCloseDoesNotReopen)
{
    ManualClock clock;
    DropDownHost host;
    TDropDownEditButton& button = *host.Edit->Button();
    QWidget& face = *button.SpeedButton();
    QTest::mouseClick(&face, Qt::LeftButton);
    ASSERT_TRUE(host.Edit->DroppedDown());

    // The press on the button activates the main window: the pop-up closes ...
    deactivateFor(host.Form(), &host.Window);
    EXPECT_FALSE(host.Edit->DroppedDown());
    // ... and the click that follows does not open it again.
    clock.advance(250);
    QTest::mouseClick(&face, Qt::LeftButton);
    EXPECT_FALSE(host.Edit->DroppedDown());
    clock.advance(1);
    QTest::mouseClick(&face, Qt::LeftButton);
    EXPECT_TRUE(host.Edit->DroppedDown());
}

TEST(ExCustomDropDown, TheButtonRaisesOnEveryLeftRelease)
{
    ManualClock clock;
    DropDownHost host;
    TDropDownEditButton& button = *host.Edit->Button();
    int clicks = 0;
    button.OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, &button);
        ++clicks;
    };
    QWidget& face = *button.SpeedButton();
    QTest::mouseClick(&face, Qt::RightButton);
    EXPECT_EQ(clicks, 0);
    QTest::mousePress(&face, Qt::LeftButton);
    QTest::mouseRelease(&face, Qt::LeftButton, {}, QPoint(-30, 40));  // released off the button
    EXPECT_EQ(clicks, 1);
}

TEST(ExCustomDropDown, EscapeRestoresTheTextAndReportsACancelledDropUp)
{
    DropDownHost host;
    ListPicker* picker = new ListPicker(&host.Window);
    picker->show();
    DropUps ups;
    ups.Watch(*picker);
    picker->SetText(QStringLiteral("old"));

    picker->ShowDropDown();
    picker->SetTextDirect(QStringLiteral("changed"));
    QTest::keyClick(picker->List.data(), Qt::Key_Escape);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->Text(), QStringLiteral("old"));
    ASSERT_EQ(ups.Cancelled, std::vector<bool>{true});

    // Enter keeps the text and reports a drop-up that is not cancelled.
    picker->ShowDropDown();
    picker->SetTextDirect(QStringLiteral("chosen"));
    QTest::keyClick(picker->List.data(), Qt::Key_Return);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->Text(), QStringLiteral("chosen"));
    EXPECT_EQ(ups.Cancelled, (std::vector<bool>{true, false}));

    // The same keys typed on the pop-up itself.
    picker->ShowDropDown();
    picker->SetTextDirect(QStringLiteral("again"));
    picker->DropDownForm()->setFocus();
    QTest::keyClick(picker->DropDownForm(), Qt::Key_Escape);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->Text(), QStringLiteral("old"));
}

TEST(ExCustomDropDown, PopupKeysReachTheEdit)
{
    DropDownHost host;
    ListPicker* picker = new ListPicker(&host.Window);
    picker->show();
    std::vector<platform::Word> keys;
    picker->OnKeyDown = [&](QObject*, platform::Word& key, platform::TShiftState) { keys.push_back(key); };
    picker->ShowDropDown();
    // The list keeps its own use of the key too.
    picker->List->setCurrentRow(0);
    QTest::keyClick(picker->List.data(), Qt::Key_Down);
    EXPECT_EQ(picker->List->currentRow(), 1);
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(keys.back(), platform::VK_DOWN);
    // A key without a key code of its own still types its character.
    QString typed;
    picker->OnKeyPress = [&](QObject*, QChar& key) { typed += key; };
    QTest::keyClick(picker->List.data(), Qt::Key_Plus);
    QTest::keyClick(picker->List.data(), Qt::Key_Percent);
    EXPECT_EQ(typed, QStringLiteral("+%"));
    EXPECT_TRUE(picker->DroppedDown());
    // F4 closes.
    QTest::keyClick(picker->List.data(), Qt::Key_F4);
    EXPECT_FALSE(picker->DroppedDown());
    // F4 in the edit opens, Alt+Down closes again.
    QTest::keyClick(picker, Qt::Key_F4);
    EXPECT_TRUE(picker->DroppedDown());
    QTest::keyClick(picker, Qt::Key_Down, Qt::AltModifier);
    EXPECT_FALSE(picker->DroppedDown());
    QTest::keyClick(picker, Qt::Key_Up, Qt::AltModifier);
    EXPECT_TRUE(picker->DroppedDown());
    // A forwarded Alt+Down (Alt held on the keyboard) toggles once.
    platform::setKeyboardStateOverride(platform::ssAlt);
    picker->KeyDownMessage(platform::VK_DOWN);
    platform::clearKeyboardStateOverride();
    EXPECT_FALSE(picker->DroppedDown());
}

TEST(ExCustomDropDown, OnKeyDownSeesAltArrowsFirstAndCanKeepThePopupShut)
{
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    std::vector<std::pair<platform::Word, bool>> seen;  // key, Alt held
    bool veto = true;
    edit.OnKeyDown = [&](QObject*, platform::Word& key, platform::TShiftState shift) {
        if (key == platform::VK_MENU) return;  // Alt itself
        seen.emplace_back(key, bool(shift & platform::ssAlt));
        if (veto) key = 0;
    };
    QTest::keyClick(&edit, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(seen, (std::vector<std::pair<platform::Word, bool>>{{platform::VK_DOWN, true}}));
    EXPECT_FALSE(edit.DroppedDown());
    veto = false;
    QTest::keyClick(&edit, Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(edit.DroppedDown());
}

namespace {

// A picker that states its own key and change handling through the hooks.
class HookPicker final : public TExCustomDropDown {
public:
    using TExCustomDropDown::TExCustomDropDown;
    QPointer<QListWidget> List;
    std::vector<platform::Word> KeyUps;
    std::vector<std::string> Log;
    bool KeepF4 = false;

protected:
    void BeforeDropDown() override
    {
        if (!List) {
            auto* list = new QListWidget(this);
            list->addItems({QStringLiteral("a"), QStringLiteral("b")});
            list->resize(100, 60);
            List = list;
            SetControl(list);
            SetFocusControl(list);
        }
        TExCustomDropDown::BeforeDropDown();
    }
    void HandleKeyDownMessage(platform::Word& key) override
    {
        if (KeepF4 && key == platform::VK_F4) key = 0;
        TExCustomDropDown::HandleKeyDownMessage(key);
    }
    void HandleKeyUp(platform::Word& key, platform::TShiftState shift) override
    {
        KeyUps.push_back(key);
        TExCustomDropDown::HandleKeyUp(key, shift);
    }
    void HandleChange() override
    {
        TExCustomDropDown::HandleChange();
        Log.push_back("picker saw " + Text().toStdString());
    }
    void HandleSetFocusMessage() override
    {
        TExCustomDropDown::HandleSetFocusMessage();
        Log.push_back("focus with " + selectedText().toStdString());
    }
};

}  // namespace

TEST(ExCustomDropDown, PickersStateTheirKeyAndChangeHandlingThroughHooks)
{
    DropDownHost host;
    auto* picker = new HookPicker(&host.Window);
    picker->move(20, 100);
    picker->show();
    picker->OnChange = [&](QObject*) { picker->Log.push_back("OnChange " + picker->Text().toStdString()); };

    // The change: the edit's OnChange first, then the picker's own.
    picker->SetText(QStringLiteral("x"));
    EXPECT_EQ(picker->Log, (std::vector<std::string>{"OnChange x", "picker saw x"}));
    // The focus: after the edit's own handling, which selected the text.
    picker->setFocus();
    EXPECT_EQ(picker->Log.back(), "focus with x");

    // Key-ups typed in the edit and forwarded from the pop-up's control.
    QTest::keyRelease(picker, Qt::Key_A);
    picker->ShowDropDown();
    ASSERT_TRUE(picker->DroppedDown());
    QTest::keyRelease(picker->List.data(), Qt::Key_B);
    EXPECT_EQ(picker->KeyUps, (std::vector<platform::Word>{'A', 'B'}));

    // The key-down message, typed or forwarded, goes through the picker.
    picker->KeepF4 = true;
    QTest::keyClick(picker->List.data(), Qt::Key_F4);
    EXPECT_TRUE(picker->DroppedDown());
    picker->HideDropDown(false);
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_F4);
    EXPECT_FALSE(picker->DroppedDown());
    picker->KeepF4 = false;
    QTest::keyClick(picker, Qt::Key_F4);
    EXPECT_TRUE(picker->DroppedDown());
}

TEST(ExCustomDropDown, ReturnIsTabMovesTheFocusAndLeavesThePopupOpen)
{
    DropDownHost host;
    host.Edit->SetReturnIsTab(true);
    ASSERT_TRUE(host.Edit->hasFocus());
    QTest::keyClick(host.Edit, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(host.Window.focusWidget(), host.Next);

    host.Edit->setFocus();
    host.Edit->ShowDropDown();
    ASSERT_TRUE(host.Edit->DroppedDown());
    host.Edit->KeyDownMessage(platform::VK_RETURN);
    QApplication::processEvents();
    EXPECT_TRUE(host.Edit->DroppedDown());
    EXPECT_EQ(host.Window.focusWidget(), host.Next);

    // Without it Enter stays in the edit (and closes an open pop-up).
    DropDownHost plain;
    QTest::keyClick(plain.Edit, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(plain.Window.focusWidget(), plain.Edit);
}

TEST(ExCustomDropDown, NonEditableMode)
{
    ManualClock clock;
    DropDownHost host;
    host.Edit->SetText(QStringLiteral("fixed"));
    host.Edit->SetEditorEnabled(false);
    QTest::keyClicks(host.Edit, QStringLiteral("abc"));
    QTest::keyClick(host.Edit, Qt::Key_Backspace);
    QTest::keyClick(host.Edit, Qt::Key_Delete);
    EXPECT_EQ(host.Edit->Text(), QStringLiteral("fixed"));
    // F4 toggles.
    QTest::keyClick(host.Edit, Qt::Key_F4);
    EXPECT_TRUE(host.Edit->DroppedDown());
    QTest::keyClick(host.Edit, Qt::Key_F4);
    EXPECT_FALSE(host.Edit->DroppedDown());
    // A single click opens.
    QTest::mouseClick(host.Edit, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_TRUE(host.Edit->DroppedDown());
    // Escape in the edit closes as cancelled.
    DropUps ups;
    ups.Watch(*host.Edit);
    QTest::keyClick(host.Edit, Qt::Key_Escape);
    EXPECT_FALSE(host.Edit->DroppedDown());
    EXPECT_EQ(ups.Cancelled, std::vector<bool>{true});

    // Read-only as well: F4 and clicks open nothing.
    host.Edit->SetReadOnly(true);
    clock.advance(1000);
    QTest::keyClick(host.Edit, Qt::Key_F4);
    QTest::mouseClick(host.Edit, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_FALSE(host.Edit->DroppedDown());
}

TEST(ExCustomDropDown, EscapeGoesOnToTheDialogWithDefaultHandling)
{
    struct Case {
        const char* name;
        bool defaultHandling;
        bool editorEnabled;
        bool closesDialog;
    } cases[] = {
        {"default handling", true, true, true},
        {"default handling, not editable", true, false, true},
        {"no default handling", false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDialog dialog;
        dialog.resize(300, 200);
        auto* edit = new TExCustomDropDown(&dialog);
        edit->move(10, 10);
        edit->SetDefaultHandling(c.defaultHandling);
        edit->SetEditorEnabled(c.editorEnabled);
        dialog.show();
        (void)QTest::qWaitForWindowExposed(&dialog, 1000);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Escape);
        EXPECT_EQ(dialog.isVisible(), !c.closesDialog);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    // With the pop-up open Escape only closes the pop-up.
    QDialog dialog;
    auto* edit = new TExCustomDropDown(&dialog);
    dialog.show();
    (void)QTest::qWaitForWindowExposed(&dialog, 1000);
    edit->setFocus();
    edit->SetEditorEnabled(false);
    QTest::keyClick(edit, Qt::Key_F4);
    ASSERT_TRUE(edit->DroppedDown());
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_TRUE(dialog.isVisible());
}

TEST(ExCustomDropDown, EditableTypingAndEscapeUndo)
{
    DropDownHost host;
    host.Edit->SetText(QStringLiteral("start"));
    host.Edit->clearFocus();
    host.Edit->setFocus();
    host.Edit->setCursorPosition(5);
    QTest::keyClicks(host.Edit, QStringLiteral("ed"));
    EXPECT_EQ(host.Edit->Text(), QStringLiteral("started"));
    // Escape puts back the text of the focus entry, selected.
    QTest::keyClick(host.Edit, Qt::Key_Escape);
    EXPECT_EQ(host.Edit->Text(), QStringLiteral("start"));
    EXPECT_EQ(host.Edit->selectedText(), QStringLiteral("start"));
}

TEST(ExCustomDropDown, TheUserSizeIsKeptUntilTheSizeIsSetAgain)
{
    DropDownHost host;
    ListPicker* picker = new ListPicker(&host.Window);
    picker->show();
    picker->ShowDropDown();
    TDropDownForm& form = *picker->DropDownForm();
    ASSERT_EQ(form.size(), QSize(160, 136));

    // The user drags the footer's size grip 40 to the right and 30 down.
    TExFooter& footer = *form.Footer();
    const QPoint grip(footer.width() - 4, footer.height() - 4);
    QTest::mousePress(&footer, Qt::LeftButton, {}, grip);
    QTest::mouseMove(&footer, grip + QPoint(40, 30));
    QTest::mouseRelease(&footer, Qt::LeftButton, {}, grip + QPoint(40, 30));
    EXPECT_EQ(form.size(), QSize(200, 166));
    picker->HideDropDown(false);

    picker->ShowDropDown();
    EXPECT_EQ(form.size(), QSize(200, 166));
    picker->HideDropDown(false);

    // A new DropDownWidth: computed again.
    picker->SetDropDownWidth(250);
    picker->ShowDropDown();
    EXPECT_EQ(form.width(), 250);
}

namespace {

// A picker that steps on the wheel, as the list pickers do, and says
// whether it took the turn.
class WheelPicker final : public TExCustomDropDown {
public:
    using TExCustomDropDown::TExCustomDropDown;
    QPointer<QListWidget> List;
    std::vector<int> Steps;  // +1 down, -1 up
    QPoint LastPos;
    bool Takes = true;

protected:
    void BeforeDropDown() override
    {
        if (!List) {
            auto* list = new QListWidget(this);
            list->hide();
            for (int i = 0; i < 50; ++i) list->addItem(QString::number(i));
            list->resize(120, 80);
            list->show();
            List = list;
            SetControl(list);
            SetFocusControl(list);
        }
        TExCustomDropDown::BeforeDropDown();
    }
    void HandleMouseWheelDown(platform::TShiftState, QPoint pos, bool& handled) override { Step(+1, pos, handled); }
    void HandleMouseWheelUp(platform::TShiftState, QPoint pos, bool& handled) override { Step(-1, pos, handled); }

private:
    void Step(int step, QPoint pos, bool& handled)
    {
        Steps.push_back(step);
        LastPos = pos;
        handled = Takes;
    }
};

// One wheel notch (120 = one step) over a widget, at a point of it, as the
// window system delivers it: a turn the widget leaves goes on to its parents.
void turnWheel(QWidget& widget, QPoint at, int delta, ulong timestamp)
{
    QWheelEvent wheel(QPointF(at), QPointF(widget.mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    wheel.setTimestamp(timestamp);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::sendEvent(&widget, &wheel);
}

}  // namespace

TEST(ExCustomDropDown, TheWheelOverTheOpenPopupReachesThePickerFirst)
{
    DropDownHost host;
    auto* picker = new WheelPicker(&host.Window);
    picker->move(20, 100);
    picker->show();
    picker->ShowDropDown();
    ASSERT_TRUE(picker->DroppedDown());
    QListWidget& list = *picker->List;
    QWidget& viewport = *list.viewport();

    // Over the picker's list (its viewport takes the wheel): the picker
    // steps once and the list does not scroll.
    const int top = list.verticalScrollBar()->value();
    turnWheel(viewport, QPoint(10, 10), -120, 1);
    turnWheel(viewport, QPoint(10, 10), 120, 2);
    EXPECT_EQ(picker->Steps, (std::vector<int>{+1, -1}));
    EXPECT_EQ(list.verticalScrollBar()->value(), top);
    EXPECT_EQ(picker->LastPos, viewport.mapToGlobal(QPoint(10, 10)));

    // Over the header bar: the same hook.
    turnWheel(*picker->DropDownForm()->Header(), QPoint(5, 5), -120, 3);
    EXPECT_EQ(picker->Steps, (std::vector<int>{+1, -1, +1}));

    // A turn the picker leaves alone scrolls the list as usual; passing on
    // to the scroll bar or up to the form it is still one turn.
    picker->Takes = false;
    turnWheel(viewport, QPoint(10, 10), -120, 4);
    EXPECT_EQ(picker->Steps.size(), 4u);
    EXPECT_GT(list.verticalScrollBar()->value(), top);
    turnWheel(*picker->DropDownForm()->Header(), QPoint(5, 5), 120, 5);
    EXPECT_EQ(picker->Steps.size(), 5u);

    // Over the edit: the picker's hook after the edit's own handling.
    picker->HideDropDown(false);
    picker->Takes = true;
    turnWheel(*picker, QPoint(5, 5), 120, 6);
    EXPECT_EQ(picker->Steps.back(), -1);
    EXPECT_EQ(picker->LastPos, picker->mapToGlobal(QPoint(5, 5)));
    // A closed pop-up's list is not listened to.
    const size_t steps = picker->Steps.size();
    turnWheel(viewport, QPoint(10, 10), -120, 7);
    EXPECT_EQ(picker->Steps.size(), steps);
}

TEST(ExCustomDropDown, AssignCopiesTheSettings)
{
    TExCustomDropDown source, target;
    source.SetDropDownColor(clRed);
    source.SetDropDownWidth(123);
    source.SetDropPosition(dpUp);
    source.SetReturnIsTab(true);
    source.SetEditorEnabled(false);
    source.SetDropDownButtonWidth(25);
    source.SetDropDownButtonCaption(QStringLiteral("..."));
    source.DropDownHeader().SetCaption(QStringLiteral("Head"));
    source.DropDownFooter().Buttons().Add().SetCaption(QStringLiteral("OK"));
    source.ButtonAppearance().SetColor(clLime);
    source.SetSelectionColorStyle(scWindowsVista);
    source.SetText(QStringLiteral("not copied"));
    target.Assign(source);
    EXPECT_EQ(target.DropDownColor(), clRed);
    EXPECT_EQ(target.DropDownWidth(), 123);
    EXPECT_EQ(target.DropPosition(), dpUp);
    EXPECT_TRUE(target.ReturnIsTab());
    EXPECT_FALSE(target.EditorEnabled());
    EXPECT_EQ(target.DropDownButtonWidth(), 25);
    EXPECT_EQ(target.Button()->width(), 25);
    EXPECT_EQ(target.DropDownButtonCaption(), QStringLiteral("..."));
    EXPECT_EQ(target.DropDownHeader().Caption(), QStringLiteral("Head"));
    ASSERT_EQ(target.DropDownFooter().Buttons().Count(), 1);
    EXPECT_EQ(target.ButtonAppearance().Color(), clLime);
    EXPECT_EQ(target.SelectionColorStyle(), scWindowsVista);
    EXPECT_EQ(target.SelectionColor(), 0xFDF8F1u);
    EXPECT_TRUE(target.Text().isEmpty());
}

TEST(ExCustomDropDown, TextLessPrefixAndSuffix)
{
    TExCustomDropDown edit;
    edit.SetPrefix(QStringLiteral("$ "));
    edit.SetSuffix(QStringLiteral(" kg"));
    edit.SetText(QStringLiteral("12"));
    EXPECT_EQ(edit.text(), QStringLiteral("$ 12 kg"));
    EXPECT_EQ(edit.Text(), QStringLiteral("12"));
    EXPECT_EQ(edit.OldText(), QStringLiteral("12"));
    edit.SetTextDirect(QStringLiteral("raw"));
    EXPECT_EQ(edit.text(), QStringLiteral("raw"));
    EXPECT_EQ(edit.OldText(), QStringLiteral("12"));
}
