#include "app/appicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tq {

namespace {

void drawLedger(QPainter &p)
{
    QLinearGradient cover(0, 0, 0, 100);
    cover.setColorAt(0, QColor(46, 110, 66));
    cover.setColorAt(1, QColor(20, 64, 38));
    p.setPen(Qt::NoPen);
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(6, 10, 88, 82), 10, 10);

    p.setBrush(QColor(246, 241, 222));
    p.drawRoundedRect(QRectF(14, 18, 72, 66), 3, 3);
    p.setPen(QPen(QColor(150, 180, 200), 1.4));
    for (int y = 30; y < 80; y += 8)
        p.drawLine(QPointF(18, y), QPointF(82, y));
    p.setPen(QPen(QColor(200, 90, 80), 1.4));
    p.drawLine(QPointF(30, 20), QPointF(30, 82));
    // A few figures in the columns.
    p.setPen(QPen(QColor(40, 60, 90), 2.4, Qt::SolidLine, Qt::RoundCap));
    for (int row = 0; row < 4; ++row) {
        const double y = 27 + row * 8;
        p.drawLine(QPointF(50 + row * 3, y), QPointF(78, y));
    }
}

void drawQuill(QPainter &p)
{
    QPainterPath vane;
    vane.moveTo(30, 88);
    vane.cubicTo(40, 60, 70, 20, 96, 4);
    vane.cubicTo(88, 30, 66, 62, 34, 86);
    vane.closeSubpath();
    QLinearGradient feather(30, 88, 96, 4);
    feather.setColorAt(0, QColor(214, 170, 60));
    feather.setColorAt(1, QColor(255, 244, 200));
    p.setPen(QPen(QColor(120, 90, 30), 1.2));
    p.setBrush(feather);
    p.drawPath(vane);
    p.setPen(QPen(QColor(110, 80, 25), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 96), QPointF(88, 14));
}

} // namespace

QImage paintAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    drawLedger(p);
    drawQuill(p);
    return image;
}

} // namespace tq
