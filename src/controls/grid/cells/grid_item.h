#pragma once

// The record of one hidden row as it joins or leaves the hidden rows
// (THiddenRows): its place among all rows, its height and its cells.

#include <utility>

#include "controls/grid/cells/cell_store.h"

namespace grid {

class TGridItem {
public:
    TGridItem() = default;
    TGridItem(const TGridItem&) = delete;
    TGridItem& operator=(const TGridItem&) = delete;

    TGridItem(TGridItem&&) = default;
    TGridItem& operator=(TGridItem&&) = default;

    int Idx() const { return FIdx; }  // index among all rows, hidden ones included
    void SetIdx(int value) { FIdx = value; }
    int Height() const { return FHeight; }  // row height in pixels when hidden
    void SetHeight(int value) { FHeight = value; }

    // The row's cells of all storage columns, with their properties. Who
    // may change them forgets that they were known to carry no properties.
    const TCellRow& Items() const { return FItems; }
    TCellRow& Items()
    {
        FWithoutProperties = false;
        return FItems;
    }
    // Replaces the cells the item holds (freeing the old ones) with the given
    // ones, which the item takes over.
    void SetItems(TCellRow cells)
    {
        FWithoutProperties = false;
        FItems = std::move(cells);
    }
    // The same, for cells known to carry no properties: bringing them back
    // need not look through them.
    void SetItemsWithoutProperties(TCellRow cells)
    {
        FItems = std::move(cells);
        FWithoutProperties = true;
    }
    // True while the cells are still those known to carry no properties.
    bool KnownWithoutProperties() const { return FWithoutProperties; }

    // The filter level (1 for the first) when a filter hid the row; 0 when
    // a row-range hide did; BehindNode when a contracted tree node holds it.
    static constexpr int BehindNode = -1;
    int Level = 0;

private:
    int FIdx = 0;
    int FHeight = 0;
    bool FWithoutProperties = false;
    TCellRow FItems;
};

}  // namespace grid
