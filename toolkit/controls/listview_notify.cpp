// The list view's notification handlers, called by the application's window procedure with
// the records the list view sends its parent: the clicked column, in-place label editing,
// and sorting on the first column.
#include <windows.h>

#include <commctrl.h>

#include "vu.h"

namespace {

constexpr int kColumnLimit = 255;  // column numbers 0..254 are answered

// The sort state all list views share: 1 once a column was clicked, 0 after a label edit.
int sort_state = 0;

int CALLBACK AlwaysAfter(LPARAM, LPARAM, LPARAM) { return 1; }

}  // namespace

int vu_ListViewColumnClicked(HWND list, HWND other, const NMHDR* header)
{
    if (other == list) return 0;
    if (header == nullptr || header->code != LVN_COLUMNCLICK) return -1;
    const int column = reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem;
    return column >= 0 && column < kColumnLimit ? column : -1;
}

int vu_ListViewLabelEditNotify(HWND list, HWND other, const NMHDR* header)
{
    if (other == list || header == nullptr) return 0;
    if (header->code == LVN_BEGINLABELEDITA) {
        HWND edit = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETEDITCONTROL, 0, 0));
        SendMessageA(edit, EM_LIMITTEXT, 255, 0);
    } else if (header->code == LVN_ENDLABELEDITA) {
        // A cancelled edit has no text; an accepted one becomes the row's first cell.
        const LVITEMA& item = reinterpret_cast<const NMLVDISPINFOA*>(header)->item;
        if (item.iItem != -1 && item.pszText != nullptr) {
            LVITEMA cell = {};
            cell.iSubItem = 0;
            cell.pszText = item.pszText;
            SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(item.iItem),
                         reinterpret_cast<LPARAM>(&cell));
        }
    }
    return 0;
}

int vu_ListViewSortNotify(HWND list, HWND other, const NMHDR* header)
{
    if (other == list || header == nullptr) return 0;
    if (header->code == LVN_COLUMNCLICK) {
        if (reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem == 0)
            SendMessageA(header->hwndFrom, LVM_SORTITEMS, 0,
                         reinterpret_cast<LPARAM>(sort_state == 0 ? nullptr : AlwaysAfter));
        sort_state = 1;
    } else if (header->code == LVN_ENDLABELEDITA) {
        sort_state = 0;
    }
    return 0;
}
