#include "controls/grid/paint/cell_objects.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QPainter>

#include "controls/grid/paint/grid_draw_utils.h"
#include "controls/grid/paint/grid_resources.h"
#include "controls/grid/paint/pen_line.h"
#include "platform/theme_painter.h"

namespace grid::paint {

using namespace platform;

namespace cell_objects_detail {

// Draws a picture with its corner colour left out.
void drawTransparent(TCanvas& canvas, int x, int y, const QImage& image)
{
    if (!image.isNull()) canvas.DrawTransparent(x, y, image);
}

// A rectangle mirrored for a right-to-left grid.
TRect mirrored(const TRect& r, const TCellObjectEnv& env)
{
    if (!env.RightToLeft) return r;
    if (env.NoRTLOrientation) return TRect(r.Left, r.Top, r.Right + env.XYOffset.x(), r.Bottom);
    return TRect(env.ClientWidth - r.Right, r.Top, env.ClientWidth - r.Left, r.Bottom);
}

bool isCheckKind(TCellType t)
{
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox ||
           t == ctRadioButton || t == ctTriStateCheckBox;
}

bool checkKindShowsText(TCellType t) { return t == ctCheckBox || t == ctRadioButton || t == ctTriStateCheckBox; }

}  // namespace cell_objects_detail

// ------------------------------------------------------------- placement

TRect GraphicArea(const TRect& cell, QPoint xyOffset)
{
    const int dx = xyOffset.x() - 1, dy = xyOffset.y() - 1;
    return TRect(cell.Left + dx, cell.Top + dy, cell.Right - dx, cell.Bottom - dy);
}

TRect PlaceGraphic(const TRect& area, TCellHAlign ha, TCellVAlign va, int W, int H, int T, TAlignment textAlign)
{
    const int L = area.Left, R = area.Right, width = area.Width(), height = area.Height();
    TRect box;
    switch (ha) {
    case haLeft: box.Left = L + 1; break;
    case haRight: box.Left = R - W - 1; break;
    case haCenter: box.Left = W < width ? L + (width - W) / 2 : L + 1; break;
    case haBeforeText:
        box.Left = textAlign == taLeftJustify ? L + 1 : textAlign == taRightJustify ? R - T - W : L + (width - T - W) / 2;
        box.Left = std::max(box.Left, L + 1);
        break;
    case haAfterText:
        box.Left = textAlign == taLeftJustify ? L + T : textAlign == taRightJustify ? R - W - 1
                                                                                      : T + L + (width - T - W) / 2;
        box.Left = std::max(box.Left, L + 1);
        break;
    case haFull: box.Left = L; break;
    }
    box.Right = ha == haFull ? R : box.Left + W;
    switch (va) {
    case vaTop:
    case vaAboveText: box.Top = area.Top + 1; box.Bottom = box.Top + H; break;
    case vaBottom: box.Top = area.Bottom - H - 1; box.Bottom = box.Top + H; break;
    case vaCenter:
        box.Top = H < height ? area.Top + (height - H) / 2 : area.Top + 1;
        box.Bottom = box.Top + H;
        break;
    case vaUnderText: box.Top = area.Bottom - H; box.Bottom = area.Bottom; break;
    case vaFull: box.Top = area.Top; box.Bottom = area.Bottom; break;
    }
    return box;
}

int CheckBoxLeft(const TRect& area, TAlignment textAlign, int W, int T, bool showsText)
{
    const int L = area.Left, R = area.Right;
    int left = L + 1;
    switch (textAlign) {
    case taLeftJustify: left = L + 1; break;
    case taRightJustify: left = (showsText ? R - T : R) - W - 1; break;
    case taCenter:
        if (showsText && T > 0)
            left = L + std::max(0, R - T - L) / 2 - W;
        else
            left = L + std::max(0, R - W - L) / 2;
        break;
    }
    return std::max(left, L + 1);
}

TCellVAlign CheckBoxVAlign(TCellVAlign graphicAlign, TVAlignment cellAlign, TVAlignment gridAlign)
{
    if (cellAlign == gridAlign) return graphicAlign;
    switch (cellAlign) {
    case vtaTop: return vaTop;
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    }
    return graphicAlign;
}

// ------------------------------------------------------ check boxes, radios

void DrawCheckBox(TCanvas& canvas, const TRect& rect, bool checked, TCheckBoxState state, bool triState,
                  TControlStyle style, bool grayed, bool enabled, const TCellObjectEnv& env)
{
    using namespace cell_objects_detail;
    const TControlLook& cl = *env.ControlLook;
    if (cl.NoDisabledCheckRadioLook() || cl.CheckAlwaysActive) enabled = true;
    if (style == csTheme && !env.ThemesAvailable) style = csClassic;
    if (triState) {
        checked = state == cbChecked;
        grayed = state == cbGrayed;
    }
    const int size = cl.CheckSize();
    switch (style) {
    case csClassic:
    case csFlat: {
        TRect r = mirrored(rect, env);
        TRect box(r.Left + (r.Width() - size) / 2, r.Top + (r.Height() - size) / 2, 0, 0);
        box.Right = box.Left + size;
        box.Bottom = box.Top + size;
        unsigned flags = DFCS_BUTTONCHECK;
        if (checked || grayed) flags |= DFCS_CHECKED;
        if (grayed) flags |= DFCS_BUTTON3STATE;
        if (style == csFlat) flags |= DFCS_FLAT;
        if (!enabled) flags |= DFCS_INACTIVE;
        canvas.DrawFrameControl(box, DFC_BUTTON, flags);
        break;
    }
    case csWinXP:
    case csQVR: {
        // A grayed box shows the checked picture of the disabled state.
        const bool on = checked || grayed;
        const bool active = enabled && !grayed;
        static const char* const xp[] = {"ESGCHK06", "ESGCHK05", "ESGCHK08", "ESGCHK07"};
        static const char* const qvr[] = {"ESGCHK02", "ESGCHK01", "ESGCHK04", "ESGCHK03"};
        const int index = (active ? 0 : 2) + (on ? 1 : 0);
        drawTransparent(canvas, rect.Left, rect.Top,
                        GridResourceBitmap(QString::fromLatin1(style == csWinXP ? xp[index] : qvr[index])));
        break;
    }
    case csPelmora: {
        const int left = rect.Left, top = rect.Top, right = left + size, boxBottom = top + size;
        canvas.Brush.Color = enabled ? clBtnFace : clBtnShadow;
        canvas.Brush.Style = Qt::SolidPattern;
        canvas.Pen.Color = clBtnFace;
        canvas.Rectangle(left, top, right, boxBottom);
        PenLine(canvas, left, boxBottom - 1, left, top, clBtnHighlight);
        canvas.LineTo(right - 1, top);
        PenLine(canvas, right - 1, top, right - 1, boxBottom - 1, clBtnShadow);
        canvas.LineTo(left, boxBottom - 1);
        if (checked || grayed) {
            const int bottom = boxBottom - 1;
            const TColor tick = enabled && !grayed ? cl.Color() : TColor(0x808080);
            PenLine(canvas, left + 2, top + size / 2, left + 2, bottom - 1, tick);
            PenLine(canvas, left + 3, top - 1 + size / 2, left + 3, bottom - 2, tick);
            PenLine(canvas, left + 2, bottom - 1, right - 2, top + 2, tick);
            PenLine(canvas, left + 3, bottom - 1, right - 1, top + 2, tick);
        }
        break;
    }
    case csGlyph: drawTransparent(canvas, rect.Left, rect.Top, checked || grayed ? cl.CheckedGlyph() : cl.UnCheckedGlyph()); break;
    case csTheme: {
        TThemeState s = enabled ? tsNormal : tsDisabled;
        if (grayed) s |= tsMixed;
        else if (checked) s |= tsChecked;
        ThemePainter::Draw(canvas.Painter(), TThemePart::CheckBox,
                           TRect(rect.Left, rect.Top, rect.Left + size, rect.Top + size), s);
        break;
    }
    }
}

namespace cell_objects_detail {

void drawRadioButton(TCanvas& canvas, int left, int top, int classicSize, bool checked, bool disabled,
                     TControlStyle style, const TCellObjectEnv& env)
{
    const TControlLook& cl = *env.ControlLook;
    switch (style) {
    case csClassic:
    case csFlat: {
        unsigned flags = DFCS_BUTTONRADIO;
        if (checked) flags |= DFCS_CHECKED;
        if (style == csFlat) flags |= DFCS_FLAT;
        if (disabled) flags |= DFCS_INACTIVE;
        canvas.DrawFrameControl(TRect(left, top, left + classicSize, top + classicSize), DFC_BUTTON, flags);
        break;
    }
    case csPelmora: {
        const TBrush saved = canvas.Brush;
        canvas.Brush.Color = clBtnFace;
        canvas.Brush.Style = Qt::SolidPattern;
        canvas.Pen.Color = clBtnFace;
        canvas.Polygon({{left + 2, top + 8}, {left + 8, top + 2}, {left + 14, top + 8}, {left + 8, top + 14}});
        const TColor upper = checked ? TColor(0x808080) : clWhite;
        const TColor lower = checked ? clWhite : TColor(0x808080);
        PenLine(canvas, left + 2, top + 8, left + 8, top + 2, upper);
        canvas.LineTo(left + 14, top + 8);
        PenLine(canvas, left + 14, top + 8, left + 8, top + 14, lower);
        canvas.LineTo(left + 2, top + 8);
        if (checked) {
            canvas.Brush.Color = cl.Color();
            canvas.Pen.Color = cl.Color();
            canvas.Polygon({{left + 6, top + 8}, {left + 8, top + 6}, {left + 10, top + 8}, {left + 8, top + 10}});
        }
        canvas.Brush = saved;
        break;
    }
    case csTheme: {
        TThemeState s = disabled ? tsDisabled : tsNormal;
        if (checked) s |= tsChecked;
        ThemePainter::Draw(canvas.Painter(), TThemePart::Radio, TRect(left, top, left + 16, top + 16), s);
        break;
    }
    case csWinXP:
    case csQVR: {
        static const char* const xp[] = {"ESGRAD06", "ESGRAD05", "ESGRAD08", "ESGRAD07"};
        static const char* const qvr[] = {"ESGRAD02", "ESGRAD01", "ESGRAD04", "ESGRAD03"};
        const int index = (disabled ? 2 : 0) + (checked ? 1 : 0);
        drawTransparent(canvas, left, top,
                        GridResourceBitmap(QString::fromLatin1(style == csWinXP ? xp[index] : qvr[index])));
        break;
    }
    case csGlyph: drawTransparent(canvas, left, top, checked ? cl.RadioOnGlyph() : cl.RadioOffGlyph()); break;
    }
}

}  // namespace cell_objects_detail

void DrawRadioGroup(TCanvas& canvas, const TRect& rect, const TRadioGroup& group, const TCellObjectEnv& env)
{
    using namespace cell_objects_detail;
    const TControlLook& cl = *env.ControlLook;
    bool disabled = group.Disabled;
    if (cl.NoDisabledCheckRadioLook() || cl.RadioAlwaysActive) disabled = false;
    TControlStyle style = group.Style;
    if (style == csTheme && !env.ThemesAvailable) style = csClassic;
    if (group.Count < 1) return;
    const Qt::BrushStyle savedBrush = canvas.Brush.Style;
    const TColor savedFont = canvas.Font.Color;
    canvas.Brush.Style = Qt::NoBrush;  // transparent captions
    if (group.Selected && env.ShowSelection) canvas.Font.Color = env.SelectionTextColor;
    const int d = group.Reverse ? -1 : 1;
    const bool classic = style == csClassic || style == csFlat;
    const bool bitmaps = style == csWinXP || style == csQVR || style == csGlyph;
    const int radio = cl.RadioSize();
    const int classicSize = int(std::lround((radio + (style == csFlat ? 2 : 0)) * group.Scale));
    int x0 = 0;
    for (int i = 1; i <= group.Count; ++i) {
        const bool hasItem = group.Items != nullptr && i - 1 < group.Items->size();
        const QString caption = hasItem ? group.Items->at(i - 1) : QString();
        // An item without a caption is never checked by the cell text.
        const bool checked = i == group.Index + 1 || (group.Index == -1 && hasItem && caption == group.CellText);
        int left, top;
        QPoint captionAt;
        if (classic) {
            if (group.Horizontal) {
                left = (i - 1) * radio + x0 + rect.Left + 2;
                top = rect.Top + (rect.Height() - radio) / 2;
                captionAt = QPoint(left + int(std::lround(group.Scale * radio)), top - 2);
            } else {
                const int h = canvas.TextHeight(QStringLiteral("gh"));
                top = rect.Top + h * (i - 1) * d + 2;
                left = hasItem ? rect.Left + 2 : rect.Left + (rect.Width() - classicSize) / 2;
                captionAt = QPoint(left + int(std::lround(group.Scale * (radio + 4))), top - 2);
            }
        } else {
            if (group.Horizontal) {
                left = x0 + rect.Left + i * 16 - 14;
                top = rect.Top + (rect.Height() - 16) / 2;
                captionAt = QPoint(left + 16, bitmaps ? top + 1 : top - 2);
            } else {
                const int h = std::max(16, canvas.TextHeight(QStringLiteral("gh")));
                top = rect.Top + h * (i - 1) * d + 2;
                left = hasItem ? rect.Left + 2 : rect.Left + (rect.Width() - 16) / 2;
                captionAt = bitmaps ? QPoint(rect.Left + 18, top + 1) : QPoint(rect.Left + 20, top - 2);
            }
        }
        drawRadioButton(canvas, left, top, classicSize, checked, disabled, style, env);
        if (hasItem) {
            canvas.TextOut(captionAt.x(), captionAt.y(), caption);
            if (group.Horizontal) x0 += canvas.TextWidth(caption);
        }
    }
    canvas.Brush.Style = savedBrush;
    canvas.Font.Color = savedFont;
}

// ------------------------------------------------------------- progress

grid::TProgressBarLook ProgressBarLookOf(const TCellGraphic& g, const TControlLook& cl)
{
    grid::TProgressBarLook look;
    look.DoneColor = g.CellBitmapColor();
    look.RemainingColor = g.CellIconColor();
    look.BorderColor = cl.ProgressBorderColor;
    look.MarginX = cl.ProgressMarginX();
    look.MarginY = cl.ProgressMarginY();
    look.DoneTextColor = g.CellBoolean() ? TColor(g.CellIndex()) : (ColorToRGB(look.DoneColor) ^ 0xFFFFFFu);
    look.RemainingTextColor = g.CellBoolean() ? TColor(g.CellAngle()) : (ColorToRGB(look.RemainingColor) ^ 0xFFFFFFu);
    return look;
}

int XPProgressPercent(int value, int minimum, int maximum)
{
    if (maximum == minimum) return value <= minimum ? 0 : 100;
    const double share = (double(value) - minimum) * 100.0 / (double(maximum) - minimum);
    return int(std::clamp<long>(std::lround(share), 0, 100));
}

int ThemedProgressPerMille(double value)
{
    if (std::isnan(value)) return 0;
    return int(std::lround(std::clamp(value, 0.0, 100.0) * 10.0));
}

// ---------------------------------------------------------------- rating

std::vector<TStarFill> RatingStars(double value, int count)
{
    std::vector<TStarFill> stars;
    if (count < 1 || std::isnan(value)) return stars;
    const double v = std::trunc(2 * value) / 2;
    for (int i = 0; i < count; ++i) {
        if (i + 1 > v)
            stars.push_back(i < v && v < i + 1 ? sfHalf : sfEmpty);
        else
            stars.push_back(sfFull);
    }
    return stars;
}

// ----------------------------------------------------------- node marks

void DrawNodeMark(TCanvas& canvas, const TRect& cell, const TNodeLook& look, const TNodeRow& row,
                  const TCellObjectEnv& env)
{
    using namespace cell_objects_detail;
    const int indent = row.Level * look.NodeIndent;
    TRect r = cell;
    r.Left = cell.Left + indent - look.NodeIndent;
    if (look.ShowTree && row.NormalRow) {
        const int x = r.Left + look.NodeIndent / 2 + 2;
        const int mid = r.Top + r.Height() / 2;
        if (row.HasNextRow && row.NextIndent > 0 && !(row.Contracted && row.NextIndent < indent))
            PenLine(canvas, x, mid, x, r.Bottom, look.TreeColor);
        if (row.PreviousIndent >= indent) PenLine(canvas, x, r.Top, x, r.Top + 6, look.TreeColor);
        if (row.FixedColumnFaced) r.Left += 1;
    }
    r.Left = cell.Left + indent - look.NodeIndent / 2 - 4 + (r.Left - (cell.Left + indent - look.NodeIndent));
    TColor background = row.Background;
    if (background == clNone) background = env.FixedColor;
    if (row.UseSelectionColor) background = env.SelectionColor;
    const int height = r.Height();
    auto glyph = [&](const QImage& image, int dx, int dy) {
        grid::DrawBitmapTransparent(canvas, image, background,
                                    TRect(r.Left + dx, r.Top + dy, r.Left + dx + image.width(), r.Top + dy + image.height()));
    };
    switch (look.NodeType) {
    case cnLeaf:
        glyph(GridResourceBitmap(row.Contracted ? QStringLiteral("ESGLEAFCLOSE") : QStringLiteral("ESGLEAFOPEN")), 0,
              (height - 12) / 2);
        return;
    case cnXP:
        glyph(GridResourceBitmap(row.Contracted ? QStringLiteral("XPNODEC") : QStringLiteral("XPNODEO")), 4,
              (height - 10) / 2);
        return;
    case cnGlyph:
        if (!look.ExpandGlyph.isNull() && !look.ContractGlyph.isNull()) {
            const QImage& image = row.Contracted ? look.ContractGlyph : look.ExpandGlyph;
            glyph(image, 0, (height - image.height()) / 2);
            return;
        }
        break;
    default: break;
    }
    const int left = r.Left + 4, top = r.Top + std::max(0, height - 8) / 2;
    canvas.Brush.Color = look.Color;
    canvas.Brush.Style = Qt::SolidPattern;
    if (look.NodeType == cnFlat || look.NodeType == cnGlyph) {
        canvas.Pen.Color = look.NodeColor;
        canvas.Pen.Width = 1;
        canvas.Rectangle(left, top, left + 9, top + 9);
        PenLine(canvas, left + 2, top + 4, left + 7, top + 4, look.NodeColor);
        if (row.Contracted) PenLine(canvas, left + 4, top + 2, left + 4, top + 7, look.NodeColor);
    } else {
        // cn3D: the box in the node colour with a soft 3-D edge, raised when contracted.
        TRect box(left, top, left + 9, top + 9);
        canvas.FillRect(box);
        canvas.DrawEdge(box, row.Contracted ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT | BF_SOFT);
    }
}

// -------------------------------------------------------- comment, sort, filter

void DrawCommentMark(TCanvas& canvas, const TRect& cell, TColor ownColor, bool useOwnColor, const TCellObjectEnv& env)
{
    const TColor commentColor = env.ControlLook->CommentColor();
    if (commentColor == clNone) return;
    const TColor color = useOwnColor ? ownColor : commentColor;
    const int R = cell.Right + env.XYOffset.x(), T = cell.Top - env.XYOffset.y();
    canvas.Pen.Color = color;
    canvas.Pen.Width = 1;
    canvas.Brush.Color = color;
    canvas.Brush.Style = Qt::SolidPattern;
    canvas.Polygon({{R - 8, T + 1}, {R - 3, T + 1}, {R - 3, T + 6}});
    canvas.Brush.Color = env.Color;
}

void DrawSortIndicator(TCanvas& canvas, int X, int Y, const TSortIndicator& sort, const TCellObjectEnv& env)
{
    using namespace cell_objects_detail;
    if (env.RightToLeft) {
        const QImage& up = sort.IndexShow ? sort.IndexUpGlyph : sort.UpGlyph;
        X = env.ClientWidth - X - 4 - (up.isNull() ? 7 : up.width() + 7);
    }
    canvas.Pen.Width = 1;
    canvas.Pen.Style = Qt::SolidLine;
    if (sort.IndexShow && sort.IndexPosition >= 0) {
        canvas.Brush.Color = sort.IndexColor;
        canvas.Brush.Style = Qt::SolidPattern;
        canvas.Pen.Color = clBlack;
        const bool glyphs = !sort.IndexUpGlyph.isNull() && !sort.IndexDownGlyph.isNull();
        const QString number = QString::number(sort.IndexPosition + 1);
        if (sort.Descending) {
            if (glyphs) drawTransparent(canvas, X - 7, Y - 7, sort.IndexUpGlyph);
            else canvas.Polygon({{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
        } else {
            if (glyphs) drawTransparent(canvas, X - 7, Y - 7, sort.IndexDownGlyph);
            else canvas.Polygon({{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
        }
        const TFont savedFont = canvas.Font;
        const Qt::BrushStyle savedBrush = canvas.Brush.Style;
        canvas.Font.Color = clBlack;
        canvas.Font.setPointSize(6);
        canvas.Brush.Style = Qt::NoBrush;
        canvas.TextOut(X - 2, sort.Descending ? Y - 4 : Y - 2, number);
        canvas.Font = savedFont;
        canvas.Brush.Style = savedBrush;
        return;
    }
    if (sort.UpGlyph.isNull() || sort.DownGlyph.isNull()) {
        if (sort.Descending) {
            PenLine(canvas, X + 4, Y - 4, X, Y + 4, clWhite);
            PenLine(canvas, X, Y + 4, X - 4, Y - 4, 0x808080);
            canvas.LineTo(X + 4, Y - 4);
        } else {
            PenLine(canvas, X - 4, Y + 4, X + 4, Y + 4, clWhite);
            canvas.LineTo(X, Y - 4);
            PenLine(canvas, X, Y - 4, X - 4, Y + 4, 0x808080);
        }
        canvas.Pen.Color = clBlack;
    } else {
        drawTransparent(canvas, X - 4, Y - 4, sort.Descending ? sort.DownGlyph : sort.UpGlyph);
        canvas.Brush.Color = env.FixedColor;
    }
}

void DrawFilterGlyph(TCanvas& canvas, const TRect& cell, const QImage& glyph, TColor fixedColor)
{
    const TRect box(cell.Right - 16, cell.Top, cell.Right, cell.Top + 16);
    if (!glyph.isNull()) {
        canvas.DrawTransparent(box.Left, box.Top, glyph);
        return;
    }
    grid::DrawBitmapTransparent(canvas, GridResourceBitmap(QStringLiteral("ESGFILT")), fixedColor, box);
}

// --------------------------------------------------------------- borders

void DrawCellBorders(TCanvas& canvas, const TRect& rect, const TCellBorderSides& sides, const TCellBorderPens& pens,
                     bool vertLines, bool horzLines, int gridLineWidth)
{
    const TPen saved = canvas.Pen;
    TRect r = rect;
    auto half = [](const TPen& p) { return (p.Width + 1) / 2; };
    const int hv = half(pens.Top);  // the vertical half
    if (vertLines) {
        r.Left += half(pens.Left);
        r.Right -= half(pens.Right);
    }
    if (horzLines) {
        r.Top += hv;
        r.Bottom -= half(pens.Bottom);
    }
    const int h = horzLines ? hv : 0;
    auto draw = [&](const TPen& pen, int x1, int y1, int x2, int y2) {
        canvas.Pen = pen;
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    if (sides.Left) draw(pens.Left, std::max(0, r.Left), r.Top - h, std::max(0, r.Left), r.Bottom);
    if (sides.Right) draw(pens.Right, r.Right - 1, r.Top - h, r.Right - 1, r.Bottom);
    if (sides.Top) {
        const int y = gridLineWidth == 0 ? r.Top + 1 : std::max(0, r.Top - gridLineWidth);
        draw(pens.Top, r.Left, y, r.Right, y);
    }
    if (sides.Bottom) draw(pens.Bottom, r.Left - 1 - gridLineWidth, r.Bottom - 1, r.Right, r.Bottom - 1);
    canvas.Pen = saved;
}

// ---------------------------------------------------------------- buttons

int CellButtonLook(const TCellObjectEnv& env)
{
    if (env.Flat && env.Tones.Background.BrushColor != clNone) return 3;
    if (env.ControlLook->FlatButton()) return 2;
    return env.ThemesAvailable ? 0 : 1;
}

int CellButtonState(bool down, bool hot, bool enabled, bool isExpand)
{
    if (!enabled && !isExpand) return 3;
    return down ? 2 : hot ? 1 : 0;
}

int PackButtonOffset(const TRect& button, const TRect& cell)
{
    const int dx = (button.Left - cell.Left) & 0xFFFF;
    const int dy = (button.Top - cell.Top) & 0xFFFF;
    return (dy << 16) | dx;
}

void DrawExpandChevron(TCanvas& canvas, int R, int T, bool expanded)
{
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = Qt::SolidLine;
    if (!expanded) canvas.Polyline({{R - 10, T + 5}, {R - 7, T + 8}, {R - 3, T + 4}});
    else canvas.Polyline({{R - 10, T + 8}, {R - 7, T + 5}, {R - 3, T + 9}});
}

// ------------------------------------------------------- interfaced cells

TCellInterface* CellInterfaceOf(const TCellGraphic& graphic)
{
    if (graphic.CellType() != ctInterface) return nullptr;
    return dynamic_cast<TCellInterface*>(graphic.CellBitmapAs<QObject>());
}

// ----------------------------------------------------------- the dispatcher

namespace cell_objects_detail {

// cell: the cell rectangle (the offset is kept from its top-left); area: the
// shrunk rectangle the button is placed in.
// The cell text rotated by angle degrees about its output point.
void drawRotated(TCanvas& canvas, const TRect& cell, TCellGraphic& g, const TCellGraphicContext& ctx,
                 const TCellObjectEnv& env, const TCellDrawServices& services)
{
    TRect r = cell;
    const int angle = g.CellAngle();
    const QPoint at = services.RotatedTextPos
                          ? services.RotatedTextPos(r, angle, ctx.CellVAlign, ctx.TextAlign, ctx.CellText)
                          : QPoint(r.Left + 2, r.Bottom - 2);
    r = r.Inflated(-2, -2);
    QPainter& p = canvas.Painter();
    p.save();
    p.setClipRect(r.toQRect(), Qt::IntersectClip);
    p.translate(at);
    p.rotate(-angle);  // counter-clockwise, as the angle of a font's escapement
    p.setFont(canvas.Font);
    p.setPen(toQColor(canvas.Font.Color));
    p.drawText(QPoint(0, QFontMetrics(canvas.Font).ascent()), ctx.CellText);
    p.restore();
    if (ctx.RotatedSort != nullptr) DrawSortIndicator(canvas, r.Right - 10, r.Top + 8, *ctx.RotatedSort, env);
}

void drawButton(TCanvas& canvas, const TRect& cell, const TRect& area, const TRect& box, TCellGraphic& g,
                const TCellGraphicContext& ctx, const TCellObjectEnv& env, const TCellDrawServices& services)
{
    const bool expand = g.CellType() == ctExpand;
    const TRect button = expand ? TRect(area.Right - 13, area.Top, area.Right, area.Top + 13) : box;
    g.SetCellValue(PackButtonOffset(button, cell));
    const bool enabled = ctx.CanEdit || env.ControlLook->NoDisabledButtonLook();
    const int look = CellButtonLook(env);
    const int state = CellButtonState(g.CellBoolean(), ctx.Hot, enabled, expand);
    if (services.DrawCellButton) services.DrawCellButton(canvas, button, state, look);
    if (expand) {
        DrawExpandChevron(canvas, area.Right, area.Top, g.CellVar().toBool());
        return;
    }
    TRect text = button;
    if (state == 2) text = text.Offset(1, 1);
    if (g.CellType() == ctBitButton) {
        if (const QPixmap* pm = g.CellBitmapAs<QPixmap>(); pm != nullptr && !pm->isNull()) {
            const QImage glyph = pm->toImage();
            const int gy = glyph.height() >= text.Height() ? text.Top + 3 : text.Top + (text.Height() - glyph.height()) / 2;
            if (glyph.width() >= text.Width() || !g.CellText().isEmpty()) {
                canvas.DrawTransparent(text.Left + 3, gy, glyph);
                text.Left += glyph.width() + 4;
            } else {
                canvas.DrawTransparent(text.Left + (text.Width() - glyph.width()) / 2, gy, glyph);
            }
        }
    }
    if (g.CellText().isEmpty()) return;
    const TFont savedFont = canvas.Font;
    const TBrush savedBrush = canvas.Brush;
    canvas.Brush.Style = Qt::NoBrush;
    if (look == 3) {
        const TColorTones& t = env.Tones;
        canvas.Font.Color = state == 1 ? t.Hover.TextColor : state == 2 ? t.Selected.TextColor
                                                           : state == 3 ? t.Disabled.TextColor : t.Background.TextColor;
    } else {
        canvas.Font.Color = state == 3 ? clGrayText : clBtnText;
    }
    text.Left += 1;
    const unsigned flags = DT_CENTER | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS |
                           (g.CellText().contains(QChar('\r')) ? DT_WORDBREAK : DT_SINGLELINE);
    canvas.DrawText(g.CellText(), text, flags);
    canvas.Font = savedFont;
    canvas.Brush = savedBrush;
}

}  // namespace cell_objects_detail

TRect DrawCellGraphic(TCanvas& canvas, const TRect& cell, TCellGraphic& g, const TCellGraphicContext& ctx,
                      const TCellObjectEnv& env, const TCellDrawServices& services)
{
    using namespace cell_objects_detail;
    const TCellType kind = g.CellType();
    const TControlLook& cl = *env.ControlLook;
    const bool unshrunk = kind == ctNode || kind == ctProgress || kind == ctRangeIndicator || kind == ctXPProgress;
    const TRect area = unshrunk ? cell : GraphicArea(cell, env.XYOffset);
    TRect box = PlaceGraphic(area, g.CellHAlign(), g.CellVAlign(), ctx.Width, ctx.Height, ctx.TextWidth, ctx.TextAlign);
    if (isCheckKind(kind)) {
        const TCellVAlign va = CheckBoxVAlign(g.CellVAlign(), ctx.CellVAlign, ctx.GridVAlign);
        box = PlaceGraphic(area, haLeft, va, ctx.Width, ctx.Height, ctx.TextWidth, ctx.TextAlign);
        box.Left = CheckBoxLeft(area, ctx.TextAlign, ctx.Width, ctx.TextWidth, checkKindShowsText(kind));
        box.Right = box.Left + ctx.Width;
    }
    switch (kind) {
    case ctRotated: drawRotated(canvas, cell, g, ctx, env, services); return cell;
    case ctInterface:
        if (TCellInterface* object = CellInterfaceOf(g); object != nullptr)
            object->Draw(canvas, TRect(box.Left - 1, box.Top - 1, box.Right, box.Bottom), ctx.Col, ctx.Row,
                         ctx.State & gdSelected);
        break;
    case ctBitmap:
        if (const QPixmap* pm = g.CellBitmapAs<QPixmap>(); pm != nullptr) {
            if (g.CellTransparent()) canvas.DrawTransparent(box.Left, box.Top, pm->toImage());
            else canvas.Draw(box.Left, box.Top, pm->toImage());
        }
        break;
    case ctIcon:
        if (const QIcon* icon = g.CellIconObject(); icon != nullptr && ctx.Width > 0 && ctx.Height > 0)
            canvas.Draw(box.Left, box.Top, icon->pixmap(ctx.Width, ctx.Height).toImage());
        break;
    case ctImageList:
        if (services.Image && g.CellIndex() >= 0 && g.CellIndex() < services.ImageCount)
            canvas.Draw(box.Left, box.Top, services.Image(g.CellIndex()));
        break;
    case ctDataImage: {
        const int index = ctx.IntValue + g.CellIndex();
        if (services.Image && index >= 0 && index < services.ImageCount) canvas.Draw(box.Left, box.Top, services.Image(index));
        break;
    }
    case ctImages:
        if (const TIntList* list = g.CellBitmapAs<TIntList>(); list != nullptr && services.Image) {
            int x = box.Left, y = box.Top;
            for (int i = 0; i < list->Count(); ++i) {
                const int index = list->GetInteger(i);
                if (index >= 0 && index < services.ImageCount) canvas.Draw(x, y, services.Image(index));
                if (g.CellBoolean()) x += services.ImageWidth;
                else y += services.ImageHeight;
            }
        }
        break;
    case ctCheckBox:
    case ctRowCheckBox:
        DrawCheckBox(canvas, box, g.CellBoolean(), cbUnchecked, false, cl.ControlStyle(), g.CellAngle() > 0, ctx.CanEdit, env);
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        DrawCheckBox(canvas, box, ctx.CellText == ctx.CheckTrue, cbUnchecked, false, cl.ControlStyle(), false, ctx.CanEdit,
                     env);
        break;
    case ctTriStateCheckBox:
        DrawCheckBox(canvas, box, false, g.CellCheckBoxState(), true, cl.ControlStyle(), false, ctx.CanEdit, env);
        break;
    case ctRadioButton: {
        const int size = cl.RadioSize();
        TRect rb(box.Left + env.XYOffset.x(), box.Top, box.Left + env.XYOffset.x() + size, box.Top + size);
        TRadioGroup group;
        group.Style = cl.ControlStyle();
        group.Count = 1;
        group.Index = g.CellBoolean() ? 0 : -2;
        group.Disabled = !ctx.CanEdit;
        group.Selected = ctx.State & gdSelected;
        DrawRadioGroup(canvas, rb, group, env);
        box = rb;
        break;
    }
    case ctRadio: {
        TRadioGroup group;
        group.Style = cl.ControlStyle();
        group.Items = g.CellBitmapAs<QStringList>();
        group.Count = group.Items != nullptr ? int(group.Items->size()) : 0;
        group.Horizontal = g.CellBoolean();
        group.Index = g.CellIndex();
        group.Selected = ctx.State & gdSelected;
        group.Disabled = !ctx.CanEdit;
        group.CellText = ctx.CellText;
        DrawRadioGroup(canvas, area, group, env);
        box = area;
        break;
    }
    case ctPicture:
        if (const QImage* pic = g.CellBitmapAs<QImage>(); pic != nullptr) {
            const TRect target = mirrored(box, env);
            if (g.CellAngle() != 0) canvas.StretchDraw(target, *pic);
            else canvas.Draw(target.Left, target.Top, *pic);
        }
        break;
    case ctFilePicture:
        if (const TFilePicture* pic = g.CellBitmapAs<TFilePicture>(); pic != nullptr && !pic->Filename().isEmpty()) {
            try {
                pic->DrawPicture(canvas.Painter(), box.toQRect());
            } catch (...) {
                // An unreadable picture file draws nothing.
            }
        }
        break;
    case ctProgress: {
        const TRect bar(cell.Left + cl.ProgressMarginX(), cell.Top + cl.ProgressMarginY(), cell.Right - cl.ProgressMarginX(),
                        cell.Bottom - cl.ProgressMarginY());
        if (cl.ProgressXP() && env.ThemesAvailable && (cl.ControlStyle() == csWinXP || cl.ControlStyle() == csTheme)) {
            ThemePainter::Draw(canvas.Painter(), TThemePart::Progress, bar, tsNormal, ThemedProgressPerMille(ctx.FloatValue));
        } else {
            const TProgressBarLook look = ProgressBarLookOf(g, cl);
            grid::DrawProgressBar(canvas, cell.Inflated(-2, -2), look, g.CellText(), g.CellErrLen(), g.CellErrFrom(),
                                  ctx.FloatValue);
        }
        box = cell;
        break;
    }
    case ctXPProgress: {
        const TRect bar(cell.Left + cl.ProgressMarginX(), cell.Top + cl.ProgressMarginY(),
                        cell.Right - cl.ProgressMarginX() - 1, cell.Bottom - cl.ProgressMarginY() - 1);
        if (services.DrawXPProgressBar)
            services.DrawXPProgressBar(canvas, bar, XPProgressPercent(ctx.IntValue, g.CellErrFrom(), g.CellErrLen()));
        box = bar;
        break;
    }
    case ctRangeIndicator: {
        const TRect r(cell.Left + cl.ProgressMarginX(), cell.Top + cl.ProgressMarginY(), cell.Right - cl.ProgressMarginX(),
                      cell.Bottom - cl.ProgressMarginY());
        // A range of 0 or less has nothing to show.
        if (g.CellIndex() > 0)
            grid::DrawRangeIndicator(canvas, r, ctx.IntValue, g.CellIconColor(), g.CellBitmapColor(), g.CellBoolean(),
                                     g.CellIndex());
        box = r;
        break;
    }
    case ctProgressPie:
        if (services.DrawProgressPie)
            services.DrawProgressPie(canvas, TRect(box.Left, box.Top, box.Left + 20, box.Top + 20), g.CellBitmapColor(),
                                     g.CellAngle());
        break;
    case ctComment:
        DrawCommentMark(canvas, area, TColor(g.CellIndex()), TColor(g.CellAngle()) != clNone, env);
        break;
    case ctButton:
    case ctBitButton:
    case ctExpand: drawButton(canvas, cell, area, box, g, ctx, env, services); break;
    case ctShape:
        if (services.DrawCellShape)
            services.DrawCellShape(canvas, box.Left, box.Top, g.CellBitmapColor(), TColor(g.CellIndex()),
                                   TCellShape(g.CellAngle()), box.Width() - 1, box.Height() - 1);
        break;
    case ctRating: {
        const std::vector<TStarFill> stars = RatingStars(ctx.FloatValue, g.CellAngle());
        for (size_t i = 0; i < stars.size() && services.DrawCellShape; ++i) {
            const int x = box.Left + 18 * int(i);
            const TColor empty = g.CellBitmapColor(), fill = TColor(g.CellIndex());
            services.DrawCellShape(canvas, x, box.Top, stars[i] == sfFull ? fill : empty, stars[i] == sfFull ? fill : empty,
                                   csStar, 16, 16);
            if (stars[i] == sfHalf) services.DrawCellShape(canvas, x, box.Top, fill, fill, csHalfStar, 16, 16);
        }
        break;
    }
    default: return TRect();
    }
    return box;
}

}  // namespace grid::paint
