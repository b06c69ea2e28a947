// Top-level windows: creation with one class per window, destruction, show states and
// restyling by keyword.

#include "base/keyword.h"
#include "vu.h"
#include "window/reframe.h"

namespace {

struct CreateStyle {
    DWORD style;
    DWORD ex_style;
    bool no_close;
};

// Searched in this order; a word outside the table gives the plain overlapped window.
const vu::Keyword<CreateStyle> kCreateStyles[] = {
    {"NOLIST", {WS_POPUP | WS_DLGFRAME, 0, false}},
    {"TOOLWIN", {0, WS_EX_TOOLWINDOW, false}},
    {"TOOLWIN_NOCLO", {WS_SYSMENU, WS_EX_TOOLWINDOW, true}},
    {"TOOLWIN_CLO", {WS_SYSMENU, WS_EX_TOOLWINDOW, false}},
    {"EMPTYLIST", {WS_CAPTION, 0, false}},
    {"NOCLO", {WS_CAPTION | WS_SYSMENU, 0, true}},
    {"CLO", {WS_CAPTION | WS_SYSMENU, 0, false}},
    {"QUE_NOCLO", {WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, true}},
    {"QUE_CLO", {WS_CAPTION | WS_SYSMENU, WS_EX_CONTEXTHELP, false}},
    {"NOMIN_MAX_NOCLO", {WS_SYSMENU | WS_MAXIMIZEBOX, 0, true}},
    {"MIN_NOMAX_NOCLO", {WS_SYSMENU | WS_MINIMIZEBOX, 0, true}},
    {"MIN_NOMAX_CLO", {WS_SYSMENU | WS_MINIMIZEBOX, 0, false}},
    {"NOMIN_MAX_CLO", {WS_SYSMENU | WS_MAXIMIZEBOX, 0, false}},
    {"MIN_MAX_NOCLO", {WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, true}},
    {"MIN_MAX_CLO", {WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, false}},
};

struct Restyle {
    DWORD ex_style;
    DWORD style;
    DWORD class_style;
};

constexpr DWORD kRedraw = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;  // 0x000B
constexpr DWORD kRedrawNoClose = kRedraw | CS_NOCLOSE;           // 0x020B
constexpr DWORD kCaptionMenu = WS_CAPTION | WS_SYSMENU;          // 0x00C80000

const vu::Keyword<Restyle> kRestyles[] = {
    {"NOLIST", {WS_EX_WINDOWEDGE, WS_POPUP | WS_DLGFRAME, kRedraw}},
    {"TOOLWIN", {WS_EX_TOOLWINDOW, WS_CAPTION, kRedraw}},
    {"TOOLWIN_NOCLO", {WS_EX_TOOLWINDOW, kCaptionMenu, kRedrawNoClose}},
    {"TOOLWIN_CLO", {WS_EX_TOOLWINDOW, kCaptionMenu, kRedraw}},
    {"EMPTYLIST", {WS_EX_WINDOWEDGE, WS_CAPTION, kRedraw}},
    {"NOCLO", {WS_EX_WINDOWEDGE, kCaptionMenu, kRedrawNoClose}},
    {"CLO", {WS_EX_WINDOWEDGE, kCaptionMenu, kRedraw}},
    {"QUE_NOCLO", {WS_EX_CONTEXTHELP, kCaptionMenu, kRedrawNoClose}},
    {"QUE_CLO", {WS_EX_CONTEXTHELP, kCaptionMenu, kRedraw}},
    {"NOMIN_MAX_NOCLO", {WS_EX_WINDOWEDGE, kCaptionMenu | WS_MAXIMIZEBOX, kRedrawNoClose}},
    {"MIN_NOMAX_NOCLO", {WS_EX_WINDOWEDGE, kCaptionMenu | WS_MINIMIZEBOX, kRedrawNoClose}},
    {"MIN_NOMAX_CLO", {WS_EX_WINDOWEDGE, kCaptionMenu | WS_MINIMIZEBOX, kRedraw}},
    {"NOMIN_MAX_CLO", {WS_EX_WINDOWEDGE, kCaptionMenu | WS_MAXIMIZEBOX, kRedraw}},
    {"MIN_MAX_NOCLO",
     {WS_EX_WINDOWEDGE, kCaptionMenu | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, kRedrawNoClose}},
    {"MIN_MAX_CLO", {WS_EX_WINDOWEDGE, kCaptionMenu | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, kRedraw}},
};

const vu::Keyword<int> kShowModes[] = {
    {"HIDE", SW_HIDE},
    {"MAXI", SW_SHOWMAXIMIZED},
    {"MINI", SW_MINIMIZE},
    {"RESTORE", SW_RESTORE},
    {"SHOW", SW_SHOW},
    {"DEFAULT", SW_SHOWDEFAULT},
    {"ACTIVMAXI", SW_SHOWMAXIMIZED},
    {"ACTIVMINI", SW_SHOWMINIMIZED},
    {"INACTMINI", SW_SHOWMINNOACTIVE},
    {"INACTIV", SW_SHOWNA},
    {"INACTRESENT", SW_SHOWNOACTIVATE},
    {"NORMAL", SW_SHOWNORMAL},
};

constexpr std::size_t kClassNameSize = 250;

}  // namespace

HWND vu_WindowCreate(HINSTANCE instance, const char* title, int x, int y, int width,
                     int height, const char* style)
{
    title = vu::TextOrEmpty(title);
    char class_name[kClassNameSize];
    if (title[0] == '\0')
        wsprintfA(class_name, "Class%li", static_cast<long>(reinterpret_cast<LONG_PTR>(instance)));
    else
        lstrcpynA(class_name, title, sizeof class_name);  // longer titles are cut

    const vu::Keyword<CreateStyle>* row = vu::FindKeyword(kCreateStyles, style);
    const CreateStyle chosen = row ? row->value : CreateStyle{0, 0, false};

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS | (chosen.no_close ? CS_NOCLOSE : 0);
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = class_name;
    if (!RegisterClassExA(&wc)) return nullptr;

    const int caption = GetSystemMetrics(SM_CYCAPTION);
    HWND window = CreateWindowExA(chosen.ex_style, class_name, title, chosen.style, x, y,
                                  width, height + caption, nullptr, nullptr, instance, nullptr);
    if (window) ShowWindow(window, SW_SHOWNORMAL);
    return window;
}

int vu_WindowDestroy(HWND window) { return DestroyWindow(window) ? 0 : 1; }

int vu_WindowShowMode(HWND window, const char* mode)
{
    // A word outside the table shows nothing: the window keeps its state, and the result
    // still tells whether it was hidden.
    const vu::Keyword<int>* row = vu::FindKeyword(kShowModes, mode);
    if (row == nullptr) return IsWindowVisible(window) ? 0 : 1;
    return ShowWindow(window, row->value) ? 0 : 1;
}

int vu_WindowRestyle(HWND window, const char* style)
{
    const vu::Keyword<Restyle>* row = vu::FindKeyword(kRestyles, style);
    return vu::Reframe(window, [&] {
        if (row == nullptr) return;  // an unknown word only hides and shows the window
        vu::SetStyleWord(window, GWL_EXSTYLE, row->value.ex_style);
        vu::SetStyleWord(window, GWL_STYLE, row->value.style);
        SetClassLongA(window, GCL_STYLE, static_cast<LONG>(row->value.class_style));
    });
}
