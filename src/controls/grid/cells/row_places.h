#pragma once

// Moving rows to the places a sort found for them. place[k] (a permutation
// of 0..n-1) is where the row now at first + k belongs, counted from first.

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace grid {

// By exchanges: each swap(a, b) of two positions puts one row at its
// place, so there are at most n - 1; place ends as the identity.
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

// The cycles of a place list, walked once, to move any number of lists
// kept by row the same way: list[first + k] goes to first + place[k]. A
// list is moved along the recorded cycles, so its reads and writes do not
// wait on one another as they do when each step looks up place.
class TPlaceCycles {
public:
    explicit TPlaceCycles(const std::vector<int>& place)
    {
        std::vector<bool> seen(place.size(), false);
        for (size_t i = 0; i < place.size(); ++i) {
            if (seen[i] || place[i] == int(i)) continue;
            for (size_t k = i; !seen[k]; k = size_t(place[k])) {
                seen[k] = true;
                FOrder.push_back(int(k));
                FLastMoved = std::max(FLastMoved, int(k));
            }
            FEnds.push_back(int(FOrder.size()));
        }
    }

    bool Empty() const { return FOrder.empty(); }
    // The exchanges MoveRowsToPlaces makes: one per moved row less one per cycle.
    int SwapCount() const { return int(FOrder.size() - FEnds.size()); }
    // The last position that moves (counted from first), -1 when none does.
    int LastMoved() const { return FLastMoved; }

    // The list holds at least first + LastMoved() + 1 entries.
    template <typename List>
    void Move(List& list, int first) const
    {
        using TEntry = typename List::value_type;  // a value, also for vector<bool>
        size_t start = 0;
        for (const int end : FEnds) {
            // Each position takes the entry of the one before it in the cycle.
            auto at = [&](size_t t) -> decltype(list[0]) { return list[size_t(first) + size_t(FOrder[t])]; };
            TEntry last = std::move(at(size_t(end) - 1));
            for (size_t t = size_t(end) - 1; t > start; --t) at(t) = std::move(at(t - 1));
            at(start) = std::move(last);
            start = size_t(end);
        }
    }

private:
    std::vector<int> FOrder;  // the cycles one after another, each in the order of place
    std::vector<int> FEnds;   // where each cycle ends in FOrder
    int FLastMoved = -1;
};

}  // namespace grid
