#include <gtest/gtest.h>

#include <memory>

#include <QWidget>

#include "controls/grid/cells/control_list.h"
#include "controls/grid/grid_error.h"

using namespace grid;

TEST(ControlList, ItemsAreFoundByCellAndNeverOwnTheirControls)
{
    QWidget parent;
    auto* first = new QWidget(&parent);
    auto* second = new QWidget(&parent);
    auto* third = new QWidget(&parent);
    {
        TControlList list;
        list.AddControl(1, 2, first);
        list.AddControl(1, 2, second);  // same cell: the first one added wins
        list.AddControl(3, 4, third);
        EXPECT_EQ(list.Count(), 3);
        EXPECT_EQ(list.ControlIndex(1, 2), 0);
        EXPECT_EQ(list.ControlIndex(3, 4), 2);
        EXPECT_EQ(list.ControlIndex(2, 1), -1);
        EXPECT_EQ(list.GetControl(1)->Control, second);
        EXPECT_TRUE(list.HasControl(third));

        list.RemoveControl(0);
        EXPECT_EQ(list.ControlIndex(1, 2), 0);
        EXPECT_EQ(list.GetControl(0)->Control, second);
        EXPECT_EQ(parent.findChildren<QWidget*>().size(), 3);  // the control stays alive

        EXPECT_THROW(list.GetControl(2), EExGridError);
        EXPECT_THROW(list.GetControl(-1), EExGridError);
        EXPECT_THROW(list.RemoveControl(2), EExGridError);
        EXPECT_EQ(list.Count(), 2);
    }
    EXPECT_EQ(parent.findChildren<QWidget*>().size(), 3);  // destroying the list leaves them too
}

TEST(ControlList, ForgetsAControlDestroyedElsewhere)
{
    TControlList list;
    auto control = std::make_unique<QWidget>();
    list.AddControl(0, 0, control.get());
    control.reset();
    EXPECT_EQ(list.GetControl(0)->Control, nullptr);
    EXPECT_FALSE(list.HasHandle(0));
}

TEST(ControlList, HasHandleMatchesNativeWindows)
{
    QWidget native;
    const WId handle = native.winId();
    QWidget plain;
    TControlList list;
    list.AddControl(0, 0, &plain);
    EXPECT_FALSE(list.HasHandle(handle));
    EXPECT_EQ(plain.internalWinId(), WId(0));  // asking created no window
    list.AddControl(1, 0, &native);
    EXPECT_EQ(list.HasHandle(handle), handle != 0);
}
