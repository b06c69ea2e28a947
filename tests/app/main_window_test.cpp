// Vindrulen's main window in this process (the real MainWindowProc): its children and paint, the
// commands, the row field, vindrul.ini saves, the copy run, cancelled choosers (dialogs answered here).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app_test.h"
#include "dialog_driver.h"
#include "main_window.h"
#include "pixels.h"
#include "query.h"
#include "rows.h"

namespace {

using namespace app_test;
using vu_test::TextOf;

// One main window for the whole program: destroying it would post the quit message.
HWND g_main = nullptr;

class MainWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        g_main = vu_WindowCreate(GetModuleHandleA(nullptr), "Vindrulen", 0, 0, 146, 26, "TOOLWIN_CLO");
        SetWindowPos(g_main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SendMessageA(g_main, WM_COMMAND, kConfigForm, 0);
    }
    void SetUp() override { WriteIni(""); SetPanel(1, "", ""); }
    void TearDown() override  // the section names never change
    {
        WriteIni("");
        EXPECT_EQ(std::string(RowSection[0], sizeof RowSection),
                  std::string("\0\0" "1\0" "2\0" "3\0" "4\0" "5\0" "6\0" "7\0" "8\0" "9", 20));
    }
    // The current row (0 to 9) with its digit in the row field, and the two path fields.
    static void SetPanel(int row, const char* from, const char* to)
    {
        CurrentRow = row;
        vu_SpinSetText(RowField, RowSection[row]);
        vu_EditSetText(FromField, from);
        vu_EditSetText(ToField, to);
    }
    static std::string Panel() { return TextOf(RowField) + "|" + TextOf(FromField) + "|" + TextOf(ToField); }
    static void Command(WPARAM wparam) { SendMessageA(g_main, WM_COMMAND, wparam, 0); }
    static void Scroll(int code) { SendMessageA(g_main, WM_VSCROLL, code, LPARAM(RowField)); }
    // The message box a command shows, "caption|text", answered with OK.
    static std::string Box(WPARAM command)
    {
        std::string seen = "<none>";
        vu_test::DialogDriver driver([&](HWND box) {
            seen = TextOf(box) + "|" + vu_test::ItemText(box, 0xFFFF);
            vu_test::ClickItem(box, IDOK);
        }, g_main);
        Command(command);
        return seen;
    }
};

// Each child in creation order: place, size, class, text, id, style bits (alignment, button type,
// thick frame, arrows), sunken edge, character limit and the path fields' font.
TEST_F(MainWindow, CreatesTheButtonsAndFieldsInTheirPlaces)
{
    const char* const rows[] = {
        "0,0 100x25 Button \"Kopiera\" 100 300 sunken 0",
        "101,0 40x25 Button \"Config\" 101 300 sunken 0",
        "180,0 125x25 Button \"Beredskapsl\xE4ge\" 102 300 sunken 0",
        "10,60 40x22 Edit \"1\" 1 200101 sunken 1",
        "10,120 245x20 Edit \"\" 1 100 sunken 1000 path",
        "255,120 50x20 Button \"S\xF6k...\" 103 100 sunken 0",
        "10,180 245x20 Edit \"\" 1 100 sunken 1000 path",
        "255,180 50x20 Button \"S\xF6k...\" 104 100 sunken 0",
        "215,230 90x25 Button \"Spara s\xF6kv\xE4gar\" 105 100 sunken 0",
    };
    const std::vector<HWND> children = vu_test::Children(g_main);
    ASSERT_EQ(children.size(), sizeof rows / sizeof *rows);
    for (size_t i = 0; i < children.size(); ++i) {
        HWND w = children[i];
        const RECT r = vu_test::RectInParent(w);
        char got[200];
        std::snprintf(got, sizeof got, "%ld,%ld %ldx%ld %s \"%s\" %d %lx%s %ld%s", r.left, r.top,
                      r.right - r.left, r.bottom - r.top, vu_test::ClassOf(w).c_str(), TextOf(w).c_str(),
                      GetDlgCtrlID(w), vu_test::StyleOf(w) & (BS_CENTER | BS_TYPEMASK | WS_DLGFRAME | WS_VSCROLL),
                      vu_test::ExStyleOf(w) & WS_EX_CLIENTEDGE ? " sunken" : "",
                      static_cast<long>(SendMessageA(w, EM_GETLIMITTEXT, 0, 0)),
                      reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0)) == FieldFont ? " path" : "");
        EXPECT_EQ(got, std::string(rows[i]));
    }
}

// The frame and the ten texts, drawn again after a pending erase. Every black pixel of each
// text drawn in the same font into a bitmap is black in the window too.
TEST_F(MainWindow, PaintsTheFrameAndTheTenTexts)
{
    InvalidateRect(g_main, nullptr, TRUE);
    UpdateWindow(g_main);
    const struct { int x, y; bool label; const char* text; } notes[] = {
        {102, 33, false, "V\xE4lj rad i inifilen som det skall sparas till"},
        {102, 43, false, "V\xE4lj fil med s\xF6kv\xE4g som skall kopieras"},
        {102, 53, false, "V\xE4lj mapp eller annat som filen skall kopieras till"},
        {102, 63, false, "Klicka \"Spara s\xF6kv\xE4gar\" f\xF6r att spara till inifil"},
        {102, 73, false, "Forts\xE4tt med n\xE4sta rad i inifilen osv"},
        {102, 83, false, "Sedan klickar man \"Kopiera\" s\xE5 koiperas allt"},
        {10, 100, true, "V\xE4lj fil och s\xF6kv\xE4g som skall kopiera"},
        {10, 160, true, "V\xE4lj mapp eller annat som fil skall kopieras till"},
        {10, 40, true, "V\xE4lj rad i ini-fil"}, {10, 250, false, "Version 02.01.30"},
    };
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    for (const auto& note : notes) {
        const int width = 310 - note.x;  // to the client area's right edge
        const vu_test::Pixels want = vu_test::TextPicture(note.label ? LabelFont : NoteFont, note.text, width, 16);
        const vu_test::Pixels got = vu_test::Grab(g_main, note.x, note.y, width, 16);
        int compared = 0, wrong = 0;
        for (size_t i = 0; i < want.colors.size(); ++i)
            if (want.colors[i] == black && (++compared, got.colors[i] != black)) ++wrong;
        EXPECT_TRUE(compared > 20 && wrong == 0) << note.text << ": " << wrong << " of " << compared;
    }
    // The raised frame: white outer top-left and inner bottom-right, black the others.
    const struct { int x, y; COLORREF colour; } frame[] = {{98, 30, white}, {98, 95, white},
        {305, 96, black}, {100, 32, black}, {303, 90, white}, {99, 60, vu_test::kBackground}};
    for (const auto& p : frame) EXPECT_EQ(vu_test::Pixel(g_main, p.x, p.y), p.colour) << p.x << "," << p.y;
}

// Only the six ids without a notification code select a command; a settings file that cannot
// be written (a folder in its place) is reported, and a copy run then finds no rows and leaves
// the row and the fields alone.
TEST_F(MainWindow, OnlyTheSixIdsSelectACommandAndAFailedSaveIsReported)
{
    vu_EditSetText(FromField, "C:\\x.txt");
    auto place = [] { const RECT r = vu_test::RectInParent(g_main);
        return std::vector<LONG>{r.left, r.top, r.right, r.bottom}; };
    const std::vector<LONG> before = place();
    for (WPARAM w : {MAKEWPARAM(102, 1), MAKEWPARAM(105, BN_CLICKED + 3), WPARAM(99), WPARAM(106),
                     WPARAM(102 + 0x10000), WPARAM(105 + 0x10000)}) {
        Command(w);
        EXPECT_EQ(place(), before) << std::hex << w;
        EXPECT_FALSE(vu_test::FileExists(app_test::IniPath())) << std::hex << w;
    }
    // The corner form, and the configuration form centred.
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    const LONG x = (GetSystemMetrics(SM_CXSCREEN) - 320) / 2;
    const LONG y = (GetSystemMetrics(SM_CYSCREEN) - 270 - 2 * caption) / 2;
    Command(kCornerForm);
    EXPECT_EQ(place(), std::vector<LONG>({0, 0, 146, 26 + caption}));
    Command(kConfigForm);
    EXPECT_EQ(place(), std::vector<LONG>({x, y, x + 320, y + 270 + caption}));
    EXPECT_EQ(TextOf(FromField), "");  // "Config" loaded row 1 again

    SetPanel(4, "C:\\osparad", "");
    ASSERT_TRUE(CreateDirectoryA(app_test::IniPath().c_str(), nullptr));
    EXPECT_EQ(Box(kSaveRow), "ini-fel|Kunde inte spara rad 4");
    EXPECT_EQ(Box(kCopyAll), "ini-fel|Finns inga uppgifter i ini-filen");
    EXPECT_EQ(std::to_string(CurrentRow) + " " + Panel(), "4 4|C:\\osparad|");
}

// The row field: an arrow ('^', 'v') held and released, or a character typed (1 to 9 selects that
// row, anything else gives way to the row's digit); at row 0 or 10 nothing is read or saved. Each
// step saves "T" as the destination; the release reloads the row: the row shown was the one saved.
TEST_F(MainWindow, TheRowFieldSelectsRowsOneToNineOnly)
{
    WriteIni("[1]\r\nFrom=C:\\a1\r\nTo=D:\\b1\r\n[2]\r\nFrom=C:\\a2\r\n[5]\r\nFrom=C:\\a5\r\nTo=D:\\b5\r\n"
             "[9]\r\nFrom=C:\\a9\r\nTo=D:\\b9\r\n[10]\r\nFrom=C:\\ten\r\n[0]\r\nFrom=C:\\zero\r\n");
    // CurrentRow and the panel after the arrow or key, and the panel after the release.
    const struct { int start; char key; const char *held, *released; } rows[] = {
        {1, 'v', "2 1|C:\\a2|", "2|C:\\a2|T"},   {2, '^', "1 2|C:\\a1|D:\\b1", "1|C:\\a1|T"},
        {1, '^', "0 1||", "1|C:\\a1|T"},        {9, 'v', "10 9||", "9|C:\\a9|D:\\b9"},
        {0, '^', "0 1||", "1|C:\\a1|T"},  // held on: clamped first, then stepped
        {2, '5', "5 5|C:\\a5|D:\\b5", "5|C:\\a5|T"}, {5, 'x', "5 5||", "5||T"},
        {5, '0', "5 5||", "5||T"},              {3, '\b', "3 3||", "3||T"},
        {9, '1', "1 1|C:\\a1|T", "1|C:\\a1|T"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.start) + " " + row.key);
        SetPanel(row.start, "", "");
        if (row.key == '^' || row.key == 'v') {
            Scroll(row.key == '^' ? SB_LINEUP : SB_LINEDOWN);
        } else {
            SendMessageA(RowField, EM_SETSEL, 0, -1);
            SendMessageA(RowField, WM_CHAR, static_cast<unsigned char>(row.key), 1);
        }
        EXPECT_EQ(std::to_string(CurrentRow) + " " + Panel(), row.held);
        vu_EditSetText(ToField, "T");
        Command(kSaveRow);
        Scroll(SB_ENDSCROLL);
        EXPECT_EQ(Panel(), row.released);
    }
    char names[200] = {};  // the file's sections: rows 0 and 10 wrote none
    const DWORD length = GetPrivateProfileSectionNamesA(names, sizeof names, IniPath().c_str());
    EXPECT_EQ(std::string(names, length), std::string("1\0" "2\0" "5\0" "9\0" "10\0" "0\0" "3\0", 15));
}

// A cancelled chooser changes neither the fields nor the chooser's buffers, whatever they
// hold: a folder path that a separator and the name would fill, one without an end.
TEST_F(MainWindow, CancelledChoosersChangeNothing)
{
    const struct { int command; std::string path; } rows[] = {
        {kChooseFolder, "C:\\" + std::string(247, 'f')}, {kChooseSource, std::string(MAX_PATH, 'h')},
        {kChooseSource, "C:\\A\\B\\r.txt"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.command) + " " + std::to_string(row.path.size()));
        std::memcpy(vu_OpenPath, row.path.c_str(), std::min<size_t>(row.path.size() + 1, MAX_PATH));
        std::strcpy(vu_OpenName, "name.txt");
        SetPanel(1, "C:\\from", "D:\\to");
        vu_test::DialogDriver driver([](HWND d) { vu_test::ClickItem(d, IDCANCEL); }, g_main);
        Command(row.command);
        EXPECT_TRUE(driver.found());
        EXPECT_EQ(std::string(vu_OpenPath) + "|" + vu_OpenName, row.path.substr(0, MAX_PATH - 1) + "|name.txt");
        EXPECT_EQ(Panel(), "1|C:\\from|D:\\to");
    }
}

}  // namespace
