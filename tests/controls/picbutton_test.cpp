// Picture buttons: style reset and pictures of the set-picture calls, the owner-drawn
// button's painting (pixels read back), its hover notice and double-click time driven by
// real pointer input, and the family's geometry members.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "menu_real_input.h"
#include "vu_test.h"

namespace {

HINSTANCE Self() { return GetModuleHandleA(nullptr); }

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0), kCyan = RGB(0, 255, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255), kGrey = RGB(128, 128, 128);

DWORD StyleOf(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)); }

SIZE BitmapSize(HANDLE bitmap)
{
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

// A parent window of its own class, shown and active, that keeps the double-click time as
// it found it.
class PicButtons : public ::testing::Test {
protected:
    void SetUp() override
    {
        double_click_time_ = GetDoubleClickTime();
        parent_ = vu_WindowCreate(Self(), vu_test::UniqueTitle("Bildknapp").c_str(), 100, 100, 320,
                                  200, "CLO");
        ASSERT_NE(parent_, nullptr);
        SetForegroundWindow(parent_);
        ASSERT_TRUE(vu_test::WaitFor([&] { return GetActiveWindow() == parent_; }));
    }
    void TearDown() override
    {
        vu_test::SetMainWindowHandler(nullptr);
        DestroyWindow(parent_);
        SetDoubleClickTime(double_click_time_);
    }
    // A plain child button with exactly this style.
    HWND Button(DWORD style)
    {
        HWND b = CreateWindowExA(0, "BUTTON", "Knapp", style, 10, 10, 80, 40, parent_, nullptr,
                                 Self(), nullptr);
        SetWindowLongA(b, GWL_STYLE, static_cast<LONG>(style));
        return b;
    }
    HWND parent_ = nullptr;
    UINT double_click_time_ = 0;
};

TEST_F(PicButtons, SetPictureResetsKnownStylesThenAddsPictureAndAlignmentBits)
{
    struct Row {
        DWORD before;
        const char* alignment;
        int call;  // 0 bitmap, 1 icon, 2 system icon
        DWORD after;
    };
    const Row rows[] = {
        {0x50000340, "L", 0, 0x500001C0},  // an icon button with centre alignment
        {0x50010300, "RB", 0, 0x50010B80},  // a centred push button keeps its centre bits
        {0x50000A41, "T", 1, 0x50000441},   // ten alignment steps above a plain style
        {0x50000B41, "T", 1, 0x50000F41},   // eleven steps: no longer recognised
        {0x50400142, "C", 2, 0x50400342},
        {0x50400041, "X", 0, 0x504000C1},   // unknown alignment word: no alignment bits
        {0x50000000, nullptr, 1, 0x50000040},
        {0x58000000, "L", 0, 0x58000000},   // a disabled child is left untouched
        {0x58000340, "R", 1, 0x58000340},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        HWND b = Button(row.before);
        ASSERT_EQ(StyleOf(b), row.before);
        int result = -1;
        if (row.call == 0) result = vu_PicButtonSetBitmap(b, row.alignment, "PB_NORMAL");
        if (row.call == 1) result = vu_PicButtonSetIcon(b, row.alignment, "PB_ICON");
        if (row.call == 2) result = vu_PicButtonSetSystemIcon(b, row.alignment, "QUESTION");
        EXPECT_EQ(result, 0);
        EXPECT_EQ(StyleOf(b), row.after);
        const bool untouched = row.before == row.after;
        const LRESULT image =
            SendMessageA(b, BM_GETIMAGE, row.call == 0 ? IMAGE_BITMAP : IMAGE_ICON, 0);
        EXPECT_EQ(image != 0, !untouched);
        DestroyWindow(b);
    }
}

TEST_F(PicButtons, AlignmentWordsGiveTheirButtonStyleBits)
{
    const struct {
        const char* word;
        DWORD bits;
    } words[] = {{"L", 0x100}, {"R", 0x200}, {"T", 0x400}, {"B", 0x800}, {"C", 0x300},
                 {"LB", 0x900}, {"LT", 0x500}, {"RB", 0xA00}, {"RT", 0x600}, {"l", 0},
                 {"", 0}, {"LBX", 0}};
    for (const auto& w : words) {
        SCOPED_TRACE(w.word);
        HWND b = Button(WS_CHILD | WS_VISIBLE);
        EXPECT_EQ(vu_PicButtonSetBitmap(b, w.word, "PB_NORMAL"), 0);
        EXPECT_EQ(StyleOf(b), WS_CHILD | WS_VISIBLE | BS_BITMAP | w.bits);
        DestroyWindow(b);
    }
}

TEST_F(PicButtons, PicturesComeFromTheButtonsModuleOrTheSystem)
{
    HWND b = Button(WS_CHILD | WS_VISIBLE);
    vu_PicButtonSetBitmap(b, "C", "PB_NORMAL");
    const SIZE size = BitmapSize(reinterpret_cast<HANDLE>(SendMessageA(b, BM_GETIMAGE, IMAGE_BITMAP, 0)));
    EXPECT_EQ(size.cx, 64);
    EXPECT_EQ(size.cy, 32);

    vu_PicButtonSetIcon(b, "C", "PB_ICON");
    ICONINFO info = {};
    HICON icon = reinterpret_cast<HICON>(SendMessageA(b, BM_GETIMAGE, IMAGE_ICON, 0));
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_EQ(BitmapSize(info.hbmColor).cx, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    const struct {
        const char* word;
        LPCSTR id;
    } system_icons[] = {{"WINLOGO", IDI_WINLOGO}, {"ASTERISK", IDI_ASTERISK},
                        {"EXCLAMATION", IDI_EXCLAMATION}, {"HAND", IDI_HAND},
                        {"QUESTION", IDI_QUESTION}, {"APPLICATION", IDI_APPLICATION}};
    for (const auto& s : system_icons) {
        SCOPED_TRACE(s.word);
        EXPECT_EQ(vu_PicButtonSetSystemIcon(b, "C", s.word), 0);
        EXPECT_EQ(SendMessageA(b, BM_GETIMAGE, IMAGE_ICON, 0),
                  reinterpret_cast<LRESULT>(LoadIconA(nullptr, s.id)));
    }
    // Unknown words and missing names leave the button without a picture, still 0.
    EXPECT_EQ(vu_PicButtonSetSystemIcon(b, "C", "question"), 0);
    EXPECT_EQ(SendMessageA(b, BM_GETIMAGE, IMAGE_ICON, 0), 0);
    EXPECT_EQ(vu_PicButtonSetSystemIcon(b, "C", nullptr), 0);
    EXPECT_EQ(vu_PicButtonSetIcon(b, "C", "NO_SUCH_ICON"), 0);
    EXPECT_EQ(SendMessageA(b, BM_GETIMAGE, IMAGE_ICON, 0), 0);
    EXPECT_EQ(vu_PicButtonSetBitmap(b, "C", nullptr), 0);
    EXPECT_EQ(SendMessageA(b, BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_EQ(vu_PicButtonSetBitmap(nullptr, "C", "PB_NORMAL"), 0);
}

TEST_F(PicButtons, OwnerDrawnButtonIsMadeWithItsIdFrameAndProcedure)
{
    HWND framed = vu_PicButton(parent_, 10, 20, 40, 20, "B", 77);
    ASSERT_NE(framed, nullptr);
    char name[32] = {};
    GetClassNameA(framed, name, sizeof name);
    EXPECT_STREQ(name, "Button");
    EXPECT_EQ(StyleOf(framed), 0x5080000Bu);
    EXPECT_EQ(GetWindowLongA(framed, GWL_ID), 77);
    EXPECT_EQ(GetWindowLongPtrA(framed, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(vu_PicButtonProc));
    vu_PicButtonGetPos(framed);
    EXPECT_EQ(vu_Query.x, 10);
    EXPECT_EQ(vu_Query.y, 20);
    vu_PicButtonGetSize(framed);
    EXPECT_EQ(vu_Query.x, 40);
    EXPECT_EQ(vu_Query.y, 20);

    HWND plain = vu_PicButton(parent_, 60, 20, 40, 20, "b", 78);
    EXPECT_EQ(StyleOf(plain), 0x5000000Bu);
    EXPECT_EQ(StyleOf(vu_PicButton(parent_, 60, 50, 40, 20, nullptr, 79)), 0x5000000Bu);
    // Clicking it reaches the parent as the button's command.
    vu_test::ClearMessages();
    SendMessageA(plain, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(plain, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(vu_test::WaitFor([&] {
        for (const vu_test::Message& m : vu_test::Messages())
            if (m.window == parent_ && m.message == WM_COMMAND && LOWORD(m.wparam) == 78 &&
                reinterpret_cast<HWND>(m.lparam) == plain)
                return true;
        return false;
    }));
    EXPECT_EQ(vu_PicButton(nullptr, 0, 0, 10, 10, "B", 1), nullptr);
}

// The parent paints its owner-drawn buttons from the two test bitmaps.
class DrawnButtons : public PicButtons {
protected:
    void SetUp() override
    {
        PicButtons::SetUp();
        vu_test::SetMainWindowHandler([](HWND, UINT msg, WPARAM wp, LPARAM lp, LRESULT* r) {
            if (msg != WM_DRAWITEM) return false;
            const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            vu_PicButtonDraw(item->hwndItem, static_cast<int>(wp), item, "PB_NORMAL", "PB_PRESSED");
            *r = TRUE;
            return true;
        });
        button_ = vu_PicButton(parent_, 20, 20, 40, 20, "", 31);
        ASSERT_NE(button_, nullptr);
    }
    COLORREF Pixel(int x, int y)
    {
        HDC dc = GetDC(button_);
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(button_, dc);
        return c;
    }
    // Repaints the button now and reads a pixel of each quadrant of the picture, unscaled:
    // (2, 2) top left, (35, 8) top right, (5, 18) bottom left of a 64 x 32 bitmap.
    void ExpectLook(COLORREF top_left, COLORREF top_right, COLORREF bottom_left)
    {
        RedrawWindow(button_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(Pixel(2, 2), top_left);
        EXPECT_EQ(Pixel(35, 8), top_right);
        EXPECT_EQ(Pixel(5, 18), bottom_left);
    }
    HWND button_ = nullptr;
};

TEST_F(DrawnButtons, NormalAndPressedLooksAreCopiedUnscaled)
{
    ExpectLook(kRed, kGreen, kBlue);
    EXPECT_EQ(vu_PicButtonPress(button_), 0);
    EXPECT_TRUE(vu_PicButtonGetState(button_) & BST_PUSHED);
    ExpectLook(kYellow, kCyan, kMagenta);
    EXPECT_EQ(vu_PicButtonRelease(button_), 0);
    EXPECT_FALSE(vu_PicButtonGetState(button_) & BST_PUSHED);
    ExpectLook(kRed, kGreen, kBlue);

    // Paint copies a picture over the client area until the button repaints itself.
    EXPECT_EQ(vu_PicButtonPaint(button_, "PB_PRESSED"), 0);
    EXPECT_EQ(Pixel(2, 2), kYellow);
    EXPECT_EQ(Pixel(35, 8), kCyan);
    EXPECT_EQ(vu_PicButtonPaint(button_, "NO_SUCH_PICTURE"), 0);
    EXPECT_EQ(Pixel(2, 2), kYellow);
}

TEST_F(DrawnButtons, DrawPaintsOnlyTheItemRectangleOfItsOwnButton)
{
    // A grey 40 x 20 picture stands in for the parent's context.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 40, 20);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, canvas);
    HBRUSH grey = CreateSolidBrush(kGrey);
    const RECT all = {0, 0, 40, 20};
    FillRect(dc, &all, grey);

    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = 31;
    item.hwndItem = button_;
    item.hDC = dc;
    item.rcItem = {5, 2, 25, 12};
    item.itemState = ODS_SELECTED;
    EXPECT_EQ(vu_PicButtonDraw(button_, 32, &item, "PB_NORMAL", "PB_PRESSED"), 0);
    EXPECT_EQ(GetPixel(dc, 5, 2), kGrey);
    EXPECT_EQ(vu_PicButtonDraw(button_, 31, &item, "NO_SUCH", "NO_SUCH"), 0);
    EXPECT_EQ(GetPixel(dc, 5, 2), kGrey);
    EXPECT_EQ(vu_PicButtonDraw(button_, 31, nullptr, "PB_NORMAL", "PB_PRESSED"), 0);

    EXPECT_EQ(vu_PicButtonDraw(button_, 31, &item, "PB_NORMAL", "PB_PRESSED"), 0);
    EXPECT_EQ(GetPixel(dc, 5, 2), kYellow);
    EXPECT_EQ(GetPixel(dc, 24, 11), kYellow);
    EXPECT_EQ(GetPixel(dc, 4, 2), kGrey);
    EXPECT_EQ(GetPixel(dc, 5, 1), kGrey);
    EXPECT_EQ(GetPixel(dc, 25, 11), kGrey);
    EXPECT_EQ(GetPixel(dc, 24, 12), kGrey);

    item.itemState = 0;
    item.rcItem = {0, 0, 40, 20};
    EXPECT_EQ(vu_PicButtonDraw(button_, 31, &item, "PB_NORMAL", "PB_PRESSED"), 0);
    EXPECT_EQ(GetPixel(dc, 39, 0), kGreen);
    EXPECT_EQ(GetPixel(dc, 0, 19), kBlue);

    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteObject(grey);
    DeleteDC(dc);
}

// What the double-click time was right after the button answered a hit-test.
UINT time_after_hit_test = 0;
HWND hit_tested_button = nullptr;
LRESULT CALLBACK AfterCall(int code, WPARAM wp, LPARAM lp)
{
    const CWPRETSTRUCT* call = reinterpret_cast<const CWPRETSTRUCT*>(lp);
    if (code == HC_ACTION && call->message == WM_NCHITTEST && call->hwnd == hit_tested_button)
        time_after_hit_test = GetDoubleClickTime();
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(PicButtons, HoverLowersTheDoubleClickTimeAndTellsTheParent)
{
    SetDoubleClickTime(500);
    HWND button = vu_PicButton(parent_, 20, 20, 60, 30, "B", 41);
    ASSERT_NE(button, nullptr);
    hit_tested_button = button;
    time_after_hit_test = 0;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterCall, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);

    vu_test::ClearMessages();
    RECT r = {};
    GetWindowRect(button, &r);
    vu_test::PointerTo(r.left + 30, r.top + 15);
    auto noticed = [&] {
        for (const vu_test::Message& m : vu_test::Messages())
            if (m.window == parent_ && m.message == WM_MOUSEMOVE && m.wparam == 0 &&
                reinterpret_cast<HWND>(m.lparam) == button)
                return true;
        return false;
    };
    EXPECT_TRUE(vu_test::WaitFor(noticed));
    EXPECT_EQ(time_after_hit_test, 10u);

    // Off the button, the time is back at once or within one timer period.
    vu_test::PointerTo(r.left + 150, r.top + 100);
    EXPECT_TRUE(vu_test::WaitFor([] { return GetDoubleClickTime() == 500; }, 1000));
    UnhookWindowsHookEx(hook);
    hit_tested_button = nullptr;
}

TEST_F(PicButtons, DoubleClickTimeIsRestoredByTimerAndDestruction)
{
    SetDoubleClickTime(500);
    HWND a = vu_PicButton(parent_, 20, 20, 60, 30, "", 51);
    RECT r = {};
    GetWindowRect(a, &r);
    const LPARAM over = MAKELPARAM(r.left + 5, r.top + 5);

    // Hit-tested and then left alone: the button's timer puts the time back.
    SendMessageA(a, WM_NCHITTEST, 0, over);
    EXPECT_EQ(GetDoubleClickTime(), 10u);
    EXPECT_TRUE(vu_test::WaitFor([] { return GetDoubleClickTime() == 500; }, 1000));

    // Destroyed while hovered.
    SendMessageA(a, WM_NCHITTEST, 0, over);
    ASSERT_EQ(GetDoubleClickTime(), 10u);
    EXPECT_EQ(vu_PicButtonDestroy(a), 0);
    EXPECT_EQ(GetDoubleClickTime(), 500u);

    // Each creation saves the time of that moment; one made while another button has the
    // time lowered keeps the real value.
    HWND b = vu_PicButton(parent_, 20, 20, 60, 30, "", 52);
    SetDoubleClickTime(600);
    HWND c = vu_PicButton(parent_, 100, 20, 60, 30, "", 53);
    SendMessageA(b, WM_NCHITTEST, 0, over);
    ASSERT_EQ(GetDoubleClickTime(), 10u);
    HWND d = vu_PicButton(parent_, 180, 20, 60, 30, "", 54);
    ASSERT_NE(d, nullptr);
    // Destroying the parent destroys the hovered button with it.
    DestroyWindow(parent_);
    EXPECT_FALSE(IsWindow(c));
    EXPECT_EQ(GetDoubleClickTime(), 600u);
}

// Runs one of the child tests below in a process of its own; returns its exit code.
DWORD RunChild(const char* test)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command = std::string("\"") + path + "\" --gtest_filter=PicButtonChild." + test +
                          " --gtest_also_run_disabled_tests";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return ~0u;
    DWORD code = ~0u;
    if (WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

TEST_F(PicButtons, ProcessExitRestoresTheDoubleClickTime)
{
    SetDoubleClickTime(500);
    ASSERT_EQ(RunChild("DISABLED_ReportDoubleClickTime"), 500u);
    // The child lowers the time and leaves with its hovered button still there; a process
    // started afterwards finds the time as it was.
    EXPECT_EQ(RunChild("DISABLED_ExitWhileHovered"), 42u);
    EXPECT_EQ(RunChild("DISABLED_ReportDoubleClickTime"), 500u);
    EXPECT_EQ(GetDoubleClickTime(), 500u);
}

// Child processes of the test above.
TEST(PicButtonChild, DISABLED_ExitWhileHovered)
{
    HWND parent = vu_WindowCreate(Self(), vu_test::UniqueTitle("Utgång").c_str(), 100, 100, 200,
                                  100, "CLO");
    HWND button = vu_PicButton(parent, 10, 10, 50, 20, "", 61);
    SendMessageA(button, WM_NCHITTEST, 0, 0);
    std::exit(GetDoubleClickTime() == 10 ? 42 : 3);
}

TEST(PicButtonChild, DISABLED_ReportDoubleClickTime)
{
    std::exit(static_cast<int>(GetDoubleClickTime()));
}

TEST_F(PicButtons, GeometryMembersWorkOnTheButton)
{
    HWND b = vu_PicButton(parent_, 10, 10, 100, 25, "", 71);
    EXPECT_EQ(vu_PicButtonHide(b), 0);
    EXPECT_EQ(vu_PicButtonHide(b), 1);
    EXPECT_FALSE(IsWindowVisible(b));
    EXPECT_EQ(vu_PicButtonShow(b), 0);
    EXPECT_EQ(vu_PicButtonShow(b), 1);
    EXPECT_TRUE(IsWindowVisible(b));

    EXPECT_EQ(vu_PicButtonMove(b, 30, 40), 0);
    vu_PicButtonGetPos(b);
    EXPECT_EQ(vu_Query.x, 30);
    EXPECT_EQ(vu_Query.y, 40);
    EXPECT_EQ(vu_PicButtonResize(b, 50, 24), 0);
    vu_PicButtonGetSize(b);
    EXPECT_EQ(vu_Query.x, 50);
    EXPECT_EQ(vu_Query.y, 24);
    RECT k = {};
    GetClientRect(parent_, &k);
    EXPECT_EQ(vu_PicButtonCenter(b), 0);
    vu_PicButtonGetPos(b);
    EXPECT_EQ(vu_Query.x, k.right / 2 - 25);
    EXPECT_EQ(vu_Query.y, k.bottom / 2 - 12);
    EXPECT_EQ(vu_PicButtonFit(b, 10, 10, -20, -20), 0);
    vu_PicButtonGetSize(b);
    EXPECT_EQ(vu_Query.x, k.right - 20);
    EXPECT_EQ(vu_Query.y, k.bottom - 20);

    // Disable and enable report fixed results and leave the button to be repainted.
    UpdateWindow(parent_);
    EXPECT_EQ(vu_PicButtonDisable(b), 1);
    EXPECT_FALSE(IsWindowEnabled(b));
    EXPECT_TRUE(GetUpdateRect(b, nullptr, FALSE));
    EXPECT_EQ(vu_PicButtonDisable(b), 1);
    UpdateWindow(parent_);
    EXPECT_EQ(vu_PicButtonEnable(b), 0);
    EXPECT_TRUE(IsWindowEnabled(b));
    EXPECT_TRUE(GetUpdateRect(b, nullptr, FALSE));
    EXPECT_EQ(vu_PicButtonEnable(b), 0);

    EXPECT_EQ(vu_PicButtonRedraw(b, "ERASED"), 0);
    EXPECT_EQ(vu_PicButtonRedraw(b, "UNERASED"), 0);
    EXPECT_EQ(vu_PicButtonRedraw(b, "erased"), 1);
    EXPECT_EQ(vu_PicButtonRedraw(b, nullptr), 1);

    EXPECT_EQ(vu_PicButtonDestroy(b), 0);
    EXPECT_EQ(vu_PicButtonDestroy(b), 1);
    EXPECT_EQ(vu_PicButtonMove(b, 1, 1), 1);
    EXPECT_EQ(vu_PicButtonRedraw(b, "ERASED"), 1);
}

TEST_F(PicButtons, TextFontAndStateCalls)
{
    HWND b = vu_PicButton(parent_, 10, 10, 100, 25, "", 72);
    char buffer[300];
    EXPECT_EQ(vu_PicButtonSetText(b, "Bild å"), 0);
    EXPECT_EQ(vu_PicButtonGetText(b, buffer), 6);
    EXPECT_STREQ(buffer, "Bild \xE5");
    EXPECT_EQ(vu_PicButtonSetText(b, nullptr), 0);
    EXPECT_EQ(vu_PicButtonGetText(b, buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(vu_PicButtonGetText(b, nullptr), 0);

    // A long text is cut to fit the documented 255-byte buffer.
    const std::string longer(400, 'x');
    EXPECT_EQ(vu_PicButtonSetText(b, longer.c_str()), 0);
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(vu_PicButtonGetText(b, buffer), 254);
    EXPECT_EQ(buffer[254], '\0');
    EXPECT_EQ(buffer[255], '#');

    HFONT font = CreateFontA(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    EXPECT_EQ(vu_PicButtonSetFont(b, font), 0);
    EXPECT_EQ(SendMessageA(b, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
    DestroyWindow(b);
    DeleteObject(font);
    EXPECT_EQ(vu_PicButtonSetText(b, "x"), 1);
}

}  // namespace
