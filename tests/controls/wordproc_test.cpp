// The text editor: creation and rebuild (with the rebuild's message box, read and closed from
// another thread), the forwarding procedure, limits, text and selection, the modified flag,
// undo and its beep, the clipboard, the caret, tab stops, margins, colours, fonts and the
// geometry members.
#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <cstring>
#include <string>
#include <thread>

#include "wordproc_fixture.h"

namespace {

using control_test::Parent;
using control_test::RectInParent;
using wordproc_test::Editor;
using wordproc_test::Select;
using wordproc_test::SelectionOf;
using wordproc_test::TextOf;

DWORD Style(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)); }
DWORD ExStyle(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_EXSTYLE)); }
unsigned Limit(HWND w) { return static_cast<unsigned>(SendMessageA(w, EM_GETLIMITTEXT, 0, 0)); }

TEST(WordProc, IsAMultiLineEditWithIdOneAndACappedLimit)
{
    HWND parent = Parent("Redigerare", 400, 300);
    HWND editor = vu_WordProcSimple(parent, 10, 20, 200, 100, "VHSCROLL", 100000);
    ASSERT_NE(editor, nullptr);
    char name[16] = {};
    GetClassNameA(editor, name, sizeof name);
    EXPECT_STRCASEEQ(name, "Edit");
    EXPECT_EQ(GetParent(editor), parent);
    EXPECT_EQ(GetDlgCtrlID(editor), 1);
    EXPECT_EQ(GetWindowLongPtrA(editor, GWLP_HINSTANCE), GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    EXPECT_EQ(TextOf(editor), "");
    EXPECT_EQ(Style(editor) & 0x500001C4u, 0x500001C4u);
    EXPECT_EQ(Style(editor) & (WS_HSCROLL | WS_VSCROLL), DWORD(WS_HSCROLL | WS_VSCROLL));
    EXPECT_EQ(Style(editor) & (WS_TABSTOP | WS_DLGFRAME), 0u);
    EXPECT_EQ(ExStyle(editor) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), DWORD(WS_EX_CLIENTEDGE));
    EXPECT_EQ(Limit(editor), 65535u);
    const RECT r = RectInParent(editor);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 100);

    struct Case {
        const char* word;
        DWORD bits;
    } cases[] = {{"NOSCROLL", 0}, {"HSCROLL", WS_HSCROLL}, {"VSCROLL", WS_VSCROLL},
                 {"vscroll", 0},  {"", 0},                 {nullptr, 0}};
    for (const Case& c : cases) {
        HWND e = vu_WordProcSimple(parent, 1, 1, 50, 50, c.word, 500);
        EXPECT_EQ(Style(e) & (WS_HSCROLL | WS_VSCROLL), c.bits) << (c.word ? c.word : "null");
        EXPECT_EQ(Limit(e), 500u);
        DestroyWindow(e);
    }
    // Negative maxima are huge for the platform, and capped as well.
    HWND e = vu_WordProcSimple(parent, 1, 1, 50, 50, "NOSCROLL", -5);
    EXPECT_EQ(Limit(e), 65535u);
    DestroyWindow(parent);
}

TEST(WordProc, AllZeroPlacementFillsTheParent)
{
    HWND parent = Parent("Fyllande", 333, 222);
    HWND editor = vu_WordProcSimple(parent, 0, 0, 0, 0, "NOSCROLL", 10);
    const RECT r = RectInParent(editor);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 333);
    EXPECT_EQ(r.bottom, 222);
    // What counts is the sum of the four.
    HWND other = vu_WordProcSimple(parent, 5, -5, 0, 0, "NOSCROLL", 10);
    EXPECT_EQ(RectInParent(other).right, 333);
    other = vu_WordProcSimple(parent, 5, 5, 0, 0, "NOSCROLL", 10);
    EXPECT_EQ(RectInParent(other).right, 5);
    DestroyWindow(parent);
}

TEST(WordProc, EveryEditorForwardsToTheEditProcedure)
{
    Editor a("Vidare A");
    Editor b("Vidare B");
    const LONG_PTR class_proc = GetClassLongPtrA(a.editor, GCLP_WNDPROC);
    const LONG_PTR forwarding = GetWindowLongPtrA(a.editor, GWLP_WNDPROC);
    EXPECT_NE(forwarding, class_proc);
    EXPECT_EQ(GetWindowLongPtrA(b.editor, GWLP_WNDPROC), forwarding);
    EXPECT_EQ(vu_WordProcSetText(a.editor, "första"), 0);
    EXPECT_EQ(vu_WordProcSetText(b.editor, "andra"), 0);
    EXPECT_EQ(TextOf(a.editor), "första");
    EXPECT_EQ(TextOf(b.editor), "andra");

    // Replacing the procedure hands back the forwarding one, which can be put back.
    WNDPROC previous = vu_WordProcSetWndProc(a.editor, DefWindowProcA);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(previous), forwarding);
    EXPECT_EQ(GetWindowLongPtrA(a.editor, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(DefWindowProcA));
    EXPECT_EQ(vu_WordProcSetWndProc(a.editor, previous), DefWindowProcA);
    EXPECT_EQ(TextOf(a.editor), "första");
}

// Waits for the rebuild's message box on another thread, reads it and closes it with OK.
struct BoxWatcher {
    std::atomic<bool> seen{false};
    std::string title, text, editor_text;
    HWND owner = nullptr;
    std::thread thread;
    explicit BoxWatcher(HWND parent)
    {
        thread = std::thread([this, parent] {
            for (int i = 0; i < 500 && !seen; ++i) {
                HWND box = FindBox();
                if (box != nullptr) {
                    char buf[512] = {};
                    GetWindowTextA(box, buf, sizeof buf);
                    title = buf;
                    GetDlgItemTextA(box, 0xFFFF, buf, sizeof buf);
                    text = buf;
                    owner = GetWindow(box, GW_OWNER);
                    editor_text = TextOf(GetDlgItem(parent, 1));
                    seen = true;
                    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
                    return;
                }
                Sleep(10);  // polling another thread's windows; nothing to wait on here
            }
        });
    }
    static BOOL CALLBACK Visit(HWND w, LPARAM out)
    {
        char cls[16] = {};
        GetClassNameA(w, cls, sizeof cls);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == GetCurrentProcessId() && IsWindowVisible(w) && std::strcmp(cls, "#32770") == 0) {
            *reinterpret_cast<HWND*>(out) = w;
            return FALSE;
        }
        return TRUE;
    }
    static HWND FindBox()
    {
        HWND found = nullptr;
        EnumWindows(Visit, reinterpret_cast<LPARAM>(&found));
        return found;
    }
    ~BoxWatcher()
    {
        seen = true;
        thread.join();
    }
};

TEST(WordProc, RebuildBelowTheOldLimitCutsTheTextAndSaysSo)
{
    Editor e("Ombygge");
    const std::string long_text(1500, 'x');
    vu_WordProcSetText(e.editor, long_text.c_str());
    HWND rebuilt;
    std::string title, text, editor_text;
    HWND owner;
    {
        BoxWatcher watcher(e.parent);
        rebuilt = vu_WordProcSimpleModify(e.editor, 5, 6, 150, 90, "DOUBLE_EDGE", "VSCROLL", 1000);
        ASSERT_TRUE(watcher.seen.load());
        watcher.thread.join();
        watcher.thread = std::thread([] {});
        title = watcher.title;
        text = watcher.text;
        editor_text = watcher.editor_text;
        owner = watcher.owner;
    }
    EXPECT_EQ(title, "vu_WordProcSimpleModify_1 ERROR");
    EXPECT_EQ(text, "The last prameters 'maxchar' have to small size\nor set the 'maxchar' to '0'");
    EXPECT_EQ(owner, e.parent);  // a child's message box belongs to its top-level window
    EXPECT_TRUE(editor_text == std::string(999, 'x')) << editor_text.size();  // the text was set before the box showed
    EXPECT_FALSE(IsWindow(e.editor));
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_TRUE(TextOf(rebuilt) == std::string(999, 'x')) << TextOf(rebuilt).size();
    EXPECT_EQ(Limit(rebuilt), 1000u);
    EXPECT_EQ(GetDlgCtrlID(rebuilt), 1);
    EXPECT_EQ(Style(rebuilt) & (0x500101C4u | WS_DLGFRAME | WS_HSCROLL | WS_VSCROLL),
              0x500101C4u | WS_DLGFRAME | WS_VSCROLL);
    // WS_EX_MDICHILD only where the parent is an MDI client, which this one is not.
    const DWORD ex = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES;
    EXPECT_EQ(ExStyle(rebuilt) & (ex | WS_EX_MDICHILD), ex);
    EXPECT_EQ(GetWindowLongPtrA(rebuilt, GWLP_WNDPROC),
              GetWindowLongPtrA(vu_WordProcSimple(e.parent, 0, 0, 9, 9, "", 9), GWLP_WNDPROC));
    const RECT r = RectInParent(rebuilt);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 6);

    // A short text is kept whole, and the message still comes.
    vu_WordProcSetText(rebuilt, "kort");
    BoxWatcher watcher(e.parent);
    HWND again = vu_WordProcSimpleModify(rebuilt, 0, 0, 0, 0, "FLAT", "", 1000);
    EXPECT_TRUE(watcher.seen.load());
    EXPECT_EQ(TextOf(again), "kort");
    EXPECT_EQ(RectInParent(again).right, 400);
}

TEST(WordProc, RebuildAboveTheOldLimitOrWithoutOneKeepsEverythingQuietly)
{
    Editor e("Ombygge tyst");
    const std::string text(65535, 'y');
    vu_WordProcSetText(e.editor, text.c_str());
    // A box would stop the test here: none comes.
    HWND rebuilt = vu_WordProcSimpleModify(e.editor, 1, 1, 100, 100, "BAR", "", 70000);
    EXPECT_TRUE(TextOf(rebuilt) == text);  // a full editor keeps its last character too
    EXPECT_EQ(Limit(rebuilt), 70000u);
    EXPECT_EQ(Style(rebuilt) & (WS_DLGFRAME | WS_HSCROLL | WS_VSCROLL), DWORD(WS_DLGFRAME));
    EXPECT_EQ(ExStyle(rebuilt) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), 0u);
    rebuilt = vu_WordProcSimpleModify(rebuilt, 1, 1, 100, 100, "SUNKEN", "HSCROLL", 0);
    EXPECT_TRUE(TextOf(rebuilt) == text);
    EXPECT_EQ(Style(rebuilt) & (WS_HSCROLL | WS_VSCROLL), DWORD(WS_HSCROLL));
    vu_WordProcSetText(rebuilt, "kvar");

    struct Case {
        const char* word;
        DWORD ex, border;
    } frames[] = {{"FLAT", 0, 0},
                  {"SMAL_SUNKEN", WS_EX_STATICEDGE, 0},
                  {"SUNKEN", WS_EX_CLIENTEDGE, 0},
                  {"MAX_SUNKEN", WS_EX_STATICEDGE | WS_EX_CLIENTEDGE, 0},
                  {"EDGE", WS_EX_CLIENTEDGE, WS_DLGFRAME},
                  {"edge", 0, 0},
                  {nullptr, 0, 0}};
    for (const Case& c : frames) {
        rebuilt = vu_WordProcSimpleModify(rebuilt, 1, 1, 100, 100, c.word, "", 0);
        EXPECT_EQ(ExStyle(rebuilt) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), c.ex)
            << (c.word ? c.word : "null");
        EXPECT_EQ(Style(rebuilt) & WS_DLGFRAME, c.border) << (c.word ? c.word : "null");
    }
    EXPECT_EQ(TextOf(rebuilt), "kvar");
}

TEST(WordProc, LimitsAreCappedAndReported)
{
    Editor e("Gränser", 300);
    EXPECT_EQ(vu_WordProcGetLimit(e.editor), 300);
    EXPECT_EQ(vu_WordProcSetLimit(e.editor, 100000), 300);
    EXPECT_EQ(vu_WordProcGetLimit(e.editor), 65535);
    EXPECT_EQ(vu_WordProcSetLimit(e.editor, 12), 65535);
    EXPECT_EQ(Limit(e.editor), 12u);
    EXPECT_EQ(vu_WordProcSetLimit(e.editor, INT_MIN), 12);
    EXPECT_EQ(Limit(e.editor), 65535u);
}

TEST(WordProc, TextAndSelectionCallsCountFromOne)
{
    Editor e("Text", 10);
    EXPECT_EQ(vu_WordProcSetText(e.editor, "abcdefg"), 0);
    EXPECT_EQ(vu_WordProcSelect(e.editor, 3, 5), 3);
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(2), DWORD(5)));
    EXPECT_EQ(vu_WordProcHasSelection(e.editor), 1);
    EXPECT_STREQ(vu_WordProcGetSelText(e.editor), "cde");
    vu_WordProcClear(e.editor);
    EXPECT_EQ(TextOf(e.editor), "abfg");
    EXPECT_EQ(vu_WordProcHasSelection(e.editor), 0);
    EXPECT_STREQ(vu_WordProcGetSelText(e.editor), "");
    Select(e.editor, 0, 0);
    EXPECT_STREQ(vu_WordProcGetSelText(e.editor), "");
    EXPECT_EQ(vu_WordProcSelectAll(e.editor), 0);
    EXPECT_STREQ(vu_WordProcGetSelText(e.editor), "abfg");

    // Positions outside the text are the platform's to clamp; extreme ones do not overflow.
    EXPECT_EQ(vu_WordProcSelect(e.editor, 2, 1000), 999);
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(1), DWORD(4)));
    EXPECT_EQ(vu_WordProcSelect(e.editor, 5, 3), -1);
    EXPECT_EQ(vu_WordProcSelect(e.editor, INT_MIN + 1, INT_MAX), -1);  // wraps like an int
    EXPECT_EQ(vu_WordProcSetText(e.editor, nullptr), 0);
    EXPECT_EQ(TextOf(e.editor), "");

    // The caller's buffer holds the limit: a longer text stops one short of it.
    SendMessageA(e.editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0123456789ABCDEF"));
    const std::string held = TextOf(e.editor);
    char buffer[10 + 8];
    std::memset(buffer, 0x5A, sizeof buffer);
    EXPECT_EQ(vu_WordProcGetText(e.editor, buffer), 9);
    EXPECT_STREQ(buffer, held.substr(0, 9).c_str());
    for (int i = 10; i < 18; ++i) EXPECT_EQ(buffer[i], 0x5A) << i;
    EXPECT_EQ(vu_WordProcGetTextLength(e.editor), 9);
    EXPECT_EQ(vu_WordProcGetText(e.editor, nullptr), 0);
    vu_WordProcSetText(e.editor, "åäö");
    EXPECT_EQ(vu_WordProcGetTextLength(e.editor), 3);

    // A long selection comes back whole.
    vu_WordProcSetLimit(e.editor, 65535);
    const std::string big(40000, 'q');
    vu_WordProcSetText(e.editor, big.c_str());
    vu_WordProcSelectAll(e.editor);
    EXPECT_TRUE(std::string(vu_WordProcGetSelText(e.editor)) == big);
}

TEST(WordProc, ModifiedFlagAndReadOnly)
{
    Editor e("Ändrad");
    EXPECT_EQ(vu_WordProcIsModified(e.editor), 0);
    EXPECT_EQ(vu_WordProcSetModified(e.editor, "ON"), 0);
    EXPECT_EQ(vu_WordProcIsModified(e.editor), 1);
    EXPECT_EQ(vu_WordProcSetModified(e.editor, "off"), 0);
    EXPECT_EQ(vu_WordProcIsModified(e.editor), 1);
    EXPECT_EQ(vu_WordProcSetModified(e.editor, nullptr), 0);
    EXPECT_EQ(vu_WordProcIsModified(e.editor), 1);
    EXPECT_EQ(vu_WordProcSetModified(e.editor, "OFF"), 0);
    EXPECT_EQ(vu_WordProcIsModified(e.editor), 0);
    // A user's typing sets it.
    SendMessageA(e.editor, WM_CHAR, 'k', 0);
    EXPECT_EQ(vu_WordProcIsModified(e.editor), 1);

    EXPECT_EQ(vu_WordProcWritable(e.editor, "OFF"), 0);
    EXPECT_TRUE(Style(e.editor) & ES_READONLY);
    SendMessageA(e.editor, WM_CHAR, 'z', 0);
    EXPECT_EQ(TextOf(e.editor), "k");
    EXPECT_EQ(vu_WordProcWritable(e.editor, "on"), 1);
    EXPECT_EQ(vu_WordProcWritable(e.editor, nullptr), 1);
    EXPECT_TRUE(Style(e.editor) & ES_READONLY);
    EXPECT_EQ(vu_WordProcWritable(e.editor, "ON"), 0);
    EXPECT_FALSE(Style(e.editor) & ES_READONLY);
    EXPECT_EQ(vu_WordProcWritable(nullptr, "ON"), 1);
}

// Counts MessageBeep calls of this program by patching its import of the call, which still
// goes on to the platform.
int g_beeps = 0;
UINT g_beep_type = 0;
BOOL(WINAPI* g_real_beep)(UINT) = nullptr;
BOOL WINAPI CountingBeep(UINT type)
{
    ++g_beeps;
    g_beep_type = type;
    return g_real_beep(type);
}
bool HookBeep()
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* real = reinterpret_cast<BOOL(WINAPI*)(UINT)>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "MessageBeep")));
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         imp->Name != 0; ++imp) {
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
             slot->u1.Function != 0; ++slot) {
            if (slot->u1.Function != reinterpret_cast<ULONG_PTR>(real)) continue;
            DWORD old = 0;
            VirtualProtect(&slot->u1.Function, sizeof(ULONG_PTR), PAGE_READWRITE, &old);
            g_real_beep = real;
            slot->u1.Function = reinterpret_cast<ULONG_PTR>(&CountingBeep);
            VirtualProtect(&slot->u1.Function, sizeof(ULONG_PTR), old, &old);
            return true;
        }
    }
    return false;
}

TEST(WordProc, UndoUndoesOrBeeps)
{
    ASSERT_TRUE(HookBeep());
    Editor e("Ångra");
    vu_WordProcSetText(e.editor, "bas");
    Select(e.editor, 3, 3);
    SendMessageA(e.editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(" till"));
    EXPECT_EQ(vu_WordProcCanUndo(e.editor), 1);
    g_beeps = 0;
    EXPECT_EQ(vu_WordProcUndo(e.editor), 1);
    EXPECT_EQ(TextOf(e.editor), "bas");
    EXPECT_EQ(g_beeps, 0);
    SendMessageA(e.editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("!"));
    EXPECT_EQ(vu_WordProcEmptyUndo(e.editor), 0);
    EXPECT_EQ(vu_WordProcCanUndo(e.editor), 0);
    EXPECT_EQ(vu_WordProcUndo(e.editor), 0);
    EXPECT_EQ(g_beeps, 1);
    EXPECT_EQ(g_beep_type, UINT(MB_ICONEXCLAMATION));
    EXPECT_EQ(TextOf(e.editor), "bas!");
}

std::string ClipboardText(HWND owner)
{
    std::string text;
    if (!OpenClipboard(owner)) return "<closed>";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(data))) text = p;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST(WordProc, CutCopyAndPasteGoThroughTheClipboard)
{
    Editor e("Urklipp");
    ASSERT_TRUE(OpenClipboard(e.parent));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(vu_WordProcCanPaste(), 0);

    vu_WordProcSetText(e.editor, "Hej på dig");
    vu_WordProcSelect(e.editor, 5, 6);
    EXPECT_EQ(vu_WordProcCopy(e.editor), 0);
    EXPECT_EQ(ClipboardText(e.parent), "på");
    EXPECT_EQ(vu_WordProcCanPaste(), 1);
    vu_WordProcSelect(e.editor, 1, 4);
    EXPECT_EQ(vu_WordProcCut(e.editor), 0);
    EXPECT_EQ(TextOf(e.editor), "på dig");
    EXPECT_EQ(ClipboardText(e.parent), "Hej ");
    Select(e.editor, 6, 6);
    EXPECT_EQ(vu_WordProcPaste(e.editor), 0);
    EXPECT_EQ(TextOf(e.editor), "på digHej ");
}

TEST(WordProc, CaretLineAndPositionCountFromOne)
{
    Editor e("Markör");
    SetForegroundWindow(e.parent);
    vu_WordProcSetFocus(e.editor);
    ASSERT_EQ(GetFocus(), e.editor);
    vu_WordProcSetText(e.editor, "ett\r\ntvå\r\ntre");
    Select(e.editor, 0, 0);
    EXPECT_EQ(vu_WordProcCaretLine(e.editor), 1);
    EXPECT_EQ(vu_WordProcCaretPos(e.editor), 1);
    Select(e.editor, 7, 7);  // between "tv" and "å"
    EXPECT_EQ(vu_WordProcCaretLine(e.editor), 2);
    EXPECT_EQ(vu_WordProcCaretPos(e.editor), 8);
    Select(e.editor, 11, 11);
    EXPECT_EQ(vu_WordProcCaretLine(e.editor), 3);
    EXPECT_EQ(vu_WordProcCaretPos(e.editor), 12);
}

TEST(WordProc, TabStopsMarginsAndFonts)
{
    Editor e("Tabbar");
    vu_WordProcSetFont(e.editor, reinterpret_cast<HFONT>(1));
    vu_WordProcSetText(e.editor, "a\tb");
    auto x_of_b = [&] { return LOWORD(SendMessageA(e.editor, EM_POSFROMCHAR, 2, 0)); };
    EXPECT_EQ(vu_WordProcSetTabs(e.editor, 1, 16), 0);
    const int narrow = x_of_b();
    vu_WordProcSetTabs(e.editor, 3, 64);
    const int wide = x_of_b();
    EXPECT_GT(wide, narrow);
    RECT update = {};
    EXPECT_TRUE(GetUpdateRect(e.editor, &update, FALSE));  // invalidated for a repaint
    vu_WordProcSetTabs(e.editor, 100000, 64);  // more than 255 stops count as 255
    EXPECT_EQ(x_of_b(), wide);
    vu_WordProcSetTabs(e.editor, -1, 64);  // none: the platform's default stops
    const int standard = x_of_b();
    EXPECT_GT(standard, narrow);
    EXPECT_LT(standard, wide);

    const int before = static_cast<int>(SendMessageA(e.editor, EM_GETMARGINS, 0, 0));
    EXPECT_EQ(vu_WordProcSetMargin(e.editor, 7), before);
    EXPECT_EQ(LOWORD(SendMessageA(e.editor, EM_GETMARGINS, 0, 0)), 7);
    EXPECT_EQ(LOWORD(vu_WordProcSetMargin(e.editor, 0x10003)), 7);
    EXPECT_EQ(LOWORD(SendMessageA(e.editor, EM_GETMARGINS, 0, 0)), 3);

    const int stock[] = {SYSTEM_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, DEFAULT_GUI_FONT,
                         OEM_FIXED_FONT};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(vu_WordProcSetFont(e.editor, reinterpret_cast<HFONT>(static_cast<INT_PTR>(i))), 0);
        EXPECT_EQ(SendMessageA(e.editor, WM_GETFONT, 0, 0),
                  reinterpret_cast<LRESULT>(GetStockObject(stock[i])))
            << i;
    }
    HFONT font = vu_WordProcCreatePointFont(e.parent, 14, 700, 1, 0, "ARIAL");
    HFONT same = vu_CreatePointFont(e.parent, 14, 700, 1, 0, "ARIAL");
    LOGFONTA a = {}, b = {};
    GetObjectA(font, sizeof a, &a);
    GetObjectA(same, sizeof b, &b);
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);
    vu_WordProcSetFont(e.editor, font);
    EXPECT_EQ(SendMessageA(e.editor, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(font));
    vu_WordProcSetFont(e.editor, nullptr);
    DeleteObject(font);
    DeleteObject(same);
}

TEST(WordProc, ColourHandlerPaintsTheBackgroundAndKeepsOneBrush)
{
    Editor e("Färg");
    HWND other = vu_WordProcSimple(e.parent, 0, 0, 30, 30, "", 10);
    COLORREF back = RGB(10, 200, 30);
    vu_test::SetMainWindowHandler([&](HWND, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
        if (msg != WM_CTLCOLOREDIT) return false;
        *result = reinterpret_cast<LRESULT>(vu_WordProcColor(
            e.editor, RGB(200, 0, 0), back, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp)));
        return true;
    });
    HDC dc = GetDC(e.editor);
    // Another control: nothing changes and the slot's brush comes back.
    EXPECT_EQ(vu_WordProcColor(e.editor, 0, 0, dc, other), vu_WordProcColor(e.editor, 0, 0, dc, other));
    HBRUSH first = vu_WordProcColor(e.editor, RGB(1, 2, 3), RGB(4, 5, 6), dc, e.editor);
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
    LOGBRUSH lb = {};
    ASSERT_EQ(GetObjectA(first, sizeof lb, &lb), static_cast<int>(sizeof lb));
    EXPECT_EQ(lb.lbColor, RGB(4, 5, 6));
    HBRUSH second = vu_WordProcColor(e.editor, RGB(1, 2, 3), RGB(7, 8, 9), dc, e.editor);
    EXPECT_NE(second, first);
    EXPECT_EQ(GetObjectType(first), 0u);  // the previous brush is released
    ReleaseDC(e.editor, dc);

    RedrawWindow(e.editor, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    dc = GetDC(e.editor);
    RECT client = {};
    GetClientRect(e.editor, &client);
    EXPECT_EQ(GetPixel(dc, client.right / 2, client.bottom / 2), back);
    ReleaseDC(e.editor, dc);
    vu_test::SetMainWindowHandler(nullptr);
}

TEST(WordProc, GeometryMembers)
{
    Editor e("Geometri");
    vu_WordProcMove(e.editor, 30, 40);
    EXPECT_EQ(vu_WordProcHide(e.editor), 0);
    EXPECT_FALSE(IsWindowVisible(e.editor));
    EXPECT_EQ(RectInParent(e.editor).left, 0);  // hidden the way top-level windows are
    EXPECT_EQ(RectInParent(e.editor).top, 0);
    EXPECT_EQ(vu_WordProcShow(e.editor), 0);
    EXPECT_EQ(vu_WordProcShow(e.editor), 1);
    EXPECT_EQ(vu_WordProcMove(e.editor, 12, 13), 0);
    EXPECT_EQ(vu_WordProcResize(e.editor, 100, 50), 0);
    EXPECT_EQ(vu_WordProcGetPos(e.editor), 0);
    EXPECT_EQ(vu_Query.x, 12);
    EXPECT_EQ(vu_Query.y, 13);
    EXPECT_EQ(vu_WordProcGetSize(e.editor), 0);
    EXPECT_EQ(vu_Query.x, 100);
    EXPECT_EQ(vu_Query.y, 50);
    EXPECT_EQ(vu_WordProcCenter(e.editor), 0);
    EXPECT_EQ(RectInParent(e.editor).left, 150);
    EXPECT_EQ(RectInParent(e.editor).top, 125);
    EXPECT_EQ(vu_WordProcFit(e.editor, 10, 10, -20, -20), 0);
    EXPECT_EQ(RectInParent(e.editor).right, 390);
    EXPECT_EQ(vu_WordProcDisable(e.editor), 0);
    EXPECT_EQ(vu_WordProcDisable(e.editor), 1);
    EXPECT_EQ(vu_WordProcEnable(e.editor), 0);
    EXPECT_EQ(vu_WordProcEnable(e.editor), 1);
    UpdateWindow(e.editor);
    EXPECT_EQ(vu_WordProcRedraw(e.editor), 0);
    RECT update = {};
    EXPECT_TRUE(GetUpdateRect(e.editor, &update, FALSE));
    SetForegroundWindow(e.parent);
    SetFocus(e.parent);
    EXPECT_EQ(vu_WordProcHasFocus(e.editor), nullptr);
    EXPECT_EQ(vu_WordProcSetFocus(e.editor), e.parent);
    EXPECT_EQ(vu_WordProcHasFocus(e.editor), e.editor);
    EXPECT_EQ(vu_WordProcDestroy(e.editor), 0);
    EXPECT_FALSE(IsWindow(e.editor));
    EXPECT_EQ(vu_WordProcDestroy(e.editor), 1);
    EXPECT_EQ(vu_WordProcHide(e.editor), 1);
    EXPECT_EQ(vu_WordProcRedraw(e.editor), 1);
}

}  // namespace
