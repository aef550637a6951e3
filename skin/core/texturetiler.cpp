#include "skin/core/texturetiler.h"

#include "skin/core/paintprimitives.h"

#include <algorithm>

namespace {

void tile(QImage& canvas, const QRect& rect, const QImage& picture, const QRect& tileRect)
{
    const int w = tileRect.width();
    const int h = tileRect.height();
    if (w <= 0 || h <= 0)
        return;
    const QRect area = rect.intersected(canvas.rect());
    if (area.isEmpty())
        return;
    // Tiles stay on the grid of the rectangle's corner even where the canvas cuts it off.
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    const int firstColumn = (area.left() - rect.left()) / w;
    const int firstRow = (area.top() - rect.top()) / h;
    for (int y = rect.top() + firstRow * h; y < bottom && y <= area.bottom(); y += h) {
        const int rows = std::min(h, bottom - y);
        for (int x = rect.left() + firstColumn * w; x < right && x <= area.right(); x += w) {
            const int columns = std::min(w, right - x);
            copyBlock(canvas, QPoint(x, y), picture, QRect(tileRect.left(), tileRect.top(), columns, rows));
        }
    }
}

} // namespace

void tileTexture(QImage& canvas, const QRect& rect, const TsMaskData& mask, const QImage& master)
{
    if (mask.hasOwnImage())
        tile(canvas, rect, mask.image, mask.image.rect());
    else
        tile(canvas, rect, master, QRect(mask.left, mask.top, mask.width(), mask.height()));
}

void tilePattern(QImage& canvas, const QRect& rect, const QImage& pattern)
{
    tile(canvas, rect, pattern, pattern.rect());
}
