#pragma once

#include "skin/core/skintypes.h"

#include <QImage>
#include <QRect>

#include <functional>

// Finishing the rows as they are tiled, while each is still in the processor's cache.
struct TileRowDone {
    // Called for a row of the canvas inside the rectangle right after that row was tiled.
    std::function<void(int y)> finish;
    // A finished row depends on nothing but the picture row it shows. Then a row that shows the
    // same picture row as one finished before is copied from it, without tiling or `finish`.
    bool dependsOnPictureRowOnly = false;
};

// Covers `rect` of `canvas` with copies of a mask's picture laid side by side from the
// rectangle's top-left corner: the mask's own image, or else its whole rectangle of `master` (all
// state images and the mask half). The last column and row are cut to the rectangle. Parts of the
// rectangle in the master bitmap that lie outside it copy nothing. Without `rowDone` the rows are
// only tiled, so a row showing the same picture row as one tiled before may be copied from it.
void tileTexture(QImage& canvas, const QRect& rect, const TsMaskData& mask, const QImage& master,
                 const TileRowDone& rowDone = {});

// Covers `rect` with whole copies of a JPEG pattern on the same grid, cut to the rectangle.
void tilePattern(QImage& canvas, const QRect& rect, const QImage& pattern, const TileRowDone& rowDone = {});
