#pragma once

// What a string grid remembers between two finds.

#include <QPoint>
#include <QString>

#include "controls/grid/search/find_params.h"

namespace grid::search {

struct TFindState {
    TFindParams Params;           // the flags of the last find (FindNext reuses them)
    QString SearchCache;          // the text of the last find, upper-cased unless fnMatchCase
    QPoint SearchCell{-1, -1};    // the last found cell; the start of the next find
    int FindCol = 0;              // the column of fnFindInPresetCol
    int FindRow = 0;              // the row of fnFindInPresetRow
    bool FindBusy = false;        // set by every find, cleared by one that finds nothing
};

}  // namespace grid::search
