// Rows of the list view as the toolkit inserts them, shared by the row calls and the file
// import. Internal to the toolkit.
#ifndef VU_CONTROLS_LISTVIEW_H
#define VU_CONTROLS_LISTVIEW_H

#include <windows.h>

namespace vu {
namespace listview {

// A cell read back holds 254 characters at most.
constexpr int kCellBytes = 255;

// The platform item index of row n >= 1; other row numbers give -1, which names no row
// (and no insertion place), without the overflow of n - 1 at INT_MIN.
inline int ItemIndex(int row) { return row >= 1 ? row - 1 : -1; }

// Inserts a row at item index with the toolkit's row description: no state, image index
// equal to the item index, item data data, and a first cell that the parent supplies on
// request until a text is set. Returns the platform's index of the new row, -1 on failure.
int InsertDescribedRow(HWND list, int index, LPARAM data);

// Sets cell (item index, column) to text; false when the platform refused.
bool SetCellText(HWND list, int index, int column, const char* text);

}  // namespace listview
}  // namespace vu

#endif
