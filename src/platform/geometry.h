#pragma once

#include <QPoint>
#include <QRect>

namespace platform {

// A rectangle as the drawing and grid code reasons about it: Right and Bottom
// lie one pixel past the last pixel inside (so Width = Right - Left), which
// keeps the arithmetic of cell edges and grid lines straightforward.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr TRect() = default;
    constexpr TRect(int left, int top, int right, int bottom) : Left(left), Top(top), Right(right), Bottom(bottom) {}

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    constexpr bool Contains(QPoint p) const { return Contains(p.x(), p.y()); }
    constexpr TRect Inflated(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }
    constexpr TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    constexpr bool operator==(const TRect&) const = default;

    QRect toQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect fromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
};

// The smallest rectangle holding both (an empty one counts as nothing).
TRect UnionRect(const TRect& a, const TRect& b);
// The common part of both; an empty rectangle when they do not meet.
TRect IntersectRect(const TRect& a, const TRect& b);

}  // namespace platform
