// The look of a cell and the drawing of its text: what the base grid's cell
// painting asks of the string grid. Mini-HTML, rich text, cell graphics and
// the themed looks are drawn by the painting service on top of this.

#include "controls/grid/ex_string_grid.h"

namespace grid {

void TExStringGrid::Paint()
{
    TBaseGrid::Paint();
    if (OnPainted && Canvas() != nullptr) OnPainted(this, *Canvas());
}

void TExStringGrid::SetLook(TGridLook value)
{
    FLook = value;
    QVRGradientMirrorFrom = clNone;
    QVRGradientMirrorTo = clNone;
    switch (value) {
    case glXP:
    case glQVR:
    case glListView:
        SetSelectionStyle(ssDefault);
        SelectionColor = 0x00EACAB6;
        SelectionTextColor = clWindowText;
        SetGridFixedLineColor(clGray);
        break;
    case glVista: SetSelectionStyle(ssVista); SelectionTextColor = clWindowText; break;
    case glWin7: SetSelectionStyle(ssWin7); SelectionTextColor = clWindowText; break;
    case glOffice2007: SetSelectionStyle(ssOffice2007); SelectionTextColor = clWindowText; break;
    default:
        SetSelectionStyle(ssDefault);
        SelectionColor = clHighlight;
        SelectionTextColor = clHighlightText;
        break;
    }
    FBorderColor = value == glStandard || value == glSoft || value == glClassic ? clGray : 0x00B99D7F;
    RepaintGrid();
}

void TExStringGrid::SetFixedFont(const TCellFont& value)
{
    FFixedFont = value;
    RepaintGrid();
}

void TExStringGrid::SetActiveCellFont(const TCellFont& value)
{
    FActiveCellFont = value;
    RepaintGrid();
}

void TExStringGrid::SetActiveCellShow(bool value)
{
    if (value == FActiveCellShow) return;
    FActiveCellShow = value;
    RepaintGrid();
}

void TExStringGrid::SetShowSelection(bool value)
{
    SetShowSel(value);
    RepaintGrid();
}

void TExStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA)
{
    HA = FDefaultAlignment;
    VA = vtaTop;
    if (const TCellProperties* props = HasCellProperties(ACol, ARow) ? CellPropertiesOrNull(ACol, ARow) : nullptr) {
        HA = props->Alignment();
        VA = props->VAlignment();
    }
    GetAlignment(ACol, ARow, HA, VA);
}

void TExStringGrid::GetVisualProperties(int ACol, int ARow, platform::TGridDrawState& AState, bool Print, bool Select,
                                        bool, platform::TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                        TColor& AMirrorColorTo, platform::TFont& AFont, TAlignment& HA,
                                        TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    const int sc = RealColIndex(ACol);
    const bool fixed = (AState & platform::gdFixed) || IsFixed(ACol, ARow);
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    AFont = ToCanvasFont(fixed ? FFixedFont : Font());
    const TCellProperties* props = HasCellProperties(sc, ARow) ? CellPropertiesOrNull(sc, ARow) : nullptr;

    // The brush: the cell's own colour, else bands, the grid or the fixed colour.
    ABrush.Style = Qt::SolidPattern;
    if (props != nullptr && props->BrushColor() != clNone) {
        ABrush.Color = props->BrushColor();
        AColorTo = props->BrushColorTo();
    } else if (!fixed && FBands.Active() && (!Print || FBands.Print)) {
        ABrush.Color = FBands.RowColor(ARow, GridBase::FixedRows());
    } else if (fixed) {
        ABrush.Color = FixedColor();
        if (FLook > glClassic && FLook != glCustom) {
            ABrush.Color = QVRGradientFrom;
            AColorTo = QVRGradientTo;
            AMirrorColor = QVRGradientMirrorFrom;
            AMirrorColorTo = QVRGradientMirrorTo;
        }
    } else {
        ABrush.Color = Color();
    }
    if (props != nullptr) GD = props->GradientDirection();

    // The selection.
    const bool selected = !fixed && Select && (AState & platform::gdSelected) && ShowSel();
    if (selected && SelectionStyle() == ssDefault) {
        ABrush.Color = SelectionColor;
        AColorTo = SelectionColorTo;
        AMirrorColor = SelectionMirrorColor;
        AMirrorColorTo = SelectionMirrorColorTo;
        AFont.Color = SelectionTextColor;
    }
    if (!fixed && !RowEnabled(ARow) && UseDisabledFont) AFont.Color = DisabledFontColor;

    if (Print) GetCellPrintColor(sc, ARow, AState, ABrush, AFont);
    else GetCellColor(sc, ARow, AState, ABrush, AFont);
    if (selected && SelectionStyle() == ssDefault) AFont.Color = SelectionTextColor;

    GetCellAlignment(sc, ARow, HA, VA);
    WW = props != nullptr ? props->WordWrap() : WordWrap();
    GetCellWordWrap(sc, ARow, WW);
}

void TExStringGrid::DrawCellContents(platform::TCanvas& ACanvas, int ACol, int ARow, const platform::TRect& ARect,
                                     platform::TGridDrawState AState)
{
    const int sc = RealColIndex(ACol);
    TAlignment ha = FDefaultAlignment;
    TVAlignment va = vtaTop;
    bool ww = WordWrap();
    GetCellAlignment(sc, ARow, ha, va);
    if (const TCellProperties* props = HasCellProperties(sc, ARow) ? CellPropertiesOrNull(sc, ARow) : nullptr)
        ww = props->WordWrap();
    GetCellWordWrap(sc, ARow, ww);
    QString text = GetCellEx(sc, ARow);
    if (CellIsPassword(sc, ARow)) text.fill(u'*');
    if (text.isEmpty()) return;

    const bool multiLine = text.contains(u'\r') || text.contains(u'\n');
    unsigned flags = platform::DT_NOPREFIX | platform::DT_END_ELLIPSIS;
    flags |= ha == taCenter ? platform::DT_CENTER : ha == taRightJustify ? platform::DT_RIGHT : platform::DT_LEFT;
    if (ww || multiLine) {
        flags |= platform::DT_WORDBREAK;
        if (va == vtaCenter) flags |= platform::DT_VCENTER;
        else if (va == vtaBottom) flags |= platform::DT_BOTTOM;
    } else {
        flags |= platform::DT_SINGLELINE;
        flags |= va == vtaBottom ? platform::DT_BOTTOM : platform::DT_VCENTER;
    }
    if (AState & platform::gdFixed) flags |= platform::DT_VCENTER;
    platform::TRect r(ARect.Left + XYOffset.x(), ARect.Top + (ww || multiLine ? XYOffset.y() : 0),
                      ARect.Right - XYOffset.x(), ARect.Bottom - (ww || multiLine ? XYOffset.y() : 0));
    ACanvas.Brush.Style = Qt::NoBrush;
    ACanvas.DrawText(text, r, flags);
    ACanvas.Brush.Style = Qt::SolidPattern;
}

}  // namespace grid
