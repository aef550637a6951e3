#pragma once

#include <QImage>

// The picture a window shows at the left of its skinned title instead of its own icon. A width or
// height of 0 takes the size that suits the caption height.
struct TsTitleIcon {
    QImage Glyph;
    int Width = 0;
    int Height = 0;
};
