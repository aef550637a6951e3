#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstdint>

// Copies the whole of `picture` to (x, y) of `target`, leaving out pixels of `keyColor`
// (0x00BBGGRR) and whatever falls outside the target.
void keyColorCopy(QImage& target, const QImage& picture, int x, int32_t keyColor, int y);

// Copies `source` of `picture` to (x, y) so that the target keeps `targetPercent` percent of
// itself, rounded. Pixels of `keyColor` are left out unless its value is above 0xFEFFFFFF, which
// means there is no key colour.
void blendedCopy(QImage& target, int x, int y, uint32_t keyColor, int targetPercent, const QRect& source,
                 const QImage& picture);
