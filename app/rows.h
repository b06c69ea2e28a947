// The copy rows of Vindrulen: the row shown in the configuration panel, the section name of
// each row in the settings file, the two path buffers, and the three row operations.
#ifndef VINDRULEN_ROWS_H
#define VINDRULEN_ROWS_H

#include <windows.h>

// The settings file; a bare name, which the profile services place in the Windows folder.
extern const char SettingsFile[];
// Size of every path buffer and the path fields' character limit (terminator included).
constexpr int kPathSize = 1000;
// Rows are numbered 1 to 9; slot 0 of RowSection stays empty.
constexpr int kFirstRow = 1;
constexpr int kLastRow = 9;

// The row shown in the configuration panel (0 or 10 only while a row arrow is held).
extern int CurrentRow;
// Slot n holds the section name of row n, the single digit n.
extern char RowSection[kLastRow + 1][2];
// The "From" and "To" values being read, saved or copied.
extern char FromText[kPathSize];
extern char ToText[kPathSize];

// Fills RowSection with the digits "1" to "9".
void FillRowSections();
// The section name of a row, or null for a row that has no slot (outside 0..9).
const char* RowName(int row);
// Reads key "From" of the row into FromText and key "To" into ToText; a row without a slot
// reads as a row without data and the file is not consulted. Returns the "From" read's count.
int ReadRow(int row);
// WM_VSCROLL: steps CurrentRow with the row field's arrows and loads the new row's paths.
void StepRow(WPARAM wparam, LPARAM lparam);
// Loads the current row's paths into the From and To fields.
void ShowRow();
// Stores the From and To fields' texts in the current row's section; tells the user, in a
// message box owned by window, when the settings file could not take them.
void SaveRow(HWND window);
// EN_CHANGE of the row field: a typed 1 to 9 selects that row and loads its paths; any other
// typed text is replaced by the current row's digit.
void RowTyped();

#endif
