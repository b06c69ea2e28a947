// The two "Sök..." buttons of vindrulen.exe through the real open-file and folder choosers,
// completed as a user would, and the numeric keypad's 4 to 9 typed into a path field.
#include <gtest/gtest.h>

#include <string>

#include "vindrulen_driver.h"

namespace {

using driver::Program;

constexpr int kFileNameField = 0x47C;
constexpr UINT kSetSelection = WM_USER + 102;  // BFFM_SETSELECTIONA
constexpr UINT kTreeCount = 0x1100 + 5;       // TVM_GETCOUNT
constexpr UINT kTreeNextItem = 0x1100 + 10;   // TVM_GETNEXTITEM
constexpr WPARAM kRoot = 0, kCaret = 9;        // TVGN_ROOT, TVGN_CARET

// Clicks a "Sök..." button and waits for the chooser it opens.
HWND OpenChooser(const Program& program, int y)
{
    program.ClickButton(255, y);
    return program.WaitDialog();
}

void ChooseFile(const Program& program, const std::string& path)
{
    HWND dialog = OpenChooser(program, 120);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(driver::TextOf(dialog), "Kopiera fr\xE5n fil..");
    HWND name = GetDlgItem(dialog, kFileNameField);
    ASSERT_NE(name, nullptr);
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(driver::WaitFor([&] { return !IsWindow(dialog); }));
}

// A static text of the dialog shows this text.
bool HasText(HWND dialog, const std::string& text)
{
    for (HWND w : driver::Children(dialog))
        if (driver::TextOf(w) == text) return true;
    return false;
}

// Selects the folder in the program's folder browser (the path must lie in the program's
// own memory) and clicks OK.
void ChooseFolder(const Program& program, const std::string& folder)
{
    HWND dialog = OpenChooser(program, 180);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(HasText(dialog, "S\xF6k \xF6nskad mapp!"));
    void* remote = VirtualAllocEx(program.Process(), nullptr, folder.size() + 1, MEM_COMMIT,
                                  PAGE_READWRITE);
    ASSERT_NE(remote, nullptr);
    ASSERT_TRUE(WriteProcessMemory(program.Process(), remote, folder.c_str(), folder.size() + 1,
                                   nullptr));
    // The browser takes a selection once its tree is filled.
    HWND tree = GetDlgItem(dialog, 0x3741);
    ASSERT_NE(tree, nullptr);
    ASSERT_TRUE(driver::WaitFor([&] { return SendMessageA(tree, kTreeCount, 0, 0) > 0; }));
    // Until the browser has settled it may still select its root (the Desktop) itself:
    // select until the selection stays off the root.
    auto selected = [&] {
        const LRESULT caret = SendMessageA(tree, kTreeNextItem, kCaret, 0);
        return caret != 0 && caret != SendMessageA(tree, kTreeNextItem, kRoot, 0);
    };
    for (int attempt = 0; attempt < 5; ++attempt) {
        SendMessageA(dialog, kSetSelection, TRUE, reinterpret_cast<LPARAM>(remote));
        if (driver::WaitFor(selected, 5000) && SendMessageTimeoutA(dialog, WM_NULL, 0, 0,
                                                                    SMTO_NORMAL, driver::kPatience, nullptr) &&
            selected())
            break;
    }
    ASSERT_TRUE(selected());
    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(driver::WaitFor([&] { return !IsWindow(dialog); }));
    VirtualFreeEx(program.Process(), remote, 0, MEM_RELEASE);
}

void CancelChooser(const Program& program, int y)
{
    HWND dialog = OpenChooser(program, y);
    ASSERT_NE(dialog, nullptr);
    PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(driver::WaitFor([&] { return !IsWindow(dialog); }));
}

struct Files {
    std::string dir = vu_test::NewTempDir();  // with a trailing backslash
    std::string folder = dir.substr(0, dir.size() - 1);
    std::string source = dir + "rapport.txt";
    Files() { EXPECT_TRUE(vu_test::WriteFileBytes(source, "innehåll")); }
};

TEST(Choosers, FileThenFolderComposeTheDestination)
{
    VU_SKIP_TIMED_INPUT_UNDER_HEAP_CHECKER();
    driver::RemoveIni();
    Files files;
    Program program;
    ASSERT_TRUE(program.Ready());
    program.ConfigForm();
    program.TypeInto(program.To(), "gammal");
    ChooseFile(program, files.source);
    EXPECT_TRUE(driver::Shows(program.From(), files.source));
    EXPECT_TRUE(driver::Shows(program.To(), ""));

    ChooseFolder(program, files.folder);
    EXPECT_TRUE(driver::Shows(program.To(), files.folder + "\\rapport.txt"));

    // A drive root already ends with its separator.
    ChooseFolder(program, "C:\\");
    EXPECT_TRUE(driver::Shows(program.To(), "C:\\rapport.txt"));

    // A cancelled folder choice appends the name to what the path buffer holds.
    CancelChooser(program, 180);
    EXPECT_TRUE(driver::Shows(program.To(), "C:\\rapport.txt\\rapport.txt"));
    // A cancelled file choice gives From the buffer's content and empties To.
    CancelChooser(program, 120);
    EXPECT_TRUE(driver::Shows(program.From(), "C:\\rapport.txt\\rapport.txt"));
    EXPECT_TRUE(driver::Shows(program.To(), ""));
    EXPECT_TRUE(program.Idle());
    EXPECT_TRUE(program.NoDialog());
}

TEST(Choosers, FolderBeforeAnyFileGivesTheFolderAndASeparator)
{
    VU_SKIP_TIMED_INPUT_UNDER_HEAP_CHECKER();
    driver::RemoveIni();
    Files files;
    Program program;
    ASSERT_TRUE(program.Ready());
    program.ConfigForm();
    ChooseFolder(program, files.folder);
    driver::Shows(program.To(), files.folder + "\\");
    EXPECT_EQ(driver::TextOf(program.To()), files.folder + "\\");
    EXPECT_EQ(driver::TextOf(program.From()), "");
}

// Turns Num Lock on for the program's input and puts it back as it was at the end.
class NumLockOn {
public:
    explicit NumLockOn(DWORD thread) : thread_(thread)
    {
        attached_ = AttachThreadInput(GetCurrentThreadId(), thread_, TRUE) != 0;
        driver::WaitFor([] { return true; });
        was_on_ = State();
        if (!was_on_) driver::Press(VK_NUMLOCK);
        driver::WaitFor([&] { return State(); });
    }
    ~NumLockOn()
    {
        if (!was_on_ && State()) {
            driver::Press(VK_NUMLOCK);
            driver::WaitFor([&] { return !State(); }, 5000);
        }
        if (attached_) AttachThreadInput(GetCurrentThreadId(), thread_, FALSE);
    }
    bool On() const { return State(); }

private:
    static bool State() { return (GetKeyState(VK_NUMLOCK) & 1) != 0; }
    DWORD thread_;
    bool attached_ = false;
    bool was_on_ = false;
};

// Presses a keypad key in the From field, which must have the focus for it.
void Keypad(const Program& program, int digit)
{
    program.FocusField(program.From());
    driver::Press(static_cast<WORD>(VK_NUMPAD0 + digit));
}

TEST(Choosers, KeypadFourToNineRunTheSixCommandsWithNumLockOn)
{
    VU_SKIP_TIMED_INPUT_UNDER_HEAP_CHECKER();
    driver::RemoveIni();
    Files files;
    Program program;
    ASSERT_TRUE(program.Ready());
    program.ConfigForm();
    ASSERT_TRUE(program.Front());
    // Num Lock on, as the program's thread sees it: sharing its input state lets this
    // thread read the program's key state.
    NumLockOn num_lock(program.ThreadId());
    ASSERT_TRUE(num_lock.On());

    program.TypeInto(program.From(), files.source.substr(0, files.source.size() - 1));
    program.TypeInto(program.To(), files.dir + "kopia.tx");
    // 9 saves; the digit the key types reaches the field first.
    program.TypeInto(program.From(), "");
    driver::Press(VK_NUMPAD9);
    const std::string typed = files.source.substr(0, files.source.size() - 1) + "9";
    ASSERT_TRUE(driver::WaitFor([&] {
        driver::Ini ini = driver::ReadIni();
        return ini["1"]["From"] == typed && ini["1"]["To"] == files.dir + "kopia.tx";
    }));
    EXPECT_EQ(driver::TextOf(program.From()), typed);

    // 5 is "Config": the row is read back (the field loses its unsaved edit).
    program.TypeInto(program.To(), "t");
    ASSERT_TRUE(driver::Shows(program.To(), files.dir + "kopia.txt"));
    Keypad(program, 5);
    EXPECT_TRUE(driver::Shows(program.To(), files.dir + "kopia.tx"));

    // 7 opens the file chooser, 8 the folder chooser.
    Keypad(program, 7);
    HWND dialog = program.WaitDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(driver::TextOf(dialog), "Kopiera fr\xE5n fil..");
    PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(driver::WaitFor([&] { return program.NoDialog(); }));
    Keypad(program, 8);
    dialog = program.WaitDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(HasText(dialog, "S\xF6k \xF6nskad mapp!"));
    PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(driver::WaitFor([&] { return program.NoDialog(); }));

    // 4 is the copy run: row 1 is copied (its source exists), row 2 ends it with the message.
    std::string ini;
    ASSERT_TRUE(vu_test::ReadFileBytes(driver::IniPath(), &ini));
    driver::WriteIni("[1]\r\nFrom=" + files.source + "\r\nTo=" + files.dir + "kopia.txt\r\n");
    Keypad(program, 4);
    HWND box = program.WaitDialog();
    ASSERT_NE(box, nullptr);
    std::string caption, message;
    driver::CloseMessageBox(box, &caption, &message);
    EXPECT_EQ(caption, "ini-fel");
    std::string copied;
    EXPECT_TRUE(vu_test::ReadFileBytes(files.dir + "kopia.txt", &copied));
    EXPECT_EQ(copied, "innehåll");

    // 6 is "Beredskapsläge".
    Keypad(program, 6);
    const int caption_height = GetSystemMetrics(SM_CYCAPTION);
    EXPECT_TRUE(driver::WaitFor([&] { return program.OuterSizeIs(146, 26 + caption_height); }));
    RECT r = {};
    GetWindowRect(program.Main(), &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
}

}  // namespace
