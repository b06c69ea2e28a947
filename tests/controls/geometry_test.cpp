// The geometry members of every control kind, from one table of kinds: each kind's own entry
// points through the same worked examples in a real parent window, with the few differences
// a kind has; then every member given a null or a destroyed control.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "query.h"
#include "recorder.h"

namespace {

using Call = int (*)(HWND);
using Place2 = int (*)(HWND, int, int);
using Focus = HWND (*)(HWND);
// kShowNormal: show is SW_SHOWNORMAL (a minimised control comes back restored); kRaw: move and
// fit answer the platform's result (non-zero on success); kFixedEnable: disable always answers
// 1, enable 0; kHideAsWindow: hides as a top-level window (0 on success, moved to (0, 0)).
enum Quirk : unsigned { kShowNormal = 1, kRaw = 2, kFixedEnable = 4, kHideAsWindow = 8 };

struct Kind {
    const char* name;
    HWND (*make)(HWND parent);  // at (10, 10), 100 x 25 where the kind takes a size
    Call destroy, hide, show; Place2 move; Call center, get_pos; Place2 resize; Call get_size;
    int (*fit)(HWND, int, int, int, int); Call disable, enable;
    int (*redraw_word)(HWND, const char*); Call redraw;  // "ERASED"/"UNERASED"; always erasing
    Focus set_focus, drop_focus; Call has_focus;  // has_focus: 0 when the control holds it
    unsigned quirks;
};

#define BASE(K) vu_##K##Destroy, vu_##K##Hide, vu_##K##Show
#define PLACE(K) \
    vu_##K##Move, vu_##K##Center, vu_##K##GetPos, vu_##K##Resize, vu_##K##GetSize, vu_##K##Fit
#define ABLE(K) vu_##K##Disable, vu_##K##Enable
#define WORDED(K) BASE(K), PLACE(K), ABLE(K), vu_##K##Redraw, nullptr  // redraw takes a word
#define ERASED(K) BASE(K), PLACE(K), ABLE(K), nullptr, vu_##K##Redraw  // redraw always erases
#define FOCUS(K) vu_##K##SetFocus, nullptr, vu_##K##HasFocus
#define NONE3 nullptr, nullptr, nullptr
#define MAKE(...) [](HWND p) { return __VA_ARGS__; }

const Kind kKinds[] = {
    {"push button", MAKE(vu_Button(p, 10, 10, 100, 25, "K", "C", "NORMAL", 5)), WORDED(Button),
     vu_ButtonSetFocus, vu_ButtonDropFocus, nullptr, kShowNormal},
    {"picture button", MAKE(vu_PicButton(p, 10, 10, 100, 25, "B", 5)), WORDED(PicButton), NONE3, kShowNormal | kFixedEnable},
    {"trackbar", MAKE(vu_Trackbar(p, "H", 10, 10, 100, 25, "", 10, 1, 0)), WORDED(Trackbar),
     vu_TrackbarSetFocus, vu_TrackbarDropFocus, nullptr, 0},
    {"up-down", MAKE(vu_UpDown(p, 10, 10, 100, 25, "", 9, 0, 0)), WORDED(UpDown), NONE3, kShowNormal},
    {"horizontal up-down", MAKE(vu_UpDownHorz(p, 10, 10, 100, 25, "B", 9, 0, 0)), WORDED(UpDown), NONE3, kShowNormal},
    {"list view", MAKE(vu_ListView(p, 10, 10, 100, 25)), ERASED(ListView), NONE3, kRaw},
    {"edit field", MAKE(vu_Edit(p, 10, 10, 100, 25, "L", 50)), ERASED(Edit), FOCUS(Edit), 0},
    {"spin field", MAKE(vu_Spin(p, 10, 10, 100, 25, "L", 50)), ERASED(Spin), FOCUS(Spin), 0},
    {"combobox", MAKE(vu_ComboBox(p, 10, 10, 100, 25, "SIMPLE")), ERASED(ComboBox), FOCUS(ComboBox), 0},
    {"text editor", MAKE(vu_WordProcSimple(p, 10, 10, 100, 25, "", 0)), ERASED(WordProc), vu_WordProcSetFocus,
     nullptr, [](HWND e) -> int { return vu_WordProcHasFocus(e) != e || !e; }, kHideAsWindow},
    {"progress bar", MAKE(vu_Progress(p, 10, 10, 100, 25, "NORMAL", 10, 1)), BASE(Progress),
     PLACE(Progress), NONE3, NONE3, nullptr, 0},
    {"check button", MAKE(vu_CheckButton(p, 10, 10, "SQUARE", "K", 5)), BASE(CheckButton),
     vu_CheckButtonMove, NONE3, nullptr, nullptr, ABLE(CheckButton), NONE3, nullptr, nullptr, kShowNormal},
    {"group box", MAKE(vu_GroupBox(p, 10, 10, 100, 25, "G")), BASE(GroupBox), vu_GroupBoxMove,
     nullptr, nullptr, vu_GroupBoxResize, NONE3, NONE3, NONE3, kShowNormal},
    {"toolbar", MAKE(vu_Toolbar(p, "BORDER", 30)), BASE(Toolbar), NONE3, NONE3, NONE3, NONE3, nullptr, 0},
    {"status bar", MAKE(vu_StatusBar(p, "NOBAR")), BASE(StatusBar), NONE3, NONE3, NONE3, NONE3, nullptr, 0},
};

// "x,y wxh" of a control in its parent's client area; whether a window waits to be painted.
std::string Place(HWND w)
{
    const RECT r = vu_test::RectInParent(w);
    std::ostringstream s;
    s << r.left << "," << r.top << " " << r.right - r.left << "x" << r.bottom - r.top;
    return s.str();
}
bool Invalid(HWND w) { return GetUpdateRect(w, nullptr, FALSE) != 0; }

// The result of a query member and what it left in vu_Query.
std::string Query(Call query, HWND c)
{
    vu_Query = {-1, -1};
    const int result = query(c);
    return std::to_string(result) + " " + std::to_string(vu_Query.x) + "," + std::to_string(vu_Query.y);
}

// Every member on a control that is not there answers failure (or its fixed value), and no
// other window, nor the desktop, is touched.
void ExpectHarmless(const Kind& k, HWND gone, HWND parent, HWND bystander)
{
    UpdateWindow(parent);
    SetFocus(bystander);
    const std::string before = Place(bystander);
    const int failed = (k.quirks & kRaw) ? 0 : 1;
    EXPECT_EQ(k.destroy(gone) * 100 + k.hide(gone) * 10 + k.show(gone), 110);
    if (k.move) { EXPECT_EQ(k.move(gone, 5, 5), failed); }
    if (k.resize) { EXPECT_EQ(k.resize(gone, 10, 10), 1); }
    if (k.center) {
        EXPECT_EQ(k.center(gone) * 10 + k.fit(gone, 0, 0, 0, 0), failed);
        EXPECT_EQ(Query(k.get_pos, gone) + " " + Query(k.get_size, gone), "0 0,0 0 0,0");
    }
    if (k.disable) { EXPECT_EQ(k.disable(gone) * 2 + k.enable(gone), (k.quirks & kFixedEnable) ? 2 : 1); }
    if (k.redraw_word) { EXPECT_EQ(k.redraw_word(gone, "ERASED") + k.redraw_word(gone, "UNERASED"), 2); }
    if (k.redraw) { EXPECT_EQ(k.redraw(gone), 1); }
    if (k.set_focus) { EXPECT_EQ(k.set_focus(gone), nullptr); }
    if (k.has_focus) { EXPECT_EQ(k.has_focus(gone), 1); }
    EXPECT_EQ(GetFocus(), bystander);
    EXPECT_FALSE(Invalid(parent) || Invalid(bystander));
    EXPECT_TRUE(IsWindowEnabled(bystander) && IsWindowVisible(bystander));
    EXPECT_EQ(Place(bystander), before);
}

TEST(Geometry, EveryKindOnTheWorkedExamples)
{
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.name);
        vu_test::Window parent("Geometri", 315, 251);
        HWND bystander = vu_Button(parent, 200, 200, 60, 25, "B", "C", "NORMAL", 77);
        HWND c = k.make(parent);
        ASSERT_NE(c, nullptr);
        vu_test::Recorder seen(c);
        // A call's result, the flags of the window move it made (SWP_NOSIZE 1, SWP_NOMOVE 2,
        // SWP_NOZORDER 4, SWP_NOREDRAW 8), and where the control then is.
        auto step = [&](int result) {
            const UINT flags = seen.changing().empty() ? 99 : seen.changing().front().flags & 15;
            seen.Clear();
            return std::to_string(result) + " " + std::to_string(flags) + " " + Place(c);
        };
        const std::string ok = (k.quirks & kRaw) ? "1" : "0";
        if (k.center) {
            EXPECT_EQ(Query(k.get_pos, c) + " " + Query(k.get_size, c), "0 10,10 0 100,25");
            seen.Clear();
            EXPECT_EQ(step(k.center(c)), "0 5 107,113 100x25");  // 315/2 - 100/2, 251/2 - 25/2
            step(k.resize(c, 400, 300));
            EXPECT_EQ(step(k.center(c)), "0 5 -43,-25 400x300");  // each half truncated
        }
        seen.Clear();
        if (k.move) { EXPECT_EQ(step(k.move(c, 37, 41)).substr(0, 10), ok + " 5 37,41 "); }
        if (k.resize) { EXPECT_EQ(step(k.resize(c, 140, 35)), "0 6 37,41 140x35"); }
        if (k.fit) { EXPECT_EQ(step(k.fit(c, 10, 10, -20, -20)), ok + " 4 10,10 295x231"); }

        // Result, then visible (or enabled), of each call in turn.
        std::ostringstream shown, able;
        for (Call call : {k.hide, k.hide, k.show, k.show}) shown << call(c) << !!IsWindowVisible(c) << " ";
        const bool as_window = k.quirks & kHideAsWindow;  // which also goes to (0, 0)
        EXPECT_EQ(shown.str(), as_window ? "00 00 01 11 " : "00 10 01 11 ");
        if (as_window) { EXPECT_EQ(Place(c).substr(0, 4), "0,0 "); }
        ShowWindow(c, SW_MINIMIZE);
        EXPECT_EQ(k.show(c), 1);
        EXPECT_EQ(!IsIconic(c), (k.quirks & kShowNormal) != 0);
        ShowWindow(c, SW_RESTORE);
        for (Call call : {k.disable, k.disable, k.enable, k.enable})
            if (call) able << call(c) << !!IsWindowEnabled(c) << " ";
        if (k.disable) { EXPECT_EQ(able.str(), (k.quirks & kFixedEnable) ? "10 10 01 01 " : "00 10 01 11 "); }

        // The result, whether the control then waited to be painted, and whether its
        // painting erased the background.
        auto repaint = [&](int result) {
            const bool invalid = Invalid(c);
            seen.Clear();
            UpdateWindow(c);
            return std::to_string(result) + (invalid ? " painted" : "") + (seen.Count(WM_ERASEBKGND) ? " erased" : "");
        };
        UpdateWindow(parent);
        if (k.redraw_word) {
            EXPECT_EQ(repaint(k.redraw_word(c, "ERASED")), "0 painted erased");
            EXPECT_EQ(repaint(k.redraw_word(c, "UNERASED")), "0 painted");
            for (const char* word : {"erased", "", "ERASED ", "REDRAW", (const char*)nullptr})
                EXPECT_EQ(repaint(k.redraw_word(c, word)), "1") << (word ? word : "(null)");
        }
        if (k.redraw) { EXPECT_EQ(repaint(k.redraw(c)), "0 painted erased"); }

        // Focus taken (answering the window that had it), held, lost; dropped whichever
        // control is named.
        if (k.set_focus) {
            SetFocus(parent);
            EXPECT_EQ(k.set_focus(c), parent.get());
            EXPECT_TRUE(GetFocus() == c || IsChild(c, GetFocus()));
            if (k.has_focus) { EXPECT_EQ(k.has_focus(c), 0); }
            if (k.drop_focus) { EXPECT_EQ(k.drop_focus(bystander), c); }
            SetFocus(bystander);
            if (k.has_focus) { EXPECT_EQ(k.has_focus(c), 1); }
            if (k.drop_focus) { EXPECT_EQ(k.drop_focus(c) == bystander && !GetFocus(), true); }
        }

        EXPECT_EQ(k.destroy(c), 0);
        EXPECT_FALSE(IsWindow(c));
        for (HWND gone : {static_cast<HWND>(nullptr), c}) {
            SCOPED_TRACE(gone ? "destroyed control" : "null control");
            ExpectHarmless(k, gone, parent, bystander);
        }
    }
}

}  // namespace
