#pragma once

#include "skin/core/skintypes.h"

#include <QImage>
#include <QRect>

// Covers `rect` of `canvas` with copies of a mask's picture laid side by side from the
// rectangle's top-left corner: the mask's own image, or else its whole rectangle of `master` (all
// state images and the mask half). The last column and row are cut to the rectangle. Parts of the
// rectangle in the master bitmap that lie outside it copy nothing.
void tileTexture(QImage& canvas, const QRect& rect, const TsMaskData& mask, const QImage& master);

// Covers `rect` with whole copies of a JPEG pattern on the same grid, cut to the rectangle.
void tilePattern(QImage& canvas, const QRect& rect, const QImage& pattern);
