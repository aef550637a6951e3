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

void paintGlyph(QImage& target, QPoint at, const QImage& glyph, const GlyphLook& look)
{
    if (glyph.isNull())
        return;
    QImage picture = glyph.convertToFormat(QImage::Format_BGR888);
    if (look.glyphCount >= 2) {
        const int half = picture.width() / 2;
        const QImage first = picture.copy(0, 0, half, picture.height());
        const int32_t key = bottomLeftColor(first);
        if (look.enabled && !look.hot && look.blendPercent > 0)
            blendedCopy(target, at, first, first.rect(),
                        {.targetPercent = look.blendPercent, .keyColor = uint32_t(key)});
        else if (look.enabled)
            keyColorCopy(target, at, first, key);
        else
            keyColorCopy(target, at, picture.copy(half, 0, half, picture.height()), key);
        return;
    }
    if (look.enabled) {
        if (look.greyed && !look.hot)
            greyscale(picture);
        const int32_t key = bottomLeftColor(picture);
        if (look.hot || look.blendPercent < 1)
            keyColorCopy(target, at, picture, key);
        else
            blendedCopy(target, at, picture, picture.rect(),
                        {.targetPercent = look.blendPercent, .keyColor = uint32_t(key)});
        return;
    }
    if (look.disabledKind.testFlag(dkGrayed))
        greyscale(picture);
    const int32_t key = bottomLeftColor(picture);
    if (look.disabledKind.testFlag(dkBlended))
        blendedCopy(target, at, picture, picture.rect(), {.targetPercent = 50, .keyColor = uint32_t(key)});
    else
        keyColorCopy(target, at, picture, key);
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
