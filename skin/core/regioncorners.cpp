#include "skin/core/regioncorners.h"

#include "skin/core/maskpaint.h"
#include "skin/core/skintables.h"

#include <algorithm>

namespace {

void collectRuns(QList<QRect>& rects, const uint8_t* row, int from, int to, int x, int y)
{
    int runStart = -1;
    for (int c = from; c <= to; ++c) {
        const bool key = c < to && isKeyPixel(row + c * 3);
        if (key && runStart < 0)
            runStart = c;
        else if (!key && runStart >= 0) {
            rects.append(QRect(x + runStart - from, y, c - runStart, 1));
            runStart = -1;
        }
    }
}

} // namespace

void collectCornerRegion(const SkinTables& skin, QList<QRect>& rects, int windowWidth, const TsMaskData& mask,
                         FrameCorners corners, int firstRow)
{
    const MaskStateImage image = maskStateImage(mask, ControlState::Normal, skin.masterBitmap);
    if (!image.isValid())
        return;
    const QImage& picture = *image.picture;
    const QRect& s = image.rect;
    const QSize cell = maskCellSize(mask);
    const int rowFrom = corners == FrameCorners::Top ? s.top() : s.top() + 2 * cell.height();
    const int rowTo = corners == FrameCorners::Top ? s.top() + cell.height() : s.top() + s.height();
    // Columns of the picture that can be read.
    const int leftFrom = std::max(s.left(), 0);
    const int leftTo = std::min(s.left() + cell.width(), picture.width());
    const int rightFrom = std::max(s.left() + s.width() - cell.width(), 0);
    const int rightTo = std::min(s.left() + s.width(), picture.width());
    for (int sy = rowFrom; sy < rowTo; ++sy) {
        if (sy < 0 || sy >= picture.height())
            break;
        const uint8_t* row = picture.constScanLine(sy);
        const int y = firstRow + sy - rowFrom;
        if (leftFrom < leftTo)
            collectRuns(rects, row, leftFrom, leftTo, leftFrom - s.left(), y);
        if (rightFrom < rightTo)
            collectRuns(rects, row, rightFrom, rightTo, windowWidth - s.width() + (rightFrom - s.left()), y);
    }
}
