#pragma once

// The grid's binary cell stream: a rectangle of cells with their texts,
// per-cell properties and graphics, as a sequence of component records
// (component_stream.h):
//   TGridPropIO      the rectangle's size, column widths, row heights,
//                    whether it is the whole grid, the writing grid's id
//   per cell, row by row:
//   TGridCellIO      column, row, text, whether properties follow
//   TGridCellPropIO  the cell's properties, whether a graphic follows
//   TGridGraphicIO   the cell's graphic
//   a payload record by the graphic's kind: TGridBMPIO (bitmap or bit
//   button glyph), TGridIconIO, TGridPicIO, TGridFilePicIO, TGridSLIO (radio
//   captions or image indexes). Pictures are carried as PNG bytes.
//
// The stream serves binary grid files, the grid's clipboard cell format and
// drag and drop between grids, so reading treats it as untrusted: the whole
// stream is decoded and checked first (DecodeBinCellStream), and only a
// stream that passed is placed in a grid (PlaceBinCells), so a malformed or
// truncated stream raises EExGridError and leaves the grid as it was.

#include <cstdint>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

#include "controls/grid/cells/cell_graphic.h"
#include "controls/grid/grid_types.h"
#include "controls/grid/io/grid_file_format.h"
#include "platform/grid_base.h"

namespace grid {

class TExStringGrid;

namespace io {

// Cell positions are stored as 16-bit unsigned values.
inline constexpr int MaxBinCellPosition = 65535;

struct TBinGridHeader {
    int ColCount = 0;
    int RowCount = 0;
    QString ColWidths;   // decimal widths joined by ","
    QString RowHeights;  // decimal heights joined by ","
    bool FullGrid = false;
    int32_t ID = 0;
};

// A cell's properties as a record carries them: each field is present when
// the record holds it; what is absent keeps the target cell's value.
struct TBinCellProps {
    std::optional<bool> IsBaseCell;
    std::optional<int> CellSpanX;
    std::optional<int> CellSpanY;
    std::optional<TAlignment> Alignment;
    std::optional<TColor> BorderColor;
    std::optional<int> BorderWidth;
    std::optional<TColor> BrushColor;
    std::optional<TColor> BrushColorTo;
    std::optional<TBrushStyle> BrushStyle;
    std::optional<int32_t> CellObject;
    std::optional<TColor> FontColor;
    std::optional<QString> FontName;
    std::optional<int> FontSize;
    std::optional<TFontStyles> FontStyle;
    std::optional<TEditorType> Editor;
    std::optional<TCellGradientDirection> GradientDirection;
    std::optional<bool> ReadOnly;
    std::optional<TVAlignment> VAlignment;
    std::optional<bool> WordWrap;
    std::optional<int> NodeLevel;
    std::optional<QString> Control;
    bool HasGraphic = false;
};

// The payload of a graphic: a picture (bitmap, glyph, icon or picture by
// the kind), a file picture's name, or a list (radio captions, image
// indexes in decimal).
struct TBinFileName {
    QString Name;
    bool operator==(const TBinFileName&) const = default;
};
using TBinPayload = std::variant<std::monostate, QImage, TBinFileName, QStringList>;

struct TBinGraphic {
    TCellType CellType = ctNone;
    TCellVAlign CellVAlign = vaTop;
    TCellHAlign CellHAlign = haLeft;
    int32_t CellIndex = 0;
    bool CellTransparent = false;
    bool CellCreated = false;
    bool CellBoolean = false;
    TCheckBoxState CellCheckBoxState = cbUnchecked;
    int32_t CellAngle = 0;
    double CellValue = 0;
    int32_t CellErrFrom = 0;
    int32_t CellErrLen = 0;
    QString CellText;
    TBinPayload Payload;
};

struct TBinCell {
    int Col = 0;
    int Row = 0;
    QString Text;
    std::optional<TBinCellProps> Props;      // HasProp
    std::optional<TBinGraphic> Graphic;      // HasGraphic
};

struct TBinCellStream {
    TBinGridHeader Header;
    std::vector<TBinCell> Cells;  // row by row
};

// Does the graphic kind carry a payload record.
bool HasBinPayload(TCellType kind);

// The cells of a rectangle of display cells (corners included, in any
// order). Raises EExGridError when a corner lies beyond the 16-bit
// positions of the stream. `onRow` hears each row before its cells.
TBinCellStream CollectBinCells(const TExStringGrid& grid, const platform::TGridRect& rect,
                               const std::function<void(int row)>& onRow = {});
QByteArray EncodeBinCellStream(const TBinCellStream& stream);
// Raises EExGridError for anything but a well-formed stream whose cells
// fill its rectangle.
TBinCellStream DecodeBinCellStream(const QByteArray& bytes);

// How cells that fall beyond the grid's last column or row are placed.
enum class TBinPlacement : uint8_t {
    Grow,  // the grid gets more columns and rows
    Clip,  // they are left out
};

// Places a decoded stream with its first cell at `at` (display column,
// row); a whole-grid stream first clears and sizes the grid. Answers the
// rectangle of display cells written (empty when none landed). Raises
// EExGridError before changing anything for a point outside the grid or
// column widths and row heights that do not match a whole-grid stream.
std::optional<platform::TGridRect> PlaceBinCells(TExStringGrid& grid, QPoint at, const TBinCellStream& stream,
                                                 TBinPlacement placement);

// The id a grid writes into its streams' header.
int32_t GridStreamID(const TExStringGrid& grid);

// The grid's operations: export notifications and progress as every format.
void SaveRectToBinStream(TExStringGrid& grid, const platform::TGridRect& rect, QByteArray& out);
void SaveToBinStream(TExStringGrid& grid, QByteArray& out);
void LoadAtPointFromBinStream(TExStringGrid& grid, QPoint at, const QByteArray& bytes);
// At (0, 0); then the node rows are counted again.
void LoadFromBinStream(TExStringGrid& grid, const QByteArray& bytes);

// The binary format behind the file interface: the whole save range, and
// a whole file loaded at (0, 0).
class TBinaryGridWriter : public TGridFormatWriter {
public:
    QByteArray Write(TExStringGrid& grid, const std::optional<QByteArray>& existing) override;
};
class TBinaryGridReader : public TGridFormatReader {
public:
    void Read(TExStringGrid& grid, const QByteArray& bytes, const QString& fileName) override;
};

}  // namespace io
}  // namespace grid
