#include "skin/core/glyph.h"

#include "skin/core/blendcopy.h"
#include "skin/core/paintprimitives.h"
#include "skin/core/skintypes.h"

#include <QPainter>

#include <algorithm>

namespace {

int32_t bottomLeftColor(const QImage& picture)
{
    if (picture.isNull())
        return clSkinKey;
    const uint8_t* p = picture.constScanLine(picture.height() - 1);
    return rgbColor(p[2], p[1], p[0]);
}

} // namespace

int glyphFrameWidth(const QImage& glyph, int glyphCount)
{
    return glyph.width() / std::clamp(glyphCount, 1, 4);
}

void paintGlyph(QImage& target, QPoint at, const QImage& glyph, const GlyphLook& look)
{
    if (glyph.isNull())
        return;
    const int count = std::clamp(look.glyphCount, 1, 4);
    enum Frame { UpFrame, DisabledFrame, DownFrame, ExclusiveFrame };
    int frame = UpFrame;
    if (!look.enabled)
        frame = count > DisabledFrame ? DisabledFrame : UpFrame;
    else if (look.state == GlyphState::Exclusive && count > ExclusiveFrame)
        frame = ExclusiveFrame;
    else if (look.state != GlyphState::Up && count > DownFrame)
        frame = DownFrame;
    const int width = glyphFrameWidth(glyph, count);
    QImage picture = glyph.copy(frame * width, 0, width, glyph.height()).convertToFormat(QImage::Format_BGR888);

    if (frame == DisabledFrame) {
        keyColorCopy(target, at, picture, bottomLeftColor(picture));
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

void imageListGlyph(QImage& bitmap, const QList<QImage>& images, int index, int32_t backgroundColor)
{
    const QSize size = images.isEmpty() ? QSize(0, 0) : images.first().size();
    bitmap = QImage(size, QImage::Format_BGR888);
    bitmap.fill(toQColor(backgroundColor == clNoColor ? clSkinKey : backgroundColor));
    if (index < 0 || index >= images.size())
        return;
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, images[index]);
}
