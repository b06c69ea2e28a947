// Edit and spin fields on real windows: the styles of every alignment and frame word, the
// keys the fields post to the parent (real key presses), the arrows (real clicks), the
// caller's value stepped, the text readers' bounds, and loads that never shorten a text.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "input.h"
#include "query.h"
#include "vu_test.h"

namespace {

using namespace vu_test;

constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NOHIDESEL | ES_AUTOHSCROLL;
constexpr DWORD kSpin = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NOHIDESEL | WS_VSCROLL | ES_WANTRETURN;
constexpr DWORD kEdges = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE;

// The key codes the fields posted to the parent as WM_COMMAND (key, 0), in order.
std::vector<WPARAM> Posted(HWND parent)
{
    std::vector<WPARAM> keys;
    for (const Message& m : Messages())
        if (m.window == parent && m.message == WM_COMMAND && m.lparam == 0) keys.push_back(m.wparam);
    return keys;
}

DWORD Caret(HWND field)
{
    DWORD start = 0, end = 0;
    SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return end;
}

class Fields : public ::testing::Test {
protected:
    void SetUp() override { vu_FocusAdvance = 0; }
    void TearDown() override { SetMainWindowHandler(nullptr); }
    Window parent_{"Fält", 400, 300};
};

TEST_F(Fields, AlignmentAndFrameWordsGiveTheirStyles)
{
    struct Align { const char* word; DWORD style; } aligns[] = {
        {"L", ES_LEFT}, {"C", ES_CENTER}, {"R", ES_RIGHT}, {"c", ES_LEFT}, {"", ES_LEFT}, {nullptr, ES_LEFT}};
    for (const Align& a : aligns) {
        SCOPED_TRACE(a.word ? a.word : "null");
        HWND edit = vu_Edit(parent_, 10, 120, 245, 20, a.word, 1000), spin = vu_Spin(parent_, 10, 60, 40, 22, a.word, 1);
        EXPECT_EQ(StyleOf(edit), a.style | kEdit);
        EXPECT_EQ(StyleOf(spin), a.style | kSpin);
        for (HWND f : {edit, spin}) {
            EXPECT_EQ(ExStyleOf(f) & kEdges, DWORD(WS_EX_CLIENTEDGE));
            EXPECT_EQ(GetDlgCtrlID(f), 1);
            EXPECT_EQ(ClassOf(f), "Edit");
        }
        EXPECT_EQ(vu_EditGetLimit(edit), 1000);
        EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(vu_EditProc));
        EXPECT_EQ(GetWindowLongPtrA(spin, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(vu_SpinProc));
    }
    HWND password = vu_EditPassword(parent_, 10, 10, 100, 20, 8);
    EXPECT_EQ(StyleOf(password), 0x500101A0u);
    EXPECT_EQ(GetWindowLongPtrA(password, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(vu_EditPasswordProc));
    EXPECT_EQ(vu_Edit(nullptr, 0, 0, 10, 10, "L", 5), nullptr);
    EXPECT_EQ(vu_Spin(nullptr, 0, 0, 10, 10, "L", 5), nullptr);

    // The rebuild keeps what the old field's limit lets through (limit - 1 characters).
    struct Frame { const char* word; DWORD ex, style; } frames[] = {
        {"FLAT", 0, 0}, {"SMAL_SUNKEN", WS_EX_STATICEDGE, 0}, {"SUNKEN", WS_EX_CLIENTEDGE, 0},
        {"MAX_SUNKEN", kEdges, 0}, {"DOUBLE_EDGE", kEdges, WS_DLGFRAME}, {"BAR", 0, WS_DLGFRAME},
        {"EDGE", WS_EX_CLIENTEDGE, WS_DLGFRAME}, {"edge", 0, 0}, {nullptr, 0, 0}};
    for (const Frame& f : frames) {
        SCOPED_TRACE(f.word ? f.word : "null");
        for (bool spin : {false, true}) {
            HWND old = spin ? vu_Spin(parent_, 0, 0, 50, 20, "L", 8) : vu_Edit(parent_, 0, 0, 50, 20, "L", 8);
            SetWindowTextA(old, "C:\\Data\\lista.txt");
            HWND framed = spin ? vu_SpinReframe(old, 20, 30, 200, 26, f.word, "R", 50)
                               : vu_EditReframe(old, 20, 30, 200, 26, f.word, "R", 50);
            ASSERT_NE(framed, nullptr);
            EXPECT_FALSE(IsWindow(old));
            EXPECT_EQ(TextOf(framed), "C:\\Data");
            EXPECT_EQ(ExStyleOf(framed) & kEdges, f.ex);
            EXPECT_EQ(StyleOf(framed), ES_RIGHT | f.style | (spin ? kSpin : kEdit));
            EXPECT_EQ(vu_EditGetLimit(framed), 50);
            EXPECT_EQ(GetDlgCtrlID(framed), 1);
            EXPECT_EQ(RectInParent(framed).left, 20);
            EXPECT_EQ(GetWindowLongPtrA(framed, GWLP_WNDPROC),
                      reinterpret_cast<LONG_PTR>(spin ? vu_SpinProc : vu_EditProc));
            DestroyWindow(framed);
            EXPECT_EQ(vu_EditReframe(framed, 0, 0, 9, 9, "FLAT", "L", 9), nullptr);
        }
    }
}

TEST_F(Fields, KeyDownsGoToTheParentButCaretKeysStayInPlainFields)
{
    enum Kind { kPlain, kPassword, kNumber };
    const std::vector<WORD> caret_keys = {VK_HOME, VK_RIGHT, VK_END, VK_LEFT, VK_F5};
    struct Row { const char* name; Kind kind; std::vector<WORD> keys; std::vector<WPARAM> posted; int caret, advance; } rows[] = {
        {"field, caret keys", kPlain, caret_keys, {VK_F5}, 2, 0},
        {"password, caret keys", kPassword, caret_keys, {VK_HOME, VK_RIGHT, VK_END, VK_LEFT, VK_F5}, 3, 0},
        {"spin, caret keys", kNumber, caret_keys, {VK_F5}, 2, 0},
        {"field, keypad and others", kPlain, {VK_DELETE, VK_NUMPAD4, VK_NUMPAD5, VK_NUMPAD6, VK_NUMPAD7, VK_NUMPAD8, VK_NUMPAD9, 'A', VK_F5},
         {VK_DELETE, 100, 101, 102, 103, 104, 105, 'A', VK_F5}, -1, 0},
        {"spin, keypad and Delete", kNumber, {VK_NUMPAD9, VK_DELETE, VK_F5}, {105, VK_DELETE, VK_F5}, -1, 0},
        {"field, Tab", kPlain, {VK_TAB, VK_F5}, {9, VK_F5}, 3, 1},
        {"field, Enter", kPlain, {VK_RETURN, VK_F5}, {13, VK_F5}, 3, 1},
        {"password, Enter", kPassword, {VK_RETURN, VK_F5}, {13, VK_F5}, 3, 1},
        {"spin, Tab", kNumber, {VK_TAB, VK_F5}, {9, VK_F5}, -1, 0},
        {"spin, Enter", kNumber, {VK_RETURN, VK_F5}, {13, VK_F5}, 3, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND field = row.kind == kPlain ? vu_Edit(parent_, 10, 10, 245, 24, "L", 100)
                     : row.kind == kPassword ? vu_EditPassword(parent_, 10, 10, 245, 24, 100)
                                             : vu_Spin(parent_, 10, 10, 60, 24, "L", 10);
        vu_EditSetText(field, "abc");
        SendMessageA(field, EM_SETSEL, 3, 3);
        vu_FocusAdvance = 0;
        ASSERT_TRUE(Focus(parent_, field));
        ClearMessages();
        for (WORD key : row.keys) Press(key);
        ASSERT_TRUE(WaitFor([&] { return !Posted(parent_).empty() && Posted(parent_).back() == VK_F5; }));
        EXPECT_EQ(Posted(parent_), row.posted);
        if (row.caret >= 0) { EXPECT_EQ(Caret(field), DWORD(row.caret)); }
        EXPECT_EQ(vu_FocusAdvance, row.advance);
        if (row.kind != kPassword) { EXPECT_EQ(TextOf(field).substr(0, 3), "abc"); }  // Delete deletes nothing
        DestroyWindow(field);
    }
}

TEST_F(Fields, TabOrEnterLetsPassFocusMoveOnce)
{
    HWND field = vu_Edit(parent_, 10, 10, 245, 20, "L", 100), next = vu_Spin(parent_, 10, 40, 60, 24, "L", 5);
    ASSERT_TRUE(Focus(parent_, field));
    EXPECT_EQ(vu_EditPassFocus(field, next), 0);  // nothing typed: the focus stays
    EXPECT_EQ(GetFocus(), field);
    Press(VK_TAB);
    ASSERT_TRUE(WaitFor([] { return vu_FocusAdvance != 0; }));
    EXPECT_EQ(vu_EditPassFocus(next, field), 0);  // next has no focus: nothing happens
    EXPECT_EQ(vu_EditHasFocus(field), 0);
    EXPECT_EQ(vu_EditPassFocus(field, next), 0);
    EXPECT_EQ(GetFocus(), next);
    EXPECT_EQ(vu_FocusAdvance, 0);
    EXPECT_EQ(vu_EditHasFocus(field), 1);
    Press(VK_RETURN);
    ASSERT_TRUE(WaitFor([] { return vu_FocusAdvance != 0; }));
    EXPECT_EQ(vu_SpinPassFocus(next, field), 0);
    EXPECT_EQ(GetFocus(), field);
}

TEST_F(Fields, TextReadersStopAtTheLimitAndNeverWritePastIt)
{
    struct Row { const char* name; int limit; const char* text; int length; const char* read; } rows[] = {
        {"longer than the limit", 10, "0123456789ABCDEF", 9, "012345678"},
        {"short", 10, "kort", 4, "kort"},
        {"limit 1", 1, "abc", 0, ""},
        {"Swedish, one byte a letter", 20, "Sökväg", 6, "Sökväg"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (bool spin : {false, true}) {
            HWND field = spin ? vu_Spin(parent_, 0, 0, 50, 20, "L", row.limit) : vu_Edit(parent_, 0, 0, 50, 20, "L", row.limit);
            EXPECT_EQ(vu_EditSetText(field, row.text), 0);  // WM_SETTEXT is not cut: the readers cut
            std::string buffer(row.limit + 8, 'Q');
            EXPECT_EQ(spin ? vu_SpinGetText(field, &buffer[0]) : vu_EditGetText(field, &buffer[0]), row.length);
            EXPECT_STREQ(buffer.c_str(), row.read);
            EXPECT_EQ(buffer.substr(row.limit), std::string(8, 'Q'));
            EXPECT_EQ(vu_EditTextLength(field), row.length);
            DestroyWindow(field);
        }
    }
    HWND field = vu_Edit(parent_, 0, 0, 50, 20, "L", 100);
    EXPECT_EQ(vu_EditGetText(field, nullptr), 0);
    vu_EditSetText(field, "Hej du glada");
    struct Sel { int start, end; const char* text; } sels[] = {{4, 6, "du"}, {7, -1, "glada"}, {5, 5, ""}, {0, 0, ""}, {0, -1, "Hej du glada"}};
    for (const Sel& s : sels) {
        SendMessageA(field, EM_SETSEL, s.start, s.end);
        EXPECT_STREQ(vu_EditGetSelText(field), s.text) << s.start << ".." << s.end;
    }
}

TEST_F(Fields, LimitMarginAndWritableWords)
{
    HWND field = vu_Edit(parent_, 10, 10, 245, 20, "L", 1000);
    EXPECT_EQ(vu_EditSetLimit(field, 30), 1000);
    EXPECT_EQ(vu_EditGetLimit(field), 30);
    SendMessageA(field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(3, 4));
    EXPECT_EQ(vu_EditSetMargin(field, 7), 3);
    EXPECT_EQ(SendMessageA(field, EM_GETMARGINS, 0, 0), MAKELONG(7, 4));
    struct Row { const char* word; bool answered; DWORD read_only; } rows[] = {
        {"OFF", true, ES_READONLY}, {"on", false, ES_READONLY}, {nullptr, false, ES_READONLY}, {"ON", true, 0}, {"off", false, 0}};
    for (const Row& row : rows) {
        EXPECT_EQ(vu_EditWritable(field, row.word) != 0, row.answered) << (row.word ? row.word : "null");
        EXPECT_EQ(StyleOf(field) & ES_READONLY, row.read_only) << (row.word ? row.word : "null");
    }
}

TEST_F(Fields, ColourHandlersPaintAndKeepOneBrushPerFamily)
{
    HWND field = vu_Edit(parent_, 10, 10, 100, 24, "L", 100), spin = vu_Spin(parent_, 10, 50, 60, 24, "L", 5);
    const COLORREF back = RGB(0, 128, 255);
    SetMainWindowHandler([&](HWND, UINT m, WPARAM wp, LPARAM lp, LRESULT* result) {
        if (m != WM_CTLCOLOREDIT) return false;
        *result = reinterpret_cast<LRESULT>(vu_EditColor(field, RGB(255, 0, 0), back, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp)));
        return true;
    });
    RedrawWindow(field, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const SIZE size = ClientSize(field);
    HDC dc = GetDC(field);
    EXPECT_EQ(GetPixel(dc, size.cx - 3, size.cy / 2), back);
    ReleaseDC(field, dc);
    HDC mem = CreateCompatibleDC(nullptr);
    HBRUSH first = vu_EditColor(field, RGB(1, 2, 3), RGB(4, 5, 6), mem, field);
    EXPECT_EQ(GetTextColor(mem), RGB(1, 2, 3));
    EXPECT_EQ(GetBkColor(mem), RGB(4, 5, 6));
    EXPECT_EQ(vu_EditColor(field, 0, 0, mem, spin), first);  // another control: the last brush
    HBRUSH spin_brush = vu_SpinColor(spin, 0, RGB(7, 7, 7), mem, spin);
    EXPECT_NE(spin_brush, first);
    EXPECT_EQ(GetObjectType(first), DWORD(OBJ_BRUSH));  // the spin field's brush is its own
    EXPECT_NE(vu_EditColor(field, 0, RGB(8, 8, 8), mem, field), first);
    EXPECT_EQ(GetObjectType(first), 0u);  // replaced and released
    DeleteDC(mem);
}

TEST_F(Fields, ArrowClicksStepTheParentsRow)
{
    HWND field = vu_Spin(parent_, 10, 60, 40, 40, "C", 1);
    char digits[10][2] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    int row = 1;
    std::vector<WPARAM> codes;
    SetMainWindowHandler([&](HWND, UINT m, WPARAM wp, LPARAM lp, LRESULT* result) {
        if (m != WM_VSCROLL || lp != reinterpret_cast<LPARAM>(field)) return false;
        codes.push_back(wp);
        row = vu_SpinStep(field, static_cast<int>(wp), field, digits[row], row);
        *result = 0;
        return true;
    });
    SCROLLBARINFO bar = {};
    bar.cbSize = sizeof bar;
    ASSERT_TRUE(GetScrollBarInfo(field, OBJID_VSCROLL, &bar));
    const RECT& r = bar.rcScrollBar;
    const int quarter = (r.bottom - r.top) / 4;
    struct Arrow { int y; WPARAM code; int row; } arrows[] = {{r.bottom - 1 - quarter, SB_LINEDOWN, 2}, {r.top + quarter, SB_LINEUP, 1}};
    ASSERT_TRUE(Foreground(parent_));
    for (const Arrow& c : arrows) {
        codes.clear();
        ClickAt(POINT{(r.left + r.right) / 2, c.y});
        ASSERT_TRUE(WaitFor([&] { return codes.size() >= 2; })) << c.code;
        EXPECT_EQ(codes, (std::vector<WPARAM>{c.code, SB_ENDSCROLL}));
        EXPECT_EQ(row, c.row);
        EXPECT_EQ(TextOf(field), digits[c.row]);
    }
}

TEST_F(Fields, StepMovesTheCallersValueAndShowsItsText)
{
    HWND field = vu_Spin(parent_, 10, 60, 60, 24, "L", 4);
    struct Row { const char* name; int code; bool own_bar; int value, stepped; const char* shown; } rows[] = {
        {"up from 1", SB_LINEUP, true, 1, 0, "7"}, {"up from 0", SB_LINEUP, true, 0, 0, "7"},
        {"up from -5", SB_LINEUP, true, -5, -5, "7"}, {"down from 9", SB_LINEDOWN, true, 9, 10, "7"},
        {"thumb position dropped", MAKELONG(SB_LINEDOWN, 40), true, 3, 4, "7"},
        {"down at the int's end", SB_LINEDOWN, true, INT_MAX, INT_MAX, "7"},
        {"page", SB_PAGEDOWN, true, 5, 5, "7"}, {"end of scroll", SB_ENDSCROLL, true, 3, 3, "7"},
        {"another scroll bar", SB_LINEDOWN, false, 3, 3, "x"},
    };
    for (const Row& row : rows) {
        vu_SpinSetText(field, "x");
        char text[] = "7";
        EXPECT_EQ(vu_SpinStep(field, row.code, row.own_bar ? field : HWND(parent_), text, row.value), row.stepped) << row.name;
        EXPECT_EQ(TextOf(field), row.shown) << row.name;
    }
    // Typed text becomes the caller's text first, read into a buffer of exactly the limit.
    vu_SpinSetText(field, "");
    ASSERT_TRUE(Focus(parent_, field));
    for (WORD key : {'5', '6', '7', '8', '9'}) Press(key);
    ASSERT_TRUE(WaitFor([&] { return TextOf(field) == "5678"; }));
    std::string text(4 + 8, 'Q');
    EXPECT_EQ(vu_SpinStep(field, SB_LINEDOWN, field, &text[0], 1), 2);
    EXPECT_STREQ(text.c_str(), "567");
    EXPECT_EQ(text.substr(4), std::string(8, 'Q'));
    EXPECT_EQ(TextOf(field), "567");
}

// ---- files -----------------------------------------------------------------------------

std::vector<size_t> g_chunks;
WNDPROC g_under = nullptr;

// Sits on top of the toolkit's procedure and notes the length of every inserted chunk.
LRESULT CALLBACK ChunkRecorder(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == EM_REPLACESEL) g_chunks.push_back(std::string(reinterpret_cast<const char*>(lp)).size());
    return CallWindowProcA(g_under, w, m, wp, lp);
}

// Every byte but NUL, line breaks among them.
std::string Bytes(size_t n)
{
    std::string s(n, ' ');
    for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>(1 + (i * 7919) % 255);
    return s;
}

TEST_F(Fields, LoadsTakeTheWholeFileOrNothing)
{
    const std::string dir = NewTempDir();
    std::string last_nul = Bytes(65535);
    last_nul.back() = '\0';
    struct Row { const char* name; int limit; std::string bytes; int result; std::vector<size_t> chunks; } rows[] = {
        {"missing file", 100, "-", 0, {0}},
        {"2,500 bytes", 3000, Bytes(2500), 0, {999, 999, 502}},
        {"1,998 bytes", 1998, Bytes(1998), 0, {999, 999, 0}},
        {"one more than the limit", 1997, Bytes(1998), 4, {}},
        {"a NUL byte", 100, std::string("ab\0cd", 5), 3, {}},
        {"a NUL as the 65,535th byte", 70000, last_nul, 3, {}},
        {"65,536 bytes", 70000, std::string(65536, 'x'), 4, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND field = vu_Edit(parent_, 10, 10, 245, 20, "L", row.limit);
        vu_EditSetText(field, "behåll");
        g_under = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChunkRecorder)));
        const std::string in = dir + "in.txt", out = dir + "out.txt";
        DeleteFileA(in.c_str());
        if (row.bytes != "-") { ASSERT_TRUE(WriteFileBytes(in, row.bytes)); }
        g_chunks.clear();
        EXPECT_EQ(vu_EditLoadFile(field, in.c_str()), row.result);
        EXPECT_EQ(g_chunks, row.chunks);
        EXPECT_TRUE(FileExists(in));
        const std::string expected = row.result != 0 ? "behåll" : row.bytes == "-" ? "" : row.bytes;
        EXPECT_TRUE(TextOf(field) == expected) << TextOf(field).size();
        if (row.result == 0) {
            EXPECT_EQ(Caret(field), 0u);
            EXPECT_EQ(SendMessageA(field, EM_GETMODIFY, 0, 0), 0);
            EXPECT_EQ(vu_EditSaveFile(field, out.c_str()), 0);
            std::string back;
            ASSERT_TRUE(ReadFileBytes(out, &back));
            EXPECT_TRUE(back == expected) << back.size();
        }
        DestroyWindow(field);
    }
    // The spin field's loads are the edit field's: one past its limit is refused.
    HWND spin = vu_Spin(parent_, 10, 60, 200, 24, "L", 4);
    ASSERT_TRUE(WriteFileBytes(dir + "rad.txt", "Rad 7"));
    EXPECT_EQ(vu_SpinLoadFile(spin, (dir + "rad.txt").c_str()), 4);
}

TEST_F(Fields, UnopenablePathsAndGoneFieldsLeaveFilesAlone)
{
    const std::string dir = NewTempDir(), locked = dir + "locked.txt", precious = dir + "precious.txt";
    HWND field = vu_Edit(parent_, 10, 10, 245, 20, "L", 100);
    vu_EditSetText(field, "behåll");
    ASSERT_TRUE(WriteFileBytes(locked, "låst"));
    ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    for (const std::string& path : {locked, dir + "saknas\\fil.txt", std::string()}) {
        const char* p = path.empty() ? nullptr : path.c_str();
        EXPECT_EQ(vu_EditLoadFile(field, p), 2) << path;
        EXPECT_EQ(vu_EditSaveFile(field, p), 2) << path;
    }
    EXPECT_EQ(TextOf(field), "behåll");
    std::string kept;
    ASSERT_TRUE(ReadFileBytes(locked, &kept));
    EXPECT_EQ(kept, "låst");
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(WriteFileBytes(precious, "data"));
    DestroyWindow(field);
    EXPECT_EQ(vu_EditSaveFile(field, precious.c_str()), 3);
    EXPECT_EQ(vu_EditLoadFile(field, (dir + "new.txt").c_str()), 3);
    ASSERT_TRUE(ReadFileBytes(precious, &kept));
    EXPECT_EQ(kept, "data");
    EXPECT_FALSE(FileExists(dir + "new.txt"));
}

}  // namespace
