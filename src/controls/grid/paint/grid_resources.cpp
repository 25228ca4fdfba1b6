#include "controls/grid/paint/grid_resources.h"

#include <functional>
#include <map>

#include <QPainter>

namespace grid::paint {

namespace grid_resources_detail {

QColor rgb(TColor c) { return toQColor(c); }

QImage blank(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(rgb(ResourceKeyColor));
    return img;
}

// A check box: rounded box (corner pixels keep the key colour), tick when checked.
QImage checkBox(TColor border, TColor fillFrom, TColor fillTo, TColor tick, bool checked)
{
    QImage img = blank(15, 15);
    QPainter p(&img);
    QLinearGradient g(0, 1, 0, 14);
    g.setColorAt(0, rgb(fillFrom));
    g.setColorAt(1, rgb(fillTo));
    p.fillRect(1, 1, 13, 13, g);
    p.setPen(rgb(border));
    p.drawLine(1, 0, 13, 0);
    p.drawLine(1, 14, 13, 14);
    p.drawLine(0, 1, 0, 13);
    p.drawLine(14, 1, 14, 13);
    if (checked) {
        // A tick two pixels thick: down from (3, 6) to (6, 9), then up to (11, 4).
        for (int i = 0; i <= 3; ++i) p.fillRect(3 + i, 6 + i, 1, 2, rgb(tick));
        for (int i = 1; i <= 5; ++i) p.fillRect(6 + i, 9 - i, 1, 2, rgb(tick));
    }
    return img;
}

// A radio button: a ring with a dot when checked.
QImage radio(TColor border, TColor fill, TColor dot, bool checked)
{
    // Drawn without smoothing, so that no pixel mixes with the key colour.
    QImage img = blank(16, 16);
    QPainter p(&img);
    p.setPen(rgb(border));
    p.setBrush(rgb(fill));
    p.drawEllipse(QRect(1, 1, 13, 13));
    if (checked) {
        p.setPen(rgb(dot));
        p.setBrush(rgb(dot));
        p.drawEllipse(QRect(5, 5, 5, 5));
    }
    return img;
}

// A square node box with a minus (open) or a plus (closed).
QImage nodeBox(int size, TColor border, TColor fill, TColor sign, bool open)
{
    QImage img = blank(size, size);
    QPainter p(&img);
    const int s = size - 1;
    p.fillRect(1, 1, s - 1, s - 1, rgb(fill));
    p.setPen(rgb(border));
    p.drawLine(1, 0, s - 1, 0);
    p.drawLine(1, s, s - 1, s);
    p.drawLine(0, 1, 0, s - 1);
    p.drawLine(s, 1, s, s - 1);
    p.setPen(rgb(sign));
    const int mid = s / 2;
    p.drawLine(2, mid, s - 2, mid);
    if (!open) p.drawLine(mid, 2, mid, s - 2);
    return img;
}

// A leaf mark: a filled triangle pointing down (open) or right (closed).
QImage leaf(bool open)
{
    QImage img = blank(12, 12);
    QPainter p(&img);
    for (int i = 0; i < 5; ++i) {
        if (open)
            p.fillRect(2 + i, 4 + i, 9 - 2 * i, 1, rgb(0x404040));
        else
            p.fillRect(4 + i, 2 + i, 1, 9 - 2 * i, rgb(0x404040));
    }
    return img;
}

// The filter glyph: a funnel.
QImage filter()
{
    QImage img = blank(16, 16);
    QPainter p(&img);
    p.setPen(rgb(0x404040));
    p.setBrush(rgb(0xE0E0E0));
    p.drawPolygon(QPolygon({QPoint(2, 3), QPoint(13, 3), QPoint(9, 8), QPoint(9, 13), QPoint(6, 12), QPoint(6, 8)}));
    return img;
}

QImage make(const QString& name)
{
    static const std::map<QString, std::function<QImage()>> makers = {
        {"ESGCHK01", [] { return checkBox(0x5A5A5A, 0xFFFFFF, 0xD8D8D8, 0x202020, true); }},
        {"ESGCHK02", [] { return checkBox(0x5A5A5A, 0xFFFFFF, 0xD8D8D8, 0x202020, false); }},
        {"ESGCHK03", [] { return checkBox(0xA0A0A0, 0xF0F0F0, 0xE0E0E0, 0xA0A0A0, true); }},
        {"ESGCHK04", [] { return checkBox(0xA0A0A0, 0xF0F0F0, 0xE0E0E0, 0xA0A0A0, false); }},
        {"ESGCHK05", [] { return checkBox(0x80511C, 0xF4F4F4, 0xDCE3E3, 0x21A121, true); }},
        {"ESGCHK06", [] { return checkBox(0x80511C, 0xF4F4F4, 0xDCE3E3, 0x21A121, false); }},
        {"ESGCHK07", [] { return checkBox(0xBAC7C9, 0xFFFFFF, 0xFFFFFF, 0xBAC7C9, true); }},
        {"ESGCHK08", [] { return checkBox(0xBAC7C9, 0xFFFFFF, 0xFFFFFF, 0xBAC7C9, false); }},
        {"ESGRAD01", [] { return radio(0x5A5A5A, 0xFFFFFF, 0x202020, true); }},
        {"ESGRAD02", [] { return radio(0x5A5A5A, 0xFFFFFF, 0x202020, false); }},
        {"ESGRAD03", [] { return radio(0xA0A0A0, 0xF0F0F0, 0xA0A0A0, true); }},
        {"ESGRAD04", [] { return radio(0xA0A0A0, 0xF0F0F0, 0xA0A0A0, false); }},
        {"ESGRAD05", [] { return radio(0x80511C, 0xF4F4F4, 0x21A121, true); }},
        {"ESGRAD06", [] { return radio(0x80511C, 0xF4F4F4, 0x21A121, false); }},
        {"ESGRAD07", [] { return radio(0xBAC7C9, 0xFFFFFF, 0xBAC7C9, true); }},
        {"ESGRAD08", [] { return radio(0xBAC7C9, 0xFFFFFF, 0xBAC7C9, false); }},
        {"ESGLEAFOPEN", [] { return leaf(true); }},
        {"ESGLEAFCLOSE", [] { return leaf(false); }},
        {"XPNODEO", [] { return nodeBox(10, 0x9C8C7B, 0xF7F7F7, 0x000000, true); }},
        {"XPNODEC", [] { return nodeBox(10, 0x9C8C7B, 0xF7F7F7, 0x000000, false); }},
        {"ESGFILT", [] { return filter(); }},
        {"metrocheckon", [] { return checkBox(0x404040, 0x404040, 0x404040, 0xFFFFFF, true); }},
        {"metrocheckoff", [] { return checkBox(0x808080, 0xFFFFFF, 0xFFFFFF, 0x000000, false); }},
        {"metroradioon", [] { return radio(0x404040, 0xFFFFFF, 0x404040, true); }},
        {"metroradiooff", [] { return radio(0x808080, 0xFFFFFF, 0x000000, false); }},
    };
    const auto it = makers.find(name);
    return it == makers.end() ? QImage() : it->second();
}

}  // namespace grid_resources_detail

QImage GridResourceBitmap(const QString& name)
{
    static std::map<QString, QImage> cache;
    auto it = cache.find(name);
    if (it == cache.end()) it = cache.emplace(name, grid_resources_detail::make(name)).first;
    return it->second;
}

}  // namespace grid::paint
