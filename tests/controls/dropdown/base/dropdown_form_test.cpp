#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "controls/dropdown/base/dropdown_bars.h"
#include "controls/dropdown/dropdown_test_support.h"

using namespace dropdown;
using namespace dropdown_testing;

namespace {

struct DropUpLog {
    std::vector<bool> Cancelled;
    explicit DropUpLog(TExCustomDropDown& edit)
    {
        edit.OnDropUp = [this](QObject*, bool cancelled) { Cancelled.push_back(cancelled); };
    }
};

QImage grabForm(TDropDownForm& form) { return form.grab().toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace

TEST(DropDownForm, DeactivationClosesUnlessTheNewWindowIsItsOwn)
{
    ManualClock clock;
    DropDownHost host;
    DropUpLog log(*host.Edit);
    TDropDownForm& form = host.Form();

    // A window of the pop-up's own (an editor of a grid picker, say).
    host.Edit->ShowDropDown();
    QWidget ownWindow(&form, Qt::Tool);
    deactivateFor(form, &ownWindow);
    EXPECT_TRUE(host.Edit->DroppedDown());
    EXPECT_EQ(form.DeActivateTime, clock.ticks());

    // The main window: closed, cancelled.
    clock.advance(5);
    deactivateFor(form, &host.Window);
    EXPECT_FALSE(host.Edit->DroppedDown());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.DeActivateTime, clock.ticks());
    EXPECT_EQ(log.Cancelled, std::vector<bool>{true});

    // Another program's window (none of ours is active) with CancelOnDeActivate off.
    host.Edit->ShowDropDown();
    form.CancelOnDeActivate = false;
    deactivateFor(form, nullptr);
    EXPECT_FALSE(host.Edit->DroppedDown());
    EXPECT_EQ(log.Cancelled, (std::vector<bool>{true, false}));

    // Blocked: nothing happens, not even the stamp.
    host.Edit->ShowDropDown();
    form.BlockActivate = true;
    clock.advance(5);
    deactivateFor(form, &host.Window);
    EXPECT_TRUE(host.Edit->DroppedDown());
    EXPECT_NE(form.DeActivateTime, clock.ticks());
    form.BlockActivate = false;

    // An activation, or a deactivation of a hidden form, changes nothing.
    form.HandleActivation(true, &form);
    EXPECT_TRUE(host.Edit->DroppedDown());
}

TEST(DropDownForm, WithoutAnEditItOnlyHides)
{
    QWidget owner;
    TDropDownForm form(&owner);
    form.resize(100, 60);
    form.show();
    form.HandleActivation(false, &owner);
    EXPECT_FALSE(form.isVisible());
    // It paints nothing of its own and makes no bars.
    form.InitializeAndUpdate();
    EXPECT_EQ(form.Header(), nullptr);
    EXPECT_EQ(form.Footer(), nullptr);
}

TEST(DropDownForm, SizeGripCorner)
{
    QWidget owner;
    TDropDownForm form(&owner);
    form.resize(100, 60);
    EXPECT_EQ(form.HitTest(QPoint(95, 55)), 0);
    form.Sizeable = true;
    EXPECT_EQ(form.HitTest(QPoint(95, 55)), HTBOTTOMRIGHT);
    EXPECT_EQ(form.HitTest(QPoint(90, 55)), 0);  // x must exceed width - 10
    EXPECT_EQ(form.HitTest(QPoint(95, 50)), 0);
}

TEST(DropDownForm, BackgroundAndBorder)
{
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    edit.DropDownHeader().SetVisible(false);
    edit.DropDownFooter().SetVisible(false);
    edit.SetDropDownWidth(120);
    edit.SetDropDownHeight(60);

    // Luna: a horizontal gradient from 0xF3E5DA to 0xF0DED0 and no border colour.
    edit.ShowDropDown();
    QImage image = grabForm(host.Form());
    EXPECT_EQ(PixelAt(image, 1, 30), 0xF3E5DAu);
    const TColor right = PixelAt(image, 117, 30);
    EXPECT_NEAR(int(right & 0xFF), 0xD0, 1);
    EXPECT_NEAR(int((right >> 8) & 0xFF), 0xDE, 1);
    edit.HideDropDown(false);

    // A plain colour with a 3-pixel border.
    edit.SetDropDownColor(0x00204060);
    edit.SetDropDownColorTo(clNone);
    edit.SetDropDownBorderColor(clRed);
    edit.SetDropDownBorderWidth(3);
    edit.ShowDropDown();
    image = grabForm(host.Form());
    for (QPoint p : {QPoint(0, 30), QPoint(2, 30), QPoint(60, 0), QPoint(60, 2), QPoint(119, 30), QPoint(117, 30),
                     QPoint(60, 59), QPoint(60, 57)})
        EXPECT_EQ(PixelAt(image, p.x(), p.y()), clRed) << p.x() << "," << p.y();
    EXPECT_EQ(PixelAt(image, 3, 30), 0x00204060u);
    EXPECT_EQ(PixelAt(image, 116, 30), 0x00204060u);
    EXPECT_EQ(PixelAt(image, 60, 30), 0x00204060u);
}

TEST(DropDownForm, WithoutABorderTheChildrenFillTheForm)
{
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    auto* control = new QLabel(QStringLiteral("content"));
    control->resize(150, 70);
    edit.SetControl(control);
    edit.SetDropDownBorderWidth(0);
    edit.ShowDropDown();
    TDropDownForm& form = host.Form();
    EXPECT_EQ(form.size(), QSize(150, 22 + 22 + 70));
    EXPECT_EQ(form.Header()->geometry(), QRect(0, 0, 150, 22));
    EXPECT_EQ(control->geometry(), QRect(0, 22, 150, 70));
    EXPECT_EQ(form.Footer()->geometry(), QRect(0, 92, 150, 22));

    // Hiding the header hides its bar (which stays).
    edit.HideDropDown(false);
    TExHeader* header = form.Header();
    edit.DropDownHeader().SetVisible(false);
    edit.ShowDropDown();
    EXPECT_EQ(form.Header(), header);
    EXPECT_TRUE(header->isHidden());
    EXPECT_EQ(control->y(), 0);
}

TEST(DropDownForm, AnOpenPopupFollowsItsHeaderSettings)
{
    DropDownHost host;
    TExCustomDropDown& edit = *host.Edit;
    edit.ShowDropDown();
    TDropDownForm& form = host.Form();
    ASSERT_NE(form.Header(), nullptr);
    EXPECT_EQ(form.Header()->ButtonCount(), 0);
    edit.DropDownHeader().Buttons().Add().SetCaption(QStringLiteral("New"));
    EXPECT_EQ(form.Header()->ButtonCount(), 1);
    edit.DropDownHeader().SetVisible(false);
    EXPECT_TRUE(form.Header()->isHidden());
}
