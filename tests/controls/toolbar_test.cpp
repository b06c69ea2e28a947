// The toolbar: creation and frames, docking, buttons and their images, gaps, the state
// calls by command id, tooltips answered by the parent, the look and the class colour,
// all read back from the platform toolbar through its own messages.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "control_fixture.h"
#include "toolbar_mouse.h"

namespace {

using control_test::Parent;
using control_test::RectInParent;

// Messages sent to windows of this thread while a recorder is in place.
struct Sent {
    HWND window;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};
std::vector<Sent> g_sent;
LRESULT CALLBACK RecordSent(int code, WPARAM wparam, LPARAM lparam)
{
    const CWPSTRUCT* m = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (code == HC_ACTION) g_sent.push_back({m->hwnd, m->message, m->wParam, m->lParam});
    return CallNextHookEx(nullptr, code, wparam, lparam);
}
struct SentRecorder {
    HHOOK hook;
    SentRecorder()
    {
        g_sent.clear();
        hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordSent, nullptr, GetCurrentThreadId());
    }
    ~SentRecorder() { UnhookWindowsHookEx(hook); }
    std::vector<Sent> To(HWND window, UINT message) const
    {
        std::vector<Sent> found;
        for (const Sent& m : g_sent)
            if (m.window == window && m.message == message) found.push_back(m);
        return found;
    }
};

int Count(HWND tb) { return static_cast<int>(SendMessageA(tb, TB_BUTTONCOUNT, 0, 0)); }

// The button record at zero-based index.
TBBUTTON At(HWND tb, int index)
{
    TBBUTTON b = {};
    EXPECT_TRUE(SendMessageA(tb, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&b)))
        << "no button at index " << index;
    return b;
}

int State(HWND tb, int id) { return static_cast<int>(SendMessageA(tb, TB_GETSTATE, id, 0)); }

std::vector<int> Ids(HWND tb)
{
    std::vector<int> ids;
    for (int i = 0; i < Count(tb); ++i) ids.push_back(At(tb, i).idCommand);
    return ids;
}

HIMAGELIST Images(HWND tb)
{
    return reinterpret_cast<HIMAGELIST>(SendMessageA(tb, TB_GETIMAGELIST, 0, 0));
}

int ImageCount(HWND tb)
{
    HIMAGELIST list = Images(tb);
    return list ? ImageList_GetImageCount(list) : 0;
}

// The colour in the middle of image index of the toolbar's image list.
COLORREF ImageColour(HWND tb, int index)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 32, 32);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, canvas);
    RECT all = {0, 0, 32, 32};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ImageList_Draw(Images(tb), index, dc, 0, 0, ILD_NORMAL);
    const COLORREF colour = GetPixel(dc, 8, 7);
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);
    return colour;
}

constexpr COLORREF kRed = RGB(0xFF, 0, 0);
constexpr COLORREF kGreen = RGB(0, 0xFF, 0);
constexpr COLORREF kBlue = RGB(0, 0, 0xFF);
constexpr COLORREF kYellow = RGB(0xFF, 0xFF, 0);

// A toolbar with a visible height in a fresh parent.
struct Bar {
    HWND parent;
    HWND tb;
    explicit Bar(const char* stem, int height = 30, int width = 400, int client_height = 300)
    {
        parent = Parent(stem, width, client_height);
        tb = vu_Toolbar(parent, "NOBORDER", height);
    }
    ~Bar() { vu_WindowDestroy(parent); }
    void Add(const char* bitmap, int id, const char* state = "ACTIVE", const char* type = "PUSH")
    {
        EXPECT_EQ(vu_ToolbarAddButton(tb, type, state, "", bitmap, 0, id), 0);
    }
};

TEST(Toolbar, IsAChildToolbarWithItsStyleIdAndModule)
{
    HWND parent = Parent("Verktyg", 400, 300);
    SentRecorder recorder;
    HWND tb = vu_Toolbar(parent, "NOBORDER", 0);
    ASSERT_NE(tb, nullptr);
    char name[64] = {};
    GetClassNameA(tb, name, sizeof name);
    EXPECT_STREQ(name, "ToolbarWindow32");
    EXPECT_EQ(GetParent(tb), parent);
    EXPECT_EQ(GetDlgCtrlID(tb), 1000);
    EXPECT_EQ(GetWindowLongPtrA(tb, GWLP_HINSTANCE), GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    EXPECT_EQ(GetWindowLongA(tb, GWL_STYLE), 0x50000145);
    // The button record's size is announced before anything else is asked of the toolbar.
    const std::vector<Sent> sizes = recorder.To(tb, TB_BUTTONSTRUCTSIZE);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].wparam, 20u);
    // Height 0: nothing to see until it is placed.
    RECT r = RectInParent(tb);
    EXPECT_EQ(r.right - r.left, 0);
    EXPECT_EQ(r.bottom - r.top, 0);
    EXPECT_EQ(vu_ToolbarPlace(tb, "T", 28, 0, 0, 0), 0);
    r = RectInParent(tb);
    EXPECT_EQ(r.right - r.left, 398);
    EXPECT_EQ(r.bottom - r.top, 28);

    // A height above 0: at the top, two pixels short of the parent's width.
    HWND high = vu_Toolbar(parent, "NOBORDER", 30);
    r = RectInParent(high);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, 398);
    EXPECT_EQ(r.bottom - r.top, 30);
    EXPECT_EQ(vu_Toolbar(nullptr, "NOBORDER", 30), nullptr);
    vu_WindowDestroy(parent);
}

TEST(Toolbar, FrameWords)
{
    struct Case {
        const char* word;
        LONG style;
    };
    const Case cases[] = {
        {"NOBORDER", 0x50000145}, {"BORDER", 0x50800145}, {"BAR", 0x50400145},
        {"border", 0x50000145},   {"BARS", 0x50000145},   {"", 0x50000145},
        {nullptr, 0x50000145},
    };
    HWND parent = Parent("Verktygsram");
    for (const Case& c : cases) {
        HWND tb = vu_Toolbar(parent, c.word, 0);
        ASSERT_NE(tb, nullptr);
        EXPECT_EQ(GetWindowLongA(tb, GWL_STYLE), c.style) << (c.word ? c.word : "(null)");
        vu_ToolbarDestroy(tb);
    }
    vu_WindowDestroy(parent);
}

TEST(Toolbar, DocksAlongEachSide)
{
    struct Case {
        const char* side;
        int thickness, x, y, extra;
        RECT margin, flush;  // left, top, right, bottom in the parent's client area
    };
    // Client area 400 x 300: W = 398, H = 298 with the margin, 400 and 300 flush.
    const Case cases[] = {
        {"B", 28, 0, 0, 0, {0, 270, 398, 298}, {0, 272, 400, 300}},
        {"T", 28, 0, 0, 0, {0, 0, 398, 28}, {0, 0, 400, 28}},
        {"T", 24, 5, 3, 7, {5, 3, 5 + 398 + 7 - 5, 27}, {5, 3, 5 + 400 + 7 - 5, 27}},
        {"B", 20, 4, -6, 2, {4, 298 - 6 - 20, 4 + 396, 298 - 6}, {4, 300 - 6 - 20, 4 + 398, 294}},
        {"L", 30, 2, 10, 5, {2, 10, 32, 10 + 298 - 10 + 5}, {2, 10, 32, 10 + 300 - 10 + 5}},
        {"R", 30, -3, 10, -4, {398 - 30 - 3, 10, 398 - 3, 10 + 284}, {367, 10, 397, 296}},
    };
    Bar bar("Docka", 0);
    for (const Case& c : cases) {
        EXPECT_EQ(vu_ToolbarPlace(bar.tb, c.side, c.thickness, c.x, c.y, c.extra), 0);
        RECT r = RectInParent(bar.tb);
        EXPECT_EQ(r.left, c.margin.left) << c.side;
        EXPECT_EQ(r.top, c.margin.top) << c.side;
        EXPECT_EQ(r.right, c.margin.right) << c.side;
        EXPECT_EQ(r.bottom, c.margin.bottom) << c.side;
        EXPECT_EQ(vu_ToolbarPlaceFlush(bar.tb, c.side, c.thickness, c.x, c.y, c.extra), 0);
        r = RectInParent(bar.tb);
        EXPECT_EQ(r.left, c.flush.left) << c.side;
        EXPECT_EQ(r.top, c.flush.top) << c.side;
        EXPECT_EQ(r.right, c.flush.right) << c.side;
        EXPECT_EQ(r.bottom, c.flush.bottom) << c.side;
    }
    // Other words move nothing and answer 1.
    const RECT before = RectInParent(bar.tb);
    for (const char* word : {"t", "TOP", "", "BR", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(vu_ToolbarPlace(bar.tb, word, 10, 1, 1, 1), 1);
        EXPECT_EQ(vu_ToolbarPlaceFlush(bar.tb, word, 10, 1, 1, 1), 1);
    }
    const RECT after = RectInParent(bar.tb);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(vu_ToolbarPlace(nullptr, "T", 10, 0, 0, 0), 1);
    // Extreme arguments give some rectangle, never an arithmetic overflow.
    vu_ToolbarPlace(bar.tb, "R", INT_MIN, INT_MAX, INT_MIN, INT_MAX);
    vu_ToolbarPlaceFlush(bar.tb, "B", INT_MAX, INT_MIN, INT_MAX, INT_MIN);
}

TEST(Toolbar, ButtonsTakeTheNextImageAndBringTheirBitmap)
{
    Bar bar("Bilder");
    bar.Add("BILD_ROD", 11);
    EXPECT_EQ(vu_ToolbarAddSeparator(bar.tb, "SPACE", "SIDE", 6), 0);
    bar.Add("BILD_GRON", 12);
    bar.Add("BILD_BLA", 13);
    ASSERT_EQ(Count(bar.tb), 4);
    EXPECT_EQ(At(bar.tb, 0).iBitmap, 0);
    EXPECT_EQ(At(bar.tb, 2).iBitmap, 1);
    EXPECT_EQ(At(bar.tb, 3).iBitmap, 2);
    EXPECT_EQ(Ids(bar.tb), (std::vector<int>{11, 0, 12, 13}));
    // One image per button, each its own bitmap.
    ASSERT_EQ(ImageCount(bar.tb), 3);
    EXPECT_EQ(ImageColour(bar.tb, 0), kRed);
    EXPECT_EQ(ImageColour(bar.tb, 1), kGreen);
    EXPECT_EQ(ImageColour(bar.tb, 2), kBlue);
    // The fields as filled: no application data, the label passed through.
    const TBBUTTON first = At(bar.tb, 0);
    EXPECT_EQ(first.dwData, 0u);
    EXPECT_EQ(first.iString, 0);

    // A new toolbar starts the counter again, whichever toolbar the next button goes to.
    HWND other = vu_Toolbar(bar.parent, "NOBORDER", 0);
    ASSERT_NE(other, nullptr);
    bar.Add("BILD_GUL", 14);
    EXPECT_EQ(At(bar.tb, 4).iBitmap, 0);
    EXPECT_EQ(ImageCount(bar.tb), 4);
    EXPECT_EQ(ImageColour(bar.tb, 3), kYellow);
}

TEST(Toolbar, AMissingBitmapUsesUpAnIndexButAddsNoImage)
{
    Bar bar("Saknad bild");
    bar.Add("BILD_ROD", 1);
    bar.Add("FINNS_INTE", 2);
    bar.Add(nullptr, 3);
    bar.Add("BILD_GRON", 4);
    ASSERT_EQ(Count(bar.tb), 4);
    EXPECT_EQ(At(bar.tb, 1).iBitmap, 1);
    EXPECT_EQ(At(bar.tb, 2).iBitmap, 2);
    EXPECT_EQ(At(bar.tb, 3).iBitmap, 3);
    // Only the two bitmaps that loaded became images; the last button points past them.
    EXPECT_EQ(ImageCount(bar.tb), 2);
    EXPECT_EQ(ImageColour(bar.tb, 1), kGreen);
}

TEST(Toolbar, TypeStateAndWrapWords)
{
    struct TypeCase {
        const char* word;
        BYTE style;
    };
    const TypeCase types[] = {
        {"PUSH", TBSTYLE_BUTTON},      {"PUSHDOWN", TBSTYLE_CHECK},
        {"PUSHDOWNGROUP", TBSTYLE_CHECKGROUP}, {"push", TBSTYLE_BUTTON},
        {"PUSHDOWNGROUPS", TBSTYLE_BUTTON},    {nullptr, TBSTYLE_BUTTON},
    };
    struct StateCase {
        const char* word;
        BYTE state;
    };
    const StateCase states[] = {
        {"HIDE", 0x08},      {"ACTIVE", 0x04},        {"ACTIVEDOWN", 0x06},
        {"NONACTIVE", 0x10}, {"NONACTIVEDOWN", 0x01}, {"active", 0x00},
        {"", 0x00},          {"ACTIVEDOWNS", 0x00},   {nullptr, 0x00},
    };
    // The wrap word adds TBSTATE_WRAP (0x20) or nothing.
    const StateCase wraps[] = {{"BREAK", 0x20}, {"SIDE", 0}, {"break", 0}, {nullptr, 0}};
    Bar bar("Ord");
    int id = 100;
    for (const TypeCase& c : types) {
        vu_ToolbarAddButton(bar.tb, c.word, "ACTIVE", "", "BILD_ROD", 0, ++id);
        EXPECT_EQ(At(bar.tb, Count(bar.tb) - 1).fsStyle, c.style) << (c.word ? c.word : "(null)");
    }
    for (const StateCase& c : states) {
        for (const StateCase& w : wraps) {
            const char* wrap = w.word;
            vu_ToolbarAddButton(bar.tb, "PUSH", c.word, wrap, "BILD_ROD", 0, ++id);
            const BYTE wrap_bit = w.state;
            EXPECT_EQ(At(bar.tb, Count(bar.tb) - 1).fsState, c.state | wrap_bit)
                << (c.word ? c.word : "(null)") << " " << (wrap ? wrap : "(null)");
            EXPECT_EQ(vu_ToolbarButtonState(bar.tb, id), c.state | wrap_bit);
        }
    }
}

TEST(Toolbar, InsertPlacesAtAPositionFromOne)
{
    Bar bar("Infoga");
    bar.Add("BILD_ROD", 1);
    bar.Add("BILD_GRON", 2);
    EXPECT_EQ(vu_ToolbarInsertButton(bar.tb, "PUSH", "ACTIVE", "", "BILD_BLA", 0, 1, 3), 0);
    EXPECT_EQ(Ids(bar.tb), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(vu_ToolbarInsertButton(bar.tb, "PUSH", "ACTIVE", "", "BILD_GUL", 0, 3, 4), 0);
    EXPECT_EQ(Ids(bar.tb), (std::vector<int>{3, 1, 4, 2}));
    EXPECT_EQ(vu_ToolbarInsertButton(bar.tb, "PUSH", "ACTIVE", "", "BILD_ROD", 0, 5, 5), 0);
    EXPECT_EQ(Ids(bar.tb), (std::vector<int>{3, 1, 4, 2, 5}));
    // The inserted button's image is still the next image added, wherever it stands.
    EXPECT_EQ(At(bar.tb, 0).iBitmap, 2);
    EXPECT_EQ(At(bar.tb, 2).iBitmap, 3);
    EXPECT_EQ(ImageColour(bar.tb, At(bar.tb, 0).iBitmap), kBlue);
    EXPECT_EQ(ImageColour(bar.tb, At(bar.tb, 2).iBitmap), kYellow);
    // Positions outside 1 .. count + 1 add at the end; the image is taken all the same.
    int id = 5;
    for (int position : {0, -1, 9, 1000, INT_MIN, INT_MAX}) {
        EXPECT_EQ(vu_ToolbarInsertButton(bar.tb, "PUSH", "ACTIVE", "", "BILD_GRON", 0, position,
                                         ++id),
                  0);
        EXPECT_EQ(Ids(bar.tb).back(), id) << position;
        EXPECT_EQ(At(bar.tb, Count(bar.tb) - 1).iBitmap, id - 1) << position;
    }
    EXPECT_EQ(ImageCount(bar.tb), 11);
}

TEST(Toolbar, GapsAndSeparators)
{
    Bar bar("Mellanrum");
    bar.Add("BILD_ROD", 1);
    EXPECT_EQ(vu_ToolbarAddSeparator(bar.tb, "BUTT", "SIDE", 50), 0);
    EXPECT_EQ(vu_ToolbarAddSeparator(bar.tb, "SPACE", "BREAK", 12), 0);
    EXPECT_EQ(vu_ToolbarAddSeparator(bar.tb, "SPACE", "SIDE", -5), 0);
    EXPECT_EQ(vu_ToolbarAddSeparator(bar.tb, "space", "side", 9), 0);
    EXPECT_EQ(vu_ToolbarAddSeparator(bar.tb, nullptr, nullptr, 7), 0);
    bar.Add("BILD_GRON", 2);
    ASSERT_EQ(Count(bar.tb), 7);

    // A button-sized gap: a button without an image, id or label; the width is ignored.
    const TBBUTTON gap = At(bar.tb, 1);
    EXPECT_EQ(gap.fsStyle, TBSTYLE_BUTTON);
    EXPECT_EQ(gap.iBitmap, -1);
    EXPECT_EQ(gap.idCommand, 0);
    EXPECT_EQ(gap.fsState, 0);
    EXPECT_EQ(gap.iString, 0);
    RECT button = {}, gap_rect = {};
    SendMessageA(bar.tb, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
    SendMessageA(bar.tb, TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&gap_rect));
    EXPECT_EQ(gap_rect.right - gap_rect.left, button.right - button.left);

    // A separator: its image field is its width.
    const TBBUTTON space = At(bar.tb, 2);
    EXPECT_EQ(space.fsStyle, TBSTYLE_SEP);
    EXPECT_EQ(space.iBitmap, 12);
    EXPECT_EQ(space.fsState, TBSTATE_WRAP);
    EXPECT_EQ(space.idCommand, 0);
    // A width below 0 asks for the platform's own separator width.
    EXPECT_EQ(At(bar.tb, 3).iBitmap, 0);
    // Unknown words: a separator of the given width without a break.
    for (int i : {4, 5}) {
        EXPECT_EQ(At(bar.tb, i).fsStyle, TBSTYLE_SEP) << i;
        EXPECT_EQ(At(bar.tb, i).fsState, 0) << i;
    }
    EXPECT_EQ(At(bar.tb, 4).iBitmap, 9);
    // Gaps take no image and no counter value.
    EXPECT_EQ(At(bar.tb, 6).iBitmap, 1);
    EXPECT_EQ(ImageCount(bar.tb), 2);
}

TEST(Toolbar, StateCallsByCommandId)
{
    Bar bar("Tillstånd");
    bar.Add("BILD_ROD", 21, "ACTIVE", "PUSHDOWN");
    bar.Add("BILD_GRON", 22, "ACTIVE");
    struct Call {
        int (*call)(HWND, int);
        BYTE bit;
        bool set;
    };
    const Call calls[] = {
        {vu_ToolbarCheckButton, TBSTATE_CHECKED, true},
        {vu_ToolbarUncheckButton, TBSTATE_CHECKED, false},
        {vu_ToolbarPressButton, TBSTATE_PRESSED, true},
        {vu_ToolbarReleaseButton, TBSTATE_PRESSED, false},
        {vu_ToolbarHideButton, TBSTATE_HIDDEN, true},
        {vu_ToolbarShowButton, TBSTATE_HIDDEN, false},
        {vu_ToolbarDisableButton, TBSTATE_ENABLED, false},
        {vu_ToolbarEnableButton, TBSTATE_ENABLED, true},
    };
    int n = 0;
    for (const Call& c : calls) {
        ++n;
        EXPECT_EQ(c.call(bar.tb, 21), 0) << n;
        EXPECT_EQ((State(bar.tb, 21) & c.bit) != 0, c.set) << n;
        EXPECT_EQ(vu_ToolbarButtonState(bar.tb, 21), State(bar.tb, 21)) << n;
        // The other button is left alone.
        EXPECT_EQ(State(bar.tb, 22), TBSTATE_ENABLED) << n;
        // Unknown ids and no toolbar: the toolbar answers 0, the call 1.
        EXPECT_EQ(c.call(bar.tb, 99), 1) << n;
        EXPECT_EQ(c.call(bar.tb, 0), 1) << n;
        EXPECT_EQ(c.call(bar.tb, -1), 1) << n;
        EXPECT_EQ(c.call(nullptr, 21), 1) << n;
    }
    EXPECT_EQ(vu_ToolbarButtonState(bar.tb, 99), -1);
    EXPECT_EQ(vu_ToolbarButtonState(nullptr, 21), -1);
}

TEST(Toolbar, DeleteByPositionFromOne)
{
    Bar bar("Ta bort");
    bar.Add("BILD_ROD", 1);
    bar.Add("BILD_GRON", 2);
    vu_ToolbarAddSeparator(bar.tb, "SPACE", "SIDE", 8);
    bar.Add("BILD_BLA", 3);
    EXPECT_EQ(vu_ToolbarDeleteButton(bar.tb, 1), 0);
    EXPECT_EQ(Ids(bar.tb), (std::vector<int>{2, 0, 3}));
    EXPECT_EQ(vu_ToolbarDeleteButton(bar.tb, 2), 0);  // the separator
    EXPECT_EQ(Ids(bar.tb), (std::vector<int>{2, 3}));
    for (int position : {0, -1, 3, 100, INT_MIN, INT_MAX})
        EXPECT_EQ(vu_ToolbarDeleteButton(bar.tb, position), 1) << position;
    EXPECT_EQ(Ids(bar.tb), (std::vector<int>{2, 3}));
    EXPECT_EQ(vu_ToolbarDeleteButton(bar.tb, 2), 0);
    EXPECT_EQ(vu_ToolbarDeleteButton(bar.tb, 1), 0);
    EXPECT_EQ(Count(bar.tb), 0);
    EXPECT_EQ(vu_ToolbarDeleteButton(bar.tb, 1), 1);
    EXPECT_EQ(vu_ToolbarDeleteButton(nullptr, 1), 1);
}

TEST(Toolbar, ChangeImageByNumberFromOne)
{
    Bar bar("Byt bild");
    bar.Add("BILD_ROD", 1);
    bar.Add("BILD_GRON", 2);
    bar.Add("BILD_BLA", 3);
    EXPECT_EQ(vu_ToolbarChangeImage(bar.tb, 1, 3), 0);
    EXPECT_EQ(At(bar.tb, 0).iBitmap, 2);
    EXPECT_EQ(ImageColour(bar.tb, At(bar.tb, 0).iBitmap), kBlue);
    EXPECT_EQ(vu_ToolbarChangeImage(bar.tb, 3, 1), 0);
    EXPECT_EQ(At(bar.tb, 2).iBitmap, 0);
    EXPECT_EQ(vu_ToolbarChangeImage(bar.tb, 99, 1), 1);
    EXPECT_EQ(vu_ToolbarChangeImage(nullptr, 1, 1), 1);
    // The index travels in 16 bits: number 0 names image 0xFFFF, which the button keeps.
    EXPECT_EQ(vu_ToolbarChangeImage(bar.tb, 2, 0), 0);
    EXPECT_EQ(At(bar.tb, 1).iBitmap, 0xFFFF);
    EXPECT_EQ(vu_ToolbarChangeImage(bar.tb, 2, INT_MIN), 0);
    EXPECT_EQ(At(bar.tb, 1).iBitmap, 0xFFFF);
    EXPECT_EQ(vu_ToolbarChangeImage(bar.tb, 2, 0x10002), 0);
    EXPECT_EQ(At(bar.tb, 1).iBitmap, 1);
}

TEST(Toolbar, ImageSizeAndParentAreToldToTheToolbar)
{
    Bar bar("Bildstorlek");
    HWND second = Parent("Ny förälder");
    SentRecorder recorder;
    EXPECT_EQ(vu_ToolbarSetImageSize(bar.tb, 24, 20), 0);
    EXPECT_EQ(vu_ToolbarSetParent(bar.tb, second), 0);
    const std::vector<Sent> sizes = recorder.To(bar.tb, TB_SETBITMAPSIZE);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].lparam, MAKELPARAM(24, 20));
    const std::vector<Sent> parents = recorder.To(bar.tb, TB_SETPARENT);
    ASSERT_EQ(parents.size(), 1u);
    EXPECT_EQ(parents[0].wparam, reinterpret_cast<WPARAM>(second));
    // The images of buttons added now have the new size.
    bar.Add("BILD_ROD", 1);
    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(Images(bar.tb), &cx, &cy));
    EXPECT_EQ(cx, 24);
    EXPECT_EQ(cy, 20);
    vu_WindowDestroy(second);
}

// Whether window was told of a click of command id.
bool Commanded(HWND window, int id)
{
    for (const vu_test::Message& m : vu_test::Messages())
        if (m.window == window && m.message == WM_COMMAND && LOWORD(m.wparam) == id) return true;
    return false;
}

POINT ButtonPoint(HWND tb, int index)
{
    RECT r = {};
    SendMessageA(tb, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return toolbar_mouse::CentreOf(tb, r);
}

TEST(Toolbar, ClicksReachTheParentAndThenTheNewParent)
{
    Bar bar("Klicka");
    bar.Add("BILD_ROD", 31);
    bar.Add("BILD_GRON", 32, "");  // disabled: no command
    ASSERT_TRUE(toolbar_mouse::ToFront(bar.parent));
    vu_test::ClearMessages();
    toolbar_mouse::Click(ButtonPoint(bar.tb, 0));
    EXPECT_TRUE(vu_test::WaitFor([&] { return Commanded(bar.parent, 31); }, 3000));
    toolbar_mouse::Click(ButtonPoint(bar.tb, 1));
    toolbar_mouse::Click(ButtonPoint(bar.tb, 0));
    EXPECT_TRUE(vu_test::WaitFor([&] { return vu_test::CountMessages(WM_COMMAND) == 2; }, 3000));
    EXPECT_FALSE(Commanded(bar.parent, 32));

    HWND second = Parent("Mottagare");
    SetWindowPos(second, nullptr, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // uncover the bar
    vu_ToolbarSetParent(bar.tb, second);
    ASSERT_TRUE(toolbar_mouse::ToFront(bar.parent));
    vu_test::ClearMessages();
    toolbar_mouse::Click(ButtonPoint(bar.tb, 0));
    EXPECT_TRUE(vu_test::WaitFor([&] { return Commanded(second, 31); }, 3000));
    EXPECT_FALSE(Commanded(bar.parent, 31));
    vu_WindowDestroy(second);
}

TEST(Toolbar, TipTextAnswersOnlyItsOwnRequest)
{
    NMTTDISPINFOA record = {};
    record.hdr.code = TTN_NEEDTEXTA;
    record.hdr.idFrom = 41;
    EXPECT_EQ(vu_ToolbarTipText(&record, 41, "Kopiera"), 0);
    EXPECT_STREQ(record.lpszText, "Kopiera");

    char untouched[] = "orörd";
    record.lpszText = untouched;
    EXPECT_EQ(vu_ToolbarTipText(&record, 42, "Annan"), 0);  // another button's request
    EXPECT_EQ(record.lpszText, untouched);
    for (UINT code : {UINT(TTN_NEEDTEXTW), UINT(TTN_SHOW), UINT(NM_CLICK), 0u}) {
        record.hdr.code = code;
        EXPECT_EQ(vu_ToolbarTipText(&record, 41, "Kopiera"), 0);
        EXPECT_EQ(record.lpszText, untouched) << code;
    }
    record.hdr.code = TTN_NEEDTEXTA;
    EXPECT_EQ(vu_ToolbarTipText(&record, 41, nullptr), 0);  // a null text is the empty one
    ASSERT_NE(record.lpszText, nullptr);
    EXPECT_STREQ(record.lpszText, "");
    EXPECT_EQ(vu_ToolbarTipText(nullptr, 41, "Kopiera"), 0);
}

std::string TextOf(HWND w)
{
    char text[256] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

TEST(Toolbar, TooltipShowsTheParentsAnswer)
{
    Bar bar("Tips");
    bar.Add("BILD_ROD", 51);
    bar.Add("BILD_GRON", 52);
    HWND tips = reinterpret_cast<HWND>(SendMessageA(bar.tb, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tips, nullptr);
    int asked = 0;
    vu_test::SetMainWindowHandler([&](HWND w, UINT m, WPARAM, LPARAM lp, LRESULT*) {
        if (w == bar.parent && m == WM_NOTIFY) {
            NMTTDISPINFOA* record = reinterpret_cast<NMTTDISPINFOA*>(lp);
            if (record->hdr.code == TTN_NEEDTEXTA) ++asked;
            vu_ToolbarTipText(record, 51, "Kopiera filerna");
            vu_ToolbarTipText(record, 52, "Spara sökvägar");
        }
        return false;
    });
    ASSERT_TRUE(toolbar_mouse::ToFront(bar.parent));
    const POINT p = ButtonPoint(bar.tb, 1);
    toolbar_mouse::At(p.x - 3, p.y - 3);
    toolbar_mouse::At(p.x, p.y);
    EXPECT_TRUE(vu_test::WaitFor([&] { return asked > 0; }, 5000));
    EXPECT_TRUE(vu_test::WaitFor(
        [&] { return IsWindowVisible(tips) && TextOf(tips) == "Spara sökvägar"; }, 5000))
        << TextOf(tips);
    vu_test::SetMainWindowHandler(nullptr);
    toolbar_mouse::At(0, 0);
}

TEST(Toolbar, ToggleFlatFlipsTheLookAndRedraws)
{
    Bar bar("Platt");
    SentRecorder recorder;
    EXPECT_EQ(vu_ToolbarToggleFlat(bar.tb), 0);
    EXPECT_EQ(GetWindowLongA(bar.tb, GWL_STYLE), 0x50000945);
    std::vector<WPARAM> shows;
    for (const Sent& m : recorder.To(bar.tb, WM_SHOWWINDOW)) shows.push_back(m.wparam);
    EXPECT_EQ(shows, (std::vector<WPARAM>{FALSE, TRUE}));
    EXPECT_TRUE(IsWindowVisible(bar.tb));
    EXPECT_EQ(vu_ToolbarToggleFlat(bar.tb), 0);
    EXPECT_EQ(GetWindowLongA(bar.tb, GWL_STYLE), 0x50000145);
}

COLORREF ScreenPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

TEST(Toolbar, ColourPaintsEveryToolbarAndReleasesTheBrushItReplaces)
{
    Bar bar("Färg", 40);
    HWND other = vu_Toolbar(bar.parent, "NOBORDER", 0);
    vu_ToolbarPlace(other, "B", 30, 0, 0, 0);
    ASSERT_TRUE(toolbar_mouse::ToFront(bar.parent));

    EXPECT_EQ(vu_ToolbarSetColor(bar.tb, RGB(0xFF, 0, 0)), 0);
    const HGDIOBJ red = reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(bar.tb, GCLP_HBRBACKGROUND));
    ASSERT_EQ(GetObjectType(red), static_cast<DWORD>(OBJ_BRUSH));
    LOGBRUSH lb = {};
    GetObjectA(red, sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(lb.lbColor, RGB(0xFF, 0, 0));
    UpdateWindow(bar.tb);
    EXPECT_EQ(ScreenPixel(bar.tb, 300, 20), RGB(0xFF, 0, 0));
    // The class is shared: the other toolbar takes the colour when it is next erased.
    InvalidateRect(other, nullptr, TRUE);
    UpdateWindow(other);
    EXPECT_EQ(ScreenPixel(other, 300, 15), RGB(0xFF, 0, 0));

    EXPECT_EQ(vu_ToolbarSetColor(other, RGB(0, 0x80, 0xFF)), 0);
    UpdateWindow(other);
    EXPECT_EQ(ScreenPixel(other, 300, 15), RGB(0, 0x80, 0xFF));
    // The toolkit's own red brush is gone.
    EXPECT_EQ(GetObjectType(red), 0u);

    // A brush the application installed is never released by the toolkit.
    HBRUSH mine = CreateSolidBrush(RGB(1, 2, 3));
    SetClassLongPtrA(bar.tb, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(mine));
    EXPECT_EQ(vu_ToolbarSetColor(bar.tb, RGB(4, 5, 6)), 0);
    EXPECT_EQ(GetObjectType(mine), static_cast<DWORD>(OBJ_BRUSH));
    DeleteObject(mine);
    EXPECT_EQ(vu_ToolbarSetColor(nullptr, RGB(1, 2, 3)), 0);
}

TEST(Toolbar, GeometryMembers)
{
    Bar bar("Verktygsgeometri");
    EXPECT_EQ(vu_ToolbarShow(bar.tb), 1);
    EXPECT_EQ(vu_ToolbarHide(bar.tb), 0);
    EXPECT_FALSE(IsWindowVisible(bar.tb));
    EXPECT_EQ(vu_ToolbarHide(bar.tb), 1);
    EXPECT_EQ(vu_ToolbarShow(bar.tb), 0);
    EXPECT_TRUE(IsWindowVisible(bar.tb));
    EXPECT_EQ(vu_ToolbarDestroy(bar.tb), 0);
    EXPECT_FALSE(IsWindow(bar.tb));
    EXPECT_EQ(vu_ToolbarDestroy(bar.tb), 1);
}

}  // namespace
