// gallery.exe as a user meets it: started as its own process, every page opened from the
// menu bar with the keyboard (Alt and the item's underlined letter), each page's controls
// found, a picture of each page saved for the documentation, and the program closed with
// Alt+F4.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "menu_real_input.h"
#include "vu_test.h"

namespace {

std::string ExePath() { return vu_test::ProgramDir() + "gallery.exe"; }

// Screenshots land beside the bin folder, in <build>/screenshots.
std::string ScreenshotPath(const char* page)
{
    const std::string folder = vu_test::ProgramDir() + "..\\screenshots\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "gallery-" + page + ".bmp";
}

struct WindowSearch {
    DWORD pid;
    const char* class_name;
    HWND found;
};

BOOL CALLBACK FindWindowOf(HWND w, LPARAM lp)
{
    WindowSearch* s = reinterpret_cast<WindowSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    if (pid != s->pid || !IsWindowVisible(w) || lstrcmpA(name, s->class_name) != 0) return TRUE;
    s->found = w;
    return FALSE;
}

struct Program {
    PROCESS_INFORMATION info = {};
    bool started = false;

    Program()
    {
        std::string line = "\"" + ExePath() + "\"";
        std::vector<char> buf(line.begin(), line.end());
        buf.push_back('\0');
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        started = CreateProcessA(ExePath().c_str(), buf.data(), nullptr, nullptr, FALSE, 0,
                                 nullptr, nullptr, &si, &info) != 0;
    }
    ~Program()
    {
        if (!started) return;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    // The program's visible top-level window of the given class ("#32770" for a dialog),
    // or null.
    HWND Window(const char* class_name) const
    {
        WindowSearch search = {info.dwProcessId, class_name, nullptr};
        EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    bool Ended(int timeout_ms) const
    {
        return vu_test::WaitFor(
            [&] { return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0; }, timeout_ms);
    }
    DWORD ExitCode() const
    {
        DWORD code = 12345;
        GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
};

std::string Title(HWND w)
{
    char text[128] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

BOOL CALLBACK CountChild(HWND child, LPARAM lp)
{
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    ++(*reinterpret_cast<std::map<std::string, int>*>(lp))[name];
    return TRUE;
}

// How many child windows of each class the window has, at any depth.
std::map<std::string, int> ChildClasses(HWND w)
{
    std::map<std::string, int> counts;
    EnumChildWindows(w, CountChild, reinterpret_cast<LPARAM>(&counts));
    return counts;
}

// The window's pixels as the screen shows them: 24-bit rows, top row first.
struct Picture {
    int width = 0, height = 0;
    std::vector<BYTE> bits;
    int Stride() const { return (width * 3 + 3) & ~3; }
};

Picture Capture(HWND w)
{
    RECT r;
    GetWindowRect(w, &r);
    Picture pic;
    pic.width = r.right - r.left;
    pic.height = r.bottom - r.top;
    pic.bits.resize(static_cast<size_t>(pic.Stride()) * pic.height);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, pic.width, pic.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, pic.width, pic.height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = pic.width;
    bi.bmiHeader.biHeight = -pic.height;  // top row first
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    GetDIBits(memory, bitmap, 0, pic.height, pic.bits.data(), &bi, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pic;
}

// The screen's pixel at a point of the window's client area.
COLORREF ClientPixel(HWND w, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(w, &p);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// The window once it has stopped changing: two captures in a row alike.
Picture SettledCapture(HWND w)
{
    Picture last = Capture(w);
    vu_test::WaitFor(
        [&] {
            Picture next = Capture(w);
            const bool same = next.bits == last.bits;
            last = next;
            return same;
        },
        3000);
    return last;
}

bool SaveBmp(const Picture& pic, const std::string& path)
{
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = pic.width;
    info.biHeight = -pic.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(pic.bits.size());
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    bytes.append(reinterpret_cast<const char*>(pic.bits.data()), pic.bits.size());
    return vu_test::WriteFileBytes(path, bytes);
}

void BringToFront(HWND w)
{
    SetForegroundWindow(w);
    ASSERT_TRUE(vu_test::WaitFor([&] { return GetForegroundWindow() == w; }, 3000));
}

// One page of the gallery: the underlined letter of its menu-bar item, the title the
// window shows with it, the file-name part of its screenshot, and the child windows
// (class, count) it must have.
struct PageCase {
    char key;
    const char* title;
    const char* shot;
    std::map<std::string, int> children;
};

const std::vector<PageCase>& Pages()
{
    static const std::vector<PageCase> pages = {
        // 5 push buttons, 3 check buttons, 3 group boxes, 3 picture push buttons and the
        // owner-drawn one are all of the button class.
        {'K', "Galleri - Knappar", "knappar",
         {{"Button", 15}, {"ToolbarWindow32", 1}, {"msctls_updown32", 2}}},
        // 6 edit fields, the spin field and the inner fields of the two writable comboboxes;
        // the simple combobox's list is its child, the drop-downs' lists are not.
        {'F', "Galleri - Fält", "falt", {{"Edit", 9}, {"ComboBox", 3}, {"ComboLBox", 1}}},
        // The list view's header is its child; the button steps the progress bar.
        {'L', "Galleri - Listor", "listor",
         {{"SysListView32", 1}, {"SysHeader32", 1}, {"msctls_progress32", 1},
          {"msctls_trackbar32", 2}, {"msctls_statusbar32", 1}, {"Button", 1}}},
        {'R', "Galleri - Rita", "rita", {}},
        // One button per dialog.
        {'D', "Galleri - Dialoger", "dialoger", {{"Button", 9}}},
        // Six editing buttons over the editor.
        {'E', "Galleri - Redigerare", "redigerare", {{"Button", 6}, {"Edit", 1}}},
    };
    return pages;
}

// Opens a page as a user does: Alt and the menu item's letter.
void OpenPage(HWND w, const PageCase& page)
{
    BringToFront(w);
    vu_test::Chord(VK_MENU, static_cast<WORD>(page.key));
    ASSERT_TRUE(vu_test::WaitFor([&] { return Title(w) == page.title; }, 5000))
        << "page " << page.title << " did not open; title is " << Title(w);
}

// Clicks the dialogs page's "Meddelande" button, reads the message box that opens, and
// closes it with Return (Escape would answer Cancel under Wine, not OK).
void OpenAndCloseMessageBox(const Program& program, HWND w)
{
    HWND button = FindWindowExA(w, nullptr, "Button", "Meddelande");
    ASSERT_NE(button, nullptr);
    RECT r;
    GetWindowRect(button, &r);
    BringToFront(w);
    vu_test::PointerTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    vu_test::Click(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    HWND box = nullptr;
    ASSERT_TRUE(
        vu_test::WaitFor([&] { return (box = program.Window("#32770")) != nullptr; }, 5000));
    EXPECT_EQ(GetWindow(box, GW_OWNER), w);
    EXPECT_EQ(Title(box), "Galleri");
    char text[128] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_STREQ(text, "Det här är en meddelanderuta.");
    BringToFront(box);
    vu_test::Stroke(VK_RETURN);
    EXPECT_TRUE(vu_test::WaitFor([&] { return !IsWindow(box); }, 5000));
}

TEST(Gallery, EveryPageOpensFromTheMenuBarShowsItsControlsAndIsPhotographed)
{
    Program program;
    ASSERT_TRUE(program.started) << ExePath();
    HWND w = nullptr;
    ASSERT_TRUE(vu_test::WaitFor([&] { return (w = program.Window("Galleri")) != nullptr; },
                                 10000));
    EXPECT_EQ(Title(w), "Galleri - Knappar");  // the first page shows at start
    ASSERT_NE(GetMenu(w), nullptr);

    // Pages in reverse, so that the first one too is reached by a switch.
    for (auto page = Pages().rbegin(); page != Pages().rend(); ++page) {
        SCOPED_TRACE(page->title);
        OpenPage(w, *page);
        if (HasFatalFailure()) return;
        vu_test::WaitFor([&] { return ChildClasses(w) == page->children; }, 3000);
        EXPECT_EQ(ChildClasses(w), page->children);
        if (page->key == 'R') {
            // The drawing page draws its pictures last: the 4 x 4 swatch stretched to 40 x 40
            // at client (270, 262), then pixels from (330, 262) every 4 to (390, 322).
            EXPECT_TRUE(vu_test::WaitFor(
                [&] { return ClientPixel(w, 290, 282) == RGB(0x20, 0x90, 0xD0); }, 10000));
            EXPECT_TRUE(vu_test::WaitFor(
                [&] { return ClientPixel(w, 390, 322) == RGB(240, 240, 160); }, 10000));
        }
        EXPECT_TRUE(SaveBmp(SettledCapture(w), ScreenshotPath(page->shot)));
        if (page->key == 'D') OpenAndCloseMessageBox(program, w);
    }

    BringToFront(w);
    vu_test::Chord(VK_MENU, VK_F4);
    ASSERT_TRUE(program.Ended(10000));
    EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
