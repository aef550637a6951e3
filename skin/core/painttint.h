#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>

// Tints `rect` towards `color` (0x00BBGGRR): the inside keeps about `percent` percent of itself,
// and the tint fades out over a band of `fadeWidth` pixels along the rounded edge (corner radius
// `radius`).
void colorTint(QImage& bitmap, const QRect& rect, int percent, int radius, int fadeWidth, int32_t color);
