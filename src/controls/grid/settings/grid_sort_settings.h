#pragma once

// The grid's sort settings: the sorted column and its direction, the
// options of the comparison (blanks, tie-break, case, automatic format),
// the header-click options and the look of the sort indicator (arrows or
// glyphs, index numbers, header colours).
//
// The settings reach their grid through ISortSettingsOwner (repaints, the
// sort index list, the sorts started by LoadFromString), so that this
// header needs nothing of the grid.

#include <QImage>
#include <QString>

#include "controls/grid/grid_types.h"

namespace grid {

enum TSortDirection : uint8_t { sdAscending, sdDescending };
enum TSortBlankPosition : uint8_t { blFirst, blLast };
enum TIndexSortKey : uint8_t { ikShift, ikCtrl };
// The rule that compares two cells of a column.
enum TSortStyle : uint8_t {
    ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU, ssShortDateUS, ssCustom,
    ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML, ssImages, ssCheckBox, ssDateTime, ssTime,
    ssAlphaNumeric, ssAlphaNumericNoCase
};

// What the settings need of the grid that owns them.
class ISortSettingsOwner {
public:
    virtual ~ISortSettingsOwner() = default;
    virtual int SortOwnerFixedRows() const = 0;
    virtual void SortOwnerRepaintGrid() = 0;
    virtual void SortOwnerRepaintLastFixedRow() = 0;
    // The sort index list in its text form ("u2;d0") and back.
    virtual QString SortOwnerIndexesText() const = 0;
    virtual void SortOwnerLoadIndexes(const QString& text) = 0;
    virtual void SortOwnerClearIndexes() = 0;
    virtual void SortOwnerQSort() = 0;
    virtual void SortOwnerQSortIndexed() = 0;
};

class TSortSettings {
public:
    // Without an owner the settings only store values.
    explicit TSortSettings(ISortSettingsOwner* owner = nullptr) : FOwner(owner) {}
    TSortSettings(const TSortSettings&) = delete;
    TSortSettings& operator=(const TSortSettings&) = delete;

    // Copies every setting but IgnoreCase and SortOnVirtualCells; never the owner.
    void Assign(const TSortSettings& source);
    // No column sorted and no sort index list; the rows keep their order.
    void Remove();
    void ToggleDirection() { Direction = Direction == sdAscending ? sdDescending : sdAscending; }
    // The sort state as text: "u3" / "d0" (direction and column, "u-1" when
    // nothing is sorted) or, with IndexShow, "i;" and the index list.
    QString SaveToString() const;
    // Loads that text and sorts by it; an empty text does nothing, a text
    // of one character raises EExGridError "Invalid sort settings specifier".
    void LoadFromString(const QString& value);

    // Shows the indicator and lets header clicks sort; a change repaints the grid.
    bool Show() const { return FShow; }
    void SetShow(bool value);
    // The fixed row whose clicks sort and which shows the indicator; it must
    // be smaller than the grid's FixedRows (EExGridError otherwise).
    int Row() const { return FRow; }
    void SetRow(int value);
    // Gradient of the sorted column's header cell; a change repaints the last fixed row.
    TColor HeaderColor() const { return FHeaderColor; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderColor(TColor value) { SetHeaderColour(FHeaderColor, value); }
    void SetHeaderColorTo(TColor value) { SetHeaderColour(FHeaderColorTo, value); }
    void SetHeaderMirrorColor(TColor value) { SetHeaderColour(FHeaderMirrorColor, value); }
    void SetHeaderMirrorColorTo(TColor value) { SetHeaderColour(FHeaderMirrorColorTo, value); }

    bool AutoSortForGrouping = true;
    // A header click splits merged column cells before sorting and merges them afterwards.
    bool AutoColumnMerge = false;
    // The sorted storage column; -1 when the grid is not sorted.
    int Column = -1;
    // Multi-column sorting: header clicks build the sort index list.
    bool IndexShow = false;
    TColor IndexColor = clYellow;
    TIndexSortKey IndexSortKey = ikShift;
    // Ties on the sort column are broken by the columns to its right.
    bool Full = true;
    // Sorting moves only the sort column's cells; the other columns stay.
    bool SingleColumn = false;
    // Empty cells are placed by BlankPos whatever their comparison says.
    bool IgnoreBlanks = false;
    TSortBlankPosition BlankPos = blFirst;
    // The comparison starts by detecting the cells' type.
    bool AutoFormat = true;
    TSortDirection Direction = sdAscending;
    // Indicator bitmaps; when either of a pair is empty, arrows are drawn.
    QImage UpGlyph, DownGlyph, IndexUpGlyph, IndexDownGlyph;
    bool IgnoreCase = false;
    // Direction of the first click on a column.
    TSortDirection InitSortDirection = sdAscending;
    // Header clicks on fixed columns sort too.
    bool FixedCols = false;
    // With fixed columns, column 0 keeps its cells in place while rows move.
    bool NormalCellsOnly = false;
    // A third click on the sorted column restores the unsorted order.
    bool UndoSort = false;
    // Compare the displayed texts (display hooks applied) instead of the stored ones.
    bool SortOnVirtualCells = true;

    ISortSettingsOwner* Owner() const { return FOwner; }

private:
    void SetHeaderColour(TColor& field, TColor value);

    ISortSettingsOwner* FOwner;
    bool FShow = false;
    int FRow = 0;
    TColor FHeaderColor = clNone;
    TColor FHeaderColorTo = clNone;
    TColor FHeaderMirrorColor = clNone;
    TColor FHeaderMirrorColorTo = clNone;
};

}  // namespace grid
