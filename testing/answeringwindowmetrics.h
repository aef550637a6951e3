#pragma once

#include <QRect>
#include <QSize>

// The answering window: the question list on the left; the question, its answers and the
// hand-in button to its right and below.
namespace metrics::answeringWindow {
constexpr QRect frame{150, 100, 714, 508};
constexpr int buttonHeight = 25;
constexpr int listWidth = 81;
constexpr QRect heading{93, 8, 601, 20};
constexpr QRect question{93, 32, 601, 329};
constexpr QRect answers{93, 369, 601, 57};
constexpr int answerColumns = 5;
constexpr QSize minimumClient{360, 240}; // the smallest the window shrinks to on a small screen
} // namespace metrics::answeringWindow
