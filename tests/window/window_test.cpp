// Top-level windows: class per window, keyword styles, sizes, show modes, restyling.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "vu_test.h"

namespace {

HINSTANCE Self() { return GetModuleHandleA(nullptr); }

std::string ClassOf(HWND w)
{
    char name[256] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

DWORD StyleOf(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)); }
DWORD ExStyleOf(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_EXSTYLE)); }
DWORD ClassStyleOf(HWND w) { return GetClassLongA(w, GCL_STYLE); }

RECT RectOf(HWND w)
{
    RECT r = {};
    GetWindowRect(w, &r);
    return r;
}

// Bits the platform itself manages on top-level windows: it keeps siblings clipped, owns
// the visible bit, and gives an overlapped window (neither popup nor child) a caption.
constexpr DWORD kPlatformStyle = WS_CLIPSIBLINGS | WS_VISIBLE;
DWORD PlatformCaption(DWORD style)
{
    return (style & (WS_POPUP | WS_CHILD)) ? 0 : WS_CAPTION;
}
// The window edge follows the frame; the platform sets and clears it.
constexpr DWORD kPlatformExStyle = WS_EX_WINDOWEDGE;

struct CreateRow {
    const char* word;
    DWORD style;
    DWORD ex_style;
    DWORD class_style;
};

const CreateRow kCreateRows[] = {
    {"NOLIST", 0x80400000, 0, 0x0008},
    {"TOOLWIN", 0, 0x80, 0x0008},
    {"TOOLWIN_NOCLO", 0x00080000, 0x80, 0x0208},
    {"TOOLWIN_CLO", 0x00080000, 0x80, 0x0008},
    {"EMPTYLIST", 0x00C00000, 0, 0x0008},
    {"NOCLO", 0x00C80000, 0, 0x0208},
    {"CLO", 0x00C80000, 0, 0x0008},
    {"QUE_NOCLO", 0x00C80000, 0x400, 0x0208},
    {"QUE_CLO", 0x00C80000, 0x400, 0x0008},
    {"NOMIN_MAX_NOCLO", 0x00090000, 0, 0x0208},
    {"MIN_NOMAX_NOCLO", 0x000A0000, 0, 0x0208},
    {"MIN_NOMAX_CLO", 0x000A0000, 0, 0x0008},
    {"NOMIN_MAX_CLO", 0x00090000, 0, 0x0008},
    {"MIN_MAX_NOCLO", 0x000B0000, 0, 0x0208},
    {"MIN_MAX_CLO", 0x000B0000, 0, 0x0008},
    // Words outside the table, lower case included, give the plain overlapped window.
    {"toolwin_clo", 0, 0, 0x0008},
    {"TOOLWIN_CLO ", 0, 0, 0x0008},
    {"", 0, 0, 0x0008},
    {nullptr, 0, 0, 0x0008},
};

TEST(WindowCreate, RegistersClassNamedAfterTitleAndShowsWindow)
{
    const std::string title = vu_test::UniqueTitle("Fönster");
    HWND w = vu_WindowCreate(Self(), title.c_str(), 10, 20, 200, 100, "CLO");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(ClassOf(w), title);
    char caption[256] = {};
    GetWindowTextA(w, caption, sizeof caption);
    EXPECT_EQ(caption, title);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_FALSE(IsZoomed(w));
    EXPECT_FALSE(IsIconic(w));
    EXPECT_EQ(GetParent(w), nullptr);
    EXPECT_EQ(GetMenu(w), nullptr);
    const RECT r = RectOf(w);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 100 + GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(vu_WindowDestroy(w), 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(vu_WindowDestroy(w), 1);
    EXPECT_EQ(vu_WindowDestroy(nullptr), 1);
}

TEST(WindowCreate, WindowCreateDeliversCreateBeforeReturning)
{
    vu_test::ClearMessages();
    HWND w = vu_WindowCreate(Self(), vu_test::UniqueTitle("Skapa").c_str(), 0, 0, 100, 50,
                             "CLO");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(vu_test::CountMessages(WM_CREATE, w), 1);
    EXPECT_EQ(vu_test::CountMessages(WM_SHOWWINDOW, w), 1);
    vu_WindowDestroy(w);
}

TEST(WindowCreate, ClassRecordHoldsArrowGreyBackgroundAndNoIcon)
{
    const std::string title = vu_test::UniqueTitle("Klass");
    HWND w = vu_WindowCreate(Self(), title.c_str(), 0, 0, 100, 50, "CLO");
    ASSERT_NE(w, nullptr);
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    ASSERT_TRUE(GetClassInfoExA(Self(), title.c_str(), &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(wc.lpfnWndProc, &MainWindowProc);
    EXPECT_EQ(wc.cbClsExtra, 0);
    EXPECT_EQ(wc.cbWndExtra, 0);
    EXPECT_EQ(wc.hInstance, Self());
    EXPECT_EQ(wc.hIcon, nullptr);
    EXPECT_EQ(wc.hIconSm, nullptr);
    EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    EXPECT_EQ(wc.hbrBackground, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    EXPECT_EQ(wc.lpszMenuName, nullptr);
    EXPECT_EQ(GetClassLongPtrA(w, GCLP_HICON), 0);
    vu_WindowDestroy(w);
}

TEST(WindowCreate, EmptyTitleNamesClassAfterInstance)
{
    // "Class" and the instance handle as a signed decimal: one class for every untitled
    // window of the module, so a second untitled window cannot be made.
    char expected[64];
    std::snprintf(expected, sizeof expected, "Class%li",
                  static_cast<long>(reinterpret_cast<LONG_PTR>(Self())));
    HWND w = vu_WindowCreate(Self(), "", 0, 0, 100, 50, "CLO");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(ClassOf(w), expected);
    EXPECT_EQ(GetWindowTextLengthA(w), 0);
    EXPECT_EQ(vu_WindowCreate(Self(), nullptr, 0, 0, 100, 50, "CLO"), nullptr);
    vu_WindowDestroy(w);
}

TEST(WindowCreate, SecondWindowOfSameTitleIsRefused)
{
    const std::string title = vu_test::UniqueTitle("Samma");
    HWND first = vu_WindowCreate(Self(), title.c_str(), 0, 0, 100, 50, "CLO");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(vu_WindowCreate(Self(), title.c_str(), 0, 0, 100, 50, "NOLIST"), nullptr);
    EXPECT_EQ(FindWindowA(title.c_str(), nullptr), first);
    vu_WindowDestroy(first);
    // The class outlives its window: the title stays taken.
    EXPECT_EQ(vu_WindowCreate(Self(), title.c_str(), 0, 0, 100, 50, "CLO"), nullptr);
}

TEST(WindowCreate, EveryStyleWordGivesItsStylesAndClassStyle)
{
    for (const CreateRow& row : kCreateRows) {
        SCOPED_TRACE(row.word ? row.word : "(null)");
        HWND w = vu_WindowCreate(Self(), vu_test::UniqueTitle("Stil").c_str(), 40, 50, 180,
                                 90, row.word);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(StyleOf(w) & ~kPlatformStyle, row.style | PlatformCaption(row.style));
        EXPECT_EQ(ExStyleOf(w) & ~kPlatformExStyle, row.ex_style);
        EXPECT_EQ(ClassStyleOf(w), row.class_style);
        // The caption height is added whatever the frame.
        const RECT r = RectOf(w);
        EXPECT_EQ(r.right - r.left, 180);
        EXPECT_EQ(r.bottom - r.top, 90 + GetSystemMetrics(SM_CYCAPTION));
        vu_WindowDestroy(w);
    }
}

TEST(WindowCreate, LongTitleDoesNotOverrunTheClassName)
{
    const std::string title = vu_test::UniqueTitle("L") + std::string(400, 'x');
    HWND w = vu_WindowCreate(Self(), title.c_str(), 0, 0, 100, 50, "CLO");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(ClassOf(w), title.substr(0, 249));
    vu_WindowDestroy(w);
}

TEST(WindowShowMode, ReportsWhetherTheWindowWasHidden)
{
    HWND w = vu_WindowCreate(Self(), vu_test::UniqueTitle("Visa").c_str(), 30, 30, 150, 80,
                             "MIN_MAX_CLO");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(vu_WindowShowMode(w, "HIDE"), 0);
    EXPECT_FALSE(IsWindowVisible(w));
    EXPECT_EQ(vu_WindowShowMode(w, "HIDE"), 1);
    EXPECT_EQ(vu_WindowShowMode(w, "SHOW"), 1);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(vu_WindowShowMode(w, "SHOW"), 0);
    EXPECT_EQ(vu_WindowShowMode(w, "MAXI"), 0);
    EXPECT_TRUE(IsZoomed(w));
    EXPECT_EQ(vu_WindowShowMode(w, "RESTORE"), 0);
    EXPECT_FALSE(IsZoomed(w));
    EXPECT_EQ(vu_WindowShowMode(w, "MINI"), 0);
    EXPECT_TRUE(IsIconic(w));
    EXPECT_EQ(vu_WindowShowMode(w, "NORMAL"), 0);
    EXPECT_FALSE(IsIconic(w));
    EXPECT_EQ(vu_WindowShowMode(w, "ACTIVMINI"), 0);
    EXPECT_TRUE(IsIconic(w));
    EXPECT_EQ(vu_WindowShowMode(w, "ACTIVMAXI"), 0);
    EXPECT_TRUE(IsZoomed(w));
    EXPECT_EQ(vu_WindowShowMode(w, "INACTMINI"), 0);
    EXPECT_TRUE(IsIconic(w));
    EXPECT_EQ(vu_WindowShowMode(w, "RESTORE"), 0);
    // A word outside the table leaves the window as it is and still answers.
    EXPECT_EQ(vu_WindowShowMode(w, "hide"), 0);
    EXPECT_EQ(vu_WindowShowMode(w, nullptr), 0);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(vu_WindowShowMode(w, "HIDE"), 0);
    EXPECT_EQ(vu_WindowShowMode(w, "hide"), 1);
    EXPECT_EQ(vu_WindowShowMode(w, "INACTIV"), 1);
    EXPECT_TRUE(IsWindowVisible(w));
    vu_WindowShowMode(w, "HIDE");
    EXPECT_EQ(vu_WindowShowMode(w, "INACTRESENT"), 1);
    EXPECT_TRUE(IsWindowVisible(w));
    vu_WindowShowMode(w, "HIDE");
    EXPECT_EQ(vu_WindowShowMode(w, "DEFAULT"), 1);
    EXPECT_TRUE(IsWindowVisible(w));
    vu_WindowDestroy(w);
    EXPECT_EQ(vu_WindowShowMode(w, "SHOW"), 1);  // a stale handle: nothing was visible
}

struct RestyleRow {
    const char* word;
    DWORD ex_style;
    DWORD style;
    DWORD class_style;
};

const RestyleRow kRestyleRows[] = {
    {"NOLIST", 0x100, 0x80400000, 0x000B},
    {"TOOLWIN", 0x80, 0x00C00000, 0x000B},
    {"TOOLWIN_NOCLO", 0x80, 0x00C80000, 0x020B},
    {"TOOLWIN_CLO", 0x80, 0x00C80000, 0x000B},
    {"EMPTYLIST", 0x100, 0x00C00000, 0x000B},
    {"NOCLO", 0x100, 0x00C80000, 0x020B},
    {"CLO", 0x100, 0x00C80000, 0x000B},
    {"QUE_NOCLO", 0x400, 0x00C80000, 0x020B},
    {"QUE_CLO", 0x400, 0x00C80000, 0x000B},
    {"NOMIN_MAX_NOCLO", 0x100, 0x00C90000, 0x020B},
    {"MIN_NOMAX_NOCLO", 0x100, 0x00CA0000, 0x020B},
    {"MIN_NOMAX_CLO", 0x100, 0x00CA0000, 0x000B},
    {"NOMIN_MAX_CLO", 0x100, 0x00C90000, 0x000B},
    {"MIN_MAX_NOCLO", 0x100, 0x00CB0000, 0x020B},
    {"MIN_MAX_CLO", 0x100, 0x00CB0000, 0x000B},
};

TEST(WindowRestyle, EveryWordSetsStylesAndClassStyleKeepingTheRectangle)
{
    HWND w = vu_WindowCreate(Self(), vu_test::UniqueTitle("Om").c_str(), 60, 70, 240, 130,
                             "TOOLWIN");
    ASSERT_NE(w, nullptr);
    const RECT before = RectOf(w);
    for (const RestyleRow& row : kRestyleRows) {
        SCOPED_TRACE(row.word);
        EXPECT_EQ(vu_WindowRestyle(w, row.word), 0);
        EXPECT_EQ(StyleOf(w) & ~kPlatformStyle, row.style);
        // The edge bit is the platform's; every other extended bit is the toolkit's.
        EXPECT_EQ(ExStyleOf(w) & ~kPlatformExStyle, row.ex_style & ~kPlatformExStyle);
        EXPECT_EQ(ClassStyleOf(w), row.class_style);
        EXPECT_TRUE(IsWindowVisible(w));
        const RECT r = RectOf(w);
        EXPECT_EQ(r.left, before.left);
        EXPECT_EQ(r.top, before.top);
        EXPECT_EQ(r.right, before.right);
        EXPECT_EQ(r.bottom, before.bottom);
    }
    vu_WindowDestroy(w);
}

TEST(WindowRestyle, UnknownWordKeepsStylesAndHiddenWindowIsShownNormal)
{
    HWND w = vu_WindowCreate(Self(), vu_test::UniqueTitle("Dold").c_str(), 80, 90, 200, 100,
                             "CLO");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(vu_WindowRestyle(w, "NOCLO"), 0);
    const DWORD style = StyleOf(w);
    const DWORD ex_style = ExStyleOf(w);
    ShowWindow(w, SW_HIDE);
    EXPECT_EQ(vu_WindowRestyle(w, "noclo"), 0);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_FALSE(IsIconic(w));
    EXPECT_FALSE(IsZoomed(w));
    EXPECT_EQ(StyleOf(w), style);
    EXPECT_EQ(ExStyleOf(w), ex_style);
    EXPECT_EQ(ClassStyleOf(w), 0x020Bu);
    const RECT r = RectOf(w);
    EXPECT_EQ(r.left, 80);
    EXPECT_EQ(r.top, 90);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 100 + GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(vu_WindowRestyle(w, nullptr), 0);
    vu_WindowDestroy(w);
    EXPECT_EQ(vu_WindowRestyle(w, "CLO"), 0);  // a stale handle: nothing happens
    EXPECT_EQ(vu_WindowRestyle(nullptr, "CLO"), 0);
}

}  // namespace
