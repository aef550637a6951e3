#pragma once

// A window too small for its controls scrolls them: an arrow moves them by the increment, and the
// farthest control keeps this margin from the far edge.
namespace metrics::windowScroll {
constexpr int increment = 8;
constexpr int contentMargin = 2;
} // namespace metrics::windowScroll
