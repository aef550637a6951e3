#include "skin/core/texturetiler.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// One tile's share of a canvas row: `bytes` bytes from picture column `from` to canvas column `to`.
struct Piece {
    int to;
    int from;
    int bytes;
};

void tile(QImage& canvas, const QRect& rect, const QImage& picture, const QRect& tileRect, const TileRowDone& rowDone)
{
    const QRect area = rect.intersected(canvas.rect());
    if (area.isEmpty())
        return;
    const int w = tileRect.width();
    const int h = tileRect.height();
    const bool tiles = w > 0 && h > 0;
    if (!tiles && !rowDone)
        return;

    // Every row repeats the same pieces: tiles stay on the grid of the rectangle's corner, cut to
    // the rectangle, the canvas and the picture.
    std::vector<Piece> pieces;
    const int right = std::min(rect.left() + rect.width(), canvas.width());
    for (int x = tiles ? rect.left() + (area.left() - rect.left()) / w * w : right; x < right; x += w) {
        const int first = std::max({x, 0, x - tileRect.left()});
        const int end = std::min({x + w, right, x - tileRect.left() + picture.width()});
        if (first < end)
            pieces.push_back({first, tileRect.left() + first - x, (end - first) * 3});
    }

    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int sy = tiles ? tileRect.top() + (y - rect.top()) % h : -1;
        if (sy >= 0 && sy < picture.height()) {
            const uint8_t* source = picture.constScanLine(sy);
            uint8_t* target = canvas.scanLine(y);
            for (const Piece& piece : pieces)
                std::memcpy(target + piece.to * 3, source + piece.from * 3, size_t(piece.bytes));
        }
        if (rowDone)
            rowDone(y);
    }
}

} // namespace

void tileTexture(QImage& canvas, const QRect& rect, const TsMaskData& mask, const QImage& master,
                 const TileRowDone& rowDone)
{
    if (mask.hasOwnImage())
        tile(canvas, rect, mask.image, mask.image.rect(), rowDone);
    else
        tile(canvas, rect, master, QRect(mask.left, mask.top, mask.width(), mask.height()), rowDone);
}

void tilePattern(QImage& canvas, const QRect& rect, const QImage& pattern, const TileRowDone& rowDone)
{
    tile(canvas, rect, pattern, pattern.rect(), rowDone);
}
