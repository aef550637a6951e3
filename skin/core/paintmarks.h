#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

#include <cstdint>

// A dotted focus frame: a black pixel every third pixel along the rectangle's edges with a white
// one just before it, up and to the left. Pixels outside the bitmap are left out.
void paintFocusRect(QImage& canvas, const QRect& rect);

// A tick filled and outlined in `color` (0x00BBGGRR); disabled, it is embossed.
void paintCheckMark(QPainter& canvas, const QRect& rect, bool enabled, int32_t color);
