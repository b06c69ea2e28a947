// The geometry members of every control kind, from one table of kinds: each kind's own entry
// points, run through the same worked examples in a real parent window, with the few
// differences a kind has; and every member given a null or destroyed control.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "query.h"
#include "recorder.h"

namespace {

using vu_test::RectInParent;

using Call = int (*)(HWND);
using Place2 = int (*)(HWND, int, int);
using Fit4 = int (*)(HWND, int, int, int, int);
using Word = int (*)(HWND, const char*);
using Focus = HWND (*)(HWND);

enum Quirk : unsigned {
    kShowNormal = 1,    // show is SW_SHOWNORMAL: a minimised control comes back restored
    kRaw = 2,           // move and fit answer the platform's result (non-zero on success)
    kFixedEnable = 4,   // disable always answers 1, enable always 0
    kHideAsWindow = 8,  // hide as a top-level window: 0 on success, moved to (0, 0)
};

struct Kind {
    const char* name;
    HWND (*make)(HWND parent);  // at (10, 10), 100 x 25 where the kind takes a size
    Call destroy, hide, show;
    Place2 move;
    Call center, get_pos;
    Place2 resize;
    Call get_size;
    Fit4 fit;
    Call disable, enable;
    Word redraw_word;  // "ERASED" / "UNERASED"
    Call redraw;       // always with erase
    Focus set_focus, drop_focus;
    Call has_focus;  // 0 when the control holds the focus, else 1
    unsigned quirks;
};

#define BASE(K) vu_##K##Destroy, vu_##K##Hide, vu_##K##Show
#define PLACE(K) \
    vu_##K##Move, vu_##K##Center, vu_##K##GetPos, vu_##K##Resize, vu_##K##GetSize, vu_##K##Fit
#define ABLE(K) vu_##K##Disable, vu_##K##Enable
#define NONE3 nullptr, nullptr, nullptr

const Kind kKinds[] = {
    {"push button", [](HWND p) { return vu_Button(p, 10, 10, 100, 25, "K", "C", "NORMAL", 5); },
     BASE(Button), PLACE(Button), ABLE(Button), vu_ButtonRedraw, nullptr, vu_ButtonSetFocus,
     vu_ButtonDropFocus, nullptr, kShowNormal},
    {"picture button", [](HWND p) { return vu_PicButton(p, 10, 10, 100, 25, "B", 5); },
     BASE(PicButton), PLACE(PicButton), ABLE(PicButton), vu_PicButtonRedraw, NONE3, nullptr,
     kShowNormal | kFixedEnable},
    {"toolbar", [](HWND p) { return vu_Toolbar(p, "BORDER", 30); }, BASE(Toolbar), NONE3, NONE3,
     NONE3, NONE3, nullptr, 0},
    {"progress bar", [](HWND p) { return vu_Progress(p, 10, 10, 100, 25, "NORMAL", 10, 1); },
     BASE(Progress), PLACE(Progress), NONE3, NONE3, nullptr, 0},
    {"trackbar", [](HWND p) { return vu_Trackbar(p, "H", 10, 10, 100, 25, "", 10, 1, 0); },
     BASE(Trackbar), PLACE(Trackbar), ABLE(Trackbar), vu_TrackbarRedraw, nullptr,
     vu_TrackbarSetFocus, vu_TrackbarDropFocus, nullptr, 0},
    {"status bar", [](HWND p) { return vu_StatusBar(p, "NOBAR"); }, BASE(StatusBar), NONE3,
     NONE3, NONE3, NONE3, nullptr, 0},
    {"list view", [](HWND p) { return vu_ListView(p, 10, 10, 100, 25); }, BASE(ListView),
     PLACE(ListView), ABLE(ListView), nullptr, vu_ListViewRedraw, NONE3, kRaw},
    {"edit field", [](HWND p) { return vu_Edit(p, 10, 10, 100, 25, "L", 50); }, BASE(Edit),
     PLACE(Edit), ABLE(Edit), nullptr, vu_EditRedraw, vu_EditSetFocus, nullptr,
     vu_EditHasFocus, 0},
    {"spin field", [](HWND p) { return vu_Spin(p, 10, 10, 100, 25, "L", 50); }, BASE(Spin),
     PLACE(Spin), ABLE(Spin), nullptr, vu_SpinRedraw, vu_SpinSetFocus, nullptr,
     vu_SpinHasFocus, 0},
    {"combobox", [](HWND p) { return vu_ComboBox(p, 10, 10, 100, 25, "SIMPLE"); },
     BASE(ComboBox), PLACE(ComboBox), ABLE(ComboBox), nullptr, vu_ComboBoxRedraw,
     vu_ComboBoxSetFocus, nullptr, vu_ComboBoxHasFocus, 0},
    {"text editor", [](HWND p) { return vu_WordProcSimple(p, 10, 10, 100, 25, "", 0); },
     BASE(WordProc), PLACE(WordProc), ABLE(WordProc), nullptr, vu_WordProcRedraw,
     vu_WordProcSetFocus, nullptr,
     [](HWND e) { return vu_WordProcHasFocus(e) == nullptr ? 1 : vu_WordProcHasFocus(e) != e; },
     kHideAsWindow},
    {"check button", [](HWND p) { return vu_CheckButton(p, 10, 10, "SQUARE", "K", 5); },
     BASE(CheckButton), vu_CheckButtonMove, NONE3, nullptr, nullptr, ABLE(CheckButton), NONE3,
     nullptr, nullptr, kShowNormal},
    {"up-down", [](HWND p) { return vu_UpDown(p, 10, 10, 100, 25, "", 9, 0, 0); }, BASE(UpDown),
     PLACE(UpDown), ABLE(UpDown), vu_UpDownRedraw, NONE3, nullptr, kShowNormal},
    {"horizontal up-down", [](HWND p) { return vu_UpDownHorz(p, 10, 10, 100, 25, "B", 9, 0, 0); },
     BASE(UpDown), PLACE(UpDown), ABLE(UpDown), vu_UpDownRedraw, NONE3, nullptr, kShowNormal},
    {"group box", [](HWND p) { return vu_GroupBox(p, 10, 10, 100, 25, "G"); }, BASE(GroupBox),
     vu_GroupBoxMove, nullptr, nullptr, vu_GroupBoxResize, NONE3, NONE3, NONE3, kShowNormal},
};

// "x,y wxh" of a control in its parent's client area.
std::string Place(HWND w)
{
    const RECT r = RectInParent(w);
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

std::string Query() { return std::to_string(vu_Query.x) + "," + std::to_string(vu_Query.y); }

bool Invalid(HWND w) { return GetUpdateRect(w, nullptr, FALSE) != 0; }

// The result a move or fit maps success or failure to.
int Mapped(const Kind& k, bool success) { return (k.quirks & kRaw) ? success : !success; }

// Every member on a control that is not there: mapped results say failure, the others give
// their fixed value, and no other window (nor the desktop) is touched.
void ExpectHarmless(const Kind& k, HWND gone, HWND parent, HWND bystander)
{
    UpdateWindow(parent);
    SetFocus(bystander);
    const std::string before = Place(bystander);
    const bool fixed = k.quirks & kFixedEnable;
    EXPECT_EQ(k.destroy(gone) + 2 * k.hide(gone) + 4 * k.show(gone), 3);
    if (k.move) { EXPECT_EQ(k.move(gone, 5, 5), Mapped(k, false)); }
    if (k.center) { EXPECT_EQ(k.center(gone), 0); }
    if (k.resize) { EXPECT_EQ(k.resize(gone, 10, 10), 1); }
    if (k.fit) { EXPECT_EQ(k.fit(gone, 0, 0, 0, 0), Mapped(k, false)); }
    for (Call query : {k.get_pos, k.get_size}) {
        vu_Query = {-1, -1};
        const int result = query ? query(gone) : 0;
        if (query) { EXPECT_EQ(std::to_string(result) + " " + Query(), "0 0,0"); }
    }
    if (k.disable) { EXPECT_EQ(k.disable(gone) * 2 + k.enable(gone), fixed ? 2 : 1); }
    if (k.redraw_word) {
        EXPECT_EQ(k.redraw_word(gone, "ERASED") + k.redraw_word(gone, "UNERASED"), 2);
    }
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
        // The flags of the window move a call made (a list view then adjusts itself).
        auto moved = [&] {
            return seen.changing().empty() ? ~0u : seen.changing().front().flags &
                   (SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);
        };
        if (k.get_pos) {
            std::ostringstream q;
            q << k.get_pos(c) << " " << Query() << " " << k.get_size(c) << " " << Query();
            EXPECT_EQ(q.str(), "0 10,10 0 100,25");
        }
        if (k.center) {
            seen.Clear();
            EXPECT_EQ(k.center(c), 0);
            EXPECT_EQ(moved(), static_cast<UINT>(SWP_NOSIZE | SWP_NOZORDER));
            EXPECT_EQ(Place(c), "107,113 100x25");  // 315/2 - 100/2, 251/2 - 25/2
            k.resize(c, 400, 300);
            k.center(c);
            EXPECT_EQ(Place(c), "-43,-25 400x300");  // each half truncated on its own
        }
        if (k.move) {
            const std::string size = Place(c).substr(Place(c).find(' '));
            seen.Clear();
            EXPECT_EQ(k.move(c, 37, 41), Mapped(k, true));
            EXPECT_EQ(moved(), static_cast<UINT>(SWP_NOSIZE | SWP_NOZORDER));
            EXPECT_EQ(Place(c), "37,41" + size);
        }
        if (k.resize) {
            const std::string at = Place(c).substr(0, Place(c).find(' '));
            seen.Clear();
            EXPECT_EQ(k.resize(c, 140, 35), 0);
            EXPECT_EQ(moved(), static_cast<UINT>(SWP_NOMOVE | SWP_NOZORDER));
            EXPECT_EQ(Place(c), at + " 140x35");
        }
        if (k.fit) {
            seen.Clear();
            EXPECT_EQ(k.fit(c, 10, 10, -20, -20), Mapped(k, true));
            EXPECT_EQ(moved() & (SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW), 0u);
            EXPECT_EQ(Place(c), "10,10 295x231");
        }

        // Result, then visible (or enabled), of each call in turn.
        std::ostringstream shown;
        for (Call call : {k.hide, k.hide, k.show, k.show})
            shown << call(c) << !!IsWindowVisible(c) << " ";
        const bool as_window = k.quirks & kHideAsWindow;  // which also goes to (0, 0)
        EXPECT_EQ(shown.str(), as_window ? "00 00 01 11 " : "00 10 01 11 ");
        if (as_window) { EXPECT_EQ(Place(c).substr(0, 4), "0,0 "); }
        ShowWindow(c, SW_MINIMIZE);
        EXPECT_EQ(k.show(c), 1);
        EXPECT_EQ(!IsIconic(c), (k.quirks & kShowNormal) != 0);
        ShowWindow(c, SW_RESTORE);

        if (k.disable) {
            std::ostringstream able;
            for (Call call : {k.disable, k.disable, k.enable, k.enable})
                able << call(c) << !!IsWindowEnabled(c) << " ";
            EXPECT_EQ(able.str(), (k.quirks & kFixedEnable) ? "10 10 01 01 " : "00 10 01 11 ");
        }

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
            for (const char* word : {"erased", "", "ERASED ", "REDRAW", (const char*)nullptr})
                EXPECT_EQ(repaint(k.redraw_word(c, word)), "1") << (word ? word : "(null)");
        }
        if (k.redraw) { EXPECT_EQ(repaint(k.redraw(c)), "0 painted erased"); }

        if (k.set_focus) {
            SetFocus(parent);
            EXPECT_EQ(k.set_focus(c), parent.get());
            EXPECT_TRUE(GetFocus() == c || IsChild(c, GetFocus()));
            if (k.has_focus) { EXPECT_EQ(k.has_focus(c), 0); }
            SetFocus(bystander);
            if (k.has_focus) { EXPECT_EQ(k.has_focus(c), 1); }
        }
        if (k.drop_focus) {
            k.set_focus(c);
            EXPECT_EQ(k.drop_focus(bystander), c);  // whichever control is named
            EXPECT_EQ(GetFocus(), nullptr);
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
