#pragma once

#include <QPoint>
#include <QRect>

// The multimedia window: the list of media files, with the boxes that add one below it.
namespace metrics::multimediaWindow {
constexpr QRect frame{223, 137, 430, 339};
constexpr QRect list{8, 8, 401, 153};
constexpr int itemHeight = 16;
constexpr QRect runButton{8, 168, 105, 25};
constexpr QPoint topicLabel{16, 208};
constexpr QRect topicEdit{64, 200, 345, 28};
constexpr QPoint fileLabel{16, 240};
constexpr QRect fileEdit{152, 232, 257, 28};
constexpr QRect addButton{8, 272, 105, 25};
constexpr QRect searchEdit{176, 272, 121, 21}; // hidden; it carries the searched name
} // namespace metrics::multimediaWindow
