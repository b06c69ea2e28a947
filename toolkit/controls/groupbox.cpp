// The group box: a titled frame, and its geometry members.
#include "base/keyword.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {
constexpr DWORD kGroupBoxStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;  // 0x50000007
}  // namespace

HWND vu_GroupBox(HWND parent, int x, int y, int width, int height, const char* title)
{
    return CreateWindowExA(0, "button", vu::TextOrEmpty(title), kGroupBoxStyle, x, y, width,
                           height, parent, nullptr, nullptr, nullptr);
}

int vu_GroupBoxDestroy(HWND box) { return vu::geometry::Destroy(box); }
int vu_GroupBoxHide(HWND box) { return vu::geometry::Hide(box); }
int vu_GroupBoxShow(HWND box) { return vu::geometry::Show(box, SW_SHOWNORMAL); }
int vu_GroupBoxMove(HWND box, int x, int y) { return vu::geometry::Move(box, x, y); }
int vu_GroupBoxResize(HWND box, int width, int height)
{
    return vu::geometry::Resize(box, width, height);
}
