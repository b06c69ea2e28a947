// The main window of Vindrulen: its fonts and fields, made once on WM_CREATE.
#ifndef VINDRULEN_MAIN_WINDOW_H
#define VINDRULEN_MAIN_WINDOW_H

#include <windows.h>

extern HFONT LabelFont;  // the left column's labels
extern HFONT NoteFont;   // the instructions in the frame and the version
extern HFONT FieldFont;  // the two path fields
extern HWND RowField;    // spin field of the current row
extern HWND FromField;   // source path
extern HWND ToField;     // destination path

// Command ids of the six buttons; the keypad's 4 to 9 arrive with the same numbers.
enum Command {
    kCopyAll = 100,
    kConfigForm = 101,
    kCornerForm = 102,
    kChooseSource = 103,
    kChooseFolder = 104,
    kSaveRow = 105,
};

// Runs one of the six commands for the main window.
void RunCommand(HWND window, int command);
// WM_DESTROY: ends the message loop with exit code 0.
void EndProgram();

#endif
