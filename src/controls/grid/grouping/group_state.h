#pragma once

// What a grouped string grid remembers between grouping and ungrouping.

#include <QString>

namespace grid::grouping {

struct TGroupState {
    // The grouped storage column, -1 when not grouped.
    int Column = -1;
    // The grouped column as it was: width, row-0 text, last-row text.
    int Width = 0;
    QString Caption;
    QString Footer;
    // The sub-grouped column, -1 when there is no second level. It is not
    // removed: its values move into the sub-headers and come back from them.
    int SubColumn = -1;
    // True while the rows are being rebuilt.
    bool Busy = false;
};

}  // namespace grid::grouping
