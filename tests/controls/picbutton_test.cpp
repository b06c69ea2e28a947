#include <gtest/gtest.h>

#include "pixels.h"
#include "query.h"

static HWND Button(HWND parent, DWORD style)  // a button of exactly this style
{
    HWND b = CreateWindowExA(0, "BUTTON", "", style, 10, 10, 80, 40, parent, nullptr, vu_test::Self(), nullptr);
    return SetWindowLongA(b, GWL_STYLE, static_cast<LONG>(style)), b;
}

TEST(PicButton, SetPictureWords)
{
    vu_test::Window parent("Bildknapp");
    // picture: a bitmap, an icon or a system-icon word, set by call 0 bitmap, 1 icon, 2 system icon.
    struct Row { const char* name; DWORD before; const char *alignment, *picture; int call; DWORD after; };
    const Row rows[] = {
        {"icon button reset", 0x50000340, "L", "PB_NORMAL", 0, 0x500001C0}, {"push button keeps centre", 0x50010300, "RB", "PB_NORMAL", 0, 0x50010B80},
        {"ten steps above plain", 0x50000A41, "T", "PB_ICON", 1, 0x50000441}, {"eleven steps: not plain", 0x50000B41, "T", "PB_ICON", 1, 0x50000F41},
        {"R", 0x50000000, "R", "WINLOGO", 2, 0x50000240}, {"B", 0x50000000, "B", "ASTERISK", 2, 0x50000840},
        {"C", 0x50000000, "C", "EXCLAMATION", 2, 0x50000340}, {"LB", 0x50000000, "LB", "HAND", 2, 0x50000940},
        {"LT", 0x50000000, "LT", "QUESTION", 2, 0x50000540}, {"RT", 0x50000000, "RT", "APPLICATION", 2, 0x50000640},
        {"unknown alignment", 0x50400041, "l", "PB_NORMAL", 0, 0x504000C1}, {"disabled: untouched", 0x58000000, "L", "PB_NORMAL", 0, 0x58000000}};
    const LPCSTR icons[] = {IDI_WINLOGO, IDI_ASTERISK, IDI_EXCLAMATION, IDI_HAND, IDI_QUESTION, IDI_APPLICATION};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND b = Button(parent, row.before);
        const auto set = row.call == 0 ? vu_PicButtonSetBitmap : row.call == 1 ? vu_PicButtonSetIcon : vu_PicButtonSetSystemIcon;
        EXPECT_EQ(set(b, row.alignment, row.picture), 0);
        EXPECT_EQ(vu_test::StyleOf(b), row.after);
        const HANDLE image = reinterpret_cast<HANDLE>(SendMessageA(b, BM_GETIMAGE, row.call ? IMAGE_ICON : IMAGE_BITMAP, 0));
        BITMAP info = {};  // the 64 x 32 bitmap, the test's icon, or the system icon of the word
        const bool shown = row.call == 0   ? GetObjectA(image, sizeof info, &info) && info.bmWidth == 64
                           : row.call == 1 ? image != nullptr
                                           : image == LoadIconA(nullptr, icons[&row - rows - 4]);
        EXPECT_EQ(shown, row.before != row.after);
        DestroyWindow(b);
    }
}

TEST(PicButton, NoObjectKeptPerReplacementOrDrawing)
{
    vu_test::Window parent("Läcka");
    HWND b = Button(parent, WS_CHILD | WS_VISIBLE), drawn = vu_PicButton(parent, 100, 10, 64, 32, "", 31);
    DRAWITEMSTRUCT item = {ODT_BUTTON, 31, 0, 0, 0, drawn, GetDC(drawn), {0, 0, 64, 32}, 0};
    DWORD before = 0;  // counted from the second round: the first loads the icon, shared by later loads
    for (int i = 0; i <= vu_test::Rounds(5000); ++i) {
        if (i == 1) before = vu_test::GdiObjects();
        vu_PicButtonSetBitmap(b, "C", "PB_NORMAL");
        vu_PicButtonSetIcon(b, "C", "PB_ICON");
        vu_PicButtonDraw(drawn, 31, &item, "PB_NORMAL", "PB_PRESSED");
        vu_PicButtonPaint(drawn, "PB_PRESSED");
    }
    EXPECT_EQ(vu_test::GdiObjects(), before);
    ReleaseDC(drawn, item.hDC);
    HBITMAP mine = CreateBitmap(4, 4, 1, 1, nullptr);  // the caller's picture is never released
    SendMessageA(b, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(mine));
    vu_PicButtonSetBitmap(b, "C", "PB_NORMAL");
    EXPECT_EQ(GetObjectType(mine), static_cast<DWORD>(OBJ_BITMAP));
    DeleteObject(mine);
}

TEST(PicButton, OwnerDrawnLooksAreCopiedUnscaled)
{
    vu_test::Window parent("Ritad");
    vu_test::SetMainWindowHandler([](HWND, UINT msg, WPARAM wp, LPARAM lp, LRESULT* r) {
        if (msg != WM_DRAWITEM) return false;
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        vu_PicButtonDraw(item->hwndItem, static_cast<int>(wp), item, "PB_NORMAL", "PB_PRESSED");
        return *r = TRUE, true;
    });
    HWND b = vu_PicButton(parent, 20, 20, 40, 20, "B", 31);
    EXPECT_EQ(vu_test::StyleOf(b), 0x5080000Bu);
    const struct { const char* name; int (*act)(HWND); COLORREF colour; } cases[] = {  // at (25, 12): top left if unscaled
        {"pressed", vu_PicButtonPress, RGB(255, 255, 0)}, {"normal", vu_PicButtonRelease, RGB(255, 0, 0)},
        {"painted over", [](HWND w) { return vu_PicButtonPaint(w, "PB_PRESSED"); }, RGB(255, 255, 0)}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.act(b), 0);
        UpdateWindow(b);
        EXPECT_EQ(vu_test::Pixel(b, 25, 12), c.colour) << c.name;
    }
    vu_test::SetMainWindowHandler(nullptr);
}

TEST(PicButton, DoubleClickTimeLoweredOnlyWhileHovered)
{
    const UINT saved = GetDoubleClickTime();
    SetDoubleClickTime(500);
    vu_test::Window parent("Dubbelklick");
    HWND b = vu_PicButton(parent, 20, 20, 60, 30, "", 41);
    RECT r = vu_test::RectInParent(b);  // the pointer only moves (lock "pointer"): over the button,
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&r), 2);  // the parent hears of it
    vu_test::ClearMessages(), SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    EXPECT_TRUE(vu_test::WaitFor([&] { return vu_test::CountMessages(WM_MOUSEMOVE, parent) > 0; }));
    SendMessageA(b, WM_NCHITTEST, 0, 0);
    EXPECT_EQ(GetDoubleClickTime(), 10u);
    SetCursorPos(r.left + 250, r.top + 200);  // it leaves: the timer puts it back
    EXPECT_TRUE(vu_test::WaitFor([] { return GetDoubleClickTime() == 500; }, 2000));
    SendMessageA(b, WM_NCHITTEST, 0, 0);  // destroyed while hovered, before its timer runs
    DestroyWindow(b);
    EXPECT_EQ(GetDoubleClickTime(), 500u);
    SetDoubleClickTime(saved);
}
