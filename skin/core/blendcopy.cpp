#include "skin/core/blendcopy.h"

#include "skin/core/paintprimitives.h"

#include <algorithm>

namespace {

// Calls copy(destination, source) for every pixel of `source` (clipped to `picture`) that lands
// inside `target` at `at`.
template <typename PixelCopy>
void forEachPixel(QImage& target, QPoint at, const QRect& source, const QImage& picture, PixelCopy copy)
{
    const QRect from = source.intersected(picture.rect());
    const QRect to = from.translated(at - source.topLeft()).intersected(target.rect());
    if (to.isEmpty())
        return;
    const QPoint shift = source.topLeft() - at;
    for (int ty = to.top(); ty <= to.bottom(); ++ty) {
        const uint8_t* p = picture.constScanLine(ty + shift.y()) + (to.left() + shift.x()) * 3;
        uint8_t* d = target.scanLine(ty) + to.left() * 3;
        for (int tx = to.left(); tx <= to.right(); ++tx, p += 3, d += 3)
            copy(d, p);
    }
}

} // namespace

void keyColorCopy(QImage& target, QPoint at, const QImage& picture, int32_t keyColor)
{
    const uint8_t key[3] = {colorBlue(keyColor), colorGreen(keyColor), colorRed(keyColor)};
    forEachPixel(target, at, picture.rect(), picture, [&](uint8_t* d, const uint8_t* p) {
        if (p[0] == key[0] && p[1] == key[1] && p[2] == key[2])
            return;
        d[0] = p[0];
        d[1] = p[1];
        d[2] = p[2];
    });
}

void blendedCopy(QImage& target, QPoint at, const QImage& picture, const QRect& source,
                 const BlendedCopyOptions& options)
{
    const bool useKey = options.keyColor <= 0xFEFFFFFFu;
    const int32_t key32 = int32_t(options.keyColor & 0xFFFFFF);
    const uint8_t key[3] = {colorBlue(key32), colorGreen(key32), colorRed(key32)};
    const int keep = std::clamp(options.targetPercent, 0, 100);
    forEachPixel(target, at, source, picture, [&](uint8_t* d, const uint8_t* p) {
        if (useKey && p[0] == key[0] && p[1] == key[1] && p[2] == key[2])
            return;
        for (int channel = 0; channel < 3; ++channel)
            d[channel] = uint8_t(divRoundEven(p[channel] * (100 - keep) + d[channel] * keep, 100));
    });
}
