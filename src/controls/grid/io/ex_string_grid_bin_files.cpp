// The string grid's binary stream members: each runs the binary format unit.

#include "controls/grid/io/grid_binary_stream.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

void TExStringGrid::SaveRectToBinStream(const platform::TGridRect& Rect, QByteArray& Stream)
{
    io::SaveRectToBinStream(*this, Rect, Stream);
}

void TExStringGrid::SaveToBinStream(QByteArray& Stream) { io::SaveToBinStream(*this, Stream); }

void TExStringGrid::SaveToBinFile(const QString& FileName)
{
    io::TBinaryGridWriter writer;
    io::SaveFormatToFile(writer, *this, FileName);
}

void TExStringGrid::LoadAtPointFromBinStream(QPoint Point, const QByteArray& Stream)
{
    io::LoadAtPointFromBinStream(*this, Point, Stream);
}

void TExStringGrid::LoadFromBinStream(const QByteArray& Stream) { io::LoadFromBinStream(*this, Stream); }

void TExStringGrid::LoadFromBinFile(const QString& FileName)
{
    io::TBinaryGridReader reader;
    io::LoadFormatFromFile(reader, *this, FileName);
}

}  // namespace grid
