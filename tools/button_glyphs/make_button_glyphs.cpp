// Draws the pictures of the push button's preset kinds and its pop-up mark
// into PNG files (each kind picture: a normal and a greyed picture side by
// side, on a transparent background).
//
// Not part of the build; run by hand when a picture changes:
//   g++ -std=c++20 -fPIC make_button_glyphs.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make_button_glyphs
//   QT_QPA_PLATFORM=offscreen /tmp/make_button_glyphs ../../src/controls/button/glyphs
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace {

using Drawer = std::function<void(QPainter&)>;

const QColor kGreen(0, 150, 40);
const QColor kDarkGreen(0, 100, 20);
const QColor kRed(210, 20, 20);
const QColor kDarkRed(140, 0, 0);
const QColor kBlue(20, 70, 190);

void tick(QPainter& p, QPointF offset)
{
    QPainterPath path;
    path.moveTo(offset + QPointF(2.5, 9.5));
    path.lineTo(offset + QPointF(6.5, 14.0));
    path.lineTo(offset + QPointF(15.0, 3.5));
    p.setPen(QPen(kDarkGreen, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(kGreen, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void cross(QPainter& p)
{
    p.setPen(QPen(kDarkRed, 4.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(14, 14));
    p.drawLine(QPointF(14, 4), QPointF(4, 14));
    p.setPen(QPen(kRed, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(14, 14));
    p.drawLine(QPointF(14, 4), QPointF(4, 14));
}

void questionMark(QPainter& p)
{
    p.setPen(QPen(kBlue.darker(130), 1.0));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(9, 9), 8, 8);
    QPainterPath path;
    path.moveTo(6.2, 7.0);
    path.cubicTo(6.2, 3.6, 11.8, 3.6, 11.8, 6.8);
    path.cubicTo(11.8, 8.8, 9.0, 9.0, 9.0, 11.0);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(9, 13.8), 1.3, 1.3);
}

void prohibition(QPainter& p)
{
    p.setBrush(Qt::white);
    p.setPen(QPen(kRed, 2.6));
    p.drawEllipse(QPointF(9, 9), 6.8, 6.8);
    p.drawLine(QPointF(4.4, 4.4), QPointF(13.6, 13.6));
}

void openDoor(QPainter& p)
{
    // Frame with the dark opening, then the door swung towards the viewer.
    p.setPen(QPen(QColor(90, 50, 20), 1.0));
    p.setBrush(QColor(40, 30, 20));
    p.drawRect(QRectF(5.5, 1.5, 9, 15));
    QPolygonF door;
    door << QPointF(5.5, 1.5) << QPointF(10.5, 3.5) << QPointF(10.5, 17.5) << QPointF(5.5, 16.5);
    p.setBrush(QColor(190, 120, 50));
    p.drawPolygon(door);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 210, 60));
    p.drawEllipse(QPointF(9.2, 10), 0.9, 0.9);
    p.setPen(QPen(QColor(60, 60, 60), 1.0));
    p.drawLine(QPointF(2.5, 17.5), QPointF(16.5, 17.5));
}

void circlingArrows(QPainter& p)
{
    const QRectF box(3, 3, 12, 12);
    p.setPen(QPen(kGreen, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(box, 20 * 16, 140 * 16);
    p.drawArc(box, 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kDarkGreen);
    auto head = [&](double angleDeg) {
        const double a = angleDeg * M_PI / 180.0;
        const QPointF tip(9 + 6 * std::cos(a), 9 - 6 * std::sin(a));
        // tangent in the direction of travel (counter-clockwise)
        const QPointF dir(-std::sin(a), -std::cos(a));
        const QPointF normal(std::cos(a), -std::sin(a));
        QPolygonF tri;
        tri << tip + dir * 3.2 << tip + normal * 3.0 << tip - normal * 3.0;
        p.drawPolygon(tri);
    };
    head(160);
    head(340);
}

void walker(QPainter& p)
{
    const QColor body(30, 60, 140);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(QPointF(10, 3), 2.0, 2.0);
    p.setPen(QPen(body, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(9.5, 6), QPointF(8.5, 11));         // trunk
    p.drawLine(QPointF(9.3, 7), QPointF(12.5, 9.5));        // front arm
    p.drawLine(QPointF(9.3, 7), QPointF(6.0, 9.0));         // back arm
    QPainterPath front;
    front.moveTo(8.5, 11);
    front.lineTo(11, 13.5);
    front.lineTo(12, 16.5);
    p.drawPath(front);
    QPainterPath back;
    back.moveTo(8.5, 11);
    back.lineTo(7, 14);
    back.lineTo(4.5, 16);
    p.drawPath(back);
}

void doubleTick(QPainter& p)
{
    for (double left : {-0.5, 6.0}) {
        p.save();
        p.translate(left, 3.5);
        p.scale(0.7, 0.85);
        tick(p, QPointF(0, 0));
        p.restore();
    }
}

QImage picture(int width, int height, const Drawer& draw)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

// The greyed twin: the picture's shape in a light, flat grey with a white
// shadow below right, as disabled pictures are drawn.
QImage greyed(const QImage& normal)
{
    QImage result(normal.size(), QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    for (int y = 0; y < normal.height(); ++y)
        for (int x = 0; x < normal.width(); ++x) {
            const QRgb c = normal.pixel(x, y);
            if (qAlpha(c) == 0)
                continue;
            const int grey = 110 + qGray(c) / 4;
            result.setPixel(x, y, qRgba(grey, grey, grey, qAlpha(c)));
        }
    return result;
}

void saveStrip(const QString& folder, const QString& name, int height, const Drawer& draw)
{
    const QImage normal = picture(18, height, draw);
    QImage strip(36, height, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.drawImage(0, 0, normal);
    p.drawImage(18, 0, greyed(normal));
    p.end();
    strip.save(QDir(folder).filePath(name + ".png"));
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const auto okTick = [](QPainter& p) { tick(p, QPointF(0, 0.5)); };
    saveStrip(folder, "LBOK", 18, okTick);
    saveStrip(folder, "LBCANCEL", 18, cross);
    saveStrip(folder, "LBHELP", 18, questionMark);
    saveStrip(folder, "LBYES", 18, okTick);
    saveStrip(folder, "LBNO", 18, prohibition);
    saveStrip(folder, "LBCLOSE", 18, openDoor);
    saveStrip(folder, "LBABORT", 18, cross);
    saveStrip(folder, "LBRETRY", 18, circlingArrows);
    saveStrip(folder, "LBIGNORE", 18, walker);
    saveStrip(folder, "LBALL", 19, doubleTick);

    QImage arrow(5, 3, QImage::Format_ARGB32);
    arrow.fill(Qt::transparent);
    for (int y = 0; y < 3; ++y)
        for (int x = y; x < 5 - y; ++x)
            arrow.setPixel(x, y, qRgba(0, 0, 0, 255));
    arrow.save(QDir(folder).filePath("LBARROW.png"));
    return 0;
}
