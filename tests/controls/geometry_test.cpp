// The geometry members of every control kind, from one table of kinds: each kind's own entry
// points through the same worked examples in a real parent window, with the few differences
// a kind has; then every member given a null or a destroyed control.
#include <gtest/gtest.h>

#include <string>

#include "query.h"
#include "recorder.h"

namespace {

using Call = int (*)(HWND);
using Place2 = int (*)(HWND, int, int);
// kNormal: show is SW_SHOWNORMAL (a minimised control comes back restored); kRaw: move and
// fit answer the platform's result (non-zero on success); kFixed: disable always answers 1,
// enable 0; kTopHide: hides as a top-level window does (0 on success).
enum Quirk : unsigned { kNormal = 1, kRaw = 2, kFixed = 4, kTopHide = 8 };

struct Kind {
    const char* name;
    HWND (*make)(HWND parent);  // at (10, 10), 100 x 25 where the kind takes a size
    Call destroy, hide, show; Place2 move; Call center, get_pos; Place2 resize; Call get_size;
    int (*fit)(HWND, int, int, int, int); Call disable, enable;
    int (*redraw_word)(HWND, const char*); Call redraw;  // "ERASED"/"UNERASED"; always erasing
    HWND (*set_focus)(HWND), (*drop_focus)(HWND); Call has_focus;  // has_focus: 0 when held
    unsigned quirks;
};

#define BASE(K) vu_##K##Destroy, vu_##K##Hide, vu_##K##Show
#define PLACE(K) \
    vu_##K##Move, vu_##K##Center, vu_##K##GetPos, vu_##K##Resize, vu_##K##GetSize, vu_##K##Fit
#define ALL(K) BASE(K), PLACE(K), vu_##K##Disable, vu_##K##Enable
#define WORDED(K) ALL(K), vu_##K##Redraw, nullptr  // redraw takes a word
#define ERASED(K) ALL(K), nullptr, vu_##K##Redraw  // redraw always erases
#define FOCUS(K) vu_##K##SetFocus, nullptr, vu_##K##HasFocus
#define DROP(K) vu_##K##SetFocus, vu_##K##DropFocus, nullptr
#define NONE3 nullptr, nullptr, nullptr
#define BARE(K) BASE(K), NONE3, NONE3, NONE3, NONE3, nullptr  // the three members alone
#define AT 10, 10, 100, 25
#define MAKE(...) [](HWND p) { return __VA_ARGS__; }

const Kind kKinds[] = {
    {"button", MAKE(vu_Button(p, AT, "", "C", "NORMAL", 5)), WORDED(Button), DROP(Button), kNormal},
    {"picture", MAKE(vu_PicButton(p, AT, "B", 5)), WORDED(PicButton), NONE3, kNormal | kFixed},
    {"trackbar", MAKE(vu_Trackbar(p, "H", AT, "", 10, 1, 0)), WORDED(Trackbar), DROP(Trackbar), 0},
    {"up-down", MAKE(vu_UpDown(p, AT, "", 9, 0, 0)), WORDED(UpDown), NONE3, kNormal},
    {"list view", MAKE(vu_ListView(p, AT)), ERASED(ListView), NONE3, kRaw},
    {"edit field", MAKE(vu_Edit(p, AT, "L", 50)), ERASED(Edit), FOCUS(Edit), 0},
    {"spin field", MAKE(vu_Spin(p, AT, "L", 50)), ERASED(Spin), FOCUS(Spin), 0},
    {"combobox", MAKE(vu_ComboBox(p, AT, "SIMPLE")), ERASED(ComboBox), FOCUS(ComboBox), 0},
    {"text editor", MAKE(vu_WordProcSimple(p, AT, "", 0)), ERASED(WordProc), vu_WordProcSetFocus,
     nullptr, [](HWND e) -> int { return vu_WordProcHasFocus(e) != e || !e; }, kTopHide},
    {"progress bar", MAKE(vu_Progress(p, AT, "NORMAL", 10, 1)), BASE(Progress), PLACE(Progress),
     NONE3, NONE3, nullptr, 0},
    {"check button", MAKE(vu_CheckButton(p, 10, 10, "SQUARE", "K", 5)), BASE(CheckButton),
     vu_CheckButtonMove, NONE3, nullptr, nullptr, vu_CheckButtonDisable, vu_CheckButtonEnable,
     NONE3, nullptr, nullptr, kNormal},
    {"group box", MAKE(vu_GroupBox(p, AT, "G")), BASE(GroupBox), vu_GroupBoxMove, nullptr,
     nullptr, vu_GroupBoxResize, NONE3, NONE3, NONE3, kNormal},
    {"toolbar", MAKE(vu_Toolbar(p, "BORDER", 30)), BARE(Toolbar), 0},
    {"status bar", MAKE(vu_StatusBar(p, "NOBAR")), BARE(StatusBar), 0},
};

// "x,y wxh" of a control in its parent's client area; whether a window waits to be painted.
std::string Place(HWND w)
{
    const RECT r = vu_test::RectInParent(w);
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}
bool Invalid(HWND w) { return GetUpdateRect(w, nullptr, FALSE) != 0; }

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
            vu_Query = {-1, -1};
            EXPECT_EQ((k.get_pos(c), vu_Query.x * 1000 + vu_Query.y), 10010);
            EXPECT_EQ((k.get_size(c), vu_Query.x * 1000 + vu_Query.y), 100025);
            EXPECT_EQ(step(k.center(c)), "0 5 107,113 100x25");  // 315/2 - 100/2, 251/2 - 25/2
            step(k.resize(c, 400, 300));
            EXPECT_EQ(step(k.center(c)), "0 5 -43,-25 400x300");  // each half truncated
        }
        seen.Clear();
        if (k.move) { EXPECT_EQ(step(k.move(c, 37, 41)).substr(0, 10), ok + " 5 37,41 "); }
        if (k.resize) { EXPECT_EQ(step(k.resize(c, 140, 35)), "0 6 37,41 140x35"); }
        if (k.fit) { EXPECT_EQ(step(k.fit(c, 10, 10, -20, -20)), ok + " 4 10,10 295x231"); }

        // Result, then visible (or enabled), of each call in turn; a minimised control shown.
        std::string shown, able;
        for (Call call : {k.hide, k.hide, k.show, k.show})
            { shown += std::to_string(call(c)); shown += IsWindowVisible(c) ? "1 " : "0 "; }
        EXPECT_EQ(shown, (k.quirks & kTopHide) ? "00 00 01 11 " : "00 10 01 11 ");
        ShowWindow(c, SW_MINIMIZE);
        EXPECT_EQ(k.show(c), 1);
        EXPECT_EQ(!IsIconic(c), !!(k.quirks & kNormal));
        ShowWindow(c, SW_RESTORE);
        for (Call call : {k.disable, k.disable, k.enable, k.enable})
            if (call) { able += std::to_string(call(c)); able += IsWindowEnabled(c) ? "1 " : "0 "; }
        if (k.disable) { EXPECT_EQ(able, (k.quirks & kFixed) ? "10 10 01 01 " : "00 10 01 11 "); }

        // The result, whether the control then waited to be painted, and whether its
        // painting erased the background.
        auto repaint = [&](int result) {
            const bool invalid = Invalid(c);
            seen.Clear();
            UpdateWindow(c);
            return std::to_string(result) + (invalid ? " painted" : "") +
                   (seen.Count(WM_ERASEBKGND) ? " erased" : "");
        };
        UpdateWindow(parent);
        if (k.redraw_word) {
            EXPECT_EQ(repaint(k.redraw_word(c, "ERASED")), "0 painted erased");
            EXPECT_EQ(repaint(k.redraw_word(c, "UNERASED")), "0 painted");
        }
        if (k.redraw) { EXPECT_EQ(repaint(k.redraw(c)), "0 painted erased"); }

        // Focus taken (answering the window that had it), held, dropped whichever control is
        // named, lost.
        if (k.set_focus) {
            SetFocus(parent);
            EXPECT_EQ(k.set_focus(c), parent.get());
            EXPECT_TRUE(GetFocus() == c || IsChild(c, GetFocus()));
            if (k.has_focus) { EXPECT_EQ(k.has_focus(c), 0); }
            if (k.drop_focus) { EXPECT_TRUE(k.drop_focus(bystander) == c && !GetFocus()); }
            SetFocus(bystander);
            if (k.has_focus) { EXPECT_EQ(k.has_focus(c), 1); }
        }

        EXPECT_TRUE(k.destroy(c) == 0 && !IsWindow(c));
        // Every member on a control that is not there answers failure (or its fixed value),
        // and leaves the focus and every other window's painting alone.
        for (HWND gone : {static_cast<HWND>(nullptr), c}) {
            SCOPED_TRACE(gone ? "destroyed control" : "null control");
            UpdateWindow(parent);
            SetFocus(bystander);
            const int fails = (k.quirks & kRaw) ? 0 : 1, fixed = !!(k.quirks & kFixed);
            EXPECT_EQ(k.destroy(gone) * 100 + k.hide(gone) * 10 + k.show(gone), 110);
            if (k.move) { EXPECT_EQ(k.move(gone, 5, 5), fails); }
            if (k.resize) { EXPECT_EQ(k.resize(gone, 9, 9), 1); }
            if (k.center) { EXPECT_EQ(k.center(gone) * 10 + k.fit(gone, 0, 0, 0, 0), fails); }
            if (k.disable) { EXPECT_EQ(k.disable(gone) * 2 + k.enable(gone), 1 + fixed); }
            if (k.redraw_word) { EXPECT_EQ(k.redraw_word(gone, "UNERASED"), 1); }
            if (k.redraw) { EXPECT_EQ(k.redraw(gone), 1); }
            if (k.set_focus) { EXPECT_EQ(k.set_focus(gone), nullptr); }
            if (k.has_focus) { EXPECT_EQ(k.has_focus(gone), 1); }
            EXPECT_TRUE(GetFocus() == bystander && !Invalid(parent) && !Invalid(bystander));
        }
    }
}

}  // namespace
