#include "controls/grid/string_grid/html/grid_html.h"

#include <QLineEdit>

#include "controls/grid/editors/esg_combo.h"
#include "controls/grid/paint/html_hint_window.h"
#include "controls/grid/string_grid/ex_string_grid.h"

namespace grid {

TGridHTML::TGridHTML(TExStringGrid& grid) : G(grid) {}

// The hint window and the form-control editors are children of the grid;
// the editors go now, so that no focus change of theirs reaches this
// object while the grid is taken down.
TGridHTML::~TGridHTML()
{
    delete FControlEdit.data();
    delete FControlCombo.data();
}

THTMLRenderParams TGridHTML::GridRenderParams() const
{
    THTMLRenderParams p;
    p.Images = G.GetCellImageList();
    p.ShadowOffset = 1;
    p.ResFactor = 0;
    p.URLColor = G.URLColor;
    p.HoverColor = clNone;
    p.HoverFontColor = clNone;
    p.ShadowColor = clGray;
    p.PictureCache = &FPictureCache;
    p.PictureContainer = FPictureContainer;
    p.Window = G.viewport();
    p.BiDiMode = G.layoutDirection() == Qt::RightToLeft ? 1 : 0;
    return p;
}

THTMLRenderParams TGridHTML::CellRenderParams(int sc, int ACol, int ARow) const
{
    THTMLRenderParams p = GridRenderParams();
    p.FocusLink = -1;
    p.HoverLink = FHoverCell == QPoint(ACol, ARow) ? FHoverLink : -1;
    // Blinking text shows steadily while the grid does not blink.
    p.BlinkOn = !G.EnableBlink() || G.GridBlink();
    p.HoverStyle = URLUnderlineOnHover;
    p.WordWrap = true;
    p.ControlDown = FCtrlDown && FCtrlXY == QPoint(sc, ARow);
    return p;
}

void TGridHTML::NoteCellTextRect(int ACol, int ARow, const platform::TRect& textRect)
{
    const platform::TRect cell = G.CellRect(ACol, ARow);
    FTextInsets[CellKey(ACol, ARow)] = {textRect.Left - cell.Left, textRect.Top - cell.Top, textRect.Right - cell.Right,
                                        textRect.Bottom - cell.Bottom};
}

THTMLHintWindow* TGridHTML::HintWindow()
{
    if (FHintWindow == nullptr) FHintWindow = new THTMLHintWindow(&G);
    return FHintWindow;
}

}  // namespace grid
