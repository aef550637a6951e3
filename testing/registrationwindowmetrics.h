#pragma once

#include <QPoint>
#include <QRect>

// The registration window: the name box on one line, the start button filling the rest.
namespace metrics::registrationWindow {
constexpr QRect frame{300, 250, 581, 109};
constexpr QPoint nameLabel{8, 12};
constexpr int nameEditGap = 9; // from the label's right edge
constexpr int nameEditTop = 10;
constexpr int nameEditRightMargin = 12;
constexpr int nameEditHeight = 24;
constexpr int startButtonTop = 44;
} // namespace metrics::registrationWindow
