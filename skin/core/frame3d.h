#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>

// `width` nested one-pixel frames from the rectangle inwards, left and top edges in `topLeft`,
// right and bottom edges in `bottomRight` (colours 0x00BBGGRR). As on the platform, the
// bottom-left corner pixel belongs to the left edge and the top-right one to the right edge.
void paintFrame3D(QImage& canvas, const QRect& rect, int32_t topLeft, int width, int32_t bottomRight);
