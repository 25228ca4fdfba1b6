// The road of one cell onto the screen: its visual properties (colours,
// gradients, font, alignment, word wrap), then the layers of its contents in
// order (fixed-cell faces, row marks, always-visible buttons, background
// picture, text, borders, fixed-cell lines, tree lines, graphic, the user's
// drawing events, the focus rectangle), and the grid's own paint pass around
// the cells (the background outside them, OnPainted, the flat frame).

#include <QEvent>
#include <QPainter>
#include <QTimer>

#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/html/html_colors.h"
#include "controls/grid/string_grid/html/grid_html.h"
#include "controls/grid/string_grid/input/grid_mouse_tracker.h"
#include "controls/grid/paint/grid_draw_utils.h"
#include "controls/grid/text/grid_format.h"
#include "controls/grid/text/grid_number_text.h"
#include "controls/grid/paint/background_paint.h"
#include "controls/grid/paint/cell_faces.h"
#include "controls/grid/paint/cell_text.h"
#include "controls/grid/paint/frame_paint.h"
#include "controls/grid/paint/theme_notifier.h"

namespace grid {

using platform::TCanvas;
using platform::TGridDrawState;
using platform::TRect;

namespace esg_pipeline_detail {

// The kinds whose own colour makes the cell "coloured" (a fixed cell then keeps it).
bool KindTakesOwnColor(TCellType kind) { return kind == ctNone || kind == ctRotated || kind == ctEmpty; }

bool KindIsCheckBox(TCellType kind)
{
    return kind == ctCheckBox || kind == ctTriStateCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox ||
           kind == ctRowCheckBox;
}

// Kinds whose graphic hides the cell text.
bool KindHidesText(TCellType kind)
{
    switch (kind) {
    case ctDataImage: case ctDataCheckBox: case ctVirtCheckBox: case ctRowCheckBox: case ctRotated: case ctRadio:
    case ctProgress: case ctRangeIndicator: case ctXPProgress: case ctRating:
        return true;
    default: return false;
    }
}

void ApplySelectionColors(const TExStringGrid& g, TColor& brush, TColor& colorTo, TColor& mirror, TColor& mirrorTo,
                          platform::TFont& font)
{
    colorTo = g.SelectionColorTo;
    mirror = g.SelectionMirrorColor;
    mirrorTo = g.SelectionMirrorColorTo;
    (void)brush;
    if (g.SelectionTextColor != clNone) font.Color = g.SelectionTextColor;
}

}  // namespace esg_pipeline_detail

// ------------------------------------------------------------ visual properties

void TExStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                        bool Remap, platform::TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                        TColor& AMirrorColorTo, platform::TFont& AFont, TAlignment& HA,
                                        TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    using namespace esg_pipeline_detail;
    const int fc = GridBase::FixedCols(), fr = GridBase::FixedRows();
    const bool normalCell = ACol >= fc && ARow >= fr;
    const bool fixedCell = IsFixed(ACol, ARow) || (AState & platform::gdFixed) || !normalCell;
    // 1.-2. Font and storage column.
    const int sc = Remap ? RealColIndex(ACol) : ACol;
    // (A fixed cell without a colour of its own takes the fixed font, step 7;
    // its own font settings still apply over it.)
    TCellFont font = normalCell && !fixedCell ? Font() : FFixedFont;
    // Printing starts from the print fonts unless it uses the display fonts.
    if (Print && !FPrintSettings.UseDisplayFont)
        font = FromCanvasFont(normalCell && !fixedCell ? FPrintSettings.Font : FPrintSettings.FixedFont);
    // 3.
    ABrush.Style = Qt::SolidPattern;
    ABrush.Color = clNone;
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    // 4. The cell's own properties.
    bool ownColor = false;
    if (const TCellProperties* props = HasCellProperties(sc, ARow) ? CellPropertiesOrNull(sc, ARow) : nullptr) {
        const TCellType kind = GetCellType(sc, ARow);
        if (!KindTakesOwnColor(kind)) {
            ABrush.Color = props->BrushColor();
        } else if (props->BrushColor() != clNone) {
            ABrush.Color = props->BrushColor();
            ownColor = true;
        }
        if (props->FontColor() != clNone) font.Color = props->FontColor();
        if (props->FontStyle() != 0) font.Style = props->FontStyle();
        if (props->FontSize() != 0) font.Size = props->FontSize();
        if (!props->FontName().isEmpty()) font.Name = props->FontName();
        WW = props->WordWrap();
        AColorTo = props->BrushColorTo();
        GD = props->GradientDirection();
    }
    AFont = ToCanvasFont(font);
    // 5.
    if (AState & platform::gdSelected) GD = GradientVertical;
    // 6. Grid colour, bands, fixed colour.
    const bool footerRow = FFixedFooters > 0 && ARow >= RowCount() - FFixedFooters;
    const bool rightFixed = FFixedRightCols > 0 && ACol >= ColCount() - FFixedRightCols;
    if (ABrush.Color == clNone) {
        ABrush.Color = Color();
        if (!normalCell || footerRow || rightFixed)
            ABrush.Color = FixedColor();
        else if (FBands.Active() && (!Print || FBands.Print) && FBands.TotalLength() > 0)
            ABrush.Color = FBands.RowColor(ARow, fr);
    }
    // 7. Fixed cells without a colour of their own.
    if (fixedCell && !ownColor) {
        if (!Print) {
            ABrush.Color = FixedColor();
            AState |= platform::gdFixed;
        }
        if (Look() > glClassic) {
            const paint::TFixedFaceColors& f = FLookColors.Faces;
            ABrush.Color = f.QVRGradientFrom;
            AColorTo = f.QVRGradientTo;
            AMirrorColor = f.QVRGradientMirrorFrom;
            AMirrorColorTo = f.QVRGradientMirrorTo;
        }
    }
    // 8.-9. The colour and gradient events.
    if (Print) GetCellPrintColor(sc, ARow, AState, ABrush, AFont);
    else GetCellColor(sc, ARow, AState, ABrush, AFont);
    if (OnGetCellGradient) {
        TColor c = ABrush.Color;
        OnGetCellGradient(this, ARow, sc, c, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush.Color = c;
    }
    // 10.
    const TColor rememberedBrush = ABrush.Color;
    const TColor rememberedFont = AFont.Color;

    const bool showSel = ShowSel();
    const bool disjunctRows = FMouseActions.DisjunctRowSelect();
    const bool disjunctCols = FMouseActions.DisjunctColSelect();
    // 11. Disjunct row selection.
    if (disjunctRows && !Print && Select && showSel && normalCell && !fixedCell) {
        if (RowSelect(ARow)) {
            AState = platform::gdSelected;
            ABrush.Color = SelectionColor;
            ApplySelectionColors(*this, ABrush.Color, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
            // 16. Rows selected away from the current row are a shade lighter.
            if (ARow != Row() && SelectionColorTo == clNone) ABrush.Color = ScaleColorPercent(ABrush.Color, 7);
        } else {
            AState &= ~platform::gdSelected;
        }
    }
    // 12. Disjunct column selection.
    if (disjunctCols && !Print && Select && showSel && ARow >= fr && !fixedCell) {
        if (ColSelect(sc)) {
            AState |= platform::gdSelected;
            ABrush.Color = SelectionColor;
            ApplySelectionColors(*this, ABrush.Color, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
        } else {
            AState &= ~platform::gdSelected;
        }
    }
    // 13. Plain selection.
    if (Select && !Print && showSel && normalCell && !fixedCell && !disjunctRows && !disjunctCols &&
        (AState & platform::gdSelected)) {
        ABrush.Color = ABrush.Color == Color()
                           ? SelectionColor
                           : paint::SelectionMix(SelectionColor, ABrush.Color, SelectionColorMixer,
                                                 SelectionColorMixerFactor);
        ApplySelectionColors(*this, ABrush.Color, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
    }
    // 14. Disjunct cell selection: the listed cells are selected; the current
    // cell outside the list is not, and gets back its own colours.
    if (FMouseActions.DisjunctCellSelect() && showSel && !Print && Select && normalCell && !fixedCell) {
        if (IsCellSelectedDisjunct(ACol, ARow)) {
            AState |= platform::gdSelected;
            ABrush.Color = SelectionColor;
            ApplySelectionColors(*this, ABrush.Color, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
        } else if (ACol == Col() && ARow == Row()) {
            AState &= ~platform::gdSelected;
            ABrush.Color = rememberedBrush;
            AFont.Color = rememberedFont;
        }
    }
    // 15. Disabled rows and a disabled grid.
    if (UseDisabledFont && ((FUseEnabledRows && !RowEnabled(ARow)) || !isEnabled())) AFont.Color = DisabledFontColor;
    // 17. Word wrap and alignment.
    GetCellWordWrap(sc, ARow, WW);
    GetCellAlignment(sc, ARow, HA, VA);
}

void TExStringGrid::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, platform::TFont& AFont,
                                      platform::TBrush& ABrush, bool)
{
    bool fixed = false;
    IsFixedCell(ACol, ARow, fixed);
    fixed = fixed || ACol < GridBase::FixedCols() || ARow < GridBase::FixedRows();
    TCellFont font = fixed ? FFixedFont : Font();
    if (const TCellProperties* props = HasCellProperties(RCol, ARow) ? CellPropertiesOrNull(RCol, ARow) : nullptr) {
        if (props->FontColor() != clNone) font.Color = props->FontColor();
        if (props->FontStyle() != 0) font.Style = props->FontStyle();
        if (props->FontSize() != 0) font.Size = props->FontSize();
        if (!props->FontName().isEmpty()) font.Name = props->FontName();
    }
    AFont = ToCanvasFont(font);
    GetCellColor(RCol, ARow, AState, ABrush, AFont);
}

// ------------------------------------------------------------ formatted text

QString TExStringGrid::GetFormattedCell(int ACol, int ARow)
{
    const QString text = GetCellEx(ACol, ARow);
    if (!OnGetFloatFormat) return text;
    const int kind = NumberTextType(text.trimmed());
    if (kind != NumberTextInteger && kind != NumberTextFloat && kind != NumberTextScientific) return text;
    QString format = FloatFormat;
    bool isFloat = true;
    OnGetFloatFormat(this, ACol, ARow, isFloat, format);
    if (!isFloat || format.isEmpty()) return text;
    try {
        if (format.contains(u'd')) return FormatWithArgs(format, {int64_t(Ints(ACol, ARow))});
        return FormatWithArgs(format, {Floats(ACol, ARow)});
    } catch (...) {
        return text;  // a format that fails leaves the stored text
    }
}

// ------------------------------------------------------------ graphic layout

TCellGraphic* TExStringGrid::GetCellGraphicLayout(int ACol, int ARow, TCellHAlign& HAlign, TCellVAlign& VAlign,
                                                  bool& TextShown, int& Height, int& Width)
{
    HAlign = haLeft;
    VAlign = vaTop;
    TextShown = true;
    Height = 0;
    Width = 0;
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (graphic != nullptr) {
        HAlign = graphic->CellHAlign();
        VAlign = graphic->CellVAlign();
        const TCellType kind = graphic->CellType();
        TextShown = !esg_pipeline_detail::KindHidesText(kind);
        switch (kind) {
        case ctBitmap:
            if (const QPixmap* p = graphic->CellBitmapAs<QPixmap>()) {
                Width = p->width();
                Height = p->height();
            }
            break;
        case ctIcon:
            if (const QIcon* icon = graphic->CellIconObject(); icon != nullptr && !icon->availableSizes().isEmpty()) {
                Width = icon->availableSizes().first().width();
                Height = icon->availableSizes().first().height();
            }
            break;
        case ctImageList: case ctDataImage:
            Width = FDrawServices.ImageWidth;
            Height = FDrawServices.ImageHeight;
            break;
        case ctCheckBox: case ctTriStateCheckBox: case ctDataCheckBox: case ctVirtCheckBox: case ctRowCheckBox:
            Width = Height = FControlLook.CheckSize();
            break;
        case ctPicture: case ctFilePicture: {
            const QPoint size = graphic->GetPictureSize(ColWidths(RealToDisplCol(ACol)), RowHeights(ARow), true);
            Width = size.x();
            Height = size.y();
            break;
        }
        case ctButton: case ctBitButton:
            Width = graphic->CellIndex() & 0xFFFF;
            Height = (graphic->CellIndex() >> 16) & 0xFFFF;
            break;
        case ctProgressPie: Width = Height = 20; break;
        case ctInterface:
            if (const paint::TCellInterface* iface = paint::CellInterfaceOf(*graphic)) {
                Width = iface->Width();
                Height = iface->Height();
            }
            break;
        case ctRadioButton: Width = Height = FControlLook.RadioSize() + 4; break;
        case ctShape: Width = Height = RowHeights(ARow) - 2 * XYOffset.y(); break;
        case ctRating:
            Width = graphic->CellAngle() * 18;
            Height = 16;
            break;
        default: break;
        }
    }
    if (HasNodes() && ACol == 0) {
        const TCellProperties* props = HasCellProperties(0, ARow) ? CellPropertiesOrNull(0, ARow) : nullptr;
        Width = (props != nullptr ? props->NodeLevel() : 0) * 12 + 4;
    }
    return graphic;
}

// ------------------------------------------------------------ fixed-cell state

bool TExStringGrid::FixedFaceLit(int ACol, int ARow) const
{
    bool lit = false;
    switch (HoverFixedCells) {
    case hfAll: lit = true; break;
    case hfFixedRows: lit = ARow < GridBase::FixedRows(); break;
    case hfFixedColumns: lit = ACol < GridBase::FixedCols(); break;
    case hfNone: break;
    }
    if (!lit || IsDesigning()) return false;
    return ACol == FHoverFixedX && ARow == FHoverFixedY;
}

bool TExStringGrid::CanShowFixedDropDown(int ACol)
{
    bool allow = true;
    if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ACol, 0, allow);
    return allow;
}

// ------------------------------------------------------------ the cell's layers

void TExStringGrid::DrawCellContents(TCanvas& canvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    using namespace esg_pipeline_detail;
    // 7. Storage column.
    const int sc = RealColIndex(ACol);
    const int fc = GridBase::FixedCols(), fr = GridBase::FixedRows();
    const bool flat = Flat();
    const TGridLook look = Look();
    TRect r = ARect;
    // 8. The filter row: the column's filter list decides the filter glyph.
    QImage filterGlyph;
    const bool filterGlyphShown = ARow < fr && FilterGlyphOf(sc, ARow, filterGlyph);

    // 10. The cell's own look again (no selection colours) and its graphic.
    bool ww = WordWrap();
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = FDefaultAlignment;
    TVAlignment va = VAlignment;
    TCellGradientDirection gd = GradientVertical;
    TGridDrawState visualState = AState;
    GetVisualProperties(ACol, ARow, visualState, false, false, true, canvas.Brush, colorTo, mirror, mirrorTo,
                        canvas.Font, ha, va, ww, gd);
    TCellHAlign gha = haLeft;
    TCellVAlign gva = vaTop;
    bool textShown = true;
    int gh = 0, gw = 0;
    TCellGraphic* graphic = GetCellGraphicLayout(sc, ARow, gha, gva, textShown, gh, gw);
    const TCellType kind = graphic != nullptr ? graphic->CellType() : ctEmpty;

    // 11. A selected cell without focus and without a selection colour.
    const bool selected = AState & platform::gdSelected;
    const bool focused = AState & platform::gdFocused;
    if (selected && !focused && SelectionColor == clNone) {
        canvas.Brush.Color = clHighlight;
        FillRectColor(canvas, r, clHighlight);
    }
    // 12. Zoom; the colours put back after the text.
    if (ZoomFactor != 0) canvas.Font.setPointSize(std::max(1, canvas.Font.pointSize() + ZoomFactor));
    const TColor savedBrush = canvas.Brush.Color;
    const TColor savedFont = canvas.Font.Color;

    // 13. Fixed or normal for the rest of the road.
    bool fixed = IsFixed(ACol, ARow) || ACol < fc || ARow < fr;
    if (fixed && HoverRow() && ARow == HoverRowIdx() && (HoverRowCells() & hcFixed)) fixed = false;

    paint::TCellObjectEnv env;
    env.ControlLook = &FControlLook;
    env.XYOffset = XYOffset;
    env.ClientWidth = viewport()->width();
    env.Look = look;
    env.Flat = flat;
    env.Tones = FLookColors.Tones;
    env.Color = Color();
    env.FixedColor = FixedColor();
    env.SelectionColor = SelectionColor;
    env.SelectionTextColor = SelectionTextColor;
    env.ShowSelection = ShowSel();

    // 15. Fixed-cell faces of the gradient looks.
    if (fixed && paint::LookHasGradientFace(look)) {
        paint::TFixedFace face;
        face.Lit = FixedFaceLit(ACol, ARow);
        face.Pressed = FMouseDownMove;
        face.DropDownButton = FControlLook.FixedDropDownButton && CanShowFixedDropDown(sc);
        face.DropDownPressed = FDropDownDown;
        face.ActiveHeader = ActiveCellShow() && ((fc > 0 && ACol == fc - 1 && ARow == Row()) ||
                                                 (fr > 0 && ARow == fr - 1 && ACol == Col()));
        face.ActiveCellColor = ActiveCellColor;
        face.ActiveCellColorTo = ActiveCellColorTo;
        face.SortedHeader = SortedHeaderFace(sc, ARow, ACol);
        face.SortColor = FSortSettings.HeaderColor();
        face.SortColorTo = FSortSettings.HeaderColorTo();
        face.SortMirrorColor = FSortSettings.HeaderMirrorColor();
        face.SortMirrorColorTo = FSortSettings.HeaderMirrorColorTo();
        face.Color = canvas.Brush.Color;
        face.ColorTo = colorTo;
        face.MirrorColor = mirror;
        face.MirrorColorTo = mirrorTo;
        paint::DrawFixedCellFace(canvas, r, face, FLookColors.Faces, look, flat);
        canvas.Brush.Color = savedBrush;
    }
    // 16. Row indicator.
    const bool indicator = sc == 0 && ARow == Row() && fc > 0 && !RowIndicator.isNull();
    if (indicator) paint::DrawRowIndicator(canvas, r, RowIndicator, VAlignment);
    // 17. glListView header face.
    if (fixed && look == glListView && !flat) {
        const bool over = ACol == FHoverFixedX && ARow == FHoverFixedY;
        paint::DrawListViewFace(canvas, r, true, over, over && FMouseDownMove);
        canvas.Brush.Color = savedBrush;
    }
    // 18. Modified mark.
    if (ACol == 0 && FShowModified.Enabled && RowModified(ARow))
        paint::DrawModifiedMark(canvas, r, FShowModified.Color());
    // 19.
    if (OnCustomCellBkgDraw) OnCustomCellBkgDraw(this, canvas, sc, ARow, AState, r, false);

    // 20. Always-visible buttons of normal cells.
    const TRect textCell = r;
    TRect cell = r;
    if (!fixed && (FControlLook.DropDownAlwaysVisible() || FControlLook.SpinButtonsAlwaysVisible())) {
        const int buttonLook = paint::CellButtonLook(env);
        bool canEdit = true;
        DoCanEditCell(sc, ARow, canEdit);
        const int state = canEdit ? 0 : 3;
        if (FControlLook.DropDownAlwaysVisible() && HasComboBox(sc, ARow)) {
            DrawComboButton(canvas, TRect(cell.Left - 2, cell.Top - 1, cell.Right + 1, cell.Bottom), FLookColors.Tones,
                            state, buttonLook);
            cell.Right -= 16;
        } else if (FControlLook.SpinButtonsAlwaysVisible() && HasSpinEdit(sc, ARow)) {
            DrawSpinButtons(canvas, cell, FLookColors.Tones, state, buttonLook);
            cell.Right -= 16;
        }
        canvas.Brush.Color = savedBrush;
    }
    // The grid's background picture or gradient, under everything the cell draws itself.
    const bool cellSelected = selected && !fixed;
    const bool admits = FBackGround.Admits(AState & platform::gdFixed);
    if (!FBackGround.Bitmap().isNull() && !CellHasOwnColor(sc, ARow) && admits && !(cellSelected && ShowSel())) {
        const int g = GridLineWidth();
        const TRect area(cell.Left - g + 1, cell.Top - g + 1, cell.Right, cell.Bottom);
        if (FBackGround.Display() == paint::bdTile) {
            int sumX = 0, sumY = 0;
            for (int c = FBackGround.Cells() == paint::bcNormal ? fc : 0; c < ACol; ++c) sumX += ColWidths(c) + g;
            for (int rr = FBackGround.Cells() == paint::bcNormal ? fr : 0; rr < ARow; ++rr) sumY += RowHeights(rr) + g;
            paint::PaintCellBackgroundTiles(canvas, area, FBackGround.Bitmap(),
                                            paint::TileOffset(sumX, FBackGround.Bitmap().width()),
                                            paint::TileOffset(sumY, FBackGround.Bitmap().height()));
        } else {
            // The picture at its fixed place in the client area.
            paint::PaintCellBackgroundBitmap(canvas, area, FBackGround.Bitmap(), FBackGround.Left(), FBackGround.Top());
        }
    } else if ((FBackGround.Display() == paint::bdGradientHorz || FBackGround.Display() == paint::bdGradientVert) &&
               (!CellHasOwnColor(sc, ARow) || KindIsCheckBox(kind) || kind == ctRadio || kind == ctButton ||
                kind == ctRadioButton) &&
               admits && !(ShowSel() && cellSelected)) {
        const int g = GridLineWidth();
        const bool horizontal = FBackGround.Display() == paint::bdGradientHorz;
        const int extent = horizontal ? viewport()->width() : viewport()->height();
        paint::PaintCellBackgroundGradient(canvas, TRect(cell.Left - 1, cell.Top - g, cell.Right, cell.Bottom + g - 1),
                                           FBackGround, extent);
    }
    canvas.Brush.Color = savedBrush;
    // The outline of the selection, carried by the cells along its edges.
    if (SelectionRectangle && !fixed) {
        const platform::TGridRect sel = Selection();
        const int sl = std::min(sel.Left, sel.Right), sr = std::max(sel.Left, sel.Right);
        const int st = std::min(sel.Top, sel.Bottom), sb = std::max(sel.Top, sel.Bottom);
        if (ACol >= sl && ACol <= sr && ARow >= st && ARow <= sb) {
            paint::TSelectionEdges edges;
            edges.Left = ACol == sl;
            edges.Right = ACol == sr;
            edges.Top = ARow == st;
            edges.Bottom = ARow == sb;
            edges.Resizer = SelectionResizer && edges.Right && edges.Bottom;
            paint::DrawSelectionRectangle(canvas, cell, edges, SelectionRectangleColor, GridLineWidth());
        }
    }
    // An interfaced graphic that is drawn under the text.
    paint::TCellInterface* iface =
        graphic != nullptr && kind == ctInterface ? paint::CellInterfaceOf(*graphic) : nullptr;
    const bool ifaceUnder = iface != nullptr && iface->DrawUnderText();
    if (ifaceUnder) iface->Draw(canvas, cell.Inflated(1, 1), sc, ARow, selected);
    // The text, unless the user's drawing replaces it.
    bool textDrawn = (!OnDrawCell && !OnCustomCellDraw) || !NoDefaultDraw;
    if (graphic != nullptr && NoImageAndText) textDrawn = false;
    paint::TCellTextResult measured;
    if (textDrawn) {
        paint::TCellTextParams p;
        p.Text = GetFormattedCell(sc, ARow);
        p.PlainText = GetCellEx(sc, ARow);
        p.EnableHTML = EnableHTML;
        p.Fixed = fixed;
        p.SelectedText = cellSelected;
        p.ShowSelection = ShowSel();
        p.GridEnabled = isEnabled();
        p.GridFocused = IsActiveControl();
        p.HasCheckBox = KindIsCheckBox(kind);
        p.SelectionColor = SelectionStyle() == ssDefault ? SelectionColor : clNone;
        p.SelectionTextColor = SelectionTextColor;
        p.SavedBrushColor = savedBrush;
        p.SavedFontColor = savedFont;
        p.URLColor = URLColor;
        p.URLShow = URLShow;
        p.URLFull = URLFull;
        p.HA = ha;
        p.VA = va;
        p.WW = ww;
        p.Password = CellIsPassword(sc, ARow);
        p.PasswordChar = PasswordChar;
        p.GridLineWidth = GridLineWidth();
        p.FixedColor = FixedColor();
        p.FilterGlyph = filterGlyphShown;
        p.FilterGlyphImage = filterGlyph;
        p.TextShown = textShown;
        p.HasGraphic = graphic != nullptr;
        p.GraphicType = kind;
        GetMarker(sc, ARow, p.MarkerStart, p.MarkerLength);
        p.Room.XYOffset = XYOffset;
        p.Room.GraphicHAlign = gha;
        p.Room.GraphicVAlign = gva;
        p.Room.GraphicWidth = gw;
        p.Room.GraphicHeight = gh;
        p.Room.TextAlign = ha;
        if (HasNodes() && sc == 0 && !IsNode(ARow)) p.Room.RowIndent = GetRowIndent(ARow);
        p.SortIndicatorCell = SortIndicatorCell(sc, ARow, ACol);
        if (p.SortIndicatorCell) {
            p.SortRowCentredShift = true;
            p.SortDrawn = SortIndicatorDrawn(sc);
            p.Sort = SortIndicatorOf(sc);
        }
        p.DrawErrorUnderline = [](TCanvas& c, const QString& text, int length, int start, int lineHeight,
                                  const TRect& rect) { DrawErrorUnderline(c, text, length, start, lineHeight, rect); };
        p.Html = FHTML->CellRenderParams(sc, ACol, ARow);
        p.DrawRichTextCell = [this, sc, ARow](TCanvas& c, const TRect& r) { DrawRichTextCell(sc, ARow, c, r); };
        SetHTMLHighlightColors(HighlightColor, HighlightTextColor);
        measured = paint::DrawCellText(canvas, cell, p, env);
        // Drawn on the grid itself (not a print or drag image): hit tests find it there.
        if (measured.Html && &canvas == Canvas()) FHTML->NoteCellTextRect(ACol, ARow, measured.HtmlRect);
    }
    canvas.Brush.Color = savedBrush;
    canvas.Font.Color = savedFont;

    // 21. Cell borders on the rectangle grown by 1.
    const TRect bordersRect = textCell.Inflated(1, 1);
    if (OnGetCellBorder) {
        TGridPen pen;
        TCellBorders borders = 0;
        GetCellBorder(sc, ARow, pen, borders);
        if (borders != 0) {
            paint::TCellBorderPens pens;
            pens.Left.Color = pens.Top.Color = pens.Right.Color = pens.Bottom.Color = pen.Color;
            pens.Left.Width = pens.Top.Width = pens.Right.Width = pens.Bottom.Width = pen.Width;
            if (OnGetCellBorderProp) OnGetCellBorderProp(this, ARow, sc, pens.Left, pens.Top, pens.Right, pens.Bottom);
            paint::TCellBorderSides sides{bool(borders & cbLeft), bool(borders & cbTop), bool(borders & cbRight),
                                          bool(borders & cbBottom)};
            const platform::TGridOptions o = Options();
            paint::DrawCellBorders(canvas, bordersRect, sides, pens, o & platform::goVertLine, o & platform::goHorzLine,
                                   GridLineWidth());
        }
    }
    // 22.
    if (indicator) r.Left = ARect.Left;
    // 23.-25. Fixed-cell lines of the raised looks.
    const platform::TGridOptions opts = Options();
    if (fixed && !flat && (look == glClassic || look == glQVR || look == glXP || look == glSoft)) {
        TRect lines = ARect;
        paint::DrawFixedCellLines(canvas, lines, look, FixedColor(), opts & platform::goFixedHorzLine,
                                  opts & platform::goFixedVertLine);
    }
    // 26. Right fixed columns of a Flat grid.
    if (flat && look != glClassic && FFixedRightCols > 0 && ACol >= ColCount() - FFixedRightCols)
        paint::DrawFlatRightFixedLines(canvas, ARect, opts & platform::goFixedHorzLine,
                                       opts & platform::goFixedVertLine);
    // 27. Tree lines.
    if (HasNodes() && sc == 0 && ARow >= fr && FCellNode.ShowTree()) {
        paint::TTreeLines tree;
        const TCellProperties* props = HasCellProperties(0, ARow) ? CellPropertiesOrNull(0, ARow) : nullptr;
        tree.Level = props != nullptr ? props->NodeLevel() : 0;
        tree.NodeIndent = FCellNode.NodeIndent();
        tree.TreeColor = FCellNode.TreeColor();
        tree.ShowTreeFull = FCellNode.ShowTreeFull();
        tree.LastRow = ARow == RowCount() - 1;
        const TCellProperties* next =
            !tree.LastRow && HasCellProperties(0, ARow + 1) ? CellPropertiesOrNull(0, ARow + 1) : nullptr;
        tree.NextRowHasLevel = next != nullptr && next->NodeLevel() > 0;
        tree.SpanKind = GetNodeSpanType(ARow);
        paint::DrawTreeLines(canvas, ARect, tree);
    }
    // 28. The graphic, one pixel lower in fixed cells; a node row's mark.
    if (graphic != nullptr && kind == ctNode) {
        DrawNodeRowMark(canvas, textCell, ACol, ARow, AState, savedBrush, env);
    } else if (graphic != nullptr && !ifaceUnder) {
        TRect gr = textCell;
        if (fixed) gr.Top += 1;
        paint::TCellGraphicContext ctx;
        ctx.State = AState;
        ctx.TextAlign = ha;
        ctx.CellVAlign = va;
        ctx.GridVAlign = VAlignment;
        ctx.Width = gw;
        ctx.Height = gh;
        ctx.TextWidth = measured.MeasuredWidth;
        ctx.CellText = GetCellEx(sc, ARow);
        GetCheckTrue(sc, ARow, ctx.CheckTrue);
        DoCanEditCell(sc, ARow, ctx.CanEdit);
        ctx.Hot = FMouse->HoverButton() == QPoint(ACol, ARow);
        ctx.FloatValue = graphic->CellValue();
        ctx.IntValue = int(graphic->CellValue());
        if (kind == ctProgress || kind == ctXPProgress || kind == ctRangeIndicator || kind == ctRating ||
            kind == ctDataImage) {
            // These show the cell's own value; a text that is no number shows 0.
            try {
                ctx.FloatValue = GetCellEx(sc, ARow).trimmed().isEmpty() ? 0.0 : Floats(sc, ARow);
            } catch (const std::exception&) {
                ctx.FloatValue = 0.0;
            }
            ctx.IntValue = int(ctx.FloatValue);
        }
        if (kind == ctImageList || kind == ctDataImage || kind == ctImages) {
            const TGridImageList* images = GetCellImageList();
            FDrawServices.ImageCount = images != nullptr ? images->Count() : 0;
            FDrawServices.ImageWidth = images != nullptr ? images->Width() : 16;
            FDrawServices.ImageHeight = images != nullptr ? images->Height() : 16;
            FDrawServices.Image = [images](int index) { return images != nullptr ? images->Image(index) : QImage(); };
        }
        ctx.Col = sc;
        ctx.Row = ARow;
        paint::TSortIndicator rotatedSort;
        if (kind == ctRotated && SortIndicatorCell(sc, ARow, ACol) && SortIndicatorDrawn(sc)) {
            rotatedSort = SortIndicatorOf(sc);
            ctx.RotatedSort = &rotatedSort;
        }
        paint::DrawCellGraphic(canvas, gr, *graphic, ctx, env, FDrawServices);
        canvas.Brush.Color = savedBrush;
    }
    // 29.-30. The user's drawing.
    if (OnDrawCell) {
        const TRect whole = CellRect(ACol, ARow);
        OnDrawCell(this, sc, ARow,
                   TRect(whole.Left + 1, whole.Top + 1, whole.Right - GridLineWidth(), whole.Bottom - GridLineWidth()),
                   AState);
    }
    if (OnCustomCellDraw) OnCustomCellDraw(this, canvas, sc, ARow, AState, textCell, false);
    // 31. The focus rectangle of the current cell.
    if (!HideFocusRect && !(opts & platform::goRowSelect) && !fixed && IsActiveControl() && Col() >= fc &&
        Row() >= fr) {
        const QPoint base = BaseCell(RealColIndex(Col()), Row());
        if (base.x() == sc && base.y() == ARow) paint::DrawCellFocusRect(canvas, bordersRect, GridLineWidth());
    }
}

bool TExStringGrid::CellHasOwnColor(int ACol, int ARow) const
{
    const TCellProperties* props = HasCellProperties(ACol, ARow) ? CellPropertiesOrNull(ACol, ARow) : nullptr;
    return props != nullptr && props->BrushColor() != clNone;
}

// ------------------------------------------------------------ the paint pass

void TExStringGrid::Paint()
{
    TBaseGrid::Paint();
    TCanvas* canvas = Canvas();
    if (canvas == nullptr) return;
    // While a cell is edited its outline in the grid line colour (the editor covers the inside).
    if (FEditing) {
        TColor pen = GridLineWidth() >= 1 ? GridLineColor() : Color();
        if (!(Options() & (platform::goVertLine | platform::goHorzLine))) pen = Color();
        const TRect cell = CellRect(Col(), Row());
        if (!cell.IsEmpty()) {
            canvas->Brush.Style = Qt::SolidPattern;
            canvas->Brush.Color = pen;
            canvas->FrameRect(cell);
        }
    }
    const bool gradient =
        FBackGround.Display() == paint::bdGradientHorz || FBackGround.Display() == paint::bdGradientVert;
    if (gradient || !FBackGround.Bitmap().isNull()) {
        paint::TEmptyAreaInput in;
        in.Client = TRect(0, 0, viewport()->width(), viewport()->height());
        in.LastColumnCell = GridBase::CellRect(ColCount() - 1, TopRow());
        in.LastRowCell = GridBase::CellRect(LeftCol(), RowCount() - 1);
        in.GridLineWidth = GridLineWidth();
        in.LastColumnInView = !in.LastColumnCell.IsEmpty();
        in.LastRowInView = !in.LastRowCell.IsEmpty();
        in.RowsOverflow = TopRow() + VisibleRowCount() < RowCount();
        in.ColumnsOverflow = LeftCol() + VisibleColCount() < ColCount();
        const std::vector<TRect> areas = paint::EmptyAreaRects(in);
        QPoint origin(0, 0);
        if (FBackGround.Cells() == paint::bcNormal) origin = QPoint(FixedColsWidth(), FixedRowsHeight());
        origin += XYOffset;
        paint::PaintBackgroundOutsideCells(*canvas, areas, in.Client, FBackGround, origin);
    }
    if (OnPainted) OnPainted(this, *canvas);
}

namespace esg_pipeline_detail {

// Paints the flat border over the grid's frame (the window's own paint events,
// not the viewport's) in place of the style's frame, where the look asks for
// it; and follows the office theme when the theme watcher reports a change.
class FlatFramePainter : public QObject {
public:
    explicit FlatFramePainter(TExStringGrid* grid) : QObject(grid), FGrid(grid) { grid->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == FGrid && event->type() == paint::TThemeChangedEvent::EventType) {
            try {
                if (FGrid->AutoThemeAdapt()) FGrid->UpdateOfficeTheme(paint::GetOfficeTheme());
            } catch (...) {
                // A theme that cannot be applied leaves the colours as they are.
            }
            return true;
        }
        if (watched != FGrid) return false;
        if (event->type() == QEvent::Show) {
            if (FGrid->FlatFrameWidthStale()) FGrid->UpdateFrameStyle();
            return false;
        }
        if (event->type() != QEvent::Paint) return false;
        // FitCellsInGrid changed while shown: the frame is set right after
        // this paint (not during it) and the grid repaints.
        if (FGrid->FlatFrameWidthStale()) {
            QTimer::singleShot(0, FGrid, [grid = FGrid] { grid->UpdateFrameStyle(); });
        }
        if (!FGrid->DrawsFlatFrame()) return false;
        try {
            QPainter painter(FGrid);
            TCanvas canvas(painter);
            FGrid->PaintFlatFrame(canvas, FGrid->width(), FGrid->height());
        } catch (...) {
            // A failing frame leaves the frame unpainted, never the program.
        }
        return true;
    }

private:
    TExStringGrid* FGrid;
};

}  // namespace esg_pipeline_detail

void TExStringGrid::InstallFlatFramePainter()
{
    new esg_pipeline_detail::FlatFramePainter(this);  // owned by the grid
    UpdateFrameStyle();
}

namespace {

struct FrameSetting {
    int Style;
    int LineWidth;
};

// The flat border takes two pixels round the cells with FitCellsInGrid (the
// border and the parent's colour outside it), else one.
FrameSetting WantedFrame(bool flatBorder, bool fitCellsInGrid)
{
    if (flatBorder) return {QFrame::Box | QFrame::Plain, fitCellsInGrid ? 2 : 1};
    return {QFrame::StyledPanel | QFrame::Sunken, 1};
}

}  // namespace

bool TExStringGrid::FlatFrameWidthStale() const
{
    // Only a frame the flat border set: a frame the program set itself stays.
    return DrawsFlatFrame() && frameStyle() == (QFrame::Box | QFrame::Plain) &&
           lineWidth() != WantedFrame(true, FitCellsInGrid).LineWidth;
}

void TExStringGrid::UpdateFrameStyle()
{
    const FrameSetting wanted = WantedFrame(DrawsFlatFrame(), FitCellsInGrid);
    if (frameStyle() != wanted.Style) setFrameStyle(wanted.Style);
    if (lineWidth() != wanted.LineWidth) setLineWidth(wanted.LineWidth);
}

bool TExStringGrid::DrawsFlatFrame() const
{
    return paint::DrawsFlatBorder(Look(), FLookColors.BorderSingle, FBorderColor, Flat());
}

void TExStringGrid::PaintFlatFrame(TCanvas& ACanvas, int width, int height)
{
    if (!DrawsFlatFrame()) return;
    TColor parentColor = clNone;
    if (parentWidget() != nullptr) parentColor = ColorFromQColor(parentWidget()->palette().color(QPalette::Window));
    paint::PaintFlatBorder(ACanvas, width, height, FBorderColor, FitCellsInGrid, parentColor, true);
}

// ------------------------------------------------------------ node marks

void TExStringGrid::DrawNodeRowMark(platform::TCanvas& canvas, const platform::TRect& cell, int ACol, int ARow,
                                    platform::TGridDrawState AState, TColor brush, const paint::TCellObjectEnv& env)
{
    const TCellGraphic* graphic = GetGraphicObjectEx(0, ARow);
    if (graphic == nullptr) return;
    paint::TNodeLook look;
    look.NodeType = FCellNode.NodeType();
    look.NodeIndent = FCellNode.NodeIndent();
    look.Color = FCellNode.Color;
    look.NodeColor = FCellNode.NodeColor;
    look.ShowTree = FCellNode.ShowTree();
    look.TreeColor = FCellNode.TreeColor();
    look.ExpandGlyph = FCellNode.ExpandGlyph;
    look.ContractGlyph = FCellNode.ContractGlyph;
    paint::TNodeRow row;
    row.Level = GetNodeLevel(ARow);
    row.NormalRow = ARow >= GridBase::FixedRows();
    row.Contracted = graphic->CellBoolean();
    row.HasNextRow = ARow + 1 < RowCount();
    row.NextIndent = row.HasNextRow ? GetRowIndent(ARow + 1) : 0;
    row.PreviousIndent = ARow > 0 ? GetRowIndent(ARow - 1) : -1;
    const TGridLook gridLook = Look();
    row.FixedColumnFaced = ACol < GridBase::FixedCols() && !Flat() &&
                           (gridLook == glSoft || gridLook == glQVR || gridLook == glXP || gridLook == glListView);
    row.Background = brush != clNone ? brush : (GridBase::FixedCols() > 0 ? FixedColor() : Color());
    const bool disjunct = FMouseActions.DisjunctRowSelect();
    row.UseSelectionColor =
        ShowSelection() && (((AState & platform::gdSelected) && !disjunct) ||
                          (disjunct && RowSelect(ARow) && (Options() & platform::goRowSelect) &&
                           ACol >= GridBase::FixedCols()));
    paint::DrawNodeMark(canvas, cell, look, row, env);
}

}  // namespace grid
