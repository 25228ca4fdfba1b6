#pragma once

// The quicksort of a range of rows, on whatever compares and swaps two
// rows: the grid's rows themselves, or the records of rows whose keys were
// read once.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <utility>

namespace grid {

// Partitions the positions left..right around the row that stood in the
// middle, followed through the swaps: a row moves behind the pivot while
// compare(pivot, row) is `want` (1 ascending, -1 descending), and ahead of
// it while compare(row, pivot) is. swap(a, b) exchanges two positions;
// with swapEqual false, two rows that compare equal are not exchanged.
// Gives where the two scans ended: left..j and i..right remain to sort.
template <typename Compare, typename Swap>
std::pair<int, int> PartitionRows(int left, int right, int want, bool swapEqual, Compare& compare, Swap& swap)
{
    int pivot = int((unsigned(left) + unsigned(right)) / 2);
    int i = left, j = right;
    do {
        while (compare(pivot, i) == want && i < right) ++i;
        while (compare(j, pivot) == want && j > left) --j;
        if (i <= j) {
            if (i != j && (swapEqual || compare(i, j) != 0)) {
                swap(i, j);
                if (pivot == i) pivot = j;
                else if (pivot == j) pivot = i;
            }
            ++i;
            --j;
        }
    } while (i <= j);
    return {i, j};
}

// The quicksort over a partition(left, right) as PartitionRows gives it.
// The smaller part recursively, the larger one in this loop: the depth
// stays logarithmic for any input.
template <typename Partition>
void QuickSortParts(int left, int right, Partition& partition)
{
    while (left < right) {
        const auto [i, j] = partition(left, right);
        if (j - left < right - i) {
            if (left < j) QuickSortParts(left, j, partition);
            left = i;
        } else {
            if (i < right) QuickSortParts(i, right, partition);
            right = j;
        }
    }
}

// Sorts the positions left..right by PartitionRows: compare(a, b) gives
// -1, 0 or 1 for the rows at positions a and b. Not stable: rows that
// compare equal may change their order.
template <typename Compare, typename Swap>
void QuickSortRows(int left, int right, int want, bool swapEqual, Compare& compare, Swap& swap)
{
    auto partition = [&](int l, int r) { return PartitionRows(l, r, want, swapEqual, compare, swap); };
    QuickSortParts(left, right, partition);
}

// What a comparison gives when only the comparison itself can tell.
inline constexpr int kUnsettled = 2;

// The same partition when most comparisons are settled by the rows' values
// alone, with no effect but being counted. The rows that neither scan has
// reached yet keep their places, so the middle is classified against the
// pivot a block at a time, without a branch per row, and each scan jumps
// to its next stop. Every other comparison is made as and when
// PartitionRows makes it, so that the rows end in the same places, the
// comparisons count the same and their effects come in the same order.
//
// Rows: At(pos) the value at a position; Settled(a, b) on two values the
// comparison's result, or kUnsettled; Compare(a, b) the comparison of two
// positions with all its effects; Swap(a, b); CountSettled(n): n settled
// comparisons were made (told before each Compare and at the end).
template <int Block = 64, typename Rows>
std::pair<int, int> PartitionRowsInBlocks(int left, int right, int want, bool swapEqual, Rows& rows)
{
    static_assert(Block > 0 && Block <= 64);
    int pivot = int((unsigned(left) + unsigned(right)) / 2);
    const auto pivotValue = rows.At(pivot);  // the pivot moves, its value does not
    int settled = 0;
    auto compare = [&](int a, int b) {
        if (settled != 0) rows.CountSettled(settled);
        settled = 0;
        return rows.Compare(a, b);
    };
    // A block of classified positions: bit k of Stops is set when the scan
    // stops at (or must compare) the k-th position, of Open when it must compare.
    // A block holds up to Block positions, from the scan's position to the
    // end of the middle at most.
    struct Classified {
        int Base = 0;  // the left scan's block starts here, the right one's ends here
        int Count = 0;
        uint64_t Stops = 0;
        uint64_t Open = 0;
    };
    Classified low, high;
    auto classify = [&](Classified& c, int base, int count, int step, bool pivotFirst) {
        c = Classified{base, count, 0, 0};
        for (int k = 0; k < count; ++k) {
            const auto& value = rows.At(base + step * k);
            const int res = pivotFirst ? rows.Settled(pivotValue, value) : rows.Settled(value, pivotValue);
            c.Stops |= uint64_t(res != want) << k;
            c.Open |= uint64_t(res == kUnsettled) << k;
        }
    };
    // The stops of c from bit `from` on, over `span` positions.
    auto stopsFrom = [](const Classified& c, int from, int span) {
        const uint64_t stops = c.Stops >> from;
        return span < 64 ? stops & ((uint64_t(1) << span) - 1) : stops;
    };

    int i = left, j = right;
    do {
        // Neither scan has reached lo..hi: the rows there are where they
        // were when the partition began.
        const int lo = i, hi = j;
        for (;;) {
            if (i <= hi) {
                if (i < low.Base || i >= low.Base + low.Count) classify(low, i, std::min(Block, hi - i + 1), 1, true);
                {
                    const int last = std::min(low.Base + low.Count - 1, hi);
                    const uint64_t stops = stopsFrom(low, i - low.Base, last - i + 1);
                    if (stops == 0) {
                        // Every row up to `last` moves ahead of the pivot.
                        settled += last - i + 1;
                        if (last == right) {
                            i = last;
                            break;
                        }
                        i = last + 1;
                        continue;
                    }
                    const int k = std::countr_zero(stops);
                    settled += k;
                    i += k;
                    if (!((low.Open >> (i - low.Base)) & 1)) {
                        ++settled;
                        break;
                    }
                }
            }
            if (compare(pivot, i) == want && i < right) {
                ++i;
                continue;
            }
            break;
        }
        for (;;) {
            if (j >= lo && j <= hi) {
                if (j > high.Base || j <= high.Base - high.Count)
                    classify(high, j, std::min(Block, j - lo + 1), -1, false);
                {
                    const int first = std::max(high.Base - high.Count + 1, lo);
                    const uint64_t stops = stopsFrom(high, high.Base - j, j - first + 1);
                    if (stops == 0) {
                        // Every row down to `first` moves behind the pivot.
                        settled += j - first + 1;
                        if (first == left) {
                            j = first;
                            break;
                        }
                        j = first - 1;
                        continue;
                    }
                    const int k = std::countr_zero(stops);
                    settled += k;
                    j -= k;
                    if (!((high.Open >> (high.Base - j)) & 1)) {
                        ++settled;
                        break;
                    }
                }
            }
            if (compare(j, pivot) == want && j > left) {
                --j;
                continue;
            }
            break;
        }
        if (i <= j) {
            if (i != j) {
                bool exchange = swapEqual;
                if (!exchange) {
                    int res = rows.Settled(rows.At(i), rows.At(j));
                    if (res == kUnsettled) res = compare(i, j);
                    else ++settled;
                    exchange = res != 0;
                }
                if (exchange) {
                    rows.Swap(i, j);
                    if (pivot == i) pivot = j;
                    else if (pivot == j) pivot = i;
                }
            }
            ++i;
            --j;
        }
    } while (i <= j);
    if (settled != 0) rows.CountSettled(settled);
    return {i, j};
}

// QuickSortRows on rows whose comparisons are mostly settled by their
// values (see PartitionRowsInBlocks): the same order, count and effects.
template <int Block = 64, typename Rows>
void QuickSortRowsInBlocks(int left, int right, int want, bool swapEqual, Rows& rows)
{
    constexpr int kSmallRange = 16;
    auto compare = [&rows](int a, int b) { return rows.Compare(a, b); };
    auto swap = [&rows](int a, int b) { rows.Swap(a, b); };
    auto partition = [&](int l, int r) {
        // A small range is partitioned row by row.
        if (r - l + 1 < kSmallRange) return PartitionRows(l, r, want, swapEqual, compare, swap);
        return PartitionRowsInBlocks<Block>(l, r, want, swapEqual, rows);
    };
    QuickSortParts(left, right, partition);
}

}  // namespace grid
