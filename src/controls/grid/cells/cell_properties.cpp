#include "controls/grid/cells/cell_properties.h"

#include <utility>

#include "controls/grid/base/base_grid_cells.h"
#include "controls/grid/cells/cell_graphic.h"

namespace grid {

TCellProperties::TCellProperties(TBaseGridCells* ownerGrid, int ownerCol, int ownerRow)
    : FOwnerGrid(ownerGrid),
      FOwnerCol(ownerCol),
      FOwnerRow(ownerRow),
      FWordWrap(ownerGrid != nullptr ? ownerGrid->WordWrap() : true)
{
    if (FOwnerGrid != nullptr) FOwnerGrid->SetHasCellProps(true);
}

TCellProperties::~TCellProperties() = default;

void TCellProperties::Assign(const TCellProperties& source)
{
    if (&source == this) return;
    FIsBaseCell = source.FIsBaseCell;
    FCellSpanX = source.FCellSpanX;
    FCellSpanY = source.FCellSpanY;
    FOwnerRow = source.FOwnerRow;
    FOwnerCol = source.FOwnerCol;
    FObject = source.FObject;
    FAlignment = source.FAlignment;
    FBorderColor = source.FBorderColor;
    FBorderWidth = source.FBorderWidth;
    FBrushColor = source.FBrushColor;
    FBrushStyle = source.FBrushStyle;
    FFontColor = source.FFontColor;
    FFontStyle = source.FFontStyle;
    FFontName = source.FFontName;
    FFontSize = source.FFontSize;
    FReadOnly = source.FReadOnly;
    FEditor = source.FEditor;
    FVAlignment = source.FVAlignment;
    FWordWrap = source.FWordWrap;
    FNodeLevel = source.FNodeLevel;
    FControl = source.FControl;
}

TCellGraphic* TCellProperties::CellGraphic() const
{
    return FOwnedGraphic ? FOwnedGraphic.get() : FLentGraphic;
}

void TCellProperties::AdoptGraphic(std::unique_ptr<TCellGraphic> graphic)
{
    ClearGraphicObject();
    FOwnedGraphic = std::move(graphic);
}

void TCellProperties::LendGraphic(TCellGraphic* graphic)
{
    ClearGraphicObject();
    FLentGraphic = graphic;
}

void TCellProperties::LendOtherObject(QObject* object)
{
    ClearGraphicObject();
    FOtherObject = object;
}

std::unique_ptr<TCellGraphic> TCellProperties::TakeGraphic()
{
    FLentGraphic = nullptr;
    FOtherObject = nullptr;
    return std::move(FOwnedGraphic);
}

void TCellProperties::ClearGraphicObject()
{
    FOwnedGraphic.reset();
    FLentGraphic = nullptr;
    FOtherObject = nullptr;
}

void TCellProperties::RepaintOwnerCell() const
{
    if (FOwnerGrid != nullptr) FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}

void TCellProperties::SetBrushColor(TColor value)
{
    FBrushColor = value;
    RepaintOwnerCell();
}

void TCellProperties::SetBrushColorTo(TColor value)
{
    FBrushColorTo = value;
    RepaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment value)
{
    FVAlignment = value;
    RepaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool value)
{
    FWordWrap = value;
    RepaintOwnerCell();
}

}  // namespace grid
