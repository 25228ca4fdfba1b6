#pragma once

// The thin scroll bar a string grid shows instead of the window's own bars
// in its "metro" scroll type: a flat thumb over the grid's own image along
// the right (vertical) or bottom (horizontal) edge. A click beside the thumb
// scrolls a page; dragging the thumb follows the mouse.

#include <QWidget>

#include "platform/colors.h"

namespace grid {

class TExStringGrid;

enum TScrollDirection : uint8_t { sdVertical, sdHorizontal };

class TScrollControl : public QWidget {
public:
    explicit TScrollControl(QWidget* owner, TScrollDirection direction = sdVertical);

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    int ScrollWidth = 4;
    TScrollDirection Direction() const { return FDirection; }
    void SetDirection(TScrollDirection value);

    // The parent as a string grid; nullptr when the bar sits on anything else
    // (then it paints nothing and ignores the mouse).
    TExStringGrid* Grid() const;
    // Where the track starts and how long it is (pixels along the bar).
    int TrackStart() const;
    int TrackLength() const;
    // The thumb along the bar; false without a grid.
    bool GetThumb(int& pos, int& size) const;
    // The grid has more rows (columns) than it shows: only then a thumb shows.
    bool ThumbShown() const;
    bool Dragging() const { return FDownOnScroller; }

    // Mouse handling in bar coordinates (the widget's mouse events call them).
    void MouseDown(QPoint p);
    void MouseMove(QPoint p);
    void MouseUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool Vertical() const { return FDirection == sdVertical; }
    int Along() const { return Vertical() ? height() : width(); }
    // The scroll position (TopRow / LeftCol) and what bounds it.
    int First() const;
    void SetFirst(int value) const;
    int FixedCount() const;
    int Count() const;
    int VisibleCount() const;

    TColor FColor = 0x00C0C0C0;
    TScrollDirection FDirection;
    bool FDownOnScroller = false;
    int FDownPos = 0;
    int FDownRow = 0;
};

}  // namespace grid
