// Start-up of Vindrulen: the command-line tail and the GUI main routine.
#ifndef VINDRULEN_STARTUP_H
#define VINDRULEN_STARTUP_H

#include <windows.h>

// The part of a command line after the program name and the blanks that follow it.
// Only the space counts as a blank. A quoted program name ends at the next quote; a quote
// that never closes makes the whole line the tail. Never returns null.
const char* CommandLineTail(const char* line);

// Creates the main window and runs the message loop; returns the exit code carried by
// WM_QUIT, or 1 when the main window cannot be created.
int GuiMain(HINSTANCE instance, HINSTANCE previous, const char* tail, int show);

#endif
