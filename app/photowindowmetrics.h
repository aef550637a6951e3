#pragma once

#include <QRect>

// The photo window: the topic tree on the left, the photo to its right.
namespace metrics::photoWindow {
constexpr QRect frame{190, 35, 775, 535};
constexpr int treeWidth = 265;
} // namespace metrics::photoWindow
