#pragma once

// The colour hexagon: 127 hexagonal cells of fixed colours in 13 rows. The
// cell under the pointer is outlined in red (the hot cell), the selected one
// in black; a click selects.

#include <array>
#include <functional>

#include <QPoint>

#include "controls/dropdown/colors/color_selector_panel.h"
#include "controls/dropdown/colors/color_tables.h"
#include "platform/colors.h"

namespace platform {
class TCanvas;
}

namespace dropdown {

class TExColorCubePanel : public TExCustomColorSelectorPanel {
    Q_OBJECT
public:
    explicit TExColorCubePanel(QWidget* parent = nullptr);

    // Cells are numbered 1 to 127.
    const TCubeCell& CubeCell(int number) const { return FCubeCells[size_t(number - 1)]; }
    // X: half the hexagon's width; Y: a quarter of its height.
    QPoint CubeSize() const { return FCubeSize; }

    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first cell of the colour (none when no cell has it), without repainting.
    void SetSelectedColor(TColor value) { SelectColor(value, -1); }
    int SelectedIndex() const { return FSelectedIndex; }
    int HotIndex() const { return FHotIndex; }
    bool ShowRGBHint() const { return FShowRGBHint; }
    void SetShowRGBHint(bool value);

    // No hot cell; the panel at its size, 182 x 160.
    void Reset();
    void InitializeCube();
    void DrawCell(int i);
    void DrawCube();
    // The first cell (in number order) whose centre lies within CubeSize.X of the point; -1 when none.
    int CellAtPos(int X, int Y) const;
    // Stores the colour; the selected cell is Index when it is a cell number,
    // else the first cell of that colour (or none).
    void SelectColor(TColor Color, int Index);

    std::function<void(QObject* Sender)> OnSelect;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DrawCellOn(platform::TCanvas& canvas, int i);
    void RepaintCell(int i);

    std::array<TCubeCell, kCubeCellCount> FCubeCells{};
    QPoint FCubeSize{6, 3};
    TColor FSelectedColor = clNone;
    int FSelectedIndex = -1;
    int FHotIndex = -1;
    bool FShowRGBHint = true;
};

// Fills the hexagon around (x, y), w wide on each side, h a quarter of its height.
void DrawHexagon(platform::TCanvas& canvas, int x, int y, int w, int h);

}  // namespace dropdown
