#pragma once

// TExColumnGrid: the string grid driven by column descriptions. It answers
// the string grid's per-cell questions from the description of the cell's
// storage column and then lets the string grid's own handling (and so the
// form's event) have the last word. It keeps exactly one description per
// storage column: Columns().Count() == ColCount() + NumHiddenColumns()
// after every operation.

#include <memory>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/column_grid/grid_column.h"

class QMenu;

namespace grid {

class TExColumnGrid : public TExStringGrid {
    Q_OBJECT
public:
    explicit TExColumnGrid(QWidget* parent = nullptr);
    ~TExColumnGrid() override;

    TGridColumnCollection& Columns() { return *FColumnCollection; }
    const TGridColumnCollection& Columns() const { return *FColumnCollection; }
    void SetColumns(const TGridColumnCollection& value) { FColumnCollection->Assign(value); }
    // The description of a storage column; nullptr beyond the descriptions.
    TGridColumnItem* ColumnOf(int StorageCol) const;
    TGridColumnItem* GetColumnByName(const QString& AValue) const;
    bool ColMoving() const { return FColMoving; }

    void SetColCount(int value) override;
    void Loaded() override;
    void CellsLoaded() override;
    // A component going away: cleared from every description's references.
    void ComponentRemoved(QObject* component);

    void InsertCols(int ColIndex, int CCount) override;
    void RemoveCols(int ColIndex, int CCount) override;
    // Moves a storage column (cells, width, description) to another place.
    void MoveStorageColumn(int FromIndex, int ToIndex);
    uint32_t GetVersionNr() const { return 0x03010301; }
    QString GetVersionString() const;

    // Brings the number of descriptions to ColCount + NumHiddenColumns.
    void SyncColumnCount();
    // The form is scaled by M / D: the cell and header fonts of the shown
    // columns follow (rounded to the nearest point).
    void RescaleControl(int M, int D) override;
    // With fixed rows: headers taken from row 0 where a description has
    // none, then ColumnHeaders rebuilt from the descriptions.
    void SyncColumnHeaders();
    // ColumnHeaders := the descriptions' headers in index order.
    void RebuildColumnHeaders();

    // Every column description as a component stream, and the descriptions
    // replaced by those of a stream (EExGridError, nothing changed, for a
    // malformed one); the column count stays.      io/column_grid_stream.cpp
    void SaveColumnsToStream(QByteArray& Stream) const;
    void LoadColumnsFromStream(const QByteArray& Stream);

    // Column positions in an INI file: "CP<i>" = DefIdx of the column at i.
    // The rest of the file keeps its bytes. False (with the reason in
    // `error` when given) when the file could not be read or written.
    bool SaveColumnPositions(const QString& Key, const QString& Section, QString* error = nullptr);
    // Restores them; a file that does not name every column exactly once
    // (a key missing, a value out of range or repeated) changes nothing.
    bool LoadColumnPositions(const QString& Key, const QString& Section);
    // With ColumnSize.Location clIniFile the two above on ColumnSize.Key and
    // Section (saving raises EExGridError when the file cannot be written);
    // otherwise the string grid's "Pos<i>" values.
    void SaveColPositions() override;
    void LoadColPositions() override;

    // The popup a click of the given button on a cell (display column)
    // opens, after OnColumnPopup; nullptr when none.
    QMenu* ColumnPopupFor(platform::TMouseButton Button, int ACol, int ARow);

    // ----- the per-cell answers (storage columns)
    void GetDefaultCellProperties(int ACol, int ARow, TCellFont& AFont, TColor& ABrushColor, TColor& AColorTo,
                                  TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                  bool& WW, TCellGradientDirection& GD) override;
    QString GetFormattedCell(int ACol, int ARow) override;
    void GetCellFloatFormat(int ACol, int ARow, QString& format) override;
    TCellType GetCellType(int ACol, int ARow) const override;
    TCellGraphic* GetCellGraphic(int ACol, int ARow) const override;
    void DoUpdateColumnSize(int ACol, int& AWidth) override;
    void DoUpdateAutoColumnSize(int ACol, int& AWidth) override;
    void ColumnHeadersChanged() override;
    void GetCellColor(int ACol, int ARow, platform::TGridDrawState AState, platform::TBrush& ABrush,
                      platform::TFont& AFont) override;
    void GetCellPrintColor(int ACol, int ARow, platform::TGridDrawState AState, platform::TBrush& ABrush,
                           platform::TFont& AFont) override;
    void GetCellBorder(int ACol, int ARow, TGridPen& APen, TCellBorders& Borders) override;
    void GetCellPrintBorder(int ACol, int ARow, TGridPen& APen, TCellBorders& Borders) override;
    void GetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    void GetColFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) override;
    void GetCellEditor(int ACol, int ARow, TEditorType& AEditor) override;
    void IsFixedCell(int ACol, int ARow, bool& IsFixed) override;
    void CanEditCell(int ACol, int ARow, bool& CanEdit) override;
    void IsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
    bool HasComboBox(int ACol, int ARow) override;
    void GetCheckTrue(int ACol, int ARow, QString& Value) override;
    void GetCheckFalse(int ACol, int ARow, QString& Value) override;
    bool GetColumnFilter(int ACol) override;
    // The column's mask, unless the grid's mask (through OnGetEditMask) gives one.
    QString GetEditMask(int ACol, int ARow) override;
    QString ColumnEditMask(int ADisplCol) const;

    bool AutoFilterDisplay = false;
    std::function<void(Sender, int ACol, int ARow, QMenu*& PopupMenu)> OnColumnPopup;
    std::function<void(Sender, int FromIndex, int ToIndex)> OnAfterColumnMoved;

protected:
    virtual std::unique_ptr<TGridColumnCollection> CreateColumns();
    void ColumnMovedNotice(int FromIndex, int ToIndex) override;
    void ColWidthsChanged() override;
    void HandleMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y) override;
    int EditLengthLimit() override;
    bool SortMovesRowsAtOnce() const override;

private:
    bool IsNormalCell(int ACol, int ARow) const;

    std::unique_ptr<TGridColumnCollection> FColumnCollection;
    std::unique_ptr<TCellGraphic> FCellGraphic;
    bool FColMoving = false;
};

}  // namespace grid
