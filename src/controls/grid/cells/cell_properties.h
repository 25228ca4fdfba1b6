#pragma once

#include <cstdint>
#include <memory>

#include <QString>

#include "controls/grid/grid_types.h"

class QObject;
class QWidget;

namespace grid {

class TBaseGridCells;
class TCellGraphic;

// The per-cell look and state of a grid cell, kept in the cell's slot of the
// cell store and created on first use. Besides the look it carries the merge
// encoding of the cell:
//   not merged:           IsBaseCell true,  spans (-1, -1)
//   base of a W x H block: IsBaseCell true,  spans (W-1, H-1)
//   other cell of a block: IsBaseCell false, spans = its offset (dx, dy) from the base
// and the cell's graphic object: a TCellGraphic the properties own (adopted),
// or an object that stays its giver's (lent).
class TCellProperties {
public:
    TCellProperties(TBaseGridCells* ownerGrid, int ownerCol, int ownerRow);
    ~TCellProperties();
    TCellProperties(const TCellProperties&) = delete;
    TCellProperties& operator=(const TCellProperties&) = delete;

    // Copies the look, the merge encoding and the owner position from another
    // cell's properties; not the owner grid, the graphic object, BrushColorTo,
    // the paint pass, CalcType, CalcObject or GradientDirection.
    void Assign(const TCellProperties& source);

    TBaseGridCells* OwnerGrid() const { return FOwnerGrid; }
    int OwnerCol() const { return FOwnerCol; }
    int OwnerRow() const { return FOwnerRow; }
    void SetOwnerCol(int value) { FOwnerCol = value; }
    void SetOwnerRow(int value) { FOwnerRow = value; }

    uintptr_t CellObject() const { return FObject; }
    void SetCellObject(uintptr_t value) { FObject = value; }

    // The graphic slot.
    TCellGraphic* CellGraphic() const;                 // adopted or lent graphic, else nullptr
    QObject* OtherObject() const { return FOtherObject; }  // a lent object of another kind
    bool HasGraphicObject() const { return CellGraphic() != nullptr || FOtherObject != nullptr; }
    bool OwnsGraphic() const { return FOwnedGraphic != nullptr; }
    void AdoptGraphic(std::unique_ptr<TCellGraphic> graphic);  // frees what the slot owned
    void LendGraphic(TCellGraphic* graphic);                   // frees what the slot owned
    void LendOtherObject(QObject* object);                     // frees what the slot owned
    std::unique_ptr<TCellGraphic> TakeGraphic();               // empties the slot; null when not owned
    void ClearGraphicObject();                                 // frees what the slot owned

    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle value) { FBrushStyle = value; }
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor value);
    TColor BrushColorTo() const { return FBrushColorTo; }
    void SetBrushColorTo(TColor value);
    int FontSize() const { return FFontSize; }
    void SetFontSize(int value) { FFontSize = value; }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor value) { FFontColor = value; }
    TFontStyles FontStyle() const { return FFontStyle; }
    void SetFontStyle(TFontStyles value) { FFontStyle = value; }
    const QString& FontName() const { return FFontName; }
    void SetFontName(const QString& value) { FFontName = value; }

    int CellSpanX() const { return FCellSpanX; }
    void SetCellSpanX(int value) { FCellSpanX = value; }
    int CellSpanY() const { return FCellSpanY; }
    void SetCellSpanY(int value) { FCellSpanY = value; }
    bool IsBaseCell() const { return FIsBaseCell; }
    void SetIsBaseCell(bool value) { FIsBaseCell = value; }

    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value) { FBorderWidth = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { FBorderColor = value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { FAlignment = value; }
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment value);
    int PaintID() const { return FPaintID; }
    void SetPaintID(int value) { FPaintID = value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    TColumnCalcType CalcType() const { return FCalcType; }
    void SetCalcType(TColumnCalcType value) { FCalcType = value; }
    QObject* CalcObject() const { return FCalcObject; }
    void SetCalcObject(QObject* value) { FCalcObject = value; }
    int NodeLevel() const { return FNodeLevel; }
    void SetNodeLevel(int value) { FNodeLevel = value; }
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType value) { FEditor = value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    TCellGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TCellGradientDirection value) { FGradientDirection = value; }
    QWidget* Control() const { return FControl; }
    void SetControl(QWidget* value) { FControl = value; }

private:
    void RepaintOwnerCell() const;

    TBaseGridCells* FOwnerGrid;
    int FOwnerCol;
    int FOwnerRow;
    uintptr_t FObject = 0;
    std::unique_ptr<TCellGraphic> FOwnedGraphic;
    TCellGraphic* FLentGraphic = nullptr;
    QObject* FOtherObject = nullptr;
    TBrushStyle FBrushStyle = bsSolid;
    TColor FBrushColor = clNone;
    TColor FBrushColorTo = clNone;
    int FFontSize = 0;
    TColor FFontColor = clNone;
    TFontStyles FFontStyle = 0;
    int FCellSpanY = -1;
    int FCellSpanX = -1;
    int FBorderWidth = 0;
    TColor FBorderColor = 0;
    TAlignment FAlignment = taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    int FPaintID = 0;
    bool FWordWrap;
    bool FIsBaseCell = true;
    TColumnCalcType FCalcType = acNONE;
    QObject* FCalcObject = nullptr;
    int FNodeLevel = 0;
    TEditorType FEditor = edNormal;
    QString FFontName;
    bool FReadOnly = false;
    TCellGradientDirection FGradientDirection = GradientVertical;
    QWidget* FControl = nullptr;
};

}  // namespace grid
