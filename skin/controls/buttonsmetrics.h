#pragma once

// Skinned buttons and panels: a speed button's drop-down arrow part is added at its right edge;
// the window's size grip is a square panel.
namespace metrics::buttons {
constexpr int dropDownArrowWidth = 16;
constexpr int gripSize = 20;
} // namespace metrics::buttons
