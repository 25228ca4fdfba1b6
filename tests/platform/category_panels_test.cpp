// The collapsible category panel group: stacking in order, collapse and
// expand by the header, disabled panels, line and wheel scrolling.

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/category_panels.h"

namespace category_panels_tests {

using platform::TCategoryPanel;
using platform::TCategoryPanelGroup;

struct Group {
    QWidget window;
    TCategoryPanelGroup* group;
    TCategoryPanel* a;
    TCategoryPanel* b;
    TCategoryPanel* c;

    Group()
    {
        window.resize(300, 200);
        group = new TCategoryPanelGroup(&window);
        group->setGeometry(0, 50, 300, 150);
        a = group->AddPanel(QStringLiteral("A"), QStringLiteral("1. A"));
        b = group->AddPanel(QStringLiteral("B"), QStringLiteral("2. B"));
        c = group->AddPanel(QStringLiteral("C"), QStringLiteral("3. C"));
        a->SetPanelHeight(100);
        b->SetPanelHeight(80);
        c->SetPanelHeight(120);
        window.show();
        QApplication::processEvents();
    }
};

TEST(CategoryPanels, ShownPanelsStackInOrderAndFollowHeightAndCollapse)
{
    Group g;
    EXPECT_EQ(g.group->PanelTop(g.a), 0);
    EXPECT_EQ(g.group->PanelTop(g.b), 100);
    EXPECT_EQ(g.group->PanelTop(g.c), 180);

    g.a->SetPanelHeight(60);
    EXPECT_EQ(g.group->PanelTop(g.b), 60);

    g.b->Collapse();
    EXPECT_TRUE(g.b->Collapsed());
    EXPECT_EQ(g.b->height(), g.group->HeaderHeight());
    EXPECT_EQ(g.group->PanelTop(g.c), 60 + g.group->HeaderHeight());
    EXPECT_FALSE(g.b->Surface()->isVisible());

    g.b->SetPanelVisible(false);
    EXPECT_EQ(g.group->PanelTop(g.c), 60);

    g.b->SetPanelVisible(true);
    g.b->Expand();
    g.group->SetPanelOrder({g.c, g.a});
    EXPECT_EQ(g.group->PanelTop(g.c), 0);
    EXPECT_EQ(g.group->PanelTop(g.a), 120);
    EXPECT_EQ(g.group->PanelTop(g.b), 180);
    EXPECT_EQ(g.b->Surface()->y(), g.group->HeaderHeight());
}

TEST(CategoryPanels, HeaderClickTogglesOnlyAnEnabledPanel)
{
    Group g;
    int toggles = 0;
    g.a->OnToggle = [&toggles](TCategoryPanel*) { ++toggles; };
    QTest::mouseClick(g.a, Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_TRUE(g.a->Collapsed());
    QTest::mouseClick(g.a, Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_FALSE(g.a->Collapsed());
    EXPECT_EQ(toggles, 2);

    // A click below the header is the surface's, not the header's.
    QTest::mouseClick(g.a, Qt::LeftButton, {}, QPoint(40, g.group->HeaderHeight() + 10));
    EXPECT_FALSE(g.a->Collapsed());

    g.a->setEnabled(false);
    QTest::mouseClick(g.a, Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_FALSE(g.a->Collapsed());
    // The program may still collapse a disabled panel.
    g.a->Collapse();
    EXPECT_TRUE(g.a->Collapsed());
}

TEST(CategoryPanels, LineAndWheelScrolling)
{
    Group g;
    ASSERT_GT(g.group->verticalScrollBar()->maximum(), 0);
    g.group->SetLineStep(10);
    g.group->ScrollLines(3);
    EXPECT_EQ(g.group->ScrollPosition(), 30);
    g.group->ScrollLines(-1);
    EXPECT_EQ(g.group->ScrollPosition(), 20);
    g.group->ScrollLines(-10);
    EXPECT_EQ(g.group->ScrollPosition(), 0);

    const int lines = QApplication::wheelScrollLines();
    const QPoint inside = g.group->viewport()->mapToGlobal(QPoint(20, 20));
    EXPECT_TRUE(g.group->MouseWheel(inside, -120));  // towards the user: down
    EXPECT_EQ(g.group->ScrollPosition(), std::min(lines * 10, g.group->verticalScrollBar()->maximum()));
    EXPECT_TRUE(g.group->MouseWheel(inside, 120));
    EXPECT_EQ(g.group->ScrollPosition(), 0);

    const QPoint outside = g.window.mapToGlobal(QPoint(20, 10));
    EXPECT_FALSE(g.group->MouseWheel(outside, -120));
    EXPECT_EQ(g.group->ScrollPosition(), 0);
}

TEST(CategoryPanels, PanelsFillTheViewportWidth)
{
    Group g;
    EXPECT_EQ(g.a->width(), g.group->viewport()->width());
    g.group->resize(250, 150);
    QApplication::processEvents();
    EXPECT_EQ(g.a->width(), g.group->viewport()->width());
    EXPECT_EQ(g.a->Surface()->width(), g.a->width());
}

}  // namespace category_panels_tests
