// MainWindowProc: the window procedure of Vindrulen's main window. It makes the fonts and
// controls on WM_CREATE, paints the frame and the instructions on WM_PAINT, and hands
// button clicks, keypad keys and the row field's arrows on to the commands and rows.
#include "main_window.h"

#include "rows.h"
#include "vu.h"

HFONT LabelFont;
HFONT NoteFont;
HFONT FieldFont;
HWND RowField;
HWND FromField;
HWND ToField;

namespace {

// Fonts, buttons and fields; the controls beyond the corner form's client area are simply
// clipped there.
void CreateContents(HWND window)
{
    LabelFont = vu_CreateFont(16, 6, 0, 300, 0, 0, "ARIAL");
    NoteFont = vu_CreateFont(12, 4, 0, 300, 0, 0, "ARIAL");
    FieldFont = vu_CreatePointFont(window, 10, 300, 0, 0, "ARIAL");

    vu_Button(window, 0, 0, 100, 25, "Kopiera", "C", "SUNKEN", kCopyAll);
    vu_Button(window, 101, 0, 40, 25, "Config", "C", "SUNKEN", kConfigForm);
    vu_Button(window, 180, 0, 125, 25, "Beredskapsläge", "C", "SUNKEN", kCornerForm);

    FillRowSections();

    RowField = vu_Spin(window, 10, 60, 40, 22, "C", 1);
    vu_SpinSetText(RowField, "1");

    FromField = vu_Edit(window, 10, 120, 245, 20, "L", kPathSize);
    vu_EditSetFont(FromField, FieldFont);
    vu_Button(window, 255, 120, 50, 20, "Sök...", "L", "SUNKEN", kChooseSource);

    ToField = vu_Edit(window, 10, 180, 245, 20, "L", kPathSize);
    vu_EditSetFont(ToField, FieldFont);
    vu_Button(window, 255, 180, 50, 20, "Sök...", "L", "SUNKEN", kChooseFolder);

    vu_Button(window, 215, 230, 90, 25, "Spara sökvägar", "L", "SUNKEN", kSaveRow);
}

struct Note {
    int x, y;
    bool label;  // LabelFont, else NoteFont
    const char* text;
};

// Drawn in this order, black on a transparent background.
const Note kNotes[] = {
    {102, 33, false, "Välj rad i inifilen som det skall sparas till"},
    {102, 43, false, "Välj fil med sökväg som skall kopieras"},
    {102, 53, false, "Välj mapp eller annat som filen skall kopieras till"},
    {102, 63, false, "Klicka \"Spara sökvägar\" för att spara till inifil"},
    {102, 73, false, "Fortsätt med nästa rad i inifilen osv"},
    {102, 83, false, "Sedan klickar man \"Kopiera\" så koiperas allt"},
    {10, 40, true, "Välj rad i ini-fil"},
    {10, 100, true, "Välj fil och sökväg som skall kopiera"},
    {10, 160, true, "Välj mapp eller annat som fil skall kopieras till"},
    {10, 250, false, "Version 02.01.30"},
};

// The raised frame around the instructions and the ten texts, straight onto the client
// area; the default processing that follows validates the update region.
void Paint(HWND window)
{
    // A background erase still pending (the window was uncovered or invalidated with erase)
    // would otherwise run inside the default processing and wipe everything drawn here:
    // have it done first.
    RedrawWindow(window, nullptr, nullptr, RDW_ERASENOW);
    vu_Frame3D(window, 98, 30, 207, 65, "UPPER", 1);
    for (const Note& note : kNotes)
        vu_TextOut(window, note.x, note.y, note.text, 0, note.label ? LabelFont : NoteFont, 0);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_PAINT:
        Paint(window);
        return DefWindowProcA(window, message, wparam, lparam);
    case WM_CREATE:
        CreateContents(window);
        return 0;
    case WM_DESTROY:
        EndProgram();
        return 0;
    case WM_COMMAND:
        // The whole wParam: a notification code in the high word selects nothing.
        if (wparam >= kCopyAll && wparam <= kSaveRow) RunCommand(window, static_cast<int>(wparam));
        else if (HIWORD(wparam) == EN_CHANGE && reinterpret_cast<HWND>(lparam) == RowField)
            RowTyped();
        return 0;
    case WM_VSCROLL:
        StepRow(wparam, lparam);
        return 0;
    default:
        return DefWindowProcA(window, message, wparam, lparam);
    }
}
