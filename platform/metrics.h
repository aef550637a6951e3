#pragma once

// The sizes the window frame and the controls are laid out with. They stand where a Windows
// program would ask the system, so that every window agrees on one set.
namespace metrics {
constexpr int frameWidth = 4;        // sizing border on each side
constexpr int captionHeight = 26;    // title bar
constexpr int menuBarHeight = 20;
constexpr int scrollArrowSize = 17;  // width of a vertical bar, height of a horizontal one
constexpr int smallIconSize = 16;
} // namespace metrics
