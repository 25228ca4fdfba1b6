#include <functional>

#include <gtest/gtest.h>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/grid_error.h"
#include "controls/grid/text/grid_text_test_settings.h"

using namespace grid;

namespace sorting_test {

// A grid with one fixed row and one fixed column, filled row by row from
// the given rows (the first is the header row); column 0 numbers the rows.
struct SortGrid {
    TExStringGrid g;
    grid_text_testing::FormatSettingsScope format{u'.', u','};

    explicit SortGrid(const std::vector<QStringList>& rows)
    {
        const int cols = rows.empty() ? 2 : int(rows.front().size()) + 1;
        g.SetColCount(cols);
        g.SetRowCount(int(rows.size()));
        g.SetFixedCols(1);
        if (g.RowCount() > 1) g.SetFixedRows(1);
        for (int r = 0; r < int(rows.size()); ++r) {
            g.SetCellEx(0, r, r == 0 ? QString() : QString::number(r));
            for (int c = 0; c < int(rows[size_t(r)].size()); ++c) g.SetCellEx(c + 1, r, rows[size_t(r)][c]);
        }
    }
    // The texts of a column from the first normal row down.
    QStringList column(int c, int fromRow = 1) const
    {
        QStringList out;
        for (int r = fromRow; r < g.RowCount(); ++r) out << g.GetCellEx(c, r);
        return out;
    }
};

// One column of values in rows 1.. below a header.
std::vector<QStringList> oneColumn(const QStringList& values)
{
    std::vector<QStringList> rows{{"H"}};
    for (const QString& v : values) rows.push_back({v});
    return rows;
}

struct OrderCase {
    const char* name;
    QStringList values;
    std::function<void(TExStringGrid&)> setUp;
    TSortDirection direction;
    QStringList expected;
};

TEST(SortingOrder, OneColumnByStyleDirectionAndBlanks)
{
    const auto none = [](TExStringGrid&) {};
    const auto noAuto = [](TExStringGrid& g) { g.SortSettings().AutoFormat = false; };
    const auto blanksLast = [](TExStringGrid& g) {
        g.SortSettings().IgnoreBlanks = true;
        g.SortSettings().BlankPos = blLast;
    };
    const auto blanksFirst = [](TExStringGrid& g) {
        g.SortSettings().IgnoreBlanks = true;
        g.SortSettings().BlankPos = blFirst;
    };
    const auto format = [](TSortStyle style, QString prefix, QString suffix) {
        return [=](TExStringGrid& g) {
            g.OnGetFormat = [=](QObject*, int, TSortStyle& s, QString& p, QString& x) {
                s = style;
                p = prefix;
                x = suffix;
            };
        };
    };
    const OrderCase cases[] = {
        {"numbers with automatic format", {"10", "9", "100"}, none, sdAscending, {"9", "10", "100"}},
        {"numbers as text without it", {"10", "9", "100"}, noAuto, sdAscending, {"10", "100", "9"}},
        {"numbers descending", {"2.5", "-3", "11"}, none, sdDescending, {"11", "2.5", "-3"}},
        {"an empty number cell is 0", {"5", "", "-1"}, none, sdAscending, {"-1", "", "5"}},
        {"text: the empty text first", {"b", "", "a"}, none, sdAscending, {"", "a", "b"}},
        {"blanks last ascending", {"b", "", "a"}, blanksLast, sdAscending, {"a", "b", ""}},
        {"blanks last descending", {"b", "", "a"}, blanksLast, sdDescending, {"b", "a", ""}},
        {"blanks first ascending", {"b", "", "a"}, blanksFirst, sdAscending, {"", "a", "b"}},
        {"blanks first descending", {"b", "", "a"}, blanksFirst, sdDescending, {"", "b", "a"}},
        {"ordinal text, upper case first", {"b", "C", "a"}, noAuto, sdAscending, {"C", "a", "b"}},
        {"ignore case", {"b", "C", "a"},
         [](TExStringGrid& g) {
             g.SortSettings().AutoFormat = false;
             g.SortSettings().IgnoreCase = true;
         },
         sdAscending, {"a", "b", "C"}},
        {"dates in the short date format", {"02/01/2020", "01/02/2019", "15/12/2019"}, none, sdAscending,
         {"01/02/2019", "15/12/2019", "02/01/2020"}},
        {"date and time", {"01/01/2020 10:00", "01/01/2020 09:30", "31/12/2019 23:00"}, none, sdAscending,
         {"31/12/2019 23:00", "01/01/2020 09:30", "01/01/2020 10:00"}},
        {"times", {"10:05", "9:30", "23:00"}, none, sdAscending, {"9:30", "10:05", "23:00"}},
        {"financial with prefix and suffix", {"$1,200 net", "$30 net", "$5 net"},
         format(ssFinancial, "$", " net"), sdAscending, {"$5 net", "$30 net", "$1,200 net"}},
        {"US short dates", {"12/01/2020", "01/02/2020", "11/30/2019"}, format(ssShortDateUS, "", ""), sdAscending,
         {"11/30/2019", "01/02/2020", "12/01/2020"}},
        {"alphanumeric: numbers when both are", {"b", "10", "9", "a"}, format(ssAlphaNumeric, "", ""), sdAscending,
         {"9", "10", "a", "b"}},
        {"custom compare by length", {"ccc", "a", "bb"},
         [](TExStringGrid& g) {
             g.OnGetFormat = [](QObject*, int, TSortStyle& s, QString&, QString&) { s = ssCustom; };
             g.OnCustomCompare = [](QObject*, const QString& a, const QString& b, int& res) {
                 res = a.size() > b.size() ? 1 : (a.size() < b.size() ? -1 : 0);
             };
         },
         sdAscending, {"a", "bb", "ccc"}},
        {"forced numbers: a text that is no number after every number", {"5", "abc", "-1", ""},
         format(ssNumeric, "", ""), sdAscending, {"-1", "", "5", "abc"}},
        {"raw compare reading the rows, reversed", {"a", "c", "b"},
         [](TExStringGrid& g) {
             g.OnGetFormat = [](QObject*, int, TSortStyle& s, QString&, QString&) { s = ssRaw; };
             g.OnRawCompare = [&g](QObject*, int col, int row1, int row2, int& res) {
                 const int c = g.GetCellEx(col, row1).compare(g.GetCellEx(col, row2));
                 res = c > 0 ? -1 : (c < 0 ? 1 : 0);
             };
         },
         sdAscending, {"c", "b", "a"}},
        {"html without its tags", {"<b>z</b>", "<i>a</i>", "m"}, format(ssHTML, "", ""), sdAscending,
         {"<i>a</i>", "m", "<b>z</b>"}},
    };
    for (const OrderCase& tc : cases) {
        SCOPED_TRACE(tc.name);
        SortGrid t(oneColumn(tc.values));
        tc.setUp(t.g);
        t.g.Sort(1, tc.direction);
        EXPECT_EQ(t.column(1), tc.expected);
    }
}

TEST(SortingOrder, CheckBoxesSortUncheckedFirst)
{
    SortGrid t(oneColumn({"", "", "", ""}));
    t.g.AddCheckBox(1, 1, true, false);
    t.g.AddCheckBox(1, 2, false, false);
    t.g.AddCheckBox(1, 3, true, false);
    t.g.AddCheckBox(1, 4, false, false);
    t.g.Sort(1, sdAscending);
    EXPECT_FALSE(t.g.IsChecked(1, 1));
    EXPECT_FALSE(t.g.IsChecked(1, 2));
    EXPECT_TRUE(t.g.IsChecked(1, 3));
    EXPECT_TRUE(t.g.IsChecked(1, 4));
}

TEST(SortingOrder, FullBreaksTiesWithColumnsToTheRightOnly)
{
    // Column 1 is the left neighbour, column 2 the sort column, column 3 the tie-break.
    SortGrid t({{"L", "K", "T"}, {"1", "b", "y"}, {"9", "a", "z"}, {"5", "b", "x"}, {"0", "a", "w"}});
    t.g.Sort(2, sdAscending);
    EXPECT_EQ(t.column(2), QStringList({"a", "a", "b", "b"}));
    EXPECT_EQ(t.column(3), QStringList({"w", "z", "x", "y"}));
    t.g.Sort(2, sdDescending);
    EXPECT_EQ(t.column(3), QStringList({"y", "x", "z", "w"}));
    // An ignored tie-break column compares as equal: the next one decides.
    t.g.IgnoreColumns().Add(3);
    t.g.Sort(3, sdAscending);  // all equal: nothing moves
    EXPECT_EQ(t.column(3), QStringList({"y", "x", "z", "w"}));
}

TEST(SortingOrder, IndexedSortAndItsTextForm)
{
    SortGrid t({{"A", "B", "C"}, {"2", "x", "1"}, {"1", "y", "2"}, {"3", "z", "2"}, {"1", "w", "1"}});
    // Storage column 3 descending, then column 1 ascending.
    t.g.SortSettings().IndexShow = true;
    t.g.SortIndexes().AddIndex(3, false);
    t.g.SortIndexes().AddIndex(1, true);
    t.g.QSortIndexed();
    EXPECT_EQ(t.column(2), QStringList({"y", "z", "w", "x"}));
    EXPECT_EQ(t.g.SortSettings().SaveToString(), "i;d3;u1");

    // Loading the text form on a shuffled grid sorts the same way.
    SortGrid u({{"A", "B", "C"}, {"3", "z", "2"}, {"1", "w", "1"}, {"2", "x", "1"}, {"1", "y", "2"}});
    u.g.SortSettings().LoadFromString("i;d3;u1");
    EXPECT_TRUE(u.g.SortSettings().IndexShow);
    EXPECT_TRUE(u.g.SortSettings().Show());
    EXPECT_EQ(u.g.SortIndexes().Count(), 2);
    EXPECT_EQ(u.column(2), QStringList({"y", "z", "w", "x"}));
}

TEST(SortingOrder, IndexedSortNeedsIndexes)
{
    SortGrid t(oneColumn({"b", "a"}));
    try {
        t.g.QSortIndexed();
        FAIL() << "no exception";
    } catch (const EExGridError& e) {
        EXPECT_STREQ(e.what(), "No indexes specified for indexed sort");
    }
    EXPECT_EQ(t.column(1), QStringList({"b", "a"}));
}

TEST(SortingOrder, TextFormLoadingAndSaving)
{
    SortGrid t(oneColumn({"b", "c", "a"}));
    TSortSettings& s = t.g.SortSettings();
    EXPECT_EQ(s.SaveToString(), "u-1");
    s.LoadFromString("");
    EXPECT_FALSE(s.Show());
    EXPECT_THROW(s.LoadFromString("x"), EExGridError);
    try {
        s.LoadFromString("d");
    } catch (const EExGridError& e) {
        EXPECT_STREQ(e.what(), "Invalid sort settings specifier");
    }
    EXPECT_TRUE(s.Show());  // switched on before the check
    s.Direction = sdDescending;
    s.LoadFromString("ux");  // direction only
    EXPECT_EQ(s.Direction, sdAscending);
    EXPECT_EQ(s.Column, -1);
    EXPECT_EQ(t.column(1), QStringList({"b", "c", "a"}));
    s.LoadFromString("d1");
    EXPECT_EQ(s.Column, 1);
    EXPECT_EQ(s.Direction, sdDescending);
    EXPECT_EQ(t.column(1), QStringList({"c", "b", "a"}));
    EXPECT_EQ(s.SaveToString(), "d1");
}

TEST(SortingOrder, UnSortReturnsToTheOrderBeforeTheSorts)
{
    SortGrid t(oneColumn({"c", "a", "d", "b"}));
    t.g.Sort(1, sdAscending);
    t.g.Sort(1, sdDescending);
    EXPECT_EQ(t.column(1), QStringList({"d", "c", "b", "a"}));
    t.g.QUnSort();
    EXPECT_EQ(t.column(1), QStringList({"c", "a", "d", "b"}));
    for (int r = 0; r < t.g.RowCount(); ++r) EXPECT_EQ(t.g.SortRowXRef()[r], r);

    // A row added between sorts: unsorting returns to the order at the later sort's start.
    t.g.Sort(1, sdAscending);  // a b c d
    t.g.AddRow();
    t.g.SetCellEx(1, 5, "0");
    t.g.Sort(1, sdDescending);
    t.g.QUnSort();
    EXPECT_EQ(t.column(1), QStringList({"a", "b", "c", "d", "0"}));
}

TEST(SortingOrder, NormalCellsOnlyKeepsTheRowNumbers)
{
    SortGrid t(oneColumn({"c", "a", "b"}));
    t.g.SortSettings().NormalCellsOnly = true;
    t.g.Sort(1, sdAscending);
    EXPECT_EQ(t.column(0), QStringList({"1", "2", "3"}));
    EXPECT_EQ(t.column(1), QStringList({"a", "b", "c"}));
    t.g.QUnSort();
    EXPECT_EQ(t.column(0), QStringList({"1", "2", "3"}));
    EXPECT_EQ(t.column(1), QStringList({"c", "a", "b"}));
}

TEST(SortingOrder, SingleColumnMovesOnlyTheSortColumn)
{
    SortGrid t({{"A", "B"}, {"c", "1"}, {"a", "2"}, {"b", "3"}});
    t.g.SortSettings().SingleColumn = true;
    t.g.Sort(1, sdAscending);
    EXPECT_EQ(t.column(1), QStringList({"a", "b", "c"}));
    EXPECT_EQ(t.column(2), QStringList({"1", "2", "3"}));
    EXPECT_EQ(t.column(0), QStringList({"1", "2", "3"}));
}

TEST(SortingOrder, FixedFooterRowsStayBelow)
{
    SortGrid t(oneColumn({"c", "a", "b", "Total"}));
    t.g.SetFixedFooters(1);
    t.g.Sort(1, sdDescending);
    EXPECT_EQ(t.column(1), QStringList({"c", "b", "a", "Total"}));
}

TEST(SortingOrder, NothingToSortChangesNothing)
{
    SortGrid t({{"H"}});
    t.g.Sort(1, sdAscending);
    EXPECT_EQ(t.g.RowCount(), 1);
    EXPECT_EQ(t.g.GetCellEx(1, 0), "H");
    SortGrid u(oneColumn({"b", "a"}));
    u.g.Sort(-1, sdAscending);
    EXPECT_EQ(u.column(1), QStringList({"b", "a"}));
}

TEST(SortingOrder, GroupSortKeepsGroups)
{
    // Two groups under node rows 1 and 5; rows outside the groups keep their place.
    SortGrid t(oneColumn({"G1", "c", "a", "b", "G2", "z", "x", "y"}));
    t.g.AddNode(1, 4);
    t.g.AddNode(5, 4);
    t.g.SortSettings().Column = 1;
    t.g.QSortGroup();
    EXPECT_EQ(t.column(1), QStringList({"G1", "a", "b", "c", "G2", "x", "y", "z"}));
    t.g.SortSettings().Direction = sdDescending;
    t.g.QSortGroup();
    EXPECT_EQ(t.column(1), QStringList({"G1", "c", "b", "a", "G2", "z", "y", "x"}));
    // Collapsed groups keep their order.
    t.g.ContractNode(5);
    t.g.SortSettings().Direction = sdAscending;
    t.g.QSortGroup();
    EXPECT_EQ(t.column(1), QStringList({"G1", "a", "b", "c", "G2"}));
}

TEST(SortingOrder, SortLineSwapsRowsOutOfOrder)
{
    SortGrid t(oneColumn({"b", "b", "a"}));
    EXPECT_EQ(t.g.SortDir(), 0);
    // Before any sort equal rows count as out of order.
    EXPECT_TRUE(t.g.SortLine(1, 1, 2));
    EXPECT_EQ(t.column(0), QStringList({"2", "1", "3"}));
    t.g.Sort(1, sdAscending);
    EXPECT_EQ(t.g.SortDir(), 1);
    EXPECT_FALSE(t.g.SortLine(1, 1, 2));  // a before b: in order
    EXPECT_TRUE(t.g.SortLine(1, 2, 1));   // b before a: swapped
    EXPECT_EQ(t.column(1), QStringList({"b", "a", "b"}));
    EXPECT_GT(t.g.Compares(), 0);
}

TEST(SortingOrder, CurrentRowFollowsItsRecordWithMoveRowOnSort)
{
    SortGrid t(oneColumn({"c", "a", "b"}));
    t.g.SetRow(1);  // "c"
    t.g.Navigation().MoveRowOnSort = true;
    t.g.Sort(1, sdAscending);
    EXPECT_EQ(t.g.Row(), 3);
    t.g.Navigation().MoveRowOnSort = false;
    t.g.Sort(1, sdDescending);
    EXPECT_EQ(t.g.Row(), 3);  // the place, now "a"
    EXPECT_EQ(t.g.GetCellEx(1, 3), "a");
}

TEST(SortingOrder, DisplayedOrStoredTexts)
{
    // The display hook shows the stored "k<n>" as the number 10 - n.
    for (const bool onVirtual : {true, false}) {
        SCOPED_TRACE(onVirtual ? "displayed" : "stored");
        SortGrid t(oneColumn({"k2", "k9", "k5"}));
        t.g.OnGetDisplText = [](int col, int, QString& value) {
            if (col == 1 && value.startsWith('k')) value = QString::number(10 - value.mid(1).toInt());
        };
        t.g.SortSettings().SortOnVirtualCells = onVirtual;
        t.g.Sort(1, sdAscending);
        EXPECT_EQ(t.column(0), onVirtual ? QStringList({"2", "3", "1"}) : QStringList({"1", "3", "2"}));
    }
}

TEST(SortingOrder, HiddenColumnsTakePartInTies)
{
    SortGrid t({{"A", "B"}, {"x", "3"}, {"x", "1"}, {"x", "2"}});
    t.g.HideColumn(2);
    t.g.Sort(1, sdAscending);
    EXPECT_EQ(t.column(0), QStringList({"2", "3", "1"}));
}

}  // namespace sorting_test

namespace sorting_test {

// A number column with negatives, blanks and texts that are no numbers, in
// a fixed shuffled order; column 2 names each record.
TEST(SortingOrder, MixedNumberColumnsSortAlikeWhateverTheFirstCell)
{
    const QStringList values{"-3", "", "-1", "#N/A", "-2", "7", "", "1.5", "abc", "0", "-10", "4"};
    for (int rotate = 0; rotate < int(values.size()); ++rotate) {
        SCOPED_TRACE(rotate);
        std::vector<QStringList> rows{{"N", "Id"}};
        for (int i = 0; i < int(values.size()); ++i) {
            const QString& v = values[(i + rotate) % values.size()];
            rows.push_back({v, "id" + v});
        }
        SortGrid t(rows);
        t.g.Sort(1, sdAscending);
        // Numbers ascending with the blanks as 0 (their order among the zeros is free).
        QStringList numbers = t.column(1).mid(0, 10);
        for (QString& n : numbers)
            if (n.isEmpty()) n = "0";
        for (int i = 1; i < numbers.size(); ++i) EXPECT_LE(numbers[i - 1].toDouble(), numbers[i].toDouble()) << i;
        // The texts that are no numbers come after every number.
        QStringList tail = t.column(1).mid(10);
        tail.sort();
        EXPECT_EQ(tail, QStringList({"#N/A", "abc"}));
        // Every record whole.
        for (int r = 1; r < t.g.RowCount(); ++r) EXPECT_EQ(t.g.GetCellEx(2, r), "id" + t.g.GetCellEx(1, r));
        t.g.QUnSort();
        for (int r = 1; r < t.g.RowCount(); ++r) EXPECT_EQ(t.g.GetCellEx(1, r), values[(r - 1 + rotate) % values.size()]);
    }
}

TEST(SortingOrder, FloatingFooterRowStaysLast)
{
    SortGrid t(oneColumn({"2", "9", "4", "15"}));
    t.g.FloatingFooter().FooterStyle = fsFixedLastRow;
    t.g.FloatingFooter().Visible = true;
    t.g.Sort(1, sdDescending);
    EXPECT_EQ(t.column(1), QStringList({"9", "4", "2", "15"}));
}

TEST(SortingOrder, GroupSortWithNormalCellsOnlyFindsTheGroups)
{
    SortGrid t(oneColumn({"G", "c", "a", "b", "x"}));
    t.g.AddNode(1, 4);
    t.g.SortSettings().NormalCellsOnly = true;
    t.g.SortSettings().Column = 1;
    t.g.QSortGroup();
    EXPECT_EQ(t.column(1), QStringList({"G", "a", "b", "c", "x"}));
    EXPECT_TRUE(t.g.IsNode(1)) << "the node mark stays in column 0";
}

TEST(SortingOrder, SingleColumnIndexedSortMovesItsFirstIndexColumn)
{
    SortGrid t({{"A", "B"}, {"c", "1"}, {"a", "2"}, {"b", "3"}});
    t.g.SortSettings().SingleColumn = true;
    t.g.SortSettings().LoadFromString("i;u1");
    EXPECT_EQ(t.column(1), QStringList({"a", "b", "c"}));
    EXPECT_EQ(t.column(2), QStringList({"1", "2", "3"}));
}

TEST(SortingOrder, RecordsStayWholeWithHiddenRowsAndDisjunctSelection)
{
    SortGrid t({{"N", "Id"}, {"c", "idc"}, {"a", "ida"}, {"e", "ide"}, {"b", "idb"}, {"d", "idd"}});
    t.g.MouseActions().SetDisjunctRowSelect(true);
    t.g.Navigation().MoveRowOnSort = true;
    t.g.SetRowSelect(2, true);  // "a"
    t.g.HideRow(3);             // "e"
    t.g.Sort(1, sdAscending);
    EXPECT_EQ(t.column(1), QStringList({"a", "b", "c", "d"}));
    for (int r = 1; r < t.g.RowCount(); ++r) EXPECT_EQ(t.g.GetCellEx(2, r), "id" + t.g.GetCellEx(1, r));
    EXPECT_TRUE(t.g.RowSelect(1)) << "the selection flag follows its record";
    t.g.UnHideRowsAll();
    EXPECT_EQ(t.g.RowCount(), 6);
}

}  // namespace sorting_test
