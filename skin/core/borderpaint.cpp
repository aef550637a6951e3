#include "skin/core/borderpaint.h"

#include "skin/core/maskpaint.h"
#include "skin/core/skintables.h"

BorderTiles borderTiles(const SkinTables& skin, const TsMaskData& mask, ControlState state)
{
    const MaskStateImage image = maskStateImage(mask, state, skin.masterBitmap);
    return BorderTiles(mask, image);
}

void paintBorderMask(QImage& target, const QRect& rect, const BorderTiles& tiles, BorderParts parts,
                     const TsCacheInfo& parentCache)
{
    tiles.draw(target, rect, parts, {.parent = &parentCache, .showParent = BorderPart::Corners});
}

void paintTabBorderMask(QImage& target, const QRect& rect, const BorderTiles& tiles, BorderParts parts,
                        const TsCacheInfo& parentCache)
{
    if (tiles.isOwnImage())
        return;
    const BorderParts showParent = tiles.isPlain() ? BorderParts(BorderPart::Corners) : BorderPart::Frame;
    tiles.withoutBorderWidth().draw(target, rect, parts, {.parent = &parentCache, .showParent = showParent});
}

void paintBorderMaskWithRegion(QImage& bitmap, QRegion& region, const BorderTiles& tiles, BorderParts parts)
{
    if (tiles.isOwnImage() && (bitmap.width() < 3 || bitmap.height() < 3))
        return;
    QList<QRect> keyRuns;
    tiles.draw(bitmap, bitmap.rect(), parts, {.runs = &keyRuns});
    for (const QRect& run : keyRuns)
        region -= run;
}
