// Measuring and drawing the grid's cells inside a print pass.

#include <algorithm>
#include <cmath>

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "controls/grid/paint/cell_objects.h"
#include "controls/grid/paint/grid_draw_utils.h"
#include "controls/grid/print/print_html.h"
#include "controls/grid/print/print_layout.h"
#include "controls/grid/print/print_pass.h"
#include "controls/grid/print/print_settings.h"
#include "controls/grid/string_grid/ex_string_grid.h"
#include "controls/grid/text/grid_text_utils.h"
#include "controls/grid/text/text_geometry.h"
#include "platform/rtf.h"

namespace grid::print {

namespace {

// The text a cell prints: nothing where its graphic shows its state; rich
// text as its plain text.
QString PrintText(TExStringGrid& g, int s, int row, bool* rich = nullptr)
{
    if (rich) *rich = false;
    if (g.HasDataGraphic(s, row)) return {};
    QString text = g.GetFormattedCell(s, row);
    if (TextType(text, g.EnableHTML) == TextKindRichText) {
        if (rich) *rich = true;
        text = platform::ReadRtf(text.toLatin1()).PlainText();
        text.replace(QChar(platform::RtfLineBreak), QLatin1Char('\n'));
    }
    return text;
}

// A font at a point size (scaled), as the mini-HTML renderer takes it.
platform::TFont SizedFont(const platform::TFont& font, double points)
{
    platform::TFont f = font;
    f.setPointSizeF(std::max(1.0, points));
    return f;
}

QStringList TextLines(const TExStringGrid& g, const QString& text)
{
    if (!g.MultilineCells) return {text};
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t.split(QLatin1Char('\n'));
}

QString StripScheme(const TExStringGrid& g, const QString& line)
{
    if (!g.URLShow || g.URLFull) return line;
    const qsizetype p = line.indexOf(QStringLiteral("://"));
    if (p > 0 && p < 10) return line.mid(p + 3);
    if (line.startsWith(QStringLiteral("mailto:"), Qt::CaseInsensitive)) return line.mid(7);
    return line;
}

// What the grid's cell objects read of it, on paper: no visual themes.
paint::TCellObjectEnv PrintEnv(TExStringGrid& g, TColor background)
{
    paint::TCellObjectEnv env;
    env.ControlLook = &g.ControlLook();
    env.XYOffset = g.XYOffset;
    env.ThemesAvailable = false;
    env.Color = background;
    env.ShowSelection = false;
    return env;
}

// The cell's value as a whole number; 0 for a text that is none.
int CellInt(const TExStringGrid& g, int col, int row)
{
    try {
        return g.Ints(col, row);
    } catch (const std::exception&) {
        return 0;
    }
}

bool IsCheckKind(TCellType t)
{
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox || t == ctRadioButton;
}

struct TCellLook {
    platform::TFont Font;
    platform::TBrush Brush;
    TColor ColorTo = clNone;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WordWrap = false;
};

TCellLook CellLook(TExStringGrid& g, int c, int row)
{
    TCellLook look;
    platform::TGridDrawState state = 0;
    TColor mirror = clNone, mirrorTo = clNone;
    TCellGradientDirection gd{};
    look.Brush.Style = Qt::SolidPattern;
    g.GetVisualProperties(c, row, state, true, false, true, look.Brush, look.ColorTo, mirror, mirrorTo, look.Font,
                          look.HA, look.VA, look.WordWrap, gd);
    look.WordWrap = g.WordWrap();
    g.GetCellWordWrap(g.RealColIndex(c), row, look.WordWrap);
    return look;
}

}  // namespace

void TPrintPass::SetCellFont(const platform::TFont& font) { C.SetFont(font, G.MapFontHeight(font.pointSize())); }

QSize TPrintPass::MeasurePrintCell(int col, int ARow)
{
    const int s = G.RealColIndex(col);
    const double scale = L.Fontscalefactor;
    QSize size;
    if (FCache->Find(s, ARow, scale, size)) return size;
    size = MeasureCellUncached(col, ARow);
    FCache->Store(s, ARow, scale, size);
    return size;
}

QSize TPrintPass::MeasureCellUncached(int col, int ARow)
{
    const int s = G.RealColIndex(col);
    // 1.-3.
    QString text = PrintText(G, s, ARow);
    const TCellLook look = CellLook(G, col, ARow);
    if (IsPrintHTML(G, text)) {
        // 2. Laid out by the renderer on the device.
        const double width = S.NoAutoSize ? G.ColWidths(col) + 12 : 65535;
        const QSize px = PrintHTML(G, C, text, SizedFont(look.Font, S.Font.pointSize() * L.Fontscalefactor),
                                   QRectF(0, 0, width, 65535), false, DeviceRatio);
        const int h = int(std::lrint(C.ToUnitsY(px.height()))) - int(std::lrint(Gap * ScreenToPrint));
        return QSize(int(std::lrint(C.ToUnitsX(px.width()))), std::max(h, 0));
    }
    SetCellFont(look.Font);
    // 4.-5.
    int angle = 0;
    const bool rotated = G.IsRotated(s, ARow, angle);
    QPoint graphic;
    if (S.PrintGraphics) {
        const QPoint g = G.GetCellGraphicSize(s, ARow);
        graphic = QPoint(int(std::lrint(g.x() * ScreenToPrint)), int(std::lrint(g.y() * ScreenToPrint)));
    }
    // 6.
    if (text.isEmpty()) text = QStringLiteral("gh");
    int width = 0, height = 0, widest = 0;
    if (!look.WordWrap || !S.NoAutoSize || rotated) {
        // 7.
        const QStringList lines = TextLines(G, text);
        for (const QString& line : lines) {
            const int w = C.TextWidth(StripScheme(G, line));
            widest = std::max(widest, w);
            width = std::max(width, w + graphic.x());
        }
        height = C.TextHeight() * int(lines.size());
    } else {
        // 8.
        const int box = G.CellSpan(s, ARow).x() > 0 ? 65535 : L.MaxWidths[size_t(col)];
        const QSize used = C.WrappedExtent(text, box);
        width = used.width();
        height = used.height();
    }
    if (rotated) {
        // 9.
        const double a = angle * M_PI / 180.0;
        const int w = int(std::lrint(std::abs(std::cos(a) * width))) + int(std::lrint(std::abs(std::sin(a) * height)));
        const int h = int(std::lrint(std::abs(std::sin(a) * widest))) + int(std::lrint(std::abs(std::cos(a) * height)));
        width = w;
        height = h;
    }
    // 10.
    height = std::max(height, graphic.y());
    width = std::max(width, graphic.x());
    QPoint result(width, height);
    if (G.OnCustomCellSize) G.OnCustomCellSize(&G, C, s, ARow, result, true);
    return QSize(result.x(), result.y());
}

int TPrintPass::PrintRowCells(int Y, int first, int last, int ARow)
{
    L.Fontscalefactor = ScaleFactor;
    const int rowHeight = PrintRowHeight(ARow);
    const int printed = 2 * Gap + rowHeight + S.RowSpacing;
    if (CurrentPageDrawn() && last >= first) {
        for (int c = first; c <= last; ++c) {
            if (!IsPrintCol(c)) continue;
            const int s = G.RealColIndex(c);
            if (G.IsBaseCell(s, ARow) || !G.IsMergedCell(s, ARow)) PrintCell(c, ARow, Y, printed, rowHeight, last);
            PrintCellLines(c, ARow, Y, printed, last);
        }
    }
    L.Fontscalefactor = 1.0;
    return printed;
}

int TPrintPass::CellBoxHeight(int c, int ARow, int printedHeight)
{
    const int s = G.RealColIndex(c);
    const int down = std::max(0, G.CellExt(s, ARow).y());
    auto screenRow = [&](int r) {
        const int h = int(std::trunc((G.RowHeights(r) - 4) * ScreenToPrint));
        return h + h / 8 + 2 * Gap + S.RowSpacing;
    };
    int height = S.NoAutoSizeRow ? 0 : printedHeight;
    for (int r = S.NoAutoSizeRow ? ARow : ARow + 1; r <= ARow + down && r < G.RowCount(); ++r) height += screenRow(r);
    return height;
}

void TPrintPass::PrintCell(int c, int ARow, int Y, int printedHeight, int rowHeight, int last)
{
    const int s = G.RealColIndex(c);
    // 3. The box.
    const int across = std::max(0, G.CellExt(s, ARow).x());
    int width = 0;
    for (int k = 0; k <= across && size_t(c + k) < L.MaxWidths.size(); ++k) width += L.MaxWidths[size_t(c + k)] + Spacing;
    TPageRect box{L.Indents[size_t(c)], Y, L.Indents[size_t(c)] + width, Y - CellBoxHeight(c, ARow, printedHeight)};
    const int clipRight = L.Indents[size_t(FBandEnd) + 1];
    if (box.Right > W) box.Right = std::min(box.Right, clipRight);
    // 6. Font, brush.
    const TCellLook look = CellLook(G, c, ARow);
    const platform::TFont saved = C.Font();
    const int savedHeight = C.FontHeight();
    SetCellFont(look.Font);
    bool rich = false;
    QString text = PrintText(G, s, ARow, &rich);
    // 8. Background (inside the lines): a vertical gradient when the cell has one.
    if (look.Brush.Style != Qt::NoBrush) {
        if (look.ColorTo != clNone && look.Brush.Color != clNone) C.GradientFill(box, look.ColorTo, look.Brush.Color);
        else C.FillRect(box, look.Brush.Color);
    }
    int angle = 0;
    const bool rotated = G.IsRotated(s, ARow, angle);
    // 10. Graphic room.
    TPageRect textBox = box;
    TCellGraphic* graphic = S.PrintGraphics ? G.GetCellGraphic(s, ARow) : nullptr;
    TPageRect gbox;
    if (graphic) {
        QPoint gs = G.GetCellGraphicSize(s, ARow);
        G.CalcPrintGraphicSize(s, ARow, gs, 1.0, int(box.Width() / ScreenToPrint), int(box.Height() / ScreenToPrint));
        // A negative size (an interfaced object may report one) counts as positive.
        const int gw = int(std::lrint(std::abs(gs.x()) * ScreenToPrint));
        const int gh = int(std::lrint(std::abs(gs.y()) * ScreenToPrint));
        const int pad = int(std::lrint(ScreenToPrint));
        TCellHAlign ha = graphic->CellHAlign();
        if (IsCheckKind(graphic->CellType()) && text.isEmpty())
            ha = look.HA == taRightJustify ? haRight : look.HA == taCenter ? haCenter : ha;
        switch (ha) {
        case haRight:
        case haAfterText:
            gbox.Right = box.Right - pad, gbox.Left = gbox.Right - gw, textBox.Right = gbox.Left;
            break;
        case haCenter: gbox.Left = box.Left + (box.Width() - gw) / 2, gbox.Right = gbox.Left + gw; break;
        case haFull: gbox.Left = box.Left, gbox.Right = box.Right; break;
        default: gbox.Left = box.Left + pad, gbox.Right = gbox.Left + gw, textBox.Left = gbox.Right; break;
        }
        switch (graphic->CellVAlign()) {
        case vaBottom:
        case vaUnderText: gbox.Bottom = box.Bottom, gbox.Top = box.Bottom + gh; break;
        case vaCenter: gbox.Top = box.Top - (box.Height() - gh) / 2, gbox.Bottom = gbox.Top - gh; break;
        case vaFull: gbox.Top = box.Top, gbox.Bottom = box.Bottom; break;
        default: gbox.Top = box.Top - Gap, gbox.Bottom = gbox.Top - gh; break;
        }
        if (graphic->CellType() == ctRadio) text.clear();
    }
    // 11. Text.
    const int hflag = look.HA == taRightJustify ? Qt::AlignRight : look.HA == taCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    const int vflag = look.VA == vtaCenter ? Qt::AlignVCenter : look.VA == vtaBottom ? Qt::AlignBottom : Qt::AlignTop;
    auto indent = [&](TPageRect& r) {
        if (look.HA != taRightJustify) r.Left += InnerMargin;
        if (look.HA != taLeftJustify) r.Right -= InnerMargin;
    };
    const QStringList lines = TextLines(G, text);
    if (IsPrintHTML(G, text)) {
        QRectF device = C.ToDevice(textBox);
        device.setRight(device.right() - (InnerMargin + 2 * ScreenToPrint) * C.DpiX() / 254.0);
        device.setBottom(device.bottom() + Gap * ScreenToPrint * C.DpiY() / 254.0);
        PrintHTML(G, C, text, SizedFont(look.Font, std::trunc(look.Font.pointSizeF() * ScaleFactor)), device, true,
                  DeviceRatio);
    } else if (rich) {
        if (C.Painter()) {
            const QRectF device = C.ToDevice(textBox);
            platform::TCanvas canvas(*C.Painter());
            canvas.Printing = true;
            canvas.Font = look.Font;
            canvas.Font.setPointSizeF(std::max(1.0, look.Font.pointSizeF() * ScaleFactor));
            G.DrawRichTextCell(s, ARow, canvas,
                               platform::TRect(int(device.left()), int(device.top()), int(device.right()),
                                               int(device.bottom())));
        }
    } else if (rotated) {
        // The one-line text box, shrunk by the inner margin top and bottom.
        TPageRect r = textBox;
        r.Bottom = G.CellExt(s, ARow).y() > 0 ? box.Bottom : Y - rowHeight - S.RowSpacing;
        r.Top -= InnerMargin;
        r.Bottom += InnerMargin;
        const QString line = StripScheme(G, lines.value(0));
        const int lineStep = C.TextHeight() + S.RowSpacing + (C.TextHeight() + S.RowSpacing) / 8;
        // y grows upwards here: the vertical parts of the extent count down.
        TRotatedTextParts parts = RotatedTextParts(angle, C.TextWidth(line), lineStep);
        parts.Sw = -parts.Sw;
        parts.Ch = -parts.Ch;
        platform::TRect at(r.Left, r.Top, r.Right, r.Bottom);
        PlaceRotatedText(at, int(look.HA), int(look.VA), angle, parts);
        // Printer drivers that turn fonts the other way get the opposite angle.
        const bool reverse = FMode == pmPrinterDraw && L.PrinterDriverFix;
        C.TextRotated(r, at.Left, at.Top, line, reverse ? -angle : angle);
    } else if (look.WordWrap && S.NoAutoSize) {
        TPageRect r = textBox;
        r.Left += int(std::lrint(2 * ScreenToPrint));
        r.Top -= Gap;
        indent(r);
        C.TextIn(r, text, Qt::TextWordWrap | Qt::TextExpandTabs | hflag | Qt::AlignTop);
    } else if (lines.size() <= 1) {
        TPageRect r = textBox;
        r.Top -= Gap;
        r.Bottom = std::min(r.Bottom, Y - Gap - rowHeight - S.RowSpacing);
        if (G.CellExt(s, ARow).y() > 0) r.Bottom = box.Bottom + Gap;
        indent(r);
        C.TextIn(r, StripScheme(G, text), Qt::TextSingleLine | hflag | vflag);
    } else {
        const int lineHeight = C.TextHeight();
        const int total = lineHeight * int(lines.size());
        int u = 0;
        if (G.CellExt(s, ARow).y() <= 0) {
            if (look.VA == vtaCenter) u = (rowHeight - total) / 2;
            else if (look.VA == vtaBottom) u = rowHeight - total;
        }
        int top = textBox.Top - Gap - std::max(u, 0);
        for (const QString& raw : lines) {
            const QString line = StripScheme(G, raw);
            TPageRect r{textBox.Left, top, textBox.Right, top - lineHeight};
            indent(r);
            r.Top = std::min(r.Top, box.Top);
            r.Bottom = std::max(r.Bottom, box.Bottom);
            if (r.Top > r.Bottom) C.TextIn(r, line, Qt::TextSingleLine | hflag | Qt::AlignTop);
            top -= lineHeight + S.RowSpacing;
        }
    }
    // 12. Graphics.
    if (graphic) {
        const TCellType kind = graphic->CellType();
        if (kind == ctRadioButton) {
            const int side = std::min(gbox.Width(), gbox.Top - gbox.Bottom);
            const TPageRect circle{gbox.Left, gbox.Top, gbox.Left + side, gbox.Top - side};
            C.SetPen(clBlack, 2, Qt::SolidLine);
            C.Ellipse(circle, clNone);
            if (G.IsRadioButtonChecked(s, ARow))
                C.Ellipse({circle.Left + side / 4, circle.Top - side / 4, circle.Right - side / 4,
                           circle.Bottom + side / 4},
                          clBlack);
        } else if (IsCheckKind(kind)) {
            bool state = false;
            G.GetCheckBoxState(s, ARow, state);
            const unsigned flags = platform::DFCS_BUTTONCHECK | (state ? platform::DFCS_CHECKED : 0u) |
                                   (G.ControlLook().ControlStyle() == csFlat ? platform::DFCS_FLAT : 0u);
            C.DrawScreenPixels(gbox, ScreenToPrint, [&](platform::TCanvas& canvas, const platform::TRect& r) {
                canvas.DrawFrameControl(r, platform::DFC_BUTTON, flags);
            });
        } else if (kind == ctRadio) {
            const paint::TCellObjectEnv env = PrintEnv(G, look.Brush.Color);
            C.DrawScreenPixels(gbox, ScreenToPrint, [&](platform::TCanvas& canvas, const platform::TRect& r) {
                paint::TRadioGroup group;
                group.Style = G.ControlLook().ControlStyle();
                group.Items = graphic->CellBitmapAs<QStringList>();
                group.Count = group.Items != nullptr ? int(group.Items->size()) : 0;
                group.Horizontal = graphic->CellBoolean();
                group.Index = graphic->CellIndex();
                group.CellText = G.GetCellEx(s, ARow);
                paint::DrawRadioGroup(canvas, r, group, env);
            });
        } else if (kind == ctInterface) {
            if (paint::TCellInterface* object = paint::CellInterfaceOf(*graphic)) {
                // Drawn at its preferred size (the box's when it has none), then stretched.
                int w = object->Width(), h = std::abs(object->Height());
                if (w == 0) w = int(std::lrint(gbox.Width() / ScreenToPrint));
                if (h == 0) h = int(std::lrint(gbox.Height() / ScreenToPrint));
                if (w > 0 && h > 0) {
                    QImage image(w, h, QImage::Format_RGB32);
                    image.fill(look.Brush.Color == clNone ? QColor(Qt::white) : toQColor(look.Brush.Color));
                    {
                        QPainter painter(&image);
                        platform::TCanvas canvas(painter);
                        canvas.Font = look.Font;
                        object->Draw(canvas, platform::TRect(0, 0, w - 1, h - 1), s, ARow, false);
                    }
                    // Without a size of its own it fills the cell that way.
                    TPageRect target = gbox;
                    if (object->Width() == 0) target.Left = box.Left, target.Right = box.Right;
                    if (object->Height() == 0) target.Top = box.Top, target.Bottom = box.Bottom;
                    C.DrawImage(target, image);
                }
            }
        } else if (kind == ctNode) {
            const int cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
            const TPageRect sq{cx - 10, cy + 10, cx + 10, cy - 10};
            C.FillRect(sq, G.CellNode().NodeColor);
            C.SetPen(clBlack, 2, Qt::SolidLine);
            C.Line(sq.Left + 4, cy, sq.Right - 4, cy);
            if (graphic->CellBoolean()) C.Line(cx, sq.Top - 4, cx, sq.Bottom + 4);
        } else if (kind == ctProgress) {
            const int px = int(std::lrint(2 * ScreenToPrint));
            const TPageRect bar{gbox.Left, box.Top - px, box.Right, box.Bottom + px};
            C.DrawScreenPixels(bar, ScreenToPrint, [&](platform::TCanvas& canvas, const platform::TRect& r) {
                canvas.Brush.Color = look.Brush.Color == clNone ? clWhite : look.Brush.Color;
                DrawProgressBar(canvas, r, paint::ProgressBarLookOf(*graphic, G.ControlLook()), graphic->CellText(),
                                graphic->CellErrLen(), graphic->CellErrFrom(), CellInt(G, s, ARow));
            });
        } else if (kind == ctBitmap || kind == ctPicture || kind == ctFilePicture) {
            if (const QImage* image = graphic->CellBitmapAs<QImage>()) {
                C.DrawImage(gbox, *image);
            } else if (const QPixmap* pixmap = graphic->CellBitmapAs<QPixmap>()) {
                C.DrawImage(gbox, pixmap->toImage());
            } else if (const TFilePicture* picture = graphic->CellBitmapAs<TFilePicture>();
                       picture && C.Painter()) {
                // A file that cannot be read raises its error out of the pass.
                picture->DrawPicture(*C.Painter(), C.ToDevice(gbox).toRect());
            }
        } else if (kind == ctProgressPie) {
            if (C.Painter()) {
                const QRect r = C.ToDevice(gbox).toRect();
                platform::TCanvas canvas(*C.Painter());
                DrawProgressPie(canvas, platform::TRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1),
                                       graphic->CellBitmapColor(), false, graphic->CellAngle());
            }
        } else if (kind == ctIcon) {
            if (const QIcon* icon = graphic->CellIconObject()) {
                const QRectF r = C.ToDevice(gbox);
                C.DrawImage(gbox, icon->pixmap(QSize(std::max(1, int(r.width())), std::max(1, int(r.height()))))
                                      .toImage());
            }
        } else if (kind == ctImageList || kind == ctDataImage) {
            // Nothing without the grid's image list.
            if (const TGridImageList* list = G.GetCellImageList()) {
                const int index = kind == ctDataImage ? G.Ints(s, ARow) : graphic->CellIndex();
                if (index >= 0 && index < list->Count()) C.DrawImage(gbox, list->Image(index));
            }
        } else if (kind == ctImages) {
            const TGridImageList* list = G.GetCellImageList();
            const TIntList* indexes = G.GetCellImages(s, ARow);
            if (list && indexes) {
                const int w = int(std::lrint(list->Width() * ScreenToPrint));
                const int h = int(std::lrint(list->Height() * ScreenToPrint));
                int x = gbox.Left, y = gbox.Top;
                for (int i = 0; i < indexes->Count(); ++i) {
                    const int index = (*indexes)[i];
                    if (index >= 0 && index < list->Count()) C.DrawImage({x, y, x + w, y - h}, list->Image(index));
                    if (graphic->CellBoolean()) x += w;
                    else y -= h;
                }
            }
        }
    }
    C.SetFont(saved, savedHeight);
    // 13.
    if (G.OnCustomCellDraw && C.Painter()) {
        const QRectF device = C.ToDevice(TPageRect{box.Left, Y, box.Right, Y - printedHeight});
        platform::TCanvas canvas(*C.Painter());
        canvas.Font = S.Font;
        G.OnCustomCellDraw(&G, canvas, s, ARow, 0, platform::TRect(int(device.left()), int(device.top()), int(device.right()), int(device.bottom())), true);
    }
}

void TPrintPass::PrintCellLines(int c, int ARow, int Y, int printedHeight, int last)
{
    const int s = G.RealColIndex(c);
    // 4.
    TCellBorders borders = 0;
    switch (S.Borders) {
    case pbSingle:
    case pbDouble: borders = cbTop | cbLeft | cbRight | cbBottom; break;
    case pbHorizontal:
    case pbAroundHorizontal: borders = cbTop | cbBottom; break;
    case pbVertical:
    case pbAroundVertical: borders = cbLeft | cbRight; break;
    default: break;
    }
    TGridPen pen{S.BorderColor, 1};
    G.GetCellPrintBorder(s, ARow, pen, borders);
    if (borders == 0) return;
    // 14. Only the outline of a merged range.
    if (G.IsMergedCell(s, ARow)) {
        const QPoint ext = G.CellExt(s, ARow);
        const QPoint span = G.CellSpan(s, ARow);
        const bool base = G.IsBaseCell(s, ARow);
        if (!base && ext.x() > 0) borders &= ~(cbLeft | cbRight);
        if (!base && ext.y() > 0) borders &= ~(cbTop | cbBottom);
        if (span.y() > 0 && ext.y() == 0) borders &= ~cbTop;
        if (span.x() > 0 && ext.x() == 0) borders &= ~cbLeft;
    }
    const int width = FMode == pmPreviewDraw ? pen.Width : int(std::lrint(pen.Width * ScreenToPrint));
    const int across = std::max(0, G.CellExt(s, ARow).x());
    int boxWidth = 0;
    for (int k = 0; k <= across && size_t(c + k) < L.MaxWidths.size(); ++k)
        boxWidth += L.MaxWidths[size_t(c + k)] + Spacing;
    TPageRect box{L.Indents[size_t(c)], Y, L.Indents[size_t(c)] + boxWidth, Y - CellBoxHeight(c, ARow, printedHeight)};
    if (box.Bottom < H + FFB) {
        box.Bottom = Y - printedHeight;
        borders &= ~cbBottom;
    }
    if (box.Right > W) box.Right = std::min(box.Right, L.Indents[size_t(FBandEnd) + 1]);
    C.SetPen(pen.Color, width, ToQtPenStyle(S.BorderStyle));
    const int left = c > FBandStart ? box.Left - width : box.Left;
    if (borders & cbLeft) C.Line(left, box.Top, left, box.Bottom);
    if (borders & cbRight) C.Line(box.Right, box.Top, box.Right, box.Bottom);
    if (borders & cbTop) C.Line(box.Left, box.Top, box.Right, box.Top);
    if (borders & cbBottom) C.Line(box.Left, box.Bottom, box.Right, box.Bottom);
    (void)last;
}

}  // namespace grid::print
