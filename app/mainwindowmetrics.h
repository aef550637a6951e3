#pragma once

#include <QRect>

// The main window: the topic tree's panel on the left, the document to its right.
namespace metrics::mainWindow {
constexpr QRect frame{0, 0, 1009, 601};
constexpr int treePanelWidth = 289;
} // namespace metrics::mainWindow
