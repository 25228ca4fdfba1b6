#include "controls/grid/dragdrop/grid_cell_block.h"

#include <QtEndian>

#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

namespace cell_block_detail {

constexpr char Magic[4] = {'G', 'C', 'B', '1'};

void putU32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian<quint32>(v, b);
    out.append(b, 4);
}

// Reads forward through an untrusted byte block.
struct Reader {
    const QByteArray& Bytes;
    qsizetype Pos = 0;
    bool U32(quint32& v)
    {
        if (Bytes.size() - Pos < 4) return false;
        v = qFromLittleEndian<quint32>(Bytes.constData() + Pos);
        Pos += 4;
        return true;
    }
};

}  // namespace cell_block_detail

QByteArray EncodeCellBlock(const TCellBlock& block)
{
    using namespace cell_block_detail;
    QByteArray out(Magic, 4);
    putU32(out, quint32(block.Cols));
    putU32(out, quint32(block.Rows));
    for (const QString& text : block.Texts) {
        const QByteArray utf8 = text.toUtf8();
        putU32(out, quint32(utf8.size()));
        out += utf8;
    }
    return out;
}

std::optional<TCellBlock> DecodeCellBlock(const QByteArray& stream)
{
    using namespace cell_block_detail;
    if (stream.size() > MaxCellBlockBytes || stream.size() < 12 || !stream.startsWith(QByteArray(Magic, 4)))
        return std::nullopt;
    Reader in{stream, 4};
    quint32 cols = 0, rows = 0;
    if (!in.U32(cols) || !in.U32(rows)) return std::nullopt;
    if (cols == 0 || rows == 0 || cols > quint32(MaxCellBlockCells) || rows > quint32(MaxCellBlockCells) ||
        quint64(cols) * rows > quint64(MaxCellBlockCells))
        return std::nullopt;
    const qsizetype cells = qsizetype(cols) * rows;
    // Every cell takes at least its 4 length bytes: a count the stream
    // cannot hold is refused before anything is reserved for it.
    if ((stream.size() - in.Pos) / 4 < cells) return std::nullopt;
    TCellBlock block;
    block.Cols = int(cols);
    block.Rows = int(rows);
    block.Texts.reserve(cells);
    for (qsizetype i = 0; i < cells; ++i) {
        quint32 length = 0;
        if (!in.U32(length) || quint64(length) > quint64(stream.size() - in.Pos)) return std::nullopt;
        const QByteArray utf8 = stream.mid(in.Pos, qsizetype(length));
        in.Pos += qsizetype(length);
        QString text = QString::fromUtf8(utf8);
        if (text.toUtf8() != utf8) return std::nullopt;  // not UTF-8
        block.Texts << text;
    }
    if (in.Pos != stream.size()) return std::nullopt;
    return block;
}

QByteArray SaveRectToCellStream(const TExStringGrid& grid, const platform::TGridRect& rect)
{
    const int left = std::min(rect.Left, rect.Right), right = std::max(rect.Left, rect.Right);
    const int top = std::min(rect.Top, rect.Bottom), bottom = std::max(rect.Top, rect.Bottom);
    TCellBlock block;
    block.Cols = right - left + 1;
    block.Rows = bottom - top + 1;
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c) block.Texts << grid.GetCellEx(grid.RealColIndex(c), r);
    return EncodeCellBlock(block);
}

std::optional<platform::TGridRect> PlaceCellBlock(TExStringGrid& grid, QPoint at, const TCellBlock& block)
{
    if (block.Cols <= 0 || block.Rows <= 0 || at.x() < 0 || at.y() < 0 || at.x() >= grid.ColCount() ||
        at.y() >= grid.RowCount())
        return std::nullopt;
    const int right = std::min(grid.ColCount() - 1, at.x() + block.Cols - 1);
    const int bottom = std::min(grid.RowCount() - 1, at.y() + block.Rows - 1);
    for (int r = at.y(); r <= bottom; ++r)
        for (int c = at.x(); c <= right; ++c)
            grid.SetCellEx(grid.RealColIndex(c), r, block.Text(c - at.x(), r - at.y()));
    grid.CellsChanged(QRect(QPoint(at.x(), at.y()), QPoint(right, bottom)));
    return platform::TGridRect{at.x(), at.y(), right, bottom};
}

}  // namespace grid
