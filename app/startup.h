#pragma once

#include <functional>

// Starts reading the desktop's font list on a second thread, the part that needs no toolkit at once:
// first thing in main, before the application object is made. createWindows starts it otherwise.
void startReadingFonts();

// Creates the start window, the data module and the other windows in start-up order; the other
// windows' controls are left to be built later. On a failure while the data module is made, it
// reports "Application Error", destroys what was made and returns false; no window has been shown.
bool createWindows();

// createWindows, then every window's controls at once: the whole program as a test or the
// tour starts from it.
bool createProgram();

// Shows the start window. The other windows' controls are built as soon as it has been painted
// once (nothing the student can reach before needs them), after `painted`, if given, has run.
void showStartWindow(const std::function<void()>& painted = {});

// Destroys every window and the data module (the end of the program, or of a test).
void destroyProgram();

// The whole program: the toolkit's translations, the installed program's course, create, show the start window, run the event loop. Exit status 0 after a
// normal end, 1 after a failed start-up.
int runProgram();
