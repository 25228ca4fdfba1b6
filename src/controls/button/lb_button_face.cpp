#include "controls/button/lb_button_face.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <mutex>

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

// The pictures live in a resource file of this static library; they must be
// registered from code outside any namespace before the first use.
static void lbButtonFaceInitResources()
{
    Q_INIT_RESOURCE(lb_button);
}

namespace button {

namespace face_detail {

QColor rgb(TColor color)
{
    const QColor resolved = toQColor(color);
    return resolved.isValid() ? resolved : QColor(Qt::black);
}

// A line from `from` towards `to` that leaves out the end point, as the
// platform's line drawing does; the frames rely on it to join their corners.
// Only horizontal and vertical lines are needed.
void lineTo(QPainter& canvas, QPoint& current, QPoint to)
{
    const QPoint step((to.x() > current.x()) - (to.x() < current.x()), (to.y() > current.y()) - (to.y() < current.y()));
    if (step != QPoint(0, 0))
        canvas.drawLine(current, to - step);
    current = to;
}

void polyline(QPainter& canvas, const QColor& color, QPoint& current, std::initializer_list<QPoint> points)
{
    canvas.setPen(QPen(color, 1));
    for (const QPoint& point : points)
        lineTo(canvas, current, point);
}

// The outline of the platform's rectangle (left, top, right, bottom): the
// right and bottom edges lie one pixel inside.
void frameRect(QPainter& canvas, const QColor& color, int left, int top, int right, int bottom)
{
    if (right - left < 1 || bottom - top < 1)
        return;
    canvas.setPen(QPen(color, 1));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(left, top, right - left - 1, bottom - top - 1);
}

int textFlags(TAlignment alignment)
{
    int flags = Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignTop;
    switch (alignment) {
    case taLeftJustify: return flags | Qt::AlignLeft;
    case taRightJustify: return flags | Qt::AlignRight;
    case taCenter: return flags | Qt::AlignHCenter;
    }
    return Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::AlignCenter;
}

// The caption as shown: "&x" underlines x and "&&" shows one "&".
QString withoutAccelerators(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (++i >= caption.size())
                break;
        }
        shown += caption.at(i);
    }
    return shown;
}

// Width and height of the caption laid out word-broken in a box
// `availableWidth` wide; an empty caption takes no room. The width is the
// advance of the widest line, as the text is measured for drawing.
QSize measureCaption(const QString& caption, const QFontMetrics& metrics, int availableWidth)
{
    if (caption.isEmpty())
        return {0, 0};
    const QRect box(0, 0, std::max(availableWidth, 1), 1 << 20);
    const QRect bounds =
        metrics.boundingRect(box, Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignTop, caption);
    const int singleLineWidth = metrics.horizontalAdvance(withoutAccelerators(caption));
    if (singleLineWidth <= availableWidth)
        return {singleLineWidth, bounds.height()};
    return {std::min(bounds.width(), std::max(availableWidth, 0)), bounds.height()};
}

}  // namespace face_detail

using namespace face_detail;

std::optional<TLbColorStyleColors> GetColorStyleColors(TLbColorStyle style)
{
    switch (style) {
    case lcsCustom: return std::nullopt;
    case lcsGold: return TLbColorStyleColors{0x0000C0C0, 0x0000FFFF, 0x00008080, clNone, 0x0000DFDF, 0x00000000, false, bsModern};
    case lcsChrome: return TLbColorStyleColors{0x00C0C0C0, 0x00FFFFFF, 0x00808080, clNone, clNone, 0x00000000, false, bsModern};
    case lcsBlue: return TLbColorStyleColors{0x00FF8000, 0x00FFFF00, 0x00FF0000, clNone, clNone, 0x00000000, false, bsModern};
    case lcsRed: return TLbColorStyleColors{0x000000FF, 0x00C0C0FF, 0x000000C0, clNone, clNone, 0x00000000, false, bsModern};
    case lcsUltraFlat1: return TLbColorStyleColors{clBtnFace, 0x00B59284, 0x00B59284, 0x00B59284, 0x00DED3D6, 0x00000000, true, bsNormal};
    case lcsUltraFlat2: return TLbColorStyleColors{clBtnFace, 0x00000000, 0x00000000, 0x0024DABC, 0x008CF6E4, 0x00000000, true, bsNormal};
    case lcsUltraFlatXP: return TLbColorStyleColors{0x00D1D8DB, 0x00B59284, 0x00B59285, 0x00B59285, 0x00D2BDB6, 0x00000000, true, bsNormal};
    case lcsAqua: return TLbColorStyleColors{0x00ECCE94, 0x00FCE6D4, 0x00000000, clNone, clNone, 0x00000000, false, bsModern};
    case lcsDefault: return TLbColorStyleColors{clBtnFace, 0x00FFFFFF, 0x00808080, clNone, clNone, 0x00000000, false, bsNormal};
    case lcsQuicken: return TLbColorStyleColors{0x00603000, 0x00C0C0C0, 0x00C0C0C0, 0x00AD6529, 0x00CEAE9C, 0x00FFFFFF, false, bsQuicken};
    }
    return std::nullopt;
}

QColor HotTrackBlendColor(const QColor& faceColor, const QColor& hotColor, int step)
{
    const double hotShare = double(step) / kFullHotTrackStep;
    const auto blend = [&](int face, int hot) {
        return std::clamp(int(std::trunc((1.0 - hotShare) * face + hotShare * hot)), 0, 255);
    };
    return QColor(blend(faceColor.red(), hotColor.red()), blend(faceColor.green(), hotColor.green()),
                  blend(faceColor.blue(), hotColor.blue()));
}

void DrawBandGradient(const QColor& fromColor, const QColor& toColor, int left, int top, int right, int bottom,
                      QPainter& canvas)
{
    constexpr int bands = 32;
    const int height = bottom - top;
    if (height <= 0 || right <= left)
        return;
    double red = fromColor.red(), green = fromColor.green(), blue = fromColor.blue();
    const double redStep = (toColor.red() - fromColor.red()) / double(bands - 1);
    const double greenStep = (toColor.green() - fromColor.green()) / double(bands - 1);
    const double blueStep = (toColor.blue() - fromColor.blue()) / double(bands - 1);
    for (int band = 0; band < bands; ++band) {
        const int bandTop = top + band * height / (bands - 1);
        const int bandBottom = std::min(bandTop + height / (bands - 1) + 1, bottom);
        if (bandBottom > bandTop)
            canvas.fillRect(QRect(left, bandTop, right - left, bandBottom - bandTop),
                            QColor(int(std::trunc(red)), int(std::trunc(green)), int(std::trunc(blue))));
        red += redStep;
        green += greenStep;
        blue += blueStep;
    }
}

void DrawGlyphCell(QPainter& canvas, int x, int y, const QImage& glyph, int cellX, int cellWidth, int cellHeight)
{
    if (glyph.isNull() || cellWidth <= 0 || cellHeight <= 0)
        return;
    const QImage strip = glyph.convertToFormat(QImage::Format_ARGB32);
    // Picture 0 first, then the wanted picture over it: where the strip ends
    // early, picture 0 stays visible.
    QImage picture = strip.copy(0, 0, cellWidth, cellHeight);
    {
        QPainter scratch(&picture);
        scratch.setCompositionMode(QPainter::CompositionMode_Source);
        scratch.drawImage(-cellX, 0, strip);
    }
    const QRgb transparentColor = picture.pixel(0, cellHeight - 1);
    for (int row = 0; row < cellHeight; ++row) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(row));
        for (int column = 0; column < cellWidth; ++column)
            if (line[column] == transparentColor)
                line[column] = 0;
    }
    canvas.drawImage(x, y, picture);
}

int GlyphPictureIndex(bool enabled, bool hot, bool down, int numGlyphs)
{
    if (!enabled)
        return 1;
    if (down && numGlyphs > 2)
        return 2;
    if (hot && numGlyphs > 3)
        return 3;
    return 0;
}

int GlyphPictureWidth(const QImage& glyph, int numGlyphs)
{
    if (numGlyphs <= 0 || glyph.isNull())
        return 0;
    return glyph.width() / numGlyphs;
}

QString ShortenCaption(const QString& caption, const QFontMetrics& metrics, int availableWidth)
{
    QString text = caption;
    while (!text.isEmpty() && metrics.horizontalAdvance(text) > availableWidth) {
        int drop = 1;
        if (text.size() >= 2 && text.back().isLowSurrogate() && text.at(text.size() - 2).isHighSurrogate())
            drop = 2;
        text.chop(drop);
    }
    return text;
}

QColor ButtonFaceColor(const TLbButtonFaceState& state)
{
    const bool down = state.Down && state.Enabled;
    QColor face = rgb(state.Color);
    if (state.Enabled && state.HotTrackColor != clNone)
        face = HotTrackBlendColor(face, rgb(state.HotTrackColor), std::clamp(state.HotTrackStep, 0, kFullHotTrackStep));
    if (down && state.ColorWhenDown != clNone)
        face = rgb(state.ColorWhenDown);
    return face;
}

TLbButtonFaceLayout LayoutButtonFace(const TLbButtonFaceState& state)
{
    const int width = state.Width;
    const int height = state.Height;
    const bool down = state.Down && state.Enabled;

    TLbButtonFaceLayout layout;
    layout.Offset = (down && state.Style != bsEncarta) ? 1 : 0;
    layout.Font = state.Font;
    if (state.Style == bsEncarta && down)
        layout.Font.setBold(true);
    const QFontMetrics metrics(layout.Font);
    layout.GlyphWidth = GlyphPictureWidth(state.Glyph, state.NumGlyphs);
    layout.GlyphHeight = state.Glyph.isNull() ? 0 : state.Glyph.height();
    layout.GlyphIndex = GlyphPictureIndex(state.Enabled, state.Hot, down, state.NumGlyphs);

    const int offs = layout.Offset;
    const int glyphW = layout.GlyphWidth;
    const int glyphH = layout.GlyphHeight;
    const auto shortenAndMeasure = [&](int availableWidth) {
        layout.AvailableWidth = availableWidth;
        layout.Caption = state.WordWrap ? state.Caption : ShortenCaption(state.Caption, metrics, availableWidth);
        const QSize size = measureCaption(layout.Caption, metrics, availableWidth);
        layout.TextWidth = size.width();
        layout.TextHeight = size.height();
    };

    if (state.Style == bsShape) {
        shortenAndMeasure(std::max(width - 8, 0));
        layout.GlyphX = (width - glyphW) / 2;
        layout.GlyphY = (height - glyphH) / 2;
        layout.TextX = offs;
        layout.TextY = (height - layout.TextHeight) / 2 + offs;
        return layout;
    }

    switch (state.Layout) {
    case blGlyphLeft:
    case blGlyphRight: {
        int available = width - 8;
        if (glyphW > 0)
            available -= glyphW + 4;
        shortenAndMeasure(std::max(available, 0));
        layout.TextY = (height - layout.TextHeight) / 2 + offs;
        layout.TextX = offs + 4;
        layout.GlyphY = (height - glyphH) / 2 + offs;
        const int gap = layout.Caption.isEmpty() ? 0 : layout.TextWidth + 4;
        if (state.Layout == blGlyphLeft) {
            if (glyphW > 0)
                layout.TextX += glyphW + 4;
            layout.GlyphX = offs + 4;
            if (!state.WordWrap) {
                switch (state.Alignment) {
                case taLeftJustify: layout.GlyphX = offs + 4; break;
                case taRightJustify: layout.GlyphX = width - 4 - glyphW - gap + offs; break;
                case taCenter: layout.GlyphX = (width - glyphW) / 2 + offs - gap / 2; break;
                }
            }
        } else {
            layout.GlyphX = layout.TextX + gap;
            if (!state.WordWrap) {
                switch (state.Alignment) {
                case taLeftJustify: layout.GlyphX = layout.TextX + gap; break;
                case taRightJustify: layout.GlyphX = width - 4 + offs - glyphW; break;
                case taCenter: layout.GlyphX = (width - glyphW) / 2 + offs + gap / 2; break;
                }
            }
        }
        break;
    }
    case blGlyphTop:
    case blGlyphBottom: {
        shortenAndMeasure(std::max(width - 8, 0));
        int totalHeight = layout.TextHeight;
        if (glyphH > 0)
            totalHeight += glyphH + 4;
        layout.TextX = offs + 4;
        if (state.Layout == blGlyphTop) {
            layout.TextY = (height - totalHeight) / 2 + glyphH + offs;
            layout.GlyphY = (height - totalHeight) / 2 + offs;
        } else {
            layout.TextY = (height - totalHeight) / 2 + offs;
            layout.GlyphY = (height - totalHeight) / 2 + layout.TextHeight + offs;
        }
        switch (state.Alignment) {
        case taLeftJustify: layout.GlyphX = offs + 4; break;
        case taRightJustify: layout.GlyphX = width - glyphW - 4 + offs; break;
        case taCenter: layout.GlyphX = (width - glyphW) / 2 + offs; break;
        }
        break;
    }
    }
    return layout;
}

namespace face_detail {

void fillFace(QPainter& canvas, const TLbButtonFaceState& state, const QColor& face, int offs)
{
    const int width = state.Width;
    const int height = state.Height;
    switch (state.Style) {
    case bsShape: {
        // Nothing of the face itself: what lies behind the button shows.
        const QPainter::CompositionMode mode = canvas.compositionMode();
        canvas.setCompositionMode(QPainter::CompositionMode_Source);
        canvas.fillRect(QRect(0, 0, width, height), Qt::transparent);
        canvas.setCompositionMode(mode);
        break;
    }
    case bsNormal:
    case bsEncarta:
    case bsOld: canvas.fillRect(QRect(0, 0, width, height), face); break;
    case bsModern: {
        const QColor light = rgb(state.LightColor);
        DrawBandGradient(light, face, 2, 2, width - 2, height / 4 + offs, canvas);
        DrawBandGradient(face, light, 2, height / 4 + offs, width - 2, height - 1, canvas);
        break;
    }
    case bsQuicken: break;
    }
}

void drawFrame(QPainter& canvas, const TLbButtonFaceState& state, const QColor& face, bool down)
{
    const int width = state.Width;
    const int height = state.Height;
    const QColor light = rgb(state.LightColor);
    const QColor shadow = rgb(state.ShadowColor);
    QPoint current;
    switch (state.Style) {
    case bsNormal:
    case bsEncarta:
    case bsOld: {
        const bool showFrame = !state.Flat || (state.Enabled && (state.Hot || down));
        if (!showFrame)
            return;
        if (state.Style == bsOld) {
            const QColor darkShadow = rgb(cl3DDkShadow);
            if (down) {
                current = QPoint(1, height - 3);
                polyline(canvas, shadow, current, {QPoint(1, 1), QPoint(width - 2, 1)});
            } else {
                current = QPoint(width - 2, 0);
                polyline(canvas, shadow, current, {QPoint(width - 2, height - 2), QPoint(0, height - 2)});
            }
            current = QPoint(0, height - 1);
            polyline(canvas, down ? darkShadow : light, current, {QPoint(0, 0), QPoint(width - 1, 0)});
            polyline(canvas, down ? light : darkShadow, current, {QPoint(width - 1, height - 1), QPoint(-1, height - 1)});
        } else {
            current = QPoint(0, height - 1);
            polyline(canvas, down ? shadow : light, current, {QPoint(0, 0), QPoint(width - 1, 0)});
            polyline(canvas, down ? light : shadow, current, {QPoint(width - 1, height - 1), QPoint(0, height - 1)});
        }
        break;
    }
    case bsModern:
        frameRect(canvas, down ? shadow : face, 1, 1, width - 1, height - 1);
        canvas.setPen(QPen(shadow, 1));
        canvas.setBrush(Qt::NoBrush);
        if (width > 1 && height > 1)
            canvas.drawRoundedRect(QRectF(0, 0, width - 1, height - 1), 3, 3);
        break;
    case bsQuicken: {
        canvas.setPen(Qt::NoPen);
        canvas.setBrush(face);
        QPainterPath body;
        body.addRoundedRect(QRectF(0, 1, width, height - 1), 2, 2);
        canvas.drawPath(body);
        canvas.setBrush(Qt::NoBrush);
        current = QPoint(4, 0);
        polyline(canvas, shadow, current, {QPoint(width - 5, 0)});
        current = QPoint(4, height - 1);
        polyline(canvas, shadow, current, {QPoint(width - 5, height - 1)});
        break;
    }
    case bsShape: break;
    }
}

}  // namespace face_detail

void DrawButtonFace(QPainter& canvas, const TLbButtonFaceState& state)
{
    const bool down = state.Down && state.Enabled;
    const TLbButtonFaceLayout layout = LayoutButtonFace(state);
    const QColor face = ButtonFaceColor(state);

    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    fillFace(canvas, state, face, layout.Offset);
    drawFrame(canvas, state, face, down);

    canvas.setFont(layout.Font);
    canvas.setBrush(Qt::NoBrush);
    const int flags = textFlags(state.Alignment);
    const bool greyText = !state.Enabled && state.Style != bsShape;
    canvas.setPen(greyText ? QColor(0x80, 0x80, 0x80) : rgb(state.FontColor));
    const auto drawGlyph = [&] {
        if (layout.GlyphWidth > 0 && layout.GlyphHeight > 0)
            DrawGlyphCell(canvas, layout.GlyphX, layout.GlyphY, state.Glyph, layout.GlyphIndex * layout.GlyphWidth,
                          layout.GlyphWidth, layout.GlyphHeight);
    };
    if (state.Style == bsShape) {
        drawGlyph();
        canvas.drawText(QRect(layout.TextX, layout.TextY, state.Width - layout.TextX, state.Height - layout.TextY),
                        Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignTop | Qt::AlignHCenter, layout.Caption);
    } else {
        if (!layout.Caption.isEmpty() && layout.AvailableWidth > 0)
            canvas.drawText(QRect(layout.TextX, layout.TextY, layout.AvailableWidth, layout.TextHeight), flags,
                            layout.Caption);
        drawGlyph();
    }
    if (state.HasPopup) {
        static const QImage arrow = LoadButtonBitmap(QStringLiteral("LBARROW"));
        DrawGlyphCell(canvas, state.Width - 11, state.Height / 2 - 1, arrow, 0, arrow.width(), arrow.height());
    }
    canvas.restore();
}

QImage LoadButtonBitmap(const QString& name)
{
    static std::once_flag registered;
    std::call_once(registered, lbButtonFaceInitResources);
    return QImage(QStringLiteral(":/lbbutton/%1.png").arg(name));
}

}  // namespace button
