#pragma once

// The sizes the window frame is laid out with. They stand where a Windows program would ask the
// system, so that every window agrees on one set. A window's or a control's own layout numbers
// are beside it, in its folder's <name>metrics.h.
namespace metrics {
constexpr int frameWidth = 4;     // sizing border on each side
constexpr int captionHeight = 26; // title bar
constexpr int menuBarHeight = 20;
constexpr int scrollArrowSize = 17; // width of a vertical bar, height of a horizontal one
constexpr int smallIconSize = 16;

// A skinned window may grow past the work area by this much in width and height, so that its
// frame can stand beyond the screen's edges when maximised.
constexpr int workAreaOverhang = 6;
// A minimised skinned window's image is this wide, as tall as its title.
constexpr int minimizedFrameWidth = 160;
} // namespace metrics
