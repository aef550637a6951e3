#pragma once

#include "skin/core/skintypes.h"

#include <QImage>
#include <QRect>

#include <functional>

// Called once for every row of the canvas inside the rectangle, right after that row was tiled, so
// that a caller can finish the row while it is still in the processor's cache.
using TileRowDone = std::function<void(int y)>;

// Covers `rect` of `canvas` with copies of a mask's picture laid side by side from the
// rectangle's top-left corner: the mask's own image, or else its whole rectangle of `master` (all
// state images and the mask half). The last column and row are cut to the rectangle. Parts of the
// rectangle in the master bitmap that lie outside it copy nothing.
void tileTexture(QImage& canvas, const QRect& rect, const TsMaskData& mask, const QImage& master,
                 const TileRowDone& rowDone = {});

// Covers `rect` with whole copies of a JPEG pattern on the same grid, cut to the rectangle.
void tilePattern(QImage& canvas, const QRect& rect, const QImage& pattern, const TileRowDone& rowDone = {});
