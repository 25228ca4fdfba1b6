#include <gtest/gtest.h>

#include <vector>

#include "controls/grid/grid_error.h"
#include "controls/grid/cells/int_lists.h"

using namespace grid;

namespace {

// Records every OnChange of a list.
struct IntListEvents {
    explicit IntListEvents(TIntList& list)
    {
        list.OnChange = [this](TIntList* sender, int col, int row) {
            senders.push_back(sender);
            cols.push_back(col);
            rows.push_back(row);
        };
    }
    int count() const { return int(senders.size()); }
    std::vector<TIntList*> senders;
    std::vector<int> cols;
    std::vector<int> rows;
};

std::vector<int32_t> intListEntries(const TIntList& list)
{
    std::vector<int32_t> entries;
    for (int i = 0; i < list.Count(); ++i)
        entries.push_back(list.GetInteger(i));
    return entries;
}

}  // namespace

TEST(IntList, ChangesFireOnChangeWithTheListsCell)
{
    TIntList list(4, 7);
    IntListEvents events(list);

    list.Add(10);
    list.Add(20);
    EXPECT_EQ(events.count(), 2);
    list.Insert(0, 5);  // no event
    list.Insert(3, 30);
    EXPECT_EQ(events.count(), 2);
    EXPECT_EQ(intListEntries(list), (std::vector<int32_t>{5, 10, 20, 30}));

    list.SetInteger(1, 11);
    list.Delete(0);
    list.DeleteValue(20);
    EXPECT_EQ(events.count(), 5);
    list.DeleteValue(99);  // absent: nothing
    EXPECT_EQ(events.count(), 5);
    EXPECT_EQ(intListEntries(list), (std::vector<int32_t>{11, 30}));
    EXPECT_TRUE(list.HasValue(30));
    EXPECT_FALSE(list.HasValue(20));

    for (int i = 0; i < events.count(); ++i) {
        EXPECT_EQ(events.senders[size_t(i)], &list);
        EXPECT_EQ(events.cols[size_t(i)], 4);
        EXPECT_EQ(events.rows[size_t(i)], 7);
    }
    list.Clear();  // no event
    EXPECT_EQ(events.count(), 5);
    EXPECT_EQ(list.Count(), 0);
}

TEST(IntList, IndexesOutsideTheListRaise)
{
    TIntList list;
    list.Add(1);
    list.Add(2);
    IntListEvents events(list);
    EXPECT_THROW(list.GetInteger(-1), EExGridError);
    EXPECT_THROW(list.GetInteger(2), EExGridError);
    EXPECT_THROW(list.SetInteger(2, 0), EExGridError);
    EXPECT_THROW(list.Delete(2), EExGridError);
    EXPECT_THROW(list.Delete(-1), EExGridError);
    EXPECT_THROW(list.Insert(3, 0), EExGridError);
    EXPECT_THROW(list.Insert(-1, 0), EExGridError);
    EXPECT_EQ(events.count(), 0);
    EXPECT_EQ(intListEntries(list), (std::vector<int32_t>{1, 2}));
    try {
        list.GetInteger(5);
    } catch (const EExGridError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (5)");
    }
    list.Insert(2, 3);  // at the end is inside
    EXPECT_EQ(list[2], 3);
}

TEST(IntList, StrValueIsCommaText)
{
    struct Case {
        QString text;
        std::vector<int32_t> entries;
        QString readBack;
    };
    const Case cases[] = {
        {"5,7", {5, 7}, "5,7"},
        {"", {}, ""},
        {"-1, 2 3", {-1, 2, 3}, "-1,2,3"},
        {"\"4\",$10", {4, 16}, "4,16"},
        {"  8  ", {8}, "8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        TIntList list;
        list.Add(1);
        list.Add(2);
        list.Add(3);
        IntListEvents events(list);
        list.SetStrValue(c.text);
        EXPECT_EQ(intListEntries(list), c.entries);
        EXPECT_EQ(events.count(), int(c.entries.size()));
        EXPECT_EQ(list.StrValue(), c.readBack);
    }
}

TEST(IntList, StrValueStopsAtAPartThatIsNoInteger)
{
    const std::pair<QString, std::vector<int32_t>> cases[] = {
        {"4,x,5", {4}},
        {"1,", {1}},    // a comma at the end adds an empty part
        {"1,,2", {1}},  // so does a comma after a comma
        {"\"a b\"", {}},
    };
    for (const auto& [text, kept] : cases) {
        SCOPED_TRACE(text.toStdString());
        TIntList list;
        list.Add(9);
        EXPECT_THROW(list.SetStrValue(text), EExGridError);
        EXPECT_EQ(intListEntries(list), kept);
    }
}

TEST(SortIndexList, EntriesKeepColumnAndDirection)
{
    TSortIndexList list;
    IntListEvents events(list);
    list.AddIndex(3, true);
    list.AddIndex(0, false);
    list.AddIndex(3, false);
    EXPECT_EQ(events.count(), 3);
    EXPECT_EQ(uint32_t(list.GetInteger(1)), 0x80000000u);

    EXPECT_EQ(list.FindIndex(3), 0);
    EXPECT_EQ(list.FindIndex(0), 1);
    EXPECT_EQ(list.FindIndex(5), -1);
    EXPECT_TRUE(list.SortDirections(0));
    EXPECT_FALSE(list.SortDirections(1));

    list.ToggleIndex(3);  // the first entry of column 3 only
    EXPECT_FALSE(list.SortDirections(0));
    EXPECT_FALSE(list.SortDirections(2));
    list.ToggleIndex(7);  // absent: nothing
    EXPECT_EQ(list.Count(), 3);

    list.SetSortColumns(1, 9);
    EXPECT_EQ(list.SortColumns(1), 9);
    EXPECT_FALSE(list.SortDirections(1));  // direction kept
    list.SetSortDirections(1, true);
    EXPECT_EQ(list.SortColumns(1), 9);
    EXPECT_TRUE(list.SortDirections(1));

    EXPECT_THROW(list.SortColumns(3), EExGridError);
    EXPECT_THROW(list.SortDirections(-1), EExGridError);
    EXPECT_THROW(list.SetSortColumns(3, 1), EExGridError);
    EXPECT_THROW(list.SetSortDirections(3, true), EExGridError);
}

TEST(SortIndexList, TextForm)
{
    struct Entry {
        int column;
        bool ascending;
        bool operator==(const Entry&) const = default;
    };
    const auto entriesOf = [](const TSortIndexList& list) {
        std::vector<Entry> entries;
        for (int i = 0; i < list.Count(); ++i)
            entries.push_back({list.SortColumns(i), list.SortDirections(i)});
        return entries;
    };

    // Saving.
    const std::pair<std::vector<Entry>, QString> saves[] = {
        {{}, ""},
        {{{3, true}, {0, false}}, "u3;d0"},
        {{{70000, true}}, "u4464"},  // only the low 16 bits of the column
        {{{12, false}, {1, true}, {2, false}}, "d12;u1;d2"},
    };
    for (const auto& [entries, text] : saves) {
        SCOPED_TRACE(text.toStdString());
        TSortIndexList list;
        for (const Entry& e : entries)
            list.AddIndex(e.column, e.ascending);
        EXPECT_EQ(list.SaveToString(), text);
    }

    // Loading.
    const std::pair<QString, std::vector<Entry>> loads[] = {
        {"u3;d0", {{3, true}, {0, false}}},
        {"u2;x;d10;U4", {{2, true}, {10, false}, {4, false}}},  // "x" too short; "U" is not "u"
        {"", {}},
        {";;", {}},
        {"u1;uz;d;d3;", {{1, true}, {3, false}}},  // malformed numbers skipped
    };
    for (const auto& [text, entries] : loads) {
        SCOPED_TRACE(text.toStdString());
        TSortIndexList list;
        list.AddIndex(99, true);
        list.LoadFromString(text);
        EXPECT_EQ(entriesOf(list), entries);
    }
}
