#pragma once

// The quicksort of a range of rows and the move of rows to their places,
// on whatever compares and swaps two rows: the grid's rows themselves, or
// the record numbers of rows whose keys were read once.

#include <utility>
#include <vector>

namespace grid {

// Sorts the positions left..right. compare(a, b) gives -1, 0 or 1 for the
// rows at positions a and b; a row moves behind the pivot while
// compare(pivot, row) is `want` (1 ascending, -1 descending), and ahead of
// it while compare(row, pivot) is. swap(a, b) exchanges two positions;
// with swapEqual false, two rows that compare equal are not exchanged. The
// pivot is the row that stood in the middle, followed through the swaps.
// Not stable: rows that compare equal may change their order.
template <typename Compare, typename Swap>
void QuickSortRows(int left, int right, int want, bool swapEqual, Compare& compare, Swap& swap)
{
    while (left < right) {
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
        // The smaller part recursively, the larger one in this loop: the
        // depth stays logarithmic for any input.
        if (j - left < right - i) {
            if (left < j) QuickSortRows(left, j, want, swapEqual, compare, swap);
            left = i;
        } else {
            if (i < right) QuickSortRows(i, right, want, swapEqual, compare, swap);
            right = j;
        }
    }
}

// Moves every row to its place: place[k] (a permutation of 0..n-1) is where
// the row now at first + k belongs, counted from first. Each swap(a, b) of
// two positions puts one row at its place, so there are at most n - 1;
// place ends as the identity.
template <typename Swap>
void MoveRowsToPlaces(std::vector<int>& place, int first, Swap&& swap)
{
    for (int i = 0; i < int(place.size()); ++i) {
        while (place[size_t(i)] != i) {
            const int j = place[size_t(i)];
            swap(first + i, first + j);
            std::swap(place[size_t(i)], place[size_t(j)]);
        }
    }
}

}  // namespace grid
