#include "controls/grid/print/print_layout.h"

#include <algorithm>

#include "controls/grid/grid_error.h"

namespace grid::print {

void TPrintLayout::Size(int columns)
{
    const size_t size = size_t(std::max(columns, MinColumns)) + 1;
    if (MaxWidths.size() < size) MaxWidths.resize(size, 0);
    if (Indents.size() < size) Indents.resize(size, 0);
}

static void CheckColumn(const TPrintLayout& layout, int col)
{
    if (col < 0 || col >= layout.Columns()) throw EExGridError("Columns is not in valid range");
}

int TPrintLayout::ColWidth(int col) const
{
    CheckColumn(*this, col);
    return MaxWidths[size_t(col)];
}

int TPrintLayout::ColOffset(int col) const
{
    CheckColumn(*this, col);
    return Indents[size_t(col)];
}

}  // namespace grid::print
