#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "controls/grid/string_grid/ex_string_grid.h"

using namespace grid;

namespace {

struct BalloonGrid {
    TExStringGrid grid;
    BalloonGrid()
    {
        grid.resize(400, 200);
        grid.SetColCount(4);
        grid.SetRowCount(6);
        grid.show();
    }
    QPoint centre(int c, int r)
    {
        const platform::TRect cell = grid.CellRect(c, r);
        return QPoint(cell.Left + 5, cell.Top + 5);
    }
    int windows() const { return int(grid.findChildren<QLabel*>(QStringLiteral("GridBalloon")).size()); }
};

}  // namespace

TEST(BalloonTips, EnableOnOffOnKeepsOneWindow)
{
    BalloonGrid s;
    EXPECT_EQ(s.windows(), 0);
    s.grid.Balloon().SetEnable(true);
    s.grid.Balloon().SetEnable(true);
    EXPECT_EQ(s.windows(), 1);
    s.grid.Balloon().SetEnable(false);
    EXPECT_EQ(s.windows(), 0);
    EXPECT_FALSE(s.grid.Balloon().FInit);
    s.grid.Balloon().Transparency = 55;
    s.grid.Balloon().SetEnable(true);
    EXPECT_EQ(s.windows(), 1);
    EXPECT_NEAR(s.grid.BalloonWindow()->windowOpacity(), 200 / 255.0, 0.01);
}

TEST(BalloonTips, TextTitleAndIconOfTheCellUnderTheMouse)
{
    BalloonGrid s;
    QString title, text;
    int icon = -1;
    s.grid.SetCellEx(1, 1, "plain");
    EXPECT_FALSE(s.grid.BalloonTextAt(s.centre(1, 1), title, text, icon));  // balloons off: nothing given
    s.grid.Balloon().SetEnable(true);

    ASSERT_TRUE(s.grid.BalloonTextAt(s.centre(1, 1), title, text, icon));
    EXPECT_EQ(text, "plain");
    EXPECT_EQ(title, " ");
    EXPECT_EQ(icon, 1);
    EXPECT_EQ(s.grid.LastBalloonPos(), QPoint(1, 1));

    // Long texts are cut to 2045 characters and "..."; leading breaks go.
    s.grid.SetCellEx(2, 2, "\r\n\r\n" + QString(3000, QChar('x')));
    ASSERT_TRUE(s.grid.BalloonTextAt(s.centre(2, 2), title, text, icon));
    EXPECT_EQ(text.size(), 2048);
    EXPECT_TRUE(text.startsWith("xxx"));
    EXPECT_TRUE(text.endsWith("x..."));

    // Tags of HTML text are left out.
    s.grid.SetCellEx(3, 1, "<B>bold</B> text");
    ASSERT_TRUE(s.grid.BalloonTextAt(s.centre(3, 1), title, text, icon));
    EXPECT_EQ(text, "bold text");

    // A cell's own balloon, then the program's last word; titles are cut at 100.
    s.grid.AddBalloon(1, 3, "Own title", "Own text", biError);
    ASSERT_TRUE(s.grid.BalloonTextAt(s.centre(1, 3), title, text, icon));
    EXPECT_EQ(title, "Own title");
    EXPECT_EQ(text, "Own text");
    EXPECT_EQ(icon, 3);
    s.grid.OnCellBalloon = [](QObject*, int, int, QString& t, QString& x, int& i) {
        t = QString(120, QChar('t'));
        x = QString(5000, QChar('y'));  // even a program's text stays within the balloon's size
        i = 2;
    };
    ASSERT_TRUE(s.grid.BalloonTextAt(s.centre(1, 3), title, text, icon));
    EXPECT_EQ(title, QString(97, QChar('t')) + "...");
    EXPECT_EQ(text.size(), 2048);
    EXPECT_EQ(icon, 2);

    s.grid.OnCellBalloon = nullptr;
    EXPECT_TRUE(s.grid.ShowCellBalloon(s.centre(1, 1)));
    EXPECT_TRUE(s.grid.BalloonWindow()->isVisible());
    EXPECT_TRUE(static_cast<QLabel*>(s.grid.BalloonWindow())->text().contains("plain"));
}

TEST(BalloonTips, TheBalloonGoesWhenTheMouseMovesToAnotherCell)
{
    BalloonGrid s;
    s.grid.Balloon().SetEnable(true);
    s.grid.SetCellEx(1, 1, "first");
    s.grid.MergeCells(2, 2, 2, 1);
    s.grid.SetCellEx(2, 2, "merged");
    ASSERT_TRUE(s.grid.ShowCellBalloon(s.centre(2, 2)));
    QWidget* window = s.grid.BalloonWindow();
    ASSERT_TRUE(window->isVisible());
    QTest::mouseMove(s.grid.viewport(), s.centre(3, 2));
    EXPECT_TRUE(window->isVisible()) << "another cell of the same merged cell";
    EXPECT_EQ(s.grid.LastBalloonPos(), QPoint(2, 2));
    QTest::mouseMove(s.grid.viewport(), s.centre(1, 1));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(s.grid.LastBalloonPos(), QPoint(-1, -1));
}

TEST(BalloonTips, DelaysFromTheSettingsOrTheSystem)
{
    const int click = QApplication::doubleClickInterval();
    struct Case {
        TBalloonTiming::TDelays delays;
        int initial, reshow, autoHide;
    } cases[] = {
        {{-1, -1, -1}, click, click / 5, click * 10},
        {{500, -1, -1}, 500, click / 5, click * 10},
        {{40, 10, 3000}, 40, 10, 3000},
    };
    for (const Case& c : cases) {
        TBalloonTiming timing(nullptr, c.delays, [](QPoint) { return true; }, [] {});
        EXPECT_EQ(timing.InitialDelay(), c.initial);
        EXPECT_EQ(timing.ReshowDelay(), c.reshow);
        EXPECT_EQ(timing.AutoHideDelay(), c.autoHide);
    }
}

TEST(BalloonTips, ShowsAfterRestReshowsSoonerAndHidesByItself)
{
    int shows = 0, hides = 0;
    QPoint shownAt;
    TBalloonTiming timing(
        nullptr, {300, 5, 150},
        [&](QPoint pos) {
            ++shows;
            shownAt = pos;
            return true;
        },
        [&] { ++hides; });
    timing.MouseMoved(QPoint(10, 10), QPoint(1, 1));
    EXPECT_TRUE(timing.Pending());
    QTest::qWait(20);
    timing.MouseMoved(QPoint(12, 11), QPoint(1, 1));  // resting within the cell does not restart the wait
    ASSERT_TRUE(QTest::qWaitFor([&] { return timing.Shown(); }, 1000));
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(shownAt, QPoint(12, 11));
    timing.MouseMoved(QPoint(14, 12), QPoint(1, 1));  // a move within the shown cell keeps the balloon
    EXPECT_TRUE(timing.Shown());

    // Another cell: the balloon goes at once and returns after the reshow delay.
    timing.MouseMoved(QPoint(90, 12), QPoint(2, 1));
    EXPECT_FALSE(timing.Shown());
    EXPECT_EQ(hides, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return timing.Shown(); }, 150));  // well before the initial delay
    EXPECT_EQ(shows, 2);

    // The auto-hide delay takes it away; resting on in that cell brings no new one.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !timing.Shown(); }, 1000));
    EXPECT_EQ(hides, 2);
    timing.MouseMoved(QPoint(91, 12), QPoint(2, 1));
    EXPECT_FALSE(timing.Pending());

    // Outside the cells nothing is pending; Cancel drops a pending balloon.
    timing.MouseMoved(QPoint(500, 500), QPoint(-1, -1));
    EXPECT_FALSE(timing.Pending());
    timing.MouseMoved(QPoint(10, 10), QPoint(1, 1));
    EXPECT_TRUE(timing.Pending());
    timing.Cancel();
    EXPECT_FALSE(timing.Pending());
}

TEST(BalloonTips, TheGridShowsTheBalloonAfterTheMouseRestsAndHidesItOnAnotherCell)
{
    BalloonGrid s;
    s.grid.SetCellEx(1, 1, "first");
    s.grid.SetCellEx(2, 2, "second");
    s.grid.Balloon().InitialDelay = 20;
    s.grid.Balloon().ReshowDelay = 10;
    s.grid.Balloon().SetEnable(true);
    ASSERT_NE(s.grid.BalloonTiming(), nullptr);
    EXPECT_EQ(s.grid.BalloonTiming()->InitialDelay(), 20);
    QTest::mouseMove(s.grid.viewport(), s.centre(1, 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.grid.BalloonWindow()->isVisible(); }, 2000));
    EXPECT_TRUE(static_cast<QLabel*>(s.grid.BalloonWindow())->text().contains("first"));
    QTest::mouseMove(s.grid.viewport(), s.centre(2, 2));
    EXPECT_FALSE(s.grid.BalloonWindow()->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.grid.BalloonWindow()->isVisible(); }, 2000));
    EXPECT_TRUE(static_cast<QLabel*>(s.grid.BalloonWindow())->text().contains("second"));
    // Turning balloons off takes the window and its timing away.
    s.grid.Balloon().SetEnable(false);
    EXPECT_EQ(s.grid.BalloonTiming(), nullptr);
}
