#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstdint>

// Copies the whole of `picture` to `at` in `target`, leaving out pixels of `keyColor`
// (0x00BBGGRR) and whatever falls outside the target.
void keyColorCopy(QImage& target, QPoint at, const QImage& picture, int32_t keyColor);

// How a blended copy mixes the picture into the target.
struct BlendedCopyOptions {
    // The target keeps this percentage of itself, rounded.
    int targetPercent = 0;
    // Pixels of this colour (0x00BBGGRR) are left out; a value above 0xFEFFFFFF means there is
    // no key colour.
    uint32_t keyColor = 0xFFFFFFFFu;
};

// Copies `source` of `picture` to `at` in `target`, mixed as `options` says.
void blendedCopy(QImage& target, QPoint at, const QImage& picture, const QRect& source,
                 const BlendedCopyOptions& options);
