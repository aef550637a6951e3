#pragma once

#include <QRect>

// The start window: the cover picture fills it.
namespace metrics::startWindow {
constexpr QRect frame{354, 118, 466, 497};
} // namespace metrics::startWindow
