#pragma once

#include <QSize>

// Tab and page controls: their size when made, and the edges past which a tab counts as scrolled
// out (at the left: its right edge at or before the first; at the right: beyond the control's
// width less the margin and the up-down).
namespace metrics::tabControl {
constexpr QSize defaultSize{289, 100};
constexpr int scrolledOutEdge = 4;
constexpr int rightMargin = 3;
} // namespace metrics::tabControl
