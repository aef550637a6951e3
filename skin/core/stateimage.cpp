#include "skin/core/stateimage.h"

#include "skin/core/blendcopy.h"
#include "skin/core/maskpaint.h"
#include "skin/core/skintables.h"

void paintStateImage(const SkinTables& skin, QImage& target, QPoint at, ControlState state, const TsMaskData& mask,
                     StateImageMode mode)
{
    const MaskStateImage image = maskStateImage(mask, state, skin.masterBitmap);
    if (!image.isValid())
        return;
    if (image.ownImage || mask.maskType == 1) {
        CellCopyOptions options;
        options.skipKeyPixels = true;
        options.maskRaise = mode == StateImageMode::Faint ? 100 : 0;
        maskCopy(target, at, image, image.rect, options);
    } else if (mode == StateImageMode::Normal) {
        keyCopy(target, at, *image.picture, image.rect);
    } else {
        blendedCopy(target, at, *image.picture, image.rect, {.targetPercent = 50, .keyColor = uint32_t(clSkinKey)});
    }
}
