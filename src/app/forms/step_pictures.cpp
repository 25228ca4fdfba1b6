#include "app/forms/step_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace app_forms {

QImage stepPicture(Step_Picture kind, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);  // drawn on a 24 x 24 grid
    const QColor orange(255, 128, 0);
    const QColor dark(70, 70, 70);
    p.setPen(QPen(dark, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    switch (kind) {
    case Step_Picture::New:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 3, 12, 17));
        p.setPen(QPen(orange, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 14), QPointF(17, 22));
        p.drawLine(QPointF(13, 18), QPointF(21, 18));
        break;
    case Step_Picture::Open: {
        p.setBrush(orange);
        QPainterPath folder;
        folder.moveTo(2, 6);
        folder.lineTo(9, 6);
        folder.lineTo(11, 8);
        folder.lineTo(21, 8);
        folder.lineTo(21, 19);
        folder.lineTo(2, 19);
        folder.closeSubpath();
        p.drawPath(folder);
        break;
    }
    case Step_Picture::Parameters:
        for (int i = 0; i < 3; ++i) {
            const qreal y = 6 + i * 6;
            p.drawLine(QPointF(3, y), QPointF(21, y));
            p.setBrush(orange);
            p.drawEllipse(QPointF(6 + i * 6, y), 2.4, 2.4);
        }
        break;
    case Step_Picture::Group:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 13, 10));
        p.setBrush(orange);
        p.drawRect(QRectF(3, 10, 13, 10));
        break;
    case Step_Picture::Variables:
        p.setBrush(Qt::white);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) {
                p.setBrush(r == 0 ? orange : QColor(Qt::white));
                p.drawRect(QRectF(3 + c * 6, 3 + r * 6, 6, 6));
            }
        break;
    case Step_Picture::Topics:
        p.setBrush(orange);
        p.drawEllipse(QPointF(6, 18), 2.5, 2.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(orange, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(-3, 9, 18, 18), 0, 90 * 16);
        p.drawArc(QRectF(-9, 3, 30, 30), 0, 90 * 16);
        break;
    case Step_Picture::DescriptionFile: {
        p.setBrush(Qt::white);
        QPainterPath page;
        page.moveTo(5, 2);
        page.lineTo(15, 2);
        page.lineTo(20, 7);
        page.lineTo(20, 22);
        page.lineTo(5, 22);
        page.closeSubpath();
        p.drawPath(page);
        p.setPen(QPen(orange, 1.6));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(8, 11 + i * 3.5), QPointF(17, 11 + i * 3.5));
        break;
    }
    case Step_Picture::Update:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 17, 18, 5));
        p.setPen(QPen(orange, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(12, 2), QPointF(12, 13));
        p.drawLine(QPointF(7, 9), QPointF(12, 14));
        p.drawLine(QPointF(17, 9), QPointF(12, 14));
        break;
    case Step_Picture::Info:
        p.setBrush(orange);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(2, 2, 20, 20));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(12, 7.5), 1.6, 1.6);
        p.drawRoundedRect(QRectF(10.6, 10.5, 2.8, 8), 1, 1);
        break;
    case Step_Picture::Options:
        p.setBrush(orange);
        p.setPen(QPen(orange, 3.2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(12, 12);
            p.rotate(i * 45);
            p.drawLine(QPointF(0, 6), QPointF(0, 9.5));
            p.restore();
        }
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(12, 12), 6.5, 6.5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(12, 12), 2.6, 2.6);
        break;
    case Step_Picture::Close:
        p.setPen(QPen(orange, 3.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(19, 19));
        p.drawLine(QPointF(19, 5), QPointF(5, 19));
        break;
    case Step_Picture::Other:
        p.setBrush(orange);
        p.drawEllipse(QRectF(6, 6, 12, 12));
        break;
    }
    return image;
}

}  // namespace app_forms
