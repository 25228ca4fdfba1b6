#pragma once

// The grid's sort settings, as far as the grid itself reads them: whether
// the sort indicator shows, the fixed row that shows it and the sorted
// column. Writing Show tells the owner (OnChange) so that it repaints.

#include <functional>
#include <utility>

namespace grid {

class TSortSettings {
public:
    explicit TSortSettings(std::function<void()> onChange = {}) : OnChange(std::move(onChange)) {}
    bool Show() const { return FShow; }
    void SetShow(bool value)
    {
        if (FShow == value) return;
        FShow = value;
        if (OnChange) OnChange();
    }
    // The fixed row whose header cells show the indicator.
    int Row = 0;
    // The sorted storage column; -1 when the grid is not sorted.
    int Column = -1;
    // Sorting moves only the sort column's cells; the other columns stay.
    bool SingleColumn = false;
    // Copies the settings, never the owner's change handler.
    void Assign(const TSortSettings& source)
    {
        Row = source.Row;
        Column = source.Column;
        SingleColumn = source.SingleColumn;
        SetShow(source.FShow);
    }
    std::function<void()> OnChange;

private:
    bool FShow = false;
};

}  // namespace grid
