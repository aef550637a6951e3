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

// True when the pieces fill the area's columns from edge to edge without a gap.
bool coverRow(const std::vector<Piece>& pieces, const QRect& area)
{
    int next = area.left();
    for (const Piece& piece : pieces) {
        if (piece.to != next)
            return false;
        next += piece.bytes / 3;
    }
    return next == area.right() + 1;
}

void tile(QImage& canvas, const QRect& rect, const QImage& picture, const QRect& tileRect, const TileRowDone& rowDone)
{
    const QRect area = rect.intersected(canvas.rect());
    if (area.isEmpty())
        return;
    const int w = tileRect.width();
    const int h = tileRect.height();
    const bool tiles = w > 0 && h > 0;
    if (!tiles && !rowDone.finish)
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

    // A row h rows below one finished here shows the same picture row, and is the same when the
    // tiles leave nothing of the canvas's old pixels in it: one long copy instead of many short
    // ones and the finishing.
    const bool copyRows = tiles && (!rowDone.finish || rowDone.dependsOnPictureRowOnly) && coverRow(pieces, area)
                          && tileRect.top() >= 0 && tileRect.top() + h <= picture.height();
    const size_t rowBytes = size_t(area.width()) * 3;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        if (copyRows && y - h >= area.top()) {
            std::memcpy(canvas.scanLine(y) + area.left() * 3, canvas.constScanLine(y - h) + area.left() * 3, rowBytes);
            continue;
        }
        const int sy = tiles ? tileRect.top() + (y - rect.top()) % h : -1;
        if (sy >= 0 && sy < picture.height()) {
            const uint8_t* source = picture.constScanLine(sy);
            uint8_t* target = canvas.scanLine(y);
            for (const Piece& piece : pieces)
                std::memcpy(target + piece.to * 3, source + piece.from * 3, size_t(piece.bytes));
        }
        if (rowDone.finish)
            rowDone.finish(y);
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
