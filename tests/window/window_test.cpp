// Top-level windows and their operations: classes, style words, show modes, restyling,
// placing, border and sizing-frame words, text, look and focus, read back from the platform.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "pixels.h"
#include "query.h"
#include "recorder.h"

namespace {

using namespace vu_test;

// Bits the platform manages itself: the visible bit, clipped siblings, the window edge,
// and the caption it gives every overlapped window.
constexpr DWORD kPlatformStyle = WS_CLIPSIBLINGS | WS_VISIBLE;
constexpr DWORD kFrameBits = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
int Caption() { return GetSystemMetrics(SM_CYCAPTION); }
DWORD Ex(HWND w) { return ExStyleOf(w) & ~WS_EX_WINDOWEDGE; }
HWND Make(const char* stem, const char* style, int x = 40, int y = 50, int width = 180, int height = 90)
{
    return vu_WindowCreate(Self(), UniqueTitle(stem).c_str(), x, y, width, height, style);
}
std::string LongClassOf(HWND w)
{
    char name[300] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}
// Left, top, width, height of the window rectangle, as one text for messages.
std::string Place(HWND w)
{
    const RECT r = RectInParent(w);
    char text[64];
    std::snprintf(text, sizeof text, "%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return text;
}

TEST(WindowCreate, StyleWordsClassAndCaptionHeight)
{
    const struct { const char* word; DWORD style, ex, class_style; } rows[] = {
        {"NOLIST", 0x80400000, 0, 8}, {"TOOLWIN", 0, 0x80, 8}, {"TOOLWIN_NOCLO", 0x80000, 0x80, 0x208},
        {"TOOLWIN_CLO", 0x80000, 0x80, 8}, {"EMPTYLIST", 0xC00000, 0, 8}, {"NOCLO", 0xC80000, 0, 0x208},
        {"CLO", 0xC80000, 0, 8}, {"QUE_NOCLO", 0xC80000, 0x400, 0x208}, {"QUE_CLO", 0xC80000, 0x400, 8},
        {"NOMIN_MAX_NOCLO", 0x90000, 0, 0x208}, {"MIN_NOMAX_NOCLO", 0xA0000, 0, 0x208},
        {"MIN_NOMAX_CLO", 0xA0000, 0, 8}, {"NOMIN_MAX_CLO", 0x90000, 0, 8},
        {"MIN_MAX_NOCLO", 0xB0000, 0, 0x208}, {"MIN_MAX_CLO", 0xB0000, 0, 8},
        {"toolwin_clo", 0, 0, 8}, {"", 0, 0, 8}, {nullptr, 0, 0, 8}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.word ? r.word : "(null)");
        const std::string title = UniqueTitle("Stil");
        HWND w = vu_WindowCreate(Self(), title.c_str(), 40, 50, 180, 90, r.word);
        ASSERT_NE(w, nullptr);
        const DWORD caption = (r.style & (WS_POPUP | WS_CHILD)) ? 0 : WS_CAPTION;
        EXPECT_EQ(StyleOf(w) & ~kPlatformStyle, r.style | caption);
        EXPECT_EQ(Ex(w), r.ex);
        EXPECT_EQ(GetClassLongA(w, GCL_STYLE), r.class_style);
        EXPECT_EQ(ClassOf(w), title);
        EXPECT_EQ(TextOf(w), title);
        EXPECT_EQ(Place(w), "40 50 180 " + std::to_string(90 + Caption()));
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        ASSERT_TRUE(GetClassInfoExA(Self(), title.c_str(), &wc));
        EXPECT_TRUE(wc.lpfnWndProc == &MainWindowProc && wc.hIcon == nullptr && wc.hIconSm == nullptr &&
                    wc.hCursor == LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)) &&
                    wc.hbrBackground == GetStockObject(LTGRAY_BRUSH));
        EXPECT_EQ(vu_WindowDestroy(w), 0);
        EXPECT_EQ(vu_WindowDestroy(w), 1);
    }
}

TEST(WindowCreate, ClassNamesEmptyRepeatedAndLongTitles)
{
    char untitled[64];
    std::snprintf(untitled, sizeof untitled, "Class%li", static_cast<long>(reinterpret_cast<LONG_PTR>(Self())));
    HWND w = vu_WindowCreate(Self(), "", 0, 0, 100, 50, "CLO");
    EXPECT_EQ(ClassOf(w), untitled);
    EXPECT_EQ(vu_WindowCreate(Self(), nullptr, 0, 0, 100, 50, "CLO"), nullptr);
    vu_WindowDestroy(w);
    // The class outlives its window: the title stays taken. A long title is cut.
    const std::string title = UniqueTitle("L") + std::string(400, 'x');
    w = vu_WindowCreate(Self(), title.c_str(), 0, 0, 100, 50, "CLO");
    EXPECT_EQ(LongClassOf(w), title.substr(0, 249));
    vu_WindowDestroy(w);
    EXPECT_EQ(vu_WindowCreate(Self(), title.c_str(), 0, 0, 100, 50, "NOLIST"), nullptr);
}

// 'H' hidden, 'I' minimised, 'X' maximised, 'N' shown normal.
char State(HWND w) { return !IsWindowVisible(w) ? 'H' : IsIconic(w) ? 'I' : IsZoomed(w) ? 'X' : 'N'; }

TEST(WindowShowMode, EveryWordFromAStartingState)
{
    HWND w = Make("Visa", "MIN_MAX_CLO");
    const struct { const char* word; int start; int result; char after; } rows[] = {
        {"HIDE", SW_SHOWNORMAL, 0, 'H'}, {"MAXI", SW_SHOWNORMAL, 0, 'X'}, {"MINI", SW_SHOWNORMAL, 0, 'I'},
        {"RESTORE", SW_MINIMIZE, 0, 'N'}, {"SHOW", SW_HIDE, 1, 'N'}, {"DEFAULT", SW_HIDE, 1, 'N'},
        {"ACTIVMAXI", SW_SHOWNORMAL, 0, 'X'}, {"ACTIVMINI", SW_SHOWNORMAL, 0, 'I'},
        {"INACTMINI", SW_SHOWNORMAL, 0, 'I'}, {"INACTIV", SW_HIDE, 1, 'N'}, {"INACTRESENT", SW_HIDE, 1, 'N'},
        {"NORMAL", SW_SHOWMAXIMIZED, 0, 'N'}, {"hide", SW_SHOWNORMAL, 0, 'N'}, {"hide", SW_HIDE, 1, 'H'},
        {nullptr, SW_SHOWMAXIMIZED, 0, 'X'}};
    for (const auto& r : rows) {
        ShowWindow(w, SW_SHOWNORMAL);
        ShowWindow(w, r.start);
        EXPECT_EQ(vu_WindowShowMode(w, r.word), r.result) << (r.word ? r.word : "(null)");
        EXPECT_EQ(State(w), r.after) << (r.word ? r.word : "(null)") << " from " << r.start;
    }
    vu_WindowDestroy(w);
}

TEST(WindowRestyle, EveryWordKeepsTheRectangleAndShowsNormal)
{
    HWND w = Make("Om", "TOOLWIN", 60, 70, 240, 130);
    const std::string place = Place(w);
    const struct { const char* word; DWORD ex, style, class_style; } rows[] = {
        {"NOLIST", 0x100, 0x80400000, 0xB}, {"TOOLWIN", 0x80, 0xC00000, 0xB}, {"TOOLWIN_NOCLO", 0x80, 0xC80000, 0x20B},
        {"TOOLWIN_CLO", 0x80, 0xC80000, 0xB}, {"EMPTYLIST", 0x100, 0xC00000, 0xB}, {"NOCLO", 0x100, 0xC80000, 0x20B},
        {"CLO", 0x100, 0xC80000, 0xB}, {"QUE_NOCLO", 0x400, 0xC80000, 0x20B}, {"QUE_CLO", 0x400, 0xC80000, 0xB},
        {"NOMIN_MAX_NOCLO", 0x100, 0xC90000, 0x20B}, {"MIN_NOMAX_NOCLO", 0x100, 0xCA0000, 0x20B},
        {"MIN_NOMAX_CLO", 0x100, 0xCA0000, 0xB}, {"NOMIN_MAX_CLO", 0x100, 0xC90000, 0xB},
        {"MIN_MAX_NOCLO", 0x100, 0xCB0000, 0x20B}, {"MIN_MAX_CLO", 0x100, 0xCB0000, 0xB},
        {"noclo", 0x100, 0xCB0000, 0xB}};
    for (const auto& r : rows) {
        ShowWindow(w, SW_HIDE);
        EXPECT_EQ(vu_WindowRestyle(w, r.word), 0);
        EXPECT_EQ(StyleOf(w) & ~kPlatformStyle, r.style) << r.word;
        EXPECT_EQ(Ex(w), r.ex & ~WS_EX_WINDOWEDGE) << r.word;
        EXPECT_EQ(GetClassLongA(w, GCL_STYLE), r.class_style) << r.word;
        EXPECT_EQ(State(w), 'N') << r.word;
        EXPECT_EQ(Place(w), place) << r.word;
    }
    vu_WindowDestroy(w);
}

TEST(WindowPlace, MoveResizeCentreAndHide)
{
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN) * 10000 + GetSystemMetrics(SM_CYSCREEN), 10240768);
    HWND w = Make("Flytta", "CLO", 30, 40, 200, 100);
    const int c = Caption();
    const struct { const char* name; void (*act)(HWND, int c); int left, top, width, height; } rows[] = {
        {"move keep keep", [](HWND h, int) { vu_WindowMove(h, VU_KEEP, VU_KEEP); }, 30, 40, 200, 100 + c},
        {"move keep 60", [](HWND h, int) { vu_WindowMove(h, VU_KEEP, 60); }, 30, 60, 200, 100 + c},
        {"move 75 keep", [](HWND h, int) { vu_WindowMove(h, 75, VU_KEEP); }, 75, 60, 200, 100 + c},
        {"resize 250 keep", [](HWND h, int) { vu_WindowResize(h, 250, VU_KEEP); }, 75, 60, 250, 100 + c},
        {"resize keep 50", [](HWND h, int) { vu_WindowResize(h, VU_KEEP, 50); }, 75, 60, 250, 50 + c},
        {"resize 146 26", [](HWND h, int) { vu_WindowResize(h, 146, 26); }, 75, 60, 146, 26 + c},
        // Outer 320 x 290 on 1024 x 768: with a caption height of 19, (352, 229).
        {"centre 320 x 290", [](HWND h, int cap) { vu_WindowResize(h, 320, 290 - cap); vu_WindowCenter(h); },
         352, (768 - 290 - c) / 2, 320, 290},
        {"centre 301 wide", [](HWND h, int cap) { vu_WindowResize(h, 301, 290 - cap); vu_WindowCenter(h); },
         361, (768 - 290 - c) / 2, 301, 290},
        {"hide moves to 0, 0", [](HWND h, int) { vu_WindowHide(h); }, 0, 0, 301, 290}};
    for (const auto& r : rows) {
        r.act(w, c);
        char want[64];
        std::snprintf(want, sizeof want, "%d %d %d %d", r.left, r.top, r.width, r.height);
        EXPECT_EQ(Place(w), want) << r.name;
        vu_WindowGetPos(w);
        EXPECT_EQ(vu_Query.x * 10000 + vu_Query.y, r.left * 10000 + r.top) << r.name;
        vu_WindowGetSize(w);
        EXPECT_EQ(vu_Query.x * 10000 + vu_Query.y, r.width * 10000 + r.height) << r.name;
    }
    // The hiding move: one position change to (0, 0), hidden, size and z-order kept.
    vu_WindowShow(w);
    vu_WindowMove(w, 50, 60);
    Recorder recorder(w);
    EXPECT_EQ(vu_WindowHide(w), 0);
    ASSERT_EQ(recorder.changing().size(), 1u);
    const WINDOWPOS& p = recorder.changing()[0];
    EXPECT_EQ(p.flags & (SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW), 0x85u);
    EXPECT_EQ(p.x * 10000 + p.y, 0);
    EXPECT_EQ(vu_WindowShow(w), 0);
    EXPECT_EQ(vu_WindowShow(w), 1);
    vu_WindowDestroy(w);
    EXPECT_EQ(vu_WindowHide(w), 1);
}

using Frame = int (*)(HWND, const char*);

// The border state is the process's: the first NORMAL leaves the style, and after a frame
// was taken from one window, NORMAL on any window gives the dialog frame.
TEST(WindowBorder, WordsInOrderAndTheProcessWideState)
{
    HWND w = Make("Kant", "MIN_MAX_CLO", 100, 110, 220, 120), other = Make("Kant2", "MIN_MAX_CLO", 400, 110);
    const std::string place = Place(w), other_place = Place(other);
    ASSERT_EQ(vu_BorderChanged, 0);
    const struct { Frame call; HWND window; const char* word; DWORD frame, ex; } rows[] = {
        {vu_WindowSizeFrame, w, "ON", 0xCF0000, 0}, {vu_WindowSizeFrame, w, "ON", 0xCF0000, 0},
        {vu_WindowSizeFrame, w, "OFF", 0xCB0000, 0}, {vu_WindowSizeFrame, w, "OFF", 0xCF0000, 0},
        {vu_WindowSizeFrame, w, "off", 0xCF0000, 0}, {vu_WindowSizeFrame, w, "OFF", 0xCB0000, 0},
        {vu_WindowBorder, w, "NORMAL", 0xCB0000, 0}, {vu_WindowBorder, w, "NORMAL_SUNKEN", 0xCB0000, 0x200},
        {vu_WindowBorder, w, "TRANSPARENT", 0xCB0000, 0x20}, {vu_WindowBorder, w, "FLAT", WS_POPUP, 0x20},
        {vu_WindowBorder, w, "FLAT_BORDER", WS_POPUP | WS_BORDER, 0x20}, {vu_WindowBorder, w, "SUNKEN", WS_POPUP, 0x200},
        {vu_WindowBorder, w, "flat", WS_POPUP, 0x200}, {vu_WindowBorder, other, "NORMAL", WS_DLGFRAME, 0}};
    for (const auto& r : rows) {
        ShowWindow(r.window, SW_HIDE);
        EXPECT_EQ(r.call(r.window, r.word), 0);
        EXPECT_EQ(StyleOf(r.window) & kFrameBits, r.frame) << r.word;
        EXPECT_EQ(Ex(r.window), r.ex) << r.word;
        EXPECT_EQ(State(r.window), 'N') << r.word;
        EXPECT_EQ(Place(r.window), r.window == w ? place : other_place) << r.word;
    }
    vu_WindowDestroy(w);
    vu_WindowDestroy(other);
}

TEST(WindowLook, TextRedrawColourFocusAndIcons)
{
    Window w("Text"), other("Annan");
    vu_WindowMove(other, 500, 300);  // side by side: each window's pixels are its own
    vu_WindowSetText(w, "Vindrulen");
    char buf[16];
    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(vu_WindowGetText(w, buf, 5), 5);
    EXPECT_EQ(std::string(buf, 7), std::string("Vindr\0#", 7));

    const struct { const char* word; int result, erased; } redraws[] = {
        {"ERASED", 0, 1}, {"UNERASED", 0, 0}, {"erased", 1, 0}};
    for (const auto& r : redraws) {
        UpdateWindow(w);
        ClearMessages();
        EXPECT_EQ(vu_WindowRedraw(w, r.word), r.result) << r.word;
        UpdateWindow(w);
        EXPECT_EQ(CountMessages(WM_PAINT, w), 1 - r.result) << r.word;
        EXPECT_EQ(CountMessages(WM_ERASEBKGND, w), r.erased) << r.word;
    }
    EXPECT_EQ(vu_WindowBackColor(w, RGB(0, 0x80, 0xFF)), 0);
    UpdateWindow(w);
    EXPECT_EQ(Pixel(w, 20, 20), RGB(0, 0x80, 0xFF));
    EXPECT_EQ(Pixel(other, 20, 20), kBackground);

    vu_WindowSetFocus(other);
    EXPECT_EQ(vu_WindowSetFocus(w), other.get());
    EXPECT_EQ(vu_WindowHasFocus(w), w.get());
    EXPECT_EQ(vu_WindowHasFocus(other), nullptr);

    EXPECT_EQ(vu_WindowIcon(w, "TEST_ICON"), 0);
    const LONG_PTR icon = GetClassLongPtrA(w, GCLP_HICON);
    EXPECT_TRUE(icon != 0 && icon == reinterpret_cast<LONG_PTR>(LoadIconA(Self(), "TEST_ICON")));
    EXPECT_EQ(vu_WindowSysIcon(w, IDI_APPLICATION), 0);
    EXPECT_EQ(GetClassLongPtrA(w, GCLP_HICON), reinterpret_cast<LONG_PTR>(LoadIconA(nullptr, IDI_APPLICATION)));
}

}  // namespace
