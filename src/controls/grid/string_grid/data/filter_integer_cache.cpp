#include "controls/grid/string_grid/data/filter_integer_cache.h"

#include <algorithm>

namespace grid {

bool TFilterIntegerCache::Holds(const TCellStore& store, size_t rowsAside) const
{
    return !FColumns.empty() && FGeneration == store.Generation() &&
           FColumns.front().Values.size() == size_t(store.RowCount()) + rowsAside;
}

std::vector<int64_t>& TFilterIntegerCache::Column(const TCellStore& store, size_t rowsAside, int col)
{
    if (!Holds(store, rowsAside)) Forget();
    FGeneration = store.Generation();
    auto kept = std::find_if(FColumns.begin(), FColumns.end(), [col](const TKeptColumn& c) { return c.Col == col; });
    if (kept == FColumns.end()) {
        if (FColumns.size() == MaxColumns) FColumns.erase(FColumns.begin());
        FColumns.push_back({col, std::vector<int64_t>(size_t(store.RowCount()) + rowsAside, NotRead)});
    } else {
        std::rotate(kept, kept + 1, FColumns.end());
    }
    return FColumns.back().Values;
}

void TFilterIntegerCache::Forget()
{
    FColumns.clear();
    FGeneration = 0;
}

}  // namespace grid
