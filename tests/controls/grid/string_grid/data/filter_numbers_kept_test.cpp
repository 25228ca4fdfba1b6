// What a filter pass read of a column's whole numbers is kept for the next
// passes. Whatever happens to the grid between passes (cells written on
// display or aside, rows removed, inserted, moved or sorted, levels stacked
// and taken back, the separators changed), every pass keeps exactly the
// rows that a model of the grid, matching each value in full, keeps.

#include <gtest/gtest.h>

#include <random>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/filter_matcher.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;

namespace filter_numbers_kept_test {

// A row of the model: its id (column 0), its values (columns 1 and 2) and
// the filter level that hid it (0 while on display).
struct ModelRow {
    QString id;
    QString values[2];
    int level = 0;
};

class FilteredGridModel {
public:
    explicit FilteredGridModel(unsigned seed) : random(seed)
    {
        g.SetColCount(3);
        g.SetRowCount(61);
        g.SetFixedRows(1);
        for (int i = 0; i < 60; ++i) {
            rows.push_back(ModelRow{QString::number(++lastId), {Value(), Value()}, 0});
            for (int c = 0; c < 3; ++c) g.SetCellEx(c, 1 + i, c == 0 ? rows.back().id : rows.back().values[c - 1]);
        }
    }

    // One step of a random history, checked after every filter pass.
    void Step()
    {
        const int op = Pick(10);
        if (op <= 1) return level < 3 ? ApplyLevel() : RemoveLevel();
        if (op == 2) return level > 0 ? RemoveLevel() : ApplyLevel();
        if (op == 3) return WriteShownCell();
        if (op == 4) return WriteCellAside();
        if (op == 5 && ShownCount() > 1) return RemoveShownRow();
        // Rows are inserted, moved and sorted with every row on display.
        if (level > 0) return RemoveLevel();
        if (op == 6) return InsertRow(Pick(int(rows.size()) + 1));
        if (op == 7) return MoveRow();
        if (op == 8) return Sort();
        return ApplyLevel();
    }

    void ExpectAsModel(const char* after) const
    {
        SCOPED_TRACE(after);
        QStringList shown, expected;
        for (int r = g.FixedRows(); r < g.RowCount(); ++r)
            shown << g.GetCellEx(0, r) + u'|' + g.GetCellEx(1, r) + u'|' + g.GetCellEx(2, r);
        for (const ModelRow& row : rows)
            if (row.level == 0) expected << row.id + u'|' + row.values[0] + u'|' + row.values[1];
        if (expected.isEmpty()) shown.removeAll(QStringLiteral("||"));  // the window's empty row
        ASSERT_EQ(shown.join(u'\n').toStdString(), expected.join(u'\n').toStdString());
    }

    TExStringGrid g;

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    QString Value()
    {
        static const QStringList others = {"abc", "", "7.5", " 12 ", "+3", "1e1", "007", "-0", "#N/A", "1,000"};
        return Pick(4) == 0 ? others[Pick(int(others.size()))] : QString::number(Pick(120) - 20);
    }

    int ShownCount() const
    {
        return int(std::count_if(rows.begin(), rows.end(), [](const ModelRow& row) { return row.level == 0; }));
    }

    // The model row shown at display row d (past the fixed row).
    size_t ShownRow(int d) const
    {
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].level == 0 && d-- == 0) return i;
        return rows.size();
    }

    void ApplyLevel()
    {
        static const QStringList conditions = {">=50", "<20", ">-5", "<=33", ">=10", "!*5*", ">7.5", "<>0"};
        const int column = 1 + Pick(2);
        const QString condition = conditions[Pick(int(conditions.size()))];
        g.Filter().Clear();
        TFilterData& f = g.Filter().Add();
        f.Column = column;
        f.Condition = condition;
        f.CaseSensitive = false;
        g.ApplyFilter();
        ++level;
        const TFilterCondition full(condition, false, TConditionPaths::FullOnly);
        for (ModelRow& row : rows)
            if (row.level == 0 && !full.Match(row.values[column - 1].trimmed())) row.level = level;
        ExpectAsModel(qPrintable(QStringLiteral("filter %1 on column %2").arg(condition).arg(column)));
    }

    void RemoveLevel()
    {
        g.RemoveLastFilter();
        for (ModelRow& row : rows)
            if (row.level == level) row.level = 0;
        --level;
        ExpectAsModel("a level taken back");
    }

    void WriteShownCell()
    {
        const int shown = ShownCount();
        if (shown == 0) return;
        const int d = Pick(shown);
        const int column = 1 + Pick(2);
        const QString value = Value();
        g.SetCellEx(column, g.FixedRows() + d, value);
        rows[ShownRow(d)].values[column - 1] = value;
    }

    void WriteCellAside()
    {
        std::vector<size_t> aside;
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].level > 0) aside.push_back(i);
        if (aside.empty()) return;
        const size_t i = aside[size_t(Pick(int(aside.size())))];
        const int column = 1 + Pick(2);
        const QString value = Value();
        g.SetCellsEx(column, 1 + int(i), value);  // all-rows index past the fixed row
        rows[i].values[column - 1] = value;
    }

    void RemoveShownRow()
    {
        const int d = Pick(ShownCount());
        g.RemoveRows(g.FixedRows() + d, 1);
        rows.erase(rows.begin() + std::ptrdiff_t(ShownRow(d)));
        ExpectAsModel("a row removed");
    }

    void InsertRow(int at)
    {
        ModelRow row{QString::number(++lastId), {Value(), Value()}, 0};
        g.InsertRows(1 + at, 1);
        g.SetCellEx(0, 1 + at, row.id);
        g.SetCellEx(1, 1 + at, row.values[0]);
        g.SetCellEx(2, 1 + at, row.values[1]);
        rows.insert(rows.begin() + at, row);
    }

    void MoveRow()
    {
        const int from = Pick(int(rows.size()));
        const int to = Pick(int(rows.size()));
        g.MoveRow(1 + from, 1 + to);
        const ModelRow row = rows[size_t(from)];
        rows.erase(rows.begin() + from);
        rows.insert(rows.begin() + to, row);
        ExpectAsModel("a row moved");
    }

    // The grid's order after a sort is read back: the sort is tested elsewhere.
    void Sort()
    {
        g.Sort(1 + Pick(2), Pick(2) == 0 ? sdAscending : sdDescending);
        for (size_t i = 0; i < rows.size(); ++i) {
            const int r = 1 + int(i);
            rows[i] = ModelRow{g.GetCellEx(0, r), {g.GetCellEx(1, r), g.GetCellEx(2, r)}, 0};
        }
    }

    std::mt19937 random;
    std::vector<ModelRow> rows;
    int level = 0;
    int lastId = 0;
};

}  // namespace filter_numbers_kept_test

using filter_numbers_kept_test::FilteredGridModel;

TEST(FilterNumbersKept, EveryPassOfARandomHistoryKeepsTheRowsTheFullMatchKeeps)
{
    grid_text_testing::FormatSettingsScope settings(u'.', u',');
    for (const unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        SCOPED_TRACE(seed);
        FilteredGridModel model(seed);
        for (int step = 0; step < 400 && !testing::Test::HasFatalFailure(); ++step) model.Step();
    }
}

TEST(FilterNumbersKept, ASeparatorThatIsADigitSendsEveryValueTheFullWay)
{
    // Numbers read before stay kept, but with "1" as the thousand
    // separator "10" no longer reads as ten.
    TExStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(4);
    g.SetFixedRows(1);
    for (int r = 1; r <= 3; ++r) g.SetCellEx(1, r, QString::number(r * 5));  // 5, 10, 15
    TFilterData& f = g.Filter().Add();
    f.Column = 1;
    f.Condition = ">=10";
    const auto kept = [&g] {
        QStringList list;
        for (int r = 1; r < g.RowCount(); ++r) list << g.GetCellEx(1, r);
        return list;
    };
    {
        grid_text_testing::FormatSettingsScope settings(u'.', u',');
        g.SetFilterActive(true);
        EXPECT_EQ(kept(), (QStringList{"10", "15"}));
        g.SetFilterActive(false);
    }
    grid_text_testing::FormatSettingsScope settings(u'.', u'1');
    const TFilterCondition full(">=10", false, TConditionPaths::FullOnly);
    QStringList expected;
    for (const char* value : {"5", "10", "15"})
        if (full.Match(value)) expected << value;
    g.SetFilterActive(true);
    EXPECT_EQ(kept(), expected);
}

TEST(FilterNumbersKept, RowsTheFixedFooterPutsOutOfTheirPlaceAreReadAgain)
{
    // With the fixed last-row footer switched on while rows are aside, the
    // rows coming back past the footer go before it: they no longer stand
    // at their all-rows index, and what was read there belongs to others.
    grid_text_testing::FormatSettingsScope settings(u'.', u',');
    TExStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(11);
    g.SetFixedRows(1);
    for (int r = 1; r <= 10; ++r) g.SetCellEx(1, r, QString::number(r * 10));
    const auto filter = [&g](const char* condition) {
        g.Filter().Clear();
        TFilterData& f = g.Filter().Add();
        f.Column = 1;
        f.Condition = condition;
        g.ApplyFilter();
    };
    const auto shown = [&g] {
        QStringList list;
        for (int r = g.FixedRows(); r < g.RowCount(); ++r) list << g.GetCellEx(1, r);
        return list.join(u' ').toStdString();
    };
    filter("<=80");
    ASSERT_EQ(shown(), "10 20 30 40 50 60 70 80");
    g.FloatingFooter().SetFooterStyle(fsFixedLastRow);
    g.FloatingFooter().SetVisible(true);
    g.RemoveLastFilter();
    ASSERT_EQ(shown(), "10 20 30 40 50 60 70 90 100 80");
    // The footer row is no record: "80" stays out of the test.
    filter("<85");
    EXPECT_EQ(shown(), "10 20 30 40 50 60 70 80");
}
