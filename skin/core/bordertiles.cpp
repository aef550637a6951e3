#include "skin/core/bordertiles.h"

#include "skin/core/paintprimitives.h"

#include <algorithm>

namespace {

// The sizes of the three columns (or rows) over a side of `length` pixels with cells of `cell`
// pixels: both corners are whole cells when there is room, else half the side each with the odd
// pixel going to the far corner; the middle takes what is left.
struct SideSizes {
    int near = 0;
    int middle = 0;
    int far = 0;
};

SideSizes sideSizes(int length, int cell, int limit)
{
    SideSizes sizes;
    if (length < 2 * cell) {
        sizes.near = length / 2;
        sizes.far = length / 2;
    } else {
        sizes.near = cell;
        sizes.far = cell;
    }
    if (limit > 0) {
        sizes.near = std::min(sizes.near, limit);
        sizes.far = std::min(sizes.far, limit);
    }
    if (length < 2 * cell && length % 2 == 1)
        ++sizes.far;
    sizes.middle = length - sizes.near - sizes.far;
    return sizes;
}

BorderPart partAt(int row, int column)
{
    if (row == 1 && column == 1)
        return BorderPart::Centre;
    return row == 1 || column == 1 ? BorderPart::Edges : BorderPart::Corners;
}

} // namespace

BorderTiles::BorderTiles(const TsMaskData& mask, const MaskStateImage& image)
    : m_image(image),
      m_cell(maskCellSize(mask)),
      m_borderWidth(image.ownImage ? 0 : mask.borderWidth),
      m_plain(!image.ownImage && mask.maskType == 0)
{
    // The right and bottom cells are the state image's last columns and rows.
    const QRect& s = image.rect;
    const int columns[3] = {s.left(), s.left() + m_cell.width(), s.left() + s.width() - m_cell.width()};
    const int rows[3] = {s.top(), s.top() + m_cell.height(), s.top() + s.height() - m_cell.height()};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            m_cells[row][column] = QRect(QPoint(columns[column], rows[row]), m_cell);
}

BorderTiles BorderTiles::withoutBorderWidth() const
{
    BorderTiles tiles = *this;
    tiles.m_borderWidth = 0;
    return tiles;
}

void BorderTiles::draw(QImage& target, const QRect& rect, BorderParts parts, const BorderKeyPixels& keyPixels) const
{
    if (!isValid() || (rect.width() <= 1 && rect.height() <= 1))
        return;
    if (m_plain && m_borderWidth != 0)
        parts.setFlag(BorderPart::Centre, false);

    const SideSizes across = sideSizes(rect.width(), m_cell.width(), m_borderWidth);
    const SideSizes down = sideSizes(rect.height(), m_cell.height(), m_borderWidth);
    // Corner cells are cut to the corner sizes, near ones keeping their first and far ones their
    // last pixels; edge cells keep the whole cell along their side.
    const int sourceWidths[3] = {across.near, m_cell.width(), across.far};
    const int sourceHeights[3] = {down.near, m_cell.height(), down.far};
    const int areaLefts[3] = {rect.left(), rect.left() + across.near, rect.left() + across.near + across.middle};
    const int areaTops[3] = {rect.top(), rect.top() + down.near, rect.top() + down.near + down.middle};
    const int areaWidths[3] = {across.near, across.middle, across.far};
    const int areaHeights[3] = {down.near, down.middle, down.far};

    CellCopyOptions withParent;
    withParent.parent = keyPixels.parent;
    if (keyPixels.parent)
        withParent.parentShift = QPoint(keyPixels.parent->x - rect.left(), keyPixels.parent->y - rect.top());
    withParent.keyRuns = keyPixels.runs;
    CellCopyOptions withoutParent;
    withoutParent.keyRuns = keyPixels.runs;

    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const BorderPart part = partAt(row, column);
            if (!parts.testFlag(part))
                continue;
            const QRect& cell = m_cells[row][column];
            const int sourceLeft = column == 2 ? cell.left() + cell.width() - sourceWidths[column] : cell.left();
            const int sourceTop = row == 2 ? cell.top() + cell.height() - sourceHeights[row] : cell.top();
            const QRect source(sourceLeft, sourceTop, sourceWidths[column], sourceHeights[row]);
            if (source.width() <= 0 || source.height() <= 0)
                continue;
            const QRect area(areaLefts[column], areaTops[row], areaWidths[column], areaHeights[row]);
            const bool showParent = keyPixels.showParent.testFlag(part);
            const CellCopyOptions& options = showParent ? withParent : withoutParent;
            if (!m_plain) {
                maskTile(target, area, m_image, source, options);
                continue;
            }
            for (int y = area.top(); y <= area.bottom(); y += source.height())
                for (int x = area.left(); x <= area.right(); x += source.width()) {
                    const QRect piece(source.left(), source.top(), std::min(source.width(), area.right() + 1 - x),
                                      std::min(source.height(), area.bottom() + 1 - y));
                    if (showParent)
                        keyCopy(target, QPoint(x, y), *m_image.picture, piece, options);
                    else
                        copyBlock(target, QPoint(x, y), *m_image.picture, piece);
                }
        }
}
