#pragma once

#include <QMargins>

class QWidget;

// Where a top-level window stands on its screen's work area (the screen without the taskbar),
// measured with its frame, whether the desktop draws the frame or the program does.

// The frame around the window's client area: frameGeometry() against geometry().
QMargins frameMargins(const QWidget* window);

// Moves the window, frame included, into the work area, first shrinking it as far as its
// minimum size allows when it is larger, so that every control stays within reach.
void keepWithinScreen(QWidget* window);

// Gives the window, frame included, the whole work area without maximising it.
void fillWorkArea(QWidget* window);
