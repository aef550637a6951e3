#pragma once

// The three ways a border mask is laid over a control: items, tabs and push buttons whose window
// takes the shape of their border. Each draws the mask's nine cells (see bordertiles.h).

#include "skin/core/controlstate.h"
#include "skin/core/bordertiles.h"
#include "skin/core/skintypes.h"

#include <QImage>
#include <QRect>
#include <QRegion>

struct SkinTables;

// The nine cells of state `state` of `mask`. The picture of master-bitmap masks is the master
// bitmap of `skin`, the skin the mask belongs to.
BorderTiles borderTiles(const SkinTables& skin, const TsMaskData& mask, ControlState state);

// `parentCache` has its offsets already moved to the rectangle's top-left corner: the parent's
// pixel under target pixel (x, y) is at (x - rect.left() + parentCache.x, y - rect.top() +
// parentCache.y). The parent shows through the key pixels of the corners.
void paintBorderMask(QImage& target, const QRect& rect, const BorderTiles& tiles, BorderParts parts,
                     const TsCacheInfo& parentCache);

// For tabs: BorderWidth is ignored, and the edges of masks with a mask half show the parent too.
// Masks with an own image are not painted.
void paintTabBorderMask(QImage& target, const QRect& rect, const BorderTiles& tiles, BorderParts parts,
                        const TsCacheInfo& parentCache);

// For push buttons: the mask over the whole bitmap, its key-colour pixels left unwritten and cut
// out of `region`, so that the button's window takes the shape of its border.
void paintBorderMaskWithRegion(QImage& bitmap, QRegion& region, const BorderTiles& tiles, BorderParts parts);
