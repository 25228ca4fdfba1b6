#pragma once

// The column descriptions of a column grid: one TGridColumnItem per storage
// column (hidden columns included), held in storage-column order by the
// grid's TGridColumnCollection. A description carries everything a form
// sets per column: header, editor kind, flags, alignment, colours and fonts,
// borders, combo items, spin limits, mask and length limit, check texts,
// sort and number formats, size limits, filter list and popup menu.

#include <memory>
#include <vector>

#include <QString>
#include <QStringList>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/grid_types.h"

class QMenu;

namespace grid {

class TExColumnGrid;
class TGridColumnCollection;

enum TColumnPopupType : uint8_t {
    cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick, cpNormalCellsLClick, cpAllCellsRClick,
    cpAllCellsLClick
};

class TGridColumnItem {
public:
    // With a collection the fonts and the colour start as the grid's.
    explicit TGridColumnItem(TGridColumnCollection* Collection);
    TGridColumnItem(const TGridColumnItem&) = delete;
    TGridColumnItem& operator=(const TGridColumnItem&) = delete;

    TGridColumnCollection* Collection() const { return FCollection; }
    TExColumnGrid* Grid() const;
    // Storage column described; -1 outside a collection.
    int Index() const;

    // Copies every described property but ColumnPopupType, PrintBorderCustom
    // and PrintFontCustom into the fields (no side effects); the width is
    // taken from the source's grid.
    void Assign(const TGridColumnItem& Source);
    // As Assign, but header, name, combo items, drop-down count, header font
    // and tag stay; colour and font are the target grid's.
    void AssignVisuals(const TGridColumnItem& Source);
    QString ColumnDisplayName() const;

    // Width: the grid's width of the storage column (0 outside a grid).
    int Width() const;
    void SetWidth(int value);
    int StoredWidth() const { return FWidth; }
    void SetStoredWidth(int value) { FWidth = value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    const QString& Header() const { return FColumnHeader; }
    void SetHeader(const QString& value);
    void SetHeaderField(const QString& value) { FColumnHeader = value; }
    const TCellFont& Font() const { return FFont; }
    void SetFont(const TCellFont& value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TEditorType Editor() const { return FEditorType; }
    void SetEditor(TEditorType value);
    bool Fixed() const { return FFixed; }
    void SetFixed(bool value);
    bool Password() const { return FPassword; }
    void SetPassword(bool value);
    const TGridPen& BorderPen() const { return FBorderPen; }
    void SetBorderPen(const TGridPen& value);
    TCellBorders Borders() const { return FBorders; }
    void SetBorders(TCellBorders value);
    bool ShowBands() const { return FShowBands; }
    void SetShowBands(bool value);
    TAlignment HeaderAlignment() const { return FHeaderAlignment; }
    void SetHeaderAlignment(TAlignment value);
    const TCellFont& HeaderFont() const { return FHeaderFont; }
    void SetHeaderFont(const TCellFont& value);
    const QString& FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const QString& value);

    // Stored only.
    TSortStyle SortStyle = ssAutomatic;
    QString SortPrefix;
    QString SortSuffix;
    QString EditMask;
    int EditLength = 0;
    QObject* EditLink = nullptr;  // not owned
    bool ReadOnly = false;
    QStringList ComboItems;
    int DropDownCount = 8;
    int SpinMin = 0;
    int SpinMax = 0;
    int SpinStep = 1;
    TCellFont PrintFont;
    TColor PrintColor = clWhite;
    TCellBorders PrintBorders = cbTop | cbLeft | cbRight | cbBottom;
    TGridPen PrintBorderPen{clBlack, 1};
    int Tag = 0;
    int DefIdx = 0;
    QString Name;
    QString CheckFalse = QStringLiteral("N");
    QString CheckTrue = QStringLiteral("Y");
    QStringList Filter;
    int MaxSize = 0;
    int MinSize = 0;
    int AutoMinSize = 0;
    int AutoMaxSize = 0;
    TColumnPopupType ColumnPopupType = cpFixedCellsRClick;
    QMenu* ColumnPopup = nullptr;  // not owned
    bool FilterCaseSensitive = false;
    bool PrintBorderCustom = true;
    bool PrintFontCustom = true;

    // The column's cells, by row (merged-cell aware).
    QString Rows(int ARow) const;
    void SetRows(int ARow, const QString& value);
    int Ints(int ARow) const;
    void SetInts(int ARow, int value);
    double Floats(int ARow) const;
    void SetFloats(int ARow, double value);

private:
    void CopyFields(const TGridColumnItem& Source, bool visualsOnly);
    void Changed();
    void RepaintGrid();

    TGridColumnCollection* FCollection = nullptr;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    QString FColumnHeader;
    TCellFont FFont;
    TColor FColor = clWindow;
    TEditorType FEditorType = edNormal;
    bool FFixed = false;
    bool FPassword = false;
    TCellBorders FBorders = 0;
    TGridPen FBorderPen{clSilver, 1};
    bool FShowBands = false;
    TAlignment FHeaderAlignment = taLeftJustify;
    TCellFont FHeaderFont;
    QString FFloatFormat;
};

class TGridColumnCollection {
public:
    explicit TGridColumnCollection(TExColumnGrid* Owner) : FOwner(Owner) {}
    virtual ~TGridColumnCollection() = default;
    TGridColumnCollection(const TGridColumnCollection&) = delete;
    TGridColumnCollection& operator=(const TGridColumnCollection&) = delete;

    TExColumnGrid* Owner() const { return FOwner; }
    int Count() const { return int(FItems.size()); }
    TGridColumnItem* Items(int Index) const;
    TGridColumnItem* operator[](int Index) const { return Items(Index); }
    // Writing an item assigns it.
    void SetItem(int Index, const TGridColumnItem& value);
    int IndexOf(const TGridColumnItem* item) const;

    // A new description at the end; it takes the look of the one before it.
    TGridColumnItem* Add();
    // A new description with the defaults at Index.
    TGridColumnItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    // The platform copy: cleared, then one new item per source item, assigned.
    void Assign(const TGridColumnCollection& Source);

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    bool NoRecursiveUpdate() const { return FNoRecursiveUpdate; }
    void SetNoRecursiveUpdate(bool value) { FNoRecursiveUpdate = value; }

    // Records every description's position as its DefIdx.
    void SetOrganization();
    // Moves the columns back to the positions recorded in DefIdx. Does
    // nothing (and answers false) unless the DefIdx values are a
    // permutation of 0 .. Count - 1.
    bool ResetOrganization();

    // Every change of the collection or of an item.
    virtual void CollectionChanged(TGridColumnItem* Item);

protected:
    virtual std::unique_ptr<TGridColumnItem> CreateItem() { return std::make_unique<TGridColumnItem>(this); }

private:
    friend class TExColumnGrid;
    TExColumnGrid* FOwner = nullptr;
    std::vector<std::unique_ptr<TGridColumnItem>> FItems;
    bool FNoRecursiveUpdate = false;
    int FUpdateCount = 0;
};

}  // namespace grid
