#pragma once

// The table navigator: a row of buttons inside a raised bevel; its moving buttons repeat while
// held.
namespace metrics::navigator {
constexpr int defaultWidth = 240;
constexpr int height = 25;            // also the height the editor docks it with
constexpr int bevelWidth = 1;         // the panel's inner margin
constexpr int minButtonSize = 6;      // in either direction
constexpr int repeatDelayMs = 400;    // from the press to the first repeat
constexpr int repeatIntervalMs = 100; // between later repeats
constexpr int focusMarkInset = 3;     // from a button's edge to its focus mark
} // namespace metrics::navigator
