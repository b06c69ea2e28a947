// Edit and spin fields on real windows: words and the rebuild, the readers' bounds, the keys
// posted to the parent (real key presses), the arrows (a real click), loads that never shorten.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "input.h"  // with vu_test.h
#include "query.h"

namespace {

using namespace vu_test;

constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NOHIDESEL | ES_AUTOHSCROLL;
constexpr DWORD kSpin = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NOHIDESEL | WS_VSCROLL | ES_WANTRETURN;
constexpr DWORD kEdges = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE;

DWORD Caret(HWND field) { return HIWORD(SendMessageA(field, EM_GETSEL, 0, 0)); }  // the selection's end

// The wparams of the messages the parent got with this lparam, in order.
std::vector<WPARAM> Got(HWND parent, UINT message, LPARAM lparam)
{
    std::vector<WPARAM> got;
    for (const Message& m : Messages())
        if (m.window == parent && m.message == message && m.lparam == lparam) got.push_back(m.wparam);
    return got;
}

class Fields : public ::testing::Test {
protected:
    HWND Make(bool spin, int limit, const char* align = "L") { return (spin ? vu_Spin : vu_Edit)(parent_, 10, 10, 60, 40, align, limit); }
    Window parent_{"Fält", 400, 300};
    HWND next_ = vu_Spin(parent_, 10, 200, 60, 24, "L", 5);
};

TEST_F(Fields, AlignmentAndFrameWordsAndTheRebuild)
{
    // Made with an alignment word, rebuilt with a frame word; the readers and the rebuild take
    // limit - 1 characters, never writing past the limit.
    struct Row { const char *align, *frame; DWORD align_style, ex, style; } rows[] = {
        {"L", "FLAT", ES_LEFT, 0, 0}, {"C", "SMAL_SUNKEN", ES_CENTER, WS_EX_STATICEDGE, 0},
        {"R", "SUNKEN", ES_RIGHT, WS_EX_CLIENTEDGE, 0}, {"c", "MAX_SUNKEN", ES_LEFT, kEdges, 0},
        {"", "DOUBLE_EDGE", ES_LEFT, kEdges, WS_DLGFRAME}, {nullptr, "BAR", ES_LEFT, 0, WS_DLGFRAME},
        {"R", "EDGE", ES_RIGHT, WS_EX_CLIENTEDGE, WS_DLGFRAME}, {"C", "edge", ES_CENTER, 0, 0}, {"R", nullptr, ES_RIGHT, 0, 0}};
    for (const Row& row : rows)
        for (bool spin : {false, true}) {
            SCOPED_TRACE(std::string(row.frame ? row.frame : "null") + (spin ? ", spin" : ", edit"));
            const DWORD base = spin ? kSpin : kEdit;
            HWND old = Make(spin, 8, row.align);
            EXPECT_EQ(StyleOf(old), row.align_style | base);
            EXPECT_EQ(ExStyleOf(old) & kEdges, DWORD(WS_EX_CLIENTEDGE));
            vu_EditSetText(old, "C:\\Data\\lista.txt");  // WM_SETTEXT is not cut: the readers cut
            std::string buffer(8 + 8, 'Q');
            EXPECT_EQ((spin ? vu_SpinGetText : vu_EditGetText)(old, &buffer[0]), 7);
            EXPECT_EQ(buffer, std::string("C:\\Data\0QQQQQQQQ", 16));
            EXPECT_EQ(vu_EditTextLength(old), 7);
            HWND framed = (spin ? vu_SpinReframe : vu_EditReframe)(old, 20, 30, 200, 26, row.frame, row.align, 50);
            EXPECT_FALSE(IsWindow(old));
            EXPECT_EQ(TextOf(framed), "C:\\Data");
            EXPECT_EQ(ExStyleOf(framed) & kEdges, row.ex);
            EXPECT_EQ(StyleOf(framed), row.align_style | row.style | base);
            EXPECT_EQ(vu_EditGetLimit(framed), 50);
            EXPECT_EQ(GetWindowLongPtrA(framed, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(spin ? vu_SpinProc : vu_EditProc));
            DestroyWindow(framed);
        }
    EXPECT_EQ(StyleOf(vu_EditPassword(parent_, 10, 10, 100, 20, 8)), 0x500101A0u);
    HWND field = Make(false, 100);  // the selected text: from the selection's start to its end
    EXPECT_EQ(vu_EditGetText(field, nullptr), 0);
    vu_EditSetText(field, "Hej du glada");
    struct Sel { int start, end; const char* text; } sels[] = {{4, 6, "du"}, {7, -1, "glada"}, {5, 5, ""}, {0, 0, ""}, {0, -1, "Hej du glada"}};
    for (const Sel& s : sels) {
        SendMessageA(field, EM_SETSEL, s.start, s.end);
        EXPECT_STREQ(vu_EditGetSelText(field), s.text) << s.start << ".." << s.end;
    }
}

TEST_F(Fields, KeyDownsGoToTheParentButCaretKeysStayInPlainFields)
{
    enum Kind { kPlain, kPassword, kNumber };
    const std::vector<WORD> caret_keys = {VK_HOME, VK_RIGHT, VK_END, VK_LEFT, VK_F5};
    struct Row { const char* name; Kind kind; std::vector<WORD> keys; std::vector<WPARAM> posted; int caret, advance; } rows[] = {
        {"field, caret keys", kPlain, caret_keys, {VK_F5}, 2, 0}, {"spin, caret keys", kNumber, caret_keys, {VK_F5}, 2, 0},
        {"password, caret keys", kPassword, caret_keys, {VK_HOME, VK_RIGHT, VK_END, VK_LEFT, VK_F5}, 3, 0},
        {"field, keypad and others", kPlain, {VK_DELETE, VK_NUMPAD4, VK_NUMPAD5, VK_NUMPAD6, VK_NUMPAD7, VK_NUMPAD8, VK_NUMPAD9, 'A', VK_F5},
         {VK_DELETE, 100, 101, 102, 103, 104, 105, 'A', VK_F5}, -1, 0},
        {"spin, keypad and Delete", kNumber, {VK_NUMPAD9, VK_DELETE, VK_F5}, {105, VK_DELETE, VK_F5}, -1, 0},
        {"field, Tab", kPlain, {VK_TAB, VK_F5}, {9, VK_F5}, 3, 1}, {"field, Enter", kPlain, {VK_RETURN, VK_F5}, {13, VK_F5}, 3, 1},
        {"password, Enter", kPassword, {VK_RETURN, VK_F5}, {13, VK_F5}, 3, 1}, {"spin, Tab", kNumber, {VK_TAB, VK_F5}, {9, VK_F5}, -1, 0},
        {"spin, Enter", kNumber, {VK_RETURN, VK_F5}, {13, VK_F5}, 3, 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND field = row.kind == kPassword ? vu_EditPassword(parent_, 10, 10, 245, 24, 100) : Make(row.kind == kNumber, 100);
        vu_EditSetText(field, "abc");
        SendMessageA(field, EM_SETSEL, 3, 3);
        vu_FocusAdvance = 0;
        ASSERT_TRUE(Focus(parent_, field));
        ClearMessages();
        for (WORD key : row.keys) Press(key);
        ASSERT_TRUE(WaitFor([&] { return !Got(parent_, WM_COMMAND, 0).empty() && Got(parent_, WM_COMMAND, 0).back() == VK_F5; }));
        EXPECT_EQ(Got(parent_, WM_COMMAND, 0), row.posted);  // the keys as WM_COMMAND (key, 0)
        if (row.caret >= 0) { EXPECT_EQ(Caret(field), DWORD(row.caret)); }
        if (row.kind != kPassword) { EXPECT_EQ(TextOf(field).substr(0, 3), "abc"); }  // Delete deletes nothing
        // Tab or Enter lets the focus move on once, and only from the focused field.
        EXPECT_EQ(vu_FocusAdvance, row.advance);
        vu_EditPassFocus(next_, field);
        vu_EditPassFocus(field, next_);
        EXPECT_EQ(GetFocus(), row.advance ? next_ : field);
        EXPECT_EQ(vu_EditHasFocus(field), row.advance);
        EXPECT_EQ(vu_FocusAdvance, 0);
        DestroyWindow(field);
    }
}

TEST_F(Fields, ArrowsAndStepsMoveTheCallersValueAndShowItsText)
{
    HWND field = Make(true, 4, "C");
    struct Row { const char* name; int code; bool own_bar; int value, stepped; const char* shown; } rows[] = {
        {"up from 1", SB_LINEUP, true, 1, 0, "7"}, {"up from 0", SB_LINEUP, true, 0, 0, "7"},
        {"up from -5", SB_LINEUP, true, -5, -5, "7"}, {"down from 9", SB_LINEDOWN, true, 9, 10, "7"},
        {"thumb position dropped", MAKELONG(SB_LINEDOWN, 40), true, 3, 4, "7"}, {"down at the int's end", SB_LINEDOWN, true, INT_MAX, INT_MAX, "7"},
        {"page", SB_PAGEDOWN, true, 5, 5, "7"}, {"another scroll bar", SB_LINEDOWN, false, 3, 3, "x"}};
    for (const Row& row : rows) {
        vu_SpinSetText(field, "x");
        char text[] = "7";
        EXPECT_EQ(vu_SpinStep(field, row.code, row.own_bar ? field : HWND(parent_), text, row.value), row.stepped) << row.name;
        EXPECT_EQ(TextOf(field), row.shown) << row.name;
    }
    // A click on the lower arrow reaches the parent as the field's scroll codes.
    const SIZE client = ClientSize(field);
    ASSERT_TRUE(Foreground(parent_));
    ClearMessages();
    ClickAt(ScreenPoint(field, client.cx + GetSystemMetrics(SM_CXVSCROLL) / 2, client.cy - 3));
    const LPARAM from = reinterpret_cast<LPARAM>(field);
    ASSERT_TRUE(WaitFor([&] { return Got(parent_, WM_VSCROLL, from).size() >= 2; }));
    EXPECT_EQ(Got(parent_, WM_VSCROLL, from), (std::vector<WPARAM>{SB_LINEDOWN, SB_ENDSCROLL}));
    // Typed text becomes the caller's text first, read into a buffer of exactly the limit.
    vu_SpinSetText(field, "");
    ASSERT_TRUE(Focus(parent_, field));
    Type("56789");
    ASSERT_TRUE(WaitFor([&] { return TextOf(field) == "5678"; }));
    std::string text(4 + 8, 'Q');
    EXPECT_EQ(vu_SpinStep(field, SB_LINEDOWN, field, &text[0], 1), 2);
    EXPECT_EQ(text, std::string("567\0QQQQQQQQ", 12));
    EXPECT_EQ(TextOf(field), "567");
}

TEST_F(Fields, LoadsTakeTheWholeFileOrNothing)
{
    const std::string dir = NewTempDir(), in = dir + "in.txt", out = dir + "out.txt";
    std::string bytes(65535, ' '), last_nul;  // every byte but NUL, line breaks among them
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(1 + (i * 7919) % 255);
    (last_nul = bytes).back() = '\0';
    struct Row { const char* name; int limit; std::string bytes; int result; } rows[] = {
        {"missing file", 100, "-", 0}, {"2,500 bytes", 3000, bytes.substr(0, 2500), 0}, {"exactly the limit", 1998, bytes.substr(0, 1998), 0},
        {"one more than the limit", 1997, bytes.substr(0, 1998), 4}, {"a NUL byte", 100, std::string("ab\0cd", 5), 3},
        {"a NUL as the 65,535th byte", 70000, last_nul, 3}, {"65,536 bytes", 70000, std::string(65536, 'x'), 4}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND field = Make(false, row.limit);
        vu_EditSetText(field, "behåll");
        DeleteFileA(in.c_str());
        if (row.bytes != "-") { ASSERT_TRUE(WriteFileBytes(in, row.bytes)); }
        EXPECT_EQ(vu_EditLoadFile(field, in.c_str()), row.result);
        const std::string expected = row.result != 0 ? "behåll" : row.bytes == "-" ? "" : row.bytes;
        EXPECT_TRUE(TextOf(field) == expected) << TextOf(field).size();
        std::string back;
        if (row.result == 0) {
            EXPECT_TRUE(Caret(field) == 0 && !SendMessageA(field, EM_GETMODIFY, 0, 0));  // at the start, not modified
            EXPECT_EQ(vu_EditSaveFile(field, out.c_str()), 0);
            EXPECT_TRUE(ReadFileBytes(out, &back) && back == expected) << back.size();
        }
        DestroyWindow(field);
    }
    // A read-only file, a missing folder, no path: not opened. A gone field: nothing written.
    HWND field = Make(false, 100);
    ASSERT_TRUE(WriteFileBytes(out, "låst") && SetFileAttributesA(out.c_str(), FILE_ATTRIBUTE_READONLY));
    for (const char* path : {out.c_str(), "C:\\saknas\\fil.txt", static_cast<const char*>(nullptr)}) {
        EXPECT_EQ(vu_EditLoadFile(field, path), 2) << (path ? path : "null");
        EXPECT_EQ(vu_EditSaveFile(field, path), 2) << (path ? path : "null");
    }
    SetFileAttributesA(out.c_str(), FILE_ATTRIBUTE_NORMAL);
    DestroyWindow(field);
    EXPECT_EQ(vu_EditSaveFile(field, out.c_str()), 3);
    EXPECT_EQ(vu_EditLoadFile(field, in.c_str()), 3);
    std::string kept;
    EXPECT_TRUE(ReadFileBytes(out, &kept) && kept == "låst");
}

}  // namespace
