#pragma once

#include <QRect>

// The result window: one line of text each, the numbers in boxes set into the lines.
namespace metrics::resultWindow {
constexpr QRect frame{300, 200, 491, 222};
constexpr int firstLineTop = 8;
constexpr int lineHeight = 28;
constexpr int lineSpacing = 36;
constexpr int leftMargin = 12;
constexpr int boxGap = 3; // between a box and the text on either side
constexpr int markBoxWidth = 40;
constexpr int scoreBoxWidth = 110;
} // namespace metrics::resultWindow
