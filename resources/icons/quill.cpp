#include "resources/icons/quill.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
// The drawing below is laid out on the 16-pixel grid of its smallest use.
constexpr qreal designSize = 16.0;
} // namespace

void paintQuill(QPainter& painter, qreal size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / designSize, size / designSize);

    // The vane: a leaf leaning from the nib at the lower left to the tip at the upper right.
    QPainterPath vane(QPointF(4.5, 11.5));
    vane.cubicTo(QPointF(4.0, 6.0), QPointF(9.0, 1.5), QPointF(15.0, 0.8));
    vane.cubicTo(QPointF(13.5, 6.5), QPointF(10.0, 10.5), QPointF(4.5, 11.5));
    QLinearGradient shade(QPointF(4, 12), QPointF(15, 1));
    shade.setColorAt(0, QColor(235, 235, 225));
    shade.setColorAt(1, QColor(120, 150, 205));
    painter.setPen(QPen(QColor(40, 60, 110), 0.8));
    painter.setBrush(shade);
    painter.drawPath(vane);

    // The shaft runs through the vane down to the nib, which ends in a dark point.
    painter.setPen(QPen(QColor(60, 45, 30), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(13.5, 2.5), QPointF(1.5, 14.5));
    painter.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2.6, 13.4), QPointF(1.2, 14.8));
    painter.restore();
}

QImage quillImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintQuill(painter, size);
    painter.end();
    return image;
}
