// List view: a report-style list with editable first cells; columns counted from 0, rows
// from 1; cells, rows, search, label editing, colours, font and the geometry members.
#include <windows.h>

#include <commctrl.h>

#include <cstring>

#include "base/keyword.h"
#include "controls/common_controls.h"
#include "controls/geometry.h"
#include "controls/listview.h"
#include "vu.h"

namespace {

constexpr DWORD kListStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_EDITLABELS | LVS_REPORT;  // 0x50800201

const vu::Keyword<int> kColumnAlignments[] = {
    {"L", LVCFMT_LEFT},
    {"C", LVCFMT_CENTER},
    {"R", LVCFMT_RIGHT},
};

// The column description every insertion reuses: an unknown alignment word keeps the
// alignment of the previous insertion (left at first).
LVCOLUMNA column_description = {};  // format LVCFMT_LEFT (0) at first

// The row that vu_ListViewAddCell last used, and in which list view: a row number that
// another list view used last still gets its own row here.
struct LastAdded {
    HWND list;
    int index;
};
LastAdded last_added = {nullptr, -1};

constexpr int kWidestColumn = 2000;  // wider answers are taken as failures

}  // namespace

namespace vu {
namespace listview {

int InsertDescribedRow(HWND list, int index, LPARAM data)
{
    LVITEMA row = {};
    row.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
    row.iItem = index;
    row.pszText = LPSTR_TEXTCALLBACKA;
    row.iImage = index;
    row.lParam = data;
    return static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)));
}

bool SetCellText(HWND list, int index, int column, const char* text)
{
    if (index < 0) return false;
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = const_cast<char*>(TextOrEmpty(text));
    return SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(&cell)) != 0;
}

}  // namespace listview
}  // namespace vu

using vu::listview::ItemIndex;

HWND vu_ListView(HWND parent, int x, int y, int width, int height)
{
    vu::InitCommonClasses(ICC_LISTVIEW_CLASSES);
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", kListStyle, x, y, width,
                                height, parent, nullptr, vu::InstanceOf(parent), nullptr);
    if (list == nullptr) return nullptr;
    // All four zero (added without overflow): fill the parent's client area.
    if (static_cast<long long>(x) + y + width + height == 0) {
        RECT client = {};
        GetClientRect(parent, &client);
        MoveWindow(list, 0, 0, client.right, client.bottom, TRUE);
    }
    return list;
}

int vu_ListViewSetColors(HWND list, COLORREF text, COLORREF background)
{
    SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
    SendMessageA(list, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
    return InvalidateRect(list, nullptr, TRUE) ? 0 : 1;
}

int vu_ListViewInsertColumn(HWND list, int width, const char* alignment, const char* text,
                            int column)
{
    column_description.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column_description.fmt = vu::KeywordValue(kColumnAlignments, alignment, column_description.fmt);
    column_description.cx = width;
    column_description.pszText = const_cast<char*>(vu::TextOrEmpty(text));
    column_description.iSubItem = column;
    const LRESULT index = SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                                       reinterpret_cast<LPARAM>(&column_description));
    column_description.pszText = nullptr;  // the caller's text is not kept
    return static_cast<int>(index);
}

int vu_ListViewDeleteColumn(HWND list, int column)
{
    SendMessageA(list, LVM_DELETECOLUMN, static_cast<WPARAM>(column), 0);
    return 0;
}

int vu_ListViewGetColumnWidth(HWND list, int column)
{
    const LRESULT width = SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0);
    return width > kWidestColumn ? -1 : static_cast<int>(width);
}

int vu_ListViewInsertRow(HWND list, int row)
{
    const int index = vu::listview::InsertDescribedRow(list, ItemIndex(row), 0);
    if (index < 0) return 1;
    vu::listview::SetCellText(list, index, 0, "");
    return 0;
}

int vu_ListViewAddCell(HWND list, const char* text, int row, int column)
{
    const int index = ItemIndex(row);
    if (index != last_added.index || list != last_added.list)
        vu::listview::InsertDescribedRow(list, index, reinterpret_cast<LPARAM>(text));
    last_added = {list, index};
    return vu::listview::SetCellText(list, index, column, text) ? 0 : 1;
}

int vu_ListViewSetCell(HWND list, const char* text, int row, int column)
{
    return vu::listview::SetCellText(list, ItemIndex(row), column, text) ? 0 : 1;
}

int vu_ListViewGetCell(HWND list, char* buffer, int row, int column)
{
    if (buffer == nullptr) return 0;
    buffer[0] = '\0';
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = buffer;
    cell.cchTextMax = vu::listview::kCellBytes;
    const int index = ItemIndex(row);
    if (index < 0) return 0;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&cell));
    // A longer text is cut to 254 characters and a NUL; some platform versions fill all 255
    // bytes without the NUL, so it is put there here and the length counted afterwards.
    buffer[vu::listview::kCellBytes - 1] = '\0';
    return static_cast<int>(std::strlen(buffer));
}

int vu_ListViewDeleteRow(HWND list, int row)
{
    SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(ItemIndex(row)), 0);
    return 0;
}

int vu_ListViewDeleteAllRows(HWND list)
{
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    return 0;
}

int vu_ListViewGetRowCount(HWND list)
{
    return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

int vu_ListViewGetCountPerPage(HWND list)
{
    return static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
}

int vu_ListViewUpdateRow(HWND list, int row)
{
    return SendMessageA(list, LVM_UPDATE, static_cast<WPARAM>(ItemIndex(row)), 0) ? 0 : 1;
}

int vu_ListViewEditLabel(HWND list, int row)
{
    SetFocus(list);
    return SendMessageA(list, LVM_EDITLABELA, static_cast<WPARAM>(ItemIndex(row)), 0) ? 0 : 1;
}

HWND vu_ListViewGetEditControl(HWND list)
{
    return reinterpret_cast<HWND>(SendMessageA(list, LVM_GETEDITCONTROL, 0, 0));
}

int vu_ListViewFindRow(HWND list, const char* text)
{
    SetFocus(list);
    LVFINDINFOA find = {};
    find.flags = LVFI_STRING | LVFI_PARTIAL;
    find.psz = vu::TextOrEmpty(text);
    const LRESULT index =
        SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find));
    return index >= 0 ? static_cast<int>(index) + 1 : -1;
}

int vu_ListViewSetFont(HWND list, HFONT font)
{
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return 0;
}

HFONT vu_ListViewCreatePointFont(HWND window, int points, int weight, int style, int reserved, const char* face) { return vu_CreatePointFont(window, points, weight, style, reserved, face); }

int vu_ListViewDestroy(HWND list) { return vu::geometry::Destroy(list); }
int vu_ListViewHide(HWND list) { return vu::geometry::Hide(list); }
int vu_ListViewShow(HWND list) { return vu::geometry::Show(list, SW_SHOW); }
int vu_ListViewMove(HWND list, int x, int y) { return vu::geometry::MoveRaw(list, x, y); }
int vu_ListViewCenter(HWND list) { return vu::geometry::Center(list); }
int vu_ListViewGetPos(HWND list) { return vu::geometry::GetPos(list); }
int vu_ListViewResize(HWND list, int width, int height) { return vu::geometry::Resize(list, width, height); }
int vu_ListViewGetSize(HWND list) { return vu::geometry::GetSize(list); }
int vu_ListViewFit(HWND list, int x, int y, int width_delta, int height_delta) { return vu::geometry::FitRaw(list, x, y, width_delta, height_delta); }
int vu_ListViewDisable(HWND list) { return vu::geometry::Disable(list); }
int vu_ListViewEnable(HWND list) { return vu::geometry::Enable(list); }
int vu_ListViewRedraw(HWND list) { return vu::geometry::RedrawErased(list); }
