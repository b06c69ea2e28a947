#include <gtest/gtest.h>

#include <string>

#include "pixels.h"
#include "query.h"
#include "recorder.h"

namespace {

using namespace vu_test;

// Bits the platform manages itself: the visible bit, clipped siblings, the window edge.
constexpr DWORD kPlatformStyle = WS_CLIPSIBLINGS | WS_VISIBLE;
constexpr DWORD kFrameBits = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | 0x30000;
int Caption() { return GetSystemMetrics(SM_CYCAPTION); }
DWORD Ex(HWND w) { return ExStyleOf(w) & ~WS_EX_WINDOWEDGE; }
HWND Make(const char* style, int x = 40, int y = 50, int w = 180, int h = 90)
{ return vu_WindowCreate(Self(), UniqueTitle("Fönster").c_str(), x, y, w, h, style); }
std::string Four(long a, long b, long c, long d)
{ return std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c) + " " + std::to_string(d); }
// "left top width height" of the window rectangle.
std::string Place(HWND w) { const RECT r = RectInParent(w); return Four(r.left, r.top, r.right - r.left, r.bottom - r.top); }
// 'H' hidden, 'I' minimised, 'X' maximised, 'N' shown normal.
char State(HWND w) { return !IsWindowVisible(w) ? 'H' : IsIconic(w) ? 'I' : IsZoomed(w) ? 'X' : 'N'; }

// Each word creates a window, then restyles a hidden one: styles, class style, rectangle.
TEST(WindowCreate, StyleWordsOfCreationAndRestyling)
{
    const struct { const char* word; DWORD style, ex, class_style, re_ex, re_style, re_class; } rows[] = {
        {"NOLIST", 0x80400000, 0, 8, 0, 0x80400000, 0xB}, {"TOOLWIN", 0, 0x80, 8, 0x80, 0xC00000, 0xB},
        {"TOOLWIN_NOCLO", 0x80000, 0x80, 0x208, 0x80, 0xC80000, 0x20B}, {"CLO", 0xC80000, 0, 8, 0, 0xC80000, 0xB},
        {"TOOLWIN_CLO", 0x80000, 0x80, 8, 0x80, 0xC80000, 0xB}, {"EMPTYLIST", 0xC00000, 0, 8, 0, 0xC00000, 0xB},
        {"NOCLO", 0xC80000, 0, 0x208, 0, 0xC80000, 0x20B}, {"QUE_CLO", 0xC80000, 0x400, 8, 0x400, 0xC80000, 0xB},
        {"QUE_NOCLO", 0xC80000, 0x400, 0x208, 0x400, 0xC80000, 0x20B}, {"", 0, 0, 8, 0, 0xC00000, 8},
        {"NOMIN_MAX_NOCLO", 0x90000, 0, 0x208, 0, 0xC90000, 0x20B}, {nullptr, 0, 0, 8, 0, 0xC00000, 8},
        {"MIN_NOMAX_NOCLO", 0xA0000, 0, 0x208, 0, 0xCA0000, 0x20B}, {"toolwin_clo", 0, 0, 8, 0, 0xC00000, 8},
        {"MIN_NOMAX_CLO", 0xA0000, 0, 8, 0, 0xCA0000, 0xB}, {"NOMIN_MAX_CLO", 0x90000, 0, 8, 0, 0xC90000, 0xB},
        {"MIN_MAX_NOCLO", 0xB0000, 0, 0x208, 0, 0xCB0000, 0x20B}, {"MIN_MAX_CLO", 0xB0000, 0, 8, 0, 0xCB0000, 0xB}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.word ? r.word : "(null)");
        HWND w = vu_WindowCreate(Self(), UniqueTitle("Stil").c_str(), 40, 50, 180, 90, r.word);
        const DWORD caption = (r.style & WS_POPUP) ? 0 : WS_CAPTION;  // the platform's, when overlapped
        EXPECT_EQ(StyleOf(w) & ~kPlatformStyle, r.style | caption);
        EXPECT_EQ(Ex(w) * 0x10000 + GetClassLongA(w, GCL_STYLE), r.ex * 0x10000 + r.class_style);
        EXPECT_EQ(Place(w), "40 50 180 " + std::to_string(90 + Caption()));
        ShowWindow(w, SW_HIDE);
        EXPECT_EQ(vu_WindowRestyle(w, r.word), 0);
        EXPECT_EQ(StyleOf(w) & ~kPlatformStyle, r.re_style);
        EXPECT_EQ(Ex(w) * 0x10000 + GetClassLongA(w, GCL_STYLE), r.re_ex * 0x10000 + r.re_class);
        EXPECT_EQ(State(w) + Place(w), "N40 50 180 " + std::to_string(90 + Caption()));
        EXPECT_EQ(vu_WindowDestroy(w) * 10 + vu_WindowDestroy(w), 1);  // the second call finds no window
    }
}

TEST(WindowCreate, ClassNamesEmptyRepeatedAndLongTitles)
{
    HWND w = vu_WindowCreate(Self(), "", 0, 0, 100, 50, "CLO");
    EXPECT_EQ(ClassOf(w), "Class" + std::to_string(reinterpret_cast<LONG_PTR>(Self())));
    EXPECT_EQ(vu_WindowCreate(Self(), nullptr, 0, 0, 100, 50, "CLO"), nullptr);
    vu_WindowDestroy(w);  // the class outlives its window: the title stays taken; a long title is cut
    const std::string title = UniqueTitle("L") + std::string(400, 'x');
    w = vu_WindowCreate(Self(), title.c_str(), 0, 0, 100, 50, "CLO");
    char name[300] = {};
    EXPECT_EQ(std::string(name, GetClassNameA(w, name, sizeof name)), title.substr(0, 249));
    vu_WindowDestroy(w);
    EXPECT_EQ(vu_WindowCreate(Self(), title.c_str(), 0, 0, 100, 50, "NOLIST"), nullptr);
}

TEST(WindowShowMode, EveryWordFromAStartingState)
{
    HWND w = Make("MIN_MAX_CLO");
    const struct { const char* word; int start; int result; char after; } rows[] = {
        {"HIDE", SW_SHOWNORMAL, 0, 'H'}, {"MAXI", SW_SHOWNORMAL, 0, 'X'}, {"MINI", SW_SHOWNORMAL, 0, 'I'},
        {"RESTORE", SW_MINIMIZE, 0, 'N'}, {"SHOW", SW_HIDE, 1, 'N'}, {"DEFAULT", SW_HIDE, 1, 'N'},
        {"ACTIVMAXI", SW_SHOWNORMAL, 0, 'X'}, {"ACTIVMINI", SW_SHOWNORMAL, 0, 'I'},
        {"INACTMINI", SW_SHOWNORMAL, 0, 'I'}, {"INACTIV", SW_HIDE, 1, 'N'}, {"INACTRESENT", SW_HIDE, 1, 'N'},
        {"NORMAL", SW_SHOWMAXIMIZED, 0, 'N'}, {"hide", SW_SHOWNORMAL, 0, 'N'}, {"hide", SW_HIDE, 1, 'H'},
        {nullptr, SW_SHOWMAXIMIZED, 0, 'X'}};
    for (const auto& r : rows) {
        ShowWindow(w, SW_SHOWNORMAL), ShowWindow(w, r.start);
        EXPECT_EQ(vu_WindowShowMode(w, r.word), r.result) << (r.word ? r.word : "(null)");
        EXPECT_EQ(State(w), r.after) << (r.word ? r.word : "(null)") << " from " << r.start;
    }
    vu_WindowDestroy(w);
}

TEST(WindowPlace, MoveResizeCentreAndHide)
{
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN) * 10000 + GetSystemMetrics(SM_CYSCREEN), 10240768);
    HWND w = Make("CLO", 30, 40, 200, 100);
    const int c = Caption();
    const struct { const char* name; void (*act)(HWND, int caption); int left, top, width, height; } rows[] = {
        {"move keep keep, then keep 60", [](HWND h, int) { vu_WindowMove(h, VU_KEEP, VU_KEEP), vu_WindowMove(h, VU_KEEP, 60); },
         30, 60, 200, 100 + c},
        {"move 75 keep", [](HWND h, int) { vu_WindowMove(h, 75, VU_KEEP); }, 75, 60, 200, 100 + c},
        {"resize 250 keep", [](HWND h, int) { vu_WindowResize(h, 250, VU_KEEP); }, 75, 60, 250, 100 + c},
        {"resize keep 50", [](HWND h, int) { vu_WindowResize(h, VU_KEEP, 50); }, 75, 60, 250, 50 + c},
        // Outer 320 x 290 on 1024 x 768: with a caption height of 19, (352, 229).
        {"centre 320 x 290", [](HWND h, int c) { vu_WindowResize(h, 320, 290 - c); vu_WindowCenter(h); },
         352, (768 - 290 - c) / 2, 320, 290},
        {"hide moves to 0, 0", [](HWND h, int) { vu_WindowHide(h); }, 0, 0, 320, 290}};
    for (const auto& r : rows) {
        r.act(w, c);
        const vu_QueryPair pos = (vu_WindowGetPos(w), vu_Query);
        vu_WindowGetSize(w);
        EXPECT_EQ(Place(w), Four(r.left, r.top, r.width, r.height)) << r.name;
        EXPECT_EQ(Four(pos.x, pos.y, vu_Query.x, vu_Query.y), Place(w)) << r.name;
    }
    // The hiding move: one position change to (0, 0), hidden, size and z-order kept.
    vu_WindowShow(w), vu_WindowMove(w, 50, 60);
    Recorder recorder(w);
    EXPECT_EQ(vu_WindowHide(w), 0);
    ASSERT_EQ(recorder.changing().size(), 1u);
    const WINDOWPOS& p = recorder.changing()[0];
    EXPECT_EQ(Four(p.x, p.y, p.flags & (SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW), 0),
              Four(0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW, 0));
    vu_WindowDestroy(w);
}

// The border state is the process's: the first NORMAL leaves the style, and after a frame
// was taken from one window, NORMAL on any window gives the dialog frame.
TEST(WindowBorder, WordsInOrderAndTheProcessWideState)
{
    HWND w = Make("MIN_MAX_CLO", 100, 110, 220, 120), other = Make("MIN_MAX_CLO", 400, 110);
    const std::string place = Place(w), other_place = Place(other);
    ASSERT_EQ(vu_BorderChanged, 0);
    const auto size = vu_WindowSizeFrame, border = vu_WindowBorder;
    const struct { int (*call)(HWND, const char*); HWND window; const char* word; DWORD frame, ex; } rows[] = {
        {size, w, "ON", 0xCF0000, 0}, {size, w, "ON", 0xCF0000, 0}, {size, w, "OFF", 0xCB0000, 0},
        {size, w, "OFF", 0xCF0000, 0}, {size, w, "off", 0xCF0000, 0}, {size, w, "OFF", 0xCB0000, 0},
        {border, w, "NORMAL", 0xCB0000, 0}, {border, w, "NORMAL_SUNKEN", 0xCB0000, 0x200},
        {border, w, "TRANSPARENT", 0xCB0000, 0x20}, {border, w, "FLAT", WS_POPUP, 0x20},
        {border, w, "FLAT_BORDER", WS_POPUP | WS_BORDER, 0x20}, {border, w, "SUNKEN", WS_POPUP, 0x200},
        {border, w, "flat", WS_POPUP, 0x200}, {border, other, "NORMAL", WS_DLGFRAME, 0}};
    for (const auto& r : rows) {
        ShowWindow(r.window, SW_HIDE);
        EXPECT_EQ(r.call(r.window, r.word), 0);
        EXPECT_EQ(StyleOf(r.window) & kFrameBits, r.frame) << r.word;
        EXPECT_EQ(Ex(r.window), r.ex) << r.word;
        EXPECT_EQ(State(r.window) + Place(r.window), "N" + (r.window == w ? place : other_place)) << r.word;
    }
    vu_WindowDestroy(w), vu_WindowDestroy(other);
}

TEST(WindowLook, TextRedrawAndColour)
{
    Window w("Text"), other("Annan");
    vu_WindowMove(other, 500, 300);  // side by side: each window's pixels are its own
    vu_WindowSetText(w, "Vindrulen");
    char buf[8] = "#######";
    EXPECT_EQ(vu_WindowGetText(w, buf, 5), 5);
    EXPECT_EQ(std::string(buf, 7), std::string("Vindr\0#", 7));
    // The result, then how many paints and background erases followed.
    for (const char* word : {"ERASED", "UNERASED", "erased"}) {
        UpdateWindow(w), ClearMessages();
        const int result = vu_WindowRedraw(w, word);
        UpdateWindow(w);
        EXPECT_EQ(result * 100 + CountMessages(WM_PAINT, w) * 10 + CountMessages(WM_ERASEBKGND, w),
                  word[0] == 'E' ? 11 : word[0] == 'U' ? 10 : 100) << word;
    }
    vu_WindowBackColor(w, RGB(0, 0x80, 0xFF)), UpdateWindow(w);  // the window's own class
    EXPECT_TRUE(Pixel(w, 20, 20) == RGB(0, 0x80, 0xFF) && Pixel(other, 20, 20) == kBackground);
}

}  // namespace
