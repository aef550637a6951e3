#include "skin/core/maskpaint.h"

#include <algorithm>

MaskStateImage maskStateImage(const TsMaskData& mask, ControlState state, const QImage& master)
{
    MaskStateImage result;
    const int s = std::max(int(state), 0);
    if (mask.hasOwnImage()) {
        const int w = mask.image.width() / 3;
        const int h = mask.image.height() / 2;
        result.picture = &mask.image;
        result.rect = QRect(s * w, 0, w, h);
        result.maskOffset = h;
        result.ownImage = true;
        return result;
    }
    if (mask.imageCount <= 0)
        return result;
    const int w = mask.width() / mask.imageCount;
    const int h = mask.height() / (mask.maskType + 1);
    result.picture = &master;
    result.rect = QRect(mask.left + std::min(s, mask.imageCount - 1) * w, mask.top, w, h);
    result.maskOffset = mask.maskType == 1 ? mask.height() / 2 : 0;
    return result;
}

QSize maskCellSize(const TsMaskData& mask)
{
    if (mask.hasOwnImage())
        return QSize(mask.image.width() / 3 / 3, mask.image.height() / 2 / 3);
    if (mask.imageCount <= 0)
        return QSize(0, 0);
    return QSize(mask.width() / (mask.imageCount * 3), mask.height() / (mask.maskType * 3 + 3));
}

namespace {

// Columns of a copy that lie inside both the target and the picture.
struct ColumnRange {
    int first = 0;
    int end = 0;
};

// Where the parent's pixel for target position (x, y) is, or nullptr.
const uint8_t* parentPixel(const CellCopyOptions& options, int x, int y)
{
    if (!options.parent || !options.parent->ready || !options.parent->bitmap)
        return nullptr;
    const QImage& cache = *options.parent->bitmap;
    const int px = x + options.parentShift.x();
    const int py = y + options.parentShift.y();
    if (px < 0 || py < 0 || px >= cache.width() || py >= cache.height())
        return nullptr;
    return cache.constScanLine(py) + px * 3;
}

// The pixels a copy reads from its picture and writes into its target, three bytes each. Border
// cells can be a few pixels in size, so the rows are found without a call each, and the target
// is detached only once a row of it is written.
class CopyRows {
public:
    CopyRows(QImage& target, const QImage& picture)
        : pictureHeight(picture.height()),
          targetHeight(target.height()),
          m_pictureWidth(picture.width()),
          m_targetWidth(target.width()),
          m_target(target),
          m_pictureBits(picture.constBits()),
          m_pictureStride(picture.bytesPerLine()),
          m_targetStride(target.bytesPerLine())
    {}

    const uint8_t* picturePixel(int x, int y) const { return m_pictureBits + y * m_pictureStride + x * 3; }
    uint8_t* targetPixel(int x, int y)
    {
        if (!m_targetBits)
            m_targetBits = m_target.bits();
        return m_targetBits + y * m_targetStride + x * 3;
    }

    // Columns of a copy of `source` to `at` that lie inside both the target and the picture.
    ColumnRange columnsInside(QPoint at, const QRect& source) const
    {
        return {std::max({0, -at.x(), -source.left()}),
                std::min({source.width(), m_targetWidth - at.x(), m_pictureWidth - source.left()})};
    }

    const int pictureHeight;
    const int targetHeight;

private:
    int m_pictureWidth;
    int m_targetWidth;
    QImage& m_target;
    const uint8_t* m_pictureBits;
    qsizetype m_pictureStride;
    qsizetype m_targetStride;
    uint8_t* m_targetBits = nullptr;
};

void addRun(const CellCopyOptions& options, int runStart, int x, int y)
{
    if (options.keyRuns && runStart >= 0 && x > runStart)
        options.keyRuns->append(QRect(runStart, y, x - runStart, 1));
}

} // namespace

namespace {

// One piece of a mask copy, through rows already found for its target and picture.
void maskCopyPiece(CopyRows& rows, QPoint at, const MaskStateImage& image, const QRect& source,
                   const CellCopyOptions& options)
{
    const ColumnRange columns = rows.columnsInside(at, source);
    if (columns.first >= columns.end)
        return;
    const int raise = std::clamp(options.maskRaise, 0, 255);
    for (int r = 0; r < source.height(); ++r) {
        const int sy = source.top() + r;
        const int my = sy + image.maskOffset;
        if (sy < 0 || sy >= rows.pictureHeight || my >= rows.pictureHeight)
            break;
        const int ty = at.y() + r;
        if (ty < 0)
            continue;
        if (ty >= rows.targetHeight)
            break;
        const uint8_t* p = rows.picturePixel(source.left() + columns.first, sy);
        const uint8_t* m = rows.picturePixel(source.left() + columns.first, my);
        uint8_t* d = rows.targetPixel(at.x() + columns.first, ty);
        int runStart = -1;
        for (int c = columns.first; c < columns.end; ++c, p += 3, m += 3, d += 3) {
            const int tx = at.x() + c;
            if (isKeyPixel(p)) {
                if (options.keyRuns || options.skipKeyPixels) {
                    if (runStart < 0)
                        runStart = tx;
                    continue;
                }
                if (const uint8_t* parent = parentPixel(options, tx, ty)) {
                    d[0] = parent[0];
                    d[1] = parent[1];
                    d[2] = parent[2];
                    continue;
                }
                if (!image.ownImage)
                    continue;
            } else {
                addRun(options, runStart, tx, ty);
                runStart = -1;
            }
            for (int channel = 0; channel < 3; ++channel)
                d[channel] = maskBlend(p[channel], d[channel], std::min(m[channel] + raise, 255));
        }
        addRun(options, runStart, at.x() + columns.end, ty);
    }
}

} // namespace

void maskCopy(QImage& target, QPoint at, const MaskStateImage& image, const QRect& source,
              const CellCopyOptions& options)
{
    if (!image.isValid())
        return;
    CopyRows rows(target, *image.picture);
    maskCopyPiece(rows, at, image, source, options);
}

void maskTile(QImage& target, const QRect& area, const MaskStateImage& image, const QRect& source,
              const CellCopyOptions& options)
{
    if (!image.isValid() || source.width() <= 0 || source.height() <= 0)
        return;
    // An edge is many small cells: the rows of target and picture are found once for all of them.
    CopyRows rows(target, *image.picture);
    for (int y = area.top(); y <= area.bottom(); y += source.height())
        for (int x = area.left(); x <= area.right(); x += source.width())
            maskCopyPiece(rows, QPoint(x, y), image,
                          QRect(source.left(), source.top(), std::min(source.width(), area.right() + 1 - x),
                                std::min(source.height(), area.bottom() + 1 - y)),
                          options);
}

void keyCopy(QImage& target, QPoint at, const QImage& picture, const QRect& source, const CellCopyOptions& options)
{
    CopyRows rows(target, picture);
    const ColumnRange columns = rows.columnsInside(at, source);
    if (columns.first >= columns.end)
        return;
    for (int r = 0; r < source.height(); ++r) {
        const int sy = source.top() + r;
        if (sy < 0 || sy >= rows.pictureHeight)
            break;
        const int ty = at.y() + r;
        if (ty < 0)
            continue;
        if (ty >= rows.targetHeight)
            break;
        const uint8_t* p = rows.picturePixel(source.left() + columns.first, sy);
        uint8_t* d = rows.targetPixel(at.x() + columns.first, ty);
        for (int c = columns.first; c < columns.end; ++c, p += 3, d += 3) {
            const uint8_t* from = p;
            if (isKeyPixel(p)) {
                from = parentPixel(options, at.x() + c, ty);
                if (!from)
                    continue;
            }
            d[0] = from[0];
            d[1] = from[1];
            d[2] = from[2];
        }
    }
}
