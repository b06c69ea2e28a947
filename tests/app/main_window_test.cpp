// Vindrulen's main window made in this process with the real MainWindowProc, its controls
// and messages: what WM_CREATE builds and WM_PAINT draws, which commands WM_COMMAND selects,
// the row field (arrows and typed digits), saving a row into vindrul.ini, the copy run and
// cancelled choosers. Dialogs are answered from the test's own thread.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>

#include "app_test.h"
#include "dialog_driver.h"
#include "main_window.h"
#include "pixels.h"
#include "query.h"
#include "rows.h"

namespace {

using app_test::IniValue;
using app_test::WriteIni;

// One main window for the whole program: the class is registered once, and destroying the
// window would post the quit message.
HWND g_main = nullptr;

class MainWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (g_main != nullptr) return;
        g_main = vu_WindowCreate(GetModuleHandleA(nullptr), "Vindrulen", 0, 0, 146, 26,
                                 "TOOLWIN_CLO");
        SetWindowPos(g_main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SendMessageA(g_main, WM_COMMAND, kConfigForm, 0);
    }
    void SetUp() override
    {
        ASSERT_NE(g_main, nullptr);
        WriteIni("");
        CurrentRow = 1;
        vu_SpinSetText(RowField, "1");
        vu_EditSetText(FromField, "");
        vu_EditSetText(ToField, "");
    }
    void TearDown() override { WriteIni(""); }
    static void Command(WPARAM wparam) { EXPECT_EQ(SendMessageA(g_main, WM_COMMAND, wparam, 0), 0); }
    static void Scroll(int code)
    {
        EXPECT_EQ(SendMessageA(g_main, WM_VSCROLL, code, reinterpret_cast<LPARAM>(RowField)), 0);
    }
    // The panel: row field, From field, To field.
    static std::string Panel()
    {
        return vu_test::TextOf(RowField) + "|" + vu_test::TextOf(FromField) + "|" +
               vu_test::TextOf(ToField);
    }
    static void ExpectSections()
    {
        for (int row = 0; row <= 9; ++row)
            EXPECT_STREQ(RowSection[row], row == 0 ? "" : std::to_string(row).c_str()) << row;
    }
};

TEST_F(MainWindow, CreatesTheButtonsAndFieldsInTheirPlaces)
{
    const DWORD kSunkenLeft = BS_LEFT, kSunkenCentre = BS_CENTER, kField = 0xFFFF;
    struct Row {
        int x, y, width, height;
        const char* cls;
        const char* text;
        int id;
        DWORD alignment;
    } const rows[] = {
        {0, 0, 100, 25, "Button", "Kopiera", 100, kSunkenCentre},
        {101, 0, 40, 25, "Button", "Config", 101, kSunkenCentre},
        {180, 0, 125, 25, "Button", "Beredskapsl\xE4ge", 102, kSunkenCentre},
        {10, 60, 40, 22, "Edit", "1", 1, kField},
        {10, 120, 245, 20, "Edit", "", 1, kField},
        {255, 120, 50, 20, "Button", "S\xF6k...", 103, kSunkenLeft},
        {10, 180, 245, 20, "Edit", "", 1, kField},
        {255, 180, 50, 20, "Button", "S\xF6k...", 104, kSunkenLeft},
        {215, 230, 90, 25, "Button", "Spara s\xF6kv\xE4gar", 105, kSunkenLeft},
    };
    const std::vector<HWND> children = vu_test::Children(g_main);
    ASSERT_EQ(children.size(), std::size(rows));
    for (size_t i = 0; i < children.size(); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(std::to_string(i) + " " + row.text);
        HWND w = children[i];
        const RECT r = vu_test::RectInParent(w);
        EXPECT_EQ(r.left, row.x);
        EXPECT_EQ(r.top, row.y);
        EXPECT_EQ(r.right - r.left, row.width);
        EXPECT_EQ(r.bottom - r.top, row.height);
        EXPECT_EQ(vu_test::ClassOf(w), row.cls);
        EXPECT_EQ(vu_test::TextOf(w), row.text);
        EXPECT_EQ(GetDlgCtrlID(w), row.id);
        EXPECT_TRUE(vu_test::ExStyleOf(w) & WS_EX_CLIENTEDGE);
        if (row.alignment == kField) continue;
        EXPECT_EQ(vu_test::StyleOf(w) & (BS_CENTER | BS_VCENTER | BS_TYPEMASK | WS_DLGFRAME),
                  row.alignment);
    }
    EXPECT_EQ(children[3], RowField);
    EXPECT_EQ(children[4], FromField);
    EXPECT_EQ(children[6], ToField);
    EXPECT_EQ(vu_test::StyleOf(RowField) & (WS_VSCROLL | ES_CENTER), DWORD(WS_VSCROLL | ES_CENTER));
    EXPECT_EQ(SendMessageA(RowField, EM_GETLIMITTEXT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(FromField, EM_GETLIMITTEXT, 0, 0), 1000);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(ToField, WM_GETFONT, 0, 0)), FieldFont);
    ExpectSections();
}

// The frame and the ten texts, drawn again after an erase that the default processing would
// otherwise do over them. Each text is compared with the same text drawn in the same font
// into a bitmap: every black pixel of that picture is black in the window too (neighbouring
// texts and the frame overlap some boxes, so only the picture's own pixels are compared).
TEST_F(MainWindow, PaintsTheFrameAndTheTenTexts)
{
    InvalidateRect(g_main, nullptr, TRUE);
    UpdateWindow(g_main);
    const struct {
        int x, y;
        bool label;
        const char* text;
    } notes[] = {
        {102, 33, false, "V\xE4lj rad i inifilen som det skall sparas till"},
        {102, 43, false, "V\xE4lj fil med s\xF6kv\xE4g som skall kopieras"},
        {102, 53, false, "V\xE4lj mapp eller annat som filen skall kopieras till"},
        {102, 63, false, "Klicka \"Spara s\xF6kv\xE4gar\" f\xF6r att spara till inifil"},
        {102, 73, false, "Forts\xE4tt med n\xE4sta rad i inifilen osv"},
        {102, 83, false, "Sedan klickar man \"Kopiera\" s\xE5 koiperas allt"},
        {10, 40, true, "V\xE4lj rad i ini-fil"},
        {10, 100, true, "V\xE4lj fil och s\xF6kv\xE4g som skall kopiera"},
        {10, 160, true, "V\xE4lj mapp eller annat som fil skall kopieras till"},
        {10, 250, false, "Version 02.01.30"},
    };
    const COLORREF black = RGB(0, 0, 0);
    for (const auto& note : notes) {
        SCOPED_TRACE(note.text);
        HFONT font = note.label ? LabelFont : NoteFont;
        HDC dc = GetDC(g_main);
        HGDIOBJ old = SelectObject(dc, font);
        SIZE size = {};
        GetTextExtentPoint32A(dc, note.text, lstrlenA(note.text), &size);
        SelectObject(dc, old);
        ReleaseDC(g_main, dc);
        const vu_test::Pixels want = vu_test::TextPicture(font, note.text, size.cx, size.cy);
        const vu_test::Pixels got = vu_test::Grab(g_main, note.x, note.y, size.cx, size.cy);
        int compared = 0, wrong = 0;
        for (int y = 0; y < want.height; ++y)
            for (int x = 0; x < want.width; ++x)
                if (want.at(x, y) == black && (++compared, got.at(x, y) != black)) ++wrong;
        EXPECT_GT(compared, 20);
        EXPECT_EQ(wrong, 0);
    }
    // The raised frame: white outer top-left and inner bottom-right, black the others.
    const struct {
        int x, y;
        COLORREF colour;
    } frame[] = {{98, 30, RGB(255, 255, 255)}, {98, 95, RGB(255, 255, 255)}, {305, 96, black},
                 {100, 32, black},             {303, 90, RGB(255, 255, 255)}, {99, 60, vu_test::kBackground}};
    for (const auto& p : frame)
        EXPECT_EQ(vu_test::Pixel(g_main, p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST_F(MainWindow, OnlyTheSixIdsWithoutNotificationSelectACommand)
{
    vu_EditSetText(FromField, "C:\\x.txt");
    RECT before = {};
    GetWindowRect(g_main, &before);
    for (WPARAM w : {MAKEWPARAM(102, 1), MAKEWPARAM(105, BN_CLICKED + 3), WPARAM(99), WPARAM(106),
                     WPARAM(102 + 0x10000), WPARAM(105 + 0x10000)}) {
        Command(w);
        RECT r = {};
        GetWindowRect(g_main, &r);
        EXPECT_TRUE(EqualRect(&r, &before)) << std::hex << w;
        EXPECT_FALSE(vu_test::FileExists(app_test::IniPath())) << std::hex << w;
    }
    // The two forms: the corner, and the configuration form centred.
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    const struct {
        WPARAM command;
        RECT want;
    } forms[] = {{kCornerForm, {0, 0, 146, 26 + caption}},
                 {kConfigForm, {(GetSystemMetrics(SM_CXSCREEN) - 320) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - 270 - 2 * caption) / 2, 320, 270 + caption}}};
    for (const auto& form : forms) {
        Command(form.command);
        RECT r = {};
        GetWindowRect(g_main, &r);
        EXPECT_EQ(r.left, form.want.left) << form.command;
        EXPECT_EQ(r.top, form.want.top) << form.command;
        EXPECT_EQ(r.right - r.left, form.want.right) << form.command;
        EXPECT_EQ(r.bottom - r.top, form.want.bottom) << form.command;
    }
    EXPECT_EQ(vu_test::TextOf(FromField), "");  // "Config" loaded row 1 again
}

// Arrows as the row field reports them; row 0 and 10 (an arrow held beyond an end) read no
// data and save nothing; the file's sections "0" and "10" are never used.
TEST_F(MainWindow, ArrowsStepTheRowAndTheEndsSaveNothing)
{
    WriteIni("[1]\r\nFrom=C:\\a1\r\nTo=D:\\b1\r\n[2]\r\nFrom=C:\\a2\r\n[9]\r\nFrom=C:\\a9\r\n"
             "To=D:\\b9\r\n[10]\r\nFrom=C:\\ten\r\n[0]\r\nFrom=C:\\zero\r\n");
    const struct {
        int start, code, row;
        const char* held;      // the panel while the arrow is held
        const char* released;  // and after it is released
    } rows[] = {
        {1, SB_LINEDOWN, 2, "1|C:\\a2|", "2|C:\\a2|"},
        {2, SB_LINEUP, 1, "2|C:\\a1|D:\\b1", "1|C:\\a1|D:\\b1"},
        {1, SB_LINEUP, 0, "1||", "1|C:\\a1|D:\\b1"},
        {9, SB_LINEDOWN, 10, "9||", "9|C:\\a9|D:\\b9"},
        {0, SB_LINEUP, 0, "1||", "1|C:\\a1|D:\\b1"},  // held on: clamped first, then stepped
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.start) + " " + std::to_string(row.code));
        CurrentRow = row.start;
        Scroll(row.code);
        EXPECT_EQ(CurrentRow, row.row);
        EXPECT_EQ(Panel(), row.held);
        Command(kSaveRow);  // beyond an end: writes nothing
        Scroll(SB_ENDSCROLL);
        EXPECT_EQ(Panel(), row.released);
    }
    EXPECT_EQ(IniValue("0", "From"), "C:\\zero");
    EXPECT_EQ(IniValue("10", "From"), "C:\\ten");
    std::string bytes;
    ASSERT_TRUE(vu_test::ReadFileBytes(app_test::IniPath(), &bytes));
    EXPECT_EQ(bytes.find("[]"), std::string::npos);
    // Another scroll bar steps nothing; the row is loaded again.
    vu_EditSetText(FromField, "edited");
    EXPECT_EQ(SendMessageA(g_main, WM_VSCROLL, SB_LINEDOWN, 0), 0);
    EXPECT_EQ(Panel(), "1|C:\\a1|D:\\b1");
    ExpectSections();
}

// A digit typed into the row field selects that row; anything else is replaced at once by
// the current row's digit. The digit shown is always the row that is saved.
TEST_F(MainWindow, TypedRowDigitsSelectTheRowAndNothingElseStays)
{
    WriteIni("[5]\r\nFrom=C:\\a5\r\nTo=D:\\b5\r\n[3]\r\nFrom=C:\\a3\r\n");
    const struct {
        int start;
        char typed;
        const char* panel;
    } rows[] = {
        {3, '5', "5|C:\\a5|D:\\b5"}, {5, 'x', "5||"},   {5, '0', "5||"},
        {3, '\b', "3||"},            {9, '1', "1||"},   {1, '3', "3|C:\\a3|"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(1, row.typed) + " on row " + std::to_string(row.start));
        CurrentRow = row.start;
        vu_SpinSetText(RowField, RowSection[row.start]);
        vu_EditSetText(FromField, "");
        vu_EditSetText(ToField, "");
        SendMessageA(RowField, EM_SETSEL, 0, -1);
        SendMessageA(RowField, WM_CHAR, static_cast<unsigned char>(row.typed), 1);
        EXPECT_EQ(Panel(), row.panel);
        const int shown = CurrentRow;
        Scroll(SB_ENDSCROLL);  // the arrows go on from the row shown
        EXPECT_EQ(CurrentRow, shown);
        EXPECT_EQ(vu_test::TextOf(RowField), std::to_string(shown));
    }
    // Saving writes the row the field shows.
    vu_EditSetText(FromField, "C:\\ny");
    Command(kSaveRow);
    EXPECT_EQ(IniValue("3", "From"), "C:\\ny");
    EXPECT_EQ(IniValue("1", "From"), "<none>");
    ExpectSections();
}

TEST_F(MainWindow, SavesTheFieldsCutTo999CharactersOrSaysItCannot)
{
    const std::string long_path = "C:\\" + std::string(997, 'p');  // 1000 characters
    vu_EditSetText(FromField, long_path.c_str());
    CurrentRow = 4;
    vu_SpinSetText(RowField, "4");
    Command(kSaveRow);
    EXPECT_EQ(IniValue("4", "From"), long_path.substr(0, 999));
    EXPECT_EQ(IniValue("4", "To"), "");
    EXPECT_EQ(vu_test::TextOf(FromField), long_path);
    // A file that cannot be written (a folder in its place): the user is told.
    WriteIni("");
    ASSERT_TRUE(CreateDirectoryA(app_test::IniPath().c_str(), nullptr));
    std::string caption, text;
    vu_test::DialogDriver driver(
        [&](HWND box) {
            caption = vu_test::TextOf(box);
            text = vu_test::ItemText(box, 0xFFFF);
            vu_test::ClickItem(box, IDOK);
        },
        g_main);
    Command(kSaveRow);
    EXPECT_FALSE(driver.gave_up());
    EXPECT_EQ(caption, "ini-fel");
    EXPECT_EQ(text, "Kunde inte spara rad 4");
}

// A run ended by a row without a source: the one message, and the panel as it was.
TEST_F(MainWindow, TheCopyRunLeavesTheRowAndTheFieldsAlone)
{
    CurrentRow = 6;
    vu_SpinSetText(RowField, "6");
    vu_EditSetText(FromField, "C:\\osparad");
    vu_EditSetText(ToField, "D:\\osparad");
    std::string captions;
    vu_test::DialogDriver driver(
        [&](HWND box) {
            captions += vu_test::TextOf(box);
            vu_test::ClickItem(box, IDOK);
        },
        g_main);
    Command(kCopyAll);
    EXPECT_EQ(captions, "ini-fel");
    EXPECT_EQ(CurrentRow, 6);
    EXPECT_EQ(Panel(), "6|C:\\osparad|D:\\osparad");
}

// A cancelled chooser changes neither the fields nor the chooser's buffers, whatever they
// hold: a long folder path that one more separator and name would overrun.
TEST_F(MainWindow, CancelledChoosersChangeNothing)
{
    const std::string folder = "C:\\" + std::string(247, 'f');
    const struct {
        int command;
        std::string path;
    } rows[] = {{kChooseFolder, folder}, {kChooseFolder, folder + "\\name.txt"},
                {kChooseFolder, std::string(MAX_PATH - 1, 'h')}, {kChooseSource, "C:\\A\\B\\r.txt"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.command) + " " + std::to_string(row.path.size()));
        std::memset(vu_OpenPath, 'h', MAX_PATH);
        std::memcpy(vu_OpenPath, row.path.c_str(), row.path.size());
        if (row.path.size() < MAX_PATH) vu_OpenPath[row.path.size()] = '\0';
        std::strcpy(vu_OpenName, "name.txt");
        vu_EditSetText(FromField, "C:\\from");
        vu_EditSetText(ToField, "D:\\to");
        for (int i = 0; i < 3; ++i) {
            vu_test::DialogDriver driver([](HWND d) { vu_test::ClickItem(d, IDCANCEL); }, g_main);
            Command(row.command);
            EXPECT_TRUE(driver.found());
        }
        EXPECT_EQ(std::string(vu_OpenPath), row.path.substr(0, MAX_PATH - 1));
        EXPECT_STREQ(vu_OpenName, "name.txt");
        EXPECT_EQ(Panel(), "1|C:\\from|D:\\to");
    }
}

}  // namespace
