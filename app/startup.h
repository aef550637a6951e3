#pragma once

// Creates the start window, the data module and the other windows in start-up order. On a
// failure while the data module is made, it reports "Application Error", destroys what was
// made and returns false; no window has been shown.
bool createProgram();

// Destroys every window and the data module (the end of the program, or of a test).
void destroyProgram();

// The whole program: create, show the start window, run the event loop. Exit status 0 after a
// normal end, 1 after a failed start-up.
int runProgram();
