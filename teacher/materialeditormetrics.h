#pragma once

#include <QRect>

// The material editor: a page per table, each with its grid (or the question's boxes) above a
// navigator docked to the bottom.
namespace metrics::materialEditor {
constexpr QRect frame{20, 20, 986, 675};
constexpr int textColumnWidth = 400;
constexpr QRect questionText{0, 0, 961, 233};
constexpr QRect correctAnswer{0, 241, 121, 33};
constexpr int textPixelSize = 16; // the question's data-bound memo and answer box
} // namespace metrics::materialEditor
