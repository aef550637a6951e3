#include "skin/core/blendcopy.h"

#include "skin/core/paintprimitives.h"

#include <algorithm>

namespace {

// Calls copy(destination, source) for every pixel of `source` (clipped to `picture`) that lands
// inside `target` at (x, y).
template <typename PixelCopy>
void forEachPixel(QImage& target, int x, int y, const QRect& source, const QImage& picture, PixelCopy copy)
{
    const QRect from = source.intersected(picture.rect());
    const QRect to = from.translated(QPoint(x, y) - source.topLeft()).intersected(target.rect());
    if (to.isEmpty())
        return;
    const QPoint shift = source.topLeft() - QPoint(x, y);
    for (int ty = to.top(); ty <= to.bottom(); ++ty) {
        const uint8_t* p = picture.constScanLine(ty + shift.y()) + (to.left() + shift.x()) * 3;
        uint8_t* d = target.scanLine(ty) + to.left() * 3;
        for (int tx = to.left(); tx <= to.right(); ++tx, p += 3, d += 3)
            copy(d, p);
    }
}

} // namespace

void keyColorCopy(QImage& target, const QImage& picture, int x, int32_t keyColor, int y)
{
    const uint8_t key[3] = {colorBlue(keyColor), colorGreen(keyColor), colorRed(keyColor)};
    forEachPixel(target, x, y, picture.rect(), picture, [&](uint8_t* d, const uint8_t* p) {
        if (p[0] == key[0] && p[1] == key[1] && p[2] == key[2])
            return;
        d[0] = p[0];
        d[1] = p[1];
        d[2] = p[2];
    });
}

void blendedCopy(QImage& target, int x, int y, uint32_t keyColor, int targetPercent, const QRect& source,
                 const QImage& picture)
{
    const bool useKey = keyColor <= 0xFEFFFFFFu;
    const int32_t key32 = int32_t(keyColor & 0xFFFFFF);
    const uint8_t key[3] = {colorBlue(key32), colorGreen(key32), colorRed(key32)};
    const int keep = std::clamp(targetPercent, 0, 100);
    forEachPixel(target, x, y, source, picture, [&](uint8_t* d, const uint8_t* p) {
        if (useKey && p[0] == key[0] && p[1] == key[1] && p[2] == key[2])
            return;
        for (int channel = 0; channel < 3; ++channel)
            d[channel] = uint8_t(divRoundEven(p[channel] * (100 - keep) + d[channel] * keep, 100));
    });
}
