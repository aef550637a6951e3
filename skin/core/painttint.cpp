#include "skin/core/painttint.h"

#include "skin/core/paintprimitives.h"

#include <QPainter>

#include <algorithm>

void colorTint(QImage& bitmap, const QRect& rect, int percent, int radius, int fadeWidth, int32_t color)
{
    const QRect area = rect.intersected(bitmap.rect());
    if (area.isEmpty() || rect.width() <= 0 || rect.height() <= 0)
        return;
    const int half = std::min(rect.width(), rect.height()) / 2;
    const int r = std::clamp(radius, 0, half);
    const int f = std::clamp(fadeWidth, 0, half);
    const int inner = std::clamp(percent, 0, 100) * 255 / 100;

    QImage mask(rect.size(), QImage::Format_Grayscale8);
    mask.fill(255);
    {
        QPainter painter(&mask);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i <= f; ++i) {
            const int level = f == 0 ? inner : 255 - (255 - inner) * i / f;
            painter.setBrush(QColor(level, level, level));
            painter.drawRoundedRect(QRect(i, i, rect.width() - 2 * i, rect.height() - 2 * i), r, r);
        }
    }

    const int32_t rgb = plainRgb(color);
    const int tint[3] = {colorBlue(rgb), colorGreen(rgb), colorRed(rgb)};
    for (int y = area.top(); y <= area.bottom(); ++y) {
        uint8_t* p = bitmap.scanLine(y) + area.left() * 3;
        const uint8_t* m = mask.constScanLine(y - rect.top()) + (area.left() - rect.left());
        for (int x = area.left(); x <= area.right(); ++x, p += 3, ++m)
            for (int channel = 0; channel < 3; ++channel)
                p[channel] = uint8_t((255 * tint[channel] + *m * (p[channel] - tint[channel])) / 256);
    }
}
