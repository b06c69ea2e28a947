// Edit and spin fields: words and the rebuild, readers' bounds, posted keys, arrows, whole loads.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "input.h"  // with vu_test.h
#include "query.h"

namespace {

using namespace vu_test;

constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NOHIDESEL | ES_AUTOHSCROLL;
constexpr DWORD kSpin = (kEdit & ~ES_AUTOHSCROLL) | WS_VSCROLL | ES_WANTRETURN;
constexpr DWORD S = WS_EX_STATICEDGE, C = WS_EX_CLIENTEDGE, D = WS_DLGFRAME;

DWORD Caret(HWND field) { return HIWORD(SendMessageA(field, EM_GETSEL, 0, 0)); }
std::vector<WPARAM> Got(UINT message, LPARAM lparam)  // the wparams the parent got, in order
{
    std::vector<WPARAM> w;
    for (const Message& m : Messages()) if (m.message == message && m.lparam == lparam) w.push_back(m.wparam);
    return w;
}

class Fields : public ::testing::Test {
protected:
    HWND Make(bool s, int n, const char* a = "L") { return (s ? vu_Spin : vu_Edit)(p_, 9, 9, 60, 40, a, n); }
    Window p_{"Fält", 400, 300};
    HWND next_ = vu_Spin(p_, 10, 200, 60, 24, "L", 5);
};

TEST_F(Fields, AlignmentAndFrameWordsAndTheRebuild)
{
    // The readers and the rebuild take limit - 1 characters, never writing past the limit.
    struct Row { const char *align, *frame; DWORD align_style, ex, style; } rows[] = {
        {"L", "FLAT", ES_LEFT, 0, 0}, {"C", "SMAL_SUNKEN", ES_CENTER, S, 0},
        {"R", "SUNKEN", ES_RIGHT, C, 0}, {"c", "MAX_SUNKEN", ES_LEFT, S | C, 0},
        {"", "DOUBLE_EDGE", ES_LEFT, S | C, D}, {nullptr, "BAR", ES_LEFT, 0, D},
        {"R", "EDGE", ES_RIGHT, C, D}, {"C", "edge", ES_CENTER, 0, 0}, {"R", nullptr, ES_RIGHT, 0, 0}};
    for (const Row& row : rows) for (bool spin : {false, true}) {
        SCOPED_TRACE(std::string(row.frame ? row.frame : "null") + (spin ? " spin" : ""));
        HWND old = Make(spin, 8, row.align);
        EXPECT_EQ(StyleOf(old), row.align_style | (spin ? kSpin : kEdit));
        vu_EditSetText(old, "C:\\Data\\lista.txt");  // WM_SETTEXT is not cut: the readers cut
        std::string buffer(8 + 8, 'Q');
        EXPECT_EQ((spin ? vu_SpinGetText : vu_EditGetText)(old, &buffer[0]), 7);
        EXPECT_EQ(buffer, std::string("C:\\Data\0QQQQQQQQ", 16));
        EXPECT_EQ(vu_EditTextLength(old), 7);
        HWND framed = (spin ? vu_SpinReframe : vu_EditReframe)(old, 20, 30, 200, 26, row.frame, row.align, 50);
        EXPECT_TRUE(!IsWindow(old) && TextOf(framed) == "C:\\Data" && vu_EditGetLimit(framed) == 50);
        EXPECT_EQ(ExStyleOf(framed) & (S | C), row.ex);
        EXPECT_EQ(StyleOf(framed), row.align_style | row.style | (spin ? kSpin : kEdit));
        EXPECT_EQ(GetWindowLongPtrA(framed, GWLP_WNDPROC), LONG_PTR(spin ? vu_SpinProc : vu_EditProc));
        DestroyWindow(framed);
    }
}

TEST_F(Fields, KeyDownsGoToTheParentButCaretKeysStayInPlainFields)
{
    // Key-downs reach the parent as WM_COMMAND (key, 0) but a plain or spin field's caret keys.
    enum Kind { kPlain, kPassword, kNumber };
    const std::vector<WORD> caret_keys = {VK_HOME, VK_RIGHT, VK_END, VK_LEFT}, keypad = {
        VK_DELETE, VK_NUMPAD4, VK_NUMPAD5, VK_NUMPAD6, VK_NUMPAD7, VK_NUMPAD8, VK_NUMPAD9, 'A'};
    struct Row { const char* name; Kind kind; std::vector<WORD> keys; int caret, advance; } rows[] = {
        {"field, caret", kPlain, caret_keys, 2, 0}, {"spin, caret", kNumber, caret_keys, 2, 0},
        {"password, caret", kPassword, caret_keys, 3, 0}, {"field, keypad", kPlain, keypad, -1, 0},
        {"spin, keypad", kNumber, {VK_NUMPAD9, VK_DELETE}, -1, 0}, {"field, Tab", kPlain, {9}, 3, 1},
        {"password, Enter", kPassword, {13}, 3, 1}, {"spin, Tab", kNumber, {9}, -1, 0},
        {"spin, Enter", kNumber, {13}, 3, 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND field = row.kind == kPassword ? vu_EditPassword(p_, 10, 10, 245, 24, 100)
                                           : Make(row.kind == kNumber, 100);
        vu_EditSetText(field, "abc"), SendMessageA(field, EM_SETSEL, 3, 3), vu_FocusAdvance = 0;
        ASSERT_TRUE(Focus(p_, field));
        ClearMessages();
        std::vector<WPARAM> posted;
        for (WORD key : row.keys) {
            Press(key);
            if (row.kind == kPassword || !std::count(caret_keys.begin(), caret_keys.end(), key))
                posted.push_back(key);
        }
        Press(VK_F5), posted.push_back(VK_F5);  // the last key: all before it have come
        ASSERT_TRUE(WaitFor([&] { return Got(WM_COMMAND, 0).size() >= posted.size(); }));
        EXPECT_EQ(Got(WM_COMMAND, 0), posted);
        if (row.caret >= 0) { EXPECT_EQ(Caret(field), DWORD(row.caret)); }
        if (row.kind != kPassword) { EXPECT_EQ(TextOf(field).substr(0, 3), "abc"); }  // no Delete
        EXPECT_EQ(vu_FocusAdvance, row.advance);
        vu_EditPassFocus(next_, field), vu_EditPassFocus(field, next_);  // only from the focused one
        EXPECT_TRUE(GetFocus() == (row.advance ? next_ : field) && !vu_FocusAdvance);
        EXPECT_EQ(vu_EditHasFocus(field), row.advance);
        DestroyWindow(field);
    }
}

TEST_F(Fields, ArrowsAndStepsMoveTheCallersValueAndShowItsText)
{
    HWND field = Make(true, 4, "C");
    struct Row { int code; bool own; int value, stepped; } rows[] = {  // not own: another scroll bar's
        {SB_LINEUP, 1, 1, 0}, {SB_LINEUP, 1, 0, 0}, {SB_LINEUP, 1, -5, -5}, {SB_LINEDOWN, 1, 9, 10},
        {MAKELONG(SB_LINEDOWN, 40), 1, 3, 4}, {SB_LINEDOWN, 1, INT_MAX, INT_MAX}, {SB_PAGEDOWN, 1, 5, 5},
        {SB_LINEDOWN, 0, 3, 3}};
    for (const Row& row : rows) {
        vu_SpinSetText(field, "x");
        char text[] = "7";
        const HWND bar = row.own ? field : HWND(p_);
        EXPECT_EQ(vu_SpinStep(field, row.code, bar, text, row.value), row.stepped) << row.value;
        EXPECT_EQ(TextOf(field), row.own ? "7" : "x") << row.value;
    }
    // A click on the lower arrow reaches the parent as the field's scroll codes.
    const SIZE client = ClientSize(field);
    ASSERT_TRUE(Foreground(p_));
    ClearMessages();
    ClickAt(ScreenPoint(field, client.cx + GetSystemMetrics(SM_CXVSCROLL) / 2, client.cy - 3));
    const LPARAM from = reinterpret_cast<LPARAM>(field);
    ASSERT_TRUE(WaitFor([&] { return Got(WM_VSCROLL, from).size() >= 2; }));
    EXPECT_EQ(Got(WM_VSCROLL, from), (std::vector<WPARAM>{SB_LINEDOWN, SB_ENDSCROLL}));
    // Typed text becomes the caller's text first, read into a buffer of exactly the limit.
    vu_SpinSetText(field, "");
    ASSERT_TRUE(Focus(p_, field));
    Type("56789");
    ASSERT_TRUE(WaitFor([&] { return TextOf(field) == "5678"; }));
    std::string text(4 + 8, 'Q');
    EXPECT_EQ(vu_SpinStep(field, SB_LINEDOWN, field, &text[0], 1), 2);
    EXPECT_TRUE(text == std::string("567\0QQQQQQQQ", 12) && TextOf(field) == "567");
}

TEST_F(Fields, LoadsTakeTheWholeFileOrNothing)
{
    const std::string dir = NewTempDir(), in = dir + "in.txt", out = dir + "out.txt";
    std::string bytes(65535, ' '), last_nul;  // every byte but NUL, line breaks among them
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(1 + (i * 7919) % 255);
    (last_nul = bytes).back() = '\0';
    struct Row { const char* name; int limit; std::string bytes; int result; } rows[] = {
        {"missing file", 100, "-", 0}, {"2,500 bytes", 3000, bytes.substr(0, 2500), 0},
        {"exactly the limit", 1998, bytes.substr(0, 1998), 0},
        {"one more than the limit", 1997, bytes.substr(0, 1998), 4},
        {"a NUL byte", 100, std::string("ab\0cd", 5), 3}, {"a NUL at the end", 70000, last_nul, 3},
        {"65,536 bytes", 70000, std::string(65536, 'x'), 4}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND field = Make(false, row.limit);
        vu_EditSetText(field, "behåll");
        DeleteFileA(in.c_str());
        if (row.bytes != "-") { ASSERT_TRUE(WriteFileBytes(in, row.bytes)); }
        EXPECT_EQ(vu_EditLoadFile(field, in.c_str()), row.result);
        const std::string expected = row.result ? "behåll" : row.bytes == "-" ? "" : row.bytes;
        EXPECT_TRUE(TextOf(field) == expected) << TextOf(field).size();
        if (row.result == 0) {  // the caret at the start, not modified, saved back whole
            EXPECT_TRUE(Caret(field) == 0 && !SendMessageA(field, EM_GETMODIFY, 0, 0));
            std::string back;
            EXPECT_EQ(vu_EditSaveFile(field, out.c_str()), 0);
            EXPECT_TRUE(ReadFileBytes(out, &back) && back == expected) << back.size();
        }
        DestroyWindow(field);
    }
    // A read-only file, a missing folder, no path: not opened. A gone field: nothing written.
    HWND field = Make(false, 100);
    ASSERT_TRUE(WriteFileBytes(out, "låst") && SetFileAttributesA(out.c_str(), FILE_ATTRIBUTE_READONLY));
    for (const char* path : {out.c_str(), "C:\\saknas\\fil.txt", (const char*)nullptr})
        EXPECT_TRUE(vu_EditLoadFile(field, path) == 2 && vu_EditSaveFile(field, path) == 2);
    SetFileAttributesA(out.c_str(), FILE_ATTRIBUTE_NORMAL), DestroyWindow(field);
    EXPECT_EQ(vu_EditSaveFile(field, out.c_str()) * 10 + vu_EditLoadFile(field, in.c_str()), 33);
    EXPECT_TRUE(ReadFileBytes(out, &bytes) && bytes == "låst");
}

}  // namespace
