// The quicksort that classifies rows a block at a time must end exactly as
// the one that compares row by row: the same places, the same number of
// comparisons, and the comparisons that have effects made in the same order
// with the same count before each. Rows here are a key and a name; some are
// "open": every comparison with them must be made, and gives a result that
// need not be consistent (as a custom comparison may).

#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "controls/grid/string_grid/data/row_quick_sort.h"

using namespace grid;

namespace row_quick_sort_test {

struct Row {
    int Key = 0;
    int Name = 0;
    bool Open = false;
};

// One comparison with effects that was made: the two rows' names and the
// count before it.
using Made = std::tuple<int, int, long>;

class Rows {
public:
    Rows(std::vector<Row> rows, bool tieBreak) : FRows(std::move(rows)), FTieBreak(tieBreak) {}

    const Row& At(int pos) const { return FRows[size_t(pos)]; }
    int Settled(const Row& a, const Row& b) const
    {
        if (a.Open || b.Open || (a.Key == b.Key && FTieBreak)) return kUnsettled;
        return a.Key > b.Key ? 1 : (a.Key < b.Key ? -1 : 0);
    }
    int Compare(int a, int b)
    {
        const Row& x = At(a);
        const Row& y = At(b);
        // Only the comparisons that could not be settled have effects.
        if (Settled(x, y) == kUnsettled) FMade.emplace_back(x.Name, y.Name, FCount);
        ++FCount;
        if (x.Open || y.Open) return int(unsigned(x.Name * 7919 + y.Name * 104729) % 3) - 1;
        if (x.Key != y.Key) return x.Key > y.Key ? 1 : -1;
        // Names alike modulo 4 tie fully.
        return FTieBreak ? (x.Name % 4 > y.Name % 4) - (x.Name % 4 < y.Name % 4) : 0;
    }
    void Swap(int a, int b) { std::swap(FRows[size_t(a)], FRows[size_t(b)]); }
    void CountSettled(int n)
    {
        ASSERT_GT(n, 0);
        FCount += n;
    }

    std::vector<int> Names() const
    {
        std::vector<int> names;
        for (const Row& row : FRows) names.push_back(row.Name);
        return names;
    }
    const std::vector<Made>& MadeComparisons() const { return FMade; }
    long Count() const { return FCount; }

private:
    std::vector<Row> FRows;
    bool FTieBreak;
    std::vector<Made> FMade;
    long FCount = 0;
};

enum class Order { Random, Ascending, Descending, Equal, OrganPipe };

std::vector<Row> makeRows(int count, int keys, int openPercent, Order order, std::mt19937& rng)
{
    std::vector<Row> rows(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        Row& row = rows[size_t(k)];
        row.Name = k;
        row.Open = int(rng() % 100) < openPercent;
        switch (order) {
        case Order::Random: row.Key = int(rng() % unsigned(keys)); break;
        case Order::Ascending: row.Key = int(int64_t(k) * keys / count); break;
        case Order::Descending: row.Key = int(int64_t(count - k) * keys / count); break;
        case Order::Equal: row.Key = 5; break;
        case Order::OrganPipe: row.Key = std::min(k, count - k); break;
        }
    }
    return rows;
}

template <int Block>
void expectSameSort(const std::vector<Row>& input, int want, bool swapEqual, bool tieBreak, int left, int right)
{
    Rows reference(input, tieBreak), blocks(input, tieBreak);
    auto compare = [&reference](int a, int b) { return reference.Compare(a, b); };
    auto swap = [&reference](int a, int b) { reference.Swap(a, b); };
    QuickSortRows(left, right, want, swapEqual, compare, swap);
    QuickSortRowsInBlocks<Block>(left, right, want, swapEqual, blocks);
    ASSERT_EQ(blocks.Names(), reference.Names());
    ASSERT_EQ(blocks.Count(), reference.Count());
    ASSERT_EQ(blocks.MadeComparisons(), reference.MadeComparisons());
}

TEST(RowQuickSort, BlocksEndAsTheRowByRowSort)
{
    std::mt19937 rng(20261211);
    const std::vector<int> counts = {0, 1, 2, 3, 15, 16, 17, 40, 63, 64, 65, 129, 300, 700};
    const Order orders[] = {Order::Random, Order::Ascending, Order::Descending, Order::Equal, Order::OrganPipe};
    for (const int count : counts) {
        for (const Order order : orders) {
            for (const int keys : {3, 50, 1000000}) {
                for (const int openPercent : {0, 3, 40, 100}) {
                    const std::vector<Row> input = makeRows(count, keys, openPercent, order, rng);
                    for (const int want : {1, -1}) {
                        for (const bool swapEqual : {false, true}) {
                            for (const bool tieBreak : {false, true}) {
                                SCOPED_TRACE(::testing::Message()
                                             << count << " rows, order " << int(order) << ", " << keys << " keys, "
                                             << openPercent << "% open, want " << want << ", swapEqual "
                                             << swapEqual << ", tie-break " << tieBreak);
                                const int right = count - 1;
                                expectSameSort<64>(input, want, swapEqual, tieBreak, 0, right);
                                expectSameSort<5>(input, want, swapEqual, tieBreak, 0, right);
                                expectSameSort<1>(input, want, swapEqual, tieBreak, 0, right);
                                // A range inside the rows: the rows around it stay.
                                if (count > 4) expectSameSort<8>(input, want, swapEqual, tieBreak, 2, right - 1);
                                if (::testing::Test::HasFatalFailure()) return;
                            }
                        }
                    }
                }
            }
        }
    }
}

}  // namespace row_quick_sort_test
