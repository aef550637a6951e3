#pragma once

#include "skin/core/skintypes.h"

#include <QList>
#include <QRect>

struct SkinTables;

enum class FrameCorners { Top, Bottom };

// Collects the key-colour runs of the corner cells of `mask`'s first state image as one-pixel-high
// rectangles in window coordinates: the left cell at the window's left edge, the right cell
// against `windowWidth`, rows numbered from `firstRow`. Cutting them from a window's region gives
// its corners the shape of the mask. The picture of master-bitmap masks is the master bitmap of
// `skin`, the skin the mask belongs to.
void collectCornerRegion(const SkinTables& skin, QList<QRect>& rects, int windowWidth, const TsMaskData& mask,
                         FrameCorners corners, int firstRow);
