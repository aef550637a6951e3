#pragma once

// How a mask is cut into state images and how one piece of a picture is laid onto a bitmap. The
// border, state image, glyph and region painters are built from these.

#include "skin/core/controlstate.h"
#include "skin/core/skintypes.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

// One state image of a mask: where it lies in its picture (the master bitmap or the mask's own
// image) and how far below each picture pixel its mask pixel lies.
struct MaskStateImage {
    const QImage* picture = nullptr; // none when the mask has nothing to paint
    QRect rect;
    int maskOffset = 0; // 0 when the mask has no mask half
    bool ownImage = false;

    bool isValid() const { return picture != nullptr; }
    bool hasMaskHalf() const { return maskOffset > 0; }
};

// State `state` of `mask`. Masks of the master bitmap take their last image for higher states;
// own images are three states over a mask half and are not limited. A master-bitmap mask with no
// images gives an invalid result.
MaskStateImage maskStateImage(const TsMaskData& mask, ControlState state, const QImage& master);

// The size of one of the nine border cells of a mask.
QSize maskCellSize(const TsMaskData& mask);

constexpr bool isKeyPixel(const uint8_t* pixel)
{
    return pixel[0] == 0xFF && pixel[1] == 0 && pixel[2] == 0xFF;
}

// Mask blend of one channel: the picture where the mask is black, the destination where it is
// white, mixed in between.
constexpr uint8_t maskBlend(int picture, int destination, int mask)
{
    return uint8_t((picture * 256 + (destination - picture) * mask) >> 8);
}

// What a cell copy does with the key-colour pixels of its picture.
struct CellCopyOptions {
    // When set and ready, key pixels take the parent's cached pixel. `parentShift` is what is
    // added to a target position to find its place in the parent's cache.
    const TsCacheInfo* parent = nullptr;
    QPoint parentShift;
    // Key pixels are not written.
    bool skipKeyPixels = false;
    // When set, key pixels are not written either, and every run of them in a row is collected
    // here as a one-pixel-high rectangle in target coordinates.
    QList<QRect>* keyRuns = nullptr;
    // Added to every mask channel (at most 255): a faint picture.
    int maskRaise = 0;
};

// The three ways a cell reaches the target. Each copies `source` (a rectangle of `picture`) to
// `at`, limited to the target and to the picture; a row of the picture or of its mask half that
// cannot be read ends the copy.
void maskCopy(QImage& target, QPoint at, const MaskStateImage& image, const QRect& source,
              const CellCopyOptions& options = {});
void keyCopy(QImage& target, QPoint at, const QImage& picture, const QRect& source,
             const CellCopyOptions& options = {});
// Mask copies of `source` repeated over `area` from its top-left corner, the last row and column
// of pieces cut at the area's edges: the same pixels as a mask copy of each piece.
void maskTile(QImage& target, const QRect& area, const MaskStateImage& image, const QRect& source,
              const CellCopyOptions& options = {});
// Plain block copy: copyBlock in paintprimitives.h.
