#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "controls/grid/cells/grid_change_notifier.h"

using namespace grid;

namespace {

class RecordingNotifier : public TGridChangeNotifier {
public:
    RecordingNotifier(std::vector<std::pair<RecordingNotifier*, QRect>>& log) : log_(log) {}
    void CellsChanged(const QRect& cells) override { log_.emplace_back(this, cells); }

private:
    std::vector<std::pair<RecordingNotifier*, QRect>>& log_;
};

}  // namespace

TEST(GridChangeNotifier, RegisteredNotifiersHearInRegistrationOrder)
{
    std::vector<std::pair<RecordingNotifier*, QRect>> log;
    RecordingNotifier a(log);
    RecordingNotifier b(log);
    auto c = std::make_unique<RecordingNotifier>(log);

    TGridNotifierList notifiers;
    notifiers.RegisterNotifier(&b);
    notifiers.RegisterNotifier(&a);
    notifiers.RegisterNotifier(&b);  // once only
    notifiers.RegisterNotifier(c.get());
    EXPECT_EQ(notifiers.Count(), 3);

    const QRect cells(QPoint(1, 2), QPoint(3, 4));
    notifiers.NotifyCellsChanged(cells);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].first, &b);
    EXPECT_EQ(log[1].first, &a);
    EXPECT_EQ(log[2].first, c.get());
    EXPECT_EQ(log[0].second, cells);

    log.clear();
    notifiers.UnRegisterNotifier(&a);
    c.reset();  // a destroyed notifier drops out by itself
    notifiers.NotifyCellsChanged(cells);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].first, &b);
    EXPECT_EQ(notifiers.Count(), 1);

    TGridChangeNotifier base;
    base.CellsChanged(cells);  // does nothing
}
