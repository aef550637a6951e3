#include "skin/core/glyph.h"

#include "skin/core/blendcopy.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/skintypes.h"

#include <QPainter>

namespace {

int32_t bottomLeftColor(const QImage& picture)
{
    if (picture.isNull())
        return clSkinKey;
    const uint8_t* p = picture.constScanLine(picture.height() - 1);
    return rgbColor(p[2], p[1], p[0]);
}

} // namespace

void paintGlyph(const QImage& glyph, QImage& target, const QRect& rect, int blendPercent, bool hot,
                TsDisabledGlyphKind disabledKind, bool greyed, bool enabled, int glyphCount)
{
    if (glyph.isNull())
        return;
    const int x = rect.left();
    const int y = rect.top();
    QImage picture = glyph.convertToFormat(QImage::Format_BGR888);
    if (glyphCount >= 2) {
        const int half = picture.width() / 2;
        const QImage first = picture.copy(0, 0, half, picture.height());
        const int32_t key = bottomLeftColor(first);
        if (enabled && !hot && blendPercent > 0)
            blendedCopy(target, x, y, uint32_t(key), blendPercent, first.rect(), first);
        else if (enabled)
            keyColorCopy(target, first, x, key, y);
        else
            keyColorCopy(target, picture.copy(half, 0, half, picture.height()), x, key, y);
        return;
    }
    if (enabled) {
        if (greyed && !hot)
            greyscale(picture);
        const int32_t key = bottomLeftColor(picture);
        if (hot || blendPercent < 1)
            keyColorCopy(target, picture, x, key, y);
        else
            blendedCopy(target, x, y, uint32_t(key), blendPercent, picture.rect(), picture);
        return;
    }
    if (disabledKind.testFlag(dgGrayed))
        greyscale(picture);
    const int32_t key = bottomLeftColor(picture);
    if (disabledKind.testFlag(dgBlended))
        blendedCopy(target, x, y, uint32_t(key), 50, picture.rect(), picture);
    else
        keyColorCopy(target, picture, x, key, y);
}

void imageListGlyph(QImage& bitmap, const QList<QImage>& images, int index)
{
    const QSize size = images.isEmpty() ? QSize(0, 0) : images.first().size();
    bitmap = QImage(size, QImage::Format_BGR888);
    bitmap.fill(QColor(0xFF, 0x00, 0xFF));
    if (index < 0 || index >= images.size())
        return;
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, images[index]);
}
