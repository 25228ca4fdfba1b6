#pragma once

// The quicksort of a range of rows, on whatever compares and swaps two
// rows: the grid's rows themselves, or the records of rows whose keys were
// read once.

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

}  // namespace grid
