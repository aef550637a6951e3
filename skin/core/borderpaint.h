#pragma once

// Lays a border mask over a rectangle as nine cells: the state image's corners unchanged at the
// corners, its edge cells repeated along the sides and its middle cell, when asked for, over the
// inside. Cells are repeated, never stretched.

#include "skin/core/skintypes.h"

#include <QImage>
#include <QRect>
#include <QRegion>

// `parentCache` has its offsets already moved to the rectangle's top-left corner: the parent's
// pixel under target pixel (x, y) is at (x - rect.left() + parentCache.x, y - rect.top() +
// parentCache.y). The picture of master-bitmap masks is currentSkin().masterBitmap.
void paintBorderMask(QImage& target, const QRect& rect, bool fillCentre, int state, const TsMaskData& mask,
                     const TsCacheInfo& parentCache);

// For tabs: corners ignore BorderWidth, edges of masks with a mask half see the parent's pixels
// too, and the centre of a plain mask is filled whenever asked. Masks with an own image are not
// painted.
void paintTabBorderMask(QImage& target, const QRect& rect, bool fillCentre, int state, const TsMaskData& mask,
                        const TsCacheInfo& parentCache);

// For push buttons: the mask over the whole bitmap, its key-colour pixels left unwritten and cut
// out of `region`, so that the button's window takes the shape of its border.
void paintBorderMaskWithRegion(QImage& bitmap, QRegion& region, bool fillCentre, int state, const TsMaskData& mask);
