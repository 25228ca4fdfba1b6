#include "controls/grid/paint/frame_paint.h"

#include <cmath>
#include <cstdlib>

#include <QPainter>
#include <QRegion>

#include "controls/grid/text/grid_number_text.h"
#include "controls/grid/paint/background_paint.h"
#include "platform/strings.h"

namespace grid::paint {

using namespace platform;

bool DrawsFlatBorder(TGridLook look, bool borderSingle, TColor borderColor, bool flat)
{
    const bool flatLook = look == glSoft || look == glQVR || look == glXP || look == glListView || look == glVista ||
                          look == glWin7 || look == glOffice2007;
    return flatLook && borderSingle && borderColor != clNone && !flat;
}

void PaintFlatBorder(TCanvas& canvas, int width, int height, TColor borderColor, bool fitCellsInGrid, TColor parentColor,
                     bool comCtl6)
{
    canvas.Pen.Color = borderColor;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = Qt::SolidLine;
    if (fitCellsInGrid) {
        canvas.Polyline({{1, height}, {1, 1}, {width - 2, 1}, {width - 2, height - 2}, {1, height - 2}});
        if (parentColor != clNone) {
            canvas.Pen.Color = parentColor;
            canvas.Polyline({{0, height}, {0, 0}, {width - 1, 0}, {width - 1, height - 1}, {0, height - 1}});
        }
    } else if (comCtl6) {
        canvas.Polyline({{0, height - 1}, {0, 0}, {width - 1, 0}, {width - 1, height - 1}, {0, height - 1}});
    }
}

std::vector<TRect> EmptyAreaRects(const TEmptyAreaInput& in)
{
    std::vector<TRect> areas;
    if (in.RowsOverflow && in.ColumnsOverflow) return areas;
    const TRect col = in.LastColumnCell.Inflated(in.GridLineWidth, in.GridLineWidth);
    if (col.Right < in.Client.Right && in.LastColumnInView)
        areas.emplace_back(col.Right, 0, in.Client.Right, in.Client.Bottom);
    const TRect row = in.LastRowCell.Inflated(in.GridLineWidth, in.GridLineWidth);
    if (row.Bottom < in.Client.Bottom && in.LastRowInView)
        areas.emplace_back(0, row.Bottom, in.Client.Right, in.Client.Bottom);
    return areas;
}

void PaintBackgroundOutsideCells(TCanvas& canvas, const std::vector<TRect>& areas, const TRect& R,
                                 const TBackGround& background, QPoint tileOrigin)
{
    const bool gradient = background.Display() == bdGradientHorz || background.Display() == bdGradientVert;
    if (areas.empty() || (gradient && background.ColorTo() == clNone)) return;
    QRegion region;
    for (const TRect& a : areas) region += a.toQRect();
    QPainter& p = canvas.Painter();
    p.save();
    p.setClipRegion(region, Qt::IntersectClip);
    const QImage& bitmap = background.Bitmap();
    if (bitmap.isNull()) {
        if (gradient)
            canvas.GradientFill(R, background.Color(), background.ColorTo(), 128, background.Display() == bdGradientVert);
    } else if (background.Display() != bdTile) {
        PaintGridBackgroundBitmap(canvas, R, bitmap, background.Left(), background.Top());
    } else if (background.Cells() != bcFixed) {
        PaintGridBackgroundTiles(canvas, TRect(tileOrigin.x(), tileOrigin.y(), R.Right, R.Bottom), bitmap);
    }
    p.restore();
}

namespace frame_paint_detail {

void xorLine(TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    QPainter& p = canvas.Painter();
    p.save();
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(QColor(Qt::white), 1, Qt::DotLine));
    p.drawLine(x1, y1, x2, y2);
    p.restore();
}

}  // namespace frame_paint_detail

void DrawColSizeLine(TCanvas& canvas, int X, int bottom) { frame_paint_detail::xorLine(canvas, X, 0, X, bottom); }

void DrawRowSizeLine(TCanvas& canvas, int Y, int right) { frame_paint_detail::xorLine(canvas, 0, Y, right, Y); }

QPoint RotatedTextSize(int width, int height, int angle)
{
    const double a = angle * M_PI / 180.0;
    const long hs = std::labs(long(std::trunc(height * std::sin(a))));
    const long wc = std::labs(long(std::trunc(width * std::cos(a))));
    const long hc = std::labs(long(std::trunc(height * std::cos(a))));
    const long ws = std::labs(long(std::trunc(width * std::sin(a))));
    return QPoint(int(std::labs(hs - wc) + 12), int(std::labs(hc - ws) + 12));
}

std::pair<TAlignment, TVAlignment> CellAlignment(const QString& text, const QString& plainText, bool autoNumAlign,
                                                 TAlignment defaultHA, TVAlignment defaultVA,
                                                 std::optional<TAlignment> propertiesHA)
{
    TAlignment ha = defaultHA;
    const bool formula = text.startsWith(QChar('=')) || (text.startsWith(QStringLiteral("|\\")) && text.size() > 3 &&
                                                          text[3] == QChar('='));
    if (autoNumAlign) {
        const QString checked = trimBlanks(formula ? plainText : text);
        const int kind = NumberTextType(checked);
        if (kind == 0 || kind == 1 || kind == 5) ha = taRightJustify;
    }
    if (propertiesHA && !formula) ha = *propertiesHA;
    return {ha, defaultVA};
}

QString BalloonTipText(const QString& text)
{
    QString t = text;
    t.replace(QChar('\t'), QChar(' '));
    qsizetype start = 0;
    while (start < text.size() && (text[start] == QChar('\r') || text[start] == QChar('\n') || text[start] == QChar('\t')))
        ++start;
    t = t.mid(start);
    if (t.size() > 2048) t = t.left(2045) + QStringLiteral("...");
    return t;
}

QString BalloonTipTitle(const QString& title)
{
    return title.size() > 100 ? title.left(97) + QStringLiteral("...") : title;
}

std::vector<std::pair<QString, int>> LookMenuItems()
{
    return {{"Standard", 1}, {"Soft", 2},          {"Classic", 3},       {"QVR", 4},      {"ListView", 6},
            {"Office 2007", 9}, {"Windows XP", 5}, {"Windows Vista", 7}, {"Windows 7", 8}};
}

}  // namespace grid::paint
