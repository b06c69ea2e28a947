#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "input.h"
#include "pixels.h"
#include "query.h"

static TBBUTTON At(HWND tb, int i) { TBBUTTON b = {}; return SendMessageA(tb, TB_GETBUTTON, i, LPARAM(&b)), b; }

// An image of the toolbar's list (each test bitmap is 16 x 15 of one colour) drawn on it, read back.
static COLORREF ImageColour(HWND tb, int index)
{
    HDC dc = GetDC(tb);
    ImageList_Draw(reinterpret_cast<HIMAGELIST>(SendMessageA(tb, TB_GETIMAGELIST, 0, 0)), index, dc, 0, 0, ILD_NORMAL);
    return ReleaseDC(tb, dc), vu_test::Pixel(tb, 8, 7);
}

TEST(Toolbar, FramesAndDocking)
{
    vu_test::Window parent("Verktyg", 400, 300);
    const struct { const char* word; DWORD style; } frames[] = {{"NOBORDER", 0x50000145}, {"BORDER", 0x50800145}, {"BAR", 0x50400145}, {"bar", 0x50000145}};
    for (const auto& f : frames) {
        HWND tb = vu_Toolbar(parent, f.word, 30);
        EXPECT_EQ(vu_test::StyleOf(tb), f.style) << f.word;
        EXPECT_EQ(GetDlgCtrlID(tb) + vu_test::RectInParent(tb).right, 1398) << f.word;  // id 1000, parent's width less 2
    }
    HWND tb = vu_Toolbar(parent, "NOBORDER", 0);
    EXPECT_EQ(vu_test::RectInParent(tb).right, 0);  // 0 x 0 until placed
    const struct { const char* side; int thickness, x, y, extra, flush; RECT rect; } cases[] = {  // in a client area of 400 x 300
        {"B", 28, 0, 0, 0, 0, {0, 270, 398, 298}},    {"B", 28, 0, 0, 0, 1, {0, 272, 400, 300}},
        {"T", 24, 5, 3, 7, 0, {5, 3, 405, 27}},       {"L", 30, 2, 10, 5, 0, {2, 10, 32, 303}},
        {"R", 30, -3, 10, -4, 1, {367, 10, 397, 296}}, {"t", 9, 0, 0, 0, 0, {367, 10, 397, 296}}};
    for (const auto& c : cases) {
        auto place = c.flush ? vu_ToolbarPlaceFlush : vu_ToolbarPlace;
        EXPECT_EQ(place(tb, c.side, c.thickness, c.x, c.y, c.extra), c.side[0] == 't') << c.side;
        const RECT r = vu_test::RectInParent(tb);
        EXPECT_TRUE(EqualRect(&r, &c.rect)) << c.side << c.flush << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}

TEST(Toolbar, ButtonAndSeparatorWordsAndImages)
{
    vu_test::Window parent("Ord", 400, 300);
    HWND tb = vu_Toolbar(parent, "NOBORDER", 30);
    // A button has a state word; a separator (no state) has its kind in type, its side in wrap.
    const struct { const char *type, *state, *wrap, *bitmap; int width, id, image; BYTE style, bits; } rows[] = {
        {"PUSH", "ACTIVE", "", "BILD_ROD", 0, 1, 0, TBSTYLE_BUTTON, 0x04},
        {"SPACE", nullptr, "SIDE", nullptr, 6, 0, 6, TBSTYLE_SEP, 0},  // takes no image
        {"PUSHDOWN", "ACTIVEDOWN", "BREAK", "BILD_GRON", 0, 2, 1, TBSTYLE_CHECK, 0x26},
        {"PUSHDOWNGROUP", "HIDE", "break", "FINNS_INTE", 0, 3, 2, TBSTYLE_CHECKGROUP, 0x08},  // uses up its index
        {"push", "NONACTIVE", nullptr, "BILD_BLA", 0, 4, 3, TBSTYLE_BUTTON, 0x10},
        {nullptr, "NONACTIVEDOWN", "", "BILD_GUL", 0, 5, 4, TBSTYLE_BUTTON, 0x01},
        {"PUSH", "active", "", "BILD_ROD", 0, 6, 5, TBSTYLE_BUTTON, 0x00},
        {"BUTT", nullptr, "SIDE", nullptr, 50, 0, -1, TBSTYLE_BUTTON, 0},
        {"SPACE", nullptr, "BREAK", nullptr, 12, 0, 12, TBSTYLE_SEP, TBSTATE_WRAP},
        {"SPACE", nullptr, "SIDE", nullptr, -5, 0, 0, TBSTYLE_SEP, 0}};
    for (const auto& row : rows) {
        const int i = static_cast<int>(&row - rows);
        EXPECT_EQ(row.state ? vu_ToolbarAddButton(tb, row.type, row.state, row.wrap, row.bitmap, 0, row.id) : vu_ToolbarAddSeparator(tb, row.type, row.wrap, row.width), 0);
        const TBBUTTON b = At(tb, i);
        EXPECT_EQ(b.fsStyle * 1000 + b.fsState, row.style * 1000 + row.bits) << i;
        EXPECT_EQ(b.iBitmap * 100 + b.idCommand, row.image * 100 + row.id) << i;
        EXPECT_EQ(row.state ? vu_ToolbarButtonState(tb, row.id) : row.bits, row.bits) << i;
    }
    const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ImageColour(tb, i), colours[i]) << i;
    // A new toolbar starts the image counter again; inserting puts the button at a position from 1.
    HWND second = vu_Toolbar(parent, "NOBORDER", 0);
    EXPECT_EQ(vu_ToolbarInsertButton(tb, "PUSH", "ACTIVE", "", "BILD_GRON", 0, 1, 50), 0);
    EXPECT_EQ(At(tb, 0).idCommand * 100 + At(tb, 0).iBitmap, 5000);
    EXPECT_EQ(vu_ToolbarChangeImage(tb, 50, 3), 0);
    EXPECT_EQ(At(tb, 0).iBitmap, 2);
    EXPECT_EQ(vu_ToolbarDeleteButton(tb, 1), 0);
    EXPECT_EQ(vu_ToolbarDeleteButton(tb, 2), 0);  // the separator
    EXPECT_EQ(At(tb, 0).idCommand * 100 + At(tb, 1).idCommand, 102);
    EXPECT_EQ(vu_ToolbarDeleteButton(tb, 0), 1);
    vu_ToolbarSetImageSize(second, 24, 20);  // the size of the images added from now on
    vu_ToolbarAddButton(second, "PUSH", "ACTIVE", "", "BILD_ROD", 0, 60);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageA(second, TB_GETIMAGELIST, 0, 0)), &cx, &cy);
    EXPECT_EQ(cx * 100 + cy, 2420);
}

TEST(Toolbar, StateCallsClicksAndTips)
{
    vu_test::Window parent("Tillstånd", 400, 300);
    HWND tb = vu_Toolbar(parent, "NOBORDER", 30);
    vu_ToolbarAddButton(tb, "PUSHDOWN", "ACTIVE", "", "BILD_ROD", 0, 21), vu_ToolbarAddButton(tb, "PUSH", "ACTIVE", "", "BILD_GRON", 0, 22);
    const struct { int (*call)(HWND, int); int state; } calls[] = {  // state: of button 21 afterwards
        {vu_ToolbarCheckButton, 0x05}, {vu_ToolbarUncheckButton, 0x04}, {vu_ToolbarPressButton, 0x06},
        {vu_ToolbarReleaseButton, 0x04}, {vu_ToolbarHideButton, 0x0C}, {vu_ToolbarShowButton, 0x04},
        {vu_ToolbarDisableButton, 0x00}, {vu_ToolbarEnableButton, 0x04}};
    for (const auto& c : calls) {
        EXPECT_EQ(c.call(tb, 21), 0) << c.state;
        EXPECT_EQ(vu_ToolbarButtonState(tb, 21), c.state);
        EXPECT_EQ(c.call(tb, 99) * 10 + vu_ToolbarButtonState(tb, 99), 9) << c.state;  // 1 and -1: no such id
    }
    RECT r = {};  // a real click on a button reaches the parent as the button's command
    SendMessageA(tb, TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r)), vu_test::ClearMessages();
    ASSERT_TRUE(vu_test::Foreground(parent));
    vu_test::ClickAt(tb, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    EXPECT_TRUE(vu_test::WaitFor([&] { return vu_test::CountMessages(WM_COMMAND, parent) == 1; }));
    for (const vu_test::Message& m : vu_test::Messages()) EXPECT_EQ(m.message == WM_COMMAND ? LOWORD(m.wparam) : 22, 22);
    NMTTDISPINFOA tip = {};  // the tip text answers only its own button's request
    for (UINT code : {UINT(TTN_NEEDTEXTA), UINT(TTN_NEEDTEXTW)})
        tip.hdr = {nullptr, 22, code}, vu_ToolbarTipText(&tip, 22, code == TTN_NEEDTEXTA ? "Spara" : "Ej"),
        vu_ToolbarTipText(&tip, 21, "Ej");
    EXPECT_STREQ(tip.lpszText, "Spara");
    EXPECT_EQ(vu_ToolbarToggleFlat(tb), 0);  // the flat look is flipped, and the toolbar shown again
    EXPECT_EQ(vu_test::StyleOf(tb), 0x50000945u);
}

TEST(Toolbar, ColourPaintsAndReleasesOnlyItsOwnBrushes)
{
    vu_test::Window parent("Färg", 400, 300);
    HWND tb = vu_Toolbar(parent, "NOBORDER", 40);
    vu_ToolbarSetColor(tb, RGB(255, 0, 0)), UpdateWindow(tb);
    EXPECT_EQ(vu_test::Pixel(tb, 300, 20), RGB(255, 0, 0));
    // The caller's brush is never released; checked at once, as a toolbar with a deleted brush must not paint.
    HBRUSH mine = CreateSolidBrush(RGB(1, 2, 3));
    for (auto set : {vu_WindowBackColor, vu_ToolbarSetColor}) {
        SetClassLongPtrA(tb, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(mine));
        set(tb, RGB(4, 5, 6));
        ASSERT_EQ(GetObjectType(mine), static_cast<DWORD>(OBJ_BRUSH));
    }
    DeleteObject(mine);
    // Replaced by either colour call, the toolkit's brush goes: no object is kept per call.
    const DWORD before = vu_test::GdiObjects();
    for (int i = 0; i < vu_test::Rounds(2500); ++i) {
        vu_WindowBackColor(tb, RGB(0, 0, i % 256));
        vu_ToolbarSetColor(tb, RGB(0, i % 256, 0));
    }
    EXPECT_EQ(vu_test::GdiObjects(), before);
}
