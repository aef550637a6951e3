#include "skin/core/borderpaint.h"

#include "skin/core/maskpaint.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/skintables.h"

#include <algorithm>

namespace {

enum class BorderKind { Item, Tab, Region };

// Corner sizes along one side of `length` pixels with cells of `cell` pixels: both cells when
// there is room, else half each with the odd pixel going to the far corner.
void cornerSizes(int length, int cell, int limit, int& nearSize, int& farSize)
{
    if (length < 2 * cell) {
        nearSize = length / 2;
        farSize = length / 2;
    } else {
        nearSize = cell;
        farSize = cell;
    }
    if (limit > 0) {
        nearSize = std::min(nearSize, limit);
        farSize = std::min(farSize, limit);
    }
    if (length < 2 * cell && length % 2 == 1)
        ++farSize;
}

struct BorderPainter {
    QImage& target;
    const MaskStateImage image;
    const bool plainMask;       // mask type 0 of the master bitmap: block and key copies
    CellCopyOptions withParent;
    CellCopyOptions withoutParent;

    // The cell at `source` repeated over `area`, the last row and column cut.
    void repeat(const QRect& source, const QRect& area, const CellCopyOptions& options)
    {
        if (source.width() <= 0 || source.height() <= 0)
            return;
        for (int y = area.top(); y <= area.bottom(); y += source.height())
            for (int x = area.left(); x <= area.right(); x += source.width()) {
                const QRect piece(source.left(), source.top(), std::min(source.width(), area.right() + 1 - x),
                                  std::min(source.height(), area.bottom() + 1 - y));
                copy(QPoint(x, y), piece, options, false);
            }
    }

    void copy(QPoint at, const QRect& source, const CellCopyOptions& options, bool corner)
    {
        if (source.width() <= 0 || source.height() <= 0)
            return;
        if (!plainMask)
            maskCopy(target, at, image, source, options);
        else if (corner && !options.keyRuns)
            keyCopy(target, at, *image.picture, source, options);
        else
            copyBlock(target, at, *image.picture, source);
    }
};

void paintBorder(QImage& target, const QRect& rect, bool fillCentre, int state, const TsMaskData& mask,
                 const TsCacheInfo* parentCache, QList<QRect>* keyRuns, BorderKind kind)
{
    const int width = rect.width();
    const int height = rect.height();
    if (width <= 1 && height <= 1)
        return;
    if (kind == BorderKind::Tab && mask.hasOwnImage())
        return;
    const MaskStateImage image = maskStateImage(mask, state, currentSkin().masterBitmap);
    if (!image.isValid())
        return;

    const QSize cell = maskCellSize(mask);
    const int cw = cell.width();
    const int ch = cell.height();
    const int limit = kind != BorderKind::Tab && !mask.hasOwnImage() ? mask.borderWidth : 0;
    int leftSize, rightSize, topSize, bottomSize;
    cornerSizes(width, cw, limit, leftSize, rightSize);
    cornerSizes(height, ch, limit, topSize, bottomSize);

    BorderPainter painter{target, image, !image.ownImage && mask.maskType == 0, {}, {}};
    painter.withParent.parent = parentCache;
    painter.withParent.parentShift = parentCache ? QPoint(parentCache->x - rect.left(), parentCache->y - rect.top())
                                                 : QPoint();
    painter.withParent.keyRuns = keyRuns;
    painter.withoutParent.keyRuns = keyRuns;
    const CellCopyOptions& edgeOptions = kind == BorderKind::Tab && !painter.plainMask ? painter.withParent
                                                                                       : painter.withoutParent;

    const QRect& s = image.rect;
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + width;
    const int bottom = rect.top() + height;
    // Right and bottom cells are taken from the state image's last columns and rows.
    const int sRight = s.left() + s.width();
    const int sBottom = s.top() + s.height();
    const QRect middleLeft(s.left(), s.top() + ch, leftSize, ch);
    const QRect middleRight(sRight - rightSize, s.top() + ch, rightSize, ch);
    const QRect topMiddle(s.left() + cw, s.top(), cw, topSize);
    const QRect bottomMiddle(s.left() + cw, sBottom - bottomSize, cw, bottomSize);
    const int edgeTop = top + topSize;
    const int edgeBottom = bottom - bottomSize;
    const int edgeLeft = left + leftSize;
    const int edgeRight = right - rightSize;

    painter.copy(QPoint(left, top), QRect(s.left(), s.top(), leftSize, topSize), painter.withParent, true);
    painter.repeat(middleLeft, QRect(left, edgeTop, leftSize, edgeBottom - edgeTop), edgeOptions);
    painter.repeat(topMiddle, QRect(edgeLeft, top, edgeRight - edgeLeft, topSize), edgeOptions);
    painter.copy(QPoint(left, edgeBottom), QRect(s.left(), sBottom - bottomSize, leftSize, bottomSize),
                 painter.withParent, true);
    painter.repeat(bottomMiddle, QRect(edgeLeft, edgeBottom, edgeRight - edgeLeft, bottomSize), edgeOptions);
    painter.copy(QPoint(edgeRight, edgeBottom),
                 QRect(sRight - rightSize, sBottom - bottomSize, rightSize, bottomSize), painter.withParent, true);
    painter.copy(QPoint(edgeRight, top), QRect(sRight - rightSize, s.top(), rightSize, topSize),
                 painter.withParent, true);
    painter.repeat(middleRight, QRect(edgeRight, edgeTop, rightSize, edgeBottom - edgeTop), edgeOptions);

    const bool centre = fillCentre && (kind == BorderKind::Tab || !painter.plainMask || mask.borderWidth == 0);
    if (centre)
        painter.repeat(QRect(s.left() + cw, s.top() + ch, cw, ch),
                       QRect(edgeLeft, edgeTop, edgeRight - edgeLeft, edgeBottom - edgeTop), painter.withoutParent);
}

} // namespace

void paintBorderMask(QImage& target, const QRect& rect, bool fillCentre, int state, const TsMaskData& mask,
                     const TsCacheInfo& parentCache)
{
    paintBorder(target, rect, fillCentre, state, mask, &parentCache, nullptr, BorderKind::Item);
}

void paintTabBorderMask(QImage& target, const QRect& rect, bool fillCentre, int state, const TsMaskData& mask,
                        const TsCacheInfo& parentCache)
{
    paintBorder(target, rect, fillCentre, state, mask, &parentCache, nullptr, BorderKind::Tab);
}

void paintBorderMaskWithRegion(QImage& bitmap, QRegion& region, bool fillCentre, int state, const TsMaskData& mask)
{
    if (mask.hasOwnImage() && (bitmap.width() < 3 || bitmap.height() < 3))
        return;
    QList<QRect> keyRuns;
    paintBorder(bitmap, bitmap.rect(), fillCentre, state, mask, nullptr, &keyRuns, BorderKind::Region);
    for (const QRect& run : keyRuns)
        region -= run;
}
