#include "skin/core/paintdisabled.h"

#include "skin/core/paintprimitives.h"

void paintDisabledLook(QImage& bitmap, TsDisabledKind kind, int32_t parentColor, QPoint position,
                       const TsCacheInfo& parentCache)
{
    if (kind.testFlag(dkGrayed))
        greyscale(bitmap);
    if (!kind.testFlag(dkBlended))
        return;
    if (parentCache.ready && parentCache.bitmap) {
        // The control keeps 40 %: parent - 0.4 * (parent - pixel). Pixels whose parent pixel lies
        // outside the parent's cache stay as they are.
        const QImage& parent = *parentCache.bitmap;
        const QPoint origin(parentCache.x + position.x(), parentCache.y + position.y());
        const QRect inside = bitmap.rect().intersected(parent.rect().translated(-origin));
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            uint8_t* p = bitmap.scanLine(y) + inside.left() * 3;
            const uint8_t* q = parent.constScanLine(origin.y() + y) + (origin.x() + inside.left()) * 3;
            for (int i = 0; i < inside.width() * 3; ++i)
                p[i] = uint8_t(divRoundEven(3 * q[i] + 2 * p[i], 5));
        }
        return;
    }
    const int32_t rgb = plainRgb(parentColor);
    const int tint[3] = {colorBlue(rgb), colorGreen(rgb), colorRed(rgb)};
    for (int y = 0; y < bitmap.height(); ++y) {
        uint8_t* p = bitmap.scanLine(y);
        for (int x = 0; x < bitmap.width(); ++x, p += 3)
            for (int channel = 0; channel < 3; ++channel)
                p[channel] = uint8_t((255 * tint[channel] + 127 * (p[channel] - tint[channel])) / 256);
    }
}
