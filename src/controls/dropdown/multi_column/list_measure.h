#pragma once

// Measuring the item texts of the list drop-downs: the width an auto-sized
// column needs and the height of an item row whose texts wrap.

#include "controls/dropdown/base/dropdown_draw.h"
#include "controls/dropdown/multi_column/dropdown_items.h"
#include "platform/grid_base.h"

namespace dropdown::listmeasure {

// Item rows are at least this high while a column wraps.
constexpr int kMinWrappedRowHeight = 24;

// The widest item cell of column c: image width + 4 in an image column of
// an item with an image, plus the single-line text width + 6 of a non-empty
// text; 0 without items. Header captions are not measured.
int AutoColumnWidth(const TDropDownItems& items, const TDropDownColumns& columns, int c, const TImageList* images);

// The height of an item row: at least kMinWrappedRowHeight; each wrapping
// column c (widths[c] wide) asks image height + 6, or its word-wrapped text
// height + 6 when that is more.
int WrappedRowHeight(const TDropDownItem& item, const TDropDownColumns& columns, const std::vector<int>& widths,
                     const TImageList* images);

// Whether any column wraps its texts.
bool AnyWordwrap(const TDropDownColumns& columns);

// A list grid's column `index` (when it is auto-sized) takes its widest
// item cell, in the list's copy of the columns too.
void AutoSizeListColumn(platform::GridBase& list, TDropDownColumns& columns, const TDropDownItems& items, int index,
                        const TImageList* images);
// The item rows of a list grid (row r shows item r - 1) take the heights
// of their wrapped texts, while any column wraps.
void SizeWrappedListRows(platform::GridBase& list, const TDropDownColumns& columns, const TDropDownItems& items,
                         const TImageList* images);

}  // namespace dropdown::listmeasure
