#pragma once

// The skinned scroll bar: its slider never gets shorter than the minimum; a held arrow or track
// first repeats after the delay, then at the interval. The up-down control repeats the same way.
namespace metrics::scrollBar {
constexpr int defaultLength = 121;
constexpr int minSliderLength = 14;
constexpr int repeatDelayMs = 500;
constexpr int repeatIntervalMs = 100;
} // namespace metrics::scrollBar
