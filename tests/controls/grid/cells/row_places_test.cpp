// Rows moved to their places along the recorded cycles end where the
// exchanges of MoveRowsToPlaces leave them, with the exchange count, for
// any permutation, and in lists of any kind.

#include <algorithm>
#include <numeric>
#include <random>

#include <gtest/gtest.h>

#include <QString>

#include "controls/grid/cells/row_places.h"

using namespace grid;

namespace {

// The permutation with every cycle written out: each element goes to the next one of its cycle.
std::vector<int> fromCycles(int n, const std::vector<std::vector<int>>& cycles)
{
    std::vector<int> place(static_cast<size_t>(n));
    std::iota(place.begin(), place.end(), 0);
    for (const auto& cycle : cycles)
        for (size_t t = 0; t < cycle.size(); ++t) place[size_t(cycle[t])] = cycle[(t + 1) % cycle.size()];
    return place;
}

}  // namespace

TEST(RowPlaces, CyclesMoveListsAsTheExchangesDo)
{
    std::mt19937 rng(7);
    std::vector<int> shuffled(500);
    std::iota(shuffled.begin(), shuffled.end(), 0);
    std::shuffle(shuffled.begin(), shuffled.end(), rng);
    int randomLast = int(shuffled.size()) - 1;
    while (randomLast >= 0 && shuffled[size_t(randomLast)] == randomLast) --randomLast;
    struct Case {
        const char* name;
        std::vector<int> place;
        int lastMoved;
    };
    const Case cases[] = {
        {"empty", {}, -1},
        {"identity", {0, 1, 2, 3}, -1},
        {"one exchange", fromCycles(5, {{1, 3}}), 3},
        {"one long cycle", fromCycles(6, {{0, 4, 1, 5, 2}}), 5},
        {"several cycles, fixed rows between and after", fromCycles(12, {{0, 7}, {2, 9, 4}, {5, 6}}), 9},
        {"reversal", {5, 4, 3, 2, 1, 0}, 5},
        {"random", shuffled, randomLast},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        const int first = 2;  // the rows before stay
        const size_t size = size_t(first) + tc.place.size() + 1;
        std::vector<QString> texts(size);
        std::vector<bool> flags(size);
        for (size_t i = 0; i < size; ++i) {
            texts[i] = QString::number(i);
            flags[i] = i % 3 == 0;
        }
        std::vector<QString> swappedTexts = texts;
        std::vector<bool> swappedFlags = flags;
        std::vector<int> place = tc.place;
        int swaps = 0;
        MoveRowsToPlaces(place, first, [&](int a, int b) {
            ++swaps;
            std::swap(swappedTexts[size_t(a)], swappedTexts[size_t(b)]);
            const bool t = swappedFlags[size_t(a)];
            swappedFlags[size_t(a)] = swappedFlags[size_t(b)];
            swappedFlags[size_t(b)] = t;
        });

        const TPlaceCycles cycles(tc.place);
        cycles.Move(texts, first);
        cycles.Move(flags, first);
        EXPECT_EQ(texts, swappedTexts);
        EXPECT_EQ(flags, swappedFlags);
        EXPECT_EQ(cycles.SwapCount(), swaps);
        EXPECT_EQ(cycles.Empty(), swaps == 0);
        EXPECT_EQ(cycles.LastMoved(), tc.lastMoved);
        // Each row is where place sends it.
        for (size_t k = 0; k < tc.place.size(); ++k)
            EXPECT_EQ(texts[size_t(first + tc.place[k])], QString::number(first + int(k)));
    }
}
