#pragma once

#include <QRect>

// The login window: two labelled boxes and the login button along the bottom.
namespace metrics::loginWindow {
constexpr QRect frame{300, 200, 431, 187};
constexpr int labelLeft = 16;
constexpr int labelWidth = 160;
constexpr int lineHeight = 24;
constexpr int editLeft = 184;
constexpr int editRightMargin = 16;
constexpr int editHeight = 28;
constexpr int messageTop = 8;
constexpr int loginTop = 44;
constexpr int passwordTop = 84;
constexpr int editRaise = 2; // a box stands this much higher than its label
constexpr int buttonHeight = 32;
constexpr int textPixelSize = 16; // the bold text of the labels and boxes
} // namespace metrics::loginWindow
