#pragma once

// The nine cells of one state image of a border mask, cut once and laid over rectangles of any
// size like a tile set: the corner cells unchanged at the corners, the edge cells repeated along
// the sides and the middle cell repeated over the inside. Cells are repeated, never stretched;
// the last row and column of a repeat are cut.

#include "skin/core/maskpaint.h"
#include "skin/core/skintypes.h"

#include <QFlags>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>

enum class BorderPart : unsigned {
    Corners = 0x1,
    Edges = 0x2,
    Centre = 0x4,
    Frame = Corners | Edges,
    All = Frame | Centre,
};
Q_DECLARE_FLAGS(BorderParts, BorderPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(BorderParts)

// What happens to the key-colour pixels of the cells.
struct BorderKeyPixels {
    // Key pixels of the `showParent` parts take the parent's cached pixel when the cache is ready.
    // The cache's offsets are already moved to the rectangle's top-left corner: the parent's pixel
    // under target pixel (x, y) is at (x - rect.left() + parent->x, y - rect.top() + parent->y).
    // Without a mask half those parts are key copies and the others plain block copies.
    const TsCacheInfo* parent = nullptr;
    BorderParts showParent = {};
    // When set, key pixels of masks with a mask half are not written, and every run of them in a
    // row is collected here as a one-pixel-high rectangle in target coordinates.
    QList<QRect>* runs = nullptr;
};

class BorderTiles {
public:
    // Cuts `image`, a state image of `mask`. Masks of the master bitmap keep their BorderWidth: it
    // limits the corner sizes and, for masks without a mask half, leaves out the centre.
    BorderTiles(const TsMaskData& mask, const MaskStateImage& image);

    bool isValid() const { return m_image.isValid(); }
    bool isOwnImage() const { return m_image.ownImage; }
    // A mask of the master bitmap without a mask half.
    bool isPlain() const { return m_plain; }

    // The same cells with no BorderWidth rule.
    BorderTiles withoutBorderWidth() const;

    // Lays the `parts` over `rect` of `target`. Rectangles of at most one pixel get nothing.
    void draw(QImage& target, const QRect& rect, BorderParts parts, const BorderKeyPixels& keyPixels = {}) const;

private:
    MaskStateImage m_image;
    QSize m_cell;
    int m_borderWidth = 0;
    bool m_plain = false;
    QRect m_cells[3][3]; // [row][column] in the picture, each a whole cell
};
