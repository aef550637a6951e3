#include "skin/core/frame3d.h"

#include "skin/core/paintprimitives.h"

void paintFrame3D(QImage& canvas, const QRect& rect, int32_t topLeft, int width, int32_t bottomRight)
{
    QRect frame = rect;
    for (int i = 0; i < width && frame.width() > 0 && frame.height() > 0; ++i) {
        const int l = frame.left();
        const int t = frame.top();
        const int w = frame.width();
        const int h = frame.height();
        solidFill(canvas, QRect(l, t, 1, h), topLeft);
        solidFill(canvas, QRect(l, t, w - 1, 1), topLeft);
        solidFill(canvas, QRect(l + w - 1, t, 1, h - 1), bottomRight);
        solidFill(canvas, QRect(l + 1, t + h - 1, w - 1, 1), bottomRight);
        frame.adjust(1, 1, -1, -1);
    }
}
