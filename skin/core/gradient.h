#pragma once

#include "skin/core/skintypes.h"

#include <QImage>
#include <QRect>

// Paints `gradient` over `rect` of a 24-bit bitmap. The first segment's mode decides the
// direction for all of them (0 top to bottom, 1 left to right, anything else paints nothing);
// each segment takes its percent of the rectangle's height or width, the last one reaches the far
// edge, and the row or column where two segments meet is painted by the later one.
void paintGradient(QImage& bitmap, const QRect& rect, const TsGradArray& gradient);
