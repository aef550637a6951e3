#pragma once

#include <QRect>

// The course search window: its place when it first opens; its controls follow its size.
namespace metrics::courseSearchWindow {
constexpr QRect frame{120, 120, 640, 480};
} // namespace metrics::courseSearchWindow
