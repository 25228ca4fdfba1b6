#pragma once

#include <functional>
#include <memory>

#include <QPoint>
#include <QRect>
#include <QString>

#include "controls/grid/cells/cell_properties.h"
#include "controls/grid/cells/cell_store.h"
#include "controls/grid/grid_types.h"

class QObject;

namespace grid {

class TCellGraphic;
class TExGridUndoRedo;

// TGetDisplTextEvent / TGetDisplWideTextEvent: (ACol, ARow, var Value).
using TGetDisplTextEvent = std::function<void(int ACol, int ARow, QString& Value)>;
using TGetDisplWideTextEvent = std::function<void(int ACol, int ARow, QString& Value)>;

// The cell side of the base grid: the cell store with per-cell properties,
// merged cells, the display-text hooks between stored and read text, and the
// link to an undo/redo component. The window side (painting, keys, scrolling)
// builds on it and overrides the repaint and current-cell hooks.
//
// Column indexes are storage columns: every bound on a column is
// TotalColCount(), which the string grid raises by its hidden columns. Every
// accessor checks its position; reads outside the store give an empty text,
// no properties or a plain cell, writes outside it are ignored.
// GetCellProperties, which must return an object, raises EExGridError.
class TBaseGridCells {
public:
    TBaseGridCells();
    virtual ~TBaseGridCells();
    TBaseGridCells(const TBaseGridCells&) = delete;
    TBaseGridCells& operator=(const TBaseGridCells&) = delete;

    // ----- size and current cell
    // The counts, the current cell and the grid colour are virtual: the
    // window side answers them from its own state.
    virtual int ColCount() const { return FColCount; }
    virtual int RowCount() const { return FCells.RowCount(); }
    virtual void SetColCount(int value);
    virtual void SetRowCount(int value);
    virtual int Col() const { return FCol; }
    virtual int Row() const { return FRow; }
    virtual void SetCol(int value) { FCol = value; }
    virtual void SetRow(int value) { FRow = value; }
    int NormalRowCount() const { return FNormalRowCount; }
    void SetNormalRowCount(int value) { FNormalRowCount = value; }
    bool HideLastRow() const { return FHideLastRow; }
    void SetHideLastRow(bool value) { FHideLastRow = value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { FWordWrap = value; }
    const TCellFont& Font() const { return FFont; }
    void SetFont(const TCellFont& value) { FFont = value; }
    virtual TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    bool HasCellProps() const { return FHasCellProps; }
    void SetHasCellProps(bool value) { FHasCellProps = value; }
    int MergeCount() const { return FMergeCount; }
    bool Destroying() const { return FDestroying; }

    TCellStore& Cells() { return FCells; }
    const TCellStore& Cells() const { return FCells; }

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

    // ----- cell text
    QString GetCellEx(int c, int r) const;
    void SetCellEx(int c, int r, const QString& value);
    const QString& GetGridCell(int c, int r) const { return FCells.Text(c, r); }
    void SetGridCell(int c, int r, const QString& value) { FCells.SetText(c, r, value); }

    // ----- cell properties and objects
    bool HasCellProperties(int ACol, int ARow) const;
    TCellProperties* GetCellProperties(int c, int r);
    TCellProperties* CellPropertiesOrNull(int c, int r) const { return FCells.Properties(c, r); }
    void SetCellProperties(int c, int r, std::unique_ptr<TCellProperties> value);
    uintptr_t GetObjectEx(int c, int r) const;
    void SetObjectEx(int c, int r, uintptr_t value);
    // The cell's graphic (adopted or lent), nullptr without properties.
    TCellGraphic* GetGraphicObjectEx(int c, int r) const;
    // Gives the cell a graphic it owns / one that stays the caller's / an
    // object of another kind; what the slot owned before is freed. Nothing
    // happens while the grid is being destroyed or outside the store.
    void SetGraphicObjectEx(int c, int r, std::unique_ptr<TCellGraphic> value);
    void LendGraphicObjectEx(int c, int r, TCellGraphic* value);
    void LendOtherObjectEx(int c, int r, QObject* value);
    static TCellGraphic* PropertiesGraphic(const TCellProperties* props);

    // ----- merged cells
    virtual void MergeCells(int c, int r, int spanx, int spany);
    virtual void SplitCells(int c, int r);
    QPoint BaseCell(int ACol, int ARow) const;
    bool IsBaseCell(int ACol, int ARow) const;
    bool IsBaseCellEx(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    QPoint CellSpan(int ACol, int ARow) const;
    QPoint CellExt(int ACol, int ARow) const;
    // Left/Top = the base cell, Right/Bottom = the block's last column and row.
    QRect FullCell(int c, int r) const;
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    // found is set when at least one column (row) merges both rows (columns).
    bool RowSpanIdentical(int ARow1, int ARow2, bool& found) const;
    bool ColSpanIdentical(int ACol1, int ACol2, bool& found) const;
    // Moves the current cell to the base cell of the block it lies in.
    void SelectBaseCell();

    // ----- clearing (used by the row and column operations)
    void FreeCellPropsRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void FreeCellProps(int ACol, int ARow);
    void FreeAllCellProps();
    // Slots emptied without freeing, then the text emptied: for cells whose
    // properties were taken elsewhere before.
    void ResetCol(int ACol);
    void ResetRow(int ARow);
    void ResetCell(int ACol, int ARow);

    // ----- undo/redo link (not owned)
    TExGridUndoRedo* UndoRedo() const { return FUndoRedo; }
    void SetUndoRedo(TExGridUndoRedo* value);

    // ----- hooks
    virtual bool IsFixed(int ACol, int ARow) const;
    virtual void GetDisplText(int ACol, int ARow, QString& Value) const;
    virtual void GetDisplWideText(int ACol, int ARow, QString& Value) const;
    virtual void GetDefaultCellProperties(int ACol, int ARow, TCellFont& AFont, TColor& ABrushColor,
                                          TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                          TAlignment& HA, TVAlignment& VA, bool& WW,
                                          TCellGradientDirection& GD);
    virtual void CellTextChanged(int ACol, int ARow);
    virtual void LastRowChanged();
    virtual int DisplColIndex(int ACol) const { return ACol; }
    virtual int TotalColCount() const { return FColCount; }
    // Window side: repaint one cell, the whole grid; whether the grid is shown
    // in a parent window.
    virtual void RepaintCell(int c, int r);
    virtual void RepaintGrid();
    virtual bool HasParent() const { return false; }

protected:
    // Brings the store's column bound in line with TotalColCount(); call after
    // changing the hidden-column count.
    void UpdateStoreColumns();
    // Called first by the destructor of the class that overrides the hooks.
    void BeginDestroy() { FDestroying = true; }

private:
    friend class TExGridUndoRedo;
    TCellProperties* CreateCellProperties(int c, int r);
    // The base cell's properties when (ACol, ARow) belongs to a block (both
    // spans set), with the base position in base; else nullptr.
    const TCellProperties* BlockBase(int ACol, int ARow, QPoint& base) const;
    template <typename Store> void StoreObjectAt(int c, int r, Store&& store);
    void ForgetUndoRedo() { FUndoRedo = nullptr; }

    TCellStore FCells;
    int FColCount = 0;
    int FCol = 0;
    int FRow = 0;
    int FNormalRowCount = 0;
    bool FHideLastRow = false;
    bool FWordWrap = true;
    bool FHasCellProps = false;
    bool FDestroying = false;
    int FMergeCount = 0;
    TCellFont FFont;
    TColor FColor = clWindow;
    TExGridUndoRedo* FUndoRedo = nullptr;
};

}  // namespace grid
