#pragma once

// The floating footer: a borderless panel along the bottom of the grid's
// cell area that keeps a footer visible below the scrolling cells. By the
// grid's FloatingFooter.FooterStyle it shows the grid's last row (its
// column calculations), one column of the current row, a template filled
// with the current row's cells, or what the program paints.

#include <functional>
#include <vector>

#include <QString>
#include <QWidget>

#include "platform/geometry.h"

namespace grid {

class TExStringGrid;

// The template of the custom preview with every "<#N>" replaced by
// cellText(N); a placeholder whose N is no decimal number is dropped, a "<#"
// without a closing ">" is kept as plain text.
QString ExpandFooterTemplate(const QString& tmpl, const std::function<QString(int)>& cellText);

class TFooterPanel : public QWidget {
    Q_OBJECT
public:
    // A hidden panel of height 0 on the grid's cell area.
    explicit TFooterPanel(TExStringGrid& grid);

    // One laid-out column: its display column, left edge and width.
    struct TFooterColumn {
        int Col = 0;
        int Left = 0;
        int Width = 0;
    };
    // The fixed columns, then the columns from the first scrolled one, as
    // the grid shows them.
    std::vector<TFooterColumn> Columns() const;
    // The display column under x; -1 beyond the last.
    int ColumnAt(int x) const;
    // Height and visibility after the footer's settings changed (the panel's
    // height is one pixel less than FloatingFooter.Height until the grid is
    // shown, as the grid's own window creation sets the full height).
    void ApplySettings();
    // The right edge of what the last paint drew (the border line's end).
    int PaintedRight() const { return FPaintedRight; }
    int LastHintX() const { return FLastHintX; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceAtBottom();
    // The grid runs right to left: the footer's columns start at the right.
    bool RightToLeft() const;
    // A rectangle laid out from the left edge, mirrored in the panel's
    // width when the grid runs right to left.
    platform::TRect Placed(const platform::TRect& r) const;
    // The window creation of the grid: the full height when shown, then the
    // grid's OnCreatedFloatingFooter.
    void CreateWnd();
    TExStringGrid& FGrid;
    int FLastHintX = -1;
    int FPaintedRight = 0;
    bool FCreated = false;
};

}  // namespace grid
