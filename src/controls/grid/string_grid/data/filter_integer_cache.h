#pragma once

// The whole numbers a filter pass read in the columns it compared as
// numbers (what TStoredCell::PlainInteger gives), kept by all-rows index
// for the passes after it. Putting a filter level's rows aside and bringing
// them back keeps every row's all-rows index and text, so what was read
// stays true across both; any other change of the store drops it, and so
// does a row that was changed while it was aside.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "controls/grid/cells/cell_store.h"

namespace grid {

class TFilterIntegerCache {
public:
    // A cell whose text is no plain whole number, and one not read yet.
    static constexpr int64_t NoInteger = INT64_MIN;
    static constexpr int64_t NotRead = INT64_MIN + 1;

    // Whether what is kept holds for the store as it stands with the given
    // number of rows aside.
    bool Holds(const TCellStore& store, size_t rowsAside) const;
    // The numbers of storage column `col` by all-rows index (NotRead where
    // not read yet): those kept while they hold, otherwise a fresh start.
    std::vector<int64_t>& Column(const TCellStore& store, size_t rowsAside, int col);
    // Rows of a filter level moved between the store and aside, and nothing
    // else changed: what was kept holds again for the store's new state.
    void Renew(const TCellStore& store) { FGeneration = store.Generation(); }
    void Forget();

private:
    // A handful of columns is kept: a pass compares few.
    static constexpr size_t MaxColumns = 4;
    struct TKeptColumn {
        int Col;
        std::vector<int64_t> Values;
    };
    std::vector<TKeptColumn> FColumns;  // the most recently used last
    uint64_t FGeneration = 0;
};

}  // namespace grid
